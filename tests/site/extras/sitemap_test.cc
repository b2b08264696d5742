// sitemap.xml, its index for large sites, robots.txt and the head lines of
// the extras, read back with an XML parser.
#include "site/extras/sitemap.h"

#include <gtest/gtest.h>

#include "options/options.h"
#include "site/extras/xml_check.h"
#include "site/frame/extras_frame.h"

namespace vellix::site::extras {
namespace {

constexpr char kNs[] = "http://www.sitemaps.org/schemas/sitemap/0.9";

TEST(Sitemap, AddressesOfThePagesInsideTheSite) {
  const std::vector<std::string> files = {
      "/srv/site/grpf1.htm",     "/srv/site/grpbase.css", "/srv/site/GENDEX.txt",
      "/srv/site/media/g 1.HTM", "/srv/site/grpf1.htm",   "/srv/other/grpf9.htm",
      "/srv/sitex/grpf8.htm",    "/srv/site/Łódź&x?.htm", "/srv/site/grpf2.html",
  };
  EXPECT_EQ(PageAddresses("https://a.org/t/", "/srv/site", files, ".htm"),
            (std::vector<std::string>{"https://a.org/t/grpf1.htm",
                                      "https://a.org/t/media/g%201.HTM",
                                      "https://a.org/t/%C5%81%C3%B3d%C5%BA%26x%3F.htm"}));
  // A trailing slash on the folder changes nothing.
  EXPECT_EQ(PageAddresses("https://a.org/", "/srv/site/", files, ".html"),
            (std::vector<std::string>{"https://a.org/grpf2.html"}));
}

TEST(Sitemap, OneFileUpToTheLimitThenAnIndex) {
  const std::string base = "https://a.org/t/";
  for (size_t count : {0u, 1u, 4u, 5u, 9u, 10u, 11u}) {
    std::vector<std::string> addresses;
    for (size_t i = 0; i < count; ++i) {
      addresses.push_back(base + "p" + std::to_string(i) + ".htm?a=1&b=2");
    }
    const std::vector<SitemapFile> files = BuildSitemaps(base, addresses, 5);
    ASSERT_FALSE(files.empty());
    EXPECT_EQ(files[0].name, "sitemap.xml");
    const size_t parts = count <= 5 ? 0 : (count + 4) / 5;
    ASSERT_EQ(files.size(), parts + 1) << count;

    std::vector<std::string> listed;
    if (parts == 0) {
      const testing::XmlFacts facts = testing::ParseXml(files[0].text, "loc");
      ASSERT_TRUE(facts.well_formed) << facts.error;
      EXPECT_EQ(facts.root, "urlset");
      EXPECT_EQ(facts.root_namespace, kNs);
      listed = facts.texts;
    } else {
      const testing::XmlFacts index = testing::ParseXml(files[0].text, "loc");
      ASSERT_TRUE(index.well_formed) << index.error;
      EXPECT_EQ(index.root, "sitemapindex");
      ASSERT_EQ(index.texts.size(), parts);
      for (size_t p = 0; p < parts; ++p) {
        EXPECT_EQ(files[p + 1].name, "sitemap-" + std::to_string(p + 1) + ".xml");
        EXPECT_EQ(index.texts[p], base + files[p + 1].name);
        const testing::XmlFacts part = testing::ParseXml(files[p + 1].text, "loc");
        ASSERT_TRUE(part.well_formed) << part.error;
        EXPECT_EQ(part.root, "urlset");
        EXPECT_LE(part.texts.size(), 5u);
        listed.insert(listed.end(), part.texts.begin(), part.texts.end());
      }
    }
    EXPECT_EQ(listed, addresses) << "every address once, in order (" << count << ")";
  }
}

TEST(Sitemap, RobotsNameTheSitemap) {
  EXPECT_EQ(RobotsText("https://a.org/t/"),
            "User-agent: *\nAllow: /\n\nSitemap: https://a.org/t/sitemap.xml\n");
}

TEST(ExtrasFrame, NothingWhileTheExtrasAreOff) {
  COptions options;
  EXPECT_EQ(ExtrasHeadLines(options, "grpf1.htm"), "");
  EXPECT_EQ(SearchBox(options), "");
  EXPECT_EQ(PhoneStyleRules(options), "");
}

TEST(ExtrasFrame, HeadLinesForPhonesAndSearchEngines) {
  COptions options;
  options.extras.phones = true;
  EXPECT_EQ(
      ExtrasHeadLines(options, "grpf1.htm"),
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n");
  options.extras.phones = false;
  options.extras.base_url = "https://a.org/tree";
  EXPECT_EQ(
      ExtrasHeadLines(options, "media/s 1&.htm"),
      "<link rel=\"canonical\" href=\"https://a.org/tree/media/s%201%26.htm\">\r\n");
  EXPECT_NE(PhoneStyleRules(COptions{}), PhoneStyleRules([] {
              COptions o;
              o.extras.phones = true;
              return o;
            }()));
}

}  // namespace
}  // namespace vellix::site::extras
