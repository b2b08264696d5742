// Shared set-up of the page frame tests: an option set, a clock fixed at
// noon of Tuesday 5 March 2024 (UTC, so the local date is the same in every
// time zone a test machine uses) and English date names.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/dialects.h"
#include "options/options.h"
#include "platform/clock.h"
#include "site/frame/page_writer.h"
#include "testing/test_environment.h"

namespace vellix::site {

class FrameTest : public ::testing::Test {
 protected:
  static constexpr int64_t kNoonMarch5th2024 = 1709640000LL * 1000000000LL;

  FrameTest() : clock_(kNoonMarch5th2024), names_(DateNames::English()) {}

  /// A writer over options_, prepared for ordinary (or media) pages.
  PageWriter Prepared(bool media = false, bool strict = false) {
    PageWriter writer(options_, clock_, strict);
    writer.set_date_names(&names_);
    writer.Prepare(media);
    return writer;
  }

  COptions options_;
  platform::FixedClock clock_;
  DateNames names_;
};

}  // namespace vellix::site
