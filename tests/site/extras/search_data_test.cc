// The search data files and the map links: file keys, script text that is
// safe inside a page, coordinates of MAP lines.
#include "site/extras/search_data.h"

#include <gtest/gtest.h>

#include "options/options.h"
#include "site/frame/extras_frame.h"

namespace vellix::site::extras {
namespace {

TEST(SearchData, FileKeyIsTheFirstAsciiLetter) {
  const struct {
    const char* surname;
    const char* letter;
  } kCases[] = {{"Kowalski", "k"}, {"kowalski", "k"}, {"van der Berg", "v"},
                {"'t Hooft", "t"}, {"Łoś", "0"},      {"Émile", "0"},
                {"", "0"},         {"1st", "0"},      {" Zed", "z"}};
  for (const auto& c : kCases) EXPECT_EQ(SearchLetter(c.surname), c.letter) << c.surname;
}

TEST(SearchData, ScriptTextIsSafeInsideAPage) {
  SearchRecord hostile{"O\"Brien\\", "</script><b>x</b>", "O165",
                       "(1 & 2)",    "line\nbreak\u2028", "grpf1.html"};
  SearchRecord plain{"Łoś", "Jerzy", "L200", "(1900 - 1950)", "", "grpoi6.html"};
  const std::string script = SearchScript("o", {hostile, plain});
  EXPECT_EQ(
      script,
      "vxSearchData(\"o\", [\n"
      "[\"O\\\"Brien\\\\\",\"\\u003c/script\\u003e\\u003cb\\u003ex\\u003c/b\\u003e\","
      "\"O165\",\"(1 \\u0026 2)\",\"line\\u000abreak\\u2028\",\"grpf1.html\"],\n"
      "[\"Łoś\",\"Jerzy\",\"L200\",\"(1900 - 1950)\",\"\",\"grpoi6.html\"]\n"
      "]);\n");
  EXPECT_EQ(SearchScript("q", {}), "vxSearchData(\"q\", [\n]);\n");
}

TEST(MapLinks, CoordinatesOfMapLines) {
  const struct {
    const char* value;
    double limit;
    const char* degrees;
  } kCases[] = {
      {"N50.0614", 90, "50.0614"},
      {"S33.9", 90, "-33.9"},
      {"W1.8", 180, "-1.8"},
      {"E19.9366", 180, "19.9366"},
      {"-12.5", 180, "-12.5"},
      {"n 5", 90, ""},
      {" N5 ", 90, "5"},
      {"N90", 90, "90"},
      {"N90.5", 90, ""},
      {"E180.0", 180, "180.0"},
      {"E181", 180, ""},
      {"N", 90, ""},
      {"", 90, ""},
      {"N.5", 90, ""},
      {"N5.", 90, ""},
      {"N1.2.3", 90, ""},
      {"N5\"><x", 90, ""},
      {"N1000", 180, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(DecimalDegrees(c.value, c.limit), c.degrees) << c.value;
  }
  COptions options;
  EXPECT_EQ(MapLink(options, "N1", "E2"), "") << "maps off";
  options.extras.maps = true;
  EXPECT_EQ(MapLink(options, "N1", "E2"),
            " <a class=\"vx-map\" href=\"https://www.openstreetmap.org/?mlat=1&amp;mlon=2"
            "#map=12/1/2\" title=\"1, 2\">map</a>");
  EXPECT_EQ(MapLink(options, "N1", ""), "");
}

}  // namespace
}  // namespace vellix::site::extras
