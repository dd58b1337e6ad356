#include "settings/ui/frmArbeitMaterial.h"

#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "data/master_loaders.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

frmArbeitMaterial::frmArbeitMaterial() : FormOf(QStringLiteral("frmArbeitMaterial"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Materialkosten je Arbeitsstunde"));
  auto* layout = new QVBoxLayout(this);
  imlTaetigkeit = new ui::ImageList(this);
  trvTaetigkeit = new ui::KeyedTree(this);
  trvTaetigkeit->setObjectName(QStringLiteral("trvTaetigkeit"));
  trvTaetigkeit->SetImageList(imlTaetigkeit);
  layout->addWidget(trvTaetigkeit);
}

void frmArbeitMaterial::Form_Load() {
  const QString bilder = QString::fromStdString(sys::DataPath("\\Bilder\\"));
  imlTaetigkeit->Add(QStringLiteral("open"), bilder + QStringLiteral("open.png"));
  imlTaetigkeit->Add(QStringLiteral("closed"), bilder + QStringLiteral("closed.png"));
  imlTaetigkeit->Add(QStringLiteral("drag-Taetigkeit"), bilder + QStringLiteral("drag-Taetigkeit.png"));
  mdlDatenLaden::TaetigkeitenLaden();
  mdlFormen::AktuelleTaetigkeitenAnzeigen(*this);
}

void frmArbeitMaterial::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.6");
}

}  // namespace tolvar
