#include "comparison/ui/frmTQM.h"

#include "app/mdlHilfe.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"

namespace tolvar {

frmTQM::frmTQM() : FormOf(QStringLiteral("frmTQM"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Kultur-Info"));
  resize(sys::TwipsToPixels(3825), sys::TwipsToPixels(2640));
  const char* const texte[] = {"Beginn:", "Ende:", "BTQM:", "Akh:"};
  const char* const boxen[] = {"txtBeginn", "txtEnde", "txtTQM", "txtAkh"};
  QLineEdit** felder[] = {&txtBeginn, &txtEnde, &txtTQM, &txtAkh};
  for (int i = 0; i < 4; ++i) {
    const int top = 240 + 600 * i;
    lblKulturInfo[static_cast<std::size_t>(i)] = ui::MakeLabel(
        this, ui::ControlName(QStringLiteral("lblKulturInfo"), i), QString::fromLatin1(texte[i]), 240, top, 900, 285);
    *felder[i] = ui::MakeTextBox(this, QString::fromLatin1(boxen[i]), 1200, top, 1095, 285, i >= 2);
  }
  cmbEnde = ui::MakeButton(this, QStringLiteral("cmbEnde"), QStringLiteral("Schließen"), 2640, 2040, 1095, 375);
  connect(cmbEnde, &QPushButton::clicked, this, [this] { cmbEnde_Click(); });
}

void frmTQM::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.3");
}

void frmTQM::cmbEnde_Click() { Unload(); }

}  // namespace tolvar
