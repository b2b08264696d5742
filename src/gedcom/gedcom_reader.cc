#include "gedcom/gedcom_reader.h"

#include <memory>
#include <utility>

#include "gedcom/gedcom_line.h"
#include "gedcom/record_store.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "run/warning_log.h"
#include "text/charset.h"
#include "text/size_format.h"
#include "text/string_ops.h"

namespace vellix {
namespace {

constexpr int kSupportRelaxedChecks = 1;
// How often the pass moves the progress bar (bytes of the image).
constexpr size_t kStepBytes = 64 * 1024;

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool IsBlank(std::string_view line) {
  for (char c : line) {
    if (c != ' ' && c != '\t' && c != '\v' && c != '\f') return false;
  }
  return true;
}

}  // namespace

GedcomReader::GedcomReader(RecordStore& store, RunEnvironment& env)
    : store_(store), env_(env) {
  SetCacheBudget(kDefaultCacheBudget);
}

GedcomReader::~GedcomReader() { CloseOutputs(); }

std::string_view GedcomReader::Image() const {
  return std::string_view(data_).substr(imageStart_);
}

void GedcomReader::ForgetFile() {
  identityKnown_ = false;
  path_.clear();
  times_ = {};
}

void GedcomReader::ClearRecords() {
  store_.Clear();
  families_.Clear();
  individuals_.Clear();
  others_.Clear();
}

void GedcomReader::Discard() {
  ClearRecords();
  dropped_.clear();
  data_.clear();
  data_.shrink_to_fit();
  imageStart_ = 0;
  imageFromUtf16_ = false;
  haveImage_ = false;
  plainIsUtf8_ = -1;
  fileSize_ = 0;
  characterSetMode_ = kCharsetNone;
  header_ = HeaderInfo();
  needsRead_ = true;
  ForgetFile();
}

void GedcomReader::CloseOutputs() {
  if (rawOut_) std::fclose(rawOut_);
  if (textOut_) std::fclose(textOut_);
  rawOut_ = nullptr;
  textOut_ = nullptr;
}

bool GedcomReader::LoadImage(const std::string& path) {
  if (!env_.files().ReadWholeFile(path, &data_)) return false;
  TakeImage();
  return true;
}

void GedcomReader::OpenImage(std::string image, const std::string& name) {
  CloseOutputs();
  Discard();
  data_ = std::move(image);
  TakeImage();
  // No file identity: the next Open of a real file reads that file.
  path_ = name;
}

// Decodes a UTF-16 image and skips a UTF-8 byte-order mark.
void GedcomReader::TakeImage() {
  fileSize_ = static_cast<int64_t>(data_.size());
  const std::string_view bytes(data_);
  if (bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                            (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
    const bool big_endian = bytes[0] == '\xFE';
    data_ = charset::Utf16BytesToUtf8(bytes.substr(2), big_endian);
    imageFromUtf16_ = true;
  } else if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    imageStart_ = 3;
  }
  // A NUL byte is no text in any character set a GEDCOM file may use; left
  // in, it would cut names and titles short in every program that reads the
  // pages as C strings. Drop them all before any line is read.
  if (data_.find('\0') != std::string::npos) std::erase(data_, '\0');
  haveImage_ = true;
}

bool GedcomReader::Open(const std::string& gedcomPath, const std::string& rawOutPath,
                        const std::string& textOutPath) {
  CloseOutputs();
  platform::FileTimes times;
  const bool have_times = env_.files().GetFileTimes(gedcomPath, &times);
  const bool unchanged = identityKnown_ && haveImage_ && gedcomPath == path_ &&
                         (!have_times || times == times_);
  std::string failed;
  if (!unchanged) {
    Discard();
    if (LoadImage(gedcomPath)) {
      identityKnown_ = true;
      path_ = gedcomPath;
      times_ = times;
    } else {
      failed = gedcomPath;
    }
  } else if (!env_.files().FileExists(gedcomPath)) {
    failed = gedcomPath;
  }
  if (failed.empty() && !rawOutPath.empty()) {
    rawOut_ = std::fopen(rawOutPath.c_str(), "wb");
    if (!rawOut_) failed = rawOutPath;
  }
  if (failed.empty() && !textOutPath.empty()) {
    textOut_ = std::fopen(textOutPath.c_str(), "w");
    if (!textOut_) failed = textOutPath;
  }
  if (failed.empty()) return true;
  env_.prompter().Show(platform::MessageIcon::kStop,
                       failed + "\n\nThis file does not exist or is not accessible.");
  CloseOutputs();
  Discard();
  return false;
}

void GedcomReader::Close(bool discard) {
  CloseOutputs();
  if (discard) Discard();
}

TagLookupContext GedcomReader::Context() const {
  TagLookupContext context;
  context.medical_tag = settings_.medical_tag;
  context.process_nonstandard_tags = settings_.process_nonstandard_tags;
  context.dialect = &dialect_;
  return context;
}

void GedcomReader::ReportUnknownTag(std::string_view tag, bool report_once) {
  if (report_once && !reported_.insert("12" + text::AsciiUpper(tag)).second) return;
  env_.warnings().Add(WarningCode::kNonstandardTagIgnored, tag);
}

TagCode GedcomReader::Lookup(std::string_view tag, bool report_once) {
  bool remapped = false;
  const TagCode code = LookupTagQuiet(tag, Context(), &remapped);
  if (remapped &&
      (!report_once || reported_.insert("13" + text::AsciiUpper(tag)).second)) {
    env_.warnings().Add(WarningCode::kNonstandardTagRemapped,
                        RemapWarningText(tag, code));
  }
  if (code == kTagUnknown) ReportUnknownTag(tag, report_once);
  return code;
}

void GedcomReader::ReportDropped(const DroppedRecord& dropped) {
  std::string record = dropped.xref;
  if (!record.empty()) record += ' ';
  record += dropped.tag;
  env_.warnings().Add(WarningCode::kRecordDropped, record, {}, {},
                      std::to_string(dropped.line));
}

bool GedcomReader::Reject(std::string_view tag) {
  if (tag == "HEADER") {
    env_.warnings().Add(WarningCode::kVerboseTags);
    env_.prompter().Show(
        platform::MessageIcon::kStop,
        path_ +
            "\n\nThis GEDCOM file appears to use verbose record tags.  VELLIX "
            "requires abbreviated tags.\n\nTo correct this, use your "
            "genealogy program and re-export your GEDCOM file.  Choose the "
            "option there for abbreviated tags.");
  } else {
    env_.warnings().Add(WarningCode::kNotGedcom);
    env_.prompter().Show(
        platform::MessageIcon::kStop,
        path_ +
            "\n\nThis file does not appear to be a GEDCOM file.\n\nEnsure the "
            "file you exported from your genealogy program is of type "
            "\"GEDCOM.\"");
  }
  needsRead_ = true;
  ForgetFile();
  return false;
}

bool GedcomReader::ReadPass(bool /*indexOnly*/, platform::Progress* progress,
                            int* outReadCount) {
  if (!needsRead_) {
    if (outReadCount) *outReadCount = readCount_;
    // The file was read by an earlier run; this run's log still says which
    // records it left out.
    for (const DroppedRecord& dropped : dropped_) ReportDropped(dropped);
    return true;
  }
  needsRead_ = false;
  ++readCount_;
  if (outReadCount) *outReadCount = readCount_;
  // A pass always starts from an empty index, even when an earlier pass
  // over this image was rejected or cancelled half-way.
  ClearRecords();
  reported_.clear();
  dropped_.clear();
  lineCount_ = 0;
  characterSetMode_ = kCharsetNone;
  header_ = HeaderInfo();

  const std::string_view image = Image();
  if (progress) {
    progress->SetPhase(
        "Reading GEDCOM file...\n (" + FormatSize(static_cast<uint64_t>(fileSize_)) + ")",
        0, static_cast<int64_t>(image.size()), true);
  }
  passStartTime_ = env_.clock().NowNanos();

  const bool relaxed = settings_.support.Has(kSupportRelaxedChecks);
  LineCursor cursor(image, max_line_);
  std::string_view line;
  size_t offset = 0;
  bool cut = false;
  bool outcome = false;
  bool seen_valid = false;
  size_t next_step = kStepBytes;
  while (cursor.Next(&line, &offset, &cut)) {
    if (progress) {
      if (progress->IsCancelled()) {
        needsRead_ = true;
        ForgetFile();
        return false;
      }
      if (offset >= next_step) {
        progress->Step(static_cast<int64_t>(offset));
        next_step = offset + kStepBytes;
      }
    }
    ++lineCount_;
    LineFields fields;
    bool valid = SplitLine(line, &fields);
    TagCode code = kTagUnknown;
    if (valid) {
      code = Lookup(fields.tag, /*report_once=*/true);
      valid = code != kTagUnknown;
    }
    if (!valid) {
      if (!seen_valid && !relaxed) return Reject(fields.tag);
      continue;
    }
    seen_valid = true;
    if (cut) {
      env_.warnings().Add(WarningCode::kLineTooLong,
                          std::to_string(lineCount_) + " " + std::string(fields.tag));
      needsRead_ = true;
      ForgetFile();
    }
    if (fields.level == 0) {
      const RecordKind kind = KindOfTag(code);
      outcome = kind != RecordKind::kNone &&
                store_.Add(kind, code, fields.tag, WithoutAtSigns(fields.xref),
                           fields.value, static_cast<int64_t>(offset)) != nullptr;
      // A record whose identifier is taken is left out: say so, as its
      // data is lost to the site (a repeated trailer carries none).
      if (kind != RecordKind::kNone && kind != RecordKind::kTrailer && !outcome) {
        DroppedRecord dropped{std::string(fields.xref), std::string(fields.tag),
                              lineCount_};
        ReportDropped(dropped);
        dropped_.push_back(std::move(dropped));
      }
    } else {
      outcome = true;
    }
  }
  if (progress) {
    progress->Step(static_cast<int64_t>(image.size()));
    // A stop asked for during the last stretch of lines still cancels.
    if (progress->IsCancelled()) {
      needsRead_ = true;
      ForgetFile();
      return false;
    }
  }
  // An empty file (or one of blank lines only) is no GEDCOM file either.
  if (!seen_valid && !relaxed) return Reject({});
  if (!outcome) {
    // Read again next time, so a failed pass never turns into a silent
    // success on an unchanged file.
    needsRead_ = true;
    return false;
  }
  DecideCharacterSet();
  return true;
}

void GedcomReader::DecideCharacterSet() {
  characterSetMode_ = kCharsetNone;
  HeaderInfo raw;
  if (!ReadHeader(&raw)) return;
  if (IsAnsel(raw)) {
    characterSetMode_ = kCharsetAnsel;
  } else if (IsUtf8(raw)) {
    characterSetMode_ = kCharsetUtf8;
  } else {
    characterSetMode_ = kCharsetPlain;
  }
  if (!settings_.support.Has(kSupportRelaxedChecks) && IsBelowVersion55(raw)) {
    env_.warnings().Add(WarningCode::kNotGedcom55);
  }
  // Keys and level-0 values were filed raw; convert them now, and reload the
  // header (it was loaded before the character set was known).
  store_.ConvertTexts([this](std::string* text) {
    if (IsAscii(*text)) return false;
    std::string converted = ConvertText(*text);
    if (converted == *text) return false;
    *text = std::move(converted);
    return true;
  });
  others_.Clear();
  ReadHeader(&header_);
}

std::string GedcomReader::ConvertText(std::string_view raw) const {
  if (IsAscii(raw)) return std::string(raw);
  if (imageFromUtf16_) return charset::SanitizeUtf8(raw);
  switch (characterSetMode_) {
    case kCharsetAnsel:
      return charset::AnselToUtf8(raw);
    case kCharsetUtf8:
      return charset::SanitizeUtf8(raw);
    default:
      if (plainIsUtf8_ < 0) {
        plainIsUtf8_ = charset::IsUtf8WithMultiByte(Image()) ? 1 : 0;
      }
      return plainIsUtf8_ ? charset::SanitizeUtf8(raw) : charset::Windows1252ToUtf8(raw);
  }
}

void GedcomReader::SetCacheBudget(size_t bytes) {
  // Individuals are loaded most often (selection, pages, index); families
  // and the other kinds share the rest.
  cacheBudget_ = bytes;
  individuals_.SetByteBudget(bytes / 2);
  families_.SetByteBudget(bytes / 4);
  others_.SetByteBudget(bytes / 4);
}

void GedcomReader::TrimCaches() {
  individuals_.TrimToCapacity();
  families_.TrimToCapacity();
  others_.TrimToCapacity();
}

GedcomRecord* GedcomReader::LoadRecord(RecordKind kind, std::string_view key, bool pin,
                                       GedcomRecord** loaded) {
  if (loaded) *loaded = nullptr;
  GedcomRecord* entry = store_.Find(kind, key);
  if (!entry) return nullptr;
  // The cache holds a record under its own key, which a pointer written in
  // another letter case still finds through the store.
  key = entry->key;
  RecordCache& cache = kind == RecordKind::kFamily       ? families_
                       : kind == RecordKind::kIndividual ? individuals_
                                                         : others_;
  if (GedcomRecord* cached = cache.Find(key)) {
    if (pin) cache.Pin(key);
    if (loaded) *loaded = cached;
    return entry;
  }
  const std::string_view image = Image();
  if (entry->fileOffset < 0 || static_cast<uint64_t>(entry->fileOffset) >= image.size()) {
    return entry;
  }
  LineCursor cursor(image, max_line_);
  cursor.Seek(static_cast<size_t>(entry->fileOffset));
  std::string_view line;
  size_t offset = 0;
  bool cut = false;
  LineFields fields;
  if (!cursor.Next(&line, &offset, &cut) || !SplitLine(line, &fields)) {
    return entry;
  }
  const TagCode record_code = Lookup(fields.tag, /*report_once=*/false);
  if (record_code == kTagUnknown) return entry;
  auto record = std::make_unique<GedcomRecord>(
      record_code, std::string(fields.tag),
      kind == RecordKind::kHeader ? std::string(kHeaderKey)
                                  : ConvertText(WithoutAtSigns(fields.xref)),
      ConvertText(fields.value), entry->fileOffset);

  // What the cache is charged for the record: its nodes and their texts.
  size_t bytes = sizeof(GedcomRecord) + record->key.size() + record->value.size();
  bool skipping = false;
  int32_t skip_level = 0;
  while (cursor.Next(&line, &offset, &cut)) {
    // A blank line carries nothing; it must not end the record or start a
    // dropped subtree.
    if (IsBlank(line)) continue;
    bool valid = SplitLine(line, &fields);
    if (skipping) {
      if (fields.level > skip_level) continue;
      skipping = false;
    }
    TagCode code = kTagUnknown;
    if (valid) {
      code = Lookup(fields.tag, /*report_once=*/false);
      valid = code != kTagUnknown;
    }
    if (!valid) {
      skipping = true;
      skip_level = fields.level;
      continue;
    }
    if (fields.level == 0) break;
    bytes += sizeof(GedcomNode) + fields.value.size();
    builder_.Add(fields.level, code, fields.tag, fields.value);
  }
  builder_.Finish(record.get(),
                  [this](std::string_view raw) { return ConvertText(raw); });

  GedcomRecord* result = cache.Put(key, std::move(record), pin, bytes);
  result->flags =
      static_cast<uint8_t>((result->flags & ~kRunMarks) | (entry->flags & kMarkSelected));
  if (entry->flags & kMarkLivingTested) {
    result->flags |= entry->flags & (kMarkLiving | kMarkLivingTested);
  }
  result->pageId = entry->pageId;
  if (loaded) *loaded = result;
  return entry;
}

bool GedcomReader::ReadHeader(HeaderInfo* out) {
  GedcomRecord* record = nullptr;
  LoadRecord(RecordKind::kHeader, kHeaderKey, false, &record);
  if (!record) return false;
  FillHeaderInfo(*record, out);
  return true;
}

}  // namespace vellix
