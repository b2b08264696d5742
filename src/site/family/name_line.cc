#include "site/family/name_line.h"

#include <cstdio>

#include "options/options.h"
#include "site/family/fact_collect.h"
#include "text/html_escape.h"

namespace vellix::site {
namespace {

std::string TwoDigits(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", number);
  return buffer;
}

size_t Columns(std::string_view s) {
  size_t n = 0;
  for (char c : s) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

std::string Pad(std::string s, int width, bool right) {
  size_t cols = Columns(s);
  if (width <= 0 || cols >= static_cast<size_t>(width)) return s;
  std::string fill(static_cast<size_t>(width) - cols, ' ');
  return right ? fill + s : s + fill;
}

}  // namespace

std::string NameLine(const FactFormatter& f, const NameLineArgs& args) {
  std::string name = text::EscapeHtml(args.name);
  if (!args.link_page_id.empty() && f.page_link()) {
    name = f.page_link()(args.link_page_id, name);
  }
  std::string after;
  if (args.citations != nullptr)
    after = f.Refs(*args.citations, f.options().m_bSuperscript);
  FactLineArgs a;
  a.label = args.label;
  a.name_text = name;
  a.has_name = true;
  a.suffix = args.suffix;
  a.after = after;
  a.ref_number = args.ref_number;
  a.colon = args.colon;
  a.in_place = true;
  return f.FactLine(a);
}

std::string PersonNameLine(const FactFormatter& f, std::string_view label,
                           const PersonFacts& person, std::string_view suffix,
                           std::string_view ref_number, std::string_view link_page_id) {
  NameLineArgs a;
  a.label = label;
  a.name = person.display_name;
  if (!person.excluded) {
    // Someone left out of the site shows the filtered name alone: no
    // biography link, reference number, citations or page link.
    a.suffix = suffix;
    a.citations = &person.name_citations;
    a.ref_number = ref_number;
    a.link_page_id = link_page_id;
  }
  return NameLine(f, a);
}

std::string ChildLabel(const FactFormatter& f, int number, char sex,
                       bool has_relationship) {
  const COptions& o = f.options();
  std::string out;
  if (o.m_bRelationship && has_relationship) {
    out = "<span class=\"vx-lblrel\">" + TwoDigits(number) + "&gt;</span>";
  } else {
    out = TwoDigits(number) + (f.fixed_font() ? " " : "&nbsp;");
  }
  std::string sex_label = sex == 'M'   ? o.m_strLblMale
                          : sex == 'F' ? o.m_strLblFemale
                                       : "?";
  if (f.fixed_font() && o.m_bAlignLabels) {
    int width = f.label_width() > 3 ? f.label_width() - 3 : f.label_width();
    if (!sex_label.empty() && (sex_label[0] == '<' || sex_label[0] == '&')) {
      // Markup or an entity: measure the part with a one-letter stand-in and
      // put the label in afterwards.
      std::string padded = Pad(" (s):", width, o.m_bRightJustify);
      size_t at = padded.find("(s)");
      padded.replace(at + 1, 1, sex_label);
      out += padded;
    } else {
      out += Pad(" (" + sex_label + "):", width, o.m_bRightJustify);
    }
  } else {
    out += " (" + sex_label + "):";
  }
  return out;
}

std::string AlternateNameLines(const FactFormatter& f, const PersonFacts& person) {
  std::string out;
  for (const AlternateName& alt : person.names_within) {
    NameLineArgs a;
    a.label = f.options().m_strLblName;
    a.name = alt.display;
    a.citations = &alt.citations;
    out += NameLine(f, a);
  }
  return out;
}

}  // namespace vellix::site
