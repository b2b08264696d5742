// The option set summary listing: one HTML page showing every setting of an
// option set tab by tab, plus the application settings, for reviewing,
// printing or sending it. The program never reads it back.
#pragma once

#include <ctime>
#include <string>

#include "options/attributes_configure.h"
#include "options/options.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vellix::options {

/// The application settings the listing's Maintenance section shows.
struct ListingAppSettings {
  int history_maximum = 9;  // "History"/"Maximum"
  int log_individuals = 0;  // "SortLogInd": 0 name, 1 reference
  int log_families = 0;     // "SortLogFam": 0 husband, 1 wife, 2 reference
  ConfigureSortSettings configure;
};

/// The settings of `store`.
ListingAppSettings ReadListingAppSettings(const platform::SettingsStore& store);

/// What a listing is made from besides the option set itself.
struct ListingInputs {
  std::string option_set_path;  // the option set's file, as the page shows it
  std::string dialect_name;     // name of the dialect m_nSpecialProcessing picks
  ListingAppSettings app;
  std::tm now{};  // the local time the page is dated with
};

/// The listing's file in `folder` (native, with a trailing slash): "os-" and
/// the option set file's name, a final ".dat" (any letter case) replaced by
/// ".html", or ".html" added.
std::string ListingFilePath(const std::string& folder,
                            const std::string& option_set_path);

/// The whole listing page of `options`.
std::string OptionListingPage(COptions& options, const ListingInputs& inputs);

/// How writing a listing ended.
enum class ListingResult { kWritten, kDeclined, kRefused };

/// Writes the listing of `options` into `folder`: the option set file must
/// be named and exist; a listing file that does not start with this
/// program's listing title (within its first 2048 bytes) is overwritten only
/// when the user says Yes; an option set whose load found a wrong magic
/// writes nothing. The page replaces the old one through a temporary file.
/// `path` receives the listing's path.
ListingResult WriteOptionListing(COptions& options, const ListingInputs& inputs,
                                 const std::string& folder, platform::Prompter& prompter,
                                 std::string* path);

}  // namespace vellix::options
