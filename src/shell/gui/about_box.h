// The About box.
#pragma once

#include <QDialog>

namespace vellix::gui {

/// The product's description, version, build date and legal notice.
class AboutBox : public QDialog {
 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

/// The About box's text: name, version, build date, description and notice.
QString AboutText();

}  // namespace vellix::gui
