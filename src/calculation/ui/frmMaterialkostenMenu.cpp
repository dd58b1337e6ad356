#include "calculation/ui/frmMaterialkostenMenu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/mdlGroesse_farben.h"
#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/ui/frmMaterialInfo.h"
#include "data/state.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"

namespace tolvar {

namespace {
constexpr int kTwips = 15;
}

frmMaterialkostenMenu::frmMaterialkostenMenu()
    : FormOf(QStringLiteral("frmMaterialkostenMenu"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Materialkosten"));
  setFixedSize(5670 / kTwips, 3270 / kTwips);
  QFont schrift = font();
  schrift.setPointSizeF(8.25);
  schrift.setBold(true);
  setFont(schrift);
  const char* texte[] = {"Materialkosten aus den eingegebenen Kulturdaten und Materialien errechnen.",
                         "Materialkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.",
                         "Manuelle Eingabe von Standardwerten aus einer Datensammlung o.ä."};
  for (int i = 1; i <= 3; ++i) {
    auto* option = new QRadioButton(QString::fromUtf8(texte[i - 1]), this);
    option->setObjectName(ui::ControlName(QStringLiteral("opbHerkunft"), i));
    option->setGeometry(360 / kTwips, (360 + 720 * (i - 1)) / kTwips, 4815 / kTwips, 495 / kTwips);
  }
  opbHerkunft = new ui::OptionGroup(this, QStringLiteral("opbHerkunft"));
  cmbOK = new QPushButton(QStringLiteral("OK"), this);
  cmbOK->setObjectName(QStringLiteral("cmbOK"));
  cmbOK->setGeometry(4320 / kTwips, 2520 / kTwips, 855 / kTwips, 495 / kTwips);
  connect(cmbOK, &QPushButton::clicked, this, &frmMaterialkostenMenu::cmbOK_Click);
}

void frmMaterialkostenMenu::Form_Load() {
  const QString farbe = QString::fromStdString(mdlGroesse::FarbnameTolvar);
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Zeiger_") + farbe);
  for (const auto& [index, option] : opbHerkunft->Buttons()) {
    mdlMauszeiger::MausbildSetzen(*option, QStringLiteral("Hand_") + farbe);
  }
  opbHerkunft->SetValue(1, true);
}

void frmMaterialkostenMenu::cmbOK_Click() {
  const int wahl = opbHerkunft->Selected();
  if (wahl >= 1 && wahl <= 3) {
    state().HerkunftMaterial = static_cast<int16_t>(wahl);
    frmKalkulation& kalkulation = frmKalkulation::instanz();
    if (wahl == 1) {
      kalkulation.Kalkulieren();
      kalkulation.BeschriftungSetzen();
    } else if (wahl == 2) {
      frmMaterialInfo& info = frmMaterialInfo::instanz();
      info.Show();
      info.VergleichAnzeigen();
      kalkulation.cmbMaterialkosten->setText(QStringLiteral("+ Material **"));
    } else {
      kalkulation.txtMaterial->clear();
      kalkulation.txtMaterial->setFocus();
      kalkulation.cmbMaterialkosten->setText(QStringLiteral("+ Material *"));
    }
  }
  Unload();
}

void frmMaterialkostenMenu::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
