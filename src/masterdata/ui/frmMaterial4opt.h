#pragma once
// Editor of general materials (groups 1002 to 1006) and machines (group 1009). The material
// it changes, or the group a new material goes into, is fixed when the window opens; so is its
// help topic, which its opener gives it for the material group.

#include <array>
#include <string>

#include "masterdata/ui/material_editor.h"

class QFrame;
class QRadioButton;

namespace tolvar {

class frmMaterial4opt : public masterdata::ui::Materialeditor<frmMaterial4opt> {
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
  // The help topic of the group the window was opened for ("5.3" until one is given).
  void HilfethemaSetzen(std::string thema) { m_hilfethema = std::move(thema); }

  void cmbSpeichern_Click();
  void cmbRechner_Click();
  void cmbAufwandMenge_Click();
  void cmbMaschinenkostenxls_Click();

 protected:
  void Form_Load() override;
  std::string Hilfethema() const override { return m_hilfethema; }

 private:
  int GewaehlterBezug() const;

  std::string m_hilfethema = "5.3";
};

}  // namespace tolvar
