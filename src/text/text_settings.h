// The few option-set values the text converter reads, gathered in one struct
// so callers fill it once per run (from the current option set and the run's
// strict-doctype flag) and tests set each value directly.
#pragma once

#include <string>

namespace vellix::text {

struct TextSettings {
  /// "Convert web addresses to actual links" (m_bWebLinks).
  bool web_links = false;
  /// "Convert e-mail addresses to actual links" (m_bMailLinks).
  bool mail_links = false;
  /// "Hide e-mail links from harvesters" (m_bHideMail).
  bool hide_mail = false;
  /// "Allow HTML in notes" (m_bHtmlNotes): notes are written as they stand.
  bool html_notes = false;
  /// "Frame target for websites" (m_strWebTarget); empty means "_self", or
  /// "_parent" when the caller asks for the parent frame.
  std::string web_target;
  /// The run's strict-doctype flag: no target attribute is ever written.
  bool strict_doctype = false;
};

}  // namespace vellix::text
