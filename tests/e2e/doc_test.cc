// The manual page and the shell completions: they render, they are
// installed, and they know what the program knows.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <regex>
#include <set>
#include <string>

#include "testing/test_support.h"

namespace vellix {
namespace {

using testing::ReadFile;
using testing::TempDir;

const std::string kManPage = std::string(VELLIX_SOURCE_DIR) + "/doc/vellix.1";

struct Output {
  int status = -1;
  std::string text;
};

Output RunCommand(const std::string& command) {
  Output output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    output.text.append(buffer.data(), n);
  }
  const int raw = pclose(pipe);
  output.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return output;
}

bool Have(const char* program) {
  return RunCommand(std::string("command -v ") + program + " >/dev/null 2>&1").status ==
         0;
}

TEST(ManPage, RendersWithoutWarnings) {
  if (!Have("man")) GTEST_SKIP() << "man-db is not installed (scripts/install-deps.sh)";
  // Warnings go to stderr; the page itself is thrown away.
  const Output warnings =
      RunCommand("LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l '" + kManPage +
                 "' 2>&1 >/dev/null");
  EXPECT_EQ(warnings.status, 0);
  EXPECT_EQ(warnings.text, "");
  const Output page =
      RunCommand("LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l '" + kManPage + "'");
  EXPECT_NE(
      page.text.find("vellix - turn a genealogy GEDCOM file into a static web site"),
      std::string::npos)
      << page.text;
}

// Every option the commands' help names is explained in the manual page,
// and the page names the program's version.
TEST(ManPage, KnowsEveryOptionAndTheVersion) {
  const std::string page = ReadFile(kManPage);
  const std::string program = "'" VELLIX_PROGRAM "'";
  const std::string version = RunCommand(program + " --version").text;
  const std::string number = version.substr(7, version.find('\n') - 7);
  EXPECT_NE(page.find("\"VELLIX " + number + "\""), std::string::npos) << number;

  std::set<std::string> options;
  for (const char* topic : {"generate", "info", "view", "options"}) {
    const std::string help = RunCommand(program + " help " + topic).text;
    const std::regex option("--([a-z][a-z-]*)");
    for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end;
         ++it) {
      options.insert((*it)[1]);
    }
  }
  EXPECT_GT(options.size(), 8u);
  for (const std::string& option : options) {
    std::string roff = "\\-\\-";
    for (char c : option) roff += c == '-' ? std::string("\\-") : std::string(1, c);
    EXPECT_NE(page.find(roff), std::string::npos) << "--" << option;
  }
}

TEST(Completion, BashCompletesCommandsOptionsAndKeys) {
  if (!Have("bash")) GTEST_SKIP() << "no bash";
  TempDir home;
  const std::string program = VELLIX_PROGRAM;
  const std::string folder = program.substr(0, program.rfind('/'));
  const std::string script = std::string(VELLIX_SOURCE_DIR) + "/completion/vellix.bash";
  auto complete = [&](const std::string& words) {
    return RunCommand("VELLIX_HOME='" + home.path() + "' PATH='" + folder +
                      "':\"$PATH\" bash -c 'source \"" + script + "\"; COMP_WORDS=(" +
                      words +
                      "); COMP_CWORD=$((${#COMP_WORDS[@]}-1)); _vellix; "
                      "printf \"%s\\n\" \"${COMPREPLY[@]}\"' 2>/dev/null")
        .text;
  };
  EXPECT_EQ(complete("vellix ge"), "generate\n");
  EXPECT_EQ(complete("vellix generate --qu"), "--quiet\n");
  EXPECT_EQ(complete("vellix generate -m sk"), "skip-media\n");
  EXPECT_EQ(complete("vellix options im"), "import\n");
  EXPECT_EQ(complete("vellix options set bExcludeL"), "bExcludeLiving\n");
  EXPECT_EQ(complete("vellix options get factInclude.6"),
            "factInclude.6\nfactInclude.60\nfactInclude.61\n");
  EXPECT_EQ(complete("vellix options set bCitations y"), "yes\n");
  EXPECT_EQ(complete("vellix options list --c"), "--changed\n");
}

TEST(Completion, ZshScriptParses) {
  if (!Have("zsh")) GTEST_SKIP() << "zsh is not installed";
  const std::string script = std::string(VELLIX_SOURCE_DIR) + "/completion/_vellix";
  const Output check = RunCommand("zsh -n '" + script + "' 2>&1");
  EXPECT_EQ(check.status, 0) << check.text;
  EXPECT_EQ(check.text, "");
}

TEST(Install, PutsThePageAndTheCompletionsInPlace) {
  if (!Have("cmake")) GTEST_SKIP() << "no cmake";
  TempDir prefix;
  const Output install = RunCommand("cmake --install '" VELLIX_BINARY_DIR "' --prefix '" +
                                    prefix.path() + "' 2>&1");
  ASSERT_EQ(install.status, 0) << install.text;
  EXPECT_EQ(ReadFile(prefix.File("share/man/man1/vellix.1")), ReadFile(kManPage));
  EXPECT_EQ(ReadFile(prefix.File("share/bash-completion/completions/vellix")),
            ReadFile(std::string(VELLIX_SOURCE_DIR) + "/completion/vellix.bash"));
  EXPECT_EQ(ReadFile(prefix.File("share/zsh/site-functions/_vellix")),
            ReadFile(std::string(VELLIX_SOURCE_DIR) + "/completion/_vellix"));
}

}  // namespace
}  // namespace vellix
