// The option parser shared by every vellix command.
#include "shell/cli/command_line.h"

#include <gtest/gtest.h>

namespace vellix::cli {
namespace {

CommandLine GenerateLine() {
  return CommandLine({{'o', "out", OptionArgument::kRequired},
                      {'m', "mode", OptionArgument::kRequired},
                      {0, "options", OptionArgument::kRequired},
                      {'y', "yes"},
                      {'q', "quiet"},
                      {'h', "help"}});
}

TEST(CommandLine, ValuesInEveryUsualForm) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
    std::vector<std::string> positional;
  };
  const Case cases[] = {
      {{"-o", "site"}, "site", {}},
      {{"-osite"}, "site", {}},
      {{"--out", "site"}, "site", {}},
      {{"--out=site"}, "site", {}},
      {{"--out="}, "", {}},
      {{"tree.ged", "-o", "a", "--out", "b"}, "b", {"tree.ged"}},  // the last wins
      {{"-qosite", "tree.ged"}, "site", {"tree.ged"}},             // bundled flags
      {{"-o", "-strange"}, "-strange", {}},  // a value may start with "-"
      {{"--", "-o", "x"}, nullptr, {"-o", "x"}},
      {{"-", "-5", "-0.5"}, nullptr, {"-", "-5", "-0.5"}},  // words, not options
  };
  for (const Case& c : cases) {
    CommandLine line = GenerateLine();
    std::string error;
    ASSERT_TRUE(line.Parse(c.args, &error)) << c.args[0] << ": " << error;
    if (c.out == nullptr) {
      EXPECT_FALSE(line.Value("out").has_value()) << c.args[0];
    } else {
      EXPECT_EQ(line.Value("out"), std::string(c.out)) << c.args[0];
    }
    EXPECT_EQ(line.positional(), c.positional) << c.args[0];
  }
}

TEST(CommandLine, FlagsAreFoundByTheirLongName) {
  CommandLine line = GenerateLine();
  std::string error;
  ASSERT_TRUE(line.Parse({"-qy", "--help"}, &error));
  EXPECT_TRUE(line.Has("quiet"));
  EXPECT_TRUE(line.Has("yes"));
  EXPECT_TRUE(line.Has("help"));
  EXPECT_FALSE(line.Has("out"));
  EXPECT_FALSE(line.Value("quiet").has_value());
}

TEST(CommandLine, MistakesAreNamedAsTyped) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  const Case cases[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"--bogus=1"}, "unknown option '--bogus'"},
      {{"-x"}, "unknown option '-x'"},
      {{"-qx"}, "unknown option '-x'"},
      {{"-o"}, "option '-o' needs a value"},
      {{"tree.ged", "--out"}, "option '--out' needs a value"},
      {{"--quiet=yes"}, "option '--quiet' takes no value"},
  };
  for (const Case& c : cases) {
    CommandLine line = GenerateLine();
    std::string error;
    EXPECT_FALSE(line.Parse(c.args, &error)) << c.args[0];
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace vellix::cli
