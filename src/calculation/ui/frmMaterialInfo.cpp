#include "calculation/ui/frmMaterialInfo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlMauszeiger.h"
#include "base/values.h"
#include "calculation/mdlBerrechnung_kosten.h"
#include "calculation/mdlKalkulation.h"
#include "calculation/ui/frmKalkulation.h"
#include "culture/mdlKulturMaterial.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

using sys::TwipsToPixels;
using ui::Q;

// The comparison frame on the origin tab, in place of the database box.
const KostenInfoFenster::Gestalt kVergleich = Aufschluesselungsfenster::Vergleichsgestalt({
    .datenbankOben = 600,
    .listeBreite = 2655,
    .wert = {.links = 5160, .oben = 2040, .breite = 1380, .hoehe = 285},
    .kosten = {.links = 6600, .oben = 1920, .breite = 1215, .hoehe = 375},
    .einheit = {.links = 7920, .oben = 2040, .breite = 1980, .hoehe = 285},
    .qualitaet = {.links = 9960, .oben = 2040, .breite = 1380, .hoehe = 285},
});

}  // namespace

frmMaterialInfo::frmMaterialInfo()
    : FensterOf(QStringLiteral("Materialkosten-Info"), {.art = kArt,
                                                        .wertText = "Materialkosten:",
                                                        .einheitText = "€/  1000 Stk",
                                                        .uebernahmeName = "cmbOk",
                                                        .uebernahmeText = "Materialkosten übernehmen",
                                                        .jedeAuswahlZeigen = true,
                                                        .gestalt = &kVergleich,
                                                        .imFensterBauen = true}) {
  resize(TwipsToPixels(13350), TwipsToPixels(7215));
  SetStartPosition(ui::StartPosition::CentreScreen);
  BeendenKnopfBauen();
  regMaterialkosten = ReiterBauen("regMaterialkosten", QStringLiteral("Materialkosten-Information"));
  QWidget* herkunft = regMaterialkosten->Page(0);

  dtgMaterial = AufschluesselungBauen("dtgMaterial", 12300, 7);

  fraMaterial = ui::MakeFrame(herkunft, QStringLiteral("fraMaterial"), 240, 840, 12735, 2535);
  lblVantel[0] = ui::MakeLabel(fraMaterial, QStringLiteral("lblVantel(0)"), QStringLiteral("Materialdatenbank:"), 120,
                               480, 3000, 285);
  txtMaterialPfad = ui::MakeTextBox(fraMaterial, QStringLiteral("txtMaterialPfad"), 3120, 360, 9015, 375);
  fraMaterial->hide();

  VergleichsrahmenBauen(fraMaterial, 120, 840);
}
void frmMaterialInfo::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  fraMaterial->show();
  txtMaterialPfad->setText(Q(state().enterprise.AktuelleEinstellungen.MaterialPfad));
  // The loaders read KulturIndex, which a tree rebuild may have moved off the chosen culture.
  if (frmKalkulation::IsLoaded()) frmKalkulation::instanz().KulturZurueckholen();
  mdlKulturPhasenInfo::KulturPhasenLaden();
  mdlDatenLaden::MaterialienLaden();
  mdlKulturMaterial::KulturMaterialLaden();
  mdlBerrechnung::MaterialkostenJePflanzeBerechnen(state().culture, state().masters);
  TabelleFuellen();
  regMaterialkosten->SetTab(1);
}

void frmMaterialInfo::TabelleFuellen() {
  tolvar::State& s = state();
  const int links = ui::kAlignLeftCenter;
  const int mitte = ui::kAlignCenterCenter;
  Aufschluesselung tabelle(*dtgMaterial,
                           {
                               {.kopf = "Material", .breite = 2000, .ausrichtung = links, .fett = true},
                               {.kopf = "Einheiten", .breite = 1500, .ausrichtung = mitte},
                               {.kopf = "Preis in €/Einheit", .breite = 2000, .ausrichtung = mitte},
                               {.kopf = "Datum", .breite = 1500, .ausrichtung = mitte},
                               {.kopf = "Kulturphase", .breite = 2000, .ausrichtung = mitte, .fett = true},
                               {.kopf = "Anzahl Pflanzen", .breite = 1500, .ausrichtung = mitte},
                               {.kopf = "€/1000Pfl.", .breite = 1500, .ausrichtung = mitte, .fett = true},
                           });

  for (const KulturMaterialSatz& r : UsedSlots(s.culture.KulturMaterialListe, s.culture.AnzahlKulturMaterialien)) {
    // The phase holding the row's day (the earlier one when two phases meet that day).
    const PhasenSatz* phase = nullptr;
    const base::Date tag = base::DateOnly(r.Datum);
    for (int p = 1; p <= s.culture.AnzahlPhasen && p < static_cast<int>(s.culture.PhasenListe.size()); ++p) {
      const PhasenSatz& kandidat = s.culture.PhasenListe[p];
      if (base::DateOnly(kandidat.Anfang) <= tag && base::DateOnly(kandidat.Ende) >= tag) {
        phase = &kandidat;
        s.selection.PhasenIndex = p;
        break;
      }
    }
    const MaterialSatz* material = MaterialMitNummer(s.masters, r.MaNr);
    if (material && material->UeberPNr == mdlBerrechnung::kMaschinengruppe) continue;  // machines have their own line

    // A missing phase or material leaves its cells empty rather than repeating the previous row's.
    const std::optional<double> preis = material ? base::ParseNumber(material->Preis) : std::nullopt;
    std::optional<double> je1000;
    const auto menge = base::ParseNumber(r.Menge);
    // No phase, or a plant count that is no number, counts as none: nothing to divide by.
    const double pflanzen = phase ? base::ParseNumber(phase->AnzahlPflanzen).value_or(0.0) : 0.0;
    if (menge && preis && pflanzen != 0) je1000 = *menge * *preis / pflanzen * 1000.0;

    tabelle.Zeile({Q(r.Materialname), Q(r.Menge), Zahltext(preis, "0.00"), Q(base::DateText(r.Datum)),
                   phase ? Q(phase->Phasennamen) : QString(), phase ? Q(phase->AnzahlPflanzen) : QString(),
                   Zahltext(je1000, "0.00")});
  }
  tabelle.Abschliessen(5, frmKalkulation::IsLoaded() ? frmKalkulation::instanz().txtMaterial()->text() : QString());
}

}  // namespace tolvar
