#include "text/text_converter.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "text/html_escape.h"
#include "text/sentence.h"
#include "text/string_ops.h"

namespace vellix::text {
namespace {

// While a note is escaped and linked, each marker stands as one control byte.
// The bytes 0x10..0x1B are used (not 0x01..0x0C) so that tab and line feed in
// a note are never mistaken for superscript markers.
constexpr char kFirstPlaceholder = 0x10;

char Placeholder(int id) { return static_cast<char>(kFirstPlaceholder + id); }

bool IsPlaceholder(char c) {
  return c >= kFirstPlaceholder && c < kFirstPlaceholder + kMarkerCount;
}

constexpr std::array<std::string_view, kMarkerCount> kMarkerHtml = {
    "<b>",
    "</b>",
    "<i>",
    "</i>",
    "<span class=\"vx-fntund\">",
    "</span>",
    "<span class=\"vx-fntsc\">",
    "</span>",
    "<sup>",
    "</sup>",
    "<sub>",
    "</sub>"};

// Bytes that end a sentence rather than an address written in text.
bool IsTrailingPunctuation(char c) {
  switch (c) {
    case '.':
    case ',':
    case '?':
    case '!':
    case ':':
    case ';':
    case '"':
    case '\'':
    case '`':
    case ')':
    case ']':
    case '}':
    case '>':
      return true;
    default:
      return false;
  }
}

// Part of an address placed in a single-quoted script argument: a backslash
// or a control byte would end or break the string, so they are
// percent-escaped (quotes are already escaped in an href).
std::string ScriptArgument(std::string_view text) {
  std::string out;
  for (char c : text) {
    unsigned char b = static_cast<unsigned char>(c);
    if (c == '\\' || b < 0x20 || b == 0x7F) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%%%02X", b);
      out += buf;
    } else {
      out += c;
    }
  }
  return out;
}

size_t FindWebScheme(const std::string& upper) {
  size_t pos = std::min(upper.find("HTTP:/"), upper.find("HTTPS:/"));
  if (pos == std::string::npos) pos = upper.find("FTP:/");
  return pos;
}

}  // namespace

TextConverter::TextConverter(TextSettings settings)
    : settings_(std::move(settings)), dialect_(&BuiltInDialectMarkers()) {}

void TextConverter::SetDialect(const DialectMarkers* dialect) {
  dialect_ = dialect ? dialect : &BuiltInDialectMarkers();
}

std::string_view TextConverter::MarkerHtml(int id) {
  if (id < 0 || id >= kMarkerCount) return {};
  return kMarkerHtml[id];
}

std::string TextConverter::ConvertText(std::string_view text,
                                       const ConvertOptions& options) const {
  const bool linkify = options.linkify;
  const bool parent_target = options.parent_target;
  const bool apply_markers = options.apply_markers;
  if (apply_markers && settings_.html_notes) return std::string(text);

  std::string work(text);
  const bool markers = apply_markers && dialect_->HasMarkers();
  std::array<int, kMarkerCount> counts{};
  if (markers) {
    // A stray placeholder byte in the data must not turn into an element.
    std::erase_if(work, IsPlaceholder);
    for (int id = 0; id < kMarkerCount; ++id) {
      std::string_view marker = dialect_->Marker(id);
      counts[id] =
          marker.empty() ? 0 : ReplaceAll(&work, marker, std::string(1, Placeholder(id)));
    }
  }

  if (linkify && (settings_.web_links || settings_.mail_links)) {
    work = LinkifyText(work, parent_target, true);
  } else {
    work = EscapeHtml(work);
  }

  if (markers) {
    for (int id = 0; id < kMarkerCount; ++id) {
      if (counts[id] > 0)
        ReplaceAll(&work, std::string(1, Placeholder(id)), kMarkerHtml[id]);
    }
  }
  return work;
}

std::string TextConverter::LinkifyText(std::string_view text, bool parent_target,
                                       bool escape) const {
  size_t lead = 0;
  while (lead < text.size() && text[lead] == ' ') ++lead;
  if (lead == text.size()) return std::string(text);  // empty or all blanks
  size_t trail = 0;
  while (text[text.size() - 1 - trail] == ' ') ++trail;

  std::string out(lead, ' ');
  out.reserve(text.size() + 16);
  const std::string_view body = text.substr(lead, text.size() - lead - trail);
  size_t pos = 0;
  bool first = true;
  while (pos < body.size()) {
    size_t end = body.find(' ', pos);
    if (end == std::string_view::npos) end = body.size();
    if (end > pos) {
      if (!first) out += ' ';
      first = false;
      AppendLinkedWord(body.substr(pos, end - pos), parent_target, escape, &out);
    }
    pos = end + 1;
  }
  out.append(trail, ' ');
  return out;
}

void TextConverter::AppendLinkedWord(std::string_view word, bool parent_target,
                                     bool escape, std::string* out) const {
  auto plain = [escape](std::string_view s) {
    return escape ? EscapeHtml(s) : std::string(s);
  };

  const std::string upper = AsciiUpper(word);
  size_t pos = std::string::npos;
  bool web = false;
  bool mail = false;
  if (settings_.web_links) {
    pos = FindWebScheme(upper);
    web = pos != std::string::npos;
  }
  if (!web && settings_.mail_links) {
    pos = upper.find("MAILTO:");
    mail = pos != std::string::npos;
  }
  if (!web && !mail) {
    *out += plain(word);
    return;
  }

  *out += plain(word.substr(0, pos));
  std::string_view part = word.substr(pos);
  // A formatting marker ends the address: everything from it on is text.
  std::string_view rest;
  auto marker = std::find_if(part.begin(), part.end(), IsPlaceholder);
  if (marker != part.end()) {
    size_t cut = static_cast<size_t>(marker - part.begin());
    rest = part.substr(cut);
    part = part.substr(0, cut);
  }
  size_t end = part.size();
  while (end > 0 && IsTrailingPunctuation(part[end - 1])) --end;
  const std::string_view address = part.substr(0, end);
  const std::string tail = std::string(part.substr(end)) + std::string(rest);

  const std::string href = EscapeHref(address);
  std::string display = plain(address);

  if (mail && settings_.hide_mail) {
    size_t at = href.find('@');
    if (at == std::string::npos) {
      *out += display;
    } else {
      std::string user = href.substr(0, at);
      user.erase(0, std::min<size_t>(7, user.size()));  // the "mailto:" scheme
      *out += "<script type=\"text/javascript\">\r\n<!--\r\nhide('";
      *out += ScriptArgument(user);
      *out += "', '";
      *out += ScriptArgument(std::string_view(href).substr(at + 1));
      *out += "');\r\n-->\r\n</script>";
    }
  } else {
    *out += "<a href=\"";
    *out += href;
    if (web && !settings_.strict_doctype) {
      *out += "\" target=\"";
      if (!settings_.web_target.empty()) {
        *out += EscapeHtml(settings_.web_target);
      } else {
        *out += parent_target ? "_parent" : "_self";
      }
    }
    *out += "\">";
    if (mail && display.size() > 7) display.erase(0, 7);
    *out += display;
    *out += "</a>";
  }
  *out += plain(tail);
}

void TextConverter::AppendSentence(std::string* destination, std::string_view text,
                                   const SentenceOptions& options) const {
  if (text.empty()) return;
  const bool leading_space = options.leading_space;
  const bool period = options.period;
  std::string converted = ConvertText(text, {.linkify = options.linkify});
  if (leading_space && !destination->empty()) *destination += ' ';
  if (period) EndSentence(&converted, false);
  *destination += converted;
}

bool TextConverter::AppendParagraphs(const std::vector<std::string>& lines,
                                     std::string* destination, std::string_view prefix,
                                     std::string_view suffix,
                                     const ParagraphOptions& options) const {
  const bool linkify = options.linkify;
  const bool parent_target = options.parent_target;
  const bool inline_text = options.inline_text;
  destination->clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == 0) {
      if (!inline_text) *destination += "<p>";
      *destination += prefix;
    }
    *destination += ConvertText(
        lines[i],
        {.linkify = linkify, .parent_target = parent_target, .apply_markers = true});
    if (i + 1 == lines.size()) {
      *destination += suffix;
      if (!inline_text) *destination += "</p>\r\n";
    } else {
      *destination += "<br>\r\n";
    }
  }
  return !lines.empty();
}

}  // namespace vellix::text
