// The portrait a family group sheet shows for an individual or a family:
// which of the owner's pictures it is, and its image element with caption.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "media/media_deriver.h"
#include "media/media_item.h"

namespace vellix {
class COptions;
namespace text {
class TextConverter;
}
}  // namespace vellix

namespace vellix::media {

/// The index of the picture among `items` that becomes the owner's
/// portrait: the first picture marked primary, else the first picture; -1
/// when there is none (web addresses are never pictures).
int PortraitIndex(const std::vector<MediaItem>& items);

/// The portrait's HTML on the group sheet (`date_text` is the item's date
/// as the family pages show it, not escaped):
/// "<img[ width=\"max\"] class=\"vx-indimg|vx-grpimg\" src=\"...\" alt=...
/// title=...>\r\n" and, when the kind shows captions or dates and the item
/// has them, "<br><span class=\"vx-cap\">title[<br>date]</span>\r\n". The
/// source is the media folder option followed by the portrait's path.
std::string PortraitHtml(const COptions& options, PortraitKind kind,
                         const MediaItem& item, const PortraitResult& portrait,
                         const text::TextConverter& converter,
                         std::string_view date_text);

}  // namespace vellix::media
