// The navigation bars of PageWriter: links to the other parts of the site,
// each bar leaving out the link to its own kind of page.
#include "options/options.h"
#include "site/frame/page_writer.h"
#include "text/paths.h"
#include "text/string_ops.h"

namespace vellix::site {

std::string PageWriter::HomeLink(bool parent_target) const {
  const COptions& o = options_;
  if (o.m_strHomePage.empty()) return {};
  const std::string file =
      o.m_bLowerCaseNames ? text::AsciiLower(o.m_strHomePage) : o.m_strHomePage;
  return MakeLink(parent_target, text::UrlForm(file, false), o.m_strHomeTarget, {},
                  o.m_strNavHome);
}

std::string PageWriter::LabelLink(bool parent_target, std::string_view href,
                                  std::string_view label) const {
  if (label.empty()) return {};
  return MakeLink(parent_target, href, {}, {}, label);
}

PageWriter::ExtraLinks PageWriter::BuildExtraLinks(bool parent_target,
                                                   bool surname_page) const {
  const COptions& o = options_;
  struct Extra {
    bool include, surname_only, second_line;
    const std::string &dest, &target, &label, &prompt;
  };
  const Extra extras[3] = {
      {o.m_bExtra1, o.m_bExtra1SurnameOnly, o.m_bExtra1SecondLine, o.m_strExtra1Dest,
       o.m_strExtra1Target, o.m_strExtra1Label, o.m_strExtra1Prompt},
      {o.m_bExtra2, o.m_bExtra2SurnameOnly, o.m_bExtra2SecondLine, o.m_strExtra2Dest,
       o.m_strExtra2Target, o.m_strExtra2Label, o.m_strExtra2Prompt},
      {o.m_bExtra3, o.m_bExtra3SurnameOnly, o.m_bExtra3SecondLine, o.m_strExtra3Dest,
       o.m_strExtra3Target, o.m_strExtra3Label, o.m_strExtra3Prompt},
  };
  ExtraLinks result;
  std::string second_line;
  for (int i = 0; i < 3; ++i) {
    const Extra& e = extras[i];
    if (!e.include || (e.surname_only && !surname_page)) continue;
    const std::string link = MakeLink(parent_target, e.dest, e.target, e.prompt, e.label);
    if (e.second_line) {
      if (!second_line.empty()) second_line += link_separator_;
      second_line += link;
    } else if (i == 0) {
      result.lead = link + link_separator_;
    } else {
      result.tail += link_separator_ + link;
    }
  }
  if (!second_line.empty()) result.tail += "<br>\r\n" + second_line;
  return result;
}

std::string PageWriter::Bar(std::string_view div_class, const ExtraLinks& extras,
                            std::initializer_list<std::string_view> links) const {
  std::string bar = "\r\n<div class=\"";
  bar += div_class;
  bar += "\">";
  bar += extras.lead;
  bool first = true;
  for (std::string_view link : links) {
    if (link.empty()) continue;
    if (!first) bar += link_separator_;
    bar += link;
    first = false;
  }
  bar += extras.tail;
  bar += "</div>";
  return bar;
}

std::string PageWriter::FamilyBar(bool parent_target, bool with_bibliography) const {
  const COptions& o = options_;
  const std::string home = HomeLink(parent_target);
  const std::string surnames =
      LabelLink(parent_target, first_surname_file_, o.m_strNavSurnames);
  const std::string index = LabelLink(parent_target, first_index_file_, o.m_strNavIndex);
  if (home.empty() && surnames.empty() && index.empty()) return {};
  const std::string bibliography =
      with_bibliography && o.m_bBiblioPages
          ? LabelLink(parent_target, first_bibliography_file_, o.m_strNavBiblio)
          : std::string();
  return Bar("vx-lnkfam", BuildExtraLinks(parent_target, false),
             {home, surnames, index, bibliography});
}

std::string PageWriter::IndexBar(bool parent_target, bool with_bibliography) const {
  const COptions& o = options_;
  const std::string home = HomeLink(parent_target);
  const std::string surnames =
      LabelLink(parent_target, first_surname_file_, o.m_strNavSurnames);
  if (home.empty() && surnames.empty()) return {};
  const std::string bibliography =
      with_bibliography && o.m_bBiblioPages
          ? LabelLink(parent_target, first_bibliography_file_, o.m_strNavBiblio)
          : std::string();
  return Bar("vx-lnkidx", BuildExtraLinks(parent_target, false),
             {home, surnames, bibliography});
}

std::string PageWriter::SurnameBar(bool parent_target, bool with_bibliography) const {
  const COptions& o = options_;
  const std::string home = HomeLink(parent_target);
  const std::string index = LabelLink(parent_target, first_index_file_, o.m_strNavIndex);
  if (home.empty() && index.empty()) return {};
  const std::string bibliography =
      with_bibliography && o.m_bBiblioPages
          ? LabelLink(parent_target, first_bibliography_file_, o.m_strNavBiblio)
          : std::string();
  return Bar("vx-lnksur", BuildExtraLinks(parent_target, true),
             {home, index, bibliography});
}

std::string PageWriter::BibliographyBar(const BibliographyBarOptions& options) const {
  const bool short_form = options.short_form;
  const bool with_repository = options.with_repository;
  const bool parent_target = options.parent_target;
  const COptions& o = options_;
  const std::string home = HomeLink(parent_target);
  const std::string repository =
      with_repository && o.m_bRepositoryPages
          ? LabelLink(parent_target, first_repository_file_, o.m_strNavRepository)
          : std::string();
  if (short_form) {
    if (home.empty() && repository.empty()) return {};
    return Bar("vx-lnkbib", BuildExtraLinks(parent_target, false), {home, repository});
  }
  const std::string surnames =
      LabelLink(parent_target, first_surname_file_, o.m_strNavSurnames);
  const std::string index = LabelLink(parent_target, first_index_file_, o.m_strNavIndex);
  if (home.empty() && surnames.empty() && index.empty() && repository.empty()) return {};
  return Bar("vx-lnkbib", BuildExtraLinks(parent_target, false),
             {home, surnames, index, repository});
}

std::string PageWriter::RepositoryBar(bool short_form, bool parent_target) const {
  const COptions& o = options_;
  const std::string home = HomeLink(parent_target);
  const std::string bibliography =
      o.m_bBiblioPages
          ? LabelLink(parent_target, first_bibliography_file_, o.m_strNavBiblio)
          : std::string();
  if (short_form) {
    if (home.empty() && bibliography.empty()) return {};
    return Bar("vx-lnkrep", BuildExtraLinks(parent_target, false), {home, bibliography});
  }
  const std::string surnames =
      LabelLink(parent_target, first_surname_file_, o.m_strNavSurnames);
  const std::string index = LabelLink(parent_target, first_index_file_, o.m_strNavIndex);
  if (home.empty() && surnames.empty() && index.empty() && bibliography.empty())
    return {};
  return Bar("vx-lnkrep", BuildExtraLinks(parent_target, false),
             {home, surnames, index, bibliography});
}

std::string PageWriter::FootnoteFrameBar(std::string_view family_page_file) const {
  const COptions& o = options_;
  std::string group_sheet;
  if (!o.m_strNavGroupSheet.empty()) {
    // Back to the frameset, replacing it; a strict page has no frames and
    // no target attribute.
    group_sheet = "<a href=\"" + std::string(family_page_file) + "\"" +
                  (strict_ ? "" : " target=\"_parent\"") + ">" + o.m_strNavGroupSheet +
                  "</a>";
  }
  const std::string bibliography =
      o.m_bBiblioPages ? LabelLink(true, first_bibliography_file_, o.m_strNavBiblio)
                       : std::string();
  if (group_sheet.empty() && bibliography.empty()) return {};
  return Bar("vx-lnkfam", ExtraLinks{}, {group_sheet, bibliography});
}

std::string PageWriter::MediaBar(MediaBarLink link, bool parent_target,
                                 std::string_view href) const {
  const COptions& o = options_;
  std::string anchor;
  switch (link) {
    case MediaBarLink::kBibliography:
      anchor = LabelLink(parent_target, relative_prefix_ + first_bibliography_file_,
                         o.m_strNavBiblio);
      break;
    case MediaBarLink::kGroupSheet:
      anchor = LabelLink(parent_target, relative_prefix_ + std::string(href),
                         o.m_strNavGroupSheet);
      break;
    case MediaBarLink::kGallery:
      anchor = LabelLink(parent_target, href, o.m_strNavGallery);
      break;
  }
  if (anchor.empty()) return {};
  return "\r\n<div class=\"vx-lnkmed\">" + anchor + "</div>";
}

}  // namespace vellix::site
