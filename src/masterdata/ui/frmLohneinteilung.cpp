#include "masterdata/ui/frmLohneinteilung.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "app/mdlHilfe.h"
#include "data/state.h"
#include "masterdata/ui/master_editor.h"
#include "masterdata/ui/staff_grid.h"
#include "masterdata/wage_classification.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyfilters.h"
#include "settings/ui/frmTarif.h"

namespace tolvar {

using ui::MakeButton;
using ui::Q;

namespace {

const QColor kWeiss(255, 255, 255);

// A double-click into the date box opens the calendar. What the box may hold (digits and the
// full stop, ten characters) is its date rule's.
class DatumFilter : public QObject {
 public:
  explicit DatumFilter(frmLohneinteilung* fenster) : QObject(fenster), m_fenster(fenster) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) {
      m_fenster->txtDatum_DblClick();
      return true;
    }
    return false;
  }

 private:
  frmLohneinteilung* m_fenster;
};

}  // namespace

frmLohneinteilung::frmLohneinteilung() : FormOf(QStringLiteral("frmLohneinteilung"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Ausbildung/Lohngruppe"));
  auto* layout = new QVBoxLayout(this);
  lblName = masterdata::ui::NamenszeileAnfuegen(this, layout, QStringLiteral("Ausbildung/Lohngruppe für:"));

  // Label, grid and calendar share one place; the label shows while the grid is hidden.
  auto* stapel = new QGridLayout;
  lblKeineEintraege =
      ui::MakeLabel(this, QStringLiteral("lblKeineEintraege"), QStringLiteral("Noch keine Einträge vorhanden!"));
  stapel->addWidget(lblKeineEintraege, 0, 0);
  dtgLohn = ui::MakeGrid(this, QStringLiteral("dtgLohn"));
  dtgLohn->SetCols(3);
  stapel->addWidget(dtgLohn, 0, 0);
  movDatum = new ui::MonthCalendar(this);
  movDatum->setObjectName(QStringLiteral("movDatum"));
  stapel->addWidget(movDatum, 0, 0);
  layout->addLayout(stapel, 1);

  auto* neu = new QHBoxLayout;
  neu->addWidget(new QLabel(QStringLiteral("Neu:"), this));
  comLohngruppen = ui::MakeComboBox(this, QStringLiteral("comLohngruppen"));
  comLohngruppen->setEditable(false);
  neu->addWidget(comLohngruppen, 1);
  neu->addWidget(new QLabel(QStringLiteral("ab dem:"), this));
  txtDatum = ui::MakeTextBox(this, QStringLiteral("txtDatum"), 10);
  txtDatum->setAlignment(Qt::AlignRight);
  ui::InstallKeyFilter(txtDatum, ui::DateRule());
  txtDatum->installEventFilter(new DatumFilter(this));
  neu->addWidget(txtDatum);
  cmbOK = MakeButton(this, QStringLiteral("cmbOK"), QStringLiteral("OK"));
  neu->addWidget(cmbOK);
  layout->addLayout(neu);

  auto* knoepfe = new QHBoxLayout;
  cmbEntfernen = MakeButton(this, QStringLiteral("cmbEntfernen"), QStringLiteral("Datensatz löschen"));
  cmbLohngruppen = MakeButton(this, QStringLiteral("cmbLohngruppen"), QStringLiteral("Lohngruppen-Verwaltung"));
  cmbBeenden = MakeButton(this, QStringLiteral("cmbBeenden"), QStringLiteral("Beenden"));
  knoepfe->addWidget(cmbEntfernen);
  knoepfe->addWidget(cmbLohngruppen);
  knoepfe->addWidget(cmbBeenden);
  layout->addLayout(knoepfe);

  connect(dtgLohn, &ui::Grid::Click, this, [this] { dtgLohn_Click(); });
  connect(movDatum, &ui::MonthCalendar::DateClick, this, [this](base::Date d) { movDatum_DatumGewaehlt(d); });
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  connect(cmbEntfernen, &QPushButton::clicked, this, [this] { cmbEntfernen_Click(); });
  connect(cmbLohngruppen, &QPushButton::clicked, this, [this] { cmbLohngruppen_Click(); });
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { cmbBeenden_Click(); });
}

void frmLohneinteilung::Form_Load() { PersonLaden(); }

void frmLohneinteilung::PersonLaden() {
  const tolvar::State& s = state();
  std::string nummer;
  if (const PersonalSatz* p = At(s.masters.PersonalListe, s.selection.PersonalIndex)) nummer = p->PersonalNr;
  PersonLaden(nummer);
}

void frmLohneinteilung::PersonLaden(const std::string& personalNr) {
  const tolvar::State& s = state();
  m_personalNr = personalNr;
  lblName->clear();
  const auto person =
      std::find_if(s.masters.PersonalListe.begin(), s.masters.PersonalListe.end(),
                   [&](const PersonalSatz& p) { return !personalNr.empty() && p.PersonalNr == personalNr; });
  if (person != s.masters.PersonalListe.end())
    lblName->setText(Q(person->Name) + QStringLiteral(", ") + Q(person->Vorname));
  LohngruppenLaden();
  LohneinteilungAnzeigen();
  movDatum->hide();
  movDatum->SetValue(base::Today());
  txtDatum->setText(Q(base::DateText(base::Today())));
}

void frmLohneinteilung::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.5");
}

void frmLohneinteilung::LohngruppenLaden() {
  comLohngruppen->clear();
  const auto gruppen = masterdata::LohngruppenLaden(state().enterprise.AktuellerBetrieb);
  if (!gruppen) return;
  for (const LohngruppenEintrag& gruppe : *gruppen) {
    comLohngruppen->addItem(Q(gruppe.Tarif), QVariant::fromValue<qlonglong>(gruppe.LohngruppenID));
  }
  if (comLohngruppen->count() > 0) comLohngruppen->setCurrentIndex(0);
}

void frmLohneinteilung::LohneinteilungAnzeigen() {
  ui::Grid& g = *dtgLohn;
  m_markiert = -1;
  g.SetRows(1);
  masterdata::ui::KopfzeileSetzen(g, {{QStringLiteral("Lohngruppe"), ui::kAlignLeftCenter, 2},
                                      {QStringLiteral("Lohn"), ui::kAlignCenterCenter, 6},
                                      {QStringLiteral("ab Datum"), ui::kAlignCenterCenter, 3}});

  std::vector<LohneinteilungZeile> zeilen;
  if (!m_personalNr.empty()) {
    const tolvar::State& s = state();
    if (auto gelesen = masterdata::LohneinteilungenLaden(s.enterprise.AktuellerBetrieb,
                                                         s.enterprise.TolvarDatenbankPfad, m_personalNr)) {
      zeilen = std::move(*gelesen);
    }
  }
  if (zeilen.empty()) {
    g.SetRows(2);
    g.hide();
    return;
  }
  g.show();
  // One empty row always follows the last entry.
  g.SetRows(static_cast<int>(zeilen.size()) + 2);
  int row = 1;
  for (const LohneinteilungZeile& z : zeilen) {
    g.SetTextMatrix(row, 0, Q(z.Lohngruppe));
    g.SetTextMatrix(row, 1, Q(z.Lohn));
    g.SetTextMatrix(row, 2, Q(z.DatumAb));
    ++row;
  }
  masterdata::ui::ZeilenFaerben(g, kWeiss);
  g.SetRow(1);
  g.SetCol(0);
}

void frmLohneinteilung::dtgLohn_Click() {
  ui::Grid& g = *dtgLohn;
  const int row = g.Row();
  if (row < 1) return;
  masterdata::ui::ZeilenFaerben(g, kWeiss);
  m_markiert = -1;
  const QString gruppe = g.TextMatrix(row, 0);
  const QString datum = g.TextMatrix(row, 2);
  if (gruppe.isEmpty()) return;
  masterdata::ui::ZeileFaerben(g, row, QApplication::palette().color(QPalette::Button));
  m_markiert = row;
  const int item = comLohngruppen->findText(gruppe, Qt::MatchExactly);
  if (item >= 0) comLohngruppen->setCurrentIndex(item);
  txtDatum->setText(datum);
  if (auto tag = base::ParseDate(ui::S(datum))) movDatum->SetValue(*tag);
}

void frmLohneinteilung::txtDatum_DblClick() { movDatum->show(); }

void frmLohneinteilung::movDatum_DatumGewaehlt(base::Date datum) {
  txtDatum->setText(Q(base::DateText(datum)));
  movDatum->hide();
}

void frmLohneinteilung::cmbOK_Click() {
  // A box that holds no valid date takes the calendar's date.
  base::Date datum = movDatum->Value();
  if (auto getippt = base::ParseDate(ui::S(txtDatum))) {
    datum = base::DateOnly(*getippt);
  }
  txtDatum->setText(Q(base::DateText(datum)));
  std::optional<int64_t> gruppe;
  if (comLohngruppen->currentIndex() >= 0) gruppe = comLohngruppen->currentData().toLongLong();
  if (!masterdata::LohneinteilungSpeichern(state().enterprise.AktuellerBetrieb, m_personalNr, gruppe, datum)) return;
  LohneinteilungAnzeigen();
}

void frmLohneinteilung::cmbEntfernen_Click() {
  // Only the classification the user highlighted in the grid is deleted.
  if (m_markiert < 1) return;
  const auto datum = base::ParseDate(ui::S(dtgLohn->TextMatrix(m_markiert, 2)));
  if (!datum) return;
  masterdata::LohneinteilungLoeschen(state().enterprise.AktuellerBetrieb, m_personalNr, *datum);
  LohneinteilungAnzeigen();
}

void frmLohneinteilung::cmbLohngruppen_Click() {
  // The wage-group window closes this one while it is open and shows it again when it
  // closes, so the list here shows the groups as changed.
  frmTarif::instanz().Show();
}

void frmLohneinteilung::cmbBeenden_Click() { Unload(); }

}  // namespace tolvar
