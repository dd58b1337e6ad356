#pragma once
// A person's wage classification: from which date the person belongs to which wage group.
// The person is taken from the staff list at PersonalIndex when the window opens (and again
// when the staff editor shows it for someone else) and kept for all changes; the wage-group
// window, which closes it meanwhile, brings it back for the same person.

#include <string>

#include "base/values.h"
#include "platform/ui/forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar {

namespace ui {
class Grid;
class MonthCalendar;
}  // namespace ui

class frmLohneinteilung : public ui::FormOf<frmLohneinteilung> {
 public:
  frmLohneinteilung();

  QLabel* lblName = nullptr;
  QLabel* lblKeineEintraege = nullptr;
  ui::Grid* dtgLohn = nullptr;
  QComboBox* comLohngruppen = nullptr;
  QLineEdit* txtDatum = nullptr;
  QPushButton* cmbOK = nullptr;
  ui::MonthCalendar* movDatum = nullptr;
  QPushButton* cmbEntfernen = nullptr;
  QPushButton* cmbBeenden = nullptr;
  QPushButton* cmbLohngruppen = nullptr;

  void dtgLohn_Click();
  void cmbOK_Click();
  void cmbEntfernen_Click();
  void cmbLohngruppen_Click();
  void cmbBeenden_Click();
  void txtDatum_DblClick();
  void movDatum_DatumGewaehlt(base::Date datum);

  void LohngruppenLaden();
  void LohneinteilungAnzeigen();
  // Takes the person at PersonalIndex and reads the groups and the classifications afresh.
  void PersonLaden();
  // The same for the person with number `personalNr`.
  void PersonLaden(const std::string& personalNr);

  const std::string& PersonalNr() const { return m_personalNr; }
  // The grid row last clicked that holds a classification, or -1.
  int MarkierteZeile() const { return m_markiert; }

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  std::string m_personalNr;
  int m_markiert = -1;
};

}  // namespace tolvar
