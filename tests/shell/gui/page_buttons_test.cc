// The buttons of the options dialog that change values, and the questions
// they ask first.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/progress.h"
#include "platform/progress_view.h"
#include "run/run_environment.h"
#include "shell/gui/color_field.h"
#include "shell/gui/page_attributes.h"
#include "shell/gui/page_custom.h"
#include "shell/gui/page_facts.h"
#include "shell/gui/page_headers.h"
#include "shell/gui/page_labels.h"
#include "shell/gui/page_program.h"
#include "shell/gui/select_tags_dialog.h"
#include "shell/gui/window_prompter.h"
#include "support/gui_test_main.h"
#include "support/modal.h"
#include "support/sheet_fixture.h"

namespace vellix::gui {
namespace {

using testing::FakeDesktop;
using testing::SheetFixture;

template <typename Page>
Page* OpenPage(SheetFixture& fixture, int tab) {
  fixture.Open(tab);
  return static_cast<Page*>(fixture.sheet().page(tab));
}

// What a page shows, read back through its exchange.
COptions Shown(OptionsPage* page, const COptions& base) {
  COptions shown = base;
  page->ExchangeToOptions(shown);
  return shown;
}

}  // namespace

class PageButtonsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // ---- Facts tab -------------------------------------------------------------

  void FactsButtonsActOnEveryEnabledBox() {
    COptions options;
    options.m_bOtherFacts = true;
    options.m_factLabels[34] = "Military";
    options.m_factInclude[5] = 2;
    options.m_factInclude[6] = 1;
    SheetFixture fixture(&options);
    auto* facts = OpenPage<CPageFacts>(fixture, CSheet::kFacts);
    QVERIFY(facts->box(34)->isEnabled());
    QVERIFY(!facts->box(35)->isEnabled());  // user-defined, no label
    QCOMPARE(facts->box(34)->text(), QString("Military"));
    QCOMPARE(facts->box(35)->text(), QString("User 2"));
    QVERIFY(!facts->cancel_changes()->isEnabled());

    facts->button(FactsButton::kAll)->click();
    QCOMPARE(int(facts->box(0)->choice()), 1);
    QCOMPARE(int(facts->box(5)->choice()), 2);
    QCOMPARE(int(facts->box(35)->choice()), 0);
    QVERIFY(facts->cancel_changes()->isEnabled());

    facts->button(FactsButton::kSwitch)->click();
    QCOMPARE(int(facts->box(0)->choice()), 2);
    QCOMPARE(int(facts->box(5)->choice()), 1);
    facts->button(FactsButton::kAllWithin)->click();
    QCOMPARE(int(facts->box(5)->choice()), 2);
    facts->button(FactsButton::kAllAtEnd)->click();
    QCOMPARE(int(facts->box(5)->choice()), 1);
    facts->box(5)->click();  // a click steps 1 to 2
    QCOMPARE(int(facts->box(5)->choice()), 2);
    // Complement turns a fact within the page into an excluded one, not 1.
    facts->button(FactsButton::kComplement)->click();
    QCOMPARE(int(facts->box(5)->choice()), 0);
    QCOMPARE(int(facts->box(0)->choice()), 0);
    facts->button(FactsButton::kComplement)->click();
    QCOMPARE(int(facts->box(0)->choice()), 1);
    QCOMPARE(int(facts->box(35)->choice()), 0);
    facts->button(FactsButton::kNone)->click();
    for (int kind = 0; kind < kFactKindCount; ++kind) {
      QCOMPARE(int(facts->box(kind)->choice()), 0);
    }

    facts->cancel_changes()->click();
    QCOMPARE(int(facts->box(5)->choice()), 2);
    QCOMPARE(int(facts->box(6)->choice()), 1);
    QCOMPARE(int(facts->box(49)->choice()), 1);
    QCOMPARE(int(facts->box(59)->choice()), 2);
    QVERIFY(!facts->cancel_changes()->isEnabled());
  }

  void ABoxClickStepsThroughTheThreeChoices() {
    COptions options;
    options.m_bOtherFacts = true;
    SheetFixture fixture(&options);
    auto* facts = OpenPage<CPageFacts>(fixture, CSheet::kFacts);
    FactBox* box = facts->box(23);
    for (int expected : {1, 2, 0}) {
      box->click();
      QCOMPARE(int(box->choice()), expected);
    }
    QVERIFY(facts->cancel_changes()->isEnabled());
    box->click();
    QCOMPARE(int(Shown(facts, options).m_factInclude[23]), 1);
  }

  void IncludeOtherFactsEnablesTheBoxesAndButtons() {
    COptions options;
    SheetFixture fixture(&options);
    auto* facts = OpenPage<CPageFacts>(fixture, CSheet::kFacts);
    QVERIFY(!facts->box(0)->isEnabled());
    QVERIFY(!facts->button(FactsButton::kAll)->isEnabled());
    facts->other_facts()->click();
    QVERIFY(facts->box(0)->isEnabled());
    QVERIFY(facts->button(FactsButton::kAll)->isEnabled());
    QVERIFY(!facts->box(40)->isEnabled());  // still no label
    QVERIFY(!facts->fact_notes_outside()->isEnabled());
    facts->fact_notes()->click();
    QVERIFY(facts->fact_notes_outside()->isEnabled());
  }

  void AUserFactWhoseLabelIsClearedCannotBeIncluded() {
    COptions options;
    options.m_bOtherFacts = true;
    options.m_factLabels[36] = "Military";
    options.m_factInclude[36] = 2;
    SheetFixture fixture(&options);
    auto* facts = OpenPage<CPageFacts>(fixture, CSheet::kFacts);
    QCOMPARE(int(facts->box(36)->choice()), 2);
    auto* labels = OpenPage<CPageLabels>(fixture, CSheet::kLabels);
    labels->fact_label(36)->clear();
    labels->fact_label(0)->setText("Adopted");
    fixture.sheet().tabs()->setCurrentIndex(CSheet::kFacts);
    QVERIFY(!facts->box(36)->isEnabled());
    QCOMPARE(int(facts->box(36)->choice()), 0);
    QCOMPARE(facts->box(0)->text(), QString("Adopted"));
    facts->button(FactsButton::kAll)->click();
    QCOMPARE(int(facts->box(36)->choice()), 0);
    fixture.sheet().accept();
    QCOMPARE(int(options.m_factInclude[36]), 0);
  }

  // ---- Labels tab ------------------------------------------------------------

  void LabelsResetAsksAndKeepsUserDefinedFacts() {
    COptions options;
    options.m_strLblHusband = "Mann";
    options.m_factLabels[0] = "Adoptiert";
    options.m_factLabels[35] = "Militär";
    SheetFixture fixture(&options);
    auto* labels = OpenPage<CPageLabels>(fixture, CSheet::kLabels);
    labels->fact_label(1)->setText("Getauft");
    fixture.desktop.QueueAnswers({false, true});
    labels->reset_button()->click();
    QCOMPARE(Shown(labels, options).m_strLblHusband, std::string("Mann"));
    QCOMPARE(labels->fact_label(1)->text(), QString("Getauft"));
    labels->reset_button()->click();
    const COptions shown = Shown(labels, options);
    QCOMPARE(shown.m_strLblHusband, std::string("Husband"));
    QCOMPARE(labels->fact_label(0)->text(), QString("Adoption"));
    QCOMPARE(labels->fact_label(1)->text(), QString("Baptised"));
    QCOMPARE(labels->fact_label(35)->text(), QString("Militär"));
    const QString question =
        "This action will clear all text labels and restore them to their original "
        "values.\nYou will lose any changes you have made, except for \"User-defined "
        "Facts,\" which will not be reset.\n\nDo you want to reset labels to their "
        "default "
        "values?";
    QCOMPARE(fixture.desktop.Texts(), (QStringList{question, question}));
    QCOMPARE(fixture.desktop.messages()[0].icon, BoxIcon::kQuestion);
    // Nothing reached the option set before the page is left.
    QCOMPARE(options.m_strLblHusband, std::string("Mann"));
  }

  // ---- Attributes tab ----------------------------------------------------------

  void DefaultButtonsFillTheirFields() {
    const platform::FixedClock clock(1939737600LL * 1000000000);  // 2031-06-20
    COptions options;
    SheetFixture fixture(&options);
    fixture.context.clock = &clock;
    auto* attributes = OpenPage<CPageAttributes>(fixture, CSheet::kAttributes);
    attributes->copyright_default()->click();
    QCOMPARE(attributes->copyright()->text(),
             QString("Copyright &copy; 2031   All rights reserved."));
    attributes->author()->setText("Anna Kowalska");
    attributes->copyright_default()->click();
    QCOMPARE(attributes->copyright()->text(),
             QString("Copyright &copy; 2031 Anna Kowalska. All rights reserved."));
    attributes->font_face()->setText("Georgia,serif");
    attributes->font_default()->click();
    QCOMPARE(attributes->font_face()->text(), QString("Arial,Helvetica,sans-serif"));
  }

  void ColourButtonsOpenTheChooserWithTheCustomColours() {
    COptions options;
    options.m_strLinkColor = "#00ff00";
    options.m_customColors[2] = 0x123456;
    SheetFixture fixture(&options);
    auto* attributes = OpenPage<CPageAttributes>(fixture, CSheet::kAttributes);
    QStringList titles;
    for (ColorField* field : attributes->color_fields()) titles << field->caption();
    QCOMPARE(titles,
             (QStringList{"Background Color", "Font Color", "Normal Link Color",
                          "Active Link Color", "Visited Link Color", "Divider Color"}));

    ColorField* link = attributes->color_fields()[2];
    fixture.desktop.QueueColor(QColor(0x12, 0xab, 0x0f), 5, 0x0000FF);
    link->button()->click();
    QCOMPARE(fixture.desktop.choosers().back().title, QString("Normal Link Color"));
    QCOMPARE(fixture.desktop.last_initial_color(), QColor(0, 255, 0));
    QCOMPARE(link->edit()->text(), QString("#12AB0F"));
    QCOMPARE(link->SampleColor(), QColor(0x12, 0xab, 0x0f));
    // Cancelled: the code stays, the custom colours edited in the chooser stay too.
    link->button()->click();
    QCOMPARE(link->edit()->text(), QString("#12AB0F"));
    const COptions shown = Shown(attributes, options);
    QCOMPARE(shown.m_strLinkColor, std::string("#12AB0F"));
    QCOMPARE(shown.m_customColors[5], 0x0000FFu);
    QCOMPARE(shown.m_customColors[2], 0x123456u);
  }

  void FieldAlignmentEnablesItsDependents() {
    COptions options;
    options.m_bAlignLongest = false;
    SheetFixture fixture(&options);
    auto* attributes = OpenPage<CPageAttributes>(fixture, CSheet::kAttributes);
    QSpinBox* width = nullptr;
    QCheckBox* places = nullptr;
    for (QSpinBox* spin : attributes->findChildren<QSpinBox*>()) {
      if (spin->value() == 9) width = spin;
    }
    for (QCheckBox* box : attributes->findChildren<QCheckBox*>()) {
      if (box->text().startsWith("Align places")) places = box;
    }
    QVERIFY(width && places);
    QVERIFY(width->isEnabled());
    QVERIFY(places->isEnabled());
    attributes->align_labels()->click();
    QVERIFY(!width->isEnabled());
    QVERIFY(!places->isEnabled());
  }

  // ---- Headers tab -------------------------------------------------------------

  void UseFamilyPageFieldsAskBeforeReplacing_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("question");
    QTest::newRow("surname header")
        << int(CPageHeaders::kSurnameHeader)
        << "Do you want to replace the existing surname page header with the family page "
           "header?";
    QTest::newRow("surname footer")
        << int(CPageHeaders::kSurnameFooter)
        << "Do you want to replace the existing surname page footer with the family page "
           "footer?";
    QTest::newRow("multimedia header") << int(CPageHeaders::kMediaHeader)
                                       << "Do you want to replace the existing "
                                          "multimedia page header with the family page "
                                          "header?";
    QTest::newRow("multimedia footer") << int(CPageHeaders::kMediaFooter)
                                       << "Do you want to replace the existing "
                                          "multimedia page footer with the family page "
                                          "footer?";
  }
  void UseFamilyPageFieldsAskBeforeReplacing() {
    QFETCH(int, button);
    QFETCH(QString, question);
    const auto which = static_cast<CPageHeaders::CopyButton>(button);
    const bool header =
        which == CPageHeaders::kSurnameHeader || which == CPageHeaders::kMediaHeader;
    const QString family = header ? "<h1>Family</h1>" : "<p>Footer</p>";
    COptions options;
    options.m_strFamilyHeader = "<h1>Family</h1>";
    options.m_strFamilyFooter = "<p>Footer</p>";
    SheetFixture fixture(&options);
    auto* headers = OpenPage<CPageHeaders>(fixture, CSheet::kHeaders);
    QPlainTextEdit* field = headers->field(which);
    // An empty field is filled without a question.
    headers->copy_button(which)->click();
    QCOMPARE(field->toPlainText(), family);
    QVERIFY(fixture.desktop.messages().empty());
    // A filled one: No leaves it, Yes replaces it.
    field->setPlainText("mine");
    fixture.desktop.QueueAnswers({false, true});
    headers->copy_button(which)->click();
    QCOMPARE(field->toPlainText(), QString("mine"));
    headers->copy_button(which)->click();
    QCOMPARE(field->toPlainText(), family);
    QCOMPARE(fixture.desktop.Texts(), (QStringList{question, question}));
    QCOMPARE(fixture.desktop.messages()[0].icon, BoxIcon::kQuestion);
  }

  void UseStandardPageFieldsCopiesAllNineBlocks() {
    COptions options;
    options.m_strStdBeforeHtml = "<!-- a -->";
    options.m_strStdBodyAttrs = "onload=\"go()\"";
    options.m_strMediaAfterBody = "media only";
    SheetFixture fixture(&options);
    auto* headers = OpenPage<CPageHeaders>(fixture, CSheet::kHeaders);
    fixture.desktop.QueueAnswers({false, true});
    headers->use_standard_fields()->click();
    QCOMPARE(Shown(headers, options).m_strMediaAfterBody, std::string("media only"));
    headers->use_standard_fields()->click();
    const COptions shown = Shown(headers, options);
    QCOMPARE(shown.m_strMediaBeforeHtml, std::string("<!-- a -->"));
    QCOMPARE(shown.m_strMediaBodyAttrs, std::string("onload=\"go()\""));
    QCOMPARE(shown.m_strMediaAfterBody, std::string());
    for (int block = 0; block < 9; ++block) {
      QCOMPARE(headers->advanced(1, block)->toPlainText(),
               headers->advanced(0, block)->toPlainText());
    }
    QCOMPARE(
        fixture.desktop.Texts().last(),
        QString("Do you want to replace ALL fields on this tab with corresponding values "
                "from the \"Standard Pages\" tab?\nAll fields on the \"Multimedia "
                "Pages\" tab will be overwritten."));
  }

  // ---- Custom and Features tabs --------------------------------------------------

  void IconTextCaptionsFollowTheChoice() {
    COptions options;
    options.m_bCustomIconImages = false;
    SheetFixture fixture(&options);
    auto* custom = OpenPage<CPageCustom>(fixture, CSheet::kCustom);
    QCOMPARE(custom->icon_text_caption()->text(), QString("Letters or text phrases:"));
    for (QRadioButton* radio : custom->findChildren<QRadioButton*>()) {
      if (radio->text() == "Display images") radio->click();
    }
    QCOMPARE(custom->icon_text_caption()->text(),
             QString("Alternate text for icon images:"));
  }

  // ---- Program tab ---------------------------------------------------------------

  void ProgramResetAsksAndPutsBackTheTexts() {
    COptions options;
    options.m_strDateAbt = "UM";
    options.m_strNoFramesMessage = "Bitte Frames";
    SheetFixture fixture(&options);
    auto* program = OpenPage<CPageProgram>(fixture, CSheet::kProgram);
    fixture.desktop.QueueAnswers({false, true});
    program->reset_button()->click();
    QCOMPARE(Shown(program, options).m_strDateAbt, std::string("UM"));
    program->reset_button()->click();
    const COptions shown = Shown(program, options);
    QCOMPARE(shown.m_strDateAbt, std::string("ABT"));
    QCOMPARE(shown.m_strNoFramesMessage,
             std::string("This page requires a browser supporting frames."));
    QCOMPARE(
        fixture.desktop.Texts().last(),
        QString("This action will clear all Program tab constants and restore them to "
                "their original values.\nYou will lose any changes you have made.\n\nDo "
                "you want to reset constants to their default values?"));
  }

  void ChangeFamilyReferencesChecksTheGedcomFileFirst() {
    COptions options;
    options.m_nFamilyRefs = 3;
    options.m_strFamilyRefTag = "_FAMNO";
    SheetFixture fixture(&options);
    auto* program = OpenPage<CPageProgram>(fixture, CSheet::kProgram);
    QCOMPARE(program->family_refs_line()->text(), QString("Custom Fact Tag: _FAMNO"));
    program->change_refs_button()->click();
    options.m_strGedcomFile = "\\nowhere\\tree.ged";
    program->change_refs_button()->click();
    QCOMPARE(fixture.desktop.Texts(),
             (QStringList{
                 "You have not yet specified a GEDCOM Input File.\n\nPlease click the "
                 "\"Files\" tab and specify a GEDCOM file.",
                 "/nowhere/tree.ged\n\nThis GEDCOM file does not exist or is not "
                 "accessible.  Ensure it is spelled correctly on the \"Files\" "
                 "tab."}));
    QCOMPARE(fixture.desktop.messages()[1].icon, BoxIcon::kStop);
  }

  void SelectTagsChecksTheChoiceBeforeClosing() {
    FakeDesktop desktop;
    FamilyRefCensus answer;
    QStringList asked;
    auto census = [&](int refs, const std::string& tag, FamilyRefCensus* out) {
      asked << QString("%1 %2").arg(refs).arg(QString::fromStdString(tag));
      *out = answer;
      return true;
    };
    auto choose = [](SelectTagsDialog& dialog, int refs, const QString& tag) {
      dialog.choices()->button(refs)->click();
      dialog.tag_field()->setText(tag);
    };
    {
      // Nothing changed: closes without reading the file; the prefix is taken.
      SelectTagsDialog dialog(desktop, {3, "_FAMNO", "x"}, census);
      dialog.prefix_field()->setText("u");
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.choice().prefix, std::string("u"));
      QVERIFY(asked.isEmpty());
    }
    {
      SelectTagsDialog dialog(desktop, {0, "", ""}, census);
      choose(dialog, 3, "   ");
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(desktop.messages().back().icon, BoxIcon::kExclamation);
      QCOMPARE(
          desktop.Texts().back(),
          QString("Please specify a Custom Fact tag.\n\nThis is a custom fact label you "
                  "create in your genealogy program.\nUse it to assign a unique value "
                  "to each desired family.\nVELLIX will use these values to name your "
                  "family web page files."));
      QVERIFY(asked.isEmpty());

      answer = {3, 0, true};
      choose(dialog, 1, "");
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(
          desktop.Texts().back(),
          QString("No User Reference Number (REFN tag) was found.\n\nCorrect this in "
                  "your genealogy software program and re-export a GEDCOM file. Or, "
                  "choose a different reference numbering option."));

      answer = {3, 2, false};
      choose(dialog, 2, "");
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QCOMPARE(
          desktop.Texts().back(),
          QString("Not all Record ID Number (RIN tag) values are unique!\n\nRe-number "
                  "your families to avoid duplicate values.\n\nCorrect this in your "
                  "genealogy software program and re-export a GEDCOM file."));
      QCOMPARE(desktop.messages().back().icon, BoxIcon::kStop);

      answer = {3, 2, true};
      desktop.QueueAnswers({false, true});
      choose(dialog, 3, " _FAMNO ");
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      const QString question =
          "Not every family record contains a Custom \"_FAMNO\" Fact tag.\n\nThose "
          "families "
          "that do not will be named using the Cross-reference Identifier.\n\nIf you "
          "intended that every family have a Custom \"_FAMNO\" Fact tag, click \"No\" "
          "now "
          "and use your genealogy program to add those tags to every family. Then "
          "re-export "
          "a GEDCOM file.\n\nDo you want untagged familes to be named using the "
          "Cross-reference Identifier?";
      QCOMPARE(desktop.Texts().back(), question);
      QCOMPARE(desktop.messages().back().icon, BoxIcon::kQuestion);
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.choice().refs, 3);
      QCOMPARE(dialog.choice().tag, std::string("_FAMNO"));
    }
    QCOMPARE(asked, (QStringList{"1 ", "2 ", "3 _FAMNO", "3 _FAMNO"}));
  }

  void SelectTagsReadsTheGedcomFileForItsCensus() {
    QTemporaryDir dir;
    const QString path = dir.filePath("refs.ged");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "0 HEAD\n1 SOUR TEST\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
        "0 @F1@ FAM\n1 REFN 10\n1 RIN 7\n1 EVEN A\n2 TYPE _FAMNO\n"
        "0 @F2@ FAM\n1 REFN 11\n1 RIN 7\n1 EVEN B\n2 TYPE _FAMNO\n"
        "0 @F3@ FAM\n1 RIN 8\n1 EVEN C\n2 TYPE _OTHER\n"
        "0 TRLR\n");
    file.close();
    COptions options;
    SheetFixture fixture(&options);
    // RIN: in every family but 7 twice; then the custom tag, in two of three
    // families, which the user accepts.
    fixture.desktop.QueueAnswers({true});
    testing::WhenModalOpens([](QWidget* modal) {
      auto* dialog = static_cast<SelectTagsDialog*>(modal);
      dialog->choices()->button(2)->click();
      dialog->accept();
      QCOMPARE(dialog->result(), int(QDialog::Rejected));
      dialog->choices()->button(3)->click();
      dialog->tag_field()->setText("_FAMNO");
      dialog->accept();
    });
    FamilyRefChoice choice{0, "", "x"};
    QVERIFY(RunSelectTagsDialog(fixture.context, path.toStdString(), &choice, nullptr));
    QCOMPARE(choice.refs, 3);
    QCOMPARE(choice.tag, std::string("_FAMNO"));
    const QStringList texts = fixture.desktop.Texts();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].startsWith("Not all Record ID Number (RIN tag) values are unique!"));
    QVERIFY(texts[1].startsWith(
        "Not every family record contains a Custom \"_FAMNO\" Fact tag."));
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::PageButtonsTest)
#include "page_buttons_test.moc"
