#include "shell/cli/phase_plan.h"

#include "options/options.h"

namespace vellix::cli {

int ExpectedPhaseCount(GenerateMode mode, const COptions& options) {
  constexpr int kReading = 1;
  constexpr int kLogs = 1;
  const int sources = options.m_bBiblioPages ? (options.m_bRepositoryPages ? 2 : 1) : 0;
  switch (mode) {
    case GenerateMode::kAll:
    case GenerateMode::kCopyMultimedia:
    case GenerateMode::kSkipMultimedia:
    case GenerateMode::kSample:
      // families, family pages, individuals, sorting, index pages
      return kReading + 5 + sources + kLogs;
    case GenerateMode::kFamilies:
      // families, family pages, individuals, sorting (no index pages)
      return kReading + 4 + kLogs;
    case GenerateMode::kIndex:
      // families, individuals, sorting, index pages
      return kReading + 4 + kLogs;
    case GenerateMode::kBibliography:
      // the standalone bibliography is written whatever the option says
      return kReading + 1 + (options.m_bRepositoryPages ? 1 : 0) + kLogs;
  }
  return 0;
}

}  // namespace vellix::cli
