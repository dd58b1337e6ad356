#include "comparison/ui/frmVergleichInfo.h"

#include <QPlainTextEdit>

#include "app/mdlGroesse_farben.h"
#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "comparison/ui/bausteine.h"

namespace tolvar {

using namespace vergleichsfenster;

frmVergleichInfo::frmVergleichInfo() : FormOf(QStringLiteral("frmVergleichInfo"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Kultur-Information"));
  resize(Px(6030), Px(3405));
  chbBetrieb = new QCheckBox(QStringLiteral("Kultur selbst kalkuliert"), this);
  chbBetrieb->setObjectName(QStringLiteral("chbBetrieb"));
  Platzieren(chbBetrieb, 480, 360, 2295, 495);
  chbImport = new QCheckBox(QStringLiteral("Kultur in Ergebnis- datenbank importiert"), this);
  chbImport->setObjectName(QStringLiteral("chbImport"));
  Platzieren(chbImport, 3120, 360, 2655, 495);
  Label1 = Beschriftung(this, QStringLiteral("Bemerkung:"), 480, 1200, 1215, 375, QStringLiteral("Label1"));
  txtBemerkung = new QPlainTextEdit(this);
  txtBemerkung->setObjectName(QStringLiteral("txtBemerkung"));
  Platzieren(txtBemerkung, 1680, 1200, 4095, 1575);
  cmbBeenden = Knopf(this, QStringLiteral("cmbBeenden"), QStringLiteral("Schliessen"), 3960, 2880, 1815, 375);
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { cmbBeenden_Click(); });
}

void frmVergleichInfo::Form_Load() {
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Info_") + QString::fromStdString(mdlGroesse::FarbnameTolvar));
}

void frmVergleichInfo::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.3");
}

void frmVergleichInfo::cmbBeenden_Click() { Unload(); }

}  // namespace tolvar
