// The rule blocks of the site's style sheet, in the order they are written.
#pragma once

#include <span>

namespace vellix::site {

/// What a block takes from the option set besides its fixed declarations.
enum class StyleDynamic {
  kNone,
  kSection,      // a section comment ("/* Dividers */") instead of a rule
  kBody,         // the body rule: margins, background, font
  kLinkColours,  // the three link colour lines
  kTopImage,     // written only when that divider's mode is Image
  kBottomImage,
  kThickImage,
  kThinImage,
  kIdx,  // the fixed-font or normal text declarations
  kFam,
  kLbl,              // label alignment and width before the fixed part
  kDate,             // the date field width
  kLblRel,           // indent outside fixed-font mode, active link colour
  kThumbIndividual,  // the font family after the fixed part
  kThumbCell,        // the column width after the fixed part
};

/// One block: selector, the text of its CSS comment ("" for none) and its
/// fixed declarations, one per line, separated by "\n". DIVCOLOR in a
/// declaration stands for the divider colour. A section holds its comment
/// text in `selector`.
struct StyleRule {
  const char* selector;
  const char* comment;
  const char* declarations;
  StyleDynamic dynamic;
};

/// The 136 rule blocks with the section comments and the link colours
/// between them.
std::span<const StyleRule> StyleRules();

}  // namespace vellix::site
