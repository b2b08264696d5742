// A colour setting: its button, its code and a sample of the colour.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QFrame;
class QLineEdit;
class QPushButton;

namespace vellix::gui {

/// "#RRGGBB" in upper-case hexadecimal, as a chosen colour is written back.
QString ColorCode(const QColor& color);

/// The colour a code names ("#rrggbb" or a colour name); invalid when the
/// code names none.
QColor ColorOfCode(const QString& code);

/// One colour row of the Attributes tab: a button captioned like the
/// chooser it opens ("Background Color"), the colour code field and a
/// sample redrawn whenever the code changes. The page opens the chooser.
class ColorField : public QWidget {
 public:
  ColorField(const QString& caption, QWidget* parent = nullptr);

  QPushButton* button() const { return button_; }
  QLineEdit* edit() const { return edit_; }
  QFrame* sample() const { return sample_; }
  QString caption() const { return caption_; }

  /// The colour the sample shows (invalid for a code that names none).
  QColor SampleColor() const { return sample_color_; }

 private:
  void UpdateSample();

  QString caption_;
  QPushButton* button_;
  QLineEdit* edit_;
  QFrame* sample_;
  QColor sample_color_;
};

}  // namespace vellix::gui
