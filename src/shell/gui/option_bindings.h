// Ties the controls of an options page to the option set members they edit.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "options/options.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace vellix::gui {

/// Option set text (UTF-8) to a QString and back.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

/// Multi-line option texts keep the CR LF line breaks a Windows edit field
/// writes, so option set files stay the same for users on either system.
std::string WithCrLf(const QString& text);

/// The list of bindings of one page. Load copies the option set's values
/// into the controls (exchange to the page); Store copies the controls'
/// values back (exchange to the option set). Controls must outlive the
/// bindings; member pointers name the COptions members edited.
class OptionBindings {
 public:
  void Check(QCheckBox* box, bool COptions::*member);
  void Text(QLineEdit* edit, std::string COptions::*member);
  /// An editable drop-down (the path fields): its edit text.
  void Text(QComboBox* combo, std::string COptions::*member);
  void MultiLine(QPlainTextEdit* edit, std::string COptions::*member);
  void Number(QSpinBox* spin, int32_t COptions::*member);
  /// A drop-down whose item index is the value.
  void Choice(QComboBox* combo, int32_t COptions::*member);
  void Choice(QComboBox* combo, uint8_t COptions::*member);
  /// Radio buttons whose group ids are the values (0 and 1 for a switch).
  void Radio(QButtonGroup* group, int32_t COptions::*member);
  void Radio(QButtonGroup* group, uint8_t COptions::*member);
  void Radio(QButtonGroup* group, bool COptions::*member);
  /// Anything else: a pair of functions.
  void Custom(std::function<void(const COptions&)> load,
              std::function<void(COptions&)> store);

  void Load(const COptions& options) const;
  void Store(COptions& options) const;

 private:
  std::vector<std::function<void(const COptions&)>> loads_;
  std::vector<std::function<void(COptions&)>> stores_;
};

}  // namespace vellix::gui
