#include "shell/gui/color_field.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vellix::gui {

QString ColorCode(const QColor& color) {
  return QString::asprintf("#%02X%02X%02X", color.red(), color.green(), color.blue());
}

QColor ColorOfCode(const QString& code) {
  const QString trimmed = code.trimmed();
  if (!QColor::isValidColorName(trimmed)) return QColor();
  return QColor::fromString(trimmed);
}

ColorField::ColorField(const QString& caption, QWidget* parent)
    : QWidget(parent),
      caption_(caption),
      button_(new QPushButton(caption, this)),
      edit_(new QLineEdit(this)),
      sample_(new QFrame(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  edit_->setMaxLength(32);
  edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance("#WWWWWWW") + 12);
  sample_->setFrameShape(QFrame::Box);
  sample_->setFixedSize(36, edit_->sizeHint().height());
  sample_->setAutoFillBackground(true);
  layout->addWidget(button_);
  layout->addWidget(edit_);
  layout->addWidget(sample_);
  layout->addStretch(1);
  connect(edit_, &QLineEdit::textChanged, this, [this] { UpdateSample(); });
  UpdateSample();
}

void ColorField::UpdateSample() {
  sample_color_ = ColorOfCode(edit_->text());
  QPalette palette = sample_->palette();
  palette.setColor(QPalette::Window, sample_color_.isValid()
                                         ? sample_color_
                                         : palette.color(QPalette::Base));
  sample_->setPalette(palette);
  sample_->update();
}

}  // namespace vellix::gui
