// The Configure window of the custom attributes, and the Custom tab's
// buttons that open it and exchange the attribute lists with a file.
#include "shell/gui/configure_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/file_system.h"
#include "shell/gui/page_custom.h"
#include "support/gui_test_main.h"
#include "support/modal.h"
#include "support/sheet_fixture.h"

namespace vellix::gui {
namespace {

using options::AttributeOwner;
using options::AttributesConfigure;
using options::ConfigureEntry;
using testing::SheetFixture;
using testing::WhenModalOpens;

constexpr char kTree[] =
    "0 HEAD\n1 SOUR TEST\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jan /Kowalski/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Claire /Moreau/\n1 FAMS @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n"
    "0 TRLR\n";

void Put(CAttributesList& list, const std::string& ref, const std::string& link,
         const std::string& caption = "") {
  CAttributes* entry = list.Add(ref);
  entry->m_strReference = ref;
  entry->m_strLink = link;
  entry->m_strCaption = caption;
}

std::vector<ConfigureEntry> People() {
  return {{"I3", "Nowak, Zofia", "", "Zosia"},
          {"I1", "kowalski, Jan", "", ""},
          {"I10", "Kowalski, Adam", "", ""},
          {"I2", "Moreau, Claire", "", ""}};
}

QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
  const QString path = dir.filePath(name);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(text);
  return path;
}

CPageCustom* OpenCustom(SheetFixture& fixture) {
  fixture.Open(CSheet::kCustom);
  return static_cast<CPageCustom*>(fixture.sheet().page(CSheet::kCustom));
}

}  // namespace

class ConfigureDialogTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ShowsTheEntriesAndEditsItsOwnCopy() {
    COptions options;
    Put(options.m_indivAttributes, "I2", "claire.htm");
    Put(options.m_indivAttributes, "I9", "gone.htm");
    SheetFixture fixture(&options);
    AttributesConfigure session(AttributeOwner::kIndividuals, options, People(),
                                {0, 0, false}, "\\data\\tree.ged");
    ConfigureDialog dialog(fixture.context, session);
    QCOMPARE(dialog.windowTitle(), QString("Configure Individuals in tree.ged"));
    QCOMPARE(Rows(dialog.list()),
             (QStringList{"  I10  Kowalski, Adam", "  I1   kowalski, Jan",
                          "* I2   Moreau, Claire", "  I3   Nowak, Zofia"}));
    QCOMPARE(dialog.status()->text(),
             QString("Attributes are defined for 2 entries\nincluding 1 entry not in "
                     "this GEDCOM file"));
    QVERIFY(dialog.purge_button()->isEnabled());
    QCOMPARE(dialog.purge_button()->toolTip(),
             QString("Clear attributes for entries not in \"tree.ged\""));
    // It opens on the first entry with attributes.
    QCOMPARE(dialog.list()->currentRow(), 2);
    QCOMPARE(dialog.field(ConfigureDialog::kLink)->text(), QString("claire.htm"));
    QVERIFY(dialog.browse(ConfigureDialog::kText) == nullptr);

    // What the fields show is taken when another entry is highlighted.
    dialog.SelectRow(0);
    QVERIFY(dialog.field(ConfigureDialog::kLink)->text().isEmpty());
    dialog.field(ConfigureDialog::kLink)->setText("adam.htm");
    dialog.field(ConfigureDialog::kCaption)->setText("Adam, 1901");
    dialog.SelectRow(3);
    QCOMPARE(dialog.list()->item(0)->text(), QString("* I10  Kowalski, Adam"));
    QCOMPARE(dialog.status()->text().section('\n', 0, 0),
             QString("Attributes are defined for 3 entries"));
    QCOMPARE(session.Find("I10")->m_strCaption, std::string("Adam, 1901"));

    // Alt+Up and Alt+Down skip to entries with attributes.
    dialog.MoveToNextWithAttributes();
    QCOMPARE(dialog.list()->currentRow(), 3);
    dialog.MoveToPriorWithAttributes();
    QCOMPARE(dialog.list()->currentRow(), 2);
    dialog.MoveToPriorWithAttributes();
    QCOMPARE(dialog.list()->currentRow(), 0);
    dialog.MoveToNextWithAttributes();
    QCOMPARE(dialog.list()->currentRow(), 2);

    dialog.clear_button()->click();
    QVERIFY(dialog.field(ConfigureDialog::kLink)->text().isEmpty());
    QCOMPARE(dialog.list()->item(2)->text(), QString("  I2   Moreau, Claire"));

    fixture.desktop.QueueAnswers({true});
    dialog.purge_button()->click();
    QCOMPARE(fixture.desktop.Texts().back(),
             QString("This action will clear attribute settings for the 1 entry\nnot in "
                     "the current GEDCOM file.\n\nDo you want to purge this extra "
                     "entry?\n(Click \"No\" if you are unsure.)"));
    QVERIFY(!dialog.purge_button()->isEnabled());
    QCOMPARE(dialog.status()->text(), QString("Attributes are defined for 1 entry"));

    // Nothing reached the option set.
    QCOMPARE(options.m_indivAttributes.size(), size_t(2));
  }

  void ClearAllAsksWithNoAsDefault() {
    COptions options;
    Put(options.m_familyAttributes, "F1", "smith.htm");
    SheetFixture fixture(&options);
    AttributesConfigure session(AttributeOwner::kFamilies, options,
                                {{"F1", "Smith, Tom", "Brown, Ann", ""}}, {});
    ConfigureDialog dialog(fixture.context, session);
    QCOMPARE(dialog.windowTitle(), QString("Configure Families"));
    QVERIFY(dialog.aliases() == nullptr);
    QVERIFY(dialog.browse(ConfigureDialog::kText) != nullptr);
    dialog.clear_all_button()->click();  // the default answer: No
    QCOMPARE(fixture.desktop.Texts().back(),
             QString("This action will clear all attribute settings for all "
                     "families.\n\nDo you want to reset all entries?"));
    QCOMPARE(dialog.field(ConfigureDialog::kLink)->text(), QString("smith.htm"));
    fixture.desktop.QueueAnswers({true});
    dialog.clear_all_button()->click();
    QVERIFY(dialog.field(ConfigureDialog::kLink)->text().isEmpty());
    QCOMPARE(dialog.status()->text(), QString("Attributes are defined for 0 entries"));
    dialog.help_button()->click();
    QCOMPARE(fixture.desktop.opened().size(), size_t(1));
    QVERIFY(fixture.desktop.opened()[0].toString().endsWith("/hlpcuscfgind.html"));
  }

  void LeavingWithChangesAsksFirst() {
    COptions options;
    SheetFixture fixture(&options);
    AttributesConfigure session(AttributeOwner::kIndividuals, options, People(), {});
    ConfigureDialog dialog(fixture.context, session);
    dialog.show();
    dialog.reject();  // nothing changed: closes without a question
    QVERIFY(!dialog.isVisible());
    QVERIFY(fixture.desktop.messages().empty());

    dialog.show();
    dialog.field(ConfigureDialog::kText)->setText("great-aunt");
    fixture.desktop.QueueAnswers({false, true});
    dialog.reject();
    QVERIFY(dialog.isVisible());
    QCOMPARE(fixture.desktop.Texts(),
             QStringList{"Do you want to discard your changes?"});
    dialog.reject();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  void SortChoiceAndAliasesAreSettingsAndKeepTheHighlightedEntry() {
    COptions options;
    SheetFixture fixture(&options);
    AttributesConfigure people(AttributeOwner::kIndividuals, options, People(),
                               {0, 0, false});
    ConfigureDialog dialog(fixture.context, people);
    dialog.SelectRow(3);  // I3
    dialog.sort_choices()->button(1)->click();
    QCOMPARE(fixture.settings.GetInt("Options", "SortDlgInd", -1), 1);
    QCOMPARE(Rows(dialog.list()),
             (QStringList{"  I1   kowalski, Jan", "  I10  Kowalski, Adam",
                          "  I2   Moreau, Claire", "  I3   Nowak, Zofia"}));
    QCOMPARE(dialog.list()->currentRow(), 3);
    dialog.aliases()->click();
    QCOMPARE(fixture.settings.GetInt("Options", "Alias", -1), 1);
    QCOMPARE(dialog.list()->item(3)->text(), QString("  I3   Nowak, Zofia (Zosia)"));

    AttributesConfigure families(
        AttributeOwner::kFamilies, options,
        {{"F1", "Smith, Tom", "Brown, Ann", ""}, {"F2", "Adams, Bob", "Zeller, Eve", ""}},
        {0, 0, false});
    ConfigureDialog family_dialog(fixture.context, families);
    QCOMPARE(family_dialog.list()->item(0)->text(),
             QString("  F2  Adams, Bob & Zeller, Eve"));
    family_dialog.sort_choices()->button(1)->click();  // by wife
    QCOMPARE(fixture.settings.GetInt("Options", "SortDlgFam", -1), 1);
    QCOMPARE(family_dialog.list()->item(0)->text(),
             QString("  F1  Smith, Tom & Brown, Ann"));
  }

  void ChosenFilesFollowTheOneFolderRule() {
    QTemporaryDir dir;
    const QString in_folder = WriteFile(dir, "site/images/sub/jan.jpg", "x");
    const QString elsewhere = WriteFile(dir, "other/jan2.jpg", "x");
    COptions options;
    options.m_strDestFolder = platform::StoredPath(dir.filePath("site").toStdString());
    options.m_strIndivImageFolder = "images\\";
    SheetFixture fixture(&options);
    AttributesConfigure session(AttributeOwner::kIndividuals, options, People(), {});
    ConfigureDialog dialog(fixture.context, session);
    dialog.SelectRow(1);  // I1
    fixture.desktop.QueuePaths({in_folder});
    dialog.browse(ConfigureDialog::kImage)->click();
    const auto& chooser = fixture.desktop.choosers().back();
    QCOMPARE(chooser.title, QString("Image file for individual kowalski, Jan"));
    QCOMPARE(chooser.start, dir.filePath("site/images/"));
    QVERIFY(chooser.filter.startsWith("Image Files"));
    QCOMPARE(dialog.field(ConfigureDialog::kImage)->text(), QString("sub\\jan.jpg"));
    QVERIFY(fixture.desktop.messages().empty());

    fixture.desktop.QueuePaths({elsewhere});
    fixture.desktop.QueueAnswers({true});
    dialog.browse(ConfigureDialog::kImage)->click();
    QCOMPARE(fixture.desktop.messages().size(), size_t(1));
    QVERIFY(fixture.desktop.Texts()[0].startsWith(
        elsewhere +
        "\n\nThis file is not in the current folder for individual image "
        "files.\nAll individual image files must reside in the same "
        "folder."));
    QCOMPARE(dialog.field(ConfigureDialog::kImage)->text(), QString("jan2.jpg"));
    dialog.accept();
    session.ApplyTo(options);
    QCOMPARE(options.m_strIndivImageFolder, std::string("..\\other\\"));
    QCOMPARE(options.m_indivAttributes.entries().front().m_strImage,
             std::string("jan2.jpg"));
  }

  void CustomTabButtonsCheckTheGedcomFileFirst() {
    COptions options;
    SheetFixture fixture(&options);
    CPageCustom* page = OpenCustom(fixture);
    page->configure_individuals()->click();
    options.m_strGedcomFile = "\\nowhere\\tree.ged";
    page->configure_families()->click();
    QCOMPARE(fixture.desktop.Texts(),
             (QStringList{
                 "You have not yet specified a GEDCOM Input File.\n\nPlease click the "
                 "\"Files\" tab and specify a GEDCOM file.",
                 "/nowhere/tree.ged\n\nThis GEDCOM file does not exist or is not "
                 "accessible.  Ensure it is spelled correctly on the \"Files\" "
                 "tab."}));
    QCOMPARE(fixture.desktop.messages()[0].icon, BoxIcon::kStop);
  }

  void ConfigureFromTheCustomTabReplacesTheListOnOk() {
    QTemporaryDir dir;
    const QString tree = WriteFile(dir, "tree.ged", kTree);
    const QString photo = WriteFile(dir, "photos/jan.jpg", "x");
    QDir().mkpath(dir.filePath("site"));
    COptions options;
    options.m_strGedcomFile = platform::StoredPath(tree.toStdString());
    Put(options.m_familyAttributes, "F1", "kept.htm");
    SheetFixture fixture(&options);
    CPageCustom* page = OpenCustom(fixture);
    options.m_strDestFolder = platform::StoredPath(dir.filePath("site").toStdString());

    QStringList listed;
    fixture.desktop.QueuePaths({photo});
    fixture.desktop.QueueAnswers({true});
    WhenModalOpens([&](QWidget* modal) {
      auto* dialog = static_cast<ConfigureDialog*>(modal);
      listed = Rows(dialog->list());
      listed.prepend(dialog->windowTitle());
      dialog->SelectRow(0);
      dialog->field(ConfigureDialog::kLink)->setText("jan.htm");
      dialog->browse(ConfigureDialog::kImage)->click();
      dialog->accept();
    });
    page->configure_individuals()->click();
    QCOMPARE(listed, (QStringList{"Configure Individuals in tree.ged",
                                  "  I1  Kowalski, Jan", "  I2  Moreau, Claire"}));
    QCOMPARE(options.m_indivAttributes.size(), size_t(1));
    const CAttributes& jan = options.m_indivAttributes.entries().front();
    QCOMPARE(jan.m_strReference, std::string("I1"));
    QCOMPARE(jan.m_strLink, std::string("jan.htm"));
    QCOMPARE(jan.m_strImage, std::string("jan.jpg"));
    // The kind's folder came back into the page's field.
    COptions shown = options;
    page->ExchangeToOptions(shown);
    QCOMPARE(shown.m_strIndivImageFolder, std::string("..\\photos\\"));

    // Cancel leaves the option set's list alone.
    WhenModalOpens([&](QWidget* modal) {
      auto* dialog = static_cast<ConfigureDialog*>(modal);
      listed = Rows(dialog->list());
      dialog->field(ConfigureDialog::kLink)->setText("changed.htm");
      fixture.desktop.QueueAnswers({true});
      dialog->reject();
    });
    page->configure_families()->click();
    QCOMPARE(listed, QStringList{"* F1  Kowalski, Jan & Moreau, Claire"});
    QCOMPARE(options.m_familyAttributes.entries().front().m_strLink,
             std::string("kept.htm"));
  }

  void ExportAndImportGoThroughTheExchangeFile() {
    QTemporaryDir dir;
    SheetFixture fixture;
    fixture.option_set.Save();
    COptions& options = fixture.options();
    Put(options.m_indivAttributes, "I1", "jan.htm", "Jan, \"Janek\" 1900");
    Put(options.m_familyAttributes, "F1", "smith.htm");
    CPageCustom* page = OpenCustom(fixture);

    const QString file = dir.filePath("attributes.csv");
    fixture.desktop.QueuePaths({file});
    page->export_button()->click();
    QCOMPARE(fixture.desktop.choosers().back().kind, QString("save"));
    QCOMPARE(fixture.desktop.choosers().back().title, QString("Select export file"));
    QCOMPARE(fixture.desktop.choosers().back().filter,
             QString("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||"));
    QCOMPARE(fixture.desktop.Texts().back(), file + "\n\nExport completed.\n");

    const CAttributesList people = options.m_indivAttributes;
    options.m_indivAttributes.RemoveAll();
    options.m_familyAttributes.RemoveAll();
    fixture.desktop.QueuePaths({file});
    page->import_button()->click();
    QCOMPARE(fixture.desktop.choosers().back().title, QString("Select import file"));
    QCOMPARE(fixture.desktop.Texts().back(), file + "\n\nImport completed.\n");
    QVERIFY(options.m_indivAttributes == people);
    QCOMPARE(options.m_familyAttributes.size(), size_t(1));

    // A file of another kind is refused; a cancelled chooser does nothing.
    const QString other = WriteFile(dir, "other.csv", "I2,x.htm\r\n");
    fixture.desktop.QueuePaths({other});
    page->import_button()->click();
    QCOMPARE(fixture.desktop.Texts().back(),
             other + "\n\nThe import file is not a VELLIX custom attributes file.");
    const size_t shown = fixture.desktop.messages().size();
    page->import_button()->click();
    QCOMPARE(fixture.desktop.messages().size(), shown);
    QVERIFY(options.m_indivAttributes == people);
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::ConfigureDialogTest)
#include "configure_dialog_test.moc"
