#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/file_descriptor.h"

namespace vellix::platform {
namespace {

std::string Reason(const std::string& path) { return path + ": " + std::strerror(errno); }

int64_t ToNanos(const struct statx_timestamp& t) {
  return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

}  // namespace

std::string NativePath(std::string_view stored) {
  std::string out(stored);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

std::string StoredPath(std::string_view native) {
  std::string out(native);
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

bool IsAbsolutePath(std::string_view path) {
  if (path.empty()) return false;
  if (path[0] == '\\' || path[0] == '/') return true;
  return path.find(':') != std::string_view::npos;
}

bool GetFileTimes(const std::string& path, FileTimes* times) {
  struct statx sx;
  std::string native = NativePath(path);
  if (statx(AT_FDCWD, native.c_str(), 0, STATX_BTIME | STATX_CTIME | STATX_MTIME, &sx) !=
      0) {
    return false;
  }
  times->creation =
      (sx.stx_mask & STATX_BTIME) ? ToNanos(sx.stx_btime) : ToNanos(sx.stx_ctime);
  times->last_write = ToNanos(sx.stx_mtime);
  return true;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<uint64_t> FileSize(const std::string& path) {
  struct stat st;
  if (stat(NativePath(path).c_str(), &st) != 0) return std::nullopt;
  return static_cast<uint64_t>(st.st_size);
}

std::optional<uint64_t> FreeDiskSpace(const std::string& folder) {
  struct statvfs vfs;
  if (statvfs(NativePath(folder).c_str(), &vfs) != 0) return std::nullopt;
  return static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize;
}

bool ReadWholeFile(const std::string& path, std::string* data, std::string* error) {
  data->clear();
  std::string native = NativePath(path);
  // Opened without blocking, so that a named pipe or a device cannot hold
  // the reader until someone writes to it; only a regular file is read.
  int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (error) *error = Reason(native);
    return false;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    close(fd);
    if (error)
      *error = folder ? native + ": " + std::strerror(EISDIR)
                      : native + ": not a regular file";
    errno = folder ? EISDIR : EINVAL;
    return false;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (st.st_size > 0) data->reserve(static_cast<size_t>(st.st_size));
  char buffer[1 << 16];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      if (error) *error = Reason(native);
      close(fd);
      data->clear();
      return false;
    }
    data->append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return true;
}

bool ReadFileHead(const std::string& path, size_t max_bytes, std::string* data,
                  std::string* error) {
  data->clear();
  const std::string native = NativePath(path);
  int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (error) *error = Reason(native);
    return false;
  }
  struct stat st;
  const bool examined = fstat(fd, &st) == 0;
  if (!examined || !S_ISREG(st.st_mode)) {
    // A folder, FIFO or device has no head to read (and a FIFO would block).
    if (examined) errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (error) *error = Reason(native);
    close(fd);
    return false;
  }
  data->resize(max_bytes);
  size_t got = 0;
  while (got < max_bytes) {
    ssize_t n = read(fd, data->data() + got, max_bytes - got);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      if (error) *error = Reason(native);
      close(fd);
      data->clear();
      return false;
    }
    got += static_cast<size_t>(n);
  }
  close(fd);
  data->resize(got);
  return true;
}

bool WriteWholeFile(const std::string& path, std::string_view data, std::string* error,
                    DiskWriter& writer) {
  std::string native = NativePath(path);
  int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = Reason(native);
    return false;
  }
  if (!WriteAll(writer, fd, data.data(), data.size())) {
    if (error) *error = Reason(native);
    close(fd);
    return false;
  }
  if (close(fd) != 0) {
    if (error) *error = Reason(native);
    return false;
  }
  return true;
}

namespace {

// True when the open file's first data.size() bytes are `data` (the caller
// has checked that the file has that size).
bool HoldsExactly(int fd, std::string_view data) {
  char buffer[1 << 16];
  size_t offset = 0;
  while (offset < data.size()) {
    const size_t want = std::min(sizeof buffer, data.size() - offset);
    const ssize_t n = pread(fd, buffer, want, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    if (std::memcmp(buffer, data.data() + offset, static_cast<size_t>(n)) != 0) {
      return false;
    }
    offset += static_cast<size_t>(n);
  }
  return true;
}

// The way for a path that cannot be opened for both reading and writing (a
// file this user may only read or only write, a read-only volume, a missing
// folder): compare through a reading descriptor, write through a truncating
// one, and report that one's reason.
WriteResult CompareThenWrite(const std::string& native, std::string_view data,
                             std::string* error, DiskWriter& writer) {
  {
    const FileDescriptor fd(open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st;
    if (fd.get() >= 0 && fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<uint64_t>(st.st_size) == data.size() &&
        HoldsExactly(fd.get(), data)) {
      return WriteResult::kUnchanged;
    }
  }
  return WriteWholeFile(native, data, error, writer) ? WriteResult::kWritten
                                                     : WriteResult::kFailed;
}

}  // namespace

WriteResult WriteFileIfChanged(const std::string& path, std::string_view data,
                               std::string* error, DiskWriter& writer) {
  const std::string native = NativePath(path);
  // One descriptor compares, creates and rewrites. Opened without blocking,
  // so that a named pipe at the path is refused instead of holding the run.
  FileDescriptor fd(
      open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644));
  if (fd.get() < 0) return CompareThenWrite(native, data, error, writer);
  struct stat st;
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    if (error) *error = native + ": not a regular file";
    errno = EINVAL;
    return WriteResult::kFailed;
  }
  const uint64_t old_size = static_cast<uint64_t>(st.st_size);
  if (old_size == data.size() && HoldsExactly(fd.get(), data)) {
    return WriteResult::kUnchanged;
  }
  // The new bytes go over the old ones and only a longer old tail is cut
  // off. Truncating to nothing first would free every block of the file and
  // allocate new ones: on ext4 mounted with online discard and no journal
  // every page would wait for the device to discard its old blocks.
  bool written = WriteAll(writer, fd.get(), data.data(), data.size());
  if (written && old_size > data.size()) {
    written = ftruncate(fd.get(), static_cast<off_t>(data.size())) == 0;
  }
  if (!written) {
    if (error) *error = Reason(native);
    return WriteResult::kFailed;
  }
  if (close(fd.Release()) != 0) {
    if (error) *error = Reason(native);
    return WriteResult::kFailed;
  }
  return WriteResult::kWritten;
}

bool IsRegularFile(const std::string& path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RenameWithoutReplacing(const std::string& from, const std::string& to,
                            std::string* error) {
  const std::string native_from = NativePath(from);
  const std::string native_to = NativePath(to);
  if (renameat2(AT_FDCWD, native_from.c_str(), AT_FDCWD, native_to.c_str(),
                RENAME_NOREPLACE) == 0) {
    return true;
  }
  // File systems without the flag: a hard link refuses an existing name too.
  if ((errno == EINVAL || errno == ENOSYS) &&
      link(native_from.c_str(), native_to.c_str()) == 0) {
    unlink(native_from.c_str());
    return true;
  }
  if (error) *error = Reason(native_to);
  return false;
}

std::optional<bool> OnSameFileSystem(const std::string& a, const std::string& b) {
  struct stat sa;
  struct stat sb;
  if (stat(NativePath(a).c_str(), &sa) != 0 || stat(NativePath(b).c_str(), &sb) != 0) {
    return std::nullopt;
  }
  return sa.st_dev == sb.st_dev;
}

std::string MountPointOf(const std::string& path) {
  std::error_code ec;
  std::filesystem::path current = std::filesystem::canonical(NativePath(path), ec);
  if (ec) return std::string();
  struct stat st;
  if (stat(current.c_str(), &st) != 0) return std::string();
  const dev_t device = st.st_dev;
  while (current.has_parent_path() && current.parent_path() != current) {
    struct stat parent;
    if (stat(current.parent_path().c_str(), &parent) != 0 || parent.st_dev != device) {
      break;
    }
    current = current.parent_path();
  }
  return current.string();
}

bool CreateFolders(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(NativePath(folder), ec);
  return FolderExists(folder);
}

std::string WithTrailingSlash(std::string_view folder) {
  std::string out(folder);
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  if (out.empty() || out.back() != '/') out += '/';
  return out;
}

std::string FileNameOf(std::string_view path) {
  size_t slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace vellix::platform
