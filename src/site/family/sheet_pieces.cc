// The HTML pieces of a group sheet that come from the user's own files:
// group and individual images, imported text, biography and narrative links,
// relationship text, the image column and the label table.
#include <algorithm>
#include <cctype>

#include "model/run_context.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/image_size.h"
#include "run/warning_log.h"
#include "site/family/family_sheet_writer.h"
#include "text/charset.h"
#include "text/html_escape.h"
#include "text/string_ops.h"
#include "text/text_tidy.h"

namespace vellix::site {
namespace {

// The imported text holds at most this many bytes (20000 pieces of 1024).
constexpr size_t kMaxImportBytes = 20000u * 1024u;

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// What lies between the body tags of an HTML file; the whole file when it
// has no body tag.
std::string_view BodyOf(std::string_view html) {
  const std::string upper = Upper(html);
  size_t begin = 0;
  size_t end = html.size();
  bool in_body = false;
  size_t at = 0;
  while ((at = upper.find('<', at)) != std::string::npos) {
    if (!in_body && upper.compare(at, 5, "<BODY") == 0) {
      const size_t close = upper.find('>', at);
      if (close == std::string::npos) break;
      begin = close + 1;
      in_body = true;
      at = begin;
      continue;
    }
    if (upper.compare(at, 6, "</BODY") == 0) {
      end = at;
      break;
    }
    ++at;
  }
  if (end < begin) end = begin;
  return html.substr(begin, end - begin);
}

// "<a href=... title=...[ target=...]>label</a>": the title comes before
// the target in these links.
std::string CustomLink(const std::string& href, const std::string& prompt,
                       const std::string& target, const std::string& label, bool strict,
                       bool parent_target) {
  std::string link = "<a href=\"" + href + "\" title=\"" + prompt + "\"";
  if (!strict) {
    link += " target=\"";
    link += !target.empty() ? target : (parent_target ? "_parent" : "_self");
    link += "\"";
  }
  return link + ">" + label + "</a>";
}

std::string LinkText(std::string text, const std::string& link) {
  if (!text::ReplaceNoCase(&text, "%link%", link)) text += link;
  return text;
}

}  // namespace

std::string FamilySheetWriter::CustomFilePath(std::string_view folder,
                                              std::string_view name) const {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  path += name;
  return path;
}

std::string FamilySheetWriter::InDestination(std::string_view path) const {
  if (platform::IsAbsolutePath(path)) return std::string(path);
  std::string full = options_.m_strDestFolder;
  text::AddBackslash(&full, true);
  return full + std::string(path);
}

bool FamilySheetWriter::CustomFileExists(std::string_view folder,
                                         std::string_view name) const {
  return ctx_.env.files().FileExists(
      platform::NativePath(InDestination(CustomFilePath(folder, name))));
}

std::string FamilySheetWriter::SizeAttributes(std::string_view folder,
                                              std::string_view name) const {
  const auto size = platform::ReadImageSize(
      platform::NativePath(InDestination(CustomFilePath(folder, name))));
  if (!size) return {};
  return " width=\"" + std::to_string(size->width) + "\" height=\"" +
         std::to_string(size->height) + "\"";
}

std::string FamilySheetWriter::LinkedFilePath(std::string_view folder,
                                              std::string_view name) const {
  std::string path = CustomFilePath(folder, name);
  return options_.m_bLowerCaseNames ? text::AsciiLower(path) : path;
}

static std::string UrlOf(const std::string& path) {
  std::string url = path;
  std::replace(url.begin(), url.end(), '\\', '/');
  return text::EscapeUrlPath(url);
}

std::string FamilySheetWriter::GroupImage(const SheetFamily& family) const {
  // A family portrait from the multimedia galleries would take precedence
  // here once galleries exist.
  const CAttributes& a = family.attributes;
  if (!options_.m_bGroupImages || a.m_strImage.empty()) return {};
  const std::string path = CustomFilePath(options_.m_strGroupImageFolder, a.m_strImage);
  if (!CustomFileExists(options_.m_strGroupImageFolder, a.m_strImage)) {
    ctx_.warnings().Add(WarningCode::kGroupImageMissing, path, family.page_id);
  }
  const std::string alt = text::EscapeHtml(
      a.m_strCaption.empty() ? platform::FileNameOf(a.m_strImage) : a.m_strCaption);
  std::string img = "<img class=\"vx-grpimg\" src=\"" + UrlOf(path) + "\" alt=\"" + alt +
                    "\" title=\"" + alt + "\"" +
                    SizeAttributes(options_.m_strGroupImageFolder, a.m_strImage) + ">";
  if (!a.m_strCaption.empty()) {
    img += "<br><span class=\"vx-cap\">" + text::EscapeHtml(a.m_strCaption) + "</span>";
  }
  return "\r\n<div class=\"vx-grp\">" + img + "</div>\r\n";
}

std::string FamilySheetWriter::IndividualImage(const SheetPerson& person) const {
  const CAttributes& a = person.attributes;
  if (a.m_strImage.empty()) return {};
  const std::string path = CustomFilePath(options_.m_strIndivImageFolder, a.m_strImage);
  if (!CustomFileExists(options_.m_strIndivImageFolder, a.m_strImage)) {
    ctx_.warnings().Add(WarningCode::kIndividualImageMissing, path, current_page_id_,
                        person.facts.display_name);
  }
  const std::string alt = text::EscapeHtml(
      a.m_strCaption.empty() ? platform::FileNameOf(a.m_strImage) : a.m_strCaption);
  std::string img = "<img class=\"vx-indimg\" src=\"" + UrlOf(path) + "\" alt=\"" + alt +
                    "\" title=\"" + alt + "\"" +
                    SizeAttributes(options_.m_strIndivImageFolder, a.m_strImage) + ">";
  if (!a.m_strCaption.empty()) {
    img += "<br><span class=\"vx-cap\">" + text::EscapeHtml(a.m_strCaption) + "</span>";
  }
  return img;
}

std::string FamilySheetWriter::ImportedText(const SheetFamily& family) const {
  const std::string& name = family.attributes.m_strText;
  if (!options_.m_bImportText || name.empty()) return {};
  const std::string path = CustomFilePath(options_.m_strImportFolder, name);
  std::string data;
  std::string out = "<div class=\"vx-imp\">";
  if (!ctx_.env.files().ReadWholeFile(platform::NativePath(path), &data)) {
    ctx_.warnings().Add(WarningCode::kImportedTextMissing, path, family.page_id);
    return out + "</div>\r\n";
  }
  std::string_view content = data;
  bool utf8 = false;
  if (content.starts_with("\xEF\xBB\xBF")) {
    content.remove_prefix(3);
    utf8 = true;
  }
  if (options_.m_nImportContent == 1) content = BodyOf(content);
  if (content.size() > kMaxImportBytes) content = content.substr(0, kMaxImportBytes);
  // A file without a byte-order mark whose bytes are UTF-8 is taken as
  // UTF-8 too; only other files are read in the Windows code page.
  std::string text(content);
  if (!utf8 && !charset::IsValidUtf8(text)) text = charset::Windows1252ToUtf8(text);
  if (options_.m_nImportContent != 1) {
    text = text::EscapeHtml(text);
    std::string converted;
    converted.reserve(text.size());
    size_t at = 0;
    size_t found;
    while ((found = text.find("\r\n", at)) != std::string::npos) {
      converted.append(text, at, found - at);
      converted += "<br>\r\n";
      at = found + 2;
    }
    converted.append(text, at, std::string::npos);
    text = std::move(converted);
  }
  return out + text + "</div>\r\n";
}

std::string FamilySheetWriter::BiographyLink(const SheetPerson& person) const {
  if (!options_.m_bBiography || person.attributes.m_strLink.empty() ||
      person.facts.excluded) {
    return {};
  }
  const std::string path =
      LinkedFilePath(options_.m_strBioFolder, person.attributes.m_strLink);
  if (!ctx_.env.files().FileExists(platform::NativePath(InDestination(path)))) {
    ctx_.warnings().Add(WarningCode::kBiographyMissing, path, current_page_id_,
                        person.facts.display_name);
  }
  const std::string link = CustomLink(UrlOf(path), options_.m_strBioLinkPrompt,
                                      options_.m_strBioTarget, options_.m_strBioLinkLabel,
                                      page_writer_.strict_doctype(), parent_target_);
  return " <span class=\"vx-bio\">" + LinkText(options_.m_strBioLinkText, link) +
         "</span>";
}

std::string FamilySheetWriter::NarrativeLink(const SheetFamily& family) const {
  if (!options_.m_bNarrative || family.attributes.m_strLink.empty()) return {};
  const std::string path =
      LinkedFilePath(options_.m_strNarrFolder, family.attributes.m_strLink);
  if (!ctx_.env.files().FileExists(platform::NativePath(InDestination(path)))) {
    ctx_.warnings().Add(WarningCode::kNarrativeMissing, path, family.page_id);
  }
  const std::string link = CustomLink(
      UrlOf(path), options_.m_strNarrLinkPrompt, options_.m_strNarrTarget,
      options_.m_strNarrLinkLabel, page_writer_.strict_doctype(), parent_target_);
  return "<p class=\"vx-nar\">" + LinkText(options_.m_strNarrLinkText, link) + "</p>\r\n";
}

std::string FamilySheetWriter::RelationshipText(const SheetPerson& person) const {
  if (!options_.m_bRelationship || person.attributes.m_strText.empty() ||
      person.facts.excluded) {
    return {};
  }
  return "<span class=\"vx-rel\">" + text::EscapeHtml(person.attributes.m_strText) +
         "</span>";
}

std::string FamilySheetWriter::ImageColumn(int part) const {
  switch (part) {
    case 1:
      return "\r\n<table summary=\"" + options_.m_strTableText +
             "\" class=\"vx-tblimg\">\r\n<col width=\"85%\">\r\n<tr><td "
             "class=\"vx-tblimggrp\">" +
             (fixed_ ? page_writer_.family_div_open() : std::string());
    case 2:
      return (fixed_ ? page_writer_.div_close() : std::string()) +
             "</td>\r\n<td class=\"vx-tblimgpic\">";
    default:
      return "</td></tr>\r\n</table>\r\n";
  }
}

std::string FamilySheetWriter::OpenLabelTable(std::string_view class_name) const {
  if (!options_.m_bAlignLabels) return {};
  return "\r\n<table summary=\"" + options_.m_strTableText + "\" class=\"" +
         std::string(class_name) + "\">";
}

std::string FamilySheetWriter::CloseLabelTable() const {
  if (!options_.m_bAlignLabels) return {};
  return "</table>\r\n";
}

}  // namespace vellix::site
