#include "text/dialect_markers.h"

#include "text/string_ops.h"

namespace vellix::text {

bool DialectMarkers::HasMarkers() const {
  for (int id = 0; id < kMarkerCount; ++id) {
    for (char c : Marker(id)) {
      if (!IsAsciiSpace(c)) return true;
    }
  }
  return false;
}

std::string_view MarkerSet::Marker(int id) const {
  if (id < 0 || id >= kMarkerCount) return {};
  return markers_[id];
}

void MarkerSet::Set(int id, std::string marker) {
  if (id >= 0 && id < kMarkerCount) markers_[id] = std::move(marker);
}

const DialectMarkers& BuiltInDialectMarkers() {
  static const MarkerSet kNone;
  return kNone;
}

}  // namespace vellix::text
