#include "shell/gui/desktop.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <string>

#include "platform/app_paths.h"
#include "shell/gui/file_filter.h"

namespace vellix::gui {
namespace {

QMessageBox::Icon QtIcon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kStop:
      return QMessageBox::Critical;
    case BoxIcon::kQuestion:
      return QMessageBox::Question;
    case BoxIcon::kExclamation:
      return QMessageBox::Warning;
    case BoxIcon::kInformation:
      return QMessageBox::Information;
    case BoxIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QString ProductName() { return QString::fromUtf8(platform::kProductName); }

}  // namespace

void QtDesktop::Show(QWidget* parent, BoxIcon icon, const QString& text) {
  QMessageBox box(QtIcon(icon), ProductName(), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool QtDesktop::Ask(QWidget* parent, BoxIcon icon, const QString& text,
                    bool default_yes) {
  QMessageBox box(QtIcon(icon), ProductName(), text, QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(default_yes ? QMessageBox::Yes : QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDesktop::OpenFile(QWidget* parent, const FileRequest& request) {
  const QString path = QFileDialog::getOpenFileName(parent, request.title, request.start,
                                                    QtFileFilter(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtDesktop::SaveFile(QWidget* parent, const FileRequest& request) {
  QFileDialog dialog(parent, request.title, request.start, QtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!request.default_suffix.isEmpty()) dialog.setDefaultSuffix(request.default_suffix);
  if (!request.confirm_overwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().front();
}

std::optional<QString> QtDesktop::Folder(QWidget* parent, const QString& prompt,
                                         const QString& start) {
  const QString folder = QFileDialog::getExistingDirectory(parent, prompt, start);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

std::optional<QColor> QtDesktop::Color(QWidget* parent, const QString& title,
                                       const QColor& initial,
                                       std::array<uint32_t, 16>* custom) {
  for (int i = 0; i < 16; ++i)
    QColorDialog::setCustomColor(i, ColorFromValue((*custom)[i]));
  QColorDialog dialog(initial, parent);
  dialog.setWindowTitle(title);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  for (int i = 0; i < 16; ++i)
    (*custom)[i] = ValueFromColor(QColorDialog::customColor(i));
  if (!chosen) return std::nullopt;
  return dialog.selectedColor();
}

bool QtDesktop::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

QColor ColorFromValue(uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

uint32_t ValueFromColor(const QColor& color) {
  return static_cast<uint32_t>(color.red()) |
         (static_cast<uint32_t>(color.green()) << 8) |
         (static_cast<uint32_t>(color.blue()) << 16);
}

}  // namespace vellix::gui
