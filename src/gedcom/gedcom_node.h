// The tree of a loaded GEDCOM record: level-0 record and subordinate lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gedcom/tag_table.h"

namespace vellix {

struct GedcomNode;

/// The children of a node (or record) that carry one tag code, in file
/// order; a view over the node's children that skips the others.
class TaggedChildren {
 public:
  class Iterator {
   public:
    using value_type = GedcomNode;
    using difference_type = std::ptrdiff_t;
    Iterator(const GedcomNode* at, const GedcomNode* end, TagCode code);
    const GedcomNode& operator*() const { return *at_; }
    const GedcomNode* operator->() const { return at_; }
    Iterator& operator++();
    bool operator==(const Iterator& other) const { return at_ == other.at_; }
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

   private:
    void Skip();
    const GedcomNode* at_;
    const GedcomNode* end_;
    TagCode code_;
  };

  TaggedChildren(const std::vector<GedcomNode>& children, TagCode code);
  Iterator begin() const;
  Iterator end() const;
  bool empty() const { return begin() == end(); }

 private:
  const GedcomNode* first_;
  const GedcomNode* last_;
  TagCode code_;
};

/// One subordinate line of a loaded record with its own subordinate lines.
/// A node owns its children; destroying a node frees its subtree without
/// recursion, so hostile files with thousands of nesting levels are safe.
struct GedcomNode {
  int32_t level = 0;
  TagCode tagCode = kTagUnknown;
  std::string tag;
  /// The value after character-set conversion.
  std::string value;
  /// The value without its at signs when the value is a pointer ("@S12@"
  /// gives "S12"); empty otherwise.
  std::string pointer;
  /// Children in file order.
  std::vector<GedcomNode> children;

  GedcomNode() = default;
  GedcomNode(int32_t level_in, TagCode code, std::string tag_in, std::string value_in);
  ~GedcomNode();
  GedcomNode(GedcomNode&&) noexcept = default;
  GedcomNode& operator=(GedcomNode&&) noexcept = default;
  GedcomNode(const GedcomNode&) = delete;
  GedcomNode& operator=(const GedcomNode&) = delete;

  /// Adds `line` below this node: to the last child's subtree when its level
  /// is greater than that child's, after the last child when equal, refused
  /// (false) when smaller. A node without children takes any level.
  bool AddChild(GedcomNode line);

  /// The first child with `code`, or nullptr.
  const GedcomNode* FirstChild(TagCode code) const;
  /// Every child with `code`, in file order.
  TaggedChildren Children(TagCode code) const { return {children, code}; }
};

/// The first of `nodes` with `code`, or nullptr.
const GedcomNode* FirstWithTag(const std::vector<GedcomNode>& nodes, TagCode code);

/// The pointer value of `value`: without its at signs when it starts with
/// an at sign and ends with one, else empty.
std::string PointerOf(std::string_view value);

/// Adds `line` into the tree whose top-level lines are `children` (the
/// tree-building rule of AddChild, walked iteratively).
bool AddToTree(std::vector<GedcomNode>* children, GedcomNode line);

/// Frees a subtree iteratively (used by the destructors).
void DestroyTree(std::vector<GedcomNode>* children);

}  // namespace vellix
