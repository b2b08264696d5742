// The bibliography pages: the page loop, the strip between pages and the
// HTML of one entry.
#include <algorithm>

#include "gedcom/gedcom_reader.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "site/sources/bibliography.h"
#include "site/sources/entry_parts.h"
#include "site/sources/numbered_pages.h"
#include "site/sources/repository_index.h"
#include "text/html_escape.h"
#include "text/sentence.h"

namespace vellix::site {
namespace {

/// Appends "label: value." to `line` (after a blank when the line is not
/// empty); nothing for an empty value.
void AppendLabelled(const text::TextConverter& converter, std::string* line,
                    std::string_view label, std::string_view value, bool linkify) {
  if (value.empty()) return;
  std::string converted = converter.ConvertText(value, {.linkify = linkify});
  text::EndSentence(&converted, false);
  if (!line->empty()) *line += ' ';
  *line += LabelPrefix(label) + converted;
}

std::string Paragraphs(const text::TextConverter& converter,
                       const std::vector<std::string>& lines, std::string_view prefix,
                       std::string_view suffix) {
  std::string paragraphs;
  converter.AppendParagraphs(lines, &paragraphs, prefix, suffix, {.linkify = true});
  return paragraphs;
}

std::string RepositoriesHtml(const text::TextConverter& converter,
                             const std::vector<RepositoryReference>& references,
                             const RepositoryIndex* repositories) {
  std::string html = "<div class=\"vx-bibrep\">";
  bool line_open = false;
  auto add_item = [&](const std::string& item) {
    if (line_open) html += "<br>\r\n";
    html += item;
    line_open = true;
  };
  for (const RepositoryReference& reference : references) {
    const RepositoryEntry* repository = repositories != nullptr && !reference.xref.empty()
                                            ? repositories->Find(reference.xref)
                                            : nullptr;
    if (repository != nullptr) {
      std::string item = converter.ConvertText(repository->name, {.linkify = true});
      const std::string link = repositories->ReferenceLink(reference.xref);
      if (!link.empty()) item += " [" + link + "]";
      add_item(item);
    }
    for (const CallNumber& call : reference.callNumbers) {
      std::string item = converter.ConvertText(call.number, {.linkify = true});
      if (!call.mediaType.empty()) {
        if (!item.empty()) item += ' ';
        item += "(" + converter.ConvertText(call.mediaType) + ")";
      }
      if (item.empty()) continue;
      text::EndSentence(&item, false);
      add_item(item);
    }
    if (!reference.notes.empty()) {
      html += Paragraphs(converter, reference.notes, "", "");
      line_open = false;  // a paragraph ends the line
    }
  }
  html += "</div>\r\n";
  return html;
}

}  // namespace

std::string Bibliography::NavigationStrip(int32_t page, int32_t pages,
                                          std::string_view prior_file) const {
  return NavigationStripOf("vx-bibnav", page, pages, prior_file, PageFileName(page + 1),
                           options_.m_strNavPrior, options_.m_strNavNext);
}

std::string Bibliography::GalleryLink(RunContext& /*ctx*/) {
  // The bibliography gallery (media linked from SOUR records) comes with the
  // multimedia pages; until then page 1 carries no gallery link.
  return {};
}

std::string Bibliography::EntryHtml(const BibliographyEntry& entry,
                                    const SourceDetails& d, int32_t number,
                                    int32_t citation_index,
                                    const RepositoryIndex* repositories) const {
  const COptions& o = options_;
  const text::TextConverter converter = EntryConverter(o, strict_, markers_);
  std::string html = "<div class=\"vx-bibent\"><a name=\"" +
                     text::EscapeUrlPath(AnchorOf(entry.xref, citation_index)) +
                     "\"></a><div class=\"vx-bibnbr\">" + EntryNumberText(number) +
                     "</div>";

  std::string title_line;
  converter.AppendSentence(&title_line, entry.author,
                           {.linkify = true, .leading_space = true, .period = true});
  if (citation_index > 0 &&
      citation_index <= static_cast<int32_t>(entry.citations.size())) {
    // Citation texts come fully formed (and marked up) from source templates.
    const std::string& citation = entry.citations[citation_index - 1].first;
    if (!citation.empty()) {
      if (!title_line.empty()) title_line += ' ';
      const text::TextSettings& s = converter.settings();
      title_line += s.web_links || s.mail_links
                        ? converter.LinkifyText(citation, false, false)
                        : citation;
    }
  } else {
    converter.AppendSentence(&title_line, entry.title,
                             {.linkify = true, .leading_space = true, .period = true});
  }
  converter.AppendSentence(&title_line, entry.publication,
                           {.linkify = true, .leading_space = true, .period = true});
  html += title_line + "</div>\r\n<div class=\"vx-bibbdy\">\r\n";

  if (!d.textLines.empty()) {
    html += "<div class=\"vx-bibtxt\">" + Paragraphs(converter, d.textLines, "", "") +
            "</div>\r\n";
  }
  if (o.m_bBiblioComments && !d.commentLines.empty()) {
    html += "<div class=\"vx-bibcmt\">\r\n" +
            Paragraphs(converter, d.commentLines, "[", "]") + "</div>\r\n";
  }
  if (!d.events.empty()) {
    html += "<div class=\"vx-bibevt\">";
    for (size_t i = 0; i < d.events.size(); ++i) {
      if (i > 0) html += "<br>\r\n";
      std::string line;
      AppendLabelled(converter, &line, o.m_strBibEvent, d.events[i].types, false);
      AppendLabelled(converter, &line, o.m_strBibPeriod, d.events[i].period, false);
      AppendLabelled(converter, &line, o.m_strBibPlace, d.events[i].place, true);
      html += line;
    }
    html += "</div>\r\n";
  }
  if (!d.agency.empty()) {
    std::string agency;
    AppendLabelled(converter, &agency, o.m_strBibAgency, d.agency, true);
    html += "<div class=\"vx-bibagt\">" + agency + "</div>\r\n";
  }
  if (!d.dataNoteLines.empty()) {
    html += "<div class=\"vx-bibdta\">\r\n" +
            Paragraphs(converter, d.dataNoteLines, "", "") + "</div>\r\n";
  }
  if (!d.repositories.empty())
    html += RepositoriesHtml(converter, d.repositories, repositories);
  html +=
      UserReferencesHtml(converter, "vx-bibref", o.m_strBibReference, d.userReferences);
  html += ChangeHtml(converter, "vx-bibchg", o.m_strBibChanged, d.change);
  html += "</div>\r\n";
  return html;
}

void Bibliography::WritePages(RunContext& ctx, const RepositoryIndex* repositories,
                              bool standalone) {
  if (per_citation_ && !citations_numbered_) FinishCitations();
  struct Item {
    const BibliographyEntry* entry;
    int32_t number;
    int32_t citation_index;
  };
  std::vector<Item> items;
  if (per_citation_) {
    for (const CitationRecord& record : citation_list_) {
      items.push_back({record.entry, record.number, record.index});
    }
  } else {
    for (const auto& entry : entries_) items.push_back({entry.get(), entry->number, 0});
  }
  if (ctx.progress.IsCancelled()) return;

  strict_ = ctx.flags.strictConformance;
  markers_ = &ctx.dialects.current().markers;
  // A file without sources still gets its first, empty page: every page of
  // the site links to it.
  const int32_t pages = std::max<int32_t>(1, PageOf(static_cast<int32_t>(items.size())));
  ctx.progress.SetPhase("Generating bibliography web pages...", 0, pages, false);
  writer_ = std::make_unique<PageWriter>(ctx);
  writer_->Prepare(false);
  NumberedPageSet set(ctx, *writer_, kPageBibliography, "bib", options_.m_strTitleBiblio,
                      "vx-bibnav", FileGroup::kBibliography, pages);
  const std::string bar =
      writer_->BibliographyBar({.short_form = standalone, .with_repository = true});
  const NoteLookup notes = NoteLookupOf(ctx);
  int32_t written = 0;
  auto open_page = [&](int32_t page) {
    set.Open(page, bar);
    if (page == 1) {
      if (!options_.m_strBiblioIntro.empty()) {
        *set.page() += "\r\n" + writer_->ApplyTemplate(options_.m_strBiblioIntro);
      }
      *set.page() += GalleryLink(ctx);
    }
    *set.page() += "\r\n<div class=\"vx-bib\">\r\n";
  };
  if (items.empty()) open_page(1);
  for (cursor_ = 0; cursor_ < items.size(); ++cursor_) {
    const Item& item = items[cursor_];
    const int32_t page = PageOf(item.number);
    if (page != set.open_page()) {
      if (ctx.progress.IsCancelled()) break;
      ctx.progress.Step(page);
      set.Close("</div>\r\n", bar);
      open_page(page);
    }
    SourceDetails details;
    GedcomRecord* loaded = nullptr;
    ctx.reader.LoadRecord(RecordKind::kSource, item.entry->xref, true, &loaded);
    if (loaded != nullptr) details = ReadSourceDetails(*loaded, notes);
    *set.page() +=
        EntryHtml(*item.entry, details, item.number, item.citation_index, repositories) +
        "\r\n";
    ++written;
  }
  set.Close("</div>\r\n", bar);
  ctx.statistics.sourcesWritten = written;
}

}  // namespace vellix::site
