// The Facts tab: notes and facts.
#pragma once

#include <QCheckBox>
#include <array>
#include <cstdint>

#include "options/options.h"
#include "shell/gui/fact_choices.h"
#include "shell/gui/options_page.h"

class QPushButton;

namespace vellix::gui {

/// A three-state box for one fact kind's display choice: unchecked 0
/// (exclude), checked 1 (at the end of the family page), partly checked 2
/// (within the family page). A click steps 0, 1, 2 and back to 0.
class FactBox : public QCheckBox {
 public:
  FactBox(int kind, QWidget* parent = nullptr);
  int kind() const { return kind_; }
  uint8_t choice() const;
  void set_choice(uint8_t choice);

 protected:
  void nextCheckState() override;

 private:
  int kind_;
};

/// The Facts tab: the note settings, "Include other facts:" and one
/// three-state box per fact kind captioned with its current label, with the
/// buttons All, None, Complement, All at End, All Within, Switch and Cancel
/// Changes. A user-defined fact kind without a label cannot be included.
class CPageFacts : public OptionsPage {
 public:
  explicit CPageFacts(SheetContext& context, QWidget* parent = nullptr);

  void ExchangeToPage(const COptions& options) override;
  void ExchangeToOptions(COptions& options) override;
  /// Captions follow the labels the option set holds now (the Labels tab
  /// may have changed them since).
  void Activated() override;

  FactBox* box(int kind) const { return boxes_[kind]; }
  QPushButton* button(FactsButton which) const {
    return buttons_[static_cast<int>(which)];
  }
  QPushButton* cancel_changes() const { return cancel_; }
  QCheckBox* other_facts() const { return other_facts_; }
  QCheckBox* fact_notes() const { return fact_notes_; }
  QCheckBox* fact_notes_outside() const { return fact_notes_outside_; }

 private:
  QWidget* MakeBoxes();
  void ApplyButton(FactsButton which);
  void ShowChoices(const uint8_t* choices);
  void UpdateCaptions(const COptions& options);
  void UpdateEnabled();
  void Changed();

  std::array<FactBox*, kFactKindCount> boxes_{};
  std::array<QPushButton*, 6> buttons_{};
  std::array<bool, kFactKindCount> has_label_{};
  QPushButton* cancel_ = nullptr;
  QCheckBox* other_facts_ = nullptr;
  QCheckBox* fact_notes_ = nullptr;
  QCheckBox* fact_notes_outside_ = nullptr;
  bool loading_ = false;
};

}  // namespace vellix::gui
