#include "engine/site_manifest.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "platform/file_below.h"
#include "platform/file_system.h"
#include "platform/replace_file.h"
#include "run/warning_log.h"

namespace vellix {
namespace {

constexpr std::string_view kHeader = "# VELLIX site manifest 1";

}  // namespace

std::string ManifestText(std::vector<std::string> paths) {
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  std::string text(kHeader);
  text += '\n';
  for (const std::string& path : paths) {
    text += path;
    text += '\n';
  }
  return text;
}

std::vector<std::string> ParseManifest(std::string_view text) {
  std::vector<std::string> paths;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (platform::IsPathBelow(line)) paths.emplace_back(line);
  }
  return paths;
}

namespace {

// True when `folder` ends with "/" and lexical normalisation leaves it as it
// stands: no empty, "." or ".." parts.
bool IsPlainFolder(std::string_view folder) {
  if (folder.empty() || folder.back() != '/') return false;
  if (folder.find("//") != std::string_view::npos) return false;
  const std::string_view inner = folder.substr(0, folder.size() - 1);
  size_t start = !inner.empty() && inner.front() == '/' ? 1 : 0;
  while (start <= inner.size() && !inner.empty()) {
    size_t end = inner.find('/', start);
    if (end == std::string_view::npos) end = inner.size();
    const std::string_view part = inner.substr(start, end - start);
    if (part == "." || part == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

std::string PathBelow(const std::string& dest, const std::string& path) {
  // Nearly every path is the folder followed by a plain relative path: no
  // normalising needed then.
  if (path.size() > dest.size() && path.compare(0, dest.size(), dest) == 0 &&
      IsPlainFolder(dest)) {
    const std::string_view rest = std::string_view(path).substr(dest.size());
    if (platform::IsPathBelow(rest)) return std::string(rest);
  }
  namespace fs = std::filesystem;
  const fs::path base = fs::path(dest).lexically_normal();
  const fs::path full = fs::path(path).lexically_normal();
  const fs::path relative = full.lexically_relative(base);
  const std::string text = relative.generic_string();
  if (text.empty() || !platform::IsPathBelow(text)) return {};
  return text;
}

void UpdateSiteManifest(RunEnvironment& env, const std::string& dest,
                        RunStatistics& statistics, StaleFiles stale) {
  platform::FileAccess& files = env.files();
  const std::string folder = platform::WithTrailingSlash(dest);
  const std::string manifest = folder + kManifestFileName;

  std::vector<std::string> listed;
  std::unordered_set<std::string> written;
  for (const std::string& path : statistics.siteFiles) {
    std::string relative = PathBelow(folder, path);
    if (relative.empty() || relative == kManifestFileName) continue;
    if (written.insert(relative).second) listed.push_back(std::move(relative));
  }

  std::string old_text;
  if (files.FileExists(manifest) && files.ReadWholeFile(manifest, &old_text)) {
    for (const std::string& path : ParseManifest(old_text)) {
      if (written.count(path) != 0 || path == kManifestFileName) continue;
      if (stale == StaleFiles::kRemove) {
        switch (files.RemoveFileBelow(folder, path)) {
          case platform::RemoveResult::kRemoved:
            ++statistics.staleFilesRemoved;
            break;
          case platform::RemoveResult::kMissing:
          case platform::RemoveResult::kRefused:
            // Gone, or no longer a file of ours (a link, a folder): forgotten.
            break;
          case platform::RemoveResult::kFailed:
            listed.push_back(path);  // still there: a later run tries again
            break;
        }
      } else if (files.InspectFileBelow(folder, path) ==
                 platform::RemoveResult::kRemoved) {
        // Still a file of ours (reached as a removal would reach it).
        if (stale == StaleFiles::kKeep) ++statistics.staleFilesKept;
        listed.push_back(path);
      }
    }
  }

  std::string error;
  if (!platform::ReplaceFileContents(manifest, ManifestText(std::move(listed)), &error)) {
    env.warnings().Add(WarningCode::kFileNotWritten, manifest);
  }
}

}  // namespace vellix
