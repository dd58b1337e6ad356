#pragma once
// Editor of standard activities and activity groups (table StdTaetigkeiten of the labour-time
// database). The mode ("Neu" or "Aendern") is taken when the window opens and kept for its
// life, so a later dispatch to the open window cannot switch what its save does.

#include "masterdata/ui/master_editor.h"

namespace tolvar {

class frmTaetigkeiten : public masterdata::ui::Morvineditor<frmTaetigkeiten> {
 public:
  frmTaetigkeiten();

  QRadioButton* opbTaetigkeit = nullptr;
  QGroupBox* fraTaetigkeit = nullptr;
  QPushButton* cmbArbeitMaterial = nullptr;
  QPlainTextEdit* txtGruBemerkungen = nullptr;

  void opbTaetigkeit_Click() { SatzoptionGewaehlt(); }
  void cmbSpeichern_Click();
  void cmbArbeitMaterial_Click();

 protected:
  void Form_Load() override;
};

}  // namespace tolvar
