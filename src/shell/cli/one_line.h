// Texts written for the window's multi-line labels, shown on one terminal line.
#pragma once

#include <string>
#include <string_view>

namespace vellix::cli {

/// `text` with its line breaks (CR, LF) turned into single blanks and no
/// blank at either end: "\nWeb page generation CANCELED." becomes
/// "Web page generation CANCELED.".
inline std::string OneLine(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n' || c == '\r') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace vellix::cli
