#include "shell/cli/options_listing.h"

#include <algorithm>
#include <cstdio>

#include "options/option_catalog.h"
#include "options/option_ini.h"
#include "options/option_keys.h"
#include "options/options.h"

namespace vellix::cli {
namespace {

using options::Setting;
using options::SettingDescription;
using options::SettingType;

constexpr size_t kCommentColumn = 40;

bool IsText(const Setting& setting) {
  return setting.type == SettingType::kString || setting.type == SettingType::kFactLabel;
}

std::string Shown(const Setting& setting, const std::string& value) {
  return IsText(setting) ? options::QuotedText(value) : value;
}

// Calls `visit` for each setting the scope selects, in the dialog's order.
template <typename Visit>
void ForEachListed(COptions& options, ListingScope scope, Visit visit) {
  COptions defaults;
  for (const SettingDescription& d : options::SettingCatalog()) {
    const Setting* setting = options::FindSetting(d.key);
    if (setting == nullptr) continue;
    const std::string value = options::SettingValue(options, *setting);
    const std::string default_value = options::SettingValue(defaults, *setting);
    if (scope == ListingScope::kChanged && value == default_value) continue;
    visit(d, *setting, value, default_value);
  }
}

// `text` as a JSON string. Bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      // The length of a valid sequence starting here, or 0.
      size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
      if (length > 0 && c > 0xF4) length = 0;
      for (size_t k = 1; length > 0 && k < length; ++k) {
        if (i + k >= text.size() ||
            (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
          length = 0;
        }
      }
      if (length == 0) {
        out += "\xEF\xBF\xBD";
      } else {
        out.append(text.substr(i, length));
        i += length - 1;
      }
    }
  }
  return out + "\"";
}

std::string JsonValue(const Setting& setting, const std::string& value) {
  switch (setting.type) {
    case SettingType::kBool:
      return value == "yes" ? "true" : "false";
    case SettingType::kNumber:
    case SettingType::kFactInclude:
      return value;
    default:
      return JsonString(value);
  }
}

const char* TypeName(const Setting& setting) {
  switch (setting.type) {
    case SettingType::kBool:
      return "switch";
    case SettingType::kNumber:
    case SettingType::kFactInclude:
      return "number";
    case SettingType::kColor:
      return "color";
    default:
      return "text";
  }
}

}  // namespace

std::string ListingText(COptions& options, ListingScope scope) {
  std::string out;
  std::string path;
  ForEachListed(options, scope,
                [&](const SettingDescription& d, const Setting& setting,
                    const std::string& value, const std::string& default_value) {
                  if (d.path != path) {
                    if (!path.empty()) out += '\n';
                    path = d.path;
                    out += "# " + path + "\n";
                  }
                  std::string line = setting.key + " = " + Shown(setting, value);
                  line.resize(std::max(line.size() + 1, kCommentColumn), ' ');
                  line += "# " + d.caption;
                  if (!d.choices.empty()) {
                    line += " (" +
                            options::ChoicesText(d, setting.type == SettingType::kBool) +
                            ")";
                  }
                  if (scope == ListingScope::kChanged) {
                    line += "; default " + Shown(setting, default_value);
                  }
                  out += line + "\n";
                });
  return out;
}

std::string ListingJson(COptions& options, ListingScope scope) {
  std::string out = "[";
  bool first = true;
  ForEachListed(
      options, scope,
      [&](const SettingDescription& d, const Setting& setting, const std::string& value,
          const std::string& default_value) {
        out += first ? "\n" : ",\n";
        first = false;
        out += "{\"key\": " + JsonString(setting.key) +
               ", \"tab\": " + JsonString(d.tab) + ", \"path\": " + JsonString(d.path) +
               ", \"caption\": " + JsonString(d.caption) + ", \"type\": \"" +
               TypeName(setting) + "\", \"value\": " + JsonValue(setting, value) +
               ", \"default\": " + JsonValue(setting, default_value);
        if (!d.choices.empty()) {
          out += ", \"choices\": {";
          for (size_t i = 0; i < d.choices.size(); ++i) {
            if (i > 0) out += ", ";
            const int64_t v = d.choices[i].value;
            const std::string name = setting.type == SettingType::kBool
                                         ? (v != 0 ? "yes" : "no")
                                         : std::to_string(v);
            out += JsonString(name) + ": " + JsonString(d.choices[i].text);
          }
          out += "}";
        }
        out += "}";
      });
  return out + "\n]\n";
}

}  // namespace vellix::cli
