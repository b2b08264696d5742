// vellix help [TOPIC]: the help of the program or of one command.
#include <cstdio>
#include <string>
#include <vector>

#include "shell/cli/commands.h"
#include "shell/cli/options_command.h"
#include "shell/cli/usage_error.h"
#include "shell/cli/view_command.h"

namespace vellix::cli {

std::string HelpText(const std::string& topic) {
  if (topic.empty() || topic == "help") return UsageText();
  if (topic == "generate") return GenerateUsage();
  if (topic == "info") return InfoUsage();
  if (topic == "view") return ViewUsage();
  if (topic == "options") return OptionsUsage();
  return {};
}

int RunHelpCommand(const std::vector<std::string>& args) {
  if (args.size() > 1) return UsageError("", "help takes one topic");
  const std::string topic = args.empty() ? std::string() : args[0];
  const std::string text = HelpText(topic);
  if (text.empty()) return UsageError("", "unknown help topic '" + topic + "'");
  std::fputs(text.c_str(), stdout);
  return kExitDone;
}

}  // namespace vellix::cli
