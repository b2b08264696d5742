// The family group sheet pages: one page per selected family and one per
// individual who belongs to no family, with their footnotes.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/privacy.h"
#include "site/family/fact_collect.h"
#include "site/family/fact_line.h"
#include "site/family/footnotes.h"
#include "site/family/sheet_members.h"
#include "site/frame/page_write_queue.h"
#include "site/frame/page_writer.h"
#include "text/paths.h"
#include "text/text_converter.h"

namespace vellix {
class GedcomRecord;
namespace media {
class MediaRun;
}
class RunLogEntries;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

class SheetMedia;

/// Marks the page writer leaves in markValue of each spouse's and child's
/// index entry; the name index shows icons for them.
inline constexpr int32_t kMarkPortraitUsed = 4;
inline constexpr int32_t kMarkNarrative = 8;
inline constexpr int32_t kMarkImportedText = 16;
inline constexpr int32_t kMarkImage = 32;
inline constexpr int32_t kMarkGalleryLink = 64;
inline constexpr int32_t kMarkGalleryUsed = 128;

/// Writes the family group sheet pages of one run. The engine makes one
/// writer per run and calls WriteFamilyPage for each selected family (in key
/// order) and WriteLonerPage for each included individual outside a family;
/// with a dialect of code 1 it first calls both with `evaluate` set for
/// every page (nothing is written; the citations are recorded in the
/// bibliography's per-citation numbering), then FinishEvaluation.
///
/// The run context, bibliography and log entries must outlive the writer's
/// use in the run. Pages are assembled in one string and written through
/// WritePageFile (counted under FileGroup::kFamily).
class FamilySheetWriter {
 public:
  explicit FamilySheetWriter(RunContext& ctx);
  ~FamilySheetWriter();
  FamilySheetWriter(const FamilySheetWriter&) = delete;
  FamilySheetWriter& operator=(const FamilySheetWriter&) = delete;

  /// The run's bibliography (footnote links and per-citation numbers); may
  /// be null.
  void set_bibliography(Bibliography* bibliography);
  /// The run's multimedia (galleries and portraits); null when galleries
  /// are off. Set after the bibliography (slide pages link into it).
  void set_media(media::MediaRun* media);
  /// The run's log entries (families and individuals that got pages); may
  /// be null.
  void set_log_entries(RunLogEntries* entries) { log_entries_ = entries; }

  /// The page of the family `entry` (its index entry; `family` the loaded
  /// record). True when the family had data to write.
  bool WriteFamilyPage(GedcomRecord& entry, const GedcomRecord& family, bool evaluate);
  /// The page of an individual who belongs to no family.
  bool WriteLonerPage(GedcomRecord& entry, const GedcomRecord& individual, bool evaluate);
  /// After the evaluate pass: numbers the citations the bibliography
  /// collected.
  void FinishEvaluation();
  /// From now on pages are written on a thread of their own while the
  /// next ones are built (a run's writer does this; without it each page
  /// is on the disk when WriteFamilyPage returns).
  void WritePagesInBackground();
  /// After the last page: waits until every page is on the disk and
  /// counted.
  void FinishPages();

  /// The stored path of the page file of `page_id` (`letter` for the files
  /// of a framed page); a loner's page identifier is "o" + key, as the
  /// selection made it.
  std::string PageFile(std::string_view page_id, text::PageLetter letter,
                       bool with_folder) const;

  // Producers of HTML pieces (exposed for tests).
  std::string GroupImage(const SheetFamily& family) const;
  std::string ImportedText(const SheetFamily& family) const;
  std::string NarrativeLink(const SheetFamily& family) const;
  std::string BiographyLink(const SheetPerson& person) const;
  std::string IndividualImage(const SheetPerson& person) const;
  std::string RelationshipText(const SheetPerson& person) const;
  std::string ImageColumn(int part) const;
  std::string OpenLabelTable(std::string_view class_name) const;
  std::string CloseLabelTable() const;

  const FootnoteList& footnotes() const { return *footnotes_; }
  const PageWriter& page_writer() const { return page_writer_; }

 private:
  bool WritePage(SheetFamily& family, bool evaluate);
  std::string WriteGroupSheet(SheetFamily& family, const std::string& page_name);
  void WriteSpouseBlock(std::string* out, SheetFamily& family, int slot);
  void WriteChildrenBlock(std::string* out, SheetFamily& family);
  void WriteAdditionalInformation(std::string* out, SheetFamily& family);
  /// The image column, label table, lines and notes of a person's details.
  void WritePersonDetails(std::string* out, SheetPerson& person,
                          const FamilyFacts* marriage, bool with_marriage_line);
  bool HasImage(const SheetPerson& person) const;
  /// True when the person's portrait takes the place of the image.
  bool ShowsPortrait(const SheetPerson& person) const;
  /// The family's portrait (in place of the group image) or "".
  std::string FamilyPortrait() const;
  std::string Title(const SheetFamily& family) const;
  /// Writes (or hands to the background writer) one file of a page.
  void WriteSheetFile(const std::string& path, std::string page, std::string_view ref);
  void Record(const SheetFamily& family, const std::string& page_name);
  void SetLabelWidth(const SheetFamily& family);
  /// The stored path of a custom file, `folder` + "\" + `name`, as a link
  /// and the native path it is tested at.
  std::string CustomFilePath(std::string_view folder, std::string_view name) const;
  bool CustomFileExists(std::string_view folder, std::string_view name) const;
  /// A path under the destination folder (or an absolute one) as a full
  /// stored path, for testing that a user's file exists.
  std::string InDestination(std::string_view path) const;
  /// CustomFilePath of a linked page (biography, narrative), lower-cased
  /// when destination file names are.
  std::string LinkedFilePath(std::string_view folder, std::string_view name) const;
  std::string SizeAttributes(std::string_view folder, std::string_view name) const;

  RunContext& ctx_;
  const COptions& options_;
  PrivacyFilter privacy_;
  text::TextConverter converter_;
  text::PageNameSettings names_;
  PageWriter page_writer_;
  std::unique_ptr<FootnoteList> footnotes_;
  std::unique_ptr<RunBibliographyNumbers> bibliography_numbers_;
  Bibliography* bibliography_ = nullptr;
  RunLogEntries* log_entries_ = nullptr;
  std::unique_ptr<FactCollector> collector_;
  std::unique_ptr<SheetLoader> loader_;
  std::unique_ptr<FactFormatter> formatter_;
  std::unique_ptr<SheetMedia> media_;
  std::unique_ptr<PageWriteQueue> write_queue_;  // null: pages written at once
  SheetMedia* page_media_ = nullptr;  // media_ while a page (not an evaluation) is built
  bool fixed_ = false;                // fixed-font mode
  bool parent_target_ = false;        // the page sits in a frameset
  bool evaluating_ = false;
  std::string current_page_id_;
  // Set by the block writers for WritePersonDetails: the name line put at
  // the top of the label table (children) and whether the Father and Mother
  // lines are shown (spouses).
  std::string pending_name_line_;
  bool pending_parents_ = true;  // warnings link to the page being written
};

}  // namespace vellix::site
