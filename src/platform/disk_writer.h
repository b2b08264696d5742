// The two system calls that put a file's bytes on the disk.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace vellix::platform {

/// Writes bytes to an open file and flushes them to the device. Abstract so
/// a test can make the disk fill up after a number of bytes or the flush
/// fail, and watch what the writers of the user's files leave behind.
class DiskWriter {
 public:
  virtual ~DiskWriter() = default;
  /// As write(2): the number of bytes written, or -1 with errno set.
  virtual ssize_t Write(int fd, const void* data, size_t size);
  /// As fsync(2): 0, or -1 with errno set.
  virtual int Sync(int fd);

  /// The writer of the real disk (stateless, shared by everyone).
  static DiskWriter& System();
};

/// Writes all of `size` bytes (retrying interrupted and short writes). False
/// with errno set when the writer fails.
bool WriteAll(DiskWriter& writer, int fd, const void* data, size_t size);

}  // namespace vellix::platform
