#include "gedcom/gedcom_node.h"

#include <utility>

namespace vellix {

TaggedChildren::Iterator::Iterator(const GedcomNode* at, const GedcomNode* end,
                                   TagCode code)
    : at_(at), end_(end), code_(code) {
  Skip();
}

void TaggedChildren::Iterator::Skip() {
  while (at_ != end_ && at_->tagCode != code_) ++at_;
}

TaggedChildren::Iterator& TaggedChildren::Iterator::operator++() {
  ++at_;
  Skip();
  return *this;
}

TaggedChildren::TaggedChildren(const std::vector<GedcomNode>& children, TagCode code)
    : first_(children.data()), last_(children.data() + children.size()), code_(code) {}

TaggedChildren::Iterator TaggedChildren::begin() const {
  return Iterator(first_, last_, code_);
}

TaggedChildren::Iterator TaggedChildren::end() const {
  return Iterator(last_, last_, code_);
}

GedcomNode::GedcomNode(int32_t level_in, TagCode code, std::string tag_in,
                       std::string value_in)
    : level(level_in),
      tagCode(code),
      tag(std::move(tag_in)),
      value(std::move(value_in)),
      pointer(PointerOf(value)) {}

GedcomNode::~GedcomNode() { DestroyTree(&children); }

bool GedcomNode::AddChild(GedcomNode line) {
  return AddToTree(&children, std::move(line));
}

const GedcomNode* GedcomNode::FirstChild(TagCode code) const {
  return FirstWithTag(children, code);
}

const GedcomNode* FirstWithTag(const std::vector<GedcomNode>& nodes, TagCode code) {
  for (const GedcomNode& node : nodes) {
    if (node.tagCode == code) return &node;
  }
  return nullptr;
}

std::string PointerOf(std::string_view value) {
  if (value.empty() || value.front() != '@' || value.back() != '@') return {};
  std::string pointer;
  pointer.reserve(value.size());
  for (char c : value) {
    if (c != '@') pointer += c;
  }
  return pointer;
}

bool AddToTree(std::vector<GedcomNode>* children, GedcomNode line) {
  for (;;) {
    if (children->empty()) {
      children->push_back(std::move(line));
      return true;
    }
    GedcomNode& last = children->back();
    if (line.level > last.level) {
      children = &last.children;
    } else if (line.level == last.level) {
      children->push_back(std::move(line));
      return true;
    } else {
      return false;
    }
  }
}

namespace {

// Records are shallow: a few levels are freed in place by bounded recursion,
// with no node moved; only a subtree deeper than this is flattened.
constexpr int kInPlaceDepth = 16;

void FlattenTree(std::vector<GedcomNode>* children);

void FreeLevels(std::vector<GedcomNode>* children, int depth) {
  for (GedcomNode& node : *children) {
    if (node.children.empty()) continue;
    if (depth < kInPlaceDepth) {
      FreeLevels(&node.children, depth + 1);
    } else {
      FlattenTree(&node.children);
    }
  }
  children->clear();  // every node's own list is empty by now
}

void FlattenTree(std::vector<GedcomNode>* children) {
  // Flattening: every grandchild list is moved onto one work list before its
  // parent dies, so no destructor ever finds a non-empty child list and the
  // stack depth stays constant whatever the nesting.
  std::vector<GedcomNode> work = std::move(*children);
  children->clear();
  while (!work.empty()) {
    GedcomNode node = std::move(work.back());
    work.pop_back();
    for (GedcomNode& child : node.children) work.push_back(std::move(child));
    node.children.clear();
  }
}

}  // namespace

void DestroyTree(std::vector<GedcomNode>* children) {
  if (children->empty()) return;
  FreeLevels(children, 0);
}

}  // namespace vellix
