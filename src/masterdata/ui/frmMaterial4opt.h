#pragma once
// Editor of general materials (groups 1002 to 1006) and machines (group 1009). The material
// it changes, or the group a new material goes into, is fixed when the window opens. Its help
// topic is the one its opener stored for the material group.

#include <array>
#include <string>

#include "masterdata/ui/materialeditor.h"

class QFrame;
class QRadioButton;

namespace tolvar {

class frmMaterial4opt : public masterdata_ui::Materialeditor<frmMaterial4opt> {
 public:
  frmMaterial4opt();

  QLineEdit* txtMenge = nullptr;
  std::array<QRadioButton*, 5> opbBezug{};  // 1..4: the Bezugsgroesse
  QLineEdit* txtPreis = nullptr;
  QLineEdit* txtWdh = nullptr;
  std::array<QLabel*, 6> lblKalkulation{};  // 0, 1, 2 and 5 exist
  QFrame* Shape7 = nullptr;
  QPushButton* cmbRechner = nullptr;
  QPushButton* cmbAufwandMenge = nullptr;
  QPushButton* cmbMaschinenkostenxls = nullptr;

  // Shows or hides the reuse box: txtWdh, its label and its frame together.
  void WiederverwendungZeigen(bool zeigen);

  void cmbSpeichern_Click();
  void cmbRechner_Click();
  void cmbAufwandMenge_Click();
  void cmbMaschinenkostenxls_Click();

 protected:
  void Form_Load() override;
  std::string Hilfethema() const override { return state().HilfeThema; }

 private:
  int GewaehlterBezug() const;
};

}  // namespace tolvar
