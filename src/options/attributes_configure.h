// Editing the custom attributes of individuals or families against the
// entries of the loaded GEDCOM file: the rules of the Configure window,
// free of any window, so the command line and the desktop program share them.
#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "options/attribute_files.h"
#include "options/attributes.h"
#include "options/options.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vellix::options {

/// One individual or family of the GEDCOM file as the Configure list shows
/// it. `name` is what the list sorts by for individuals (for example
/// "Kowalski, Jan") and the husband's name for families.
struct ConfigureEntry {
  std::string reference;  // the record key, without at-signs
  std::string name;
  std::string wife;   // families only
  std::string alias;  // individuals only; shown when aliases are shown
};

/// The list orders and alias display of the Configure list, from the
/// application settings.
struct ConfigureSortSettings {
  int individuals = 0;   // "SortDlgInd": 0 by name, 1 by reference
  int families = 0;      // "SortDlgFam": 0 by husband, 1 by wife, 2 by reference
  bool aliases = false;  // "Alias": 1 shows aliases
};

/// The settings of `store` (section "Options").
ConfigureSortSettings ReadConfigureSortSettings(const platform::SettingsStore& store);

/// Sorts `entries` as `sort` says for `owner`: by name (families by husband,
/// or by wife, then the other spouse), then by reference; or by reference
/// alone. Texts compare with ASCII letters folded, references as text (I10
/// before I2); the sort is stable.
void SortConfigureEntries(AttributeOwner owner, const ConfigureSortSettings& sort,
                          std::vector<ConfigureEntry>* entries);

/// One editing session of the attributes of one kind. It works on its own
/// copy of the option set's list and folder settings; ApplyTo hands them
/// back (the window's OK), and dropping the object discards them. The option
/// set passed in is only read while constructing.
class AttributesConfigure {
 public:
  /// Copies the list of `owner` and its folders from `options`, sorts
  /// `entries` (the GEDCOM file's individuals or families) and marks every
  /// attribute entry whose reference is among them as matched; the others
  /// are the extra entries.
  AttributesConfigure(AttributeOwner owner, const COptions& options,
                      std::vector<ConfigureEntry> entries, ConfigureSortSettings sort);
  /// As above for entries taken from `gedcom_file` (path) rather than the
  /// option set's input file; its name goes into the title and tool tip.
  AttributesConfigure(AttributeOwner owner, const COptions& options,
                      std::vector<ConfigureEntry> entries, ConfigureSortSettings sort,
                      const std::string& gedcom_file);

  AttributeOwner owner() const { return owner_; }

  /// "Configure Individuals" or "Configure Families", then " in " and the
  /// GEDCOM file's name when the option set names one.
  std::string Title() const;
  /// "Attributes are defined for %d entr%s" and, while there are extra
  /// entries, "including %d entr%s not in this GEDCOM file".
  std::vector<std::string> StatusLines() const;
  /// Attribute entries of references that the GEDCOM file does not hold.
  int extra_count() const { return extra_count_; }
  /// Purging is offered only while there are extra entries.
  bool CanPurge() const { return extra_count_ > 0; }
  /// "Clear attributes for entries not in" and the GEDCOM file's name quoted.
  std::string PurgeToolTip() const;

  /// The list order and alias display in use.
  const ConfigureSortSettings& sort() const { return sort_; }
  /// Orders the entries anew as `sort` says; the edits stay as they are.
  void SetSort(const ConfigureSortSettings& sort);

  /// The GEDCOM file's entries in list order.
  const std::vector<ConfigureEntry>& entries() const { return entries_; }
  /// The entry's display line: its name (for families husband and wife),
  /// with the alias in parentheses when aliases are shown.
  std::string EntryText(const ConfigureEntry& entry) const;
  /// The list being edited.
  const CAttributesList& attributes() const { return list_; }
  const AttributeFolders& folders() const { return folders_; }
  /// The attributes of `reference`, or nullptr when it has none.
  const CAttributes* Find(const std::string& reference);
  /// True when the GEDCOM file holds an entry of `reference`.
  bool InGedcom(const std::string& reference) const;

  /// Sets the attributes of `reference` (m_strReference is taken from the
  /// argument); four empty values remove its entry.
  void Set(const std::string& reference, const CAttributes& values);
  /// Applies the folder rules to the file `chosen` picked for `kind`
  /// (AttributeFileKind of the owner) and stores the resulting value in the
  /// entry of `reference`.
  FileChoice ChooseFile(const std::string& reference, AttributeFileKind kind,
                        const std::string& chosen, platform::Prompter& prompter);
  /// "Clear attributes for the highlighted entry": removes its attributes.
  bool Clear(const std::string& reference);
  /// "Clear attributes for all entries", after the question (No default).
  bool ClearAll(platform::Prompter& prompter);
  /// Removes the extra entries after the question (No default); false when
  /// there are none or the user says No.
  bool Purge(platform::Prompter& prompter);

  /// True when something changed since the session began or was applied.
  bool modified() const { return modified_; }
  /// Leaving: with unsaved changes asks "Do you want to discard your
  /// changes?" (No default) and returns the answer; true when unchanged.
  bool ConfirmDiscard(platform::Prompter& prompter) const;

  /// The position of the next (or prior) GEDCOM entry after (before) `from`
  /// that has attributes; nothing when there is none. Without `from` the
  /// search starts at the list's end (beginning).
  std::optional<size_t> NextWithAttributes(std::optional<size_t> from) const;
  std::optional<size_t> PriorWithAttributes(std::optional<size_t> from) const;

  /// Replaces the option set's list of this kind and its folder settings by
  /// the edited ones.
  void ApplyTo(COptions& options);

 private:
  bool HasAttributes(const std::string& reference) const;
  void Recount();

  AttributeOwner owner_;
  CAttributesList list_;
  AttributeFolders folders_;
  std::string dest_folder_;
  std::string gedcom_name_;
  std::vector<ConfigureEntry> entries_;
  std::unordered_set<std::string> in_gedcom_;        // references of entries_
  std::unordered_set<std::string> with_attributes_;  // references of list_
  ConfigureSortSettings sort_;
  int extra_count_ = 0;
  bool modified_ = false;
};

}  // namespace vellix::options
