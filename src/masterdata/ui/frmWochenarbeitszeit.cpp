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
#include "masterdata/ui/stammdateneditor.h"
#include "masterdata/working_time.h"
#include "platform/ui/grid.h"

namespace tolvar {

namespace {

// 49 entry rows below the header; the grid grows beyond them when a person has more entries,
// and always keeps one empty row for the next entry.
constexpr int kMindestZeilen = 50;
const QColor kMarkiert(255, 255, 128);

QColor Hintergrund() { return QApplication::palette().color(QPalette::Base); }

}  // namespace

frmWochenarbeitszeit::frmWochenarbeitszeit()
    : FormOf(QStringLiteral("frmWochenarbeitszeit"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Wochenarbeitszeiten"));
  auto* layout = new QVBoxLayout(this);
  auto* titel = new QHBoxLayout;
  titel->addWidget(new QLabel(QStringLiteral("Wochenarbeitszeiten für:"), this));
  lblName = new QLabel(this);
  lblName->setObjectName(QStringLiteral("lblName"));
  titel->addWidget(lblName, 1);
  layout->addLayout(titel);

  // The label lies behind the grid and stays hidden by it.
  auto* stapel = new QGridLayout;
  auto* keine = new QLabel(QStringLiteral("Noch keine Einträge vorhanden!"), this);
  stapel->addWidget(keine, 0, 0);
  dtgWochenarbeitszeit = new ui::Grid(this);
  dtgWochenarbeitszeit->setObjectName(QStringLiteral("dtgWochenarbeitszeit"));
  dtgWochenarbeitszeit->SetRows(kMindestZeilen);
  dtgWochenarbeitszeit->SetCols(2);
  stapel->addWidget(dtgWochenarbeitszeit, 0, 0);
  layout->addLayout(stapel, 1);

  auto* neu = new QHBoxLayout;
  neu->addWidget(new QLabel(QStringLiteral("Neu:"), this));
  txtStunden = masterdata_ui::Textfeld(this, "txtStunden");
  txtStunden->setAlignment(Qt::AlignRight);
  neu->addWidget(txtStunden);
  neu->addWidget(new QLabel(QStringLiteral("h        ab dem:"), this));
  txtDatum = masterdata_ui::Textfeld(this, "txtDatum", 10);
  txtDatum->setAlignment(Qt::AlignRight);
  neu->addWidget(txtDatum);
  cmbOK = new QPushButton(QStringLiteral("OK"), this);
  cmbOK->setObjectName(QStringLiteral("cmbOK"));
  neu->addWidget(cmbOK);
  layout->addLayout(neu);

  auto* knoepfe = new QHBoxLayout;
  cmbEntfernen = new QPushButton(QStringLiteral("Datensatz löschen"), this);
  cmbEntfernen->setObjectName(QStringLiteral("cmbEntfernen"));
  cmdBeenden = new QPushButton(QStringLiteral("Beenden"), this);
  cmdBeenden->setObjectName(QStringLiteral("cmdBeenden"));
  knoepfe->addWidget(cmbEntfernen);
  knoepfe->addWidget(cmdBeenden);
  layout->addLayout(knoepfe);

  connect(dtgWochenarbeitszeit, &ui::Grid::Click, this, [this] { dtgWochenarbeitszeit_Click(); });
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  connect(cmbEntfernen, &QPushButton::clicked, this, [this] { cmbEntfernen_Click(); });
  connect(cmdBeenden, &QPushButton::clicked, this, [this] { cmdBeenden_Click(); });
}

void frmWochenarbeitszeit::Form_Load() {
  masterdata_ui::MausbildSetzen(this, "Zeiger_", true);
  if (frmPersonal::IsLoaded()) {
    const frmPersonal& personal = frmPersonal::instanz();
    m_personalNr = personal.txtNr->text().toStdString();
    lblName->setText(personal.txtName->text() + QStringLiteral(", ") + personal.txtVorname->text());
  }
  txtDatum->setText(QString::fromStdString(base::DateText(base::Today())));
  txtStunden->clear();
  WochenarbeitszeitAnzeigen();
}

void frmWochenarbeitszeit::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("5.4");
}

void frmWochenarbeitszeit::WochenarbeitszeitAnzeigen() {
  ui::Grid& g = *dtgWochenarbeitszeit;
  g.SetTextMatrix(0, 0, QStringLiteral("Stunden"));
  g.SetCellFontBold(0, 0, true);
  g.SetColAlignment(0, ui::kAlignCenterCenter);
  g.SetTextMatrix(0, 1, QStringLiteral("ab Datum"));
  g.SetCellFontBold(0, 1, true);
  g.SetColAlignment(1, ui::kAlignCenterCenter);
  g.SetColWidth(0, g.ClientWidth() / 2);
  g.SetColWidth(1, g.ClientWidth() / 2);

  std::vector<WochenarbeitszeitSatz> eintraege;
  if (!m_personalNr.empty()) {
    if (auto gelesen = masterdata::WochenarbeitszeitLaden(state().AktuellerBetrieb, m_personalNr)) {
      eintraege = std::move(*gelesen);
    }
  }
  g.SetRows(1);
  g.SetRows(std::max(kMindestZeilen, static_cast<int>(eintraege.size()) + 2));
  for (int row = 1; row < g.Rows(); ++row) {
    g.SetCellBackColor(row, 0, Hintergrund());
    g.SetCellBackColor(row, 1, Hintergrund());
  }
  int row = 1;
  for (const WochenarbeitszeitSatz& e : eintraege) {
    g.SetTextMatrix(row, 0, QString::fromStdString(e.Wochenarbeitszeit));
    g.SetTextMatrix(row, 1, QString::fromStdString(e.DatumAb));
    ++row;
  }
  g.SetRow(1);
  g.SetCol(0);
}

void frmWochenarbeitszeit::Markieren(int row) {
  ui::Grid& g = *dtgWochenarbeitszeit;
  for (int r = 1; r < g.Rows(); ++r) {
    g.SetCellBackColor(r, 0, Hintergrund());
    g.SetCellBackColor(r, 1, Hintergrund());
  }
  if (row < 1) return;
  g.SetCellBackColor(row, 0, kMarkiert);
  g.SetCellBackColor(row, 1, kMarkiert);
}

void frmWochenarbeitszeit::dtgWochenarbeitszeit_Click() {
  if (dtgWochenarbeitszeit->Row() < 1) return;
  Markieren(dtgWochenarbeitszeit->Row());
}

void frmWochenarbeitszeit::WochenarbeitszeitSpeichern() {
  const ui::Grid& g = *dtgWochenarbeitszeit;
  std::vector<WochenarbeitszeitSatz> eintraege;
  for (int row = 1; row < g.Rows() && !g.TextMatrix(row, 0).isEmpty(); ++row) {
    eintraege.push_back({g.TextMatrix(row, 0).toStdString(), g.TextMatrix(row, 1).toStdString()});
  }
  masterdata::WochenarbeitszeitSpeichern(state().AktuellerBetrieb, m_personalNr, eintraege);
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
  g.SetCellBackColor(row, 0, Hintergrund());
  g.SetCellBackColor(row, 1, Hintergrund());
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
