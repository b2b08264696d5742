// Human-readable file sizes for the log pages.
#pragma once

#include <cstdint>
#include <string>

namespace vellix {

/// The size text shown for a file on the log pages ("12 bytes", "3 KB", ...).
std::string FormatSize(uint64_t bytes);

}  // namespace vellix
