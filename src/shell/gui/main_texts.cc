#include "shell/gui/main_texts.h"

#include <QUrl>
#include <QUrlQuery>

#include "platform/app_paths.h"
#include "platform/file_system.h"

#ifndef VELLIX_UPDATE_URL
#define VELLIX_UPDATE_URL "https://vellix.org/releases"
#endif

namespace vellix::gui {

QString StartStatusText(const COptions& options) {
  if (!options.m_strGedcomFile.empty()) {
    return "Click \"Options\" to change settings.\nClick \"Generate\" to create web "
           "pages.";
  }
  return "\nClick \"Options\" to change settings.";
}

QString AfterOptionsStatusText(const COptions& options) {
  if (!options.m_strGedcomFile.empty())
    return "\nClick \"Generate\" to create web pages.";
  return "\nClick \"Options\" to specify a GEDCOM file.";
}

QString WindowTitle(const COptions& options) {
  QString title = QString::fromUtf8(platform::kProductName) + " " +
                  QString::fromUtf8(platform::ProductVersion());
  if (!options.m_strGedcomFile.empty()) {
    title +=
        " - " + QString::fromStdString(platform::FileNameOf(options.m_strGedcomFile));
  }
  return title;
}

QString ModeMenuText(GenerateMode mode) {
  switch (mode) {
    case GenerateMode::kAll:
      return "All Families, Surnames && Index";
    case GenerateMode::kCopyMultimedia:
      return "All Families, Surnames && Index; Copying Multimedia";
    case GenerateMode::kSkipMultimedia:
      return "All Families, Surnames && Index; Skipping Multimedia";
    case GenerateMode::kFamilies:
      return "All Families";
    case GenerateMode::kIndex:
      return "Surnames && Index";
    case GenerateMode::kSample:
      return "5 Families, Surnames && Index";
    case GenerateMode::kBibliography:
      return "Bibliography && Repository";
  }
  return {};
}

QString UpdatePageAddress() {
  QUrl url(VELLIX_UPDATE_URL);
  QUrlQuery query(url);
  query.addQueryItem("ver", QString::fromUtf8(platform::ProductVersion()));
  url.setQuery(query);
  return url.toString();
}

}  // namespace vellix::gui
