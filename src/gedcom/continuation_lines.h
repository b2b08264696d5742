// Joining and splitting the CONC and CONT continuation lines of a GEDCOM
// value. The reader keeps continuation lines as child nodes of the line they
// continue; page writers take values through these functions.
//
// Written against any node type with `value`, `tagCode` and `children` (a
// GedcomNode or a loaded GedcomRecord, e.g. a NOTE record).
#pragma once

#include <concepts>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "gedcom/tag_table.h"
#include "text/text_tidy.h"

namespace vellix {

template <typename Node>
concept ContinuedLine = requires(const Node& node) {
  { node.value } -> std::convertible_to<const std::string&>;
  { node.tagCode } -> std::convertible_to<TagCode>;
  { node.children.size() } -> std::convertible_to<size_t>;
};

/// How JoinContinuationLines puts a value together.
struct JoinOptions {
  bool with_breaks = false;  // CONT lines start after kLineBreakPlaceholder
  bool append = false;       // add to the destination instead of replacing it
};

/// Puts the node's value into `destination` (appended with
/// `options.append`, else replacing what was there), then its CONC children
/// directly and its CONT children after kLineBreakPlaceholder ("%BR%") with
/// `options.with_breaks`, directly otherwise. Other children are ignored.
/// True when any CONC or CONT child was found.
template <ContinuedLine Node>
bool JoinContinuationLines(const Node& node, std::string* destination,
                           const JoinOptions& options = {}) {
  const bool with_breaks = options.with_breaks;
  if (!options.append) destination->clear();
  *destination += node.value;
  bool continued = false;
  for (const auto& child : node.children) {
    if (child.tagCode == kTagConc) {
      *destination += child.value;
      continued = true;
    } else if (child.tagCode == kTagCont) {
      if (with_breaks) *destination += text::kLineBreakPlaceholder;
      *destination += child.value;
      continued = true;
    }
  }
  return continued;
}

namespace internal {

template <typename Node>
void AddContinuation(const Node& line, std::vector<std::string>* lines) {
  if (line.tagCode == kTagCont || lines->empty()) {
    lines->push_back(line.value);
  } else {
    lines->back() += line.value;
  }
}

}  // namespace internal

/// Appends the node's value to `lines` as a new element; each CONT child
/// starts a new element and each CONC child continues the last one. Other
/// children are ignored.
template <ContinuedLine Node>
void SplitContinuationLines(const Node& node, std::vector<std::string>* lines) {
  lines->push_back(node.value);
  for (const auto& child : node.children) {
    if (child.tagCode == kTagConc || child.tagCode == kTagCont) {
      internal::AddContinuation(child, lines);
    }
  }
}

/// The form for files that write continuation lines at the level of the
/// line they continue: `siblings[index]` starts a new element and the
/// CONC/CONT lines right after it at the same level continue it. The first
/// sibling with any other tag ends the value, so the continuation lines of a
/// later value are never taken.
template <ContinuedLine Node>
void SplitContinuationLines(std::span<const Node> siblings, size_t index,
                            std::vector<std::string>* lines) {
  if (index >= siblings.size()) return;
  lines->push_back(siblings[index].value);
  for (size_t i = index + 1; i < siblings.size(); ++i) {
    const Node& line = siblings[i];
    if (line.tagCode != kTagConc && line.tagCode != kTagCont) break;
    internal::AddContinuation(line, lines);
  }
}

}  // namespace vellix
