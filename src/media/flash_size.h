// The frame size of a Flash movie, read from its header.
#pragma once

#include <cstdint>
#include <string>

namespace vellix::media {

/// Reads the frame rectangle of the Flash movie at the native path `path`,
/// plain ("FWS") or zlib-compressed ("CWS"), and gives its size in pixels
/// (twips divided by 20, truncated toward zero). False, with both sizes 0,
/// when the file is missing or no regular file, too short, not a movie, cut off inside
/// the rectangle, or compressed with an inflated body whose length differs from the one
/// its header states. Memory stays small whatever the header says.
bool ReadFlashSize(const std::string& path, int32_t* width, int32_t* height);

}  // namespace vellix::media
