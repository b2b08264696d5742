#include "media/media_files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/file_descriptor.h"
#include "platform/file_system.h"

namespace vellix::media {
namespace {

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

std::string RealPath(const std::string& path) {
  char buffer[PATH_MAX];
  return realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

/// A temporary file beside `target`, open for writing; its path goes to
/// `temp`. The descriptor is -1 on failure.
int CreateTemporary(const std::string& target, std::string* temp) {
  const size_t slash = target.rfind('/');
  *temp = target.substr(0, slash + 1) + ".vx-tmp-XXXXXX";
  int fd = mkstemp(temp->data());
  if (fd >= 0) fchmod(fd, 0644);
  return fd;
}

/// Closes `fd` and renames `temp` to `target`; removes `temp` on failure.
bool Commit(int fd, bool written, const std::string& temp, const std::string& target) {
  const bool closed = close(fd) == 0;
  if (written && closed && rename(temp.c_str(), target.c_str()) == 0) return true;
  unlink(temp.c_str());
  return false;
}

}  // namespace

FileStamp StatFile(const std::string& path) {
  struct stat st;
  FileStamp stamp;
  if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return stamp;
  stamp.exists = true;
  stamp.size = static_cast<uint64_t>(st.st_size);
  stamp.modified =
      static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return stamp;
}

bool IsFile(const std::string& path) { return platform::IsRegularFile(path); }

std::string AbsolutePath(std::string_view path) {
  if (!path.empty() && path.front() == '/') return std::string(path);
  char buffer[PATH_MAX];
  if (getcwd(buffer, sizeof buffer) == nullptr) return std::string(path);
  return platform::WithTrailingSlash(buffer) + std::string(path);
}

ReadFailure ReadSourceFile(const std::string& path, uint64_t limit, std::string* data) {
  data->clear();
  const std::optional<uint64_t> size = platform::FileSize(path);
  if (!size) return ReadFailure::kUnreadable;
  if (*size > limit) return ReadFailure::kTooLarge;
  if (!platform::ReadWholeFile(path, data)) return ReadFailure::kUnreadable;
  if (data->size() > limit) {  // grew while being read
    data->clear();
    return ReadFailure::kTooLarge;
  }
  return ReadFailure::kNone;
}

std::optional<std::string> ReadFilePrefix(const std::string& path, size_t limit) {
  platform::FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return std::nullopt;
  struct stat st;
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string data(limit, '\0');
  size_t filled = 0;
  while (filled < limit) {
    ssize_t n = read(fd.get(), data.data() + filled, limit - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  data.resize(filled);
  return data;
}

bool IsSafeRelativePath(std::string_view relative) {
  if (relative.empty() || relative.front() == '/') return false;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find('/', start);
    if (end == std::string_view::npos) end = relative.size();
    const std::string_view part = relative.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    for (char c : part) {
      if (static_cast<unsigned char>(c) < 0x20 || c == '\\') return false;
    }
    start = end + 1;
  }
  return true;
}

MediaFolderWriter::MediaFolderWriter(std::string root)
    : root_(platform::WithTrailingSlash(root)) {}

std::string MediaFolderWriter::PathOf(std::string_view relative) const {
  return root_ + std::string(relative);
}

bool MediaFolderWriter::InsideRoot(const std::string& folder) {
  const std::string real = RealPath(folder);
  if (real.empty()) return false;
  return real == real_root_ || real.starts_with(real_root_ + "/");
}

bool MediaFolderWriter::PrepareFolder(std::string_view relative) {
  if (!IsSafeRelativePath(relative)) return false;
  if (real_root_.empty()) {
    if (!platform::CreateFolders(root_)) return false;
    real_root_ = RealPath(root_);
    if (real_root_.empty()) return false;
  }
  const size_t slash = relative.rfind('/');
  if (slash == std::string_view::npos) return true;
  const std::string folder(relative.substr(0, slash));
  if (ready_folders_.count(folder)) return true;
  // Walk down one part at a time, so that a link met on the way is checked
  // before anything is created behind it.
  std::string path = root_;
  size_t start = 0;
  while (start < folder.size()) {
    size_t end = folder.find('/', start);
    if (end == std::string::npos) end = folder.size();
    path += folder.substr(start, end - start);
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return false;
      if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return false;
    } else if (S_ISLNK(st.st_mode)) {
      if (!InsideRoot(path)) return false;
    } else if (!S_ISDIR(st.st_mode)) {
      return false;
    }
    if (!platform::FolderExists(path)) return false;
    path += '/';
    start = end + 1;
  }
  ready_folders_.insert(folder);
  return true;
}

bool MediaFolderWriter::Write(std::string_view relative, std::string_view data) {
  if (!PrepareFolder(relative)) return false;
  const std::string target = PathOf(relative);
  std::string temp;
  int fd = CreateTemporary(target, &temp);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, data.data(), data.size());
  return Commit(fd, written, temp, target);
}

bool MediaFolderWriter::Copy(std::string_view relative, const std::string& source,
                             uint64_t* bytes) {
  *bytes = 0;
  if (!PrepareFolder(relative)) return false;
  // Opened without waiting (a named pipe would block the open) and copied
  // only when a regular file: a device such as /dev/zero never ends.
  platform::FileDescriptor in(open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (in.get() < 0) return false;
  struct stat st;
  if (fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  const std::string target = PathOf(relative);
  std::string temp;
  int fd = CreateTemporary(target, &temp);
  if (fd < 0) return false;
  bool written = true;
  static constexpr size_t kChunk = 1 << 18;
  std::string buffer(kChunk, '\0');
  for (;;) {
    ssize_t n = read(in.get(), buffer.data(), kChunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      written = false;
      break;
    }
    if (n == 0) break;
    if (!WriteAll(fd, buffer.data(), static_cast<size_t>(n))) {
      written = false;
      break;
    }
    *bytes += static_cast<uint64_t>(n);
  }
  if (!Commit(fd, written, temp, target)) {
    *bytes = 0;
    return false;
  }
  return true;
}

}  // namespace vellix::media
