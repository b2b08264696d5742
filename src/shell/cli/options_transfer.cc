#include "shell/cli/options_transfer.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <vector>

#include "options/current_option_set.h"
#include "options/option_ini.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/replace_file.h"
#include "shell/cli/commands.h"
#include "shell/cli/path_checks.h"
#include "shell/cli/usage_error.h"

namespace vellix::cli {

int ExportOptions(CurrentOptionSet& option_set, const std::string& file) {
  const std::string text = options::OptionsToIni(option_set.options(), option_set.path());
  if (file == "-") {
    std::fputs(text.c_str(), stdout);
    return kExitDone;
  }
  const PathCheck check = CheckInputFile(file);
  if (check.problem == PathProblem::kIsDirectory) {
    return UsageError("options", DescribePathCheck(check));
  }
  std::string error;
  if (!platform::ReplaceFileContents(file, text, &error)) {
    PrintError(error);
    return kExitFailed;
  }
  return kExitDone;
}

int ImportOptions(CurrentOptionSet& option_set, const std::string& file) {
  COptions& options = option_set.options();
  std::string text;
  if (file == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin),
                std::istreambuf_iterator<char>());
  } else {
    const PathCheck check = CheckInputFile(file);
    if (check.problem != PathProblem::kNone) {
      return UsageError("options", DescribePathCheck(check));
    }
    std::string error;
    if (!platform::ReadWholeFile(file, &text, &error)) {
      return UsageError("options", error);
    }
  }
  std::vector<options::IniProblem> problems;
  if (!options::ApplyIni(text, &options, &problems)) {
    const std::string name = file == "-" ? "stdin" : file;
    for (const options::IniProblem& problem : problems) {
      PrintError(name + ":" + std::to_string(problem.line) + ": " + problem.message);
    }
    std::fputs("vellix: the options set was not changed.\n", stderr);
    return kExitUsage;
  }
  return option_set.Save() ? kExitDone : kExitFailed;
}

}  // namespace vellix::cli
