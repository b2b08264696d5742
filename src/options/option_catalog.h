// What the options dialog calls each setting: its tab, its group and its
// caption, and what the numbers of a numbered choice mean. Shared by the
// command line (`vellix options list`, the exported text) and the window.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellix::options {

/// The separator between the parts of a caption path: " › ".
inline constexpr std::string_view kPathSeparator = " \xE2\x80\xBA ";

/// One value of a numbered choice and what it means ("Exclude").
struct ChoiceMeaning {
  int64_t value;
  std::string_view text;
};

/// Where a setting lives in the options dialog and what it is called there.
struct SettingDescription {
  std::string key;      // as AllSettings names it: "bExcludeLiving", "factInclude.49"
  std::string tab;      // "Features"
  std::string path;     // tab and groups: "Features › Privacy Filters"
  std::string caption;  // "Exclude living individuals"
  /// The meanings of a numbered choice (for a switch with two named
  /// alternatives, of 0 and 1); empty when the value speaks for itself.
  std::span<const ChoiceMeaning> choices;

  /// path › caption: "Features › Privacy Filters › Exclude living individuals".
  std::string FullCaption() const;
};

/// Every setting, in the order of the dialog (tab by tab, group by group);
/// one entry per key of AllSettings.
const std::vector<SettingDescription>& SettingCatalog();

/// The description of the setting with `key` ("bExcludeLiving",
/// "factInclude.49", "customColors.3"; letter case matters), or nullptr.
const SettingDescription* DescribeSetting(std::string_view key);

/// The meaning of `value` among the setting's choices; empty when it has
/// none or `value` is not one of them.
std::string_view ChoiceText(const SettingDescription& description, int64_t value);

/// The choices as one text: "0 = Exclude, 1 = Line, 2 = Image", or with
/// `switch_words` "no = Use this width, yes = Use width of longest label".
std::string ChoicesText(const SettingDescription& description, bool switch_words);

}  // namespace vellix::options
