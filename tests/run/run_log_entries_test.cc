#include "run/run_log_entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/log_entry_pages.h"

namespace vellix {
namespace {

using testing::Pages;

TEST(RunLogEntriesTest, AnIndividualIsKeptOnceWithEveryPageOnce) {
  RunLogEntries entries;
  entries.AddFamilyPage("I1", "grpf1.html");
  entries.AddFamilyPage("I2", "grpf1.html");
  entries.AddFamilyPage("I1", "grpf2.html");
  entries.AddFamilyPage("I1", "grpf1.html");  // page already listed
  entries.AddFamilyPage("i1", "grpf3.html");  // another individual: keys keep their case
  entries.Individual("I1").name_first = entries.Keep("John");
  ASSERT_EQ(entries.individuals().size(), 3u);
  const IndividualLogEntry& first = entries.individuals()[0];
  EXPECT_EQ(first.ref, "I1");
  EXPECT_EQ(first.name_first, "John");
  EXPECT_EQ(Pages(first), (std::vector<std::string>{"grpf1.html", "grpf2.html"}));
  EXPECT_EQ(Pages(entries.individuals()[1]), (std::vector<std::string>{"grpf1.html"}));
  EXPECT_EQ(Pages(entries.individuals()[2]), (std::vector<std::string>{"grpf3.html"}));

  FamilyLogEntry family;
  family.ref = entries.Keep("F1");
  entries.AddFamily(family);
  EXPECT_EQ(entries.families().size(), 1u);
  entries.Clear();
  EXPECT_TRUE(entries.individuals().empty());
  EXPECT_TRUE(entries.families().empty());
  EXPECT_TRUE(entries.Individual("I1").family_pages().empty());  // forgotten by Clear
}

// Thousands of individuals make the lookup table grow several times: each
// is still found by its reference, keeps its pages, and is never doubled.
TEST(RunLogEntriesTest, ManyIndividualsAreFoundAgainAfterTheLookupGrows) {
  RunLogEntries entries;
  constexpr int kCount = 20000;
  for (int i = 0; i < kCount; ++i) {
    const std::string ref = "I" + std::to_string(i);
    entries.AddFamilyPage(ref, "grpf" + std::to_string(i / 3) + ".html");
  }
  for (int i = kCount - 1; i >= 0; i -= 7) {
    const std::string ref = "I" + std::to_string(i);
    entries.AddFamilyPage(ref, "extra.html");
    EXPECT_EQ(entries.Individual(ref).ref, ref);
  }
  ASSERT_EQ(entries.individuals().size(), static_cast<size_t>(kCount));
  const IndividualLogEntry& last = entries.individuals()[kCount - 1];
  EXPECT_EQ(last.ref, "I19999");
  EXPECT_EQ(Pages(last), (std::vector<std::string>{"grpf6666.html", "extra.html"}));
  EXPECT_EQ(Pages(entries.individuals()[1]), (std::vector<std::string>{"grpf0.html"}));
}

// Details are kept apart and only for the individuals that have any; a
// detail set again to the same text is kept once.
TEST(RunLogEntriesTest, DetailsAreKeptOnlyWhenSetAndOnceWhenSetAgain) {
  RunLogEntries entries;
  IndividualLogEntry& plain = entries.Individual("I1");
  entries.SetDetail(plain, &IndividualLogDetails::relationship, "");
  EXPECT_EQ(plain.details, 0u);
  EXPECT_TRUE(entries.DetailsOf(plain).relationship.empty());

  IndividualLogEntry& uncle = entries.Individual("I2");
  entries.SetDetail(uncle, &IndividualLogDetails::relationship, "Uncle");
  const std::string_view kept = entries.DetailsOf(uncle).relationship;
  entries.SetDetail(uncle, &IndividualLogDetails::relationship, std::string("Uncle"));
  EXPECT_EQ(entries.DetailsOf(uncle).relationship.view().data(), kept.data());
  entries.SetDetail(uncle, &IndividualLogDetails::caption, "At the mill");
  entries.SetDetail(entries.Individual("I3"), &IndividualLogDetails::image_file,
                    "i3.jpg");
  entries.SetDetail(uncle, &IndividualLogDetails::relationship, "Aunt");
  EXPECT_EQ(entries.DetailsOf(uncle).relationship, "Aunt");
  EXPECT_EQ(entries.DetailsOf(uncle).caption, "At the mill");
  EXPECT_TRUE(entries.DetailsOf(uncle).image_file.empty());
  EXPECT_EQ(entries.DetailsOf(entries.Individual("I3")).image_file, "i3.jpg");
  EXPECT_TRUE(entries.DetailsOf(plain).image_file.empty());
  entries.SetDetail(uncle, &IndividualLogDetails::relationship, "");
  EXPECT_TRUE(entries.DetailsOf(uncle).relationship.empty());
}

}  // namespace
}  // namespace vellix
