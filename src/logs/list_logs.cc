#include "logs/list_logs.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <vector>

#include "logs/log_links.h"
#include "logs/log_page.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "run/run_log_entries.h"
#include "text/html_escape.h"
#include "text/string_ops.h"

namespace vellix {
namespace {

constexpr size_t kLongTable = 100;  // above this many rows the page warns it loads slowly

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareText(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(Fold(a[i]));
    auto y = static_cast<unsigned char>(Fold(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// The first run of digits of a reference without its leading zeros; empty
// when there is none or it is all zeros.
std::string_view NumberOf(std::string_view ref, bool* found) {
  size_t start = 0;
  while (start < ref.size() && !text::IsAsciiDigit(ref[start])) ++start;
  size_t end = start;
  while (end < ref.size() && text::IsAsciiDigit(ref[end])) ++end;
  *found = end > start;
  while (start < end && ref[start] == '0') ++start;
  return ref.substr(start, end - start);
}

// The order in which to show entries: indexes into the collected list,
// stably sorted by `less` (equal entries keep their collected order).
template <typename Entry, typename Less>
std::vector<size_t> SortedOrder(const std::deque<Entry>& entries, bool sort, Less less) {
  std::vector<size_t> order(entries.size());
  std::iota(order.begin(), order.end(), size_t{0});
  if (sort) {
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return less(entries[a], entries[b]); });
  }
  return order;
}

std::string FileLink(const LogLinks& links, std::string_view folder,
                     std::string_view file) {
  return "<a href=\"" + links.ToFile(folder, file) + "\">" +
         text::EscapeHtml(platform::FileNameOf(file)) + "</a>";
}

std::string CellOrBlank(const std::string& html) {
  return html.empty() ? "&nbsp;" : html;
}

std::string CaptionSuffix(std::string_view caption) {
  return caption.empty() ? std::string() : "<br>" + text::EscapeHtml(caption);
}

// Which image an entry shows: the portrait (from the multimedia folder)
// when galleries and portraits are on and the portrait exists and either
// there is no custom image or the portrait is preferred; else the custom
// image.
struct ChosenImage {
  std::string folder;  // full stored folder; empty when no image
  std::string file;
};

ChosenImage ChooseImage(const LogLinks& links, const COptions& o, bool portraits_on,
                        bool portrait_preferred, std::string_view portrait,
                        const std::string& custom_folder, std::string_view custom) {
  if (o.m_bGalleries && portraits_on && !portrait.empty() &&
      (custom.empty() || portrait_preferred)) {
    return {links.Folder(o.m_strMediaDestFolder), std::string(portrait)};
  }
  if (!custom.empty()) return {links.Folder(custom_folder), std::string(custom)};
  return {};
}

void ListIntro(LogPage& page, const char* heading, const char* generated,
               const char* none, size_t count) {
  page.Print("<h2>%s</h2><p>", heading);
  if (count > 0) {
    page.Append(generated);
    if (count > kLongTable) page.Append(" The table may take a few moments to load.");
    page.Append("<p>");
  } else {
    page.Print("%s<p>", none);
  }
}

void ListEnd(LogPage& page) { page.Append("</table>\r\n<p>"); }

// The text of a table cell up to its first NUL byte, as the cells have
// always been cut.
std::string_view CellText(const std::string& text) { return text.c_str(); }

void AppendCell(LogPage& page, std::string_view html) {
  page.Append("<td>");
  page.Append(html);
  page.Append("</td>");
}

// A cell that links to `file` in the folder `folder_option` names, or a
// blank one when there is no file.
void AppendFileCell(LogPage& page, const LogLinks& links,
                    const std::string& folder_option, std::string_view file) {
  if (file.empty()) {
    AppendCell(page, "&nbsp;");
    return;
  }
  AppendCell(page, CellText(FileLink(links, links.Folder(folder_option), file)));
}

void IndividualRow(LogPage& page, const LogLinks& links, const COptions& o,
                   const IndividualLogEntry& e, const IndividualLogDetails& d) {
  page.Append("<tr>");
  AppendCell(page, CellText(text::EscapeHtml(e.ref)));
  page.Append("<td>");
  bool first_page = true;
  for (std::string_view page_file : e.family_pages()) {
    if (!first_page) page.Append("<br>");
    first_page = false;
    page.Append(FileLink(links, links.dest_folder(), page_file));
  }
  page.Append("</td><td>");
  page.Append(CellText(text::EscapeHtml(e.name_first)));
  page.Append(" ");
  page.Append(CellText(text::EscapeHtml(e.name_second)));
  if (e.excluded) page.Append(" <i>(excluded)</i>");
  page.Append("</td>");
  AppendCell(page, d.relationship.empty()
                       ? std::string_view("&nbsp;")
                       : CellText("<i>" + text::EscapeHtml(d.relationship) + "</i>"));
  AppendFileCell(page, links, o.m_strBioFolder, d.biography_file);
  ChosenImage image =
      ChooseImage(links, o, o.m_bIndivPortraits, o.m_bIndivPortraitPreferred,
                  d.portrait_file, o.m_strIndivImageFolder, d.image_file);
  std::string cell;
  if (!image.file.empty()) {
    cell = text::EscapeHtml(platform::FileNameOf(image.file)) + "<br><img src=\"" +
           links.ToFile(image.folder, image.file) + "\" alt=\"Image\" title=\"Image\">" +
           CaptionSuffix(d.caption);
  }
  AppendCell(page, CellText(CellOrBlank(cell)));
  page.Append("</tr>\r\n");
}

std::string FamilyImageCell(const LogLinks& links, const ListLogInputs& in,
                            const FamilyLogEntry& e) {
  const COptions& o = in.options;
  ChosenImage image =
      ChooseImage(links, o, o.m_bFamilyPortraits, o.m_bFamilyPortraitPreferred,
                  e.portrait_file, o.m_strGroupImageFolder, e.group_image_file);
  if (image.file.empty()) return "&nbsp;";
  const std::string address = links.ToFile(image.folder, image.file);
  std::optional<ImageSize> size;
  if (in.image_size) {
    size = in.image_size(
        platform::NativePath(image.folder + platform::StoredPath(image.file)));
  }
  char tag[64];
  std::string img;
  if (size && size->width >= 1 && size->width <= kFamilyImageWidth) {
    std::snprintf(tag, sizeof tag, "\" width=\"%d\">", size->width);
    img = "<img src=\"" + address + tag;
  } else {
    // Too wide, or of unknown size: shown narrow, a click opens it in a
    // window of its own size (with room for the window's frame).
    const ImageSize full =
        (size && size->width > 0 && size->height > 0) ? *size : kUnknownImageSize;
    std::snprintf(tag, sizeof tag, "\" width=\"%d\"", kFamilyImageWidth);
    img = "<img src=\"" + address + tag +
          " alt=\"click to enlarge\" title=\"click to enlarge\">";
    char window[64];
    std::snprintf(window, sizeof window, "',%d,%d)\">", full.width + 50,
                  full.height + 25);
    img = "<a href=\"javascript:NewWindow('" + address + window + img + "</a>";
  }
  return text::EscapeHtml(platform::FileNameOf(image.file)) + "<br>" + img +
         CaptionSuffix(e.caption);
}

void FamilyRow(LogPage& page, const LogLinks& links, const ListLogInputs& in,
               const FamilyLogEntry& e) {
  const COptions& o = in.options;
  page.Append("<tr>");
  AppendCell(page, CellText(text::EscapeHtml(e.ref)));
  AppendCell(page, CellText(FileLink(links, links.dest_folder(), e.page_file)));
  const bool wife_first = in.sort.families == 1;
  const std::string_view first = wife_first ? e.wife : e.husband;
  const std::string_view second = wife_first ? e.husband : e.wife;
  page.Append("<td>");
  page.Append(CellText(text::EscapeHtml(first)));
  page.Append(" + ");
  page.Append(CellText(text::EscapeHtml(second)));
  page.Append("</td>");
  AppendFileCell(page, links, o.m_strNarrFolder, e.narrative_file);
  AppendFileCell(page, links, o.m_strImportFolder, e.import_file);
  AppendCell(page, CellText(FamilyImageCell(links, in, e)));
  page.Append("</tr>\r\n");
}

std::string_view SortName(text::PooledText key, text::PooledText shown) {
  return key.empty() ? shown : key;
}

}  // namespace

LogSortSettings ReadLogSortSettings(const platform::SettingsStore& store) {
  LogSortSettings sort;
  sort.individuals = store.GetInt("Options", "SortLogInd", 0);
  sort.families = store.GetInt("Options", "SortLogFam", 0);
  sort.numeric_refs = platform::ReadSupportFlags(store).Has(2);
  return sort;
}

int CompareRefs(std::string_view a, std::string_view b, bool numeric) {
  if (numeric) {
    bool a_has = false;
    bool b_has = false;
    std::string_view x = NumberOf(a, &a_has);
    std::string_view y = NumberOf(b, &b_has);
    if (a_has != b_has) return a_has ? -1 : 1;
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    if (int c = x.compare(y); c != 0) return c < 0 ? -1 : 1;
  }
  return CompareText(a, b);
}

bool WriteIndividualList(LogPage& page, const ListLogInputs& in, int64_t start_seconds) {
  if (!page.Open(LogPageKind::kIndividuals, start_seconds)) return false;
  const auto& entries = in.entries.individuals();
  ListIntro(page, "List of Individuals", "The following individuals were generated.",
            "There were no individuals generated.", entries.size());
  const bool any_excluded = std::any_of(entries.begin(), entries.end(),
                                        [](const auto& e) { return e.excluded; });
  if (any_excluded) {
    page.Append(
        "Living individuals marked <i>(excluded)</i> have no page and no index entry; "
        "the family pages of their relatives show them only as &gt;&gt;&gt;.<p>");
  }
  page.Append(
      "\r\n<table width=\"100%\" border=\"1\" summary=\"Individuals\" cellpadding=\"3\" "
      "cellspacing=\"1\"><col><col><col width=\"35%\"><col><col><col align=\"center\">"
      "<tr align=\"center\"><td><b>Ref</b></td><td><b>Link</b></td><td><b>Individual"
      "</b></td><td><b>Relationship</b></td><td><b>Biography</b></td><td><b>Image</b>"
      "</td></tr>\r\n");
  const bool numeric = in.sort.numeric_refs;
  std::vector<size_t> order =
      SortedOrder(entries, in.sort.individuals != 0,
                  [numeric](const IndividualLogEntry& a, const IndividualLogEntry& b) {
                    return CompareRefs(a.ref, b.ref, numeric) < 0;
                  });
  LogLinks links(page.folder(), in.options.m_strDestFolder);
  for (size_t i : order) {
    IndividualRow(page, links, in.options, entries[i], in.entries.DetailsOf(entries[i]));
  }
  ListEnd(page);
  return page.Close();
}

bool WriteFamilyList(LogPage& page, const ListLogInputs& in, int64_t start_seconds) {
  if (!page.Open(LogPageKind::kFamilies, start_seconds)) return false;
  const auto& entries = in.entries.families();
  ListIntro(page, "List of Families", "The following families were generated.",
            "There were no families generated.", entries.size());
  page.Print(
      "\r\n<table width=\"100%%\" border=\"1\" summary=\"Families\" cellpadding=\"3\" "
      "cellspacing=\"1\"><col><col><col width=\"35%%\"><col><col><col width=\"%d\" "
      "align=\"center\"><tr align=\"center\"><th>Ref</th><th>Link</th><th>Family</th>"
      "<th>Narrative</th><th>Import</th><th>Image</th></tr>\r\n",
      kFamilyImageWidth);
  const LogSortSettings sort = in.sort;
  std::vector<size_t> order = SortedOrder(
      entries, true, [sort](const FamilyLogEntry& a, const FamilyLogEntry& b) {
        if (sort.families == 2) return CompareRefs(a.ref, b.ref, sort.numeric_refs) < 0;
        const bool wife = sort.families == 1;
        const std::string_view a1 =
            wife ? SortName(a.wife_sort, a.wife) : SortName(a.husband_sort, a.husband);
        const std::string_view b1 =
            wife ? SortName(b.wife_sort, b.wife) : SortName(b.husband_sort, b.husband);
        if (int c = CompareText(a1, b1); c != 0) return c < 0;
        const std::string_view a2 =
            wife ? SortName(a.husband_sort, a.husband) : SortName(a.wife_sort, a.wife);
        const std::string_view b2 =
            wife ? SortName(b.husband_sort, b.husband) : SortName(b.wife_sort, b.wife);
        return CompareText(a2, b2) < 0;
      });
  LogLinks links(page.folder(), in.options.m_strDestFolder);
  for (size_t i : order) FamilyRow(page, links, in, entries[i]);
  ListEnd(page);
  return page.Close();
}

bool WriteIndividualList(RunEnvironment& env, const COptions& options,
                         const RunLogEntries& entries, int64_t start_seconds) {
  LogPage page(env.files(), env.app_folder());
  ListLogInputs in{options, entries, ReadLogSortSettings(env.settings())};
  return WriteIndividualList(page, in, start_seconds);
}

bool WriteFamilyList(RunEnvironment& env, const COptions& options,
                     const RunLogEntries& entries, int64_t start_seconds) {
  LogPage page(env.files(), env.app_folder());
  ListLogInputs in{options, entries, ReadLogSortSettings(env.settings())};
  return WriteFamilyList(page, in, start_seconds);
}

}  // namespace vellix
