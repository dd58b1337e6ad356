// A phase without plants ("0", as the phase saver stores an empty Menge) in a whole
// calculation: heating and labour report their data as missing, every other term that would
// divide by the plants is left out, and no box shows a figure that is no finite number.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calculation/mdlKalkulation.h"
#include "data/mdlDatenLaden.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar::mdlKalkulation {
namespace {

// A box holds nothing or a number with a decimal comma: digits, one comma, a leading minus.
bool LeerOderEndlich(const std::string& text) {
  if (text.empty()) return true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!(c >= '0' && c <= '9') && c != ',' && !(c == '-' && i == 0)) return false;
  }
  const auto zahl = base::ParseNumber(text);
  return zahl && std::isfinite(*zahl);
}

TEST(KalkulationOhnePflanzen, HeatingAndLabourAreMissingAndNoFigureIsInfiniteOrNaN) {
  test::FreshDataRoot root;
  test::ScopedRecordingSink meldungen;
  ResetState();
  DiensteZuruecksetzen();
  State& s = state();
  s.enterprise.Programmpfad = root.Path();
  s.enterprise.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
  s.enterprise.TolvarDatenbankPfad = root.Join("Betriebe/Mustergärtnerei.Tolvar");
  ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  ASSERT_TRUE(mdlDatenLaden::KulturenLaden());
  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  {
    auto datenbank = db::Database::Open(s.enterprise.TolvarDatenbankPfad);
    ASSERT_TRUE(datenbank);
    // Phase 2 of K1003 begins within an occupancy and holds recorded work and material rows.
    ASSERT_TRUE(datenbank->Execute("UPDATE KulturPhasen SET AnzahlPflanzen = '0' WHERE KP_ID = 'K1003_2'"));
  }
  for (std::size_t i = 0; i < s.masters.KulturListe.size(); ++i) {
    if (s.masters.KulturListe[i].KulturNr == "K1003") s.selection.KulturIndex = static_cast<int>(i);
  }

  KalkulationsFenster f;
  KalkulationZuruecksetzen(f, s.calculation);
  f.txtMenge = "5900";
  f.txtPreis = "3,20";
  ASSERT_TRUE(KulturKalkulieren(f));
  ASSERT_EQ(s.culture.PhasenListe[2].AnzahlPflanzen, "0");

  EXPECT_EQ(f.txtHeizung(), "");
  EXPECT_EQ(f.txtArbeit(), "");
  for (Kostenart art : kKostenarten) {
    if (art == Kostenart::Heizung || art == Kostenart::Arbeit) continue;
    EXPECT_NE(f.Wertfeld(art), "") << Daten(art).wertfeld;
  }
  for (const std::string* box :
       {&f.txtMarktleistung, &f.txtErloes1000, &f.txtSachkosten, &f.txtDB, &f.txtDBJQM, &f.txtDBAkh, &f.txtEKFL,
        &f.txtEKFLJQM, &f.txtEKFLAkh, &f.txtGewinn[1], &f.txtGewinn[2]}) {
    EXPECT_TRUE(LeerOderEndlich(*box)) << *box;
  }
  for (Kostenart art : kKostenarten) EXPECT_TRUE(LeerOderEndlich(f.Wertfeld(art))) << f.Wertfeld(art);
  for (const KulturMaterialSatz& zeile : s.culture.KulturMaterialListe) {
    EXPECT_TRUE(LeerOderEndlich(zeile.KostenJePflanze)) << zeile.MaNr << " " << zeile.KostenJePflanze;
  }
  EXPECT_TRUE(meldungen.messages.empty());
  DiensteZuruecksetzen();
  ResetState();
}

}  // namespace
}  // namespace tolvar::mdlKalkulation
