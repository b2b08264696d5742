// Brings the media files of a run's galleries into the site's media folder:
// pictures become a thumbnail and a slide image (and a copy of the original
// when slides link to it), other files get their kind's icon as thumbnail
// and a copy, and portraits are scaled into their own folder.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "media/derived_names.h"
#include "media/derived_record.h"
#include "media/fit.h"
#include "media/media_catalogue.h"
#include "media/media_files.h"
#include "media/media_item.h"
#include "media/media_paths.h"

namespace vellix::media {

/// What a run does with derived files.
enum class MediaMode {
  kUpdate,     // make what is missing, stale, or made for another size
  kRemakeAll,  // make and copy every file again (once per run)
  kSkip,       // make and copy nothing; pages refer to what is there
};

/// The options and folders a deriver works with; the run fills it in.
struct MediaSettings {
  std::string media_folder;  // native path of the site's media folder
  MediaSearchFolders search;
  int32_t thumb_size = 150;
  int32_t slide_size = 600;
  int32_t individual_portrait_width = 75;
  int32_t family_portrait_size = 350;
  bool link_originals = false;    // slides link to a copy of the original picture
  bool lower_case_names = false;  // derived file names in lower case
  MediaMode mode = MediaMode::kUpdate;
  /// Largest picture file read into memory to be scaled.
  uint64_t max_picture_bytes = 256u << 20;
};

/// The warning a problem becomes on the summary page.
enum class MediaWarning {
  kNone,
  kCannotAccess,  // warning 22: the source path (and the owner's reference)
  kNoIcon,        // warning 23: the icon file name and the file's extension
};

/// Why a file could not be brought into the site (for kCannotAccess).
enum class MediaFailure {
  kNone,
  kMissing,      // no file found for the FILE value
  kUnreadable,   // found but cannot be read
  kTooLarge,     // file or pixel count beyond the limits
  kNotAPicture,  // named as a picture, but its bytes are none
  kIncomplete,   // the picture's data is cut off
  kUndecodable,  // the image library could not decode or encode it
  kCannotWrite,  // a derived file could not be written in the media folder
};

/// The outcome of deriving one item; a problem never stops the run.
struct DeriveResult {
  MediaWarning warning = MediaWarning::kNone;
  MediaFailure failure = MediaFailure::kNone;
  std::string subject;    // 22: the source path as referenced; 23: the icon name
  std::string extension;  // 23: the extension of the file without an icon
  int files_written = 0;  // derived files and copies written
  uint64_t bytes_written = 0;
  bool ok() const { return warning == MediaWarning::kNone; }
};

/// Whose portrait a picture becomes.
enum class PortraitKind { kIndividual, kFamily };

/// The outcome of making a portrait.
struct PortraitResult {
  DeriveResult status;
  std::string path;       // "port/..." relative to the media folder
  PixelSize size;         // of the portrait file, when known
  bool animated = false;  // an animated GIF, copied unscaled
};

/// One deriver serves one run; it is not shared between threads. It keeps
/// the record of derived files (DerivedRecord) of the media folder, so that
/// an unchanged file is neither decoded nor written again, and hands out
/// derived names that never collide (DerivedNames). Nothing is ever written
/// outside settings.media_folder.
class MediaDeriver {
 public:
  /// `catalogue` must outlive the deriver.
  MediaDeriver(const MediaCatalogue& catalogue, MediaSettings settings);

  const MediaSettings& settings() const { return settings_; }

  /// Finds the item's file and gives it its derived name and icon, without
  /// writing anything (what pages need in every mode). Done once per item.
  /// A web address gets only its icon: it has no file.
  void Prepare(MediaItem* item);

  /// Prepares the item, then makes its thumbnail and slide image (pictures)
  /// or puts its icon and a copy (other files), as settings.mode asks. Sets
  /// the item's code to kAnimatedGif, and its width, for an animated GIF.
  DeriveResult Derive(MediaItem* item);

  /// Puts `icon` into the thumb folder as Derive does for files that are
  /// not pictures (nothing in MediaMode::kSkip); `extension` is the one
  /// warning 23 names when the icon is not there.
  DeriveResult PlaceIcon(const IconChoice& icon, std::string_view extension);

  /// Makes the portrait of `item` (a picture) for an individual (fitted to
  /// the portrait width) or a family (fitted to the portrait size).
  PortraitResult Portrait(MediaItem* item, PortraitKind kind);

  /// True when the record of derived files names `target` (relative to the
  /// media folder): a file this program made, as opposed to one the user put
  /// there (an icon of their own).
  bool Made(const std::string& target);

  /// Writes the record of derived files when it changed. False when it could
  /// not be written (the next run then makes the files again).
  bool Finish();

 private:
  /// What a derived file must have been made from to be up to date.
  struct Wanted {
    std::string target;  // relative to the media folder
    DerivedEntry entry;  // source fields and max filled in
  };

  void LoadRecord();
  bool UpToDate(const Wanted& wanted);
  bool WriteTarget(const Wanted& wanted, std::string_view data, PixelSize size,
                   bool animated, DeriveResult* result);
  bool CopyTarget(const Wanted& wanted, const std::string& source, DeriveResult* result);
  void FillFromRecord(MediaItem* item);
  void DerivePicture(MediaItem* item, const FileStamp& stamp, DeriveResult* result);
  void DeriveOther(MediaItem* item, const FileStamp& stamp, DeriveResult* result);
  void PutIcon(const IconChoice& icon, std::string_view extension, DeriveResult* result);

  const MediaCatalogue& catalogue_;
  MediaSettings settings_;
  MediaFolderWriter writer_;
  DerivedRecord record_;
  bool record_loaded_ = false;
  DerivedNames item_names_;
  DerivedNames portrait_names_;
  std::unordered_set<std::string> made_this_run_;
};

}  // namespace vellix::media
