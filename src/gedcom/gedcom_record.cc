#include "gedcom/gedcom_record.h"

#include <utility>

namespace vellix {

GedcomRecord::GedcomRecord(TagCode code, std::string tag_in, std::string key_in,
                           std::string value_in, int64_t offset)
    : tagCode(code),
      key(std::move(key_in)),
      tag(std::move(tag_in)),
      value(std::move(value_in)),
      fileOffset(offset) {}

GedcomRecord::~GedcomRecord() { DestroyTree(&children); }

bool GedcomRecord::AddLine(GedcomNode line) {
  return AddToTree(&children, std::move(line));
}

const GedcomNode* GedcomRecord::FirstChild(TagCode code) const {
  for (const GedcomNode& child : children) {
    if (child.tagCode == code) return &child;
  }
  return nullptr;
}

TreeBuilder::TreeBuilder(GedcomRecord* record) : record_(record) {
  chain_.push_back(&record_->children);
  // Rebuild the chain for a record that already has lines.
  while (!chain_.back()->empty()) {
    chain_.push_back(&chain_.back()->back().children);
  }
}

bool TreeBuilder::Add(GedcomNode line) {
  // The walk from the top descends while the line's level is greater than
  // the last child's level. Levels along the chain strictly increase, so the
  // list where the walk stops is found by halving.
  size_t lo = 0;
  size_t hi = chain_.size() - 1;  // the last list is empty
  if (chain_.size() == 1 && chain_[0]->empty()) {
    chain_[0]->push_back(std::move(line));
    chain_.push_back(&chain_[0]->back().children);
    return true;
  }
  // Find the first depth i < hi with line.level <= chain_[i]->back().level;
  // hi means "descend to the bottom".
  size_t first = hi;
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    if (line.level <= chain_[mid]->back().level) {
      first = mid;
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  std::vector<GedcomNode>* list = chain_[first];
  if (first + 1 < chain_.size() && line.level < list->back().level) {
    return false;
  }
  list->push_back(std::move(line));
  chain_.resize(first + 1);
  chain_.push_back(&list->back().children);
  return true;
}

}  // namespace vellix
