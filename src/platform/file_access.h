// The engine's access to files, behind an interface so that a run can be
// pointed at a test double (a full disk, a file that cannot be written).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace vellix::platform {

/// A regular file found in a folder.
struct FolderEntry {
  std::string name;
  uint64_t size = 0;
};

/// A file being written piece by piece (log pages, GENDEX.txt). Closed by
/// Close or by the destructor; every call after a failed one fails too.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  /// Appends `data`; false when it could not be written.
  virtual bool Write(std::string_view data) = 0;
  /// Flushes and closes the file; false when anything written was lost.
  virtual bool Close() = 0;
};

/// Everything the engine does with files. Paths are native or stored form
/// (backslashes are turned into slashes). LocalFileAccess works on the real
/// disk; tests derive from it to simulate failures.
class FileAccess {
 public:
  virtual ~FileAccess() = default;

  virtual bool ReadWholeFile(const std::string& path, std::string* data,
                             std::string* error = nullptr) = 0;
  /// Makes `data` the whole content of `path` (created or truncated).
  virtual bool WriteWholeFile(const std::string& path, std::string_view data,
                              std::string* error = nullptr) = 0;
  /// As WriteWholeFile, but a file that already holds exactly `data` is left
  /// untouched (its modification time stays).
  virtual bool WriteFileIfChanged(const std::string& path, std::string_view data,
                                  std::string* error = nullptr) = 0;
  /// Opens `path` for writing from its start; nullptr when it cannot be
  /// created (the reason in `error`).
  virtual std::unique_ptr<OutputFile> OpenForWriting(const std::string& path,
                                                     std::string* error = nullptr) = 0;

  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool GetFileTimes(const std::string& path, FileTimes* times) = 0;
  virtual std::optional<uint64_t> FileSize(const std::string& path) = 0;
  virtual std::optional<uint64_t> FreeDiskSpace(const std::string& folder) = 0;
  /// Creates `folder` and any missing parents; true when it exists afterwards.
  virtual bool CreateFolders(const std::string& folder) = 0;
  /// The regular files directly inside `folder` (none when it cannot be read).
  virtual std::vector<FolderEntry> ListFiles(const std::string& folder) = 0;
};

/// File access on the local disk (the platform/file_system.h functions).
class LocalFileAccess : public FileAccess {
 public:
  bool ReadWholeFile(const std::string& path, std::string* data,
                     std::string* error = nullptr) override;
  bool WriteWholeFile(const std::string& path, std::string_view data,
                      std::string* error = nullptr) override;
  bool WriteFileIfChanged(const std::string& path, std::string_view data,
                          std::string* error = nullptr) override;
  std::unique_ptr<OutputFile> OpenForWriting(const std::string& path,
                                             std::string* error = nullptr) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool GetFileTimes(const std::string& path, FileTimes* times) override;
  std::optional<uint64_t> FileSize(const std::string& path) override;
  std::optional<uint64_t> FreeDiskSpace(const std::string& folder) override;
  bool CreateFolders(const std::string& folder) override;
  std::vector<FolderEntry> ListFiles(const std::string& folder) override;
};

}  // namespace vellix::platform
