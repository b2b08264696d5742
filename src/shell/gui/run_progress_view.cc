#include "shell/gui/run_progress_view.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vellix::gui {
namespace {

constexpr int kPathWidth = 420;
// The bar works in thousandths whatever the phase's range, so ranges beyond
// an int never overflow it.
constexpr int kBarSteps = 1000;

}  // namespace

QString ShortenedPath(const QString& path, const QFontMetrics& metrics, int width) {
  return metrics.elidedText(path, Qt::ElideMiddle, width);
}

RunProgressView::RunProgressView(QWidget* parent)
    : QDialog(parent),
      gedcom_(new QLabel(this)),
      dest_(new QLabel(this)),
      phase_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      stop_(new QPushButton("Stop", this)) {
  setWindowTitle("Status");
  setModal(false);
  for (QLabel* label : {gedcom_, dest_, phase_}) label->setTextFormat(Qt::PlainText);
  gedcom_->setFixedWidth(kPathWidth);
  dest_->setFixedWidth(kPathWidth);
  bar_->setRange(0, kBarSteps);
  auto* paths = new QFormLayout();
  paths->addRow("GEDCOM file:", gedcom_);
  paths->addRow("Destination:", dest_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(paths);
  layout->addWidget(phase_);
  layout->addWidget(bar_);
  layout->addWidget(stop_, 0, Qt::AlignRight);
  connect(stop_, &QPushButton::clicked, this, [this] { stop_requested_ = true; });
}

void RunProgressView::SetPath(QLabel* label, const std::string& path) {
  const QString full = QString::fromStdString(path);
  label->setText(ShortenedPath(full, label->fontMetrics(), kPathWidth));
  label->setToolTip(full);
}

void RunProgressView::ShowTitle(const std::string& title, const std::string& gedcom_file,
                                const std::string& dest_folder) {
  setWindowTitle(QString::fromStdString(title));
  SetPath(gedcom_, gedcom_file);
  SetPath(dest_, dest_folder);
  stop_requested_ = false;
  show();
  if (on_started_) on_started_();
}

void RunProgressView::ShowPhase(const std::string& text, int64_t low, int64_t high) {
  low_ = low;
  high_ = std::max(high, low + 1);
  phase_->setText(QString::fromStdString(text));
  bar_->setValue(0);
}

void RunProgressView::ShowPosition(int64_t position) {
  const int64_t done = (position - low_) * kBarSteps / (high_ - low_);
  bar_->setValue(static_cast<int>(std::clamp<int64_t>(done, 0, kBarSteps)));
}

bool RunProgressView::PollStopRequest() {
  QCoreApplication::processEvents();
  const bool requested = stop_requested_;
  stop_requested_ = false;
  return requested;
}

void RunProgressView::Close() { hide(); }

}  // namespace vellix::gui
