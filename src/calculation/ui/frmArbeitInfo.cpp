#include "calculation/ui/frmArbeitInfo.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlMauszeiger.h"
#include "calculation/cost_breakdown.h"
#include "calculation/mdlKulturArbeiten.h"
#include "calculation/ui/frmKalkulation.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "settings/mdlTarif.h"

namespace tolvar {

frmArbeitInfo::frmArbeitInfo()
    : FensterOf(QStringLiteral("Arbeitskosten"), {.art = kArt,
                                                  .wertText = "Arbeitskosten:",
                                                  .einheitText = "€/ 1000 Stk.",
                                                  .uebernahmeName = "cmbOK",
                                                  .uebernahmeText = "Arbeitskosten übernehmen",
                                                  .beendenImRahmen = true,
                                                  .berechnenBeimSchliessen = true}) {
  resize(sys::TwipsToPixels(12855), sys::TwipsToPixels(5835));
  dtgArbeit = ui::MakeGrid(this, QStringLiteral("dtgArbeit"), 240, 240, 12100, 4800);
  cmbBeenden[0] = ui::MakeButton(this, ui::ControlName(QStringLiteral("cmbBeenden"), 0), QStringLiteral("Beenden"),
                                 11400, 5220, 1215, 435);
  connect(cmbBeenden[0], &QPushButton::clicked, this, [this] { Beenden_Click(); });
  cmbBeenden[1] = RahmenBeenden();
  cmbOK = RahmenUebernahme();
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  fraVergleich->move(sys::TwipsToPixels(240), sys::TwipsToPixels(240));
}

void frmArbeitInfo::Form_Load() {
  SetStartPosition(ui::StartPosition::SystemDefault);  // where the platform puts a new window
  mdlMauszeiger::MauszeigerSetzen(*this);
  // Opened for a comparison the grid is not shown, and the culture's data may be incomplete.
  if (state().calculation.HerkunftArbeit() == Herkunft::Errechnet) ArbeitTabelleAufbauen();
}

void frmArbeitInfo::ArbeitTabelleAufbauen() {
  // The grid reflects the databases as they are now.
  mdlKulturPhasenInfo::KulturPhasenLaden();
  mdlTarif::TarifLaden();
  mdlTarif::PersonalLohngruppenLaden();
  mdlKulturArbeiten::KulturArbeitenLaden();
  const tolvar::State& s = state();
  const frmKalkulation* kalkulation = GeladeneKalkulation();
  TabelleFuellen(
      *dtgArbeit,
      {{.kopf = "Kulturphase", .breite = 2000, .links = true, .kopfFett = true, .fett = true},
       {.kopf = "Anzahl Pflanzen", .breite = 1800},
       {.kopf = "Fläche in Bm²", .breite = 1200},
       {.kopf = "Mitarbeiter", .breite = 1200},
       {.kopf = "Tätigkeit", .breite = 2800, .links = true, .kopfFett = true, .fett = true},
       {.kopf = "Dauer in Std.", .breite = 1500},
       {.kopf = "€/1000Pfl.", .breite = 1500, .kopfFett = true, .fett = true}},
      calculation::ArbeitZeilen(s.culture.PhasenListe, s.culture.AnzahlPhasen, s.calculation.KulturArbeitListe,
                                s.settings.LohneinteilungListe, s.settings.AnzahlLohneinteilungen),
      kalkulation ? kalkulation->txtArbeit()->text() : QString());
}

void frmArbeitInfo::cmbOK_Click() { VergleichswertUebernehmen(); }

}  // namespace tolvar
