// What the user sees of a long-running generation: title, phase, a bar.
#pragma once

#include <cstdint>
#include <string>

namespace vellix::platform {

/// Displays the progress of a run. The engine keeps the logic (phases,
/// scaling, cancel flag, disk-space checks) and only reports here; the CLI
/// draws one redrawn terminal line, the window a dialog, tests nothing.
class ProgressView {
 public:
  virtual ~ProgressView() = default;

  /// The run's title (mode text) and the two paths it works on.
  virtual void ShowTitle(const std::string& title, const std::string& gedcom_file,
                         const std::string& dest_folder) = 0;
  /// A new phase: its text and the bar's range.
  virtual void ShowPhase(const std::string& text, int64_t low, int64_t high) = 0;
  /// Moves the bar.
  virtual void ShowPosition(int64_t position) = 0;
  /// Items done of the phase's items, for phases that step once per item
  /// (the bar may move in larger units). Optional to show.
  virtual void ShowItems(int64_t /*done*/, int64_t /*total*/) {}
  /// Handles pending user input; true when the user asked to stop the run
  /// since the last call (Stop button, Ctrl-C).
  virtual bool PollStopRequest() = 0;
  /// The run is over; remove the display.
  virtual void Close() = 0;
  /// Calls the user back to a run that took long (more than 30 seconds):
  /// the terminal bell, the window's beep. Nothing by default, and nothing
  /// when the user asked for quiet.
  virtual void Beep() {}
};

/// Shows nothing and never asks to stop.
class NullProgressView : public ProgressView {
 public:
  void ShowTitle(const std::string&, const std::string&, const std::string&) override {}
  void ShowPhase(const std::string&, int64_t, int64_t) override {}
  void ShowPosition(int64_t) override {}
  bool PollStopRequest() override { return false; }
  void Close() override {}
};

}  // namespace vellix::platform
