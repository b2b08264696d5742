// File kinds of media files, told by the file name's extension.
#pragma once

#include <string_view>

namespace vellix::media {

/// The kind code of a media file. The numbers are the ones the gallery and
/// slide writers test; kNone is an extension the table does not know.
/// kAnimatedGif is never given by an extension: a GIF becomes one when its
/// bytes turn out to hold more than one frame.
enum class MediaCode {
  kNone = 0,
  kBmp = 2,
  kGif = 3,
  kAnimatedGif = 4,
  kJpeg = 5,
  kOle = 6,
  kPcx = 7,
  kTif = 8,
  kPng = 9,
  kWav = 10,
  kMp3 = 11,
  kMid = 12,
  kAvi = 13,
  kMov = 14,
  kMp4 = 15,
  kSwf = 16,
  kPdf = 17,
  kTxt = 18,
  kDoc = 19,
  kOdt = 20,
  kRtf = 21,
};

/// The code of a file extension (without the dot, any letter case, blanks
/// at both ends ignored).
MediaCode CodeForExtension(std::string_view extension);

/// True for the kinds that are scaled into thumbnails and slide images:
/// GIF, animated GIF, JPEG and PNG. BMP, OLE, PCX and TIF are known but
/// handled like any other file.
bool IsPicture(MediaCode code);

/// The part of a file name or path after its last "." (empty when the last
/// folder separator comes after it, or when there is no dot).
std::string_view ExtensionOf(std::string_view path);

}  // namespace vellix::media
