#include "calculation/ui/frmHeizkostenMenu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/mdlGroesse_farben.h"
#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/ui/frmVantelInfo.h"
#include "data/state.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"

namespace tolvar {

namespace {
constexpr int kTwips = 15;
}

frmHeizkostenMenu::frmHeizkostenMenu() : FormOf(QStringLiteral("frmHeizkostenMenu"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Heizkosten-Menu"));
  setFixedSize(5760 / kTwips, 3165 / kTwips);
  QFont schrift = font();
  schrift.setPointSizeF(8.25);
  schrift.setBold(true);
  setFont(schrift);
  const char* texte[] = {"Heizkosten aus den eingegebenen Kulturdaten und Standorten errechnen.",
                         "Heizkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.",
                         "Manuelle Eingabe von Standardwerten aus einer Datensammlung o.ä."};
  for (int i = 1; i <= 3; ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(texte[i - 1]), this);
    option->setObjectName(ui::ControlName(QStringLiteral("opbHerkunft"), i));
    option->setGeometry(480 / kTwips, (360 + 720 * (i - 1)) / kTwips, 4815 / kTwips, 495 / kTwips);
  }
  opbHerkunft = new ui::OptionGroup(this, QStringLiteral("opbHerkunft"));
  cmbOK = new QPushButton(QStringLiteral("OK"), this);
  cmbOK->setObjectName(QStringLiteral("cmbOK"));
  cmbOK->setGeometry(4440 / kTwips, 2520 / kTwips, 855 / kTwips, 495 / kTwips);
  connect(cmbOK, &QPushButton::clicked, this, &frmHeizkostenMenu::cmbOK_Click);
}

void frmHeizkostenMenu::Form_Load() {
  const QString farbe = QString::fromStdString(mdlGroesse::FarbnameTolvar);
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Zeiger_") + farbe);
  for (const auto& [index, option] : opbHerkunft->Buttons()) {
    mdlMauszeiger::MausbildSetzen(*option, QStringLiteral("Hand_") + farbe);
  }
  opbHerkunft->SetValue(1, true);
}

void frmHeizkostenMenu::cmbOK_Click() { Unload(); }

void frmHeizkostenMenu::Form_Unload(bool& /*cancel*/) {
  const int wahl = opbHerkunft->Selected();
  if (wahl < 1 || wahl > 3) return;
  state().HerkunftHeizung = static_cast<int16_t>(wahl);
  frmKalkulation& kalkulation = frmKalkulation::instanz();
  if (wahl == 1) {
    kalkulation.Kalkulieren();
    kalkulation.BeschriftungSetzen();
  } else if (wahl == 2) {
    frmVantelInfo& info = frmVantelInfo::instanz();
    info.Show();
    info.VergleichAnzeigen();
    kalkulation.cmbHeizkosten->setText(QStringLiteral("+ Heizkosten **"));
  } else {
    kalkulation.txtHeizung->clear();
    kalkulation.txtHeizung->setFocus();
    kalkulation.cmbHeizkosten->setText(QStringLiteral("+ Heizkosten *"));
  }
}

void frmHeizkostenMenu::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
