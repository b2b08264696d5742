// The Files tab's GEDCOM File Information and option set summary listing.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/file_system.h"
#include "shell/gui/gedcom_info_dialog.h"
#include "shell/gui/page_files.h"
#include "shell/gui/path_combo.h"
#include "support/gui_test_main.h"
#include "support/modal.h"
#include "support/sheet_fixture.h"

namespace vellix::gui {
namespace {

using testing::SheetFixture;
using testing::WhenModalOpens;

constexpr char kTree[] =
    "0 HEAD\n1 SOUR PAF\n2 VERS 5.2\n2 NAME Personal Ancestral File\n"
    "2 DATA Family Archive\n3 DATE 2 FEB 2019\n1 DEST ANSTFILE\n1 DATE 1 JAN 2020\n"
    "1 FILE family.ged\n1 GEDC\n2 VERS 5.5\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n"
    "1 LANG English\n"
    "0 @I1@ INDI\n1 NAME Jan /Kowalski/\n"
    "0 @I2@ INDI\n1 NAME Claire /Moreau/\n"
    "0 @I3@ INDI\n1 NAME Zofia /Nowak/\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 REFN 7\n1 RIN 1\n1 EVEN 12\n2 TYPE _FAMNO\n"
    "0 @F2@ FAM\n1 WIFE @I3@\n1 REFN 7\n1 RIN 2\n"
    "0 TRLR\n";

CPageFiles* Files(SheetFixture& fixture) {
  return static_cast<CPageFiles*>(fixture.sheet().page(CSheet::kFiles));
}

}  // namespace

class GedcomInfoTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void InfoChecksTheGedcomFileFirst() {
    COptions options;
    SheetFixture fixture(&options);
    CPageFiles* files = Files(fixture);
    files->info_button()->click();
    files->gedcom_field()->setEditText("/nowhere/tree.ged");
    files->info_button()->click();
    QCOMPARE(fixture.desktop.Texts(),
             (QStringList{"You have not specified an input GEDCOM file.",
                          "/nowhere/tree.ged\n\nThis input GEDCOM file does not exist or "
                          "is not accessible.\n\nVerify you have specified the file "
                          "correctly."}));
    QCOMPARE(fixture.desktop.messages()[1].icon, BoxIcon::kStop);
    // The field's value reached the option set first.
    QCOMPARE(options.m_strGedcomFile, std::string("\\nowhere\\tree.ged"));
  }

  void InfoShowsTheHeaderTheCountsAndTheCensus() {
    QTemporaryDir dir;
    const QString tree = dir.filePath("tree.ged");
    QFile file(tree);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kTree);
    file.close();
    COptions options;
    options.m_strFamilyRefTag = "_FAMNO";
    SheetFixture fixture(&options);
    CPageFiles* files = Files(fixture);
    files->gedcom_field()->setEditText(tree);
    QStringList lines;
    QString title;
    WhenModalOpens([&](QWidget* modal) {
      auto* dialog = static_cast<GedcomInfoDialog*>(modal);
      title = dialog->windowTitle();
      lines = dialog->lines();
      dialog->help_button()->click();
      dialog->reject();
    });
    files->info_button()->click();
    QCOMPARE(title, QString("GEDCOM File Information"));
    QCOMPARE(lines, (QStringList{"Created By",
                                 "Source ID: PAF",
                                 "Product: Personal Ancestral File",
                                 "Version: 5.2",
                                 "GEDCOM Standard",
                                 "Version: 5.5",
                                 "Character Set: UTF-8",
                                 "Language: English",
                                 "Data",
                                 "Source: Family Archive",
                                 "Date: 2 FEB 2019",
                                 "Destination ID: ANSTFILE",
                                 "Date: 1 JAN 2020",
                                 "Original Name: family.ged",
                                 "Records",
                                 "Families: 2",
                                 "Individuals: 3",
                                 "Family Record Reference Numbers",
                                 "User Reference Numbers (REFN): In ALL records but "
                                 "values are NOT unique",
                                 "Record ID Numbers (RIN): In ALL records and values are "
                                 "UNIQUE",
                                 "Custom tag: _FAMNO In SOME records and values are "
                                 "UNIQUE"}));
    QVERIFY(fixture.desktop.messages().empty());
    QCOMPARE(fixture.desktop.opened().size(), size_t(1));
    QVERIFY(fixture.desktop.opened()[0].toString().endsWith("hlpmisc-gedcom.html"));
  }

  void SummaryWritesTheListingAndOpensIt() {
    SheetFixture fixture;
    fixture.option_set.Save();  // tells that the option set was made
    fixture.desktop.Clear();
    CPageFiles* files = Files(fixture);
    files->gedcom_field()->setEditText("/data/<family>.ged");
    files->summary_button()->click();
    const QString listing =
        QString::fromStdString(fixture.app_folder()) + "os-Options.html";
    QCOMPARE(fixture.desktop.Texts(), QStringList());
    QCOMPARE(fixture.desktop.opened().size(), size_t(1));
    QCOMPARE(fixture.desktop.opened()[0].toLocalFile(), listing);
    QFile page(listing);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    QVERIFY(html.contains("<title>VELLIX Options Set Summary</title>"));
    // What the page shows now is listed, escaped.
    QVERIFY(html.contains("/data/&lt;family&gt;.ged"));

    // A file of that name that is no listing is replaced only after a Yes.
    page.close();
    QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("my own notes");
    page.close();
    files->summary_button()->click();
    QCOMPARE(fixture.desktop.messages().size(), size_t(1));
    QVERIFY(fixture.desktop.Texts()[0].startsWith(
        listing + "\n\nThe listing file already exists!"));
    QCOMPARE(fixture.desktop.opened().size(), size_t(1));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QCOMPARE(page.readAll(), QByteArray("my own notes"));
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::GedcomInfoTest)
#include "gedcom_info_test.moc"
