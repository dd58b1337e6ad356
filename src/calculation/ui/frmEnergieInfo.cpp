#include "calculation/ui/frmEnergieInfo.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlMauszeiger.h"
#include "calculation/cost_breakdown.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"

namespace tolvar {

frmEnergieInfo::frmEnergieInfo()
    : FensterOf(QStringLiteral("elektrische Energie für Zusatzbelichtung"),
                {.art = kArt,
                 .wertText = "Stromkosten:",
                 .einheitText = "€/ 1000 Stk",
                 .uebernahmeName = "cmbOK",
                 .uebernahmeText = "Kosten der Zusatzbelichtung übernehmen",
                 .beendenImRahmen = true,
                 .berechnenBeimSchliessen = true}) {
  resize(sys::TwipsToPixels(13335), sys::TwipsToPixels(6690));
  dtgEnergie = ui::MakeGrid(this, QStringLiteral("dtgEnergie"), 240, 240, 10600, 5640);
  cmbBeenden[0] = ui::MakeButton(this, ui::ControlName(QStringLiteral("cmbBeenden"), 0), QStringLiteral("Beenden"),
                                 11880, 6060, 1215, 435);
  connect(cmbBeenden[0], &QPushButton::clicked, this, [this] { Beenden_Click(); });
  cmbBeenden[1] = RahmenBeenden();
  cmbOK = RahmenUebernahme();
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  fraVergleich->move(sys::TwipsToPixels(240), sys::TwipsToPixels(240));
}

void frmEnergieInfo::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  SetStartPosition(ui::StartPosition::CentreScreen);
  // The breakdown explains a computed figure; opened for a comparison the culture's data
  // may well be incomplete, and the grid is not shown.
  if (state().calculation.HerkunftEnergie() == Herkunft::Errechnet) EnergieTabelleAufbauen();
}

void frmEnergieInfo::EnergieTabelleAufbauen() {
  const tolvar::State& s = state();
  const frmKalkulation* kalkulation = GeladeneKalkulation();
  TabelleFuellen(*dtgEnergie,
                 {{.kopf = "Kulturphase", .breite = 2500, .links = true, .kopfFett = true, .fett = true},
                  {.kopf = "Intensität in W/m²", .breite = 2000},
                  {.kopf = "Belichtungsdauer in h/Tag", .breite = 2000},
                  {.kopf = "Anzahl Pflanzen je Nm² ", .breite = 2000},
                  {.kopf = "€/1000Pfl.", .breite = 2000, .kopfFett = true, .fett = true}},
                 calculation::EnergieZeilen(s.culture.PhasenListe, s.culture.AnzahlPhasen,
                                            s.enterprise.AktuelleEinstellungen.Strom),
                 kalkulation ? kalkulation->txtEnergie()->text() : QString());
}

void frmEnergieInfo::cmbOK_Click() { VergleichswertUebernehmen(); }

}  // namespace tolvar
