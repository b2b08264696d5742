#include "platform/file_access.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vellix::platform {
namespace {

// A file written with write(2); a short write or a failed close is reported.
class LocalOutputFile : public OutputFile {
 public:
  explicit LocalOutputFile(int fd) : fd_(fd) {}
  ~LocalOutputFile() override { Close(); }

  bool Write(std::string_view data) override {
    if (fd_ < 0) return false;
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
      const ssize_t n = write(fd_, p, left);
      if (n < 0) {
        if (errno == EINTR) continue;
        failed_ = true;
        return false;
      }
      p += n;
      left -= static_cast<size_t>(n);
    }
    return true;
  }

  bool Close() override {
    if (fd_ < 0) return !failed_;
    if (close(fd_) != 0) failed_ = true;
    fd_ = -1;
    return !failed_;
  }

 private:
  int fd_;
  bool failed_ = false;
};

}  // namespace

bool LocalFileAccess::ReadWholeFile(const std::string& path, std::string* data,
                                    std::string* error) {
  return platform::ReadWholeFile(path, data, error);
}

bool LocalFileAccess::WriteWholeFile(const std::string& path, std::string_view data,
                                     std::string* error) {
  return platform::WriteWholeFile(path, data, error);
}

bool LocalFileAccess::WriteFileIfChanged(const std::string& path, std::string_view data,
                                         std::string* error) {
  return platform::WriteFileIfChanged(path, data, error);
}

std::unique_ptr<OutputFile> LocalFileAccess::OpenForWriting(const std::string& path,
                                                            std::string* error) {
  const std::string native = NativePath(path);
  const int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = native + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::make_unique<LocalOutputFile>(fd);
}

bool LocalFileAccess::FileExists(const std::string& path) {
  return platform::FileExists(path);
}

bool LocalFileAccess::FolderExists(const std::string& path) {
  return platform::FolderExists(path);
}

bool LocalFileAccess::GetFileTimes(const std::string& path, FileTimes* times) {
  return platform::GetFileTimes(path, times);
}

std::optional<uint64_t> LocalFileAccess::FileSize(const std::string& path) {
  return platform::FileSize(path);
}

std::optional<uint64_t> LocalFileAccess::FreeDiskSpace(const std::string& folder) {
  return platform::FreeDiskSpace(folder);
}

bool LocalFileAccess::CreateFolders(const std::string& folder) {
  return platform::CreateFolders(folder);
}

std::vector<FolderEntry> LocalFileAccess::ListFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<FolderEntry> files;
  std::error_code error;
  fs::directory_iterator it(NativePath(folder), error);
  if (error) return files;
  for (const fs::directory_entry& entry : it) {
    std::error_code entry_error;
    if (!entry.is_regular_file(entry_error)) continue;
    const uintmax_t size = entry.file_size(entry_error);
    if (entry_error) continue;
    files.push_back({entry.path().filename().string(), size});
  }
  return files;
}

}  // namespace vellix::platform
