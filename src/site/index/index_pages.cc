#include "site/index/index_pages.h"

#include "model/run_context.h"
#include "options/options.h"
#include "site/frame/page_file.h"
#include "site/frame/page_writer.h"
#include "site/index/index_text.h"
#include "site/index/name_index.h"
#include "text/html_escape.h"
#include "text/paths.h"
#include "text/soundex.h"

namespace vellix::site {
namespace {

struct IconSlot {
  uint8_t bit;
  std::string_view file;
  std::string COptions::*label;
  bool custom;
};

// In the order the icons are written on a line.
constexpr IconSlot kIconSlots[] = {
    {kIconBiography, "b.gif", &COptions::m_strIconTextBiography, true},
    {kIconNarrative, "n.gif", &COptions::m_strIconTextNarrative, true},
    {kIconImage, "i.gif", &COptions::m_strIconTextImage, true},
    {kIconGroup, "g.gif", &COptions::m_strIconTextGroup, true},
    {kIconText, "t.gif", &COptions::m_strIconTextImport, true},
    {kIconFamilyGallery, "gf.gif", &COptions::m_strIconTextFamilyGallery, false},
    {kIconIndividualGallery, "gi.gif", &COptions::m_strIconTextIndivGallery, false},
};

std::string Icons(const COptions& o, uint8_t flags) {
  std::string out;
  for (const IconSlot& slot : kIconSlots) {
    if ((flags & slot.bit) == 0) continue;
    const bool on = slot.custom ? o.m_bCustomIcons : o.m_bGalleryIcons;
    if (!on) continue;
    const std::string& label = o.*slot.label;
    if (label.empty()) continue;
    const bool image = slot.custom ? o.m_bCustomIconImages : o.m_bGalleryIconImages;
    if (image) {
      out += " <img class=\"vx-idxico\" src=\"" + o.m_strFilePrefix +
             std::string(slot.file) + "\" alt=\"" + label + "\" title=\"" + label + "\">";
    } else {
      out += " " + label;
    }
  }
  return out;
}

// Writes the pages of one run, one page open at a time.
class IndexPagesWriter {
 public:
  IndexPagesWriter(RunContext& ctx, const NameIndex& index, PageWriter& writer)
      : ctx_(ctx), o_(ctx.options), index_(index), writer_(writer) {
    folder_ = o_.m_strDestFolder;
    text::AddBackslash(&folder_, true);
    pages_ = index.page_count();
    jump_tabs_ = IndexJumpTabs(o_, index.letters());
    bar_ = writer.IndexBar(false, true);
    continued_ = o_.m_strLblContinued;
    spacer_ = o_.m_bMonoFont ? " " : "&nbsp; ";
  }

  bool Run(bool* cancelled) {
    ctx_.progress.SetPhase("Generating index web pages...", 0, pages_ + 1, false);
    const std::vector<IndexEntry>& entries = index_.entries();
    size_t next_entry = 0;
    for (const SurnameGroup& group : index_.groups()) {
      for (size_t c = 0; c < group.chunks.size(); ++c) {
        const IndexChunk& chunk = group.chunks[c];
        if (ctx_.progress.IsCancelled()) {
          *cancelled = true;
          if (open_page_ != 0) ClosePage();
          return false;
        }
        const bool opens_page = chunk.page != open_page_;
        if (opens_page) {
          if (open_page_ != 0) {
            if (c > 0) {
              page_ += spacer_ + "<a name=\"vxcontinue\"></a><a href=\"" +
                       IndexPageFile(o_, chunk.page) + "\">" + continued_ + "...</a><br>";
            }
            ClosePage();
          }
          OpenPage(chunk.page);
        }
        WriteHeadings(group, c, opens_page);
        page_ += "<div class=\"vx-idxgvn\">";
        for (int32_t i = 0; i < chunk.count && next_entry < entries.size(); ++i) {
          page_ += IndexLine(o_, writer_, entries[next_entry++]);
        }
        page_ += "</div>";
        at_top_ = false;
      }
    }
    // A run without entries still has its first index page.
    if (open_page_ == 0) OpenPage(1);
    ClosePage();
    return all_written_;
  }

 private:
  void OpenPage(int32_t page) {
    open_page_ = page;
    at_top_ = true;
    page_.clear();
    path_ = folder_ + IndexPageFile(o_, page);
    strip_ = IndexNavigationStrip(o_, page, pages_);
    writer_.SetTitle(kPageIndex, "", index_.count(), ctx_.statistics.familiesSelected);
    writer_.SetFileName(path_);
    const std::string head = writer_.BuildHead(o_.m_strTitleIndex, "");
    writer_.BeginPage(&page_, kPageIndex, head, jump_tabs_, strip_);
    writer_.WriteTopLinks(&page_, bar_, true);
    if (page == 1 && !o_.m_strIndexIntro.empty()) {
      PageWriter::WritePage(&page_, writer_.ApplyTemplate(o_.m_strIndexIntro));
      page_ += "\r\n<p>\r\n";
    }
    page_ += writer_.index_div_open();
  }

  void ClosePage() {
    page_ += writer_.div_close();
    writer_.WriteBottomLinks(&page_, "", strip_, bar_, true);
    writer_.EndPage(&page_, kPageIndex, false);
    if (!WritePageFile(ctx_.env, ctx_.statistics, path_, page_, FileGroup::kIndex)) {
      all_written_ = false;
    }
    page_.clear();
    ctx_.progress.Step(open_page_);
  }

  void WriteHeadings(const SurnameGroup& group, size_t chunk, bool opens_page) {
    const bool new_letter = group.newLetter && chunk == 0;
    const std::string letter = IndexLetterOf(group.surname == "?" ? "" : group.surname);
    if (new_letter || opens_page) {
      if (o_.m_bMonoFont) {
        if (!at_top_) page_ += "\r\n";
      } else {
        page_ += writer_.paragraph_open();
      }
      if (new_letter) page_ += "<a name=\"" + AnchorName(letter) + "\"></a>";
      page_ += "<span class=\"vx-idxlet\">" + text::EscapeHtml(letter) + "</span>";
      if (opens_page && !new_letter) page_ += " (" + continued_ + ")";
      page_ += writer_.paragraph_close();
    }
    const bool unknown = group.surname == "?";
    const std::string shown = unknown ? o_.m_strLblUnknownSurname : group.surname;
    page_ += "\r\n" + writer_.OpenClassed("vx-idxsur") + "<a name=\"" +
             AnchorName(shown) + "\"></a><b>" + text::EscapeHtml(shown) + "</b>";
    if (o_.m_bSoundex && !unknown) {
      page_ += " (" + text::SoundexCode(group.surname) + ")";
    }
    page_ += writer_.CloseClassed();
    if (chunk > 0) {
      page_ += spacer_ + "<a href=\"" + IndexPageFile(o_, open_page_ - 1) +
               "#vxcontinue\">..." + continued_ + "</a><br>";
    }
  }

  RunContext& ctx_;
  const COptions& o_;
  const NameIndex& index_;
  PageWriter& writer_;
  std::string folder_;
  int32_t pages_ = 0;
  std::string jump_tabs_, bar_, continued_, spacer_;
  int32_t open_page_ = 0;  // 0: none open
  bool at_top_ = true;
  std::string page_, path_, strip_;
  bool all_written_ = true;
};

}  // namespace

std::string IndexPageFile(const COptions& options, int32_t page) {
  return options.m_strFilePrefix + "name" + std::to_string(page) +
         text::PageExtension(options.m_strFileExt);
}

std::string IndexJumpTabs(const COptions& options,
                          const std::vector<IndexLetter>& letters) {
  std::string out = "\r\n<div class=\"vx-idxjmp\">";
  for (const IndexLetter& letter : letters) {
    out += "<a href=\"" + IndexPageFile(options, letter.page) + "#" +
           LinkFragment(letter.letter) + "\">" + text::EscapeHtml(letter.letter) +
           "</a> ";
  }
  out += "</div>\r\n";
  return out;
}

std::string IndexNavigationStrip(const COptions& options, int32_t page, int32_t pages) {
  if (pages < 2) return {};
  std::string prior, numbers, next;
  if (page > 1) {
    prior = "<a href=\"" + IndexPageFile(options, page - 1) + "\">" +
            options.m_strNavPrior + "</a>&nbsp; ";
  }
  if (page > 6) numbers += "...&nbsp; ";
  bool first = true;
  for (int32_t p = page - 5; p < page; ++p) {
    if (p < 1) continue;
    if (!first) numbers += "&nbsp; ";
    first = false;
    numbers +=
        "<a href=\"" + IndexPageFile(options, p) + "\">" + std::to_string(p) + "</a>";
  }
  numbers += "&nbsp; <span class=\"vx-idxpg\">" + std::to_string(page) + "</span>";
  for (int32_t p = page + 1; p <= page + 5 && p <= pages; ++p) {
    numbers += "&nbsp; <a href=\"" + IndexPageFile(options, p) + "\">" +
               std::to_string(p) + "</a>";
  }
  if (page + 5 < pages) numbers += "&nbsp; ...";
  if (page < pages) {
    next = "&nbsp; <a href=\"" + IndexPageFile(options, page + 1) + "\">" +
           options.m_strNavNext + "</a>";
  }
  return "\r\n<div class=\"vx-idxnav\">" + prior + numbers + next + "</div>";
}

std::string IndexLine(const COptions& o, const PageWriter& writer,
                      const IndexEntry& entry) {
  std::string_view given = entry.name;
  const size_t comma = given.find(',');
  given = comma == std::string_view::npos ? std::string_view() : given.substr(comma + 1);
  while (!given.empty() && given.front() == ' ') given.remove_prefix(1);
  text::PageNameSettings names{std::string(), o.m_strFilePrefix, o.m_strFileExt};
  std::string line = writer.paragraph_open();
  if (o.m_bMonoFont) line += ' ';
  line += "<a href=\"";
  line += text::PageFileName(names, entry.pageName, text::PageLetter::kNone, false);
  line += "\">";
  line += given.empty() ? std::string("?") : text::EscapeHtml(given);
  line += "</a> ";
  line += entry.lifespan.view();
  if (o.m_bRefNumbers && !entry.reference.empty()) {
    line += " [" + text::EscapeHtml(entry.reference) + "] ";
  }
  line += Icons(o, entry.flags);
  if (o.m_bRelationship && !entry.relationship.empty()) {
    line += " <span class=\"vx-rel\">" + text::EscapeHtml(entry.relationship) + "</span>";
  }
  line += writer.paragraph_close();
  return line;
}

bool WriteNameIndexPages(RunContext& ctx, const NameIndex& index, PageWriter& writer,
                         bool* cancelled) {
  *cancelled = false;
  IndexPagesWriter pages(ctx, index, writer);
  return pages.Run(cancelled);
}

}  // namespace vellix::site
