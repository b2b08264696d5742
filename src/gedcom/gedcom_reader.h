// Reading a GEDCOM file: the reading pass that files level-0 records in the
// record store, and loading whole records on demand.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "gedcom/gedcom_record.h"
#include "gedcom/header_info.h"
#include "gedcom/record_cache.h"
#include "gedcom/tag_table.h"
#include "platform/file_system.h"
#include "platform/progress.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"

namespace vellix {

class RecordStore;

/// The option-set and settings values the reader depends on.
struct ReaderSettings {
  /// "Nonstandard tag for medical notes"; empty matches no tag.
  std::string medical_tag = "_MDCL";
  /// "Process nonstandard tags": an underscore tag is read as the standard
  /// tag after the underscore.
  bool process_nonstandard_tags = false;
  /// Flag 1 relaxes the first-line and version checks.
  platform::SupportFlags support;
};

/// How values are converted to UTF-8 (characterSetMode).
enum CharacterSetMode : int {
  kCharsetNone = 0,   // header not read (yet)
  kCharsetPlain = 1,  // 8-bit text: UTF-8 when the file is, else Windows-1252
  kCharsetAnsel = 2,
  kCharsetUtf8 = 3,
};

/// The engine's GEDCOM reader. Open reads the whole file into memory once
/// (a UTF-16 file is decoded to UTF-8 there, a UTF-8 byte-order mark is
/// skipped); ReadPass files every level-0 line in the record store with its
/// offset in that image; LoadRecord parses whole records from the image into
/// three small caches. The image stays until a later Open finds the file
/// changed, so a file edited or removed after the pass never harms
/// LoadRecord. Owned by the Generator; `store` and `env` must outlive the
/// reader. Messages go to the environment's prompter, warnings to its
/// warning list, file reads through its file access.
class GedcomReader {
 public:
  /// Lines longer than this are handed out in pieces with warning 17.
  static constexpr size_t kMaxLineLength = 16u << 20;

  /// What the record caches may hold by default: a file of some ten
  /// thousand people stays parsed for the whole run (a file of 30,000 costs
  /// under 2 % more instructions than with twice the room), while a run of a
  /// million people stays within about 1 GB.
  static constexpr size_t kDefaultCacheBudget = 32u << 20;

  GedcomReader(RecordStore& store, RunEnvironment& env);
  ~GedcomReader();
  GedcomReader(const GedcomReader&) = delete;
  GedcomReader& operator=(const GedcomReader&) = delete;

  void SetSettings(const ReaderSettings& s) { settings_ = s; }
  /// The selected dialect's tag map ("Normal (Default)" until replaced).
  void SetDialectTags(DialectTags tags) { dialect_ = std::move(tags); }
  const DialectTags& dialectTags() const { return dialect_; }
  /// Lowers the line length bound (for tests of the over-long line).
  void SetMaxLineLength(size_t length) { max_line_ = length ? length : 1; }

  /// Prepares reading `gedcomPath` (native form). When the file changed
  /// since the last successful pass (path, creation and last-write times),
  /// every record and cache is discarded and the file is read into memory.
  /// The optional output paths are created for writing. On failure shows
  /// "<path>\n\nThis file does not exist or is not accessible.", discards
  /// everything and returns false.
  bool Open(const std::string& gedcomPath, const std::string& rawOutPath = {},
            const std::string& textOutPath = {});
  /// Makes `image` (the bytes of a GEDCOM file) the file to read, as Open
  /// does for a file that changed; `name` stands for the file in messages.
  /// The next ReadPass reads it. For tests and for callers that hold the
  /// file in memory.
  void OpenImage(std::string image, const std::string& name);
  /// Closes the output files; with `discard` also drops every record, the
  /// caches, the file image and the remembered file identity.
  void Close(bool discard);

  /// The reading pass (skipped, with true, when the file was already read
  /// and has not changed). Returns false for a rejected file, on cancel, or
  /// when the last line handled was not filed. `outReadCount` (when given)
  /// receives the number of passes made.
  bool ReadPass(bool indexOnly, platform::Progress* progress, int* outReadCount);

  /// Memory the record caches may fill beyond their counts (split between
  /// individuals, families and the other kinds); 0 keeps exactly 25
  /// families, 20 individuals and 10 other records.
  void SetCacheBudget(size_t bytes);
  /// Gives back the memory of the record caches beyond their counts (the
  /// newest records stay, and pointers to them): for a phase that needs no
  /// records while it holds much memory of its own.
  void TrimCaches();
  size_t cacheBudget() const { return cacheBudget_; }
  /// True when the individuals loaded so far did not all fit in the cache.
  bool IndividualsOutgrewCache() const { return individuals_.overflowed(); }

  /// The index entry of (kind, key), or nullptr; `loaded` (when given)
  /// receives the whole record from the cache (nullptr when there is no
  /// entry or its line cannot be read). With `pin` the key stays cached.
  GedcomRecord* LoadRecord(RecordKind kind, std::string_view key, bool pin,
                           GedcomRecord** loaded);

  /// Makes the next Open read the file again although it did not change
  /// (after a cancelled run, whose records may be incomplete).
  void RequireReread() {
    needsRead_ = true;
    ForgetFile();
  }

  /// Loads the header record and fills `out`; false without a header.
  bool ReadHeader(HeaderInfo* out);
  const HeaderInfo& header() const { return header_; }

  /// Converts raw file text to UTF-8 by the file's character set; the
  /// converter every value goes through.
  std::string ConvertText(std::string_view raw) const;

  int characterSetMode() const { return characterSetMode_; }
  int64_t fileSize() const { return fileSize_; }
  int readCount() const { return readCount_; }
  /// When the last reading pass started (the clock's nanoseconds), 0 before
  /// the first; the media time stamp of the run that made it.
  int64_t passStartTime() const { return passStartTime_; }
  RecordStore& store() { return store_; }
  /// The output files opened by Open (nullptr when not asked for).
  std::FILE* rawOut() const { return rawOut_; }
  std::FILE* textOut() const { return textOut_; }

 private:
  std::string_view Image() const;
  /// Empties the record store and the three caches.
  void ClearRecords();
  void Discard();
  void ForgetFile();
  void CloseOutputs();
  bool LoadImage(const std::string& path);
  void TakeImage();
  void DecideCharacterSet();
  TagLookupContext Context() const;
  TagCode Lookup(std::string_view tag, bool report_once);
  void ReportUnknownTag(std::string_view tag, bool report_once);
  bool Reject(std::string_view tag);
  /// A level-0 record the store refused (its identifier was taken).
  struct DroppedRecord {
    std::string xref;  // as written, with its at signs; empty when none
    std::string tag;
    int64_t line = 0;
  };
  void ReportDropped(const DroppedRecord& dropped);

  RecordStore& store_;
  RunEnvironment& env_;
  ReaderSettings settings_;
  int64_t passStartTime_ = 0;
  DialectTags dialect_ = DialectTags::Default();
  size_t max_line_ = kMaxLineLength;

  // The file image and where its text starts (after a UTF-8 byte-order mark).
  std::string data_;
  size_t imageStart_ = 0;
  bool imageFromUtf16_ = false;
  bool haveImage_ = false;
  mutable int plainIsUtf8_ = -1;  // decided once per file image

  // Identity of the file read last.
  bool identityKnown_ = false;
  std::string path_;
  platform::FileTimes times_;

  int64_t fileSize_ = 0;
  int characterSetMode_ = kCharsetNone;
  bool needsRead_ = true;
  int readCount_ = 0;
  int64_t lineCount_ = 0;
  std::FILE* rawOut_ = nullptr;
  std::FILE* textOut_ = nullptr;

  RecordCache families_{25};
  RecordCache individuals_{20};
  size_t cacheBudget_ = 0;
  RecordCache others_{10};
  // Reused by every LoadRecord, so its work lists are allocated once.
  TreeBuilder builder_;
  HeaderInfo header_;
  // Tags already reported during the current pass (folded to upper case).
  std::unordered_set<std::string> reported_;
  // Records the last pass left out, reported again by runs that reuse it.
  std::vector<DroppedRecord> dropped_;
};

}  // namespace vellix
