#include "shell/cli/command_line.h"

namespace vellix::cli {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CommandLine::CommandLine(std::vector<CommandOption> known) : known_(std::move(known)) {}

const CommandOption* CommandLine::FindLong(std::string_view name) const {
  for (const CommandOption& option : known_) {
    if (!option.long_name.empty() && option.long_name == name) return &option;
  }
  return nullptr;
}

const CommandOption* CommandLine::FindShort(char letter) const {
  for (const CommandOption& option : known_) {
    if (option.short_name != 0 && option.short_name == letter) return &option;
  }
  return nullptr;
}

std::string CommandLine::NameOf(const CommandOption& option) {
  return option.long_name.empty() ? std::string(1, option.short_name)
                                  : std::string(option.long_name);
}

bool CommandLine::Parse(const std::vector<std::string>& args, std::string* error) {
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-' || IsDigit(arg[1])) {
      positional_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    if (arg[1] == '-') {
      const size_t eq = arg.find('=');
      const std::string name = arg.substr(2, eq == std::string::npos ? eq : eq - 2);
      const CommandOption* option = FindLong(name);
      if (option == nullptr) {
        *error = "unknown option '--" + name + "'";
        return false;
      }
      if (option->argument == OptionArgument::kNone) {
        if (eq != std::string::npos) {
          *error = "option '--" + name + "' takes no value";
          return false;
        }
        given_.emplace_back(NameOf(*option), std::nullopt);
      } else if (eq != std::string::npos) {
        given_.emplace_back(NameOf(*option), arg.substr(eq + 1));
      } else if (i + 1 < args.size()) {
        given_.emplace_back(NameOf(*option), args[++i]);
      } else {
        *error = "option '--" + name + "' needs a value";
        return false;
      }
      continue;
    }
    // One or more letters: flags, possibly ending in an option whose value
    // is the rest of the word or the next word.
    for (size_t k = 1; k < arg.size(); ++k) {
      const CommandOption* option = FindShort(arg[k]);
      if (option == nullptr) {
        *error = "unknown option '-" + std::string(1, arg[k]) + "'";
        return false;
      }
      if (option->argument == OptionArgument::kNone) {
        given_.emplace_back(NameOf(*option), std::nullopt);
        continue;
      }
      if (k + 1 < arg.size()) {
        given_.emplace_back(NameOf(*option), arg.substr(k + 1));
      } else if (i + 1 < args.size()) {
        given_.emplace_back(NameOf(*option), args[++i]);
      } else {
        *error = "option '-" + std::string(1, arg[k]) + "' needs a value";
        return false;
      }
      break;
    }
  }
  return true;
}

bool CommandLine::Has(std::string_view name) const {
  for (const auto& [given, value] : given_) {
    if (given == name) return true;
  }
  return false;
}

std::optional<std::string> CommandLine::Value(std::string_view name) const {
  std::optional<std::string> result;
  for (const auto& [given, value] : given_) {
    if (given == name && value) result = value;
  }
  return result;
}

}  // namespace vellix::cli
