#pragma once
// Settings window (placeholder): the site and activity trees, the database choices with their
// checks, and the pointer colours with the restart.

#include <array>

#include "platform/ui/forms.h"

class QPushButton;
class QRadioButton;
class QTabBar;

namespace tolvar::ui {
class KeyedTree;
class ImageList;
}  // namespace tolvar::ui

namespace tolvar {

class frmEinstellungen : public ui::FormOf<frmEinstellungen> {
  Q_OBJECT

 public:
  frmEinstellungen();

  QTabBar* regEinstellungen = nullptr;
  ui::KeyedTree* trvStandort = nullptr;
  ui::ImageList* imlStandort = nullptr;
  ui::KeyedTree* trvTaetigkeit = nullptr;
  ui::ImageList* imlTaetigkeit = nullptr;
  QRadioButton* opbGemeinkosten = nullptr;
  QPushButton* cmbDurchsuchen = nullptr;
  QPushButton* cmbVantelDurchsuchen = nullptr;
  QPushButton* cmbErgebnisdatenbank = nullptr;
  QPushButton* cmbOK = nullptr;
  // Pointer colours by index 0..5: "Weiss", "Grau", "Schwarz", "Blau", "Rot", "Grün".
  std::array<QRadioButton*, 6> opbMorvin{};
  std::array<QRadioButton*, 6> opbTolvar{};
  QPushButton* cmbFarbeOK = nullptr;

  void regEinstellungen_Click();
  void opbGemeinkosten_Click();
  void cmbDurchsuchen_Click();
  void cmbVantelDurchsuchen_Click();
  void cmbErgebnisdatenbank_Click();
  void cmbOK_Click();
  void cmbFarbeOK_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
