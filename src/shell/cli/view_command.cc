// vellix view: the summary log page in the browser, or its path.
#include "shell/cli/view_command.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "logs/log_page.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "shell/cli/command_line.h"
#include "shell/cli/terminal_wording.h"
#include "shell/cli/usage_error.h"

namespace vellix::cli {
namespace {

constexpr const char* kNoResults =
    "There are no results to view!\n\nClick \"Generate\" before selecting \"View.\"";
constexpr const char* kCannotOpen =
    "%s\n\nThis file either does not exist, it is not accessible, or there is no "
    "Internet "
    "browser associated with files of this type.\n";

std::string FillPath(const char* format, const std::string& path) {
  std::string text(format);
  text.replace(text.find("%s"), 2, path);
  return text;
}

bool HasDisplay() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// Opens `path` with xdg-open, working in `folder`; true when xdg-open ran
// and reported success.
bool OpenDocument(const std::string& path, const std::string& folder) {
  std::fflush(nullptr);
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::string ViewUsage() {
  return "Usage: vellix view [--print]\n\n"
         "Opens the summary log page of the last run in the browser. Without a\n"
         "display, or with --print, prints the page's path instead.\n\n"
         "  --print               print the path of the page\n"
         "  -h, --help            show this text\n";
}

int RunViewCommand(const std::vector<std::string>& args) {
  CommandLine line({{0, "print"}, {'h', "help"}});
  std::string error;
  if (!line.Parse(args, &error)) return UsageError("view", error);
  if (line.Has("help")) {
    std::fputs(ViewUsage().c_str(), stdout);
    return 0;
  }
  if (!line.positional().empty()) {
    return UsageError("view", "unexpected argument '" + line.positional()[0] + "'");
  }
  const bool print_only = line.Has("print");
  const std::string folder = platform::ApplicationFolder();
  const std::string path = folder + std::string(LogPageFileName(LogPageKind::kSummary));
  if (!platform::FileExists(path)) {
    std::fputs(TerminalMessage(platform::MessageIcon::kStop, TerminalWording(kNoResults))
                   .c_str(),
               stderr);
    return 1;
  }
  if (print_only || !HasDisplay()) {
    std::printf("%s\n", path.c_str());
    return 0;
  }
  if (!OpenDocument(path, folder)) {
    std::fputs(TerminalMessage(platform::MessageIcon::kStop, FillPath(kCannotOpen, path))
                   .c_str(),
               stderr);
    std::printf("%s\n", path.c_str());
    return 1;
  }
  return 0;
}

}  // namespace vellix::cli
