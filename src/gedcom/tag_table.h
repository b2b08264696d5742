// GEDCOM tags as small integer codes, the record kinds they start, and the
// tag map of a GEDCOM dialect.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellix {

class WarningLog;

/// A tag's code: 0..136 the standard tags (position in the fixed table),
/// 137..142 source template tags of the dialect, 143 a nonstandard
/// underscore tag kept but not processed, 144 the medical-notes tag, 145 not
/// recognised.
using TagCode = int32_t;

inline constexpr TagCode kTagAbbr = 0;
inline constexpr TagCode kTagAddr = 1;
inline constexpr TagCode kTagAdr1 = 2;
inline constexpr TagCode kTagAdr2 = 3;
inline constexpr TagCode kTagAdr3 = 4;
inline constexpr TagCode kTagAdop = 5;
inline constexpr TagCode kTagAge = 7;
inline constexpr TagCode kTagBirt = 19;
inline constexpr TagCode kTagBuri = 21;
inline constexpr TagCode kTagChan = 26;
inline constexpr TagCode kTagChar = 27;
inline constexpr TagCode kTagChil = 28;
inline constexpr TagCode kTagChr = 29;
inline constexpr TagCode kTagCity = 31;
inline constexpr TagCode kTagConc = 32;
inline constexpr TagCode kTagCont = 35;
inline constexpr TagCode kTagCopr = 36;
inline constexpr TagCode kTagCorp = 37;
inline constexpr TagCode kTagCtry = 39;
inline constexpr TagCode kTagData = 40;
inline constexpr TagCode kTagDate = 41;
inline constexpr TagCode kTagDeat = 42;
inline constexpr TagCode kTagDest = 45;
inline constexpr TagCode kTagEmai = 50;
inline constexpr TagCode kTagEven = 54;
inline constexpr TagCode kTagFam = 56;
inline constexpr TagCode kTagFamc = 57;
inline constexpr TagCode kTagFams = 59;
inline constexpr TagCode kTagFax = 60;
inline constexpr TagCode kTagFile = 62;
inline constexpr TagCode kTagForm = 63;
inline constexpr TagCode kTagGedc = 65;
inline constexpr TagCode kTagGivn = 66;
inline constexpr TagCode kTagHead = 68;
inline constexpr TagCode kTagHusb = 69;
inline constexpr TagCode kTagIndi = 72;
inline constexpr TagCode kTagLang = 73;
inline constexpr TagCode kTagMarr = 80;
inline constexpr TagCode kTagName = 83;
inline constexpr TagCode kTagNote = 89;
inline constexpr TagCode kTagObje = 92;
inline constexpr TagCode kTagPage = 96;
inline constexpr TagCode kTagPhon = 98;
inline constexpr TagCode kTagPlac = 99;
inline constexpr TagCode kTagPost = 100;
inline constexpr TagCode kTagRefn = 105;
inline constexpr TagCode kTagRepo = 108;
inline constexpr TagCode kTagRin = 113;
inline constexpr TagCode kTagSex = 116;
inline constexpr TagCode kTagSour = 119;
inline constexpr TagCode kTagStae = 122;
inline constexpr TagCode kTagSubm = 124;
inline constexpr TagCode kTagSubn = 125;
inline constexpr TagCode kTagSurn = 126;
inline constexpr TagCode kTagText = 128;
inline constexpr TagCode kTagTime = 129;
inline constexpr TagCode kTagTitl = 130;
inline constexpr TagCode kTagTrlr = 131;
inline constexpr TagCode kTagType = 132;
inline constexpr TagCode kTagVers = 133;
inline constexpr TagCode kTagWife = 134;
inline constexpr TagCode kTagWww = 136;

inline constexpr TagCode kStandardTagCount = 137;
inline constexpr TagCode kTagTemplate = 137;
inline constexpr TagCode kTagBibliography = 138;
inline constexpr TagCode kTagField = 139;
inline constexpr TagCode kTagValue = 140;
inline constexpr TagCode kTagScrapbook = 141;
inline constexpr TagCode kTagPrimary = 142;
inline constexpr TagCode kTagNonstandard = 143;
inline constexpr TagCode kTagMedical = 144;
inline constexpr TagCode kTagUnknown = 145;

/// The kind of a level-0 record; kNone for a tag that starts no record.
enum class RecordKind : int32_t {
  kNone = 0,
  kHeader = 1,
  kFamily = 2,
  kIndividual = 3,
  kMultimedia = 4,
  kNote = 5,
  kRepository = 6,
  kSource = 7,
  kSubmission = 8,
  kSubmitter = 9,
  kTrailer = 10,
};

inline constexpr int kRecordKindCount = 10;

/// The tag map of one GEDCOM dialect: tag text (compared without regard to
/// ASCII case) to code. Holds the few tags a genealogy program adds (source
/// templates, scrapbook, a date tag); looked up linearly, which beats hashing
/// for a handful of entries and allocates nothing.
class DialectTags {
 public:
  DialectTags() = default;
  /// The built-in dialect "Normal (Default)".
  static DialectTags Default();

  /// Maps `tag` to `code`, replacing an earlier mapping of the same tag.
  void Set(std::string_view tag, TagCode code);
  /// The code of `tag`, or kTagUnknown when the dialect does not map it.
  TagCode Find(std::string_view tag) const;
  bool empty() const { return entries_.empty(); }
  const std::vector<std::pair<std::string, TagCode>>& entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, TagCode>> entries_;
};

/// What a tag lookup depends on besides the fixed tables: the option set's
/// medical-notes tag and "Process nonstandard tags", and the dialect's map.
/// The views must outlive the lookups that use them.
struct TagLookupContext {
  std::string_view medical_tag;
  bool process_nonstandard_tags = false;
  const DialectTags* dialect = nullptr;
};

/// The code of `tag`. A remapped tag (URL, EMAIL, with or without the
/// underscore) raises warning 13 ("_URL to WWW") in `warnings` when given.
TagCode LookupTag(std::string_view tag, const TagLookupContext& context = {},
                  WarningLog* warnings = nullptr);

/// As LookupTag, but instead of raising warning 13 it tells through
/// `remapped` (when given) that the tag was remapped, so a caller that meets
/// the same tag on many lines can report it once.
TagCode LookupTagQuiet(std::string_view tag, const TagLookupContext& context,
                       bool* remapped);

/// The text of warning 13 for a remapped tag: "_URL to WWW".
std::string RemapWarningText(std::string_view tag, TagCode code);

/// The tag text of `code`: the standard tag, else the remapped tag's target
/// name, else "".
std::string_view TagName(TagCode code);

/// The record kind a level-0 tag code starts, or RecordKind::kNone.
RecordKind KindOfTag(TagCode code);

/// True when `a` and `b` are equal without regard to ASCII case.
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace vellix
