// The run environment of the benchmarks: nobody to ask, no progress shown,
// the real clock and disk, settings and warnings in a private folder.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/progress_view.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"

namespace vellix::bench {

/// Owns the services a RunEnvironment refers to, and the environment.
struct BenchEnvironment {
  static std::string Folder() {
    platform::CreateFolders("/tmp/vellix-bench-home");
    return "/tmp/vellix-bench-home/";
  }

  platform::SilentPrompter prompter;
  platform::NullProgressView view;
  platform::SystemClock clock;
  platform::LocalFileAccess files;
  platform::SettingsStore settings{Folder() + "settings.ini"};
  RunEnvironment env{prompter, view, clock, files, settings, Folder()};
};

}  // namespace vellix::bench
