// Every writer of table Vergleichskulturen (the calculation window's result save, the
// comparison-culture editor, the import from another result database) stores a text under
// its column's rule alike: each text below is stored by all of them or refused by all, and a
// refusal leaves the file byte for byte as it was.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "calculation/mdlkulturVergleich.h"
#include "comparison/comparison_cultures.h"
#include "comparison/ergebnis_fixture.h"
#include "data/comparison_table.h"
#include "data/state.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar {
namespace {

class SchreiberTest : public testing::Test {
 protected:
  test::TempDir dir;
  std::string pfad = dir.Join("Ergebnisse.mdb");
  int quellen = 0;
  test::ScopedRecordingSink meldungen;

  void SetUp() override {
    ResetState();
    test::ErgebnisdatenbankAnlegen(pfad);
    state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = pfad;
    // The culture has no phases and no work: TQM stays empty, Akh is 0.
    state().culture.AnzahlPhasen = 0;
    // Every cost is taken over from a comparison culture, so that its box holds what it
    // took over, whichever text that is.
    for (Kostenart art : kKostenarten) state().calculation.HerkunftVon(art) = Herkunft::Vergleichskultur;
  }
  void TearDown() override { ResetState(); }

  // What the result save stored of `spalte` from the box of `spalte` holding `text`;
  // nullopt when it refused.
  std::optional<std::string> Ergebnisspeichern(std::string_view spalte, const std::string& text) {
    KalkulationsFenster f;
    f.txtName = "K";
    f.txtAnfang = "01.03.2024";
    f.txtEnde = "30.09.2024";
    f.txtMenge = "800";
    f.txtPreis = "0,90";
    for (std::string& kosten : f.Wertfelder) kosten = "1,00";
    if (spalte == "Menge") f.txtMenge = text;
    if (spalte == "Preis") f.txtPreis = text;
    if (spalte == "Beginn") f.txtAnfang = text;
    for (Kostenart art : kKostenarten) {
      if (data::KostenSpalte(art) == spalte) f.Wertfeld(art) = text;
    }
    return Gespeichert(pfad, spalte, [&] { return mdlkulturVergleich::KalkulationsergebnisSpeichern(f); });
  }

  // The same through the editor's save, as a new culture.
  std::optional<std::string> Editorspeichern(std::string_view spalte, const std::string& text) {
    comparison::Kultureingabe e;
    e.Kultur = "K";
    if (spalte == "Menge") e.Menge = text;
    if (spalte == "Preis") e.Preis = text;
    if (spalte == "Beginn") e.Beginn = text;
    if (spalte == "Akh") e.Akh = text;
    if (spalte == "TQM") e.TQM = text;
    for (Kostenart art : kKostenarten) {
      if (data::KostenSpalte(art) == spalte) e.Kosten[KostenIndex(art)] = text;
    }
    return Gespeichert(pfad, spalte,
                       [&] { return !comparison::ErsteVerweigerung(e) && comparison::KulturSpeichern(pfad, e, ""); });
  }

  // The same through the import of a culture of another result database that holds `text`.
  std::optional<std::string> Importieren(std::string_view spalte, const std::string& text) {
    const std::string quelle = dir.Join("Quelle" + std::to_string(++quellen) + ".mdb");
    test::ErgebnisdatenbankAnlegen(quelle);
    test::Spalten zeile = test::Beispielkultur(0, "K");
    zeile[std::string(spalte)] = text;
    test::ZeileEinfuegen(quelle, zeile);
    return Gespeichert(pfad, spalte, [&] {
      const auto pruefung = comparison::ImportPruefen(quelle, {"0"});
      return pruefung && !pruefung->Gueltig.empty() &&
             data::VergleichskulturenUebertragen(quelle, pfad, pruefung->Gueltig);
    });
  }

  // Runs `schreiben` on the database at `datei`: the last row's `spalte` when it wrote; nullopt
  // when it refused, after checking that the file kept its bytes.
  template <class Schreiben>
  std::optional<std::string> Gespeichert(const std::string& datei, std::string_view spalte, Schreiben schreiben) {
    const std::string vorher = test::FileContents(datei);
    if (!schreiben()) {
      EXPECT_TRUE(test::FileContents(datei) == vorher) << "a refusal changed the file";
      return std::nullopt;
    }
    return test::SpalteLesen(datei, std::string(spalte)).back();
  }
};

TEST_F(SchreiberTest, EveryWriterStoresOrRefusesEachTextAlike) {
  struct Fall {
    const char* spalte;
    const char* text;
    bool gespeichert;
  };
  const Fall faelle[] = {
      {"Menge", "1e308", false},
      {"Menge", "-5", false},
      {"Menge", "1,5", false},
      {"Menge", "", true},
      {"Menge", "6.000", false},
      {"Menge", "0", true},
      {"Menge", "1000000000000", true},
      {"Menge", "1000000000001", false},
      {"Preis", "1e308", false},
      {"Preis", "-5", false},
      {"Preis", "1,5", true},
      {"Preis", "", true},
      {"Preis", "6.000", false},
      {"Preis", "0", true},
      {"Preis", "1000000000000", true},
      {"Preis", "1000000000000,01", false},
      {"Beginn", "", true},
      {"Beginn", "29.02.2024", true},
      {"Beginn", "31.02.2024", false},
      {"Beginn", "1.3.2024", false},
      {"Beginn", "1e308", false},
      {"Strom", "1e308", false},  // "1e308" typed into a detail window and taken over
      {"Strom", "abc", false},
      {"Strom", "1,2,3", false},
      {"Strom", "6.000", false},
      {"Strom", "1,5", true},
      {"Strom", "", true},
      {"Vermarktung", "-5", true},  // a negative marketing share gives a negative cost
      {"Vermarktung", "-2500000,00", true},
      {"Vermarktung", "-1000000000000", true},
      {"Vermarktung", "-1000000000001", false},
      {"Vermarktung", "1000000000000", true},
      {"Vermarktung", "1000000000001", false},
      // The sums the result save works out itself (below); typed in the editor or imported.
      // Their columns hold numbers: a file stores "6.000" there as 6.
      {"Akh", "1e308", false},
      {"Akh", "-5", false},
      {"Akh", "1,5", true},
      {"Akh", "", true},
      {"TQM", "1000000000001", false},
      {"TQM", "-5", false},
      {"TQM", "1,5", true},
      {"TQM", "", true},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.spalte) + " \"" + fall.text + "\"");
    const bool errechnet = data::Vergleichskulturspalte(fall.spalte)->errechnet;
    std::vector<std::optional<std::string>> ergebnisse = {Editorspeichern(fall.spalte, fall.text),
                                                          Importieren(fall.spalte, fall.text)};
    if (!errechnet) ergebnisse.push_back(Ergebnisspeichern(fall.spalte, fall.text));
    for (const std::optional<std::string>& ergebnis : ergebnisse) {
      EXPECT_EQ(ergebnis.has_value(), fall.gespeichert);
      // A text that is stored is stored as it stands; an empty box takes the writer's default.
      if (ergebnis && *fall.text != '\0') {
        EXPECT_EQ(*ergebnis, fall.text);
      }
    }
  }
}

// The sums the result save works out are stored only under their columns' rules: a culture
// whose area-days pass 1.000.000.000.000 is refused with a message naming the sum.
TEST_F(SchreiberTest, ResultSaveChecksItsOwnSums) {
  State& s = state();
  s.culture.PhasenListe.assign(3, PhasenSatz{});
  s.culture.PhasenListe[1].BruttoFlaeche = "1000000000000";
  s.culture.PhasenListe[1].Anfang = *base::MakeDate(2024, 3, 1);
  s.culture.PhasenListe[1].Ende = *base::MakeDate(2024, 3, 3);
  s.culture.AnzahlPhasen = 1;
  EXPECT_FALSE(Ergebnisspeichern("Kultur", "K"));
  ASSERT_EQ(meldungen.messages.size(), 1u);
  EXPECT_NE(meldungen.messages[0].text.find("Summe BTm²"), std::string::npos) << meldungen.messages[0].text;
  EXPECT_TRUE(test::SpalteLesen(pfad, "Kultur").empty());
}

}  // namespace
}  // namespace tolvar
