// The controls of the site editor, their arrangement on the three tabs and their signals.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "heating/ui/frmStandort.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

// The option pair of one wall or gable with its temperature box, in a container of its own so
// the pair is exclusive by itself.
QWidget* Flaechenzeile(QWidget* parent, const char* name, std::array<QRadioButton*, 3>& optionen,
                       QLineEdit** temperatur, const char* boxName) {
  auto* zeile = new QWidget(parent);
  auto* layout = new QHBoxLayout(zeile);
  layout->setContentsMargins(0, 0, 0, 0);
  optionen[1] = ui::MakeOptionButton(zeile, ui::ControlName(QLatin1String(name), 1), QStringLiteral("Außenfläche"));
  optionen[2] = ui::MakeOptionButton(zeile, ui::ControlName(QLatin1String(name), 2), QStringLiteral("Grenzfläche"));
  *temperatur = ui::MakeTextBox(zeile, QLatin1String(boxName));
  optionen[1]->setChecked(true);
  (*temperatur)->setEnabled(false);
  layout->addWidget(optionen[1]);
  layout->addWidget(optionen[2]);
  layout->addWidget(*temperatur);
  return zeile;
}

}  // namespace

void frmStandort::Aufbauen() {
  auto* layout = new QVBoxLayout(this);
  regStandort = ui::Named(new ui::TabStrip(this), QStringLiteral("regStandort"));
  layout->addWidget(regStandort);
  regStandort->AddTab(QStringLiteral("Haus"));
  regStandort->AddTab(QStringLiteral("Eindeckung "));
  regStandort->AddTab(QStringLiteral("Heizung /Energieschirm"));

  auto* knoepfe = new QHBoxLayout;
  cmbHilfe = ui::MakeButton(this, QStringLiteral("cmbHilfe"), QStringLiteral("Hilfe"));
  cmbSpeichern = ui::MakeButton(this, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"));
  cmbAbbruch = ui::MakeButton(this, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbruch"));
  knoepfe->addWidget(cmbHilfe);
  knoepfe->addStretch();
  knoepfe->addWidget(cmbSpeichern);
  knoepfe->addStretch();
  knoepfe->addWidget(cmbAbbruch);
  layout->addLayout(knoepfe);
  txtNr = ui::MakeTextBox(this, QStringLiteral("txtNr"));
  txtNr->hide();

  // Tab "Haus".
  QWidget* haus = regStandort->Page(0);
  auto* hausLayout = new QVBoxLayout(haus);
  auto* art = new QWidget(haus);
  auto* artLayout = new QHBoxLayout(art);
  artLayout->setContentsMargins(0, 0, 0, 0);
  opbHaus = ui::MakeOptionButton(art, QStringLiteral("opbHaus"), QStringLiteral("Neues Gewächshaus"));
  opbGruppe = ui::MakeOptionButton(art, QStringLiteral("opbGruppe"), QStringLiteral("Neue Gruppe erstellen"));
  opbHaus->setChecked(true);
  artLayout->addWidget(opbHaus);
  artLayout->addWidget(opbGruppe);
  hausLayout->addWidget(art);

  fraBezeichnung = ui::MakeGroup(haus, QStringLiteral("fraBezeichnung"), QStringLiteral("Bezeichnung"));
  auto* bezeichnung = new QFormLayout(fraBezeichnung);
  txtName = ui::MakeTextBox(fraBezeichnung, QStringLiteral("txtName"));
  txtKuerzel = ui::MakeTextBox(fraBezeichnung, QStringLiteral("txtKuerzel"));
  txtCode = ui::MakeTextBox(fraBezeichnung, QStringLiteral("txtCode"));
  txtFlaeche = ui::MakeTextBox(fraBezeichnung, QStringLiteral("txtFlaeche"));
  chbAktuell = ui::MakeCheckBox(fraBezeichnung, QStringLiteral("chbAktuell"), QStringLiteral("Aktueller Datensatz"));
  ui::AddFormRow(bezeichnung, QStringLiteral("Name:"), txtName);
  ui::AddFormRow(bezeichnung, QStringLiteral("Kürzel:"), txtKuerzel);
  ui::AddFormRow(bezeichnung, QStringLiteral("Barcode:"), txtCode);
  ui::AddFormRow(bezeichnung, QStringLiteral("Fläche:"), txtFlaeche, QStringLiteral("Bm²"));
  bezeichnung->addRow(chbAktuell);
  hausLayout->addWidget(fraBezeichnung);

  const QString meter = QStringLiteral("m");
  const QString wegeEinheit = QStringLiteral("% der Bruttofläche");
  fraMasseGWH = ui::MakeGroup(haus, QStringLiteral("fraMasseGWH"), QStringLiteral("Maße:"));
  auto* masse = new QFormLayout(fraMasseGWH);
  txtLaenge = ui::MakeTextBox(fraMasseGWH, QStringLiteral("txtLaenge"));
  txtBreite = ui::MakeTextBox(fraMasseGWH, QStringLiteral("txtBreite"));
  txtStehwand = ui::MakeTextBox(fraMasseGWH, QStringLiteral("txtStehwand"));
  txtHaus = ui::MakeTextBox(fraMasseGWH, QStringLiteral("txtHaus"));
  txtWege = ui::MakeTextBox(fraMasseGWH, QStringLiteral("txtWege"));
  ui::AddFormRow(masse, QStringLiteral("Länge:"), txtLaenge, meter);
  ui::AddFormRow(masse, QStringLiteral("Breite:"), txtBreite, meter);
  ui::AddFormRow(masse, QStringLiteral("Stehwandhöhe:"), txtStehwand, meter);
  ui::AddFormRow(masse, QStringLiteral("Haushöhe:"), txtHaus, meter);
  ui::AddFormRow(masse, QStringLiteral("Anteil Wegeflächen:"), txtWege, wegeEinheit);
  hausLayout->addWidget(fraMasseGWH);

  fraMasseBlock = ui::MakeGroup(haus, QStringLiteral("fraMasseBlock"), QStringLiteral("Maße:"));
  auto* block = new QFormLayout(fraMasseBlock);
  txtGruStehwand = ui::MakeTextBox(fraMasseBlock, QStringLiteral("txtGruStehwand"));
  txtGruHaus = ui::MakeTextBox(fraMasseBlock, QStringLiteral("txtGruHaus"));
  txtGruWege = ui::MakeTextBox(fraMasseBlock, QStringLiteral("txtGruWege"));
  cmbFuerAlle = ui::MakeButton(fraMasseBlock, QStringLiteral("cmbFuerAlle"),
                               QStringLiteral("Speichern und für alle Häuser in der Gruppe übernehmen"));
  ui::AddFormRow(block, QStringLiteral("Stehwandhöhe:"), txtGruStehwand, meter);
  ui::AddFormRow(block, QStringLiteral("Haushöhe:"), txtGruHaus, meter);
  ui::AddFormRow(block, QStringLiteral("Anteil Wegeflächen:"), txtGruWege, wegeEinheit);
  block->addRow(cmbFuerAlle);
  fraMasseBlock->hide();
  hausLayout->addWidget(fraMasseBlock);

  fraTyp = ui::MakeGroup(haus, QStringLiteral("fraTyp"), QStringLiteral("Typ:"));
  auto* typ = new QVBoxLayout(fraTyp);
  const QString typen[] = {QString(), QStringLiteral("Breitschiff-GWH"), QStringLiteral("Venlo-GWH  Kappenzahl"),
                           QStringLiteral("Folien-GWH")};
  for (int i = 1; i <= 3; ++i) {
    opbTyp[static_cast<std::size_t>(i)] =
        ui::MakeOptionButton(fraTyp, ui::ControlName(QStringLiteral("opbTyp"), i), typen[i]);
  }
  txtKappenzahl = ui::MakeTextBox(fraTyp, QStringLiteral("txtKappenzahl"));
  auto* venlo = new QHBoxLayout;
  venlo->addWidget(opbTyp[2]);
  venlo->addWidget(txtKappenzahl);
  typ->addWidget(opbTyp[1]);
  typ->addLayout(venlo);
  typ->addWidget(opbTyp[3]);
  opbTyp[1]->setChecked(true);
  hausLayout->addWidget(fraTyp);

  fraBemerkungen = ui::MakeGroup(haus, QStringLiteral("fraBemerkungen"), QStringLiteral("Bemerkungen"));
  txtBemerkung = ui::MakeTextBox(fraBemerkungen, QStringLiteral("txtBemerkung"));
  (new QVBoxLayout(fraBemerkungen))->addWidget(txtBemerkung);
  hausLayout->addWidget(fraBemerkungen);
  hausLayout->addStretch();

  // Tab "Eindeckung ": the coverings in one frame, the surfaces in the other; each wall's and
  // gable's option pair sits on the same line as its covering list, the line of the roof stays
  // empty. Both frames use the same line height, so the lines meet across them.
  QWidget* eindeckung = regStandort->Page(1);
  auto* eindeckungLayout = new QGridLayout(eindeckung);
  fraEindeckung = ui::MakeGroup(eindeckung, QStringLiteral("fraEindeckung"), QStringLiteral("Eindeckung"));
  auto* listen = new QGridLayout(fraEindeckung);
  auto liste = [this](const char* label, const char* labelName, QLabel** lbl, const char* name) {
    *lbl = ui::MakeLabel(fraEindeckung, QLatin1String(labelName), ui::Q(label));
    auto* box = ui::MakeComboBox(fraEindeckung, QLatin1String(name));
    return box;
  };
  comEinDach = liste("Dach:", "lblDach", &lblDach, "comEinDach");
  comEinStehL = liste("Stehwand links:", "lblStehR", &lblStehR, "comEinStehL");
  comEinStehR = liste("Stehwand rechts:", "lblStehL", &lblStehL, "comEinStehR");
  comEinGiebelV = liste("Giebelseite vorne:", "lblGiebelV", &lblGiebelV, "comEinGiebelV");
  comEinGiebelH = liste("Giebelseite hinten:", "lblGiebelH", &lblGiebelH, "comEinGiebelH");
  const std::pair<QLabel*, QComboBox*> eindeckungen[] = {{lblDach, comEinDach},
                                                         {lblStehR, comEinStehL},
                                                         {lblStehL, comEinStehR},
                                                         {lblGiebelV, comEinGiebelV},
                                                         {lblGiebelH, comEinGiebelH}};
  for (int zeile = 0; zeile < 5; ++zeile) {
    listen->addWidget(eindeckungen[zeile].first, zeile, 0);
    listen->addWidget(eindeckungen[zeile].second, zeile, 1);
  }
  eindeckungLayout->addWidget(fraEindeckung, 0, 0);

  fraGrenz = ui::MakeGroup(eindeckung, QStringLiteral("fraGrenz"), QStringLiteral("Grenzfläche"));
  auto* grenz = new QGridLayout(fraGrenz);
  grenz->addWidget(Flaechenzeile(fraGrenz, "opbStehL", opbStehL, &txtGrenzStehL, "txtGrenzStehL"), 1, 0);
  grenz->addWidget(Flaechenzeile(fraGrenz, "opbStehR", opbStehR, &txtGrenzStehR, "txtGrenzStehR"), 2, 0);
  grenz->addWidget(Flaechenzeile(fraGrenz, "opbGiebelV", opbGiebelV, &txtGrenzGiebelV, "txtGrenzGiebelV"), 3, 0);
  grenz->addWidget(Flaechenzeile(fraGrenz, "opbGiebelH", opbGiebelH, &txtGrenzGiebelH, "txtGrenzGiebelH"), 4, 0);
  const int zeilenhoehe = std::max(comEinDach->sizeHint().height(), txtGrenzStehL->sizeHint().height());
  for (QGridLayout* rahmen : {listen, grenz}) {
    rahmen->setVerticalSpacing(listen->verticalSpacing());
    for (int zeile = 0; zeile < 5; ++zeile) rahmen->setRowMinimumHeight(zeile, zeilenhoehe);
    rahmen->setRowStretch(5, 1);
  }
  eindeckungLayout->addWidget(fraGrenz, 0, 1);
  cmbMaterialverwaltung =
      ui::MakeButton(eindeckung, QStringLiteral("cmbMaterialverwaltung"), QStringLiteral("GWH-Materialverwaltung"));
  eindeckungLayout->addWidget(cmbMaterialverwaltung, 1, 0);
  eindeckungLayout->setRowStretch(2, 1);

  // Tab "Heizung /Energieschirm".
  QWidget* heizung = regStandort->Page(2);
  auto* heizungLayout = new QVBoxLayout(heizung);
  fraHeizung = ui::MakeGroup(heizung, QStringLiteral("fraHeizung"), QStringLiteral("Heizung"));
  auto* heiz = new QFormLayout(fraHeizung);
  comBrennstoff = ui::MakeComboBox(fraHeizung, QStringLiteral("comBrennstoff"));
  txtWirkungsgrad = ui::MakeTextBox(fraHeizung, QStringLiteral("txtWirkungsgrad"));
  chbBrennwert =
      ui::MakeCheckBox(fraHeizung, QStringLiteral("chbBrennwert"), QStringLiteral("Brennwertgerät (Ja/Nein)"));
  ui::AddFormRow(heiz, QStringLiteral("Brennstoffart:"), comBrennstoff);
  ui::AddFormRow(heiz, QStringLiteral("Brennerwirkungsgrad (ohne Brennwertgerät)"), txtWirkungsgrad);
  heiz->addRow(chbBrennwert);
  heizungLayout->addWidget(fraHeizung);
  fraEnergieschirm = ui::MakeGroup(heizung, QStringLiteral("fraEnergieschirm"), QStringLiteral("Energieschirm"));
  auto* schirm = new QFormLayout(fraEnergieschirm);
  chbEnergieschirm =
      ui::MakeCheckBox(fraEnergieschirm, QStringLiteral("chbEnergieschirm"), QStringLiteral("Energieschirm (Ja/Nein)"));
  txtEinsparung = ui::MakeTextBox(fraEnergieschirm, QStringLiteral("txtEinsparung"));
  txtFaktor = ui::MakeTextBox(fraEnergieschirm, QStringLiteral("txtFaktor"));
  schirm->addRow(chbEnergieschirm);
  ui::AddFormRow(schirm, QStringLiteral("Einsparung:"), txtEinsparung);
  ui::AddFormRow(schirm, QStringLiteral("Apassungsfaktor:"), txtFaktor);
  heizungLayout->addWidget(fraEnergieschirm);
  cmbBrennstoffverwaltung =
      ui::MakeButton(heizung, QStringLiteral("cmbBrennstoffverwaltung"), QStringLiteral("Brennstoff-Verwaltung"));
  heizungLayout->addWidget(cmbBrennstoffverwaltung);
  heizungLayout->addStretch();

  // The fields first, tab by tab, then the buttons; the window opens in the name box.
  std::vector<QWidget*> folge = {txtName,        txtKuerzel,   txtCode,      txtFlaeche,  chbAktuell,  opbHaus,
                                 opbGruppe,      txtLaenge,    txtBreite,    txtStehwand, txtHaus,     txtWege,
                                 txtGruStehwand, txtGruHaus,   txtGruWege,   cmbFuerAlle, opbTyp[1],   opbTyp[2],
                                 txtKappenzahl,  opbTyp[3],    txtBemerkung, comEinDach,  comEinStehL, comEinStehR,
                                 comEinGiebelV,  comEinGiebelH};
  const std::pair<std::array<QRadioButton*, 3>*, QLineEdit*> grenzen[] = {{&opbStehL, txtGrenzStehL},
                                                                          {&opbStehR, txtGrenzStehR},
                                                                          {&opbGiebelV, txtGrenzGiebelV},
                                                                          {&opbGiebelH, txtGrenzGiebelH}};
  for (const auto& [optionen, temperatur] : grenzen)
    folge.insert(folge.end(), {(*optionen)[1], (*optionen)[2], temperatur});
  folge.insert(folge.end(), {cmbMaterialverwaltung, comBrennstoff, txtWirkungsgrad, chbBrennwert, chbEnergieschirm,
                             txtEinsparung, txtFaktor, cmbBrennstoffverwaltung, cmbHilfe, cmbSpeichern, cmbAbbruch});
  SetTabOrder(folge);

  // Signals, in one place.
  m_typ = new ui::OptionGroup(fraTyp, QStringLiteral("opbTyp"));
  m_stehL = new ui::OptionGroup(fraGrenz, QStringLiteral("opbStehL"));
  m_stehR = new ui::OptionGroup(fraGrenz, QStringLiteral("opbStehR"));
  m_giebelV = new ui::OptionGroup(fraGrenz, QStringLiteral("opbGiebelV"));
  m_giebelH = new ui::OptionGroup(fraGrenz, QStringLiteral("opbGiebelH"));
  connect(m_stehL, &ui::OptionGroup::Click, this, &frmStandort::opbStehL_Click);
  connect(m_stehR, &ui::OptionGroup::Click, this, &frmStandort::opbStehR_Click);
  connect(m_giebelV, &ui::OptionGroup::Click, this, &frmStandort::opbGiebelV_Click);
  connect(m_giebelH, &ui::OptionGroup::Click, this, &frmStandort::opbGiebelH_Click);
  connect(opbHaus, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbHaus_Click();
  });
  connect(opbGruppe, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbGruppe_Click();
  });
  connect(cmbHilfe, &QPushButton::clicked, this, &frmStandort::cmbHilfe_Click);
  connect(cmbSpeichern, &QPushButton::clicked, this, &frmStandort::cmbSpeichern_Click);
  connect(cmbFuerAlle, &QPushButton::clicked, this, &frmStandort::cmbFuerAlle_Click);
  connect(cmbAbbruch, &QPushButton::clicked, this, &frmStandort::cmbAbbruch_Click);
  connect(cmbMaterialverwaltung, &QPushButton::clicked, this, &frmStandort::cmbMaterialverwaltung_Click);
  connect(cmbBrennstoffverwaltung, &QPushButton::clicked, this, &frmStandort::cmbBrennstoffverwaltung_Click);
}

}  // namespace tolvar
