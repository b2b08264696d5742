// The option set a program works with and the file it is kept in.
#pragma once

#include <memory>
#include <string>

#include "options/options.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vellix {

/// The current option set of a program (the command line or the window):
/// its COptions, loaded from its file on first use, and which file that is:
/// the "Options"/"File" setting (default "Options.dat" in the application
/// folder), or a file chosen for this process only. The program owns one and
/// hands the COptions to the engine; nothing about it is global, so tests and
/// two windows may hold several. `prompter` and `settings` must outlive it.
class CurrentOptionSet {
 public:
  CurrentOptionSet(platform::Prompter& prompter, platform::SettingsStore& settings,
                   std::string app_folder);
  ~CurrentOptionSet();
  CurrentOptionSet(const CurrentOptionSet&) = delete;
  CurrentOptionSet& operator=(const CurrentOptionSet&) = delete;

  /// The option set, loaded (LoadOptions) on first call. When its file was
  /// not an option set (m_nLoadError == 1, message shown) it holds the
  /// defaults, and callers that need the user's settings should stop.
  COptions& options();

  /// Full path of the option set file: the file chosen with
  /// UseFileForThisRun when there is one, else the application setting.
  std::string path() const;
  /// The file, the backup folder and the prompter, for LoadOptions and
  /// SaveOptions.
  OptionFileContext file() const;
  const std::string& app_folder() const { return app_folder_; }

  /// Saves the option set to its file (SaveOptions).
  bool Save();

  /// Makes `path` the option set file for the rest of this process without
  /// touching settings.ini (vellix generate --options FILE), and (re)loads
  /// the option set from it. False, with a message, when the file does not
  /// exist or does not load. An empty path returns to the application
  /// setting.
  bool UseFileForThisRun(const std::string& path);

  /// Makes `path` the option set file, as choosing another option set does:
  /// first offers to save the current settings when they were loaded (and
  /// confirms when they were saved; a set not loaded yet is neither read nor
  /// offered), then empties the current set (ResetForNewFile), records the new
  /// path in settings.ini and loads it. With `create_new` the file must not
  /// exist yet and is created with defaults; otherwise it must exist and be
  /// an option set. A file of the wrong kind or a missing one is refused
  /// (with a message) before anything changes. Ends a run's own file choice.
  bool Switch(const std::string& path, bool create_new);

 private:
  platform::Prompter& prompter_;
  platform::SettingsStore& settings_;
  std::string app_folder_;
  std::unique_ptr<COptions> options_;
  std::string run_override_;  // vellix generate --options FILE
};

}  // namespace vellix
