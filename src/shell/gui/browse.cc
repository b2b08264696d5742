#include "shell/gui/browse.h"

#include "platform/file_system.h"
#include "shell/gui/path_combo.h"
#include "text/paths.h"

namespace vellix::gui {

QString FolderOf(const QString& path) {
  const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
  return slash < 0 ? QString() : path.left(slash);
}

bool BrowseFile(Desktop& desktop, QWidget* parent, PathCombo* field, const QString& title,
                const QString& filter, const QString& fallback_folder) {
  FileRequest request;
  request.title = title;
  request.filter = filter;
  request.start = FolderOf(field->NativeText().trimmed());
  if (request.start.isEmpty()) request.start = fallback_folder;
  const std::optional<QString> chosen = desktop.OpenFile(parent, request);
  if (!chosen) return false;
  field->setEditText(*chosen);
  return true;
}

bool BrowseFolder(Desktop& desktop, QWidget* parent, PathCombo* field,
                  const QString& prompt, FolderForm form,
                  const std::string& dest_folder) {
  const bool relative =
      form == FolderForm::kRelativeToDestination && !dest_folder.empty();
  std::string start = field->StoredText();
  if (relative) start = text::CombinePath(dest_folder, start);
  const std::optional<QString> chosen =
      desktop.Folder(parent, prompt, QString::fromStdString(platform::NativePath(start)));
  if (!chosen) return false;
  std::string stored =
      platform::StoredPath(platform::WithTrailingSlash(chosen->toStdString()));
  if (relative) stored = text::RelativePath(dest_folder, stored);
  field->SetStoredText(stored);
  return true;
}

}  // namespace vellix::gui
