#include "culture/ui/frmKultur.h"

#include <QGroupBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/ui/keyedtree.h"

namespace tolvar {

namespace {
QGroupBox* RahmenMitBaum(QWidget* parent, const char* rahmen, const char* baum, ui::KeyedTree** tree) {
  auto* box = new QGroupBox(parent);
  box->setObjectName(QLatin1String(rahmen));
  *tree = new ui::KeyedTree(box);
  (*tree)->setObjectName(QLatin1String(baum));
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(*tree);
  return box;
}
}  // namespace

frmKultur::frmKultur() : FormOf(QStringLiteral("frmKultur"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Kultur"));
  auto* layout = new QVBoxLayout(this);
  dtgKulturPhasen = new QTableWidget(this);
  dtgKulturPhasen->setObjectName(QStringLiteral("dtgKulturPhasen"));
  layout->addWidget(dtgKulturPhasen);
  fraKulturarbeiten = RahmenMitBaum(this, "fraKulturarbeiten", "trvKulturarbeiten", &trvKulturarbeiten);
  fraStandort = RahmenMitBaum(this, "fraStandort", "trvStandort", &trvStandort);
  fraMaterial = RahmenMitBaum(this, "fraMaterial", "trvMaterial", &trvMaterial);
  layout->addWidget(fraKulturarbeiten);
  layout->addWidget(fraStandort);
  layout->addWidget(fraMaterial);
}

void frmKultur::Form_Load() { mdlMauszeiger::MauszeigerSetzen(*this); }

void frmKultur::Form_Unload(bool& /*cancel*/) { masterdata_ui::ReloadAndRebuildCultureTreeOfWorkArea(); }

void frmKultur::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("5.1");
}

}  // namespace tolvar
