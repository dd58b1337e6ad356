#include "masterdata/ui/frmMaterial.h"

#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "masterdata/material_group.h"
#include "platform/ui/builders.h"

namespace tolvar {

frmMaterial::frmMaterial() : Materialeditor(QStringLiteral("frmMaterial"), "5.3") {
  setCaption(QStringLiteral("Material"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Bezeichnung:"), txtName);
  ui::AddFormRow(form, QStringLiteral("Kürzel :"), txtKuerzel, QStringLiteral("(max. 10 Zeichen)"));
  ui::AddFormRow(form, QStringLiteral("Barcode:"), txtCode, QStringLiteral("(6*****)"));
  form->addRow(QStringLiteral("Bemerkungen:"), txtBemerkungen);
  form->addRow(chbAktuell);
  layout->addLayout(form);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(cmbSpeichern);
  knoepfe->addWidget(cmbAbbruch);
  knoepfe->addWidget(cmbHilfe);
  layout->addLayout(knoepfe);

  SetTabOrder({txtName, txtKuerzel, txtCode, txtBemerkungen, chbAktuell, cmbSpeichern, cmbAbbruch, cmbHilfe});
}

void frmMaterial::Form_Load() {
  MauszeigerSetzen();
  const MaterialSatz* gruppe = masterdata::ui::MaterialAn(state().selection.MaterialIndex);
  if (gruppe == nullptr) return;
  // The save edits this group, wherever the tree's selection moves meanwhile.
  m_kontext.MaterialNr = gruppe->MaterialNr;
  KopfZeigen(masterdata::MaterialGruppeEingabenLaden(*gruppe));
}

void frmMaterial::cmbSpeichern_Click() {
  MaterialGruppeEingaben e;
  KopfLesen(e);
  const MaterialSpeicherergebnis ergebnis = masterdata::MaterialGruppeSpeichern(m_kontext.MaterialNr, &e);
  SpeichernAbschliessen(e, ergebnis);
}

void frmMaterial::Form_KeyDown(int key, int /*shift*/) {
  if (key != Qt::Key_F1) return;
  // F1 follows the group selected now; the help button always shows the general topic.
  const MaterialSatz* gruppe = masterdata::ui::MaterialAn(state().selection.MaterialIndex);
  state().windows.HilfeThema = masterdata::GruppenHilfeThema(gruppe != nullptr ? gruppe->MaterialNr : std::string());
  mdlHilfe::HilfeAufrufen(state().windows.HilfeThema);
}

}  // namespace tolvar
