// Text-to-HTML conversion of GEDCOM values: plain, linked and note text,
// sentences and paragraphs, under switches taken from the first byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_converter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t switches = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  vellix::text::TextSettings settings;
  settings.web_links = (switches & 1) != 0;
  settings.mail_links = (switches & 2) != 0;
  settings.hide_mail = (switches & 4) != 0;
  settings.html_notes = (switches & 8) != 0;
  vellix::text::TextConverter converter(settings);
  const bool linkify = (switches & 16) != 0;
  const bool parent = (switches & 32) != 0;
  converter.ConvertText(text, {.linkify = linkify, .parent_target = parent});
  converter.ConvertText(text, {.linkify = linkify, .apply_markers = true});
  converter.LinkifyText(text, parent, (switches & 64) != 0);
  std::string sentence = "Born";
  converter.AppendSentence(&sentence, text,
                           {.linkify = linkify, .leading_space = true, .period = true});
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  std::string paragraph;
  converter.AppendParagraphs(lines, &paragraph, "", "",
                             {.linkify = linkify, .inline_text = (switches & 128) != 0});
  return 0;
}
