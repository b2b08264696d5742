// Draws the small pictures of the example family (examples/media/) with
// libgd, so the demo's galleries show pictures that were made for it.
//
//   g++ -std=c++20 -O2 scripts/draw-example-pictures.cc -lgd -o /tmp/draw
//   /tmp/draw examples/media
#include <gd.h>
#include <gdfonts.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

int Rgb(gdImagePtr image, int rgb) {
  return gdImageColorAllocate(image, (rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
}

// A sky fading from `top` to `bottom` over the upper part, and ground below.
void Landscape(gdImagePtr image, int top, int bottom, int ground, double horizon) {
  const int width = gdImageSX(image);
  const int height = gdImageSY(image);
  const int line = static_cast<int>(height * horizon);
  for (int y = 0; y < line; ++y) {
    const double t = static_cast<double>(y) / line;
    auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t); };
    const int colour = gdImageColorResolve(image, mix(top >> 16, bottom >> 16),
                                           mix((top >> 8) & 255, (bottom >> 8) & 255),
                                           mix(top & 255, bottom & 255));
    gdImageLine(image, 0, y, width - 1, y, colour);
  }
  gdImageFilledRectangle(image, 0, line, width - 1, height - 1, Rgb(image, ground));
}

// A standing figure: head, body in `coat`, arms and legs.
void Figure(gdImagePtr image, int x, int base, int size, int coat) {
  const int skin = Rgb(image, 0xE8C4A0);
  const int dark = Rgb(image, 0x3A2A20);
  const int body = Rgb(image, coat);
  const int head = size / 5;
  gdImageFilledEllipse(image, x, base - size + head / 2, head, head, skin);
  gdImageFilledRectangle(image, x - size / 7, base - size + head, x + size / 7,
                         base - size / 3, body);
  gdImageSetThickness(image, std::max(2, size / 30));
  gdImageLine(image, x - size / 7, base - size + head + 4, x - size / 4, base - size / 2,
              body);
  gdImageLine(image, x + size / 7, base - size + head + 4, x + size / 4, base - size / 2,
              body);
  gdImageLine(image, x - size / 14, base - size / 3, x - size / 10, base, dark);
  gdImageLine(image, x + size / 14, base - size / 3, x + size / 10, base, dark);
  gdImageSetThickness(image, 1);
}

void Sepia(gdImagePtr image) {
  for (int y = 0; y < gdImageSY(image); ++y) {
    for (int x = 0; x < gdImageSX(image); ++x) {
      const int c = gdImageGetTrueColorPixel(image, x, y);
      const int grey =
          (gdTrueColorGetRed(c) * 3 + gdTrueColorGetGreen(c) * 6 + gdTrueColorGetBlue(c)) /
          10;
      gdImageSetPixel(image, x, y,
                      gdTrueColor(std::min(255, grey + 30), std::min(255, grey + 12),
                                  std::max(0, grey - 20)));
    }
  }
}

void Frame(gdImagePtr image) {
  const int border = Rgb(image, 0x5A4632);
  for (int i = 0; i < 4; ++i) {
    gdImageRectangle(image, i, i, gdImageSX(image) - 1 - i, gdImageSY(image) - 1 - i,
                     border);
  }
}

// Ruled lines with a column of "entries", as on a register page.
void Register(gdImagePtr image, int entries) {
  const int paper = Rgb(image, 0xF3E9D2);
  const int rule = Rgb(image, 0xB8A888);
  const int ink = Rgb(image, 0x2A2440);
  const int width = gdImageSX(image);
  const int height = gdImageSY(image);
  gdImageFilledRectangle(image, 0, 0, width - 1, height - 1, paper);
  for (int y = 30; y < height - 10; y += 18) gdImageLine(image, 10, y, width - 10, y, rule);
  gdImageLine(image, 60, 10, 60, height - 10, rule);
  for (int i = 0; i < entries; ++i) {
    const int y = 44 + i * 36;
    if (y > height - 20) break;
    gdImageString(image, gdFontGetSmall(), 20, y - 12,
                  reinterpret_cast<unsigned char*>(const_cast<char*>(
                      std::to_string(100 + i).c_str())),
                  ink);
    for (int x = 70; x < width - 20; x += 9) {
      const int wave = static_cast<int>(3 * std::sin((x + i * 13) * 0.4));
      gdImageLine(image, x, y + wave - 8, x + 5, y - wave - 8, ink);
    }
  }
}

bool Save(gdImagePtr image, const std::string& path, bool png) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  if (png) {
    gdImagePngEx(image, out, 9);
  } else {
    gdImageJpeg(image, out, 80);
  }
  std::fclose(out);
  gdImageDestroy(image);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  bool ok = true;

  gdImagePtr jan = gdImageCreateTrueColor(240, 320);
  Landscape(jan, 0xC8B89A, 0xA89878, 0x6E5A44, 0.75);
  Figure(jan, 120, 300, 250, 0x2E2E3A);
  Sepia(jan);
  Frame(jan);
  ok &= Save(jan, folder + "/jan-kowalski.jpg", false);

  gdImagePtr zofia = gdImageCreateTrueColor(240, 320);
  Landscape(zofia, 0xD0C4A8, 0xB0A080, 0x705C48, 0.72);
  Figure(zofia, 120, 300, 240, 0x5A3040);
  Sepia(zofia);
  Frame(zofia);
  ok &= Save(zofia, folder + "/zofia-nowak.jpg", false);

  gdImagePtr wedding = gdImageCreateTrueColor(400, 280);
  Landscape(wedding, 0xD8CCB0, 0xB8A888, 0x7A6650, 0.7);
  Figure(wedding, 160, 260, 200, 0x202028);
  Figure(wedding, 240, 260, 190, 0xF4F0E8);
  gdImageFilledEllipse(wedding, 240, 112, 60, 30, Rgb(wedding, 0xF8F4EC));  // veil
  Sepia(wedding);
  Frame(wedding);
  ok &= Save(wedding, folder + "/wedding-1897.jpg", false);

  gdImagePtr ship = gdImageCreateTrueColor(360, 220);
  Landscape(ship, 0x7EB6E6, 0xCFE6F6, 0x2C5C8C, 0.62);
  const int hull = Rgb(ship, 0x242424);
  gdPoint points[4] = {{60, 120}, {300, 120}, {270, 160}, {90, 160}};
  gdImageFilledPolygon(ship, points, 4, hull);
  gdImageFilledRectangle(ship, 120, 90, 240, 120, Rgb(ship, 0xF0F0F0));
  gdImageFilledRectangle(ship, 150, 50, 168, 90, Rgb(ship, 0xB03020));
  gdImageFilledRectangle(ship, 192, 50, 210, 90, Rgb(ship, 0xB03020));
  gdImageFilledEllipse(ship, 300, 40, 36, 36, Rgb(ship, 0xFFD84A));
  ok &= Save(ship, folder + "/ship-1893.png", true);

  gdImagePtr marriage = gdImageCreateTrueColor(300, 220);
  Register(marriage, 5);
  ok &= Save(marriage, folder + "/marriage-register.png", true);

  gdImagePtr baptism = gdImageCreateTrueColor(300, 220);
  Register(baptism, 5);
  gdImageFilledEllipse(baptism, 250, 180, 40, 40, Rgb(baptism, 0xA02828));  // seal
  ok &= Save(baptism, folder + "/lodz-register.png", true);

  if (!ok) std::fprintf(stderr, "could not write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
