#include "site/sources/repository_index.h"

#include <algorithm>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "site/sources/entry_parts.h"
#include "site/sources/numbered_pages.h"
#include "text/html_escape.h"
#include "text/string_ops.h"

namespace vellix::site {

RepositoryIndex::RepositoryIndex(const COptions& options) : options_(options) {}
RepositoryIndex::~RepositoryIndex() = default;

void RepositoryIndex::Reset() {
  entries_.clear();
  by_xref_.clear();
  cursor_ = 0;
}

bool RepositoryIndex::Build(RunContext& ctx) {
  Reset();
  const std::string& prefix = options_.m_strIgnorePrefix;
  for (const RecordRef& ref : RecordsInFileOrder(ctx.store, RecordKind::kRepository)) {
    auto entry = std::make_unique<RepositoryEntry>();
    entry->xref = ref.key;
    entry->fileOffset = ref.fileOffset;
    GedcomRecord* loaded = nullptr;
    ctx.reader.LoadRecord(RecordKind::kRepository, ref.key, false, &loaded);
    if (loaded != nullptr) {
      if (const GedcomNode* name = loaded->FirstChild(kTagName))
        entry->name = JoinedValue(*name);
    }
    if (!prefix.empty() && entry->name.compare(0, prefix.size(), prefix) == 0) continue;
    by_xref_.emplace(text::AsciiUpper(entry->xref), entry.get());
    entries_.push_back(std::move(entry));
  }
  // Sorting the reversed file order stably puts equal names in reverse file
  // order.
  std::reverse(entries_.begin(), entries_.end());
  std::stable_sort(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
    return FoldedLess(a->name, b->name);
  });
  int32_t number = 0;
  for (auto& entry : entries_) entry->number = ++number;
  return !entries_.empty();
}

const RepositoryEntry* RepositoryIndex::Find(std::string_view xref) const {
  auto it = by_xref_.find(text::AsciiUpper(xref));
  return it == by_xref_.end() ? nullptr : it->second;
}

int32_t RepositoryIndex::NumberOf(std::string_view xref) const {
  const RepositoryEntry* entry = Find(xref);
  return entry ? entry->number : -1;
}

int32_t RepositoryIndex::PageOf(int32_t number) const {
  return PageOfNumber(number, options_.m_nRepositoryPerPage);
}

std::string RepositoryIndex::PageFileName(int32_t page) const {
  return NumberedPageFile(options_, "rep", page);
}

std::string RepositoryIndex::ReferenceLink(std::string_view xref) const {
  const RepositoryEntry* entry = Find(xref);
  if (entry == nullptr || !options_.m_bRepositoryPages) return {};
  const std::string& prefix = options_.m_strIgnorePrefix;
  if (!prefix.empty() && entry->name.compare(0, prefix.size(), prefix) == 0) return {};
  const std::string number = std::to_string(entry->number);
  return "<a href=\"" + PageFileName(PageOf(entry->number)) + "#" +
         text::EscapeUrlPath(entry->xref) + "\" title=\"" +
         text::EscapeHtml(options_.m_strTitleRepository) + "\">" + number + "</a>";
}

std::string RepositoryIndex::EntryHtml(const RepositoryEntry& entry,
                                       const RepositoryDetails& d) const {
  const text::TextConverter converter = EntryConverter(options_, strict_, markers_);
  const COptions& o = options_;
  std::string html =
      "<div class=\"vx-repent\"><a name=\"" + text::EscapeUrlPath(entry.xref) +
      "\"></a><div class=\"vx-repnbr\">" + EntryNumberText(entry.number) + "</div>";
  if (entry.name.empty()) {
    html += "&nbsp;";
  } else {
    std::string name;
    converter.AppendSentence(&name, entry.name, {.linkify = true, .period = true});
    html += name;
  }
  html += "</div>\r\n<div class=\"vx-repbdy\">\r\n";
  if (!d.addressLines.empty()) {
    html += "<div class=\"vx-repadr\">";
    for (size_t i = 0; i < d.addressLines.size(); ++i) {
      if (i > 0) html += "<br>\r\n";
      html += converter.ConvertText(d.addressLines[i], {.linkify = true});
    }
    html += "</div>\r\n";
  }
  if (!d.phones.empty() || !d.faxes.empty() || !d.emails.empty() || !d.websites.empty()) {
    html += "<p>";
  }
  struct Group {
    const std::vector<std::string>& items;
    const char* div;
    const std::string& label;
  };
  for (const Group& group : {Group{d.phones, "vx-reptel", o.m_strBibPhone},
                             Group{d.faxes, "vx-repfax", o.m_strBibFax},
                             Group{d.emails, "vx-repeml", o.m_strBibEmail},
                             Group{d.websites, "vx-repweb", o.m_strBibWebsite}}) {
    if (group.items.empty()) continue;
    html += std::string("<div class=\"") + group.div + "\">";
    for (size_t i = 0; i < group.items.size(); ++i) {
      if (i > 0) html += "<br>\r\n";
      html += LabelPrefix(group.label) +
              converter.ConvertText(group.items[i], {.linkify = true});
    }
    html += "</div>\r\n";
  }
  if (o.m_bRepositoryComments && !d.commentLines.empty()) {
    std::string paragraphs;
    converter.AppendParagraphs(d.commentLines, &paragraphs, "[", "]", {.linkify = true});
    html += "<div class=\"vx-repcmt\">\r\n" + paragraphs + "</div>";
  }
  html +=
      UserReferencesHtml(converter, "vx-repref", o.m_strBibReference, d.userReferences);
  html += ChangeHtml(converter, "vx-repchg", o.m_strBibChanged, d.change);
  html += "</div>\r\n";
  return html;
}

void RepositoryIndex::WritePages(RunContext& ctx) {
  if (ctx.progress.IsCancelled()) return;
  // A file without repositories still gets its first, empty page: the
  // bibliography pages link to it.
  const int32_t pages =
      std::max<int32_t>(1, PageOf(static_cast<int32_t>(entries_.size())));
  ctx.progress.SetPhase("Generating repository web pages...", 0, pages, false);
  strict_ = ctx.flags.strictConformance;
  markers_ = &ctx.dialects.current().markers;
  PageWriter writer(ctx);
  writer.Prepare(false);
  const bool short_bar = ctx.mode == 6;
  NumberedPageSet set(ctx, writer, kPageRepository, "rep", options_.m_strTitleRepository,
                      "vx-repnav", FileGroup::kRepository, pages);
  const std::string bar = writer.RepositoryBar(short_bar, false);
  const NoteLookup notes = NoteLookupOf(ctx);
  int32_t written = 0;
  if (entries_.empty()) {
    set.Open(1, bar);
    *set.page() += "\r\n<div class=\"vx-rep\">\r\n";
  }
  for (cursor_ = 0; cursor_ < entries_.size(); ++cursor_) {
    const RepositoryEntry& entry = *entries_[cursor_];
    const int32_t page = PageOf(entry.number);
    if (page != set.open_page()) {
      if (ctx.progress.IsCancelled()) break;
      ctx.progress.Step(page);
      set.Close("</div>\r\n", bar);
      set.Open(page, bar);
      *set.page() += "\r\n<div class=\"vx-rep\">\r\n";
    }
    RepositoryDetails details;
    GedcomRecord* loaded = nullptr;
    ctx.reader.LoadRecord(RecordKind::kRepository, entry.xref, true, &loaded);
    if (loaded != nullptr) details = ReadRepositoryDetails(*loaded, notes);
    *set.page() += EntryHtml(entry, details) + "\r\n";
    ++written;
  }
  set.Close("</div>\r\n", bar);
  ctx.statistics.repositoriesWritten = written;
}

}  // namespace vellix::site
