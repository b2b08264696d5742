#include "site/frame/dividers.h"

#include "options/options.h"
#include "platform/file_system.h"
#include "text/html_escape.h"
#include "text/paths.h"

namespace vellix::site {
namespace {

struct DividerSettings {
  int mode;
  const std::string& image;
  bool stretch;
};

DividerSettings SettingsOf(const COptions& o, DividerSlot slot) {
  switch (slot) {
    case DividerSlot::kTop:
      return {o.m_nDividerTop, o.m_strDividerTopImage, o.m_bDividerTopStretch};
    case DividerSlot::kBottom:
      return {o.m_nDividerBottom, o.m_strDividerBottomImage, o.m_bDividerBottomStretch};
    case DividerSlot::kThick:
      return {o.m_nDividerThick, o.m_strDividerThickImage, o.m_bDividerThickStretch};
    case DividerSlot::kThin:
      break;
  }
  return {o.m_nDividerThin, o.m_strDividerThinImage, o.m_bDividerThinStretch};
}

}  // namespace

std::string DividerImageTag(std::string_view relative_prefix, std::string_view image_path,
                            std::string_view alt_text, bool stretch,
                            const std::optional<ImageSize>& size) {
  std::string tag = "<img src=\"";
  tag += relative_prefix;
  tag += text::UrlForm(image_path, false);
  tag += "\" alt=\"";
  tag += text::EscapeHtml(alt_text);
  tag += '"';
  if (stretch) {
    tag += " width=\"100%\"";
  } else if (size) {
    tag += " width=\"" + std::to_string(size->width) + "\"";
  }
  if (size) tag += " height=\"" + std::to_string(size->height) + "\"";
  tag += '>';
  return tag;
}

std::string DividerHtml(DividerSlot slot, int mode, std::string_view image_tag) {
  const bool image = mode == kDividerImage;
  std::string html = "\r\n";
  switch (slot) {
    case DividerSlot::kTop:
      if (!image) return html + "<div class=\"vx-bar mt\"></div>";
      return html + "<div class=\"vx-tbar\">" + std::string(image_tag) + "</div>";
    case DividerSlot::kBottom:
      if (!image) return html + "<div class=\"vx-bar mb\"></div>";
      return html + "<div class=\"vx-bbar\">" + std::string(image_tag) + "</div>";
    case DividerSlot::kThick:
      if (!image) return html + "<div class=\"vx-bar mt\"></div>";
      return html + "<div class=\"vx-kbar\">" + std::string(image_tag) + "</div>\r\n";
    case DividerSlot::kThin:
      break;
  }
  if (!image) return html + "<div class=\"vx-bar tt\"></div>";
  return html + "<div class=\"vx-nbar\">" + std::string(image_tag) + "</div>\r\n";
}

std::string BuildDivider(const COptions& options, DividerSlot slot,
                         std::string_view relative_prefix) {
  const DividerSettings settings = SettingsOf(options, slot);
  std::string image_tag;
  if (settings.mode == kDividerImage && !settings.image.empty()) {
    std::string file = settings.image;
    if (!platform::IsAbsolutePath(file)) {
      std::string folder = options.m_strDestFolder;
      text::AddBackslash(&folder, true);
      file = folder + file;
    }
    image_tag = DividerImageTag(relative_prefix, settings.image, options.m_strDividerText,
                                settings.stretch, ReadImageSize(file));
  }
  return DividerHtml(slot, settings.mode, image_tag);
}

}  // namespace vellix::site
