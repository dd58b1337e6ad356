#include "comparison/ui/frmKulturVergleichBearbeiten.h"

#include "app/mdlHilfe.h"

namespace tolvar {

frmKulturVergleichBearbeiten::frmKulturVergleichBearbeiten()
    : FormOf(QStringLiteral("frmKulturVergleichBearbeiten"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Vergleichskulturen bearbeiten"));
}

void frmKulturVergleichBearbeiten::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.2");
}

}  // namespace tolvar
