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

#include "heating/ui/frmStandort.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

template <class T>
T* Benannt(T* control, const QString& name) {
  control->setObjectName(name);
  return control;
}

QLineEdit* Box(QWidget* parent, const char* name) {
  return Benannt(new QLineEdit(parent), QLatin1String(name));
}

QGroupBox* Rahmen(QWidget* parent, const char* name, const QString& caption) {
  return Benannt(new QGroupBox(caption, parent), QLatin1String(name));
}

// A labelled row of a form layout, the unit (if any) beside the box.
void Zeile(QFormLayout* layout, const QString& label, QWidget* box, const QString& einheit = QString()) {
  if (einheit.isEmpty()) {
    layout->addRow(label, box);
    return;
  }
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(box);
  zeile->addWidget(new QLabel(einheit));
  layout->addRow(label, zeile);
}

// The option pair of one wall or gable with its temperature box, in a container of its own so
// the pair is exclusive by itself.
QWidget* Flaechenzeile(QWidget* parent, const char* name, std::array<QRadioButton*, 3>& optionen,
                       QLineEdit** temperatur, const char* boxName) {
  auto* zeile = new QWidget(parent);
  auto* layout = new QHBoxLayout(zeile);
  layout->setContentsMargins(0, 0, 0, 0);
  optionen[1] = Benannt(new QRadioButton(QStringLiteral("Außenfläche"), zeile), ui::ControlName(QLatin1String(name), 1));
  optionen[2] = Benannt(new QRadioButton(QStringLiteral("Grenzfläche"), zeile), ui::ControlName(QLatin1String(name), 2));
  *temperatur = Box(zeile, boxName);
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
  regStandort = Benannt(new ui::TabStrip(this), QStringLiteral("regStandort"));
  layout->addWidget(regStandort);
  regStandort->AddTab(QStringLiteral("Haus"));
  regStandort->AddTab(QStringLiteral("Eindeckung "));
  regStandort->AddTab(QStringLiteral("Heizung /Energieschirm"));

  auto* knoepfe = new QHBoxLayout;
  cmbHilfe = Benannt(new QPushButton(QStringLiteral("Hilfe"), this), QStringLiteral("cmbHilfe"));
  cmbSpeichern = Benannt(new QPushButton(QStringLiteral("Speichern"), this), QStringLiteral("cmbSpeichern"));
  cmbAbbruch = Benannt(new QPushButton(QStringLiteral("Abbruch"), this), QStringLiteral("cmbAbbruch"));
  knoepfe->addWidget(cmbHilfe);
  knoepfe->addStretch();
  knoepfe->addWidget(cmbSpeichern);
  knoepfe->addStretch();
  knoepfe->addWidget(cmbAbbruch);
  layout->addLayout(knoepfe);
  txtNr = Box(this, "txtNr");
  txtNr->hide();

  // Tab "Haus".
  QWidget* haus = regStandort->Page(0);
  auto* hausLayout = new QVBoxLayout(haus);
  auto* art = new QWidget(haus);
  auto* artLayout = new QHBoxLayout(art);
  artLayout->setContentsMargins(0, 0, 0, 0);
  opbHaus = Benannt(new QRadioButton(QStringLiteral("Neues Gewächshaus"), art), QStringLiteral("opbHaus"));
  opbGruppe = Benannt(new QRadioButton(QStringLiteral("Neue Gruppe erstellen"), art), QStringLiteral("opbGruppe"));
  opbHaus->setChecked(true);
  artLayout->addWidget(opbHaus);
  artLayout->addWidget(opbGruppe);
  hausLayout->addWidget(art);

  fraBezeichnung = Rahmen(haus, "fraBezeichnung", QStringLiteral("Bezeichnung"));
  auto* bezeichnung = new QFormLayout(fraBezeichnung);
  txtName = Box(fraBezeichnung, "txtName");
  txtKuerzel = Box(fraBezeichnung, "txtKuerzel");
  txtCode = Box(fraBezeichnung, "txtCode");
  txtFlaeche = Box(fraBezeichnung, "txtFlaeche");
  chbAktuell = Benannt(new QCheckBox(QStringLiteral("Aktueller Datensatz"), fraBezeichnung), QStringLiteral("chbAktuell"));
  Zeile(bezeichnung, QStringLiteral("Name:"), txtName);
  Zeile(bezeichnung, QStringLiteral("Kürzel:"), txtKuerzel);
  Zeile(bezeichnung, QStringLiteral("Barcode:"), txtCode);
  Zeile(bezeichnung, QStringLiteral("Fläche:"), txtFlaeche, QStringLiteral("Bm²"));
  bezeichnung->addRow(chbAktuell);
  hausLayout->addWidget(fraBezeichnung);

  const QString meter = QStringLiteral("m");
  const QString wegeEinheit = QStringLiteral("% der Bruttofläche");
  fraMasseGWH = Rahmen(haus, "fraMasseGWH", QStringLiteral("Maße:"));
  auto* masse = new QFormLayout(fraMasseGWH);
  txtLaenge = Box(fraMasseGWH, "txtLaenge");
  txtBreite = Box(fraMasseGWH, "txtBreite");
  txtStehwand = Box(fraMasseGWH, "txtStehwand");
  txtHaus = Box(fraMasseGWH, "txtHaus");
  txtWege = Box(fraMasseGWH, "txtWege");
  Zeile(masse, QStringLiteral("Länge:"), txtLaenge, meter);
  Zeile(masse, QStringLiteral("Breite:"), txtBreite, meter);
  Zeile(masse, QStringLiteral("Stehwandhöhe:"), txtStehwand, meter);
  Zeile(masse, QStringLiteral("Haushöhe:"), txtHaus, meter);
  Zeile(masse, QStringLiteral("Anteil Wegeflächen:"), txtWege, wegeEinheit);
  hausLayout->addWidget(fraMasseGWH);

  fraMasseBlock = Rahmen(haus, "fraMasseBlock", QStringLiteral("Maße:"));
  auto* block = new QFormLayout(fraMasseBlock);
  txtGruStehwand = Box(fraMasseBlock, "txtGruStehwand");
  txtGruHaus = Box(fraMasseBlock, "txtGruHaus");
  txtGruWege = Box(fraMasseBlock, "txtGruWege");
  cmbFuerAlle = Benannt(new QPushButton(QStringLiteral("Speichern und für alle Häuser in der Gruppe übernehmen"),
                                        fraMasseBlock),
                        QStringLiteral("cmbFuerAlle"));
  Zeile(block, QStringLiteral("Stehwandhöhe:"), txtGruStehwand, meter);
  Zeile(block, QStringLiteral("Haushöhe:"), txtGruHaus, meter);
  Zeile(block, QStringLiteral("Anteil Wegeflächen:"), txtGruWege, wegeEinheit);
  block->addRow(cmbFuerAlle);
  fraMasseBlock->hide();
  hausLayout->addWidget(fraMasseBlock);

  fraTyp = Rahmen(haus, "fraTyp", QStringLiteral("Typ:"));
  auto* typ = new QVBoxLayout(fraTyp);
  const QString typen[] = {QString(), QStringLiteral("Breitschiff-GWH"), QStringLiteral("Venlo-GWH  Kappenzahl"),
                           QStringLiteral("Folien-GWH")};
  for (int i = 1; i <= 3; ++i) {
    opbTyp[static_cast<std::size_t>(i)] =
        Benannt(new QRadioButton(typen[i], fraTyp), ui::ControlName(QStringLiteral("opbTyp"), i));
  }
  txtKappenzahl = Box(fraTyp, "txtKappenzahl");
  auto* venlo = new QHBoxLayout;
  venlo->addWidget(opbTyp[2]);
  venlo->addWidget(txtKappenzahl);
  typ->addWidget(opbTyp[1]);
  typ->addLayout(venlo);
  typ->addWidget(opbTyp[3]);
  opbTyp[1]->setChecked(true);
  hausLayout->addWidget(fraTyp);

  fraBemerkungen = Rahmen(haus, "fraBemerkungen", QStringLiteral("Bemerkungen"));
  txtBemerkung = Box(fraBemerkungen, "txtBemerkung");
  (new QVBoxLayout(fraBemerkungen))->addWidget(txtBemerkung);
  hausLayout->addWidget(fraBemerkungen);
  hausLayout->addStretch();

  // Tab "Eindeckung ": the coverings in one frame, the surfaces in the other; each wall's and
  // gable's option pair sits on the same line as its covering list, the line of the roof stays
  // empty. Both frames use the same line height, so the lines meet across them.
  QWidget* eindeckung = regStandort->Page(1);
  auto* eindeckungLayout = new QGridLayout(eindeckung);
  fraEindeckung = Rahmen(eindeckung, "fraEindeckung", QStringLiteral("Eindeckung"));
  auto* listen = new QGridLayout(fraEindeckung);
  auto liste = [this](const char* label, const char* labelName, QLabel** lbl, const char* name) {
    *lbl = Benannt(new QLabel(QString::fromUtf8(label), fraEindeckung), QLatin1String(labelName));
    auto* box = Benannt(new QComboBox(fraEindeckung), QLatin1String(name));
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

  fraGrenz = Rahmen(eindeckung, "fraGrenz", QStringLiteral("Grenzfläche"));
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
  cmbMaterialverwaltung = Benannt(new QPushButton(QStringLiteral("GWH-Materialverwaltung"), eindeckung),
                                  QStringLiteral("cmbMaterialverwaltung"));
  eindeckungLayout->addWidget(cmbMaterialverwaltung, 1, 0);
  eindeckungLayout->setRowStretch(2, 1);

  // Tab "Heizung /Energieschirm".
  QWidget* heizung = regStandort->Page(2);
  auto* heizungLayout = new QVBoxLayout(heizung);
  fraHeizung = Rahmen(heizung, "fraHeizung", QStringLiteral("Heizung"));
  auto* heiz = new QFormLayout(fraHeizung);
  comBrennstoff = Benannt(new QComboBox(fraHeizung), QStringLiteral("comBrennstoff"));
  txtWirkungsgrad = Box(fraHeizung, "txtWirkungsgrad");
  chbBrennwert = Benannt(new QCheckBox(QStringLiteral("Brennwertgerät (Ja/Nein)"), fraHeizung),
                         QStringLiteral("chbBrennwert"));
  Zeile(heiz, QStringLiteral("Brennstoffart:"), comBrennstoff);
  Zeile(heiz, QStringLiteral("Brennerwirkungsgrad (ohne Brennwertgerät)"), txtWirkungsgrad);
  heiz->addRow(chbBrennwert);
  heizungLayout->addWidget(fraHeizung);
  fraEnergieschirm = Rahmen(heizung, "fraEnergieschirm", QStringLiteral("Energieschirm"));
  auto* schirm = new QFormLayout(fraEnergieschirm);
  chbEnergieschirm = Benannt(new QCheckBox(QStringLiteral("Energieschirm (Ja/Nein)"), fraEnergieschirm),
                             QStringLiteral("chbEnergieschirm"));
  txtEinsparung = Box(fraEnergieschirm, "txtEinsparung");
  txtFaktor = Box(fraEnergieschirm, "txtFaktor");
  schirm->addRow(chbEnergieschirm);
  Zeile(schirm, QStringLiteral("Einsparung:"), txtEinsparung);
  Zeile(schirm, QStringLiteral("Apassungsfaktor:"), txtFaktor);
  heizungLayout->addWidget(fraEnergieschirm);
  cmbBrennstoffverwaltung = Benannt(new QPushButton(QStringLiteral("Brennstoff-Verwaltung"), heizung),
                                    QStringLiteral("cmbBrennstoffverwaltung"));
  heizungLayout->addWidget(cmbBrennstoffverwaltung);
  heizungLayout->addStretch();

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
