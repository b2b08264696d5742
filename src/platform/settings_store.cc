#include "platform/settings_store.h"

#include <ini.h>

#include <charconv>
#include <cstdio>

#include "platform/app_paths.h"
#include "platform/file_system.h"

namespace vellix::platform {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x += 32;
    if (y >= 'A' && y <= 'Z') y += 32;
    if (x != y) return false;
  }
  return true;
}

bool NeedsEscape(std::string_view value, size_t i) {
  unsigned char c = static_cast<unsigned char>(value[i]);
  if (c == '%' || c == ';' || c == '#' || c < 0x20) return true;
  if (c == ' ' || c == '\t') return i == 0 || i + 1 == value.size();
  return false;
}

std::string Escape(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (NeedsEscape(value, i)) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%%%02X", static_cast<unsigned char>(value[i]));
      out += buf;
    } else {
      out += value[i];
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Unescape(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '%' && i + 2 < value.size()) {
      int hi = HexDigit(value[i + 1]);
      int lo = HexDigit(value[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += value[i];
  }
  return out;
}

}  // namespace

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {}

SettingsStore SettingsStore::OpenUserSettings() {
  SettingsStore store(ConfigFolder() + "settings.ini");
  store.Load();
  return store;
}

bool SettingsStore::Load() {
  sections_.clear();
  std::string text;
  if (!ReadWholeFile(path_, &text)) return !FileExists(path_);
  auto handler = [](void* user, const char* section, const char* name,
                    const char* value) -> int {
    auto* self = static_cast<SettingsStore*>(user);
    if (name != nullptr) self->SetStringInMemory(section, name, Unescape(value));
    return 1;
  };
  return ini_parse_string(text.c_str(), handler, this) == 0;
}

void SettingsStore::SetStringInMemory(std::string_view section, std::string_view name,
                                      std::string_view value) {
  Section* target = nullptr;
  for (Section& s : sections_) {
    if (EqualsNoCase(s.name, section)) target = &s;
  }
  if (target == nullptr) {
    sections_.push_back(Section{std::string(section), {}});
    target = &sections_.back();
  }
  for (auto& [key, existing] : target->values) {
    if (EqualsNoCase(key, name)) {
      existing = std::string(value);
      return;
    }
  }
  target->values.emplace_back(std::string(name), std::string(value));
}

bool SettingsStore::Save() const {
  std::string text;
  for (const Section& s : sections_) {
    if (!text.empty()) text += '\n';
    text += "[" + s.name + "]\n";
    for (const auto& [key, value] : s.values) {
      text += key + "=" + Escape(value) + "\n";
    }
  }
  return WriteWholeFile(path_, text);
}

const std::string* SettingsStore::Find(std::string_view section,
                                       std::string_view name) const {
  for (const Section& s : sections_) {
    if (!EqualsNoCase(s.name, section)) continue;
    for (const auto& [key, value] : s.values) {
      if (EqualsNoCase(key, name)) return &value;
    }
  }
  return nullptr;
}

bool SettingsStore::Has(std::string_view section, std::string_view name) const {
  return Find(section, name) != nullptr;
}

std::string SettingsStore::GetString(std::string_view section, std::string_view name,
                                     std::string_view fallback) const {
  const std::string* value = Find(section, name);
  return value ? *value : std::string(fallback);
}

int SettingsStore::GetInt(std::string_view section, std::string_view name,
                          int fallback) const {
  const std::string* value = Find(section, name);
  if (value == nullptr) return fallback;
  int result = 0;
  const char* begin = value->data();
  const char* end = begin + value->size();
  while (begin < end && *begin == ' ') ++begin;
  auto [ptr, ec] = std::from_chars(begin, end, result);
  return ec == std::errc() ? result : fallback;
}

void SettingsStore::SetString(std::string_view section, std::string_view name,
                              std::string_view value) {
  SetStringInMemory(section, name, value);
  Save();
}

void SettingsStore::SetInt(std::string_view section, std::string_view name, int value) {
  SetString(section, name, std::to_string(value));
}

void SettingsStore::Remove(std::string_view section, std::string_view name) {
  for (Section& s : sections_) {
    if (!EqualsNoCase(s.name, section)) continue;
    std::erase_if(s.values, [&](const auto& kv) { return EqualsNoCase(kv.first, name); });
  }
  Save();
}

bool DecodeSupportValue(std::string_view value, SupportFlags* flags) {
  if (value.empty()) {
    flags->word = 0;
    return true;
  }
  size_t dash = value.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == value.size()) {
    return false;
  }
  std::string_view dec = value.substr(0, dash);
  std::string_view hex = value.substr(dash + 1);
  uint32_t a = 0, b = 0;
  auto r1 = std::from_chars(dec.data(), dec.data() + dec.size(), a, 10);
  auto r2 = std::from_chars(hex.data(), hex.data() + hex.size(), b, 16);
  if (r1.ec != std::errc() || r1.ptr != dec.data() + dec.size()) return false;
  if (r2.ec != std::errc() || r2.ptr != hex.data() + hex.size()) return false;
  if (a != b) return false;
  flags->word = a;
  return true;
}

SupportFlags ReadSupportFlags(const SettingsStore& store) {
  SupportFlags flags;
  DecodeSupportValue(store.GetString("Options", "Support"), &flags);
  return flags;
}

std::string CurrentOptionSetPath(SettingsStore& store, const std::string& app_folder) {
  std::string path = store.GetString("Options", "File");
  if (path.empty()) {
    path = WithTrailingSlash(app_folder) + "Options.dat";
    store.SetString("Options", "File", path);
  }
  return path;
}

void SetCurrentOptionSetPath(SettingsStore& store, std::string_view path) {
  store.SetString("Options", "File", path);
}

}  // namespace vellix::platform
