#include "base/field_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tolvar::base {
namespace {

constexpr Feldregel kMenge{.feld = "txtMenge", .bereich = {.low = 0.0}, .ganz = true, .leer = "0"};
constexpr Feldregel kAnteil{.feld = "txtAnteil", .bereich = {.low = 0.0, .high = 100.0, .lowIncluded = false}};
constexpr Feldregel kWirkungsgrad{
    .feld = "txtWirkungsgrad", .bereich = {.low = 0.0, .lowIncluded = false}, .leer = "85", .auchText = "0"};
constexpr Feldregel kVermarktung{.feld = "txtKosten", .bereich = {.low = -kLargestAmount}, .leer = ""};

// What each rule stores for the texts a person types or pastes; nullopt is a refusal.
TEST(Feldregel, StoresWhatTheRuleTakesAndRefusesTheRest) {
  struct Case {
    const Feldregel* regel;
    const char* text;
    std::optional<std::string> gespeichert;
  };
  const std::vector<Case> cases = {
      {&kMenge, "12", "12"},
      {&kMenge, "0", "0"},
      {&kMenge, "", "0"},
      {&kMenge, "  ", "0"},
      {&kMenge, "1000000000000", "1000000000000"},
      {&kMenge, "1000000000001", std::nullopt},
      {&kMenge, "99999999999999999999", std::nullopt},
      {&kMenge, "1,5", std::nullopt},
      {&kMenge, "-5", std::nullopt},
      {&kMenge, "abc", std::nullopt},
      {&kMenge, "1,2,3", std::nullopt},
      {&kMenge, "1e308", std::nullopt},
      {&kAnteil, "0", std::nullopt},
      {&kAnteil, "100", "100"},
      {&kAnteil, "100,5", std::nullopt},
      {&kAnteil, "", std::nullopt},
      {&kWirkungsgrad, "0", "0"},
      {&kWirkungsgrad, "0,0", std::nullopt},
      {&kWirkungsgrad, "", "85"},
      {&kWirkungsgrad, "92", "92"},
      {&kVermarktung, "-300", "-300"},
      {&kVermarktung, "", ""},
      {&kVermarktung, "-1e308", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.regel->feld) + " \"" + c.text + "\"");
    EXPECT_EQ(FeldText(*c.regel, c.text), c.gespeichert);
    EXPECT_EQ(FeldGueltig(*c.regel, c.text), c.gespeichert.has_value());
  }
  EXPECT_EQ(FeldZahl(kMenge, "12"), 12.0);
  EXPECT_EQ(FeldZahl(kMenge, ""), std::nullopt);
  EXPECT_EQ(FeldZahl(kWirkungsgrad, "0"), std::nullopt);
}

TEST(Feldregel, NamesTheFirstRefusedFieldOfAWrite) {
  EXPECT_EQ(ErsteVerweigerung({{kMenge, "10"}, {kAnteil, "50"}}), std::nullopt);
  EXPECT_EQ(ErsteVerweigerung({{kMenge, "10"}, {kAnteil, "abc"}, {kMenge, "x"}}), "txtAnteil");
}

TEST(Feldregel, QuotientAndProductStayAFiniteAmount) {
  EXPECT_EQ(Quotient(3.0, 2.0), 1.5);
  EXPECT_EQ(Quotient(3.0, 0.0), std::nullopt);
  EXPECT_EQ(Quotient(3.0, 1e-310), std::nullopt);
  EXPECT_EQ(Quotient(2e12, 1.0), std::nullopt);
  EXPECT_EQ(Produkt(40.0, 12.5), 500.0);
  EXPECT_EQ(Produkt(1e6, 1e6), 1e12);  // the bound itself
  EXPECT_EQ(Produkt(1e6, -1e6), -1e12);
  EXPECT_EQ(Produkt(1e6, 1000001.0), std::nullopt);
  EXPECT_EQ(Produkt(1e300, 1e300), std::nullopt);
  EXPECT_EQ(Produkt(std::numeric_limits<double>::infinity(), 0.0), std::nullopt);
}

TEST(Feldregel, StatesBoundsAsMessagesDo) {
  EXPECT_EQ(ZahlMitTausenderpunkten(1e12), "1.000.000.000.000");
  EXPECT_EQ(ZahlMitTausenderpunkten(-1234.5), "-1.234,5");
  EXPECT_EQ(ZahlMitTausenderpunkten(999), "999");
  EXPECT_EQ(ZahlMitTausenderpunkten(0.5), "0,5");
  EXPECT_EQ(BereichText({}), "von 0 bis 1.000.000.000.000");
  EXPECT_EQ(BereichText({.low = 0.0, .lowIncluded = false}), "über 0 bis 1.000.000.000.000");
  EXPECT_EQ(BereichText({.low = 0.0, .high = 100.0, .highIncluded = false}), "von 0 bis unter 100");
  EXPECT_EQ(BereichText({.low = -1e300, .high = 50.0}), "von -1.000.000.000.000 bis 50");
  EXPECT_EQ(Erwartet(kMenge), "eine ganze Zahl von 0 bis 1.000.000.000.000");
  EXPECT_EQ(Erwartet({.feld = "x", .bereich = {.low = -1e12}}),
            "ein Betrag von -1.000.000.000.000 bis 1.000.000.000.000");
}

// Thousands points are never read ("1.500" may mean 1,5 as well as 1500): a refused text with a
// point is told so; other refused texts get nothing added.
TEST(Feldregel, ARefusedTextWithAPointIsToldAboutThousandsPoints) {
  EXPECT_FALSE(FeldGueltig(kMenge, "6.000"));
  EXPECT_EQ(Tausenderpunkthinweis("6.000"), " Bitte geben Sie die Zahl ohne Tausenderpunkte ein.");
  EXPECT_EQ(Tausenderpunkthinweis("1.500,5"), " Bitte geben Sie die Zahl ohne Tausenderpunkte ein.");
  EXPECT_EQ(Tausenderpunkthinweis("abc"), "");
  EXPECT_EQ(Tausenderpunkthinweis("1,5"), "");
}

}  // namespace
}  // namespace tolvar::base
