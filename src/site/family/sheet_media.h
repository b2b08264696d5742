// The multimedia of one family page: the galleries of the family, of each
// person on the sheet and of the page's source citations, their links, and
// the portraits of the family and its members.
//
// Which OBJE structures feed a gallery, in this order:
// - an individual's gallery: the OBJE lines of the INDI record (scrapbook
//   media: only those marked by the dialect's scrapbook tag, unless the
//   option to ignore that mark is on), then the media of the individual's
//   facts as the page shows them (Born list, Died list, other facts within
//   the sheet, then facts at the end of the page); the two parts follow
//   "Enable multimedia galleries for individual scrapbooks" and the
//   individual facts switch;
// - a family's gallery: likewise from the FAM record, then the media of
//   its marriage facts and of its facts at the end of the page;
// - the citations' gallery of a page: the OBJE lines below the page's
//   source citations, in footnote order;
// - the bibliography's gallery: the OBJE lines of every source record, in
//   bibliography order (written by the bibliography pages).
// "Omit duplicate media within each gallery" lists a file met again in the
// same gallery only once. Someone whose facts the privacy filter hides has
// no gallery and no portrait; nor has a family with a hidden spouse.
//
// A portrait is the first picture marked primary among all of the owner's
// own media (scrapbook mark or not, then the media of its facts), else the
// first picture among them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "media/media_gallery.h"
#include "media/media_run.h"
#include "site/family/sheet_members.h"
#include "site/family/slide_services.h"

namespace vellix {
struct RunContext;
}  // namespace vellix

namespace vellix::site {

class Bibliography;
class FootnoteList;

/// What the group sheet shows of one owner's media.
struct OwnerMedia {
  std::optional<media::MediaGallery> gallery;  // none, or one with items
  media::ShownPortrait portrait;
  /// Portraits are on for the owner's kind and its custom image (if any)
  /// does not take precedence: the portrait is shown when it could be made.
  bool portrait_wanted = false;
};

/// The media of the family page being written. The family page writer
/// keeps one for the run: Prepare before the group sheet is built, the
/// links and portraits while it is, CitationGallery once the footnotes are
/// known, WriteGalleries after the page was written.
class SheetMedia {
 public:
  /// `media` and `ctx` must outlive this object; `bibliography` may be null.
  SheetMedia(RunContext& ctx, media::MediaRun& media, const Bibliography* bibliography);
  ~SheetMedia();

  /// Collects the galleries and makes the portraits of `family`, whose
  /// page file (without folder) is `page_file` and title names
  /// `names_html`. A portrait is made only where it will be shown: its kind
  /// is enabled and the owner has no custom image, or portraits are
  /// preferred over custom images.
  void Prepare(const SheetFamily& family, const std::string& page_file,
               const std::string& names_html);

  /// The family's media (its gallery and portrait).
  const OwnerMedia& family() const { return family_; }
  /// The media of a person of the sheet (nothing known: an empty one).
  const OwnerMedia& Of(const SheetPerson& person) const;

  /// The link to an owner's gallery ("" without one); `in_frame` when the
  /// owner's page is shown in a frame.
  std::string Link(const OwnerMedia& owner, bool in_frame) const;

  /// Collects the gallery of the citations in `notes` and returns its link
  /// ("" without one); `in_frame` when the footnotes are a frame.
  std::string CitationGallery(const FootnoteList& notes, bool in_frame);

  /// Writes the gallery and slide pages of every gallery of the page.
  void WriteGalleries();

 private:
  OwnerMedia Collect(media::GalleryKind kind, const media::GalleryOwner& owner,
                     const std::vector<std::shared_ptr<const GedcomNode>>& objects,
                     const std::vector<const std::vector<Fact>*>& facts,
                     bool scrapbook_on, bool facts_on) const;
  void MakePortrait(OwnerMedia* owner, const media::MediaList& candidates,
                    media::PortraitKind kind, const std::string& ref);
  void SuppressSinglePortraitGallery(OwnerMedia* owner, bool portraits_on) const;
  media::MediaList Candidates(
      const std::vector<std::shared_ptr<const GedcomNode>>& objects,
      const std::vector<const std::vector<Fact>*>& facts) const;

  RunContext& ctx_;
  media::MediaRun& media_;
  SlideServices services_;
  OwnerMedia family_;
  std::vector<std::pair<const SheetPerson*, OwnerMedia>> people_;
  std::optional<media::MediaGallery> citations_;
  media::GalleryOwner page_owner_;
  OwnerMedia none_;
};

}  // namespace vellix::site
