// The formatting markers of a GEDCOM dialect as the text converter sees
// them. The dialect table loaded from gedcom.ini implements this interface;
// until one is selected the converter uses the built-in dialect, which has no
// markers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace vellix::text {

/// Number of formatting markers a dialect can define.
inline constexpr int kMarkerCount = 12;

/// Marker ids, in the order of the dialect's keys BoldB, BoldE, ItalicB,
/// ItalicE, UnderB, UnderE, CapB, CapE, SupB, SupE, SubB, SubE.
enum MarkerId : int {
  kBoldBegin = 0,
  kBoldEnd,
  kItalicBegin,
  kItalicEnd,
  kUnderBegin,
  kUnderEnd,
  kCapBegin,
  kCapEnd,
  kSupBegin,
  kSupEnd,
  kSubBegin,
  kSubEnd,
};

/// What the converter asks of the selected dialect.
class DialectMarkers {
 public:
  virtual ~DialectMarkers() = default;
  /// The marker text for `id` (0..11); empty when the dialect has none.
  virtual std::string_view Marker(int id) const = 0;
  /// True when at least one marker is not blank.
  virtual bool HasMarkers() const;
};

/// A dialect's twelve marker strings held by value. Used by the dialect
/// table for each gedcom.ini section, and directly by tests.
class MarkerSet : public DialectMarkers {
 public:
  MarkerSet() = default;
  explicit MarkerSet(std::array<std::string, kMarkerCount> markers)
      : markers_(std::move(markers)) {}

  std::string_view Marker(int id) const override;
  void Set(int id, std::string marker);

 private:
  std::array<std::string, kMarkerCount> markers_;
};

/// The built-in dialect "Normal (Default)": no markers at all.
const DialectMarkers& BuiltInDialectMarkers();

}  // namespace vellix::text
