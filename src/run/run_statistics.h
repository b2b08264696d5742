// The counters of one generation run, read by the summary log page.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vellix {

/// What the user is told, on the terminal and in the summary log, when a
/// run publishes the details of `count` (at least 1) living individuals:
/// "12 living individuals are published with their details; see Features ›
/// Privacy Filters".
inline std::string LivingPublishedNotice(int32_t count) {
  return std::to_string(count) +
         (count == 1 ? " living individual is" : " living individuals are") +
         " published with their details; see Features \u203a Privacy Filters";
}

/// The groups of files a run writes, as the summary log counts them.
enum class FileGroup {
  kSurname = 0,
  kIndex,
  kBibliography,
  kRepository,
  kFamily,
  kGallery,
  kSlide,
  kOther,
};
inline constexpr int kFileGroupCount = 8;

/// Counters cleared at the start of every run: record counts of the file,
/// what was selected and indexed, sources and repositories written, the
/// number and size of the files written per group, and the files of the
/// site (for its manifest). Every page and file writer counts what it wrote
/// through CountFile and names it through RecordSiteFile.
struct RunStatistics {
  int32_t familyRecords = 0;        // family records in the GEDCOM file
  int32_t individualRecords = 0;    // individual records in the GEDCOM file
  int32_t familiesSelected = 0;     // families (and loners) that get pages
  int32_t lonersSelected = 0;       // loners: individuals outside every family
  int32_t familiesWritten = 0;      // families (and loners) whose pages were written
  int32_t lonersWritten = 0;        // loners whose pages were written
  int32_t indexEntries = 0;         // individuals counted by the name index
  int32_t sourcesWritten = 0;       // bibliography entries written
  int32_t repositoriesWritten = 0;  // repository entries written
  std::array<uint32_t, kFileGroupCount> filesWritten{};
  std::array<uint32_t, kFileGroupCount> bytesWritten{};
  /// Of the files counted in filesWritten, those that already held the same
  /// bytes and were left untouched.
  uint32_t filesUnchanged = 0;
  uint32_t mediaProcessed = 0;  // multimedia items made or copied this run
  uint32_t mediaProcessedBytes = 0;
  uint32_t mediaTotal = 0;  // multimedia items of the site in all
  uint32_t mediaTotalBytes = 0;
  /// Living individuals whose details the site shows (living people are
  /// included and "Exclude notes & facts" is off).
  int32_t livingPublished = 0;
  /// Files an earlier run wrote into the destination folder that this run
  /// did not write: removed, or kept when the run was asked to keep them.
  int32_t staleFilesRemoved = 0;
  int32_t staleFilesKept = 0;
  /// The files this run put into the destination folder (written, or found
  /// in place and kept, as the index icons are), as native paths.
  std::vector<std::string> siteFiles;

  void Clear() { *this = RunStatistics(); }

  void RecordSiteFile(std::string path) { siteFiles.push_back(std::move(path)); }

  /// One more file of `group`, `bytes` long. Sizes add up modulo 2^32, as
  /// the summary's 32-bit figures do.
  void CountFile(FileGroup group, uint64_t bytes) {
    auto i = static_cast<size_t>(group);
    filesWritten[i] += 1;
    bytesWritten[i] += static_cast<uint32_t>(bytes);
  }
};

}  // namespace vellix
