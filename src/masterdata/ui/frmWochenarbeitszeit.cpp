#include "masterdata/ui/frmWochenarbeitszeit.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/mdlHilfe.h"
#include "data/state.h"
#include "masterdata/ui/frmPersonal.h"
#include "masterdata/ui/master_editor.h"
#include "masterdata/ui/staff_grid.h"
#include "masterdata/working_time.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"

namespace tolvar {

using ui::MakeButton;
using ui::Q;
using ui::S;

namespace {

// 49 entry rows below the header; the grid grows beyond them when a person has more entries,
// and always keeps one empty row for the next entry.
constexpr int kMindestZeilen = 50;
const QColor kMarkiert(255, 255, 128);

QColor Hintergrund() { return QApplication::palette().color(QPalette::Base); }

}  // namespace

frmWochenarbeitszeit::frmWochenarbeitszeit() : FormOf(QStringLiteral("frmWochenarbeitszeit"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Wochenarbeitszeiten"));
  auto* layout = new QVBoxLayout(this);
  lblName = masterdata::ui::NamenszeileAnfuegen(this, layout, QStringLiteral("Wochenarbeitszeiten für:"));

  // The label lies behind the grid and stays hidden by it.
  auto* stapel = new QGridLayout;
  auto* keine = new QLabel(QStringLiteral("Noch keine Einträge vorhanden!"), this);
  stapel->addWidget(keine, 0, 0);
  dtgWochenarbeitszeit = ui::MakeGrid(this, QStringLiteral("dtgWochenarbeitszeit"));
  dtgWochenarbeitszeit->SetRows(kMindestZeilen);
  dtgWochenarbeitszeit->SetCols(2);
  stapel->addWidget(dtgWochenarbeitszeit, 0, 0);
  layout->addLayout(stapel, 1);

  auto* neu = new QHBoxLayout;
  neu->addWidget(new QLabel(QStringLiteral("Neu:"), this));
  txtStunden = ui::MakeTextBox(this, QStringLiteral("txtStunden"));
  txtStunden->setAlignment(Qt::AlignRight);
  neu->addWidget(txtStunden);
  neu->addWidget(new QLabel(QStringLiteral("h        ab dem:"), this));
  txtDatum = ui::MakeTextBox(this, QStringLiteral("txtDatum"), 10);
  txtDatum->setAlignment(Qt::AlignRight);
  neu->addWidget(txtDatum);
  cmbOK = MakeButton(this, QStringLiteral("cmbOK"), QStringLiteral("OK"));
  neu->addWidget(cmbOK);
  layout->addLayout(neu);

  auto* knoepfe = new QHBoxLayout;
  cmbEntfernen = MakeButton(this, QStringLiteral("cmbEntfernen"), QStringLiteral("Datensatz löschen"));
  cmdBeenden = MakeButton(this, QStringLiteral("cmdBeenden"), QStringLiteral("Beenden"));
  knoepfe->addWidget(cmbEntfernen);
  knoepfe->addWidget(cmdBeenden);
  layout->addLayout(knoepfe);

  connect(dtgWochenarbeitszeit, &ui::Grid::Click, this, [this] { dtgWochenarbeitszeit_Click(); });
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  connect(cmbEntfernen, &QPushButton::clicked, this, [this] { cmbEntfernen_Click(); });
  connect(cmdBeenden, &QPushButton::clicked, this, [this] { cmdBeenden_Click(); });
}

void frmWochenarbeitszeit::Form_Load() {
  masterdata::ui::MausbildSetzen(this, "Zeiger_", true);
  if (frmPersonal::IsLoaded()) {
    const frmPersonal& personal = frmPersonal::instanz();
    m_personalNr = S(personal.txtNr);
    lblName->setText(personal.txtName->text() + QStringLiteral(", ") + personal.txtVorname->text());
  }
  txtDatum->setText(Q(base::DateText(base::Today())));
  txtStunden->clear();
  WochenarbeitszeitAnzeigen();
}

void frmWochenarbeitszeit::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("5.4");
}

void frmWochenarbeitszeit::WochenarbeitszeitAnzeigen() {
  ui::Grid& g = *dtgWochenarbeitszeit;
  masterdata::ui::KopfzeileSetzen(g, {{QStringLiteral("Stunden"), ui::kAlignCenterCenter, 2},
                                      {QStringLiteral("ab Datum"), ui::kAlignCenterCenter, 2}});

  std::vector<WochenarbeitszeitSatz> eintraege;
  if (!m_personalNr.empty()) {
    if (auto gelesen = masterdata::WochenarbeitszeitLaden(state().enterprise.AktuellerBetrieb, m_personalNr)) {
      eintraege = std::move(*gelesen);
    }
  }
  g.SetRows(1);
  g.SetRows(std::max(kMindestZeilen, static_cast<int>(eintraege.size()) + 2));
  masterdata::ui::ZeilenFaerben(g, Hintergrund());
  int row = 1;
  for (const WochenarbeitszeitSatz& e : eintraege) {
    g.SetTextMatrix(row, 0, Q(e.Wochenarbeitszeit));
    g.SetTextMatrix(row, 1, Q(e.DatumAb));
    ++row;
  }
  g.SetRow(1);
  g.SetCol(0);
}

void frmWochenarbeitszeit::Markieren(int row) {
  ui::Grid& g = *dtgWochenarbeitszeit;
  masterdata::ui::ZeilenFaerben(g, Hintergrund());
  if (row < 1) return;
  masterdata::ui::ZeileFaerben(g, row, kMarkiert);
}

void frmWochenarbeitszeit::dtgWochenarbeitszeit_Click() {
  if (dtgWochenarbeitszeit->Row() < 1) return;
  Markieren(dtgWochenarbeitszeit->Row());
}

void frmWochenarbeitszeit::WochenarbeitszeitSpeichern() {
  const ui::Grid& g = *dtgWochenarbeitszeit;
  std::vector<WochenarbeitszeitSatz> eintraege;
  for (int row = 1; row < g.Rows() && !g.TextMatrix(row, 0).isEmpty(); ++row) {
    eintraege.push_back({S(g.TextMatrix(row, 0)), S(g.TextMatrix(row, 1))});
  }
  masterdata::WochenarbeitszeitSpeichern(state().enterprise.AktuellerBetrieb, m_personalNr, eintraege);
}

void frmWochenarbeitszeit::cmbOK_Click() {
  ui::Grid& g = *dtgWochenarbeitszeit;
  int row = 1;
  while (row < g.Rows() && !g.TextMatrix(row, 0).isEmpty()) ++row;
  // Keep one empty row after the one filled now.
  if (row >= g.Rows() - 1) g.SetRows(row + 2);
  g.SetTextMatrix(row, 0, txtStunden->text());
  g.SetTextMatrix(row, 1, txtDatum->text());
  g.SetCellAlignment(row, 0, ui::kAlignCenterCenter);
  g.SetCellAlignment(row, 1, ui::kAlignCenterCenter);
  masterdata::ui::ZeileFaerben(g, row, Hintergrund());
  WochenarbeitszeitSpeichern();
}

void frmWochenarbeitszeit::cmbEntfernen_Click() {
  ui::Grid& g = *dtgWochenarbeitszeit;
  const int row = g.Row();
  if (row < 1 || row >= g.Rows()) return;
  g.AddItem(QString());
  g.RemoveItem(row);
  WochenarbeitszeitSpeichern();
  Markieren(row);
}

void frmWochenarbeitszeit::cmdBeenden_Click() { Unload(); }

}  // namespace tolvar
