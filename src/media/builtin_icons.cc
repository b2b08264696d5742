#include "media/builtin_icons.h"

#include <gd.h>
#include <gdfontg.h>

#include <memory>

#include "text/string_ops.h"

namespace vellix::media {
namespace {

/// The pictogram drawn on the page of an icon.
enum class Glyph { kNote, kFilm, kPlay, kTextLines, kLandscape, kBrackets, kGlobe };

/// How one built-in icon looks: its glyph, colour and label.
struct IconLook {
  std::string_view name;
  Glyph glyph;
  int rgb;
  std::string_view label;
};

constexpr IconLook kLooks[] = {
    {"icon-mp3.jpg", Glyph::kNote, 0x6a3d9a, "MP3"},
    {"icon-wav.jpg", Glyph::kNote, 0x1b7f79, "WAV"},
    {"icon-mid.jpg", Glyph::kNote, 0xd35400, "MIDI"},
    {"icon-avi.jpg", Glyph::kFilm, 0x1f4e79, "AVI"},
    {"icon-mov.jpg", Glyph::kFilm, 0x2e7d32, "MOV"},
    {"icon-mp4.jpg", Glyph::kFilm, 0x8e244d, "MP4"},
    {"icon-swf.jpg", Glyph::kPlay, 0xc62828, "SWF"},
    {"icon-pdf.jpg", Glyph::kTextLines, 0xb71c1c, "PDF"},
    {"icon-txt.jpg", Glyph::kTextLines, 0x546e7a, "TXT"},
    {"icon-doc.jpg", Glyph::kTextLines, 0x2b579a, "DOC"},
    {"icon-odt.jpg", Glyph::kTextLines, 0x1e88e5, "ODT"},
    {"icon-rtf.jpg", Glyph::kTextLines, 0x795548, "RTF"},
    {"icon-image.jpg", Glyph::kLandscape, 0x388e3c, "IMAGE"},
    {"icon-media.jpg", Glyph::kPlay, 0x455a64, "MEDIA"},
    {"icon-html.jpg", Glyph::kBrackets, 0xe65100, "HTML"},
    {"icon-mht.jpg", Glyph::kGlobe, 0x00695c, "MHT"},
};

struct ImageDeleter {
  void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using Image = std::unique_ptr<gdImage, ImageDeleter>;

int Colour(gdImagePtr image, int rgb) {
  return gdImageColorAllocate(image, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void FilledTriangle(gdImagePtr image, gdPoint a, gdPoint b, gdPoint c, int colour) {
  gdPoint points[3] = {a, b, c};
  gdImageFilledPolygon(image, points, 3, colour);
}

void DrawGlyph(gdImagePtr image, Glyph glyph, int ink, int white, int grey) {
  switch (glyph) {
    case Glyph::kNote:
      gdImageFilledEllipse(image, 40, 92, 22, 16, ink);
      gdImageFilledRectangle(image, 48, 44, 51, 91, ink);
      FilledTriangle(image, {51, 44}, {66, 56}, {51, 60}, ink);
      break;
    case Glyph::kFilm:
      gdImageFilledRectangle(image, 26, 44, 74, 100, ink);
      for (int y = 48; y < 98; y += 9) {
        gdImageFilledRectangle(image, 29, y, 32, y + 4, white);
        gdImageFilledRectangle(image, 68, y, 71, y + 4, white);
      }
      FilledTriangle(image, {43, 60}, {43, 84}, {60, 72}, white);
      break;
    case Glyph::kPlay:
      gdImageFilledEllipse(image, 50, 72, 50, 50, ink);
      FilledTriangle(image, {43, 59}, {43, 85}, {64, 72}, white);
      break;
    case Glyph::kTextLines:
      gdImageFilledRectangle(image, 26, 36, 60, 42, ink);
      for (int y = 52, i = 0; y <= 108; y += 8, ++i) {
        const int right = (i % 3 == 2) ? 58 : 74;
        gdImageFilledRectangle(image, 26, y, right, y + 2, grey);
      }
      break;
    case Glyph::kLandscape:
      gdImageRectangle(image, 24, 46, 76, 98, grey);
      gdImageFilledEllipse(image, 62, 60, 12, 12, Colour(image, 0xf9a825));
      FilledTriangle(image, {26, 96}, {44, 66}, {62, 96}, ink);
      FilledTriangle(image, {48, 96}, {62, 76}, {74, 96}, ink);
      break;
    case Glyph::kBrackets:
      gdImageSetThickness(image, 4);
      gdImageLine(image, 38, 56, 24, 72, ink);
      gdImageLine(image, 24, 72, 38, 88, ink);
      gdImageLine(image, 62, 56, 76, 72, ink);
      gdImageLine(image, 76, 72, 62, 88, ink);
      gdImageLine(image, 55, 52, 45, 92, ink);
      gdImageSetThickness(image, 1);
      break;
    case Glyph::kGlobe:
      gdImageSetThickness(image, 3);
      gdImageEllipse(image, 50, 72, 50, 50, ink);
      gdImageEllipse(image, 50, 72, 22, 50, ink);
      gdImageLine(image, 25, 72, 75, 72, ink);
      gdImageLine(image, 29, 60, 71, 60, ink);
      gdImageLine(image, 29, 84, 71, 84, ink);
      gdImageSetThickness(image, 1);
      break;
  }
}

std::string Draw(const IconLook& look) {
  Image image(gdImageCreateTrueColor(kBuiltinIconWidth, kBuiltinIconHeight));
  if (!image) return {};
  gdImagePtr im = image.get();
  const int backdrop = Colour(im, 0xeceff1);
  const int white = Colour(im, 0xffffff);
  const int edge = Colour(im, 0x90a4ae);
  const int grey = Colour(im, 0xb0bec5);
  const int ink = Colour(im, look.rgb);
  gdImageFilledRectangle(im, 0, 0, kBuiltinIconWidth - 1, kBuiltinIconHeight - 1,
                         backdrop);
  // A sheet of paper with its top right corner folded over.
  gdPoint sheet[5] = {{14, 12}, {70, 12}, {86, 28}, {86, 124}, {14, 124}};
  gdImageFilledPolygon(im, sheet, 5, white);
  gdImagePolygon(im, sheet, 5, edge);
  FilledTriangle(im, {70, 12}, {70, 28}, {86, 28}, grey);
  DrawGlyph(im, look.glyph, ink, white, grey);
  // The label band at the foot.
  gdImageFilledRectangle(im, 0, 130, kBuiltinIconWidth - 1, kBuiltinIconHeight - 1, ink);
  gdFontPtr font = gdFontGetGiant();
  const int text_width = static_cast<int>(look.label.size()) * font->w;
  std::string label(look.label);
  gdImageString(im, font, (kBuiltinIconWidth - text_width) / 2, 132,
                reinterpret_cast<unsigned char*>(label.data()), white);
  int size = 0;
  void* bytes = gdImageJpegPtr(im, &size, 90);
  if (bytes == nullptr) return {};
  std::string jpeg(static_cast<const char*>(bytes), static_cast<size_t>(size));
  gdFree(bytes);
  return jpeg;
}

const IconLook* LookFor(std::string_view name) {
  const std::string lower = text::AsciiLower(name);
  for (const IconLook& look : kLooks) {
    if (look.name == lower) return &look;
  }
  return nullptr;
}

}  // namespace

bool IsBuiltinIcon(std::string_view name) { return LookFor(name) != nullptr; }

std::string DrawBuiltinIcon(std::string_view name) {
  const IconLook* look = LookFor(name);
  return look ? Draw(*look) : std::string();
}

}  // namespace vellix::media
