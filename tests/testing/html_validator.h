// Validates generated pages against the HTML 4.01 DTDs with OpenSP's
// onsgmls, for the tests of every page writer.
#pragma once

#include <string>
#include <vector>

namespace vellix::testing {

/// The SGML catalog of the W3C DTDs (Debian's w3c-sgml-lib), or "" when it
/// is not installed.
std::string HtmlCatalogPath();

/// Runs `onsgmls -s` on the page file at `path` with the HTML 4.01 catalog
/// (UTF-8 input) and returns its error lines, except those that contain one
/// of the `allowed` texts (errors caused by fragments the pages must carry
/// word for word). The page is checked against the DTD its document type
/// line names. When onsgmls or the catalog is missing the result is one
/// line saying so, so a validating test fails instead of passing unchecked.
std::vector<std::string> ValidateHtmlFile(const std::string& path,
                                          const std::vector<std::string>& allowed = {});

/// As ValidateHtmlFile for a page held in memory (written to a temporary
/// file first).
std::vector<std::string> ValidateHtmlText(const std::string& page,
                                          const std::vector<std::string>& allowed = {});

}  // namespace vellix::testing
