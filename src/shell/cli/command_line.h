// A small parser for the words after a vellix command.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vellix::cli {

/// Splits a command's arguments into options and positional words.
/// Options take the forms "-o VALUE", "--out VALUE" and "--out=VALUE";
/// flags take none; "--" ends the options.
class CommandLine {
 public:
  /// `value_options` lists the option names (with dashes) that take a value;
  /// `flags` the ones that do not.
  CommandLine(std::vector<std::string> value_options, std::vector<std::string> flags);

  /// Parses `args`; false with `error` set for an unknown option or a
  /// missing value.
  bool Parse(const std::vector<std::string>& args, std::string* error);

  bool Has(const std::string& name) const;
  std::optional<std::string> Value(const std::string& name) const;
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  std::vector<std::string> value_options_;
  std::vector<std::string> flags_;
  std::vector<std::pair<std::string, std::string>> values_;
  std::vector<std::string> seen_flags_;
  std::vector<std::string> positional_;
};

}  // namespace vellix::cli
