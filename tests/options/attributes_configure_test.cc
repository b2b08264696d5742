// The Configure rules for custom attributes: counts, status lines, the
// questions, navigation, sorting and the folder rules for chosen files.
#include "options/attributes_configure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "testing/test_support.h"

namespace vellix::options {
namespace {

using platform::MessageIcon;
using testing::RecordingPrompter;
using testing::TempDir;

void Put(CAttributesList& list, const std::string& ref, const std::string& link) {
  CAttributes* entry = list.Add(ref);
  entry->m_strReference = ref;
  entry->m_strLink = link;
}

std::vector<ConfigureEntry> People() {
  return {{"I3", "Nowak, Zofia", "", "Zosia"},
          {"I1", "kowalski, Jan", "", ""},
          {"I10", "Kowalski, Adam", "", ""},
          {"I2", "Moreau, Claire", "", ""}};
}

std::vector<std::string> References(const AttributesConfigure& configure) {
  std::vector<std::string> refs;
  for (const ConfigureEntry& entry : configure.entries()) refs.push_back(entry.reference);
  return refs;
}

TEST(AttributesConfigureTest, TitleCountsAndStatusLines) {
  COptions options;
  options.m_strGedcomFile = "\\home\\ann\\tree.ged";
  Put(options.m_indivAttributes, "I1", "jan.htm");
  {
    AttributesConfigure configure(AttributeOwner::kIndividuals, options, People(), {});
    EXPECT_EQ(configure.Title(), "Configure Individuals in tree.ged");
    EXPECT_EQ(configure.StatusLines(),
              std::vector<std::string>{"Attributes are defined for 1 entry"});
    EXPECT_EQ(configure.extra_count(), 0);
    EXPECT_FALSE(configure.CanPurge());
  }
  Put(options.m_indivAttributes, "I77", "gone.htm");
  Put(options.m_indivAttributes, "i2", "case.htm");  // not I2: letter case counts
  {
    AttributesConfigure configure(AttributeOwner::kIndividuals, options, People(), {});
    EXPECT_EQ(configure.StatusLines(),
              (std::vector<std::string>{"Attributes are defined for 3 entries",
                                        "including 2 entries not in this GEDCOM file"}));
    EXPECT_TRUE(configure.CanPurge());
    EXPECT_EQ(configure.PurgeToolTip(),
              "Clear attributes for entries not in \"tree.ged\"");
  }
  options.m_indivAttributes.Remove("i2");
  AttributesConfigure configure(AttributeOwner::kIndividuals, options, People(), {});
  EXPECT_EQ(configure.StatusLines()[1], "including 1 entry not in this GEDCOM file");

  options.m_strGedcomFile.clear();
  AttributesConfigure families(AttributeOwner::kFamilies, options, {}, {});
  EXPECT_EQ(families.Title(), "Configure Families");
  EXPECT_EQ(families.StatusLines(),
            std::vector<std::string>{"Attributes are defined for 0 entries"});
}

TEST(AttributesConfigureTest, PurgeAsksAboutThisOrTheseExtraEntries) {
  struct Case {
    std::vector<std::string> extras;
    std::string question;
  };
  const Case cases[] = {
      {{"I77"},
       "This action will clear attribute settings for the 1 entry\nnot in the current "
       "GEDCOM file.\n\nDo you want to purge this extra entry?\n(Click \"No\" if you are "
       "unsure.)"},
      {{"I77", "I78", "I79"},
       "This action will clear attribute settings for the 3 entries\nnot in the current "
       "GEDCOM file.\n\nDo you want to purge these extra entries?\n(Click \"No\" if you "
       "are unsure.)"},
  };
  for (const Case& c : cases) {
    COptions options;
    Put(options.m_indivAttributes, "I1", "jan.htm");
    for (const std::string& ref : c.extras) Put(options.m_indivAttributes, ref, "x.htm");
    AttributesConfigure configure(AttributeOwner::kIndividuals, options, People(), {});
    RecordingPrompter prompter;
    EXPECT_FALSE(configure.Purge(prompter));  // the default is No
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, c.question);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::kQuestion);
    EXPECT_EQ(configure.attributes().size(), c.extras.size() + 1);
    EXPECT_FALSE(configure.modified());

    prompter.QueueAnswers({true});
    EXPECT_TRUE(configure.Purge(prompter));
    EXPECT_EQ(configure.attributes().size(), 1u);
    EXPECT_EQ(configure.extra_count(), 0);
    EXPECT_FALSE(configure.CanPurge());
    EXPECT_TRUE(configure.modified());
    EXPECT_FALSE(configure.Purge(prompter));  // nothing left to purge, nothing asked
    EXPECT_EQ(prompter.messages().size(), 2u);
  }
}

TEST(AttributesConfigureTest, PurgeRemovesTheHiddenEarlierDuplicateOfAReference) {
  COptions options;
  Put(options.m_indivAttributes, "I1", "first.htm");
  Put(options.m_indivAttributes, "I1", "second.htm");
  options.m_indivAttributes.RebuildIndex();
  AttributesConfigure configure(AttributeOwner::kIndividuals, options, People(), {});
  EXPECT_EQ(configure.extra_count(), 1);
  RecordingPrompter prompter;
  prompter.QueueAnswers({true});
  ASSERT_TRUE(configure.Purge(prompter));
  ASSERT_EQ(configure.attributes().size(), 1u);
  EXPECT_EQ(configure.attributes().entries().front().m_strLink, "second.htm");
}

TEST(AttributesConfigureTest, ClearOneClearAllAndTheDiscardQuestion) {
  COptions options;
  Put(options.m_familyAttributes, "F1", "f1.htm");
  Put(options.m_familyAttributes, "F2", "f2.htm");
  Put(options.m_familyAttributes, "F9", "f9.htm");
  AttributesConfigure configure(AttributeOwner::kFamilies, options,
                                {{"F1", "A", "B", ""}, {"F2", "C", "D", ""}}, {});
  RecordingPrompter prompter;
  EXPECT_TRUE(configure.ConfirmDiscard(prompter));  // nothing changed, nothing asked
  EXPECT_TRUE(prompter.messages().empty());

  EXPECT_TRUE(configure.Clear("F9"));
  EXPECT_FALSE(configure.Clear("F9"));
  EXPECT_EQ(configure.extra_count(), 0);
  EXPECT_EQ(configure.Find("F9"), nullptr);
  EXPECT_FALSE(configure.ConfirmDiscard(prompter));  // default No
  EXPECT_EQ(prompter.messages().back().text, "Do you want to discard your changes?");

  EXPECT_FALSE(configure.ClearAll(prompter));
  EXPECT_EQ(prompter.messages().back().text,
            "This action will clear all attribute settings for all families.\n\n"
            "Do you want to reset all entries?");
  EXPECT_EQ(configure.attributes().size(), 2u);
  prompter.QueueAnswers({true, true});
  EXPECT_TRUE(configure.ClearAll(prompter));
  EXPECT_TRUE(configure.attributes().empty());
  EXPECT_TRUE(configure.ConfirmDiscard(prompter));

  // Nothing reached the option set until the changes are applied.
  EXPECT_EQ(options.m_familyAttributes.size(), 3u);
  configure.ApplyTo(options);
  EXPECT_TRUE(options.m_familyAttributes.empty());
  EXPECT_FALSE(configure.modified());
}

TEST(AttributesConfigureTest, SetAddsChangesAndWithFourEmptyValuesRemoves) {
  COptions options;
  AttributesConfigure configure(AttributeOwner::kIndividuals, options, People(), {});
  CAttributes values;
  values.m_strText = "grandfather";
  values.m_strReference = "ignored";
  configure.Set("I2", values);
  ASSERT_NE(configure.Find("I2"), nullptr);
  EXPECT_EQ(configure.Find("I2")->m_strReference, "I2");
  EXPECT_EQ(configure.Find("I2")->m_strText, "grandfather");
  configure.Set("I404", values);
  EXPECT_EQ(configure.extra_count(), 1);
  EXPECT_FALSE(configure.InGedcom("I404"));
  EXPECT_TRUE(configure.InGedcom("I2"));
  configure.Set("I2", CAttributes());
  EXPECT_EQ(configure.Find("I2"), nullptr);
  configure.ApplyTo(options);
  EXPECT_EQ(options.m_indivAttributes.size(), 1u);
}

TEST(AttributesConfigureTest, EntriesSortAsTheSettingsSayAndNavigationSkipsToAttributes) {
  COptions options;
  Put(options.m_indivAttributes, "I2", "claire.htm");
  Put(options.m_indivAttributes, "I10", "adam.htm");
  AttributesConfigure by_name(AttributeOwner::kIndividuals, options, People(),
                              {0, 0, true});
  EXPECT_EQ(References(by_name), (std::vector<std::string>{"I10", "I1", "I2", "I3"}));
  EXPECT_EQ(by_name.EntryText(by_name.entries()[3]), "Nowak, Zofia (Zosia)");
  EXPECT_EQ(by_name.NextWithAttributes(std::nullopt), std::optional<size_t>(0));
  EXPECT_EQ(by_name.NextWithAttributes(0), std::optional<size_t>(2));
  EXPECT_EQ(by_name.NextWithAttributes(2), std::nullopt);
  EXPECT_EQ(by_name.PriorWithAttributes(2), std::optional<size_t>(0));
  EXPECT_EQ(by_name.PriorWithAttributes(0), std::nullopt);
  EXPECT_EQ(by_name.PriorWithAttributes(std::nullopt), std::optional<size_t>(2));

  AttributesConfigure by_ref(AttributeOwner::kIndividuals, options, People(),
                             {1, 0, false});
  EXPECT_EQ(References(by_ref), (std::vector<std::string>{"I1", "I10", "I2", "I3"}));
  EXPECT_EQ(by_ref.EntryText(by_ref.entries()[3]), "Nowak, Zofia");

  const std::vector<ConfigureEntry> families = {{"F1", "Smith, Tom", "Brown, Ann", ""},
                                                {"F2", "Adams, Bob", "Zeller, Eve", ""},
                                                {"F3", "Smith, Tom", "Adams, Ada", ""}};
  const struct {
    int order;
    std::vector<std::string> refs;
  } orders[] = {
      {0, {"F2", "F3", "F1"}}, {1, {"F3", "F1", "F2"}}, {2, {"F1", "F2", "F3"}}};
  for (const auto& o : orders) {
    AttributesConfigure configure(AttributeOwner::kFamilies, options, families,
                                  {0, o.order, false});
    EXPECT_EQ(References(configure), o.refs) << o.order;
  }
  AttributesConfigure f(AttributeOwner::kFamilies, options, families, {});
  EXPECT_EQ(f.EntryText(f.entries()[0]), "Adams, Bob & Zeller, Eve");
}

TEST(AttributesConfigureTest, ResortingKeepsTheEditsAndFollowsTheNewOrder) {
  COptions options;
  AttributesConfigure configure(AttributeOwner::kIndividuals, options, People(),
                                {0, 0, false});
  CAttributes values;
  values.m_strLink = "zofia.htm";
  configure.Set("I3", values);
  configure.SetSort({1, 0, true});
  EXPECT_EQ(References(configure), (std::vector<std::string>{"I1", "I10", "I2", "I3"}));
  EXPECT_EQ(configure.EntryText(configure.entries()[3]), "Nowak, Zofia (Zosia)");
  EXPECT_EQ(configure.NextWithAttributes(std::nullopt), std::optional<size_t>(3));
  EXPECT_TRUE(configure.modified());
  ASSERT_NE(configure.Find("I3"), nullptr);
  EXPECT_EQ(configure.Find("I3")->m_strLink, "zofia.htm");
  configure.SetSort({0, 0, false});
  EXPECT_EQ(References(configure), (std::vector<std::string>{"I10", "I1", "I2", "I3"}));
}

class FileChoiceTest : public ::testing::Test {
 protected:
  FileChoiceTest() {
    platform::CreateFolders(dir_.File("site/images/sub"));
    platform::CreateFolders(dir_.File("other"));
    dest_ = platform::StoredPath(dir_.File("site"));
    folders_.individual_image = "images\\";
  }
  FileChoice Choose(AttributeFileKind kind, const std::string& chosen) {
    return ChooseAttributeFile(kind, chosen, dest_, folders_, prompter_);
  }

  TempDir dir_;
  std::string dest_;
  AttributeFolders folders_;
  RecordingPrompter prompter_;
};

TEST_F(FileChoiceTest, AFileInOrBelowTheKindsFolderKeepsItsPathBelowIt) {
  const struct {
    AttributeFileKind kind;
    std::string chosen;
    std::string value;
  } cases[] = {
      {AttributeFileKind::kIndividualImage, "site/images/a.jpg", "a.jpg"},
      {AttributeFileKind::kIndividualImage, "site/images/sub/b.jpg", "sub\\b.jpg"},
      // No folder of its own: the destination folder.
      {AttributeFileKind::kBiography, "site/bio.htm", "bio.htm"},
      {AttributeFileKind::kNarrative, "site/images/n.htm", "images\\n.htm"},
  };
  for (const auto& c : cases) {
    const FileChoice choice = Choose(c.kind, dir_.File(c.chosen));
    EXPECT_EQ(choice.value, c.value) << c.chosen;
    EXPECT_EQ(choice.outcome, FileChoiceOutcome::kInFolder);
  }
  EXPECT_TRUE(prompter_.messages().empty());
  EXPECT_EQ(folders_.individual_image, "images\\");
}

TEST_F(FileChoiceTest, AFileElsewhereAsksWhetherItsFolderBecomesTheKindsFolder) {
  const std::string chosen = dir_.File("other/c.jpg");
  FileChoice choice = Choose(AttributeFileKind::kIndividualImage, chosen);
  EXPECT_EQ(choice.value, "c.jpg");
  EXPECT_EQ(choice.outcome, FileChoiceOutcome::kFolderKept);  // default No
  ASSERT_EQ(prompter_.messages().size(), 1u);
  EXPECT_EQ(prompter_.messages()[0].text,
            chosen +
                "\n\nThis file is not in the current folder for individual image files.\n"
                "All individual image files must reside in the same folder.\n\n"
                "Current folder for individual image files:\n   " +
                dir_.File("site/images/") +
                "\n\nNew folder for individual image files:\n   " + dir_.File("other/") +
                "\n\nDo you want to use the new folder for your individual image files?");
  EXPECT_EQ(prompter_.messages()[0].icon, MessageIcon::kQuestion);
  EXPECT_EQ(folders_.individual_image, "images\\");

  prompter_.QueueAnswers({true});
  choice = Choose(AttributeFileKind::kIndividualImage, chosen);
  EXPECT_EQ(choice.outcome, FileChoiceOutcome::kFolderChanged);
  EXPECT_EQ(folders_.individual_image, "..\\other\\");  // relative to the destination
  EXPECT_EQ(Choose(AttributeFileKind::kIndividualImage, dir_.File("other/d.jpg")).outcome,
            FileChoiceOutcome::kInFolder);

  // Imported text keeps a full folder path; with none set the question
  // names the destination folder as the current one.
  prompter_.QueueAnswers({true});
  choice = Choose(AttributeFileKind::kImportText, dir_.File("other/f1.txt"));
  EXPECT_NE(
      prompter_.messages().back().text.find(
          "Current folder for imported text files:\n   " + dir_.File("site/") + "\n"),
      std::string::npos);
  EXPECT_EQ(folders_.import_text, platform::StoredPath(dir_.File("other/")));
  EXPECT_EQ(choice.value, "f1.txt");
}

TEST_F(FileChoiceTest, APageOnAnotherFileSystemGetsTheDriveWarningAndKeepsTheFolder) {
  if (!platform::FolderExists("/proc/self")) GTEST_SKIP() << "needs /proc";
  folders_.biography = "bio\\";
  const FileChoice choice = Choose(AttributeFileKind::kBiography, "/proc/self/status");
  EXPECT_EQ(choice.outcome, FileChoiceOutcome::kOtherFileSystem);
  EXPECT_EQ(choice.value, "status");
  EXPECT_EQ(folders_.biography, "bio\\");
  ASSERT_EQ(prompter_.messages().size(), 1u);
  EXPECT_EQ(prompter_.messages()[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(
      prompter_.messages()[0].text,
      "/proc/self/status\n\nThis file appears to reside on a disk volume different "
      "from that of the destination folder.\n\nThe destination folder is:\n   " +
          dir_.File("site") +
          "\n\nFor a proper relative folder path, you should either choose a file on "
          "drive \"" +
          platform::MountPointOf(dir_.File("site")) +
          "\" or change the destination folder on the \"Files\" tab.");
  // Imported text may lie anywhere: it is asked about, not warned.
  Choose(AttributeFileKind::kImportText, "/proc/self/status");
  EXPECT_TRUE(prompter_.messages().back().question);
}

TEST(AttributeFileTexts, DialogTitlesAndFilters) {
  EXPECT_EQ(FileDialogTitle(AttributeFileKind::kBiography, "Jan Kowalski"),
            "Biography web page for individual Jan Kowalski");
  EXPECT_EQ(FileDialogTitle(AttributeFileKind::kGroupImage, "Kowalski & Nowak"),
            "Image file for family Kowalski & Nowak");
  EXPECT_EQ(FileDialogTitle(AttributeFileKind::kImportText, "F1"),
            "Import text file for family F1");
  EXPECT_EQ(FileDialogFilter(AttributeFileKind::kNarrative),
            "HTML Files (*.htm; *.html)|*.htm;*.html|All Files (*.*)|*.*||");
  EXPECT_EQ(
      FileDialogFilter(AttributeFileKind::kIndividualImage),
      "Image Files (*.gif; *.jpg; *.jpeg)|*.gif;*.jpg;*.jpeg|All Files (*.*)|*.*||");
  EXPECT_EQ(
      FileDialogFilter(AttributeFileKind::kImportText),
      "Import Files (*.txt; *.htm; *.html)|*.txt;*.htm;*.html|All Files (*.*)|*.*||");
}

TEST(AttributesConfigureTest, ChoosingAFileStoresItInTheEntryAndApplyReturnsTheFolders) {
  TempDir dir;
  platform::CreateFolders(dir.File("site"));
  platform::CreateFolders(dir.File("texts"));
  COptions options;
  options.m_strDestFolder = platform::StoredPath(dir.File("site"));
  AttributesConfigure configure(AttributeOwner::kFamilies, options,
                                {{"F1", "A", "B", ""}}, {});
  RecordingPrompter prompter;
  prompter.QueueAnswers({true});
  configure.ChooseFile("F1", AttributeFileKind::kImportText, dir.File("texts/f1.txt"),
                       prompter);
  configure.ChooseFile("F1", AttributeFileKind::kNarrative, dir.File("site/f1.htm"),
                       prompter);
  ASSERT_NE(configure.Find("F1"), nullptr);
  EXPECT_EQ(configure.Find("F1")->m_strText, "f1.txt");
  EXPECT_EQ(configure.Find("F1")->m_strLink, "f1.htm");
  configure.ApplyTo(options);
  EXPECT_EQ(options.m_strImportFolder, platform::StoredPath(dir.File("texts/")));
  ASSERT_TRUE(options.m_familyAttributes.Find("F1"));
}

}  // namespace
}  // namespace vellix::options
