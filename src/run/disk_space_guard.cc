#include "run/disk_space_guard.h"

#include <utility>

namespace vellix {

DiskSpaceGuard::DiskSpaceGuard(FreeSpaceQuery query) : query_(std::move(query)) {}

bool DiskSpaceGuard::HasRoom(const std::string& folder) {
  if (folder.empty()) return true;
  std::optional<uint64_t> free_bytes =
      query_ ? query_(folder) : std::optional<uint64_t>();
  if (free_bytes && *free_bytes / 1024 > kMinimumFreeKb) return true;
  // Low or unknown: say so once per run, so the user is asked only once.
  if (warned_) return true;
  warned_ = true;
  return false;
}

}  // namespace vellix
