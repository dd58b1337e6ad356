#include "settings/ui/frmArbeitMaterial.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "settings/ui/activity_material_editor.h"
#include "settings/ui/frmEinstellungen_hilfen.h"

namespace tolvar {

frmArbeitMaterial::frmArbeitMaterial() : FormOf(QStringLiteral("frmArbeitMaterial"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Materialkosten über Tätigkeiten zuweisen"));
  auto* layout = new QVBoxLayout(this);
  editor = new settings::ui::ArbeitMaterialEditor(this, true);
  layout->addLayout(editor->layout);
}

void frmArbeitMaterial::Form_Load() {
  settings::ui::Zeiger(this, "Zeiger_");
  editor->BilderLaden();
  editor->Anzeigen();
  editor->cmbArbeitMaterialReset->setText(QStringLiteral("Beenden"));
}

void frmArbeitMaterial::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.6");
}

}  // namespace tolvar
