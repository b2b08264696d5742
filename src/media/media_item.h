// One media file of a gallery, as the GEDCOM file references it and as the
// deriver has placed it in the site.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/media_code.h"

namespace vellix::media {

/// A media file met in a gallery (one per distinct file), with what the
/// gallery and slide pages show of it and where its derived files are.
struct MediaItem {
  // ---- As referenced -------------------------------------------------------
  std::string source_path;            // FILE value, "/" turned into "\"
  std::string file_name;              // after the last "\"
  std::string folder;                 // before the last "\"
  std::string extension;              // after the last "."
  MediaCode code = MediaCode::kNone;  // kAnimatedGif once found animated
  int32_t width = 0;                  // width of an animated GIF, in pixels

  // ---- Shown on gallery and slide pages -------------------------------------
  std::string title;
  std::string date;
  std::vector<std::string> notes;
  std::vector<std::string> reference_numbers;

  // ---- Placed by the deriver (MediaDeriver::Prepare) ------------------------
  bool prepared = false;
  std::string resolved_path;  // native path of the file found; "" when missing
  /// The item's name below the thumb, slide and orig folders ("sub/a.jpg"):
  /// the source's folder below the media source folder, then its file name,
  /// with a suffix when another source already holds that name.
  std::string derived_name;
  /// For files that are not pictures: the icon file name in the thumb folder.
  std::string icon;

  /// Paths relative to the media folder, "/"-separated.
  std::string ThumbPath() const { return "thumb/" + derived_name; }
  std::string SlidePath() const { return "slide/" + derived_name; }
  std::string OrigPath() const { return "orig/" + derived_name; }
  std::string IconPath() const { return "thumb/" + icon; }
};

/// An item for the FILE value `file_value`: source path, file name, folder,
/// extension and code filled in.
MediaItem MakeMediaItem(std::string_view file_value);

}  // namespace vellix::media
