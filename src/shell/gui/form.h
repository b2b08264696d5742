// Builds the controls of an options page and binds each to its member.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "options/options.h"
#include "platform/history_lists.h"
#include "shell/gui/option_bindings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace vellix::gui {

class PathCombo;

/// A multi-line text field whose preferred height is a given number of
/// lines, so pages of several such fields still fit a small screen.
class TextBlock : public QPlainTextEdit {
 public:
  TextBlock(int lines, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  int lines_;
};

/// A path field and its "Browse" button.
struct PathRow {
  PathCombo* combo = nullptr;
  QPushButton* browse = nullptr;
};

/// Radio button choices: (value, caption) in the order shown.
using RadioItems = std::vector<std::pair<int, QString>>;

/// Lays out a page (or sub-tab) as columns of titled groups; each group is
/// a grid of caption, field and an optional button. Every control made with
/// a member pointer is bound to that member in `bindings`; path fields are
/// also collected in `paths`, so the page can offer and update their
/// history lists.
class Form {
 public:
  Form(QWidget* page, OptionBindings& bindings, std::vector<PathCombo*>& paths);

  /// Starts a new column to the right.
  void Column();
  /// Starts a titled group below the previous one in the current column.
  QGroupBox* Group(const QString& title);
  /// Pushes what follows in the current column to its bottom.
  void Stretch();
  /// Indents the rows that follow (dependent settings), 0 to end.
  void Indent(int level) { indent_ = level; }

  QCheckBox* Check(const QString& caption, bool COptions::*member);
  QLineEdit* Text(const QString& caption, std::string COptions::*member);
  QSpinBox* Number(const QString& caption, int32_t COptions::*member, int min, int max);
  template <typename T>
  QComboBox* Choice(const QString& caption, T COptions::*member,
                    const QStringList& items) {
    QComboBox* combo = MakeChoice(caption, items);
    bindings_.Choice(combo, member);
    return combo;
  }
  template <typename T>
  QButtonGroup* Radios(const QString& caption, T COptions::*member,
                       const RadioItems& items,
                       Qt::Orientation orientation = Qt::Horizontal) {
    QButtonGroup* group = MakeRadios(caption, items, orientation);
    bindings_.Radio(group, member);
    return group;
  }
  /// Radio buttons bound to nothing (the page binds them itself).
  QButtonGroup* RadioGroup(const QString& caption, const RadioItems& items,
                           Qt::Orientation orientation = Qt::Horizontal) {
    return MakeRadios(caption, items, orientation);
  }
  TextBlock* MultiLine(const QString& caption, std::string COptions::*member, int lines);
  /// A path field with its history list and a "Browse" button.
  PathRow Path(const QString& caption, std::string COptions::*member,
               platform::HistoryList list);

  /// A row of any widget with a caption (empty for none).
  void Row(const QString& caption, QWidget* widget, QWidget* extra = nullptr);
  /// A widget across the whole group.
  void Wide(QWidget* widget);
  /// A button at the end of the group, aligned right.
  QPushButton* Button(const QString& caption);

  /// The group being filled (its grid).
  QGridLayout* grid();
  /// The widget that holds the current group's controls.
  QWidget* group_widget();

 private:
  QComboBox* MakeChoice(const QString& caption, const QStringList& items);
  QButtonGroup* MakeRadios(const QString& caption, const RadioItems& items,
                           Qt::Orientation orientation);
  int NextRow();
  int IndentWidth() const;

  QWidget* page_;
  OptionBindings& bindings_;
  std::vector<PathCombo*>& paths_;
  QHBoxLayout* columns_;
  QVBoxLayout* column_ = nullptr;
  QWidget* group_ = nullptr;
  QGridLayout* grid_ = nullptr;
  int indent_ = 0;
};

}  // namespace vellix::gui
