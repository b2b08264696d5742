#include "options/attributes_exchange.h"

#include "options/exchange_file.h"
#include "platform/file_system.h"
#include "platform/replace_file.h"
#include "text/printf.h"

namespace vellix::options {
namespace {

using platform::MessageIcon;

constexpr char kNoOptionSet[] = "You must specify a VELLIX options set file.";
constexpr char kDoesNotExist[] =
    "%s\n\nThis file does not exist.\nPlease check the file name and try again.";
constexpr char kOverwrite[] =
    "%s\n\nThe export file already exists! If you overwrite this file, you will "
    "delete its current contents.\n\nDo you want to overwrite the contents of this "
    "file?\n(Click \"No\" if you are not sure.)";
constexpr char kExported[] = "%s\n\nExport completed.\n";
constexpr char kImported[] = "%s\n\nImport completed.\n";
constexpr char kNotExchangeFile[] =
    "%s\n\nThe import file is not a VELLIX custom attributes file.";
constexpr char kCannotWrite[] = "%s\n\nThe export file could not be written:\n%s";
constexpr char kCannotRead[] = "%s\n\nThe import file could not be read:\n%s";
constexpr char kDamaged[] =
    "%s\n\nThe import file is damaged: %s.\n"
    "Nothing was imported; the custom attributes are unchanged.";

// The option set must be named and exist before its attributes travel.
bool CheckOptionSet(const std::string& option_set_path, platform::Prompter& prompter) {
  if (option_set_path.empty()) {
    prompter.Show(MessageIcon::kStop, kNoOptionSet);
    return false;
  }
  if (!platform::FileExists(option_set_path)) {
    prompter.Show(MessageIcon::kStop,
                  text::Printf(kDoesNotExist, option_set_path.c_str()));
    return false;
  }
  return true;
}

std::string DamageText(const ExchangeFileError& error) {
  if (error.line <= 0) return error.reason;
  return text::Printf("%s (line %d)", error.reason.c_str(), error.line);
}

}  // namespace

ExchangeResult ExportAttributes(const COptions& options,
                                const std::string& option_set_path,
                                const std::string& file, platform::Prompter& prompter) {
  if (!CheckOptionSet(option_set_path, prompter)) return ExchangeResult::kRefused;
  if (platform::FileExists(file)) {
    std::string head;
    platform::ReadFileHead(file, kExchangeMarkWindow, &head);
    if (!IsExchangeFile(head) &&
        !prompter.Ask(MessageIcon::kStop, text::Printf(kOverwrite, file.c_str()),
                      false)) {
      return ExchangeResult::kDeclined;
    }
  }
  const std::string bytes = EncodeExchangeFile(
      ExchangeFileText(options.m_indivAttributes, options.m_familyAttributes));
  std::string reason;
  if (!platform::ReplaceFileContents(file, bytes, &reason)) {
    prompter.Show(MessageIcon::kStop,
                  text::Printf(kCannotWrite, file.c_str(), reason.c_str()));
    return ExchangeResult::kRefused;
  }
  prompter.Show(MessageIcon::kNone, text::Printf(kExported, file.c_str()));
  return ExchangeResult::kDone;
}

ExchangeResult ImportAttributes(COptions& options, const std::string& option_set_path,
                                const std::string& file, platform::Prompter& prompter) {
  if (!CheckOptionSet(option_set_path, prompter)) return ExchangeResult::kRefused;
  if (!platform::FileExists(file)) {
    prompter.Show(MessageIcon::kStop, text::Printf(kDoesNotExist, file.c_str()));
    return ExchangeResult::kRefused;
  }
  std::string head;
  std::string reason;
  if (!platform::ReadFileHead(file, kExchangeMarkWindow, &head, &reason)) {
    prompter.Show(MessageIcon::kStop,
                  text::Printf(kCannotRead, file.c_str(), reason.c_str()));
    return ExchangeResult::kRefused;
  }
  if (!IsExchangeFile(head)) {
    prompter.Show(MessageIcon::kStop, text::Printf(kNotExchangeFile, file.c_str()));
    return ExchangeResult::kRefused;
  }
  std::string bytes;
  if (!platform::ReadWholeFile(file, &bytes, &reason)) {
    prompter.Show(MessageIcon::kStop,
                  text::Printf(kCannotRead, file.c_str(), reason.c_str()));
    return ExchangeResult::kRefused;
  }
  std::string utf8;
  ExchangeEntries entries;
  ExchangeFileError error;
  if (!DecodeExchangeFile(bytes, &utf8, &error) ||
      !ParseExchangeFile(utf8, &entries, &error)) {
    prompter.Show(MessageIcon::kStop,
                  text::Printf(kDamaged, file.c_str(), DamageText(error).c_str()));
    return ExchangeResult::kRefused;
  }
  MergeExchangeEntries(entries, options.m_indivAttributes, options.m_familyAttributes);
  prompter.Show(MessageIcon::kNone, text::Printf(kImported, file.c_str()));
  return ExchangeResult::kDone;
}

}  // namespace vellix::options
