#include "site/family/notes.h"

#include <cstdio>

#include "options/options.h"
#include "site/family/fact_collect.h"
#include "text/html_escape.h"

namespace vellix::site {

std::string NoteBlock(const FactFormatter& f, std::string_view label,
                      const NoteList& notes, bool parent_target) {
  std::string out;
  if (label.empty()) {
    out = "<p>";
  } else {
    out = "<p class=\"vx-ievt\"><span class=\"vx-lblpmt\">" + std::string(label) +
          "</span></p>\r\n";
  }
  std::string paragraphs = f.NoteParagraphs(notes, parent_target, false);
  if (!paragraphs.empty())
    out += "<div class=\"vx-inote\">\r\n" + paragraphs + "</div>\r\n";
  return out;
}

std::string NotesWithinPage(const FactFormatter& f, const PersonFacts& person,
                            const FamilyFacts* marriage, bool parent_target) {
  const COptions& o = f.options();
  std::string out;
  if (!person.hidden) {
    if (o.m_nMedicalNotes == kPlaceWithin && !person.medical_notes.empty()) {
      out += NoteBlock(f, o.m_strLblMedicalNotes, person.medical_notes, parent_target);
    }
    if (o.m_nResearchNotes == kPlaceWithin && !person.research_notes.empty()) {
      out += NoteBlock(f, o.m_strLblNotes, person.research_notes, parent_target);
    }
  }
  if (marriage != nullptr && !marriage->hidden && o.m_nMarriageNotes == kPlaceWithin &&
      !marriage->marriage_notes.empty()) {
    out += "<p class=\"vx-ipmt\">" + o.m_strLblMarriageNotes + "</p>\r\n";
    out += NoteBlock(f, {}, marriage->marriage_notes, parent_target);
  }
  return out;
}

std::string PersonEndSection(const FactFormatter& f, const PersonFacts& person,
                             int child_number, bool parent_target) {
  const COptions& o = f.options();
  if (!person.HasEndMaterial(o)) return {};
  std::string out = "<p class=\"vx-ipmt\">";
  if (child_number > 0) {
    char number[16];
    std::snprintf(number, sizeof number, "(%02d) ", child_number);
    out += number;
  }
  out += text::EscapeHtml(person.display_name) + ":</p>\r\n";
  if (!person.end.empty() || !person.names_end.empty()) {
    out += "<div class=\"vx-ievt\">\r\n";
    for (const AlternateName& alt : person.names_end) {
      Fact name;
      name.label = o.m_strLblName;
      name.description = alt.display;
      name.line = alt.line;
      name.citations = alt.citations;
      out += f.EventParagraph(name, parent_target) + "\r\n";
    }
    for (const Fact& fact : person.end)
      out += f.EventParagraph(fact, parent_target) + "\r\n";
    out += "</div>\r\n";
  }
  if (o.m_nMedicalNotes == kPlaceEnd && !person.medical_notes.empty()) {
    out += NoteBlock(f, o.m_strLblMedicalNotes, person.medical_notes, parent_target);
  }
  if (o.m_nResearchNotes == kPlaceEnd && !person.research_notes.empty()) {
    out += NoteBlock(f, o.m_strLblNotes, person.research_notes, parent_target);
  }
  return out;
}

std::string FamilyEndSection(const FactFormatter& f, const FamilyFacts& family,
                             bool parent_target) {
  const COptions& o = f.options();
  if (!family.HasEndMaterial(o)) return {};
  std::string out = "<p class=\"vx-ipmt\">" + o.m_strLblMarriageNotes + "</p>\r\n";
  if (!family.end.empty()) {
    out += "<div class=\"vx-ievt\">\r\n";
    for (const Fact& fact : family.end)
      out += f.EventParagraph(fact, parent_target) + "\r\n";
    out += "</div>\r\n";
  }
  if (o.m_nMarriageNotes == kPlaceEnd && !family.marriage_notes.empty()) {
    out += NoteBlock(f, {}, family.marriage_notes, parent_target);
  }
  return out;
}

}  // namespace vellix::site
