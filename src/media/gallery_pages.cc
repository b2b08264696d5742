#include "media/gallery_pages.h"

#include <algorithm>

#include "media/media_catalogue.h"
#include "options/options.h"
#include "site/frame/page_writer.h"
#include "text/html_escape.h"
#include "text/string_ops.h"
#include "text/text_converter.h"
#include "text/text_tidy.h"

namespace vellix::media {
namespace {

/// `script` with "%page%" and "%file%" (any letter case) replaced.
std::string FillScript(std::string script, std::string_view page, std::string_view file) {
  text::ReplaceNoCase(&script, "%page%", page);
  text::ReplaceNoCase(&script, "%file%", file);
  return script;
}

/// " width=\"max\"" for an animated GIF wider than `max`; scaled pictures
/// never are.
std::string WidthAttribute(const MediaItem& item, int32_t max) {
  if (item.code != MediaCode::kAnimatedGif || item.width <= max) return {};
  return " width=\"" + std::to_string(max) + "\"";
}

}  // namespace

GalleryPageBuilder::GalleryPageBuilder(const COptions& options, site::PageWriter& writer,
                                       const MediaCatalogue& catalogue,
                                       const text::TextConverter& converter, bool strict)
    : options_(options),
      writer_(writer),
      catalogue_(catalogue),
      converter_(converter),
      strict_(strict) {}

std::string GalleryPageBuilder::HeadTitle(std::string_view title) {
  // Folding ASCII letters keeps every byte where it was.
  const std::string folded = text::AsciiLower(title);
  const size_t image = folded.find("<img ");
  if (image == std::string::npos) return std::string(title);
  const size_t alt = folded.find("alt=", image);
  if (alt == std::string::npos) return {};
  std::string_view value = text::TrimSpace(title.substr(alt + 4));
  if (!value.empty() && (value.front() == '"' || value.front() == '\'')) {
    const char quote = value.front();
    value.remove_prefix(1);
    return std::string(text::TrimSpace(value.substr(0, value.find(quote))));
  }
  return std::string(text::TrimSpace(value.substr(0, value.find_first_of(" >"))));
}

std::string GalleryPageBuilder::Extension() const { return options_.GetPageExtension(); }

std::string GalleryPageBuilder::TargetAttribute(const std::string& target) const {
  if (strict_ || target.empty()) return {};
  return " target=\"" + target + "\"";
}

std::string GalleryPageBuilder::Strip(std::string_view nav_class, int number, int count,
                                      const std::string& prior,
                                      const std::string& next) const {
  std::string strip = "\r\n<div class=\"" + std::string(nav_class) + "\">";
  if (number > 1) strip += "<a href=\"" + prior + "\">" + options_.m_strNavPrior + "</a>";
  strip += "<span class=\"vx-page\">&nbsp; (" + std::to_string(number) + " / " +
           std::to_string(count) + ") &nbsp;</span>";
  if (number < count)
    strip += "<a href=\"" + next + "\">" + options_.m_strNavNext + "</a>";
  strip += "</div>";
  return strip;
}

std::vector<GalleryPageText> GalleryPageBuilder::Build(
    const MediaGallery& gallery, const std::vector<PlacedItem>& placed,
    GalleryServices& services) {
  std::vector<GalleryPageText> pages;
  const std::vector<MediaItem>& items = gallery.media.items();
  if (items.empty() || placed.size() != items.size()) return pages;
  const GalleryKindOptions kind = KindOptions(options_, gallery.kind);
  const size_t rows = static_cast<size_t>(std::max(options_.m_nThumbRows, 1));
  const size_t columns = static_cast<size_t>(std::max(options_.m_nThumbColumns, 1));
  const size_t per_page = rows * columns;
  const int page_count = static_cast<int>((items.size() + per_page - 1) / per_page);
  auto page_name = [&](int number) {
    return GalleryFileName(gallery.kind, gallery.owner, GalleryPage::kThumbnails, number,
                           Extension());
  };
  const std::string bar =
      gallery.kind == GalleryKind::kBibliography
          ? writer_.MediaBar(site::MediaBarLink::kBibliography, false, {})
          : writer_.MediaBar(site::MediaBarLink::kGroupSheet, false,
                             gallery.owner.owner_page);
  const std::string& title = *kind.title;
  const std::string head_title = HeadTitle(title);
  const std::string title_text =
      gallery.owner.name_html.empty()
          ? title
          : "<div class=\"vx-namtitle\">" + gallery.owner.name_html + "</div>" + title;

  for (int p = 1; p <= page_count; ++p) {
    const std::string strip = page_count >= 2 ? Strip("vx-thmnav", p, page_count,
                                                      page_name(p - 1), page_name(p + 1))
                                              : std::string();
    std::string page;
    const std::string name = page_name(p);
    writer_.SetTitle(site::kPageGallery, title_text);
    writer_.SetFileName(name);
    const std::string head = writer_.BuildHead(head_title, {}, {.media = true});
    writer_.BeginPage(&page, site::kPageGallery, head, {}, strip);
    writer_.WriteTopLinks(&page, bar, true);
    page += "\r\n<p><table class=\"vx-thmgal\">\r\n";
    size_t next = static_cast<size_t>(p - 1) * per_page;
    const size_t end = std::min(items.size(), next + per_page);
    while (next < end) {
      page += "<tr>\r\n";
      for (size_t c = 0; c < columns; ++c) {
        if (next < end) {
          page += ThumbnailCell(gallery, next, placed[next]);
          ++next;
        } else {
          page += "<td></td>";
        }
      }
      page += "</tr>\r\n";
    }
    page += "</table>\r\n";
    writer_.WriteBottomLinks(&page, {}, strip, bar, true);
    writer_.EndPage(&page, site::kPageGallery, true);
    pages.push_back({name, std::move(page), false});
  }
  for (size_t i = 0; i < items.size(); ++i) {
    pages.push_back({GalleryFileName(gallery.kind, gallery.owner, GalleryPage::kSlide,
                                     static_cast<int>(i) + 1, Extension()),
                     SlidePage(gallery, i, placed[i], services), true});
  }
  return pages;
}

std::string GalleryPageBuilder::ThumbnailCell(const MediaGallery& gallery, size_t index,
                                              const PlacedItem& placed) const {
  const MediaItem& item = gallery.media.items()[index];
  const std::string slide_name =
      GalleryFileName(gallery.kind, gallery.owner, GalleryPage::kSlide,
                      static_cast<int>(index) + 1, Extension());
  const std::string script_file = item.web_address ? text::EscapeHref(item.source_path)
                                  : !placed.slide.empty() ? UrlOf(placed.slide)
                                                          : UrlOf(placed.original);
  std::string href = slide_name;
  if (!options_.m_strThumbHref.empty()) {
    href = FillScript(options_.m_strThumbHref, slide_name, script_file);
  }
  std::string onclick;
  if (!options_.m_strThumbOnClick.empty()) {
    onclick = " onclick=\"" +
              FillScript(options_.m_strThumbOnClick, slide_name, script_file) + "\"";
  }
  const std::string& prompt = options_.m_strThumbPrompt;
  std::string cell = "<td>\r\n<p><a href=\"" + href + "\"" +
                     TargetAttribute(options_.m_strThumbTarget) + onclick + " title=\"" +
                     prompt + "\">";
  if (!placed.thumbnail.empty()) {
    cell += "<img" + WidthAttribute(item, options_.m_nThumbSize) +
            " class=\"vx-thmimg\" src=\"" + UrlOf(placed.thumbnail) + "\" title=\"" +
            prompt + "\" alt=\"" + prompt + "\">";
  } else {
    cell += prompt;  // no picture to show: the prompt is the link
  }
  cell += "</a></p>\r\n";
  if (options_.m_bThumbFileName) {
    cell += "<p class=\"vx-thmfil\">" + text::EscapeHtml(item.file_name) + "</p>\r\n";
  }
  if (options_.m_bThumbCaption && !item.title.empty()) {
    cell += "<p class=\"vx-thmcap\">" + converter_.ConvertText(item.title) + "</p>\r\n";
  }
  if (options_.m_bThumbRef && !item.reference_numbers.empty()) {
    std::string refs;
    for (const std::string& ref : item.reference_numbers) {
      if (!refs.empty()) refs += "; ";
      refs += text::EscapeHtml(ref);
    }
    cell += "<p class=\"vx-thmref\">" + refs + "</p>\r\n";
  }
  cell += "</td>\r\n";
  return cell;
}

std::string GalleryPageBuilder::Presentation(const MediaItem& item,
                                             const PlacedItem& placed,
                                             const std::string& slide_name) const {
  const std::string alt = options_.GetImageAltText(item.title, item.file_name);
  const std::string target = TargetAttribute(options_.m_strSlideTarget);
  auto icon_image = [&] {
    if (placed.icon.empty()) return std::string();
    return "<img class=\"vx-sldimg\" src=\"" + UrlOf(placed.icon) + "\" title=\"" + alt +
           "\" alt=\"" + alt + "\">";
  };
  if (IsPicture(item.code) && !placed.slide.empty()) {
    std::string image = "<img" + WidthAttribute(item, options_.m_nSlideSize) +
                        " class=\"vx-sldimg\" src=\"" + UrlOf(placed.slide) +
                        "\" title=\"" + alt + "\" alt=\"" + alt + "\">";
    if (options_.m_bSlideLinkOriginal && !placed.original.empty()) {
      image =
          "<a href=\"" + UrlOf(placed.original) + "\"" + target + ">" + image + "</a>";
    }
    return image;
  }
  if (item.web_address) {
    return "<a href=\"" + text::EscapeHref(item.source_path) + "\"" + target +
           " title=\"" + options_.m_strSlideLinkPrompt + "\">" + icon_image() + "</a>";
  }
  if (placed.original.empty()) return icon_image();  // nothing to embed or link
  const KindInfo kind = catalogue_.KindFor(item.extension);
  const std::string file = UrlOf(placed.original);
  std::string html = kind.template_text;
  text::ReplaceNoCase(&html, "%image%", icon_image());
  text::ReplaceNoCase(&html, "%file%", file);
  text::ReplaceNoCase(&html, "%data%", file);
  text::ReplaceNoCase(&html, "%mime%", text::EscapeHtml(kind.mime));
  text::ReplaceNoCase(&html, "%onclick%",
                      FillScript(options_.m_strSlideOnClick, slide_name, file));
  text::ReplaceNoCase(&html, "%prompt%", options_.m_strSlideLinkPrompt);
  text::ReplaceNoCase(&html, "%target%",
                      options_.m_strSlideTarget.empty() ? std::string("_self")
                                                        : options_.m_strSlideTarget);
  text::ReplaceNoCase(&html, "%rawimage%", UrlOf(placed.icon));
  text::ReplaceNoCase(&html, "%width%", placed.width);
  text::ReplaceNoCase(&html, "%height%", placed.height);
  return html;
}

std::string GalleryPageBuilder::DownloadLink(const MediaItem& item,
                                             const PlacedItem& placed,
                                             const std::string& slide_name) const {
  if (!options_.m_bSlideDownload) return {};
  const std::string file =
      item.web_address ? text::EscapeHref(item.source_path) : UrlOf(placed.original);
  // Only what is there is offered.
  if (!item.web_address && placed.original.empty()) return {};
  const std::string href = options_.m_strSlideHref.empty()
                               ? file
                               : FillScript(options_.m_strSlideHref, slide_name, file);
  std::string onclick;
  if (!options_.m_strSlideOnClick.empty()) {
    onclick =
        " onclick=\"" + FillScript(options_.m_strSlideOnClick, slide_name, file) + "\"";
  }
  const std::string link = "<a href=\"" + href + "\"" +
                           TargetAttribute(options_.m_strSlideTarget) + onclick +
                           " title=\"" + options_.m_strSlideLinkPrompt + "\">" +
                           options_.m_strSlideLinkLabel + "</a>";
  std::string text = options_.m_strSlideLinkText;
  text::ReplaceNoCase(&text, "%link%", link);
  return "<p class=\"vx-slddwn\">" + text + "</p>\r\n";
}

std::string GalleryPageBuilder::BelowImage(const MediaItem& item,
                                           GalleryServices& services) const {
  const COptions& o = options_;
  std::string file;
  if (o.m_bSlideFileName) {
    file = "<p class=\"vx-sldfil\">" + text::EscapeHtml(item.file_name) + "</p>\r\n";
  }
  std::string caption;
  if (o.m_bSlideCaptionBelow && !item.title.empty()) {
    caption = "<p class=\"vx-sldcap\">" + converter_.ConvertText(item.title) + "</p>\r\n";
  }
  if (o.m_bSlideDate && !item.date.empty()) {
    caption += "<p class=\"vx-slddate\">" +
               text::EscapeHtml(services.DateText(item.date)) + "</p>\r\n";
  }
  std::string notes;
  if (o.m_bSlideNotes && !item.notes.empty()) {
    notes = "<div class=\"vx-sldnot\">\r\n";
    for (const std::vector<std::string>& note : item.notes) {
      std::string paragraph;
      converter_.AppendParagraphs(note, &paragraph, "", "", {.linkify = true});
      notes += paragraph;
    }
    notes += "</div>\r\n";
  }
  std::string reference;
  if (o.m_bSlideRef && !item.reference_numbers.empty()) {
    std::string refs;
    for (const std::string& ref : item.reference_numbers) {
      if (!refs.empty()) refs += "; ";
      refs += text::EscapeHtml(ref);
    }
    reference = "<p class=\"vx-sldref\">" + refs + "</p>\r\n";
  }
  switch (o.m_nSlideOrder) {
    case 1:
      return reference + caption + notes + file;
    case 2:
      return caption + notes + file + reference;
    case 3:
      return caption + notes + reference + file;
    case 4:
      return file + reference + caption + notes;
    case 5:
      return reference + file + caption + notes;
    default:
      return file + caption + notes + reference;
  }
}

std::string GalleryPageBuilder::SlidePage(const MediaGallery& gallery, size_t index,
                                          const PlacedItem& placed,
                                          GalleryServices& services) {
  const MediaItem& item = gallery.media.items()[index];
  const int count = static_cast<int>(gallery.media.size());
  const int number = static_cast<int>(index) + 1;
  auto slide_name = [&](int n) {
    return GalleryFileName(gallery.kind, gallery.owner, GalleryPage::kSlide, n,
                           Extension());
  };
  const size_t per_page = static_cast<size_t>(std::max(options_.m_nThumbRows, 1)) *
                          static_cast<size_t>(std::max(options_.m_nThumbColumns, 1));
  const std::string gallery_page =
      GalleryFileName(gallery.kind, gallery.owner, GalleryPage::kThumbnails,
                      static_cast<int>(index / per_page) + 1, Extension());
  const std::string strip = count > 1
                                ? Strip("vx-sldnav", number, count,
                                        slide_name(number - 1), slide_name(number + 1))
                                : std::string();
  const std::string bar =
      writer_.MediaBar(site::MediaBarLink::kGallery, false, gallery_page);
  const std::string& title = *KindOptions(options_, gallery.kind).title;
  const std::string name = slide_name(number);

  std::string page;
  writer_.SetTitle(site::kPageSlide, title);
  writer_.SetFileName(name);
  const std::string head = writer_.BuildHead(HeadTitle(title), {}, {.media = true});
  writer_.BeginPage(&page, site::kPageSlide, head, {}, strip);
  writer_.WriteTopLinks(&page, bar, true);
  if (options_.m_bSlideCaptionAbove && !item.title.empty()) {
    page += "<p class=\"vx-sldcap\">" + converter_.ConvertText(item.title) + "</p>\r\n";
  }
  page += "<div class=\"vx-sldgal\">" + Presentation(item, placed, name) + "</div>\r\n";
  page += DownloadLink(item, placed, name);
  page += BelowImage(item, services);
  if (options_.m_bSlideCitations && !item.citations.empty()) {
    const std::string items = services.CitationItems(item.citations);
    if (!items.empty()) {
      page += "<p><div class=\"vx-ftsec\">" + options_.m_strLblFootnotes + "</div>\r\n";
      page += "<p><div class=\"vx-sldsrc\"><ol>" + items + "</ol></div>";
    }
  }
  writer_.WriteBottomLinks(&page, {}, strip, bar, true);
  writer_.EndPage(&page, site::kPageSlide, true);
  return page;
}

}  // namespace vellix::media
