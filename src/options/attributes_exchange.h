// Exporting the custom attributes of an option set to an exchange file and
// importing them back, with the checks and messages the user sees.
#pragma once

#include <string>

#include "options/options.h"
#include "platform/prompter.h"

namespace vellix::options {

/// How an export or import ended.
enum class ExchangeResult {
  kDone,      // the file was written or read; "... completed." was shown
  kDeclined,  // the user answered No to overwriting a file of another kind
  kRefused,   // a check failed or the file could not be used; message shown
};

/// Writes both attribute lists of `options` to the exchange file `file`
/// (native path). `option_set_path` is the option set's own file, which must
/// be named and exist. A file that exists and is not an exchange file is
/// overwritten only when the user says Yes. The file is replaced through a
/// temporary file beside it, so a failed export never leaves half a file.
ExchangeResult ExportAttributes(const COptions& options,
                                const std::string& option_set_path,
                                const std::string& file, platform::Prompter& prompter);

/// Reads the exchange file `file` into the attribute lists of `options`:
/// each entry it holds replaces or adds the entry of that reference; other
/// entries stay. A file that is not an exchange file, or one that is damaged
/// (binary data, an unclosed quotation, an entry without a reference), is
/// refused as a whole with a message and `options` is left unchanged. Only
/// the object changes; the caller saves it.
ExchangeResult ImportAttributes(COptions& options, const std::string& option_set_path,
                                const std::string& file, platform::Prompter& prompter);

}  // namespace vellix::options
