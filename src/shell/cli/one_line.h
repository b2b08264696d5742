// Texts written for the window's multi-line labels, shown on one terminal line.
#pragma once

#include <string>
#include <string_view>

namespace vellix::cli {

/// `text` with each line break (CR, LF) and the blanks around it turned
/// into one blank, and no blank at either end: "\nWeb page generation
/// CANCELED." becomes "Web page generation CANCELED.", "Reading GEDCOM
/// file...\n (3 KB)" becomes "Reading GEDCOM file... (3 KB)".
inline std::string OneLine(std::string_view text) {
  std::string out;
  bool after_break = false;
  for (char c : text) {
    if (c == '\n' || c == '\r') {
      while (!out.empty() && out.back() == ' ') out.pop_back();
      if (!out.empty()) out += ' ';
      after_break = true;
    } else if (c == ' ' && after_break) {
      continue;
    } else {
      out += c;
      after_break = false;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace vellix::cli
