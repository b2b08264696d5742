#include "options/extras_settings.h"

#include <ini.h>

#include <algorithm>

#include "platform/file_system.h"
#include "text/string_ops.h"

namespace vellix::options {
namespace {

constexpr std::string_view kPrefix = "extras.";
constexpr std::string_view kSection = "extras";

std::optional<bool> ParseSwitch(std::string_view value) {
  static constexpr std::string_view kOn[] = {"yes", "1", "true", "on"};
  static constexpr std::string_view kOff[] = {"no", "0", "false", "off"};
  for (std::string_view word : kOn) {
    if (text::EqualsNoCase(value, word)) return true;
  }
  for (std::string_view word : kOff) {
    if (text::EqualsNoCase(value, word)) return false;
  }
  return std::nullopt;
}

bool* SwitchOf(ExtrasSettings* extras, std::string_view name) {
  if (name == "search") return &extras->search;
  if (name == "phones") return &extras->phones;
  if (name == "maps") return &extras->maps;
  return nullptr;
}

// An address a sitemap and a canonical link may carry as it stands.
bool IsUsableBaseUrl(std::string_view url) {
  const bool scheme = url.starts_with("http://") || url.starts_with("https://");
  if (!scheme) return false;
  const size_t host = url.find("//") + 2;
  if (host >= url.size() || url[host] == '/') return false;
  return std::none_of(url.begin(), url.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= ' ' || u == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' ||
           c == '\\' || c == '`';
  });
}

int OnIniValue(void* user, const char* section, const char* name, const char* value) {
  auto* extras = static_cast<ExtrasSettings*>(user);
  if (!text::EqualsNoCase(section, kSection)) return 1;
  std::string key = std::string(kPrefix) + name;
  std::string error;
  ExtrasSettings changed = *extras;
  if (SetExtrasValue(&changed, key, value, &error)) *extras = changed;
  return 1;  // a wrong line never stops the rest from being read
}

}  // namespace

std::string ExtrasSettings::BaseWithSlash() const {
  if (base_url.empty()) return {};
  std::string base = base_url;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + "/";
}

const std::vector<ExtrasKey>& AllExtrasKeys() {
  static const std::vector<ExtrasKey> keys = {
      {"extras.search", "Search page and search boxes"},
      {"extras.phones", "Pages readable on phones"},
      {"extras.maps", "Map links beside places with coordinates"},
      {"extras.base-url",
       "Address of the published site (sitemap.xml, robots.txt, canonical links)"},
  };
  return keys;
}

bool IsExtrasKey(std::string_view key) { return key.starts_with(kPrefix); }

std::optional<std::string> ExtrasValue(const ExtrasSettings& extras,
                                       std::string_view key) {
  if (!IsExtrasKey(key)) return std::nullopt;
  std::string_view name = key.substr(kPrefix.size());
  if (name == "base-url") return extras.base_url;
  ExtrasSettings copy = extras;
  if (bool* flag = SwitchOf(&copy, name)) return std::string(*flag ? "yes" : "no");
  return std::nullopt;
}

bool SetExtrasValue(ExtrasSettings* extras, std::string_view key, std::string_view value,
                    std::string* error) {
  std::string_view name = IsExtrasKey(key) ? key.substr(kPrefix.size()) : "";
  if (name == "base-url") {
    if (!value.empty() && !IsUsableBaseUrl(value)) {
      *error =
          "extras.base-url takes an http:// or https:// address without blanks or "
          "quotes, or nothing";
      return false;
    }
    extras->base_url = std::string(value);
    return true;
  }
  bool* flag = SwitchOf(extras, name);
  if (flag == nullptr) {
    *error = "unknown setting '" + std::string(key) + "'";
    return false;
  }
  std::optional<bool> on = ParseSwitch(value);
  if (!on) {
    *error = std::string(key) + " takes yes or no";
    return false;
  }
  *flag = *on;
  return true;
}

std::string ExtrasPathFor(const std::string& options_path) {
  const size_t slash = options_path.find_last_of("/\\");
  const size_t dot = options_path.rfind('.');
  const bool has_extension =
      dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  return (has_extension ? options_path.substr(0, dot) : options_path) + ".extras.ini";
}

std::string ExtrasToIni(const ExtrasSettings& extras) {
  std::string out =
      "; Extras of the option set beside this file (vellix options get/set extras.*)\n"
      "[extras]\n";
  for (const ExtrasKey& key : AllExtrasKeys()) {
    out += std::string(key.key.substr(kPrefix.size())) + " = " +
           *ExtrasValue(extras, key.key) + "\n";
  }
  return out;
}

ExtrasSettings ExtrasFromIni(std::string_view text) {
  ExtrasSettings extras;
  const std::string copy(text);
  ini_parse_string(copy.c_str(), OnIniValue, &extras);
  return extras;
}

ExtrasSettings LoadExtras(platform::FileAccess& files, const std::string& options_path) {
  const std::string path = platform::NativePath(ExtrasPathFor(options_path));
  std::string data;
  if (!files.FileExists(path) || !files.ReadWholeFile(path, &data)) return {};
  return ExtrasFromIni(data);
}

bool SaveExtras(platform::FileAccess& files, const std::string& options_path,
                const ExtrasSettings& extras) {
  const std::string path = platform::NativePath(ExtrasPathFor(options_path));
  if (extras == ExtrasSettings{} && !files.FileExists(path)) return true;
  return files.ReplaceFile(path, ExtrasToIni(extras));
}

}  // namespace vellix::options
