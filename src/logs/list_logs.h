// The two list log pages: "vx-individual.html" (the individuals that got
// pages, with their family pages, biography links and images) and
// "vx-family.html" (the family pages with narratives, imported text and
// images).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/image_size.h"
#include "run/run_environment.h"

namespace vellix {

class COptions;
class LogPage;
class RunLogEntries;
namespace platform {
class SettingsStore;
}

/// How the list pages are sorted.
struct LogSortSettings {
  /// "SortLogInd": 0 keeps the collected order (the writers collect in name
  /// order), any other value sorts by reference.
  int individuals = 0;
  /// "SortLogFam": 0 by husband, 1 by wife (the wife's name then comes
  /// first), 2 by reference.
  int families = 0;
  /// Support flag 2: references compare by their number instead of as text.
  bool numeric_refs = false;
};

/// The sort settings of `store` (section "Options") and its support flags.
LogSortSettings ReadLogSortSettings(const platform::SettingsStore& store);

/// Orders two references; negative, 0 or positive. As text (the default):
/// byte by byte with ASCII letters folded to lower case, so I10 comes before
/// I2, as record keys sort everywhere else. Numeric (support flag 2): by the
/// value of the first run of digits (I2 before I10; a reference without
/// digits after every one with), then as text.
int CompareRefs(std::string_view a, std::string_view b, bool numeric);

using platform::ImageSize;
using platform::ReadImageSize;

/// Reads the pixel size of the image file at a native path; nothing when it
/// cannot be read.
using ImageSizeReader = std::function<std::optional<ImageSize>(const std::string& path)>;

/// Widest image the families table shows at its own size; wider ones and
/// those whose size is unknown are shown this wide with an enlarge link.
inline constexpr int kFamilyImageWidth = 125;
/// Size assumed for the enlarge window of an image whose size is unknown.
inline constexpr ImageSize kUnknownImageSize{600, 450};

/// What the list pages are written from.
struct ListLogInputs {
  const COptions& options;
  const RunLogEntries& entries;
  LogSortSettings sort;
  ImageSizeReader image_size = ReadImageSize;
};

/// Writes the individuals page with `page` (opening and closing it; links
/// relative to page.folder()). False when the page could not be written.
bool WriteIndividualList(LogPage& page, const ListLogInputs& inputs,
                         int64_t start_seconds);
/// Writes the families page the same way.
bool WriteFamilyList(LogPage& page, const ListLogInputs& inputs, int64_t start_seconds);

/// The run's two list pages in the environment's application folder, sorted
/// as its settings say ("SortLogInd", "SortLogFam", support flag 2).
bool WriteIndividualList(RunEnvironment& env, const COptions& options,
                         const RunLogEntries& entries, int64_t start_seconds);
bool WriteFamilyList(RunEnvironment& env, const COptions& options,
                     const RunLogEntries& entries, int64_t start_seconds);

}  // namespace vellix
