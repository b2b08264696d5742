// Source citations of names and facts, and the parts of a source record a
// footnote shows.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gedcom/gedcom_node.h"

namespace vellix {
class GedcomReader;
}

namespace vellix::site {

/// One field name/value pair of a source template.
using TemplateField = std::pair<std::string, std::string>;

/// One SOUR line below a name or fact. Everything is copied out of the
/// loaded record, so a citation stays valid after the record cache moves on.
struct Citation {
  std::string source;                 // key of the SOUR record; "" for an inline source
  std::string description;            // value of an inline SOUR line (no record)
  std::string page;                   // PAGE: the page detail
  std::string event;                  // EVEN: the event cited from
  std::string role;                   // EVEN.ROLE
  std::string quality;                // QUAY
  std::string date;                   // DATA.DATE
  std::vector<std::string> text;      // DATA.TEXT and TEXT lines
  std::vector<std::string> notes;     // NOTE lines (NOTE records resolved)
  std::string template_text;          // the dialect's template line, if any
  std::vector<TemplateField> fields;  // the template's field/value pairs
  /// Copies of the OBJE lines below the citation (its media).
  std::vector<std::shared_ptr<const GedcomNode>> objects;
};

/// The parts of a source record a footnote shows, read once per run.
struct SourceInfo {
  bool found = false;
  std::string author;       // AUTH with continuation lines ("\n" between lines)
  std::string title;        // TITL, or ABBR when asked and TITL is missing
  std::string publication;  // PUBL
  std::string template_text;
  std::vector<TemplateField> fields;
};

/// The citations among the direct children of a name or fact line (or of a
/// record), in line order. `reader` resolves NOTE record pointers; it may be
/// null (pointer notes are then left out).
std::vector<Citation> ReadCitations(const std::vector<GedcomNode>& children,
                                    GedcomReader* reader);

/// The citation of one SOUR line.
Citation ReadCitation(const GedcomNode& sour, GedcomReader* reader);

/// The template text and fields below a template line (the dialect's tag of
/// code 137): the line's own value with its continuation lines, and each
/// field line (code 139) with its name (its value, or its first child that
/// is not a value line) and its value line (code 140).
void ReadTemplate(const GedcomNode& line, std::string* template_text,
                  std::vector<TemplateField>* fields);

/// The source record `key` as a footnote shows it; `use_abbreviation`
/// takes ABBR for a missing TITL. Not found (and empty) when the record is
/// missing.
SourceInfo ReadSourceInfo(GedcomReader& reader, std::string_view key,
                          bool use_abbreviation);

}  // namespace vellix::site
