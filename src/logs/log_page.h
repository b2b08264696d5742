// The writer of one generation log page: head, navigation, body, end.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_access.h"

namespace vellix {

/// The three log pages of a run, numbered as their "Page n of 3" line says
/// (kind + 1).
enum class LogPageKind { kSummary = 0, kIndividuals = 1, kFamilies = 2 };

/// "vx-summary.html", "vx-individual.html", "vx-family.html".
std::string_view LogPageFileName(LogPageKind kind);
/// "Summary", "Individuals", "Families".
std::string_view LogPageTitle(LogPageKind kind);

/// The run start time as the log pages show it ("%A %B %d, %Y %H:%M:%S",
/// local time).
std::string FormatLogTime(int64_t seconds_since_1970);

/// Writes one log page into its folder (the application folder of a run)
/// through the run's file access. Open creates the file and starts the page with its
/// head, the heading table, the title block and the links to the other two pages; Print
/// and Append add body text, which goes to the file in pieces of about a megabyte; Close
/// adds the end line (product name, version, notice) and writes the rest. When the file
/// cannot be created Open answers false and every later call does nothing:
/// a missing log page is not worth stopping or troubling the user for. One
/// writer may serve the three pages in turn. Not copyable.
class LogPage {
 public:
  /// A writer for pages in `folder` (native form; a trailing slash is
  /// added). `files` must outlive the writer.
  LogPage(platform::FileAccess& files, std::string folder);
  /// Closes the page when still open.
  ~LogPage();
  LogPage(const LogPage&) = delete;
  LogPage& operator=(const LogPage&) = delete;

  /// Creates the page file of `kind` (truncating an older one) and writes
  /// its head; `start_seconds` is the run's start time. A page still open is
  /// closed first.
  bool Open(LogPageKind kind, int64_t start_seconds);

  /// printf-style text (arguments are inserted as they are: escape text
  /// values before passing them).
  void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  /// Text taken as it stands.
  void Append(std::string_view text);

  /// Ends the page and writes it. False when it was not open or the write
  /// failed.
  bool Close();

  bool is_open() const { return m_bOpen; }
  /// Full path of the page being written (or last written).
  const std::string& path() const { return m_strPath; }
  /// The folder the pages are written into, with a trailing slash.
  const std::string& folder() const { return folder_; }
  platform::FileAccess& files() const { return files_; }

 private:
  platform::FileAccess& files_;
  std::string folder_;
  bool m_bOpen = false;
  std::unique_ptr<platform::OutputFile> m_file;
  std::string m_strPath;
  void FlushIfLarge();

  std::string buffer_;  // text not yet written to the file
  bool write_failed_ = false;
};

}  // namespace vellix
