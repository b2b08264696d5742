// The record of derived media files a run leaves in the media folder, so that
// the next run can tell without opening a picture whether its thumbnail,
// slide image, portrait or copy is still what the options ask for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vellix::media {

/// What a derived file was made from and how.
struct DerivedEntry {
  uint64_t source_key = 0;  // SourceKey of the source and the way it was used
  uint64_t source_size = 0;
  int64_t source_modified = 0;  // nanoseconds since 1970
  int32_t max = 0;              // the size limit it was made for; 0 for copies
  uint64_t target_size = 0;     // bytes of the derived file as written
  int32_t width = 0;            // pixel size of the derived picture (0: not one)
  int32_t height = 0;
  bool animated = false;  // the source is an animated GIF (copied, not scaled)
  friend bool operator==(const DerivedEntry&, const DerivedEntry&) = default;
};

/// A stable 64-bit key for a source path and the way it is used (thumbnail
/// and slide, individual or family portrait); only this key is kept, so the
/// record published with the site shows no folder of the user's computer.
uint64_t SourceKey(std::string_view source_path, std::string_view use);

/// The entries by derived file, keyed by the path relative to the media
/// folder ("thumb/a.jpg"). Text form: a first line naming the format, then
/// one tab-separated line per file; lines that do not read are dropped.
class DerivedRecord {
 public:
  /// The record's file name in the media folder.
  static constexpr std::string_view kFileName = "vx-media.txt";

  /// Replaces the entries with those read from `text`.
  void Parse(std::string_view text);
  std::string Serialize() const;

  const DerivedEntry* Find(std::string_view target) const;
  void Put(std::string_view target, const DerivedEntry& entry);

  /// True once an entry was added or changed since Parse.
  bool changed() const { return changed_; }
  size_t size() const { return entries_.size(); }

 private:
  std::unordered_map<std::string, DerivedEntry> entries_;
  bool changed_ = false;
};

}  // namespace vellix::media
