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
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/site_phases.h"
#include "logs/log_page.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "shell/gui/about_box.h"
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
      generator_(std::make_unique<SitePhases>()),
      generate_(new QToolButton),
      modes_menu_(new QMenu(this)),
      view_(new QPushButton("View")),
      options_(new QPushButton("Options")),
      help_(new QPushButton("Help")),
      status_(new QLabel) {
  setWindowIcon(QIcon(":/vellix.svg"));
  generator_.SetBeep([] { QApplication::beep(); });

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

  const COptions& options = *GetCurrentOptions();
  SetStatus(StartStatusText(options));
  RefreshTitle();
}

MainWindow::~MainWindow() = default;

QString MainWindow::status_text() const { return status_->text(); }

void MainWindow::SetStatus(const QString& text) { status_->setText(text); }

void MainWindow::RefreshTitle() { setWindowTitle(WindowTitle(*GetCurrentOptions())); }

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
  RunProgressView view(this);
  progress_ = &view;
  view.set_on_started([this, &view] {
    SetStatus("\nGenerating web pages...");
    if (on_run_started_) on_run_started_(&view);
  });
  const RunOutcome outcome = generator_.Generate(mode, *GetCurrentOptions(), view);
  view.Close();
  progress_ = nullptr;
  if (outcome.started) SetStatus(QString::fromStdString(outcome.status_line));
  SetCommandsEnabled(true);
  running_ = false;
}

void MainWindow::View() {
  if (running_) return;
  const std::string folder = platform::ApplicationFolder();
  const std::string path = folder + std::string(LogPageFileName(LogPageKind::kSummary));
  if (!platform::FileExists(path)) {
    services_.desktop.Show(this, BoxIcon::kStop, kNoResults);
    return;
  }
  OpenDocument(services_.desktop, this, path);
}

void MainWindow::Options() {
  if (running_) return;
  SheetContext context{*GetCurrentOptions(), services_.desktop, services_.settings,
                       services_.history};
  RunOptionsDialog(context, this);
  SetStatus(AfterOptionsStatusText(*GetCurrentOptions()));
  RefreshTitle();
}

void MainWindow::Help() {
  if (running_) return;
  ShowHelp(services_.desktop, this, topic::kMain);
}

void MainWindow::Maintain() {
  if (running_) return;
  MaintenanceDialog dialog(services_.desktop, services_.settings, services_.history,
                           this);
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
  // closing asks it to stop instead.
  if (running_) {
    if (progress_ != nullptr) progress_->stop_button()->click();
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace vellix::gui
