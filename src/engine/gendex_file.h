// The GENDEX index file of a run: one line per indexed individual, for the
// genealogy search sites that read the published GENDEX layout.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/individuals.h"
#include "run/run_environment.h"
#include "run/run_statistics.h"

namespace vellix {

/// Writes "GENDEX.txt" into the destination folder: each entry as
/// "page|surname|given /surname/ suffix|birth date|birth place|death
/// date|death place|" and CR LF, converted to Windows-1252 ("?" for what
/// does not fit), fields never quoted or escaped. Open replaces the file;
/// when it cannot be created warning 5 is raised with "GENDEX.txt" and
/// nothing is written. Close counts the file in `statistics` (group
/// kOther). Owns its file from Open to Close (or destruction); writes it
/// through the environment's file access.
class GendexFile : public GendexSink {
 public:
  /// `destFolder` in stored form (backslashes), as the option set holds it;
  /// `env` and `statistics` must outlive the file.
  GendexFile(RunEnvironment& env, std::string destFolder, RunStatistics& statistics);
  ~GendexFile() override;
  GendexFile(const GendexFile&) = delete;
  GendexFile& operator=(const GendexFile&) = delete;

  bool Open() override;
  void Write(const GendexEntry& entry) override;
  void Close() override;

  /// The line of `entry` in UTF-8, CR LF included.
  static std::string FormatLine(const GendexEntry& entry);

  /// Full native path of the file.
  std::string path() const;
  /// Bytes written by the last Open..Close.
  uint64_t bytes() const { return bytes_; }

 private:
  void Flush();

  RunEnvironment& env_;
  std::string dest_folder_;
  RunStatistics& statistics_;
  std::unique_ptr<platform::OutputFile> file_;
  std::string buffer_;
  uint64_t bytes_ = 0;
};

/// The file's name in the destination folder.
inline constexpr const char* kGendexFileName = "GENDEX.txt";

}  // namespace vellix
