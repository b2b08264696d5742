// A small progress window for the file readings that dialogs start.
#pragma once

#include <QString>
#include <memory>

#include "platform/progress.h"

class QProgressDialog;
class QWidget;

namespace vellix::gui {

/// Shows a modal progress window titled `title` while a dialog reads a
/// GEDCOM file on the window's thread ("Converting Family Reference
/// Numbers", "Gathering Information"). Each step lets the window repaint and
/// notices its Cancel button.
class WorkProgress : public platform::Progress {
 public:
  WorkProgress(const QString& title, QWidget* parent);
  ~WorkProgress() override;

  void SetPhase(const std::string& text, int64_t low, int64_t high,
                bool scalable) override;
  void Step(int64_t position) override;
  bool IsCancelled() const override;

 private:
  std::unique_ptr<QProgressDialog> dialog_;
  int64_t low_ = 0;
  int64_t high_ = 0;
  int64_t position_ = 0;
};

}  // namespace vellix::gui
