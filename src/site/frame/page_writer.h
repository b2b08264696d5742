// The frame every page of the site shares: document type, head, body tag,
// header, title block, navigation bars, dividers, footer and closing lines.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "site/frame/date_picture.h"

namespace vellix {
class COptions;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

/// Page kinds; each has its own body class and header and footer group.
/// Any other number behaves like kPageFamily for the body class and like
/// kPageIndex for header and footer.
enum PageKind : int {
  kPageSurname = 1,
  kPageIndex = 2,
  kPageFamily = 3,
  kPageBibliography = 4,
  kPageRepository = 5,
  kPageFootnotes = 6,  // the footnotes frame of a family page
  kPageGallery = 7,    // multimedia thumbnails
  kPageSlide = 8,      // multimedia slide
};

/// True for the kinds whose files lie in the multimedia folder.
inline bool IsMediaKind(int kind) { return kind == kPageGallery || kind == kPageSlide; }

/// The address the generated-by line links to.
inline constexpr std::string_view kProductHomePage = "https://vellix.org/";

/// Which single link the bar of a multimedia page carries.
enum class MediaBarLink {
  kBibliography,  // the first bibliography page, behind the relative prefix
  kGroupSheet,    // the gallery owner's family page, behind the relative prefix
  kGallery,       // a gallery page the caller names
};

/// What kind of page a head is built for.
struct HeadOptions {
  bool frameset = false;       // the frameset page of framed footnotes
  bool is_start_page = false;  // the first surname page: the Generator meta element
  bool media = false;          // gallery and slide pages, one folder down
};

/// Which bibliography bar a page gets.
struct BibliographyBarOptions {
  bool short_form = false;       // standalone bibliography run: fewer links
  bool with_repository = false;  // the repository link, when those pages exist
  bool parent_target = false;    // links open in the parent frame
};

/// Builds the frame of the site's pages from the option set. Each
/// page-producing subsystem owns one writer, calls Prepare once per run and
/// then, per page: SetTitle, SetFileName, BuildHead, BeginPage,
/// WriteTopLinks, its content, WriteBottomLinks, EndPage, and hands the
/// assembled text to WritePageFile (page_file.h). Pages are assembled in one
/// string that the Begin/Write/End operations append to.
///
/// The option set must outlive the writer; the writer reads it in Prepare
/// (fixed strings and dividers) and when building bars and heads. Texts are
/// UTF-8; option texts are user HTML and are put in as they stand, the
/// caller escapes what comes from the GEDCOM file.
class PageWriter {
 public:
  /// `strict_doctype` is the run's strict-doctype flag (no target
  /// attribute anywhere while it is set); `clock` tells the revision date
  /// and must outlive the writer.
  PageWriter(const COptions& options, const platform::Clock& clock,
             bool strict_doctype = false);
  /// The writer of a generation run: its option set, clock and
  /// strict-doctype flag.
  explicit PageWriter(const RunContext& ctx);

  /// Month and day names for the revision date (default: DateNames::User()).
  /// The names must outlive the writer.
  void set_date_names(const DateNames* names) { date_names_ = names; }
  void set_strict_doctype(bool strict) { strict_ = strict; }
  bool strict_doctype() const { return strict_; }

  /// Fills the per-run fields: relative prefix (for `media_pages`), fixed
  /// strings, dividers (reading divider image sizes), list page file names,
  /// the revision date (from the clock) and headers and footers.
  void Prepare(bool media_pages);
  /// "%file%" becomes the part of `full_path` after its last backslash or
  /// slash.
  void SetFileName(std::string_view full_path);
  /// The title block of the next page of `kind`; `text` is the caller's
  /// title (family names, gallery title), `count1`/`count2` the counts of
  /// the subtitle of surname and index pages.
  void SetTitle(int kind, std::string_view text, int count1 = 0, int count2 = 0);
  /// The head of the page up to "</head>"; remembered as head().
  std::string BuildHead(std::string_view title, std::string_view extra_keywords,
                        const HeadOptions& options = {});
  std::string BodyTag(int kind) const;
  std::string Closing(bool media) const;
  /// `text` with "%file%", "%title%" and "%revised%" (any letter case)
  /// replaced by this page's file name, title and revision date.
  std::string ApplyTemplate(std::string_view text) const;
  std::string OpenClassed(std::string_view class_name) const;
  std::string CloseClassed() const;
  /// One anchor. Target: none under a strict doctype, else `target`, or
  /// "_parent" (`parent_target`) / "_self" when `target` is empty.
  std::string MakeLink(bool parent_target, std::string_view href, std::string_view target,
                       std::string_view title, std::string_view text) const;

  void BeginPage(std::string* page, int kind, std::string_view head,
                 std::string_view extra1 = {}, std::string_view extra2 = {});
  void WriteTopLinks(std::string* page, std::string_view bar,
                     bool with_top_divider) const;
  void WriteBottomLinks(std::string* page, std::string_view extra1,
                        std::string_view extra2, std::string_view bar,
                        bool with_bottom_divider) const;
  void EndPage(std::string* page, int kind, bool media) const;
  /// Appends `text` to the page; bytes that are not UTF-8 become U+FFFD, so
  /// the page always matches its charset declaration.
  static void WritePage(std::string* page, std::string_view text);

  /// The generated-by line of the first surname page (before its footer).
  static std::string GeneratedByLine();

  // Navigation bars (navigation_bars.cc). Each leaves out the link to its
  // own kind of page; a bar without any of its links is "".
  std::string FamilyBar(bool parent_target, bool with_bibliography) const;
  std::string IndexBar(bool parent_target, bool with_bibliography) const;
  std::string SurnameBar(bool parent_target, bool with_bibliography) const;
  /// `with_repository`: the caller wants the repository link (shown when
  /// repository pages are generated).
  std::string BibliographyBar(const BibliographyBarOptions& options) const;
  std::string RepositoryBar(bool short_form, bool parent_target) const;
  /// The bar of the footnotes frame: back to the frameset `family_page_file`.
  std::string FootnoteFrameBar(std::string_view family_page_file) const;
  /// The bar of a multimedia page with one link; `href` is the family page
  /// file (kGroupSheet, put behind the relative prefix) or the gallery page
  /// (kGallery, used as given); kBibliography ignores it.
  std::string MediaBar(MediaBarLink link, bool parent_target,
                       std::string_view href) const;

  // Fields filled by Prepare and the per-page operations.
  const std::string& head() const { return head_; }
  const std::string& title_block() const { return title_block_; }
  const std::string& relative_prefix() const { return relative_prefix_; }
  const std::string& line_break() const { return line_break_; }
  const std::string& paragraph_open() const { return paragraph_open_; }
  const std::string& paragraph_close() const { return paragraph_close_; }
  const std::string& top_divider() const { return top_divider_; }
  const std::string& bottom_divider() const { return bottom_divider_; }
  const std::string& thick_divider() const { return thick_divider_; }
  const std::string& thin_divider() const { return thin_divider_; }
  const std::string& first_index_file() const { return first_index_file_; }
  const std::string& first_surname_file() const { return first_surname_file_; }
  const std::string& first_bibliography_file() const { return first_bibliography_file_; }
  const std::string& first_repository_file() const { return first_repository_file_; }
  const std::string& family_div_open() const { return family_div_open_; }
  const std::string& index_div_open() const { return index_div_open_; }
  const std::string& div_close() const { return div_close_; }
  const std::string& link_separator() const { return link_separator_; }
  const std::string& file_value() const { return file_value_; }
  const std::string& title_value() const { return title_value_; }
  const std::string& revised_value() const { return revised_value_; }

 private:
  struct ExtraLinks {
    std::string lead;
    std::string tail;
  };
  /// The three extra links placed by their first-line/second-line choice.
  ExtraLinks BuildExtraLinks(bool parent_target, bool surname_page) const;
  std::string HomeLink(bool parent_target) const;
  std::string LabelLink(bool parent_target, std::string_view href,
                        std::string_view label) const;
  /// "\r\n<div class=...>" + lead + the present links joined by the
  /// separator + tail + "</div>".
  std::string Bar(std::string_view div_class, const ExtraLinks& extras,
                  std::initializer_list<std::string_view> links) const;
  const std::string& HeaderOf(int kind) const;
  const std::string& FooterOf(int kind) const;

  const COptions& options_;
  const platform::Clock& clock_;
  bool strict_ = false;
  const DateNames* date_names_ = nullptr;
  std::string head_;
  std::string body_tag_;
  std::string title_block_;
  std::string standard_header_, standard_footer_;
  std::string surname_header_, surname_footer_;
  std::string media_header_, media_footer_;
  std::string line_break_ = "<br>";
  std::string paragraph_open_ = "<p>";
  std::string paragraph_close_ = "</p>\r\n";
  std::string top_divider_, bottom_divider_, thick_divider_, thin_divider_;
  std::string first_index_file_, first_surname_file_;
  std::string first_bibliography_file_, first_repository_file_;
  std::string family_div_open_, index_div_open_, div_close_;
  std::string link_separator_;
  std::string relative_prefix_;
  std::string media_folder_path_;  // media pages: their folder below the site
  std::string file_value_, title_value_, revised_value_;
};

}  // namespace vellix::site
