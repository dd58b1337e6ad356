#include "comparison/ui/frmVergleichInfo.h"

#include <QPlainTextEdit>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "data/state.h"
#include "platform/ui/builders.h"

namespace tolvar {

using ui::Q;

frmVergleichInfo::frmVergleichInfo() : FormOf(QStringLiteral("frmVergleichInfo"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Kultur-Information"));
  resize(sys::TwipsToPixels(6030), sys::TwipsToPixels(3405));
  chbBetrieb = ui::MakeCheckBox(this, QStringLiteral("chbBetrieb"), QStringLiteral("Kultur selbst kalkuliert"), 480,
                                360, 2295, 495);
  chbImport = ui::MakeCheckBox(this, QStringLiteral("chbImport"),
                               QStringLiteral("Kultur in Ergebnis-\ndatenbank importiert"), 3120, 360, 2655, 495);
  Label1 = ui::MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Bemerkung:"), 480, 1200, 1215, 375);
  txtBemerkung = ui::MakeMultiLineBox(this, QStringLiteral("txtBemerkung"));
  ui::PlaceTwips(txtBemerkung, 1680, 1200, 4095, 1575);
  cmbBeenden = ui::MakeButton(this, QStringLiteral("cmbBeenden"), QStringLiteral("Schliessen"), 3960, 2880, 1815, 375);
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { cmbBeenden_Click(); });
}

void frmVergleichInfo::Form_Load() {
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Info_") + Q(state().windows.FarbnameTolvar));
}

void frmVergleichInfo::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.3");
}

void frmVergleichInfo::cmbBeenden_Click() { Unload(); }

}  // namespace tolvar
