#include "shell/cli/command_line.h"

#include <algorithm>

namespace vellix::cli {
namespace {
bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}
}  // namespace

CommandLine::CommandLine(std::vector<std::string> value_options,
                         std::vector<std::string> flags)
    : value_options_(std::move(value_options)), flags_(std::move(flags)) {}

bool CommandLine::Parse(const std::vector<std::string>& args, std::string* error) {
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      positional_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inline_value;
    size_t eq = arg.find('=');
    if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = arg.substr(0, eq);
      inline_value = arg.substr(eq + 1);
    }
    if (Contains(flags_, name) && !inline_value) {
      seen_flags_.push_back(name);
    } else if (Contains(value_options_, name)) {
      if (inline_value) {
        values_.emplace_back(name, *inline_value);
      } else if (i + 1 < args.size()) {
        values_.emplace_back(name, args[++i]);
      } else {
        *error = "option " + name + " needs a value";
        return false;
      }
    } else {
      *error = "unknown option " + arg;
      return false;
    }
  }
  return true;
}

bool CommandLine::Has(const std::string& name) const {
  return Contains(seen_flags_, name) || Value(name).has_value();
}

std::optional<std::string> CommandLine::Value(const std::string& name) const {
  std::optional<std::string> result;
  for (const auto& [key, value] : values_) {
    if (key == name) result = value;  // the last one given wins
  }
  return result;
}

}  // namespace vellix::cli
