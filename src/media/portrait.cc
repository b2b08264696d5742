#include "media/portrait.h"

#include "media/media_gallery.h"
#include "options/options.h"
#include "text/html_escape.h"
#include "text/paths.h"
#include "text/text_converter.h"

namespace vellix::media {

int PortraitIndex(const std::vector<MediaItem>& items) {
  int first = -1;
  for (size_t i = 0; i < items.size(); ++i) {
    const MediaItem& item = items[i];
    if (item.web_address || !IsPicture(item.code)) continue;
    if (item.primary) return static_cast<int>(i);
    if (first < 0) first = static_cast<int>(i);
  }
  return first;
}

std::string PortraitHtml(const COptions& options, PortraitKind kind,
                         const MediaItem& item, const PortraitResult& portrait,
                         const text::TextConverter& converter,
                         std::string_view date_text) {
  const bool individual = kind == PortraitKind::kIndividual;
  const int32_t max =
      individual ? options.m_nIndivPortraitWidth : options.m_nFamilyPortraitSize;
  std::string width;
  if (portrait.animated && portrait.size.width > max) {
    width = " width=\"" + std::to_string(max) + "\"";
  }
  std::string folder = options.m_strMediaDestFolder;
  text::AddBackslash(&folder, true);
  const std::string src = text::UrlForm(folder, false) + UrlOf(portrait.path);
  const std::string alt = options.GetImageAltText(item.title, item.file_name);
  std::string html = "<img" + width + " class=\"" +
                     (individual ? "vx-indimg" : "vx-grpimg") + "\" src=\"" + src +
                     "\" alt=\"" + alt + "\" title=\"" + alt + "\">\r\n";
  const bool show_title =
      (individual ? options.m_bIndivPortraitCaption : options.m_bFamilyPortraitCaption) &&
      !item.title.empty();
  const bool show_date =
      (individual ? options.m_bIndivPortraitDate : options.m_bFamilyPortraitDate) &&
      !date_text.empty();
  if (show_title || show_date) {
    html += "<br><span class=\"vx-cap\">";
    if (show_title) html += converter.ConvertText(item.title);
    if (show_title && show_date) html += "<br>";
    if (show_date) html += text::EscapeHtml(date_text);
    html += "</span>\r\n";
  }
  return html;
}

}  // namespace vellix::media
