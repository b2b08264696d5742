#include "platform/disk_writer.h"

#include <unistd.h>

#include <cerrno>

namespace vellix::platform {

ssize_t DiskWriter::Write(int fd, const void* data, size_t size) {
  return ::write(fd, data, size);
}

int DiskWriter::Sync(int fd) { return ::fsync(fd); }

DiskWriter& DiskWriter::System() {
  static DiskWriter writer;
  return writer;
}

bool WriteAll(DiskWriter& writer, int fd, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = writer.Write(fd, p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {  // no room and no reason given: what a full disk means
      errno = ENOSPC;
      return false;
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace vellix::platform
