// The main window: its commands, texts and the busy rule, and generation
// runs on their own thread that complete, are stopped or ask a question.
#include "shell/gui/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "logs/log_page.h"
#include "options/current_option_set.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "platform/history_lists.h"
#include "platform/settings_store.h"
#include "shell/gui/about_box.h"
#include "shell/gui/maintenance_dialog.h"
#include "shell/gui/page_files.h"
#include "shell/gui/path_combo.h"
#include "shell/gui/run_progress_view.h"
#include "shell/gui/sheet.h"
#include "shell/gui/window_prompter.h"
#include "support/fake_desktop.h"
#include "support/gui_test_main.h"
#include "support/modal.h"

namespace vellix::gui {
namespace {

using testing::FakeDesktop;
using testing::WhenModalOpens;

const QString kExample = QString(VELLIX_SOURCE_DIR) + "/examples/kowalski-moreau.ged";

// The window over an application folder and settings of the test's own,
// with a fake desktop that also answers the engine.
struct WindowFixture {
  WindowFixture()
      : prompter(desktop),
        settings(home.filePath("settings.ini").toStdString()),
        history(settings),
        option_set(prompter, settings, app_folder()),
        services{desktop, settings, history, option_set, app_folder()},
        window(services) {
    desktop.Clear();  // the new option set's "created" message
  }

  std::string app_folder() const { return home.path().toStdString() + "/"; }
  std::string summary() const {
    return app_folder() + std::string(LogPageFileName(LogPageKind::kSummary));
  }
  /// Names the example GEDCOM file and `dest` in the option set.
  void UseExample(const QString& dest) {
    COptions& options = option_set.options();
    options.m_strGedcomFile = platform::StoredPath(kExample.toStdString());
    options.m_strDestFolder = platform::StoredPath(dest.toStdString() + "/");
  }
  /// Lets the window's event loop run until the run has ended.
  bool WaitForRun() {
    return QTest::qWaitFor([this] { return !window.busy(); }, 60000);
  }

  FakeDesktop desktop;
  WindowPrompter prompter;
  QTemporaryDir home;
  platform::SettingsStore settings;
  platform::HistoryLists history;
  CurrentOptionSet option_set;
  AppServices services;
  MainWindow window;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void TheGenerateMenuOffersTheSevenModes() {
    WindowFixture fixture;
    QStringList texts;
    for (QAction* action : fixture.window.generate_menu()->actions())
      texts << action->text();
    QCOMPARE(texts, (QStringList{"All Families, Surnames && Index",
                                 "All Families, Surnames && Index; Copying Multimedia",
                                 "All Families, Surnames && Index; Skipping Multimedia",
                                 "All Families", "Surnames && Index",
                                 "5 Families, Surnames && Index",
                                 "Bibliography && Repository"}));
    QCOMPARE(fixture.window.generate_button()->text(), QString("Generate"));
    QCOMPARE(fixture.window.status_text(),
             QString("\nClick \"Options\" to change settings."));
    QCOMPARE(fixture.window.windowTitle(), QString("VELLIX 1.8.1"));
    const QString shots = qEnvironmentVariable("VELLIX_SCREENSHOTS");
    if (!shots.isEmpty()) {
      fixture.window.show();
      fixture.window.grab().save(QDir(shots).filePath("main-window.png"));
    }
  }

  void ViewWithoutResultsSaysSoAndOpensTheSummaryAfterARun() {
    WindowFixture fixture;
    fixture.window.view_button()->click();
    QCOMPARE(fixture.desktop.Texts(),
             QStringList{"There are no results to view!\n\nClick \"Generate\" before "
                         "selecting \"View.\""});
    QCOMPARE(fixture.desktop.messages()[0].icon, BoxIcon::kStop);
    QVERIFY(platform::WriteWholeFile(fixture.summary(), "<html></html>"));
    fixture.window.View();
    QCOMPARE(fixture.desktop.opened().size(), size_t(1));
    QCOMPARE(fixture.desktop.opened()[0].toLocalFile(),
             QString::fromStdString(fixture.summary()));
    // No browser: the document message names the file.
    fixture.desktop.set_open_url_result(false);
    fixture.window.View();
    QCOMPARE(
        fixture.desktop.Texts().last(),
        QString::fromStdString(fixture.summary()) +
            "\n\nThis file either does not exist, it is not accessible, or there is no "
            "Internet browser associated with files of this type.");
  }

  void HelpAndCheckForUpdatesOpenTheBrowser() {
    WindowFixture fixture;
    fixture.window.Help();
    fixture.window.CheckForUpdates();
    QCOMPARE(fixture.desktop.opened().size(), size_t(2));
    QCOMPARE(QFileInfo(fixture.desktop.opened()[0].toLocalFile()).fileName(),
             QString("hlpmain.html"));
    QCOMPARE(fixture.desktop.opened()[1].toString(),
             QString("https://vellix.org/releases?ver=1.8.1"));
    QVERIFY(AboutText().startsWith("VELLIX 1.8.1\nBuilt "));
    QVERIFY(AboutText().contains(QString::fromUtf8(platform::kLegalNotice)));
  }

  void ARunWithoutAGedcomFileShowsTheEnginesMessage() {
    WindowFixture fixture;
    const QString before = fixture.window.status_text();
    fixture.window.Generate(GenerateMode::kAll);
    QVERIFY(fixture.WaitForRun());
    QCOMPARE(fixture.desktop.Texts(),
             QStringList{"You have not specified a GEDCOM Input File.\n\nPlease click "
                         "\"Options\" and specify a file."});
    // Shown on the window's thread, although the run asked from its own.
    QVERIFY(fixture.desktop.messages()[0].on_window_thread);
    QCOMPARE(fixture.window.status_text(), before);
  }

  void ARunWorksOnItsOwnThreadAndShowsItsProgress() {
    QTemporaryDir dir;
    const QString dest = dir.filePath(QString(120, 'd'));
    QVERIFY(QDir().mkpath(dest));
    WindowFixture fixture;
    fixture.UseExample(dest);
    QString title;
    QString shown_dest;
    QString tip;
    QString status_during;
    bool commands_enabled = true;
    bool window_thread = false;
    fixture.window.set_on_run_started([&](RunProgressView* view) {
      title = view->windowTitle();
      shown_dest = view->dest_label()->text();
      tip = view->dest_label()->toolTip();
      status_during = fixture.window.status_text();
      commands_enabled = fixture.window.options_button()->isEnabled();
      window_thread = QThread::currentThread() == qApp->thread();
    });
    fixture.window.generate_menu()->actions()[int(GenerateMode::kSample)]->trigger();
    // Generate has returned to the window's event loop; the run goes on.
    QVERIFY(fixture.window.busy());
    QVERIFY(fixture.window.progress() != nullptr);
    QVERIFY(fixture.WaitForRun());
    QCOMPARE(fixture.window.last_mode(), GenerateMode::kSample);
    QVERIFY(window_thread);
    QCOMPARE(title, QString("Generating Sample Web Pages Only"));
    QCOMPARE(tip, dest + "/");
    QVERIFY(shown_dest.contains(QChar(0x2026)));  // shortened with an ellipsis
    QVERIFY(shown_dest.size() < tip.size());
    QCOMPARE(status_during, QString("\nGenerating web pages..."));
    QVERIFY(!commands_enabled);
    QCOMPARE(
        fixture.window.status_text(),
        QString("Web page generation complete.\nClick \"View\" to see your results."));
    QVERIFY(QFileInfo::exists(QString::fromStdString(fixture.summary())));
    QVERIFY(!QDir(dest).entryList({"*.html"}).isEmpty());
    QVERIFY(fixture.window.options_button()->isEnabled());
    QVERIFY(fixture.window.progress() == nullptr);

    // Generate repeats the mode used last; mode 3 has no closing text.
    title.clear();
    fixture.window.generate_button()->click();
    QVERIFY(fixture.WaitForRun());
    QCOMPARE(title, QString("Generating Sample Web Pages Only"));
    fixture.window.Generate(GenerateMode::kFamilies);
    QVERIFY(fixture.WaitForRun());
    QCOMPARE(fixture.window.status_text(), QString("Web page generation complete.\n"));
    QVERIFY(fixture.desktop.messages().empty());
  }

  void StopEndsTheRun() {
    QTemporaryDir dir;
    WindowFixture fixture;
    fixture.UseExample(dir.path());
    fixture.window.set_on_run_started(
        [](RunProgressView* view) { view->stop_button()->click(); });
    fixture.window.Generate(GenerateMode::kAll);
    QVERIFY(fixture.WaitForRun());
    QCOMPARE(fixture.window.status_text(), QString("\nWeb page generation CANCELED."));
    // The stopped run still wrote its log.
    QVERIFY(QFileInfo::exists(QString::fromStdString(fixture.summary())));
  }

  void TheRunWaitsForTheAnswerToItsQuestion_data() {
    QTest::addColumn<bool>("go_on");
    QTest::addColumn<QString>("status");
    QTest::newRow("No") << false << "\nWeb page generation CANCELED.";
    QTest::newRow("Yes")
        << true << "Web page generation complete.\nClick \"View\" to see your results.";
  }
  void TheRunWaitsForTheAnswerToItsQuestion() {
    QFETCH(bool, go_on);
    QFETCH(QString, status);
    QTemporaryDir dir;
    WindowFixture fixture;
    fixture.UseExample(dir.path());
    // A nearly full destination volume makes the run ask whether to go on.
    fixture.window.generator().env().disk_guard().set_query(
        [](const std::string&) { return std::optional<uint64_t>(1024); });
    fixture.desktop.QueueAnswers({go_on});
    fixture.window.Generate(GenerateMode::kAll);
    QVERIFY(fixture.WaitForRun());
    QCOMPARE(fixture.desktop.messages().size(), size_t(1));
    const FakeDesktop::Message& question = fixture.desktop.messages()[0];
    QVERIFY(question.question);
    QVERIFY(question.on_window_thread);
    QCOMPARE(question.icon, BoxIcon::kStop);
    QVERIFY(question.text.startsWith("Insufficient disk space on drive " + dir.path()));
    QVERIFY(question.text.endsWith("\n\nDo you want to continue?"));
    QCOMPARE(fixture.window.status_text(), status);
  }

  void EveryCommandIsIgnoredWhileARunIsInProgress() {
    QTemporaryDir dir;
    WindowFixture fixture;
    fixture.UseExample(dir.path());
    QPointer<QWidget> opened;
    int runs = 0;
    fixture.window.set_on_run_started([&](RunProgressView*) {
      ++runs;
      // A dialog opened now would be a fault; close it so the test ends.
      WhenModalOpens(
          [&](QWidget* modal) {
            opened = modal;
            modal->close();
          },
          300);
      fixture.window.Generate(GenerateMode::kIndex);
      fixture.window.View();
      fixture.window.Options();
      fixture.window.Help();
      fixture.window.Maintain();
      fixture.window.CheckForUpdates();
      fixture.window.About();
    });
    fixture.window.Generate(GenerateMode::kAll);
    QVERIFY(fixture.window.busy());
    fixture.window.View();
    fixture.window.generate_button()->click();
    QVERIFY(fixture.WaitForRun());
    QTest::qWait(350);
    QCOMPARE(runs, 1);
    QCOMPARE(fixture.window.last_mode(), GenerateMode::kAll);
    QVERIFY(fixture.desktop.opened().empty());
    QVERIFY(fixture.desktop.messages().empty());
    QVERIFY(opened.isNull());
  }

  void ClosingDuringARunStopsItAndClosesWhenItHasEnded() {
    QTemporaryDir dir;
    WindowFixture fixture;
    fixture.UseExample(dir.path());
    fixture.window.show();
    bool closed_at_once = true;
    fixture.window.set_on_run_started([&](RunProgressView*) {
      fixture.window.close();
      closed_at_once = !fixture.window.isVisible();
    });
    fixture.window.Generate(GenerateMode::kAll);
    QVERIFY(fixture.WaitForRun());
    QVERIFY(!closed_at_once);
    QCOMPARE(fixture.window.status_text(), QString("\nWeb page generation CANCELED."));
    QVERIFY(!fixture.window.isVisible());
  }

  void AWindowGoingAwayStopsItsRunFirst() {
    QTemporaryDir dir;
    auto fixture = std::make_unique<WindowFixture>();
    fixture->UseExample(dir.path());
    int started = 0;
    fixture->window.set_on_run_started([&](RunProgressView*) { ++started; });
    fixture->window.Generate(GenerateMode::kAll);
    // The run waits for the window's thread to show its title; the window
    // lets it, stops it and waits for it before it goes.
    fixture.reset();
    QCOMPARE(started, 1);
  }

  void OptionsOkSavesAndRefreshesStatusAndTitle() {
    WindowFixture fixture;
    WhenModalOpens([](QWidget* modal) {
      auto* sheet = dynamic_cast<CSheet*>(modal);
      if (sheet == nullptr) {
        modal->close();
        return;
      }
      auto* files = static_cast<CPageFiles*>(sheet->page(CSheet::kFiles));
      files->gedcom_field()->setEditText("/trees/Moreau.ged");
      sheet->accept();
    });
    fixture.window.options_button()->click();
    QCOMPARE(fixture.window.status_text(),
             QString("\nClick \"Generate\" to create web pages."));
    QCOMPARE(fixture.window.windowTitle(), QString("VELLIX 1.8.1 - Moreau.ged"));
    COptions saved;
    QVERIFY(saved.LoadOptions(fixture.option_set.file()));
    QCOMPARE(saved.m_strGedcomFile, std::string("\\trees\\Moreau.ged"));
  }

  void MaintenanceShortensListsClearsThemAndKeepsSortOrders() {
    WindowFixture fixture;
    platform::HistoryLists& history = fixture.history;
    for (int i = 9; i >= 1; --i)
      history.Remember(platform::HistoryList::kIn, std::to_string(i));
    {
      MaintenanceDialog dialog(fixture.desktop, fixture.settings, history,
                               fixture.app_folder());
      QCOMPARE(dialog.windowTitle(), QString("VELLIX Maintenance"));
      QCOMPARE(dialog.maximum()->value(), 9);
      dialog.maximum()->setValue(3);
      dialog.individuals_sort()->button(1)->click();
      dialog.families_sort()->button(2)->click();
      fixture.desktop.QueueAnswers({false});
      dialog.clear_button()->click();
      QCOMPARE(history.Items(platform::HistoryList::kIn).size(), size_t(9));
      dialog.done(QDialog::Accepted);
    }
    QCOMPARE(history.Items(platform::HistoryList::kIn),
             (std::vector<std::string>{"1", "2", "3"}));
    QVERIFY(!fixture.settings.Has("History", "In4"));
    QCOMPARE(fixture.settings.GetInt("Options", "SortLogInd", -1), 1);
    QCOMPARE(fixture.settings.GetInt("Options", "SortLogFam", -1), 2);
    {
      MaintenanceDialog dialog(fixture.desktop, fixture.settings, history,
                               fixture.app_folder());
      QVERIFY(dialog.individuals_sort()->button(1)->isChecked());
      fixture.desktop.QueueAnswers({true});
      dialog.clear_button()->click();
      QVERIFY(history.Items(platform::HistoryList::kIn).empty());
      dialog.done(QDialog::Rejected);
    }
    QCOMPARE(
        fixture.desktop.Texts().last(),
        QString("This action will delete all entries in all history lists.\nIt will not "
                "delete the actual files or folders.\n\nClear all history list items?"));
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::MainWindowTest)
#include "main_window_test.moc"
