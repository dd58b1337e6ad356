#include "settings/ui/frmEindeckung.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "platform/ui/builders.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/vantel_editors.h"

namespace tolvar {

frmEindeckung::frmEindeckung() : FormOf(QStringLiteral("frmEindeckung"), ui::FormKind::Window) {
  setCaption(QStringLiteral("GWH-Materialverwaltung"));
  auto* layout = new QVBoxLayout(this);
  fraEindeckung = ui::MakeGroup(this, QStringLiteral("fraEindeckung"), QStringLiteral("GWH-Materialverwaltung"));
  layout->addWidget(fraEindeckung);
  editor = new settings::ui::EindeckungEditor(fraEindeckung);
  editor->NachSpeichern = [this] { Unload(); };
  editor->Abbruch = [this] { Unload(); };
}

void frmEindeckung::Form_Load() {
  settings::ui::Zeiger(this, "Zeiger_");
  // The list is read before the window first shows, so its name boxes are sized to the names.
  editor->EindeckungLaden();
}

void frmEindeckung::Form_Activate() { editor->VonVorn(); }

void frmEindeckung::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.4");
}

}  // namespace tolvar
