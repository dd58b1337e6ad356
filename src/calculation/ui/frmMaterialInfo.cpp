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
const KostenInfoFenster::Gestalt kVergleich = {12735,
                                               3975,
                                               false,
                                               false,
                                               {{{120, 2040, 1935, 285},
                                                 {120, 720, 1800, 285},
                                                 {9960, 2040, 1380, 285},
                                                 {5160, 2040, 1380, 285},
                                                 {7920, 2040, 1980, 285}}},
                                               {2160, 1920, 2655, 375},
                                               {2040, 600, 10095, 375},
                                               {6600, 1920, 1215, 375},
                                               {11400, 1920, 735, 495},
                                               {7200, 3240, 4935, 375},
                                               {}};

}  // namespace

frmMaterialInfo::frmMaterialInfo()
    : FensterOf(QStringLiteral("frmMaterialInfo"), QStringLiteral("Materialkosten-Info"),
                {Kostenart::Material, "Materialkosten:", "€/  1000 Stk", "cmbOk", "Materialkosten übernehmen", false,
                 false, true, &kVergleich, true}) {
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
  Aufschluesselung tabelle(*dtgMaterial, {
                                             {"Material", 2000, links, true},
                                             {"Einheiten", 1500, mitte, false},
                                             {"Preis in €/Einheit", 2000, mitte, false},
                                             {"Datum", 1500, mitte, false},
                                             {"Kulturphase", 2000, mitte, true},
                                             {"Anzahl Pflanzen", 1500, mitte, false},
                                             {"€/1000Pfl.", 1500, mitte, true},
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
