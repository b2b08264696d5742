#include "shell/cli/cli_session.h"

#include "platform/app_paths.h"

namespace vellix::cli {

CliSession::CliSession(platform::Prompter& prompter)
    : settings_(platform::SettingsStore::OpenUserSettings()),
      app_folder_(platform::ApplicationFolder()),
      option_set_(prompter, settings_, app_folder_) {}

}  // namespace vellix::cli
