// The multimedia of one generation run: the media catalogue, the deriver of
// thumbnails, slide images, copies and portraits, the gallery and slide
// pages, the warnings about media files and the run's media statistics.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "media/gallery_pages.h"
#include "media/media_catalogue.h"
#include "media/media_deriver.h"
#include "media/media_gallery.h"
#include "media/media_objects.h"
#include "site/frame/page_writer.h"
#include "text/text_converter.h"

namespace vellix {
struct RunContext;
}  // namespace vellix

namespace vellix::media {

/// A portrait as the group sheet shows it.
struct ShownPortrait {
  std::string html;     // the image element and caption; "" when none
  std::string path;     // relative to the media folder ("port/a.jpg")
  std::string caption;  // the item's title (plain text)
  std::string source;   // SameFileKey of the item it was made from
  bool shown() const { return !html.empty(); }
};

/// Made once per run when multimedia galleries are on ("Enable multimedia
/// galleries"); the page writers of the family pages and of the
/// bibliography hand it their galleries and ask it for portraits. The run
/// context must outlive it. What is derived follows the run's mode: mode 1
/// (copy multimedia) makes every file again, mode 2 (skip multimedia)
/// makes none and the pages refer to what is already there.
///
/// Which OBJE structures feed each gallery is the callers' choice (see the
/// family page writer); this class derives, writes and reports. Problems
/// with a media file become warning 22 (the file cannot be read, decoded,
/// copied or found; once per owner and file) or 23 (an icon that is not
/// there) and never stop the run: the item stays in its gallery, shown by
/// its icon when its own pictures could not be made.
class MediaRun {
 public:
  explicit MediaRun(RunContext& ctx);
  ~MediaRun();
  MediaRun(const MediaRun&) = delete;
  MediaRun& operator=(const MediaRun&) = delete;

  /// True when the option set wants galleries (and so portraits) at all.
  static bool Enabled(const COptions& options);

  /// The media mode of a run: copy multimedia remakes, skip multimedia
  /// makes nothing, every other run brings what changed up to date.
  static MediaMode ModeOf(const RunContext& ctx);

  const MediaObjectReader& objects() const { return objects_; }
  const MediaCatalogue& catalogue() const { return catalogue_; }
  const text::TextConverter& converter() const { return converter_; }
  /// The way from the media folder back to the destination folder ("../").
  const std::string& relative_prefix() const { return writer_.relative_prefix(); }

  /// Derives the items of `gallery` (raising their warnings against the
  /// owner's warning reference) and writes its gallery and slide pages into
  /// the media folder. Nothing for an empty gallery.
  void WriteGallery(MediaGallery& gallery, GalleryServices& services);

  /// The portrait of `item` for an individual or a family, made (or found
  /// up to date) in the media folder's port folder. Not shown when the
  /// picture could not be made (warning 22 names the file and `ref`).
  ShownPortrait Portrait(const MediaItem& item, PortraitKind kind, std::string_view ref,
                         const GalleryServices& services);

  /// Saves the record of derived files and puts the run's media figures
  /// into the statistics: the files made or copied this run, and every
  /// file of the media folders the site uses.
  void Finish();

 private:
  PlacedItem Place(MediaItem* item, std::string_view ref);
  void Report(const DeriveResult& result, std::string_view ref);
  /// True when the media folder holds `relative`; remembers it as used.
  bool Holds(const std::string& relative);
  std::string IconOrFallback(const std::string& icon, std::string_view extension,
                             std::string_view ref);

  RunContext& ctx_;
  MediaCatalogue catalogue_;
  text::TextConverter converter_;
  MediaObjectReader objects_;
  std::unique_ptr<MediaDeriver> deriver_;
  site::PageWriter writer_;
  std::unique_ptr<GalleryPageBuilder> builder_;
  std::string media_folder_;    // native, with a trailing slash
  std::string stored_folder_;   // stored form, with a trailing backslash
  std::set<std::string> used_;  // relative paths of the files the site uses
  uint64_t processed_files_ = 0;
  uint64_t processed_bytes_ = 0;
  bool finished_ = false;
  bool folder_made_ = false;
};

}  // namespace vellix::media
