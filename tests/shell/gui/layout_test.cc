// Every tab and sub-tab of the options dialog, rendered offscreen, must show
// every control whole inside the dialog on a 1366 x 768 screen.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "platform/history_lists.h"
#include "shell/gui/sheet.h"
#include "support/fake_desktop.h"
#include "support/gui_test_main.h"

namespace vellix::gui {
namespace {

// The screen, less a window title bar and a desktop panel.
constexpr int kScreenWidth = 1366;
constexpr int kUsableHeight = 768 - 68;

bool IsControl(QWidget* widget) {
  return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
         qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
         qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QLabel*>(widget) ||
         qobject_cast<QTabBar*>(widget);
}

// The path of tab captions that leads to `widget`, for failure messages.
QString WhereIs(QWidget* widget, QWidget* top) {
  QStringList path;
  for (QWidget* w = widget; w != nullptr && w != top; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(
            w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr)) {
      const int index = tabs->indexOf(w);
      if (index >= 0) path.prepend(tabs->tabText(index));
    }
  }
  QString name = widget->metaObject()->className();
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    name += " \"" + button->text() + "\"";
  if (auto* label = qobject_cast<QLabel*>(widget)) name += " \"" + label->text() + "\"";
  return path.join(" > ") + ": " + name;
}

// Makes `tabs` show page `index`, with every tab widget above it showing the
// page that holds it.
void Reveal(QTabWidget* tabs, int index) {
  tabs->setCurrentIndex(index);
  QWidget* child = tabs;
  for (QWidget* w = tabs->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (auto* outer = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < outer->count(); ++i) {
        if (outer->widget(i)->isAncestorOf(child)) outer->setCurrentIndex(i);
      }
    }
    child = w;
  }
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void EveryControlLiesInsideTheDialog() {
    testing::FakeDesktop desktop;
    QTemporaryDir dir;
    platform::SettingsStore settings(dir.filePath("settings.ini").toStdString());
    platform::HistoryLists history(settings);
    // Long remembered paths must not widen the dialog.
    const std::string long_path = "/home/ann/" + std::string(180, 'x') + "/tree.ged";
    for (platform::HistoryList list : platform::AllHistoryLists()) {
      history.Remember(list, long_path);
    }
    COptions options;
    options.m_strDestFolder = "\\home\\ann\\site\\";
    SheetContext context{options, desktop,       settings, history,
                         nullptr, std::string(), nullptr};
    CSheet sheet(context);
    const QSize hint = sheet.sizeHint();
    QVERIFY2(
        hint.width() <= kScreenWidth && hint.height() <= kUsableHeight,
        qPrintable(QString("dialog wants %1 x %2").arg(hint.width()).arg(hint.height())));
    sheet.resize(hint);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));

    const QString shots = qEnvironmentVariable("VELLIX_SCREENSHOTS");
    QStringList faults;
    int views = 0;
    for (int page = 0; page < sheet.page_count(); ++page) {
      sheet.tabs()->setCurrentIndex(page);
      QCOMPARE(sheet.tabs()->currentIndex(), page);
      QList<QTabWidget*> inner = sheet.page(page)->findChildren<QTabWidget*>();
      if (inner.isEmpty()) inner.append(nullptr);
      for (QTabWidget* tabs : inner) {
        const int count = tabs ? tabs->count() : 1;
        for (int index = 0; index < count; ++index) {
          if (tabs) Reveal(tabs, index);
          QCoreApplication::processEvents();
          ++views;
          // Rendering lays every visible widget out.
          const QPixmap shot = sheet.grab();
          if (!shots.isEmpty()) {
            shot.save(QDir(shots).filePath(QString("options-%1.png").arg(views)));
          }
          for (QWidget* widget : sheet.findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(&sheet) || !IsControl(widget)) continue;
            // The edit fields inside spin boxes and drop-downs are sized by them.
            if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
                qobject_cast<QComboBox*>(widget->parentWidget())) {
              continue;
            }
            const QRect rect(widget->mapTo(&sheet, QPoint(0, 0)), widget->size());
            QRect visible = sheet.rect();
            for (QWidget* w = widget->parentWidget(); w != &sheet;
                 w = w->parentWidget()) {
              visible &= QRect(w->mapTo(&sheet, QPoint(0, 0)), w->size());
            }
            const QSize wanted = widget->minimumSizeHint();
            if (!visible.contains(rect)) {
              faults << WhereIs(widget, &sheet) + " lies outside the visible area";
            } else if (wanted.isValid() && (widget->width() < wanted.width() ||
                                            widget->height() < wanted.height())) {
              faults << WhereIs(widget, &sheet) +
                            QString(" is squeezed to %1 x %2 (needs %3 x %4)")
                                .arg(widget->width())
                                .arg(widget->height())
                                .arg(wanted.width())
                                .arg(wanted.height());
            }
          }
        }
      }
    }
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY(views > 40);
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::LayoutTest)
#include "layout_test.moc"
