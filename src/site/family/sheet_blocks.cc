// The rows of the group sheet table: the two spouse blocks, the children
// block, and the additional-information section below the table.
#include "options/options.h"
#include "site/family/family_sheet_writer.h"
#include "site/family/name_line.h"
#include "site/family/notes.h"
#include "site/family/sheet_media.h"
#include "site/frame/dividers.h"

namespace vellix::site {

bool FamilySheetWriter::ShowsPortrait(const SheetPerson& person) const {
  return page_media_ != nullptr && page_media_->Of(person).portrait.shown();
}

std::string FamilySheetWriter::FamilyPortrait() const {
  return page_media_ != nullptr ? page_media_->family().portrait.html : std::string();
}

bool FamilySheetWriter::HasImage(const SheetPerson& person) const {
  return (options_.m_bIndivImages && !person.attributes.m_strImage.empty() &&
          !person.facts.excluded) ||
         ShowsPortrait(person);
}

void FamilySheetWriter::WritePersonDetails(std::string* out, SheetPerson& person,
                                           const FamilyFacts* marriage,
                                           bool with_marriage_line) {
  // Callers put the name line (children) or nothing (spouses) into
  // `pending_name_line_` before the label table opens.
  const bool image = HasImage(person);
  if (image) {
    *out += ImageColumn(1);
  } else if (fixed_) {
    *out += page_writer_.family_div_open();
  }
  if (!fixed_) *out += OpenLabelTable("vx-tbllbl");
  *out += pending_name_line_;
  pending_name_line_.clear();
  *out += AlternateNameLines(*formatter_, person.facts);
  *out += formatter_->BmdLines(person.facts, kBmdBorn, parent_target_);
  if (with_marriage_line && marriage != nullptr &&
      options_.m_factInclude[kKindMarried] == kPlaceWithin) {
    *out += formatter_->BmdLines(*marriage, parent_target_);
  }
  *out += formatter_->BmdLines(person.facts, kBmdDied, parent_target_);
  if (pending_parents_) {
    *out += formatter_->RelativesLine(options_.m_strLblFather, person.fathers);
    *out += formatter_->RelativesLine(options_.m_strLblMother, person.mothers);
  }
  *out += formatter_->RelativesLine(options_.m_strLblSpouses, person.spouses,
                                    person.more_spouses);
  *out += formatter_->OtherFactLines(person.facts, parent_target_);
  if (page_media_ != nullptr) {
    const std::string link = page_media_->Link(page_media_->Of(person), parent_target_);
    // A row of the label table; where no table is open the link stands
    // alone.
    const bool in_table = !fixed_ && options_.m_bAlignLabels;
    if (!link.empty()) {
      *out += in_table ? "<tr><td>" + link + "</td><td>&nbsp;</td></tr>" : link;
    }
  }
  if (!fixed_) *out += CloseLabelTable();
  if (image) {
    *out += ImageColumn(2);
    *out += ShowsPortrait(person) ? page_media_->Of(person).portrait.html
                                  : IndividualImage(person);
    *out += ImageColumn(3);
    // A portrait is marked as such when the page is recorded.
    if (person.entry != nullptr && !ShowsPortrait(person)) {
      person.entry->markValue |= kMarkImage;
    }
  } else if (fixed_) {
    *out += page_writer_.div_close();
  }
  *out += NotesWithinPage(*formatter_, person.facts,
                          with_marriage_line ? marriage : nullptr, parent_target_);
}

void FamilySheetWriter::WriteSpouseBlock(std::string* out, SheetFamily& family,
                                         int slot) {
  std::unique_ptr<SheetPerson>& held = slot == 0 ? family.husband : family.wife;
  if (!held && family.loner) return;
  SheetPerson empty;
  SheetPerson& person = held ? *held : empty;
  const int thick = options_.m_nDividerThick;
  const std::string& thick_block = page_writer_.thick_divider();
  const bool last_row = slot == 1 && family.children.empty();

  // Name row.
  *out += "<tr><td class=\"vx-bar";
  if (thick == kDividerLine) {
    *out += " mt\">";
  } else {
    *out += "\">";
    if (thick == kDividerImage) *out += thick_block;
  }
  const std::string label = slot == 0 ? options_.m_strLblHusband : options_.m_strLblWife;
  std::string name_line;
  if (held) {
    name_line = PersonNameLine(*formatter_, label, person.facts, BiographyLink(person),
                               person.key, person.parent_family_page);
  } else {
    FactLineArgs args;
    args.label = label;
    args.has_name = true;
    name_line = formatter_->FactLine(args);
  }
  if (fixed_) {
    *out += page_writer_.family_div_open() + name_line + RelationshipText(person) +
            page_writer_.div_close();
  } else {
    *out += OpenLabelTable("vx-tbllbl") + name_line + RelationshipText(person) +
            CloseLabelTable();
  }
  if (thick == kDividerImage) {
    if (!fixed_) *out += "<br clear=\"all\">\r\n";
    *out += thick_block;
  }
  *out += "</td></tr>\r\n";

  // Details row.
  *out += "<tr><td class=\"vx-bar";
  if (thick == kDividerLine) {
    *out += " mt";
    if (last_row) *out += " mb";
  }
  *out += "\">";
  pending_parents_ = true;
  WritePersonDetails(out, person, &family.facts, slot == 0);
  if (last_row && thick == kDividerImage) {
    if (!fixed_) *out += "<br clear=\"all\">";
    *out += "<br>" + thick_block;
  }
  *out += "</td></tr>\r\n";
}

void FamilySheetWriter::WriteChildrenBlock(std::string* out, SheetFamily& family) {
  if (family.children.empty()) return;
  const int thick = options_.m_nDividerThick;
  const int thin = options_.m_nDividerThin;
  const std::string& thick_block = page_writer_.thick_divider();
  *out += "<tr><td class=\"vx-bar";
  if (thick == kDividerLine) {
    *out += " mt\">";
  } else {
    *out += "\">";
    if (thick == kDividerImage) *out += thick_block;
  }
  *out += "<div class=\"vx-secchild\">" + options_.m_strLblChildren + "</div>";
  if (thick == kDividerImage) *out += thick_block;
  *out += "</td></tr>\r\n";

  const size_t count = family.children.size();
  for (size_t i = 0; i < count; ++i) {
    SheetPerson& child = *family.children[i];
    const int number = static_cast<int>(i) + 1;
    const bool last = i + 1 == count;
    std::string row_class;
    if (i == 0) {
      if (thick == kDividerLine) row_class = count == 1 ? " mt mb" : " mt";
    } else {
      if (thin == kDividerLine) row_class += " tt";
      if (last && thick == kDividerLine) row_class += " mb";
    }
    *out += "<tr><td class=\"vx-bar" + row_class + "\">";
    if (i > 0 && thin == kDividerImage) *out += page_writer_.thin_divider();
    const std::string link =
        options_.m_bChildNameLinks ? child.own_family_page : std::string();
    const std::string label = ChildLabel(*formatter_, number, child.facts.sex,
                                         !RelationshipText(child).empty());
    // The child label ends with its own colon.
    const std::string biography = BiographyLink(child);
    NameLineArgs args;
    args.label = label;
    args.name = child.facts.display_name;
    args.suffix = biography;
    args.citations = child.facts.excluded ? nullptr : &child.facts.name_citations;
    args.ref_number =
        child.facts.excluded ? std::string_view() : std::string_view(child.key);
    args.colon = false;
    args.link_page_id = link;
    pending_name_line_ = NameLine(*formatter_, args) + RelationshipText(child);
    pending_parents_ = false;
    WritePersonDetails(out, child, nullptr, false);
    if (last && thick == kDividerImage) {
      if (!fixed_) *out += "<br clear=\"all\">";
      *out += "<br>" + thick_block;
    }
    *out += "</td></tr>\r\n";
  }
}

void FamilySheetWriter::WriteAdditionalInformation(std::string* out,
                                                   SheetFamily& family) {
  const bool wanted = options_.m_bOtherFacts || options_.m_nResearchNotes == kPlaceEnd ||
                      options_.m_nMarriageNotes == kPlaceEnd ||
                      options_.m_nMedicalNotes == kPlaceEnd ||
                      options_.m_nAltBmdFacts == kPlaceEnd;
  if (!wanted) return;
  std::string section;
  if (family.husband)
    section += PersonEndSection(*formatter_, family.husband->facts, 0, parent_target_);
  if (family.wife)
    section += PersonEndSection(*formatter_, family.wife->facts, 0, parent_target_);
  for (size_t i = 0; i < family.children.size(); ++i) {
    const SheetPerson& child = *family.children[i];
    if (!options_.m_bRepeatChildFacts && !child.own_family_page.empty()) continue;
    section += PersonEndSection(*formatter_, child.facts, static_cast<int>(i) + 1,
                                parent_target_);
  }
  if (!family.loner)
    section += FamilyEndSection(*formatter_, family.facts, parent_target_);
  if (section.empty()) return;
  *out += "\r\n<div class=\"vx-isec\">" + options_.m_strLblAdditional + "</div>\r\n";
  *out += section;
}

}  // namespace vellix::site
