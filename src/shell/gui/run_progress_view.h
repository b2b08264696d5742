// The window a generation run shows while it lasts, and the view through
// which a run on a worker thread reaches it.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>

#include "platform/progress_view.h"

class QFontMetrics;
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
/// Stop. Lives on the window's thread.
class RunProgressView : public QDialog {
 public:
  /// The bar counts in thousandths of the phase.
  static constexpr int kBarSteps = 1000;

  explicit RunProgressView(QWidget* parent = nullptr);

  void SetTitle(const QString& title, const QString& gedcom_file,
                const QString& dest_folder);
  void SetPhase(const QString& text);
  void SetBar(int thousandths);

  QPushButton* stop_button() const { return stop_; }
  QProgressBar* bar() const { return bar_; }
  QLabel* phase_label() const { return phase_; }
  QLabel* gedcom_label() const { return gedcom_; }
  QLabel* dest_label() const { return dest_; }

 private:
  void SetPath(QLabel* label, const QString& path);

  QLabel* gedcom_;
  QLabel* dest_;
  QLabel* phase_;
  QProgressBar* bar_;
  QPushButton* stop_;
};

/// The progress view of runs on a worker thread. What the run shows goes to
/// the attached progress window on the window's thread: the title (the run
/// waits until it is shown and `on_started` has run), phases and the bar
/// (without waiting; the bar only when its thousandth changes). Stop in the
/// window, or RequestStop, reaches the run at its next PollStopRequest.
/// Made on the window's thread.
class WorkerProgressView : public platform::ProgressView {
 public:
  WorkerProgressView();

  /// Window's thread, before a run: the window that shows it and what to do
  /// once the run has shown its title. Clears an earlier stop request.
  void Attach(RunProgressView* window, std::function<void()> on_started);
  /// Asks the run to stop (any thread).
  void RequestStop() { stop_ = true; }

  void ShowTitle(const std::string& title, const std::string& gedcom_file,
                 const std::string& dest_folder) override;
  void ShowPhase(const std::string& text, int64_t low, int64_t high) override;
  void ShowPosition(int64_t position) override;
  bool PollStopRequest() override;
  void Close() override;
  void Beep() override;

 private:
  QObject window_thread_;  // lives on the window's thread
  QPointer<RunProgressView> window_;
  std::function<void()> on_started_;
  std::atomic<bool> stop_{false};
  int64_t low_ = 0;
  int64_t high_ = 1;
  int shown_ = -1;  // the thousandth the bar shows
};

}  // namespace vellix::gui
