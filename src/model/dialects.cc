#include "model/dialects.h"

#include <ini.h>

#include <utility>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "model/run_context.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "text/charset.h"
#include "text/string_ops.h"

namespace vellix {

const std::string_view kMarkerKeys[text::kMarkerCount] = {
    "BoldB", "BoldE", "ItalicB", "ItalicE", "UnderB", "UnderE",
    "CapB",  "CapE",  "SupB",    "SupE",    "SubB",   "SubE"};

namespace {

/// The seven tag keys of a section, their default tags and their codes.
struct TagKey {
  std::string_view key;
  std::string_view default_tag;
  TagCode code;
};
constexpr TagKey kTagKeys[] = {{"Template", "_TMPLT", kTagTemplate},
                               {"Bibliography", "_BIBL", kTagBibliography},
                               {"Field", "FIELD", kTagField},
                               {"Value", "VALUE", kTagValue},
                               {"Scrapbook", "_SCBK", kTagScrapbook},
                               {"Primary", "_PRIM", kTagPrimary},
                               {"Date", "_DATE", kTagDate}};

/// One section of the file as read: its name and its keys in file order.
struct RawSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;

  /// The value of the first `key` (any letter case), or nullptr.
  const std::string* Get(std::string_view key) const {
    for (const auto& entry : keys) {
      if (text::EqualsNoCase(entry.first, key)) return &entry.second;
    }
    return nullptr;
  }
};

/// inih hands the text to us line by line through ReadLine, so the parse
/// can see every section header itself: inih reports only keys (a section
/// without keys would vanish) and cuts long section names. The keys inih
/// reports belong to the section whose header ReadLine delivered last, since
/// inih finishes each line before it asks for the next.
struct ParseState {
  std::string_view text;
  size_t pos = 0;
  bool at_line_start = true;
  std::vector<RawSection> sections;
  int current = -1;  // index into sections; -1 before the first header
};

void NoteSectionHeader(ParseState* state, std::string_view line) {
  while (!line.empty() && text::IsAsciiSpace(line.back())) line.remove_suffix(1);
  if (line.empty() || line.front() != '[') return;
  size_t close = line.find(']');
  if (close == std::string_view::npos) return;  // not a header; inih skips it too
  std::string_view name = line.substr(1, close - 1);
  while (!name.empty() && text::IsAsciiSpace(name.front())) name.remove_prefix(1);
  while (!name.empty() && text::IsAsciiSpace(name.back())) name.remove_suffix(1);
  if (name.empty()) {
    state->current = -1;  // keys of a nameless section belong to no dialect
    return;
  }
  // A repeated section continues the first one of that name.
  for (size_t i = 0; i < state->sections.size(); ++i) {
    if (text::EqualsNoCase(state->sections[i].name, name)) {
      state->current = static_cast<int>(i);
      return;
    }
  }
  state->sections.push_back(RawSection{std::string(name), {}});
  state->current = static_cast<int>(state->sections.size()) - 1;
}

/// fgets over the text. Indentation is dropped at the start of every line,
/// so an indented key reads as a key (as Windows reads it) and never as a
/// continuation of the previous value.
char* ReadLine(char* buffer, int size, void* stream) {
  auto* state = static_cast<ParseState*>(stream);
  if (size < 2) return nullptr;
  const bool line_start = state->at_line_start;
  if (line_start) {
    while (state->pos < state->text.size() &&
           (state->text[state->pos] == ' ' || state->text[state->pos] == '\t')) {
      ++state->pos;
    }
  }
  if (state->pos >= state->text.size()) return nullptr;
  size_t n = 0;
  while (state->pos < state->text.size() && n + 1 < static_cast<size_t>(size)) {
    char c = state->text[state->pos++];
    buffer[n++] = c;
    if (c == '\n') break;
  }
  buffer[n] = '\0';
  state->at_line_start = buffer[n - 1] == '\n';
  if (line_start) NoteSectionHeader(state, std::string_view(buffer, n));
  return buffer;
}

int HandleKey(void* user, const char* /*section*/, const char* name, const char* value) {
  auto* state = static_cast<ParseState*>(user);
  if (state->current < 0 || name == nullptr) return 1;
  state->sections[state->current].keys.emplace_back(name, value ? value : "");
  return 1;
}

/// The text as UTF-8 with LF line ends: UTF-16 (with byte-order mark)
/// decoded, a UTF-8 byte-order mark dropped, 8-bit text read as
/// Windows-1252, CR LF and lone CR turned into LF, NUL bytes into spaces.
std::string NormalizeText(std::string_view raw) {
  std::string text;
  if (raw.size() >= 2 && static_cast<unsigned char>(raw[0]) == 0xFF &&
      static_cast<unsigned char>(raw[1]) == 0xFE) {
    text = charset::Utf16BytesToUtf8(raw.substr(2), false);
  } else if (raw.size() >= 2 && static_cast<unsigned char>(raw[0]) == 0xFE &&
             static_cast<unsigned char>(raw[1]) == 0xFF) {
    text = charset::Utf16BytesToUtf8(raw.substr(2), true);
  } else {
    if (raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
    text = charset::IsValidUtf8(raw) ? std::string(raw) : charset::Windows1252ToUtf8(raw);
  }
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c == '\0' ? ' ' : c;
    }
  }
  return out;
}

/// A value with one pair of matching surrounding quotes removed, as Windows
/// INI reading does; quotes let a marker keep leading or trailing blanks.
std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

/// The leading integer of `value` (blanks, an optional sign, digits), or
/// `fallback` when there is none. Saturates far beyond any ordinal.
int32_t ReadInt(const RawSection& section, std::string_view key, int32_t fallback) {
  const std::string* raw = section.Get(key);
  if (raw == nullptr) return fallback;
  std::string value = Unquote(*raw);
  size_t i = 0;
  while (i < value.size() && text::IsAsciiSpace(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) {
    negative = value[i] == '-';
    ++i;
  }
  if (i >= value.size() || value[i] < '0' || value[i] > '9') return fallback;
  int64_t number = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    if (number < 1000000000) number = number * 10 + (value[i] - '0');
  }
  return static_cast<int32_t>(negative ? -number : number);
}

GedcomDialect DialectFromSection(const RawSection& section) {
  GedcomDialect dialect;
  dialect.name = section.name;
  dialect.ordinal = ReadInt(section, "Ordinal", 1);
  if (dialect.ordinal < 0) dialect.ordinal = 1;
  if (dialect.ordinal > kMaxDialectOrdinal) dialect.ordinal = kMaxDialectOrdinal;
  dialect.code = ReadInt(section, "Code", 0);
  if (dialect.code != 0 && dialect.code != 1) dialect.code = 0;
  for (const TagKey& key : kTagKeys) {
    const std::string* raw = section.Get(key.key);
    std::string tag = raw ? Unquote(*raw) : std::string();
    dialect.tagMap.Set(tag.empty() ? key.default_tag : std::string_view(tag), key.code);
  }
  for (int id = 0; id < text::kMarkerCount; ++id) {
    const std::string* raw = section.Get(kMarkerKeys[id]);
    if (raw == nullptr) continue;
    std::string marker = Unquote(*raw);
    // A marker of blanks only would turn every blank of a note into an
    // element; it counts as no marker.
    bool blank = true;
    for (char c : marker) blank = blank && text::IsAsciiSpace(c);
    if (!blank) dialect.markers.Set(id, std::move(marker));
  }
  return dialect;
}

}  // namespace

GedcomDialect GedcomDialect::BuiltIn() {
  GedcomDialect dialect;
  dialect.name = std::string(kDefaultDialectName);
  dialect.tagMap = DialectTags::Default();
  return dialect;
}

std::string_view GedcomDialect::TagOf(TagCode code) const {
  for (const auto& [tag, tag_code] : tagMap.entries()) {
    if (tag_code == code) return tag;
  }
  return {};
}

bool HasMarkers(const GedcomDialect& dialect) { return dialect.markers.HasMarkers(); }

DialectTags DialectTagsOf(const GedcomDialect& dialect) { return dialect.tagMap; }

DialectTable::DialectTable() : current_(GedcomDialect::BuiltIn()) {
  dialects_.emplace(0, GedcomDialect::BuiltIn());
}

bool DialectTable::LoadFile(const std::string& path) {
  std::string data;
  if (path.empty() || !platform::ReadWholeFile(path, &data)) {
    LoadText({});
    return false;
  }
  LoadText(data);
  return true;
}

void DialectTable::LoadText(std::string_view raw) {
  loaded_ = true;
  dialects_.clear();
  dialects_.emplace(0, GedcomDialect::BuiltIn());
  current_ = GedcomDialect::BuiltIn();

  const std::string text = NormalizeText(raw);
  ParseState state;
  state.text = text;
  // Lines inih cannot parse are skipped; what it could read still counts.
  ini_parse_stream(&ReadLine, &state, &HandleKey, &state);
  for (const RawSection& section : state.sections) {
    GedcomDialect dialect = DialectFromSection(section);
    // The first dialect filed under an ordinal is the one selection finds;
    // the built-in dialect holds 0.
    dialects_.emplace(dialect.ordinal, std::move(dialect));
  }
}

const GedcomDialect* DialectTable::Find(int32_t ordinal) const {
  auto it = dialects_.find(ordinal);
  return it == dialects_.end() ? nullptr : &it->second;
}

const GedcomDialect& DialectTable::Select(int32_t ordinal) {
  const GedcomDialect* found = Find(ordinal);
  current_ = found ? *found : dialects_.at(0);
  return current_;
}

int32_t DialectTable::Code(int32_t ordinal) const {
  const GedcomDialect* found = Find(ordinal);
  return found ? found->code : 0;
}

bool DialectTable::Next(int32_t after, int32_t* ordinal, std::string* name) const {
  auto it = dialects_.upper_bound(after);
  if (it == dialects_.end()) return false;
  if (ordinal) *ordinal = it->first;
  if (name) *name = it->second.name;
  return true;
}

bool DialectTable::EnsureLoaded(const std::string& path) {
  if (!loaded_) read_file_ = LoadFile(path);
  return read_file_;
}

int SelectDialectForRun(RunContext& ctx) {
  ctx.dialects.EnsureLoaded(platform::FindResource("gedcom.ini", ctx.env.app_folder()));
  const GedcomDialect& dialect = ctx.dialects.Select(ctx.options.m_nSpecialProcessing);
  // Records the reader kept from an earlier run of an unchanged file were
  // parsed with the tags of the dialect selected then; when those differ,
  // the file must be read again or its cached records keep the old codes.
  if (ctx.reader.readCount() > 0 &&
      ctx.reader.dialectTags().entries() != dialect.tagMap.entries()) {
    ctx.reader.RequireReread();
  }
  ctx.reader.SetDialectTags(DialectTagsOf(dialect));
  return dialect.code;
}

std::string DialectNameOf(int32_t ordinal, const std::string& app_folder) {
  DialectTable table;
  const std::string ini = platform::FindResource("gedcom.ini", app_folder);
  if (!ini.empty()) table.LoadFile(ini);
  const GedcomDialect* dialect = table.Find(ordinal);
  return dialect != nullptr ? dialect->name : std::string(kDefaultDialectName);
}

}  // namespace vellix
