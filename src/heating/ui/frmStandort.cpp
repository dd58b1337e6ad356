#include "heating/ui/frmStandort.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "masterdata/ui/master_tree_rebuild.h"

namespace tolvar {

frmStandort::frmStandort() : FormOf(QStringLiteral("frmStandort"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Standort"));
  auto* layout = new QVBoxLayout(this);
  regStandort = new QTabBar(this);
  regStandort->setObjectName(QStringLiteral("regStandort"));
  layout->addWidget(regStandort);
  fraBezeichnung = new QGroupBox(this);
  fraBezeichnung->setObjectName(QStringLiteral("fraBezeichnung"));
  auto* rahmen = new QVBoxLayout(fraBezeichnung);
  opbHaus = new QRadioButton(fraBezeichnung);
  opbHaus->setObjectName(QStringLiteral("opbHaus"));
  opbGruppe = new QRadioButton(fraBezeichnung);
  opbGruppe->setObjectName(QStringLiteral("opbGruppe"));
  rahmen->addWidget(opbHaus);
  rahmen->addWidget(opbGruppe);
  layout->addWidget(fraBezeichnung);
  cmbHilfe = new QPushButton(QStringLiteral("Hilfe"), this);
  cmbHilfe->setObjectName(QStringLiteral("cmbHilfe"));
  layout->addWidget(cmbHilfe);
  connect(cmbHilfe, &QPushButton::clicked, this, &frmStandort::cmbHilfe_Click);
}

void frmStandort::Form_Load() { mdlMauszeiger::MauszeigerSetzen(*this); }

void frmStandort::Form_Unload(bool& /*cancel*/) {
  masterdata_ui::ReloadAndRebuildMasterTree(masterdata_ui::Standorte);
}

void frmStandort::cmbHilfe_Click() { mdlHilfe::HilfeAufrufen("5.2"); }

void frmStandort::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) cmbHilfe_Click();
}

}  // namespace tolvar
