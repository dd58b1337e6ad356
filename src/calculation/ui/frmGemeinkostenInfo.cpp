#include "calculation/ui/frmGemeinkostenInfo.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ui/optiongroup.h"

namespace tolvar {

namespace {

template <class W>
W* Platz(W* w, const QString& name, int links, int oben, int breite, int hoehe = 315) {
  w->setObjectName(name);
  w->setGeometry(Twips(links), Twips(oben), Twips(breite), Twips(hoehe));
  return w;
}

QString Element(const char* name, int index) { return ui::ControlName(QString::fromUtf8(name), index); }

}  // namespace

frmGemeinkostenInfo::frmGemeinkostenInfo()
    : FensterOf(QStringLiteral("frmGemeinkostenInfo"), QStringLiteral("Gemeinkostenverteilung"),
                {mdlKalkulation::Kostenart::Gemeinkosten, "Gemeinkosten:", "€/ 1000 Stk", "cmbVergleichOK",
                 "Gemeinkosten übernehmen", false, true}) {
  resize(Twips(9405), Twips(4515));
  QFont fett = font();
  fett.setBold(true);
  setFont(fett);

  fraGemeinkostenInfo = Platz(new QGroupBox(this), QStringLiteral("fraGemeinkostenInfo"), 120, 120, 9165, 3600);
  QFont ueberschrift = fett;
  ueberschrift.setPointSizeF(9.75);
  Label1[0] = Platz(new QLabel(QStringLiteral("Übersicht Gemeinkosten:"), fraGemeinkostenInfo), Element("Label1", 0),
                    120, 120, 4000, 285);
  Label1[1] = Platz(new QLabel(QStringLiteral("Art der Gemeinkostenverteilung:"), fraGemeinkostenInfo),
                    Element("Label1", 1), 120, 540, 4000, 285);
  for (QLabel* label : Label1) label->setFont(ueberschrift);
  auto* einheitlich = Platz(new QRadioButton(QStringLiteral("Einheitliche Gemenkostenverteilung"), fraGemeinkostenInfo),
                            Element("opbGemeinkosten", 0), 360, 900, 5000, 285);
  einheitlich->setChecked(true);
  Platz(new QRadioButton(QStringLiteral("Flächenspezifische Gemeinkostenverteilung"), fraGemeinkostenInfo),
        Element("opbGemeinkosten", 1), 360, 1260, 5000, 285);
  opbGemeinkosten = new ui::OptionGroup(fraGemeinkostenInfo, QStringLiteral("opbGemeinkosten"));

  lblGemeinkosten[0] = Platz(new QLabel(QStringLiteral("Zu verteilenden Gemeinkosten"), fraGemeinkostenInfo),
                             Element("lblGemeinkosten", 0), 120, 1860, 2800, 285);
  txtGemeinkosten = Platz(new QLineEdit(fraGemeinkostenInfo), QStringLiteral("txtGemeinkosten"), 3000, 1800, 1500);
  lblGemeinkosten[1] = Platz(new QLabel(QStringLiteral("€/ Jahr"), fraGemeinkostenInfo),
                             Element("lblGemeinkosten", 1), 4560, 1860, 900, 285);
  lblJahr = Platz(new QLabel(QStringLiteral("für das Jahr"), fraGemeinkostenInfo), QStringLiteral("lblJahr"), 5520,
                  1860, 1300, 285);
  txtJahr = Platz(new QLineEdit(fraGemeinkostenInfo), QStringLiteral("txtJahr"), 6840, 1800, 800);
  txtJahr->setMaxLength(4);
  lblGemeinkostenTQM = Platz(new QLabel(QStringLiteral("Fläche"), fraGemeinkostenInfo),
                             QStringLiteral("lblGemeinkostenTQM"), 120, 2400, 2800, 285);
  txtGemeinkostenTQM =
      Platz(new QLineEdit(fraGemeinkostenInfo), QStringLiteral("txtGemeinkostenTQM"), 3000, 2340, 1500);
  lblGemeinkosten[2] = Platz(new QLabel(QStringLiteral("m²"), fraGemeinkostenInfo), Element("lblGemeinkosten", 2),
                             4560, 2400, 900, 285);

  // The comparison frame takes the overview's place.
  fraVergleich->move(Twips(120), Twips(120));

  cmbBeenden = Platz(new QPushButton(QStringLiteral("Beenden"), this), QStringLiteral("cmbBeenden"), 7920, 3900,
                     1215, 435);
  cmbVergleichOK = RahmenUebernahme();
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { cmbBeenden_Click(); });
  connect(cmbVergleichOK, &QPushButton::clicked, this, [this] { cmbVergleichOK_Click(); });
  BildschirmMitte();
}

void frmGemeinkostenInfo::cmbBeenden_Click() { Beenden_Click(); }

void frmGemeinkostenInfo::cmbVergleichOK_Click() { VergleichswertUebernehmen(); }

}  // namespace tolvar
