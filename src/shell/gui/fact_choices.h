// The Facts tab's buttons as rules on display choices.
#pragma once

#include <cstdint>
#include <span>

#include "options/options.h"

namespace vellix::gui {

/// The Facts tab buttons that change display choices (0 exclude, 1 at the
/// end of the family page, 2 within it).
enum class FactsButton {
  kAll,         // 0 becomes 1
  kNone,        // everything becomes 0
  kComplement,  // 0 becomes 1, 1 and 2 become 0
  kAllAtEnd,    // 2 becomes 1
  kAllWithin,   // 1 becomes 2
  kSwitch,      // 1 and 2 change places
};

/// The choice a button makes of `choice`.
uint8_t ApplyFactsButton(FactsButton button, uint8_t choice);

/// Applies a button to every choice whose box is enabled.
void ApplyFactsButton(FactsButton button, std::span<uint8_t> choices,
                      std::span<const bool> enabled);

/// The label a fact kind shows, as COptions::GetFactLabel gives it, without
/// changing the option set: family Census and Residence show the individual
/// labels, family Married the Married label.
std::string ShownFactLabel(const COptions& options, int kind);

/// True for the user-defined fact kinds 34 to 47.
bool IsUserFactKind(int kind);

}  // namespace vellix::gui
