// The per-user state every command of the program works with.
#pragma once

#include <string>

#include "options/current_option_set.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vellix::cli {

/// The user's settings store (settings.ini), the application folder and the
/// current option set, whose messages go to the command's prompter. Each
/// command makes one; `prompter` must outlive it.
class CliSession {
 public:
  explicit CliSession(platform::Prompter& prompter);
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  platform::SettingsStore& settings() { return settings_; }
  const std::string& app_folder() const { return app_folder_; }
  CurrentOptionSet& option_set() { return option_set_; }

 private:
  platform::SettingsStore settings_;
  std::string app_folder_;
  CurrentOptionSet option_set_;
};

}  // namespace vellix::cli
