#include "text/html_escape.h"

#include <gtest/gtest.h>

namespace vellix::text {
namespace {

TEST(EscapeHtmlTest, EscapesMarkupOnceWithAmpersandFirst) {
  EXPECT_EQ(EscapeHtml("Fish & Chips <1900>"), "Fish &amp; Chips &lt;1900&gt;");
  EXPECT_EQ(EscapeHtml("\"Jack's\""), "&#34;Jack&#39;s&#34;");
  // An existing entity is text too: its ampersand is escaped, nothing else.
  EXPECT_EQ(EscapeHtml("&lt;"), "&amp;lt;");
}

TEST(EscapeHtmlTest, CollapsesGedcomAtSignEscape) {
  EXPECT_EQ(EscapeHtml("john@@example.org"), "john@example.org");
  EXPECT_EQ(EscapeHtml("a@@@@b"), "a@@b");
  EXPECT_EQ(EscapeHtml("single@sign"), "single@sign");
}

TEST(EscapeHtmlTest, KeepsMultiByteCharactersWhole) {
  EXPECT_EQ(EscapeHtml("Zoë & Ölund"), "Zoë &amp; Ölund");
  EXPECT_EQ(EscapeHtml("Αθήνα <Ἑλλάς>"), "Αθήνα &lt;Ἑλλάς&gt;");
  EXPECT_EQ(EscapeHtml("北京 \"上海\""), "北京 &#34;上海&#34;");
  EXPECT_EQ(EscapeHtml(""), "");
}

// Every byte value between plain runs: the five markup characters become
// entities, every other byte stays as it is.
TEST(EscapeHtmlTest, EveryByteValueBetweenPlainRuns) {
  for (int b = 1; b < 256; ++b) {
    const char c = static_cast<char>(b);
    std::string expected(1, c);
    switch (c) {
      case '&':
        expected = "&amp;";
        break;
      case '<':
        expected = "&lt;";
        break;
      case '>':
        expected = "&gt;";
        break;
      case '"':
        expected = "&#34;";
        break;
      case '\'':
        expected = "&#39;";
        break;
      default:
        break;
    }
    const std::string in = std::string("ab") + c + "cd" + c;
    EXPECT_EQ(EscapeHtml(in), "ab" + expected + "cd" + expected) << b;
  }
}

TEST(EscapeHrefTest, PercentEscapesAndCollapsesAtSigns) {
  EXPECT_EQ(EscapeHref("http://x/?a=1&b=<2>"), "http://x/?a=1%26b=%3C2%3E");
  EXPECT_EQ(EscapeHref("say\"it's\""), "say%22it%27s%22");
  EXPECT_EQ(EscapeHref("mailto:ann@@host.org"), "mailto:ann@host.org");
}

TEST(EscapeUrlPathTest, EscapesPathCharacters) {
  EXPECT_EQ(EscapeUrlPath("My Bio/a&b?.htm"), "My%20Bio/a%26b%3F.htm");
  EXPECT_EQ(EscapeUrlPath("<\">"), "%3C%22%3E");
  // At-signs and apostrophes are left alone in paths.
  EXPECT_EQ(EscapeUrlPath("o'neil@@x"), "o'neil@@x");
  EXPECT_EQ(EscapeUrlPath("Müller Straße.html"), "Müller%20Straße.html");
}

}  // namespace
}  // namespace vellix::text

namespace vellix::text {
namespace {

// A link path appends to what is there: the URL escapes, backslashes as
// slashes, the apostrophe escaped; other bytes (UTF-8 too) as they stand.
TEST(AppendLinkPathTest, AppendsTheEscapedPath) {
  std::string out = "file://";
  AppendLinkPath("C:\\a b\\O'Neil <1> & \"x\"?\xC5\x82.htm", &out);
  EXPECT_EQ(out, "file://C:/a%20b/O%27Neil%20%3C1%3E%20%26%20%22x%22%3F\xC5\x82.htm");
  AppendLinkPath("", &out);
  EXPECT_EQ(out, "file://C:/a%20b/O%27Neil%20%3C1%3E%20%26%20%22x%22%3F\xC5\x82.htm");
}

TEST(EscapeNamedEntitiesTest, OnlyTheFourNamedEntitiesChange) {
  EXPECT_EQ(EscapeNamedEntities("<b>\"Ann\" & O'Neil @@home</b>"),
            "&lt;b&gt;&quot;Ann&quot; &amp; O'Neil @@home&lt;/b&gt;");
  EXPECT_EQ(EscapeNamedEntities("Łódź"), "Łódź");
}

}  // namespace
}  // namespace vellix::text

namespace vellix::text {
namespace {

// Option values in attributes: whatever the user typed cannot end the
// attribute, and the entities he wrote on purpose survive.
TEST(EscapeAttributeTest, QuotesAndMarkupCannotLeaveTheAttribute) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case& c : {
           Case{"Ann \"Nan\" Lee", "Ann &quot;Nan&quot; Lee"},
           Case{"x\" onmouseover=\"alert(1)", "x&quot; onmouseover=&quot;alert(1)"},
           Case{"<script>", "&lt;script&gt;"},
           Case{"Smith & Jones", "Smith &amp; Jones"},
           Case{"Smith &amp; Jones", "Smith &amp; Jones"},
           Case{"M&uuml;ller &#252; &#xFC;", "M&uuml;ller &#252; &#xFC;"},
           Case{"a&b;c", "a&b;c"},
           Case{"&#12a;", "&amp;#12a;"},
           Case{"&;", "&amp;;"},
           Case{"trailing &", "trailing &amp;"},
           Case{"http://x/?a=1&b=2", "http://x/?a=1&amp;b=2"},
           Case{"Zoë's page", "Zoë's page"},
       }) {
    EXPECT_EQ(EscapeAttribute(c.in), c.out) << c.in;
  }
}

}  // namespace
}  // namespace vellix::text
