// Warning lines of the summary page as the terminal prints them with -v.
#include "shell/cli/warning_text.h"

#include <gtest/gtest.h>

namespace vellix::cli {
namespace {

TEST(WarningText, TheLinesHtmlBecomesReadableText) {
  struct Case {
    const char* category;
    const char* html;
    const char* terminal;
  };
  const Case cases[] = {
      {"General", "The input GEDCOM file is not a GEDCOM version 5.5 file.",
       "vellix: warning: The input GEDCOM file is not a GEDCOM version 5.5 file."},
      {"Multimedia", "Cannot access 'scan.tif' (<a href=\"../site/grpf9.htm\">F9</a>).",
       "vellix: warning: Multimedia: Cannot access 'scan.tif' (F9)."},
      {"Biography Links",
       "'bio &amp; more.html' for Ann &quot;Nan&quot; &lt;Smith&gt; (<a "
       "href=\"x.htm?a=1&amp;b=2\">I1</a>).",
       "vellix: warning: Biography Links: 'bio & more.html' for Ann \"Nan\" <Smith> "
       "(I1)."},
      {"Missing Files", "'/srv/site/GENDEX.txt' ().",
       "vellix: warning: Missing Files: '/srv/site/GENDEX.txt'."},
      {"Missing Files", "'a<br>b.htm' (<a href=\"\">F1</a>).",
       "vellix: warning: Missing Files: 'a b.htm' (F1)."},
      {"GEDCOM Tags", "Nonstandard tag &lt;script&gt; ignored.",
       "vellix: warning: GEDCOM Tags: Nonstandard tag <script> ignored."},
      // Entities decode once: "&amp;lt;" was "&lt;" in the data.
      {"General", "A &amp;lt; B &#39;x&#39; &unknown; &",
       "vellix: warning: A &lt; B 'x' &unknown; &"},
      {"", "unclosed <a href=\"x", "vellix: warning: unclosed <a href=\"x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WarningLineForTerminal(c.category, c.html), c.terminal) << c.html;
  }
}

}  // namespace
}  // namespace vellix::cli
