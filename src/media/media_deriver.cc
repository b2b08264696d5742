#include "media/media_deriver.h"

#include <optional>

#include "media/builtin_icons.h"
#include "media/image_header.h"
#include "media/media_catalogue.h"
#include "media/picture.h"
#include "text/string_ops.h"

namespace vellix::media {
namespace {

// The uses a source is derived for; part of the record's source key, so a
// derived file made for one use is never taken for another.
constexpr std::string_view kItemUse = "item";
constexpr std::string_view kIndividualUse = "portrait-individual";
constexpr std::string_view kFamilyUse = "portrait-family";
// Changing how built-in icons are drawn changes this, so sites get the new
// pictures.
constexpr std::string_view kIconUse = "builtin-icon-1";

/// The first problem of an item is the one reported.
void Fail(DeriveResult* result, MediaFailure failure, const MediaItem& item) {
  if (result->warning != MediaWarning::kNone) return;
  result->warning = MediaWarning::kCannotAccess;
  result->failure = failure;
  result->subject = item.source_path;
}

MediaFailure FailureOf(ReadFailure failure) {
  return failure == ReadFailure::kTooLarge ? MediaFailure::kTooLarge
                                           : MediaFailure::kUnreadable;
}

std::string LastPart(std::string_view path) {
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

DerivedEntry SourceEntry(std::string_view path, std::string_view use,
                         const FileStamp& stamp, int32_t max) {
  DerivedEntry entry;
  entry.source_key = SourceKey(path, use);
  entry.source_size = stamp.size;
  entry.source_modified = stamp.modified;
  entry.max = max;
  return entry;
}

}  // namespace

MediaDeriver::MediaDeriver(const MediaCatalogue& catalogue, MediaSettings settings)
    : catalogue_(catalogue),
      settings_(std::move(settings)),
      writer_(settings_.media_folder) {}

void MediaDeriver::LoadRecord() {
  if (record_loaded_) return;
  record_loaded_ = true;
  std::string text;
  if (ReadSourceFile(writer_.PathOf(DerivedRecord::kFileName),
                     settings_.max_picture_bytes, &text) == ReadFailure::kNone) {
    record_.Parse(text);
  }
}

void MediaDeriver::Prepare(MediaItem* item) {
  if (item->prepared) return;
  item->prepared = true;
  if (item->web_address) {
    item->icon = catalogue_.IconFor(item->extension).name;
    return;
  }
  item->resolved_path = ResolveMediaFile(item->source_path, settings_.search);
  std::string wanted;
  std::string key;
  if (item->resolved_path.empty()) {
    wanted = item->file_name;
    key = "missing:" + item->source_path;
  } else {
    const std::string folder =
        RelativeFolderBelow(settings_.search.source_folder, item->resolved_path);
    const std::string name = LastPart(item->resolved_path);
    wanted = folder.empty() ? name : folder + "/" + name;
    key = item->resolved_path;
  }
  if (settings_.lower_case_names) wanted = text::AsciiLower(wanted);
  item->derived_name = item_names_.Claim(key, wanted);
  if (!IsPicture(item->code)) item->icon = catalogue_.IconFor(item->extension).name;
}

bool MediaDeriver::UpToDate(const Wanted& wanted) {
  if (made_this_run_.count(wanted.target)) return true;
  if (settings_.mode == MediaMode::kRemakeAll) return false;
  const DerivedEntry* entry = record_.Find(wanted.target);
  if (entry == nullptr || entry->source_key != wanted.entry.source_key ||
      entry->source_size != wanted.entry.source_size ||
      entry->source_modified != wanted.entry.source_modified ||
      entry->max != wanted.entry.max) {
    return false;
  }
  const FileStamp target = StatFile(writer_.PathOf(wanted.target));
  return target.exists && target.size == entry->target_size;
}

bool MediaDeriver::WriteTarget(const Wanted& wanted, std::string_view data,
                               PixelSize size, bool animated, DeriveResult* result) {
  if (data.empty() || !writer_.Write(wanted.target, data)) return false;
  DerivedEntry entry = wanted.entry;
  entry.target_size = data.size();
  entry.width = size.width;
  entry.height = size.height;
  entry.animated = animated;
  record_.Put(wanted.target, entry);
  made_this_run_.insert(wanted.target);
  result->files_written += 1;
  result->bytes_written += data.size();
  return true;
}

bool MediaDeriver::CopyTarget(const Wanted& wanted, const std::string& source,
                              DeriveResult* result) {
  uint64_t bytes = 0;
  if (!writer_.Copy(wanted.target, source, &bytes)) return false;
  DerivedEntry entry = wanted.entry;
  entry.target_size = bytes;
  record_.Put(wanted.target, entry);
  made_this_run_.insert(wanted.target);
  result->files_written += 1;
  result->bytes_written += bytes;
  return true;
}

void MediaDeriver::FillFromRecord(MediaItem* item) {
  if (item->code != MediaCode::kGif) return;
  const DerivedEntry* entry = record_.Find(item->ThumbPath());
  if (entry != nullptr && entry->animated) {
    item->code = MediaCode::kAnimatedGif;
    item->width = entry->width;
  }
}

DeriveResult MediaDeriver::Derive(MediaItem* item) {
  DeriveResult result;
  Prepare(item);
  LoadRecord();
  if (settings_.mode == MediaMode::kSkip) {
    FillFromRecord(item);
    return result;
  }
  if (item->web_address) {
    PutIcon(catalogue_.IconFor(item->extension), item->extension, &result);
    return result;
  }
  FileStamp stamp;
  if (!item->resolved_path.empty()) stamp = StatFile(item->resolved_path);
  if (IsPicture(item->code)) {
    if (!stamp.exists) {
      Fail(&result, MediaFailure::kMissing, *item);
      return result;
    }
    DerivePicture(item, stamp, &result);
  } else {
    DeriveOther(item, stamp, &result);
  }
  return result;
}

void MediaDeriver::DerivePicture(MediaItem* item, const FileStamp& stamp,
                                 DeriveResult* result) {
  const std::string& source = item->resolved_path;
  const DerivedEntry scaled_from = SourceEntry(source, kItemUse, stamp, 0);
  Wanted thumb{item->ThumbPath(), scaled_from};
  thumb.entry.max = settings_.thumb_size;
  Wanted slide{item->SlidePath(), scaled_from};
  slide.entry.max = settings_.slide_size;
  const Wanted orig{item->OrigPath(), scaled_from};
  const bool need_thumb = !UpToDate(thumb);
  const bool need_slide = !UpToDate(slide);
  const bool need_orig = settings_.link_originals && !UpToDate(orig);
  if (!need_thumb && !need_slide && !need_orig) {
    FillFromRecord(item);
    return;
  }
  if (!need_thumb && !need_slide) {
    // Only the copy of the original is missing: no need to look inside.
    FillFromRecord(item);
    if (!CopyTarget(orig, source, result))
      Fail(result, MediaFailure::kCannotWrite, *item);
    return;
  }

  std::string data;
  if (ReadFailure failure = ReadSourceFile(source, settings_.max_picture_bytes, &data);
      failure != ReadFailure::kNone) {
    Fail(result, FailureOf(failure), *item);
    return;
  }
  const std::optional<ImageHeader> header = ReadImageHeader(data);
  if (!header) {
    Fail(result, MediaFailure::kNotAPicture, *item);
    return;
  }
  const PixelSize stored{header->width, header->height};
  auto write = [&](const Wanted& wanted, std::string_view bytes, PixelSize size,
                   bool animated) {
    if (bytes.empty()) {
      Fail(result, MediaFailure::kUndecodable, *item);
    } else if (!WriteTarget(wanted, bytes, size, animated, result)) {
      Fail(result, MediaFailure::kCannotWrite, *item);
    }
  };
  if (header->format == ImageFormat::kGif && header->animated) {
    // Scaling would keep only the first frame: the movie is copied as it is,
    // and pages scale it with a width attribute.
    item->code = MediaCode::kAnimatedGif;
    item->width = header->width;
    if (need_thumb) write(thumb, data, stored, true);
    if (need_slide) write(slide, data, stored, true);
  } else if (!header->complete) {
    Fail(result, MediaFailure::kIncomplete, *item);
  } else if (header->largest_frame_pixels > kMaxPicturePixels) {
    Fail(result, MediaFailure::kTooLarge, *item);
  } else if (std::optional<Picture> picture = Picture::Decode(data, *header)) {
    // The slide image is made first and the thumbnail from it: scaling the
    // smaller image is several times cheaper and looks the same.
    const PixelSize shown = picture->size();
    std::optional<Picture> slide_picture;
    if (need_slide) {
      slide_picture = picture->ScaledTo(
          Fit(settings_.slide_size, shown.width, shown.height, FitMode::kLongerSide));
      if (slide_picture) {
        write(slide, slide_picture->Encode(), slide_picture->size(), false);
      } else {
        Fail(result, MediaFailure::kUndecodable, *item);
      }
    }
    if (need_thumb) {
      const PixelSize size =
          Fit(settings_.thumb_size, shown.width, shown.height, FitMode::kLongerSide);
      const bool from_slide =
          slide_picture && settings_.slide_size >= settings_.thumb_size;
      std::optional<Picture> thumb_picture =
          (from_slide ? *slide_picture : *picture).ScaledTo(size);
      if (thumb_picture) {
        write(thumb, thumb_picture->Encode(), size, false);
      } else {
        Fail(result, MediaFailure::kUndecodable, *item);
      }
    }
  } else {
    Fail(result, MediaFailure::kUndecodable, *item);
  }
  if (need_orig) write(orig, data, stored, item->code == MediaCode::kAnimatedGif);
}

DeriveResult MediaDeriver::PlaceIcon(const IconChoice& icon, std::string_view extension) {
  DeriveResult result;
  if (settings_.mode == MediaMode::kSkip) return result;
  LoadRecord();
  PutIcon(icon, extension, &result);
  return result;
}

void MediaDeriver::PutIcon(const IconChoice& icon, std::string_view extension,
                           DeriveResult* result) {
  const std::string target = "thumb/" + icon.name;
  auto no_icon = [&] {
    if (result->warning != MediaWarning::kNone) return;
    result->warning = MediaWarning::kNoIcon;
    result->subject = icon.name;
    result->extension = std::string(extension);
  };
  if (icon.name.find('/') != std::string::npos || !IsSafeRelativePath(target)) {
    no_icon();
    return;
  }
  if (!icon.builtin) {
    // The user's own icon must be in the thumb folder already.
    if (!IsFile(writer_.PathOf(target))) no_icon();
    return;
  }
  const Wanted wanted{
      target, SourceEntry(icon.name, kIconUse, FileStamp{}, settings_.thumb_size)};
  if (UpToDate(wanted)) return;
  // A file of that name that the record does not know is the user's own
  // icon: it stays.
  const DerivedEntry* entry = record_.Find(target);
  const bool ours = entry != nullptr && entry->source_key == wanted.entry.source_key;
  if (!ours && IsFile(writer_.PathOf(target)) &&
      settings_.mode != MediaMode::kRemakeAll) {
    return;
  }
  PixelSize size;
  const std::string jpeg =
      FitJpeg(catalogue_.BuiltinIcon(icon.name), settings_.thumb_size, &size);
  if (!WriteTarget(wanted, jpeg, size, false, result)) no_icon();
}

void MediaDeriver::DeriveOther(MediaItem* item, const FileStamp& stamp,
                               DeriveResult* result) {
  PutIcon(catalogue_.IconFor(item->extension), item->extension, result);
  if (!stamp.exists) {
    Fail(result, MediaFailure::kMissing, *item);
    return;
  }
  const Wanted orig{item->OrigPath(),
                    SourceEntry(item->resolved_path, kItemUse, stamp, 0)};
  if (UpToDate(orig)) return;
  if (!CopyTarget(orig, item->resolved_path, result)) {
    Fail(result, MediaFailure::kCannotWrite, *item);
  }
}

PortraitResult MediaDeriver::Portrait(MediaItem* item, PortraitKind kind) {
  PortraitResult portrait;
  Prepare(item);
  LoadRecord();
  const bool individual = kind == PortraitKind::kIndividual;
  const std::string_view use = individual ? kIndividualUse : kFamilyUse;
  const int32_t max =
      individual ? settings_.individual_portrait_width : settings_.family_portrait_size;
  const FitMode mode = individual ? FitMode::kWidthOnly : FitMode::kLongerSide;
  const std::string key = (item->resolved_path.empty() ? "missing:" + item->source_path
                                                       : item->resolved_path) +
                          '\n' + std::string(use);
  portrait.path = "port/" + portrait_names_.Claim(key, item->derived_name);
  DeriveResult* result = &portrait.status;
  if (!IsPicture(item->code)) {
    Fail(result, MediaFailure::kNotAPicture, *item);
    return portrait;
  }
  auto from_record = [&] {
    if (const DerivedEntry* entry = record_.Find(portrait.path)) {
      portrait.size = {entry->width, entry->height};
      portrait.animated = entry->animated;
    }
  };
  if (settings_.mode == MediaMode::kSkip) {
    from_record();
    return portrait;
  }
  const FileStamp stamp =
      item->resolved_path.empty() ? FileStamp{} : StatFile(item->resolved_path);
  if (!stamp.exists) {
    Fail(result, MediaFailure::kMissing, *item);
    return portrait;
  }
  const Wanted wanted{portrait.path, SourceEntry(item->resolved_path, use, stamp, max)};
  if (UpToDate(wanted)) {
    from_record();
    return portrait;
  }
  std::string data;
  if (ReadFailure failure =
          ReadSourceFile(item->resolved_path, settings_.max_picture_bytes, &data);
      failure != ReadFailure::kNone) {
    Fail(result, FailureOf(failure), *item);
    return portrait;
  }
  const std::optional<ImageHeader> header = ReadImageHeader(data);
  std::string encoded;
  if (!header) {
    Fail(result, MediaFailure::kNotAPicture, *item);
  } else if (header->format == ImageFormat::kGif && header->animated) {
    item->code = MediaCode::kAnimatedGif;
    item->width = header->width;
    portrait.animated = true;
    portrait.size = {header->width, header->height};
    encoded = data;
  } else if (!header->complete) {
    Fail(result, MediaFailure::kIncomplete, *item);
  } else if (header->largest_frame_pixels > kMaxPicturePixels) {
    Fail(result, MediaFailure::kTooLarge, *item);
  } else if (std::optional<Picture> picture = Picture::Decode(data, *header)) {
    const PixelSize shown = picture->size();
    portrait.size = Fit(max, shown.width, shown.height, mode);
    if (std::optional<Picture> scaled = picture->ScaledTo(portrait.size)) {
      encoded = scaled->Encode();
    }
    if (encoded.empty()) Fail(result, MediaFailure::kUndecodable, *item);
  } else {
    Fail(result, MediaFailure::kUndecodable, *item);
  }
  if (!encoded.empty() &&
      !WriteTarget(wanted, encoded, portrait.size, portrait.animated, result)) {
    Fail(result, MediaFailure::kCannotWrite, *item);
  }
  return portrait;
}

bool MediaDeriver::Made(const std::string& target) {
  LoadRecord();
  return record_.Find(target) != nullptr;
}

bool MediaDeriver::Finish() {
  if (!record_.changed()) return true;
  return writer_.Write(DerivedRecord::kFileName, record_.Serialize());
}

}  // namespace vellix::media
