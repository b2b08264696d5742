// How many phases a generation run shows, known before it starts.
#pragma once

#include "engine/generate_mode.h"

namespace vellix {
class COptions;
}

namespace vellix::cli {

/// The number of progress phases a successful run in `mode` goes through
/// with `options`: reading the file, the selection of families, the family
/// pages, the parsing of individuals, sorting and writing the index, the
/// bibliography and repository pages when enabled, and the log files. The
/// citation evaluation pass some GEDCOM dialects ask for is not counted; a
/// run that has it shows one phase more than announced at first.
int ExpectedPhaseCount(GenerateMode mode, const COptions& options);

}  // namespace vellix::cli
