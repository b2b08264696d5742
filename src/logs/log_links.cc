#include "logs/log_links.h"

#include "platform/file_system.h"
#include "text/html_escape.h"
#include "text/paths.h"

namespace vellix {
namespace {

std::string StoredFolder(std::string_view folder) {
  std::string stored = platform::StoredPath(folder);
  text::AddBackslash(&stored, true);
  return stored;
}

constexpr std::string_view kFileScheme = "file://";

bool HasDriveColon(std::string_view text) {
  return text.find(':') != std::string_view::npos;
}

}  // namespace

std::string LogLinkAddress(std::string_view path) {
  std::string out;
  out.reserve(path.size() + kFileScheme.size() + 16);
  if (HasDriveColon(path)) out = kFileScheme;
  text::AppendLinkPath(path, &out);
  return out;
}

LogLinks::LogLinks(std::string_view log_folder, std::string_view dest_folder)
    : log_folder_(StoredFolder(log_folder)), dest_folder_(StoredFolder(dest_folder)) {}

std::string LogLinks::Folder(std::string_view option) const {
  if (option.empty()) return dest_folder_;
  return text::CombinePath(dest_folder_, platform::StoredPath(option));
}

const std::string& LogLinks::WayTo(std::string_view folder) const {
  if (!has_way_ || folder != way_folder_) {
    way_folder_ = std::string(folder);
    way_ = text::RelativePath(log_folder_, StoredFolder(folder));
    has_way_ = true;
  }
  return way_;
}

std::string LogLinks::ToFile(std::string_view folder, std::string_view file) const {
  // The same as LogLinkAddress(way + StoredPath(file)) without building the
  // joined path: the link form writes both kinds of slash as "/".
  const std::string& way = WayTo(folder);
  std::string out;
  out.reserve(way.size() + file.size() + kFileScheme.size() + 16);
  if (HasDriveColon(way) || HasDriveColon(file)) out = kFileScheme;
  text::AppendLinkPath(way, &out);
  text::AppendLinkPath(file, &out);
  return out;
}

std::string LogLinks::ToPath(std::string_view full_path) const {
  std::string stored = platform::StoredPath(full_path);
  size_t slash = stored.find_last_of('\\');
  if (slash == std::string::npos) return LogLinkAddress(stored);
  return ToFile(std::string_view(stored).substr(0, slash + 1), stored.substr(slash + 1));
}

}  // namespace vellix
