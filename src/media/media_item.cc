#include "media/media_item.h"

namespace vellix::media {

MediaItem MakeMediaItem(std::string_view file_value) {
  MediaItem item;
  item.source_path = std::string(file_value);
  for (char& c : item.source_path) {
    if (c == '/') c = '\\';
  }
  const size_t slash = item.source_path.rfind('\\');
  if (slash == std::string::npos) {
    item.file_name = item.source_path;
  } else {
    item.folder = item.source_path.substr(0, slash);
    item.file_name = item.source_path.substr(slash + 1);
  }
  item.extension = std::string(ExtensionOf(item.file_name));
  item.code = CodeForExtension(item.extension);
  return item;
}

}  // namespace vellix::media
