#include "text/text_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellix::text {
namespace {

constexpr char kHideScriptStart[] = "<script type=\"text/javascript\">\r\n<!--\r\nhide('";
constexpr char kHideScriptEnd[] = "');\r\n-->\r\n</script>";

class TextConverterTest : public ::testing::Test {
 protected:
  void WebLinks() { settings_.web_links = true; }
  void MailLinks(bool hide = false) {
    settings_.mail_links = true;
    settings_.hide_mail = hide;
  }
  TextConverter Converter() const { return TextConverter(settings_); }
  std::string Linked(std::string_view text, bool parent = false) const {
    return Converter().ConvertText(text, {.linkify = true, .parent_target = parent});
  }
  std::string Hidden(std::string_view user, std::string_view domain) const {
    return std::string(kHideScriptStart) + std::string(user) + "', '" +
           std::string(domain) + kHideScriptEnd;
  }

  TextSettings settings_;
};

TEST_F(TextConverterTest, PlainConversionEscapesOnly) {
  EXPECT_EQ(Converter().ConvertText("Fish & Chips <1900>"),
            "Fish &amp; Chips &lt;1900&gt;");
  EXPECT_EQ(Converter().ConvertText("a@@b"), "a@b");
  // With linking requested but no link option on, spaces all stay.
  EXPECT_EQ(Converter().ConvertText("  two  spaces  http://x.org ", {.linkify = true}),
            "  two  spaces  http://x.org ");
}

TEST_F(TextConverterTest, WebLinkKeepsTrailingPeriodOutside) {
  WebLinks();
  EXPECT_EQ(
      Linked("Visit ftp://archive/a.txt."),
      "Visit <a href=\"ftp://archive/a.txt\" target=\"_self\">ftp://archive/a.txt</a>.");
  EXPECT_EQ(Linked("Visit ftp://archive/a.txt.", true),
            "Visit <a href=\"ftp://archive/a.txt\" "
            "target=\"_parent\">ftp://archive/a.txt</a>.");
}

TEST_F(TextConverterTest, WebTargetOptionAndStrictDoctype) {
  WebLinks();
  settings_.web_target = "_blank";
  EXPECT_EQ(Linked("http://a.org", true),
            "<a href=\"http://a.org\" target=\"_blank\">http://a.org</a>");
  settings_.strict_doctype = true;
  EXPECT_EQ(Linked("http://a.org", true), "<a href=\"http://a.org\">http://a.org</a>");
}

TEST_F(TextConverterTest, LinkingCollapsesInnerSpacesKeepsOuterOnes) {
  WebLinks();
  EXPECT_EQ(Linked("  see   the  site "), "  see the site ");
  EXPECT_EQ(Linked("   "), "   ");
  EXPECT_EQ(Linked(""), "");
}

TEST_F(TextConverterTest, AddressInParenthesesAtSentenceEnd) {
  WebLinks();
  EXPECT_EQ(Linked("(at http://x.org/p?a=1&b=2)."),
            "(at <a href=\"http://x.org/p?a=1%26b=2\" target=\"_self\">"
            "http://x.org/p?a=1&amp;b=2</a>).");
  EXPECT_EQ(Linked("\"HTTP://X.ORG\","),
            "&#34;<a href=\"HTTP://X.ORG\" target=\"_self\">HTTP://X.ORG</a>&#34;,");
}

TEST_F(TextConverterTest, SecureWebAddressesAreLinked) {
  WebLinks();
  EXPECT_EQ(
      Linked("https://example.org/a"),
      "<a href=\"https://example.org/a\" target=\"_self\">https://example.org/a</a>");
  // The earliest scheme in a word starts the address.
  EXPECT_EQ(Linked("https://a.org/?u=http://b.org"),
            "<a href=\"https://a.org/?u=http://b.org\" target=\"_self\">"
            "https://a.org/?u=http://b.org</a>");
}

TEST_F(TextConverterTest, MailWordsNeedTheirOwnOption) {
  WebLinks();
  EXPECT_EQ(Linked("mailto:ann@x.org"), "mailto:ann@x.org");
  settings_.web_links = false;
  MailLinks();
  EXPECT_EQ(Linked("http://x.org"), "http://x.org");
}

TEST_F(TextConverterTest, MailLinkDropsSchemeFromDisplay) {
  MailLinks();
  EXPECT_EQ(Linked("Write to mailto:ann@@x.org."),
            "Write to <a href=\"mailto:ann@x.org\">ann@x.org</a>.");
  // A plain address without the scheme stays text.
  EXPECT_EQ(Linked("ann@x.org"), "ann@x.org");
}

TEST_F(TextConverterTest, HiddenMailBecomesScript) {
  MailLinks(/*hide=*/true);
  EXPECT_EQ(Linked("Write mailto:ann.lee@x.org!"),
            "Write " + Hidden("ann.lee", "x.org") + "!");
  EXPECT_EQ(Linked("mailto:nobody"), "mailto:nobody");
  EXPECT_EQ(Linked("mailto:<b>"), "mailto:&lt;b&gt;");
}

TEST_F(TextConverterTest, HiddenMailArgumentsCannotBreakTheScript) {
  MailLinks(/*hide=*/true);
  EXPECT_EQ(Linked("mailto:a\\'x@y.org"), Hidden("a%5C%27x", "y.org"));
  EXPECT_EQ(Linked("mailto:a@y.org</script>"), Hidden("a", "y.org%3C/script") + "&gt;");
}

TEST_F(TextConverterTest, MailWordThenWebWord) {
  WebLinks();
  MailLinks();
  EXPECT_EQ(Linked("mailto:a@b.org or http://c.org"),
            "<a href=\"mailto:a@b.org\">a@b.org</a> or "
            "<a href=\"http://c.org\" target=\"_self\">http://c.org</a>");
}

TEST_F(TextConverterTest, LinkifyWithoutEscaping) {
  WebLinks();
  EXPECT_EQ(
      Converter().LinkifyText("a<b> http://x.org/?q=<1>", false, false),
      "a<b> <a href=\"http://x.org/?q=%3C1\" target=\"_self\">http://x.org/?q=<1</a>>");
}

TEST_F(TextConverterTest, UnicodeTextAroundLinks) {
  WebLinks();
  EXPECT_EQ(Linked("Ελλάδα:  http://gr.example/Αθήνα «σελίδα»"),
            "Ελλάδα: <a href=\"http://gr.example/Αθήνα\" target=\"_self\">"
            "http://gr.example/Αθήνα</a> «σελίδα»");
}

class MarkerTest : public TextConverterTest {
 protected:
  void SetUp() override {
    markers_.Set(kBoldBegin, "[b]");
    markers_.Set(kBoldEnd, "[/b]");
    markers_.Set(kSupBegin, "{sup}");
    markers_.Set(kSupEnd, "{/sup}");
    markers_.Set(kUnderBegin, "_u_");
    markers_.Set(kUnderEnd, "_/u_");
  }
  std::string Note(std::string_view text, bool linkify = false) {
    TextConverter converter(settings_);
    converter.SetDialect(&markers_);
    return converter.ConvertText(text, {.linkify = linkify, .apply_markers = true});
  }
  MarkerSet markers_;
};

TEST_F(MarkerTest, MarkersBecomeElementsInNotesOnly) {
  EXPECT_EQ(Note("[b]x<y[/b]"), "<b>x&lt;y</b>");
  EXPECT_EQ(Note("_u_a_/u_ E=mc{sup}2{/sup}"),
            "<span class=\"vx-fntund\">a</span> E=mc<sup>2</sup>");
  TextConverter converter(settings_);
  converter.SetDialect(&markers_);
  EXPECT_EQ(converter.ConvertText("[b]x<y[/b]"), "[b]x&lt;y[/b]");
}

TEST_F(MarkerTest, BuiltInDialectLeavesMarkersAsText) {
  TextConverter converter(settings_);
  EXPECT_FALSE(converter.dialect().HasMarkers());
  EXPECT_EQ(converter.ConvertText("[b]x[/b]", {.apply_markers = true}), "[b]x[/b]");
}

TEST_F(MarkerTest, HtmlNotesAreWrittenUnchanged) {
  settings_.html_notes = true;
  EXPECT_EQ(Note("[b]x<y[/b] & <i>z</i>"), "[b]x<y[/b] & <i>z</i>");
}

TEST_F(MarkerTest, TabsAndStrayControlBytesAreNotMarkers) {
  EXPECT_EQ(Note("a\tb\nc[b]d[/b]"), "a\tb\nc<b>d</b>");
  EXPECT_EQ(Note(std::string("x\x10y\x11z") + "[b]w[/b]"), "xyz<b>w</b>");
}

TEST_F(MarkerTest, MarkerAfterAddressIsNotPartOfTheLink) {
  WebLinks();
  EXPECT_EQ(Note("[b]http://x.org.[/b]", true),
            "<b><a href=\"http://x.org\" target=\"_self\">http://x.org</a>.</b>");
}

TEST_F(MarkerTest, BlankMarkersDoNotCount) {
  MarkerSet blank;
  blank.Set(kBoldBegin, "  \t");
  EXPECT_FALSE(blank.HasMarkers());
  EXPECT_TRUE(markers_.HasMarkers());
}

TEST_F(TextConverterTest, AppendSentenceBuildsCitation) {
  std::string citation;
  TextConverter converter = Converter();
  converter.AppendSentence(&citation, "Parish Register",
                           {.leading_space = true, .period = true});
  converter.AppendSentence(&citation, "", {.leading_space = true, .period = true});
  converter.AppendSentence(&citation, "Leeds & York",
                           {.leading_space = true, .period = true});
  converter.AppendSentence(&citation, "p. 3", {});
  EXPECT_EQ(citation, "Parish Register. Leeds &amp; York.p. 3");
}

TEST_F(TextConverterTest, AppendSentenceNeverDoublesPunctuation) {
  // The sentence is escaped before it is ended, so an escaped closing
  // quote must still take the period inside it.
  std::string citation = "Source:";
  Converter().AppendSentence(&citation, "\"Who?\"",
                             {.leading_space = true, .period = true});
  EXPECT_EQ(citation, "Source: &#34;Who?&#34;");
  Converter().AppendSentence(&citation, "'The Old Farm'",
                             {.leading_space = true, .period = true});
  EXPECT_EQ(citation, "Source: &#34;Who?&#34; &#39;The Old Farm.&#39;");
}

TEST_F(TextConverterTest, ParagraphOfLinesWithBreaks) {
  std::string out = "old";
  EXPECT_TRUE(Converter().AppendParagraphs({"one", "a<b", "three"}, &out, "[", "]", {}));
  EXPECT_EQ(out, "<p>[one<br>\r\na&lt;b<br>\r\nthree]</p>\r\n");
  EXPECT_TRUE(
      Converter().AppendParagraphs({"solo"}, &out, "", "", {.inline_text = true}));
  EXPECT_EQ(out, "solo");
  EXPECT_FALSE(Converter().AppendParagraphs({}, &out, "<x>", "</x>", {}));
  EXPECT_EQ(out, "");
}

TEST_F(MarkerTest, ParagraphsApplyMarkersAndLinks) {
  WebLinks();
  TextConverter converter(settings_);
  converter.SetDialect(&markers_);
  std::string out;
  converter.AppendParagraphs({"[b]Note[/b]", "see http://x.org"}, &out, "", "",
                             {.linkify = true, .parent_target = true});
  EXPECT_EQ(out,
            "<p><b>Note</b><br>\r\nsee <a href=\"http://x.org\" target=\"_parent\">"
            "http://x.org</a></p>\r\n");
}

}  // namespace
}  // namespace vellix::text
