// TextConverter: the one way a GEDCOM text value becomes HTML. It escapes
// the text, turns the selected dialect's formatting markers into elements
// (notes only), turns web and e-mail addresses into links (optionally hiding
// e-mail addresses behind a script), and builds sentences and paragraphs.
//
// Every result is returned by value, so conversions may be interleaved
// freely. The converter does not own the dialect: the object passed to it
// must stay alive while it is selected.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/dialect_markers.h"
#include "text/text_settings.h"

namespace vellix::text {

/// How ConvertText treats a value.
struct ConvertOptions {
  bool linkify = false;        // web and mail addresses become links
  bool parent_target = false;  // those links open in the parent frame
  bool apply_markers = false;  // note text: the dialect's markers become elements
};

/// How AppendSentence adds a value.
struct SentenceOptions {
  bool linkify = false;        // web and mail addresses become links
  bool leading_space = false;  // one space before it when the text is not empty
  bool period = false;         // ended with a period
};

/// How AppendParagraphs converts note lines.
struct ParagraphOptions {
  bool linkify = false;        // web and mail addresses become links
  bool parent_target = false;  // those links open in the parent frame
  bool inline_text = false;    // no "<p>" and "</p>" around the lines
};

/// Turns GEDCOM text values into HTML (see the file comment).
class TextConverter {
 public:
  /// Uses the built-in dialect (no markers) until SetDialect is called.
  explicit TextConverter(TextSettings settings = {});

  const TextSettings& settings() const { return settings_; }
  void SetSettings(TextSettings settings) { settings_ = std::move(settings); }

  /// Selects the dialect whose markers notes use; nullptr selects the
  /// built-in dialect.
  void SetDialect(const DialectMarkers* dialect);
  const DialectMarkers& dialect() const { return *dialect_; }

  /// A text value as HTML. With `apply_markers` (notes) the dialect's markers
  /// become elements, and under "Allow HTML in notes" the text is returned
  /// unchanged. With `linkify` and link conversion on, addresses become
  /// links (opening in the parent frame with `parent_target`); otherwise
  /// the text is only escaped.
  std::string ConvertText(std::string_view text,
                          const ConvertOptions& options = {}) const;

  /// Treats `text` as words separated by spaces and turns words holding a
  /// web address ("http:/", "https:/", "ftp:/") or a "mailto:" address into
  /// links, keeping trailing punctuation outside the link. Runs of spaces
  /// between words become one space; leading and trailing spaces are kept.
  /// With `escape` every piece of plain text is HTML-escaped.
  std::string LinkifyText(std::string_view text, bool parent_target, bool escape) const;

  /// Appends ConvertText(text, {.linkify = linkify}) to `destination`,
  /// ended with a period when `period`, after one space when
  /// `leading_space` and the destination is not empty. An empty text adds
  /// nothing.
  void AppendSentence(std::string* destination, std::string_view text,
                      const SentenceOptions& options) const;

  /// Replaces `destination` with the lines converted as note text (markers
  /// applied), as one paragraph: "<p>" + prefix, the lines separated by
  /// "<br>\r\n", suffix, "</p>\r\n". With `inline_text` the "<p>" and
  /// "</p>\r\n" are left out. False (and an empty destination) when there
  /// are no lines.
  bool AppendParagraphs(const std::vector<std::string>& lines, std::string* destination,
                        std::string_view prefix, std::string_view suffix,
                        const ParagraphOptions& options) const;

  /// The element a marker becomes in a page.
  static std::string_view MarkerHtml(int id);

 private:
  void AppendLinkedWord(std::string_view word, bool parent_target, bool escape,
                        std::string* out) const;

  TextSettings settings_;
  const DialectMarkers* dialect_;
};

}  // namespace vellix::text
