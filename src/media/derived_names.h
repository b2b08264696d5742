// Names of derived files that never collide: two different sources that
// would land on the same name (the same file name in two folders, or one
// picture used both as an individual's and as a family's portrait) get
// distinct names, so neither overwrites the other.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace vellix::media {

/// Hands out relative names ("sub/a.jpg") within one folder family (the
/// thumb, slide and orig folders share one table; portraits have their
/// own). Names are compared without regard to ASCII letter case, because a
/// site is often copied to a server or disk that ignores case. One table
/// lives for one run; the same key always gets the same name.
class DerivedNames {
 public:
  /// The name for the source identified by `key` (its resolved path and use):
  /// `wanted` when it is free or already this key's, else `wanted` with "-2",
  /// "-3", ... before its extension, the first that is free.
  std::string Claim(std::string_view key, std::string_view wanted);

 private:
  std::unordered_map<std::string, std::string> owner_by_name_;  // lower-cased name
  std::unordered_map<std::string, std::string> name_by_key_;
};

}  // namespace vellix::media
