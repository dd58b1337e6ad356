#pragma once
// The pocket calculator: four functions and a percent key, modeless beside the material
// editor that opened it. Closing writes the readout into the box that Merkwert names.

#include <array>

#include "masterdata/calculator.h"
#include "platform/ui/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tolvar {

class frmRechner : public tolvar::ui::FormOf<frmRechner> {
 public:
  frmRechner();

  QLabel* Readout = nullptr;
  std::array<QPushButton*, 10> Number{};
  // "/" "+" "X" "-" "="
  std::array<QPushButton*, 5> Operator{};
  QPushButton* Decimal = nullptr;
  QPushButton* Percent = nullptr;
  QPushButton* Cancel = nullptr;
  QPushButton* CancelEntry = nullptr;

  void Number_Click(int index);
  void Operator_Click(int index);
  void Decimal_Click();
  void Percent_Click();
  void Cancel_Click();
  void CancelEntry_Click();

  const masterdata::Taschenrechner& Rechner() const { return m_rechner; }

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  void Anzeigen();
  masterdata::Taschenrechner m_rechner;
};

}  // namespace tolvar

namespace tolvar::masterdata::ui {

// The calculator's target follows the focus: when `box` gets the focus, Merkwert := `ziel`.
void RechnerzielBeiFokus(QLineEdit* box, int ziel);

// Enter (and the keypad's Enter) in `box` moves the focus to `ziel` instead of the next
// control in the tab order. Install after the numeric key filter.
void EnterFuehrtZu(QWidget* box, QWidget* ziel);

}  // namespace tolvar::masterdata::ui
