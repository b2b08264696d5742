#include "options/options_bridge.h"

#include <gtest/gtest.h>

#include "text/text_converter.h"

namespace vellix::text {
namespace {

TEST(OptionsBridgeTest, DefaultOptionSetLinksNothing) {
  COptions options;
  const TextSettings settings = TextSettingsFromOptions(options, false);
  EXPECT_FALSE(settings.web_links || settings.mail_links || settings.hide_mail ||
               settings.html_notes || settings.strict_doctype);
  EXPECT_EQ(PageFileName(PageNameSettingsFromOptions(options), "F-12", PageLetter::kNone,
                         false),
            "grpf12.html");
}

TEST(OptionsBridgeTest, CopiesLinkSettingsAndStrictFlag) {
  COptions options;
  options.m_bWebLinks = true;
  options.m_bMailLinks = true;
  options.m_bHideMail = true;
  options.m_strWebTarget = "main";
  options.m_strDestFolder = "\\srv\\site";
  options.m_strFileExt = "htm";
  TextConverter converter(TextSettingsFromOptions(options, false));
  EXPECT_EQ(converter.ConvertText("http://a.org", {.linkify = true}),
            "<a href=\"http://a.org\" target=\"main\">http://a.org</a>");
  EXPECT_TRUE(converter.settings().hide_mail);
  converter.SetSettings(TextSettingsFromOptions(options, true));
  EXPECT_EQ(converter.ConvertText("http://a.org", {.linkify = true}),
            "<a href=\"http://a.org\">http://a.org</a>");
  EXPECT_EQ(PageFileName(PageNameSettingsFromOptions(options), "I1",
                         PageLetter::kFootnotes, true, "o"),
            "\\srv\\site\\grpoi1f.htm");
}

}  // namespace
}  // namespace vellix::text
