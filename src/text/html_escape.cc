#include "text/html_escape.h"

#include "text/string_ops.h"

namespace vellix::text {

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&#34;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  // None of the replacements above introduces an at-sign, so collapsing the
  // GEDCOM escape afterwards gives the same result as doing it in sequence.
  ReplaceAll(&out, "@@", "@");
  return out;
}

std::string EscapeNamedEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string EscapeHref(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    switch (c) {
      case '&':
        out += "%26";
        break;
      case '<':
        out += "%3C";
        break;
      case '>':
        out += "%3E";
        break;
      case '"':
        out += "%22";
        break;
      case '\'':
        out += "%27";
        break;
      default:
        out += c;
    }
  }
  ReplaceAll(&out, "@@", "@");
  return out;
}

std::string EscapeUrlPath(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    switch (c) {
      case '<':
        out += "%3C";
        break;
      case '>':
        out += "%3E";
        break;
      case ' ':
        out += "%20";
        break;
      case '"':
        out += "%22";
        break;
      case '&':
        out += "%26";
        break;
      case '?':
        out += "%3F";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace vellix::text
