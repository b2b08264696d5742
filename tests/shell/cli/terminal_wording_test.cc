// Every message that names a button, a tab or a mouse action, as the
// terminal says it; every other sentence word for word.
#include "shell/cli/terminal_wording.h"

#include <gtest/gtest.h>

namespace vellix::cli {
namespace {

using platform::MessageIcon;

TEST(TerminalWording, ReplacesOnlyTheSentencesThatNameButtons) {
  struct Case {
    const char* window;
    const char* terminal;
  };
  const Case cases[] = {
      {"You have not specified a GEDCOM Input File.\n\nPlease click \"Options\" and "
       "specify a file.",
       "You have not specified a GEDCOM Input File.\n\nPlease name the file on the "
       "command line ('vellix generate GEDCOM') or with 'vellix options set "
       "strGedcomFile GEDCOM'."},
      {"/t/a.ged\n\nThis GEDCOM input file does not exist or is not accessible.\n\nClick "
       "\"Options\" to verify the file name is correct.",
       "/t/a.ged\n\nThis GEDCOM input file does not exist or is not accessible.\n\nCheck "
       "the file named on the command line, or the option set's with 'vellix options "
       "get strGedcomFile'."},
      {"You have not specified a Destination Folder.\n\nPlease click \"Options\" and "
       "specify a folder.",
       "You have not specified a Destination Folder.\n\nPlease set the destination "
       "with '-o DIR' or 'vellix options set strDestFolder DIR'."},
      {"/t/site\n\nThe destination folder path does not exist or is not "
       "accessible.\n\nClick \"Options\" to verify the folder name is correct.",
       "/t/site\n\nThe destination folder path does not exist or is not "
       "accessible.\n\nCheck the folder given with '-o DIR', or the option set's with "
       "'vellix options get strDestFolder'."},
      {"Web page generation complete.\nClick \"View\" to see your results.",
       "Web page generation complete.\nRun 'vellix view' to see your results."},
      {"There are no results to view!\n\nClick \"Generate\" before selecting \"View.\"",
       "There are no results to view!\n\nRun 'vellix generate' before 'vellix view'."},
      {"/t/o.dat\n\nThis options set was created with a newer version of VELLIX.\n\n"
       "If you save now, some options may be reset to their default values.\n"
       "You should click \"No\" and run the newer VELLIX program\n"
       "to avoid losing the settings made with that newer version.\n\n"
       "Do you want to overwrite this options set with an older version?",
       "/t/o.dat\n\nThis options set was created with a newer version of VELLIX.\n\n"
       "If you save now, some options may be reset to their default values.\n"
       "You should answer No (or give --no) and run the newer VELLIX program\n"
       "to avoid losing the settings made with that newer version.\n\n"
       "Do you want to overwrite this options set with an older version?"},
      {"Program options have been created and assigned default values.\n"
       "Please review or change these settings to suit your needs.\n\n",
       "Program options have been created and assigned default values.\n"
       "Please review or change these settings to suit your needs. List them with "
       "'vellix options list'; change one with 'vellix options set KEY VALUE'.\n\n"},
      {"This action will clear attribute settings for the 2 entries\nnot in the current "
       "GEDCOM file.\n\nDo you want to purge these extra entries?\n(Click \"No\" if you "
       "are unsure.)",
       "This action will clear attribute settings for the 2 entries\nnot in the current "
       "GEDCOM file.\n\nDo you want to purge these extra entries?\n(Answer No if you "
       "are unsure.)"},
      {"/t/x.csv\n\nThe export file already exists! If you overwrite this file, you "
       "will delete its current contents.\n\nDo you want to overwrite the contents of "
       "this file?\n(Click \"No\" if you are not sure.)",
       "/t/x.csv\n\nThe export file already exists! If you overwrite this file, you "
       "will delete its current contents.\n\nDo you want to overwrite the contents of "
       "this file?\n(Answer No if you are not sure.)"},
      {"You have not yet specified a GEDCOM Input File.\n\nPlease click the \"Files\" "
       "tab and specify a GEDCOM file.",
       "You have not yet specified a GEDCOM Input File.\n\nPlease name one with "
       "'vellix options set strGedcomFile GEDCOM'."},
      {"/t/a.ged\n\nThis GEDCOM file does not exist or is not accessible.  Ensure it is "
       "spelled correctly on the \"Files\" tab.",
       "/t/a.ged\n\nThis GEDCOM file does not exist or is not accessible.  Ensure it is "
       "spelled correctly ('vellix options get strGedcomFile')."},
      {"If you intended that every family have a User Reference Number (REFN tag), "
       "click \"No\" now and use your genealogy program to add those tags to every "
       "family. Then re-export a GEDCOM file.",
       "If you intended that every family have a User Reference Number (REFN tag), "
       "answer No now and use your genealogy program to add those tags to every "
       "family. Then re-export a GEDCOM file."},
      // Texts without buttons stay exactly as they are.
      {"Web page generation complete.\n", "Web page generation complete.\n"},
      {"\nWeb page generation CANCELED.", "\nWeb page generation CANCELED."},
      {"/t/a.ged\n\nThis file does not appear to be a GEDCOM file.",
       "/t/a.ged\n\nThis file does not appear to be a GEDCOM file."},
      {"Click to View", "Click to View"},
  };
  for (const Case& c : cases) EXPECT_EQ(TerminalWording(c.window), c.terminal);
}

TEST(TerminalWording, MessagesBecomeIndentedLinesWithoutBlankOnes) {
  EXPECT_EQ(TerminalMessage(MessageIcon::kStop,
                            "/t/a.ged\n\nThis file does not exist.\r\n\nPlease check."),
            "vellix: error: /t/a.ged\n  This file does not exist.\n  Please check.\n");
  EXPECT_EQ(TerminalMessage(MessageIcon::kInformation, "Done.\n\n"), "vellix: Done.\n");
  EXPECT_EQ(TerminalMessage(MessageIcon::kQuestion, "Reading...\n (3 KB)"),
            "vellix: Reading...\n  (3 KB)\n");
  EXPECT_EQ(TerminalMessage(MessageIcon::kNone, ""), "vellix: \n");
}

}  // namespace
}  // namespace vellix::cli
