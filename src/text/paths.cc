#include "text/paths.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/file_system.h"
#include "text/string_ops.h"

namespace vellix::text {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A stored path taken apart: its root (leading separators, as backslashes),
// and its non-empty components. Both separators are accepted, so a path
// typed with "/" splits the same way.
struct SplitPath {
  std::string root;
  std::vector<std::string_view> parts;

  bool HasDrive() const {
    return !parts.empty() && parts[0].find(':') != std::string_view::npos;
  }
};

SplitPath Split(std::string_view path) {
  SplitPath split;
  size_t pos = 0;
  while (pos < path.size() && IsSeparator(path[pos])) {
    split.root += '\\';
    ++pos;
  }
  while (pos < path.size()) {
    size_t end = pos;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    if (end > pos) split.parts.push_back(path.substr(pos, end - pos));
    pos = end + 1;
  }
  return split;
}

std::string Join(const std::string& root, const std::vector<std::string_view>& parts,
                 size_t from, size_t to) {
  std::string out = root;
  for (size_t i = from; i < to; ++i) {
    out += parts[i];
    out += '\\';
  }
  return out;
}

bool SameDrive(std::string_view a, std::string_view b) {
  return AsciiUpper(a) == AsciiUpper(b);
}

}  // namespace

std::string UrlForm(std::string_view path, bool for_format) {
  std::string out;
  out.reserve(path.size() + 8);
  for (char c : path) {
    if (c == '\\') {
      out += '/';
    } else if (c == ' ') {
      out += for_format ? "%%20" : "%20";
    } else {
      out += c;
    }
  }
  return out;
}

std::string LocalFileUrl(std::string_view path) {
  if (path.find(':') == std::string_view::npos) return UrlForm(path, false);
  std::string out = "file://";
  for (char c : path) out += c == '\\' ? '/' : c;
  return out;
}

std::string FileSafeId(std::string_view id) {
  std::string out;
  out.reserve(id.size());
  for (char c : id) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) continue;
    switch (c) {
      case '-':
      case '.':
      case ' ':
      case ',':
      case '/':
      case ':':
      case '\\':
      case '<':
      case '>':
      case '"':
      case '\'':
      case '|':
      case '?':
      case '*':
      case '#':
      case '%':
      case '&':
        continue;
      default:
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
  return out;
}

std::string PageStem(std::string_view id) {
  std::string safe = FileSafeId(id);
  if (safe.empty()) return "_";
  if (safe.size() <= kMaxPageStem) return safe;
  uint64_t hash = 1469598103934665603ull;  // FNV-1a of the whole file-safe form
  for (char c : safe) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  constexpr size_t kHashDigits = 16;
  size_t keep = kMaxPageStem - kHashDigits - 1;
  // Never cut a UTF-8 character in two.
  while (keep > 0 && (static_cast<unsigned char>(safe[keep]) & 0xC0) == 0x80) --keep;
  safe.resize(keep);
  safe += '_';
  static constexpr char kHex[] = "0123456789abcdef";
  for (int shift = 60; shift >= 0; shift -= 4) safe += kHex[(hash >> shift) & 0xF];
  return safe;
}

std::string PageExtension(std::string_view ext) {
  if (ext.empty() || ext[0] == '.') return std::string(ext);
  return "." + std::string(ext);
}

std::string PageFileName(const PageNameSettings& settings, std::string_view id,
                         PageLetter letter, bool with_folder, std::string_view infix) {
  std::string name;
  if (with_folder) {
    name = settings.dest_folder;
    AddBackslash(&name, true);
  }
  name += settings.file_prefix;
  name += infix;
  name += PageStem(id);
  if (letter == PageLetter::kGroupSheet) name += 'g';
  if (letter == PageLetter::kFootnotes) name += 'f';
  name += PageExtension(settings.file_ext);
  return name;
}

void AddBackslash(std::string* path, bool wanted) {
  if (wanted) {
    if (!path->empty() && path->back() != '\\') *path += '\\';
  } else if (!path->empty() && path->back() == '\\') {
    path->pop_back();
  }
}

bool EnsureFolder(std::string_view path) {
  std::string folder(path);
  AddBackslash(&folder, false);
  if (folder.empty()) return false;
  const std::string native = platform::NativePath(folder);
  if (platform::FolderExists(native)) return true;
  return platform::CreateFolders(native) && platform::FolderExists(native);
}

std::string CombinePath(std::string_view base, std::string_view relative) {
  const SplitPath b = Split(base);
  SplitPath r = Split(relative);
  if (!r.root.empty() || r.HasDrive()) return Join(r.root, r.parts, 0, r.parts.size());
  // "." says nothing; drop it so it does not stop the count of "..".
  std::erase_if(r.parts, [](std::string_view p) { return p == "."; });
  if (r.parts.empty()) return Join(b.root, b.parts, 0, b.parts.size());
  size_t up = 0;
  while (up < r.parts.size() && r.parts[up] == "..") ++up;
  // Never climb above the root (or the drive) of the base folder.
  const size_t keep_min = b.HasDrive() ? 1 : 0;
  size_t keep = b.parts.size() > up ? b.parts.size() - up : 0;
  if (keep < keep_min) keep = std::min(keep_min, b.parts.size());
  std::string out = Join(b.root, b.parts, 0, keep);
  for (size_t i = up; i < r.parts.size(); ++i) {
    out += r.parts[i];
    out += '\\';
  }
  return out;
}

std::string RelativePath(std::string_view from, std::string_view to) {
  const SplitPath f = Split(from);
  const SplitPath t = Split(to);
  const bool same_root = f.root == t.root && f.HasDrive() == t.HasDrive() &&
                         (!f.HasDrive() || SameDrive(f.parts[0], t.parts[0]));
  if (!same_root) return Join(t.root, t.parts, 0, t.parts.size());
  size_t common = f.HasDrive() ? 1 : 0;
  while (common < f.parts.size() && common < t.parts.size() &&
         f.parts[common] == t.parts[common]) {
    ++common;
  }
  std::string out;
  for (size_t i = common; i < f.parts.size(); ++i) out += "..\\";
  out += Join("", t.parts, common, t.parts.size());
  return out;
}

}  // namespace vellix::text
