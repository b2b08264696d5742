// A level-0 GEDCOM record: as an index entry of the record store, or loaded
// with its whole tree of subordinate lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gedcom/gedcom_node.h"
#include "gedcom/tag_table.h"

namespace vellix {

/// Mark bits of `flags` set per run by the model builders.
inline constexpr uint8_t kMarkSelected = 0x01;  // family selected / individual included
inline constexpr uint8_t kMarkInFamily = 0x02;  // individual belongs to a family
inline constexpr uint8_t kMarkLiving = 0x04;    // individual living
inline constexpr uint8_t kMarkLivingTested = 0x08;  // living test made
inline constexpr uint8_t kRunMarks = 0x0F;          // cleared at each run

/// The key under which the header record is filed.
inline constexpr std::string_view kHeaderKey = "VX_HDR";

/// One level-0 record. The reading pass files index entries (no children)
/// in the record store; LoadRecord makes a separate, fully loaded copy that
/// its cache owns. Kept lean: a million index entries must fit comfortably
/// in memory together with the file image.
class GedcomRecord {
 public:
  GedcomRecord() = default;
  GedcomRecord(TagCode code, std::string tag_in, std::string key_in, std::string value_in,
               int64_t offset);
  ~GedcomRecord();
  GedcomRecord(GedcomRecord&&) noexcept = default;
  GedcomRecord& operator=(GedcomRecord&&) noexcept = default;
  GedcomRecord(const GedcomRecord&) = delete;
  GedcomRecord& operator=(const GedcomRecord&) = delete;

  /// Bits 0..3 are the run's marks (kMark*); bits 4..7 survive ClearMarks.
  uint8_t flags = 0;
  /// Further marks the family page writer records; cleared with bits 0..3.
  int32_t markValue = 0;
  TagCode tagCode = kTagUnknown;
  /// Cross-reference identifier without at signs ("VX_HDR" for the header).
  std::string key;
  /// Page identifier given by the model builders; empty at creation.
  std::string pageId;
  /// The record's tag as written.
  std::string tag;
  /// The value of the level-0 line.
  std::string value;
  /// Byte offset of the level-0 line in the file image.
  int64_t fileOffset = 0;
  /// The level-1 lines in file order, each with its subtree (loaded records
  /// only).
  std::vector<GedcomNode> children;

  int32_t level() const { return 0; }

  /// Adds a subordinate line to the tree (the rule of GedcomNode::AddChild;
  /// a record without children takes a line of any level).
  bool AddLine(GedcomNode line);

  /// The first top-level line with `code`, or nullptr.
  const GedcomNode* FirstChild(TagCode code) const;
  /// Every top-level line with `code`, in file order.
  TaggedChildren Children(TagCode code) const { return {children, code}; }
};

/// Builds a record's tree line by line in logarithmic time per line: it
/// remembers the chain of last children, whose levels strictly increase, so
/// a deeply nested record does not cost a walk from the top for every line.
/// Gives exactly the tree GedcomRecord::AddLine gives.
class TreeBuilder {
 public:
  explicit TreeBuilder(GedcomRecord* record);
  /// Adds `line`; false when the tree-building rule refuses it.
  bool Add(GedcomNode line);

 private:
  GedcomRecord* record_;
  // chain_[i] is the child list at depth i along the last-child chain;
  // chain_[0] is the record's own list. Only lists that are not empty,
  // except possibly the last.
  std::vector<std::vector<GedcomNode>*> chain_;
};

}  // namespace vellix
