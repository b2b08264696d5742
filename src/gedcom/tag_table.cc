#include "gedcom/tag_table.h"

#include <array>

#include "run/warning_log.h"
#include "text/string_ops.h"

namespace vellix {
namespace {

constexpr std::array<std::string_view, kStandardTagCount> kStandardTags = {
    "ABBR", "ADDR", "ADR1", "ADR2", "ADR3", "ADOP", "AFN",  "AGE",  "AGNC", "ALIA",
    "ANCE", "ANCI", "ANUL", "ASSO", "AUTH", "BAPL", "BAPM", "BARM", "BASM", "BIRT",
    "BLES", "BURI", "CALN", "CAST", "CAUS", "CENS", "CHAN", "CHAR", "CHIL", "CHR",
    "CHRA", "CITY", "CONC", "CONF", "CONL", "CONT", "COPR", "CORP", "CREM", "CTRY",
    "DATA", "DATE", "DEAT", "DESC", "DESI", "DEST", "DIV",  "DIVF", "DSCR", "EDUC",
    "EMAI", "EMIG", "ENDL", "ENGA", "EVEN", "FACT", "FAM",  "FAMC", "FAMF", "FAMS",
    "FAX",  "FCOM", "FILE", "FORM", "FONE", "GEDC", "GIVN", "GRAD", "HEAD", "HUSB",
    "IDNO", "IMMI", "INDI", "LANG", "LATI", "LONG", "MAP",  "MARB", "MARC", "MARL",
    "MARR", "MARS", "MEDI", "NAME", "NATI", "NATU", "NCHI", "NICK", "NMR",  "NOTE",
    "NPFX", "NSFX", "OBJE", "OCCU", "ORDI", "ORDN", "PAGE", "PEDI", "PHON", "PLAC",
    "POST", "PROB", "PROP", "PUBL", "QUAY", "REFN", "RELA", "RELI", "REPO", "RESI",
    "RESN", "RETI", "RFN",  "RIN",  "ROLE", "ROMN", "SEX",  "SLGC", "SLGS", "SOUR",
    "SPFX", "SSN",  "STAE", "STAT", "SUBM", "SUBN", "SURN", "TEMP", "TEXT", "TIME",
    "TITL", "TRLR", "TYPE", "VERS", "WIFE", "WILL", "WWW"};

struct RemapEntry {
  std::string_view tag;
  TagCode code;
};
constexpr std::array<RemapEntry, 2> kRemapTags = {
    {{"URL", kTagWww}, {"EMAIL", kTagEmai}}};

// Every standard tag has at most four characters, so a tag packs into one
// 32-bit word (upper-cased, zero-padded) and the table becomes a sorted
// small hash table of words: no allocation, no string compares.
constexpr uint32_t Pack(std::string_view tag) {
  uint32_t word = 0;
  for (size_t i = 0; i < 4; ++i) {
    word <<= 8;
    if (i < tag.size()) word |= static_cast<uint8_t>(text::AsciiUpperChar(tag[i]));
  }
  return word;
}

// Open-addressing table of the packed words: 256 slots for 137 tags keeps
// probe chains short; a slot with word 0 is empty (no tag packs to 0).
constexpr size_t kSlots = 256;

struct PackedEntry {
  uint32_t word = 0;
  TagCode code = kTagUnknown;
};

constexpr size_t SlotOf(uint32_t word) {
  return static_cast<size_t>((word * 2654435761u) >> 24);
}

std::array<PackedEntry, kSlots> BuildPackedTable() {
  std::array<PackedEntry, kSlots> table{};
  for (TagCode i = 0; i < kStandardTagCount; ++i) {
    const uint32_t word = Pack(kStandardTags[i]);
    size_t slot = SlotOf(word);
    while (table[slot].word != 0) slot = (slot + 1) % kSlots;
    table[slot] = {word, i};
  }
  return table;
}

const std::array<PackedEntry, kSlots>& PackedTable() {
  static const std::array<PackedEntry, kSlots> table = BuildPackedTable();
  return table;
}

TagCode FindStandard(std::string_view tag) {
  if (tag.empty() || tag.size() > 4) return kTagUnknown;
  // A NUL byte inside the tag would pack like padding; such a tag is no
  // standard tag.
  for (char c : tag) {
    if (c == '\0') return kTagUnknown;
  }
  const uint32_t word = Pack(tag);
  const auto& table = PackedTable();
  for (size_t slot = SlotOf(word);; slot = (slot + 1) % kSlots) {
    if (table[slot].word == word) return table[slot].code;
    if (table[slot].word == 0) return kTagUnknown;
  }
}

TagCode FindRemap(std::string_view tag) {
  for (const RemapEntry& e : kRemapTags) {
    if (text::EqualsNoCase(e.tag, tag)) return e.code;
  }
  return kTagUnknown;
}

}  // namespace

DialectTags DialectTags::Default() {
  DialectTags tags;
  tags.Set("_TMPLT", kTagTemplate);
  tags.Set("_BIBL", kTagBibliography);
  tags.Set("FIELD", kTagField);
  tags.Set("VALUE", kTagValue);
  tags.Set("_SCBK", kTagScrapbook);
  tags.Set("_PRIM", kTagPrimary);
  tags.Set("_DATE", kTagDate);
  return tags;
}

void DialectTags::Set(std::string_view tag, TagCode code) {
  for (auto& entry : entries_) {
    if (text::EqualsNoCase(entry.first, tag)) {
      entry.second = code;
      return;
    }
  }
  entries_.emplace_back(std::string(tag), code);
}

TagCode DialectTags::Find(std::string_view tag) const {
  if (tag.empty()) return kTagUnknown;
  for (const auto& entry : entries_) {
    if (text::EqualsNoCase(entry.first, tag)) return entry.second;
  }
  return kTagUnknown;
}

TagCode LookupTagQuiet(std::string_view tag, const TagLookupContext& context,
                       bool* remapped) {
  if (remapped) *remapped = false;
  TagCode code = FindStandard(tag);
  if (code != kTagUnknown) return code;
  if (context.dialect) {
    code = context.dialect->Find(tag);
    if (code != kTagUnknown) return code;
  }
  std::string_view rest = tag;
  if (!rest.empty() && rest.front() == '_') {
    if (!context.medical_tag.empty() && text::EqualsNoCase(tag, context.medical_tag))
      return kTagMedical;
    if (!context.process_nonstandard_tags) return kTagNonstandard;
    rest.remove_prefix(1);
    code = FindStandard(rest);
    if (code != kTagUnknown) return code;
  }
  code = FindRemap(rest);
  if (code != kTagUnknown) {
    if (remapped) *remapped = true;
    return code;
  }
  if (!context.medical_tag.empty() && text::EqualsNoCase(rest, context.medical_tag))
    return kTagMedical;
  return kTagUnknown;
}

std::string RemapWarningText(std::string_view tag, TagCode code) {
  if (!tag.empty() && tag.front() == '_') tag.remove_prefix(1);
  std::string text = "_";
  text.append(tag);
  text += " to ";
  text.append(TagName(code));
  return text;
}

TagCode LookupTag(std::string_view tag, const TagLookupContext& context,
                  WarningLog* warnings) {
  bool remapped = false;
  const TagCode code = LookupTagQuiet(tag, context, &remapped);
  if (remapped && warnings != nullptr) {
    warnings->Add(WarningCode::kNonstandardTagRemapped, RemapWarningText(tag, code));
  }
  return code;
}

std::string_view TagName(TagCode code) {
  if (code >= 0 && code < kStandardTagCount) return kStandardTags[code];
  for (const RemapEntry& e : kRemapTags) {
    if (e.code == code) return e.tag;
  }
  return {};
}

RecordKind KindOfTag(TagCode code) {
  switch (code) {
    case kTagHead:
      return RecordKind::kHeader;
    case kTagFam:
      return RecordKind::kFamily;
    case kTagIndi:
      return RecordKind::kIndividual;
    case kTagObje:
      return RecordKind::kMultimedia;
    case kTagNote:
      return RecordKind::kNote;
    case kTagRepo:
      return RecordKind::kRepository;
    case kTagSour:
      return RecordKind::kSource;
    case kTagSubn:
      return RecordKind::kSubmission;
    case kTagSubm:
      return RecordKind::kSubmitter;
    case kTagTrlr:
      return RecordKind::kTrailer;
    default:
      return RecordKind::kNone;
  }
}

}  // namespace vellix
