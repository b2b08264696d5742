#include "gedcom/tag_table.h"

#include <gtest/gtest.h>

#include "gedcom/reader_fixture.h"

namespace vellix::testing {
namespace {

TEST(TagTable, CodesFollowTheFixedListPosition) {
  const std::vector<std::pair<std::string, TagCode>> named = {
      {"ABBR", 0},   {"ADR3", 4},   {"ADOP", 5},   {"BIRT", 19},  {"BURI", 21},
      {"CHIL", 28},  {"CHR", 29},   {"CONC", 32},  {"CONT", 35},  {"DATE", 41},
      {"DEAT", 42},  {"FAM", 56},   {"FAMC", 57},  {"FAMS", 59},  {"HEAD", 68},
      {"HUSB", 69},  {"INDI", 72},  {"MARR", 80},  {"NAME", 83},  {"NOTE", 89},
      {"OBJE", 92},  {"PLAC", 99},  {"REFN", 105}, {"REPO", 108}, {"RIN", 113},
      {"SEX", 116},  {"SOUR", 119}, {"SUBM", 124}, {"SUBN", 125}, {"TRLR", 131},
      {"WIFE", 134}, {"WILL", 135}, {"WWW", 136}};
  for (const auto& [tag, code] : named) {
    EXPECT_EQ(LookupTag(tag), code) << tag;
    EXPECT_EQ(TagName(code), tag) << code;
  }
  EXPECT_EQ(kTagBirt, 19);
  EXPECT_EQ(kTagWww, 136);
  // Every code names a distinct tag that looks up to the same code.
  for (TagCode code = 0; code < kStandardTagCount; ++code) {
    ASSERT_FALSE(TagName(code).empty()) << code;
    EXPECT_EQ(LookupTag(TagName(code)), code) << TagName(code);
  }
  EXPECT_EQ(TagName(137), "");
  EXPECT_EQ(TagName(-1), "");
  EXPECT_EQ(TagName(145), "");
}

TEST(TagTable, LookupIgnoresCaseAndRejectsNearMisses) {
  EXPECT_EQ(LookupTag("head"), kTagHead);
  EXPECT_EQ(LookupTag("Head"), kTagHead);
  EXPECT_EQ(LookupTag("HEAD"), kTagHead);
  EXPECT_EQ(LookupTag("wWw"), kTagWww);
  EXPECT_EQ(LookupTag("HEADER"), kTagUnknown);
  EXPECT_EQ(LookupTag("BIRTH"), kTagUnknown);
  EXPECT_EQ(LookupTag("HEA"), kTagUnknown);
  EXPECT_EQ(LookupTag(""), kTagUnknown);
  EXPECT_EQ(LookupTag(std::string_view("SEX\0", 4)), kTagUnknown);
  EXPECT_EQ(LookupTag("\xC3\xA9t\xC3\xA9"), kTagUnknown);
}

TEST(TagTable, RecordKindsOfLevelZeroTags) {
  EXPECT_EQ(KindOfTag(kTagHead), RecordKind::kHeader);
  EXPECT_EQ(KindOfTag(kTagFam), RecordKind::kFamily);
  EXPECT_EQ(KindOfTag(kTagIndi), RecordKind::kIndividual);
  EXPECT_EQ(KindOfTag(kTagObje), RecordKind::kMultimedia);
  EXPECT_EQ(KindOfTag(kTagNote), RecordKind::kNote);
  EXPECT_EQ(KindOfTag(kTagRepo), RecordKind::kRepository);
  EXPECT_EQ(KindOfTag(kTagSour), RecordKind::kSource);
  EXPECT_EQ(KindOfTag(kTagSubn), RecordKind::kSubmission);
  EXPECT_EQ(KindOfTag(kTagSubm), RecordKind::kSubmitter);
  EXPECT_EQ(KindOfTag(kTagTrlr), RecordKind::kTrailer);
  EXPECT_EQ(KindOfTag(kTagName), RecordKind::kNone);
  EXPECT_EQ(KindOfTag(kTagNonstandard), RecordKind::kNone);
  EXPECT_EQ(KindOfTag(kTagUnknown), RecordKind::kNone);
}

class TagLookupTest : public ReaderTest {
 protected:
  TagLookupContext Context(bool process) {
    TagLookupContext c;
    c.medical_tag = medical_;
    c.process_nonstandard_tags = process;
    c.dialect = &dialect_;
    return c;
  }
  std::string medical_ = "_MDCL";
  DialectTags dialect_ = DialectTags::Default();
};

TEST_F(TagLookupTest, UnderscoreTagsDependOnProcessNonstandardTags) {
  EXPECT_EQ(LookupTag("_MILT", Context(false)), kTagNonstandard);
  EXPECT_EQ(LookupTag("_MILT", Context(true)), kTagUnknown);
  EXPECT_EQ(LookupTag("_BIRT", Context(false)), kTagNonstandard);
  EXPECT_EQ(LookupTag("_BIRT", Context(true)), kTagBirt);
  EXPECT_EQ(LookupTag("_marr", Context(true)), kTagMarr);
  EXPECT_EQ(LookupTag("_", Context(false)), kTagNonstandard);
  EXPECT_EQ(LookupTag("_", Context(true)), kTagUnknown);
  EXPECT_TRUE(WarningLines().empty());
}

TEST_F(TagLookupTest, RemappedTagsRaiseWarning13) {
  EXPECT_EQ(LookupTag("EMAIL", Context(false), &test_env_.env.warnings()), kTagEmai);
  EXPECT_EQ(LookupTag("url", Context(false), &test_env_.env.warnings()), kTagWww);
  EXPECT_EQ(LookupTag("_URL", Context(true), &test_env_.env.warnings()), kTagWww);
  EXPECT_EQ(LookupTag("_URL", Context(false), &test_env_.env.warnings()),
            kTagNonstandard);
  // URL and _URL report the same text, once.
  EXPECT_EQ(WarningLines(),
            (std::vector<std::string>{"Remapped nonstandard tag _EMAIL to EMAI.",
                                      "Remapped nonstandard tag _url to WWW."}));
  EXPECT_EQ(RemapWarningText("_URL", kTagWww), "_URL to WWW");
  EXPECT_EQ(RemapWarningText("URL", kTagWww), "_URL to WWW");
}

TEST_F(TagLookupTest, MedicalNotesTag) {
  EXPECT_EQ(LookupTag("_MDCL", Context(false)), kTagMedical);
  EXPECT_EQ(LookupTag("_mdcl", Context(true)), kTagMedical);
  medical_ = "MEDNOTE";
  EXPECT_EQ(LookupTag("mednote", Context(false)), kTagMedical);
  EXPECT_EQ(LookupTag("_MDCL", Context(false)), kTagNonstandard);
  medical_.clear();
  EXPECT_EQ(LookupTag("", Context(true)), kTagUnknown);
  EXPECT_EQ(LookupTag("_", Context(true)), kTagUnknown);
}

TEST_F(TagLookupTest, DialectTagsComeBeforeUnderscoreHandling) {
  EXPECT_EQ(LookupTag("_TMPLT", Context(false)), kTagTemplate);
  EXPECT_EQ(LookupTag("_bibl", Context(false)), kTagBibliography);
  EXPECT_EQ(LookupTag("FIELD", Context(false)), kTagField);
  EXPECT_EQ(LookupTag("VALUE", Context(false)), kTagValue);
  EXPECT_EQ(LookupTag("_SCBK", Context(true)), kTagScrapbook);
  EXPECT_EQ(LookupTag("_PRIM", Context(true)), kTagPrimary);
  EXPECT_EQ(LookupTag("_DATE", Context(true)), kTagDate);
  // A dialect that renames the template tag.
  dialect_.Set("_tmplt", kTagUnknown);
  dialect_.Set("_TEMPLATE", kTagTemplate);
  EXPECT_EQ(LookupTag("_TEMPLATE", Context(false)), kTagTemplate);
  EXPECT_EQ(LookupTag("_TMPLT", Context(false)), kTagNonstandard);
  EXPECT_EQ(dialect_.entries().size(), 8u);
  // Without a dialect the template tags are plain nonstandard tags.
  TagLookupContext none;
  EXPECT_EQ(LookupTag("_TMPLT", none), kTagNonstandard);
  EXPECT_EQ(LookupTag("FIELD", none), kTagUnknown);
}

}  // namespace
}  // namespace vellix::testing
