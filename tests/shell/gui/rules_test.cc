// The desktop program's rules that need no window: filters, colours, the
// Facts buttons, default texts and the census lines.
#include <QtTest>

#include "options/option_defaults.h"
#include "shell/gui/color_field.h"
#include "shell/gui/desktop.h"
#include "shell/gui/fact_choices.h"
#include "shell/gui/file_filter.h"
#include "shell/gui/main_texts.h"
#include "shell/gui/option_bindings.h"
#include "shell/gui/page_attributes.h"
#include "shell/gui/page_labels.h"
#include "shell/gui/page_program.h"
#include "shell/gui/select_tags_dialog.h"
#include "support/gui_test_main.h"

namespace vellix::gui {

class RulesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void FiltersBecomeQtFilters_data() {
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("qt");
    QTest::newRow("gedcom") << "GECCOM Files (*.ged)|*.ged|All Files (*.*)|*.*||"
                            << "GECCOM Files (*.ged);;All Files (*)";
    QTest::newRow("html with blank")
        << "HTML Files (*.htm;*.html)|*.htm; *.html|All Files (*.*)|*.*||"
        << "HTML Files (*.htm *.html);;All Files (*)";
    QTest::newRow("images")
        << "Image Files (*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*.jpeg|All Files (*.*)|*.*||"
        << "Image Files (*.gif *.jpg *.jpeg);;All Files (*)";
    QTest::newRow("option sets") << "Option Sets (*.dat)|*.dat|All Files (*.*)|*.*||"
                                 << "Option Sets (*.dat);;All Files (*)";
    QTest::newRow("name without parenthesis") << "Import Files|*.txt;*.htm||"
                                              << "Import Files (*.txt *.htm)";
    QTest::newRow("empty pattern") << "Anything||"
                                   << "Anything (*)";
    QTest::newRow("empty") << ""
                           << "";
  }
  void FiltersBecomeQtFilters() {
    QFETCH(QString, windows);
    QFETCH(QString, qt);
    QCOMPARE(QtFileFilter(windows), qt);
  }

  void ColoursConvertBothWays() {
    QCOMPARE(ColorCode(QColor(0x12, 0xab, 0x0f)), QString("#12AB0F"));
    QCOMPARE(ColorOfCode("#ff0000"), QColor(255, 0, 0));
    QCOMPARE(ColorOfCode(" navy "), QColor(0, 0, 128));
    QVERIFY(!ColorOfCode("#12345").isValid());
    QVERIFY(!ColorOfCode("").isValid());
    // Option set colour values hold red in the lowest byte.
    QCOMPARE(ColorFromValue(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(ColorFromValue(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(ValueFromColor(QColor(0x11, 0x22, 0x33)), 0x332211u);
    QCOMPARE(ValueFromColor(ColorFromValue(16777215)), 16777215u);
  }

  void FactsButtonsChangeChoices_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QList<int>>("after");  // choices 0, 1, 2 become
    QTest::newRow("All") << int(FactsButton::kAll) << QList<int>{1, 1, 2};
    QTest::newRow("None") << int(FactsButton::kNone) << QList<int>{0, 0, 0};
    QTest::newRow("Complement") << int(FactsButton::kComplement) << QList<int>{1, 0, 0};
    QTest::newRow("All at End") << int(FactsButton::kAllAtEnd) << QList<int>{0, 1, 1};
    QTest::newRow("All Within") << int(FactsButton::kAllWithin) << QList<int>{0, 2, 2};
    QTest::newRow("Switch") << int(FactsButton::kSwitch) << QList<int>{0, 2, 1};
  }
  void FactsButtonsChangeChoices() {
    QFETCH(int, button);
    QFETCH(QList<int>, after);
    for (uint8_t choice = 0; choice < 3; ++choice) {
      QCOMPARE(int(ApplyFactsButton(static_cast<FactsButton>(button), choice)),
               after[choice]);
    }
  }

  void FactsButtonsLeaveDisabledBoxesAlone() {
    std::array<uint8_t, 4> choices{0, 1, 2, 0};
    const std::array<bool, 4> enabled{true, false, true, false};
    ApplyFactsButton(FactsButton::kNone, choices, enabled);
    QCOMPARE(choices, (std::array<uint8_t, 4>{0, 1, 0, 0}));
    ApplyFactsButton(FactsButton::kAll, choices, enabled);
    QCOMPARE(choices, (std::array<uint8_t, 4>{1, 1, 1, 0}));
  }

  void ShownFactLabelsFollowTheRedirections() {
    COptions options;
    options.m_factLabels[8] = "Zensus";
    options.m_factLabels[29] = "Wohnort";
    options.m_factLabels[52] = "stale";
    options.m_strLblMarried = "Verheiratet";
    QCOMPARE(ShownFactLabel(options, 52), std::string("Zensus"));
    QCOMPARE(ShownFactLabel(options, 61), std::string("Wohnort"));
    QCOMPARE(ShownFactLabel(options, 59), std::string("Verheiratet"));
    QCOMPARE(ShownFactLabel(options, 0), std::string("Adoption"));
    QCOMPARE(ShownFactLabel(options, 62), std::string());
    QCOMPARE(ShownFactLabel(options, -1), std::string());
    options.m_factLabels.clear();
    QCOMPARE(ShownFactLabel(options, 0), std::string());
  }

  void CopyrightDefault_data() {
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("expected");
    QTest::newRow("author")
        << "Anna Kowalska"
        << "Copyright &copy; 2026 Anna Kowalska. All rights reserved.";
    // Without an author the full stop becomes a blank: three blanks in a row.
    QTest::newRow("no author") << ""
                               << "Copyright &copy; 2026   All rights reserved.";
    QTest::newRow("percent sign")
        << "100% Smith"
        << "Copyright &copy; 2026 100% Smith. All rights reserved.";
  }
  void CopyrightDefault() {
    QFETCH(QString, author);
    QFETCH(QString, expected);
    QCOMPARE(ToQt(DefaultCopyright(2026, FromQt(author))), expected);
  }

  void LabelsResetKeepsUserDefinedFacts() {
    COptions options;
    options.m_strLblHusband = "Mann";
    options.m_strNavSeparator = " / ";
    options.m_strRevisedFormat = "dd.MM.yyyy";
    options.m_factLabels[0] = "Adoptiert";
    options.m_factLabels[35] = "Militär";
    options.m_factLabels[52] = "stale";
    options.m_bOmitEmptyLabels = true;
    options.m_strAuthor = "not a label";
    ResetLabels(options);
    const COptions& defaults = options::DefaultOptions();
    QCOMPARE(options.m_strLblHusband, defaults.m_strLblHusband);
    QCOMPARE(options.m_strNavSeparator, std::string("&nbsp;|&nbsp;"));
    QCOMPARE(options.m_strRevisedFormat, std::string("MMMM dd, yyyy"));
    QCOMPARE(options.m_factLabels[0], std::string("Adoption"));
    QCOMPARE(options.m_factLabels[52], std::string("Census"));
    QCOMPARE(options.m_factLabels[35], std::string("Militär"));
    QVERIFY(options.m_bOmitEmptyLabels);
    QCOMPARE(options.m_strAuthor, std::string("not a label"));
  }

  void ProgramResetPutsBackTheTabTexts() {
    COptions options;
    options.m_strDateAbt = "UM";
    options.m_strShowBetween = "zwischen";
    options.m_strDateDeceased = "verstorben";
    options.m_strTableText = "Tabelle";
    options.m_strDtdPages = kDtdTransitional;
    options.m_bFormatDates = false;
    options.m_nFamilyRefs = 2;
    ResetProgramTexts(options);
    QCOMPARE(options.m_strDateAbt, std::string("ABT"));
    QCOMPARE(options.m_strShowBetween, std::string("between"));
    QCOMPARE(options.m_strDateDeceased, std::string("Deceased"));
    QCOMPARE(options.m_strTableText, std::string("layout"));
    QCOMPARE(options.m_strDtdPages, std::string(kDtdStrict));
    QVERIFY(!options.m_bFormatDates);
    QCOMPARE(options.m_nFamilyRefs, 2);
  }

  void ReferenceTexts() {
    QCOMPARE(FamilyRefsDescription(0, "x"),
             QString("Cross-reference Identifier (default)"));
    QCOMPARE(FamilyRefsDescription(1, ""), QString("User Reference Number (REFN tag)"));
    QCOMPARE(FamilyRefsDescription(2, ""),
             QString("Automated Record ID Number (RIN tag)"));
    QCOMPARE(FamilyRefsDescription(3, "_FAMNO"), QString("Custom Fact Tag: _FAMNO"));
    QCOMPARE(RefItemName(1, ""), std::string("User Reference Number (REFN tag)"));
    QCOMPARE(RefItemName(2, ""), std::string("Record ID Number (RIN tag)"));
    QCOMPARE(RefItemName(3, "_FAMNO"), std::string("Custom \"_FAMNO\" Fact tag"));
  }

  void MainWindowTexts() {
    COptions options;
    QCOMPARE(StartStatusText(options),
             QString("\nClick \"Options\" to change settings."));
    QCOMPARE(AfterOptionsStatusText(options),
             QString("\nClick \"Options\" to specify a GEDCOM file."));
    QCOMPARE(WindowTitle(options), QString("VELLIX 1.8.1"));
    options.m_strGedcomFile = "\\home\\ann\\trees\\Kowalski.ged";
    QCOMPARE(
        StartStatusText(options),
        QString("Click \"Options\" to change settings.\nClick \"Generate\" to create web "
                "pages."));
    QCOMPARE(AfterOptionsStatusText(options),
             QString("\nClick \"Generate\" to create web pages."));
    QCOMPARE(WindowTitle(options), QString("VELLIX 1.8.1 - Kowalski.ged"));
    QCOMPARE(UpdatePageAddress(), QString("https://vellix.org/releases?ver=1.8.1"));
  }

  void MultiLineTextsKeepCrLf() {
    QCOMPARE(WithCrLf("a\nb\r\nc\rd"), std::string("a\r\nb\r\nc\r\nd"));
    QCOMPARE(WithCrLf(""), std::string());
    QCOMPARE(WithCrLf("Zoë"), std::string("Zo\xC3\xAB"));
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::RulesTest)
#include "rules_test.moc"
