#include "shell/cli/warning_text.h"

#include <array>

namespace vellix::cli {
namespace {

struct Entity {
  std::string_view name;  // with the ampersand and the semicolon
  char character;
};

constexpr std::array<Entity, 7> kEntities = {{
    {"&amp;", '&'},
    {"&lt;", '<'},
    {"&gt;", '>'},
    {"&quot;", '"'},
    {"&#39;", '\''},
    {"&apos;", '\''},
    {"&nbsp;", ' '},
}};

// True when `tag` (from "<" to ">") is a line break.
bool IsLineBreak(std::string_view tag) {
  return tag == "<br>" || tag == "<br/>" || tag == "<br />" || tag == "<BR>";
}

}  // namespace

std::string PlainWarningText(std::string_view html) {
  std::string out;
  size_t i = 0;
  while (i < html.size()) {
    const char c = html[i];
    if (c == '<') {
      const size_t end = html.find('>', i);
      if (end == std::string_view::npos) {
        out.append(html.substr(i));
        break;
      }
      if (IsLineBreak(html.substr(i, end + 1 - i)) && !out.empty() && out.back() != ' ') {
        out += ' ';
      }
      i = end + 1;
      continue;
    }
    if (c == '&') {
      bool decoded = false;
      for (const Entity& e : kEntities) {
        if (html.substr(i, e.name.size()) == e.name) {
          out += e.character;
          i += e.name.size();
          decoded = true;
          break;
        }
      }
      if (decoded) continue;
    }
    out += c;
    ++i;
  }
  // "'GENDEX.txt' ()." : the warning had no page to link to.
  for (size_t at; (at = out.find(" ()")) != std::string::npos;) out.erase(at, 3);
  return out;
}

std::string WarningLineForTerminal(std::string_view category, std::string_view html) {
  std::string line = "vellix: warning: ";
  if (!category.empty() && category != "General") {
    line += category;
    line += ": ";
  }
  line += PlainWarningText(html);
  return line;
}

}  // namespace vellix::cli
