// The vellix command-line program: dispatches to one file per command.
#include <cstdio>
#include <string>
#include <vector>

#include "options/options.h"
#include "platform/app_paths.h"
#include "shell/cli/commands.h"
#include "shell/cli/options_command.h"
#include "shell/cli/usage_error.h"
#include "shell/cli/view_command.h"

using vellix::cli::kExitUsage;

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(vellix::cli::UsageText().c_str(), stderr);
    return kExitUsage;
  }
  const std::string command = args.front();
  std::vector<std::string> rest(args.begin() + 1, args.end());

  int status = kExitUsage;
  if (command == "--help" || command == "-h" || command == "help") {
    status = vellix::cli::RunHelpCommand(rest);
  } else if (command == "--version" || command == "version") {
    std::printf("%s %s\n%s\n", std::string(vellix::platform::kProductName).c_str(),
                std::string(vellix::platform::ProductVersion()).c_str(),
                std::string(vellix::platform::kLegalNotice).c_str());
    status = 0;
  } else if (command == "generate") {
    status = vellix::cli::RunGenerateCommand(rest);
  } else if (command == "info") {
    status = vellix::cli::RunInfoCommand(rest);
  } else if (command == "options") {
    status = vellix::cli::RunOptionsCommand(rest);
  } else if (command == "view") {
    status = vellix::cli::RunViewCommand(rest);
  } else {
    status = vellix::cli::UsageError("", "unknown command '" + command + "'");
  }
  return status;
}
