// Running the built vellix program from an end-to-end test.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "testing/test_support.h"

namespace vellix::testing {

/// Runs the vellix program under test with `args` (shell words, quoted by the
/// caller) and the application folder `home`, nothing on its standard input.
/// Its standard output goes to the file `out`; its standard error to the file
/// `err`, or into `out` as well when `err` is empty. Returns the exit status,
/// or -1 when the program did not exit by itself.
inline int RunVellix(const std::string& home, const std::string& args,
                     const std::string& out, const std::string& err = {}) {
  const std::string errors = err.empty() ? std::string("2>&1") : "2>'" + err + "'";
  const std::string command = "VELLIX_HOME='" + home + "' '" VELLIX_PROGRAM "' " + args +
                              " </dev/null >'" + out + "' " + errors;
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

/// A test that runs the program with an application folder of its own
/// (`home_`) and a scratch folder (`work_`); the program's standard output
/// and error are kept apart for the assertions.
class ProgramTest : public ::testing::Test {
 protected:
  int Vellix(const std::string& args) {
    return RunVellix(home_.path(), args, home_.File("out.txt"), home_.File("err.txt"));
  }
  std::string Output() { return ReadFile(home_.File("out.txt")); }
  std::string Errors() { return ReadFile(home_.File("err.txt")); }
  /// Sets one option of the option set in `home_`.
  void Set(const std::string& key, const std::string& value) {
    ASSERT_EQ(Vellix("options set " + key + " '" + value + "'"), 0) << Errors();
  }

  TempDir home_;
  TempDir work_;
};

}  // namespace vellix::testing
