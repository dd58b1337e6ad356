// The heating model's arithmetic on plain values.

#include "heating/mdlHeizkostenBerrechnung_modell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "heating/mdlHeizkostenBerrechnung.h"

namespace tolvar::mdlHeizkostenBerrechnung {
namespace {

base::Date D(int y, int m, int d) { return *base::MakeDate(y, m, d); }
std::string Text2(double v) { return base::Format(v, "0.00"); }

TEST(HeatModelGeometry, ThreeHouseTypesOfTheWorkedExample) {
  struct Fall {
    int bauart, kappen;
    const char* giebel;
    const char* dach;
  };
  const Fall faelle[] = {{1, 1, "40,00", "538,52"}, {2, 2, "40,00", "640,31"}, {3, 1, "45,71", "576,30"}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.bauart);
    const auto g = GeometrieBerechnen(50, 10, 3, 5, f.bauart, f.kappen);
    ASSERT_TRUE(g);
    EXPECT_EQ(Text2(g->Stehwand), "150,00");
    EXPECT_EQ(Text2(g->Boden), "500,00");
    EXPECT_EQ(Text2(g->Giebel), f.giebel);
    EXPECT_EQ(Text2(g->Dach), f.dach);
  }
}

TEST(HeatModelGeometry, VenloWithOneBayIsTheWideSpanHouse) {
  EXPECT_DOUBLE_EQ(GeometrieBerechnen(50, 10, 3, 5, 2, 1)->Dach, GeometrieBerechnen(50, 10, 3, 5, 1, 7)->Dach);
}

TEST(HeatModelGeometry, UnknownTypeOrNoBaysGiveNoGeometry) {
  const std::pair<int, int> faelle[] = {{0, 1}, {4, 1}, {-1, 1}, {2, 0}, {2, -2}};
  for (const auto& [bauart, kappen] : faelle) {
    SCOPED_TRACE(testing::Message() << bauart << "/" << kappen);
    EXPECT_FALSE(GeometrieBerechnen(50, 10, 3, 5, bauart, kappen));
  }
}

TEST(HeatModelCalendar, WeekRule) {
  struct Fall {
    base::Date tag;
    int woche;
  };
  const Fall faelle[] = {
      {D(2023, 1, 1), 1},  // 1 January on a Sunday
      {D(2023, 1, 7), 1},  // Saturday of week 1
      {D(2023, 1, 8), 2},  // next Sunday
      {D(2022, 1, 1), 1},  // 1 January on a Saturday: one-day week 1
      {D(2022, 1, 2), 2},    {D(2023, 12, 24), 52},       {D(2022, 12, 31), 52},  // week 53
      {D(2016, 12, 31), 52},                                                      // leap year, week 53
      {D(2000, 12, 31), 52},                               // leap year starting on a Saturday: week 54
      {D(2000, 12, 30), 52}, {D(2024, 3, 10) + 0.75, 11},  // a time of day does not matter
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(base::DateText(f.tag));
    EXPECT_EQ(WocheDesJahres(f.tag), f.woche);
  }
}

TEST(HeatModelCalendar, WeeksOfAPeriodFollowTheDates) {
  const auto wochen = WochenDesZeitraums(D(1999, 12, 20), D(2001, 1, 10));
  ASSERT_EQ(wochen.size(), static_cast<std::size_t>(base::DaysBetween(D(1999, 12, 20), D(2001, 1, 10)) + 1));
  for (std::size_t i = 0; i < wochen.size(); ++i) {
    ASSERT_EQ(wochen[i], WocheDesJahres(D(1999, 12, 20) + static_cast<double>(i))) << i;
  }
  EXPECT_EQ(WochenDesZeitraums(D(2024, 5, 1), D(2024, 5, 1)).size(), 1u);
  EXPECT_EQ(WochenDesZeitraums(D(2024, 5, 1), D(2024, 5, 2)).size(), 2u);
  EXPECT_TRUE(WochenDesZeitraums(D(2024, 5, 2), D(2024, 5, 1)).empty());
}

TEST(HeatModelHour, NightAndDayHours) {
  for (int h = 0; h < 24; ++h) {
    SCOPED_TRACE(h);
    EXPECT_EQ(IstNachtstunde(h), h <= 6 || h >= 19);
  }
  EXPECT_TRUE(IstNachtstunde(6));
  EXPECT_TRUE(IstNachtstunde(19));
  EXPECT_FALSE(IstNachtstunde(7));
  EXPECT_FALSE(IstNachtstunde(18));
}

// The worked example: outer wall of 10 m², k 4, NT 16, TT 20, screen 20 %, tau 0.9, floor 50.
TEST(HeatModelHour, WorkedExamples) {
  const Flaechenwerte wand{10, 4, true, 0};
  const Hauswerte haus{20, 16, 20, 0.9, 50};
  struct Fall {
    int stunde;
    double temperatur, einstrahlung, netto;
  };
  const Fall faelle[] = {
      {3, base::Int(-2.3), 0, 608},   // L 760, S 152
      {12, base::Int(5.7), 20, 375},  // L 600, G 225
      {12, base::Int(5.7), 60, 0},    // G 675 capped at 600
      {6, -3, 0, 608},                // last night hour
      {19, -3, 500, 608},             // night: no solar gain
      {7, 5, 0, 600},                 // first day hour: no screen saving
      {18, 5, 0, 600},
      {3, 17, 0, -0.8 * 40},  // warmer than the set-point: negative, adds nothing
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.stunde);
    EXPECT_NEAR(StundenverlustBerechnen(wand, haus, f.stunde, f.temperatur, f.einstrahlung), f.netto, 1e-9);
  }
  EXPECT_EQ(base::Int(-0.5), -1);  // an outdoor value of -0.5 counts as -1
  const Hauswerte ohneSchirm{20, 16, 0, 0.9, 50};
  EXPECT_NEAR(StundenverlustBerechnen(wand, ohneSchirm, 3, -3, 0), 760, 1e-9);
}

TEST(HeatModelHour, TemperatureDifferences) {
  struct Fall {
    bool aussen;
    double grenze, tt, nt;
    int stunde;
    double temperatur, differenz;
  };
  const Fall faelle[] = {
      {true, 0, 16.27, 16.27, 3, 3, 13.3},    // outer: rounded to one decimal
      {false, 0, 16.27, 16.27, 3, 3, 13.27},  // boundary: exact
      {false, 18, 20, 16, 3, 5, -2},          // boundary at 18 °C: T = 18, night adds nothing
      {false, 18, 20, 16, 12, 5, 2},
      {false, 2, 20, 16, 12, 5, 15},  // outdoor warmer than beyond: outdoor counts
      {true, 18, 20, 16, 3, 5, 11},   // outer surface ignores the boundary value
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.aussen << " " << f.grenze << " " << f.stunde);
    const Flaechenwerte fl{10, 4, f.aussen, f.grenze};
    const Hauswerte haus{f.tt, f.nt, 0, 0, 50};
    EXPECT_NEAR(Temperaturdifferenz(fl, haus, IstNachtstunde(f.stunde), f.temperatur), f.differenz, 1e-12);
  }
  const Flaechenwerte grenz{10, 4, false, 18};
  const Hauswerte haus{20, 16, 0, 0, 50};
  EXPECT_LT(StundenverlustBerechnen(grenz, haus, 3, 5, 0), 0);
}

Klimatabellen KonstantesKlima(double temperatur, double einstrahlung) {
  Klimatabellen k;
  for (auto& woche : k.Temperatur) woche.fill(temperatur);
  for (auto& woche : k.Einstrahlung) woche.fill(einstrahlung);
  return k;
}

TEST(HeatModelPeriod, DaysAndDatesOfAPeriod) {
  // 10 m² at k 1, 10 K every hour, no screen, no sun: 100 Wh per hour, 2,4 kWh per date.
  const Klimatabellen klima = KonstantesKlima(0, 0);
  const Flaechenwerte wand{10, 1, true, 0};
  const Hauswerte haus{10, 10, 0, 0.9, 50};
  struct Fall {
    base::Date beginn, ende;
    int tage;
    const char* text;
  };
  const Fall faelle[] = {
      {D(2024, 3, 1), D(2024, 3, 1), 0, "2"},     // one date, 24 hours: 2,4 kWh
      {D(2024, 3, 1), D(2024, 3, 2), 1, "5"},     // two dates: 4,8 kWh
      {D(2024, 3, 1), D(2024, 3, 31), 30, "74"},  // 31 dates: 74,4 kWh
      {D(2024, 3, 2), D(2024, 3, 1), -1, "0"},    // end before start: nothing
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(base::DateText(f.ende));
    Heizperiode p{f.beginn, f.ende, WochenDesZeitraums(f.beginn, f.ende), nullptr};
    int16_t heiztage = 99;
    EXPECT_EQ(FlaechenWaermeverlustBerechnen(wand, haus, klima, p, heiztage), f.text);
    EXPECT_EQ(heiztage, f.tage);
    EXPECT_EQ(VerlustText(ZeitraumverlustBerechnen(wand, haus, klima, p.Wochen)), f.text);
  }
}

TEST(HeatModelPeriod, LastDayOfAYearUsesWeek52) {
  Klimatabellen klima = KonstantesKlima(std::numeric_limits<double>::quiet_NaN(), 0);
  klima.Temperatur[52].fill(0);  // only week 52 has values
  EXPECT_TRUE(klima.WocheVollstaendig(52));
  EXPECT_FALSE(klima.WocheVollstaendig(51));
  const Flaechenwerte wand{10, 1, true, 0};
  const Hauswerte haus{10, 10, 0, 0, 50};
  for (const base::Date tag : {D(2022, 12, 31), D(2000, 12, 31)}) {
    SCOPED_TRACE(base::DateText(tag));
    Heizperiode p{tag, tag, WochenDesZeitraums(tag, tag), nullptr};
    int16_t heiztage = 0;
    EXPECT_EQ(FlaechenWaermeverlustBerechnen(wand, haus, klima, p, heiztage), "2");
  }
}

// The week-hour shortcut must give exactly what the hour-by-hour walk gives.
TEST(HeatModelPeriod, ShortcutEqualsHourByHourWalk) {
  std::mt19937 zufall(4711);
  std::uniform_real_distribution<double> temp(-15, 30), strahl(0, 700);
  Klimatabellen klima;
  for (int w = 1; w <= kWochen; ++w) {
    for (int h = 0; h < kStunden; ++h) {
      klima.Temperatur[w][h] = base::Int(temp(zufall));
      klima.Einstrahlung[w][h] = base::Int(strahl(zufall));
    }
  }
  const Hauswerte haeuser[] = {{20, 16.27, 20, 0.9, 500}, {18.35, 15.05, 0, 0.85, 12.5}};
  const Flaechenwerte flaechen[] = {
      {150, 4.3, true, 0}, {40.0001, 3.1, false, 12.5}, {538.516, 6.5, true, 0}, {7.3, 1.1, false, -3}};
  const base::Date beginn = D(2023, 10, 3);
  const base::Date ende = D(2025, 2, 11);
  for (const auto& haus : haeuser) {
    Stundentabelle differenzen{};
    for (int w = 1; w <= kWochen; ++w) {
      for (int h = 0; h < kStunden; ++h) {
        differenzen[w][h] = Temperaturdifferenz({}, haus, IstNachtstunde(h), klima.Temperatur[w][h]);
      }
    }
    for (const auto& fl : flaechen) {
      SCOPED_TRACE(testing::Message() << haus.NT << " " << fl.Flaeche);
      Heizperiode p{beginn, ende, WochenDesZeitraums(beginn, ende), &differenzen};
      int16_t heiztage = 0;
      const double referenz = ZeitraumverlustBerechnen(fl, haus, klima, p.Wochen);
      EXPECT_EQ(FlaechenWaermeverlustBerechnen(fl, haus, klima, p, heiztage), VerlustText(referenz));
      p.Aussendifferenzen = nullptr;
      EXPECT_EQ(FlaechenWaermeverlustBerechnen(fl, haus, klima, p, heiztage), VerlustText(referenz));
      EXPECT_EQ(heiztage, base::DaysBetween(beginn, ende));
    }
  }
}

TEST(HeatModelResults, WorkedExample) {
  const auto e = ErgebnisseBerechnen({90, 90, 30, 30, 360}, 1, 85, 10, 500, 0.60);
  ASSERT_TRUE(e);
  EXPECT_DOUBLE_EQ(e->Heizbedarf, 600);
  EXPECT_EQ(base::Format(e->Energiebedarf, "0.00"), "705,88");
  EXPECT_EQ(base::Format(e->BrennstoffJeQm, "0.00000"), "0,14118");
  EXPECT_EQ(base::Format(e->HeizkostenJeQm, "0.0000"), "0,0847");
  EXPECT_DOUBLE_EQ(ErgebnisseBerechnen({90, 90, 30, 30, 360}, 0.5, 100, 10, 500, 0.60)->Heizbedarf, 300);
}

TEST(HeatModelResults, DivisionsByZeroGiveNoResult) {
  struct Fall {
    double wirkungsgrad, brennwert, boden;
  };
  // A tiny efficiency the site editor takes ("1e-310") gives no finite demand either.
  const Fall faelle[] = {{0, 10, 500},  {85, 0, 500}, {85, 10, 0},      {-5, 10, 500},
                         {85, -1, 500}, {85, 10, -3}, {1e-310, 10, 500}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.wirkungsgrad << " " << f.brennwert << " " << f.boden);
    EXPECT_FALSE(ErgebnisseBerechnen({1, 1, 1, 1, 1}, 1, f.wirkungsgrad, f.brennwert, f.boden, 0.6));
  }
}

TEST(HeatModelTexts, ReplacementRules) {
  EXPECT_EQ(KappenzahlLesen(""), 1);
  EXPECT_EQ(KappenzahlLesen("3"), 3);
  EXPECT_EQ(KappenzahlLesen("0"), 0);  // refused later by the geometry
  EXPECT_FALSE(KappenzahlLesen("drei"));

  struct Fall {
    const char* text;
    std::optional<double> anpassung, wirkungsgrad, grenze;
  };
  const Fall faelle[] = {
      {"", 1.0, 85.0, 0.0},   {"0", 1.0, 85.0, 0.0},
      {"0,0", 0.0, 0.0, 0.0},  // only the exact text "0" is replaced
      {"1,2", 1.2, 1.2, 1.2}, {"x", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.text);
    EXPECT_EQ(AnpassungLesen(f.text), f.anpassung);
    EXPECT_EQ(WirkungsgradLesen(f.text), f.wirkungsgrad);
    EXPECT_EQ(GrenztemperaturLesen(f.text), f.grenze);
  }
  EXPECT_EQ(EinsparungLesen(false, "35"), 0.0);
  EXPECT_EQ(EinsparungLesen(false, "kein"), 0.0);
  EXPECT_EQ(EinsparungLesen(true, "35"), 35.0);
  EXPECT_FALSE(EinsparungLesen(true, ""));
  EXPECT_EQ(BrennwertWaehlen(true, 11, 10), 11);
  EXPECT_EQ(BrennwertWaehlen(false, 11, 10), 10);
}

}  // namespace
}  // namespace tolvar::mdlHeizkostenBerrechnung
