// The lines of the group sheet: one labelled field (a fact, a name or a list
// of relatives) in the three layouts (paragraph lines, an aligned label
// table, fixed-width text), the display form of dates, and the paragraphs of
// the additional-information section.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "site/family/fact.h"

namespace vellix {
class COptions;
}  // namespace vellix
namespace vellix::text {
class TextConverter;
struct PageNameSettings;
}  // namespace vellix::text

namespace vellix::site {

class PageWriter;
struct PersonFacts;
struct FamilyFacts;

/// The footnote references of a line: numbers the citations (in the order
/// lines are built) and returns the reference text to append (" <sup>..."
/// or " (...)"). Called exactly once per line that carries citations, and
/// never for a hidden person's lines.
using CitationRefs = std::function<std::string(
    const std::vector<const GedcomNode*>& citations, bool superscript)>;

/// A link to the family page `page_id` with the HTML text `text`.
using PageLink =
    std::function<std::string(std::string_view page_id, std::string_view text)>;

/// PageLink through PageWriter::MakeLink and the page file names of `names`.
PageLink MakePageLink(const PageWriter& writer, const text::PageNameSettings& names);

/// The arguments of one FactLine. Either `fact` or `name_text` is given.
struct FactLineArgs {
  std::string_view label;
  bool parent_target = false;
  const Fact* fact = nullptr;
  /// HTML text shown as the value instead of a fact's date (names).
  std::string_view name_text;
  bool has_name = false;
  /// HTML put in the place part with a name (the biography link).
  std::string_view suffix;
  /// The footnote references (HTML).
  std::string_view after;
  std::string_view ref_number;
  /// Notes shown inline (the fact's notes).
  const std::vector<std::vector<std::string>>* notes = nullptr;
  bool colon = true;
  bool in_place = true;
};

/// One relative in a Father, Mother or Spouses line.
struct Relative {
  std::string name;     // display name, plain text
  std::string page_id;  // the family page to link to; empty for none
};

/// Which list BmdLines writes.
enum BmdKind : int { kBmdBorn = 1, kBmdDied = 2, kBmdMarried = 3 };

/// Builds the lines of one family page. Holds references to the option set
/// and the text converter, which must outlive it. Fixed-font mode and the
/// label width are set per page by the sheet writer.
class FactFormatter {
 public:
  FactFormatter(const COptions& options, const text::TextConverter& converter,
                CitationRefs refs, PageLink link);

  void set_fixed_font(bool fixed) { fixed_ = fixed; }
  bool fixed_font() const { return fixed_; }
  /// Label width W of fixed-font mode.
  void set_label_width(int width) { label_width_ = width; }
  int label_width() const { return label_width_; }
  /// W from the longest label used on the page: its length plus one with
  /// "Use width of longest label", else the option "Use this width".
  void SetLabelWidthFromLongest(size_t longest_label);

  const COptions& options() const { return options_; }
  const text::TextConverter& converter() const { return converter_; }
  const PageLink& page_link() const { return link_; }

  /// The date as shown: date words replaced by the display words, one-digit
  /// runs padded, stray periods dropped, month names restyled. Unchanged
  /// (restyling aside) when "Enable date formatting" is off. Not escaped.
  std::string DateDisplay(std::string_view date) const;

  /// The label as it stands in a line: with ":" (colon), padded to W in
  /// fixed-font mode (left or right aligned). Not escaped: labels are
  /// option texts.
  std::string LabelText(std::string_view label, bool colon) const;

  /// One labelled line.
  std::string FactLine(const FactLineArgs& args) const;

  /// The footnote references of `citations` (empty for none).
  std::string Refs(const std::vector<const GedcomNode*>& citations,
                   bool superscript) const;

  /// FactLine for a fact under its own label, with its footnote references
  /// and notes.
  std::string OtherFactLine(const Fact& fact, bool parent_target, bool in_place) const;

  /// The Born, Died or Married lines: each fact of the list under its own
  /// label, or one empty line with the list's label.
  std::string BmdLines(const std::vector<Fact>& list, BmdKind kind,
                       bool parent_target) const;
  std::string BmdLines(const PersonFacts& person, BmdKind kind, bool parent_target) const;
  std::string BmdLines(const FamilyFacts& family, bool parent_target) const;

  /// Father, Mother and Spouses lines; `more` relatives left off the list
  /// end it with "and N more".
  std::string RelativesLine(std::string_view label,
                            const std::vector<Relative>& relatives,
                            size_t more = 0) const;

  /// One fact as a paragraph of the additional-information section.
  std::string EventParagraph(const Fact& fact, bool parent_target) const;

  /// The other facts of a person placed within the group sheet, one line
  /// each; empty for a hidden person.
  std::string OtherFactLines(const PersonFacts& person, bool parent_target) const;

  /// The notes as paragraphs (`inline_form`: without "<p>", separated by
  /// "<br>"), links on.
  std::string NoteParagraphs(const std::vector<std::vector<std::string>>& notes,
                             bool parent_target, bool inline_form) const;

 private:
  std::string FixedBreak(bool colon) const;

  const COptions& options_;
  const text::TextConverter& converter_;
  CitationRefs refs_;
  PageLink link_;
  bool fixed_ = false;
  int label_width_ = 9;
};

/// The length (in characters) of the longest fact label of a person's Born,
/// Died and other-facts lists. The sheet writer adds the fixed labels it
/// uses (Husband, Name, Father, ...).
size_t LongestLabel(const PersonFacts& person);

}  // namespace vellix::site
