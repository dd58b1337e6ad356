// Deviation gauges and quality marks: the segment bands, the value and margin gauges and the
// marks, from the table of cases the comparison has to meet.
#include "comparison/deviation.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvar::comparison {
namespace {

// "6-11" style description of the visible segments.
std::string Sichtbar(const Balken& b) {
  std::string text;
  for (int k = 1; k <= kSegmente; ++k) {
    if (b[static_cast<std::size_t>(k)]) text += (text.empty() ? "" : ",") + std::to_string(k);
  }
  return text;
}

TEST(Abweichung, BandsOfTheSegmentTable) {
  struct Fall {
    double d;
    const char* normal;
    const char* gespiegelt;
  };
  const Fall faelle[] = {
      {-100, "1,2,3,4,5", "7,8,9,10,11"},
      {-10, "1,2,3,4,5", "7,8,9,10,11"},
      {-9, "2,3,4,5", "7,8,9,10"},
      {-8, "2,3,4,5", "7,8,9,10"},
      {-6, "3,4,5", "7,8,9"},
      {-4, "4,5", "7,8"},
      {-2, "5", "7"},
      {-1.9, "", ""},
      {0, "", ""},
      {1.9, "", ""},
      {2, "7", "5"},
      {4, "7,8", "4,5"},
      {6, "7,8,9", "3,4,5"},
      {8, "7,8,9,10", "2,3,4,5"},
      {9.99, "7,8,9,10", "2,3,4,5"},
      {10, "7,8,9,10,11", "1,2,3,4,5"},
      {50, "7,8,9,10,11", "1,2,3,4,5"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.d);
    EXPECT_EQ(Sichtbar(SegmenteFuerAbweichung(f.d, false)), f.normal);
    EXPECT_EQ(Sichtbar(SegmenteFuerAbweichung(f.d, true)), f.gespiegelt);
  }
}

TEST(Abweichung, ValueGauges) {
  struct Fall {
    const char* links;
    const char* rechts;
    bool gewinn;
    const char* sichtbar;
  };
  const Fall faelle[] = {
      {"100", "100", false, "6"},
      {"110", "100", false, "6,7,8,9,10,11"},
      {"109", "100", false, "6,7,8,9,10"},
      {"102", "100", false, "6,7"},
      {"101,9", "100", false, "6"},
      {"90", "100", false, "1,2,3,4,5,6"},
      {"91", "100", false, "2,3,4,5,6"},
      {"98", "100", false, "5,6"},
      {"0", "100", false, ""},
      {"100", "0", false, ""},
      {"abc", "100", false, ""},
      {"", "100", false, ""},
      {"50", "-100", false, "6"},
      {"-110", "-100", false, "6,7,8,9,10,11"},
      {"-110", "-100", true, "1,2,3,4,5,6"},
      {"110", "100", true, "6,7,8,9,10,11"},
      {"0", "0", true, ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.links) + " : " + f.rechts);
    EXPECT_EQ(Sichtbar(WertBalken(f.links, f.rechts, f.gewinn)), f.sichtbar);
  }
}

TEST(Abweichung, MarginGaugesKeepTheirCentreAndNeverDivideByZero) {
  struct Fall {
    const char* links;
    const char* rechts;
    const char* sichtbar;
  };
  const Fall faelle[] = {
      {"", "", "6"},
      {"0,00", "250", "1,2,3,4,5,6"},
      {"-50", "100", "1,2,3,4,5,6"},
      {"-150", "-100", "6,7,8,9,10,11"},
      {"0", "250", "6"},
      {"250", "0", "6"},
      // A zero base written as "0,00", as every box holds it after a comparison.
      {"250", "0,00", "6"},
      {"abc", "100", "6"},
      {"104", "100", "6,7,8"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.links) + " : " + f.rechts);
    EXPECT_EQ(Sichtbar(MargenBalken(f.links, f.rechts)), f.sichtbar);
  }
}

TEST(Abweichung, QualityMarks) {
  EXPECT_EQ(Qualitaetszeichen("0"), "");
  EXPECT_EQ(Qualitaetszeichen("1"), "* * *");
  EXPECT_EQ(Qualitaetszeichen("2"), "* * ");
  EXPECT_EQ(Qualitaetszeichen("3"), "*");
  EXPECT_EQ(Qualitaetszeichen("7"), std::nullopt);
  EXPECT_EQ(Qualitaetszeichen(""), std::nullopt);
  EXPECT_EQ(Bewertungszeichen(1), "* * *");
  EXPECT_EQ(Bewertungszeichen(2), "* *");
  EXPECT_EQ(Bewertungszeichen(3), "*");
  EXPECT_EQ(Bewertungszeichen(0), std::nullopt);
}

}  // namespace
}  // namespace tolvar::comparison
