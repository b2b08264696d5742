// Reading the OBJE structures of a GEDCOM record or fact into the items of
// a gallery: one item per object, with its file, title, date, notes,
// reference numbers, citations and scrapbook and primary marks.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "gedcom/gedcom_node.h"
#include "media/media_item.h"

namespace vellix {
class GedcomReader;
}  // namespace vellix

namespace vellix::media {

/// Which objects a collection takes.
enum class ObjectFilter {
  kScrapbookOnly,  // only objects marked as scrapbook media
  kAll,            // every object (media of facts and citations, or the
                   // option that ignores the scrapbook mark)
};

/// The items of one gallery in the order their objects were met, with the
/// counts of files read and of files read again.
///
/// With `omit_duplicates` a file met a second time is counted but not
/// listed again, so each file shows once; without it every object becomes
/// an item of its own. Two objects name the same file when their FILE
/// values agree after "/" and "\" are treated alike and ASCII letter case
/// is folded (the files are looked up on disk only when the items are
/// derived).
class MediaList {
 public:
  explicit MediaList(bool omit_duplicates = true) : omit_duplicates_(omit_duplicates) {}

  /// Adds `item`; false when it was a repeat left out.
  bool Add(MediaItem item);

  const std::vector<MediaItem>& items() const { return items_; }
  std::vector<MediaItem>& items() { return items_; }
  bool empty() const { return items_.empty(); }
  size_t size() const { return items_.size(); }
  /// Every FILE read, and those whose file had been read before.
  int files_read() const { return files_read_; }
  int repeated_files() const { return repeated_files_; }

 private:
  bool omit_duplicates_;
  std::vector<MediaItem> items_;
  std::unordered_set<std::string> seen_;
  int files_read_ = 0;
  int repeated_files_ = 0;
};

/// True for a FILE value that is a web address ("http://", "https://",
/// "ftp://", "mailto:", letter case ignored) rather than a file.
bool IsWebAddress(std::string_view value);

/// The key under which MediaList compares the files of two items.
std::string SameFileKey(const MediaItem& item);

/// Reads OBJE structures. A pointer ("1 OBJE @M1@") is followed to its
/// multimedia record through the reader (when one is given); the lines
/// below the pointer add to the record's (a primary or scrapbook mark may
/// stand on either). An object without a FILE line (an embedded BLOB)
/// gives no item.
class MediaObjectReader {
 public:
  /// `reader` loads multimedia and note records; it may be null (pointers
  /// are then not followed and pointed notes are left out).
  explicit MediaObjectReader(GedcomReader* reader) : reader_(reader) {}

  /// The item of one OBJE line; false when it names no file.
  bool Read(const GedcomNode& obje, MediaItem* item) const;

  /// Adds the object of the OBJE line `obje` to `list` as `filter` says.
  void AddObject(const GedcomNode& obje, ObjectFilter filter, MediaList* list) const;

  /// Adds the objects among `children` (the direct children of a record or
  /// fact) to `list`, as `filter` says.
  void AddObjects(const std::vector<GedcomNode>& children, ObjectFilter filter,
                  MediaList* list) const;

  /// Copies of the OBJE lines among `children` (with their subtrees), to
  /// read later when the record has left the caches.
  static std::vector<std::shared_ptr<const GedcomNode>> CopyObjects(
      const std::vector<GedcomNode>& children);

 private:
  void ReadLines(const std::vector<GedcomNode>& lines, MediaItem* item,
                 std::string* file) const;
  std::vector<std::string> NoteLines(const GedcomNode& note) const;

  GedcomReader* reader_;
};

/// A deep copy of `node` and its subtree (iterative, so hostile nesting is
/// safe).
std::unique_ptr<GedcomNode> CopyNode(const GedcomNode& node);

}  // namespace vellix::media
