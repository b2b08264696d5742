#include "options/option_values.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "options/option_keys.h"

namespace vellix::options {
namespace {

struct KeyRule {
  std::string_view key;
  ValueRule rule;
};

// Every setting that names a file or folder the run writes, and every
// colour. The folders the run only reads (biographies, images, imported
// text, the media source) may lie anywhere.
constexpr KeyRule kRules[] = {
    {"strFilePrefix", ValueRule::kFileNamePart},
    {"strFileExt", ValueRule::kFileNamePart},
    {"strAltSurnameFile", ValueRule::kFileInDestination},
    {"strMediaDestFolder", ValueRule::kFolderInDestination},
    {"strBackColor", ValueRule::kColor},
    {"strTextColor", ValueRule::kColor},
    {"strDividerColor", ValueRule::kColor},
    {"strLinkColor", ValueRule::kColor},
    {"strActiveLinkColor", ValueRule::kColor},
    {"strVisitedLinkColor", ValueRule::kColor},
};

// The sixteen colour names of HTML 4.01, which every browser and style
// sheet knows.
constexpr std::array<std::string_view, 16> kColorNames = {
    "aqua", "black", "blue",   "fuchsia", "gray",   "green", "lime",  "maroon",
    "navy", "olive", "purple", "red",     "silver", "teal",  "white", "yellow"};

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool IsHexColor(std::string_view value) {
  if (value.size() != 7 || value[0] != '#') return false;
  for (char c : value.substr(1)) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

bool IsColorName(std::string_view value) {
  for (std::string_view name : kColorNames) {
    if (EqualsNoCase(name, value)) return true;
  }
  return false;
}

bool HasControlCharacter(std::string_view value) {
  for (char c : value) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

// A stored path climbs out of its folder, or stands on its own: a drive
// colon, a leading separator, a ".." component.
bool LeavesItsFolder(std::string_view path) {
  if (path.empty()) return false;
  if (path[0] == '\\' || path[0] == '/' || path.find(':') != std::string_view::npos) {
    return true;
  }
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = path.size();
    if (path.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

const char kControl[] = "holds a control character";

}  // namespace

ValueRule RuleOf(std::string_view key) {
  for (const KeyRule& entry : kRules) {
    if (EqualsNoCase(entry.key, key)) return entry.rule;
  }
  return ValueRule::kAnyText;
}

std::optional<std::string> ValueProblem(ValueRule rule, std::string_view value) {
  switch (rule) {
    case ValueRule::kAnyText:
      return std::nullopt;
    case ValueRule::kFileNamePart:
      if (HasControlCharacter(value)) return kControl;
      if (value.find_first_of("\\/:") != std::string_view::npos) {
        return "is not part of a file name: it holds a folder separator or a drive "
               "colon, and pages must stay in the destination folder";
      }
      return std::nullopt;
    case ValueRule::kFileInDestination:
    case ValueRule::kFolderInDestination:
      if (HasControlCharacter(value)) return kControl;
      if (LeavesItsFolder(value)) {
        return std::string("leaves the destination folder: give a ") +
               (rule == ValueRule::kFileInDestination ? "file" : "folder") +
               " name inside it, without a drive, a leading separator or \"..\"";
      }
      return std::nullopt;
    case ValueRule::kColor:
      if (value.empty() || IsHexColor(value) || IsColorName(value)) return std::nullopt;
      return "is not a colour: give #rrggbb, a colour number from 0 to 16777215 or an "
             "HTML colour name such as navy";
  }
  return std::nullopt;
}

std::string NormalizedColor(std::string_view value) {
  uint32_t number = 0;
  const auto [end, error] =
      std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
      number > 0xFFFFFF) {
    return std::string(value);
  }
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", number & 0xFF, (number >> 8) & 0xFF,
                (number >> 16) & 0xFF);
  return text;
}

std::optional<UnsafeSetting> FindUnsafeSetting(const COptions& options) {
  for (const KeyRule& entry : kRules) {
    if (entry.key == "strAltSurnameFile" && !options.m_bAltSurnameFile) continue;
    const Setting* setting = FindSetting(entry.key);
    if (setting == nullptr || setting->item == nullptr) continue;
    const std::string& value = options.*setting->item->s;
    if (auto problem = ValueProblem(entry.rule, value)) {
      return UnsafeSetting{setting->key, setting->caption, value, *problem};
    }
  }
  return std::nullopt;
}

}  // namespace vellix::options
