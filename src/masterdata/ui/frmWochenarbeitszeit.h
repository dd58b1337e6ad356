#pragma once
// A person's weekly working hours with the date from which each applies. The person (number,
// name, first name) is taken from the staff editor when the window opens and kept; the window
// closes with the staff editor. Every change rewrites all of the person's rows at once.

#include <QString>
#include <string>

#include "platform/ui/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar {

namespace ui {
class Grid;
}

class frmWochenarbeitszeit : public ui::FormOf<frmWochenarbeitszeit> {
 public:
  frmWochenarbeitszeit();

  QLabel* lblName = nullptr;
  ui::Grid* dtgWochenarbeitszeit = nullptr;
  QLineEdit* txtStunden = nullptr;
  QLineEdit* txtDatum = nullptr;
  QPushButton* cmbOK = nullptr;
  QPushButton* cmbEntfernen = nullptr;
  QPushButton* cmdBeenden = nullptr;

  void dtgWochenarbeitszeit_Click();
  void cmbOK_Click();
  void cmbEntfernen_Click();
  void cmdBeenden_Click();

  // Fills the grid with the person's rows in table order.
  void WochenarbeitszeitAnzeigen();
  // Rewrites the person's rows from the grid's entries, up to the first empty hours cell.
  void WochenarbeitszeitSpeichern();

  const std::string& PersonalNr() const { return m_personalNr; }

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  void Markieren(int row);
  std::string m_personalNr;
};

}  // namespace tolvar
