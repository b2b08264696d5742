// Shared set-up of the log page tests: a log folder and a destination
// folder under one temporary root, a fixed time zone, and page helpers.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <ctime>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "options/options.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "run/run_statistics.h"
#include "testing/test_support.h"

namespace vellix::logtest {

/// The address of every link and image of a page, in order (not the
/// escaped markup shown as text).
inline std::vector<std::string> Hrefs(const std::string& page) {
  std::vector<std::string> out;
  static const std::regex kHref("(?:<a href|<img src)=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), kHref);
       it != std::sregex_iterator(); ++it) {
    out.push_back((*it)[1]);
  }
  return out;
}

/// The part of `page` from the first `from` up to (not including) the next
/// `to` after it; empty when `from` is missing.
inline std::string Between(const std::string& page, const std::string& from,
                           const std::string& to) {
  size_t start = page.find(from);
  if (start == std::string::npos) return {};
  size_t end = page.find(to, start + from.size());
  return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

/// Pages go to root/logs/, the site to root/site/; times are shown in UTC.
class LogFixture : public ::testing::Test {
 protected:
  LogFixture() {
    const char* tz = getenv("TZ");
    had_tz_ = tz != nullptr;
    if (had_tz_) old_tz_ = tz;
    setenv("TZ", "UTC", 1);
    tzset();
    log_folder_ = root_.path() + "logs/";
    dest_ = root_.path() + "site/";
    std::filesystem::create_directories(log_folder_);
    std::filesystem::create_directories(dest_);
    options_.SetDefaults();
    options_.m_strDestFolder = platform::StoredPath(dest_);
    options_.m_strGedcomFile = platform::StoredPath(root_.path() + "family.ged");
  }
  ~LogFixture() override {
    if (had_tz_) {
      setenv("TZ", old_tz_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

  /// `page` with the temporary root replaced by "/ROOT/".
  std::string Normalized(std::string page) const {
    const std::string& root = root_.path();
    for (size_t at = page.find(root); at != std::string::npos; at = page.find(root, at)) {
      page.replace(at, root.size(), "/ROOT/");
    }
    return page;
  }

  std::string ReadLog(const std::string& name) const {
    return testing::ReadFile(log_folder_ + name);
  }

  /// True when a link of a log page leads to an existing file or folder.
  bool Resolves(const std::string& href) const {
    std::string path = href;
    for (size_t at = path.find("%20"); at != std::string::npos; at = path.find("%20")) {
      path.replace(at, 3, " ");
    }
    return std::filesystem::exists(log_folder_ + path);
  }

  testing::TempDir root_;
  platform::LocalFileAccess files_;
  testing::RecordingPrompter prompter_;
  std::string log_folder_;
  std::string dest_;
  COptions options_;
  RunStatistics stats_;

 private:
  bool had_tz_ = false;
  std::string old_tz_;
};

}  // namespace vellix::logtest
