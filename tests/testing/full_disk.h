// A disk that fills up: writes succeed until a number of bytes is reached.
#pragma once

#include <cerrno>
#include <cstddef>
#include <mutex>

#include "platform/disk_writer.h"

namespace vellix::testing {

/// Whether flushing a file to the device works.
enum class Flush { kWorks, kFails };

/// Lets `room` bytes through (counted over every file written), then fails
/// every write with ENOSPC, as a full disk does; with Flush::kFails flushing
/// fails too (EIO). Give it to a LocalFileAccess or to ReplaceFileContents.
/// Pages may be written from a second thread, so the room is shared safely.
class FullDiskWriter : public platform::DiskWriter {
 public:
  explicit FullDiskWriter(size_t room, Flush flush = Flush::kWorks)
      : room_(room), fail_sync_(flush == Flush::kFails) {}

  ssize_t Write(int fd, const void* data, size_t size) override {
    size_t n = 0;
    {
      std::lock_guard lock(mutex_);
      if (room_ == 0) {
        errno = ENOSPC;
        return -1;
      }
      n = size < room_ ? size : room_;
      room_ -= n;
    }
    return platform::DiskWriter::Write(fd, data, n);
  }
  int Sync(int fd) override {
    if (fail_sync_) {
      errno = EIO;
      return -1;
    }
    return platform::DiskWriter::Sync(fd);
  }

 private:
  std::mutex mutex_;
  size_t room_;
  bool fail_sync_;
};

/// A disk that never needs flushing: Sync succeeds at once. For tests that
/// write a file thousands of times, where waiting for the device is all
/// the time they would take.
class UnflushedWriter : public platform::DiskWriter {
 public:
  int Sync(int) override { return 0; }
};

}  // namespace vellix::testing
