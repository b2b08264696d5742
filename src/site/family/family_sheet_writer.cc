#include "site/family/family_sheet_writer.h"

#include <algorithm>
#include <utility>

#include "gedcom/gedcom_reader.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "options/options_bridge.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "run/run_log_entries.h"
#include "run/warning_log.h"
#include "site/family/name_line.h"
#include "site/family/notes.h"
#include "site/family/sheet_media.h"
#include "site/frame/dividers.h"
#include "site/frame/page_file.h"
#include "text/html_escape.h"

namespace vellix::site {

FamilySheetWriter::FamilySheetWriter(RunContext& ctx)
    : ctx_(ctx),
      options_(ctx.options),
      privacy_(ctx.options, platform::ReadSupportFlags(ctx.env.settings())),
      converter_(TextSettingsFromOptions(ctx.options, ctx.flags.strictConformance)),
      names_(PageNameSettingsFromOptions(ctx.options)),
      page_writer_(ctx) {
  converter_.SetDialect(&ctx.dialects.current().markers);
  page_writer_.Prepare(false);
  fixed_ = options_.m_bMonoFont;
  footnotes_ = std::make_unique<FootnoteList>(options_, converter_, &ctx.reader);
  footnotes_->set_template_mode(ctx.dialects.current().code == 1);
  footnotes_->set_strict(ctx.flags.strictConformance);
  collector_ = std::make_unique<FactCollector>(
      options_, privacy_, ReaderNoteResolver(ctx.reader), ctx.warnings());
  loader_ = std::make_unique<SheetLoader>(options_, ctx.reader, ctx.store, privacy_,
                                          *collector_);
  collector_->set_name_of(
      [this](std::string_view key) { return loader_->DisplayNameOf(key); });
  collector_->set_record_loader([this](std::string_view key) -> const GedcomRecord* {
    GedcomRecord* loaded = nullptr;
    ctx_.reader.LoadRecord(RecordKind::kIndividual, key, false, &loaded);
    if (loaded == nullptr)
      ctx_.reader.LoadRecord(RecordKind::kFamily, key, false, &loaded);
    return loaded;
  });
  formatter_ = std::make_unique<FactFormatter>(
      options_, converter_,
      [this](const std::vector<const GedcomNode*>& citations, bool superscript) {
        return footnotes_->ReferencesFor(citations, superscript);
      },
      [this](std::string_view page_id, std::string_view html_text) {
        return page_writer_.MakeLink(parent_target_,
                                     PageFile(page_id, text::PageLetter::kNone, false),
                                     {}, {}, html_text);
      });
  formatter_->set_fixed_font(fixed_);
}

FamilySheetWriter::~FamilySheetWriter() = default;

void FamilySheetWriter::set_bibliography(Bibliography* bibliography) {
  bibliography_ = bibliography;
  if (bibliography == nullptr) {
    bibliography_numbers_.reset();
    footnotes_->set_bibliography(nullptr);
    return;
  }
  bibliography_numbers_ = std::make_unique<RunBibliographyNumbers>(*bibliography);
  footnotes_->set_bibliography(bibliography_numbers_.get());
}

void FamilySheetWriter::set_media(media::MediaRun* media) {
  if (media == nullptr) {
    media_.reset();
    return;
  }
  if (!media_) media_ = std::make_unique<SheetMedia>(ctx_, *media, bibliography_);
}

std::string FamilySheetWriter::PageFile(std::string_view page_id, text::PageLetter letter,
                                        bool with_folder) const {
  return text::PageFileName(names_, page_id, letter, with_folder);
}

bool FamilySheetWriter::WriteFamilyPage(GedcomRecord& entry, const GedcomRecord& family,
                                        bool evaluate) {
  SheetFamily sheet = loader_->LoadFamily(entry, family);
  return WritePage(sheet, evaluate);
}

bool FamilySheetWriter::WriteLonerPage(GedcomRecord& entry,
                                       const GedcomRecord& individual, bool evaluate) {
  SheetFamily sheet = loader_->LoadLoner(entry, individual);
  return WritePage(sheet, evaluate);
}

void FamilySheetWriter::FinishEvaluation() {
  if (bibliography_ != nullptr) bibliography_->FinishCitations();
}

std::string FamilySheetWriter::Title(const SheetFamily& family) const {
  std::string names;
  const std::string husband = family.husband
                                  ? text::EscapeHtml(family.husband->facts.display_name)
                                  : std::string();
  const std::string wife =
      family.wife ? text::EscapeHtml(family.wife->facts.display_name) : std::string();
  names = husband;
  if (!husband.empty() && !wife.empty()) names += " &amp; ";
  names += wife;
  return names;
}

void FamilySheetWriter::SetLabelWidth(const SheetFamily& family) {
  size_t longest = 0;
  for (const std::string* label :
       {&options_.m_strLblHusband, &options_.m_strLblWife, &options_.m_strLblBorn,
        &options_.m_strLblDied, &options_.m_strLblMarried, &options_.m_strLblFather,
        &options_.m_strLblMother, &options_.m_strLblSpouses, &options_.m_strLblName}) {
    longest = std::max(longest, label->size());
  }
  auto consider = [&](const SheetPerson* person) {
    if (person != nullptr) longest = std::max(longest, LongestLabel(person->facts));
  };
  consider(family.husband.get());
  consider(family.wife.get());
  for (const auto& child : family.children) consider(child.get());
  for (const Fact& fact : family.facts.married)
    longest = std::max(longest, fact.label.size());
  formatter_->SetLabelWidthFromLongest(longest);
}

void FamilySheetWriter::WritePagesInBackground() {
  if (!write_queue_)
    write_queue_ = std::make_unique<PageWriteQueue>(ctx_.env, ctx_.statistics);
}

void FamilySheetWriter::FinishPages() {
  if (write_queue_) write_queue_->Finish();
}

void FamilySheetWriter::WriteSheetFile(const std::string& path, std::string page,
                                       std::string_view ref) {
  if (write_queue_) {
    write_queue_->Submit(path, std::move(page), FileGroup::kFamily, ref);
  } else {
    WritePageFile(ctx_.env, ctx_.statistics, path, page, FileGroup::kFamily, ref);
  }
}

bool FamilySheetWriter::WritePage(SheetFamily& family, bool evaluate) {
  if (!family.husband && !family.wife && family.children.empty()) return false;
  current_page_id_ = family.page_id;
  const std::string& id = family.page_id;
  const std::string plain_name = PageFile(id, text::PageLetter::kNone, false);
  const std::string sheet_name = PageFile(id, text::PageLetter::kGroupSheet, false);
  const std::string notes_name = PageFile(id, text::PageLetter::kFootnotes, false);
  SetLabelWidth(family);
  const std::string names = Title(family);
  page_media_ = nullptr;
  if (!evaluate && media_) {
    media_->Prepare(family, plain_name, names);
    page_media_ = media_.get();
  }

  // Whether frames are used depends on the number of footnotes, which is
  // known only once the group sheet is built; build it for frames when they
  // are possible, and again without when no footnote turned up.
  const bool frames_possible = !ctx_.flags.strictConformance && options_.m_bCitations &&
                               options_.m_bCitationsInFrame;
  footnotes_->Clear();
  parent_target_ = frames_possible;
  if (frames_possible) footnotes_->set_link_base(notes_name);
  std::string sheet = WriteGroupSheet(family, frames_possible ? sheet_name : plain_name);
  bool framed = frames_possible && !footnotes_->empty();
  if (frames_possible && !framed) {
    footnotes_->Clear();
    parent_target_ = false;
    sheet = WriteGroupSheet(family, plain_name);
  }
  if (evaluate) {
    if (bibliography_ != nullptr) footnotes_->RecordCitations(bibliography_);
    footnotes_->Clear();
    return true;
  }
  if (page_media_ != nullptr) {
    footnotes_->set_gallery_link(page_media_->CitationGallery(*footnotes_, framed));
  }

  std::string title;
  if (options_.m_bTitleAndNames) {
    title = options_.m_strTitleFamily + names;
  } else if (options_.m_bTitleNames) {
    title = names;
  } else {
    title = options_.m_strTitleFamily;
  }
  std::string keywords;
  if (options_.m_bKeywordSurnames) {
    // The surname of someone left out of the site would name him: the
    // title shows only ">>>", and so must the keywords.
    auto surname_of = [](const std::unique_ptr<SheetPerson>& person) {
      return person && !person->facts.excluded ? person->surname : std::string();
    };
    const std::string husband = surname_of(family.husband);
    const std::string wife = surname_of(family.wife);
    keywords = text::EscapeHtml(husband);
    if (!husband.empty() && !wife.empty()) keywords += ",";
    keywords += text::EscapeHtml(wife);
  }
  const bool with_bibliography = options_.m_bBiblioPages;
  page_writer_.SetTitle(kPageFamily, names, 0, 0);

  std::string page;
  const std::string first_file = framed ? sheet_name : plain_name;
  page_writer_.SetFileName(first_file);
  page_writer_.BeginPage(&page, kPageFamily, page_writer_.BuildHead(title, keywords));
  const std::string bar = page_writer_.FamilyBar(parent_target_, with_bibliography);
  page_writer_.WriteTopLinks(&page, bar, options_.m_bPageDividers);
  PageWriter::WritePage(&page, sheet);
  if (!framed) footnotes_->WriteFootnotes(&page, parent_target_);
  page_writer_.WriteBottomLinks(&page, {}, {}, bar, options_.m_bPageDividers);
  page_writer_.EndPage(&page, kPageFamily, false);

  // Warnings link to the page by its identifier ("oI11" for a person
  // outside families, the chosen reference for a family).
  const std::string ref = family.page_id;
  WriteSheetFile(
      PageFile(id, framed ? text::PageLetter::kGroupSheet : text::PageLetter::kNone,
               true),
      std::move(page), ref);
  if (framed) {
    std::string frameset = page_writer_.BuildHead(title, keywords, {.frameset = true});
    const std::string no_frames =
        "<noframes>" + options_.m_strNoFramesMessage + "<p><a href=\"" + sheet_name +
        "\">" + options_.m_strNoFramesSheetLink + "</a><br><a href=\"" + notes_name +
        "\">" + options_.m_strNoFramesNotesLink + "</a></noframes>";
    frameset += "<frameset rows=\"85%,*\"><frame name=\"gp\" src=\"" + sheet_name +
                "\"><frame name=\"fn\" src=\"" + notes_name + "\">" + no_frames +
                "</frameset>";
    frameset += "</html>";
    WriteSheetFile(PageFile(id, text::PageLetter::kNone, true), std::move(frameset), ref);

    std::string notes;
    page_writer_.SetFileName(notes_name);
    page_writer_.BeginPage(&notes, kPageFootnotes,
                           page_writer_.BuildHead(title, keywords));
    footnotes_->WriteFootnotes(&notes, true);
    if (options_.m_bLinksBottom) {
      PageWriter::WritePage(&notes, page_writer_.FootnoteFrameBar(plain_name));
    }
    page_writer_.EndPage(&notes, kPageFootnotes, false);
    WriteSheetFile(PageFile(id, text::PageLetter::kFootnotes, true), std::move(notes),
                   ref);
  }
  if (page_media_ != nullptr) page_media_->WriteGalleries();
  Record(family, plain_name);
  footnotes_->Clear();
  page_media_ = nullptr;
  return true;
}

void FamilySheetWriter::Record(const SheetFamily& family, const std::string& page_name) {
  // Marks the name index reads for its icons.
  int32_t marks = 0;
  if (options_.m_bNarrative && !family.attributes.m_strLink.empty())
    marks |= kMarkNarrative;
  if (options_.m_bImportText && !family.attributes.m_strText.empty()) {
    marks |= kMarkImportedText;
  }
  std::vector<const SheetPerson*> people;
  if (family.husband) people.push_back(family.husband.get());
  if (family.wife) people.push_back(family.wife.get());
  for (const auto& child : family.children) people.push_back(child.get());
  if (page_media_ != nullptr && page_media_->family().gallery) marks |= kMarkGalleryLink;
  for (const SheetPerson* person : people) {
    if (person->entry == nullptr) continue;
    person->entry->markValue |= marks;
    if (page_media_ != nullptr && page_media_->Of(*person).gallery) {
      person->entry->markValue |= kMarkGalleryUsed;
    }
    if (ShowsPortrait(*person)) person->entry->markValue |= kMarkPortraitUsed;
  }
  if (log_entries_ == nullptr) return;
  for (const SheetPerson* person : people) {
    RunLogEntries& entries = *log_entries_;
    IndividualLogEntry& log = entries.Individual(person->key);
    if (log.name_first.empty() && log.name_second.empty()) {
      log.name_first = entries.Keep(person->given);
      log.name_second = entries.Keep(person->surname);
    }
    if (person->facts.excluded) log.excluded = true;
    if (!person->facts.excluded) {
      if (options_.m_bRelationship)
        entries.SetDetail(log, &IndividualLogDetails::relationship,
                          person->attributes.m_strText);
      if (options_.m_bBiography)
        entries.SetDetail(log, &IndividualLogDetails::biography_file,
                          person->attributes.m_strLink);
      if (ShowsPortrait(*person)) {
        const media::ShownPortrait& portrait = page_media_->Of(*person).portrait;
        entries.SetDetail(log, &IndividualLogDetails::portrait_file, portrait.path);
        entries.SetDetail(log, &IndividualLogDetails::caption, portrait.caption);
      } else if (HasImage(*person)) {
        entries.SetDetail(log, &IndividualLogDetails::image_file,
                          person->attributes.m_strImage);
        entries.SetDetail(log, &IndividualLogDetails::caption,
                          person->attributes.m_strCaption);
      }
    }
    entries.AddFamilyPage(person->key, page_name);
  }
  if (family.loner) return;
  RunLogEntries& entries = *log_entries_;
  FamilyLogEntry entry;
  entry.ref = entries.Keep(family.key);
  entry.page_file = entries.Keep(page_name);
  if (family.husband) {
    entry.husband = entries.Keep(family.husband->facts.display_name);
    entry.husband_sort =
        entries.Keep(family.husband->surname + ", " + family.husband->given);
  }
  if (family.wife) {
    entry.wife = entries.Keep(family.wife->facts.display_name);
    entry.wife_sort = entries.Keep(family.wife->surname + ", " + family.wife->given);
  }
  if (options_.m_bNarrative)
    entry.narrative_file = entries.Keep(family.attributes.m_strLink);
  if (options_.m_bImportText)
    entry.import_file = entries.Keep(family.attributes.m_strText);
  if (!FamilyPortrait().empty()) {
    entry.portrait_file = entries.Keep(page_media_->family().portrait.path);
    entry.caption = entries.Keep(page_media_->family().portrait.caption);
  } else if (options_.m_bGroupImages) {
    entry.group_image_file = entries.Keep(family.attributes.m_strImage);
    if (!entry.group_image_file.empty())
      entry.caption = entries.Keep(family.attributes.m_strCaption);
  }
  entries.AddFamily(entry);
}

std::string FamilySheetWriter::WriteGroupSheet(SheetFamily& family,
                                               const std::string& /*page_name*/) {
  std::string out;
  const bool group_image =
      (options_.m_bGroupImages && !family.attributes.m_strImage.empty()) ||
      !FamilyPortrait().empty();
  const bool imported = options_.m_bImportText && !family.attributes.m_strText.empty();
  if (group_image && options_.m_nGroupImagePosition == 0) out += GroupImage(family);
  if (imported && options_.m_nImportPosition == 0) out += ImportedText(family);
  std::string gallery_link;
  if (page_media_ != nullptr) {
    gallery_link = page_media_->Link(page_media_->family(), parent_target_);
  }
  if (options_.m_bFamilyGalleryAbove || !options_.m_bFamilyGalleryBelow) {
    out += gallery_link;
  }
  out +=
      "\r\n<table summary=\"" + options_.m_strTableText + "\" class=\"vx-tblgrp\">\r\n";
  WriteSpouseBlock(&out, family, 0);
  WriteSpouseBlock(&out, family, 1);
  WriteChildrenBlock(&out, family);
  out += "</table>\r\n";
  if (options_.m_bFamilyGalleryBelow) out += gallery_link;
  if (group_image && options_.m_nGroupImagePosition == 1) out += GroupImage(family);
  if (imported && options_.m_nImportPosition == 1) out += ImportedText(family);
  out += NarrativeLink(family);
  WriteAdditionalInformation(&out, family);
  return out;
}

}  // namespace vellix::site
