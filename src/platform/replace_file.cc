#include "platform/replace_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vellix::platform {
namespace {

bool Fail(const std::string& path, std::string* error) {
  if (error != nullptr) *error = path + ": " + std::strerror(errno);
  return false;
}

// The file a symbolic link leads to (the path itself when it is no link or
// the link leads nowhere yet).
std::string ResolveLinks(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

// Flushes the folder's entry for the renamed file, so the new name survives
// a power cut. A file system that cannot flush folders is not an error.
void SyncFolder(const std::string& folder, DiskWriter& writer) {
  const int fd =
      open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  writer.Sync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFileContents(const std::string& given_path, std::string_view data,
                         std::string* error, DiskWriter& writer) {
  const std::string path = ResolveLinks(given_path);
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp = folder + "." + name + ".XXXXXX";

  mode_t mode = 0;
  struct stat st;
  if (stat(path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) {
      errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
      return Fail(given_path, error);
    }
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }

  const int fd = mkstemp(temp.data());
  if (fd < 0) return Fail(given_path, error);
  const bool written = fchmod(fd, mode) == 0 &&
                       WriteAll(writer, fd, data.data(), data.size()) &&
                       writer.Sync(fd) == 0;
  int failure = written ? 0 : errno;
  if (close(fd) != 0 && failure == 0) failure = errno;
  if (failure != 0) {
    unlink(temp.c_str());
    errno = failure;
    return Fail(given_path, error);
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const int rename_error = errno;
    unlink(temp.c_str());
    errno = rename_error;
    return Fail(given_path, error);
  }
  SyncFolder(folder, writer);
  return true;
}

}  // namespace vellix::platform
