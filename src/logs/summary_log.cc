#include "logs/summary_log.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "logs/log_links.h"
#include "logs/log_page.h"
#include "model/run_context.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "run/warning_log.h"
#include "text/html_escape.h"
#include "text/paths.h"
#include "text/size_format.h"

namespace vellix {
namespace {

constexpr const char* kTwoColumnTable =
    "\r\n<table width=\"85%%\" align=\"center\" border=\"1\" summary=\"Summary\" "
    "cellpadding=\"3\" cellspacing=\"1\"><col width=\"35%%\">\r\n";
constexpr const char* kTableEnd = "\r\n</table>\r\n";
constexpr const char* kEnabled = "Enabled";
constexpr const char* kDisabled = "<font color=\"red\">Disabled</font>";

// The rows of the two- and three-column tables.
void TextRow(LogPage& page, const char* caption, const std::string& html,
             bool typewriter) {
  page.Print("<tr><td><b>%s</b></td><td>%s&nbsp;%s%s</td></tr>\r\n", caption,
             typewriter ? "<tt>" : "", html.c_str(), typewriter ? "</tt>" : "");
}

void CountRow(LogPage& page, const char* caption, int64_t count) {
  page.Print("<tr><td><b>%s</b></td><td>&nbsp;%lld</td></tr>\r\n", caption,
             static_cast<long long>(count));
}

void FileRow(LogPage& page, const char* caption, int64_t count, uint64_t bytes) {
  page.Print(
      "<tr><td><b>%s</b></td><td align=\"right\">%lld</td><td align=\"right\">%s</td>"
      "</tr>\r\n",
      caption, static_cast<long long>(count), FormatSize(bytes).c_str());
}

// A stored path as the user sees it on this system.
std::string ShownPath(const std::string& stored) {
  return text::EscapeHtml(platform::NativePath(stored));
}

std::string WithoutTrailingBackslash(std::string path) {
  text::AddBackslash(&path, false);
  return path;
}

std::string FolderOf(const std::string& stored_file) {
  size_t slash = stored_file.find_last_of('\\');
  return slash == std::string::npos ? std::string() : stored_file.substr(0, slash + 1);
}

struct SummaryWriter {
  LogPage& page;
  const SummaryLogInputs& in;
  const COptions& o;
  LogLinks links;
  std::string ext;

  std::string SurnameFile() const {
    if (o.m_bAltSurnameFile) return platform::StoredPath(o.m_strAltSurnameFile);
    return o.m_strFilePrefix + "main" + ext;
  }

  std::string HomePage() const {
    if (o.m_strHomePage.empty()) return {};
    return WithoutTrailingBackslash(links.Folder(o.m_strHomePage));
  }

  void Outcome() {
    if (in.result == RunResult::kFailed) {
      page.Append(
          "<h2>Web page generation FAILED.</h2><p>No web pages were generated. The "
          "warnings below give the reason.</p>\r\n<p>");
    } else if (in.result == RunResult::kCancelled) {
      page.Append(
          "<h2>Web page generation CANCELED.</h2><p>The run was stopped before it "
          "finished, so some web pages may be missing or incomplete.</p>\r\n");
    }
  }

  void Results() {
    page.Append("<h2>See your results!</h2><p>");
    page.Print(
        "<p>Your web pages were generated and placed in the destination folder: "
        "<span style=\"font-weight:bold\">%s</span>. You should transfer all files in "
        "that folder to your website. Be sure to transfer other related files like "
        "your biography web pages and multimedia files too.</p>\r\n",
        ShownPath(links.dest_folder()).c_str());
    page.Append(
        "<p>The following links provide an easy way to start browsing your new web "
        "pages. (They are valid only from within this log file.)</p>\r\n");
    if (in.mode == 3) {
      page.Append(
          "<p>Since you did not generate index pages, the Surname and Index links "
          "will point to older web pages, which may not exist.</p>\r\n");
    } else if (in.mode == 6) {
      page.Append(
          "<p>Since you generated only a bibliography, the Surname and Index links "
          "will point to older web pages, which may not exist.</p>\r\n");
    }
    page.Append("<p>\r\n");

    page.Print(
        "\r\n<table width=\"90%%\" align=\"center\" border=\"0\"><col width=\"50%%\">"
        "<tr><td style=\"font-size:120%%\">");
    page.Print("View the <a href=\"%s\">Surname</a> page.<br><br>",
               links.ToSite(SurnameFile()).c_str());
    page.Print("View the <a href=\"%s\">Index</a> page.<br><br>",
               links.ToSite(o.m_strFilePrefix + "name1" + ext).c_str());
    const auto bib = static_cast<size_t>(FileGroup::kBibliography);
    if (in.statistics.filesWritten[bib] > 0) {
      page.Print("View the <a href=\"%s\">Bibliography</a> page.<br><br>",
                 links.ToSite(o.m_strFilePrefix + "bib1" + ext).c_str());
    } else if (in.mode == 6) {
      page.Append("There were no bibliography entries found.<br><br>");
    }
    const std::string home = HomePage();
    if (!home.empty()) {
      page.Print("View your <a href=\"%s\">Home</a> page.<br><br>",
                 links.ToPath(home).c_str());
    }
    page.Print(
        "</td><td><i>Note:</i> When you transfer web pages to your website, remember "
        "to copy <tt><b>%s%s</b></tt> also. This file is created in the destination "
        "folder. Without it, your family pages will not display properly.</td></tr>\r\n"
        "</table>\r\n",
        text::EscapeHtml(o.m_strFilePrefix).c_str(), "base.css");
    page.Append("<p>");
  }

  void Summary(const WarningLog& warnings) {
    page.Append("<h2>Summary</h2><p>");
    page.Print(kTwoColumnTable);
    TextRow(page, "Pages Generated", PagesGeneratedText(in.mode), false);
    TextRow(page, "Options Set", text::EscapeHtml(in.options_path), true);
    TextRow(page, "Elapsed Time", FormatElapsed(in.elapsed_seconds), false);
    WarningsRow(warnings.GetTotal());
    page.Append(kTableEnd);
  }

  void WarningsRow(int32_t total) {
    char value[128];
    if (total > 0) {
      std::snprintf(value, sizeof value,
                    "%d &nbsp;(<a href=\"#Warn\" title=\"Warnings\">see below</a>)",
                    total);
    } else {
      std::snprintf(value, sizeof value, "0");
    }
    TextRow(page, "Warnings", value, false);
  }

  void Gedcom() {
    page.Append("<h2>GEDCOM File</h2>\r\n");
    page.Print(kTwoColumnTable);
    TextRow(page, "GEDCOM File", ShownPath(o.m_strGedcomFile), true);
    const RunStatistics& s = in.statistics;
    CountRow(page, "Families in GEDCOM", s.familyRecords);
    CountRow(page, "Individuals in GEDCOM", s.individualRecords);
    TextRow(page, "Living Individuals", LivingText(), false);
    CountRow(page, "Families Processed", s.familiesSelected);
    CountRow(page, "Individuals Processed", s.indexEntries);
    CountRow(page, "Bibliography Entries", s.sourcesWritten);
    CountRow(page, "Repository Entries", s.repositoriesWritten);
    page.Append(kTableEnd);
  }

  std::string LivingText() const {
    if (o.m_bExcludeLiving) return "<font color=\"red\">Excluded</font>";
    std::string textOut = "Included";
    if (o.m_nNameFilter != 0 || o.m_bFilterDates || !o.m_bLivingDetails) {
      textOut += "; Filters:";
      if (o.m_nNameFilter != 0) textOut += " names";
      if (o.m_bFilterDates) textOut += " dates";
      if (!o.m_bLivingDetails) textOut += " facts";
    }
    return textOut;
  }

  void Folders() {
    page.Append(
        "<h2>Folders</h2>\r\n<p>Remember to transfer to your website the indicated "
        "folders (<tt><b>*</b></tt>) and the files and sub-folders they "
        "contain.</p>\r\n");
    page.Print(kTwoColumnTable);
    auto folder = [&](const char* caption, const std::string& option) {
      TextRow(page, caption, ShownPath(links.Folder(option)), true);
    };
    TextRow(page, "<tt>* </tt>Destination Folder", ShownPath(links.dest_folder()), true);
    folder("<tt>* </tt>Biography File Path", o.m_strBioFolder);
    folder("<tt>* </tt>Individual Image Path", o.m_strIndivImageFolder);
    folder("<tt>* </tt>Narrative File Path", o.m_strNarrFolder);
    folder("<tt>&nbsp;&nbsp;</tt>Import Text File Path", o.m_strImportFolder);
    folder("<tt>* </tt>Group Image Path", o.m_strGroupImageFolder);
    folder("<tt>* </tt>Multimedia Gallery Path", o.m_strMediaDestFolder);
    TextRow(page, "<tt>&nbsp;&nbsp;</tt>Multimedia Source Path",
            o.m_strMediaSourceFolder.empty()
                ? std::string()
                : ShownPath(links.Folder(o.m_strMediaSourceFolder)),
            true);
    TextRow(page, "<tt>&nbsp;&nbsp;</tt>Your Home Page", ShownPath(HomePage()), true);
    page.Append(kTableEnd);
  }

  void Features() {
    page.Append("<h2>Custom Features</h2>\r\n");
    page.Print(kTwoColumnTable);
    TextRow(page, "Customization Method",
            o.m_bUseFactTags ? "\"Facts\" in Family Data File" : "Stored Configuration",
            false);
    auto feature = [&](const char* caption, bool on) {
      TextRow(page, caption, on ? kEnabled : kDisabled, false);
    };
    feature("Biography Links", o.m_bBiography);
    feature("Relationship Text", o.m_bRelationship);
    feature("Individual Images", o.m_bIndivImages);
    feature("Narrative Links", o.m_bNarrative);
    feature("Imported Text", o.m_bImportText);
    feature("Group Images", o.m_bGroupImages);
    page.Append(kTableEnd);
  }

  void Files() {
    page.Append("<h2>Files Generated</h2>\r\n");
    page.Print(
        "\r\n<table width=\"85%%\" align=\"center\" border=\"1\" summary=\"Summary\" "
        "cellpadding=\"3\" cellspacing=\"1\">\r\n<col width=\"35%%\">\r\n"
        "<col width=\"33%%\" align=\"right\">\r\n<col width=\"32%%\" align=\"right\">\r\n"
        "<tr><th>Files</th><th>Count</th><th>Size</th></tr>\r\n");
    static constexpr const char* kGroups[kFileGroupCount] = {
        "Surname Files",          "Index Files",  "Bibliography Files",
        "Repository Files",       "Family Files", "Multimedia Gallery Files",
        "Multimedia Slide Files", "Other Files"};
    const RunStatistics& s = in.statistics;
    // Sums are kept in 64 bits: the per-group figures are 32-bit, their
    // total need not fit.
    int64_t files = 0;
    uint64_t bytes = 0;
    for (int i = 0; i < kFileGroupCount; ++i) {
      FileRow(page, kGroups[i], s.filesWritten[i], s.bytesWritten[i]);
      files += s.filesWritten[i];
      bytes += s.bytesWritten[i];
    }
    FileRow(page, "Total Files Generated", files, bytes);
    FileRow(page, "Multimedia Items Processed", s.mediaProcessed, s.mediaProcessedBytes);
    FileRow(page, "Multimedia Items Total", s.mediaTotal, s.mediaTotalBytes);
    const std::string media = platform::NativePath(links.Folder(o.m_strMediaDestFolder));
    static constexpr const char* kMediaRows[4][2] = {{"&nbsp; &nbsp;Thumbnails", "thumb"},
                                                     {"&nbsp; &nbsp;Slides", "slide"},
                                                     {"&nbsp; &nbsp;Originals", "orig"},
                                                     {"&nbsp; &nbsp;Portraits", "port"}};
    for (const auto& row : kMediaRows) {
      FileTally tally = TallyFolder(page.files(), media + row[1]);
      FileRow(page, row[0], tally.count, tally.bytes);
    }
    FileRow(page, "Grand Total", files + s.mediaTotal, bytes + s.mediaTotalBytes);
    page.Append("</table>\r\n");
  }

  void WarningList(WarningLog& warnings) {
    page.Append("<a name=\"Warn\"></a><h2>Warnings</h2><p>");
    bool new_section = false;
    std::string line;
    if (!warnings.ReadNext(&new_section, &line)) {
      page.Append("<p>None.</p>\r\n");
      return;
    }
    page.Append(
        "<p>See <i>Warning Messages</i> under <i>Appendices</i> in the "
        "<b><i>VELLIX</i></b> help for an explanation of messages.</p>\r\n");
    int number = 1;
    bool list_open = false;
    do {
      if (new_section) {
        if (list_open) page.Append("</ol>\r\n");
        page.Append(line);
        page.Print("<ol start=\"%d\">\r\n", number);
        list_open = true;
      } else {
        page.Print("<li>%s</li>\r\n", line.c_str());
        ++number;
      }
    } while (warnings.ReadNext(&new_section, &line));
    page.Append("</ol>\r\n");
  }

  void LinkSection() {
    if (o.m_bAltSurnameFile) return;
    page.Append(
        "<h2>Link</h2><p><p><p>To add a link from your Home Page to the Surname Page, "
        "use your mouse to select the following line of HTML text. Then copy (CTRL+C) "
        "and paste it (CTRL+V) into your own web page while you are editing it. If you "
        "paste it into another file, verify the relative path is still correct.");
    std::string way;
    const std::string home = HomePage();
    if (!home.empty()) way = text::RelativePath(FolderOf(home), links.dest_folder());
    page.Print(
        "<p>\r\n<div align=\"center\"><tt>View my &lt;a href=\"%s\"&gt;Family Group "
        "Sheets&lt;/a&gt;</tt>.</div>",
        text::EscapeHtml(LogLinkAddress(way + SurnameFile())).c_str());
  }
};

}  // namespace

std::string PagesGeneratedText(int mode) {
  static constexpr const char* kModes[] = {
      "All", "All", "All", "Family", "Index", "Sample", "Standalone Bibliography"};
  if (mode < 0 || mode > 6) mode = 0;
  std::string out = std::string(kModes[mode]) + " Web Pages";
  if (mode == 1) out += "; Copy Multimedia";
  if (mode == 2) out += "; Skip Multimedia";
  return out;
}

std::string FormatElapsed(int64_t seconds) {
  if (seconds < 0) seconds = 0;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld",
                static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60),
                static_cast<long long>(seconds % 60));
  return buffer;
}

FileTally TallyFolder(platform::FileAccess& files, const std::string& folder) {
  FileTally tally;
  for (const platform::FolderEntry& entry : files.ListFiles(folder)) {
    tally.count += 1;
    tally.bytes += entry.size;
  }
  return tally;
}

void WriteSummaryBody(LogPage& page, const SummaryLogInputs& inputs,
                      WarningLog& warnings) {
  const COptions& o = inputs.options;
  SummaryWriter writer{page, inputs, o, LogLinks(page.folder(), o.m_strDestFolder),
                       text::PageExtension(o.m_strFileExt)};
  writer.Outcome();
  if (inputs.result != RunResult::kFailed) writer.Results();
  writer.Summary(warnings);
  writer.Gedcom();
  writer.Folders();
  writer.Features();
  writer.Files();
  writer.WarningList(warnings);
  writer.LinkSection();
  page.Append("<p>");
}

bool WriteSummaryLog(const RunContext& ctx, RunResult result, int64_t start_seconds,
                     int64_t elapsed_seconds) {
  LogPage page(ctx.env.files(), ctx.env.app_folder());
  if (!page.Open(LogPageKind::kSummary, start_seconds)) return false;
  SummaryLogInputs inputs{ctx.options,     ctx.statistics,
                          ctx.mode,        result,
                          elapsed_seconds, platform::NativePath(ctx.options_path)};
  WriteSummaryBody(page, inputs, ctx.warnings());
  return page.Close();
}

}  // namespace vellix
