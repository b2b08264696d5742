#include "site/family/fact.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/privacy.h"
#include "options/options.h"
#include "run/warning_log.h"
#include "site/family/fact_collect.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix::site {
namespace {

// Records written into a small GEDCOM file and read through the reader, as
// the family page writer reads them.
class FactTest : public ::testing::Test {
 protected:
  FactTest() : reader_(store_, test_env_.env) { options_.m_bOtherFacts = true; }

  void Read(const std::string& records) {
    std::string text =
        "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
        "1 CHAR ASCII\r\n" +
        records + "0 TRLR\r\n";
    std::string path = dir_.Write("input" + std::to_string(++files_) + ".ged", text);
    ASSERT_TRUE(reader_.Open(path));
    ASSERT_TRUE(reader_.ReadPass(true, &progress_, nullptr));
  }

  const GedcomRecord& Load(RecordKind kind, const std::string& key) {
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(kind, key, false, &loaded);
    EXPECT_NE(loaded, nullptr) << key;
    return loaded ? *loaded : empty_;
  }

  FactCollector Collector() {
    FactCollector c(options_, privacy_, ReaderNoteResolver(reader_),
                    test_env_.env.warnings());
    c.set_record_loader([this](std::string_view key) -> const GedcomRecord* {
      GedcomRecord* loaded = nullptr;
      reader_.LoadRecord(RecordKind::kIndividual, key, false, &loaded);
      if (loaded == nullptr) reader_.LoadRecord(RecordKind::kFamily, key, false, &loaded);
      return loaded;
    });
    return c;
  }

  // One individual I1 with `lines`, collected (living as given).
  PersonFacts Person(const std::string& lines, bool living = false) {
    Read("0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 SEX F\r\n" + lines);
    return Collector().CollectPerson(Load(RecordKind::kIndividual, "I1"), living, "F1");
  }

  std::vector<std::string> WarningLines() {
    std::vector<std::string> out;
    bool heading = false;
    std::string text;
    while (test_env_.env.warnings().ReadNext(&heading, &text) && out.size() < 100) {
      if (!heading) out.push_back(text);
    }
    return out;
  }

  static std::vector<std::string> Labels(const std::vector<Fact>& facts) {
    std::vector<std::string> out;
    for (const Fact& f : facts) out.push_back(f.label);
    return out;
  }

  testing::TestEnvironment test_env_;
  testing::RecordingPrompter& prompter_ = test_env_.prompter;
  testing::TempDir dir_;
  platform::NullProgress progress_;
  RecordStore store_;
  GedcomReader reader_;
  COptions options_;
  PrivacyFilter privacy_{options_};
  GedcomRecord empty_;
  int files_ = 0;
};

TEST(FactKindTest, KindsByTagForIndividualsAndFamilies) {
  EXPECT_EQ(FactKindForTag(LookupTag("BAPM"), false), 1);
  EXPECT_EQ(FactKindForTag(LookupTag("CENS"), false), 8);
  EXPECT_EQ(FactKindForTag(LookupTag("CENS"), true), 52);
  EXPECT_EQ(FactKindForTag(LookupTag("RESI"), true), 61);
  EXPECT_EQ(FactKindForTag(LookupTag("FACT"), true), 50);
  EXPECT_EQ(FactKindForTag(LookupTag("EVEN"), false), 49);
  EXPECT_EQ(FactKindForTag(LookupTag("CHR"), false), 48);
  EXPECT_EQ(FactKindForTag(LookupTag("MARR"), true), 59);
  EXPECT_EQ(FactKindForTag(LookupTag("BIRT"), false), kKindNone);
  EXPECT_EQ(FactKindForTag(LookupTag("CAUS"), false), kKindNone);
  EXPECT_EQ(FactKindForTag(LookupTag("NOTE"), false), kKindNone);
}

TEST(FactKindTest, UserKindLabelsAndTheCaretPatterns) {
  EXPECT_TRUE(UserKindLabelMatches("^mil", "Military Service"));
  EXPECT_TRUE(UserKindLabelMatches("^SERV", "military service"));
  EXPECT_FALSE(UserKindLabelMatches("^navy", "Military Service"));
  // "^^" stands for a label that really begins with "^": exact text.
  EXPECT_TRUE(UserKindLabelMatches("^^Mil", "^Mil"));
  EXPECT_FALSE(UserKindLabelMatches("^^Mil", "^mil"));
  EXPECT_FALSE(UserKindLabelMatches("^^Mil", "Military"));
  // Two characters are too short for a pattern.
  EXPECT_TRUE(UserKindLabelMatches("^M", "^m"));
  EXPECT_FALSE(UserKindLabelMatches("^M", "Military"));
  EXPECT_TRUE(UserKindLabelMatches("Military", "MILITARY"));
  EXPECT_FALSE(UserKindLabelMatches("Military", "Military Service"));
  EXPECT_FALSE(UserKindLabelMatches("", ""));

  COptions options;
  options.SetFactLabel(36, "^war");
  options.SetFactLabel(37, "Military Service");
  EXPECT_EQ(MatchUserKind(options, "Military Service"), 37);
  EXPECT_EQ(MatchUserKind(options, "War Service"), 36);  // the earlier kind wins
  options.SetFactLabel(35, "^serv");
  EXPECT_EQ(MatchUserKind(options, "War Service"), 35);
  EXPECT_EQ(MatchUserKind(options, "Emigrated"), kKindNone);
}

TEST(FactKindTest, LabelsAreReadWithoutChangingTheOptionSet) {
  COptions options;
  options.m_strLblMarried = "Wed";
  options.SetFactLabel(8, "Count");
  EXPECT_EQ(FactKindLabel(options, 59), "Wed");
  EXPECT_EQ(FactKindLabel(options, 52), "Count");
  EXPECT_EQ(FactKindLabel(options, 1), "Baptised");
  EXPECT_EQ(FactKindLabel(options, 62), "");
}

TEST_F(FactTest, FieldsOfAFactLine) {
  Read(
      "0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 OCCU Farmer\r\n2 CONT and miller\r\n"
      "2 DATE 5 MAY\r\n3 CONC  1920\r\n2 PLAC York\r\n2 ADDR 1 Mill Lane\r\n3 CONT "
      "Hull\r\n"
      "2 TYPE Main\r\n2 TYPE trade\r\n2 NOTE @N1@\r\n2 NOTE inline\r\n3 CONT more\r\n"
      "2 NOTE @N9@\r\n2 SOUR @S1@\r\n3 PAGE 4\r\n2 SOUR @S2@\r\n"
      "0 @N1@ NOTE From the record\r\n1 CONT second\r\n"
      "0 @S1@ SOUR\r\n0 @S2@ SOUR\r\n");
  const GedcomRecord& ann = Load(RecordKind::kIndividual, "I1");
  Fact fact = Collector().BuildFact(*ann.FirstChild(LookupTag("OCCU")), false, "F1");
  EXPECT_EQ(fact.kind, 23);
  EXPECT_EQ(fact.label, "Occupation (Main trade)");
  EXPECT_EQ(fact.description, "Farmer%BR%and miller");
  EXPECT_EQ(fact.date, "5 MAY 1920");
  EXPECT_EQ(fact.place, "York");
  EXPECT_EQ(fact.address, "1 Mill Lane%BR%Hull");
  ASSERT_EQ(fact.notes.size(), 2u);  // the missing N9 gives nothing
  EXPECT_EQ(fact.notes[0], (std::vector<std::string>{"From the record", "second"}));
  EXPECT_EQ(fact.notes[1], (std::vector<std::string>{"inline", "more"}));
  ASSERT_EQ(fact.citations.size(), 2u);
  EXPECT_EQ(fact.citations[0]->pointer, "S1");
  EXPECT_EQ(fact.citations[1]->pointer, "S2");
  ASSERT_NE(fact.citations[0]->FirstChild(kTagPage), nullptr);
  // The citations belong to the fact's own copy of its line.
  EXPECT_EQ(fact.citations[0], &fact.line->children[fact.line->children.size() - 2]);
}

TEST_F(FactTest, PlacementByDisplayChoice) {
  options_.m_factInclude[1] = 2;   // Baptised within
  options_.m_factInclude[5] = 2;   // Buried within
  options_.m_factInclude[23] = 2;  // Occupation within
  options_.m_factInclude[28] = 1;  // Religion at the end
  options_.m_factInclude[49] = 1;  // other facts at the end
  options_.m_factInclude[17] = 0;  // Immigration not shown
  PersonFacts p = Person(
      "1 BAPM\r\n2 DATE 2 JAN 1900\r\n1 BIRT\r\n2 DATE 1 JAN 1900\r\n1 OCCU Smith\r\n"
      "1 IMMI\r\n2 DATE 1920\r\n1 RELI Quaker\r\n1 EVEN\r\n2 TYPE Voyage\r\n"
      "1 DEAT\r\n2 DATE 1950\r\n1 BURI\r\n2 PLAC York\r\n");
  EXPECT_EQ(p.display_name, "Ann Lee");
  EXPECT_EQ(p.sex, 'F');
  EXPECT_EQ(Labels(p.born), (std::vector<std::string>{"Born", "Baptised"}));
  EXPECT_EQ(Labels(p.died), (std::vector<std::string>{"Died", "Buried"}));
  EXPECT_EQ(Labels(p.other), (std::vector<std::string>{"Occupation"}));
  EXPECT_EQ(Labels(p.end), (std::vector<std::string>{"Religion", "Voyage"}));
  EXPECT_EQ(p.born[0].date, "1 JAN 1900");

  // Without "Include other facts" only birth and death remain.
  options_.m_bOtherFacts = false;
  PersonFacts q = Person("1 BIRT\r\n1 BAPM\r\n1 OCCU Smith\r\n1 RELI Quaker\r\n");
  EXPECT_EQ(Labels(q.born), (std::vector<std::string>{"Born"}));
  EXPECT_TRUE(q.other.empty());
  EXPECT_TRUE(q.end.empty());
}

TEST_F(FactTest, AlternateBirthsAndDeathsAndNames) {
  const std::string lines =
      "1 NAME Anna /Leigh/\r\n2 SOUR @S1@\r\n1 BIRT\r\n2 DATE 1900\r\n1 BIRT\r\n2 DATE "
      "1901\r\n"
      "1 DEAT\r\n2 DATE 1950\r\n1 DEAT\r\n2 DATE 1951\r\n0 @S1@ SOUR\r\n";
  PersonFacts none = Person(lines);
  EXPECT_EQ(none.born.size(), 1u);
  EXPECT_EQ(none.died.size(), 1u);
  EXPECT_TRUE(none.end.empty());
  EXPECT_TRUE(none.names_within.empty());
  EXPECT_TRUE(none.names_end.empty());

  options_.m_nAltBmdFacts = 2;
  options_.m_nAltNames = 2;
  PersonFacts within = Person(lines);
  ASSERT_EQ(within.born.size(), 2u);
  EXPECT_EQ(within.born[1].date, "1901");
  EXPECT_EQ(within.born[1].label, "Born");
  EXPECT_EQ(within.died.size(), 2u);
  ASSERT_EQ(within.names_within.size(), 1u);
  EXPECT_EQ(within.names_within[0].display, "Anna Leigh");
  EXPECT_EQ(within.names_within[0].citations.size(), 1u);

  options_.m_nAltBmdFacts = 1;
  options_.m_nAltNames = 1;
  PersonFacts end = Person(lines);
  EXPECT_EQ(end.born.size(), 1u);
  EXPECT_EQ(Labels(end.end), (std::vector<std::string>{"Born", "Died"}));
  ASSERT_EQ(end.names_end.size(), 1u);
  EXPECT_TRUE(end.HasEndMaterial(options_));
}

TEST_F(FactTest, UserDefinedKindsAndWarningEleven) {
  options_.SetFactLabel(34, "^milit");
  options_.SetFactLabel(35, "Hobby");
  options_.m_factInclude[34] = 2;
  options_.m_factInclude[35] = 0;
  options_.m_factInclude[49] = 2;
  options_.m_factInclude[14] = 2;
  PersonFacts p = Person(
      "1 EVEN\r\n2 TYPE Military Service\r\n1 EVEN\r\n2 TYPE hobby\r\n"
      "1 EVEN\r\n2 TYPE Voyage\r\n1 FACT\r\n2 TYPE military\r\n");
  ASSERT_EQ(p.other.size(), 3u);
  EXPECT_EQ(p.other[0].kind, 34);
  EXPECT_EQ(p.other[0].label, "Military Service");  // a pattern shows the type text
  EXPECT_EQ(p.other[1].kind, 49);
  EXPECT_EQ(p.other[1].label, "Voyage");
  EXPECT_EQ(p.other[2].kind, 14);  // only EVEN lines match user-defined kinds
  EXPECT_EQ(p.other[2].label, "Fact (military)");
  std::vector<std::string> lines = WarningLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("'hobby' for Ann Lee (<a href=", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(">F1</a>)."), std::string::npos) << lines[0];
}

TEST_F(FactTest, AssociatedPersonNamesTheIndividual) {
  options_.m_factInclude[49] = 2;
  PersonFacts p = Person(
      "1 EVEN\r\n2 TYPE Godparent\r\n2 ASSO @I2@\r\n1 EVEN @I2@\r\n2 TYPE Witness\r\n"
      "1 EVEN\r\n2 TYPE Nobody\r\n2 ASSO @I404@\r\n"
      "0 @I2@ INDI\r\n1 NAME Mary /Lee/\r\n1 DEAT Y\r\n");
  ASSERT_EQ(p.other.size(), 3u);
  EXPECT_EQ(p.other[0].person_name, "Mary Lee");
  EXPECT_EQ(p.other[1].person_name, "Mary Lee");
  EXPECT_EQ(p.other[1].description, "");
  EXPECT_EQ(p.other[2].person_key, "");
}

TEST_F(FactTest, ManyAssociatedPersonsDoNotPushThePersonOutOfReach) {
  // More associated people than the individual cache holds: loading them
  // must not disturb the lines of the person being collected.
  reader_.SetCacheBudget(0);  // the bare 20 individuals
  options_.m_factInclude[49] = 2;
  std::string lines;
  std::string others;
  for (int i = 2; i <= 40; ++i) {
    lines += "1 EVEN\r\n2 TYPE Witness\r\n2 ASSO @I" + std::to_string(i) + "@\r\n";
    others += "0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME W" + std::to_string(i) +
              " /Lee/\r\n1 DEAT Y\r\n";
  }
  PersonFacts p = Person(lines + "1 DEAT\r\n2 DATE 1990\r\n" + others);
  ASSERT_EQ(p.other.size(), 39u);
  EXPECT_EQ(p.other[0].person_name, "W2 Lee");
  EXPECT_EQ(p.other[38].person_name, "W40 Lee");
  ASSERT_EQ(p.died.size(), 1u);
  EXPECT_EQ(p.died[0].date, "1990");
}

TEST_F(FactTest, SharedFactsTakeTheFieldsAtTheEndOfTheChain) {
  Read(
      "0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 BIRT\r\n2 _SHAR @I2@\r\n"
      "0 @I2@ INDI\r\n1 NAME Bo /Lee/\r\n1 BIRT\r\n2 _SHAR @I3@\r\n"
      "0 @I3@ INDI\r\n1 NAME Cy /Lee/\r\n1 BIRT\r\n2 DATE 1 MAY 1900\r\n2 PLAC "
      "Leeds\r\n");
  PersonFacts p =
      Collector().CollectPerson(Load(RecordKind::kIndividual, "I1"), false, "F1");
  ASSERT_EQ(p.born.size(), 1u);
  EXPECT_EQ(p.born[0].date, "1 MAY 1900");
  EXPECT_EQ(p.born[0].place, "Leeds");
  EXPECT_EQ(p.born[0].shared_key, "I3");
  EXPECT_EQ(p.born[0].label, "Born");
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
}

TEST_F(FactTest, ASharedChainThatReachesItselfRaisesWarning21) {
  Read(
      "0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 BIRT\r\n2 DATE 1900\r\n2 _SHAR @I2@\r\n"
      "0 @I2@ INDI\r\n1 NAME Bo /Lee/\r\n1 BIRT\r\n2 _SHAR @i1@\r\n");
  PersonFacts p =
      Collector().CollectPerson(Load(RecordKind::kIndividual, "I1"), false, "F7");
  ASSERT_EQ(p.born.size(), 1u);
  EXPECT_EQ(p.born[0].date, "1900");  // the fact as it stands where it began
  EXPECT_EQ(p.born[0].shared_key, "");
  std::vector<std::string> lines = WarningLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("Family F7 (", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find("has a circular reference"), std::string::npos);
}

TEST_F(FactTest, ResearchAndMedicalNotes) {
  const std::string lines =
      "1 NOTE @N1@\r\n1 NOTE Seen in\r\n2 CONC  church\r\n1 _MDCL Asthma\r\n"
      "0 @N1@ NOTE Letter\r\n1 CONT page two\r\n";
  PersonFacts off = Person(lines);
  EXPECT_TRUE(off.research_notes.empty());
  EXPECT_TRUE(off.medical_notes.empty());
  options_.m_nResearchNotes = 2;
  options_.m_nMedicalNotes = 1;
  PersonFacts on = Person(lines);
  ASSERT_EQ(on.research_notes.size(), 2u);
  EXPECT_EQ(on.research_notes[0], (std::vector<std::string>{"Letter", "page two"}));
  EXPECT_EQ(on.research_notes[1], (std::vector<std::string>{"Seen in church"}));
  EXPECT_EQ(on.medical_notes, (std::vector<std::vector<std::string>>{{"Asthma"}}));
  EXPECT_TRUE(on.HasEndMaterial(options_));  // medical notes at the end
}

TEST_F(FactTest, LivingPersonUnderEachPrivacyChoice) {
  options_.m_factInclude[23] = 2;
  options_.m_nResearchNotes = 2;
  const std::string lines =
      "1 BIRT\r\n2 DATE 1 JAN 1990\r\n2 PLAC Leeds\r\n2 SOUR @S1@\r\n1 OCCU Pilot\r\n"
      "1 NOTE Private\r\n0 @S1@ SOUR\r\n";
  // Shown in full.
  PersonFacts shown = Person(lines, true);
  EXPECT_EQ(shown.born[0].date, "1 JAN 1990");
  EXPECT_EQ(shown.other.size(), 1u);
  EXPECT_FALSE(shown.hidden);

  // Dates replaced: place and everything beside the date go with it.
  options_.m_bFilterDates = true;
  options_.m_strPrivateDate = "<private>";
  PersonFacts dated = Person(lines, true);
  EXPECT_EQ(dated.born[0].date, "&lt;private&gt;");
  EXPECT_TRUE(dated.born[0].date_is_html);
  EXPECT_EQ(dated.born[0].place, "");
  EXPECT_EQ(dated.other.size(), 1u);

  // Notes and facts hidden.
  options_.m_bLivingDetails = false;
  PersonFacts details = Person(lines, true);
  EXPECT_TRUE(details.hidden);
  EXPECT_TRUE(details.other.empty());
  EXPECT_TRUE(details.research_notes.empty());
  EXPECT_FALSE(details.HasEndMaterial(options_));

  // Excluded: the filtered name alone.
  options_.m_bExcludeLiving = true;
  PersonFacts excluded = Person(lines, true);
  EXPECT_TRUE(excluded.excluded);
  EXPECT_EQ(excluded.display_name, ">>>");
  EXPECT_TRUE(excluded.born.empty());
  EXPECT_TRUE(excluded.name_citations.empty());
  EXPECT_TRUE(excluded.research_notes.empty());
}

class FamilyFactTest : public FactTest {
 protected:
  FamilyFacts Family(const std::string& lines, bool husband_living = false) {
    Read(
        "0 @I1@ INDI\r\n1 NAME Al /Lee/\r\n0 @I2@ INDI\r\n1 NAME Bea /Ray/\r\n"
        "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n" +
        lines);
    FactCollector c = Collector();
    husband_ = c.CollectPerson(Load(RecordKind::kIndividual, "I1"), husband_living, "F1");
    wife_ = c.CollectPerson(Load(RecordKind::kIndividual, "I2"), false, "F1");
    return c.CollectFamily(Load(RecordKind::kFamily, "F1"), &husband_, &wife_, "F1");
  }

  PersonFacts husband_;
  PersonFacts wife_;
};

TEST_F(FamilyFactTest, MarriagesByChoiceAndAlternates) {
  const std::string lines =
      "1 MARR\r\n2 DATE 1920\r\n1 MARR\r\n2 DATE 1921\r\n1 DIV\r\n2 DATE 1930\r\n"
      "1 NOTE Happy\r\n";
  options_.m_factInclude[53] = 1;
  FamilyFacts f = Family(lines);  // Married within, alternates excluded
  ASSERT_EQ(f.married.size(), 1u);
  EXPECT_EQ(f.married[0].label, "Married");
  EXPECT_EQ(f.married[0].date, "1920");
  EXPECT_EQ(Labels(f.end), (std::vector<std::string>{"Divorced"}));
  EXPECT_TRUE(f.marriage_notes.empty());

  options_.m_nAltBmdFacts = 2;
  options_.m_nMarriageNotes = 1;
  f = Family(lines);
  ASSERT_EQ(f.married.size(), 2u);
  EXPECT_EQ(f.married[1].date, "1921");
  EXPECT_EQ(f.marriage_notes.size(), 1u);

  options_.m_factInclude[59] = 1;
  options_.m_nAltBmdFacts = 1;
  f = Family(lines);
  EXPECT_TRUE(f.married.empty());
  EXPECT_EQ(Labels(f.end), (std::vector<std::string>{"Married", "Married", "Divorced"}));

  // Excluded marriages take their alternates with them.
  options_.m_factInclude[59] = 0;
  options_.m_nAltBmdFacts = 2;
  f = Family(lines);
  EXPECT_TRUE(f.married.empty());
  EXPECT_EQ(Labels(f.end), (std::vector<std::string>{"Divorced"}));

  // Without other facts the first marriage always shows within the sheet.
  options_.m_bOtherFacts = false;
  f = Family(lines);
  ASSERT_EQ(f.married.size(), 2u);
  EXPECT_TRUE(f.end.empty());
}

TEST_F(FamilyFactTest, LivingSpouseFiltersTheMarriage) {
  const std::string lines = "1 MARR\r\n2 DATE 2010\r\n2 PLAC Rome\r\n1 NOTE Secret\r\n";
  options_.m_nMarriageNotes = 2;
  options_.m_bFilterDates = true;
  FamilyFacts f = Family(lines, true);
  EXPECT_TRUE(f.living);
  EXPECT_EQ(f.married[0].date, "(Private)");
  EXPECT_EQ(f.married[0].place, "");
  EXPECT_EQ(f.marriage_notes.size(), 1u);

  options_.m_bExcludeLiving = true;
  f = Family(lines, true);
  EXPECT_TRUE(f.hidden);
  ASSERT_EQ(f.married.size(), 1u);
  EXPECT_FALSE(f.married[0].HasData());
  EXPECT_TRUE(f.married[0].citations.empty());
  EXPECT_TRUE(f.marriage_notes.empty());
}

TEST_F(FactTest, MarriageSettingWarnings) {
  CheckMarriageSettings(options_, test_env_.env.warnings());  // defaults: nothing to say
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
  options_.m_factInclude[59] = 0;
  options_.m_nAltBmdFacts = 1;
  CheckMarriageSettings(options_, test_env_.env.warnings());
  options_.m_factInclude[59] = 1;
  options_.m_nAltBmdFacts = 2;
  CheckMarriageSettings(options_, test_env_.env.warnings());
  std::vector<std::string> lines = WarningLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "Marriage facts have been excluded and are therefore not displayed.");
  EXPECT_EQ(
      lines[1],
      "Alternate marriage facts have been excluded because marriage facts have been "
      "excluded.");
  EXPECT_EQ(lines[2].rfind("Primary marriage facts are displayed at the end of page", 0),
            0u);
}

}  // namespace
}  // namespace vellix::site

namespace vellix::site {
namespace {

// A dead person's fact shared (_SHAR) with someone else shows that person's
// data; never when the site hides that person's details.
TEST_F(FactTest, SharedFactsStopBeforeAPersonWhoseDetailsAreHidden) {
  options_.m_bAssumeLiving = true;
  options_.m_factInclude[23] = 2;
  const std::string records =
      "0 @I1@ INDI\r\n1 NAME Old /Man/\r\n1 DEAT Y\r\n1 OCCU\r\n2 _SHAR @I4@\r\n"
      "0 @I4@ INDI\r\n1 NAME Young /Heir/\r\n1 BIRT\r\n2 DATE 1985\r\n"
      "1 OCCU Dancer\r\n2 PLAC Secretville\r\n"
      // A family fact shared with a couple, one of them the living heir.
      "0 @F1@ FAM\r\n1 HUSB @I4@\r\n1 RESI\r\n2 PLAC Hideaway\r\n";
  struct Case {
    const char* name;
    bool exclude_living;
    bool living_details;
    bool shown;
  };
  for (const Case& c : {Case{"included with details", false, true, true},
                        Case{"details hidden", false, false, false},
                        Case{"excluded", true, true, false}}) {
    options_.m_bExcludeLiving = c.exclude_living;
    options_.m_bLivingDetails = c.living_details;
    Read(records);
    PersonFacts p =
        Collector().CollectPerson(Load(RecordKind::kIndividual, "I1"), false, "F9");
    ASSERT_EQ(p.other.size(), 1u) << c.name;
    EXPECT_EQ(p.other[0].description == "Dancer", c.shown) << c.name;
    EXPECT_EQ(p.other[0].place == "Secretville", c.shown) << c.name;
    EXPECT_EQ(p.other[0].shared_key == "I4", c.shown) << c.name;

    GedcomNode shared(1, LookupTag("RESI"), "RESI", "");
    shared.children.emplace_back(2, kTagNonstandard, "_SHAR", "@F1@");
    shared.children.back().pointer = "F1";
    Fact fact = Collector().BuildFact(shared, false, "F9");
    EXPECT_EQ(fact.place == "Hideaway", c.shown) << c.name;
  }
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
}

// Under "filter dates" a birth, christening, burial or marriage of a living
// person shows the replacement text and nothing that would tell the date:
// no place, no notes, no citations; at the end of the page as well.
TEST_F(FactTest, APrivateDateTakesItsNotesAndCitationsAlong) {
  options_.m_bFilterDates = true;
  options_.m_bFactNotes = true;
  options_.m_factInclude[48] = 1;  // christenings at the end of the page
  options_.m_nAltBmdFacts = 1;     // second births at the end of the page
  options_.m_factInclude[23] = 1;  // occupations at the end: not filtered
  PersonFacts p = Person(
      "1 BIRT\r\n2 DATE 3 MAY 1985\r\n2 PLAC Birthtown\r\n2 NOTE born at home\r\n"
      "2 SOUR @S1@\r\n3 PAGE p. 3 May 1985\r\n"
      "1 BIRT\r\n2 DATE 4 MAY 1985\r\n2 PLAC Othertown\r\n2 SOUR @S1@\r\n"
      "1 CHR\r\n2 DATE 9 JUN 1985\r\n2 PLAC Churchtown\r\n2 NOTE font\r\n"
      "1 OCCU Pilot\r\n2 SOUR @S1@\r\n0 @S1@ SOUR\r\n",
      true);
  ASSERT_EQ(p.born.size(), 1u);
  ASSERT_EQ(p.end.size(), 3u);
  for (const Fact* fact : {&p.born[0], &p.end[0], &p.end[1]}) {
    EXPECT_EQ(fact->date, "(Private)") << fact->label;
    EXPECT_TRUE(fact->place.empty()) << fact->label;
    EXPECT_TRUE(fact->notes.empty()) << fact->label;
    EXPECT_TRUE(fact->citations.empty()) << fact->label;
  }
  EXPECT_EQ(p.end[2].description, "Pilot");
  EXPECT_EQ(p.end[2].citations.size(), 1u) << "other facts keep their citations";
}

// The facts keep copies of their citations, not pointers into the cached
// record: the person's record may leave the cache long before the page is
// written.
TEST_F(FactTest, CitationsOutliveTheCachedRecord) {
  reader_.SetCacheBudget(0);  // the bare 20 individuals
  options_.m_factInclude[23] = 2;
  std::string others;
  for (int i = 2; i <= 30; ++i) {
    others += "0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME W" + std::to_string(i) +
              " /Lee/\r\n";
  }
  PersonFacts p = Person(
      "1 NAME Ann /Smith/\r\n2 SOUR @S2@\r\n"
      "1 BIRT\r\n2 DATE 1900\r\n2 SOUR @S1@\r\n3 PAGE p. 7\r\n2 NOTE at home\r\n"
      "1 OCCU Pilot\r\n2 SOUR @S1@\r\n3 DATA\r\n4 TEXT seen\r\n2 SOUR @S2@\r\n"
      "1 DEAT Y\r\n0 @S1@ SOUR\r\n0 @S2@ SOUR\r\n" +
      others);
  for (int i = 2; i <= 30; ++i) Load(RecordKind::kIndividual, "I" + std::to_string(i));
  // I1 has left the cache now; its copies must still hold.
  ASSERT_EQ(p.born.size(), 1u);
  ASSERT_EQ(p.born[0].citations.size(), 1u);
  EXPECT_EQ(p.born[0].citations[0]->pointer, "S1");
  ASSERT_EQ(p.born[0].citations[0]->children.size(), 1u);
  EXPECT_EQ(p.born[0].citations[0]->children[0].value, "p. 7");
  ASSERT_EQ(p.other.size(), 1u);
  ASSERT_EQ(p.other[0].citations.size(), 2u);
  EXPECT_EQ(p.other[0].citations[0]->children[0].children[0].value, "seen");
  EXPECT_EQ(p.other[0].citations[1]->pointer, "S2");
  ASSERT_EQ(p.died.size(), 1u);
  EXPECT_TRUE(p.died[0].citations.empty());
  EXPECT_EQ(p.died[0].line, nullptr) << "a line without citations keeps no copy";
  EXPECT_TRUE(p.name_citations.empty()) << "the first NAME line has none";
}

TEST(CopyOfSourcesAndObjectsTest, KeepsOnlySourceAndMediaLinesWithTheirSubtrees) {
  GedcomNode line(1, kTagBirt, "BIRT", "");
  line.AddChild(GedcomNode(2, kTagDate, "DATE", "1900"));
  line.AddChild(GedcomNode(2, kTagSour, "SOUR", "@S1@"));
  line.children.back().pointer = "S1";
  line.AddChild(GedcomNode(3, LookupTag("PAGE"), "PAGE", "p. 1"));
  line.AddChild(GedcomNode(2, kTagPlac, "PLAC", "Leeds"));
  line.AddChild(GedcomNode(2, kTagObje, "OBJE", ""));
  line.AddChild(GedcomNode(3, LookupTag("FILE"), "FILE", "a.jpg"));
  line.AddChild(GedcomNode(2, kTagSour, "SOUR", "a book"));
  std::shared_ptr<const GedcomNode> copy = CopyOfSourcesAndObjects(line);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->tag, "BIRT");
  ASSERT_EQ(copy->children.size(), 3u);
  EXPECT_EQ(copy->children[0].pointer, "S1");
  ASSERT_EQ(copy->children[0].children.size(), 1u);
  EXPECT_EQ(copy->children[0].children[0].value, "p. 1");
  EXPECT_EQ(copy->children[1].tag, "OBJE");
  ASSERT_EQ(copy->children[1].children.size(), 1u);
  EXPECT_EQ(copy->children[1].children[0].value, "a.jpg");
  EXPECT_EQ(copy->children[2].value, "a book");
  EXPECT_EQ(CitationsOf(*copy).size(), 2u);

  GedcomNode bare(1, kTagDeat, "DEAT", "Y");
  bare.AddChild(GedcomNode(2, kTagDate, "DATE", "1950"));
  EXPECT_EQ(CopyOfSourcesAndObjects(bare), nullptr);
}

// The TYPE text of a fact becomes part of its label: converted like every
// other GEDCOM text, while the option set's own label stays as written.
TEST_F(FactTest, TypeTextInALabelIsEscaped) {
  options_.m_factInclude[12] = 2;  // education
  options_.m_factInclude[23] = 2;  // occupation
  options_.m_factInclude[49] = 2;  // other events
  options_.SetFactLabel(12, "<i>Education</i>");
  PersonFacts p = Person(
      "1 EVEN x\r\n2 TYPE <script>alert(1)</script>\r\n"
      "1 EDUC x\r\n2 TYPE <b>&\r\n"
      "1 OCCU x\r\n2 TYPE \"quoted\"\r\n");
  EXPECT_EQ(Labels(p.other),
            (std::vector<std::string>{"&lt;script&gt;alert(1)&lt;/script&gt;",
                                      "<i>Education</i> (&lt;b&gt;&amp;)",
                                      "Occupation (&#34;quoted&#34;)"}));
  options_.SetFactLabel(34, "^scr");  // a pattern label shows the matched text
  options_.m_factInclude[34] = 2;
  p = Person("1 EVEN x\r\n2 TYPE <script>\r\n");
  EXPECT_EQ(Labels(p.other), (std::vector<std::string>{"&lt;script&gt;"}));
}

TEST_F(FamilyFactTest, TypeTextOfAMarriageIsEscaped) {
  FamilyFacts f = Family("1 MARR\r\n2 TYPE <script>\r\n2 DATE 1920\r\n");
  ASSERT_EQ(f.married.size(), 1u);
  EXPECT_EQ(f.married[0].label, "Married");  // the marriage label wins
  options_.m_factInclude[53] = 2;
  f = Family("1 DIV\r\n2 TYPE <u>court</u>\r\n");
  EXPECT_EQ(Labels(f.married),
            (std::vector<std::string>{"Divorced (&lt;u&gt;court&lt;/u&gt;)"}));
}

TEST_F(FamilyFactTest, EveryFactOfALivingCoupleIsDateFiltered) {
  options_.m_bFilterDates = true;
  options_.m_factInclude[53] = 1;  // divorces at the end of the page
  options_.m_factInclude[55] = 2;  // engagements within
  FamilyFacts f = Family(
      "1 ENGA\r\n2 DATE 2009\r\n2 PLAC Paris\r\n1 DIV\r\n2 DATE 2015\r\n2 PLAC Oslo\r\n",
      true);
  ASSERT_EQ(f.married.size(), 1u);
  ASSERT_EQ(f.end.size(), 1u);
  for (const Fact* fact : {&f.married[0], &f.end[0]}) {
    EXPECT_EQ(fact->date, "(Private)") << fact->label;
    EXPECT_TRUE(fact->place.empty()) << fact->label;
  }
}

}  // namespace
}  // namespace vellix::site
