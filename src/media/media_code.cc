#include "media/media_code.h"

#include <array>
#include <utility>

#include "text/string_ops.h"

namespace vellix::media {
namespace {

constexpr std::array<std::pair<std::string_view, MediaCode>, 20> kCodes = {{
    {"BMP", MediaCode::kBmp},   {"GIF", MediaCode::kGif}, {"JPG", MediaCode::kJpeg},
    {"JPEG", MediaCode::kJpeg}, {"OLE", MediaCode::kOle}, {"PCX", MediaCode::kPcx},
    {"TIF", MediaCode::kTif},   {"PNG", MediaCode::kPng}, {"WAV", MediaCode::kWav},
    {"MP3", MediaCode::kMp3},   {"MID", MediaCode::kMid}, {"AVI", MediaCode::kAvi},
    {"MOV", MediaCode::kMov},   {"MP4", MediaCode::kMp4}, {"SWF", MediaCode::kSwf},
    {"PDF", MediaCode::kPdf},   {"TXT", MediaCode::kTxt}, {"DOC", MediaCode::kDoc},
    {"ODT", MediaCode::kOdt},   {"RTF", MediaCode::kRtf},
}};

}  // namespace

MediaCode CodeForExtension(std::string_view extension) {
  while (!extension.empty() && text::IsAsciiSpace(extension.front())) {
    extension.remove_prefix(1);
  }
  while (!extension.empty() && text::IsAsciiSpace(extension.back())) {
    extension.remove_suffix(1);
  }
  if (extension.empty()) return MediaCode::kNone;
  const std::string upper = text::AsciiUpper(extension);
  for (const auto& [name, code] : kCodes) {
    if (name == upper) return code;
  }
  return MediaCode::kNone;
}

bool IsPicture(MediaCode code) {
  return code == MediaCode::kGif || code == MediaCode::kAnimatedGif ||
         code == MediaCode::kJpeg || code == MediaCode::kPng;
}

std::string_view ExtensionOf(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return {};
  const size_t slash = path.find_last_of("/\\");
  if (slash != std::string_view::npos && slash > dot) return {};
  return path.substr(dot + 1);
}

}  // namespace vellix::media
