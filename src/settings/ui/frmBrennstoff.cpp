#include "settings/ui/frmBrennstoff.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "platform/ui/builders.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/vantel_editors.h"

namespace tolvar {

frmBrennstoff::frmBrennstoff() : FormOf(QStringLiteral("frmBrennstoff"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Brennstoffverwaltung"));
  auto* layout = new QVBoxLayout(this);
  fraHeizung = ui::MakeGroup(this, QStringLiteral("fraHeizung"), QStringLiteral("Brennstoff-Verwaltung"));
  layout->addWidget(fraHeizung);
  editor = new settings::ui::BrennstoffEditor(fraHeizung);
  editor->NachSpeichern = [this] { Unload(); };
}

void frmBrennstoff::Form_Load() { settings::ui::Zeiger(this, "Zeiger_"); }

void frmBrennstoff::Form_Activate() { editor->VonVorn(); }

void frmBrennstoff::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.4");
}

}  // namespace tolvar
