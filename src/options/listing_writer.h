// The pieces of the option set summary listing page: headings, option tables
// and the renderings of each kind of value.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vellix::options {

/// A value as a listing cell shows it: "&", quotation mark, "<" and ">" as
/// entities, every line break (CR LF, LF or CR) as "<br>"; an empty value
/// as "&nbsp;".
std::string ListingValue(std::string_view text);

/// Builds the listing page as one string. Every row of an option table is
/// "<tr><td>caption</td><td><tt>value</tt></td></tr>"; captions are the
/// program's own texts and are escaped like values.
class ListingWriter {
 public:
  /// Appends raw HTML.
  void Raw(std::string_view html) { page_.append(html); }

  /// Opens the section of one tab: its anchor and the level-1 heading
  /// "<i>Files</i> Tab".
  void BeginSection(std::string_view anchor, std::string_view tab);
  /// Closes a section with the link back to the top of the page.
  void EndSection();
  /// A heading of level 1 (a tab) to 4.
  void Heading(int level, std::string_view text);
  /// An anchor ("<a name=...>").
  void Anchor(std::string_view name);
  /// Opens a table of options with its "Option" / "Setting" header row.
  void BeginTable();
  /// Opens a table with the given header cells (the first one's column is
  /// the caption column).
  void BeginTable(std::initializer_list<std::string_view> headers);
  void EndTable();

  /// One row: caption and an already rendered value.
  void Row(std::string_view caption, std::string_view rendered);
  /// One row of a table with more columns: the caption, then each value
  /// rendered as text in its own cell.
  void Cells(std::string_view caption, std::initializer_list<std::string_view> values);
  /// A path setting, shown in the native form (forward slashes).
  void Path(std::string_view caption, std::string_view stored);
  /// A text setting.
  void Text(std::string_view caption, std::string_view value);
  /// A switch: "Yes" or "No".
  void YesNo(std::string_view caption, bool value);
  /// A number: "%d".
  void Number(std::string_view caption, int32_t value);
  /// A choice among alternatives: the caption of the chosen one (the value
  /// itself when it names none).
  void Choice(std::string_view caption, int32_t value,
              std::initializer_list<const char*> alternatives);
  /// A two-way choice shown by the caption of the alternative a switch picks.
  void Either(std::string_view caption, bool value, const char* when_on,
              const char* when_off);
  /// A display choice 0, 1, 2: "No", "Yes, at end of page", "Yes, within page".
  void Display(std::string_view caption, int32_t value);

  /// The rendering of a display choice.
  static std::string DisplayText(int32_t value);

  const std::string& page() const { return page_; }
  std::string Take() { return std::move(page_); }

 private:
  std::string page_;
};

}  // namespace vellix::options
