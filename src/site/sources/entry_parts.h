// Small pieces the bibliography and repository entries share: reading
// records in file order, the case-folded order, and the user reference and
// change blocks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/tag_table.h"
#include "site/sources/source_details.h"
#include "text/text_converter.h"

namespace vellix {
class COptions;
class RecordStore;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

/// The key and file position of an index entry.
struct RecordRef {
  std::string key;
  int64_t fileOffset = 0;
};

/// Every record of `kind` in the order of the GEDCOM file. Uses (and ends)
/// the store's one walk.
std::vector<RecordRef> RecordsInFileOrder(RecordStore& store, RecordKind kind);

/// Byte order with ASCII letters folded to lower case.
bool FoldedLess(std::string_view a, std::string_view b);

/// The converter entries are written with: link settings of `options`, the
/// strict-doctype flag, the selected dialect's markers.
text::TextConverter EntryConverter(const COptions& options, bool strict_doctype,
                                   const text::DialectMarkers* markers);

/// `label` + ": ", or "" when the label is empty.
std::string LabelPrefix(std::string_view label);

/// Loads NOTE records through the run's reader (unpinned).
NoteLookup NoteLookupOf(RunContext& ctx);

/// "<div class=\"<div_class>\">" + per reference (separated by
/// "<br>\r\n") the label, the converted value and " (type)" + "</div>\r\n";
/// "" without references.
std::string UserReferencesHtml(const text::TextConverter& converter,
                               std::string_view div_class, std::string_view label,
                               const std::vector<UserReference>& references);

/// "<div class=\"<div_class>\">" + label + converted "date time" + change
/// notes as paragraphs + "</div>\r\n"; "" when the change is empty.
std::string ChangeHtml(const text::TextConverter& converter, std::string_view div_class,
                       std::string_view label, const ChangeDetails& change);

}  // namespace vellix::site
