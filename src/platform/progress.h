// The progress of a long run as the engine's loops see it.
#pragma once

#include <cstdint>
#include <string>

namespace vellix::platform {

/// What every long loop of the engine talks to: a phase with a range, a step
/// per item, and the cancel flag it must check before its next item. The
/// generation run's ProgressWindow implements it (with scaling, the
/// disk-space guard and a ProgressView); tests may use NullProgress.
class Progress {
 public:
  virtual ~Progress() = default;
  /// Starts a phase: shows `text`, sets the bar's range and puts it at `low`.
  /// With `scalable` and a range above 10 the bar moves only every 11th step.
  virtual void SetPhase(const std::string& text, int64_t low, int64_t high,
                        bool scalable) = 0;
  /// Moves the bar to `position` (or one step on when it is 0), handles
  /// pending user input and checks free disk space.
  virtual void Step(int64_t position) = 0;
  /// True once the user (or the disk-space guard) stopped the run.
  virtual bool IsCancelled() const = 0;
};

/// Progress that shows nothing and is never cancelled unless told to.
class NullProgress : public Progress {
 public:
  void SetPhase(const std::string&, int64_t, int64_t, bool) override {}
  void Step(int64_t) override {}
  bool IsCancelled() const override { return cancelled_; }
  void Cancel() { cancelled_ = true; }

 private:
  bool cancelled_ = false;
};

}  // namespace vellix::platform
