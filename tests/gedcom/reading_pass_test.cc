#include <algorithm>
#include <chrono>
#include <filesystem>

#include "gedcom/reader_fixture.h"
#include "text/size_format.h"

namespace vellix::testing {
namespace {

using platform::MessageIcon;

const char kNotGedcom[] =
    "\n\nThis file does not appear to be a GEDCOM file.\n\nEnsure the file "
    "you exported from your genealogy program is of type \"GEDCOM.\"";
const char kVerbose[] =
    "\n\nThis GEDCOM file appears to use verbose record tags.  VELLIX requires "
    "abbreviated tags.\n\nTo correct this, use your genealogy program and "
    "re-export your GEDCOM file.  Choose the option there for abbreviated "
    "tags.";
const char kNoFile[] = "\n\nThis file does not exist or is not accessible.";
const char kWarning15[] =
    "Web page generation FAILED. The input file is not a GEDCOM file.";

// A progress that records what it was told and can cancel after N steps.
class RecordingProgress : public platform::Progress {
 public:
  void SetPhase(const std::string& text, int64_t low, int64_t high,
                bool scalable) override {
    phase = text;
    range = {low, high};
    scaled = scalable;
  }
  void Step(int64_t position) override {
    steps.push_back(position);
    if (cancel_after >= 0 && static_cast<int>(steps.size()) >= cancel_after)
      cancelled = true;
  }
  bool IsCancelled() const override { return cancelled; }

  std::string phase;
  std::pair<int64_t, int64_t> range;
  bool scaled = false;
  std::vector<int64_t> steps;
  int cancel_after = -1;
  bool cancelled = false;
};

class ReadingPassTest : public ReaderTest {};

TEST_F(ReadingPassTest, FilesEveryLevelZeroRecordByKind) {
  reader_.Open(DataFile("gedcom/family.ged"));
  int count = 0;
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(store_.individualCount(), 3);
  EXPECT_EQ(store_.familyCount(), 1);
  for (auto [kind, key] :
       std::vector<std::pair<RecordKind, std::string>>{{RecordKind::kHeader, "VX_HDR"},
                                                       {RecordKind::kSubmitter, "U1"},
                                                       {RecordKind::kNote, "N1"},
                                                       {RecordKind::kSource, "S1"},
                                                       {RecordKind::kRepository, "R1"},
                                                       {RecordKind::kTrailer, ""}}) {
    EXPECT_NE(store_.Find(kind, key), nullptr) << key;
  }
  // Level-0 values are kept; the offset points at the record's line.
  const GedcomRecord* note = store_.Find(RecordKind::kNote, "n1");
  EXPECT_EQ(note->value, "A note about John");
  const std::string file = ReadFile(DataFile("gedcom/family.ged"));
  EXPECT_EQ(file.substr(note->fileOffset, 12), "0 @N1@ NOTE ");
  EXPECT_EQ(reader_.characterSetMode(), kCharsetPlain);
  EXPECT_EQ(WarningLines(),
            std::vector<std::string>{"Remapped nonstandard tag _EMAIL to EMAI."});
  EXPECT_TRUE(prompter_.messages().empty());
}

TEST_F(ReadingPassTest, DuplicateKeysAreRefusedAndTheLastLineDecides) {
  // The later i1 is not filed; a file ending in it fails.
  EXPECT_FALSE(Read("0 HEAD\n0 @I1@ INDI\n1 NAME A\n0 @i1@ INDI\n"));
  EXPECT_EQ(store_.individualCount(), 1);
  EXPECT_TRUE(Read(Gedcom("0 @I1@ INDI\r\n0 @i1@ INDI\r\n1 NAME B\r\n")));
  // A level-0 line of no record kind fails the pass when it is the last.
  EXPECT_FALSE(Read("0 HEAD\n0 @X1@ _UID 12\n"));
  // A truncated file whose last line is subordinate still succeeds.
  EXPECT_TRUE(Read("0 HEAD\n1 GEDC\n2 VERS 5.5\n0 @I1@ INDI\n1 NAME A\n"));
  EXPECT_TRUE(prompter_.messages().empty());
}

TEST_F(ReadingPassTest, FailedPassIsNotTurnedIntoSuccessOnTheNextRun) {
  const std::string path = Write("0 HEAD\n0 @I1@ INDI\n0 @I1@ INDI\n");
  ASSERT_TRUE(reader_.Open(path));
  EXPECT_FALSE(reader_.ReadPass(true, &progress_, nullptr));
  ASSERT_TRUE(reader_.Open(path));
  int count = 0;
  EXPECT_FALSE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 2);
}

TEST_F(ReadingPassTest, FirstLineChecks) {
  EXPECT_FALSE(Read("0 HEADER\n1 SOURCE x\n0 TRAILER\n"));
  EXPECT_EQ(prompter_.Texts(), std::vector<std::string>{path_ + kVerbose});
  EXPECT_EQ(prompter_.messages()[0].icon, MessageIcon::kStop);
  EXPECT_EQ(WarningLines(),
            (std::vector<std::string>{
                "Web page generation FAILED. Your GEDCOM file does not use "
                "abbreviated tags.",
                "Nonstandard tag HEADER ignored."}));
  test_env_.env.warnings().Reset();

  // Case counts for the verbose check.
  prompter_.Clear();
  RecordingPrompter& prompter = prompter_;
  EXPECT_FALSE(Read("0 Header\n"));
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{path_ + kNotGedcom});
  EXPECT_FALSE(Read("\r\n0 HEAD\r\n0 TRLR\r\n"));  // empty first line
  EXPECT_FALSE(Read("Dear cousin, here is the family tree.\n"));
  EXPECT_EQ(prompter.Texts().size(), 3u);
  EXPECT_EQ(prompter.Texts()[2], path_ + kNotGedcom);
  const auto lines = WarningLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), kWarning15), 3);
  EXPECT_EQ(lines.size(), 5u);  // and warning 12 for "Header" and "cousin,"
}

TEST_F(ReadingPassTest, EmptyAndBinaryFilesAreNotGedcom) {
  prompter_.Clear();
  RecordingPrompter& prompter = prompter_;
  EXPECT_FALSE(Read(""));
  EXPECT_FALSE(Read("\r\n  \r\n"));
  std::string binary;
  for (int i = 0; i < 5000; ++i) binary += static_cast<char>((i * 7919) % 256);
  EXPECT_FALSE(Read(binary));
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>(3, path_ + kNotGedcom));
  EXPECT_EQ(store_.individualCount(), 0);
}

TEST_F(ReadingPassTest, SupportFlag1RelaxesTheFirstLineCheck) {
  ReaderSettings settings;
  settings.support.word = 0x10;
  reader_.SetSettings(settings);
  EXPECT_TRUE(Read("Dear cousin,\n0 @I1@ INDI\n0 TRLR\n"));
  EXPECT_TRUE(prompter_.messages().empty());
  EXPECT_NE(store_.Find(RecordKind::kIndividual, "I1"), nullptr);
  // No header: no character set, no version warning.
  EXPECT_EQ(reader_.characterSetMode(), kCharsetNone);
  EXPECT_EQ(WarningLines(), std::vector<std::string>{"Nonstandard tag cousin, ignored."});
}

TEST_F(ReadingPassTest, OnlyAHeadLine) {
  EXPECT_TRUE(Read("0 HEAD"));
  EXPECT_NE(store_.Find(RecordKind::kHeader, "VX_HDR"), nullptr);
  EXPECT_EQ(reader_.characterSetMode(), kCharsetPlain);
  EXPECT_EQ(WarningLines(),
            std::vector<std::string>{
                "The input GEDCOM file is not a GEDCOM version 5.5 file."});
}

TEST_F(ReadingPassTest, UnchangedFileIsReadOnce) {
  const std::string path = Write(Gedcom("0 @I1@ INDI\r\n"));
  int count = 0;
  ASSERT_TRUE(reader_.Open(path));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, &count));
  ASSERT_TRUE(reader_.Open(path));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(reader_.readCount(), 1);
  EXPECT_NE(store_.Find(RecordKind::kIndividual, "I1"), nullptr);

  // A rewritten file is read again. File times are kept at the granularity
  // of the kernel's clock tick, so the test moves the time on itself.
  const auto written = std::filesystem::last_write_time(path);
  Write(Gedcom("0 @I2@ INDI\r\n"));
  std::filesystem::last_write_time(path, written + std::chrono::seconds(1));
  ASSERT_TRUE(reader_.Open(path));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(store_.Find(RecordKind::kIndividual, "I1"), nullptr);
  EXPECT_NE(store_.Find(RecordKind::kIndividual, "I2"), nullptr);

  // Closing with discard after a failed run forgets the file, so the next
  // run reads it again instead of working on an empty store.
  reader_.Close(true);
  EXPECT_EQ(store_.individualCount(), 0);
  ASSERT_TRUE(reader_.Open(path));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 3);
  EXPECT_EQ(store_.individualCount(), 1);
  reader_.Close(false);
  ASSERT_TRUE(reader_.Open(path));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 3);
}

TEST_F(ReadingPassTest, OpenFailures) {
  EXPECT_FALSE(reader_.Open(dir_.File("missing.ged")));
  EXPECT_FALSE(reader_.Open(dir_.path()));  // a folder
  const std::string good = Write(Gedcom(""));
  const std::string bad_out = dir_.File("no/such/folder/raw.txt");
  EXPECT_FALSE(reader_.Open(good, bad_out));
  EXPECT_FALSE(reader_.Open(good, {}, bad_out));
  EXPECT_EQ(
      prompter_.Texts(),
      (std::vector<std::string>{dir_.File("missing.ged") + kNoFile, dir_.path() + kNoFile,
                                bad_out + kNoFile, bad_out + kNoFile}));
  EXPECT_EQ(prompter_.messages()[0].icon, MessageIcon::kStop);
  EXPECT_EQ(reader_.rawOut(), nullptr);

  // The outputs are created when they can be.
  ASSERT_TRUE(reader_.Open(good, dir_.File("raw.txt"), dir_.File("text.txt")));
  EXPECT_NE(reader_.rawOut(), nullptr);
  EXPECT_NE(reader_.textOut(), nullptr);
  reader_.Close(false);
  EXPECT_EQ(reader_.rawOut(), nullptr);
  EXPECT_TRUE(platform::FileExists(dir_.File("text.txt")));

  // A file that vanished is reported even when it was read before.
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, nullptr));
  std::remove(good.c_str());
  EXPECT_FALSE(reader_.Open(good));
  EXPECT_EQ(prompter_.Texts().back(), good + kNoFile);
  EXPECT_EQ(store_.familyCount() + store_.individualCount(), 0);
}

TEST_F(ReadingPassTest, ProgressPhaseStepsAndMediaTimeStamp) {
  std::string body;
  for (int i = 0; i < 3000; ++i) {
    body += "0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME Person /Number" +
            std::to_string(i) + "/\r\n";
  }
  const std::string content = Gedcom(body);
  path_ = Write(content);
  EXPECT_EQ(reader_.passStartTime(), 0);
  RecordingProgress progress;
  ASSERT_TRUE(reader_.Open(path_));
  ASSERT_TRUE(reader_.ReadPass(true, &progress, nullptr));
  EXPECT_EQ(progress.phase,
            "Reading GEDCOM file...\n (" + FormatSize(content.size()) + ")");
  EXPECT_EQ(progress.range,
            (std::pair<int64_t, int64_t>{0, static_cast<int64_t>(content.size())}));
  EXPECT_TRUE(progress.scaled);
  ASSERT_GE(progress.steps.size(), 2u);
  EXPECT_TRUE(std::is_sorted(progress.steps.begin(), progress.steps.end()));
  EXPECT_EQ(progress.steps.back(), static_cast<int64_t>(content.size()));
  EXPECT_GT(reader_.passStartTime(), 0);
}

TEST_F(ReadingPassTest, CancelEndsThePassAndForgetsTheFile) {
  std::string body;
  for (int i = 0; i < 5000; ++i) {
    body += "0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME A /B/\r\n";
  }
  path_ = Write(Gedcom(body));
  RecordingProgress progress;
  progress.cancel_after = 1;
  ASSERT_TRUE(reader_.Open(path_));
  EXPECT_FALSE(reader_.ReadPass(true, &progress, nullptr));
  EXPECT_LT(store_.individualCount(), 5000);
  ASSERT_TRUE(reader_.Open(path_));
  int count = 0;
  EXPECT_TRUE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(store_.individualCount(), 5000);
}

TEST_F(ReadingPassTest, LineTerminatorsAllReadAlike) {
  const std::string crlf = ReadFile(DataFile("gedcom/family.ged"));
  auto with = [&](const std::string& eol) {
    std::string text;
    for (size_t i = 0; i < crlf.size(); ++i) {
      if (crlf.compare(i, 2, "\r\n") == 0) {
        text += eol;
        ++i;
      } else {
        text += crlf[i];
      }
    }
    return text;
  };
  // A tree of the loaded family and its first child, as text.
  auto snapshot = [&](const std::string& content) {
    EXPECT_TRUE(Read(content));
    std::string text = std::to_string(store_.individualCount());
    for (const char* key : {"I1", "I3"}) {
      const GedcomRecord* r = Load(RecordKind::kIndividual, key);
      EXPECT_NE(r, nullptr);
      if (!r) return text;
      for (const GedcomNode& n : r->children) {
        text += "|" + n.tag + "=" + n.value;
        for (const GedcomNode& c : n.children) text += "/" + c.tag + "=" + c.value;
      }
    }
    return text;
  };
  const std::string expected = snapshot(crlf);
  EXPECT_NE(expected.find("|NAME=John /Smith//GIVN=John/SURN=Smith|SEX=M"),
            std::string::npos);
  EXPECT_EQ(snapshot(with("\n")), expected);
  EXPECT_EQ(snapshot(with("\r")), expected);
  EXPECT_EQ(snapshot(with("\n\r")), expected);
}

TEST_F(ReadingPassTest, LongLinesAreReadWhole) {
  const std::string text(100000, 'x');
  ASSERT_TRUE(Read(Gedcom("0 @N1@ NOTE " + text + "\r\n1 CONT " + text + "\r\n")));
  EXPECT_EQ(store_.Find(RecordKind::kNote, "N1")->value, text);
  const GedcomRecord* note = Load(RecordKind::kNote, "N1");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->value, text);
  EXPECT_EQ(note->FirstChild(kTagCont)->value, text);
  EXPECT_TRUE(WarningLines().empty());
}

TEST_F(ReadingPassTest, LinesBeyondTheSanityBoundRaiseWarning17) {
  EXPECT_EQ(GedcomReader::kMaxLineLength, 16u * 1024 * 1024);
  const std::string huge(GedcomReader::kMaxLineLength + 100, 'y');
  int count = 0;
  ASSERT_TRUE(Read(Gedcom("0 @N1@ NOTE " + huge + "\r\n")));
  EXPECT_EQ(store_.Find(RecordKind::kNote, "N1")->value.size(),
            GedcomReader::kMaxLineLength - 12);
  // The rest of the cut line comes back as a line of its own (invalid:
  // a single token), which is skipped.
  EXPECT_EQ(WarningLines(), std::vector<std::string>{
                                "GEDCOM line 7 NOTE exceeds maximum length. Important "
                                "information may have been ignored."});
  // The file is read again at the next run.
  ASSERT_TRUE(reader_.Open(path_));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, &count));
  EXPECT_EQ(count, 2);
}

TEST_F(ReadingPassTest, NonstandardTagsFollowTheSettings) {
  const std::string body =
      "0 @I1@ INDI\r\n1 _MILT Navy\r\n1 _milt Army\r\n1 _BIRT\r\n"
      "1 _MDCL asthma\r\n1 _TMPLT x\r\n";
  ASSERT_TRUE(Read(Gedcom(body)));
  const GedcomRecord* off = Load(RecordKind::kIndividual, "I1");
  ASSERT_NE(off, nullptr);
  std::vector<TagCode> codes;
  for (const GedcomNode& n : off->children) codes.push_back(n.tagCode);
  EXPECT_EQ(codes, (std::vector<TagCode>{kTagNonstandard, kTagNonstandard,
                                         kTagNonstandard, kTagMedical, kTagTemplate}));
  EXPECT_TRUE(WarningLines().empty());

  test_env_.env.warnings().Reset();
  ReaderSettings settings;
  settings.process_nonstandard_tags = true;
  settings.medical_tag = "_HEALTH";
  reader_.SetSettings(settings);
  DialectTags dialect;
  dialect.Set("_MILT", kTagEven);
  reader_.SetDialectTags(dialect);
  ASSERT_TRUE(Read(Gedcom(body + "1 _FOO a\r\n1 _foo b\r\n1 _HEALTH c\r\n")));
  const GedcomRecord* on = Load(RecordKind::kIndividual, "I1");
  codes.clear();
  for (const GedcomNode& n : on->children) codes.push_back(n.tagCode);
  EXPECT_EQ(codes, (std::vector<TagCode>{kTagEven, kTagEven, kTagBirt, kTagMedical}));
  // Reported once per tag although met in the pass and again when loading.
  EXPECT_EQ(WarningLines(), (std::vector<std::string>{"Nonstandard tag _MDCL ignored.",
                                                      "Nonstandard tag _TMPLT ignored.",
                                                      "Nonstandard tag _FOO ignored."}));
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 3);
}

}  // namespace
}  // namespace vellix::testing
