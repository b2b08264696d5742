#include "options/option_keys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>
#include <unordered_map>

#include "options/fact_kinds.h"
#include "options/option_catalog.h"
#include "options/option_layout.h"
#include "options/option_values.h"
#include "platform/file_system.h"
#include "text/charset.h"

namespace vellix::options {
namespace {

struct Range {
  std::string_view member;
  int64_t min;
  int64_t max;
};

// Valid values of the numbers; the rest take any int32 (bytes any 0..255).
constexpr Range kRanges[] = {
    {"m_nDateWidth", 0, 80},
    {"m_nIndexPerPage", 1, 10000},
    {"m_nTopSurnames", 1, 100},
    {"m_nLabelWidth", 0, 65535},
    {"m_nBiblioPerPage", 1, 10000},
    {"m_nRepositoryPerPage", 1, 10000},
    {"m_nSurnamePartitions", 1, 100},
    {"m_nSlideSize", 20, 10000},
    {"m_nThumbSize", 20, 10000},
    {"m_nThumbColumns", 1, 1000},
    {"m_nThumbRows", 1, 1000},
    {"m_nIndivPortraitWidth", 20, 10000},
    {"m_nFamilyPortraitSize", 20, 10000},
    {"m_nFontSize", 0, 7},
    {"m_nDividerTop", 0, 2},
    {"m_nDividerBottom", 0, 2},
    {"m_nDividerThick", 0, 2},
    {"m_nDividerThin", 0, 2},
    {"m_nImportPosition", 0, 1},
    {"m_nImportContent", 0, 1},
    {"m_nGroupImagePosition", 0, 1},
    {"m_nSlideOrder", 0, 5},
    {"m_nMonthNames", 0, 4},
    {"m_nFamilyRefs", 0, 3},
    {"m_nSpecialProcessing", 0, 1000},
    {"m_nLivingYear", 0, 9999},
    {"m_nNameFilter", 0, 2},
    {"m_nAltBmdFacts", 0, 2},
    {"m_nAltNames", 0, 2},
    {"m_nResearchNotes", 0, 2},
    {"m_nMarriageNotes", 0, 2},
    {"m_nMedicalNotes", 0, 2},
};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The caption the options dialog gives the setting.
std::string CaptionOf(const std::string& key) {
  const SettingDescription* description = DescribeSetting(key);
  return description == nullptr ? std::string() : description->caption;
}

Setting ScalarSetting(const LayoutItem& item) {
  Setting setting;
  setting.key = std::string(item.name).substr(2);
  setting.caption = CaptionOf(setting.key);
  setting.item = &item;
  switch (item.kind) {
    case ItemKind::kBool:
      setting.type = SettingType::kBool;
      break;
    case ItemKind::kByte:
      setting.type = SettingType::kNumber;
      setting.min = 0;
      setting.max = 255;
      break;
    case ItemKind::kInt32:
      setting.type = SettingType::kNumber;
      setting.min = std::numeric_limits<int32_t>::min();
      setting.max = std::numeric_limits<int32_t>::max();
      break;
    default:
      setting.type = SettingType::kString;
      break;
  }
  for (const Range& range : kRanges) {
    if (range.member == item.name) {
      setting.min = range.min;
      setting.max = range.max;
    }
  }
  return setting;
}

void AddArray(std::vector<Setting>* settings, const char* name, SettingType type,
              int first, int last) {
  for (int index = first; index <= last; ++index) {
    Setting setting;
    setting.key = std::string(name) + "." + std::to_string(index);
    setting.type = type;
    setting.index = index;
    setting.caption = CaptionOf(setting.key);
    if (type == SettingType::kColor) {
      setting.max = 0xFFFFFF;
    } else if (type == SettingType::kFactInclude) {
      setting.max = 2;
    }
    settings->push_back(std::move(setting));
  }
}

std::vector<Setting> BuildSettings() {
  std::vector<Setting> settings;
  for (const LayoutItem& item : FileLayout()) {
    switch (item.kind) {
      case ItemKind::kBool:
      case ItemKind::kByte:
      case ItemKind::kInt32:
      case ItemKind::kString:
        settings.push_back(ScalarSetting(item));
        break;
      case ItemKind::kColors:
        AddArray(&settings, "customColors", SettingType::kColor, 0, 15);
        break;
      case ItemKind::kFactInclude48:
        AddArray(&settings, "factInclude", SettingType::kFactInclude, 0, 47);
        break;
      case ItemKind::kFactLabels48:
        AddArray(&settings, "factLabels", SettingType::kFactLabel, 0, 47);
        break;
      case ItemKind::kFactIncludeN:
        AddArray(&settings, "factInclude", SettingType::kFactInclude, 48, 61);
        break;
      case ItemKind::kFactLabelsN:
        AddArray(&settings, "factLabels", SettingType::kFactLabel, 48, 61);
        break;
      default:
        break;  // version, magic, counts, attribute lists
    }
  }
  return settings;
}

bool ParseNumber(std::string_view text, int64_t* value) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, *value);
  return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool ParseBool(std::string_view text, bool* value) {
  const std::string word = Lower(text);
  if (word == "yes" || word == "1" || word == "true" || word == "on") {
    *value = true;
    return true;
  }
  if (word == "no" || word == "0" || word == "false" || word == "off") {
    *value = false;
    return true;
  }
  return false;
}

// "#rrggbb" as a colour value with red in the lowest byte.
bool ParseHtmlColor(std::string_view text, int64_t* value) {
  if (text.size() != 7 || text[0] != '#') return false;
  uint32_t rgb = 0;
  const auto result = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
  if (result.ec != std::errc() || result.ptr != text.data() + 7) return false;
  *value = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
  return true;
}

// A colour value (red in the lowest byte) as "#rrggbb".
std::string HtmlColor(uint32_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", value & 0xFF, (value >> 8) & 0xFF,
                (value >> 16) & 0xFF);
  return text;
}

}  // namespace

const std::vector<Setting>& AllSettings() {
  static const std::vector<Setting> settings = BuildSettings();
  return settings;
}

const Setting* FindSetting(std::string_view key) {
  std::string wanted = Lower(key);
  if (wanted.rfind("m_", 0) == 0) wanted.erase(0, 2);
  static const std::unordered_map<std::string, const Setting*> by_key = [] {
    std::unordered_map<std::string, const Setting*> map;
    for (const Setting& setting : AllSettings())
      map.emplace(Lower(setting.key), &setting);
    return map;
  }();
  const auto found = by_key.find(wanted);
  return found == by_key.end() ? nullptr : found->second;
}

bool IsPathSetting(const Setting& setting) {
  if (setting.type != SettingType::kString || setting.item == nullptr) return false;
  const auto paths = PathSettings();
  return std::find(paths.begin(), paths.end(), setting.item->s) != paths.end();
}

std::string SettingValue(COptions& options, const Setting& setting) {
  switch (setting.type) {
    case SettingType::kBool:
      return options.*setting.item->b ? "yes" : "no";
    case SettingType::kNumber:
      if (setting.item->kind == ItemKind::kByte) {
        return std::to_string(options.*setting.item->y);
      }
      return std::to_string(options.*setting.item->i);
    case SettingType::kString:
      return IsPathSetting(setting) ? platform::NativePath(options.*setting.item->s)
                                    : options.*setting.item->s;
    case SettingType::kColor:
      return HtmlColor(options.m_customColors[setting.index]);
    case SettingType::kFactInclude:
      return std::to_string(options.m_factInclude[setting.index]);
    case SettingType::kFactLabel:
      return options.GetFactLabel(setting.index);
  }
  return {};
}

bool SetSettingValue(COptions& options, const Setting& setting, std::string_view text,
                     std::string* error) {
  const std::string quoted = "\"" + std::string(text) + "\"";
  switch (setting.type) {
    case SettingType::kBool: {
      bool value = false;
      if (!ParseBool(text, &value)) {
        *error = setting.key + ": " + quoted + " is not yes or no";
        return false;
      }
      options.*setting.item->b = value;
      return true;
    }
    case SettingType::kNumber:
    case SettingType::kColor:
    case SettingType::kFactInclude: {
      int64_t value = 0;
      const bool parsed =
          ParseNumber(text, &value) ||
          (setting.type == SettingType::kColor && ParseHtmlColor(text, &value));
      if (!parsed) {
        *error = setting.key + ": " + quoted + " is not a whole number";
        return false;
      }
      if (value < setting.min || value > setting.max) {
        *error = setting.key + ": " + std::to_string(value) + " is outside " +
                 std::to_string(setting.min) + ".." + std::to_string(setting.max);
        return false;
      }
      if (setting.type == SettingType::kColor) {
        options.m_customColors[setting.index] = static_cast<uint32_t>(value);
      } else if (setting.type == SettingType::kFactInclude) {
        options.m_factInclude[setting.index] = static_cast<uint8_t>(value);
      } else if (setting.item->kind == ItemKind::kByte) {
        options.*setting.item->y = static_cast<uint8_t>(value);
      } else {
        options.*setting.item->i = static_cast<int32_t>(value);
      }
      return true;
    }
    case SettingType::kString:
    case SettingType::kFactLabel:
      if (!charset::IsValidUtf8(text)) {
        *error = setting.key + ": the text is not valid UTF-8";
        return false;
      }
      if (setting.type == SettingType::kString) {
        const ValueRule rule = RuleOf(setting.key);
        const std::string value = rule == ValueRule::kColor ? NormalizedColor(text)
                                  : IsPathSetting(setting)  ? platform::StoredPath(text)
                                                            : std::string(text);
        if (auto problem = ValueProblem(rule, value)) {
          *error = setting.key + ": " + quoted + " " + *problem;
          return false;
        }
        options.*setting.item->s = value;
        return true;
      }
      if (setting.index == 52 || setting.index == 59 || setting.index == 61) {
        const char* source = setting.index == 52   ? "factLabels.8"
                             : setting.index == 61 ? "factLabels.29"
                                                   : "strLblMarried";
        *error =
            setting.key + " always shows the label of " + source + "; set that instead";
        return false;
      }
      if (options.m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
        options.m_factLabels.resize(kFactKindCount);
      }
      options.SetFactLabel(setting.index, std::string(text));
      return true;
  }
  return false;
}

}  // namespace vellix::options
