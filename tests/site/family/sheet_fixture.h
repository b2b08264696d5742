// A GEDCOM text read through the reader, a run context over it, and the
// family page writer of that run, for the group sheet tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "model/selection.h"
#include "options/options.h"
#include "platform/progress.h"
#include "run/run_log_entries.h"
#include "run/warning_log.h"
#include "site/family/family_sheet_writer.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix::site {

class SheetTest : public ::testing::Test {
 protected:
  SheetTest() : reader_(store_, test_env_.env) {
    options_.m_strDestFolder = dir_.path() + "site";
    options_.m_strDtdPages = COptions::GetDefaultDtd(false);
    options_.m_bMonoFont = false;
  }

  /// Reads `records` (between a header and a trailer) and selects the
  /// families and loners.
  void Load(const std::string& records) {
    std::string text =
        "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
        "1 CHAR UTF-8\r\n" +
        records + "0 TRLR\r\n";
    const std::string path =
        dir_.Write("input" + std::to_string(++files_) + ".ged", text);
    ASSERT_TRUE(reader_.Open(path));
    ASSERT_TRUE(reader_.ReadPass(true, nullptr, nullptr));
    store_.ClearMarks();
    ctx_.flags.strictConformance = options_.IsStrictDtd();
    SelectFamilies(ctx_, true);
    platform::CreateFolders(platform::NativePath(options_.m_strDestFolder));
  }

  /// The writer of the run (made on first use, after the options are set).
  FamilySheetWriter& Writer() {
    if (!writer_) {
      writer_ = std::make_unique<FamilySheetWriter>(ctx_);
      writer_->set_log_entries(&log_);
    }
    return *writer_;
  }

  bool WriteFamily(const std::string& key, bool evaluate = false) {
    GedcomRecord* loaded = nullptr;
    GedcomRecord* entry = reader_.LoadRecord(RecordKind::kFamily, key, true, &loaded);
    EXPECT_NE(loaded, nullptr) << key;
    if (loaded == nullptr) return false;
    return Writer().WriteFamilyPage(*entry, *loaded, evaluate);
  }

  bool WriteLoner(const std::string& key) {
    GedcomRecord* loaded = nullptr;
    GedcomRecord* entry =
        reader_.LoadRecord(RecordKind::kIndividual, key, false, &loaded);
    EXPECT_NE(loaded, nullptr) << key;
    if (loaded == nullptr) return false;
    return Writer().WriteLonerPage(*entry, *loaded, false);
  }

  /// The text of a file of the site ("" when missing).
  std::string Page(const std::string& name) {
    return testing::ReadFile(platform::NativePath(options_.m_strDestFolder + "/" + name));
  }
  bool Exists(const std::string& name) {
    return platform::FileExists(
        platform::NativePath(options_.m_strDestFolder + "/" + name));
  }

  /// The group sheet table of a page: from its opening to "</table>\r\n"
  /// that closes it (the first one after the last row).
  static std::string SheetTable(const std::string& page) {
    const size_t begin = page.find("<table summary=\"layout\" class=\"vx-tblgrp\">");
    if (begin == std::string::npos) return {};
    // Label tables close inside a cell ("</table>\r\n</td></tr>"); the sheet
    // closes after its last row.
    const std::string close = "</td></tr>\r\n</table>\r\n";
    for (size_t end = page.find(close, begin); end != std::string::npos;
         end = page.find(close, end + 1)) {
      if (page.compare(end + close.size(), 10, "</td></tr>") != 0) {
        return page.substr(begin, end + close.size() - begin);
      }
    }
    return page.substr(begin);
  }

  /// The warning lines of the log, headings left out.
  std::vector<std::string> WarningLines() {
    std::vector<std::string> out;
    bool heading = false;
    std::string text;
    while (test_env_.env.warnings().ReadNext(&heading, &text) && out.size() < 100) {
      if (!heading) out.push_back(text);
    }
    return out;
  }

  static size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + 1))
      ++n;
    return n;
  }

  testing::TestEnvironment test_env_;
  testing::RecordingPrompter& prompter_ = test_env_.prompter;
  testing::TempDir dir_;
  platform::NullProgress progress_;
  RecordStore store_;
  GedcomReader reader_;
  COptions options_;
  RunStatistics statistics_;
  DialectTable dialects_;
  RunContext ctx_{test_env_.env, options_,  reader_, store_, statistics_,
                  progress_,     dialects_, {},      0};
  RunLogEntries log_;
  std::unique_ptr<FamilySheetWriter> writer_;
  int files_ = 0;
};

}  // namespace vellix::site
