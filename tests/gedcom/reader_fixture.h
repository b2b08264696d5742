// A test fixture for the GEDCOM reader: a private application folder, a
// recording prompter, a record store and reader, and verbs to write a file,
// read it and look at the warnings it raised.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "run/warning_log.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix::testing {

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest() : reader_(store_, test_env_.env) {}

  /// Writes `content` as a file and returns its path.
  std::string Write(const std::string& content, const std::string& name = "input.ged") {
    return dir_.Write(name, content);
  }
  /// Opens `content` (written to a file) and runs the reading pass.
  bool Read(const std::string& content) {
    path_ = Write(content);
    if (!reader_.Open(path_)) return false;
    return reader_.ReadPass(true, &progress_, nullptr);
  }
  /// The loaded record of (kind, key), or nullptr.
  GedcomRecord* Load(RecordKind kind, const std::string& key, bool pin = false) {
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(kind, key, pin, &loaded);
    return loaded;
  }
  /// Every warning line raised since the fixture started, in category order.
  std::vector<std::string> WarningLines() {
    std::vector<std::string> lines;
    bool section = false;
    std::string text;
    while (test_env_.env.warnings().ReadNext(&section, &text)) {
      if (!section) lines.push_back(text);
    }
    return lines;
  }

  TestEnvironment test_env_;
  RecordingPrompter& prompter_ = test_env_.prompter;
  TempDir dir_;
  platform::NullProgress progress_;
  RecordStore store_;
  GedcomReader reader_;
  std::string path_;
};

/// A minimal well-formed file around `body` (level-0 records), CR LF lines.
inline std::string Gedcom(const std::string& body, const std::string& charset = "ASCII") {
  return "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM "
         "LINEAGE-LINKED\r\n1 CHAR " +
         charset + "\r\n" + body + "0 TRLR\r\n";
}

}  // namespace vellix::testing
