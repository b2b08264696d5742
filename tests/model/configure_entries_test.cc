// The Configure list's entries taken from a GEDCOM file.
#include "model/configure_entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/reader_fixture.h"

namespace vellix {
namespace {

using options::AttributeOwner;
using options::ConfigureEntry;
using testing::Gedcom;

class ConfigureEntriesTest : public testing::ReaderTest {};

std::vector<std::string> Lines(const std::vector<ConfigureEntry>& entries) {
  std::vector<std::string> lines;
  for (const ConfigureEntry& e : entries) {
    lines.push_back(e.reference + "|" + e.name + "|" + e.wife + "|" + e.alias);
  }
  return lines;
}

TEST_F(ConfigureEntriesTest, IndividualsAndFamiliesWithTheirNames) {
  ASSERT_TRUE(
      Read(Gedcom("0 @I1@ INDI\r\n1 NAME Jan /Kowalski/\r\n1 ALIA Janek\r\n"
                  "1 ALIA @I9@\r\n"
                  "0 @I2@ INDI\r\n1 NAME Zofia /Nowak/\r\n"
                  "0 @I10@ INDI\r\n1 NAME /Moreau/\r\n"
                  "0 @I3@ INDI\r\n"
                  "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n"
                  "0 @F2@ FAM\r\n1 WIFE @I404@\r\n")));
  EXPECT_EQ(Lines(ListConfigureEntries(reader_, store_, AttributeOwner::kIndividuals)),
            (std::vector<std::string>{"I1|Kowalski, Jan||Janek", "I10|Moreau||",
                                      "I2|Nowak, Zofia||", "I3|||"}));
  EXPECT_EQ(Lines(ListConfigureEntries(reader_, store_, AttributeOwner::kFamilies)),
            (std::vector<std::string>{"F1|Kowalski, Jan|Nowak, Zofia|", "F2|||"}));
}

}  // namespace
}  // namespace vellix
