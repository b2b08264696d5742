// Link addresses from the log pages (in the application folder) into the
// generated site and the user's folders.
#pragma once

#include <string>
#include <string_view>

namespace vellix {

/// Builds the addresses the log pages link with. The log pages live in one
/// folder and the site in another, so every link is the relative path from
/// the log folder to the target's folder followed by the file name, in link
/// form ("file://" with "/" when the way still holds a drive). Folder options
/// are resolved against the destination folder first. All paths here are in
/// the stored form (backslashes); the constructor accepts either form.
class LogLinks {
 public:
  /// `log_folder`: where the log pages are written (normally the application
  /// folder); `dest_folder`: the run's destination folder.
  LogLinks(std::string_view log_folder, std::string_view dest_folder);

  /// The full folder a folder option names, ending with a backslash: the
  /// option combined with the destination folder, or the destination folder
  /// itself when the option is empty. An absolute option stands alone.
  std::string Folder(std::string_view option) const;

  /// The link address of `file` (which may name sub-folders) inside the full
  /// folder `folder`, relative to the log folder, escaped for an href (also
  /// for one inside a quoted script argument).
  std::string ToFile(std::string_view folder, std::string_view file) const;

  /// The link address of a file in the destination folder.
  std::string ToSite(std::string_view file) const { return ToFile(dest_folder_, file); }

  /// The link address of a file given by its full path.
  std::string ToPath(std::string_view full_path) const;

  const std::string& log_folder() const { return log_folder_; }
  const std::string& dest_folder() const { return dest_folder_; }

 private:
  /// The relative way from the log folder to the full folder `folder`,
  /// remembered for the last folder asked: a list page links into the
  /// same few folders thousands of times.
  const std::string& WayTo(std::string_view folder) const;

  std::string log_folder_;   // stored form, trailing backslash
  std::string dest_folder_;  // stored form, trailing backslash
  mutable std::string way_folder_;
  mutable std::string way_;
  mutable bool has_way_ = false;
};

/// `path` as a link address: characters an href cannot hold percent-escaped
/// (also "'" so the address can stand in a quoted script argument), then
/// "file://" form when it holds a drive colon, else "/" for backslashes.
std::string LogLinkAddress(std::string_view path);

}  // namespace vellix
