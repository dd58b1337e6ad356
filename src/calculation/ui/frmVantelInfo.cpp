#include "calculation/ui/frmVantelInfo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlMauszeiger.h"
#include "base/values.h"
#include "calculation/mdlKalkulation.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

using sys::TwipsToPixels;
using ui::Q;

// The comparison frame on the origin tab, below the database boxes.
const KostenInfoFenster::Gestalt kVergleich = Aufschluesselungsfenster::Vergleichsgestalt({
    .datenbankOben = 480,
    .listeBreite = 2895,
    .wert = {.links = 5520, .oben = 2040, .breite = 1200, .hoehe = 285},
    .kosten = {.links = 6840, .oben = 1920, .breite = 1455, .hoehe = 375},
    .einheit = {.links = 8400, .oben = 2040, .breite = 1380, .hoehe = 285},
    .qualitaet = {.links = 9840, .oben = 2040, .breite = 1500, .hoehe = 285},
});

}  // namespace

frmVantelInfo::frmVantelInfo()
    : FensterOf(QStringLiteral("Heizkosten"), {.art = kArt,
                                               .wertText = "Heizkosten:",
                                               .einheitText = "€/ 1000 Stk",
                                               .uebernahmeName = "cmbOk",
                                               .uebernahmeText = "Heizkosten übernehmen",
                                               .jedeAuswahlZeigen = true,
                                               .gestalt = &kVergleich,
                                               .imFensterBauen = true}) {
  resize(TwipsToPixels(13365), TwipsToPixels(7230));
  BeendenKnopfBauen();
  regHeizkosten = ReiterBauen("regHeizkosten", QStringLiteral("Heizkosten-Information"));
  QWidget* herkunft = regHeizkosten->Page(0);

  dtgVantel = AufschluesselungBauen("dtgVantel", 12900, 8);

  fraVantel = ui::MakeFrame(herkunft, QStringLiteral("fraVantel"), 240, 720, 12735, 2535);
  lblVantel[0] = ui::MakeLabel(fraVantel, QStringLiteral("lblVantel(0)"), QStringLiteral("Vantel-Materialdatenbank:"),
                               120, 480, 3000, 285);
  txtMaterialPfad = ui::MakeTextBox(fraVantel, QStringLiteral("txtMaterialPfad"), 3120, 360, 9015, 375);
  lblVantel[1] = ui::MakeLabel(fraVantel, QStringLiteral("lblVantel(1)"), QStringLiteral("Vantel-Wetterdatenbank:"),
                               120, 1200, 3000, 285);
  txtWetterdatenbank = ui::MakeTextBox(fraVantel, QStringLiteral("txtWetterdatenbank"), 3120, 1080, 9015, 375);
  lblVantel[2] =
      ui::MakeLabel(fraVantel, QStringLiteral("lblVantel(2)"), QStringLiteral("Wetterstation:"), 120, 1920, 3000, 285);
  txtWetterstation = ui::MakeTextBox(fraVantel, QStringLiteral("txtWetterstation"), 3120, 1800, 2655, 375);
  fraVantel->hide();

  VergleichsrahmenBauen(fraVantel, 120, 360);
}
void frmVantelInfo::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  fraVantel->show();
  txtWetterdatenbank->setText(Q(e.KlimaPfad));
  txtWetterstation->setText(Q(e.Wetterstation));
  txtMaterialPfad->setText(Q(e.VantelPfad));
  mdlDatenLaden::StandorteLaden();
  TabelleFuellen();
  regHeizkosten->SetTab(1);
}

void frmVantelInfo::TabelleFuellen() {
  tolvar::State& s = state();
  Aufschluesselung tabelle(
      *dtgVantel, {
                      {.kopf = "Standort", .breite = 1500, .ausrichtung = ui::kAlignLeftCenter, .fett = true},
                      {.kopf = "GWH-Fläche in Bm²", .breite = 1500, .ausrichtung = ui::kAlignCenterCenter},
                      {.kopf = "Dauer in Tagen", .breite = 1500, .ausrichtung = ui::kAlignCenterCenter},
                      {.kopf = "Kulturphase", .breite = 2000, .ausrichtung = ui::kAlignLeftCenter, .fett = true},
                      {.kopf = "Pfl/Nm²", .breite = 1000, .ausrichtung = ui::kAlignCenterCenter},
                      {.kopf = "Brennstoffbedarf in l(m³/t)", .breite = 2000, .ausrichtung = ui::kAlignCenterCenter},
                      {.kopf = "Kosten in €/Bm²", .breite = 1500, .ausrichtung = ui::kAlignCenterCenter},
                      {.kopf = "€/1000Pfl.", .breite = 1500, .ausrichtung = ui::kAlignCenterCenter, .fett = true},
                  });

  for (const KulturStandortSatz& b : UsedSlots(s.culture.KulturStandortListe, s.culture.AnzahlKulturStandorte)) {
    if (b.StandortName == "0") break;
    // The phase in which the occupancy begins (the later one when two phases meet that day).
    const PhasenSatz* phase = nullptr;
    for (int p = 1; p <= s.culture.AnzahlPhasen && p < static_cast<int>(s.culture.PhasenListe.size()); ++p) {
      const PhasenSatz& kandidat = s.culture.PhasenListe[p];
      if (kandidat.Anfang <= b.Beginn && kandidat.Ende >= b.Beginn) {
        phase = &kandidat;
        s.selection.PhasenIndex = p;
      }
    }
    const StandortSatz* standort = nullptr;
    for (int i = 0; i < static_cast<int>(s.masters.StandortListe.size()); ++i) {
      if (s.masters.StandortListe[i].StandortNr == b.StandortNr) {
        standort = &s.masters.StandortListe[i];
        break;
      }
    }
    // A missing phase or site leaves its cells empty rather than repeating the previous row's.
    std::optional<double> dichte;
    if (phase) {
      const auto pflanzen = base::ParseNumber(phase->AnzahlPflanzen);
      const auto flaeche = base::ParseNumber(phase->Flaeche);
      if (pflanzen && flaeche && *flaeche != 0 && *pflanzen != 0) dichte = *pflanzen / *flaeche;
    }
    // An occupancy the heating run could not compute has no figures to show.
    const bool ergebnis = !b.HeizdatenFehlen;
    // Per 1000 plants of the phase, on the occupancy's own area as the calculation counts it:
    // the phase's area is that of all its occupancies together.
    std::optional<double> je1000;
    const auto wege = base::ParseNumber(b.Wege);
    const auto belegt = base::ParseNumber(b.Flaeche);
    // No phase, or a plant count that is no number, counts as none: nothing to divide by.
    const double pflanzen = phase ? base::ParseNumber(phase->AnzahlPflanzen).value_or(0.0) : 0.0;
    if (ergebnis && wege && belegt && pflanzen != 0) {
      je1000 = b.HeizkostenJeQm * *belegt / pflanzen * (*wege / 100.0 + 1.0) * 1000.0;
    }

    tabelle.Zeile({Q(b.StandortName), standort ? Zahltext(base::ParseNumber(standort->Flaeche), "0") : QString(),
                   ergebnis ? Zahltext(b.Heiztage, "0") : QString(), phase ? Q(phase->Phasennamen) : QString(),
                   Zahltext(dichte, "0.0"), ergebnis ? Zahltext(b.BrennstoffJeQm, "0.00") : QString(),
                   ergebnis ? Zahltext(b.HeizkostenJeQm, "0.00") : QString(), Zahltext(je1000, "0.00")});
  }
  tabelle.Abschliessen(4, frmKalkulation::IsLoaded() ? frmKalkulation::instanz().txtHeizung()->text() : QString());
}

}  // namespace tolvar
