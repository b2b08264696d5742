// The run's numbered warnings: collected while generating, read back by the
// summary log page, category by category under HTML headings.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "run/warning_code.h"

namespace vellix {

/// Collects the warnings of one generation run (codes 0 to 26) into
/// "warnings.txt" in the application folder, with a running total and a
/// count per category, and hands them back through ReadNext. Each run
/// environment owns one; the run resets it at its start and end. Codes 12/13 are reported
/// once per tag, code 22 once per reference and file, codes 18/19 batch the families
/// without a reference tag (the whole batch counts as one warning, however it is
/// reported).
class WarningLog {
 public:
  /// Turns a family or individual reference into the address of its page,
  /// relative to the application folder. Installed by the generation run
  /// (page file names belong to the text subsystem).
  using LinkResolver = std::function<std::string(const std::string& ref)>;

  /// A log that keeps its lines in the file at `path` (warnings.txt in the
  /// application folder) and asks the low-disk-space question through
  /// `prompter`, which must outlive the log. With an empty `path` the log
  /// only counts (for commands that read a file without generating).
  WarningLog(platform::Prompter& prompter, std::string path);
  ~WarningLog();
  WarningLog(const WarningLog&) = delete;
  WarningLog& operator=(const WarningLog&) = delete;

  /// Starts a new run: total and counts to 0, file closed, reported sets
  /// emptied, reading rewound.
  void Reset();
  /// The destination folder of the current run; links in warnings point into it.
  void SetDestFolder(const std::string& folder);
  void SetLinkResolver(LinkResolver resolver);

  /// Records one warning. `text`, `ref`, `record_name` (the display name of
  /// the record concerned) and `extra` are used as the code's line format
  /// says. Returns false only for code 1 when the user answers No to the
  /// low-disk-space question.
  bool Add(WarningCode code, std::string_view text = {}, std::string_view ref = {},
           std::string_view record_name = {}, std::string_view extra = {});

  /// Hands back the next heading (`new_section` true) or warning line; false
  /// when nothing is left.
  bool ReadNext(bool* new_section, std::string* text);

  int32_t GetTotal() const { return m_nTotal; }

  /// Full path of warnings.txt (empty for a log that only counts).
  const std::string& path() const { return m_strPath; }

  const std::string& dest_folder() const { return m_strDestFolder; }

 private:
  std::string LinkText(std::string_view ref) const;
  /// Counts a warning of `category` and writes its line (`message` without
  /// line end; inner line feeds are stored as "<br>").
  void WriteLine(int category, const std::string& message);
  /// Opens warnings.txt for writing and reading, truncated, unless open.
  bool OpenForWriting();
  void CloseFile();
  /// The first category from `category` on that still has lines to read.
  int NextCategory(int category) const;
  /// Reads on to the next line of the read category, wrapping around to the
  /// start of the file once; false when the whole file has been searched
  /// since the category's heading (the counts promised a line the file lacks).
  bool FindLine(std::string* text);

  int32_t m_nTotal = 0;
  bool m_bRewind = true;
  std::FILE* m_file = nullptr;
  bool m_reading = false;
  std::string m_strDestFolder;
  std::string m_strPath;
  std::array<int32_t, 10> m_counts{};
  int32_t m_nReadCategory = 0;
  int32_t m_nNoRefFamilies = 0;
  struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::set<std::string, NoCaseLess> m_reportedTags;
  std::set<std::string, NoCaseLess> m_reportedFiles;
  LinkResolver link_resolver_;
  platform::Prompter& prompter_;
  long category_start_ = 0;  // file position where the read category began
  bool category_wrapped_ = false;
};

}  // namespace vellix
