#include "media/media_run.h"

#include "media/flash_size.h"
#include "media/media_files.h"
#include "media/portrait.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "options/options_bridge.h"
#include "platform/file_system.h"
#include "run/warning_log.h"
#include "site/frame/page_file.h"
#include "text/paths.h"

namespace vellix::media {
namespace {

constexpr std::string_view kFallbackIcon = "icon-media.jpg";
constexpr std::string_view kPictureIcon = "icon-image.jpg";

MediaSettings SettingsOf(const RunContext& ctx, const std::string& media_folder) {
  const COptions& o = ctx.options;
  MediaSettings settings;
  settings.media_folder = media_folder;
  settings.search =
      SearchFoldersFor(o.m_strMediaSourceFolder, platform::NativePath(o.m_strGedcomFile));
  settings.thumb_size = o.m_nThumbSize;
  settings.slide_size = o.m_nSlideSize;
  settings.individual_portrait_width = o.m_nIndivPortraitWidth;
  settings.family_portrait_size = o.m_nFamilyPortraitSize;
  // A download link offers the original, so it must be there too.
  settings.link_originals = o.m_bSlideLinkOriginal || o.m_bSlideDownload;
  settings.lower_case_names = o.m_bLowerCaseNames;
  settings.mode = MediaRun::ModeOf(ctx);
  return settings;
}

/// `name` with its extension replaced by ".jpg".
std::string WithJpegExtension(const std::string& name) {
  const size_t slash = name.rfind('/');
  const size_t dot = name.rfind('.');
  const bool has_dot =
      dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (has_dot ? name.substr(0, dot) : name) + ".jpg";
}

}  // namespace

bool MediaRun::Enabled(const COptions& options) { return options.m_bGalleries; }

MediaMode MediaRun::ModeOf(const RunContext& ctx) {
  if (ctx.flags.skipMultimedia) return MediaMode::kSkip;
  if (ctx.flags.copyMultimedia) return MediaMode::kRemakeAll;
  return MediaMode::kUpdate;
}

MediaRun::MediaRun(RunContext& ctx)
    : ctx_(ctx),
      converter_(TextSettingsFromOptions(ctx.options, ctx.flags.strictConformance)),
      objects_(&ctx.reader),
      writer_(ctx) {
  const COptions& o = ctx.options;
  catalogue_.Load(ctx.env.app_folder());
  converter_.SetDialect(&ctx.dialects.current().markers);
  std::string dest = o.m_strDestFolder;
  text::AddBackslash(&dest, false);
  stored_folder_ = text::CombinePath(dest, o.m_strMediaDestFolder);
  media_folder_ = platform::NativePath(stored_folder_);
  if (!media_folder_.empty() && media_folder_.back() != '/') media_folder_ += '/';
  deriver_ = std::make_unique<MediaDeriver>(catalogue_, SettingsOf(ctx, media_folder_));
  writer_.Prepare(true);
  builder_ = std::make_unique<GalleryPageBuilder>(o, writer_, catalogue_, converter_,
                                                  ctx.flags.strictConformance);
}

MediaRun::~MediaRun() = default;

void MediaRun::Report(const DeriveResult& result, std::string_view ref) {
  processed_files_ += static_cast<uint64_t>(result.files_written);
  processed_bytes_ += result.bytes_written;
  switch (result.warning) {
    case MediaWarning::kNone:
      break;
    case MediaWarning::kCannotAccess:
      ctx_.warnings().Add(WarningCode::kMediaInaccessible, result.subject, ref);
      break;
    case MediaWarning::kNoIcon:
      ctx_.warnings().Add(WarningCode::kNoSuchIcon, result.subject, {}, {},
                          result.extension);
      break;
  }
}

bool MediaRun::Holds(const std::string& relative) {
  if (relative.empty() || !IsSafeRelativePath(relative)) return false;
  if (used_.count(relative)) return true;
  if (!IsFile(media_folder_ + relative)) return false;
  used_.insert(relative);
  return true;
}

std::string MediaRun::IconOrFallback(const std::string& icon, std::string_view extension,
                                     std::string_view ref) {
  if (!icon.empty() && Holds("thumb/" + icon)) return "thumb/" + icon;
  // The kind's own icon is missing (warning 23 said so): the built-in
  // icon for any file stands in.
  const std::string fallback = "thumb/" + std::string(kFallbackIcon);
  if (!Holds(fallback)) {
    Report(deriver_->PlaceIcon({std::string(kFallbackIcon), true}, extension), ref);
  }
  return Holds(fallback) ? fallback : std::string();
}

PlacedItem MediaRun::Place(MediaItem* item, std::string_view ref) {
  PlacedItem placed;
  if (item->web_address) {
    placed.icon = IconOrFallback(item->icon, item->extension, ref);
    placed.thumbnail = placed.icon;
    return placed;
  }
  if (Holds(item->OrigPath())) placed.original = item->OrigPath();
  if (IsPicture(item->code)) {
    if (Holds(item->ThumbPath())) placed.thumbnail = item->ThumbPath();
    if (Holds(item->SlidePath())) placed.slide = item->SlidePath();
    if (placed.thumbnail.empty() || placed.slide.empty()) {
      // The picture could not be made: its kind's icon shows instead.
      if (!Holds("thumb/" + std::string(kPictureIcon))) {
        Report(deriver_->PlaceIcon({std::string(kPictureIcon), true}, item->extension),
               ref);
      }
      placed.icon = IconOrFallback(std::string(kPictureIcon), item->extension, ref);
    }
  } else {
    const std::string own = "thumb/" + WithJpegExtension(item->derived_name);
    if (Holds(own)) placed.thumbnail = own;
    placed.icon = IconOrFallback(item->icon, item->extension, ref);
    if (item->code == MediaCode::kSwf && !item->resolved_path.empty()) {
      int32_t width = 0;
      int32_t height = 0;
      if (ReadFlashSize(item->resolved_path, &width, &height)) {
        placed.width = std::to_string(width);
        placed.height = std::to_string(height);
      }
    }
  }
  if (placed.thumbnail.empty()) placed.thumbnail = placed.icon;
  return placed;
}

void MediaRun::WriteGallery(MediaGallery& gallery, GalleryServices& services) {
  if (gallery.empty()) return;
  const std::string& ref = gallery.owner.warning_ref;
  std::vector<PlacedItem> placed;
  placed.reserve(gallery.media.size());
  for (MediaItem& item : gallery.media.items()) {
    if (ctx_.progress.IsCancelled()) return;
    Report(deriver_->Derive(&item), ref);
    placed.push_back(Place(&item, ref));
  }
  // Pages are written even when nothing was derived (skip multimedia).
  if (!folder_made_) folder_made_ = platform::CreateFolders(media_folder_);
  for (const GalleryPageText& page : builder_->Build(gallery, placed, services)) {
    site::WritePageFile(ctx_.env, ctx_.statistics, stored_folder_ + page.file_name,
                        page.html, page.slide ? FileGroup::kSlide : FileGroup::kGallery,
                        ref);
  }
}

ShownPortrait MediaRun::Portrait(const MediaItem& item, PortraitKind kind,
                                 std::string_view ref, const GalleryServices& services) {
  ShownPortrait shown;
  MediaItem copy = item;
  const PortraitResult portrait = deriver_->Portrait(&copy, kind);
  Report(portrait.status, ref);
  if (!portrait.status.ok() || !Holds(portrait.path)) return shown;
  shown.path = portrait.path;
  shown.caption = item.title;
  shown.source = SameFileKey(item);
  shown.html =
      PortraitHtml(ctx_.options, kind, copy, portrait, converter_,
                   item.date.empty() ? std::string() : services.DateText(item.date));
  return shown;
}

void MediaRun::Finish() {
  if (finished_) return;
  finished_ = true;
  deriver_->Finish();
  RunStatistics& s = ctx_.statistics;
  uint64_t total_bytes = 0;
  for (const std::string& relative : used_) {
    total_bytes += StatFile(media_folder_ + relative).size;
    // The derived files the pages use join the site's list of written
    // files, so that a later run that no longer shows them (a person now
    // excluded, a picture taken out of the tree) removes them with the
    // pages; the user's own files in the media folder are never listed.
    if (deriver_->Made(relative)) s.RecordSiteFile(media_folder_ + relative);
  }
  const std::string record = media_folder_ + std::string(DerivedRecord::kFileName);
  if (IsFile(record)) s.RecordSiteFile(record);
  s.mediaProcessed = static_cast<uint32_t>(processed_files_);
  s.mediaProcessedBytes = static_cast<uint32_t>(processed_bytes_);
  s.mediaTotal = static_cast<uint32_t>(used_.size());
  s.mediaTotalBytes = static_cast<uint32_t>(total_bytes);
}

}  // namespace vellix::media
