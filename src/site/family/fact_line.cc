#include "site/family/fact_line.h"

#include <algorithm>
#include <utility>

#include "model/dates.h"
#include "options/options.h"
#include "site/family/fact_collect.h"
#include "site/frame/extras_frame.h"
#include "site/frame/page_writer.h"
#include "text/html_escape.h"
#include "text/paths.h"
#include "text/string_ops.h"
#include "text/text_converter.h"
#include "text/text_tidy.h"

namespace vellix::site {
namespace {

// Appends `<span class="FAMKIND">TEXT</span>` (`fam` is "vx-fam " or
// nothing in fixed-font mode).
void AppendSpan(std::string* out, std::string_view fam, std::string_view kind,
                std::string_view text) {
  out->reserve(out->size() + text.size() + 40);
  *out += "<span class=\"";
  *out += fam;
  *out += kind;
  *out += "\">";
  *out += text;
  *out += "</span>";
}

using text::kLineBreakPlaceholder;

// Columns a UTF-8 text takes: its characters, not its bytes.
size_t Columns(std::string_view s) {
  size_t n = 0;
  for (char c : s) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

// Appends `s` filled with blanks to `width` columns (on the left when
// `right`).
void AppendPadded(std::string* out, std::string_view s, int width, bool right) {
  const size_t cols = Columns(s);
  const size_t fill = (width <= 0 || cols >= static_cast<size_t>(width))
                          ? 0
                          : static_cast<size_t>(width) - cols;
  if (right) out->append(fill, ' ');
  out->append(s);
  if (!right) out->append(fill, ' ');
}

std::string Pad(std::string_view s, int width, bool right) {
  std::string out;
  AppendPadded(&out, s, width, right);
  return out;
}

void TrimRight(std::string* s) {
  while (!s->empty() && s->back() == ' ') s->pop_back();
}

// Replaces every occurrence of `find` (exact) in `text` by `with`.
void ReplaceAll(std::string* text, std::string_view find, std::string_view with) {
  if (find.empty()) return;
  std::string out;
  size_t from = 0;
  for (size_t at = text->find(find); at != std::string::npos;
       at = text->find(find, from)) {
    out.append(*text, from, at - from);
    out += with;
    from = at + find.size();
  }
  out.append(*text, from, std::string::npos);
  *text = std::move(out);
}

std::string NoteParagraphsOf(const text::TextConverter& converter,
                             const std::vector<std::vector<std::string>>& notes,
                             bool parent_target, bool inline_form) {
  std::string out;
  // Each note is a paragraph of its own (inline: separated by a break).
  for (const auto& note : notes) {
    std::string one;
    if (converter.AppendParagraphs(note, &one, {}, {},
                                   {.linkify = true,
                                    .parent_target = parent_target,
                                    .inline_text = inline_form})) {
      if (inline_form && !out.empty()) out += "<br>\r\n";
      out += one;
    }
  }
  return out;
}

// Where `word` (any letter case) stands before a blank in `upper`, an
// upper-cased text: the same as upper.find(AsciiUpper(word) + " ") without
// building either. npos for an empty word.
size_t FindWordBeforeBlank(std::string_view upper, std::string_view word) {
  const size_t n = word.size();
  if (n == 0) return std::string_view::npos;
  for (size_t at = 0; at + n < upper.size(); ++at) {
    if (upper[at + n] != ' ') continue;
    size_t k = 0;
    while (k < n && upper[at + k] == text::AsciiUpperChar(word[k])) ++k;
    if (k == n) return at;
  }
  return std::string_view::npos;
}

bool AnyNoteText(const std::vector<std::vector<std::string>>* notes) {
  if (notes == nullptr) return false;
  for (const auto& note : *notes) {
    for (const auto& line : note) {
      if (!line.empty()) return true;
    }
  }
  return false;
}

}  // namespace

PageLink MakePageLink(const PageWriter& writer, const text::PageNameSettings& names) {
  return [&writer, names](std::string_view page_id, std::string_view html_text) {
    return writer.MakeLink(
        false, text::PageFileName(names, page_id, text::PageLetter::kNone, false), {}, {},
        html_text);
  };
}

FactFormatter::FactFormatter(const COptions& options,
                             const text::TextConverter& converter, CitationRefs refs,
                             PageLink link)
    : options_(options),
      converter_(converter),
      refs_(std::move(refs)),
      link_(std::move(link)),
      label_width_(options.m_nLabelWidth) {}

void FactFormatter::SetLabelWidthFromLongest(size_t longest_label) {
  label_width_ = options_.m_bAlignLongest ? static_cast<int>(longest_label) + 1
                                          : options_.m_nLabelWidth;
}

std::string FactFormatter::DateDisplay(std::string_view date_in) const {
  std::string date(date_in);
  if (!options_.m_bFormatDates || date.empty()) return date;

  // A one-digit run (a day) gets a leading zero; only the first such run.
  for (size_t i = 0; i < date.size(); ++i) {
    if (!text::IsAsciiDigit(date[i])) continue;
    size_t end = i;
    while (end < date.size() && text::IsAsciiDigit(date[end])) ++end;
    if (end - i == 1) {
      date.insert(i, 1, '0');
      break;
    }
    i = end;
  }
  // Periods survive only between two digits (12.05.1900).
  text::DropAbbreviationPeriods(&date);

  std::string upper = text::AsciiUpper(date);
  auto found = [&upper](const std::string& word) {
    return FindWordBeforeBlank(upper, word) != std::string_view::npos;
  };
  const std::string& bet = options_.m_strDateBet;
  const std::string& btn = options_.m_strDateBtn;
  if (!found(bet) && !found(btn)) {
    struct Word {
      const std::string* word;
      const std::string* show;
    };
    const Word words[] = {
        {&options_.m_strDateAbt, &options_.m_strShowAbout},
        {&options_.m_strDateBef, &options_.m_strShowBefore},
        {&options_.m_strDateAft, &options_.m_strShowAfter},
        {&options_.m_strDateAbout, &options_.m_strShowAbout},
        {&options_.m_strDateCirca, &options_.m_strShowAbout},
        {&options_.m_strDateCa, &options_.m_strShowAbout},
        {&options_.m_strDateCir, &options_.m_strShowAbout},
        {&options_.m_strDateEst, &options_.m_strShowAbout},
    };
    for (const Word& w : words) {
      const size_t at = FindWordBeforeBlank(upper, *w.word);
      if (at == std::string_view::npos) continue;
      std::string as_written = date.substr(at, w.word->size());
      ReplaceAll(&date, as_written, *w.show);
      break;
    }
  } else {
    for (const std::string* range :
         {&options_.m_strDateHyphen, &options_.m_strDateTo, &options_.m_strDateAnd}) {
      if (range->empty()) continue;
      std::string spaced = " " + text::AsciiUpper(*range) + " ";
      size_t at = upper.find(spaced);
      if (at == std::string::npos) continue;
      date.replace(at, spaced.size(), options_.m_strShowHyphen);
      break;
    }
    for (const std::string* word : {&bet, &btn}) {
      if (word->empty()) continue;
      // The word is replaced where it stands before a blank, whatever its
      // letter case; the blank stays.
      std::string key = text::AsciiUpper(*word) + " ";
      std::string out;
      std::string up = text::AsciiUpper(date);
      size_t from = 0;
      for (size_t at = up.find(key); at != std::string::npos; at = up.find(key, from)) {
        out.append(date, from, at - from);
        out += options_.m_strShowBetween;
        from = at + word->size();
      }
      out.append(date, from, std::string::npos);
      date = std::move(out);
    }
  }
  RestyleMonths(&date, options_.m_nMonthNames);
  return date;
}

std::string FactFormatter::LabelText(std::string_view label, bool colon) const {
  std::string out(label);
  if (!out.empty() && colon) out += ':';
  if (fixed_ && options_.m_bAlignLabels)
    out = Pad(out, label_width_, options_.m_bRightJustify);
  return out;
}

std::string FactFormatter::FixedBreak(bool colon) const {
  int width = label_width_ + (colon ? 1 : 0);
  return "<br>" + std::string(static_cast<size_t>(std::max(width, 0)), ' ');
}

std::string FactFormatter::Refs(const std::vector<const GedcomNode*>& citations,
                                bool superscript) const {
  if (citations.empty() || !refs_) return {};
  return refs_(citations, superscript);
}

std::string FactFormatter::FactLine(const FactLineArgs& a) const {
  const bool aligned = options_.m_bAlignLabels;
  const std::string_view fam = fixed_ ? "" : "vx-fam ";

  std::string value;
  std::string place_part;
  bool after_placed = false;
  bool has_date = false;
  if (a.has_name) {
    if (!a.name_text.empty()) {
      if (fixed_) value = " ";
      value += a.name_text;
    }
    place_part = a.suffix;
  } else if (a.fact != nullptr) {
    const Fact& fact = *a.fact;
    std::string date = fact.date_is_html   ? fact.date
                       : fact.date.empty() ? std::string()
                                           : text::EscapeHtml(DateDisplay(fact.date));
    has_date = !date.empty();
    if (fixed_ && aligned && a.in_place && options_.m_bAlignPlaces) {
      std::string padded = " ";
      AppendPadded(&padded, date, options_.m_nDateWidth, false);
      date = std::move(padded);
    } else if (fixed_) {
      date = " " + date;
    }
    if (!date.empty()) {
      AppendSpan(&value, fam, "vx-date", date);
    }
    const std::string place =
        fact.place.empty() ? std::string() : text::SpaceAfterCommas(fact.place);
    const std::string address =
        fact.address.empty() ? std::string() : text::EscapeHtml(fact.address);
    const std::string& described =
        !fact.description.empty() ? fact.description : fact.person_name;
    const std::string description =
        described.empty() ? std::string() : text::EscapeHtml(described);
    if (!place.empty() || !address.empty() || !description.empty()) {
      std::string p = fixed_ ? " " : "&nbsp;";
      if (!place.empty()) {
        if (a.in_place) {
          p += options_.m_strLblIn;
          p += ' ';
        }
        p += place;
        p += MapLink(options_, fact.latitude, fact.longitude);
      }
      if (!place.empty() || has_date) {
        p += a.after;
        after_placed = true;
      }
      if (!address.empty()) {
        if (!place.empty()) p += kLineBreakPlaceholder;
        p += address;
        if (!after_placed) {
          p += a.after;
          after_placed = true;
        }
      }
      if (!description.empty()) {
        if (!place.empty() || !address.empty()) p += kLineBreakPlaceholder;
        p += description;
      }
      if (!after_placed) {
        p += a.after;
        after_placed = true;
      }
      TrimRight(&p);
      if (p.find('%') != std::string::npos) {
        text::ReplaceNoCase(&p, kLineBreakPlaceholder,
                            fixed_ ? FixedBreak(a.colon) : "; ");
      }
      AppendSpan(&place_part, fam, "vx-place", p);
    }
  }

  const bool notes_shown =
      options_.m_bFactNotes && !options_.m_bFactNotesOutside && AnyNoteText(a.notes);
  const bool has_name = a.has_name && !a.name_text.empty();
  if (options_.m_bOmitEmptyLabels && !has_name && !has_date && place_part.empty() &&
      !notes_shown && a.after.empty()) {
    return {};
  }

  std::string out;
  out.reserve(200 + a.label.size() + value.size() + place_part.size() + a.after.size());
  if (!fixed_ && aligned) {
    out += "<tr><td class=\"vx-lbl\"";
    if (notes_shown) out += " valign=\"top\"";
    out += "><div class=\"vx-fam\">";
  }
  if (fixed_ && aligned) {
    // Padded to the label width (LabelText, appended in place).
    std::string label(a.label);
    if (!label.empty() && a.colon) label += ':';
    if (!label.empty() || label_width_ > 0) {
      out += "<span class=\"vx-lblpmt\">";
      AppendPadded(&out, label, label_width_, options_.m_bRightJustify);
      out += "</span>";
    }
  } else if (!a.label.empty()) {
    out += "<span class=\"vx-lblpmt\">";
    out += a.label;
    if (a.colon) out += ':';
    out += "</span>";
  }
  if (!fixed_) out += aligned ? "</div></td><td>" : " ";
  out += value;
  if (options_.m_bRefNumbers && !a.ref_number.empty()) {
    out += " [";
    out += text::EscapeHtml(a.ref_number);
    out += "]";
  }
  out += place_part;
  if (!after_placed) out += a.after;
  if (notes_shown) {
    out += "<br><div class=\"vx-einote\">\r\n";
    out += NoteParagraphsOf(converter_, *a.notes, a.parent_target, fixed_);
    out += "</div>";
  }
  if (!fixed_ && aligned) {
    out += "</td></tr>\r\n";
  } else if (!notes_shown) {
    out += "<br>";
  }
  return out;
}

std::string FactFormatter::OtherFactLine(const Fact& fact, bool parent_target,
                                         bool in_place) const {
  std::string after = Refs(fact.citations, options_.m_bSuperscript);
  FactLineArgs a;
  a.label = fact.label;
  a.parent_target = parent_target;
  a.fact = &fact;
  a.after = after;
  a.notes = &fact.notes;
  a.colon = true;
  a.in_place = in_place;
  return FactLine(a);
}

std::string FactFormatter::BmdLines(const std::vector<Fact>& list, BmdKind kind,
                                    bool parent_target) const {
  if (list.empty()) {
    FactLineArgs a;
    a.label = kind == kBmdBorn   ? options_.m_strLblBorn
              : kind == kBmdDied ? options_.m_strLblDied
                                 : options_.m_strLblMarried;
    a.parent_target = parent_target;
    return FactLine(a);
  }
  std::string out;
  for (const Fact& fact : list) out += OtherFactLine(fact, parent_target, true);
  return out;
}

std::string FactFormatter::BmdLines(const PersonFacts& person, BmdKind kind,
                                    bool parent_target) const {
  return BmdLines(kind == kBmdDied ? person.died : person.born, kind, parent_target);
}

std::string FactFormatter::BmdLines(const FamilyFacts& family, bool parent_target) const {
  return BmdLines(family.married, kBmdMarried, parent_target);
}

std::string FactFormatter::RelativesLine(std::string_view label,
                                         const std::vector<Relative>& relatives,
                                         size_t more) const {
  std::string names;
  for (const Relative& r : relatives) {
    if (!names.empty()) names += "; ";
    std::string name = text::EscapeHtml(r.name);
    names += (!r.page_id.empty() && link_) ? link_(r.page_id, name) : name;
  }
  if (more > 0) {
    if (!names.empty()) names += "; ";
    names += "and " + std::to_string(more) + " more";
  }
  FactLineArgs a;
  a.label = label;
  a.name_text = names;
  a.has_name = true;
  a.colon = true;
  a.in_place = true;
  return FactLine(a);
}

std::string FactFormatter::EventParagraph(const Fact& fact, bool parent_target) const {
  std::string out = "<p>";
  if (!fact.label.empty()) {
    out += "<span class=\"vx-lblpmt\">" + fact.label + ": </span>";
  }
  std::string place;
  if (!fact.person_name.empty()) {
    place = text::EscapeHtml(fact.person_name);
  } else {
    place = text::SpaceAfterCommas(fact.place);
  }
  if (!fact.address.empty()) {
    if (!place.empty()) place += kLineBreakPlaceholder;
    place += text::EscapeHtml(fact.address);
  }
  if (!fact.description.empty()) {
    if (!place.empty()) place += kLineBreakPlaceholder;
    place += text::EscapeHtml(fact.description);
  }
  std::string date =
      fact.date_is_html ? fact.date : text::EscapeHtml(DateDisplay(fact.date));
  if (!date.empty()) {
    out += date;
    if (!place.empty()) out += ", ";
  }
  out += place;
  out += Refs(fact.citations, true);
  out += "</p>";
  if (options_.m_bFactNotes && AnyNoteText(&fact.notes)) {
    out += "<div class=\"vx-enote\">\r\n";
    out += NoteParagraphsOf(converter_, fact.notes, parent_target, false);
    out += "</div>\r\n";
  }
  text::ReplaceNoCase(&out, kLineBreakPlaceholder, "; ");
  return out;
}

std::string FactFormatter::NoteParagraphs(
    const std::vector<std::vector<std::string>>& notes, bool parent_target,
    bool inline_form) const {
  return NoteParagraphsOf(converter_, notes, parent_target, inline_form);
}

std::string FactFormatter::OtherFactLines(const PersonFacts& person,
                                          bool parent_target) const {
  if (person.hidden) return {};
  std::string out;
  for (const Fact& fact : person.other) {
    out += OtherFactLine(fact, parent_target, !fact.place.empty());
  }
  return out;
}

size_t LongestLabel(const PersonFacts& person) {
  size_t longest = 0;
  for (const auto* list : {&person.born, &person.died, &person.other}) {
    for (const Fact& fact : *list) longest = std::max(longest, Columns(fact.label));
  }
  return longest;
}

}  // namespace vellix::site
