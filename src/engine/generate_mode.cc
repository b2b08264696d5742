#include "engine/generate_mode.h"

#include <array>

namespace vellix {
namespace {

struct ModeInfo {
  std::string_view name;
  std::string_view title;
};

constexpr std::array<ModeInfo, 7> kModes = {{
    {"all", "Generating All Web Pages"},
    {"copy-media", "Generating All Web Pages; Copying Multimedia"},
    {"skip-media", "Generating All Web Pages; Skipping Multimedia"},
    {"families", "Generating Family Web Pages Only"},
    {"index", "Generating Index Web Pages Only"},
    {"sample", "Generating Sample Web Pages Only"},
    {"bibliography", "Generating Standalone Bibliography Only"},
}};

}  // namespace

std::string_view ModeTitle(GenerateMode mode) {
  return kModes[static_cast<size_t>(mode)].title;
}

std::optional<GenerateMode> ParseGenerateMode(std::string_view text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '6') {
    return static_cast<GenerateMode>(text[0] - '0');
  }
  for (size_t i = 0; i < kModes.size(); ++i) {
    if (kModes[i].name == text) return static_cast<GenerateMode>(i);
  }
  return std::nullopt;
}

}  // namespace vellix
