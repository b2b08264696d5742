#include "options/exchange_file.h"

#include <algorithm>
#include <array>

#include "text/charset.h"
#include "text/string_ops.h"

namespace vellix::options {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kSectionIndividuals = "Section::Individuals";
constexpr std::string_view kSectionFamilies = "Section::Families";
constexpr int kFieldCount = 5;

// One field: quoted with inner quotation marks doubled, or nothing.
void AppendField(std::string_view value, std::string* out) {
  if (value.empty()) return;
  out->push_back('"');
  for (char c : value) {
    if (c == '"') out->push_back('"');
    out->push_back(c);
  }
  out->push_back('"');
}

void AppendSection(std::string_view name, std::string_view columns,
                   const CAttributesList& list, std::string* out) {
  if (list.empty()) return;
  out->append("# ").append(name).append("\r\n");
  out->append("# ").append(columns).append("\r\n");
  std::vector<const CAttributes*> sorted;
  sorted.reserve(list.size());
  for (const CAttributes& entry : list.entries()) sorted.push_back(&entry);
  std::stable_sort(
      sorted.begin(), sorted.end(), [](const CAttributes* a, const CAttributes* b) {
        return text::AsciiLower(a->m_strReference) < text::AsciiLower(b->m_strReference);
      });
  for (const CAttributes* entry : sorted) {
    AppendField(entry->m_strReference, out);
    for (const std::string* field : {&entry->m_strLink, &entry->m_strText,
                                     &entry->m_strImage, &entry->m_strCaption}) {
      out->push_back(',');
      AppendField(*field, out);
    }
    out->append("\r\n");
  }
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Reads the text of an exchange file record by record, keeping count of
// the physical lines for messages.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  int line() const { return line_; }

  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  bool AtLineEnd() const { return AtEnd() || IsLineEnd(text_[pos_]); }
  char Peek() const { return text_[pos_]; }

  // Consumes one line end (CR LF, LF CR, LF or CR) when there is one.
  void ConsumeLineEnd() {
    if (AtEnd() || !IsLineEnd(text_[pos_])) return;
    const char first = text_[pos_++];
    if (pos_ < text_.size() && IsLineEnd(text_[pos_]) && text_[pos_] != first) ++pos_;
    ++line_;
  }

  // The rest of the physical line (without its end), consumed.
  std::string_view RestOfLine() {
    const size_t start = pos_;
    while (!AtLineEnd()) ++pos_;
    std::string_view rest = text_.substr(start, pos_ - start);
    ConsumeLineEnd();
    return rest;
  }

  // Reads the fields of one data line; false with `error` set when the line
  // is damaged.
  bool ReadFields(std::vector<std::string>* fields, ExchangeFileError* error) {
    const int start_line = line_;
    fields->clear();
    bool last_quoted = false;
    for (;;) {
      std::string field;
      // A quoted field may be preceded by blanks; an unquoted one keeps them.
      size_t look = pos_;
      while (look < text_.size() && IsBlank(text_[look])) ++look;
      if (look < text_.size() && text_[look] == '"') {
        pos_ = look + 1;
        last_quoted = true;
        if (!ReadQuoted(&field)) {
          *error = {start_line, "a quotation mark is not closed"};
          return false;
        }
        SkipBlanks();
        if (!AtLineEnd() && Peek() != ',') {
          *error = {line_, "text follows a closing quotation mark"};
          return false;
        }
      } else {
        last_quoted = false;
        const size_t begin = pos_;
        while (!AtLineEnd() && text_[pos_] != ',') ++pos_;
        field.assign(text_.substr(begin, pos_ - begin));
      }
      fields->push_back(std::move(field));
      if (AtLineEnd()) break;
      ++pos_;  // the comma
    }
    // The blanks at the end of the line belong to no value (a quoted value
    // keeps its own).
    std::string& last = fields->back();
    while (!last_quoted && !last.empty() && IsBlank(last.back())) last.pop_back();
    ConsumeLineEnd();
    return true;
  }

 private:
  // After an opening quotation mark: up to the closing one, "" standing for
  // one quotation mark; line breaks inside belong to the value.
  bool ReadQuoted(std::string* field) {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          field->push_back('"');
          pos_ += 2;
          continue;
        }
        ++pos_;
        return true;
      }
      if (c == '\n' ||
          (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) {
        ++line_;
      }
      field->push_back(c);
      ++pos_;
    }
    return false;
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

enum class Section { kNone, kIndividuals, kFamilies };

}  // namespace

std::string ExchangeFileText(const CAttributesList& individuals,
                             const CAttributesList& families) {
  std::string out =
      "# VELLIX Custom Attributes\r\n"
      "# Embed quotation marks (\") by using double quotation marks (\"\").\r\n"
      "# Example: \"John \"\"Jack\"\" Doe\"\r\n";
  AppendSection(kSectionIndividuals, "Reference,Biography,Relationship,Image,Caption",
                individuals, &out);
  AppendSection(kSectionFamilies, "Reference,Narrative,Import,Image,Caption", families,
                &out);
  return out;
}

std::string EncodeExchangeFile(std::string_view utf8) {
  bool all_fit = false;
  std::string narrow = charset::Utf8ToWindows1252(utf8, &all_fit);
  // Windows-1252 bytes that also read as UTF-8 ("Ã©" is C3 A9, the UTF-8
  // form of "é") would be read back as UTF-8 and change the text: such a
  // text is written as UTF-8 with its mark.
  if (all_fit && !charset::IsUtf8WithMultiByte(narrow)) return narrow;
  std::string out(kUtf8Mark);
  out.append(utf8);
  return out;
}

bool IsExchangeFile(std::string_view head) {
  return head.substr(0, kExchangeMarkWindow).find(kExchangeFileMark) !=
         std::string_view::npos;
}

bool DecodeExchangeFile(std::string_view bytes, std::string* utf8,
                        ExchangeFileError* error) {
  utf8->clear();
  if (bytes.find('\0') != std::string_view::npos) {
    *error = {0, "the file holds binary data"};
    return false;
  }
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    bytes.remove_prefix(kUtf8Mark.size());
    if (!charset::IsValidUtf8(bytes)) {
      *error = {0, "the file says it is UTF-8 text but is not"};
      return false;
    }
    utf8->assign(bytes);
    return true;
  }
  // A file saved by a spreadsheet as UTF-8 without the mark is still UTF-8.
  if (charset::IsUtf8WithMultiByte(bytes)) {
    utf8->assign(bytes);
  } else {
    *utf8 = charset::Windows1252ToUtf8(bytes);
  }
  return true;
}

bool ParseExchangeFile(std::string_view utf8, ExchangeEntries* entries,
                       ExchangeFileError* error) {
  ExchangeEntries parsed;
  RecordReader reader(utf8);
  Section section = Section::kNone;
  std::vector<std::string> fields;
  while (!reader.AtEnd()) {
    reader.SkipBlanks();
    if (reader.AtLineEnd()) {
      reader.ConsumeLineEnd();
      continue;
    }
    if (reader.Peek() == '#') {
      const std::string_view comment = reader.RestOfLine();
      if (comment.find(kSectionIndividuals) != std::string_view::npos) {
        section = Section::kIndividuals;
      } else if (comment.find(kSectionFamilies) != std::string_view::npos) {
        section = Section::kFamilies;
      }
      continue;
    }
    const int line = reader.line();
    if (!reader.ReadFields(&fields, error)) return false;
    if (section == Section::kNone) continue;
    fields.resize(std::max<size_t>(fields.size(), kFieldCount));
    const bool all_empty = std::all_of(fields.begin(), fields.begin() + kFieldCount,
                                       [](const std::string& f) { return f.empty(); });
    if (all_empty) continue;  // a blank spreadsheet row
    if (fields[0].empty()) {
      *error = {line, "the entry has no reference"};
      return false;
    }
    CAttributes entry;
    entry.m_strReference = std::move(fields[0]);
    entry.m_strLink = std::move(fields[1]);
    entry.m_strText = std::move(fields[2]);
    entry.m_strImage = std::move(fields[3]);
    entry.m_strCaption = std::move(fields[4]);
    (section == Section::kIndividuals ? parsed.individuals : parsed.families)
        .push_back(std::move(entry));
  }
  *entries = std::move(parsed);
  return true;
}

void MergeExchangeEntries(const ExchangeEntries& entries, CAttributesList& individuals,
                          CAttributesList& families) {
  const auto merge = [](const std::vector<CAttributes>& from, CAttributesList& into) {
    for (const CAttributes& entry : from) {
      CAttributes* target = into.Find(entry.m_strReference)
                                ? into.m_pCurrent
                                : into.Add(entry.m_strReference);
      target->CopyFrom(entry);
    }
  };
  merge(entries.individuals, individuals);
  merge(entries.families, families);
}

}  // namespace vellix::options
