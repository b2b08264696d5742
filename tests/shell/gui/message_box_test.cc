// Questions and messages reach the user as real message boxes, and the
// answer given there comes back to the engine.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <atomic>
#include <thread>

#include "platform/prompter.h"
#include "shell/gui/desktop.h"
#include "shell/gui/window_prompter.h"
#include "support/gui_test_main.h"
#include "support/modal.h"

namespace vellix::gui {
namespace {

using testing::WhenModalOpens;

// What a message box showed.
struct Seen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  Qt::TextFormat format = Qt::AutoText;
};

// Records the next message box and presses `press` on it.
void Press(QMessageBox::StandardButton press, Seen* seen) {
  WhenModalOpens([press, seen](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
      modal->close();
      return;
    }
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    seen->format = box->textFormat();
    if (QAbstractButton* fallback = box->defaultButton()) {
      seen->default_button = box->standardButton(fallback);
    }
    box->button(press)->click();
  });
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void AQuestionFromTheEngineIsAnsweredInAMessageBox_data() {
    QTest::addColumn<int>("press");
    QTest::addColumn<bool>("default_yes");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << false << true;
    QTest::newRow("No") << int(QMessageBox::No) << true << false;
  }
  void AQuestionFromTheEngineIsAnsweredInAMessageBox() {
    QFETCH(int, press);
    QFETCH(bool, default_yes);
    QFETCH(bool, answer);
    QtDesktop desktop;
    WindowPrompter prompter(desktop);
    Seen seen;
    Press(static_cast<QMessageBox::StandardButton>(press), &seen);
    const std::string question =
        "/data/Options.dat\n\nDo you want to save your current option settings?";
    QCOMPARE(prompter.Ask(platform::MessageIcon::kQuestion, question, default_yes),
             answer);
    QCOMPARE(seen.title, QString("VELLIX"));
    QCOMPARE(seen.text, QString::fromStdString(question));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.default_button, default_yes ? QMessageBox::Yes : QMessageBox::No);
  }

  void AQuestionFromAWorkerThreadWaitsForTheAnswerOnTheWindowsThread() {
    QtDesktop desktop;
    WindowPrompter prompter(desktop);
    Seen seen;
    Press(QMessageBox::No, &seen);
    std::atomic<int> answer{-1};
    // The run's thread asks; the box opens on this (the window's) thread,
    // whose event loop QTRY keeps running, and the run waits for it.
    std::thread run([&] {
      answer = prompter.Ask(platform::MessageIcon::kQuestion,
                            "There is very little disk space left.", true)
                   ? 1
                   : 0;
    });
    QTRY_VERIFY_WITH_TIMEOUT(answer != -1, 5000);
    run.join();
    QCOMPARE(answer.load(), 0);
    QCOMPARE(seen.text, QString("There is very little disk space left."));
    QCOMPARE(seen.default_button, QMessageBox::Yes);
  }

  void MessagesShowTheirIconAndPlainText_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("expected");
    QTest::newRow("stop") << int(BoxIcon::kStop) << int(QMessageBox::Critical);
    QTest::newRow("exclamation")
        << int(BoxIcon::kExclamation) << int(QMessageBox::Warning);
    QTest::newRow("information")
        << int(BoxIcon::kInformation) << int(QMessageBox::Information);
    QTest::newRow("none") << int(BoxIcon::kNone) << int(QMessageBox::NoIcon);
  }
  void MessagesShowTheirIconAndPlainText() {
    QFETCH(int, icon);
    QFETCH(int, expected);
    QtDesktop desktop;
    Seen seen;
    Press(QMessageBox::Ok, &seen);
    // Markup in a message (a file name, a label) shows as written.
    desktop.Show(nullptr, static_cast<BoxIcon>(icon), "<b>tree.ged</b>\n\nnot bold");
    QCOMPARE(seen.text, QString("<b>tree.ged</b>\n\nnot bold"));
    QCOMPARE(int(seen.icon), expected);
    QCOMPARE(seen.format, Qt::PlainText);
  }

  void EngineIconsBecomeBoxIcons() {
    QCOMPARE(BoxIconOf(platform::MessageIcon::kStop), BoxIcon::kStop);
    QCOMPARE(BoxIconOf(platform::MessageIcon::kQuestion), BoxIcon::kQuestion);
    QCOMPARE(BoxIconOf(platform::MessageIcon::kInformation), BoxIcon::kInformation);
    QCOMPARE(BoxIconOf(platform::MessageIcon::kExclamation), BoxIcon::kExclamation);
    QCOMPARE(BoxIconOf(platform::MessageIcon::kNone), BoxIcon::kNone);
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::MessageBoxTest)
#include "message_box_test.moc"
