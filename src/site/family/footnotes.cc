#include "site/family/footnotes.h"

#include "gedcom/gedcom_reader.h"
#include "model/template_expander.h"
#include "options/options.h"
#include "text/html_escape.h"
#include "text/sentence.h"
#include "text/string_ops.h"
#include "text/text_converter.h"
#include "text/text_tidy.h"

namespace vellix::site {
namespace {

// Template texts carry their own emphasis; after escaping, these tags are
// put back (and nothing else the GEDCOM file holds becomes markup).
void RestoreEmphasis(std::string* text) {
  for (std::string_view tag : {"i", "b", "u", "tt"}) {
    for (std::string_view slash : {"", "/"}) {
      const std::string plain = "<" + std::string(slash) + std::string(tag) + ">";
      const std::string escaped = "&lt;" + std::string(slash) + std::string(tag) + "&gt;";
      text::ReplaceAll(text, escaped, plain);
    }
  }
}

void AppendLabelled(const text::TextConverter& converter, std::string* out,
                    std::string_view label, std::string_view value) {
  if (value.empty()) return;
  std::string sentence(label);
  sentence += ": ";
  sentence += value;
  converter.AppendSentence(out, sentence, {.leading_space = true, .period = true});
}

}  // namespace

FootnoteList::FootnoteList(const COptions& options, const text::TextConverter& converter,
                           GedcomReader* reader)
    : options_(options), converter_(converter), reader_(reader) {}

FootnoteList::~FootnoteList() = default;

void FootnoteList::Clear() {
  footnotes_.clear();
  cursor_ = 0;
  link_base_.clear();
}

const SourceInfo* FootnoteList::SourceOf(const Citation& citation) {
  if (citation.source.empty()) return &inline_source_;
  std::string key = text::AsciiUpper(citation.source);
  auto found = sources_.find(key);
  if (found != sources_.end()) return found->second.get();
  auto info = std::make_unique<SourceInfo>();
  if (reader_ != nullptr) {
    *info = ReadSourceInfo(*reader_, citation.source, options_.m_bUseAbbr);
  }
  const SourceInfo* result = info.get();
  sources_.emplace(std::move(key), std::move(info));
  return result;
}

std::vector<int> FootnoteList::AddCitations(const std::vector<Citation>& citations) {
  std::vector<int> references;
  if (!options_.m_bCitations) return references;
  for (const Citation& citation : citations) {
    Footnote note;
    note.number = static_cast<int>(footnotes_.size()) + 1;
    note.citation = citation;
    note.source = SourceOf(citation);
    if (template_mode_) note.template_text = ExpandTemplate(citation, *note.source);
    note.detail_text = DetailText(citation);
    references.push_back(note.number);
    footnotes_.push_back(std::move(note));
  }
  return references;
}

std::string FootnoteList::FootnoteRefs(const std::vector<int>& references,
                                       bool superscript) const {
  if (references.empty()) return {};
  std::string out = superscript ? " <sup>" : " (";
  const bool targeted = !link_base_.empty() && !strict_;
  for (size_t i = 0; i < references.size(); ++i) {
    if (i > 0) out += ' ';
    const std::string number = std::to_string(references[i]);
    out += "<a href=\"" + link_base_ + "#" + number + "\"";
    if (targeted) out += " target=\"fn\"";
    out += ">" + number + "</a>";
  }
  out += superscript ? "</sup>" : ")";
  return out;
}

void FootnoteList::WriteFootnotes(std::string* page, bool parent_target) {
  if (footnotes_.empty()) return;
  cursor_ = 0;
  *page += "<div class=\"vx-ftsec\">" + options_.m_strLblFootnotes + "</div>\r\n";
  // The citations' multimedia gallery link goes here once galleries exist.
  *page += "<div class=\"vx-ftnote\"><ol>";
  std::string text;
  while (NextFootnoteText(parent_target, &text)) {
    *page +=
        "<li><a name=\"" + std::to_string(footnotes_[cursor_ - 1].number) + "\"></a>";
    *page += text;
    *page += "\r\n";
  }
  *page += "</ol></div>";
}

bool FootnoteList::SameSource(const Footnote& a, const Footnote& b) const {
  bool same = false;
  if (!a.citation.source.empty() || !b.citation.source.empty()) {
    same = text::AsciiUpper(a.citation.source) == text::AsciiUpper(b.citation.source);
  } else {
    same = !a.citation.description.empty() &&
           a.citation.description == b.citation.description;
  }
  // A template citation is whole in itself: "Ibid" would drop its details
  // unless it says exactly what the previous one said.
  if (same && template_mode_) same = a.template_text == b.template_text;
  return same;
}

std::string FootnoteList::Convert(std::string_view value, bool parent_target) const {
  std::string converted =
      converter_.ConvertText(value, {.linkify = true, .parent_target = parent_target});
  text::ReplaceAll(&converted, "\n", "<br>\r\n");
  return converted;
}

std::string FootnoteList::ExpandTemplate(const Citation& citation,
                                         const SourceInfo& source) const {
  const std::string& pattern =
      citation.template_text.empty() ? source.template_text : citation.template_text;
  if (pattern.empty()) return {};
  TemplateExpander expander;
  // The citation's own values come first: the first value of a name wins.
  for (const TemplateField& field : citation.fields)
    expander.AddField(field.first, field.second);
  for (const TemplateField& field : source.fields)
    expander.AddField(field.first, field.second);
  if (!citation.page.empty()) expander.AddField("Page", citation.page);
  return expander.Expand(pattern);
}

std::string FootnoteList::MainText(const Footnote& note, bool parent_target) const {
  const SourceInfo& source = *note.source;
  std::string out;
  if (template_mode_ && !note.template_text.empty()) {
    out = converter_.ConvertText(note.template_text,
                                 {.linkify = true, .parent_target = parent_target});
    RestoreEmphasis(&out);
  } else {
    if (!source.author.empty()) out = Convert(source.author, parent_target);
    std::string title = source.title;
    bool italic = !template_mode_;
    if (title.empty() && !note.citation.description.empty()) {
      // An inline source is described, not titled.
      title = note.citation.description;
      italic = false;
    }
    if (!title.empty()) {
      if (!out.empty()) out += ", ";
      if (italic) out += "<i>";
      out += Convert(title, parent_target);
      if (italic) out += "</i>";
    }
  }
  if (options_.m_bBiblioPages && options_.m_bCitationBiblioLinks) {
    std::string link = BibliographyLink(parent_target);
    if (!link.empty()) out += " [" + link + "]";
  }
  if (!source.publication.empty() && note.template_text.empty()) {
    std::string publication = Convert(source.publication, parent_target);
    while (!publication.empty() && publication.back() == '.') publication.pop_back();
    out += " (" + publication + ")";
  }
  return out;
}

bool FootnoteList::NextFootnoteText(bool parent_target, std::string* text) {
  text->clear();
  if (cursor_ >= footnotes_.size()) return false;
  const Footnote& note = footnotes_[cursor_];
  ++cursor_;
  const Citation& citation = note.citation;
  const bool has_page = !citation.page.empty() && !template_mode_;
  std::string out;
  if (cursor_ >= 2 && SameSource(footnotes_[cursor_ - 2], note)) {
    out = "<i>" + options_.m_strLblIbid + "</i>.";
    if (has_page) out += ",";
  } else {
    out = MainText(note, parent_target);
    text::EndSentence(&out, has_page);
  }
  if (has_page) {
    if (!out.empty()) out += ' ';
    out += text::EscapeHtml(citation.page);
    text::EndSentence(&out, false);
  }
  if (options_.m_bCitationDetails &&
      (!citation.event.empty() || !citation.role.empty() || !citation.quality.empty())) {
    std::string details;
    AppendLabelled(converter_, &details, options_.m_strBibEvent, citation.event);
    AppendLabelled(converter_, &details, options_.m_strBibRole, citation.role);
    AppendLabelled(converter_, &details, options_.m_strBibQuality, citation.quality);
    out += "\r\n<div class=\"vx-ftdtl\">" + details + "</div>";
  }
  if (!citation.date.empty() || !citation.text.empty()) {
    out += "\r\n<div class=\"vx-fttxt\">";
    if (!citation.date.empty()) out += "(" + text::EscapeHtml(citation.date) + ")";
    std::string paragraphs;
    if (converter_.AppendParagraphs(citation.text, &paragraphs, {}, {},
                                    {.linkify = true, .parent_target = parent_target})) {
      if (!citation.date.empty()) out += ' ';
      out += paragraphs;
    }
    out += "</div>";
  }
  if (options_.m_bCitationComments && !citation.notes.empty()) {
    std::string paragraphs;
    converter_.AppendParagraphs(citation.notes, &paragraphs, "[", "]",
                                {.linkify = true, .parent_target = parent_target});
    out += "\r\n<div class=\"vx-ftcmt\">\r\n" + paragraphs + "</div>";
  }
  *text = std::move(out);
  return true;
}

std::string FootnoteList::BibliographyLink(bool parent_target) const {
  if (bibliography_ == nullptr || cursor_ == 0 || cursor_ > footnotes_.size()) return {};
  const Footnote& note = footnotes_[cursor_ - 1];
  if (note.citation.source.empty()) return {};
  const BibliographyTarget target =
      bibliography_->TargetOf(note.citation, note.detail_text);
  if (!target.found()) return {};
  const std::string href = text::EscapeHref(target.file + "#" + target.anchor);
  std::string target_attribute;
  if (!strict_) {
    target_attribute =
        std::string(" target=\"") + (parent_target ? "_parent" : "_self") + "\"";
  }
  return "<a href=\"" + href + "\"" + target_attribute + " title=\"" +
         options_.m_strTitleBiblio + "\">" + std::to_string(target.number) + "</a>";
}

std::string FootnoteList::ReferencesFor(const std::vector<const GedcomNode*>& sour_lines,
                                        bool superscript) {
  std::vector<Citation> citations;
  citations.reserve(sour_lines.size());
  for (const GedcomNode* line : sour_lines) {
    if (line != nullptr) citations.push_back(ReadCitation(*line, reader_));
  }
  return FootnoteRefs(AddCitations(citations), superscript);
}

void FootnoteList::RecordCitations(Bibliography* bibliography) const {
  for (const Footnote& note : footnotes_) {
    if (!note.citation.source.empty()) {
      bibliography->AddCitation(note.citation.source, note.detail_text);
    }
  }
}

std::string FootnoteList::DetailText(const Citation& citation) {
  if (!citation.template_text.empty()) {
    TemplateExpander expander;
    for (const TemplateField& field : citation.fields) {
      expander.AddField(field.first, field.second);
    }
    if (!citation.page.empty()) expander.AddField("Page", citation.page);
    return expander.Expand(citation.template_text);
  }
  return citation.page;
}

BibliographyTarget RunBibliographyNumbers::TargetOf(const Citation& citation,
                                                    std::string_view detail_text) const {
  if (bibliography_.per_citation()) {
    return bibliography_.CitationTargetOf(citation.source, detail_text);
  }
  return bibliography_.TargetOf(citation.source);
}

}  // namespace vellix::site
