// The site's style sheet, FilePrefix + "base.css": every class the pages use,
// in a fixed order, with margins, colours, background, font, label widths and
// the thumbnail grid taken from the option set.
#pragma once

#include <string>

namespace vellix {
class COptions;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

/// The length in characters of the longest group sheet label: the row
/// labels (husband, wife, born, married, died, father, mother, spouses,
/// name) and the labels of the fact kinds shown within the group sheet.
int LongestGroupSheetLabel(const COptions& options);

/// The whole style sheet text for `options` (lines end with "\r\n").
std::string BuildStyleSheet(const COptions& options);

/// The full path of the style sheet: the destination folder, the file
/// prefix and "base.css" (stored form).
std::string StyleSheetPath(const COptions& options);

/// Writes the run's style sheet into the destination folder and counts it
/// among the other files of the run. False when it could not be written
/// (warning 5 names it; the pages still link it). `bibliographyOnly` (the
/// standalone bibliography mode) writes the same sheet: every class is
/// defined whatever pages the run writes.
bool WriteStyleSheet(RunContext& ctx, bool bibliographyOnly);

}  // namespace vellix::site
