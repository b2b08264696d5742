#include "options/fact_kinds.h"

#include <array>

#include "options/options.h"

namespace vellix {
namespace {

constexpr std::array<const char*, kFactKindCount> kNames = {"Adoption",
                                                            "Baptised",
                                                            "Bar Mitzvah",
                                                            "Bas Mitzvah",
                                                            "Blessing",
                                                            "Buried",
                                                            "Caste",
                                                            "Cause of Death",
                                                            "Census",
                                                            "Christening (Adult)",
                                                            "Confirmation",
                                                            "Cremation",
                                                            "Education",
                                                            "Emigration",
                                                            "Fact",
                                                            "First Communion",
                                                            "Graduation",
                                                            "Immigration",
                                                            "National ID",
                                                            "Nationality",
                                                            "Naturalization",
                                                            "Number of Children",
                                                            "Number of Marriages",
                                                            "Occupation",
                                                            "Ordination",
                                                            "Physical Description",
                                                            "Probate",
                                                            "Property",
                                                            "Religion",
                                                            "Residence",
                                                            "Retirement",
                                                            "SSN",
                                                            "Title",
                                                            "Will",
                                                            "User 1",
                                                            "User 2",
                                                            "User 3",
                                                            "User 4",
                                                            "User 5",
                                                            "User 6",
                                                            "User 7",
                                                            "User 8",
                                                            "User 9",
                                                            "User 10",
                                                            "User 11",
                                                            "User 12",
                                                            "User 13",
                                                            "User 14",
                                                            "Christened",
                                                            "... other facts",
                                                            "... other facts",
                                                            "Annulment",
                                                            "Census",
                                                            "Divorced",
                                                            "Divorce Filed",
                                                            "Engaged",
                                                            "Marriage Bann",
                                                            "Marriage Contract",
                                                            "Marriage License",
                                                            "Married",
                                                            "Marriage Settlement",
                                                            "Residence"};

constexpr int kIndividualOrder[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  48, 9,  10,
                                    11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                                    23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 49};
constexpr int kFamilyOrder[] = {51, 52, 53, 54, 55, 59, 56, 57, 58, 60, 61, 50};
constexpr int kUserOrder[] = {34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47};

}  // namespace

const char* FactKindName(int kind) {
  if (kind < 0 || kind >= kFactKindCount) return "";
  return kNames[kind];
}

const char* FactKindDefaultLabel(int kind) {
  if (kind >= 34 && kind <= 47) return "";
  return FactKindName(kind);
}

bool IsFamilyFactKind(int kind) { return kind >= 50 && kind < kFactKindCount; }

std::span<const int> IndividualFactKindOrder() { return kIndividualOrder; }
std::span<const int> FamilyFactKindOrder() { return kFamilyOrder; }
std::span<const int> UserFactKindOrder() { return kUserOrder; }

}  // namespace vellix
