// The name lines of the group sheet: a spouse's or child's name with its
// link, reference number, biography link and footnote references, the label
// of a child's name line, and alternate names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "site/family/fact_line.h"

namespace vellix::site {

struct PersonFacts;
struct AlternateName;

/// The arguments of one NameLine.
struct NameLineArgs {
  std::string_view label;
  /// Display name (plain text; escaped here).
  std::string_view name;
  /// The biography link (HTML) put after the name; may be empty.
  std::string_view suffix;
  const std::vector<const GedcomNode*>* citations = nullptr;
  std::string_view ref_number;
  bool colon = true;
  /// The family page the name links to; empty for no link.
  std::string_view link_page_id;
};

/// A name line: the escaped name (linked to its page when given), the suffix,
/// and the footnote references of the name's citations.
std::string NameLine(const FactFormatter& f, const NameLineArgs& args);

/// The name line of a person: the display name, no citations or reference
/// number for an excluded living person.
std::string PersonNameLine(const FactFormatter& f, std::string_view label,
                           const PersonFacts& person, std::string_view suffix,
                           std::string_view ref_number, std::string_view link_page_id);

/// The label of a child's name line: "01&nbsp;" ("01 " in fixed-font mode)
/// or the relationship marker "01&gt;", then " (M):" with the sex label,
/// padded in fixed-font mode.
std::string ChildLabel(const FactFormatter& f, int number, char sex,
                       bool has_relationship);

/// The alternate names a person shows within the group sheet, each a name
/// line labelled "Name" with its citations.
std::string AlternateNameLines(const FactFormatter& f, const PersonFacts& person);

}  // namespace vellix::site
