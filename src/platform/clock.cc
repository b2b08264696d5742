#include "platform/clock.h"

#include <chrono>

namespace vellix::platform {
namespace {
const Clock* g_clock = nullptr;
}  // namespace

std::tm Clock::LocalNow() const {
  std::time_t seconds = static_cast<std::time_t>(NowSeconds());
  std::tm result{};
  localtime_r(&seconds, &result);
  return result;
}

int64_t SystemClock::NowNanos() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

const Clock& AppClock() {
  static SystemClock system;
  return g_clock ? *g_clock : system;
}

void SetAppClock(const Clock* clock) { g_clock = clock; }

}  // namespace vellix::platform
