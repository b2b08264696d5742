// The search page and its data files.
#pragma once

#include <map>
#include <string>

#include "model/run_context.h"
#include "site/extras/search_data.h"

namespace vellix::site::extras {

/// The search page's text: the site's frame around a search form, a note
/// for browsers without JavaScript that links to the index, and the script
/// that loads the data file of the query's first letter (`scripts`: letter
/// -> file name, only letters that have records) with a script element, so
/// that the page works from file:// as from any web server.
std::string SearchPageText(RunContext& ctx,
                           const std::map<std::string, std::string>& scripts);

/// Writes the data files (one per first letter of the surnames) and the
/// search page into the destination folder, when the search extra is on.
void WriteSearchFiles(RunContext& ctx, const NameIndex& index,
                      const SearchPlaces& places);

}  // namespace vellix::site::extras
