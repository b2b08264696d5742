// Pieces shared by the bibliography and repository pages: numbered entries
// spread over numbered page files with a navigation strip between them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "run/run_statistics.h"
#include "site/frame/page_writer.h"

namespace vellix {
class COptions;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

/// The page holding entry `number` at `per_page` entries a page:
/// (max(number, 1) - 1) / max(per_page, 1) + 1.
int32_t PageOfNumber(int32_t number, int32_t per_page);

/// FilePrefix + `base` + page + extension ("grpbib3.html").
std::string NumberedPageFile(const COptions& options, std::string_view base,
                             int32_t page);

/// The full path of a page file in the destination folder.
std::string DestinationPath(const COptions& options, std::string_view file);

/// The entry number as the pages show it: printf "% 4d. " (entry 7 is
/// "   7. ", entry 1234 is " 1234. ").
std::string EntryNumberText(int32_t number);

/// The strip between the pages of a list: empty with one page, else
/// "\r\n<div class=\"<nav_class>\">" + prior link (none when `prior_file` is
/// empty) + "<span class=\"vx-page\">&nbsp; (p / pages) &nbsp;</span>" +
/// next link to `next_file` (none when page + 1 > pages) + "</div>".
std::string NavigationStripOf(std::string_view nav_class, int32_t page, int32_t pages,
                              std::string_view prior_file, std::string_view next_file,
                              std::string_view prior_label, std::string_view next_label);

/// Assembles and writes the pages of one list. The caller opens a page with
/// Open (its own opening content follows), appends entries to page(), and
/// Close finishes and writes it through WritePageFile.
class NumberedPageSet {
 public:
  NumberedPageSet(RunContext& ctx, PageWriter& writer, int kind, std::string_view base,
                  std::string_view title, std::string_view nav_class, FileGroup group,
                  int32_t pages);

  /// Starts page `page`: head, body, header, title, strip, top links. The
  /// previously opened page becomes the strip's prior link.
  void Open(int32_t page, std::string_view bar);
  /// Finishes the open page (content close `content_end`, bottom links,
  /// footer) and writes it; nothing when no page is open.
  void Close(std::string_view content_end, std::string_view bar);

  std::string* page() { return &page_; }
  bool is_open() const { return open_page_ > 0; }
  int32_t open_page() const { return open_page_; }

 private:
  RunContext& ctx_;
  PageWriter& writer_;
  int kind_;
  std::string base_;
  std::string title_;
  std::string nav_class_;
  FileGroup group_;
  int32_t pages_;
  int32_t open_page_ = 0;
  std::string prior_file_;
  std::string strip_;
  std::string path_;
  std::string page_;
};

}  // namespace vellix::site
