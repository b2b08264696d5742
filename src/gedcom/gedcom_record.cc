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
  return FirstWithTag(children, code);
}

bool TreeBuilder::Add(int32_t level, TagCode code, std::string_view tag,
                      std::string_view value) {
  // The walk from the top descends while the line's level is greater than
  // the last line's level at that depth. Levels along the chain strictly
  // increase, so the depth where the walk stops is found by halving: the
  // first depth whose last line's level is not below the new one.
  size_t lo = 0;
  size_t hi = chain_.size();
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    if (level <= lines_[static_cast<size_t>(chain_[mid])].level) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  const size_t depth = lo;
  if (depth < chain_.size() && level < lines_[static_cast<size_t>(chain_[depth])].level) {
    return false;
  }
  // At `depth` the line follows that depth's last line (same level) or, at
  // the bottom of the chain, becomes the first child of the deepest one.
  const int32_t parent = depth == 0 ? -1 : chain_[depth - 1];
  if (parent >= 0) ++lines_[static_cast<size_t>(parent)].children;
  const auto index = static_cast<int32_t>(lines_.size());
  lines_.push_back({level, code, parent, 0, tag, value});
  chain_.resize(depth);
  chain_.push_back(index);
  return true;
}

}  // namespace vellix
