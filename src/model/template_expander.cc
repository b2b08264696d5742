#include "model/template_expander.h"

#include <utility>

#include "text/charset.h"
#include "gedcom/tag_table.h"
#include "text/string_ops.h"
#include "text/text_tidy.h"

namespace vellix {
namespace {

// Stand-ins for the escaped brackets "/[" and "/]" while the template is
// walked, so that they are never taken for the brackets of a reference.
constexpr char kOpenStandIn = '\x07';
constexpr char kCloseStandIn = '\x08';

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text::IsAsciiSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && text::IsAsciiSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string FieldKey(std::string_view name) {
  name = TrimBlanks(name);
  if (name.size() >= 2 && name.front() == '[' && name.back() == ']') {
    name = TrimBlanks(name.substr(1, name.size() - 2));
  }
  return text::AsciiUpper(name);
}

/// Upper-cases the one character that starts at `pos`.
void UpperCharAt(std::string* text, size_t pos) {
  size_t len = charset::Utf8CharLength(*text, pos);
  if (len == 0) return;
  text->replace(pos, len, charset::ToUpperUtf8(std::string_view(*text).substr(pos, len)));
}

/// Upper-cases the first non-blank character at or after `from`.
void UpperFirstFrom(std::string* text, size_t from) {
  while (from < text->size() && text::IsAsciiSpace((*text)[from])) ++from;
  if (from < text->size()) UpperCharAt(text, from);
}

/// The first run of three or more digits, or "".
std::string YearText(std::string_view value) {
  for (size_t i = 0; i < value.size();) {
    if (value[i] < '0' || value[i] > '9') {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < value.size() && value[end] >= '0' && value[end] <= '9') ++end;
    if (end - i >= 3) return std::string(value.substr(i, end - i));
    i = end;
  }
  return {};
}

}  // namespace

bool TemplateExpander::AddField(std::string_view name, std::string_view value) {
  return fields_.emplace(FieldKey(name), std::string(value)).second;
}

std::string TemplateExpander::FieldValue(std::string_view name) const {
  auto it = fields_.find(FieldKey(name));
  return it == fields_.end() ? std::string() : it->second;
}

bool TemplateExpander::HasField(std::string_view name) const {
  return fields_.count(FieldKey(name)) != 0;
}

TemplateExpander::Modifier TemplateExpander::ModifierOf(std::string_view word) {
  static constexpr std::pair<std::string_view, Modifier> kWords[] = {
      {"NoCaps", kNoCaps}, {"Upper", kUpper},       {"Lower", kLower},   {"Caps", kCaps},
      {"Proper", kProper}, {"NoAbbrev", kNoAbbrev}, {"Abbrev", kAbbrev}, {"Full", kFull},
      {"Plain", kPlain},   {"Year", kYear}};
  word = TrimBlanks(word);
  for (const auto& [text, modifier] : kWords) {
    if (EqualsNoCase(word, text)) return modifier;
  }
  return kNoModifier;
}

std::string TemplateExpander::ApplyModifier(Modifier modifier, std::string_view value) {
  switch (modifier) {
    case kUpper:
      return charset::ToUpperUtf8(value);
    case kLower:
      return charset::ToLowerUtf8(value);
    case kCaps: {
      std::string out = charset::ToLowerUtf8(value);
      UpperFirstFrom(&out, 0);
      size_t bars = out.find("||");
      if (bars != std::string::npos) UpperFirstFrom(&out, bars + 2);
      return out;
    }
    case kProper: {
      std::string out(value);
      for (size_t pos = 0; pos < out.size(); pos += charset::Utf8CharLength(out, pos)) {
        if (out[pos] != ' ' && (pos == 0 || out[pos - 1] == ' ')) UpperCharAt(&out, pos);
      }
      return out;
    }
    case kYear:
      return YearText(value);
    default:
      return std::string(value);
  }
}

std::string TemplateExpander::EvaluateReference(std::string_view reference) const {
  size_t colon = reference.find(':');
  std::string value = FieldValue(reference.substr(0, colon));
  bool abbreviated = false;
  while (colon != std::string_view::npos) {
    size_t start = colon + 1;
    colon = reference.find(':', start);
    Modifier modifier = ModifierOf(reference.substr(
        start, colon == std::string_view::npos ? std::string_view::npos : colon - start));
    if (modifier == kAbbrev) abbreviated = true;
    value = ApplyModifier(modifier, value);
  }
  size_t bars = value.find("||");
  if (bars != std::string::npos) {
    value = abbreviated ? value.substr(bars + 2) : value.substr(0, bars);
  }
  return value;
}

std::string TemplateExpander::Expand(std::string_view template_text) const {
  std::string copy(template_text);
  text::ReplaceAll(&copy, "/[", std::string_view(&kOpenStandIn, 1));
  text::ReplaceAll(&copy, "/]", std::string_view(&kCloseStandIn, 1));

  // Literal text gets its escaped brackets back; field values are appended
  // as they are, so brackets inside a value are never read as references.
  std::string result;
  auto append_literal = [&result](std::string_view literal) {
    for (char c : literal) {
      result += c == kOpenStandIn ? '[' : c == kCloseStandIn ? ']' : c;
    }
  };
  size_t pos = 0;
  while (pos < copy.size()) {
    size_t open = copy.find('[', pos);
    if (open == std::string::npos) {
      append_literal(std::string_view(copy).substr(pos));
      break;
    }
    size_t close = copy.find(']', open + 1);
    if (close == std::string::npos) {
      // An unclosed reference: the rest is plain text.
      append_literal(std::string_view(copy).substr(pos));
      break;
    }
    append_literal(std::string_view(copy).substr(pos, open - pos));
    result +=
        EvaluateReference(std::string_view(copy).substr(open + 1, close - open - 1));
    pos = close + 1;
  }
  return text::CleanTemplateText(result);
}

}  // namespace vellix
