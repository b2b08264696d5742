// The options dialog: the tab rules, the page life cycle, help, choosers,
// history lists and switching the option set file.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "shell/gui/help.h"
#include "shell/gui/page_attributes.h"
#include "shell/gui/page_extras.h"
#include "shell/gui/page_files.h"
#include "shell/gui/path_combo.h"
#include "support/gui_test_main.h"
#include "support/sheet_fixture.h"

namespace vellix::gui {
namespace {

using testing::SheetFixture;

constexpr char kNoDestination[] = "Please specify a Destination Folder.";

CPageFiles* Files(CSheet& sheet) {
  return static_cast<CPageFiles*>(sheet.page(CSheet::kFiles));
}

}  // namespace

class SheetTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void TabsHaveTheirCaptionsAndToolTips() {
    COptions options;
    SheetFixture fixture(&options);
    CSheet& sheet = fixture.sheet();
    QCOMPARE(sheet.windowTitle(), QString("VELLIX Options"));
    const QStringList captions = {"Files", "Attributes", "Headers", "Custom", "Features",
                                  "Facts", "Labels",     "Program", "Extras"};
    const QStringList tips = {"GEDCOM file & destination folder",
                              "Web page characteristics",
                              "Headers, footers & titles",
                              "Images, relationships & biographies",
                              "Source citations, privacy filters & more...",
                              "Notes & facts",
                              "Labels & prompts",
                              "Internal processing options",
                              "Search, phones, maps & search engines"};
    QCOMPARE(sheet.tabs()->count(), 9);
    for (int i = 0; i < 9; ++i) {
      QCOMPARE(sheet.tabs()->tabText(i), captions[i]);
      QCOMPARE(sheet.tabs()->tabToolTip(i), tips[i]);
    }
    QCOMPARE(sheet.tabs()->currentIndex(), int(CSheet::kFiles));
    QVERIFY(sheet.page(CSheet::kFiles)->initialised());
  }

  void WithoutDestinationEveryOtherTabSendsBackToFiles_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("destination");
    for (int tab = CSheet::kAttributes; tab <= CSheet::kExtras; ++tab) {
      QTest::addRow("tab %d, empty", tab) << tab << "";
    }
    QTest::newRow("blanks only") << int(CSheet::kFacts) << "   ";
  }
  void WithoutDestinationEveryOtherTabSendsBackToFiles() {
    QFETCH(int, tab);
    QFETCH(QString, destination);
    COptions options;
    SheetFixture fixture(&options);
    CSheet& sheet = fixture.sheet();
    Files(sheet)->dest_field()->setEditText(destination);
    sheet.tabs()->setCurrentIndex(tab);
    QCOMPARE(sheet.tabs()->currentIndex(), int(CSheet::kFiles));
    QVERIFY(!sheet.page(tab)->initialised());
    QCOMPARE(fixture.desktop.Texts(), QStringList{kNoDestination});
    QCOMPARE(fixture.desktop.messages()[0].icon, BoxIcon::kExclamation);
    // The folder was trimmed on the way out of the Files tab.
    QCOMPARE(options.m_strDestFolder, std::string());
  }

  void AGivenDestinationOpensTheOtherTabs() {
    COptions options;
    SheetFixture fixture(&options);
    CSheet& sheet = fixture.sheet();
    Files(sheet)->dest_field()->setEditText("  /srv/www/family  ");
    sheet.tabs()->setCurrentIndex(CSheet::kLabels);
    QCOMPARE(sheet.tabs()->currentIndex(), int(CSheet::kLabels));
    QVERIFY(sheet.page(CSheet::kLabels)->initialised());
    QVERIFY(fixture.desktop.messages().empty());
    QCOMPARE(options.m_strDestFolder, std::string("\\srv\\www\\family"));
    QVERIFY(sheet.destination_given());
  }

  void LeavingATabExchangesItsValues() {
    COptions options;
    SheetFixture fixture(&options);
    fixture.Open(CSheet::kAttributes);
    auto* attributes =
        static_cast<CPageAttributes*>(fixture.sheet().page(CSheet::kAttributes));
    attributes->author()->setText("Anna Kowalska");
    QCOMPARE(options.m_strAuthor, std::string());
    fixture.sheet().tabs()->setCurrentIndex(CSheet::kHeaders);
    QCOMPARE(options.m_strAuthor, std::string("Anna Kowalska"));
  }

  void PagesNeverShownExchangeNothing() {
    COptions options;
    SheetFixture fixture(&options);
    CSheet& sheet = fixture.sheet();
    // Set after the dialog was built: a page made eagerly would put it back.
    options.m_strAuthor = "set meanwhile";
    options.m_factInclude[3] = 2;
    sheet.accept();
    QCOMPARE(options.m_strAuthor, std::string("set meanwhile"));
    QCOMPARE(int(options.m_factInclude[3]), 2);
    for (int tab = CSheet::kAttributes; tab <= CSheet::kExtras; ++tab) {
      QVERIFY(!sheet.page(tab)->initialised());
    }
  }

  void OkSavesTheOptionSetAndCancelReloadsIt() {
    SheetFixture fixture;
    COptions& current = fixture.option_set.options();
    current.m_strGedcomFile = "\\data\\first.ged";
    QVERIFY(fixture.option_set.Save());
    Files(fixture.sheet())->gedcom_field()->setEditText("/data/second.ged");
    fixture.sheet().accept();
    FinishOptionsDialog(fixture.option_set, true);
    COptions reread;
    QVERIFY(reread.LoadOptions(fixture.option_set.file()));
    QCOMPARE(reread.m_strGedcomFile, std::string("\\data\\second.ged"));

    fixture.CloseSheet();
    fixture.Open(CSheet::kAttributes);  // leaves Files: the edit reaches the object
    Files(fixture.sheet())->gedcom_field()->setEditText("/data/third.ged");
    fixture.sheet().tabs()->setCurrentIndex(CSheet::kFiles);
    fixture.sheet().tabs()->setCurrentIndex(CSheet::kAttributes);
    QCOMPARE(current.m_strGedcomFile, std::string("\\data\\third.ged"));
    fixture.sheet().reject();
    FinishOptionsDialog(fixture.option_set, false);
    QCOMPARE(current.m_strGedcomFile, std::string("\\data\\second.ged"));
  }

  void HelpOpensTheCurrentTabsPage_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("tip");
    const char* topics[] = {"optfiles",    "optattributes", "optheaders", "optcustom",
                            "optfeatures", "optfacts",      "optlabels",  "optprogram"};
    const char* names[] = {"Files",    "Attributes", "Headers", "Custom",
                           "Features", "Facts",      "Labels",  "Program"};
    for (int tab = 0; tab < 8; ++tab) {
      QTest::newRow(names[tab]) << tab << QString("hlp%1.html").arg(topics[tab])
                                << QString("Help on %1 Tab").arg(names[tab]);
    }
  }
  void HelpOpensTheCurrentTabsPage() {
    QFETCH(int, tab);
    QFETCH(QString, page);
    QFETCH(QString, tip);
    COptions options;
    SheetFixture fixture(&options);
    fixture.Open(tab);
    CSheet& sheet = fixture.sheet();
    sheet.show();
    QApplication::setActiveWindow(&sheet);
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.help_button()->click();
    QTest::keyClick(&sheet, Qt::Key_F1);
    QCOMPARE(fixture.desktop.opened().size(), size_t(2));
    for (const QUrl& url : fixture.desktop.opened()) {
      QVERIFY(url.isLocalFile());
      QCOMPARE(QFileInfo(url.toLocalFile()).fileName(), page);
      QVERIFY(QFileInfo::exists(url.toLocalFile()));
    }
    QCOMPARE(sheet.help_button()->toolTip(), tip);
    QVERIFY(fixture.desktop.messages().empty());
  }

  void MissingHelpPageIsReported() {
    testing::FakeDesktop desktop;
    ShowHelp(desktop, nullptr, "no-such-topic", std::string());
    QCOMPARE(
        desktop.Texts(),
        QStringList{"hlpno-such-topic.html\n\nThis file either does not exist, or it "
                    "is not accessible."});
    QCOMPARE(desktop.messages()[0].icon, BoxIcon::kStop);
  }

  void BrowseButtonsOpenTheirChoosers() {
    // Every Browse button of the dialog, in page order: the chooser's kind,
    // title and filter.
    const QStringList expected = {
        "open|Select GEDCOM File|GECCOM Files (*.ged)|*.ged|All Files (*.*)|*.*||",
        "folder|Select a destination for the generated web page files:|",
        "open|Select Background Image|Image Files "
        "(*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*.jpeg|All "
        "Files (*.*)|*.*||",
        "open|Select External CSS|CSS Files (*.css)|*.css|All Files (*.*)|*.*||",
        "open|Select Home Page File|HTML Files (*.htm;*.html)|*.htm; *.html|All Files "
        "(*.*)|*.*||",
        "open|Select Image for Top-of-Page Divider|Image Files "
        "(*.gif;*.jpg;*.jpeg)|*.gif;*."
        "jpg;*.jpeg|All Files (*.*)|*.*||",
        "open|Select Image for Bottom-of-Page Divider|Image Files "
        "(*.gif;*.jpg;*.jpeg)|*.gif;"
        "*.jpg;*.jpeg|All Files (*.*)|*.*||",
        "open|Select Image for Thick Divider|Image Files "
        "(*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*."
        "jpeg|All Files (*.*)|*.*||",
        "open|Select Image for Thin Divider|Image Files "
        "(*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*."
        "jpeg|All Files (*.*)|*.*||",
        "folder|Folder for biography web page files:|",
        "folder|Folder for individual image files:|",
        "folder|Folder for narrative web page files:|",
        "folder|Folder for import files:|",
        "folder|Folder for group image files:|",
        "folder|Destination folder for media files:|",
        "folder|Source folder for media files:|",
    };
    COptions options;
    SheetFixture fixture(&options);
    fixture.Open(CSheet::kFiles);
    QStringList seen;
    for (int tab = 0; tab < fixture.sheet().page_count(); ++tab) {
      fixture.sheet().tabs()->setCurrentIndex(tab);
      for (PathCombo* field : fixture.sheet().page(tab)->path_fields()) {
        field->browse_button()->setEnabled(true);
        field->browse_button()->click();
        const auto& chooser = fixture.desktop.choosers().back();
        seen << chooser.kind + "|" + chooser.title + "|" + chooser.filter;
      }
    }
    QCOMPARE(seen, expected);
  }

  void GedcomChooserStartsInTheEntrysFolderOrTheDestination() {
    COptions options;
    options.m_strDestFolder = "\\home\\ann\\site\\";
    SheetFixture fixture(&options);
    CPageFiles* files = Files(fixture.sheet());
    files->gedcom_browse()->click();  // cancelled: nothing changes
    QCOMPARE(fixture.desktop.choosers().back().start, QString("/home/ann/site/"));
    QCOMPARE(files->gedcom_field()->currentText(), QString());
    fixture.desktop.QueuePaths({"/home/ann/trees/kowalski.ged"});
    files->gedcom_browse()->click();
    QCOMPARE(files->gedcom_field()->currentText(),
             QString("/home/ann/trees/kowalski.ged"));
    files->gedcom_browse()->click();
    QCOMPARE(fixture.desktop.choosers().back().start, QString("/home/ann/trees"));
    fixture.desktop.QueuePaths({"/srv/www/tree"});
    files->dest_browse()->click();
    QCOMPARE(fixture.desktop.choosers().back().start, QString("/home/ann/site/"));
    QCOMPARE(files->dest_field()->currentText(), QString("/srv/www/tree/"));
  }

  void RelativeFolderFieldsHoldTheWayFromTheDestination() {
    COptions options;
    SheetFixture fixture(&options);
    fixture.Open(CSheet::kCustom);
    options.m_strDestFolder = "\\home\\ann\\site\\";
    const std::vector<PathCombo*>& fields =
        fixture.sheet().page(CSheet::kCustom)->path_fields();
    QCOMPARE(fields.size(),
             size_t(5));  // biography, image, narrative, import, group image
    fixture.desktop.QueuePaths({"/home/ann/site/people/bio", "/home/ann/photos",
                                "/home/ann/site", "/home/ann/texts"});
    for (int i = 0; i < 4; ++i) fields[i]->browse_button()->click();
    QCOMPARE(fields[0]->StoredText(), std::string("people\\bio\\"));
    QCOMPARE(fields[1]->StoredText(), std::string("..\\photos\\"));
    QCOMPARE(fields[2]->StoredText(), std::string());
    // The import folder is a full path.
    QCOMPARE(fields[3]->StoredText(), std::string("\\home\\ann\\texts\\"));
    // A relative folder's chooser starts at it, below the destination.
    fields[0]->browse_button()->click();
    QCOMPARE(fixture.desktop.choosers().back().start,
             QString("/home/ann/site/people/bio/"));
  }

  void PathFieldsOfferTheirHistoryListsAndOkRemembersThem() {
    COptions options;
    SheetFixture fixture(&options);
    fixture.history.Remember(platform::HistoryList::kIn, "\\old\\b.ged");
    fixture.history.Remember(platform::HistoryList::kIn, "\\old\\a.ged");
    fixture.history.Remember(platform::HistoryList::kBar, "\\img\\line.gif");
    fixture.Open(CSheet::kAttributes);
    CPageFiles* files = Files(fixture.sheet());
    QCOMPARE(files->gedcom_field()->count(), 2);
    QCOMPARE(files->gedcom_field()->itemText(0), QString("/old/a.ged"));
    // The four divider images share one list.
    int offering = 0;
    for (PathCombo* field : fixture.sheet().page(CSheet::kAttributes)->path_fields()) {
      if (field->list() == platform::HistoryList::kBar) {
        QCOMPARE(field->itemText(0), QString("/img/line.gif"));
        ++offering;
      }
    }
    QCOMPARE(offering, 4);
    files->gedcom_field()->setEditText("/new/c.ged");
    fixture.sheet().accept();
    QCOMPARE(fixture.history.Items(platform::HistoryList::kIn),
             (std::vector<std::string>{"\\new\\c.ged", "\\old\\a.ged", "\\old\\b.ged"}));
    QCOMPARE(fixture.history.Items(platform::HistoryList::kOut),
             (std::vector<std::string>{"\\tmp\\vellix-site\\"}));
  }

  void OpeningAnotherOptionSetOffersToSaveAndRedisplaysThePages() {
    QTemporaryDir dir;
    const QString other = dir.filePath("other.dat");
    {
      COptions saved;
      saved.m_strGedcomFile = "\\trees\\other.ged";
      saved.m_strAuthor = "Other Author";
      QVERIFY(platform::WriteWholeFile(other.toStdString(), saved.WriteToString()));
    }
    SheetFixture fixture;
    COptions& current = fixture.option_set.options();
    current.m_strAuthor = "First Author";
    const std::string first_path = fixture.option_set.path();
    fixture.Open(CSheet::kAttributes);
    auto* attributes =
        static_cast<CPageAttributes*>(fixture.sheet().page(CSheet::kAttributes));
    attributes->author()->setText("Edited Author");
    fixture.sheet().tabs()->setCurrentIndex(CSheet::kFiles);
    fixture.desktop.Clear();
    fixture.desktop.QueueAnswers({true});
    fixture.desktop.QueuePaths({other});
    Files(fixture.sheet())->open_button()->click();

    QCOMPARE(fixture.desktop.choosers().back().title, QString("Select Options Set"));
    QCOMPARE(fixture.desktop.choosers().back().filter,
             QString("Option Sets (*.dat)|*.dat|All Files (*.*)|*.*||"));
    QCOMPARE(fixture.desktop.Texts(),
             (QStringList{QString::fromStdString(first_path) +
                              "\n\nDo you want to save your current option settings?",
                          "Your current settings were saved."}));
    QCOMPARE(QString::fromStdString(fixture.option_set.path()), other);
    // The pages show the new set.
    QCOMPARE(Files(fixture.sheet())->gedcom_field()->currentText(),
             QString("/trees/other.ged"));
    QCOMPARE(attributes->author()->text(), QString("Other Author"));
    QCOMPARE(Files(fixture.sheet())->option_set_field()->itemText(0), other);
    // The edits were saved into the first set.
    COptions first;
    std::string data;
    QVERIFY(platform::ReadWholeFile(first_path, &data));
    QVERIFY(first.ReadFrom(data));
    QCOMPARE(first.m_strAuthor, std::string("Edited Author"));

    // Back to the first one through the drop-down; No keeps the file as it is.
    fixture.desktop.Clear();
    fixture.desktop.QueueAnswers({false});
    QComboBox* sets = Files(fixture.sheet())->option_set_field();
    const int index = sets->findText(QString::fromStdString(first_path));
    QVERIFY(index > 0);
    sets->setCurrentIndex(index);
    Q_EMIT sets->activated(index);
    QCOMPARE(fixture.option_set.path(), first_path);
    QCOMPARE(fixture.desktop.Texts().size(), 1);
    QCOMPARE(attributes->author()->text(), QString("Edited Author"));
  }

  void ANewOptionSetStartsWithDefaults() {
    QTemporaryDir dir;
    const QString fresh = dir.filePath("fresh.dat");
    SheetFixture fixture;
    fixture.option_set.options().m_strAuthor = "Someone";
    fixture.desktop.QueueAnswers({false});
    fixture.desktop.QueuePaths({fresh});
    Files(fixture.sheet())->new_button()->click();
    QCOMPARE(fixture.desktop.choosers().back().title, QString("New Options Set"));
    QCOMPARE(QString::fromStdString(fixture.option_set.path()), fresh);
    QVERIFY(QFileInfo(fresh).size() > 0);
    QVERIFY(fixture.desktop.Texts().last().startsWith(
        "Program options have been created and assigned default values."));
    QCOMPARE(fixture.option_set.options().m_strAuthor, std::string());
  }
  void AnUnusableBaseAddressKeepsTheExtrasTabOpen() {
    COptions options;
    options.extras.base_url = "https://old.example.org/";
    SheetFixture fixture(&options);
    fixture.Open(CSheet::kExtras);
    CSheet& sheet = fixture.sheet();
    auto* extras = static_cast<CPageExtras*>(sheet.page(CSheet::kExtras));
    QCOMPARE(extras->base_address()->text(), QString("https://old.example.org/"));
    struct Case {
      const char* address;
      const char* problem;
    };
    const Case kRefused[] = {
        {"example.org/tree/", "must start with http:// or https://"},
        {"ftp://example.org/", "must start with http:// or https://"},
        {"https://example.org/my tree/", "may not hold blanks"},
        {"https://", "must name a host"},
        {"http://example.org/\"tree\"", "may not hold blanks, quotes"},
    };
    for (const Case& refused : kRefused) {
      fixture.desktop.Clear();
      extras->base_address()->setText(refused.address);
      // Neither leaving the tab nor OK gets past the address.
      sheet.tabs()->setCurrentIndex(CSheet::kFiles);
      QCOMPARE(sheet.tabs()->currentIndex(), int(CSheet::kExtras));
      sheet.accept();
      QCOMPARE(sheet.result(), int(QDialog::Rejected));
      QCOMPARE(fixture.desktop.messages().size(), size_t(2));
      QCOMPARE(fixture.desktop.messages()[0].icon, BoxIcon::kExclamation);
      const QString text = fixture.desktop.messages()[0].text;
      QVERIFY2(text.contains(refused.problem) && text.contains(refused.address),
               qPrintable(text));
      QCOMPARE(options.extras.base_url, std::string("https://old.example.org/"));
    }

    fixture.desktop.Clear();
    extras->search()->setChecked(true);
    extras->base_address()->setText("  https://example.org/tree/ ");
    sheet.accept();
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QVERIFY(fixture.desktop.messages().empty());
    QCOMPARE(options.extras.base_url, std::string("https://example.org/tree/"));
    QVERIFY(options.extras.search);
  }

  void AnEmptyBaseAddressTurnsTheSearchEngineFilesOff() {
    COptions options;
    options.extras.base_url = "https://example.org/";
    SheetFixture fixture(&options);
    fixture.Open(CSheet::kExtras);
    auto* extras = static_cast<CPageExtras*>(fixture.sheet().page(CSheet::kExtras));
    extras->base_address()->setText("   ");
    fixture.sheet().tabs()->setCurrentIndex(CSheet::kFiles);
    QCOMPARE(fixture.sheet().tabs()->currentIndex(), int(CSheet::kFiles));
    QVERIFY(fixture.desktop.messages().empty());
    QCOMPARE(options.extras.base_url, std::string());
    QVERIFY(!options.extras.search_engines());
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::SheetTest)
#include "sheet_test.moc"
