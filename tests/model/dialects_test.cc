#include "model/dialects.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/reader_fixture.h"
#include "gedcom/record_store.h"
#include "model/run_context.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "run/run_statistics.h"
#include "text/text_converter.h"

namespace vellix::testing {
namespace {

using Entries = std::vector<std::pair<std::string, TagCode>>;
using Listing = std::vector<std::pair<int32_t, std::string>>;

std::string Fixture(const std::string& name) {
  return DataFile("model/dialects/" + name);
}

/// Every (ordinal, name) pair Next hands out, in order.
Listing ListDialects(const DialectTable& table) {
  Listing listing;
  int32_t ordinal = -1;
  std::string name;
  while (table.Next(ordinal, &ordinal, &name)) listing.emplace_back(ordinal, name);
  return listing;
}

std::vector<std::string> MarkersOf(const GedcomDialect& dialect) {
  std::vector<std::string> markers;
  for (int id = 0; id < text::kMarkerCount; ++id) {
    markers.emplace_back(dialect.markers.Marker(id));
  }
  return markers;
}

const Entries kBuiltInTags = {{"_TMPLT", kTagTemplate}, {"_BIBL", kTagBibliography},
                              {"FIELD", kTagField},     {"VALUE", kTagValue},
                              {"_SCBK", kTagScrapbook}, {"_PRIM", kTagPrimary},
                              {"_DATE", kTagDate}};

class DialectsTest : public ::testing::Test {
 protected:
  DialectTable table_;
};

TEST_F(DialectsTest, OrdinalsAreClampedAndTheFirstDialectOfAnOrdinalWins) {
  ASSERT_TRUE(table_.LoadFile(Fixture("clamps.ini")));
  EXPECT_EQ(ListDialects(table_), (Listing{{0, "Normal (Default)"},
                                           {1, "Negative"},
                                           {7, "Code five"},
                                           {8, "Code minus one"},
                                           {25, "High"}}));
  // Codes other than 0 and 1 become 0; ordinal 0 stays the built-in
  // dialect although a section with code 1 asked for it.
  EXPECT_EQ(table_.Code(25), 1);
  EXPECT_EQ(table_.Code(1), 0);
  EXPECT_EQ(table_.Code(7), 0);
  EXPECT_EQ(table_.Code(8), 0);
  EXPECT_EQ(table_.Code(0), 0);
  EXPECT_EQ(table_.Code(3), 0);
  EXPECT_EQ(table_.Select(0).tagMap.entries(), kBuiltInTags);
  EXPECT_EQ(table_.current().name, "Normal (Default)");
}

TEST_F(DialectsTest, SelectingAMissingOrdinalGivesTheBuiltInDialect) {
  ASSERT_TRUE(table_.LoadFile(Fixture("clamps.ini")));
  EXPECT_EQ(table_.Select(25).name, "High");
  EXPECT_EQ(table_.current().code, 1);
  const GedcomDialect& fallback = table_.Select(12);
  EXPECT_EQ(fallback.name, "Normal (Default)");
  EXPECT_EQ(fallback.code, 0);
  EXPECT_EQ(fallback.ordinal, 0);
  EXPECT_EQ(table_.Select(-1).name, "Normal (Default)");
}

TEST_F(DialectsTest, MissingAndEmptyKeysTakeTheDefaults) {
  ASSERT_TRUE(table_.LoadFile(Fixture("tags.ini")));
  const GedcomDialect* only = table_.Find(4);
  ASSERT_NE(only, nullptr);
  EXPECT_EQ(only->name, "Only ordinal");
  EXPECT_EQ(only->code, 0);
  EXPECT_EQ(only->tagMap.entries(), kBuiltInTags);
  EXPECT_FALSE(HasMarkers(*only));

  // A section without any key is a dialect too, filed under ordinal 1.
  table_.LoadText("[Empty]\n[Next]\nOrdinal=2\n");
  ASSERT_NE(table_.Find(1), nullptr);
  EXPECT_EQ(table_.Find(1)->name, "Empty");
  EXPECT_EQ(table_.Find(1)->tagMap.entries(), kBuiltInTags);
  EXPECT_EQ(table_.Find(2)->name, "Next");
}

TEST_F(DialectsTest, RenamedTagsAsWrittenInTheFile) {
  ASSERT_TRUE(table_.LoadFile(Fixture("tags.ini")));
  const GedcomDialect* renamed = table_.Find(3);
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(renamed->name, "Renamed");
  EXPECT_EQ(renamed->code, 1);
  // Blanks around "=" and quotes are dropped, indented keys count, key names
  // ignore letter case, the first of a repeated key wins, and a second
  // section of the same name only adds keys the first did not have.
  EXPECT_EQ(renamed->tagMap.entries(), (Entries{{"_SRCT", kTagTemplate},
                                                {"_BIBL", kTagBibliography},
                                                {"_FLD", kTagField},
                                                {"_VAL", kTagValue},
                                                {"_ALBUM", kTagScrapbook},
                                                {"_MAIN", kTagPrimary},
                                                {"_EDATE", kTagDate}}));
  EXPECT_EQ(table_.Find(9), nullptr);
  EXPECT_EQ(renamed->TagOf(kTagBibliography), "_BIBL");
  EXPECT_EQ(renamed->TagOf(kTagScrapbook), "_ALBUM");
  EXPECT_EQ(renamed->TagOf(kTagNote), "");
  EXPECT_EQ(DialectTagsOf(*renamed).Find("_srct"), kTagTemplate);
  EXPECT_EQ(DialectTagsOf(*renamed).Find("_TMPLT"), kTagUnknown);
}

TEST_F(DialectsTest, MarkersAndTheHasMarkersFlag) {
  ASSERT_TRUE(table_.LoadFile(Fixture("markers.ini")));
  const GedcomDialect* markers = table_.Find(5);
  ASSERT_NE(markers, nullptr);
  EXPECT_EQ(markers->name, "Markers");  // read past the byte-order mark
  EXPECT_EQ(MarkersOf(*markers),
            (std::vector<std::string>{"[b]", "[/b]", "[i]", "[/i]", "[u]", "[/u]", "[sc]",
                                      "[/sc]", "[sup]", "[/sup]", "[sub]", "[/sub]"}));
  EXPECT_TRUE(HasMarkers(*markers));
  const GedcomDialect* blank = table_.Find(6);
  ASSERT_NE(blank, nullptr);
  EXPECT_EQ(blank->markers.Marker(text::kBoldBegin), "");
  EXPECT_FALSE(HasMarkers(*blank));
  // Beside a real marker, a quoted blank marker must not turn the blanks of
  // a note into elements.
  table_.LoadText("[Spaces]\nOrdinal=2\nBoldB=\" \"\nBoldE=\"  \"\nItalicB=' /'\n");
  const GedcomDialect& spaces = table_.Select(2);
  EXPECT_EQ(MarkersOf(spaces),
            (std::vector<std::string>{"", "", " /", "", "", "", "", "", "", "", "", ""}));
  text::TextConverter converter;
  converter.SetDialect(&table_.current().markers);
  std::string html;
  converter.AppendParagraphs({"a b /c"}, &html, "", "", {.inline_text = true});
  EXPECT_EQ(html, "a b<i>c");
  EXPECT_FALSE(HasMarkers(*table_.Find(0)));
}

TEST_F(DialectsTest, WindowsFilesWithCarriageReturnsAndAnsiText) {
  ASSERT_TRUE(table_.LoadFile(Fixture("windows1252.ini")));
  const GedcomDialect* windows = table_.Find(2);
  ASSERT_NE(windows, nullptr);
  EXPECT_EQ(windows->markers.Marker(text::kBoldBegin), "\xC2\xAB");
  EXPECT_EQ(windows->markers.Marker(text::kBoldEnd), "\xC2\xBB");
}

TEST_F(DialectsTest, MissingOrDamagedFilesNeverLoseTheBuiltInDialect) {
  EXPECT_FALSE(table_.LoadFile(Fixture("no-such-file.ini")));
  EXPECT_EQ(ListDialects(table_), (Listing{{0, "Normal (Default)"}}));
  EXPECT_EQ(table_.Select(3).tagMap.entries(), kBuiltInTags);

  ASSERT_TRUE(table_.LoadFile(Fixture("damaged.ini")));
  // Keys before the first good header and under "[]" belong to no dialect;
  // an over-long line costs only its own key.
  EXPECT_EQ(ListDialects(table_),
            (Listing{{0, "Normal (Default)"}, {11, "Long"}, {13, "After damage"}}));
  EXPECT_EQ(table_.Code(11), 1);
  EXPECT_EQ(table_.Code(13), 1);

  // Loading again replaces the earlier dialects and selects the built-in one.
  table_.Select(13);
  table_.LoadText(std::string("\0\0[x\xFF\xFE", 6));
  EXPECT_EQ(table_.size(), 1u);
  EXPECT_EQ(table_.current().name, "Normal (Default)");
}

TEST_F(DialectsTest, TheSelectedDialectStaysAtOneAddressForTheTextConverter) {
  ASSERT_TRUE(table_.LoadFile(Fixture("markers.ini")));
  text::TextConverter converter;
  converter.SetDialect(&table_.current().markers);
  const std::vector<std::string> note = {"[b]x<y[/b] and [sup]2[/sup]"};
  std::string html;
  converter.AppendParagraphs(note, &html, "", "", {});
  EXPECT_EQ(html, "<p>[b]x&lt;y[/b] and [sup]2[/sup]</p>\r\n");
  table_.Select(5);
  converter.AppendParagraphs(note, &html, "", "", {});
  EXPECT_EQ(html, "<p><b>x&lt;y</b> and <sup>2</sup></p>\r\n");
}

TEST_F(DialectsTest, ADialectTagIsFoundBeforeUnderscoreHandling) {
  table_.LoadText("[Notes as templates]\nOrdinal=2\nTemplate=_NOTE\nDate=_WHEN\n");
  TagLookupContext context;
  context.process_nonstandard_tags = true;
  EXPECT_EQ(LookupTag("_NOTE", context), kTagNote);
  const DialectTags tags = DialectTagsOf(table_.Select(2));
  context.dialect = &tags;
  EXPECT_EQ(LookupTag("_NOTE", context), kTagTemplate);
  EXPECT_EQ(LookupTag("_when", context), kTagDate);
  EXPECT_EQ(LookupTag("NOTE", context), kTagNote);
  context.process_nonstandard_tags = false;
  EXPECT_EQ(LookupTag("_TMPLT", context), kTagNonstandard);
}

TEST_F(DialectsTest, TheShippedFileOffersItsSectionsAndKeepsTheExample) {
  ASSERT_TRUE(table_.LoadFile(std::string(VELLIX_SOURCE_DIR) + "/resources/gedcom.ini"));
  EXPECT_EQ(ListDialects(table_),
            (Listing{{0, "Normal (Default)"},
                     {1, "Example (tags of the built-in dialect)"},
                     {2, "Source templates with HTML-style emphasis"},
                     {3, "HTML-style emphasis in notes only"},
                     {4, "Source templates with bracketed emphasis"}}));
  EXPECT_EQ(table_.Find(1)->tagMap.entries(), kBuiltInTags);
  EXPECT_FALSE(HasMarkers(*table_.Find(1)));
  EXPECT_EQ(table_.Code(2), 1);
  EXPECT_EQ(table_.Find(2)->markers.Marker(text::kCapEnd), "</sc>");
  EXPECT_EQ(table_.Find(4)->TagOf(kTagTemplate), "_TEMPLATE");
  EXPECT_EQ(table_.Find(4)->markers.Marker(text::kSubEnd), "[/sub]");
}

TEST_F(DialectsTest, TheUsersOwnCopyWinsAndIsReadOncePerTable) {
  TempDir home;
  const std::string own = home.path() + "gedcom.ini";
  ASSERT_TRUE(platform::WriteWholeFile(own, "[Mine]\nOrdinal=6\nCode=1\n"));
  EXPECT_TRUE(table_.EnsureLoaded(platform::FindResource("gedcom.ini", home.path())));
  EXPECT_EQ(ListDialects(table_), (Listing{{0, "Normal (Default)"}, {6, "Mine"}}));
  // A later call keeps the table although the file changed.
  ASSERT_TRUE(platform::WriteWholeFile(own, "[Changed]\nOrdinal=7\n"));
  EXPECT_TRUE(table_.EnsureLoaded(platform::FindResource("gedcom.ini", home.path())));
  EXPECT_EQ(table_.Code(6), 1);
  EXPECT_EQ(table_.Find(7), nullptr);
}

/// The run's entry point, through the reader on a small file.
class DialectRunTest : public ReaderTest {
 protected:
  /// A run over the file last written: opens it, selects the option set's
  /// dialect and makes the reading pass, in the order of a generation run.
  int StartRun(int32_t special_processing) {
    options_.m_nSpecialProcessing = special_processing;
    RunContext ctx{test_env_.env, options_, reader_,    store_, statistics_,
                   progress_,     table_,   RunFlags{}, 0};
    EXPECT_TRUE(reader_.Open(path_));
    int code = SelectDialectForRun(ctx);
    EXPECT_TRUE(reader_.ReadPass(true, &progress_, nullptr));
    return code;
  }
  int StartRun(int32_t special_processing, const std::string& body) {
    path_ = Write(Gedcom(body));
    return StartRun(special_processing);
  }
  std::vector<TagCode> SourceCodes() {
    std::vector<TagCode> codes;
    GedcomRecord* source = Load(RecordKind::kSource, "S1");
    if (source == nullptr) return codes;
    for (const GedcomNode& n : source->children) codes.push_back(n.tagCode);
    return codes;
  }

  COptions options_;
  RunStatistics statistics_;
  DialectTable table_;
};

TEST_F(DialectRunTest, TheSelectedDialectTagsReachTheReaderAndTheCodeTheRun) {
  ASSERT_TRUE(table_.LoadFile(Fixture("tags.ini")));
  const std::string body =
      "0 @S1@ SOUR\r\n1 _SRCT [Author], [Title].\r\n1 _TMPLT x\r\n"
      "1 _FLD Author\r\n1 _EDATE 1850\r\n1 _ALBUM Y\r\n";
  EXPECT_EQ(StartRun(3, body), 1);
  EXPECT_EQ(SourceCodes(), (std::vector<TagCode>{kTagTemplate, kTagNonstandard, kTagField,
                                                 kTagDate, kTagScrapbook}));
  EXPECT_EQ(table_.current().name, "Renamed");
}

TEST_F(DialectRunTest, AnUnknownChoiceRunsWithTheBuiltInDialect) {
  ASSERT_TRUE(table_.LoadFile(Fixture("tags.ini")));
  EXPECT_EQ(StartRun(17, "0 @S1@ SOUR\r\n1 _TMPLT [Title]\r\n1 _SRCT x\r\n"), 0);
  EXPECT_EQ(SourceCodes(), (std::vector<TagCode>{kTagTemplate, kTagNonstandard}));
  EXPECT_EQ(table_.current().name, "Normal (Default)");
}

TEST_F(DialectRunTest, ChangingTheDialectRereadsAnUnchangedFile) {
  ASSERT_TRUE(table_.LoadFile(Fixture("tags.ini")));
  StartRun(3, "0 @S1@ SOUR\r\n1 _SRCT [Title]\r\n1 _TMPLT x\r\n");
  ASSERT_EQ(SourceCodes(), (std::vector<TagCode>{kTagTemplate, kTagNonstandard}));
  // The same file with the built-in dialect: the cached record must not
  // keep the codes of the renamed tags.
  StartRun(0);
  EXPECT_EQ(SourceCodes(), (std::vector<TagCode>{kTagNonstandard, kTagTemplate}));
  EXPECT_EQ(reader_.readCount(), 2);
  // The reader forgot the file when asked to read it again, so the next run
  // reads it once more; after that an unchanged dialect costs no pass.
  StartRun(0);
  StartRun(0);
  EXPECT_EQ(reader_.readCount(), 3);
}

}  // namespace
}  // namespace vellix::testing
