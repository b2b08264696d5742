// Every tab and sub-tab of the options dialog, rendered offscreen, must show
// every control whole inside the dialog on a 1366 x 768 screen.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "platform/history_lists.h"
#include "shell/gui/configure_dialog.h"
#include "shell/gui/gedcom_info_dialog.h"
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

// Adds to `faults` every visible control of `top` that lies outside the
// visible area or is squeezed below its minimum size.
void CheckControls(QWidget* top, QStringList* faults) {
  for (QWidget* widget : top->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(top) || !IsControl(widget)) continue;
    // The edit fields inside spin boxes and drop-downs are sized by them.
    if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
        qobject_cast<QComboBox*>(widget->parentWidget())) {
      continue;
    }
    const QRect rect(widget->mapTo(top, QPoint(0, 0)), widget->size());
    QRect visible = top->rect();
    for (QWidget* w = widget->parentWidget(); w != top; w = w->parentWidget()) {
      visible &= QRect(w->mapTo(top, QPoint(0, 0)), w->size());
    }
    const QSize wanted = widget->minimumSizeHint();
    if (!visible.contains(rect)) {
      *faults << WhereIs(widget, top) + " lies outside the visible area";
    } else if (wanted.isValid() &&
               (widget->width() < wanted.width() || widget->height() < wanted.height())) {
      *faults << WhereIs(widget, top) + QString(" is squeezed to %1 x %2 (needs %3 x %4)")
                                            .arg(widget->width())
                                            .arg(widget->height())
                                            .arg(wanted.width())
                                            .arg(wanted.height());
    }
  }
}

// Shows `dialog` at the size it asks for, which must fit the screen, and
// checks its controls; saves a picture when VELLIX_SCREENSHOTS names a folder.
QStringList CheckDialog(QDialog* dialog, const QString& name) {
  const QSize hint = dialog->sizeHint();
  if (hint.width() > kScreenWidth || hint.height() > kUsableHeight) {
    return {name + QString(" wants %1 x %2").arg(hint.width()).arg(hint.height())};
  }
  dialog->resize(hint);
  dialog->show();
  if (!QTest::qWaitForWindowExposed(dialog)) return {name + " was not shown"};
  const QPixmap shot = dialog->grab();
  const QString shots = qEnvironmentVariable("VELLIX_SCREENSHOTS");
  if (!shots.isEmpty()) shot.save(QDir(shots).filePath(name + ".png"));
  QStringList faults;
  CheckControls(dialog, &faults);
  dialog->hide();
  return faults;
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
    QCOMPARE(sheet.page_count(), int(CSheet::kExtras) + 1);
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
          CheckControls(&sheet, &faults);
        }
      }
    }
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY(views > 40);
  }

  void TheConfigureAndInformationWindowsFitToo() {
    testing::FakeDesktop desktop;
    QTemporaryDir dir;
    platform::SettingsStore settings(dir.filePath("settings.ini").toStdString());
    platform::HistoryLists history(settings);
    COptions options;
    SheetContext context{options, desktop,       settings, history,
                         nullptr, std::string(), nullptr};
    const std::string long_name = "Wolff-Kowalska-" + std::string(120, 'x') + ", Jan";
    std::vector<options::ConfigureEntry> people;
    for (int i = 1; i <= 400; ++i) {
      people.push_back({"I" + std::to_string(i), long_name, long_name, "Janek"});
    }
    CAttributes* entry = options.m_indivAttributes.Add("I7");
    entry->m_strReference = "I7";
    entry->m_strLink = std::string(200, 'b') + ".htm";
    QStringList faults;
    for (options::AttributeOwner owner :
         {options::AttributeOwner::kIndividuals, options::AttributeOwner::kFamilies}) {
      options::AttributesConfigure session(owner, options, people, {0, 0, true},
                                           "/home/ann/" + std::string(150, 't') + ".ged");
      ConfigureDialog dialog(context, session);
      faults << CheckDialog(&dialog, owner == options::AttributeOwner::kFamilies
                                         ? "configure-families"
                                         : "configure-individuals");
    }
    GedcomFileInfo info;
    info.header.sourceName = std::string(150, 'p');
    info.header.fileName = std::string(150, 'f');
    info.census.custom_tag = "_FAMNO";
    GedcomInfoDialog information(context, info);
    faults << CheckDialog(&information, "gedcom-information");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }
};

}  // namespace vellix::gui

VX_GUI_TEST_MAIN(vellix::gui::LayoutTest)
#include "layout_test.moc"
