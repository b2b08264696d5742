// File-system services: native path form, file times, free space, whole-file
// reading and writing. Everything that touches the disk below the engine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/disk_writer.h"

namespace vellix::platform {

/// Turns a stored path (backslashes, as option sets keep them) into the
/// native form: every backslash becomes a slash.
std::string NativePath(std::string_view stored);

/// Turns a native path into the stored form: every slash becomes a backslash.
std::string StoredPath(std::string_view native);

/// True when a stored or native path is absolute: it starts with "\" or "/",
/// or it holds a drive colon.
bool IsAbsolutePath(std::string_view path);

/// Creation and last-write times of a file, in nanoseconds since 1970.
/// `creation` is the birth time where the file system keeps one, else the
/// status-change time.
struct FileTimes {
  int64_t creation = 0;
  int64_t last_write = 0;
  friend bool operator==(const FileTimes&, const FileTimes&) = default;
};

/// Reads the times of `path` (native or stored form). False when the file's
/// status cannot be read.
bool GetFileTimes(const std::string& path, FileTimes* times);

/// True when `path` names an existing regular file (or anything but a folder).
bool FileExists(const std::string& path);

/// True when `path` names an existing folder.
bool FolderExists(const std::string& path);

/// Size of a file in bytes, or nothing when its status cannot be read.
std::optional<uint64_t> FileSize(const std::string& path);

/// Bytes available to this user on the volume holding `folder`, or nothing
/// when the query fails.
std::optional<uint64_t> FreeDiskSpace(const std::string& folder);

/// Reads a whole regular file into `data`. On failure returns false, leaves
/// `data` empty and puts the system's reason into `error` (when given). A
/// named pipe, a device or a folder is refused at once ("PATH: not a
/// regular file"), never waited on or read without end.
bool ReadWholeFile(const std::string& path, std::string* data,
                   std::string* error = nullptr);

/// Reads at most `max_bytes` from the start of a file into `data` (for
/// recognising a file by its first bytes without reading a large one whole).
/// Errors as ReadWholeFile.
bool ReadFileHead(const std::string& path, size_t max_bytes, std::string* data,
                  std::string* error = nullptr);

/// Writes `data` as the whole content of `path` (created or truncated),
/// through `writer`. For site pages and logs, which a run makes again; a file
/// that holds the user's data goes through ReplaceFileContents instead.
bool WriteWholeFile(const std::string& path, std::string_view data,
                    std::string* error = nullptr,
                    DiskWriter& writer = DiskWriter::System());

/// What WriteFileIfChanged did with a file.
enum class WriteResult {
  kFailed,     // the file could not be written (the reason is in `error`)
  kWritten,    // the file was created or its content replaced
  kUnchanged,  // the file already held exactly the data and was left alone
};

/// Makes `data` the whole content of `path`, but leaves a file that already
/// holds exactly `data` untouched: its modification time stays, so upload
/// tools send only the pages that changed, and the file system is spared
/// the cost of rewriting it. A changed file is rewritten in place (same
/// file, old bytes overwritten, a longer old tail cut off), never truncated
/// to nothing first nor removed and created again. Anything but a regular
/// file at `path` (a named pipe, a device) is refused ("PATH: not a regular
/// file"). Errors otherwise as WriteWholeFile.
WriteResult WriteFileIfChanged(const std::string& path, std::string_view data,
                               std::string* error = nullptr,
                               DiskWriter& writer = DiskWriter::System());

/// True when `path` names a regular file (not a folder, pipe or device).
bool IsRegularFile(const std::string& path);

/// Renames `from` to `to` unless `to` exists; an existing `to` is never
/// replaced. False, with "TO: reason" in `error`, otherwise.
bool RenameWithoutReplacing(const std::string& from, const std::string& to,
                            std::string* error = nullptr);

/// Whether two existing paths lie on the same mounted file system (the
/// same device); nothing when either cannot be examined.
std::optional<bool> OnSameFileSystem(const std::string& a, const std::string& b);

/// The folder where the file system holding the existing `path` is mounted
/// ("/" for the root file system); empty when it cannot be examined.
std::string MountPointOf(const std::string& path);

/// Creates `folder` and any missing parents. True when it exists afterwards.
bool CreateFolders(const std::string& folder);

/// `folder` with exactly one trailing slash (native form).
std::string WithTrailingSlash(std::string_view folder);

/// The last component of a path (after the last slash or backslash).
std::string FileNameOf(std::string_view path);

}  // namespace vellix::platform
