#include "logs/log_page.h"

#include <cstdarg>
#include <ctime>

#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "text/html_escape.h"

namespace vellix {
namespace {

constexpr int kPageCount = 3;

constexpr std::string_view kFileNames[kPageCount] = {
    "vx-summary.html", "vx-individual.html", "vx-family.html"};
constexpr std::string_view kTitles[kPageCount] = {"Summary", "Individuals", "Families"};

// The families page opens enlarged images in a window of their own size.
constexpr std::string_view kNewWindowScript =
    "<script type=\"text/javascript\" language=\"JavaScript\">\r\n"
    "<!--\r\nfunction NewWindow(url, x, y)\r\n{\r\n"
    "   window.open(url, \"\", "
    "\"toolbar=0,status=0,menubar=1,scrollbars=1,resizable=1,\" "
    "+\r\n\"width=\" + x + \",height=\" + y);\r\n}\r\n"
    "//-->\r\n</script>\r\n";

int Index(LogPageKind kind) { return static_cast<int>(kind); }

// The legal notice with its copyright sign as an entity.
std::string NoticeHtml(std::string_view notice) {
  std::string html = text::EscapeHtml(notice);
  const std::string_view kCopyright = "\xC2\xA9";
  for (size_t at = html.find(kCopyright); at != std::string::npos;
       at = html.find(kCopyright, at)) {
    html.replace(at, kCopyright.size(), "&copy;");
  }
  return html;
}

}  // namespace

std::string_view LogPageFileName(LogPageKind kind) { return kFileNames[Index(kind)]; }

std::string_view LogPageTitle(LogPageKind kind) { return kTitles[Index(kind)]; }

std::string FormatLogTime(int64_t seconds_since_1970) {
  std::time_t t = static_cast<std::time_t>(seconds_since_1970);
  std::tm local{};
  localtime_r(&t, &local);
  char buffer[128];
  size_t n = std::strftime(buffer, sizeof buffer, "%A %B %d, %Y %H:%M:%S", &local);
  return std::string(buffer, n);
}

LogPage::LogPage(platform::FileAccess& files, std::string folder)
    : files_(files), folder_(platform::WithTrailingSlash(folder)) {}

LogPage::~LogPage() {
  if (m_bOpen) Close();
}

bool LogPage::Open(LogPageKind kind, int64_t start_seconds) {
  if (m_bOpen) Close();
  m_strPath = folder_ + std::string(LogPageFileName(kind));
  m_file = files_.OpenForWriting(m_strPath);
  if (m_file == nullptr) return false;
  m_bOpen = true;
  buffer_.clear();
  write_failed_ = false;

  const std::string_view title = LogPageTitle(kind);
  Append(
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 "
      "Transitional//EN\">\r\n<html><head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
      "<title>VELLIX ");
  Append(title);
  Append("</title>\r\n<meta name=\"Description\" content=\"VELLIX Log\">\r\n");
  if (kind == LogPageKind::kFamilies) Append(kNewWindowScript);
  Append(
      "</head>\r\n<body style=\"font-family:Arial,Helvetica,sans-serif;\" "
      "bgcolor=\"#ffffff\" text=\"#000000\" link=\"#0000ff\" vlink=\"#800080\" "
      "alink=\"#ff0000\">");
  Print(
      "\r\n<table width=\"100%%\" border=\"0\" summary=\"Heading\" cellpadding=\"1\" "
      "cellspacing=\"2\"><tr><td><tt>%s</tt></td><td width=\"20%%\" align=\"right\">"
      "Page %d of %d</td></tr>\r\n</table>\r\n<p>",
      text::EscapeHtml(m_strPath).c_str(), Index(kind) + 1, kPageCount);
  Print(
      "\r\n<div align=\"center\"><font size=\"+2\"><b><i>VELLIX</i> Log</b></font><br>"
      "%s</div>",
      FormatLogTime(start_seconds).c_str());

  Append("<p>\r\n<div align=\"center\">");
  for (int i = 0; i < kPageCount; ++i) {
    if (i > 0) Append(" | ");
    if (i == Index(kind)) {
      Append(kTitles[i]);
    } else {
      Print("<a href=\"%s\">%s</a>", std::string(kFileNames[i]).c_str(),
            std::string(kTitles[i]).c_str());
    }
  }
  Append("</div>");
  Append(
      "<p>This is a summary of the web pages generated. It is not intended for use as an "
      "actual web page. <font color=\"red\">This file is overwritten each time you use "
      "the <i>Generate</i> command. </font>To save it for future reference, use your "
      "browser's <i>Save As...</i> command.");
  Append("<p><hr width=\"90%\" size=\"3\">\r\n<p>");
  return true;
}

void LogPage::Print(const char* format, ...) {
  if (!m_bOpen) return;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  // Most texts fit a small buffer and are formatted once; a longer one is
  // formatted again straight into the page's buffer.
  char small[512];
  const int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n > 0 && static_cast<size_t>(n) < sizeof small) {
    buffer_.append(small, static_cast<size_t>(n));
  } else if (n > 0) {
    size_t old = buffer_.size();
    buffer_.resize(old + static_cast<size_t>(n) + 1);
    std::vsnprintf(buffer_.data() + old, static_cast<size_t>(n) + 1, format, args);
    buffer_.resize(old + static_cast<size_t>(n));
  }
  va_end(args);
  FlushIfLarge();
}

void LogPage::Append(std::string_view text) {
  if (!m_bOpen) return;
  buffer_.append(text);
  FlushIfLarge();
}

void LogPage::FlushIfLarge() {
  // The individuals page of a million people runs to hundreds of megabytes;
  // it goes to the file in large pieces instead of growing in memory.
  constexpr size_t kFlushSize = size_t{1} << 20;
  if (buffer_.size() < kFlushSize) return;
  if (!m_file->Write(buffer_)) write_failed_ = true;
  buffer_.clear();
}

bool LogPage::Close() {
  if (!m_bOpen) return false;
  Print(
      "<p><hr width=\"90%%\" size=\"3\">\r\n<p><p><b><i>%s</i></b> %s  "
      "%s<p></body></html>\r\n",
      std::string(platform::kProductName).c_str(),
      std::string(platform::ProductVersion()).c_str(),
      NoticeHtml(platform::kLegalNotice).c_str());
  bool ok = m_file->Write(buffer_) && !write_failed_;
  ok = m_file->Close() && ok;
  m_file.reset();
  m_bOpen = false;
  buffer_.clear();
  buffer_.shrink_to_fit();
  write_failed_ = false;
  return ok;
}

}  // namespace vellix
