#include "shell/gui/run_progress_view.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/gui/gui_thread.h"

namespace vellix::gui {
namespace {

constexpr int kPathWidth = 420;

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
}

void RunProgressView::SetPath(QLabel* label, const QString& path) {
  label->setText(ShortenedPath(path, label->fontMetrics(), kPathWidth));
  label->setToolTip(path);
}

void RunProgressView::SetTitle(const QString& title, const QString& gedcom_file,
                               const QString& dest_folder) {
  setWindowTitle(title);
  SetPath(gedcom_, gedcom_file);
  SetPath(dest_, dest_folder);
}

void RunProgressView::SetPhase(const QString& text) {
  phase_->setText(text);
  bar_->setValue(0);
}

void RunProgressView::SetBar(int thousandths) { bar_->setValue(thousandths); }

WorkerProgressView::WorkerProgressView() = default;

void WorkerProgressView::Attach(RunProgressView* window,
                                std::function<void()> on_started) {
  window_ = window;
  on_started_ = std::move(on_started);
  stop_ = false;
  shown_ = -1;
  if (window != nullptr) {
    QObject::connect(window->stop_button(), &QPushButton::clicked, window,
                     [this] { RequestStop(); });
  }
}

void WorkerProgressView::ShowTitle(const std::string& title,
                                   const std::string& gedcom_file,
                                   const std::string& dest_folder) {
  const QString shown_title = QString::fromStdString(title);
  const QString gedcom = QString::fromStdString(gedcom_file);
  const QString dest = QString::fromStdString(dest_folder);
  RunOnThreadOf(&window_thread_, [&] {
    if (window_) {
      window_->SetTitle(shown_title, gedcom, dest);
      window_->show();
    }
    if (on_started_) on_started_();
  });
}

void WorkerProgressView::ShowPhase(const std::string& text, int64_t low, int64_t high) {
  low_ = low;
  high_ = std::max(high, low + 1);
  shown_ = 0;
  const QString phase = QString::fromStdString(text);
  PostToThreadOf(&window_thread_, [this, phase] {
    if (window_) window_->SetPhase(phase);
  });
}

void WorkerProgressView::ShowPosition(int64_t position) {
  const int64_t done = (position - low_) * RunProgressView::kBarSteps / (high_ - low_);
  const int thousandths =
      static_cast<int>(std::clamp<int64_t>(done, 0, RunProgressView::kBarSteps));
  if (thousandths == shown_) return;
  shown_ = thousandths;
  PostToThreadOf(&window_thread_, [this, thousandths] {
    if (window_) window_->SetBar(thousandths);
  });
}

bool WorkerProgressView::PollStopRequest() { return stop_.exchange(false); }

void WorkerProgressView::Close() {
  PostToThreadOf(&window_thread_, [this] {
    if (window_) window_->hide();
  });
}

void WorkerProgressView::Beep() {
  PostToThreadOf(&window_thread_, [] { QApplication::beep(); });
}

}  // namespace vellix::gui
