#include "shell/cli/path_checks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace vellix::cli {
namespace {

PathCheck Problem(PathProblem problem, std::string path) {
  return PathCheck{problem, std::move(path)};
}

PathProblem FromErrno(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return PathProblem::kPermissionDenied;
    case ENOTDIR:
      return PathProblem::kNotAFolder;
    default:
      return PathProblem::kMissing;
  }
}

}  // namespace

PathCheck CheckInputFile(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return Problem(FromErrno(errno), path);
  if (S_ISDIR(st.st_mode)) return Problem(PathProblem::kIsDirectory, path);
  if (access(path.c_str(), R_OK) != 0)
    return Problem(PathProblem::kPermissionDenied, path);
  return {};
}

PathCheck CheckOutputFolder(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return Problem(FromErrno(errno), path);
  if (!S_ISDIR(st.st_mode)) return Problem(PathProblem::kNotAFolder, path);
  if (access(path.c_str(), W_OK | X_OK) != 0) {
    return Problem(PathProblem::kPermissionDenied, path);
  }
  return {};
}

PathCheck PrepareOutputFolder(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) == 0) return CheckOutputFolder(path);
  // The nearest existing ancestor decides why the folder cannot be made.
  std::filesystem::path ancestor = std::filesystem::path(path).lexically_normal();
  while (ancestor.has_relative_path() && ancestor.has_parent_path()) {
    ancestor = ancestor.parent_path();
    if (stat(ancestor.c_str(), &st) == 0) break;
  }
  if (stat(ancestor.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
    return Problem(PathProblem::kNotAFolder, ancestor.string());
  }
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) {
    const PathProblem problem = FromErrno(ec.value());
    return Problem(
        problem == PathProblem::kMissing ? PathProblem::kPermissionDenied : problem,
        problem == PathProblem::kPermissionDenied ? ancestor.string() : path);
  }
  return CheckOutputFolder(path);
}

std::string DescribePathCheck(const PathCheck& check) {
  switch (check.problem) {
    case PathProblem::kNone:
      return {};
    case PathProblem::kMissing:
      return check.path + ": does not exist";
    case PathProblem::kIsDirectory:
      return check.path + ": is a directory";
    case PathProblem::kNotAFolder:
      return check.path + ": is not a folder";
    case PathProblem::kPermissionDenied:
      return check.path + ": permission denied";
  }
  return {};
}

}  // namespace vellix::cli
