#include "site/frame/page_file.h"

#include "run/warning_log.h"
#include "text/charset.h"

namespace vellix::site {

std::string_view SiteFileText(std::string_view page, std::string* cleaned) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (page.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    page.remove_prefix(kByteOrderMark.size());
  }
  if (!charset::IsValidUtf8(page)) {
    *cleaned = charset::SanitizeUtf8(page);
    page = *cleaned;
  }
  return page;
}

bool CountPageWrite(RunEnvironment& env, RunStatistics& statistics,
                    const std::string& native, platform::WriteResult result, size_t size,
                    FileGroup group, std::string_view ref) {
  if (result == platform::WriteResult::kFailed) {
    env.warnings().Add(WarningCode::kFileNotWritten, native, ref);
    return false;
  }
  statistics.CountFile(group, size);
  if (result == platform::WriteResult::kUnchanged) ++statistics.filesUnchanged;
  return true;
}

bool WritePageFile(RunEnvironment& env, RunStatistics& statistics,
                   const std::string& path, std::string_view page, FileGroup group,
                   std::string_view ref) {
  std::string cleaned;
  page = SiteFileText(page, &cleaned);
  const std::string native = platform::NativePath(path);
  // The file belongs to this run's site even when writing it fails: the
  // manifest keeps it, so no later step takes it for another run's page.
  statistics.RecordSiteFile(native);
  const platform::WriteResult result = env.files().WriteFileIfChanged(native, page);
  return CountPageWrite(env, statistics, native, result, page.size(), group, ref);
}

}  // namespace vellix::site
