#include "options/option_listing.h"

#include "options/listing_sections.h"
#include "options/listing_writer.h"
#include "options/option_layout.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "platform/replace_file.h"
#include "text/html_escape.h"
#include "text/printf.h"
#include "text/string_ops.h"

namespace vellix::options {
namespace {

using platform::MessageIcon;

constexpr char kTitle[] = "VELLIX Options Set Summary";
constexpr size_t kRecognitionWindow = 2048;
constexpr char kDownloadPage[] = "https://vellix.org/download/";

constexpr char kNoOptionSet[] = "You must specify a VELLIX options set file.";
constexpr char kDoesNotExist[] =
    "%s\n\nThis file does not exist.\nPlease check the file name and try again.";
constexpr char kOverwrite[] =
    "%s\n\nThe listing file already exists! If you overwrite this file, you will "
    "delete its current contents.\n\nDo you want to overwrite the contents of this "
    "file?\n(Click \"No\" if you are not sure.)";
constexpr char kCannotWrite[] = "%s\n\nThe listing file could not be written:\n%s";

constexpr char kHead[] =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
    "<html><head>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
    "<title>%s</title>\r\n";
constexpr char kStyle[] =
    "<meta name=\"Description\" content=\"VELLIX Options\">\r\n"
    "<style type=\"text/css\">\r\n<!--\r\n"
    "body { background-color: #ffffff; font-family: Arial, Helvetica, sans-serif; "
    "color: #000000 }\r\n"
    ".sm { font-size: 80% }\r\n"
    ".red { color: #ff0000 }\r\n"
    ".left { text-align: left }\r\n"
    ".cent { text-align: center }\r\n"
    ".right { text-align: right }\r\n"
    "-->\r\n</style>\r\n"
    "</head>\r\n"
    "<body><a name=\"top\"></a>\r\n";
constexpr char kHeadingTable[] =
    "<table width=\"100%%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" "
    "summary=\"layout\"><tr><td class=\"left\"><span class=\"sm\">%s</span></td>"
    "<td class=\"right\"><span class=\"sm\">Page 1 of 1</span></td></tr></table>\r\n";
constexpr char kTitleBlock[] =
    "<p><div style=\"text-align:center; font-size:140%%\"><b><i>VELLIX</i> Options Set "
    "Summary</b></div><div class=\"cent\">%s</div><br><div style=\"text-align:center; "
    "font-size:110%%\"><tt>%s</tt></div>\r\n";
constexpr char kHelpSentence[] =
    "<p>For an explanation of each option, please refer to <b><i>VELLIX</i></b> "
    "Help.\r\n";
constexpr char kOlderVersion[] =
    "<p class=\"red\">This options set was created with an earlier version of "
    "<b><i>VELLIX</i></b>. Options displayed here may differ from those available in "
    "that version.\r\n";
constexpr char kNewerVersion[] =
    "<p class=\"red\">This options set was created with a newer version of "
    "<b><i>VELLIX</i></b>. Options it holds may not be displayed here; the newest "
    "version is available from the <a href=\"%s\">VELLIX download page</a>.\r\n";
constexpr char kFooter[] =
    "<p><hr width=\"90%%\" size=\"3\">\r\n<p><p><b><i>%s</i></b> %s  "
    "%s<p></body></html>\r\n";

void Navigation(ListingWriter& w) {
  const struct {
    const char* anchor;
    const char* caption;
  } links[] = {
      {"files", "Files"},   {"attributes", "Attributes"}, {"headers", "Headers"},
      {"custom", "Custom"}, {"features", "Features"},     {"facts", "Facts"},
      {"labels", "Labels"}, {"program", "Program"},       {"Maint", "Maintenance"}};
  std::string line = "<p><div class=\"cent\">";
  for (const auto& link : links) {
    if (link.anchor != links[0].anchor) line += " | ";
    line += text::Printf("<a href=\"#%s\">%s</a>", link.anchor, link.caption);
  }
  w.Raw(line + "</div>\r\n<hr>\r\n");
}

std::string FormatDate(const std::tm& now) {
  char buffer[128];
  const size_t n = std::strftime(buffer, sizeof buffer, "%A %B %d, %Y %H:%M:%S", &now);
  return std::string(buffer, n);
}

// True when the existing file starts like a listing this program wrote.
bool IsOwnListing(const std::string& path) {
  std::string head;
  if (!platform::ReadFileHead(path, kRecognitionWindow, &head)) return false;
  return head.size() == kRecognitionWindow &&
         head.find(text::Printf("<title>%s</title>", kTitle)) != std::string::npos;
}

}  // namespace

ListingAppSettings ReadListingAppSettings(const platform::SettingsStore& store) {
  ListingAppSettings app;
  app.history_maximum = store.GetInt("History", "Maximum", 9);
  app.log_individuals = store.GetInt("Options", "SortLogInd", 0);
  app.log_families = store.GetInt("Options", "SortLogFam", 0);
  app.configure = ReadConfigureSortSettings(store);
  return app;
}

std::string ListingFilePath(const std::string& folder,
                            const std::string& option_set_path) {
  std::string name = platform::FileNameOf(option_set_path);
  if (name.size() >= 4 && text::AsciiLower(name.substr(name.size() - 4)) == ".dat") {
    name.erase(name.size() - 4);
  }
  return platform::WithTrailingSlash(folder) + "os-" + name + ".html";
}

std::string OptionListingPage(COptions& options, const ListingInputs& inputs) {
  ListingWriter w;
  const std::string path = text::EscapeHtml(inputs.option_set_path);
  w.Raw(text::Printf(kHead, kTitle));
  w.Raw(kStyle);
  w.Raw(text::Printf(kHeadingTable, path.c_str()));
  w.Raw(text::Printf(kTitleBlock, FormatDate(inputs.now).c_str(), path.c_str()));
  Navigation(w);
  w.Raw(kHelpSentence);
  if (options.m_nFileVersion < kLayoutVersion) w.Raw(kOlderVersion);
  if (options.m_nFileVersion > kLayoutVersion)
    w.Raw(text::Printf(kNewerVersion, kDownloadPage));

  WriteFilesSection(w, options, inputs);
  WriteAttributesSection(w, options);
  WriteHeadersSection(w, options);
  WriteCustomSection(w, options);
  WriteFeaturesSection(w, options);
  WriteFactsSection(w, options);
  WriteLabelsSection(w, options);
  WriteProgramSection(w, options, inputs);
  WriteMaintenanceSection(w, options, inputs);

  w.Raw(text::Printf(kFooter, std::string(platform::kProductName).c_str(),
                     std::string(platform::ProductVersion()).c_str(),
                     text::EscapeHtml(platform::kLegalNotice).c_str()));
  return w.Take();
}

ListingResult WriteOptionListing(COptions& options, const ListingInputs& inputs,
                                 const std::string& folder, platform::Prompter& prompter,
                                 std::string* path) {
  const std::string& option_set = inputs.option_set_path;
  if (option_set.empty()) {
    prompter.Show(MessageIcon::kStop, kNoOptionSet);
    return ListingResult::kRefused;
  }
  if (!platform::FileExists(option_set)) {
    prompter.Show(MessageIcon::kStop, text::Printf(kDoesNotExist, option_set.c_str()));
    return ListingResult::kRefused;
  }
  *path = ListingFilePath(folder, option_set);
  if (platform::FileExists(*path) && !IsOwnListing(*path) &&
      !prompter.Ask(MessageIcon::kStop, text::Printf(kOverwrite, path->c_str()), false)) {
    return ListingResult::kDeclined;
  }
  // An option set that was not read holds nothing of the user's to list.
  if (options.m_nLoadError == 1) return ListingResult::kRefused;
  std::string reason;
  if (!platform::ReplaceFileContents(*path, OptionListingPage(options, inputs),
                                     &reason)) {
    prompter.Show(MessageIcon::kStop,
                  text::Printf(kCannotWrite, path->c_str(), reason.c_str()));
    return ListingResult::kRefused;
  }
  return ListingResult::kWritten;
}

}  // namespace vellix::options
