#include "shell/cli/usage_error.h"

#include <cstdio>
#include <string>

#include "shell/cli/commands.h"

namespace vellix::cli {

void PrintError(std::string_view message) {
  std::fprintf(stderr, "vellix: error: %.*s\n", static_cast<int>(message.size()),
               message.data());
}

int UsageError(std::string_view topic, std::string_view message) {
  PrintError(message);
  const std::string help =
      topic.empty() ? std::string("vellix help") : "vellix help " + std::string(topic);
  std::fprintf(stderr, "Try '%s'.\n", help.c_str());
  return kExitUsage;
}

}  // namespace vellix::cli
