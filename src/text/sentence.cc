#include "text/sentence.h"

#include <string_view>

#include "text/string_ops.h"

namespace vellix::text {

bool EndSentence(std::string* text, bool comma) {
  TrimRightSpace(text);
  if (text->empty()) return false;
  const char mark = comma ? ',' : '.';
  const std::string& t = *text;
  auto is_final = [mark](char c) { return c == mark || c == '?' || c == '!'; };
  const size_t i = t.size() - 1;
  const char last = t[i];
  if (is_final(last)) return false;

  // Sentences are usually ended after they were escaped, where a closing
  // quote stands as an entity; it takes the mark inside just like the quote.
  for (std::string_view entity : {"&#34;", "&#39;", "&quot;"}) {
    if (t.size() > entity.size() && t.ends_with(entity)) {
      const size_t q = t.size() - entity.size();
      if (q >= 2 && !is_final(t[q - 1])) {
        text->insert(q, 1, mark);
        return true;
      }
      return false;
    }
  }

  if (last == '"' || last == '\'') {
    if (i >= 2 && !is_final(t[i - 1])) {
      text->insert(i, 1, mark);
      return true;
    }
    return false;
  }
  if (last == ')' || last == ']') {
    if (i >= 2 && !is_final(t[i - 1])) {
      *text += mark;
      return true;
    }
    return false;
  }
  if (last == '>') {
    // Only short tags are recognised: "<b>", "</i>", "</sc>", "<sup>".
    const bool short_open = i > 2 && t[i - 2] == '<' && !is_final(t[i - 3]);
    const bool short_close =
        i > 3 && t[i - 2] == '/' && t[i - 3] == '<' && !is_final(t[i - 4]);
    const bool four_byte = i > 4 && t[i - 4] == '<' && !is_final(t[i - 5]);
    if (short_open || short_close || four_byte) {
      *text += mark;
      return true;
    }
    return false;
  }
  *text += mark;
  return true;
}

}  // namespace vellix::text
