#include "site/frame/page_file.h"

#include "text/charset.h"
#include "run/warning_log.h"
#include "platform/file_system.h"

namespace vellix::site {

bool WritePageFile(const std::string& path, std::string_view page, FileGroup group,
                   RunStatistics& statistics, std::string_view ref) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (page.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    page.remove_prefix(kByteOrderMark.size());
  }
  std::string cleaned;
  if (!charset::IsValidUtf8(page)) {
    cleaned = charset::SanitizeUtf8(page);
    page = cleaned;
  }
  if (!platform::WriteFileIfChanged(platform::NativePath(path), page)) {
    Warnings().Add(5, path, ref);
    return false;
  }
  statistics.CountFile(group, page.size());
  return true;
}

}  // namespace vellix::site
