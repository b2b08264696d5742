// Precise reasons why a path given to vellix cannot be used.
#pragma once

#include <string>

namespace vellix::cli {

/// What is wrong with a path.
enum class PathProblem {
  kNone,
  kMissing,           // nothing of that name exists
  kIsDirectory,       // a file was wanted
  kNotAFolder,        // a folder was wanted, or a parent folder is a file
  kPermissionDenied,  // it exists, but this user may not read or write it
};

/// A path and what is wrong with it (for the error message).
struct PathCheck {
  PathProblem problem = PathProblem::kNone;
  std::string path;  // the path the problem belongs to (may be a parent)
};

/// Whether `path` can be read as a file.
PathCheck CheckInputFile(const std::string& path);

/// Whether files can be written into the folder `path` (which must exist).
PathCheck CheckOutputFolder(const std::string& path);

/// Creates the folder `path` and its parents when missing, then checks it
/// as CheckOutputFolder does. A parent that is a file is reported by its
/// own path.
PathCheck PrepareOutputFolder(const std::string& path);

/// "PATH: is a directory", "PATH: is not a folder", "PATH: permission
/// denied", "PATH: does not exist"; empty for kNone.
std::string DescribePathCheck(const PathCheck& check);

}  // namespace vellix::cli
