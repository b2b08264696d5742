#include "shell/gui/help.h"

#include <QUrl>

#include "platform/app_paths.h"
#include "platform/file_system.h"

namespace vellix::gui {
namespace {

constexpr char kHelpMissing[] =
    "%1\n\nThis file either does not exist, or it is not accessible.";
constexpr char kCannotOpen[] =
    "%1\n\nThis file either does not exist, it is not accessible, or there is no "
    "Internet browser associated with files of this type.";

}  // namespace

std::string HelpPageName(std::string_view topic) {
  return "hlp" + std::string(topic) + ".html";
}

std::string HelpPagePath(std::string_view topic, const std::string& app_folder) {
  return platform::FindResource("help/" + HelpPageName(topic), app_folder);
}

void ShowHelp(Desktop& desktop, QWidget* parent, std::string_view topic,
              const std::string& app_folder) {
  const std::string path = HelpPagePath(topic, app_folder);
  if (path.empty() ||
      !desktop.OpenUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) {
    const std::string shown = path.empty() ? HelpPageName(topic) : path;
    desktop.Show(parent, BoxIcon::kStop,
                 QString(kHelpMissing).arg(QString::fromStdString(shown)));
  }
}

bool OpenDocument(Desktop& desktop, QWidget* parent, const std::string& path) {
  if (platform::FileExists(path) &&
      desktop.OpenUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) {
    return true;
  }
  desktop.Show(parent, BoxIcon::kStop,
               QString(kCannotOpen).arg(QString::fromStdString(path)));
  return false;
}

}  // namespace vellix::gui
