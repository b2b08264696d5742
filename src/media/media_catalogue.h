// The media kinds of multimedia.ini: how the slide page embeds a file that
// is not a picture (MIME type and HTML template) and which icon stands for
// it in a gallery.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "media/media_code.h"

namespace vellix::media {

/// One section of multimedia.ini.
struct MediaKind {
  std::string name;    // section name, lower-cased ("mp3", "default")
  std::string icon;    // "Icon": file name of the gallery icon
  std::string object;  // "Object": file name of the embedding template
  std::string mime;    // "MIME"
};

/// The icon a gallery shows for a file: its file name, and whether the
/// program carries the picture itself (else it must already be in the
/// site's thumb folder).
struct IconChoice {
  std::string name;
  bool builtin = false;
};

/// What a slide page needs to embed a file of some kind.
struct KindInfo {
  std::string mime;
  std::string icon;
  std::string template_text;  // with "\r\n" line ends
};

/// The template used when a kind names none, or its file cannot be read.
inline constexpr std::string_view kBuiltinTemplate =
    "<object data=\"%FILE%\" type=\"%MIME%\">\r\n"
    "<a href=\"%FILE%\" onclick=\"%ONCLICK%\" type=\"%MIME%\" "
    "title=\"%PROMPT%\">%IMAGE%</a>\r\n</object>";

/// The longest template text read from a file, in bytes.
inline constexpr size_t kMaxTemplateBytes = 10240;

/// The media kinds, their templates and the built-in icon pictures. Load it
/// once and keep it: lookups are cheap and the object is not changed by
/// them (the icon pictures are drawn on first use, under a lock).
class MediaCatalogue {
 public:
  /// Reads a template file by name (as the Object key gives it): its first
  /// kMaxTemplateBytes bytes or more, or nothing when it cannot be read.
  using TemplateReader = std::function<std::optional<std::string>(std::string_view)>;

  /// Loads multimedia.ini and its templates from the program's resources
  /// (platform::FindResource: the user's own copy in `app_folder` first). A
  /// missing file leaves the catalogue empty, which is not an error.
  void Load(const std::string& app_folder);

  /// Loads the kinds from `ini` (the text of multimedia.ini) and reads each
  /// named template once through `reader`.
  void LoadFromText(std::string_view ini, const TemplateReader& reader);

  bool loaded() const { return loaded_; }

  /// The kind of `name` (section names compare without regard to case), or
  /// nullptr.
  const MediaKind* Find(std::string_view name) const;

  /// The icon for files with `extension`: the kind's, else the "default"
  /// kind's, else "icon-media.jpg"; blanks around the name removed.
  IconChoice IconFor(std::string_view extension) const;

  /// MIME type, icon and template for files with `extension`: from the kind,
  /// else from the "default" kind, else no MIME type, "icon-media.jpg" and
  /// the built-in template.
  KindInfo KindFor(std::string_view extension) const;

  /// The file kind code of `extension`.
  MediaCode CodeFor(std::string_view extension) const {
    return CodeForExtension(extension);
  }

  /// The JPEG bytes of built-in icon `name`; empty when it is not built in.
  const std::string& BuiltinIcon(std::string_view name) const;

 private:
  std::map<std::string, MediaKind> kinds_;
  std::map<std::string, std::string> templates_;  // by lower-cased file name
  bool loaded_ = false;
  mutable std::mutex icons_mutex_;
  mutable std::map<std::string, std::string> icons_;
};

/// `text` cut to kMaxTemplateBytes (never inside a UTF-8 character) and,
/// when it holds no "\r\n", with every "\n" turned into "\r\n".
std::string NormalizeTemplate(std::string_view text);

}  // namespace vellix::media
