#include "calculation/ui/frmMaschinenInfo.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlMauszeiger.h"
#include "calculation/cost_breakdown.h"
#include "calculation/mdlBerrechnung_kosten.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

frmMaschinenInfo::frmMaschinenInfo()
    : FensterOf(QStringLiteral("Maschinenkosten"), {.art = kArt,
                                                    .wertText = "Maschinenkosten:",
                                                    .einheitText = "€/ 1000 Stk.",
                                                    .uebernahmeName = "cmbOK",
                                                    .uebernahmeText = "Maschinenkosten übernehmen"}) {
  resize(sys::TwipsToPixels(13335), sys::TwipsToPixels(7230));
  regMaschinenkosten = new ui::TabStrip(this);
  regMaschinenkosten->setObjectName(QStringLiteral("regMaschinenkosten"));
  ui::PlaceTwips(regMaschinenkosten, 120, 120, 13095, 6300);
  regMaschinenkosten->AddTab(QStringLiteral("Datenherkunft"));
  regMaschinenkosten->AddTab(QStringLiteral("Maschinenkosten-Information"));
  QWidget* herkunft = regMaschinenkosten->Page(0);

  // The material database above, the comparison frame below it, so neither covers the other.
  fraMaschinen = ui::MakeGroup(herkunft, QStringLiteral("fraMaschinen"), QString(), 240, 240, 12000, 840);
  fraMaschinen->hide();
  lblMaschinen = ui::MakeLabel(fraMaschinen, QStringLiteral("lblMaschinen"), QStringLiteral("Materialdatenbank:"), 120,
                               360, 1800, 285);
  txtMaschinenPfad = ui::MakeTextBox(fraMaschinen, QStringLiteral("txtMaschinenPfad"), 1980, 300, 9800, 315);
  txtMaschinenPfad->setReadOnly(true);
  fraVergleich->setParent(herkunft);
  fraVergleich->hide();
  fraVergleich->move(sys::TwipsToPixels(240), sys::TwipsToPixels(1260));

  dtgMaschinen = ui::MakeGrid(regMaschinenkosten->Page(1), QStringLiteral("dtgMaschinen"), 240, 240, 12300, 5400);

  cmbBeenden = ui::MakeButton(this, QStringLiteral("cmbBeenden"), QStringLiteral("Beenden"), 11880, 6600, 1215, 435);
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { Beenden_Click(); });
  cmbOK = RahmenUebernahme();
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
}

void frmMaschinenInfo::Form_Load() {
  SetStartPosition(ui::StartPosition::SystemDefault);  // where the platform puts a new window
  const QString pfad = QDir::toNativeSeparators(ui::Q(state().enterprise.AktuelleEinstellungen.MaterialPfad));
  fraMaschinen->show();
  txtMaschinenPfad->setText(pfad);
  mdlMauszeiger::MauszeigerSetzen(*this);
  // Opened for a comparison the grid's tab is switched off, and the culture's data may be
  // incomplete.
  if (state().calculation.HerkunftMaschinen() == Herkunft::Errechnet) {
    mdlDatenLaden::MaterialienLaden();
    mdlBerrechnung::MaschinenkostenJePflanzeBerechnen(state().culture, state().masters);
    MaschinenTabelleAufbauen();
  }
  regMaschinenkosten->SetTab(1);
}

void frmMaschinenInfo::MaschinenTabelleAufbauen() {
  const tolvar::State& s = state();
  const frmKalkulation* kalkulation = GeladeneKalkulation();
  TabelleFuellen(
      *dtgMaschinen,
      {{.kopf = "Maschinen", .breite = 2000, .links = true, .kopfFett = true, .fett = true},
       {.kopf = "Einheiten", .breite = 1500},
       {.kopf = "Preis in €/Einheit", .breite = 2000},
       {.kopf = "Datum", .breite = 1500, .kopfFett = true},
       {.kopf = "Kulturphase", .breite = 2000, .fett = true},
       {.kopf = "Anzahl Pflanzen", .breite = 1500},
       {.kopf = "€/1000Pfl.", .breite = 1500, .fett = true}},
      calculation::MaschinenZeilen(UsedSlots(s.culture.KulturMaterialListe, s.culture.AnzahlKulturMaterialien),
                                   s.culture.PhasenListe, s.culture.AnzahlPhasen, s.masters),
      kalkulation ? kalkulation->txtMaschinen()->text() : QString());
}

void frmMaschinenInfo::cmbOK_Click() { VergleichswertUebernehmen(); }

}  // namespace tolvar
