// The records of the name index: one entry per indexed individual, and the
// surname groups and letters its pagination makes of the sorted entries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/text_pool.h"

namespace vellix::site {

/// Icon flag bits of an index entry. The family page writer records what it
/// wrote for an individual in the markValue of the individual's record
/// store entry (narrative, imported text, group image, family gallery,
/// portrait, individual gallery); the index adds the biography link and the
/// individual image from the individual's custom attributes.
inline constexpr uint8_t kIconBiography = 1;            // "b.gif"
inline constexpr uint8_t kIconImage = 4;                // "i.gif", image or portrait
inline constexpr uint8_t kIconNarrative = 8;            // "n.gif"
inline constexpr uint8_t kIconText = 16;                // "t.gif", imported text
inline constexpr uint8_t kIconGroup = 32;               // "g.gif", group image
inline constexpr uint8_t kIconFamilyGallery = 64;       // "gf.gif"
inline constexpr uint8_t kIconIndividualGallery = 128;  // "gi.gif"

/// One individual of the name index. Texts are UTF-8 and not escaped,
/// except `lifespan`, which is HTML text; they live in the NameIndex's text
/// pool, so an entry of a million-person index is about 100 bytes.
struct IndexEntry {
  /// "Surname, Given ..." (surname prefix and surname, ", ", then title,
  /// given names, alias and suffix); "?" stands for an empty surname.
  text::PooledText name;
  /// Page identifier of the family page the index line links to.
  text::PooledText pageName;
  /// The individual's cross-reference key (the key of custom attributes).
  text::PooledText reference;
  /// The first run of digits in `reference` (0 when none), for sorting by
  /// reference number.
  int64_t referenceNumber = 0;
  text::PooledText lifespan;
  text::PooledText relationship;
  text::PooledText biographyLink;
  text::PooledText image;
  /// Links the family page writer attached (SetPageLinks).
  text::PooledText pageLinks;
  /// Where the given names end in `name` (0 when they were filtered).
  int32_t givenEnd = 0;
  uint8_t flags = 0;  // kIcon* bits
  /// Page identifiers of the individual's families.
  text::PooledTextList familyKeys;
};

/// A run of entries of one surname on one index page.
struct IndexChunk {
  int32_t page = 0;
  int32_t count = 0;
  friend bool operator==(const IndexChunk&, const IndexChunk&) = default;
};

/// The entries of one surname, in sorted order. The chunks of all groups,
/// taken in order, consume the sorted entry list front to back.
struct SurnameGroup {
  std::string surname;  // as spelled in the group's first entry
  int32_t count = 0;
  bool newLetter = false;  // the group starts a letter heading
  std::vector<IndexChunk> chunks;
};

/// A letter heading and the index page it starts on.
struct IndexLetter {
  std::string letter;
  int32_t page = 0;
  friend bool operator==(const IndexLetter&, const IndexLetter&) = default;
};

}  // namespace vellix::site
