#include "platform/clock.h"

#include <chrono>

namespace vellix::platform {
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

}  // namespace vellix::platform
