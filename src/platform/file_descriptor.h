// An open file descriptor that closes itself.
#pragma once

#include <unistd.h>

namespace vellix::platform {

/// Owns a POSIX file descriptor (or -1) and closes it when it goes out of
/// scope, so every early return of low-level file code closes what it opened.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  /// Gives up the descriptor without closing it (for a caller that closes
  /// it itself and checks the result).
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  /// Closes the descriptor held and takes `fd` instead.
  void Reset(int fd) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

}  // namespace vellix::platform
