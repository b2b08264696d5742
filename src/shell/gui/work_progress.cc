#include "shell/gui/work_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <algorithm>

namespace vellix::gui {
namespace {

// The bar works in thousandths, whatever the phase's range.
constexpr int kBarSteps = 1000;

}  // namespace

WorkProgress::WorkProgress(const QString& title, QWidget* parent)
    : dialog_(std::make_unique<QProgressDialog>(parent)) {
  dialog_->setWindowTitle(title);
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setRange(0, kBarSteps);
  dialog_->setMinimumDuration(300);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
}

WorkProgress::~WorkProgress() = default;

void WorkProgress::SetPhase(const std::string& text, int64_t low, int64_t high, bool) {
  low_ = low;
  high_ = high > low ? high : low + 1;
  position_ = low;
  dialog_->setLabelText(QString::fromStdString(text));
  dialog_->setValue(0);
}

void WorkProgress::Step(int64_t position) {
  position_ = position > 0 ? position : position_ + 1;
  const int64_t done = (position_ - low_) * kBarSteps / (high_ - low_);
  dialog_->setValue(static_cast<int>(std::clamp<int64_t>(done, 0, kBarSteps)));
  QCoreApplication::processEvents();
}

bool WorkProgress::IsCancelled() const { return dialog_->wasCanceled(); }

}  // namespace vellix::gui
