// A level-0 GEDCOM record: as an index entry of the record store, or loaded
// with its whole tree of subordinate lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

/// Builds a loaded record's tree in two steps. Add places each line by the
/// tree-building rule of GedcomRecord::AddLine in logarithmic time (it keeps
/// the chain of last children, whose levels strictly increase) but keeps
/// only its level, tag code and texts; Finish then makes the nodes with
/// every child list allocated once at its final size. Loading a record so
/// costs one allocation per list instead of a vector grown line by line,
/// and no node is ever moved. One builder serves any number of records.
class TreeBuilder {
 public:
  /// Adds a line whose texts stay valid until Finish; false when the rule
  /// refuses it (it is then left out).
  bool Add(int32_t level, TagCode code, std::string_view tag, std::string_view value);

  /// Makes the nodes of the lines added since the last Finish below
  /// `record`, which has no children yet; `convert(value)` gives a node's
  /// value as a std::string. The builder is then empty again.
  template <typename Convert>
  void Finish(GedcomRecord* record, Convert convert);

 private:
  struct PendingLine {
    int32_t level;
    TagCode code;
    int32_t parent;     // index in lines_, -1 for a top-level line
    uint32_t children;  // lines placed below this one
    std::string_view tag;
    std::string_view value;
  };
  std::vector<PendingLine> lines_;
  // chain_[d] is the index of the last line at depth d along the chain of
  // last children.
  std::vector<int32_t> chain_;
  std::vector<GedcomNode*> nodes_;
};

template <typename Convert>
void TreeBuilder::Finish(GedcomRecord* record, Convert convert) {
  // Empty again however this ends, so that a failed load leaves nothing of
  // its lines to the next record.
  struct Emptied {
    TreeBuilder* builder;
    ~Emptied() {
      builder->lines_.clear();
      builder->chain_.clear();
    }
  } emptied{this};
  size_t top = 0;
  for (const PendingLine& line : lines_) {
    if (line.parent < 0) ++top;
  }
  record->children.reserve(top);
  nodes_.resize(lines_.size());
  for (size_t i = 0; i < lines_.size(); ++i) {
    const PendingLine& line = lines_[i];
    std::vector<GedcomNode>& list =
        line.parent < 0 ? record->children
                        : nodes_[static_cast<size_t>(line.parent)]->children;
    // Each list was reserved at its final size, so the addresses taken
    // below stay valid while later lines are placed.
    GedcomNode& node = list.emplace_back(line.level, line.code, std::string(line.tag),
                                         convert(line.value));
    if (line.children > 0) node.children.reserve(line.children);
    nodes_[i] = &node;
  }
}

}  // namespace vellix
