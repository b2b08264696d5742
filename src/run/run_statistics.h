// The counters of one generation run, read by the summary log page.
#pragma once

#include <array>
#include <cstdint>

namespace vellix {

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
/// what was selected and indexed, sources and repositories written, and the
/// number and size of the files written per group. Every page and file
/// writer counts what it wrote through CountFile.
struct RunStatistics {
  int32_t familyRecords = 0;        // family records in the GEDCOM file
  int32_t individualRecords = 0;    // individual records in the GEDCOM file
  int32_t familiesSelected = 0;     // families (and loners) that get pages
  int32_t indexEntries = 0;         // individuals counted by the name index
  int32_t sourcesWritten = 0;       // bibliography entries written
  int32_t repositoriesWritten = 0;  // repository entries written
  std::array<uint32_t, kFileGroupCount> filesWritten{};
  std::array<uint32_t, kFileGroupCount> bytesWritten{};
  uint32_t mediaProcessed = 0;  // multimedia items made or copied this run
  uint32_t mediaProcessedBytes = 0;
  uint32_t mediaTotal = 0;  // multimedia items of the site in all
  uint32_t mediaTotalBytes = 0;

  void Clear() { *this = RunStatistics(); }

  /// One more file of `group`, `bytes` long. Sizes add up modulo 2^32, as
  /// the summary's 32-bit figures do.
  void CountFile(FileGroup group, uint64_t bytes) {
    auto i = static_cast<size_t>(group);
    filesWritten[i] += 1;
    bytesWritten[i] += static_cast<uint32_t>(bytes);
  }
};

}  // namespace vellix
