#include "text/soundex.h"

#include <gtest/gtest.h>

namespace vellix::text {
namespace {

TEST(SoundexCodeTest, ClassicCodes) {
  EXPECT_EQ(SoundexCode("SMITH"), "S530");
  EXPECT_EQ(SoundexCode("SCHMIDT"), "S530");
  EXPECT_EQ(SoundexCode("LEE"), "L000");
  EXPECT_EQ(SoundexCode("ADELE"), "A340");
  EXPECT_EQ(SoundexCode("ROBERT"), "R163");
  EXPECT_EQ(SoundexCode("TYMCZAK"), "T522");
  EXPECT_EQ(SoundexCode("PFISTER"), "P236");
}

TEST(SoundexCodeTest, LowerCaseIsUpperCased) {
  EXPECT_EQ(SoundexCode("smith"), "S530");
  EXPECT_EQ(SoundexCode("McDonald"), "M235");
}

TEST(SoundexCodeTest, HOrWBetweenSameGroupGivesBothReadings) {
  EXPECT_EQ(SoundexCode("ASHCRAFT"), "A226/A261");
  EXPECT_EQ(SoundexCode("Ashcraft"), "A226/A261");
  // A leading W is written in both passes.
  EXPECT_EQ(SoundexCode("WASHINGTON"), "W252");
}

TEST(SoundexCodeTest, CharactersOutsideGroupsAreSkipped) {
  EXPECT_EQ(SoundexCode("O'BRIEN"), "O165");
  EXPECT_EQ(SoundexCode("DE LA CRUZ"), "D426");
  EXPECT_EQ(SoundexCode(""), "0000");
  EXPECT_EQ(SoundexCode("1234"), "0000");
}

TEST(SoundexCodeTest, MultiByteFirstCharacterIsWrittenWhole) {
  // "Ö" is in no group, so "B" is the first coded letter; the whole first
  // character of the surname stands in its place.
  EXPECT_EQ(SoundexCode("ÖBERG"), "Ö620");
  EXPECT_EQ(SoundexCode("MÜLLER"), "M460");
  // Greek and CJK letters carry no code at all.
  EXPECT_EQ(SoundexCode("Παπαδόπουλος"), "0000");
  EXPECT_EQ(SoundexCode("王"), "0000");
}

}  // namespace
}  // namespace vellix::text
