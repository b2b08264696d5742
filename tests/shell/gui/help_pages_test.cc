// The help pages: one for every topic the program opens, valid HTML, and
// every link among them leads somewhere.
#include <QtTest>

#include "shell/gui/help.h"
#include "support/gui_test_main.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"

namespace vellix::gui {

class HelpPagesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void EveryTopicHasAValidPage_data() {
    QTest::addColumn<QString>("topic");
    for (std::string_view name :
         {topic::kMain, topic::kFiles, topic::kAttributes, topic::kHeaders,
          topic::kCustom, topic::kFeatures, topic::kFacts, topic::kLabels,
          topic::kProgram, topic::kExtras, topic::kConfigure, topic::kGedcomInfo,
          topic::kMaintain}) {
      const QString text = QString::fromUtf8(name.data(), qsizetype(name.size()));
      QTest::newRow(qPrintable(text)) << text;
    }
  }
  void EveryTopicHasAValidPage() {
    QFETCH(QString, topic);
    const std::string path = HelpPagePath(topic.toStdString(), std::string());
    QVERIFY2(!path.empty(), "no page");
    const std::vector<std::string> errors = vellix::testing::ValidateHtmlFile(path);
    QStringList lines;
    for (const std::string& error : errors) lines << QString::fromStdString(error);
    QVERIFY2(errors.empty(), qPrintable(lines.join('\n')));
  }

  void LinksBetweenThePagesResolve() {
    const std::string folder =
        QFileInfo(QString::fromStdString(HelpPagePath(topic::kMain, std::string())))
            .absolutePath()
            .toStdString();
    const vellix::testing::SiteReport report = vellix::testing::CheckSiteLinks(folder);
    QCOMPARE(report.pages, 13);
    QVERIFY(report.links > 100);
    QStringList broken;
    for (const std::string& link : report.broken) broken << QString::fromStdString(link);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
    QVERIFY(report.invalid_utf8.empty());
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::HelpPagesTest)
#include "help_pages_test.moc"
