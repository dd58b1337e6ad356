#include "comparison/ui/frmKulturvergleich.h"

#include "app/mdlHilfe.h"

namespace tolvar {

frmKulturvergleich::frmKulturvergleich() : FormOf(QStringLiteral("frmKulturvergleich"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Kulturvergleich"));
}

void frmKulturvergleich::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.3");
}

}  // namespace tolvar
