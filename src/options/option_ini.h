// The option set as commented INI text: what a user keeps in version
// control, reads, diffs and restores. The binary option set file stays the
// stored form; this text is exported from it and imported into it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "options/options.h"

namespace vellix::options {

/// Writes every setting of `options` (every key of AllSettings) as INI
/// text: a header saying how to read it, one section per tab, each group of
/// the dialog under a comment with its caption path, each setting under a
/// comment with its caption and the meanings of its numbered choices, in
/// the dialog's order. Switches are yes/no, numbers decimal, custom colours
/// #rrggbb, texts in double quotes with C-style escapes (\n, \t, \", \\);
/// long texts continue in quoted pieces on indented lines, so no line is
/// longer than the INI reader accepts. The three fact labels that always
/// show another label are written as comments. `origin` (the option set
/// file's path) is named in the header. The extras follow in a last
/// section, [Extras], under the keys `vellix options` gives them
/// (extras.search, ...; the base address quoted). The custom attributes are
/// not part of the text. The same option set always gives the same text.
std::string OptionsToIni(COptions& options, std::string_view origin);

/// One mistake found in INI text.
struct IniProblem {
  int line;  // from 1
  std::string message;
};

/// Sets every setting that `text` names to the value it gives (the extras
/// keys too, with the checks of `vellix options set`); settings it does not
/// name keep their values. Sections only group the keys. All or
/// nothing: when any line is wrong (a line that is no "KEY = VALUE", an
/// unknown key, a key given twice, a value that does not fit its setting, a
/// line too long to read) `options` is left unchanged, and every problem is
/// listed in `problems`.
bool ApplyIni(std::string_view text, COptions* options,
              std::vector<IniProblem>* problems);

/// `text` in double quotes with the escapes of the INI text, on one line:
/// "line one\nline two".
std::string QuotedText(std::string_view text);

/// The longest line ApplyIni reads, in bytes without the line break.
inline constexpr size_t kMaxIniLine = 198;

}  // namespace vellix::options
