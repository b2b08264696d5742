// The window a generation run shows while it lasts.
#pragma once

#include <QDialog>
#include <functional>

#include "platform/progress_view.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vellix::gui {

/// `path` shortened with an ellipsis in its middle to fit `width` pixels of
/// `metrics`.
QString ShortenedPath(const QString& path, const QFontMetrics& metrics, int width);

/// The run's progress window: the mode's title as its caption, the GEDCOM
/// file and the destination folder (shortened with an ellipsis in the
/// middle; the whole path in the tool tip), the phase text, the bar and
/// Stop. The engine reports to it through the ProgressView calls on the
/// window's thread; PollStopRequest lets the window handle pending input.
class RunProgressView : public QDialog, public platform::ProgressView {
 public:
  explicit RunProgressView(QWidget* parent = nullptr);

  /// Called once the run has shown its title (the run has started).
  void set_on_started(std::function<void()> started) { on_started_ = std::move(started); }

  void ShowTitle(const std::string& title, const std::string& gedcom_file,
                 const std::string& dest_folder) override;
  void ShowPhase(const std::string& text, int64_t low, int64_t high) override;
  void ShowPosition(int64_t position) override;
  bool PollStopRequest() override;
  void Close() override;

  QPushButton* stop_button() const { return stop_; }
  QProgressBar* bar() const { return bar_; }
  QLabel* phase_label() const { return phase_; }
  QLabel* gedcom_label() const { return gedcom_; }
  QLabel* dest_label() const { return dest_; }

 private:
  void SetPath(QLabel* label, const std::string& path);

  QLabel* gedcom_;
  QLabel* dest_;
  QLabel* phase_;
  QProgressBar* bar_;
  QPushButton* stop_;
  bool stop_requested_ = false;
  std::function<void()> on_started_;
  int64_t low_ = 0;
  int64_t high_ = 0;
};

}  // namespace vellix::gui
