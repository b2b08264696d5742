#include "engine/gendex_file.h"

#include <utility>

#include "platform/file_system.h"
#include "run/warning_log.h"
#include "text/charset.h"
#include "text/paths.h"

namespace vellix {
namespace {

// Lines are gathered and written in blocks of about this size.
constexpr size_t kFlushSize = 1 << 20;

}  // namespace

GendexFile::GendexFile(RunEnvironment& env, std::string destFolder,
                       RunStatistics& statistics)
    : env_(env), dest_folder_(std::move(destFolder)), statistics_(statistics) {}

GendexFile::~GendexFile() = default;

std::string GendexFile::path() const {
  std::string stored = dest_folder_;
  text::AddBackslash(&stored, true);
  return platform::NativePath(stored + kGendexFileName);
}

bool GendexFile::Open() {
  file_.reset();
  buffer_.clear();
  bytes_ = 0;
  file_ = env_.files().OpenForWriting(path());
  if (file_ == nullptr) {
    env_.warnings().Add(WarningCode::kFileNotWritten, kGendexFileName);
    return false;
  }
  return true;
}

std::string GendexFile::FormatLine(const GendexEntry& entry) {
  std::string line;
  line.reserve(entry.pageFile.size() + 2 * entry.surname.size() + entry.given.size() +
               entry.suffix.size() + entry.birthDate.size() + entry.birthPlace.size() +
               entry.deathDate.size() + entry.deathPlace.size() + 16);
  line += entry.pageFile;
  line += '|';
  line += entry.surname;
  line += '|';
  line += entry.given;
  if (!entry.given.empty()) line += ' ';
  line += '/';
  line += entry.surname;
  line += '/';
  if (!entry.suffix.empty()) line += ' ';
  line += entry.suffix;
  line += '|';
  line += entry.birthDate;
  line += '|';
  line += entry.birthPlace;
  line += '|';
  line += entry.deathDate;
  line += '|';
  line += entry.deathPlace;
  line += "|\r\n";
  return line;
}

void GendexFile::Write(const GendexEntry& entry) {
  if (file_ == nullptr) return;
  buffer_ += charset::Utf8ToWindows1252(FormatLine(entry));
  if (buffer_.size() >= kFlushSize) Flush();
}

void GendexFile::Flush() {
  if (file_ == nullptr || buffer_.empty()) return;
  if (file_->Write(buffer_)) bytes_ += buffer_.size();
  buffer_.clear();
}

void GendexFile::Close() {
  if (file_ == nullptr) return;
  Flush();
  file_->Close();
  file_.reset();
  statistics_.CountFile(FileGroup::kOther, bytes_);
}

}  // namespace vellix
