// The clock, behind an interface so tests can fix the time.
#pragma once

#include <cstdint>
#include <ctime>

namespace vellix::platform {

/// Tells the current time. Time stamps are nanoseconds since 1970 (UTC), the
/// same unit as FileTimes.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowNanos() const = 0;
  /// Seconds since 1970.
  int64_t NowSeconds() const { return NowNanos() / 1000000000; }
  /// The current local calendar time.
  std::tm LocalNow() const;
};

/// The system's real-time clock.
class SystemClock : public Clock {
 public:
  int64_t NowNanos() const override;
};

/// A clock that stands still until moved; for tests.
class FixedClock : public Clock {
 public:
  explicit FixedClock(int64_t nanos = 0) : nanos_(nanos) {}
  int64_t NowNanos() const override { return nanos_; }
  void Set(int64_t nanos) { nanos_ = nanos; }
  void AdvanceSeconds(int64_t seconds) { nanos_ += seconds * 1000000000; }

 private:
  int64_t nanos_;
};

}  // namespace vellix::platform
