#include "media/media_paths.h"

#include <cctype>
#include <vector>

#include "media/media_files.h"

namespace vellix::media {
namespace {

std::vector<std::string_view> SplitParts(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(start, end - start);
    if (!part.empty() && part != ".") parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

std::string JoinFrom(const std::vector<std::string_view>& parts, size_t first) {
  std::string out;
  for (size_t i = first; i < parts.size(); ++i) {
    if (!out.empty()) out += '/';
    out += parts[i];
  }
  return out;
}

bool HasControlCharacter(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

bool HasDriveLetter(std::string_view value) {
  return value.size() >= 2 && value[1] == ':' &&
         std::isalpha(static_cast<unsigned char>(value[0]));
}

}  // namespace

std::string NormalizePath(std::string_view path) {
  std::vector<std::string_view> kept;
  for (std::string_view part : SplitParts(path)) {
    if (part == "..") {
      if (!kept.empty()) kept.pop_back();
    } else {
      kept.push_back(part);
    }
  }
  return "/" + JoinFrom(kept, 0);
}

MediaSearchFolders SearchFoldersFor(std::string_view source_option,
                                    std::string_view gedcom_path) {
  MediaSearchFolders folders;
  std::string gedcom = AbsolutePath(gedcom_path);
  const size_t slash = gedcom.rfind('/');
  folders.gedcom_folder =
      NormalizePath(gedcom.substr(0, slash == std::string::npos ? 0 : slash));
  std::string option(source_option);
  for (char& c : option) {
    if (c == '\\') c = '/';
  }
  if (option.empty() || option.find(':') != std::string::npos) return folders;
  folders.source_folder = NormalizePath(
      option.front() == '/' ? option : folders.gedcom_folder + "/" + option);
  return folders;
}

std::string ResolveMediaFile(std::string_view file_value,
                             const MediaSearchFolders& folders) {
  if (file_value.empty() || HasControlCharacter(file_value)) return {};
  std::string value(file_value);
  for (char& c : value) {
    if (c == '\\') c = '/';
  }
  const bool drive = HasDriveLetter(value);
  if (drive) value.erase(0, 2);
  const bool rooted = !value.empty() && value.front() == '/';
  const bool windows = drive || value.starts_with("//");
  std::vector<std::string> bases;
  for (const std::string* base : {&folders.source_folder, &folders.gedcom_folder}) {
    if (!base->empty()) bases.push_back(*base);
  }

  if (rooted && !windows) {
    std::string path = NormalizePath(value);
    if (IsFile(path)) return path;
  } else if (!rooted && !drive) {
    for (const std::string& base : bases) {
      std::string path = NormalizePath(base + "/" + value);
      if (IsFile(path)) return path;
    }
  }
  // Look the value up by its tail. A tail never climbs out of the folder it
  // is looked up in.
  const std::vector<std::string_view> parts = SplitParts(value);
  for (const std::string& base : bases) {
    for (size_t first = 0; first < parts.size(); ++first) {
      bool climbs = false;
      for (size_t i = first; i < parts.size(); ++i) climbs = climbs || parts[i] == "..";
      if (climbs) continue;
      std::string path = NormalizePath(base + "/" + JoinFrom(parts, first));
      if (IsFile(path)) return path;
    }
  }
  return {};
}

std::string RelativeFolderBelow(std::string_view base, std::string_view path) {
  if (base.empty()) return {};
  std::string prefix(base);
  if (prefix.back() != '/') prefix += '/';
  if (!path.starts_with(prefix)) return {};
  std::string_view rest = path.substr(prefix.size());
  const size_t slash = rest.rfind('/');
  return slash == std::string_view::npos ? std::string()
                                         : std::string(rest.substr(0, slash));
}

}  // namespace vellix::media
