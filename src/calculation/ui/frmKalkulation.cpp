#include "calculation/ui/frmKalkulation.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "data/master_loaders.h"
#include "data/state.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

frmKalkulation::frmKalkulation() : FormOf(QStringLiteral("frmKalkulation"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Kalkulation"));
  auto* layout = new QHBoxLayout(this);
  imlKulturen = new ui::ImageList(this);
  imlKulturen->setObjectName(QStringLiteral("imlKulturen"));
  trvKulturen = new ui::KeyedTree(this);
  trvKulturen->setObjectName(QStringLiteral("trvKulturen"));
  trvKulturen->SetImageList(imlKulturen);
  layout->addWidget(trvKulturen);
  auto* knoepfe = new QVBoxLayout;
  const auto knopf = [this, knoepfe](const char* name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    knoepfe->addWidget(button);
    return button;
  };
  cmbHeizkosten = knopf("cmbHeizkosten", QStringLiteral("Heizkosten"));
  cmbMaterialkosten = knopf("cmbMaterialkosten", QStringLiteral("Materialkosten"));
  cmbEnergiekosten = knopf("cmbEnergiekosten", QStringLiteral("Energiekosten"));
  cmbMaschinenkosten = knopf("cmbMaschinenkosten", QStringLiteral("Maschinenkosten"));
  cmbPSMKosten = knopf("cmbPSMKosten", QStringLiteral("PSM-Kosten"));
  cmbVermarktungskosten = knopf("cmbVermarktungskosten", QStringLiteral("Vermarktungskosten"));
  cmbGemeinkosten = knopf("cmbGemeinkosten", QStringLiteral("Gemeinkosten"));
  cmbArbeitskosten = knopf("cmbArbeitskosten", QStringLiteral("Arbeitskosten"));
  knoepfe->addStretch();
  layout->addLayout(knoepfe);
}

void frmKalkulation::Form_Load() {
  const QString bilder = QString::fromStdString(sys::DataPath("\\Bilder\\"));
  imlKulturen->Add(QStringLiteral("closed"), bilder + QStringLiteral("closed.png"));
  imlKulturen->Add(QStringLiteral("open"), bilder + QStringLiteral("open.png"));
  mdlMauszeiger::MauszeigerSetzen(*this);
}

void frmKalkulation::Form_Activate() {
  if (!state().ModusKalkulation) return;
  mdlDatenLaden::KulturenLaden();
  mdlFormen::AktuelleKulturenAnzeigen(*this);
}

void frmKalkulation::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
