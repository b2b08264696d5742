#include "shell/gui/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/app_paths.h"

namespace vellix::gui {

QString AboutText() {
  return QString::fromUtf8(platform::kProductName) + " " +
         QString::fromUtf8(platform::ProductVersion()) + "\nBuilt " + __DATE__ +
         "\n\nTurns a GEDCOM file into a web site of family group sheets, name "
         "indexes, surname, bibliography, repository and gallery pages.\n\n" +
         QString::fromUtf8(platform::kLegalNotice);
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About " + QString::fromUtf8(platform::kProductName));
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(":/vellix.svg").pixmap(64, 64));
  auto* text = new QLabel(AboutText(), this);
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setMinimumWidth(360);
  auto* row = new QHBoxLayout();
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

}  // namespace vellix::gui
