// The history lists of recently chosen files and folders, kept in the
// "History" section of the settings store.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_store.h"

namespace vellix::platform {

/// The thirteen lists, one per kind of path field (several fields may share
/// one list: the four divider images share kBar, the two image folders kImg).
enum class HistoryList {
  kIn,   // GEDCOM input file
  kOut,  // destination folder
  kSet,  // option set file
  kBkg,  // background image
  kCss,  // external style sheet
  kHm,   // home page file
  kImg,  // individual and group image folders
  kBio,  // biography folder
  kBar,  // divider images
  kNar,  // narrative folder
  kImp,  // import folder
  kMed,  // multimedia destination folder
  kMRt,  // multimedia source folder
};

inline constexpr int kHistoryListCount = 13;
inline constexpr int kDefaultHistoryMaximum = 9;
inline constexpr int kMaxHistoryMaximum = 25;

/// The settings name of a list ("In", "Out", "Set", "Bkg", "CSS", "Hm",
/// "Img", "Bio", "Bar", "Nar", "Imp", "Med", "MRt").
std::string_view HistoryListName(HistoryList list);

/// Every list, in the order above.
const std::vector<HistoryList>& AllHistoryLists();

/// Reads and writes the history lists of a settings store. A list is stored
/// as its count under the list's name and its items, most recent first,
/// under the name followed by 1, 2, ...; "Maximum" (0 to 25, default 9)
/// bounds how many items each list keeps. The store must outlive this
/// object; every change is written through at once.
class HistoryLists {
 public:
  explicit HistoryLists(SettingsStore& store) : store_(store) {}

  /// Items kept per list, clamped to 0..25.
  int Maximum() const;
  /// Writes "Maximum" (clamped to 0..25) and shortens every list whose
  /// stored count is above it, deleting the values numbered above it.
  void SetMaximum(int maximum);

  /// The items of `list`, most recent first: at most Maximum() of them,
  /// empty values skipped.
  std::vector<std::string> Items(HistoryList list) const;
  /// Puts `value` at the top of `list`, removing an equal older entry and
  /// whatever falls below Maximum(). A value of only blanks is ignored.
  void Remember(HistoryList list, std::string_view value);
  /// Empties every list: counts become 0 and every item value is deleted.
  void ClearAll();

 private:
  int StoredCount(HistoryList list) const;
  void Write(HistoryList list, const std::vector<std::string>& items);

  SettingsStore& store_;
};

}  // namespace vellix::platform
