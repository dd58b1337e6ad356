#include "calculation/ui/frmPSMInfo.h"

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
#include "settings/mdlMaterial.h"

namespace tolvar {

frmPSMInfo::frmPSMInfo()
    : FensterOf(QStringLiteral("Über Taetigkeiten zugewiesene Materialien"),
                {.art = kArt,
                 .wertText = "Materialkosten:",
                 .einheitText = "€/ 1000 Stk",
                 .uebernahmeName = "cmbOK",
                 .uebernahmeText = "Materialkosten übernehmen",
                 .beendenImRahmen = true}) {
  resize(sys::TwipsToPixels(12960), sys::TwipsToPixels(6420));
  dtgArbeitMaterial = ui::MakeGrid(this, QStringLiteral("dtgArbeitMaterial"), 240, 240, 10200, 5400);
  dtgArbeitMaterial->hide();
  cmbBeenden[0] = ui::MakeButton(this, ui::ControlName(QStringLiteral("cmbBeenden"), 0), QStringLiteral("Beenden"),
                                 11520, 5820, 1215, 435);
  connect(cmbBeenden[0], &QPushButton::clicked, this, [this] { Beenden_Click(); });
  cmbBeenden[1] = RahmenBeenden();
  cmbOK = RahmenUebernahme();
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  fraVergleich->move(sys::TwipsToPixels(240), sys::TwipsToPixels(240));
}

void frmPSMInfo::Form_Load() {
  SetStartPosition(ui::StartPosition::SystemDefault);  // where the platform puts a new window
  const int16_t herkunft = state().calculation.HerkunftPSM();
  if (herkunft == Herkunft::Errechnet) {
    dtgArbeitMaterial->show();
    PSMTabelleAufbauen();
  } else if (herkunft == Herkunft::Vergleichskultur) {
    fraVergleich->show();
  }
}

void frmPSMInfo::PSMTabelleAufbauen() {
  mdlKulturPhasenInfo::KulturPhasenLaden();
  mdlKulturArbeiten::KulturArbeitenLaden();
  mdlMaterial::ArbeitMaterialLaden();
  mdlMauszeiger::MauszeigerSetzen(*this);
  const tolvar::State& s = state();
  const frmKalkulation* kalkulation = GeladeneKalkulation();
  TabelleFuellen(*dtgArbeitMaterial,
                 {{.kopf = "Tätigkeit", .breite = 2000, .links = true, .kopfFett = true, .fett = true},
                  {.kopf = "Kulturhase", .breite = 2000, .links = true, .kopfFett = true, .fett = true},
                  {.kopf = "Datum", .breite = 1500},
                  {.kopf = "€ je Std.", .breite = 1500},
                  {.kopf = "Dauer in Std", .breite = 1500},
                  {.kopf = "€/1000Pfl.", .breite = 1500, .kopfFett = true, .fett = true}},
                 calculation::PSMZeilen(s.calculation.KulturArbeitListe, s.settings.ArbeitMaterialListe,
                                        s.culture.PhasenListe, s.culture.AnzahlPhasen),
                 kalkulation ? kalkulation->txtPSM()->text() : QString());
}

int16_t frmPSMInfo::HerkunftNachUebernahme(std::string_view grad, int16_t bisher) const {
  if (grad < std::string_view("3")) return Herkunft::Vergleichskultur;
  if (grad == "3") return Herkunft::Eingegeben;
  return bisher;
}

void frmPSMInfo::cmbOK_Click() { VergleichswertUebernehmen(); }

}  // namespace tolvar
