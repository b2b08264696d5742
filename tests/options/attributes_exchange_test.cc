// Exporting and importing the custom attributes of an option set: the
// round trip, the checks, the questions and the refusals.
#include "options/attributes_exchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/test_support.h"

namespace vellix::options {
namespace {

using platform::MessageIcon;
using testing::ReadFile;
using testing::RecordingPrompter;
using testing::TempDir;

void Put(CAttributesList& list, const std::string& ref, const std::string& link,
         const std::string& text, const std::string& image, const std::string& caption) {
  CAttributes* entry = list.Find(ref) ? list.m_pCurrent : list.Add(ref);
  entry->m_strReference = ref;
  entry->m_strLink = link;
  entry->m_strText = text;
  entry->m_strImage = image;
  entry->m_strCaption = caption;
}

std::vector<std::string> Fields(const CAttributes& e) {
  return {e.m_strReference, e.m_strLink, e.m_strText, e.m_strImage, e.m_strCaption};
}

class AttributesExchangeTest : public ::testing::Test {
 protected:
  AttributesExchangeTest() {
    option_set_ = dir_.Write("Options.dat", "stands for a set");
  }

  ExchangeResult Export(const COptions& options, const std::string& file) {
    return ExportAttributes(options, option_set_, file, prompter_);
  }
  ExchangeResult Import(COptions& options, const std::string& file) {
    return ImportAttributes(options, option_set_, file, prompter_);
  }
  std::string LastMessage() const {
    return prompter_.messages().empty() ? "" : prompter_.messages().back().text;
  }

  TempDir dir_;
  std::string option_set_;
  RecordingPrompter prompter_;
};

TEST_F(AttributesExchangeTest, ExportClearImportGivesTheSameAttributes) {
  COptions options;
  Put(options.m_indivAttributes, "I2", "bio2.htm", "", "", "");
  Put(options.m_indivAttributes, "I1", "pages\\bio 1.htm", "\"great\" uncle",
      "old photos\\i1.jpg", "At the farm, 1921");
  Put(options.m_indivAttributes, "I3", "", "", "", "\"Quoted\"");
  Put(options.m_indivAttributes, "I4", "", "first line\nsecond line", "", "  blanks  ");
  Put(options.m_familyAttributes, "F1", "narr.htm", "\\texts\\f1.txt", "f1.jpg",
      "Zoë, Zbigniew and Łucja");
  const COptions exported = options;
  const std::string file = dir_.File("attributes.csv");

  ASSERT_EQ(Export(options, file), ExchangeResult::kDone);
  EXPECT_EQ(LastMessage(), file + "\n\nExport completed.\n");
  EXPECT_EQ(prompter_.messages().back().icon, MessageIcon::kNone);
  // "Ł" does not fit Windows-1252, so the file is UTF-8 with its mark.
  EXPECT_EQ(ReadFile(file).rfind("\xEF\xBB\xBF# VELLIX Custom Attributes\r\n", 0), 0u);

  options.m_indivAttributes.RemoveAll();
  options.m_familyAttributes.RemoveAll();
  ASSERT_EQ(Import(options, file), ExchangeResult::kDone);
  EXPECT_EQ(LastMessage(), file + "\n\nImport completed.\n");
  // The same entries; the file lists them sorted, so compare by reference.
  for (const CAttributesList* list :
       {&exported.m_indivAttributes, &exported.m_familyAttributes}) {
    CAttributesList& back = list == &exported.m_indivAttributes
                                ? options.m_indivAttributes
                                : options.m_familyAttributes;
    EXPECT_EQ(back.size(), list->size());
    for (const CAttributes& entry : list->entries()) {
      ASSERT_TRUE(back.Find(entry.m_strReference)) << entry.m_strReference;
      EXPECT_EQ(Fields(*back.m_pCurrent), Fields(entry));
    }
  }
}

TEST_F(AttributesExchangeTest, AWindows1252FileIsWrittenAndReadBack) {
  COptions options;
  Put(options.m_indivAttributes, "I1", "", "", "zoë.jpg", "Zoë");
  const std::string file = dir_.File("w.csv");
  ASSERT_EQ(Export(options, file), ExchangeResult::kDone);
  EXPECT_NE(ReadFile(file).find("\"I1\",,,\"zo\xEB.jpg\",\"Zo\xEB\"\r\n"),
            std::string::npos);
  COptions other;
  ASSERT_EQ(Import(other, file), ExchangeResult::kDone);
  ASSERT_TRUE(other.m_indivAttributes.Find("I1"));
  EXPECT_EQ(other.m_indivAttributes.m_pCurrent->m_strCaption, "Zoë");
}

TEST_F(AttributesExchangeTest, AFileFromAnotherOptionSetMergesIntoThisOne) {
  COptions first;
  Put(first.m_indivAttributes, "I1", "from-first.htm", "", "", "");
  Put(first.m_familyAttributes, "F7", "", "", "group.jpg", "Wedding");
  const std::string file = dir_.File("first.csv");
  ASSERT_EQ(Export(first, file), ExchangeResult::kDone);

  COptions second;
  Put(second.m_indivAttributes, "I1", "mine.htm", "brother", "i1.jpg", "Me");
  Put(second.m_indivAttributes, "I5", "i5.htm", "", "", "");
  ASSERT_EQ(Import(second, file), ExchangeResult::kDone);
  ASSERT_TRUE(second.m_indivAttributes.Find("I1"));
  EXPECT_EQ(second.m_indivAttributes.m_pCurrent->m_strLink, "from-first.htm");
  EXPECT_EQ(second.m_indivAttributes.m_pCurrent->m_strText, "");  // replaced whole
  ASSERT_TRUE(second.m_indivAttributes.Find("I5"));
  EXPECT_EQ(second.m_indivAttributes.m_pCurrent->m_strLink, "i5.htm");
  ASSERT_TRUE(second.m_familyAttributes.Find("F7"));
  EXPECT_EQ(second.m_familyAttributes.m_pCurrent->m_strCaption, "Wedding");
}

TEST_F(AttributesExchangeTest, ForeignAndDamagedFilesAreRefusedAndChangeNothing) {
  struct Case {
    std::string name;
    std::string content;
    std::string message;  // after the path and two line breaks
  };
  const Case cases[] = {
      {"plain.csv", "\"I1\",\"bio.htm\",,,\r\n",
       "The import file is not a VELLIX custom attributes file."},
      {"Other.dat", std::string("\x27\0\0\0LQP45G21\0\0", 14),
       "The import file is not a VELLIX custom attributes file."},
      {"open.csv",
       "# VELLIX Custom Attributes\r\n# Section::Individuals\r\n\"I1\",\"x.htm\r\n",
       "The import file is damaged: a quotation mark is not closed (line 3).\n"
       "Nothing was imported; the custom attributes are unchanged."},
      {"stray.csv",
       "# VELLIX Custom Attributes\r\n# Section::Individuals\r\n\"I1\"\r\n"
       "\"I2\",\"a\"b\",,,\r\n",
       "The import file is damaged: text follows a closing quotation mark (line 4).\n"
       "Nothing was imported; the custom attributes are unchanged."},
      {"binary.csv", std::string("# VELLIX Custom Attributes\r\n\0\x7f\x45LF", 33),
       "The import file is damaged: the file holds binary data.\n"
       "Nothing was imported; the custom attributes are unchanged."},
  };
  for (const Case& c : cases) {
    COptions options;
    Put(options.m_indivAttributes, "I1", "kept.htm", "", "", "");
    const COptions before = options;
    const std::string file = dir_.Write(c.name, c.content);
    EXPECT_EQ(Import(options, file), ExchangeResult::kRefused) << c.name;
    EXPECT_EQ(LastMessage(), file + "\n\n" + c.message);
    EXPECT_EQ(prompter_.messages().back().icon, MessageIcon::kStop);
    EXPECT_EQ(options.m_indivAttributes, before.m_indivAttributes) << c.name;
    EXPECT_TRUE(options.m_familyAttributes.empty());
  }
}

TEST_F(AttributesExchangeTest, ExportAsksBeforeOverwritingAFileOfAnotherKind) {
  COptions options;
  Put(options.m_indivAttributes, "I1", "a.htm", "", "", "");
  const std::string letter = dir_.Write("letter.txt", "Dear cousin");
  const std::string question =
      letter +
      "\n\nThe export file already exists! If you overwrite this file, you will delete "
      "its current contents.\n\nDo you want to overwrite the contents of this file?\n"
      "(Click \"No\" if you are not sure.)";
  EXPECT_EQ(Export(options, letter), ExchangeResult::kDeclined);  // default No
  EXPECT_EQ(LastMessage(), question);
  EXPECT_TRUE(prompter_.messages().back().question);
  EXPECT_EQ(prompter_.messages().back().icon, MessageIcon::kStop);
  EXPECT_EQ(ReadFile(letter), "Dear cousin");

  prompter_.QueueAnswers({true});
  EXPECT_EQ(Export(options, letter), ExchangeResult::kDone);
  EXPECT_NE(ReadFile(letter).find("\"I1\",\"a.htm\""), std::string::npos);

  // An exchange file is overwritten without a question.
  const size_t asked = prompter_.messages().size();
  Put(options.m_indivAttributes, "I1", "b.htm", "", "", "");
  EXPECT_EQ(Export(options, letter), ExchangeResult::kDone);
  EXPECT_EQ(prompter_.messages().size(), asked + 1);  // only "Export completed."
  EXPECT_NE(ReadFile(letter).find("\"I1\",\"b.htm\""), std::string::npos);
}

TEST_F(AttributesExchangeTest, TheOptionSetAndTheImportFileMustExist) {
  COptions options;
  EXPECT_EQ(ExportAttributes(options, "", dir_.File("a.csv"), prompter_),
            ExchangeResult::kRefused);
  EXPECT_EQ(LastMessage(), "You must specify a VELLIX options set file.");
  const std::string gone = dir_.File("Gone.dat");
  EXPECT_EQ(ImportAttributes(options, gone, dir_.File("a.csv"), prompter_),
            ExchangeResult::kRefused);
  EXPECT_EQ(
      LastMessage(),
      gone + "\n\nThis file does not exist.\nPlease check the file name and try again.");
  EXPECT_EQ(Import(options, dir_.File("missing.csv")), ExchangeResult::kRefused);
  EXPECT_EQ(LastMessage(), dir_.File("missing.csv") +
                               "\n\nThis file does not exist.\nPlease check the file "
                               "name and try again.");
  // A folder cannot take the export; the message says why.
  EXPECT_EQ(Export(options, dir_.path()), ExchangeResult::kRefused);
  EXPECT_EQ(
      LastMessage().rfind(dir_.path() + "\n\nThe export file could not be written:\n", 0),
      0u);
}

}  // namespace
}  // namespace vellix::options
