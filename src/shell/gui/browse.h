// The "Browse" buttons of path fields: file and folder choosers.
#pragma once

#include <QString>
#include <string>

#include "shell/gui/desktop.h"

namespace vellix::gui {

class PathCombo;

/// The folder part of a path (its text up to the last separator), or "".
QString FolderOf(const QString& path);

/// Opens a file chooser titled `title` with `filter`, starting in the folder
/// of the field's path, or in `fallback_folder` when that gives nothing.
/// The chosen file replaces the field's text; a cancelled choice leaves it.
bool BrowseFile(Desktop& desktop, QWidget* parent, PathCombo* field, const QString& title,
                const QString& filter, const QString& fallback_folder = {});

/// How a folder field holds its folder.
enum class FolderForm {
  kFull,                  // the full path
  kRelativeToDestination  // relative to the destination folder, when one is set
};

/// Opens a folder chooser with `prompt`, starting at the field's folder
/// (taken below `dest_folder`, in stored form, for a relative field). The
/// chosen folder, ending with a separator, replaces the field's text.
bool BrowseFolder(Desktop& desktop, QWidget* parent, PathCombo* field,
                  const QString& prompt, FolderForm form,
                  const std::string& dest_folder = {});

}  // namespace vellix::gui
