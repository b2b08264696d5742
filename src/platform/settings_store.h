// The per-user settings (settings.ini): the current option set path, log and
// dialog sort orders, support flags and the history lists.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellix::platform {

/// A small INI file of named sections holding named string values, kept in
/// the order they were first written. Every change is written through at
/// once; a write that fails is not reported (the settings are a convenience,
/// never the user's data). Values are stored with "%XX" escapes for the
/// characters an INI line cannot hold (line ends, ";", "%", edge blanks), so
/// any text survives a round trip.
class SettingsStore {
 public:
  /// A store backed by `path`; nothing is read until Load.
  explicit SettingsStore(std::string path);

  /// The user's store: settings.ini in ConfigFolder(), loaded. The program
  /// (command line or window) opens it once and hands it to the engine in
  /// its run environment.
  static SettingsStore OpenUserSettings();

  /// (Re)reads the file. A missing file gives an empty store and true.
  bool Load();
  /// Writes the whole store to its file.
  bool Save() const;

  const std::string& path() const { return path_; }

  bool Has(std::string_view section, std::string_view name) const;
  std::string GetString(std::string_view section, std::string_view name,
                        std::string_view fallback = {}) const;
  /// The value read as a decimal integer; `fallback` when absent or no number.
  int GetInt(std::string_view section, std::string_view name, int fallback) const;
  void SetString(std::string_view section, std::string_view name, std::string_view value);
  void SetInt(std::string_view section, std::string_view name, int value);
  void Remove(std::string_view section, std::string_view name);

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
  };
  const std::string* Find(std::string_view section, std::string_view name) const;
  void SetStringInMemory(std::string_view section, std::string_view name,
                         std::string_view value);

  std::string path_;
  std::vector<Section> sections_;
};

/// The four diagnostic switches of the "Support" setting. Flag 1 relaxes the
/// GEDCOM first-line and version checks, flag 2 is handed to the reference
/// comparison of the individuals log, flag 4 makes a death line without a
/// date not count as a death in the living test.
struct SupportFlags {
  uint32_t word = 0;  // the whole support word
  /// Flags 1, 2, 4, 8 are bits 4 to 7 of the word.
  bool Has(unsigned flag) const { return ((word >> 4) & 0x0F & flag) != 0; }
};

/// Decodes a "Support" value: a decimal number, "-", and the same number in
/// hexadecimal. Returns false (and leaves `flags` alone) when the two halves
/// disagree or are malformed; an empty value clears the word.
bool DecodeSupportValue(std::string_view value, SupportFlags* flags);

/// The support flags of the application's settings, read on every call.
SupportFlags ReadSupportFlags(const SettingsStore& store);

/// The full path of the current option set ("Options"/"File"). When the
/// value is empty it becomes `app_folder` + "Options.dat" and is written
/// back.
std::string CurrentOptionSetPath(SettingsStore& store, const std::string& app_folder);

/// Records a new current option set path.
void SetCurrentOptionSetPath(SettingsStore& store, std::string_view path);

}  // namespace vellix::platform
