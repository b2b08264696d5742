// What the windows need from the desktop beyond their own widgets.
#pragma once

#include <QColor>
#include <QString>
#include <QUrl>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;

namespace vellix::gui {

/// The icon of a message box; kNone is the plain box without an icon.
enum class BoxIcon { kNone, kStop, kQuestion, kExclamation, kInformation };

/// A request for a file dialog. `filter` is in the form the messages use,
/// "Name (*.x)|*.x|All Files (*.*)|*.*||", and is translated for Qt.
struct FileRequest {
  QString title;
  QString filter;
  QString start;           // folder (or file) to start in, native form
  QString default_suffix;  // added to a typed name without one ("csv")
  /// SaveFile asks before an existing file is chosen; off where the caller
  /// refuses existing files with its own message.
  bool confirm_overwrite = true;
};

/// The services of the desktop: message boxes, file, folder and colour
/// choosers and the browser. Windows reach them only through this
/// interface, so tests answer questions and pick files without a person.
class Desktop {
 public:
  virtual ~Desktop() = default;

  /// Shows a message and returns when it was dismissed.
  virtual void Show(QWidget* parent, BoxIcon icon, const QString& text) = 0;
  /// Asks a Yes/No question; `default_yes` names the default button.
  virtual bool Ask(QWidget* parent, BoxIcon icon, const QString& text,
                   bool default_yes) = 0;

  /// An existing file to open; nothing when cancelled.
  virtual std::optional<QString> OpenFile(QWidget* parent,
                                          const FileRequest& request) = 0;
  /// A file name to write (it need not exist); nothing when cancelled.
  virtual std::optional<QString> SaveFile(QWidget* parent,
                                          const FileRequest& request) = 0;
  /// A folder; `prompt` is the chooser's caption.
  virtual std::optional<QString> Folder(QWidget* parent, const QString& prompt,
                                        const QString& start) = 0;
  /// A colour, starting at `initial`; `custom` holds the chooser's sixteen
  /// custom colours (colour values with red in the lowest byte) and receives
  /// the user's changes to them, even when the choice is cancelled.
  virtual std::optional<QColor> Color(QWidget* parent, const QString& title,
                                      const QColor& initial,
                                      std::array<uint32_t, 16>* custom) = 0;

  /// Opens a page or document in the user's browser or viewer.
  virtual bool OpenUrl(const QUrl& url) = 0;
};

/// The real desktop: QMessageBox, QFileDialog, QColorDialog, QDesktopServices.
class QtDesktop : public Desktop {
 public:
  void Show(QWidget* parent, BoxIcon icon, const QString& text) override;
  bool Ask(QWidget* parent, BoxIcon icon, const QString& text, bool default_yes) override;
  std::optional<QString> OpenFile(QWidget* parent, const FileRequest& request) override;
  std::optional<QString> SaveFile(QWidget* parent, const FileRequest& request) override;
  std::optional<QString> Folder(QWidget* parent, const QString& prompt,
                                const QString& start) override;
  std::optional<QColor> Color(QWidget* parent, const QString& title,
                              const QColor& initial,
                              std::array<uint32_t, 16>* custom) override;
  bool OpenUrl(const QUrl& url) override;
};

/// A colour value of the option set (red in the lowest byte) as a QColor.
QColor ColorFromValue(uint32_t value);
/// A QColor as a colour value of the option set.
uint32_t ValueFromColor(const QColor& color);

}  // namespace vellix::gui
