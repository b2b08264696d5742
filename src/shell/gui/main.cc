// vellix-gui: starts the desktop program.
#include <QApplication>
#include <QIcon>

#include "options/options.h"
#include "platform/history_lists.h"
#include "platform/settings_store.h"
#include "shell/gui/desktop.h"
#include "shell/gui/main_window.h"
#include "shell/gui/window_prompter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VELLIX");
  QApplication::setDesktopFileName("vellix");
  QApplication::setWindowIcon(QIcon(":/vellix.svg"));

  vellix::gui::QtDesktop desktop;
  vellix::gui::WindowPrompter prompter(desktop);
  vellix::platform::ScopedPrompter use_prompter(&prompter);
  vellix::platform::SettingsStore& settings =
      vellix::platform::SettingsStore::Application();
  vellix::platform::HistoryLists history(settings);
  vellix::gui::AppServices services{desktop, settings, history};

  int status = 0;
  {
    vellix::gui::MainWindow window(services);
    prompter.set_parent(&window);
    window.show();
    status = QApplication::exec();
    prompter.set_parent(nullptr);
  }
  vellix::DestroyCurrentOptions();
  return status;
}
