// Splitting the file image into lines and one line into its fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellix {

/// The parts of one GEDCOM line, as views into the line's text (no copy).
struct LineFields {
  int32_t level = 0;
  /// The cross-reference token as written (with its at signs); empty when
  /// the line has none.
  std::string_view xref;
  std::string_view tag;
  /// Everything after the single delimiter that ended the tag.
  std::string_view value;
};

/// Splits one line (without its terminator) into level, cross-reference, tag
/// and value. Leading white space is skipped; tokens are separated by runs of
/// spaces; the level is the token's leading decimal integer (optional sign;
/// text that is no number gives 0; out-of-range numbers are clamped). False
/// when the level or the tag token is missing.
bool SplitLine(std::string_view line, LineFields* out);

/// The general token walk SplitLine falls back on for lines of any shape
/// other than the common "LEVEL [@XREF@ ]TAG[ VALUE]" with single spaces;
/// it gives the same fields for every line. Exposed for tests.
bool SplitLineByTokens(std::string_view line, LineFields* out);

/// `token` with every at sign removed.
std::string WithoutAtSigns(std::string_view token);

/// Reads lines out of an in-memory file image. Every terminator works:
/// CR LF, LF, CR alone and LF CR each end one line. A line longer than
/// `max_length` bytes is handed out in pieces of that length (`cut` tells),
/// so hostile input cannot make one line unbounded.
class LineCursor {
 public:
  LineCursor(std::string_view image, size_t max_length)
      : image_(image), max_length_(max_length) {}

  /// Moves to byte offset `offset` (clamped to the end).
  void Seek(size_t offset) { pos_ = offset < image_.size() ? offset : image_.size(); }
  /// Offset of the next line.
  size_t position() const { return pos_; }

  /// The next line without its terminator, its offset and whether it was
  /// cut at the length bound. False at the end of the image.
  bool Next(std::string_view* line, size_t* offset, bool* cut);

 private:
  std::string_view image_;
  size_t max_length_;
  size_t pos_ = 0;
};

}  // namespace vellix
