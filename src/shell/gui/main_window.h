// The main window: Generate, View, Options, Help and the program's menu.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "engine/generate_mode.h"
#include "engine/generator.h"
#include "options/current_option_set.h"
#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/history_lists.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"
#include "shell/gui/desktop.h"
#include "shell/gui/run_progress_view.h"
#include "shell/gui/window_prompter.h"

class QLabel;
class QMenu;
class QPushButton;
class QThread;
class QToolButton;

namespace vellix::gui {

/// What the main window works with: the desktop services, the per-user
/// settings with their history lists, the current option set and the
/// application folder. Owned by main() (or a test) and outliving the window.
struct AppServices {
  Desktop& desktop;
  platform::SettingsStore& settings;
  platform::HistoryLists& history;
  CurrentOptionSet& option_set;
  std::string app_folder;
};

/// The program's one small window. It owns the Generator (so an unchanged
/// GEDCOM file is read only once) and the run environment its runs share.
/// A run works on a thread of its own while the window stays responsive:
/// its progress window shows what it does, Stop reaches it, and its
/// questions appear as message boxes on the window's thread while it waits
/// for the answer. Generate repeats the mode used last (initially all
/// pages); the Generate menu names all seven. While a run is in progress
/// every command is ignored.
class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(AppServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  /// The commands. Generate starts the run and returns at once.
  void Generate(GenerateMode mode);
  void GenerateLast() { Generate(last_mode_); }
  void View();
  void Options();
  void Help();
  void Maintain();
  void CheckForUpdates();
  void About();

  bool busy() const { return running_; }
  GenerateMode last_mode() const { return last_mode_; }
  QString status_text() const;
  /// The progress window of the run in progress, else nullptr.
  RunProgressView* progress() const { return progress_; }
  /// Called on the window's thread when a run has shown its title; the run
  /// waits until it returns.
  void set_on_run_started(std::function<void(RunProgressView*)> started) {
    on_run_started_ = std::move(started);
  }
  /// Called on the window's thread when a run has ended.
  void set_on_run_finished(std::function<void(const RunOutcome&)> finished) {
    on_run_finished_ = std::move(finished);
  }

  QToolButton* generate_button() const { return generate_; }
  QMenu* generate_menu() const { return modes_menu_; }
  QPushButton* view_button() const { return view_; }
  QPushButton* options_button() const { return options_; }
  Generator& generator() { return generator_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RunStarted();
  void RunFinished(const RunOutcome& outcome);
  void SetStatus(const QString& text);
  void RefreshTitle();
  void SetCommandsEnabled(bool enabled);

  AppServices& services_;
  WindowPrompter prompter_;
  WorkerProgressView run_view_;
  platform::SystemClock clock_;
  platform::LocalFileAccess files_;
  RunEnvironment env_;
  Generator generator_;
  GenerateMode last_mode_ = GenerateMode::kAll;
  bool running_ = false;
  bool close_after_run_ = false;
  QThread* run_thread_ = nullptr;
  RunProgressView* progress_ = nullptr;
  std::function<void(RunProgressView*)> on_run_started_;
  std::function<void(const RunOutcome&)> on_run_finished_;
  QToolButton* generate_;
  QMenu* modes_menu_;
  QPushButton* view_;
  QPushButton* options_;
  QPushButton* help_;
  QLabel* status_;
};

}  // namespace vellix::gui
