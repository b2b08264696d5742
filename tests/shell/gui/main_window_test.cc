// The main window: its commands, texts, the busy rule and generation runs
// that complete or are stopped.
#include "shell/gui/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "logs/log_page.h"
#include "platform/app_paths.h"
#include "platform/history_lists.h"
#include "platform/prompter.h"
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

// The window with a fake desktop that also answers the engine.
struct WindowFixture {
  WindowFixture()
      : prompter(desktop),
        use(&prompter),
        settings(platform::SettingsStore::Application()),
        history(settings),
        services{desktop, settings, history},
        window(services) {}

  FakeDesktop desktop;
  WindowPrompter prompter;
  platform::ScopedPrompter use;
  platform::SettingsStore& settings;
  platform::HistoryLists history;
  AppServices services;
  MainWindow window;
};

std::string SummaryPath() {
  return platform::ApplicationFolder() +
         std::string(LogPageFileName(LogPageKind::kSummary));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    QFile::remove(QString::fromStdString(SummaryPath()));
    COptions& options = *GetCurrentOptions();
    options.m_strGedcomFile.clear();
    options.m_strDestFolder.clear();
  }

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
    QVERIFY(platform::WriteWholeFile(SummaryPath(), "<html></html>"));
    fixture.window.View();
    QCOMPARE(fixture.desktop.opened().size(), size_t(1));
    QCOMPARE(fixture.desktop.opened()[0].toLocalFile(),
             QString::fromStdString(SummaryPath()));
    // No browser: the document message names the file.
    fixture.desktop.set_open_url_result(false);
    fixture.window.View();
    QCOMPARE(
        fixture.desktop.Texts().last(),
        QString::fromStdString(SummaryPath()) +
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
    QCOMPARE(fixture.desktop.Texts(),
             QStringList{"You have not specified a GEDCOM Input File.\n\nPlease click "
                         "\"Options\" and specify a file."});
    QCOMPARE(fixture.window.status_text(), before);
    QVERIFY(!fixture.window.busy());
  }

  void ARunCompletesAndShowsItsProgress() {
    QTemporaryDir dir;
    const QString dest = dir.filePath(QString(120, 'd'));
    QVERIFY(QDir().mkpath(dest));
    COptions& options = *GetCurrentOptions();
    options.m_strGedcomFile = platform::StoredPath(kExample.toStdString());
    options.m_strDestFolder = platform::StoredPath(dest.toStdString() + "/");
    WindowFixture fixture;
    QString title;
    QString shown_dest;
    QString tip;
    QString status_during;
    bool commands_enabled = true;
    fixture.window.set_on_run_started([&](RunProgressView* view) {
      title = view->windowTitle();
      shown_dest = view->dest_label()->text();
      tip = view->dest_label()->toolTip();
      status_during = fixture.window.status_text();
      commands_enabled = fixture.window.options_button()->isEnabled();
    });
    fixture.window.generate_menu()->actions()[int(GenerateMode::kSample)]->trigger();
    QCOMPARE(fixture.window.last_mode(), GenerateMode::kSample);
    QCOMPARE(title, QString("Generating Sample Web Pages Only"));
    QCOMPARE(tip, dest + "/");
    QVERIFY(shown_dest.contains(QChar(0x2026)));  // shortened with an ellipsis
    QVERIFY(shown_dest.size() < tip.size());
    QCOMPARE(status_during, QString("\nGenerating web pages..."));
    QVERIFY(!commands_enabled);
    QCOMPARE(
        fixture.window.status_text(),
        QString("Web page generation complete.\nClick \"View\" to see your results."));
    QVERIFY(QFileInfo::exists(QString::fromStdString(SummaryPath())));
    QVERIFY(!QDir(dest).entryList({"*.html"}).isEmpty());
    QVERIFY(fixture.window.options_button()->isEnabled());

    // Generate repeats the mode used last; mode 3 has no closing text.
    fixture.window.generate_button()->click();
    QCOMPARE(title, QString("Generating Sample Web Pages Only"));
    fixture.window.Generate(GenerateMode::kFamilies);
    QCOMPARE(fixture.window.status_text(), QString("Web page generation complete.\n"));
    QVERIFY(fixture.desktop.messages().empty());
  }

  void StopEndsTheRun() {
    QTemporaryDir dir;
    COptions& options = *GetCurrentOptions();
    options.m_strGedcomFile = platform::StoredPath(kExample.toStdString());
    options.m_strDestFolder = platform::StoredPath(dir.path().toStdString() + "/");
    WindowFixture fixture;
    fixture.window.set_on_run_started(
        [](RunProgressView* view) { view->stop_button()->click(); });
    fixture.window.Generate(GenerateMode::kAll);
    QCOMPARE(fixture.window.status_text(), QString("\nWeb page generation CANCELED."));
    QVERIFY(!fixture.window.busy());
    // The stopped run still wrote its log.
    QVERIFY(QFileInfo::exists(QString::fromStdString(SummaryPath())));
  }

  void EveryCommandIsIgnoredWhileARunIsInProgress() {
    QTemporaryDir dir;
    COptions& options = *GetCurrentOptions();
    options.m_strGedcomFile = platform::StoredPath(kExample.toStdString());
    options.m_strDestFolder = platform::StoredPath(dir.path().toStdString() + "/");
    WindowFixture fixture;
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
      QVERIFY(fixture.window.busy());
    });
    fixture.window.Generate(GenerateMode::kAll);
    QTest::qWait(350);
    QCOMPARE(runs, 1);
    QCOMPARE(fixture.window.last_mode(), GenerateMode::kAll);
    QVERIFY(fixture.desktop.opened().empty());
    QVERIFY(fixture.desktop.messages().empty());
    QVERIFY(opened.isNull());
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
    QVERIFY(saved.LoadOptions());
    QCOMPARE(saved.m_strGedcomFile, std::string("\\trees\\Moreau.ged"));
  }

  void MaintenanceShortensListsClearsThemAndKeepsSortOrders() {
    WindowFixture fixture;
    platform::HistoryLists& history = fixture.history;
    history.SetMaximum(9);
    for (int i = 9; i >= 1; --i)
      history.Remember(platform::HistoryList::kIn, std::to_string(i));
    {
      MaintenanceDialog dialog(fixture.desktop, fixture.settings, history);
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
      MaintenanceDialog dialog(fixture.desktop, fixture.settings, history);
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
    history.SetMaximum(9);
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::MainWindowTest)
#include "main_window_test.moc"
