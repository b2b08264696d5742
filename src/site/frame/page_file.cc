#include "site/frame/page_file.h"

#include "platform/file_system.h"
#include "run/warning_log.h"
#include "text/charset.h"

namespace vellix::site {

bool WritePageFile(RunEnvironment& env, RunStatistics& statistics,
                   const std::string& path, std::string_view page, FileGroup group,
                   std::string_view ref) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (page.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    page.remove_prefix(kByteOrderMark.size());
  }
  std::string cleaned;
  if (!charset::IsValidUtf8(page)) {
    cleaned = charset::SanitizeUtf8(page);
    page = cleaned;
  }
  if (!env.files().WriteFileIfChanged(platform::NativePath(path), page)) {
    env.warnings().Add(WarningCode::kFileNotWritten, path, ref);
    return false;
  }
  statistics.CountFile(group, page.size());
  return true;
}

}  // namespace vellix::site
