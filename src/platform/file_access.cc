#include "platform/file_access.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/replace_file.h"

namespace vellix::platform {
namespace {

// A file written with write(2); a short write or a failed close is reported.
class LocalOutputFile : public OutputFile {
 public:
  LocalOutputFile(int fd, DiskWriter& writer) : fd_(fd), writer_(writer) {}
  ~LocalOutputFile() override { Close(); }

  bool Write(std::string_view data) override {
    if (fd_ < 0 || failed_) return false;
    if (!WriteAll(writer_, fd_, data.data(), data.size())) failed_ = true;
    return !failed_;
  }

  bool Close() override {
    if (fd_ < 0) return !failed_;
    if (close(fd_) != 0) failed_ = true;
    fd_ = -1;
    return !failed_;
  }

 private:
  int fd_;
  DiskWriter& writer_;
  bool failed_ = false;
};

}  // namespace

bool LocalFileAccess::ReadWholeFile(const std::string& path, std::string* data,
                                    std::string* error) {
  return platform::ReadWholeFile(path, data, error);
}

bool LocalFileAccess::WriteWholeFile(const std::string& path, std::string_view data,
                                     std::string* error) {
  return platform::WriteWholeFile(path, data, error, writer_);
}

WriteResult LocalFileAccess::WriteFileIfChanged(const std::string& path,
                                                std::string_view data,
                                                std::string* error) {
  return platform::WriteFileIfChanged(path, data, error, writer_);
}

bool LocalFileAccess::ReplaceFile(const std::string& path, std::string_view data,
                                  std::string* error) {
  return ReplaceFileContents(NativePath(path), data, error, writer_);
}

std::unique_ptr<OutputFile> LocalFileAccess::OpenForWriting(const std::string& path,
                                                            std::string* error) {
  const std::string native = NativePath(path);
  const int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = native + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::make_unique<LocalOutputFile>(fd, writer_);
}

bool LocalFileAccess::FileExists(const std::string& path) {
  return platform::FileExists(path);
}

bool LocalFileAccess::IsRegularFile(const std::string& path) {
  return platform::IsRegularFile(path);
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

RemoveResult LocalFileAccess::RemoveFileBelow(const std::string& folder,
                                              std::string_view relative) {
  return platform::RemoveFileBelow(NativePath(folder), relative);
}

RemoveResult LocalFileAccess::InspectFileBelow(const std::string& folder,
                                               std::string_view relative) {
  return platform::InspectFileBelow(NativePath(folder), relative);
}

}  // namespace vellix::platform
