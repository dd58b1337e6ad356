// The settings window's overheads tab: the overheads, year, occupancy and net area, and the
// distribution per site with its tree, grid and sums.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <vector>

#include "base/values.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/ui/grid.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"
#include "settings/mdlGemeinkosten.h"
#include "settings/mdlMaterial.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/mdlExcel_rechner.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

using ui::Q;
using ui::S;
namespace gk = mdlGemeinkosten;

namespace {

const QColor kWeiss(255, 255, 255);
const QColor kMarkiert(255, 255, 128);  // &H80FFFF

std::vector<gk::GemeinkostenZeile> Zeilen(const ui::Grid& grid) {
  std::vector<gk::GemeinkostenZeile> zeilen;
  for (int r = 1; r < grid.Rows(); ++r) {
    zeilen.push_back({S(grid.TextMatrix(r, 0)), S(grid.TextMatrix(r, 1)), S(grid.TextMatrix(r, 2))});
  }
  return zeilen;
}

// Writes the rows from data row 1 on; the grid grows when they need more rows than it has.
void ZeilenSetzen(ui::Grid& grid, const std::vector<gk::GemeinkostenZeile>& zeilen) {
  if (static_cast<int>(zeilen.size()) + 1 > grid.Rows()) grid.SetRows(static_cast<int>(zeilen.size()) + 1);
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    grid.SetTextMatrix(r, 0, Q(zeilen[i].Standortname));
    grid.SetTextMatrix(r, 1, Q(zeilen[i].Gemeinkosten));
    grid.SetTextMatrix(r, 2, Q(zeilen[i].StandortNr));
  }
}

void AlleWeiss(ui::Grid& grid) {
  for (int r = 1; r < grid.Rows(); ++r) {
    for (int c = 0; c <= 2; ++c) grid.SetCellBackColor(r, c, kWeiss);
  }
}

void Markieren(ui::Grid& grid, int r) {
  for (int c = 0; c <= 2; ++c) grid.SetCellBackColor(r, c, kMarkiert);
}

bool IstNull(const std::string& text) {
  const std::optional<double> wert = base::ParseNumber(text);
  return wert && *wert == 0;
}

}  // namespace

void frmEinstellungen::GemeinkostenAnzeigen() {
  const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  txtGemeinkosten->setText(Q(e.Gemeinkosten));
  txtJahr->setText(Q(e.Jahr));
  txtBelegung->setText(e.Belegung.empty() ? QStringLiteral("75") : Q(e.Belegung));
  const std::optional<double> typ = base::ParseNumber(e.Gemeinkostentyp);
  if (typ && *typ == 0) {
    opbGemeinkostenGruppe->SetValue(0, true);
    fraFlaeche->setVisible(true);
    fraFlaechenSpezifisch->setVisible(false);
    txtFlaeche->setText(Q(e.Flaeche));
  } else if (typ && *typ == 1) {
    opbGemeinkostenGruppe->SetValue(1, true);
    fraFlaeche->setVisible(false);
    fraFlaechenSpezifisch->setVisible(true);
    if (!e.Flaeche.empty()) txtAktuelleFlaeche->setText(Q(e.Flaeche));
    mdlDatenLaden::StandorteLaden();
    mdlFormen::AktuelleStandorteAnzeigen(*this);
    GemeinkostenTabelleEinrichten();
    FlaechenSpezifischeGemeinkostenLaden();
    FlaechenSpezifischeGemeinkostenSummieren();
  }
}

void frmEinstellungen::opbGemeinkosten_Click(int index) {
  const std::string& flaeche = state().enterprise.AktuelleEinstellungen.Flaeche;
  const bool flaecheGesetzt = !flaeche.empty() && !IstNull(flaeche);
  fraFlaeche->setVisible(index == 0);
  fraFlaechenSpezifisch->setVisible(index == 1);
  if (index == 0) {
    if (flaecheGesetzt) txtFlaeche->setText(Q(flaeche));
    return;
  }
  if (flaecheGesetzt) txtAktuelleFlaeche->setText(Q(flaeche));
  mdlDatenLaden::StandorteLaden();
  mdlFormen::AktuelleStandorteAnzeigen(*this);
  GemeinkostenTabelleEinrichten();
  FlaechenSpezifischeGemeinkostenLaden();
  FlaechenSpezifischeGemeinkostenSummieren();
}

void frmEinstellungen::chbFlaeche_Click(int index) {
  if (chbFlaeche[static_cast<std::size_t>(index)]->isChecked()) GesamtflaecheBerechnen(index);
  if (!chbFlaeche[0]->isChecked()) {
    for (QWidget* teil : std::initializer_list<QWidget*>{Line1, lblFlaeche[2], lblFlaeche[3], lblFlaeche[4],
                                                         lblFlaeche[5], txtWege, txtBrutto}) {
      teil->setVisible(false);
    }
  }
}

void frmEinstellungen::GesamtflaecheBerechnen(int ziel) {
  mdlDatenLaden::StandorteLaden();
  mdlFormen::AktuelleStandorteAnzeigen(*this);
  const std::optional<gk::Flaechen> f = gk::GesamtflaecheBerechnen();
  if (!f) return;
  const QString netto = Q(base::Format(f->Netto, "0"));
  if (ziel == 1) {
    txtAktuelleFlaeche->setText(netto);
    return;
  }
  txtFlaeche->setText(netto);
  txtWege->setText(Q(base::Format(f->Wege, "0")));
  txtBrutto->setText(Q(base::Format(f->Brutto, "0")));
  for (QWidget* teil : std::initializer_list<QWidget*>{Line1, lblFlaeche[2], lblFlaeche[3], lblFlaeche[4],
                                                       lblFlaeche[5], txtWege, txtBrutto}) {
    teil->setVisible(true);
  }
}

void frmEinstellungen::GemeinkostenTabelleEinrichten() {
  ui::Grid& g = *dtgStandort;
  g.SetCols(3);
  g.SetColWidth(0, 1600);
  g.SetColAlignment(0, ui::kAlignLeftCenter);
  g.SetColWidth(1, 1700);
  g.SetColAlignment(1, ui::kAlignLeftCenter);
  // The site number is bookkeeping: the user does not see it.
  g.SetColWidth(2, 0);
  g.SetColAlignment(2, ui::kAlignLeftBottom);
  g.SetTextMatrix(0, 0, QStringLiteral("Standort"));
  g.SetTextMatrix(0, 1, QStringLiteral("Gemeinkosten"));
  g.SetRows(gk::GemeinkostenTabellenZeilen(trvStandort->Count()));
  // Unsaved drops and amounts of an earlier visit must not come back as if they were stored.
  for (int r = 1; r < g.Rows(); ++r) {
    for (int c = 0; c <= 2; ++c) g.SetTextMatrix(r, c, QString());
  }
  AlleWeiss(g);
}

void frmEinstellungen::FlaechenSpezifischeGemeinkostenLaden() {
  if (const auto zeilen = gk::FlaechenSpezifischeGemeinkostenLaden()) ZeilenSetzen(*dtgStandort, *zeilen);
}

void frmEinstellungen::FlaechenSpezifischeGemeinkostenSummieren() {
  const gk::Summen summen = gk::FlaechenSpezifischeGemeinkostenSummieren(S(txtGemeinkosten), Zeilen(*dtgStandort));
  if (summen.Status != gk::GemeinkostenStatus::Ok) return;
  txtGemeinkostenFlache->setText(Q(summen.Flaeche));
  txtGemeinkostenRest->setText(Q(summen.Rest));
}

void frmEinstellungen::GemeinkostenUeberschreitungMelden() { gk::GemeinkostenUeberschreitungMelden(); }

void frmEinstellungen::trvStandort_MouseDown(int /*button*/, int /*shift*/, int x, int y) {
  const QString knoten = trvStandort->HitTest(QPoint(x, y));
  state().windows.ZiehKnoten = S(knoten);
  trvStandort->SetDropHighlight(knoten);
}

void frmEinstellungen::trvStandort_MouseMove(int button, int /*shift*/, int /*x*/, int /*y*/) {
  if (button != 1) return;
  state().windows.ZiehenAktiv = true;
  trvStandort->SetDragIcon(imlStandort->Picture(QStringLiteral("drag-standort")));
  trvStandort->Drag();
}

void frmEinstellungen::trvStandort_DragOver(const ui::DragSource& /*source*/, int x, int y,
                                            ui::DragState /*dragState*/) {
  if (state().windows.ZiehenAktiv) trvStandort->SetDropHighlight(trvStandort->HitTest(QPoint(x, y)));
}

void frmEinstellungen::trvStandort_DragDrop(const ui::DragSource& /*source*/, int /*x*/, int /*y*/) {
  if (trvStandort->DropHighlight().isEmpty() || state().windows.ZiehKnoten.empty()) {
    trvStandort->ClearDropHighlight();
    state().windows.ZiehenAktiv = false;
  }
}

void frmEinstellungen::dtgStandort_DragDrop(const ui::DragSource& source, int /*x*/, int /*y*/) {
  ui::Grid& g = *dtgStandort;
  int platziert = 0;
  const QString key = trvStandort->SelectedItem();
  // Only this window's own site tree: its selection is what the drop places.
  if (source.Is(trvStandort) && !key.isEmpty()) {
    std::vector<gk::GemeinkostenZeile> zeilen = Zeilen(g);
    platziert = gk::GemeinkostenAblegen(&zeilen, S(key));
    ZeilenSetzen(g, zeilen);
  }
  AlleWeiss(g);
  if (platziert > 0) Markieren(g, platziert);
  g.SetCol(0);
  state().windows.StandortTabelleAktiv = true;
  state().windows.StandortTabelleZeile = platziert;
}

void frmEinstellungen::dtgStandort_DblClick() {
  ui::Grid& g = *dtgStandort;
  const int r = g.RowSel();
  const int c = g.ColSel();
  g.SetRow(r);
  g.SetCol(c);
  state().windows.StandortTabelleZeile = r;
  state().windows.StandortTabelleAktiv = true;
  AlleWeiss(g);
  if (g.TextMatrix(r, 0).isEmpty()) return;
  Markieren(g, r);
  if (c == 1) g.SetTextMatrix(r, 1, QString());
}

void frmEinstellungen::dtgStandort_KeyPress(int keyAscii) {
  ui::Grid& g = *dtgStandort;
  g.SetRow(g.RowSel());
  g.SetCol(g.ColSel());
  state().windows.StandortTabelleZeile = g.Row();
  state().windows.StandortTabelleAktiv = true;
  if (g.Col() == 0) {
    ui::Beep();
  } else if (keyAscii == 13) {
    g.SetCol(0);
    if (g.Row() < g.Rows() - 1) g.SetRow(g.Row() + 1);
    FlaechenSpezifischeGemeinkostenSummieren();
  } else if (g.Col() == 1) {
    g.SetText(Q(mdlMaterial::KostenTaste(S(g.Text()), keyAscii)));
  }
  g.setFocus();
}

void frmEinstellungen::dtgStandort_GotFocus() { state().windows.StandortTabelleAktiv = true; }

void frmEinstellungen::dtgStandort_LostFocus() { FlaechenSpezifischeGemeinkostenSummieren(); }

void frmEinstellungen::txtGemeinkosten_GotFocus() { state().windows.StandortTabelleAktiv = false; }

void frmEinstellungen::txtGemeinkosten_LostFocus() {
  if (opbGemeinkosten[1]->isChecked()) FlaechenSpezifischeGemeinkostenSummieren();
}

void frmEinstellungen::cmbFlaecheLoeschen_Click() {
  ui::Grid& g = *dtgStandort;
  LoeschZeile = 1000;
  for (int k = 0; k < g.Rows(); ++k) {
    if (g.CellBackColor(k, 2) == kMarkiert) {
      LoeschZeile = k;
      break;
    }
  }
  if (LoeschZeile == 1000) return;
  FlaechenSpezifischeGemeinkostenLoeschen();
  // One row out, an empty one in at the end: the row count stays.
  g.AddItem(QString());
  g.RemoveItem(LoeschZeile);
  FlaechenSpezifischeGemeinkostenSummieren();
}

void frmEinstellungen::FlaechenSpezifischeGemeinkostenLoeschen() {
  gk::FlaechenSpezifischeGemeinkostenLoeschen(S(dtgStandort->TextMatrix(LoeschZeile, 2)));
}

void frmEinstellungen::cmbGemeikostenSpeichern_Click() {
  gk::Eingabe eingabe;
  eingabe.Gemeinkosten = S(txtGemeinkosten);
  eingabe.Jahr = S(txtJahr);
  eingabe.Belegung = S(txtBelegung);
  eingabe.Typ = opbGemeinkostenGruppe->Selected();
  eingabe.Flaeche = S(txtFlaeche);
  eingabe.AktuelleFlaeche = S(txtAktuelleFlaeche);
  // A refused box keeps its text and gets the focus.
  switch (gk::GemeinkostenSpeichern(eingabe, Zeilen(*dtgStandort)).Box) {
    case gk::Feld::Gemeinkosten:
      txtGemeinkosten->setFocus();
      break;
    case gk::Feld::Belegung:
      txtBelegung->setFocus();
      break;
    case gk::Feld::Flaeche:
      txtFlaeche->setFocus();
      break;
    case gk::Feld::AktuelleFlaeche:
      txtAktuelleFlaeche->setFocus();
      break;
    case gk::Feld::Tabelle:
      dtgStandort->setFocus();
      break;
    case gk::Feld::Keins:
      break;
  }
}

void frmEinstellungen::cmbGemeinkostenxls_Click() { mdlExcel::GemeinkostenInExcelErmitteln(*this); }

}  // namespace tolvar
