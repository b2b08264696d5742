#include "options/option_ini.h"

#include <ini.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "options/extras_settings.h"
#include "options/option_catalog.h"
#include "options/option_keys.h"
#include "platform/app_paths.h"

namespace vellix::options {
namespace {

// Quoted pieces are cut at about this many bytes of escaped text.
constexpr size_t kPieceLength = 96;
constexpr std::string_view kIndent = "    ";
// Longer caption and choices comments put each choice on its own line.
constexpr size_t kChoicesOnOneLine = 80;

// The fact labels that always show another label: reading them is
// redirected, so setting them would have no effect.
bool IsRedirectedLabel(const Setting& setting) {
  return setting.type == SettingType::kFactLabel &&
         (setting.index == 52 || setting.index == 59 || setting.index == 61);
}

bool IsText(const Setting& setting) {
  return setting.type == SettingType::kString || setting.type == SettingType::kFactLabel;
}

// The escaped form of `text`, cut into pieces: after each line break of the
// text, and where a piece grows longer than kPieceLength (never inside an
// escape or a UTF-8 sequence).
std::vector<std::string> EscapedPieces(std::string_view text) {
  std::vector<std::string> pieces(1);
  char hex[8];
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool starts_character = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (starts_character && pieces.back().size() >= kPieceLength) pieces.emplace_back();
    std::string& piece = pieces.back();
    switch (c) {
      case '\\':
        piece += "\\\\";
        break;
      case '"':
        piece += "\\\"";
        break;
      case '\n':
        piece += "\\n";
        if (i + 1 < text.size()) pieces.emplace_back();
        break;
      case '\r':
        piece += "\\r";
        break;
      case '\t':
        piece += "\\t";
        break;
      case ';':
        // After a blank the INI reader would take the rest for a comment.
        piece += !piece.empty() && (piece.back() == ' ') ? "\\;" : ";";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
          piece += hex;
        } else {
          piece += c;
        }
    }
  }
  return pieces;
}

// `value` in quoted pieces, each further piece on an indented line.
void AppendQuoted(std::string* out, const std::string& value) {
  const std::vector<std::string> pieces = EscapedPieces(value);
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) {
      *out += '\n';
      *out += kIndent;
    }
    *out += '"' + pieces[i] + '"';
  }
}

void AppendValue(std::string* out, const Setting& setting, const std::string& value) {
  if (IsText(setting)) {
    AppendQuoted(out, value);
  } else {
    *out += value;
  }
}

// The extras key that takes a text; the others are switches.
constexpr std::string_view kExtrasTextKey = "extras.base-url";

bool IsKnownExtrasKey(std::string_view key) {
  return ExtrasValue(ExtrasSettings{}, key).has_value();
}

// The extras, in a section of their own after the tabs of the dialog.
void AppendExtras(std::string* out, const ExtrasSettings& extras) {
  *out +=
      "\n[Extras]\n\n"
      "; Extras (all off by default; kept beside the option set file)\n";
  for (const ExtrasKey& key : AllExtrasKeys()) {
    const std::string value = *ExtrasValue(extras, key.key);
    *out += "; " + std::string(key.caption);
    if (key.key != kExtrasTextKey) *out += ": yes or no";
    *out += '\n' + std::string(key.key) + " = ";
    if (key.key == kExtrasTextKey) {
      AppendQuoted(out, value);
    } else {
      *out += value;
    }
    *out += '\n';
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads one quoted piece ("..." with escapes) into `out`.
bool Unquote(std::string_view piece, std::string* out, std::string* error) {
  if (piece.size() < 2 || piece.front() != '"' || piece.back() != '"') {
    *error = "a text must stand in double quotes";
    return false;
  }
  piece = piece.substr(1, piece.size() - 2);
  for (size_t i = 0; i < piece.size(); ++i) {
    char c = piece[i];
    if (c == '"') {
      *error = "a quotation mark inside a text must be written \\\"";
      return false;
    }
    if (c != '\\') {
      *out += c;
      continue;
    }
    if (++i == piece.size()) {
      *error = "a text ends in a lone backslash";
      return false;
    }
    switch (piece[i]) {
      case 'n':
        *out += '\n';
        break;
      case 'r':
        *out += '\r';
        break;
      case 't':
        *out += '\t';
        break;
      case '\\':
      case '"':
      case ';':
        *out += piece[i];
        break;
      case 'x': {
        const int hi = i + 2 < piece.size() ? HexDigit(piece[i + 1]) : -1;
        const int lo = i + 2 < piece.size() ? HexDigit(piece[i + 2]) : -1;
        if (hi < 0 || lo < 0) {
          *error = "\\x must be followed by two hexadecimal digits";
          return false;
        }
        *out += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default:
        *error = std::string("unknown escape \\") + piece[i];
        return false;
    }
  }
  return true;
}

/// What the parse of one text collects. inih asks ReadLine for one line at
/// a time and reports its key before it asks for the next, so `line` and
/// `indented` describe the line a reported key came from.
struct ParseState {
  std::string_view text;
  size_t pos = 0;
  int line = 0;
  bool indented = false;  // the line started with a blank: a continuation
  std::vector<IniProblem>* problems = nullptr;
  std::map<std::string, int> seen;  // key -> line
  struct Pending {
    const Setting* setting = nullptr;
    std::string extras_key;  // set instead of `setting` for an extras key
    int line = 0;
    std::string value;
    bool quoted = false;
    bool broken = false;  // a problem was reported; the value is not used
  };
  std::vector<Pending> values;
};

void Problem(ParseState* state, int line, std::string message) {
  state->problems->push_back({line, std::move(message)});
}

char* ReadLine(char* buffer, int size, void* stream) {
  auto* state = static_cast<ParseState*>(stream);
  if (state->pos >= state->text.size()) return nullptr;
  size_t end = state->text.find('\n', state->pos);
  if (end == std::string_view::npos) end = state->text.size();
  std::string_view line = state->text.substr(state->pos, end - state->pos);
  state->pos = end + 1;
  ++state->line;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  state->indented = !line.empty() && (line[0] == ' ' || line[0] == '\t');
  const size_t first = line.find_first_not_of(" \t");
  const bool comment =
      first != std::string_view::npos && (line[first] == ';' || line[first] == '#');
  if (comment) {
    line = line.substr(0, first + 1);  // the comment's text does not matter
  } else if (line.size() + 2 > static_cast<size_t>(size)) {
    Problem(state, state->line,
            "the line is longer than " + std::to_string(kMaxIniLine) +
                " characters; continue a long text in quoted pieces on indented lines");
    line = {};  // read as an empty line
  }
  line.copy(buffer, line.size());
  buffer[line.size()] = '\n';
  buffer[line.size() + 1] = '\0';
  return buffer;
}

int HandleKey(void* user, const char* /*section*/, const char* name, const char* value) {
  auto* state = static_cast<ParseState*>(user);
  const std::string_view text(value);
  if (state->indented && !state->values.empty()) {
    ParseState::Pending& pending = state->values.back();
    if (pending.broken) return 1;
    std::string error;
    if (!pending.quoted || !Unquote(text, &pending.value, &error)) {
      Problem(state, state->line,
              std::string(name) + ": " +
                  (pending.quoted ? error
                                  : "only a quoted text can continue on the "
                                    "next line"));
      pending.broken = true;
    }
    return 1;
  }
  if (IsExtrasKey(name) && IsKnownExtrasKey(name)) {
    ParseState::Pending pending;
    pending.extras_key = name;
    pending.line = state->line;
    const auto [at, added] = state->seen.emplace(name, state->line);
    if (!added) {
      Problem(state, state->line,
              pending.extras_key + " is given twice (first on line " +
                  std::to_string(at->second) + ")");
      pending.broken = true;
    } else if (pending.extras_key == kExtrasTextKey && !text.empty() &&
               text.front() == '"') {
      pending.quoted = true;
      std::string error;
      if (!Unquote(text, &pending.value, &error)) {
        Problem(state, state->line, pending.extras_key + ": " + error);
        pending.broken = true;
      }
    } else {
      pending.value = std::string(text);
    }
    state->values.push_back(std::move(pending));
    return 1;
  }
  const Setting* setting = FindSetting(name);
  if (setting == nullptr) {
    Problem(state, state->line, "unknown setting '" + std::string(name) + "'");
    ParseState::Pending unknown;
    unknown.line = state->line;
    unknown.broken = true;
    state->values.push_back(std::move(unknown));
    return 1;
  }
  const auto [at, added] = state->seen.emplace(setting->key, state->line);
  ParseState::Pending pending;
  pending.setting = setting;
  pending.line = state->line;
  if (!added) {
    Problem(state, state->line,
            setting->key + " is given twice (first on line " +
                std::to_string(at->second) + ")");
    pending.broken = true;
  } else if (IsText(*setting) && !text.empty() && text.front() == '"') {
    pending.quoted = true;
    std::string error;
    if (!Unquote(text, &pending.value, &error)) {
      Problem(state, state->line, setting->key + ": " + error);
      pending.broken = true;
    }
  } else {
    pending.value = std::string(text);
  }
  state->values.push_back(std::move(pending));
  return 1;
}

}  // namespace

std::string QuotedText(std::string_view text) {
  std::string out = "\"";
  for (const std::string& piece : EscapedPieces(text)) out += piece;
  return out + '"';
}

std::string OptionsToIni(COptions& options, std::string_view origin) {
  std::string out;
  out += "; " + std::string(platform::kProductName) + " option set";
  if (!origin.empty()) out += ", exported from " + std::string(origin);
  out +=
      "\n"
      "; Read it back with: vellix options import FILE\n"
      ";\n"
      "; Every setting is here, tab by tab, under the caption the options dialog\n"
      "; gives it. Switches are yes or no, custom colours #rrggbb. Texts stand in\n"
      "; double quotes: \\n is a line break, \\t a tab, \\\" a quotation mark, \\\\ a\n"
      "; backslash; a long text continues in quoted pieces on indented lines.\n"
      "; Importing sets the settings named here and keeps all others. The extras\n"
      "; (extras.*) close the text. The custom attributes of individuals and\n"
      "; families are not part of it.\n";
  std::string tab;
  std::string path;
  for (const SettingDescription& d : SettingCatalog()) {
    const Setting* setting = FindSetting(d.key);
    if (setting == nullptr) continue;
    if (d.tab != tab) {
      tab = d.tab;
      out += "\n[" + tab + "]\n";
    }
    if (d.path != path) {
      path = d.path;
      out += "\n; " + path + "\n";
    }
    out += "; " + d.caption;
    if (!d.choices.empty()) {
      const std::string choices = ChoicesText(d, setting->type == SettingType::kBool);
      if (d.caption.size() + choices.size() <= kChoicesOnOneLine) {
        out += ": " + choices;
      } else {
        out += ':';
        for (const ChoiceMeaning& choice : d.choices) {
          const std::string value = setting->type != SettingType::kBool
                                        ? std::to_string(choice.value)
                                        : (choice.value != 0 ? "yes" : "no");
          out += "\n;   " + value + " = " + std::string(choice.text);
        }
      }
    }
    out += '\n';
    const std::string value = SettingValue(options, *setting);
    if (IsRedirectedLabel(*setting)) {
      out += "; " + setting->key + " = ";
      std::string shown;
      AppendValue(&shown, *setting, value);
      out += shown.substr(0, shown.find('\n'));
      out += "  (always the label it shows; not set here)\n";
      continue;
    }
    out += setting->key + " = ";
    AppendValue(&out, *setting, value);
    out += '\n';
  }
  AppendExtras(&out, options.extras);
  return out;
}

bool ApplyIni(std::string_view text, COptions* options,
              std::vector<IniProblem>* problems) {
  problems->clear();
  ParseState state;
  state.text = text;
  state.problems = problems;
  const int first_error = ini_parse_stream(&ReadLine, &state, &HandleKey, &state);
  if (first_error > 0) {
    // inih reports only the first line it could not read.
    problems->push_back({first_error, "not a setting: write KEY = VALUE"});
  } else if (first_error < 0) {
    problems->push_back({0, "the text could not be read"});
  }

  COptions changed = *options;
  for (const ParseState::Pending& pending : state.values) {
    if (pending.broken) continue;
    std::string error;
    if (!pending.extras_key.empty()) {
      if (!SetExtrasValue(&changed.extras, pending.extras_key, pending.value, &error)) {
        problems->push_back({pending.line, error});
      }
      continue;
    }
    if (pending.setting == nullptr) continue;
    if (IsRedirectedLabel(*pending.setting) &&
        SettingValue(changed, *pending.setting) == pending.value) {
      continue;  // the label it shows anyway
    }
    if (!SetSettingValue(changed, *pending.setting, pending.value, &error)) {
      problems->push_back({pending.line, error});
    }
  }
  std::sort(problems->begin(), problems->end(),
            [](const IniProblem& a, const IniProblem& b) { return a.line < b.line; });
  if (!problems->empty()) return false;
  *options = std::move(changed);
  return true;
}

}  // namespace vellix::options
