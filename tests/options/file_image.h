// Option set file images built by hand for the tests, independently of the
// code that reads and writes them: the layout as a list of items, a byte
// builder, and a fully non-default set of sample values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "options/option_layout.h"
#include "options/options.h"

namespace vellix::testing {

/// One item of the file layout as the tests know it.
struct HandItem {
  int version;         // 0 for the block every file holds
  std::string code;    // V M b y i s C c48 f48 l48 A cN fN lN
  std::string member;  // member name, empty for the magic and the counts
};

/// The 376 items in file order, parsed from the tests' own layout text.
const std::vector<HandItem>& HandLayout();

/// Little-endian bytes, strings with their length prefixes.
class ImageBuilder {
 public:
  ImageBuilder& Byte(uint8_t value);
  ImageBuilder& Int32(int32_t value);
  ImageBuilder& UInt32(uint32_t value);
  ImageBuilder& Raw(const std::string& bytes);
  /// The length prefix: 1 byte below 255, else 255 + 16 bits below 65534,
  /// else 255, 65535 and 32 bits.
  ImageBuilder& Length(uint32_t length);
  /// A string given as its Windows-1252 bytes.
  ImageBuilder& Ansi(const std::string& bytes);
  /// A string in the wide form: 255, 65534, the length in units, UTF-16LE.
  ImageBuilder& Wide(const std::u16string& units);
  /// Version and magic.
  ImageBuilder& Header(int32_t version);

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

/// A sample string: its UTF-8 form and how the file holds it.
struct SampleText {
  std::string utf8;
  std::string ansi;     // Windows-1252 bytes when `wide` is empty
  std::u16string wide;  // UTF-16 units for texts outside Windows-1252
};

/// Sample values that differ from every default: for the item with this
/// ordinal (its index in HandLayout()).
SampleText SampleString(size_t ordinal, const std::string& member);
int32_t SampleInt(const std::string& member);
uint8_t SampleByte(const std::string& member);
bool SampleBool(const std::string& member);
uint8_t SampleFactInclude(int kind);
SampleText SampleFactLabel(int kind);
uint32_t SampleColor(int index);

/// Puts every sample value into `options` (through the members named in
/// the layout), including two individual and one family attribute entry.
void FillWithSamples(COptions& options);

/// The header with `version`, then the items of blocks up to `last_version`
/// holding the sample values. `later_facts` is the count of fact kinds in
/// the version-37 block (14 as the program writes; more adds extra choices
/// and labels a reader must drop).
std::string SampleImage(int32_t version, int last_version, int later_facts = 14);

/// Checks (gtest expectations) that every member of blocks up to
/// `last_version` holds its sample value.
void ExpectSamples(COptions& options, int last_version);

/// The program's layout entry for a member name (its member pointer is how
/// the tests reach a member by name); fails the test when unknown.
const options::LayoutItem& ProgramItem(const std::string& member);

}  // namespace vellix::testing
