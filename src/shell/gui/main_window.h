// The main window: Generate, View, Options, Help and the program's menu.
#pragma once

#include <QMainWindow>
#include <memory>

#include "engine/generate_mode.h"
#include "engine/generator.h"
#include "platform/history_lists.h"
#include "platform/settings_store.h"
#include "shell/gui/desktop.h"

class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace vellix::gui {

class RunProgressView;

/// What the main window works with: the desktop services and the per-user
/// settings with their history lists. Owned by main() (or a test) and
/// outliving the window.
struct AppServices {
  Desktop& desktop;
  platform::SettingsStore& settings;
  platform::HistoryLists& history;
};

/// The program's one small window. It owns the Generator for as long as it
/// lives, so an unchanged GEDCOM file is read only once. Generate repeats
/// the mode used last (initially all pages); the Generate menu names all
/// seven. While a run is in progress every command is ignored.
class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(AppServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  /// The commands.
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
  /// Called with the progress window each time a run has started (tests use
  /// it to press Stop).
  void set_on_run_started(std::function<void(RunProgressView*)> started) {
    on_run_started_ = std::move(started);
  }

  QToolButton* generate_button() const { return generate_; }
  QMenu* generate_menu() const { return modes_menu_; }
  QPushButton* view_button() const { return view_; }
  QPushButton* options_button() const { return options_; }
  Generator& generator() { return generator_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void SetStatus(const QString& text);
  void RefreshTitle();
  void SetCommandsEnabled(bool enabled);

  AppServices& services_;
  Generator generator_;
  GenerateMode last_mode_ = GenerateMode::kAll;
  bool running_ = false;
  RunProgressView* progress_ = nullptr;
  std::function<void(RunProgressView*)> on_run_started_;
  QToolButton* generate_;
  QMenu* modes_menu_;
  QPushButton* view_;
  QPushButton* options_;
  QPushButton* help_;
  QLabel* status_;
};

}  // namespace vellix::gui
