#include "calculation/ui/frmMaterialInfo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlMauszeiger.h"
#include "base/values.h"
#include "calculation/kalkulation.h"
#include "calculation/material_kosten.h"
#include "calculation/ui/frmKalkulation.h"
#include "culture/material_rows.h"
#include "culture/phases.h"
#include "data/master_loaders.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

using sys::TwipsToPixels;
using ui::PlaceTwips;
using ui::Q;

// A number in a fixed format; empty when there is no number to show.
QString Zahltext(std::optional<double> wert, std::string_view muster) {
  return wert ? Q(base::Format(*wert, muster)) : QString();
}

// The comparison frame on the origin tab, in place of the database box.
const KostenInfoFenster::Gestalt kVergleich = {12735,
                                               3975,
                                               false,
                                               false,
                                               {{{120, 2040, 3000, 285},
                                                 {120, 720, 3000, 285},
                                                 {9960, 2040, 3000, 285},
                                                 {5160, 2040, 3000, 285},
                                                 {7920, 2040, 3000, 285}}},
                                               {2160, 1920, 2655, 375},
                                               {2040, 600, 10095, 375},
                                               {6600, 1920, 1215, 375},
                                               {11400, 1920, 735, 495},
                                               {7200, 3240, 4935, 375},
                                               {}};

}  // namespace

frmMaterialInfo::frmMaterialInfo()
    : FensterOf(QStringLiteral("frmMaterialInfo"), QStringLiteral("Materialkosten-Info"),
                {mdlKalkulation::Kostenart::Material, "Materialkosten:", "€/  1000 Stk", "cmbOk",
                 "Materialkosten übernehmen", false, false, true, &kVergleich, true}) {
  resize(TwipsToPixels(13350), TwipsToPixels(7215));
  cmbBeenden = ui::MakeButton(this, QStringLiteral("cmbBeenden"), QStringLiteral("Beenden"), 10440, 6720, 2775, 375);
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { Beenden_Click(); });
  regMaterialkosten = new ui::TabStrip(this);
  regMaterialkosten->setObjectName(QStringLiteral("regMaterialkosten"));
  PlaceTwips(regMaterialkosten, 0, 0, 13335, 6615);
  regMaterialkosten->AddTab(QStringLiteral("Datenherkunft"));
  regMaterialkosten->AddTab(QStringLiteral("Materialkosten-Information"));
  QWidget* herkunft = regMaterialkosten->Page(0);

  dtgMaterial = new ui::Grid(regMaterialkosten->Page(1));
  dtgMaterial->setObjectName(QStringLiteral("dtgMaterial"));
  PlaceTwips(dtgMaterial, 360, 600, 12300, 5535);
  dtgMaterial->SetCols(7);
  dtgMaterial->SetRows(kTabellenZeilen);
  dtgMaterial->SetFixedRows(1);
  dtgMaterial->SetFixedCols(0);

  fraMaterial = ui::MakeFrame(herkunft, QStringLiteral("fraMaterial"), 240, 840, 12735, 2535);
  lblVantel[0] = ui::MakeLabel(fraMaterial, QStringLiteral("lblVantel(0)"), QStringLiteral("Materialdatenbank:"), 120,
                               480, 3000, 285);
  txtMaterialPfad = ui::MakeTextBox(fraMaterial, QStringLiteral("txtMaterialPfad"), 3120, 360, 9015, 375);
  fraMaterial->hide();

  RahmenBauen(herkunft, 120, 840);
  cmbOk = RahmenUebernahme();
  connect(cmbOk, &QPushButton::clicked, this, [this] { cmbOk_Click(); });
}
void frmMaterialInfo::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  fraMaterial->show();
  txtMaterialPfad->setText(Q(state().AktuelleEinstellungen.MaterialPfad));
  // The loaders read KulturIndex, which a tree rebuild may have moved off the chosen culture.
  if (frmKalkulation::IsLoaded()) frmKalkulation::instanz().KulturZurueckholen();
  mdlKulturPhasenInfo::KulturPhasenLaden();
  mdlDatenLaden::MaterialienLaden();
  mdlKulturMaterial::KulturMaterialLaden();
  mdlBerrechnung::MaterialkostenJePflanzeBerechnen();
  TabelleFuellen();
  regMaterialkosten->SetTab(1);
}

void frmMaterialInfo::TabelleFuellen() {
  tolvar::State& s = state();
  ui::Grid& g = *dtgMaterial;
  struct Spalte {
    const char* kopf;
    int breite;
    bool fett;
  };
  const Spalte spalten[] = {
      {"Material", 2000, true},   {"Einheiten", 1500, false},  {"Preis in €/Einheit", 2000, false},
      {"Datum", 1500, false},     {"Kulturphase", 2000, true}, {"Anzahl Pflanzen", 1500, false},
      {"€/1000Pfl.", 1500, true},
  };
  for (int c = 0; c < 7; ++c) {
    const int ausrichtung = c == 0 ? ui::kAlignLeftCenter : ui::kAlignCenterCenter;
    g.SetColWidth(c, spalten[c].breite);
    g.SetColAlignment(c, ausrichtung);
    g.SetTextMatrix(0, c, Q(spalten[c].kopf));
    g.SetCellAlignment(0, c, ausrichtung);
    g.SetCellFontBold(0, c, spalten[c].fett);
  }

  const int anzahlZeilen = std::min(s.AnzahlKulturMaterialien, static_cast<int>(s.KulturMaterialListe.size()));
  int zeile = 0;
  for (int m = 0; m < anzahlZeilen; ++m) {
    const KulturMaterialSatz& r = s.KulturMaterialListe[m];
    // The phase holding the row's day (the earlier one when two phases meet that day).
    const PhasenSatz* phase = nullptr;
    const base::Date tag = base::DateOnly(r.Datum);
    for (int p = 1; p <= s.AnzahlPhasen && p < static_cast<int>(s.PhasenListe.size()); ++p) {
      const PhasenSatz& kandidat = s.PhasenListe[p];
      if (base::DateOnly(kandidat.Anfang) <= tag && base::DateOnly(kandidat.Ende) >= tag) {
        phase = &kandidat;
        s.PhasenIndex = p;
        break;
      }
    }
    const MaterialSatz* material = nullptr;
    for (int k = 0; k < static_cast<int>(s.MaterialListe.size()) && k <= s.AnzahlMaterialien; ++k) {
      if (s.MaterialListe[k].MaterialNr == r.MaNr) {
        material = &s.MaterialListe[k];
        break;
      }
    }
    if (material && material->UeberPNr == mdlBerrechnung::kMaschinengruppe) continue;  // machines have their own line

    ++zeile;
    if (zeile >= g.Rows() - 1) g.SetRows(zeile + 2);
    // A missing phase or material leaves its cells empty rather than repeating the previous row's.
    const std::optional<double> preis = material ? base::ParseNumber(material->Preis) : std::nullopt;
    std::optional<double> je1000;
    const auto menge = base::ParseNumber(r.Menge);
    const auto pflanzen = phase ? base::ParseNumber(phase->AnzahlPflanzen) : std::nullopt;
    if (menge && preis && pflanzen && *pflanzen != 0) je1000 = *menge * *preis / *pflanzen * 1000.0;

    g.SetTextMatrix(zeile, 0, Q(r.Materialname));
    g.SetTextMatrix(zeile, 1, Q(r.Menge));
    g.SetTextMatrix(zeile, 2, Zahltext(preis, "0.00"));
    g.SetTextMatrix(zeile, 3, Q(base::DateText(r.Datum)));
    g.SetTextMatrix(zeile, 4, phase ? Q(phase->Phasennamen) : QString());
    g.SetTextMatrix(zeile, 5, phase ? Q(phase->AnzahlPflanzen) : QString());
    g.SetTextMatrix(zeile, 6, Zahltext(je1000, "0.00"));
    for (int c : {0, 4, 6}) g.SetCellFontBold(zeile, c, true);
  }
  if (zeile > 1) g.Sort(5, 1, zeile, ui::GridSort::GenericDescending);

  const int summe = zeile + 1;
  g.SetTextMatrix(summe, 5, QStringLiteral("Summe"));
  g.SetTextMatrix(summe, 6, frmKalkulation::IsLoaded() ? frmKalkulation::instanz().txtMaterial->text() : QString());
  g.SetCellFontBold(summe, 5, true);
  g.SetCellFontBold(summe, 6, true);
}

void frmMaterialInfo::VergleichAnzeigen() {
  fraVergleich->show();
  fraMaterial->hide();
  regMaterialkosten->SetTabEnabled(1, false);
  VergleichskulturenLaden();
  regMaterialkosten->SetTab(0);
}

void frmMaterialInfo::cmbOk_Click() { VergleichswertUebernehmen(); }

}  // namespace tolvar
