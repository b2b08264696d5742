#include "options/options_bridge.h"

namespace vellix {

text::TextSettings TextSettingsFromOptions(const COptions& options, bool strict_doctype) {
  text::TextSettings settings;
  settings.web_links = options.m_bWebLinks;
  settings.mail_links = options.m_bMailLinks;
  settings.hide_mail = options.m_bHideMail;
  settings.html_notes = options.m_bHtmlNotes;
  settings.web_target = options.m_strWebTarget;
  settings.strict_doctype = strict_doctype;
  return settings;
}

text::PageNameSettings PageNameSettingsFromOptions(const COptions& options) {
  return {options.m_strDestFolder, options.m_strFilePrefix, options.m_strFileExt};
}

}  // namespace vellix
