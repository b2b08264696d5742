#include "media/media_gallery.h"

#include <cstdio>

#include "options/options.h"
#include "text/paths.h"
#include "text/text_tidy.h"

namespace vellix::media {
namespace {

std::string_view FileLetter(GalleryKind kind) {
  switch (kind) {
    case GalleryKind::kIndividual:
      return "i-";
    case GalleryKind::kFamily:
      return "f-";
    case GalleryKind::kCitation:
      return "s-";
    case GalleryKind::kBibliography:
      break;
  }
  return "b-";
}

std::string OwnerPart(std::string_view id) {
  std::string part = text::FileSafeId(id);
  return part.empty() ? "_" : part;
}

}  // namespace

GalleryKindOptions KindOptions(const COptions& o, GalleryKind kind) {
  switch (kind) {
    case GalleryKind::kIndividual:
      return {"vx-aind",
              FileLetter(GalleryKind::kIndividual),
              &o.m_strIndivGalleryText,
              &o.m_strIndivGalleryLabel,
              &o.m_strIndivGalleryPrompt,
              &o.m_strIndivGalleryTarget,
              &o.m_strGalleryTitleIndiv};
    case GalleryKind::kFamily:
      return {"vx-afam",
              FileLetter(GalleryKind::kFamily),
              &o.m_strFamilyGalleryText,
              &o.m_strFamilyGalleryLabel,
              &o.m_strFamilyGalleryPrompt,
              &o.m_strFamilyGalleryTarget,
              &o.m_strGalleryTitleFamily};
    case GalleryKind::kCitation:
      return {"vx-asrc",
              FileLetter(GalleryKind::kCitation),
              &o.m_strCitationGalleryText,
              &o.m_strCitationGalleryLabel,
              &o.m_strCitationGalleryPrompt,
              &o.m_strCitationGalleryTarget,
              &o.m_strGalleryTitleCitation};
    case GalleryKind::kBibliography:
      break;
  }
  return {"vx-abib",
          FileLetter(GalleryKind::kBibliography),
          &o.m_strBiblioGalleryText,
          &o.m_strBiblioGalleryLabel,
          &o.m_strBiblioGalleryPrompt,
          &o.m_strBiblioGalleryTarget,
          &o.m_strGalleryTitleBiblio};
}

std::string GalleryFileName(GalleryKind kind, const GalleryOwner& owner, GalleryPage page,
                            int number, std::string_view extension) {
  std::string name = page == GalleryPage::kThumbnails ? "g" : "s";
  name += FileLetter(kind);
  name += OwnerPart(owner.page_id);
  if (kind == GalleryKind::kIndividual) name += "-" + OwnerPart(owner.individual);
  char digits[16];
  std::snprintf(digits, sizeof digits, "-%02d", number);
  name += digits;
  name += extension;
  return name;
}

std::string GalleryLink(const COptions& options, GalleryKind kind,
                        const GalleryOwner& owner, const GalleryLinkOptions& link) {
  const GalleryKindOptions k = KindOptions(options, kind);
  std::string folder = options.m_strMediaDestFolder;
  text::AddBackslash(&folder, true);
  const std::string href =
      text::UrlForm(folder + GalleryFileName(kind, owner, GalleryPage::kThumbnails, 1,
                                             options.GetPageExtension()),
                    false);
  std::string title;
  if (!k.link_prompt->empty()) title = " title=\"" + *k.link_prompt + "\"";
  std::string target;
  if (!link.standalone && !link.strict) {
    const std::string& named = *k.target;
    target = " target=\"" +
             (!named.empty()        ? named
              : link.owner_in_frame ? "_parent"
                                    : "_self") +
             "\"";
  }
  const std::string anchor = "<p class=\"vx-thmlnk\"><a class=\"" +
                             std::string(k.link_class) + "\" href=\"" + href + "\"" +
                             title + target + ">" + *k.link_label + "</a></p>\r\n";
  std::string text = *k.link_text;
  text::ReplaceNoCase(&text, "%link%", anchor);
  return text;
}

std::string UrlOf(std::string_view relative) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url;
  url.reserve(relative.size());
  for (unsigned char c : relative) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                       (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                       c == '~' || c == '/';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

}  // namespace vellix::media
