// The vellix command-line program: dispatches to one file per command.
#include <cstdio>
#include <string>
#include <vector>

#include "options/options.h"
#include "platform/app_paths.h"
#include "shell/cli/commands.h"
#include "shell/cli/options_command.h"
#include "shell/cli/view_command.h"

namespace {

using vellix::cli::kExitUsage;

int ShowHelp(const std::vector<std::string>& args) {
  std::string topic = args.empty() ? std::string() : args[0];
  if (topic == "generate") {
    std::fputs(vellix::cli::GenerateUsage().c_str(), stdout);
  } else if (topic == "info") {
    std::fputs(vellix::cli::InfoUsage().c_str(), stdout);
  } else if (topic == "view") {
    std::fputs(vellix::cli::ViewUsage().c_str(), stdout);
  } else if (topic == "options") {
    return vellix::cli::RunOptionsCommand({"help"});
  } else {
    std::fputs(vellix::cli::UsageText().c_str(), stdout);
  }
  return 0;
}

}  // namespace

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
    status = ShowHelp(rest);
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
    std::fprintf(stderr, "vellix: unknown command '%s'\n\n%s", command.c_str(),
                 vellix::cli::UsageText().c_str());
  }
  return status;
}
