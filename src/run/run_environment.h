// Everything a generation run reaches outside its own data, in one object
// that its caller owns.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/progress_view.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "run/disk_space_guard.h"
#include "run/warning_log.h"

namespace vellix {

/// The services of one caller (the command line, the desktop window, a test)
/// handed to the engine: who is asked and told (prompter, progress view),
/// the clock, file access, the per-user settings store, the application
/// folder, and the run's warning list and disk-space guard. Nothing of a run
/// lives in global state: two environments, in one thread or in two, never
/// see each other's warnings or settings.
///
/// The referenced services must outlive the environment. One run at a time
/// may use an environment; the desktop program keeps one for its window and
/// the runs it starts one after the other.
class RunEnvironment {
 public:
  RunEnvironment(platform::Prompter& prompter, platform::ProgressView& progress_view,
                 const platform::Clock& clock, platform::FileAccess& files,
                 platform::SettingsStore& settings, std::string app_folder);
  RunEnvironment(const RunEnvironment&) = delete;
  RunEnvironment& operator=(const RunEnvironment&) = delete;

  platform::Prompter& prompter() const { return prompter_; }
  platform::ProgressView& progress_view() const { return progress_view_; }
  const platform::Clock& clock() const { return clock_; }
  platform::FileAccess& files() const { return files_; }
  platform::SettingsStore& settings() const { return settings_; }
  /// The application folder (native form, trailing slash): log pages,
  /// warnings.txt, option sets and their backups. Empty for an environment
  /// that keeps nothing on disk (a command that only reads a GEDCOM file):
  /// its warnings are counted, not written.
  const std::string& app_folder() const { return app_folder_; }

  WarningLog& warnings() { return warnings_; }
  DiskSpaceGuard& disk_guard() { return disk_guard_; }

 private:
  platform::Prompter& prompter_;
  platform::ProgressView& progress_view_;
  const platform::Clock& clock_;
  platform::FileAccess& files_;
  platform::SettingsStore& settings_;
  std::string app_folder_;
  WarningLog warnings_;
  DiskSpaceGuard disk_guard_;
};

}  // namespace vellix
