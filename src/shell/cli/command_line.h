// A small parser for the words after a vellix command.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellix::cli {

/// Whether an option takes a value.
enum class OptionArgument { kNone, kRequired };

/// One option a command accepts: a one-letter name ('o' for "-o", 0 for
/// none), a long name ("out" for "--out") and whether it takes a value.
struct CommandOption {
  char short_name;
  std::string_view long_name;
  OptionArgument argument = OptionArgument::kNone;
};

/// Splits a command's arguments into options and positional words, the way
/// getopt_long does: "-o DIR", "-oDIR", "--out DIR" and "--out=DIR" give a
/// value; one-letter flags may be bundled ("-qy"); "--" ends the options;
/// a word that starts with "-" and a digit ("-5") is a value, not an
/// option, so negative numbers need no "--"; "-" alone is a word.
class CommandLine {
 public:
  explicit CommandLine(std::vector<CommandOption> known);

  /// Parses `args`. False, with `error` set ("unknown option '--bogus'",
  /// "option '--out' needs a value", "option '--quiet' takes no value"), on
  /// the first mistake.
  bool Parse(const std::vector<std::string>& args, std::string* error);

  /// Whether the option named by its long name (or its letter, for an option
  /// without a long name) was given.
  bool Has(std::string_view name) const;
  /// Its value; the last one wins when given twice.
  std::optional<std::string> Value(std::string_view name) const;
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  const CommandOption* FindLong(std::string_view name) const;
  const CommandOption* FindShort(char letter) const;
  static std::string NameOf(const CommandOption& option);

  std::vector<CommandOption> known_;
  std::vector<std::pair<std::string, std::optional<std::string>>> given_;
  std::vector<std::string> positional_;
};

}  // namespace vellix::cli
