// vellix-gui: starts the desktop program.
#include <QApplication>
#include <QIcon>
#include <string>

#include "options/current_option_set.h"
#include "platform/app_paths.h"
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
  vellix::platform::SettingsStore settings =
      vellix::platform::SettingsStore::OpenUserSettings();
  vellix::platform::HistoryLists history(settings);
  const std::string app_folder = vellix::platform::ApplicationFolder();
  vellix::CurrentOptionSet option_set(prompter, settings, app_folder);
  vellix::gui::AppServices services{desktop, settings, history, option_set, app_folder};

  vellix::gui::MainWindow window(services);
  prompter.set_parent(&window);
  window.show();
  return QApplication::exec();
}
