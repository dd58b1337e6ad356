// The shipped sample enterprise: a culture's phases, occupancies and material rows load
// as stored, and the phase areas come out as the stored ones.

#include <gtest/gtest.h>

#include "culture/mdlBerrechnung_flaechen.h"
#include "culture/mdlKulturMaterial.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "culture/mdlKulturPhasenInfo_regeln.h"
#include "culture/mdlStandorte2.h"
#include "data/mdlDatenLaden.h"
#include "data/messages.h"
#include "data/state.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar {
namespace {

TEST(SampleEnterprise, PoinsettiaLoadsAndItsAreasAgree) {
  test::FreshDataRoot root;
  test::ScopedRecordingSink meldungen;
  ResetState();
  State& s = state();
  s.enterprise.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
  s.enterprise.TolvarDatenbankPfad = root.Join("Betriebe/Mustergärtnerei.Tolvar");
  s.enterprise.AktuelleEinstellungen.MaterialPfad = root.Join("Tolvar_DB/Material.mdb");
  ASSERT_TRUE(mdlDatenLaden::KulturenLaden());
  ASSERT_TRUE(mdlDatenLaden::StandorteLaden());
  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  s.selection.KulturIndex = -1;
  for (std::size_t i = 0; i < s.masters.KulturListe.size(); ++i) {
    if (s.masters.KulturListe[i].KulturNr == "K1003") s.selection.KulturIndex = static_cast<int>(i);
  }
  ASSERT_GE(s.selection.KulturIndex, 0);

  ASSERT_TRUE(mdlKulturPhasenInfo::KulturPhasenLaden());
  ASSERT_EQ(s.culture.AnzahlPhasen, 3);
  EXPECT_EQ(s.culture.PhasenListe[1].Phasennamen, "Bewurzelung");
  EXPECT_EQ(base::DateText(s.culture.PhasenListe[3].Ende), "06.12.2024");
  const auto gitter = mdlKulturPhasenInfo::KulturphasenTabelle(state().culture);
  EXPECT_TRUE(mdlKulturPhasenInfo::PhasenfolgePruefen(gitter, state().culture).Ok);

  ASSERT_TRUE(mdlStandorte2::KulturStandorteLaden());
  ASSERT_EQ(s.culture.AnzahlKulturStandorte, 3);
  EXPECT_EQ(s.culture.KulturStandortListe[0].StandortName, "Venlo-Haus 2");
  EXPECT_EQ(s.culture.KulturStandortListe[1].Wege, "15");
  EXPECT_TRUE(mdlStandorte2::KulturStandorteEingabePruefen(mdlStandorte2::KulturStandorteTabelle(state().culture),
                                                           state().culture, state().masters)
                  .Ok);

  const std::vector<std::string> netto = {s.culture.PhasenListe[1].Flaeche, s.culture.PhasenListe[2].Flaeche,
                                          s.culture.PhasenListe[3].Flaeche};
  const std::vector<std::string> brutto = {s.culture.PhasenListe[1].BruttoFlaeche,
                                           s.culture.PhasenListe[2].BruttoFlaeche,
                                           s.culture.PhasenListe[3].BruttoFlaeche};
  const auto flaechen = mdlBerrechnung::PhasenFlaechenBerechnen(state().culture);
  ASSERT_EQ(flaechen.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(flaechen[i].Flaeche, netto[i]);
    EXPECT_EQ(flaechen[i].BruttoFlaeche, brutto[i]);
  }

  ASSERT_TRUE(mdlKulturMaterial::KulturMaterialLaden());
  ASSERT_EQ(s.culture.AnzahlKulturMaterialien, 6);
  const auto material = mdlKulturMaterial::KulturMaterialTabelle(state().culture, state().masters);
  ASSERT_EQ(material.size(), 6u);
  EXPECT_EQ(material[0].Datum, "29.07.2024");
  EXPECT_EQ(material.back().Menge, "5,9");
  for (const auto& z : material) EXPECT_NE(z.Materialname, z.MaNr) << z.MaNr;

  // Saving the loaded rows unchanged keeps what was stored.
  ASSERT_TRUE(mdlKulturPhasenInfo::KulturphasenSpeichern(gitter));
  ASSERT_TRUE(mdlStandorte2::KulturStandorteSpeichern(mdlStandorte2::KulturStandorteTabelle(state().culture),
                                                      mdlKulturPhasenInfo::KulturphasenTabelle(state().culture)));
  ASSERT_TRUE(mdlKulturMaterial::KulturMaterialSpeichern(material));
  ASSERT_TRUE(mdlKulturPhasenInfo::KulturPhasenLaden());
  ASSERT_TRUE(mdlStandorte2::KulturStandorteLaden());
  ASSERT_TRUE(mdlKulturMaterial::KulturMaterialLaden());
  EXPECT_EQ(mdlKulturPhasenInfo::KulturphasenTabelle(state().culture), gitter);
  EXPECT_EQ(s.culture.AnzahlKulturStandorte, 3);
  EXPECT_EQ(mdlKulturMaterial::KulturMaterialTabelle(state().culture, state().masters).size(), 6u);
  EXPECT_TRUE(meldungen.messages.empty());

  ResetState();
}

}  // namespace
}  // namespace tolvar
