// Where the file a GEDCOM FILE value names is found on this computer. FILE
// values are written in the convention of the program that exported the
// tree: "\" and "/" both separate folders, and trees moved from Windows
// still name "C:\Photos\a.jpg".
#pragma once

#include <string>
#include <string_view>

namespace vellix::media {

/// The folders a FILE value is looked up in (native, absolute, normalised).
struct MediaSearchFolders {
  std::string source_folder;  // the media source folder option; "" when unset
  std::string gedcom_folder;  // the GEDCOM file's folder
};

/// The search folders for the media source folder option (stored form,
/// relative to the GEDCOM file's folder when relative; a Windows path with a
/// drive letter cannot name a folder here and is left out) and the GEDCOM
/// file's path.
MediaSearchFolders SearchFoldersFor(std::string_view source_option,
                                    std::string_view gedcom_path);

/// `path` (native, absolute) with "." parts and doubled slashes removed and
/// each ".." taking away the part before it (never above the root).
std::string NormalizePath(std::string_view path);

/// The native path of the file `file_value` names, or "" when none is
/// found (or the value holds control characters):
/// - a relative value is looked up below the source folder, then below the
///   GEDCOM folder;
/// - a Linux absolute value is taken as it stands when that file exists;
/// - otherwise (a Windows path, a missing absolute path, a relative path
///   found nowhere) the value is looked up by its tail below the source
///   folder, then below the GEDCOM folder: the longest run of its last parts
///   that names a file there, down to the file name alone.
std::string ResolveMediaFile(std::string_view file_value,
                             const MediaSearchFolders& folders);

/// The folder of `path` relative to `base` ("sub/dir"), when `path` lies
/// below `base`; "" otherwise or when `base` is empty. Both normalised.
std::string RelativeFolderBelow(std::string_view base, std::string_view path);

}  // namespace vellix::media
