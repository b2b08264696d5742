// Per-entry custom attributes (biography and narrative links, relationship
// and imported text, images with captions) kept inside the option set.
#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>

namespace vellix {

/// The custom attributes of one individual or family. For individuals the
/// link is the biography page, the text the relationship text and the image
/// the individual image; for families the narrative page, the imported text
/// file and the group image. File names are relative to the kind's folder
/// setting of the option set.
class CAttributes {
 public:
  /// Work flag: 1 when the entry was found in the current GEDCOM file. Not
  /// stored in the option set file.
  int32_t m_bMatched = 0;
  std::string m_strReference;  // the key: the entry's reference
  std::string m_strLink;
  std::string m_strText;
  std::string m_strImage;
  std::string m_strCaption;

  /// Copies the five strings of `other` (not the work flag).
  void CopyFrom(const CAttributes& other);
  /// Empties the five strings.
  void Empty();

  friend bool operator==(const CAttributes& a, const CAttributes& b) {
    return a.m_strReference == b.m_strReference && a.m_strLink == b.m_strLink &&
           a.m_strText == b.m_strText && a.m_strImage == b.m_strImage &&
           a.m_strCaption == b.m_strCaption;
  }
};

/// An ordered list of CAttributes owned by the list, with an index from
/// reference to entry (letter case significant; a later duplicate reference
/// hides an earlier one), a current entry and a restartable iterator.
/// Pointers to entries stay valid until the entry is removed.
class CAttributesList {
 public:
  using Entries = std::list<CAttributes>;

  CAttributesList() = default;
  CAttributesList(const CAttributesList& other);
  CAttributesList& operator=(const CAttributesList& other);

  /// Deletes every entry, empties the index, resets the iterator.
  void RemoveAll();
  /// Appends a new empty entry indexed under `reference` and makes it
  /// current. The reference is not copied into the entry.
  CAttributes* Add(const std::string& reference);
  /// Makes the entry indexed under `reference` current; false (and no
  /// current entry) when there is none.
  bool Find(const std::string& reference);
  /// Deletes the entry indexed under `reference` and its index key.
  bool Remove(const std::string& reference);
  /// Appends a deep copy of every entry of `other`, then rebuilds the index.
  void CopyFrom(const CAttributesList& other);
  /// Indexes every entry under its m_strReference; false when empty.
  bool RebuildIndex();
  /// Iterates from the head; after the last entry answers nullptr once and
  /// starts again at the head.
  CAttributes* GetNext();
  /// Sets m_bMatched = 0 on every entry.
  void ClearMatches();
  /// The number of entries whose m_bMatched is 0.
  int CountUnmatched() const;
  /// Deletes every entry whose m_bMatched is 0 (an earlier duplicate of a
  /// reference included) and rebuilds the index; returns how many went.
  int RemoveUnmatched();
  /// The current entry's image, then ";" and the caption when both are not
  /// empty; empty without a current entry.
  std::string GetImageText();

  CAttributes* m_pCurrent = nullptr;
  std::string m_strDisplay;  // scratch text built by GetImageText

  const Entries& entries() const { return entries_; }
  Entries& entries() { return entries_; }
  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  /// Same entries in the same order.
  friend bool operator==(const CAttributesList& a, const CAttributesList& b) {
    return a.entries_ == b.entries_;
  }

 private:
  Entries entries_;
  std::unordered_map<std::string, Entries::iterator> m_index;
  Entries::iterator m_iterPos = entries_.end();
  bool m_bRestart = true;
};

}  // namespace vellix
