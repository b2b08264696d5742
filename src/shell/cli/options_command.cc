#include "shell/cli/options_command.h"

#include <cstdio>
#include <optional>

#include "options/extras_settings.h"
#include "options/option_keys.h"
#include "options/options.h"
#include "platform/prompter.h"
#include "shell/cli/cli_session.h"
#include "shell/cli/command_line.h"
#include "shell/cli/commands.h"
#include "shell/cli/options_listing.h"
#include "shell/cli/options_summary.h"
#include "shell/cli/options_transfer.h"
#include "shell/cli/terminal_prompter.h"
#include "shell/cli/usage_error.h"

namespace vellix::cli {
namespace {

constexpr char kResetQuestion[] =
    "\n\nThis action will reset every option of this options set to its "
    "default value.\n\nDo you want to reset all options?";

// The current option set, or nullptr when its file did not load (the
// message has been shown).
COptions* LoadedOptions(CliSession& session) {
  COptions* options = &session.option_set().options();
  return options->m_nLoadError == 0 ? options : nullptr;
}

const options::Setting* KnownSetting(const std::string& key) {
  const options::Setting* setting = options::FindSetting(key);
  if (setting == nullptr) {
    UsageError("options", "unknown setting '" + key + "' (see 'vellix options list')");
  }
  return setting;
}

// `get` and `set` of an "extras." key: the extras kept beside the option set.
int GetExtra(CliSession& session, const std::string& key) {
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  std::optional<std::string> value = options::ExtrasValue(options->extras, key);
  if (!value) {
    return UsageError("options", "unknown setting '" + key + "' (see 'vellix options list')");
  }
  std::printf("%s\n", value->c_str());
  return kExitDone;
}

int SetExtra(CliSession& session, const std::string& key, const std::string& value) {
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  std::string error;
  if (!options::SetExtrasValue(&options->extras, key, value, &error)) {
    return UsageError("options", error);
  }
  return session.option_set().Save() ? kExitDone : kExitFailed;
}

int Get(CliSession& session, const std::string& key) {
  if (options::IsExtrasKey(key)) return GetExtra(session, key);
  const options::Setting* setting = KnownSetting(key);
  if (setting == nullptr) return kExitUsage;
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  std::printf("%s\n", options::SettingValue(*options, *setting).c_str());
  return kExitDone;
}

int Set(CliSession& session, const std::string& key, const std::string& value) {
  if (options::IsExtrasKey(key)) return SetExtra(session, key, value);
  const options::Setting* setting = KnownSetting(key);
  if (setting == nullptr) return kExitUsage;
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  std::string error;
  if (!options::SetSettingValue(*options, *setting, value, &error)) {
    return UsageError("options", error);
  }
  return session.option_set().Save() ? kExitDone : kExitFailed;
}

int Reset(CliSession& session, platform::Prompter& prompter) {
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  if (!prompter.Ask(platform::MessageIcon::kQuestion,
                    session.option_set().path() + kResetQuestion, false)) {
    std::fputs("vellix: the options set was not changed.\n", stderr);
    return kExitDone;
  }
  options->SetDefaults();
  return session.option_set().Save() ? kExitDone : kExitFailed;
}

}  // namespace

std::string OptionsUsage() {
  return R"(Usage: vellix options COMMAND [ARGUMENTS] [--yes|--no]

Shows and changes the current option set: the file of every setting that
decides what the generated site shows and how.

Commands:
  path              show the path of the current option set file
  list [--changed] [--json]
                    every setting, tab by tab: its key, value and caption,
                    with the meaning of each numbered choice; --changed only
                    those that differ from the defaults; --json as JSON
  get KEY           show one setting's value
  set KEY VALUE     change one setting and save the option set
  export FILE       write the whole option set, the extras included, to FILE
                    ("-": stdout) as commented INI text, to keep, read, diff
                    and restore
  import FILE       set every setting FILE names ("-": stdin) and save
  reset             put every setting back to its default (asks first)
  summary [--print] write the option set as a page (os-NAME.html in the
                    application folder), print its path, and open it in the
                    browser when there is a display (not with --print)
  use FILE          make an existing option set file the current one
  new FILE          create a new option set file with defaults and use it
  keys              every key, one per line
  help              this text

  -y, --yes, -n, --no  answer every question in advance
  -h, --help           show this text (also after any command)

Each setting has a key, shown by 'vellix options list' beside the caption
the options dialog gives it, for example strDestFolder (Files › Destination
Folder) or bExcludeLiving (Features › Privacy Filters › Exclude living
individuals). Switches take yes or no (also 1/0, true/false, on/off);
numbered choices take their number; paths read and are typed as usual
paths; custom colours (customColors.0 to .15) take #rrggbb; the display choice and label of each fact kind are
factInclude.N and factLabels.N. A negative number needs no "--".

The extras (all off by default) are kept beside the option set file, in
NAME.extras.ini: extras.search (search page), extras.phones (pages for
phones), extras.maps (map links beside places) and extras.base-url (the
site's address: sitemap.xml, robots.txt and canonical links). Export
writes them in a last section, [Extras], under these keys; import sets those
the file names, with the checks of set.

The command saves the option set after set, import and reset, keeping the
previous file as a .old backup in the application folder.
)";
}

int RunOptionsCommand(const std::vector<std::string>& args) {
  CommandLine line({{'y', "yes"},
                    {'n', "no"},
                    {'h', "help"},
                    {0, "changed"},
                    {0, "json"},
                    {0, "print"}});
  std::string error;
  if (!line.Parse(args, &error)) return UsageError("options", error);
  const std::vector<std::string>& words = line.positional();
  if (line.Has("help") || (!words.empty() && words[0] == "help" && words.size() == 1)) {
    std::fputs(OptionsUsage().c_str(), stdout);
    return kExitDone;
  }
  if (words.empty()) return UsageError("options", "name a command, for example list");
  const std::string& command = words[0];
  const size_t operands = words.size() - 1;
  if ((line.Has("changed") || line.Has("json")) && command != "list") {
    return UsageError("options", "--changed and --json go with list");
  }
  if (line.Has("print") && command != "summary") {
    return UsageError("options", "--print goes with summary");
  }
  if (line.Has("yes") && line.Has("no")) {
    return UsageError("options", "--yes and --no exclude each other");
  }

  std::optional<bool> answer;
  if (line.Has("yes")) answer = true;
  if (line.Has("no")) answer = false;
  TerminalPrompter prompter(answer, Verbosity::kNormal);
  CliSession session(prompter);

  struct Shape {
    const char* command;
    size_t operands;
    const char* usage;
  };
  static constexpr Shape kShapes[] = {{"path", 0, "path"},
                                      {"list", 0, "list"},
                                      {"keys", 0, "keys"},
                                      {"get", 1, "get KEY"},
                                      {"set", 2, "set KEY VALUE"},
                                      {"reset", 0, "reset"},
                                      {"use", 1, "use FILE"},
                                      {"new", 1, "new FILE"},
                                      {"export", 1, "export FILE"},
                                      {"import", 1, "import FILE"},
                                      {"summary", 0, "summary [--print]"}};
  const Shape* shape = nullptr;
  for (const Shape& s : kShapes) {
    if (command == s.command) shape = &s;
  }
  if (shape == nullptr) return UsageError("options", "unknown command '" + command + "'");
  if (operands != shape->operands) {
    return UsageError("options", std::string("usage: vellix options ") + shape->usage);
  }

  if (command == "path") {
    std::printf("%s\n", session.option_set().path().c_str());
    return kExitDone;
  }
  if (command == "keys") {
    for (const options::Setting& setting : options::AllSettings()) {
      std::printf("%s\n", setting.key.c_str());
    }
    for (const options::ExtrasKey& key : options::AllExtrasKeys()) {
      std::printf("%.*s\n", static_cast<int>(key.key.size()), key.key.data());
    }
    return kExitDone;
  }
  if (command == "get") return Get(session, words[1]);
  if (command == "set") return Set(session, words[1], words[2]);
  if (command == "reset") return Reset(session, prompter);
  if (command == "use" || command == "new") {
    return session.option_set().Switch(words[1], command == "new") ? kExitDone
                                                                   : kExitUsage;
  }
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  if (command == "list") {
    const ListingScope scope =
        line.Has("changed") ? ListingScope::kChanged : ListingScope::kAll;
    const std::string listing =
        line.Has("json") ? ListingJson(*options, scope) : ListingText(*options, scope);
    std::fputs(listing.c_str(), stdout);
    return kExitDone;
  }
  if (command == "export") return ExportOptions(session.option_set(), words[1]);
  if (command == "summary") {
    return WriteOptionsSummary({*options, session.option_set().path(), session.settings(),
                                session.app_folder(), line.Has("print")},
                               prompter);
  }
  return ImportOptions(session.option_set(), words[1]);
}

}  // namespace vellix::cli
