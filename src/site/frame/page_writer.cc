#include "site/frame/page_writer.h"

#include "model/run_context.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "site/frame/dividers.h"
#include "site/frame/extras_frame.h"
#include "text/charset.h"
#include "text/html_escape.h"
#include "text/paths.h"
#include "text/string_ops.h"
#include "text/text_tidy.h"

namespace vellix::site {
namespace {

// An option text with "\r\n" after it when it is not empty.
std::string WithLineEnd(const std::string& text) {
  return text.empty() ? text : text + "\r\n";
}

// The user's HTML blocks of one group (standard or multimedia pages).
struct UserBlocks {
  const std::string& before_html;
  const std::string& after_html;
  const std::string& after_head;
  const std::string& before_head_end;
  const std::string& body_attrs;
  const std::string& after_body;
  const std::string& before_body_end;
  const std::string& before_html_end;
  const std::string& after_html_end;
};

UserBlocks BlocksOf(const COptions& o, bool media) {
  if (media) {
    return {
        o.m_strMediaBeforeHtml,    o.m_strMediaAfterHtml,     o.m_strMediaAfterHead,
        o.m_strMediaBeforeHeadEnd, o.m_strMediaBodyAttrs,     o.m_strMediaAfterBody,
        o.m_strMediaBeforeBodyEnd, o.m_strMediaBeforeHtmlEnd, o.m_strMediaAfterHtmlEnd};
  }
  return {o.m_strStdBeforeHtml,    o.m_strStdAfterHtml,     o.m_strStdAfterHead,
          o.m_strStdBeforeHeadEnd, o.m_strStdBodyAttrs,     o.m_strStdAfterBody,
          o.m_strStdBeforeBodyEnd, o.m_strStdBeforeHtmlEnd, o.m_strStdAfterHtmlEnd};
}

// The script behind hidden e-mail addresses: hide(user, domain) writes the
// mailto link at view time, so the address never stands whole in the page.
constexpr std::string_view kHideScript =
    "<script type=\"text/javascript\">\r\n"
    "<!--\r\n"
    "function hide(user, domain)\r\n"
    "{ document.write('<a href=\"mailto:' + user);\r\n"
    "  document.write('@' + domain + '\">' + user);\r\n"
    "  document.write('@' + domain + '<\\/a>'); }\r\n"
    "//-->\r\n"
    "</script>\r\n";

}  // namespace

PageWriter::PageWriter(const COptions& options, const platform::Clock& clock,
                       bool strict_doctype)
    : options_(options), clock_(clock), strict_(strict_doctype) {}

PageWriter::PageWriter(const RunContext& ctx)
    : PageWriter(ctx.options, ctx.env.clock(), ctx.flags.strictConformance) {}

void PageWriter::Prepare(bool media_pages) {
  const COptions& o = options_;
  relative_prefix_.clear();
  media_folder_path_.clear();
  if (media_pages) {
    std::string dest = o.m_strDestFolder;
    text::AddBackslash(&dest, false);
    const std::string media_folder = text::CombinePath(dest, o.m_strMediaDestFolder);
    std::string back = text::RelativePath(media_folder, dest);
    text::AddBackslash(&back, true);
    relative_prefix_ = text::UrlForm(back, false);
    media_folder_path_ = text::RelativePath(dest, media_folder);
    text::AddBackslash(&media_folder_path_, true);
  }
  link_separator_ = o.m_strNavSeparator;
  line_break_ = o.m_bMonoFont ? "\r\n" : "<br>";
  paragraph_open_ = o.m_bMonoFont ? "" : "<p>";
  paragraph_close_ = o.m_bMonoFont ? "\r\n" : "</p>\r\n";
  family_div_open_ = "<div class=\"vx-fam\">";
  index_div_open_ = "<div class=\"vx-idx\">";
  div_close_ = "</div>";

  top_divider_ = BuildDivider(o, DividerSlot::kTop, relative_prefix_);
  bottom_divider_ = BuildDivider(o, DividerSlot::kBottom, relative_prefix_);
  thick_divider_ = BuildDivider(o, DividerSlot::kThick, relative_prefix_);
  thin_divider_ = BuildDivider(o, DividerSlot::kThin, relative_prefix_);

  title_block_.clear();

  const std::string ext = text::PageExtension(o.m_strFileExt);
  first_index_file_ = o.m_strFilePrefix + "name1" + ext;
  first_surname_file_ =
      o.m_bAltSurnameFile ? o.m_strAltSurnameFile : o.m_strFilePrefix + "main" + ext;
  first_bibliography_file_ = o.m_strFilePrefix + "bib1" + ext;
  first_repository_file_ = o.m_strFilePrefix + "rep1" + ext;

  const std::tm today = clock_.LocalNow();
  revised_value_ =
      FormatDatePicture(today, o.m_strRevisedFormat,
                        date_names_ != nullptr ? *date_names_ : DateNames::User());

  standard_header_ = WithLineEnd(o.m_strFamilyHeader);
  standard_footer_ = WithLineEnd(o.m_strFamilyFooter);
  surname_header_ = WithLineEnd(o.m_strSurnameHeader);
  surname_footer_ = WithLineEnd(o.m_strSurnameFooter);
  media_header_ = WithLineEnd(o.m_strMediaHeader);
  media_footer_ = WithLineEnd(o.m_strMediaFooter);
}

void PageWriter::SetFileName(std::string_view full_path) {
  file_value_ = platform::FileNameOf(full_path);
}

void PageWriter::SetTitle(int kind, std::string_view text, int count1, int count2) {
  const COptions& o = options_;
  std::string css_class = "vx-title";
  std::string title_text;
  bool subtitle = false;
  switch (kind) {
    case kPageSurname:
      title_text = o.m_strHeadingSurname;
      subtitle = true;
      break;
    case kPageIndex:
      title_text = o.m_strHeadingIndex;
      subtitle = true;
      break;
    case kPageFamily:
      if (o.m_bTitleAtTop) {
        css_class = "vx-famtitle";
        std::string inner;
        if (o.m_bTitleAndNames) {
          inner = o.m_strHeadingFamily + std::string(text);
        } else if (o.m_bTitleNames) {
          inner = std::string(text);
        } else {
          inner = o.m_strHeadingFamily;
        }
        title_text = "<div class=\"vx-namtitle\">" + inner + "</div>";
      }
      break;
    case kPageBibliography:
      title_text = o.m_strHeadingBiblio;
      break;
    case kPageRepository:
      title_text = o.m_strHeadingRepository;
      break;
    case kPageGallery:
      css_class = "vx-thmtitle";
      title_text = std::string(text);
      break;
    case kPageSlide:
      css_class = "vx-sldtitle";
      title_text = std::string(text);
      break;
    default:
      break;
  }
  if (title_text.empty()) return;
  title_block_ = "<div class=\"" + css_class + "\">" + title_text + "</div>";
  if (subtitle) {
    title_block_ += "\r\n<div class=\"vx-subtitle\">" + std::to_string(count1) + " " +
                    o.m_strLblIndividualsIn + " " + std::to_string(count2) + " " +
                    o.m_strLblFamilies + "</div>";
  } else {
    title_block_ += "\r\n";
  }
}

std::string PageWriter::BuildHead(std::string_view title, std::string_view extra_keywords,
                                  const HeadOptions& options) {
  const bool frameset = options.frameset;
  const bool is_start_page = options.is_start_page;
  const bool media = options.media;
  const COptions& o = options_;
  std::string doctype;
  std::string before_html, after_html, after_head, before_head_end;
  if (frameset) {
    doctype = o.m_strDtdFrames;
  } else {
    doctype = o.m_strDtdPages;
    const UserBlocks blocks = BlocksOf(o, media);
    before_html = blocks.before_html;
    after_html = blocks.after_html;
    after_head = blocks.after_head;
    before_head_end = blocks.before_head_end;
  }
  // %title% in the blocks stands for this page's title.
  title_value_ = std::string(title);
  if (!doctype.empty()) doctype += "\r\n";

  std::string head = doctype;
  head += ApplyTemplate(before_html);
  head += "<html>";
  head += ApplyTemplate(after_html);
  head += "<head>\r\n";
  head += ApplyTemplate(after_head);
  head += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n";
  head += "<title>";
  head += title;
  head += "</title>\r\n";

  std::string keywords = o.m_strKeywords;
  if (!extra_keywords.empty()) {
    if (!keywords.empty()) keywords += ',';
    keywords += extra_keywords;
  }
  // Option values written into attributes are escaped for them; the user's
  // own HTML blocks, headers and footers stay HTML.
  head +=
      "<meta name=\"Keywords\" content=\"" + text::EscapeAttribute(keywords) + "\">\r\n";
  head += "<meta name=\"Description\" content=\"" +
          text::EscapeAttribute(o.m_strDescription) + "\">\r\n";
  head += "<meta name=\"Author\" content=\"" + text::EscapeAttribute(o.m_strAuthor) +
          "\">\r\n";
  if (is_start_page) {
    head += "<meta name=\"Generator\" content=\"";
    head += platform::kProductName;
    head += ' ';
    head += platform::ProductVersion();
    head += "\">\r\n";
  }
  if (!frameset) {
    const std::string& prefix = media ? relative_prefix_ : std::string();
    if (!is_start_page) {
      head += "<link rel=\"Start\" type=\"text/html\" title=\"" +
              text::EscapeAttribute(o.m_strTitleSurname) + "\" href=\"" + prefix +
              first_surname_file_ + "\">\r\n";
    }
    head += "<link rel=\"StyleSheet\" type=\"text/css\" href=\"" + prefix +
            o.m_strFilePrefix + "base.css\">\r\n";
    // A literal ";" inside a path is written ";;"; single ones separate.
    std::string sheets = o.m_strExternalCss;
    text::ReplaceAll(&sheets, ";;", "|");
    size_t pos = 0;
    while (pos <= sheets.size()) {
      size_t end = sheets.find(';', pos);
      if (end == std::string::npos) end = sheets.size();
      std::string piece(text::TrimSpace(std::string_view(sheets).substr(pos, end - pos)));
      text::ReplaceAll(&piece, "|", ";");
      if (!piece.empty()) {
        head += "<link rel=\"StyleSheet\" type=\"text/css\" href=\"" + prefix +
                text::UrlForm(piece, false) + "\">\r\n";
      }
      pos = end + 1;
    }
    if (o.m_bHideMail) head += kHideScript;
  }
  if (!frameset) {
    head += ExtrasHeadLines(o, (media ? media_folder_path_ : std::string()) + file_value_);
  }
  head += ApplyTemplate(before_head_end);
  head += "</head>\r\n";
  head_ = head;
  return head;
}

std::string PageWriter::BodyTag(int kind) const {
  const char* css_class = "vx-bfam";
  switch (kind) {
    case kPageSurname:
      css_class = "vx-bsur";
      break;
    case kPageIndex:
      css_class = "vx-bidx";
      break;
    case kPageBibliography:
      css_class = "vx-bbib";
      break;
    case kPageRepository:
      css_class = "vx-brep";
      break;
    case kPageGallery:
      css_class = "vx-bthm";
      break;
    case kPageSlide:
      css_class = "vx-bsld";
      break;
    default:
      break;
  }
  const UserBlocks blocks = BlocksOf(options_, IsMediaKind(kind));
  std::string tag = "<body class=\"vx-body ";
  tag += css_class;
  tag += '"';
  if (!blocks.body_attrs.empty()) tag += " " + blocks.body_attrs;
  tag += ">\r\n";
  tag += ApplyTemplate(blocks.after_body);
  return tag;
}

std::string PageWriter::Closing(bool media) const {
  const COptions& o = options_;
  std::string text;
  if (!o.m_strLblRevised.empty()) {
    text += "\r\n<p class=\"vx-rev\">" + o.m_strLblRevised + ": " + revised_value_ +
            "</p>\r\n";
  }
  if (!o.m_strCopyright.empty())
    text += "\r\n<p class=\"vx-copy\">" + o.m_strCopyright + "</p>";
  const UserBlocks blocks = BlocksOf(o, media);
  text += blocks.before_body_end;
  text += "</body>";
  text += blocks.before_html_end;
  text += "</html>\r\n";
  text += blocks.after_html_end;
  return ApplyTemplate(text);
}

std::string PageWriter::ApplyTemplate(std::string_view text) const {
  std::string out(text);
  if (out.find('%') == std::string::npos) return out;
  text::ReplaceNoCase(&out, "%file%", file_value_);
  text::ReplaceNoCase(&out, "%title%", title_value_);
  text::ReplaceNoCase(&out, "%revised%", revised_value_);
  return out;
}

std::string PageWriter::OpenClassed(std::string_view class_name) const {
  const char* element = options_.m_bMonoFont ? "<div class=\"" : "<p class=\"";
  return std::string(element) + std::string(class_name) + "\">";
}

std::string PageWriter::CloseClassed() const {
  return options_.m_bMonoFont ? "</div>" : "</p>";
}

std::string PageWriter::MakeLink(bool parent_target, std::string_view href,
                                 std::string_view target, std::string_view title,
                                 std::string_view text) const {
  std::string link = "<a href=\"";
  link += href;
  link += '"';
  if (!strict_) {
    link += " target=\"";
    if (!target.empty()) {
      link += target;
    } else {
      link += parent_target ? "_parent" : "_self";
    }
    link += '"';
  }
  if (!title.empty()) {
    link += " title=\"";
    link += title;
    link += '"';
  }
  link += '>';
  link += text;
  link += "</a>";
  return link;
}

const std::string& PageWriter::HeaderOf(int kind) const {
  if (kind == kPageSurname) return surname_header_;
  if (IsMediaKind(kind)) return media_header_;
  return standard_header_;
}

const std::string& PageWriter::FooterOf(int kind) const {
  if (kind == kPageSurname) return surname_footer_;
  if (IsMediaKind(kind)) return media_footer_;
  return standard_footer_;
}

void PageWriter::BeginPage(std::string* page, int kind, std::string_view head,
                           std::string_view extra1, std::string_view extra2) {
  if (!head.empty()) WritePage(page, head);
  body_tag_ = BodyTag(kind);
  WritePage(page, body_tag_);
  if (kind == kPageFootnotes) return;
  WritePage(page, ApplyTemplate(HeaderOf(kind)));
  WritePage(page, title_block_);
  if (kind == kPageSurname || kind == kPageIndex) WritePage(page, SearchBox(options_));
  WritePage(page, extra1);
  if (!extra2.empty()) {
    WritePage(page, extra2);
    WritePage(page, "\r\n");
  }
}

void PageWriter::WriteTopLinks(std::string* page, std::string_view bar,
                               bool with_top_divider) const {
  if (options_.m_bLinksTop) WritePage(page, bar);
  if (with_top_divider && options_.m_nDividerTop != kDividerExclude) {
    WritePage(page, top_divider_);
  }
}

void PageWriter::WriteBottomLinks(std::string* page, std::string_view extra1,
                                  std::string_view extra2, std::string_view bar,
                                  bool with_bottom_divider) const {
  if (with_bottom_divider && options_.m_nDividerBottom != kDividerExclude) {
    WritePage(page, bottom_divider_);
    WritePage(page, "\r\n");
  }
  WritePage(page, extra1);
  WritePage(page, extra2);
  if (options_.m_bLinksBottom) WritePage(page, bar);
}

void PageWriter::EndPage(std::string* page, int kind, bool media) const {
  // The footnotes frame carries no header and no footer.
  WritePage(page, "\r\n");
  if (kind != kPageFootnotes) WritePage(page, ApplyTemplate(FooterOf(kind)));
  WritePage(page, Closing(media));
}

void PageWriter::WritePage(std::string* page, std::string_view text) {
  if (text.empty()) return;
  if (charset::IsValidUtf8(text)) {
    page->append(text);
  } else {
    page->append(charset::SanitizeUtf8(text));
  }
}

std::string PageWriter::GeneratedByLine() {
  std::string line =
      "\r\n<p class=\"vx-ver\">Generated by <span class=\"vx-vx\"><a href=\"";
  line += kProductHomePage;
  line += "\" title=\"Download your copy now!\">";
  line += platform::kProductName;
  line += "</a></span> ";
  line += platform::ProductVersion();
  line += "</p>";
  return line;
}

}  // namespace vellix::site
