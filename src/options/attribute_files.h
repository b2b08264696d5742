// The files that custom attributes name (biography and narrative pages,
// imported text, images) and the rule that keeps each kind in one folder.
#pragma once

#include <string>

#include "options/options.h"
#include "platform/prompter.h"

namespace vellix::options {

/// Whose attributes: the individuals' list or the families' list.
enum class AttributeOwner { kIndividuals, kFamilies };

/// The kinds of file an entry's attributes can name. Individuals have a
/// biography page and an image; families a narrative page, an imported text
/// file and a group image.
enum class AttributeFileKind {
  kBiography,
  kIndividualImage,
  kNarrative,
  kImportText,
  kGroupImage,
};

/// The kind's folder settings as the option set stores them (backslashes):
/// relative to the destination folder for pages and images, a full path for
/// imported text. Empty means the destination folder.
struct AttributeFolders {
  std::string biography;         // m_strBioFolder
  std::string individual_image;  // m_strIndivImageFolder
  std::string narrative;         // m_strNarrFolder
  std::string import_text;       // m_strImportFolder
  std::string group_image;       // m_strGroupImageFolder

  static AttributeFolders Of(const COptions& options);
  void ApplyTo(COptions& options) const;
  std::string& Folder(AttributeFileKind kind);
  const std::string& Folder(AttributeFileKind kind) const;
};

/// The word naming the kind in the folder question: "biography",
/// "individual image", "narrative", "imported text", "group image".
const char* KindWord(AttributeFileKind kind);

/// The file dialog's title for choosing a file of `kind` for an entry:
/// "Biography web page for individual John Smith" and so on.
std::string FileDialogTitle(AttributeFileKind kind, const std::string& entry_name);

/// The file dialog's filter for `kind` (HTML, image or import files, then
/// all files), in the "Caption|patterns|...||" form.
std::string FileDialogFilter(AttributeFileKind kind);

/// The folder files of `kind` are taken from, as a native path with a
/// trailing slash: the kind's folder resolved against the destination
/// folder (`dest_folder`, stored form), or the destination folder itself
/// when the kind has none. Empty when neither is set.
std::string KindFolderPath(AttributeFileKind kind, const AttributeFolders& folders,
                           const std::string& dest_folder);

/// What choosing a file did besides giving the value to store.
enum class FileChoiceOutcome {
  kInFolder,        // the file lies in (or below) the kind's folder
  kFolderChanged,   // the user made the file's folder the kind's folder
  kFolderKept,      // the user kept the kind's folder (the file must move)
  kOtherFileSystem  // the file lies on another file system than the
                    // destination: warned, the kind's folder kept
};

/// The value an entry stores for a chosen file, and what happened.
struct FileChoice {
  std::string value;  // relative to the kind's folder, backslashes
  FileChoiceOutcome outcome = FileChoiceOutcome::kInFolder;
};

/// Applies the folder rules to the file `chosen` (a native absolute path)
/// picked for `kind`: the stored value is the path below the kind's folder
/// when the file lies there, else its name alone. All files of one kind must
/// lie in one folder: when the file's folder is not the kind's folder or
/// below it, a page or image on another file system than the destination
/// folder gets the drive warning and changes nothing; otherwise the user is
/// asked whether the file's folder becomes the kind's folder (stored
/// relative to the destination folder, or as a full path for imported
/// text), and `folders` changes on Yes. Paths compare letter case
/// significant, as the file system does.
FileChoice ChooseAttributeFile(AttributeFileKind kind, const std::string& chosen,
                               const std::string& dest_folder, AttributeFolders& folders,
                               platform::Prompter& prompter);

}  // namespace vellix::options
