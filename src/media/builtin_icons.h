// The sixteen icon pictures the program carries for media files that are
// not pictures (sound, video, documents). They are drawn when first needed,
// so no image file has to travel with the program.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vellix::media {

/// File names of the built-in icons, as multimedia.ini names them.
inline constexpr std::array<std::string_view, 16> kBuiltinIconNames = {
    "icon-mp3.jpg",   "icon-wav.jpg",   "icon-mid.jpg",  "icon-avi.jpg",
    "icon-mov.jpg",   "icon-mp4.jpg",   "icon-swf.jpg",  "icon-pdf.jpg",
    "icon-txt.jpg",   "icon-doc.jpg",   "icon-odt.jpg",  "icon-rtf.jpg",
    "icon-image.jpg", "icon-media.jpg", "icon-html.jpg", "icon-mht.jpg",
};

/// Width and height of every built-in icon.
inline constexpr int kBuiltinIconWidth = 100;
inline constexpr int kBuiltinIconHeight = 150;

/// True when `name` is one of kBuiltinIconNames (any letter case).
bool IsBuiltinIcon(std::string_view name);

/// The JPEG bytes of the built-in icon `name` (any letter case), drawn
/// afresh; empty when `name` is not built in.
std::string DrawBuiltinIcon(std::string_view name);

}  // namespace vellix::media
