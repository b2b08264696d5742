// `vellix options summary`: the option set as a page in the browser.
#pragma once

#include <string>

#include "options/options.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vellix::cli {

/// What the summary command needs of its caller.
struct SummaryRequest {
  COptions& options;            // the current option set, loaded
  std::string option_set_path;  // its file
  const platform::SettingsStore& settings;
  std::string app_folder;   // where the listing is written
  bool print_only = false;  // --print: do not open a browser
};

/// Writes the summary listing "os-<name>.html" into the application folder,
/// prints its path and, with a display (and without --print), opens it in
/// the browser. Returns 0 when written (or when the user kept an existing
/// file of another kind), 1 when it could not be written or opened.
int WriteOptionsSummary(const SummaryRequest& request, platform::Prompter& prompter);

}  // namespace vellix::cli
