// Watches the free space of the destination volume during a run.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vellix {

/// Tells the generation run when the destination volume is nearly full, so
/// it can ask the user once whether to go on. HasRoom answers false at most
/// once between two resets: the first time 500 KB or less is free (or the
/// free space cannot be read); every later call answers true until Reset.
class DiskSpaceGuard {
 public:
  /// Bytes available to the caller on the volume holding a folder, or
  /// nothing when unknown. Injectable so tests can simulate a full disk.
  using FreeSpaceQuery =
      std::function<std::optional<uint64_t>(const std::string& folder)>;

  /// Space above this many KB (1024 bytes) counts as room.
  static constexpr uint64_t kMinimumFreeKb = 500;

  /// A guard that asks `query` (the run environment's file access).
  explicit DiskSpaceGuard(FreeSpaceQuery query);

  /// Starts a new run: the next shortage is reported again.
  void Reset() { warned_ = false; }

  /// True when `folder` (stored or native form) is empty, its volume has
  /// more than 500 KB free, or the shortage was already reported since the
  /// last Reset.
  bool HasRoom(const std::string& folder);

  void set_query(FreeSpaceQuery query) { query_ = std::move(query); }

 private:
  FreeSpaceQuery query_;
  bool warned_ = false;
};

}  // namespace vellix
