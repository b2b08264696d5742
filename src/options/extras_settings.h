// The opt-in extras of a site (search, phones, search engines, maps): kept
// in a small INI text beside the option set file, whose layout is fixed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_access.h"

namespace vellix::options {

/// The extras of an option set. Every extra is off by default, and a site
/// made with every extra off is exactly the site made without them.
struct ExtrasSettings {
  bool search = false;  // search page, search data and search boxes
  bool phones = false;  // viewport tag and narrow-screen rules
  bool maps = false;    // map links beside places with coordinates
  /// The address the site is published at ("https://example.org/tree/");
  /// when set, the run writes sitemap.xml and robots.txt and pages get a
  /// canonical link. Empty: none of these.
  std::string base_url;

  bool operator==(const ExtrasSettings&) const = default;
  bool search_engines() const { return !base_url.empty(); }
  /// `base_url` ending in exactly one "/" ("" when empty).
  std::string BaseWithSlash() const;
};

/// One extras key as `vellix options` shows it.
struct ExtrasKey {
  std::string_view key;      // "extras.search"
  std::string_view caption;  // what it switches on
};

/// The extras keys, in the order they are listed.
const std::vector<ExtrasKey>& AllExtrasKeys();
/// True for a key with the "extras." prefix (known or not).
bool IsExtrasKey(std::string_view key);
/// The value of `key` as the options commands show it (yes/no or the
/// text); nothing for an unknown key.
std::optional<std::string> ExtrasValue(const ExtrasSettings& extras,
                                       std::string_view key);
/// Sets `key` from `value`; false with `error` set for an unknown key or a
/// value that does not fit (switches take yes/no, 1/0, true/false, on/off;
/// the base address must be an http:// or https:// address without blanks,
/// quotes or angle brackets, or empty).
bool SetExtrasValue(ExtrasSettings* extras, std::string_view key, std::string_view value,
                    std::string* error);

/// "Options.extras.ini" for "Options.dat": the extras file beside an option
/// set file (the extension replaced, or added when there is none).
std::string ExtrasPathFor(const std::string& options_path);
/// The INI text of `extras`.
std::string ExtrasToIni(const ExtrasSettings& extras);
/// The extras read from INI text; keys it does not know and values that do
/// not fit are left at their defaults.
ExtrasSettings ExtrasFromIni(std::string_view text);

/// Reads the extras file beside `options_path` (all off when it is missing
/// or unreadable).
ExtrasSettings LoadExtras(platform::FileAccess& files, const std::string& options_path);
/// Writes the extras file beside `options_path` through a temporary file.
/// With every extra off and no file there, nothing is written (an option
/// set without extras gets no extra file). False when the write failed.
bool SaveExtras(platform::FileAccess& files, const std::string& options_path,
                const ExtrasSettings& extras);

}  // namespace vellix::options
