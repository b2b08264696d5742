#include "run/run_environment.h"

#include <utility>

namespace vellix {

RunEnvironment::RunEnvironment(platform::Prompter& prompter,
                               platform::ProgressView& progress_view,
                               const platform::Clock& clock, platform::FileAccess& files,
                               platform::SettingsStore& settings, std::string app_folder)
    : prompter_(prompter),
      progress_view_(progress_view),
      clock_(clock),
      files_(files),
      settings_(settings),
      app_folder_(app_folder.empty() ? std::string()
                                     : platform::WithTrailingSlash(app_folder)),
      warnings_(prompter,
                app_folder_.empty() ? std::string() : app_folder_ + "warnings.txt"),
      disk_guard_(
          [&files](const std::string& folder) { return files.FreeDiskSpace(folder); }) {}

}  // namespace vellix
