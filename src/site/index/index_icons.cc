#include "site/index/index_icons.h"

#include <gd.h>
#include <gdfontt.h>

#include "options/options.h"
#include "platform/file_system.h"
#include "text/paths.h"

namespace vellix::site {

const std::vector<IndexIcon>& IndexIcons() {
  static const std::vector<IndexIcon> icons = {
      {"b.gif", "Bio", 19, 0xC6E2FF},   {"i.gif", "Img", 19, 0xFFE4B5},
      {"n.gif", "Nar", 19, 0xD8F0C8},   {"t.gif", "Txt", 19, 0xF0E0F0},
      {"g.gif", "Grp", 19, 0xFFF4A8},   {"gf.gif", "FGal", 24, 0xCFEFEF},
      {"gi.gif", "IGal", 24, 0xF8D8D0}, {"gs.gif", "Slide Show", 62, 0xE0E0E0},
  };
  return icons;
}

std::string IconImage(const IndexIcon& icon) {
  constexpr int kHeight = 10;
  gdImagePtr image = gdImageCreate(icon.width, kHeight);
  if (image == nullptr) return {};
  const int white = gdImageColorAllocate(image, 255, 255, 255);  // first: background
  const int fill = gdImageColorAllocate(image, (icon.color >> 16) & 0xFF,
                                        (icon.color >> 8) & 0xFF, icon.color & 0xFF);
  const int border = gdImageColorAllocate(image, 96, 96, 96);
  const int ink = gdImageColorAllocate(image, 24, 24, 24);
  gdImageColorTransparent(image, white);
  const int right = icon.width - 1;
  gdImageFilledRectangle(image, 1, 1, right - 1, kHeight - 2, fill);
  gdImageLine(image, 1, 0, right - 1, 0, border);
  gdImageLine(image, 1, kHeight - 1, right - 1, kHeight - 1, border);
  gdImageLine(image, 0, 1, 0, kHeight - 2, border);
  gdImageLine(image, right, 1, right, kHeight - 2, border);
  gdFontPtr font = gdFontGetTiny();
  const int text_width = static_cast<int>(icon.text.size()) * font->w;
  std::string text(icon.text);
  gdImageString(image, font, (icon.width - text_width) / 2, 1,
                reinterpret_cast<unsigned char*>(text.data()), ink);
  int size = 0;
  void* bytes = gdImageGifPtr(image, &size);
  std::string gif;
  if (bytes != nullptr) {
    gif.assign(static_cast<const char*>(bytes), static_cast<size_t>(size));
    gdFree(bytes);
  }
  gdImageDestroy(image);
  return gif;
}

int WriteIconFiles(const COptions& options, RunStatistics* statistics) {
  const bool custom = options.m_bCustomIcons && options.m_bCustomIconImages;
  const bool gallery = options.m_bGalleryIcons && options.m_bGalleryIconImages;
  if (!custom && !gallery) return 0;
  std::string folder = options.m_strDestFolder;
  text::AddBackslash(&folder, true);
  int written = 0;
  for (const IndexIcon& icon : IndexIcons()) {
    const std::string path =
        platform::NativePath(folder + options.m_strFilePrefix + std::string(icon.file));
    // An icon already in place is kept, and stays a file of the site.
    statistics->RecordSiteFile(path);
    if (platform::FileExists(path)) continue;
    const std::string gif = IconImage(icon);
    if (gif.empty() || !platform::WriteWholeFile(path, gif)) continue;
    statistics->CountFile(FileGroup::kOther, gif.size());
    ++written;
  }
  return written;
}

}  // namespace vellix::site
