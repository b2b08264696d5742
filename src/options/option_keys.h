// Every setting of the option set under a stable readable key, with its
// caption and its value as text; what `vellix options list/get/set` uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "options/option_layout.h"
#include "options/options.h"

namespace vellix::options {

enum class SettingType {
  kBool,         // "yes" / "no"
  kNumber,       // int32 or byte, within [min, max]
  kString,       // UTF-8 text
  kColor,        // one of the 16 custom colours: "#rrggbb" or a number
  kFactInclude,  // display choice of one fact kind, 0..2
  kFactLabel,    // label of one fact kind
};

/// One setting. Keys are the member name without "m_" ("strDestFolder",
/// "bCitations", "nDateWidth"); array entries add their index
/// ("customColors.0", "factInclude.49", "factLabels.8").
struct Setting {
  std::string key;
  std::string caption;  // as the options dialog shows it (see option_catalog.h)
  SettingType type;
  const LayoutItem* item = nullptr;  // scalar members
  int index = -1;                    // array entries
  int64_t min = 0;
  int64_t max = 0;
};

/// Every setting, in file order (the bookkeeping members and the attribute
/// lists excluded).
const std::vector<Setting>& AllSettings();

/// The setting named `key` (letter case ignored; the full member name such
/// as "m_strDestFolder" is accepted too), or nullptr.
const Setting* FindSetting(std::string_view key);

/// True for the settings that hold a file or folder path. The option set
/// keeps them in its stored form (backslashes); as text they read natively.
bool IsPathSetting(const Setting& setting);

/// The setting's value as text: switches "yes"/"no", numbers in decimal,
/// custom colours as "#rrggbb", paths in the native form ("/home/a/b.ged"
/// for the stored "\home\a\b.ged"), other texts as they stand, fact
/// labels as the pages show them. SetSettingValue takes paths in either
/// form and stores them in the stored form.
std::string SettingValue(COptions& options, const Setting& setting);

/// Sets the value from `text` after checking its type and range. False, with
/// the reason in `error`, when the text does not fit; nothing changes then.
bool SetSettingValue(COptions& options, const Setting& setting, std::string_view text,
                     std::string* error);

}  // namespace vellix::options
