// Running the built vellix program from an end-to-end test.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

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

}  // namespace vellix::testing
