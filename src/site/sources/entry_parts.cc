#include "site/sources/entry_parts.h"

#include <algorithm>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options_bridge.h"

namespace vellix::site {
namespace {

char FoldLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::vector<RecordRef> RecordsInFileOrder(RecordStore& store, RecordKind kind) {
  std::vector<RecordRef> refs;
  store.ResetWalk();
  while (GedcomRecord* record = store.Next(kind)) {
    refs.push_back({record->key, record->fileOffset});
  }
  std::stable_sort(refs.begin(), refs.end(), [](const RecordRef& a, const RecordRef& b) {
    return a.fileOffset < b.fileOffset;
  });
  return refs;
}

bool FoldedLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) {
                                        return static_cast<unsigned char>(FoldLower(x)) <
                                               static_cast<unsigned char>(FoldLower(y));
                                      });
}

text::TextConverter EntryConverter(const COptions& options, bool strict_doctype,
                                   const text::DialectMarkers* markers) {
  text::TextConverter converter(TextSettingsFromOptions(options, strict_doctype));
  converter.SetDialect(markers);
  return converter;
}

std::string LabelPrefix(std::string_view label) {
  if (label.empty()) return {};
  return std::string(label) + ": ";
}

NoteLookup NoteLookupOf(RunContext& ctx) {
  GedcomReader* reader = &ctx.reader;
  return [reader](std::string_view key) -> const GedcomRecord* {
    GedcomRecord* loaded = nullptr;
    reader->LoadRecord(RecordKind::kNote, key, false, &loaded);
    return loaded;
  };
}

std::string UserReferencesHtml(const text::TextConverter& converter,
                               std::string_view div_class, std::string_view label,
                               const std::vector<UserReference>& references) {
  if (references.empty()) return {};
  std::string html = "<div class=\"" + std::string(div_class) + "\">";
  for (size_t i = 0; i < references.size(); ++i) {
    if (i > 0) html += "<br>\r\n";
    html += LabelPrefix(label) + converter.ConvertText(references[i].value);
    if (!references[i].type.empty()) {
      html += " (" + converter.ConvertText(references[i].type) + ")";
    }
  }
  html += "</div>\r\n";
  return html;
}

std::string ChangeHtml(const text::TextConverter& converter, std::string_view div_class,
                       std::string_view label, const ChangeDetails& change) {
  if (change.empty()) return {};
  std::string when = change.date;
  if (!when.empty() && !change.time.empty()) when += ' ';
  when += change.time;
  std::string notes;
  converter.AppendParagraphs(change.notes, &notes, "", "", {.linkify = true});
  return "<div class=\"" + std::string(div_class) + "\">" + LabelPrefix(label) +
         converter.ConvertText(when) + notes + "</div>\r\n";
}

}  // namespace vellix::site
