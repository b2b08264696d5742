#include "text/size_format.h"

#include <cstdio>

namespace vellix {

std::string FormatSize(uint64_t bytes) {
  constexpr uint64_t kKilo = 1024;
  constexpr uint64_t kMega = kKilo * 1024;
  constexpr uint64_t kGiga = kMega * 1024;
  const char* unit = "KB";
  double divisor = static_cast<double>(kKilo);
  if (bytes >= kGiga) {
    unit = "GB";
    divisor = static_cast<double>(kGiga);
  } else if (bytes >= kMega) {
    unit = "MB";
    divisor = static_cast<double>(kMega);
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f %s", static_cast<double>(bytes) / divisor,
                unit);
  return buffer;
}

}  // namespace vellix
