// A run environment of a test's own: a fresh application folder, a
// recording prompter, a fixed or real clock, the local disk.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/progress_view.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"
#include "testing/test_support.h"

namespace vellix::testing {

/// Which clock a test environment's run reads.
enum class TestClock {
  kSystem,  // the real time
  kFixed,   // fixed_clock, which the test sets and moves
};

/// Everything a RunEnvironment refers to, owned together, with the
/// environment itself. The application folder (and settings.ini in it) is a
/// fresh temporary folder. Declare it before the objects that take `env`.
class TestEnvironment {
 public:
  explicit TestEnvironment(TestClock clock = TestClock::kSystem);
  TestEnvironment(const TestEnvironment&) = delete;
  TestEnvironment& operator=(const TestEnvironment&) = delete;

  /// The application folder, with a trailing slash.
  const std::string& app_folder() const { return home.path(); }

  TempDir home;
  RecordingPrompter prompter;
  platform::NullProgressView progress_view;
  platform::SystemClock system_clock;
  platform::FixedClock fixed_clock;
  platform::LocalFileAccess files;
  platform::SettingsStore settings;
  RunEnvironment env;
};

}  // namespace vellix::testing
