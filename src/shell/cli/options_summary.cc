#include "shell/cli/options_summary.h"

#include <cstdio>

#include "model/dialects.h"
#include "options/option_listing.h"
#include "platform/clock.h"
#include "shell/cli/commands.h"
#include "shell/cli/open_document.h"
#include "shell/cli/terminal_wording.h"

namespace vellix::cli {
namespace {

constexpr char kCannotOpen[] =
    "%s\n\nThis file either does not exist, it is not accessible, or there is no "
    "Internet browser associated with files of this type.\n";

}  // namespace

int WriteOptionsSummary(const SummaryRequest& request, platform::Prompter& prompter) {
  options::ListingInputs inputs;
  inputs.option_set_path = request.option_set_path;
  inputs.dialect_name =
      DialectNameOf(request.options.m_nSpecialProcessing, request.app_folder);
  inputs.app = options::ReadListingAppSettings(request.settings);
  inputs.now = platform::SystemClock().LocalNow();
  std::string path;
  switch (options::WriteOptionListing(request.options, inputs, request.app_folder,
                                      prompter, &path)) {
    case options::ListingResult::kWritten:
      break;
    case options::ListingResult::kDeclined:
      std::fprintf(stderr, "vellix: the listing was not written.\n");
      return kExitDone;
    case options::ListingResult::kRefused:
      return kExitFailed;
  }
  std::printf("%s\n", path.c_str());
  if (request.print_only || !HasDisplay()) return kExitDone;
  if (!OpenDocument(path, request.app_folder)) {
    std::string message = kCannotOpen;
    message.replace(message.find("%s"), 2, path);
    std::fputs(TerminalMessage(platform::MessageIcon::kStop, message).c_str(), stderr);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace vellix::cli
