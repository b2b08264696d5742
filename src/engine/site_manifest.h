// The record of the files VELLIX wrote into a destination folder, and the
// clean-up of the files an earlier run wrote there that this run did not.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "run/run_environment.h"
#include "run/run_statistics.h"

namespace vellix {

/// The manifest's file name in the destination folder.
inline constexpr char kManifestFileName[] = ".vellix-manifest";

/// What a run does with the files an earlier run wrote and it did not.
enum class StaleFiles {
  kRemove,      // a complete site was written: they are stale, remove them
  kKeep,        // the same, but the user asked to keep them (--keep-stale)
  kPartOfSite,  // a partial, failed or cancelled run: they are still the
                // rest of the site, keep them without counting them
};

/// The manifest's text: a first line naming the format, then one path per
/// line, relative to the destination folder with "/" between folder names,
/// sorted and without repeats.
std::string ManifestText(std::vector<std::string> paths);

/// The paths listed by a manifest's text. A line that could name anything
/// outside the destination folder (absolute, "..", control characters,
/// platform::IsPathBelow) is dropped: the manifest is a file in the user's
/// folder, and whatever it says must never make a run touch other files.
std::vector<std::string> ParseManifest(std::string_view text);

/// `path` (native) relative to the folder `dest` (native), with "/"
/// separators; empty when `path` does not lie below `dest`.
std::string PathBelow(const std::string& dest, const std::string& path);

/// Brings the manifest in `dest` (native path of the destination folder) up
/// to date after a run that wrote `statistics.siteFiles`. With kRemove, every
/// file the earlier manifest lists and this run did not write is removed
/// (only regular files below `dest`, no link followed) and counted in
/// statistics.staleFilesRemoved; with kKeep they stay, are counted in
/// staleFilesKept and remain in the manifest, so a later run can still
/// remove them; with kPartOfSite they stay in the manifest uncounted. Files no manifest
/// lists are never touched. The new manifest replaces the old one atomically; when it
/// cannot be written, warning 5 names it.
void UpdateSiteManifest(RunEnvironment& env, const std::string& dest,
                        RunStatistics& statistics, StaleFiles stale);

}  // namespace vellix
