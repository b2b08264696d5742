// What every fuzz target needs to run engine code: a run environment of its
// own on a private temporary folder, silent, with a disk that is not
// flushed (fuzzing writes files thousands of times a second).
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/disk_writer.h"
#include "platform/file_access.h"
#include "platform/progress_view.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"

namespace vellix::fuzz {

/// A disk writer whose flush returns at once.
class UnflushedWriter : public platform::DiskWriter {
 public:
  int Sync(int) override { return 0; }
};

/// The environment of one fuzz target process: made on first use, kept for
/// the life of the process (libFuzzer calls the target many times in one
/// process), its folder removed at exit.
class FuzzEnvironment {
 public:
  /// The process's environment.
  static FuzzEnvironment& Get();

  /// The private folder (with a trailing slash); the application folder.
  const std::string& folder() const { return folder_; }
  /// A sub-folder of folder(), emptied and made again.
  std::string FreshFolder(const std::string& name);

  platform::SilentPrompter prompter;
  platform::NullProgressView progress_view;
  platform::FixedClock clock{1700000000LL * 1000000000LL};
  UnflushedWriter writer;
  platform::LocalFileAccess files{writer};
  platform::SettingsStore settings;
  RunEnvironment env;

 private:
  explicit FuzzEnvironment(std::string folder);
  ~FuzzEnvironment();
  std::string folder_;
};

}  // namespace vellix::fuzz
