// The date rules of the phase grid: box checks, sequence check, date shift, key filters.

#include "culture/mdlKulturPhasenInfo_regeln.h"

#include <gtest/gtest.h>

#include "culture_fixture.h"

namespace tolvar::mdlKulturPhasenInfo {
namespace {

using culture::Zelle;
using test::D;

class PhaseRulesTest : public test::CultureFixture {
 protected:
  static std::vector<PhasenZeile> Gitter(const std::vector<std::pair<std::string, std::string>>& perioden) {
    std::vector<PhasenZeile> zeilen(25);
    for (std::size_t i = 0; i < perioden.size(); ++i) {
      zeilen[i][kSpalteName] = "P" + std::to_string(i + 1);
      zeilen[i][kSpalteBeginn] = perioden[i].first;
      zeilen[i][kSpalteEnde] = perioden[i].second;
    }
    return zeilen;
  }
};

TEST_F(PhaseRulesTest, SequenceCheck) {
  struct Fall {
    const char* name;
    std::vector<std::pair<std::string, std::string>> perioden;
    std::vector<Zelle> rot;  // empty: valid
  };
  const std::vector<Fall> faelle = {
      {"aneinander", {{"01.03.2024", "31.03.2024"}, {"01.04.2024", "30.04.2024"}}, {}},
      {"Lücke", {{"01.03.2024", "31.03.2024"}, {"02.04.2024", "30.04.2024"}}, {{2, 3}, {1, 4}}},
      {"Überlappung", {{"01.03.2024", "31.03.2024"}, {"31.03.2024", "30.04.2024"}}, {{2, 3}, {1, 4}}},
      {"ein Tag", {{"01.03.2024", "01.03.2024"}}, {{1, 3}, {1, 4}}},
      {"verkehrt", {{"01.03.2024", "31.03.2024"}, {"01.04.2024", "20.03.2024"}}, {{2, 3}, {2, 4}}},
      {"kein Datum", {{"01.03.2024", "3x.03.2024"}}, {{1, 3}, {1, 4}}},
      {"Folgebeginn kein Datum", {{"01.03.2024", "31.03.2024"}, {"", "30.04.2024"}}, {{2, 3}, {1, 4}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    meldungen.messages.clear();
    const culture::Pruefergebnis e = PhasenfolgePruefen(Gitter(f.perioden), state().culture);
    EXPECT_EQ(e.Ok, f.rot.empty());
    EXPECT_EQ(state().culture.EingabeOk, f.rot.empty());
    EXPECT_EQ(e.RoteZellen, f.rot);
    if (f.rot.empty()) {
      EXPECT_TRUE(meldungen.messages.empty());
    } else {
      ASSERT_EQ(meldungen.messages.size(), 1u);
      EXPECT_EQ(meldungen.messages[0].text, "Bitte prüfen sie die Eingabe.");
      EXPECT_EQ(meldungen.messages[0].title, "Tolvar-Information");
    }
  }
}

TEST_F(PhaseRulesTest, TwentyFiveFollowingPhasesPassAndARowWithoutNameEndsTheCheck) {
  std::vector<std::pair<std::string, std::string>> perioden;
  base::Date tag = D(2024, 1, 1);
  for (int i = 0; i < 25; ++i, tag += 10) perioden.push_back({base::DateText(tag), base::DateText(tag + 9)});
  EXPECT_TRUE(PhasenfolgePruefen(Gitter(perioden), state().culture).Ok);

  auto gitter = Gitter({{"01.03.2024", "31.03.2024"}});
  gitter[2][kSpalteName] = "unter der Lücke";
  gitter[2][kSpalteBeginn] = "31.12.2024";
  gitter[2][kSpalteEnde] = "01.01.2024";
  EXPECT_TRUE(PhasenfolgePruefen(gitter, state().culture).Ok);
}

TEST_F(PhaseRulesTest, BoxChecks) {
  const std::string ende(kMeldungEndeUngueltig);
  const std::string anfang(kMeldungAnfangUngueltig);
  const std::string doppelt(kMeldungAnfangFehltBeimEnde);
  struct Fall {
    bool endPruefung;
    const char* beginn;
    const char* ende;
    std::string meldung;  // empty: passes
  };
  const std::vector<Fall> faelle = {
      {true, "01.03.2024", "31.03.2024", ""},
      {true, "01.03.2024", "01.03.2024", ende},
      {true, "01.03.2024", "1.4.2024", ende},
      {true, "", "31.03.2024", doppelt},
      {true, "01.03.2024", "31.13.2024", ende},
      {true, "xx", "31.03.2024", ende},
      {false, "01.03.2024", "", ""},
      {false, "01.03.2024", "31.03.2024", ""},
      {false, "", "31.03.2024", anfang},
      {false, "01.04.2024", "31.03.2024", anfang},
      {false, "01.03.2024", "01.03.2024", anfang},
      {false, "30.02.2024", "", anfang},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.endPruefung ? "Ende " : "Anfang ") + f.beginn + " / " + f.ende);
    meldungen.messages.clear();
    const bool ok = f.endPruefung ? PhasenendePruefen(f.beginn, f.ende) : PhasenanfangPruefen(f.beginn, f.ende);
    EXPECT_EQ(ok, f.meldung.empty());
    if (f.meldung.empty()) {
      EXPECT_TRUE(meldungen.messages.empty());
    } else {
      ASSERT_EQ(meldungen.messages.size(), 1u);
      EXPECT_EQ(meldungen.messages[0].text, f.meldung);
      EXPECT_EQ(meldungen.messages[0].style, data::MessageStyle::Critical);
    }
  }
}

TEST_F(PhaseRulesTest, DeletingAPhaseShiftsTheLaterPeriodsBack) {
  PhasenSetzen({{D(2024, 1, 1), D(2024, 1, 31)},
                {D(2024, 2, 1), D(2024, 2, 29)},
                {D(2024, 3, 1), D(2024, 3, 31)},
                {D(2024, 4, 1), D(2024, 4, 30)}});
  for (int geloescht : {1, 2, 4}) {
    SCOPED_TRACE(geloescht);
    std::vector<PhasenZeile> gitter;
    for (int n = 1; n <= 4; ++n) gitter.push_back(PhasenZeileVon(state().culture.PhasenListe[n]));
    state().selection.PhasenIndex = geloescht;
    PhasenTermineNachruecken(gitter, state().culture, state().selection);
    gitter.erase(gitter.begin() + (geloescht - 1));
    // The remaining rows keep the first periods in order: P1, P2, P3 (or P2.. when 1 goes).
    const int erste = geloescht == 1 ? 2 : 1;
    for (std::size_t i = 0; i < gitter.size(); ++i) {
      EXPECT_EQ(gitter[i][kSpalteBeginn], base::DateText(state().culture.PhasenListe[erste + i].Anfang)) << i;
      EXPECT_EQ(gitter[i][kSpalteEnde], base::DateText(state().culture.PhasenListe[erste + i].Ende)) << i;
    }
  }
}

TEST_F(PhaseRulesTest, GridRowsStopAtTheFirstEmptySlotWhileTheTreeShowsEveryPhase) {
  PhasenSetzen({{D(2024, 1, 1), D(2024, 1, 31)}, {D(2024, 2, 1), D(2024, 2, 29)}});
  state().culture.PhasenListe[1].KP_ID = "0";
  EXPECT_TRUE(KulturphasenTabelle(state().culture).empty());
  EXPECT_EQ(PhasenBaumSlots(state().culture), std::vector<int>{2});

  PhasenSetzen({{D(2024, 1, 1), D(2024, 1, 31)}});
  const auto zeilen = KulturphasenTabelle(state().culture);
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0][kSpalteBeginn], "01.01.2024");
  EXPECT_EQ(zeilen[0][kSpalteName], "Phase 1");
}

TEST(PhaseKeyFilters, DateAndNumberBoxes) {
  struct Fall {
    const char* text;
    bool markiert;
    int taste;
    bool leeren;
    bool durch;
  };
  const std::vector<Fall> faelle = {
      {"01.03", false, '4', false, true},    {"01.03", false, '.', false, true},
      {"01.03", false, ',', false, false},   {"01.03.2024", false, '1', false, false},
      {"01.03.2024", false, 8, false, true}, {"01.03.2024", false, 13, false, true},
      {"01.03.2024", true, '1', true, true}, {"01.03.2024", true, 13, true, true},
      {"", false, 'a', false, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.text) + " " + std::to_string(f.taste));
    const Tastenwirkung w = DatumsfeldTaste(f.text, f.markiert, f.taste);
    EXPECT_EQ(w.Leeren, f.leeren);
    EXPECT_EQ(w.Durchlassen, f.durch);
  }
  for (int t : std::initializer_list<int>{'0', '9', ',', 8, 13}) EXPECT_TRUE(ZahlenfeldTaste(t)) << t;
  for (int t : std::initializer_list<int>{'.', '/', 'a', ' '}) EXPECT_FALSE(ZahlenfeldTaste(t)) << t;
}

}  // namespace
}  // namespace tolvar::mdlKulturPhasenInfo
