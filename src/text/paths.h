// Page file names, link addresses and folder arithmetic on stored paths.
// Stored paths use backslashes (as option sets keep them, "C:\site" or
// "\home\me\site"); link addresses use "/". Only EnsureFolder touches the
// disk, through the platform layer's native form.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vellix::text {

/// A path as a link address: backslashes become "/", spaces "%20" (or
/// "%%20" when the text still passes through a printf-style format).
std::string UrlForm(std::string_view path, bool for_format);

/// A link to a local file: a path with a drive colon becomes "file://" and
/// the path with "/" for backslashes; any other path its UrlForm.
std::string LocalFileUrl(std::string_view path);

/// A record identifier made safe as part of a file name: ASCII letters
/// lower-cased; "-", ".", space, ",", "/", ":" and backslash removed, and so
/// are control bytes and the characters that would break a link or a file
/// name ("<", ">", double quote, apostrophe, "|", "?", "*", "#", "%", "&").
/// The result never names a folder or leaves the folder it is put in.
std::string FileSafeId(std::string_view id);

/// The longest page name stem PageStem gives, in bytes. File systems refuse
/// names of more than 255 bytes; this leaves room for the option set's
/// prefix, a page letter and the extension.
inline constexpr size_t kMaxPageStem = 96;

/// The part of a page file name made from the identifier `id`: FileSafeId,
/// "_" when nothing file-safe is left, and for a longer result than
/// kMaxPageStem its start (cut between characters) followed by "_" and 16
/// hexadecimal digits of a hash of the whole, so that every identifier,
/// however long, still names a page of its own, and always the same one.
std::string PageStem(std::string_view id);

/// The settings a page file name is made from.
struct PageNameSettings {
  std::string dest_folder;  // m_strDestFolder (stored form)
  std::string file_prefix;  // m_strFilePrefix, "File Prefix"
  std::string file_ext;     // m_strFileExt, "File Extension"
};

/// Page kind letters of a family page's files.
enum class PageLetter { kNone = 0, kGroupSheet = 1, kFootnotes = 2 };

/// "." + ext unless `ext` is empty or already starts with ".".
std::string PageExtension(std::string_view ext);

/// The file name of the page of `id`: [destination folder + "\"] + prefix +
/// infix + PageStem(id) + letter + extension.
/// Example: prefix "grp", id "F-12", kGroupSheet, "html" give "grpf12g.html".
std::string PageFileName(const PageNameSettings& settings, std::string_view id,
                         PageLetter letter, bool with_folder,
                         std::string_view infix = {});

/// With `wanted`, a non-empty path that does not end with a backslash gets
/// one; without, one trailing backslash is removed.
void AddBackslash(std::string* path, bool wanted);

/// Creates the folder named by the stored path (and any missing parents).
/// False when it does not exist afterwards.
bool EnsureFolder(std::string_view path);

/// `relative` resolved against the folder `base`, ending with a backslash:
/// leading ".." components climb from base (never above its root); an
/// absolute `relative` (drive colon or leading separator) stands alone.
/// Example: "C:\site" and "..\img" give "C:\img\".
std::string CombinePath(std::string_view base, std::string_view relative);

/// The way from folder `from` to folder `to`, ending with a backslash:
/// "..\" for each component of `from` below the common part, then the rest of
/// `to`. When the two lie on different drives, `to` itself. Example: from
/// "C:\site\media" to "C:\site" gives "..\".
std::string RelativePath(std::string_view from, std::string_view to);

}  // namespace vellix::text
