#include "site/index/surname_pages.h"

#include <algorithm>

#include "model/run_context.h"
#include "options/options.h"
#include "site/frame/page_file.h"
#include "site/frame/page_writer.h"
#include "site/index/index_pages.h"
#include "site/index/index_text.h"
#include "site/index/name_index.h"
#include "text/html_escape.h"
#include "text/paths.h"

namespace vellix::site {
namespace {

bool IsUnknown(const SurnameGroup& group) {
  return group.surname.empty() || group.surname == "?";
}

std::string LetterOf(const SurnameGroup& group) {
  return IndexLetterOf(IsUnknown(group) ? std::string_view() : group.surname);
}

std::string JumpTabs(const COptions& o, const std::vector<SurnamePartition>& partitions,
                     size_t current) {
  if (partitions.size() < 2) return {};
  std::string out = "\r\n<div class=\"vx-idxjmp\">";
  for (size_t i = 0; i < partitions.size(); ++i) {
    if (i > 0) out += "&nbsp; ";
    const std::string label = text::EscapeHtml(partitions[i].label);
    if (i == current) {
      out += label;
    } else {
      out += "<a href=\"" + SurnamePageFile(o, static_cast<int32_t>(i + 1)) + "\">" +
             label + "</a>";
    }
  }
  out += "</div>";
  return out;
}

// The surname list of one partition: groups from `*cursor` on, covering
// `letters` letters. Leaves the last letter paragraph open.
std::string SurnameList(const COptions& o, const std::vector<SurnameGroup>& groups,
                        size_t* cursor, int32_t letters) {
  std::string out;
  std::string last;
  bool first = true;
  int32_t left = letters;
  while (*cursor < groups.size() && left > 0) {
    const SurnameGroup& group = groups[*cursor];
    const std::string letter = LetterOf(group);
    if (first || letter != last) {
      if (!first) out += "</p>\r\n";
      out += "<p>";
      last = letter;
      first = false;
    } else {
      out += " &nbsp;";
    }
    out += SurnameLink(o, group);
    if (o.m_bSurnameCounts) out += "&nbsp;(" + std::to_string(group.count) + ")";
    ++*cursor;
    if (*cursor < groups.size() && LetterOf(groups[*cursor]) != last) --left;
  }
  return out;
}

}  // namespace

std::vector<SurnamePartition> PartitionLetters(const std::vector<std::string>& letters,
                                               int32_t partitions) {
  const int32_t count = static_cast<int32_t>(letters.size());
  if (count == 0) return {SurnamePartition{}};
  int32_t p = std::max(partitions, 1);
  p = std::min(p, count);
  const int32_t per = count / p;
  int32_t extra = count % p;
  std::vector<SurnamePartition> out;
  int32_t i = 0;
  for (int32_t k = 0; k < p; ++k) {
    int32_t last = i + per - 1;
    if (extra > 0) {
      ++last;
      --extra;
    }
    SurnamePartition part;
    part.label = letters[i];
    if (last != i) part.label += "-" + letters[last];
    part.letters = last - i + 1;
    out.push_back(std::move(part));
    i = last + 1;
  }
  return out;
}

std::vector<std::string> SurnameLetters(const std::vector<SurnameGroup>& groups) {
  std::vector<std::string> letters;
  for (const SurnameGroup& group : groups) {
    std::string letter = LetterOf(group);
    if (letters.empty() || letters.back() != letter) letters.push_back(std::move(letter));
  }
  return letters;
}

std::string SurnamePageFile(const COptions& o, int32_t k) {
  if (k <= 1) {
    return o.m_bAltSurnameFile
               ? o.m_strAltSurnameFile
               : o.m_strFilePrefix + "main" + text::PageExtension(o.m_strFileExt);
  }
  return o.m_strFilePrefix + "main" + std::to_string(k) +
         text::PageExtension(o.m_strFileExt);
}

std::string SurnameLink(const COptions& o, const SurnameGroup& group) {
  const std::string shown = IsUnknown(group) ? o.m_strLblUnknownSurname : group.surname;
  const int32_t page = group.chunks.empty() ? 1 : group.chunks.front().page;
  std::string label = text::EscapeHtml(shown);
  std::string spaced;
  for (char c : label) {
    if (c == ' ') {
      spaced += "&nbsp;";
    } else {
      spaced += c;
    }
  }
  return "<a href=\"" + IndexPageFile(o, page) + "#" + LinkFragment(shown) + "\">" +
         spaced + "</a>";
}

std::string MostCommonSurnames(const COptions& o,
                               const std::vector<SurnameGroup>& groups) {
  std::vector<const SurnameGroup*> ranked;
  ranked.reserve(groups.size());
  for (const SurnameGroup& group : groups) {
    if (!IsUnknown(group)) ranked.push_back(&group);
  }
  std::stable_sort(
      ranked.begin(), ranked.end(),
      [](const SurnameGroup* a, const SurnameGroup* b) { return a->count > b->count; });
  const size_t top = static_cast<size_t>(std::max(o.m_nTopSurnames, 1));
  const size_t shown = std::min(top, ranked.size());
  std::string out =
      "\r\n<div class=\"vx-secmost\">" + o.m_strLblCommonSurnames + "</div>\r\n<p>";
  for (size_t i = 0; i < shown; ++i) {
    out +=
        SurnameLink(o, *ranked[i]) + "&nbsp;(" + std::to_string(ranked[i]->count) + ")";
    if (i + 1 < shown) out += " &nbsp;";
  }
  out += "</p>\r\n<div class=\"vx-cbar\"></div>\r\n";
  return out;
}

bool WriteSurnamePages(RunContext& ctx, const NameIndex& index, PageWriter& writer,
                       bool* all) {
  const COptions& o = ctx.options;
  const std::vector<SurnameGroup>& groups = index.groups();
  const std::vector<SurnamePartition> partitions =
      PartitionLetters(SurnameLetters(groups), o.m_nSurnamePartitions);
  std::string folder = o.m_strDestFolder;
  text::AddBackslash(&folder, true);
  const std::string bar = writer.SurnameBar(false, true);
  size_t cursor = 0;
  bool any = false;
  bool every = true;
  for (size_t k = 0; k < partitions.size(); ++k) {
    if (ctx.progress.IsCancelled()) {
      every = false;
      break;
    }
    const bool first = k == 0;
    const std::string tabs = JumpTabs(o, partitions, k);
    const std::string path = folder + SurnamePageFile(o, static_cast<int32_t>(k + 1));
    std::string page;
    writer.SetTitle(kPageSurname, "", index.count(), ctx.statistics.familiesSelected);
    writer.SetFileName(path);
    const std::string head =
        writer.BuildHead(o.m_strTitleSurname, "", {.is_start_page = first});
    writer.BeginPage(&page, kPageSurname, head, tabs);
    writer.WriteTopLinks(&page, bar, true);
    if (first && !o.m_strSurnameIntro.empty()) {
      PageWriter::WritePage(&page, writer.ApplyTemplate(o.m_strSurnameIntro));
      page += "\r\n<p>\r\n";
    }
    page += "\r\n<div class=\"vx-sur\">";
    if (first && o.m_bTopSurnames) page += MostCommonSurnames(o, groups);
    PageWriter::WritePage(&page, SurnameList(o, groups, &cursor, partitions[k].letters));
    page += "</div>\r\n";
    writer.WriteBottomLinks(&page, tabs, "", bar, true);
    if (first) page += PageWriter::GeneratedByLine();
    writer.EndPage(&page, kPageSurname, false);
    if (WritePageFile(ctx.env, ctx.statistics, path, page, FileGroup::kSurname)) {
      any = true;
    } else {
      every = false;
    }
  }
  if (all != nullptr) *all = every;
  return any;
}

}  // namespace vellix::site
