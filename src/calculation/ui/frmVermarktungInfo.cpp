#include "calculation/ui/frmVermarktungInfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculation/aufschluesselung.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/checks.h"
#include "data/state.h"
#include "platform/ui/optiongroup.h"

namespace tolvar {

namespace {

template <class W>
W* Platz(W* w, const QString& name, int links, int oben, int breite, int hoehe = 315) {
  w->setObjectName(name);
  w->setGeometry(Twips(links), Twips(oben), Twips(breite), Twips(hoehe));
  return w;
}

QLabel* Etikett(QWidget* eltern, const QString& name, const QString& text, int links, int oben, int breite) {
  return Platz(new QLabel(text, eltern), name, links, oben, breite, 285);
}

QString Element(const char* name, int index) { return ui::ControlName(QString::fromUtf8(name), index); }

}  // namespace

frmVermarktungInfo::frmVermarktungInfo()
    : FensterOf(QStringLiteral("frmVermarktungInfo"), QStringLiteral("Vermarktungskosten"),
                {mdlKalkulation::Kostenart::Vermarktung, "Vermarktungskosten:", "€/ 1000 Stk", nullptr, nullptr,
                 false, true}) {
  resize(Twips(12840), Twips(4320));
  QFont fett = font();
  fett.setBold(true);
  setFont(fett);

  // Information: the percentage in use.
  fraVermarktungskostenInfo = Platz(new QGroupBox(QStringLiteral("Vermarktungskosten"), this),
                                    QStringLiteral("fraVermarktungskostenInfo"), 240, 240, 9360, 1800);
  fraVermarktungskostenInfo->hide();
  lblVermarktungskostenInfo[0] = Etikett(fraVermarktungskostenInfo, Element("lblVermarktungskostenInfo", 0),
                                         QStringLiteral("Vermarktungskosten"), 240, 420, 2000);
  txtVermarktungskostenInfo =
      Platz(new QLineEdit(fraVermarktungskostenInfo), QStringLiteral("txtVermarktungskostenInfo"), 2280, 360, 1000);
  txtVermarktungskostenInfo->setAlignment(Qt::AlignRight);
  lblVermarktungskostenInfo[1] = Etikett(fraVermarktungskostenInfo, Element("lblVermarktungskostenInfo", 1),
                                         QStringLiteral("% Marktleistung"), 3360, 420, 2000);
  Platz(new QRadioButton(QStringLiteral("aus den Betriebseinstellungen"), fraVermarktungskostenInfo),
        Element("opbVermarktungskostenInfo", 0), 240, 900, 4500, 285);
  Platz(new QRadioButton(QStringLiteral("kulturspezifisch errechnet"), fraVermarktungskostenInfo),
        Element("opbVermarktungskostenInfo", 1), 240, 1260, 4500, 285);
  opbVermarktungskostenInfo = new ui::OptionGroup(fraVermarktungskostenInfo, QStringLiteral("opbVermarktungskostenInfo"));

  // Entry of the culture's own percentage.
  fraVermarktung = Platz(new QGroupBox(QStringLiteral("Vermarktungskosten"), this), QStringLiteral("fraVermarktung"),
                         240, 240, 9360, 3000);
  fraVermarktung->hide();
  Platz(new QRadioButton(QStringLiteral("Verteilung der Vermarktungskosten über die Marktleistung bezogen auf den "
                                        "Gesamtumsatz des Betriebes"),
                         fraVermarktung),
        Element("opbVermarktung", 0), 240, 300, 8900, 285);
  auto* pauschal = Platz(
      new QRadioButton(QStringLiteral("Verteilung der Vermarktungskosten über einen pauschalen Prozentsatz der "
                                      "Marktleistung"),
                       fraVermarktung),
      Element("opbVermarktung", 1), 240, 660, 8900, 285);
  pauschal->setChecked(true);
  opbVermarktung = new ui::OptionGroup(fraVermarktung, QStringLiteral("opbVermarktung"));
  cmbReset = Platz(new QPushButton(QStringLiteral("Zurücksetzen"), fraVermarktung), QStringLiteral("cmbReset"), 7560,
                   2460, 1560, 375);

  fraVermarktungskosten = Platz(new QGroupBox(fraVermarktung), QStringLiteral("fraVermarktungskosten"), 240, 1080,
                                7200, 660);
  lblVermarktung[4] = Etikett(fraVermarktungskosten, Element("lblVermarktung", 4),
                              QStringLiteral("Vermarktungskosten"), 120, 240, 2000);
  txtVermarktung = Platz(new QLineEdit(fraVermarktungskosten), QStringLiteral("txtVermarktung"), 2160, 180, 1000);
  lblVermarktung[5] = Etikett(fraVermarktungskosten, Element("lblVermarktung", 5),
                              QStringLiteral("% Marktleistung"), 3240, 240, 2000);

  fraUmsatz = Platz(new QGroupBox(fraVermarktung), QStringLiteral("fraUmsatz"), 240, 1080, 7200, 1320);
  fraUmsatz->hide();
  lblVermarktung[0] = Etikett(fraUmsatz, Element("lblVermarktung", 0), QStringLiteral("Umsatz:"), 120, 240, 2000);
  txtUmsatz = Platz(new QLineEdit(fraUmsatz), QStringLiteral("txtUmsatz"), 2160, 180, 1500);
  lblVermarktung[2] = Etikett(fraUmsatz, Element("lblVermarktung", 2), QStringLiteral("€/ Jahr"), 3720, 240, 900);
  lblVermarktung[1] =
      Etikett(fraUmsatz, Element("lblVermarktung", 1), QStringLiteral("Vermarktungskosten:"), 120, 720, 2000);
  txtVermarktungskosten = Platz(new QLineEdit(fraUmsatz), QStringLiteral("txtVermarktungskosten"), 2160, 660, 1500);
  lblVermarktung[3] = Etikett(fraUmsatz, Element("lblVermarktung", 3), QStringLiteral("€/ Jahr"), 3720, 720, 900);
  cmbUmsatzOK = Platz(new QPushButton(QStringLiteral("OK"), fraUmsatz), QStringLiteral("cmbUmsatzOK"), 5400, 660,
                      1215, 375);

  fraVergleich->move(Twips(240), Twips(240));

  cmbOK = Platz(new QPushButton(QStringLiteral("Vermarktungskosten übernehmen"), this), QStringLiteral("cmbOK"), 7200,
                3480, 3600, 495);
  cmbOK->hide();

  connect(opbVermarktung, &ui::OptionGroup::Click, this, [this](int index) { opbVermarktung_Click(index); });
  connect(cmbUmsatzOK, &QPushButton::clicked, this, [this] { cmbUmsatzOK_Click(); });
  connect(cmbReset, &QPushButton::clicked, this, [this] { cmbReset_Click(); });
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  BildschirmMitte();
}

void frmVermarktungInfo::opbVermarktung_Click(int /*index*/) {
  if (opbVermarktung->Value(0)) {
    fraUmsatz->show();
    fraVermarktungskosten->hide();
    txtVermarktungskosten->clear();
    txtUmsatz->clear();
    txtUmsatz->setFocus();
  }
  if (opbVermarktung->Value(1)) {
    fraUmsatz->hide();
    fraVermarktungskosten->show();
    txtVermarktung->clear();
    txtVermarktung->setFocus();
  }
}

void frmVermarktungInfo::cmbUmsatzOK_Click() {
  std::string& anteil = state().AktuelleEinstellungen.Vermarktungskosten;
  // Empty or non-numeric boxes, or no turnover, keep the enterprise's percentage.
  if (auto neu = mdlAufschluesselung::VermarktungsanteilAusUmsatz(txtVermarktungskosten->text().toStdString(),
                                                                   txtUmsatz->text().toStdString())) {
    anteil = *neu;
  }
  fraUmsatz->hide();
  fraVermarktungskosten->show();
  opbVermarktung->ClearAll();
  txtVermarktung->setText(QString::fromStdString(anteil));
}

void frmVermarktungInfo::cmbReset_Click() {
  fraUmsatz->hide();
  fraVermarktungskosten->show();
  opbVermarktung->SetValue(0, false);
  opbVermarktung->SetValue(1, true);
  txtVermarktung->clear();
  txtVermarktung->setFocus();
}

void frmVermarktungInfo::cmbOK_Click() {
  const int16_t herkunft = state().HerkunftVermarktung;
  if (herkunft != Herkunft::KulturspezifischErrechnet && herkunft != Herkunft::Vergleichskultur) return;
  frmKalkulation* kalkulation = GeladeneKalkulation();
  if (kalkulation == nullptr) {
    Unload();
    return;
  }
  std::optional<std::string> kosten;
  if (herkunft == Herkunft::KulturspezifischErrechnet) {
    if (txtVermarktung->text().isEmpty()) txtVermarktung->setText(QStringLiteral("0"));
    kosten = mdlAufschluesselung::VermarktungskostenJe1000(kalkulation->txtPreis->text().toStdString(),
                                                           txtVermarktung->text().toStdString());
  } else {
    if (txtKostenVergleichskultur->text().isEmpty()) txtKostenVergleichskultur->setText(QStringLiteral("0"));
    if (auto wert = base::ParseNumber(txtKostenVergleichskultur->text().toStdString())) {
      kosten = base::Format(*wert, "0.00");
    }
  }
  // A price or a value that is no number cannot be taken over.
  if (!kosten) {
    mdlFehler::MeldungWerteFehlen();
    return;
  }
  kalkulation->txtVermarktung->setText(QString::fromStdString(*kosten));
  Unload();
}

}  // namespace tolvar
