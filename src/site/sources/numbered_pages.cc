#include "site/sources/numbered_pages.h"

#include <algorithm>
#include <cstdio>

#include "model/run_context.h"
#include "options/options.h"
#include "site/frame/page_file.h"
#include "text/paths.h"

namespace vellix::site {

int32_t PageOfNumber(int32_t number, int32_t per_page) {
  return (std::max(number, 1) - 1) / std::max(per_page, 1) + 1;
}

std::string NumberedPageFile(const COptions& options, std::string_view base,
                             int32_t page) {
  return options.m_strFilePrefix + std::string(base) + std::to_string(page) +
         options.GetPageExtension();
}

std::string DestinationPath(const COptions& options, std::string_view file) {
  std::string path = options.m_strDestFolder;
  text::AddBackslash(&path, true);
  return path + std::string(file);
}

std::string EntryNumberText(int32_t number) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "% 4d. ", static_cast<int>(number));
  return buffer;
}

std::string NavigationStripOf(std::string_view nav_class, int32_t page, int32_t pages,
                              std::string_view prior_file, std::string_view next_file,
                              std::string_view prior_label, std::string_view next_label) {
  if (pages <= 1) return {};
  std::string strip = "\r\n<div class=\"";
  strip += nav_class;
  strip += "\">";
  if (!prior_file.empty()) {
    strip += "<a href=\"";
    strip += prior_file;
    strip += "\">";
    strip += prior_label;
    strip += "</a>";
  }
  strip += "<span class=\"vx-page\">&nbsp; (" + std::to_string(page) + " / " +
           std::to_string(pages) + ") &nbsp;</span>";
  if (page + 1 <= pages) {
    strip += "<a href=\"";
    strip += next_file;
    strip += "\">";
    strip += next_label;
    strip += "</a>";
  }
  strip += "</div>";
  return strip;
}

NumberedPageSet::NumberedPageSet(RunContext& ctx, PageWriter& writer, int kind,
                                 std::string_view base, std::string_view title,
                                 std::string_view nav_class, FileGroup group,
                                 int32_t pages)
    : ctx_(ctx),
      writer_(writer),
      kind_(kind),
      base_(base),
      title_(title),
      nav_class_(nav_class),
      group_(group),
      pages_(pages) {}

void NumberedPageSet::Open(int32_t page, std::string_view bar) {
  const COptions& o = ctx_.options;
  const std::string file = NumberedPageFile(o, base_, page);
  strip_ = NavigationStripOf(nav_class_, page, pages_, prior_file_,
                             NumberedPageFile(o, base_, page + 1), o.m_strNavPrior,
                             o.m_strNavNext);
  path_ = DestinationPath(o, file);
  page_.clear();
  writer_.SetTitle(kind_, {});
  writer_.SetFileName(path_);
  const std::string head = writer_.BuildHead(title_, {});
  writer_.BeginPage(&page_, kind_, head, {}, strip_);
  writer_.WriteTopLinks(&page_, bar, true);
  prior_file_ = file;
  open_page_ = page;
}

void NumberedPageSet::Close(std::string_view content_end, std::string_view bar) {
  if (open_page_ == 0) return;
  page_ += content_end;
  writer_.WriteBottomLinks(&page_, {}, strip_, bar, true);
  writer_.EndPage(&page_, kind_, false);
  WritePageFile(ctx_.env, ctx_.statistics, path_, page_, group_);
  page_.clear();
  open_page_ = 0;
}

}  // namespace vellix::site
