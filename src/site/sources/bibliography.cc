#include "site/sources/bibliography.h"

#include <algorithm>
#include <cctype>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "site/sources/entry_parts.h"
#include "site/sources/numbered_pages.h"
#include "text/string_ops.h"
#include "text/text_tidy.h"

namespace vellix::site {
namespace {

/// `text` without leading characters from `set`.
std::string_view WithoutLeading(std::string_view text, std::string_view set) {
  const size_t start = text.find_first_not_of(set);
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string ValueOfFirst(const GedcomRecord& record, TagCode code) {
  const GedcomNode* node = record.FirstChild(code);
  return node ? JoinedValue(*node) : std::string();
}

/// A detail text that starts with a word (not with punctuation that joins
/// it to what comes before) is set off from the source's text by a blank.
bool NeedsBlankBefore(std::string_view detail) {
  if (detail.empty()) return false;
  const unsigned char c = static_cast<unsigned char>(detail.front());
  return !std::isspace(c) && std::string_view(",.;:!?)]}").find(static_cast<char>(c)) ==
                                 std::string_view::npos;
}

}  // namespace

Bibliography::Bibliography(const COptions& options) : options_(options) {}
Bibliography::~Bibliography() = default;

void Bibliography::Reset() {
  entries_.clear();
  by_xref_.clear();
  citation_list_.clear();
  citations_numbered_ = false;
  cursor_ = 0;
}

std::string Bibliography::RemoveLivingLifespan(std::string author) {
  size_t p = author.find("- )");
  if (p == std::string::npos) p = author.find("-)");
  if (p == std::string::npos || p < 5 || author[p - 5] != '(') return author;
  const size_t e = author.find(')', p);
  size_t start = p - 5;
  if (start >= 1 && author[start - 1] == ' ') --start;
  const std::string lifespan = author.substr(start, e - start + 1);
  text::ReplaceAll(&author, lifespan, "");
  return author;
}

std::string Bibliography::SortKey(const BibliographyEntry& entry) {
  std::string key = entry.author;
  if (!entry.author.empty()) key += ' ';
  key += entry.title;
  if (!entry.title.empty()) key += ' ';
  key += entry.publication;
  return key;
}

void Bibliography::FillEntry(BibliographyEntry* entry, const GedcomRecord& record,
                             int special_processing) const {
  entry->author = text::StripFormatTags(ValueOfFirst(record, kTagAuth));
  if (options_.m_bAuthorLifespan) entry->author = RemoveLivingLifespan(entry->author);
  if (record.FirstChild(kTagTitl) != nullptr) {
    entry->title = ValueOfFirst(record, kTagTitl);
  } else if (options_.m_bUseAbbr) {
    entry->title = ValueOfFirst(record, kTagAbbr);
  }
  entry->title = text::StripFormatTags(entry->title);
  if (special_processing == 2) entry->title = text::CleanTemplateText(entry->title);
  entry->bibliographyText =
      std::string(WithoutLeading(ValueOfFirst(record, kTagBibliography), ", .;"));
  entry->publication = text::StripFormatTags(ValueOfFirst(record, kTagPubl));
}

bool Bibliography::Build(RunContext& ctx) {
  Reset();
  per_citation_ = ctx.dialects.current().code == 1;
  for (const RecordRef& ref : RecordsInFileOrder(ctx.store, RecordKind::kSource)) {
    auto entry = std::make_unique<BibliographyEntry>();
    entry->xref = ref.key;
    entry->fileOffset = ref.fileOffset;
    GedcomRecord* loaded = nullptr;
    ctx.reader.LoadRecord(RecordKind::kSource, ref.key, false, &loaded);
    if (loaded != nullptr) FillEntry(entry.get(), *loaded, options_.m_nSpecialProcessing);
    by_xref_.emplace(text::AsciiUpper(entry->xref), entry.get());
    entries_.push_back(std::move(entry));
  }
  SortAndNumber();
  return !entries_.empty();
}

void Bibliography::SortAndNumber() {
  // Entries arrive in file order; sorting the reversed list stably puts
  // equal keys in reverse file order.
  std::vector<std::pair<std::string, std::unique_ptr<BibliographyEntry>>> keyed;
  keyed.reserve(entries_.size());
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    std::string key = SortKey(**it);
    keyed.emplace_back(std::move(key), std::move(*it));
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    return FoldedLess(a.first, b.first);
  });
  entries_.clear();
  int32_t number = 0;
  for (auto& [key, entry] : keyed) {
    entry->number = ++number;
    entries_.push_back(std::move(entry));
  }
}

BibliographyEntry* Bibliography::FindMutable(std::string_view xref) {
  auto it = by_xref_.find(text::AsciiUpper(xref));
  return it == by_xref_.end() ? nullptr : it->second;
}

const BibliographyEntry* Bibliography::Find(std::string_view xref) const {
  auto it = by_xref_.find(text::AsciiUpper(xref));
  return it == by_xref_.end() ? nullptr : it->second;
}

int32_t Bibliography::NumberOf(std::string_view xref) const {
  const BibliographyEntry* entry = Find(xref);
  return entry ? entry->number : -1;
}

int32_t Bibliography::NumberOf(std::string_view xref,
                               std::string_view citation_text) const {
  const BibliographyEntry* entry = Find(xref);
  if (entry == nullptr) return -1;
  for (size_t i = 0; i < entry->citations.size(); ++i) {
    if (entry->citations[i].first == citation_text) return static_cast<int32_t>(i + 1);
  }
  return -1;
}

int32_t Bibliography::PageOf(int32_t number) const {
  return PageOfNumber(number, options_.m_nBiblioPerPage);
}

std::string Bibliography::PageFileName(int32_t page) const {
  return NumberedPageFile(options_, "bib", page);
}

std::string Bibliography::AnchorOf(std::string_view xref, int32_t citation_index) {
  std::string anchor(xref);
  if (citation_index > 0) anchor += "-" + std::to_string(citation_index);
  return anchor;
}

const std::string& Bibliography::page_title() const { return options_.m_strTitleBiblio; }

std::string Bibliography::CitationText(std::string_view xref,
                                       std::string_view detail_text) const {
  const BibliographyEntry* entry = Find(xref);
  if (entry == nullptr) return {};
  std::string text =
      entry->bibliographyText.empty() ? entry->title : entry->bibliographyText;
  if (!text.empty() && NeedsBlankBefore(detail_text)) text += ' ';
  text += detail_text;
  return text;
}

int32_t Bibliography::AddCitation(std::string_view xref, std::string_view detail_text) {
  BibliographyEntry* entry = FindMutable(xref);
  if (entry == nullptr) return -1;
  const std::string text = CitationText(xref, detail_text);
  const int32_t known = NumberOf(xref, text);
  if (known > 0) return known;
  entry->citations.emplace_back(text, 0);
  const int32_t index = static_cast<int32_t>(entry->citations.size());
  std::string key(WithoutLeading(text, " .,;[({\""));
  const int64_t added = static_cast<int64_t>(citation_list_.size());
  citation_list_.push_back({entry, index, 0, std::move(key), added});
  citations_numbered_ = false;
  return index;
}

void Bibliography::FinishCitations() {
  // As for entries, equal keys come out in reverse order of adding.
  std::sort(citation_list_.begin(), citation_list_.end(),
            [](const CitationRecord& a, const CitationRecord& b) {
              if (FoldedLess(a.key, b.key)) return true;
              if (FoldedLess(b.key, a.key)) return false;
              return a.added > b.added;
            });
  int32_t number = 0;
  for (CitationRecord& record : citation_list_) {
    record.number = ++number;
    record.entry->citations[record.index - 1].second = number;
  }
  citations_numbered_ = true;
}

BibliographyTarget Bibliography::TargetOf(std::string_view xref) const {
  BibliographyTarget target;
  const BibliographyEntry* entry = Find(xref);
  if (entry == nullptr || entry->number <= 0) return target;
  target.number = entry->number;
  target.page = PageOf(entry->number);
  target.file = PageFileName(target.page);
  target.anchor = AnchorOf(entry->xref);
  return target;
}

BibliographyTarget Bibliography::CitationTargetOf(std::string_view xref,
                                                  std::string_view detail_text) const {
  BibliographyTarget target;
  const BibliographyEntry* entry = Find(xref);
  if (entry == nullptr) return target;
  const int32_t index = NumberOf(xref, CitationText(xref, detail_text));
  if (index <= 0) return target;
  const int32_t number = entry->citations[index - 1].second;
  if (number <= 0) return target;  // not numbered yet
  target.number = number;
  target.page = PageOf(number);
  target.file = PageFileName(target.page);
  target.anchor = AnchorOf(entry->xref, index);
  return target;
}

}  // namespace vellix::site
