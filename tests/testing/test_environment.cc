#include "testing/test_environment.h"

namespace vellix::testing {

TestEnvironment::TestEnvironment(TestClock clock)
    : settings(home.path() + "settings.ini"),
      env(prompter, progress_view,
          clock == TestClock::kFixed ? static_cast<const platform::Clock&>(fixed_clock)
                                     : system_clock,
          files, settings, home.path()) {}

}  // namespace vellix::testing
