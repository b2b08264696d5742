// The gallery of one owner (an individual, a family, the citations of a
// family page, or the bibliography): its kind with the options that belong
// to it, the names of its gallery and slide pages, and the link the owner's
// page shows.
#pragma once

#include <string>
#include <string_view>

#include "media/media_objects.h"

namespace vellix {
class COptions;
}  // namespace vellix

namespace vellix::media {

/// Whose media a gallery shows.
enum class GalleryKind {
  kIndividual = 1,
  kFamily = 2,
  kCitation = 3,  // the source citations of one family page
  kBibliography = 4,
};

/// What a kind takes from the option set (texts are user HTML, used as
/// they stand).
struct GalleryKindOptions {
  std::string_view link_class;   // "vx-aind", "vx-afam", "vx-asrc", "vx-abib"
  std::string_view file_letter;  // "i-", "f-", "s-", "b-"
  const std::string* link_text;
  const std::string* link_label;
  const std::string* link_prompt;
  const std::string* target;
  const std::string* title;
};
GalleryKindOptions KindOptions(const COptions& options, GalleryKind kind);

/// Who a gallery belongs to.
struct GalleryOwner {
  /// The page identifier of the family page the gallery is reached from
  /// (kinds 1 to 3); "bib" for the bibliography.
  std::string page_id;
  /// Kind 1: the individual's reference.
  std::string individual;
  /// The page the media bar links back to: the family page file name (kinds
  /// 1 to 3, in the destination folder); unused for the bibliography.
  std::string owner_page;
  /// The owner's name as the gallery title shows it (HTML); may be empty.
  std::string name_html;
  /// The family or individual warnings about its media link to.
  std::string warning_ref;
};

/// Which page of a gallery a file name is for.
enum class GalleryPage { kThumbnails, kSlide };

/// The file name of page or slide `number` (1-based) of the gallery:
/// "g" or "s", the kind's letter, the owner part (kind 1: page identifier,
/// "-", individual's reference), "-", the number in two digits at least,
/// and the page extension. Example: page 2 of family F12 gives
/// "gf-f12-02.html". The owner part keeps only characters that are safe in
/// a file name and a link (text::FileSafeId).
std::string GalleryFileName(GalleryKind kind, const GalleryOwner& owner, GalleryPage page,
                            int number, std::string_view extension);

/// How the owner's page shows a gallery link.
struct GalleryLinkOptions {
  bool owner_in_frame = false;  // the owner's page is a frame ("_parent")
  bool strict = false;          // strict document type: no target attribute
  bool standalone = false;      // standalone bibliography run: no target
};

/// The link from the owner's page (in the destination folder) to the first
/// gallery page: the kind's link text with every "%link%" (any letter case)
/// replaced by "<p class=\"vx-thmlnk\"><a class=...>label</a></p>\r\n"; a
/// link text without "%link%" is used unchanged.
std::string GalleryLink(const COptions& options, GalleryKind kind,
                        const GalleryOwner& owner, const GalleryLinkOptions& link);

/// The media of one owner, in the order they were met.
struct MediaGallery {
  GalleryKind kind = GalleryKind::kFamily;
  GalleryOwner owner;
  MediaList media;

  bool empty() const { return media.empty(); }
};

/// The path `relative` ("thumb/a b.jpg") as a link address: every byte but
/// ASCII letters, digits, "-", ".", "_", "~" and "/" is percent-escaped, so
/// blanks, quotes, "#", "%", "?" and letters beyond ASCII all survive.
std::string UrlOf(std::string_view relative);

}  // namespace vellix::media
