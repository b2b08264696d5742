// The numbered footnotes of one family page: references placed in the lines
// that carry source citations, and the footnotes section that lists them.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "site/family/citation.h"
#include "site/sources/bibliography.h"

namespace vellix {
class COptions;
class GedcomReader;
namespace text {
class TextConverter;
}
}  // namespace vellix

namespace vellix::site {

/// What footnotes need from the run's bibliography: where the entry of a
/// citation's source (or, when sources are numbered per citation, of the
/// citation itself, told by its detail text) lies. Abstract so footnotes can
/// be tested without building a bibliography.
class BibliographyNumbers {
 public:
  virtual ~BibliographyNumbers() = default;
  /// The entry of `citation`; not found when its source has no entry.
  virtual BibliographyTarget TargetOf(const Citation& citation,
                                      std::string_view detail_text) const = 0;
};

/// BibliographyNumbers of a run's Bibliography (which must outlive it).
class RunBibliographyNumbers : public BibliographyNumbers {
 public:
  explicit RunBibliographyNumbers(const Bibliography& bibliography)
      : bibliography_(bibliography) {}
  BibliographyTarget TargetOf(const Citation& citation,
                              std::string_view detail_text) const override;

 private:
  const Bibliography& bibliography_;
};

/// The footnotes of the family page being written. The family page writer
/// owns one for the whole run: Clear at the start of each page, AddCitations
/// while the lines are built (in line order), WriteFootnotes once at the
/// end. Sources are read once per run and kept (footnotes of one source
/// that follow each other read "Ibid"). The option set, converter, reader
/// and bibliography must outlive the list.
class FootnoteList {
 public:
  FootnoteList(const COptions& options, const text::TextConverter& converter,
               GedcomReader* reader);
  ~FootnoteList();
  FootnoteList(const FootnoteList&) = delete;
  FootnoteList& operator=(const FootnoteList&) = delete;

  /// The run's bibliography numbers (none: no bibliography links).
  void set_bibliography(const BibliographyNumbers* bibliography) {
    bibliography_ = bibliography;
  }
  /// Template mode: citation texts come whole from source templates (the
  /// selected dialect's code is 1).
  void set_template_mode(bool on) { template_mode_ = on; }
  bool template_mode() const { return template_mode_; }
  /// The run's strict-doctype flag: no target attributes.
  void set_strict(bool strict) { strict_ = strict; }
  /// The footnotes frame file the references point into; "" on a single
  /// page.
  void set_link_base(std::string base) { link_base_ = std::move(base); }
  const std::string& link_base() const { return link_base_; }

  /// Numbers citations even when "Include source citations" is off (the
  /// source list of a slide page has its own option).
  void set_always_numbered(bool on) { always_numbered_ = on; }
  /// Put before the bibliography page in footnote links: "" on pages of the
  /// destination folder, the way back to it on pages of the media folder.
  void set_folder_prefix(std::string prefix) { folder_prefix_ = std::move(prefix); }
  /// The link to the citations' multimedia gallery, written below the
  /// section title ("" for none).
  void set_gallery_link(std::string link) { gallery_link_ = std::move(link); }

  /// Empties the list for the next page (the link base and gallery link
  /// too).
  void Clear();
  /// Gives each citation the next footnote number and returns the numbers.
  /// Nothing when "Include source citations" is off.
  std::vector<int> AddCitations(const std::vector<Citation>& citations);
  /// The references placed in a line: " <sup>" (or " (") and one link per
  /// number, separated by single spaces, then "</sup>" (or ")"). "" for no
  /// numbers.
  std::string FootnoteRefs(const std::vector<int>& references, bool superscript) const;
  /// AddCitations and FootnoteRefs for the SOUR lines of one name or fact.
  std::string ReferencesFor(const std::vector<const GedcomNode*>& sour_lines,
                            bool superscript);
  /// The evaluate pass: records every footnote's citation in the
  /// per-citation numbering of `bibliography`.
  void RecordCitations(Bibliography* bibliography) const;
  /// The text that tells citations of one source apart when sources are
  /// numbered per citation: the expanded citation template, else the page.
  static std::string DetailText(const Citation& citation);

  /// Appends the footnotes section to `page`; nothing without footnotes.
  /// Rewinds the cursor first, so the section can be written again.
  void WriteFootnotes(std::string* page, bool parent_target);
  /// Moves to the next footnote and fills `text` with its HTML; false after
  /// the last one.
  bool NextFootnoteText(bool parent_target, std::string* text);
  /// The link from the current footnote to its bibliography entry; "" when
  /// its source has none.
  std::string BibliographyLink(bool parent_target) const;

  size_t count() const { return footnotes_.size(); }
  /// The citation of footnote `index` (0-based, in number order).
  const Citation& citation(size_t index) const { return footnotes_[index].citation; }
  bool empty() const { return footnotes_.empty(); }

 private:
  struct Footnote {
    int number = 0;
    Citation citation;
    const SourceInfo* source = nullptr;  // owned by sources_
    std::string template_text;           // the expanded template (template mode)
    std::string detail_text;             // DetailText of the citation
  };

  const SourceInfo* SourceOf(const Citation& citation);
  bool SameSource(const Footnote& a, const Footnote& b) const;
  std::string ExpandTemplate(const Citation& citation, const SourceInfo& source) const;
  std::string MainText(const Footnote& note, bool parent_target) const;
  std::string Convert(std::string_view text, bool parent_target) const;

  const COptions& options_;
  const text::TextConverter& converter_;
  GedcomReader* reader_;
  const BibliographyNumbers* bibliography_ = nullptr;
  bool template_mode_ = false;
  bool strict_ = false;
  bool always_numbered_ = false;
  std::string folder_prefix_;
  std::string gallery_link_;
  std::string link_base_;
  std::vector<Footnote> footnotes_;
  size_t cursor_ = 0;  // footnotes already handed out by NextFootnoteText
  std::unordered_map<std::string, std::unique_ptr<SourceInfo>> sources_;  // folded key
  SourceInfo inline_source_;  // the empty source of inline citations
};

}  // namespace vellix::site
