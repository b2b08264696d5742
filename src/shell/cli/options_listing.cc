#include "shell/cli/options_listing.h"

#include <algorithm>
#include <cstdio>

#include "options/extras_settings.h"
#include "options/option_catalog.h"
#include "options/option_ini.h"
#include "options/option_keys.h"
#include "options/options.h"
#include "shell/cli/json_text.h"

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

// Calls `visit` for each extras key the scope selects: key, caption, value,
// default value and whether it is a switch.
template <typename Visit>
void ForEachExtra(const COptions& options, ListingScope scope, Visit visit) {
  const options::ExtrasSettings defaults;
  for (const options::ExtrasKey& key : options::AllExtrasKeys()) {
    const std::string value = *options::ExtrasValue(options.extras, key.key);
    const std::string default_value = *options::ExtrasValue(defaults, key.key);
    if (scope == ListingScope::kChanged && value == default_value) continue;
    visit(key, value, default_value, key.key != "extras.base-url");
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
  ForEachExtra(options, scope,
               [&](const options::ExtrasKey& key, const std::string& value,
                   const std::string& default_value, bool is_switch) {
                 if (path != "Extras") {
                   if (!path.empty()) out += '\n';
                   path = "Extras";
                   out += "# " + path + "\n";
                 }
                 std::string line = std::string(key.key) + " = " +
                                    (is_switch ? value : options::QuotedText(value));
                 line.resize(std::max(line.size() + 1, kCommentColumn), ' ');
                 line += "# " + std::string(key.caption);
                 if (scope == ListingScope::kChanged) {
                   line += "; default " +
                           (is_switch ? default_value : options::QuotedText(default_value));
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
  ForEachExtra(options, scope,
               [&](const options::ExtrasKey& key, const std::string& value,
                   const std::string& default_value, bool is_switch) {
                 auto json = [&](const std::string& v) {
                   return is_switch ? std::string(v == "yes" ? "true" : "false")
                                    : JsonString(v);
                 };
                 out += first ? "\n" : ",\n";
                 first = false;
                 out += "{\"key\": " + JsonString(std::string(key.key)) +
                        ", \"tab\": \"Extras\", \"path\": \"Extras\", \"caption\": " +
                        JsonString(std::string(key.caption)) + ", \"type\": \"" +
                        (is_switch ? "switch" : "text") + "\", \"value\": " + json(value) +
                        ", \"default\": " + json(default_value) + "}";
               });
  return out + "\n]\n";
}

}  // namespace vellix::cli
