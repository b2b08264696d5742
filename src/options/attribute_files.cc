#include "options/attribute_files.h"

#include <utility>

#include "platform/file_system.h"
#include "text/paths.h"
#include "text/printf.h"

namespace vellix::options {
namespace {

using platform::MessageIcon;

constexpr char kOtherDrive[] =
    "%s\n\nThis %s appears to reside on a disk volume different from that of the "
    "destination folder.\n\nThe destination folder is:\n   %s\n\nFor a proper relative "
    "folder path, you should either choose a %s on drive \"%s\" or change the "
    "destination folder on the \"Files\" tab.%s";
constexpr char kNewFolder[] =
    "%s\n\nThis file is not in the current folder for %s files.\nAll %s files must "
    "reside in the same folder.\n\nCurrent folder for %s files:\n   %s\n\nNew folder for "
    "%s files:\n   %s\n\nDo you want to use the new folder for your %s files?";

constexpr char kAllFiles[] = "All Files (*.*)|*.*||";

bool IsFamilyKind(AttributeFileKind kind) {
  return kind == AttributeFileKind::kNarrative ||
         kind == AttributeFileKind::kImportText || kind == AttributeFileKind::kGroupImage;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// A folder in stored form with one trailing backslash.
std::string StoredFolder(std::string folder) {
  text::AddBackslash(&folder, true);
  return folder;
}

// The kind's folder in stored form with a trailing backslash; empty when
// there is nothing to resolve it against.
std::string StoredKindFolder(AttributeFileKind kind, const AttributeFolders& folders,
                             const std::string& dest_folder) {
  const std::string& folder = folders.Folder(kind);
  if (folder.empty())
    return dest_folder.empty() ? std::string() : StoredFolder(dest_folder);
  if (platform::IsAbsolutePath(folder)) return StoredFolder(folder);
  if (dest_folder.empty()) return std::string();
  return text::CombinePath(dest_folder, folder);
}

}  // namespace

AttributeFolders AttributeFolders::Of(const COptions& options) {
  return {options.m_strBioFolder, options.m_strIndivImageFolder, options.m_strNarrFolder,
          options.m_strImportFolder, options.m_strGroupImageFolder};
}

void AttributeFolders::ApplyTo(COptions& options) const {
  options.m_strBioFolder = biography;
  options.m_strIndivImageFolder = individual_image;
  options.m_strNarrFolder = narrative;
  options.m_strImportFolder = import_text;
  options.m_strGroupImageFolder = group_image;
}

std::string& AttributeFolders::Folder(AttributeFileKind kind) {
  return const_cast<std::string&>(std::as_const(*this).Folder(kind));
}

const std::string& AttributeFolders::Folder(AttributeFileKind kind) const {
  switch (kind) {
    case AttributeFileKind::kBiography:
      return biography;
    case AttributeFileKind::kIndividualImage:
      return individual_image;
    case AttributeFileKind::kNarrative:
      return narrative;
    case AttributeFileKind::kImportText:
      return import_text;
    case AttributeFileKind::kGroupImage:
      break;
  }
  return group_image;
}

const char* KindWord(AttributeFileKind kind) {
  switch (kind) {
    case AttributeFileKind::kBiography:
      return "biography";
    case AttributeFileKind::kIndividualImage:
      return "individual image";
    case AttributeFileKind::kNarrative:
      return "narrative";
    case AttributeFileKind::kImportText:
      return "imported text";
    case AttributeFileKind::kGroupImage:
      break;
  }
  return "group image";
}

std::string FileDialogTitle(AttributeFileKind kind, const std::string& entry_name) {
  const char* caption = "Image file";
  if (kind == AttributeFileKind::kBiography) caption = "Biography web page";
  if (kind == AttributeFileKind::kNarrative) caption = "Narrative web page";
  if (kind == AttributeFileKind::kImportText) caption = "Import text file";
  return text::Printf("%s for %s %s", caption,
                      IsFamilyKind(kind) ? "family" : "individual", entry_name.c_str());
}

std::string FileDialogFilter(AttributeFileKind kind) {
  switch (kind) {
    case AttributeFileKind::kBiography:
    case AttributeFileKind::kNarrative:
      return std::string("HTML Files (*.htm; *.html)|*.htm;*.html|") + kAllFiles;
    case AttributeFileKind::kImportText:
      return std::string("Import Files (*.txt; *.htm; *.html)|*.txt;*.htm;*.html|") +
             kAllFiles;
    case AttributeFileKind::kIndividualImage:
    case AttributeFileKind::kGroupImage:
      break;
  }
  return std::string("Image Files (*.gif; *.jpg; *.jpeg)|*.gif;*.jpg;*.jpeg|") +
         kAllFiles;
}

std::string KindFolderPath(AttributeFileKind kind, const AttributeFolders& folders,
                           const std::string& dest_folder) {
  return platform::NativePath(StoredKindFolder(kind, folders, dest_folder));
}

FileChoice ChooseAttributeFile(AttributeFileKind kind, const std::string& chosen,
                               const std::string& dest_folder, AttributeFolders& folders,
                               platform::Prompter& prompter) {
  const std::string stored = platform::StoredPath(chosen);
  const std::string kind_folder = StoredKindFolder(kind, folders, dest_folder);
  const std::string new_folder = stored.substr(0, stored.rfind('\\') + 1);

  FileChoice choice;
  if (!kind_folder.empty() && StartsWith(new_folder, kind_folder)) {
    choice.value = stored.substr(kind_folder.size());
    choice.outcome = FileChoiceOutcome::kInFolder;
    return choice;
  }
  choice.value = platform::FileNameOf(stored);

  const std::string dest_native = platform::NativePath(dest_folder);
  if (kind != AttributeFileKind::kImportText && !dest_folder.empty() &&
      platform::OnSameFileSystem(platform::NativePath(new_folder), dest_native) ==
          std::optional<bool>(false)) {
    prompter.Show(MessageIcon::kExclamation,
                  text::Printf(kOtherDrive, chosen.c_str(), "file", dest_native.c_str(),
                               "file", platform::MountPointOf(dest_native).c_str(), ""));
    choice.outcome = FileChoiceOutcome::kOtherFileSystem;
    return choice;
  }

  const char* word = KindWord(kind);
  const std::string current = platform::NativePath(kind_folder);
  const std::string proposed = platform::NativePath(new_folder);
  if (!prompter.Ask(MessageIcon::kQuestion,
                    text::Printf(kNewFolder, chosen.c_str(), word, word, word,
                                 current.c_str(), word, proposed.c_str(), word),
                    false)) {
    choice.outcome = FileChoiceOutcome::kFolderKept;
    return choice;
  }
  // Pages and images are linked relative to the site; imported text is read
  // from wherever it lies.
  folders.Folder(kind) = kind == AttributeFileKind::kImportText || dest_folder.empty()
                             ? new_folder
                             : text::RelativePath(dest_folder, new_folder);
  choice.outcome = FileChoiceOutcome::kFolderChanged;
  return choice;
}

}  // namespace vellix::options
