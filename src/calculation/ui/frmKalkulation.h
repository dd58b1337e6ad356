#pragma once
// Calculation window (placeholder): the culture tree, rebuilt on activation in the calculation
// work area, and the eight cost buttons.

#include <array>

#include "platform/ui/forms.h"

class QPushButton;

namespace tolvar::ui {
class KeyedTree;
class ImageList;
}  // namespace tolvar::ui

namespace tolvar {

class frmKalkulation : public ui::FormOf<frmKalkulation> {
  Q_OBJECT

 public:
  frmKalkulation();

  ui::KeyedTree* trvKulturen = nullptr;
  ui::ImageList* imlKulturen = nullptr;
  QPushButton* cmbHeizkosten = nullptr;
  QPushButton* cmbMaterialkosten = nullptr;
  QPushButton* cmbEnergiekosten = nullptr;
  QPushButton* cmbMaschinenkosten = nullptr;
  QPushButton* cmbPSMKosten = nullptr;
  QPushButton* cmbVermarktungskosten = nullptr;
  QPushButton* cmbGemeinkosten = nullptr;
  QPushButton* cmbArbeitskosten = nullptr;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
