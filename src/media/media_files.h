// The one place where the media code touches the disk: file status, reading
// sources, and writing derived files strictly inside the site's media
// folder.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace vellix::media {

/// Size and modification time of a file, as one status call gives them.
struct FileStamp {
  bool exists = false;  // a file (anything but a folder) is there
  uint64_t size = 0;
  int64_t modified = 0;  // nanoseconds since 1970
};

/// The status of the file at the native path `path`.
FileStamp StatFile(const std::string& path);

/// True when a regular file (not a folder, pipe or device) is at `path`.
bool IsFile(const std::string& path);

/// `path` made absolute against the current folder when it is relative
/// (nothing else changes; see NormalizePath).
std::string AbsolutePath(std::string_view path);

/// Why a read failed.
enum class ReadFailure { kNone, kUnreadable, kTooLarge };

/// Reads the whole file at `path` into `data`, refusing files larger than
/// `limit` bytes before reading them.
ReadFailure ReadSourceFile(const std::string& path, uint64_t limit, std::string* data);

/// The first `limit` bytes of the file at `path`, or nothing when it cannot
/// be read.
std::optional<std::string> ReadFilePrefix(const std::string& path, size_t limit);

/// Writes files below one root folder (the site's media folder) and nowhere
/// else. A relative path with an empty, "." or ".." part is refused, and so
/// is a folder on the way that is a link leading out of the root. Files are
/// written to a temporary name and renamed into place, so a link standing
/// at the target's name is replaced, never followed, and a failed write
/// leaves the previous file intact.
class MediaFolderWriter {
 public:
  /// `root` is a native folder path; it is created on the first write.
  explicit MediaFolderWriter(std::string root);

  const std::string& root() const { return root_; }

  /// Makes `data` the content of root + `relative` ("thumb/a.jpg").
  bool Write(std::string_view relative, std::string_view data);

  /// Copies the file at the native path `source` to root + `relative`.
  /// `bytes` receives the size copied.
  bool Copy(std::string_view relative, const std::string& source, uint64_t* bytes);

  /// root + `relative`, without any check.
  std::string PathOf(std::string_view relative) const;

 private:
  /// Creates (when needed) and checks the folder of `relative`; false when
  /// it cannot be made or does not lie inside the root.
  bool PrepareFolder(std::string_view relative);
  bool InsideRoot(const std::string& folder);

  std::string root_;       // with a trailing slash
  std::string real_root_;  // resolved once the root exists
  std::set<std::string> ready_folders_;
};

/// True when `relative` is a usable path below a folder: not empty, not
/// absolute, every part non-empty and neither "." nor "..", no control
/// characters.
bool IsSafeRelativePath(std::string_view relative);

}  // namespace vellix::media
