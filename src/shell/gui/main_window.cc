#include "shell/gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QThread>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/site_phases.h"
#include "logs/log_page.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "shell/gui/about_box.h"
#include "shell/gui/gui_thread.h"
#include "shell/gui/help.h"
#include "shell/gui/main_texts.h"
#include "shell/gui/maintenance_dialog.h"
#include "shell/gui/options_page.h"
#include "shell/gui/run_progress_view.h"
#include "shell/gui/sheet.h"

namespace vellix::gui {
namespace {

constexpr char kNoResults[] =
    "There are no results to view!\n\nClick \"Generate\" before selecting \"View.\"";
constexpr char kCannotOpenAddress[] =
    "%1\n\nThis file either does not exist, it is not accessible, or there is no "
    "Internet browser associated with files of this type.";

constexpr GenerateMode kMenuModes[] = {GenerateMode::kAll,
                                       GenerateMode::kCopyMultimedia,
                                       GenerateMode::kSkipMultimedia,
                                       GenerateMode::kFamilies,
                                       GenerateMode::kIndex,
                                       GenerateMode::kSample,
                                       GenerateMode::kBibliography};

}  // namespace

MainWindow::MainWindow(AppServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      prompter_(services.desktop, this),
      env_(prompter_, run_view_, clock_, files_, services.settings, services.app_folder),
      generator_(env_, std::make_unique<SitePhases>()),
      generate_(new QToolButton),
      modes_menu_(new QMenu(this)),
      view_(new QPushButton("View")),
      options_(new QPushButton("Options")),
      help_(new QPushButton("Help")),
      status_(new QLabel) {
  setWindowIcon(QIcon(":/vellix.svg"));

  generate_->setText("Generate");
  generate_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  generate_->setPopupMode(QToolButton::MenuButtonPopup);
  generate_->setMenu(modes_menu_);
  generate_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  generate_->setMinimumHeight(view_->sizeHint().height());
  for (GenerateMode mode : kMenuModes) {
    QAction* action = modes_menu_->addAction(ModeMenuText(mode));
    connect(action, &QAction::triggered, this, [this, mode] { Generate(mode); });
  }
  connect(generate_, &QToolButton::clicked, this, [this] { GenerateLast(); });
  connect(view_, &QPushButton::clicked, this, [this] { View(); });
  connect(options_, &QPushButton::clicked, this, [this] { Options(); });
  connect(help_, &QPushButton::clicked, this, [this] { Help(); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { Help(); });

  QMenu* program = menuBar()->addMenu(QString::fromUtf8(platform::kProductName));
  connect(program->addAction("M&aintain..."), &QAction::triggered, this,
          [this] { Maintain(); });
  connect(program->addAction("Check for &Updates"), &QAction::triggered, this,
          [this] { CheckForUpdates(); });
  connect(program->addAction("&About..."), &QAction::triggered, this,
          [this] { About(); });
  program->addSeparator();
  QAction* quit = program->addAction("E&xit");
  quit->setShortcut(QKeySequence::Quit);
  connect(quit, &QAction::triggered, this, &QWidget::close);

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  auto* icon = new QLabel(central);
  icon->setPixmap(windowIcon().pixmap(48, 48));
  row->addWidget(icon, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout();
  row->addLayout(layout, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(generate_);
  buttons->addWidget(view_);
  buttons->addWidget(options_);
  buttons->addWidget(help_);
  layout->addLayout(buttons);
  status_->setTextFormat(Qt::PlainText);
  status_->setMinimumWidth(360);
  status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 2 + 4);
  layout->addWidget(status_);
  setCentralWidget(central);

  SetStatus(StartStatusText(services_.option_set.options()));
  RefreshTitle();
}

MainWindow::~MainWindow() {
  // A run still working uses this window's generator and environment. It may
  // be waiting for this thread (its title, a question), so keep handling
  // events until it has ended.
  if (run_thread_ != nullptr) {
    QThread* thread = run_thread_;
    run_thread_ = nullptr;  // its end is not reported to a window going away
    run_view_.RequestStop();
    while (!thread->wait(10)) QCoreApplication::processEvents();
    delete thread;
  }
}

QString MainWindow::status_text() const { return status_->text(); }

void MainWindow::SetStatus(const QString& text) { status_->setText(text); }

void MainWindow::RefreshTitle() {
  setWindowTitle(WindowTitle(services_.option_set.options()));
}

void MainWindow::SetCommandsEnabled(bool enabled) {
  for (QWidget* command :
       std::initializer_list<QWidget*>{generate_, view_, options_, help_}) {
    command->setEnabled(enabled);
  }
  menuBar()->setEnabled(enabled);
}

void MainWindow::Generate(GenerateMode mode) {
  if (running_) return;
  last_mode_ = mode;
  running_ = true;
  SetCommandsEnabled(false);
  // The option set is loaded here, on the window's thread, before the run
  // reads it; nothing edits it while the run lasts (Options is ignored).
  COptions* options = &services_.option_set.options();
  const std::string options_path = services_.option_set.path();
  progress_ = new RunProgressView(this);
  run_view_.Attach(progress_, [this] { RunStarted(); });
  run_thread_ = QThread::create([this, mode, options, options_path] {
    const RunOutcome outcome = generator_.Generate(mode, *options, options_path);
    PostToThreadOf(this, [this, outcome] { RunFinished(outcome); });
  });
  run_thread_->start();
}

void MainWindow::RunStarted() {
  SetStatus("\nGenerating web pages...");
  if (on_run_started_) on_run_started_(progress_);
}

void MainWindow::RunFinished(const RunOutcome& outcome) {
  if (run_thread_ == nullptr) return;
  run_thread_->wait();
  delete run_thread_;
  run_thread_ = nullptr;
  progress_->hide();
  progress_->deleteLater();
  progress_ = nullptr;
  if (outcome.started) SetStatus(QString::fromStdString(outcome.status_line));
  SetCommandsEnabled(true);
  running_ = false;
  if (on_run_finished_) on_run_finished_(outcome);
  if (close_after_run_) close();
}

void MainWindow::View() {
  if (running_) return;
  const std::string path =
      services_.app_folder + std::string(LogPageFileName(LogPageKind::kSummary));
  if (!platform::FileExists(path)) {
    services_.desktop.Show(this, BoxIcon::kStop, kNoResults);
    return;
  }
  OpenDocument(services_.desktop, this, path);
}

void MainWindow::Options() {
  if (running_) return;
  SheetContext context{services_.option_set.options(),
                       services_.desktop,
                       services_.settings,
                       services_.history,
                       &services_.option_set,
                       services_.app_folder};
  RunOptionsDialog(context, this);
  SetStatus(AfterOptionsStatusText(services_.option_set.options()));
  RefreshTitle();
}

void MainWindow::Help() {
  if (running_) return;
  ShowHelp(services_.desktop, this, topic::kMain, services_.app_folder);
}

void MainWindow::Maintain() {
  if (running_) return;
  MaintenanceDialog dialog(services_.desktop, services_.settings, services_.history,
                           services_.app_folder, this);
  dialog.exec();
}

void MainWindow::CheckForUpdates() {
  if (running_) return;
  const QString address = UpdatePageAddress();
  if (!services_.desktop.OpenUrl(QUrl(address))) {
    services_.desktop.Show(this, BoxIcon::kStop,
                           QString(kCannotOpenAddress).arg(address));
  }
}

void MainWindow::About() {
  if (running_) return;
  AboutBox box(this);
  box.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A run in progress keeps the window (and the Generator it uses) alive;
  // closing stops it, and the window closes when the run has ended.
  if (running_) {
    run_view_.RequestStop();
    close_after_run_ = true;
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace vellix::gui
