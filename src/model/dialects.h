// GEDCOM dialects: the custom tags and formatting markers one genealogy
// program uses in its GEDCOM export, read from "gedcom.ini", and the dialect
// selected for a run.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "gedcom/tag_table.h"
#include "text/dialect_markers.h"

namespace vellix {

struct RunContext;

/// Highest ordinal a gedcom.ini section can take; larger ones are clamped.
inline constexpr int32_t kMaxDialectOrdinal = 25;
/// Name of the built-in dialect, ordinal 0.
inline constexpr std::string_view kDefaultDialectName = "Normal (Default)";

/// One genealogy program's GEDCOM variant: which tags carry source
/// templates, bibliographies, template fields and values, scrapbook and
/// primary media marks and dates, which texts mark bold, italic, underlined,
/// small-capital, superscript and subscript runs in notes, and whether
/// citations are evaluated before the family pages are written.
struct GedcomDialect {
  /// The section name in gedcom.ini.
  std::string name;
  int32_t ordinal = 0;
  /// 1 asks the run for a citation pass over the families before the family
  /// pages are written; always 0 or 1.
  int32_t code = 0;
  /// The dialect's tags with their codes (137..142 and 41 for the date tag),
  /// compared without regard to case.
  DialectTags tagMap;
  /// The twelve marker texts, in the order of text::MarkerId.
  text::MarkerSet markers;

  /// The built-in dialect "Normal (Default)": ordinal 0, code 0, the tags
  /// _TMPLT, _BIBL, FIELD, VALUE, _SCBK, _PRIM and _DATE, no markers.
  static GedcomDialect BuiltIn();

  /// The tag text the dialect maps to `code` ("_BIBL" for the bibliography
  /// tag of the built-in dialect), or "" when it maps none.
  std::string_view TagOf(TagCode code) const;
};

/// True when at least one of the dialect's twelve markers is not blank.
bool HasMarkers(const GedcomDialect& dialect);

/// The tag map the GEDCOM reader needs for `dialect`.
DialectTags DialectTagsOf(const GedcomDialect& dialect);

/// The gedcom.ini keys of the twelve markers, in text::MarkerId order.
extern const std::string_view kMarkerKeys[text::kMarkerCount];

/// The dialects by ordinal, the built-in one always among them, and the one
/// selected for the current run. The selected dialect is held in a member
/// whose address never changes, so the text converter and other readers can
/// keep a pointer to it (or to its markers) for the life of the table.
class DialectTable {
 public:
  /// A table holding only the built-in dialect, which is also selected.
  DialectTable();
  DialectTable(const DialectTable&) = delete;
  DialectTable& operator=(const DialectTable&) = delete;

  /// Replaces every dialect but the built-in one by the sections of the
  /// gedcom.ini file at `path` (native form) and selects the built-in
  /// dialect. A missing or unreadable file leaves only the built-in dialect
  /// and returns false; a damaged file yields what can be read of it.
  bool LoadFile(const std::string& path);
  /// As LoadFile, from the text of a gedcom.ini file. Text that is not
  /// valid UTF-8 is read as Windows-1252 (files edited on Windows).
  void LoadText(std::string_view text);

  /// The dialect filed under `ordinal`, or nullptr.
  const GedcomDialect* Find(int32_t ordinal) const;
  /// Makes the dialect with `ordinal` (the built-in one when there is none)
  /// the selected one and returns it.
  const GedcomDialect& Select(int32_t ordinal);
  /// The selected dialect.
  const GedcomDialect& current() const { return current_; }
  /// The code of the dialect with `ordinal`, 0 when there is none.
  int32_t Code(int32_t ordinal) const;
  /// The first dialect whose ordinal is greater than `after` (start with
  /// -1): fills `ordinal` and `name` and returns true, or returns false
  /// after the last one.
  bool Next(int32_t after, int32_t* ordinal, std::string* name) const;
  /// Number of dialects, the built-in one included.
  size_t size() const { return dialects_.size(); }

  /// Loads the file at `path` (LoadFile) unless the table was loaded before,
  /// by this call or by LoadFile or LoadText. True when the loading call
  /// read a gedcom.ini file.
  bool EnsureLoaded(const std::string& path);

 private:
  std::map<int32_t, GedcomDialect> dialects_;
  GedcomDialect current_;
  bool loaded_ = false;
  bool read_file_ = false;
};

/// The name of the dialect filed under `ordinal` in the gedcom.ini file a
/// run would read (the application folder's copy first, then the installed
/// one); the built-in dialect's name when there is none.
std::string DialectNameOf(int32_t ordinal, const std::string& app_folder);

/// The start of a run: loads ctx.dialects from gedcom.ini when not yet
/// loaded (the copy in the application folder wins over the installed one),
/// selects the dialect named by the option set's "Special processing"
/// (m_nSpecialProcessing), gives its tags to ctx.reader before the reading
/// pass, and returns its code (1 asks for the evaluate pass). The selected
/// dialect's markers are ctx.dialects.current().markers.
int SelectDialectForRun(RunContext& ctx);

}  // namespace vellix
