#include "platform/replace_file.h"

#include <fcntl.h>
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

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view data,
                         std::string* error) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp = folder + "." + name + ".XXXXXX";

  mode_t mode = 0;
  struct stat st;
  if (stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      errno = EISDIR;
      return Fail(path, error);
    }
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }

  const int fd = mkstemp(temp.data());
  if (fd < 0) return Fail(path, error);
  const bool written = fchmod(fd, mode) == 0 && WriteAll(fd, data) && fsync(fd) == 0;
  int failure = written ? 0 : errno;
  if (close(fd) != 0 && failure == 0) failure = errno;
  if (failure != 0) {
    unlink(temp.c_str());
    errno = failure;
    return Fail(path, error);
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const int rename_error = errno;
    unlink(temp.c_str());
    errno = rename_error;
    return Fail(path, error);
  }
  return true;
}

}  // namespace vellix::platform
