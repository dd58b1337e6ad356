#include "calculation/ui/frmGemeinkostenInfo.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ui/builders.h"
#include "platform/ui/optiongroup.h"

namespace tolvar {

frmGemeinkostenInfo::frmGemeinkostenInfo()
    : FensterOf(QStringLiteral("Gemeinkostenverteilung"), {.art = kArt,
                                                           .wertText = "Gemeinkosten:",
                                                           .einheitText = "€/ 1000 Stk",
                                                           .uebernahmeName = "cmbVergleichOK",
                                                           .uebernahmeText = "Gemeinkosten übernehmen",
                                                           .berechnenBeimSchliessen = true}) {
  resize(sys::TwipsToPixels(9405), sys::TwipsToPixels(4515));
  QFont fett = font();
  fett.setBold(true);
  setFont(fett);

  fraGemeinkostenInfo = ui::MakeGroup(this, QStringLiteral("fraGemeinkostenInfo"), QString(), 120, 120, 9165, 3600);
  QFont ueberschrift = fett;
  ueberschrift.setPointSizeF(9.75);
  Label1[0] = ui::MakeLabel(fraGemeinkostenInfo, ui::ControlName(QStringLiteral("Label1"), 0),
                            QStringLiteral("Übersicht Gemeinkosten:"), 120, 120, 4000, 285);
  Label1[1] = ui::MakeLabel(fraGemeinkostenInfo, ui::ControlName(QStringLiteral("Label1"), 1),
                            QStringLiteral("Art der Gemeinkostenverteilung:"), 120, 540, 4000, 285);
  for (QLabel* label : Label1) label->setFont(ueberschrift);
  auto* einheitlich = ui::MakeOptionButton(fraGemeinkostenInfo, ui::ControlName(QStringLiteral("opbGemeinkosten"), 0),
                                           QStringLiteral("Einheitliche Gemenkostenverteilung"), 360, 900, 5000, 285);
  einheitlich->setChecked(true);
  ui::MakeOptionButton(fraGemeinkostenInfo, ui::ControlName(QStringLiteral("opbGemeinkosten"), 1),
                       QStringLiteral("Flächenspezifische Gemeinkostenverteilung"), 360, 1260, 5000, 285);
  opbGemeinkosten = new ui::OptionGroup(fraGemeinkostenInfo, QStringLiteral("opbGemeinkosten"));

  lblGemeinkosten[0] = ui::MakeLabel(fraGemeinkostenInfo, ui::ControlName(QStringLiteral("lblGemeinkosten"), 0),
                                     QStringLiteral("Zu verteilenden Gemeinkosten"), 120, 1860, 2800, 285);
  txtGemeinkosten = ui::MakeTextBox(fraGemeinkostenInfo, QStringLiteral("txtGemeinkosten"), 3000, 1800, 1500, 315);
  lblGemeinkosten[1] = ui::MakeLabel(fraGemeinkostenInfo, ui::ControlName(QStringLiteral("lblGemeinkosten"), 1),
                                     QStringLiteral("€/ Jahr"), 4560, 1860, 900, 285);
  lblJahr = ui::MakeLabel(fraGemeinkostenInfo, QStringLiteral("lblJahr"), QStringLiteral("für das Jahr"), 5520, 1860,
                          1300, 285);
  txtJahr = ui::MakeTextBox(fraGemeinkostenInfo, QStringLiteral("txtJahr"), 6840, 1800, 800, 315);
  txtJahr->setMaxLength(4);
  lblGemeinkostenTQM = ui::MakeLabel(fraGemeinkostenInfo, QStringLiteral("lblGemeinkostenTQM"),
                                     QStringLiteral("Fläche"), 120, 2400, 2800, 285);
  txtGemeinkostenTQM =
      ui::MakeTextBox(fraGemeinkostenInfo, QStringLiteral("txtGemeinkostenTQM"), 3000, 2340, 1500, 315);
  lblGemeinkosten[2] = ui::MakeLabel(fraGemeinkostenInfo, ui::ControlName(QStringLiteral("lblGemeinkosten"), 2),
                                     QStringLiteral("m²"), 4560, 2400, 900, 285);

  // The comparison frame takes the overview's place.
  fraVergleich->move(sys::TwipsToPixels(120), sys::TwipsToPixels(120));

  cmbBeenden = ui::MakeButton(this, QStringLiteral("cmbBeenden"), QStringLiteral("Beenden"), 7920, 3900, 1215, 435);
  cmbVergleichOK = RahmenUebernahme();
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { cmbBeenden_Click(); });
  connect(cmbVergleichOK, &QPushButton::clicked, this, [this] { cmbVergleichOK_Click(); });
  SetStartPosition(ui::StartPosition::CentreScreen);
}

void frmGemeinkostenInfo::cmbBeenden_Click() { Beenden_Click(); }

void frmGemeinkostenInfo::cmbVergleichOK_Click() { VergleichswertUebernehmen(); }

}  // namespace tolvar
