#include "engine/gendex_file.h"

#include <utility>

#include "text/charset.h"
#include "run/warning_log.h"
#include "platform/file_system.h"
#include "text/paths.h"

namespace vellix {
namespace {

// Lines are gathered and written in blocks of about this size.
constexpr size_t kFlushSize = 1 << 20;

}  // namespace

GendexFile::GendexFile(std::string destFolder, RunStatistics& statistics)
    : dest_folder_(std::move(destFolder)), statistics_(statistics) {}

GendexFile::~GendexFile() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string GendexFile::path() const {
  std::string stored = dest_folder_;
  text::AddBackslash(&stored, true);
  return platform::NativePath(stored + kGendexFileName);
}

bool GendexFile::Open() {
  if (file_ != nullptr) std::fclose(file_);
  buffer_.clear();
  bytes_ = 0;
  file_ = std::fopen(path().c_str(), "wb");
  if (file_ == nullptr) {
    Warnings().Add(5, kGendexFileName);
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
  bytes_ += std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  buffer_.clear();
}

void GendexFile::Close() {
  if (file_ == nullptr) return;
  Flush();
  std::fclose(file_);
  file_ = nullptr;
  statistics_.CountFile(FileGroup::kOther, bytes_);
}

}  // namespace vellix
