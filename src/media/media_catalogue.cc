#include "media/media_catalogue.h"

#include <ini.h>

#include "media/builtin_icons.h"
#include "media/media_files.h"
#include "platform/app_paths.h"
#include "text/string_ops.h"

namespace vellix::media {
namespace {

constexpr std::string_view kDefaultKind = "default";
constexpr std::string_view kFallbackIcon = "icon-media.jpg";
constexpr size_t kMaxIniBytes = 1 << 20;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text::IsAsciiSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && text::IsAsciiSpace(text.back())) text.remove_suffix(1);
  return text;
}

/// inih reports keys with their section's name but not the section headers
/// themselves, so a repeated section would look like a continuation of the
/// first. The parse therefore reads the text through ReadLine, which sees
/// every header line: keys count only while the current header is the first
/// one of its name. inih finishes each line before asking for the next, so
/// the header noted last is the one the keys belong to.
struct ParseState {
  std::string_view text;
  size_t pos = 0;
  bool at_line_start = true;
  std::map<std::string, MediaKind>* kinds = nullptr;
  std::map<std::string, int> first_header;  // section name -> header number
  int headers = 0;
  MediaKind* current = nullptr;  // nullptr: keys are ignored
};

void NoteHeader(ParseState* state, std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return;  // inih does not take it either
  ++state->headers;
  const std::string name = text::AsciiLower(Trim(line.substr(1, close - 1)));
  state->current = nullptr;
  if (name.empty()) return;
  auto [it, first] = state->first_header.try_emplace(name, state->headers);
  if (!first) return;  // a section met again is ignored
  MediaKind& kind = (*state->kinds)[name];
  kind.name = name;
  state->current = &kind;
}

char* ReadLine(char* buffer, int size, void* stream) {
  auto* state = static_cast<ParseState*>(stream);
  if (size < 2 || state->pos >= state->text.size()) return nullptr;
  const bool line_start = state->at_line_start;
  if (line_start) {
    // Indented keys are keys (as Windows reads them), never continuations.
    while (state->pos < state->text.size() &&
           (state->text[state->pos] == ' ' || state->text[state->pos] == '\t')) {
      ++state->pos;
    }
    if (state->pos >= state->text.size()) return nullptr;
  }
  size_t n = 0;
  while (state->pos < state->text.size() && n + 1 < static_cast<size_t>(size)) {
    const char c = state->text[state->pos++];
    buffer[n++] = c;
    if (c == '\n') break;
  }
  buffer[n] = '\0';
  state->at_line_start = buffer[n - 1] == '\n';
  if (line_start) NoteHeader(state, std::string_view(buffer, n));
  return buffer;
}

int HandleKey(void* user, const char*, const char* key, const char* value) {
  auto* state = static_cast<ParseState*>(user);
  if (state->current == nullptr || key == nullptr) return 1;
  const std::string name = text::AsciiLower(key);
  std::string* field = name == "mime"     ? &state->current->mime
                       : name == "icon"   ? &state->current->icon
                       : name == "object" ? &state->current->object
                                          : nullptr;
  // The first value of a key wins, as the Windows INI functions read it.
  if (field != nullptr && field->empty()) *field = std::string(Trim(value ? value : ""));
  return 1;
}

std::optional<std::string> ReadTemplateResource(std::string_view name,
                                                const std::string& app_folder) {
  const std::string path = platform::FindResource(name, app_folder);
  if (path.empty()) return std::nullopt;
  return ReadFilePrefix(path, kMaxTemplateBytes);
}

}  // namespace

std::string NormalizeTemplate(std::string_view text) {
  if (text.size() > kMaxTemplateBytes) {
    size_t cut = kMaxTemplateBytes;
    // Step back over continuation bytes so no character is split.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text = text.substr(0, cut);
  }
  std::string out(text);
  if (out.find("\r\n") == std::string::npos) text::ReplaceAll(&out, "\n", "\r\n");
  return out;
}

void MediaCatalogue::Load(const std::string& app_folder) {
  const std::string path = platform::FindResource("multimedia.ini", app_folder);
  std::optional<std::string> ini;
  if (!path.empty()) ini = ReadFilePrefix(path, kMaxIniBytes);
  LoadFromText(ini.value_or(std::string()), [&app_folder](std::string_view name) {
    return ReadTemplateResource(name, app_folder);
  });
}

void MediaCatalogue::LoadFromText(std::string_view ini, const TemplateReader& reader) {
  kinds_.clear();
  templates_.clear();
  ParseState state;
  state.text = ini;
  state.kinds = &kinds_;
  ini_parse_stream(ReadLine, &state, HandleKey, &state);
  for (const auto& [name, kind] : kinds_) {
    if (kind.object.empty()) continue;
    const std::string key = text::AsciiLower(kind.object);
    if (templates_.count(key)) continue;
    // A template that cannot be read is forgotten: its kinds use the
    // built-in one.
    if (std::optional<std::string> text = reader(kind.object)) {
      templates_.emplace(key, NormalizeTemplate(*text));
    }
  }
  loaded_ = true;
}

const MediaKind* MediaCatalogue::Find(std::string_view name) const {
  auto it = kinds_.find(text::AsciiLower(Trim(name)));
  return it == kinds_.end() ? nullptr : &it->second;
}

IconChoice MediaCatalogue::IconFor(std::string_view extension) const {
  std::string name;
  for (const MediaKind* kind : {Find(extension), Find(kDefaultKind)}) {
    if (kind != nullptr && !kind->icon.empty()) {
      name = kind->icon;
      break;
    }
  }
  if (name.empty()) name = kFallbackIcon;
  return IconChoice{name, IsBuiltinIcon(name)};
}

KindInfo MediaCatalogue::KindFor(std::string_view extension) const {
  const MediaKind* kind = Find(extension);
  if (kind == nullptr) kind = Find(kDefaultKind);
  KindInfo info;
  info.icon = IconFor(extension).name;
  info.template_text = std::string(kBuiltinTemplate);
  if (kind == nullptr) return info;
  info.mime = kind->mime;
  if (!kind->object.empty()) {
    auto it = templates_.find(text::AsciiLower(kind->object));
    if (it != templates_.end()) info.template_text = it->second;
  }
  return info;
}

const std::string& MediaCatalogue::BuiltinIcon(std::string_view name) const {
  std::lock_guard<std::mutex> lock(icons_mutex_);
  const std::string key = text::AsciiLower(name);
  auto it = icons_.find(key);
  if (it == icons_.end()) it = icons_.emplace(key, DrawBuiltinIcon(key)).first;
  return it->second;
}

}  // namespace vellix::media
