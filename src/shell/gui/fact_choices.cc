#include "shell/gui/fact_choices.h"

namespace vellix::gui {

uint8_t ApplyFactsButton(FactsButton button, uint8_t choice) {
  switch (button) {
    case FactsButton::kAll:
      return choice == 0 ? 1 : choice;
    case FactsButton::kNone:
      return 0;
    case FactsButton::kComplement:
      return choice == 0 ? 1 : 0;
    case FactsButton::kAllAtEnd:
      return choice == 2 ? 1 : choice;
    case FactsButton::kAllWithin:
      return choice == 1 ? 2 : choice;
    case FactsButton::kSwitch:
      return choice == 1 ? 2 : choice == 2 ? 1 : choice;
  }
  return choice;
}

void ApplyFactsButton(FactsButton button, std::span<uint8_t> choices,
                      std::span<const bool> enabled) {
  for (size_t i = 0; i < choices.size() && i < enabled.size(); ++i) {
    if (enabled[i]) choices[i] = ApplyFactsButton(button, choices[i]);
  }
}

std::string ShownFactLabel(const COptions& options, int kind) {
  if (kind == 59) return options.m_strLblMarried;
  if (kind == 52) kind = 8;
  if (kind == 61) kind = 29;
  if (kind < 0 || static_cast<size_t>(kind) >= options.m_factLabels.size()) return {};
  return options.m_factLabels[kind];
}

bool IsUserFactKind(int kind) { return kind >= 34 && kind <= 47; }

}  // namespace vellix::gui
