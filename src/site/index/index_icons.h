// The small GIF images the index lines show as icons.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "run/run_statistics.h"

namespace vellix {
class COptions;
}

namespace vellix::site {

/// One icon image: its file name without the file prefix, and its size.
struct IndexIcon {
  std::string_view file;  // "b.gif" ...
  std::string_view text;  // the letters drawn on it
  int width = 0;
  unsigned color = 0;  // background colour, 0xRRGGBB
};

/// The eight icons: b, i, n, t, g, gf, gi (shown on index lines) and gs.
const std::vector<IndexIcon>& IndexIcons();

/// The GIF89a image of `icon`, 10 pixels high, drawn with libgd (white
/// transparent corners, a coloured box, dark letters). The same bytes on
/// every call.
std::string IconImage(const IndexIcon& icon);

/// Writes the icon images into the destination folder as file prefix +
/// icon file name when the index shows icons as images (custom icons or
/// gallery icons). A file that exists is kept as it is (the user may have
/// drawn his own); one that cannot be written is skipped. Each file written
/// counts as an other file of the run. Returns the number written.
int WriteIconFiles(const COptions& options, RunStatistics* statistics);

}  // namespace vellix::site
