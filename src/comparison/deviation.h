#pragma once
// Deviation gauges and quality marks of the culture comparison: the left value as a
// percentage of the right (base) value, drawn on a bar of eleven segments (6 the centre,
// each further segment two percentage points, 1 and 11 ten points or more).

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tolvar::comparison {

inline constexpr int kSegmente = 11;
inline constexpr int kMitte = 6;

// Visibility of segments 1..11 (element 0 unused).
using Balken = std::array<bool, kSegmente + 1>;

// Segments shown for a deviation D = P - 100, in the normal or the mirrored direction
// (bands inclusive at +-2, 4, 6, 8, 10 away from the centre); the centre is not among them.
Balken SegmenteFuerAbweichung(double abweichung, bool gespiegelt);

// Percentage of a value gauge. Either value 0 or no number: 100, and the centre is hidden
// too; opposite signs: 100; otherwise L * 100 / R.
struct Wertprozent {
  double prozent = 100;
  bool mitteVerbergen = false;
};
Wertprozent WertProzent(const std::string& links, const std::string& rechts);

// A value gauge after its reset: centre shown unless hidden, then the deviation's segments.
// The profit gauge is drawn mirrored when the left profit is 0 or less.
Balken WertBalken(const std::string& links, const std::string& rechts, bool gewinn = false);

// Percentage of the DKFL and EKFL gauges from their boxes' texts: L * 100 / R, with no test
// of the signs; a left box that is empty or exactly "0", a box that is no number or a right
// value of 0 gives 100.
double MargenProzent(const std::string& links, const std::string& rechts);
// The DKFL or EKFL gauge: centre always shown, then the normal segments.
Balken MargenBalken(const std::string& links, const std::string& rechts);

// Quality mark of the comparison window and its pop-ups for a grade text: "0" none, "1"
// "* * *", "2" "* * " (trailing blank), "3" "*"; nullopt (caption unchanged) otherwise.
std::optional<std::string> Qualitaetszeichen(std::string_view grad);

// Quality mark of the comparison-culture editor: 1 "* * *", 2 "* *", 3 "*"; nullopt otherwise.
std::optional<std::string> Bewertungszeichen(int grad);

}  // namespace tolvar::comparison
