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

}  // namespace

std::string LogLinkAddress(std::string_view path) {
  std::string escaped;
  for (char c : text::EscapeUrlPath(path)) {
    if (c == '\'') {
      escaped += "%27";
    } else {
      escaped += c;
    }
  }
  return text::LocalFileUrl(escaped);
}

LogLinks::LogLinks(std::string_view log_folder, std::string_view dest_folder)
    : log_folder_(StoredFolder(log_folder)), dest_folder_(StoredFolder(dest_folder)) {}

std::string LogLinks::Folder(std::string_view option) const {
  if (option.empty()) return dest_folder_;
  return text::CombinePath(dest_folder_, platform::StoredPath(option));
}

std::string LogLinks::ToFile(std::string_view folder, std::string_view file) const {
  std::string way = text::RelativePath(log_folder_, StoredFolder(folder));
  return LogLinkAddress(way + platform::StoredPath(file));
}

std::string LogLinks::ToPath(std::string_view full_path) const {
  std::string stored = platform::StoredPath(full_path);
  size_t slash = stored.find_last_of('\\');
  if (slash == std::string::npos) return LogLinkAddress(stored);
  return ToFile(std::string_view(stored).substr(0, slash + 1), stored.substr(slash + 1));
}

}  // namespace vellix
