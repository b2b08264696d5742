// `vellix attributes`: list, change, export and import the custom attributes
// of the current option set.
#pragma once

#include <string>
#include <vector>

namespace vellix::cli {

/// Runs `vellix attributes` with the words after it: list, show REF, set REF
/// with --link/--text/--image/--caption, clear REF, clear --all, purge,
/// export FILE, import FILE, help. --families works on the families' list
/// (the individuals' list otherwise), --gedcom FILE names the GEDCOM file
/// to compare with (the option set's input file otherwise), --yes/--no
/// answer questions in advance. Changes are saved to the option set file at
/// once (its .old backup taken first). Returns 0 when done (or a question
/// was answered No), 1 when a file could not be read or written or an
/// import was refused, 2 on bad usage, an unknown reference or an option set
/// that does not load.
int RunAttributesCommand(const std::vector<std::string>& args);

/// The usage text of `vellix attributes`.
std::string AttributesUsage();

}  // namespace vellix::cli
