// The gallery pages (tables of thumbnails) and slide pages (one item each,
// with its larger image or embedded file) of one gallery, built as text.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/gedcom_node.h"
#include "media/media_gallery.h"

namespace vellix {
class COptions;
namespace site {
class PageWriter;
}
namespace text {
class TextConverter;
}
}  // namespace vellix

namespace vellix::media {

class MediaCatalogue;

/// What gallery and slide pages take from the writers above the media
/// layer: the date format of the family pages and the source citations of
/// the footnotes.
class GalleryServices {
 public:
  virtual ~GalleryServices() = default;
  /// A GEDCOM date as the family pages show it (not escaped).
  virtual std::string DateText(std::string_view date) const = 0;
  /// The list items of the citations `sour_lines` as a slide's source list
  /// shows them: "<li><a name=\"n\"></a>text\r\n" each, numbered from 1.
  virtual std::string CitationItems(
      const std::vector<std::shared_ptr<const GedcomNode>>& sour_lines) = 0;
};

/// Where the site holds an item's files once it was derived; paths are
/// relative to the media folder ("thumb/a.jpg"), empty when the file is
/// not there.
struct PlacedItem {
  /// What the gallery shows: the thumbnail of a picture, a JPEG of the
  /// same base name the user put into the thumb folder, or the icon.
  std::string thumbnail;
  std::string slide;     // a picture's slide image
  std::string original;  // the copy in the orig folder
  std::string icon;      // the icon of the file's kind
  /// %width% and %height% of the template (a Flash movie's frame size).
  std::string width;
  std::string height;
};

/// One page to write into the media folder.
struct GalleryPageText {
  std::string file_name;
  std::string html;
  bool slide = false;
};

/// Builds the pages of galleries. One builder serves a run; the option set,
/// page writer (prepared for media pages), catalogue and converter must
/// outlive it.
class GalleryPageBuilder {
 public:
  GalleryPageBuilder(const COptions& options, site::PageWriter& writer,
                     const MediaCatalogue& catalogue,
                     const text::TextConverter& converter, bool strict);

  /// Every gallery page and slide page of `gallery`; `placed` holds the
  /// files of each item, in item order. Nothing for an empty gallery.
  std::vector<GalleryPageText> Build(const MediaGallery& gallery,
                                     const std::vector<PlacedItem>& placed,
                                     GalleryServices& services);

  /// The title of a page's head for the gallery title `title`: the title
  /// itself, or the alt text of the image it holds.
  static std::string HeadTitle(std::string_view title);

 private:
  std::string ThumbnailCell(const MediaGallery& gallery, size_t index,
                            const PlacedItem& placed) const;
  std::string SlidePage(const MediaGallery& gallery, size_t index,
                        const PlacedItem& placed, GalleryServices& services);
  std::string Presentation(const MediaItem& item, const PlacedItem& placed,
                           const std::string& slide_name) const;
  std::string DownloadLink(const MediaItem& item, const PlacedItem& placed,
                           const std::string& slide_name) const;
  std::string BelowImage(const MediaItem& item, GalleryServices& services) const;
  std::string Strip(std::string_view nav_class, int number, int count,
                    const std::string& prior, const std::string& next) const;
  std::string TargetAttribute(const std::string& target) const;
  std::string Extension() const;

  const COptions& options_;
  site::PageWriter& writer_;
  const MediaCatalogue& catalogue_;
  const text::TextConverter& converter_;
  bool strict_;
};

}  // namespace vellix::media
