#pragma once
// Material cost detail window: one grid row per material row of the culture (machines
// excluded) with its cost per 1000 plants; opened from the material menu instead, it lists
// the stored comparison cultures and takes one culture's material cost over into the
// calculation window.

#include <array>

#include "platform/ui/forms.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar::ui {
class Grid;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar {

class frmMaterialInfo : public ui::FormOf<frmMaterialInfo> {
  Q_OBJECT

 public:
  frmMaterialInfo();

  QPushButton* cmbBeenden = nullptr;
  ui::TabStrip* regMaterialkosten = nullptr;  // tab 0 "Datenherkunft", tab 1 the grid
  ui::Grid* dtgMaterial = nullptr;
  QFrame* fraMaterial = nullptr;
  std::array<QLabel*, 1> lblVantel{};
  QLineEdit* txtMaterialPfad = nullptr;
  QFrame* fraVergleich = nullptr;
  std::array<QLabel*, 5> lblHerkunft{};
  QLineEdit* txtErgebnisdatenbank = nullptr;
  QComboBox* comVergleichskulturen = nullptr;
  QLineEdit* txtKostenVergleichskultur = nullptr;
  QLineEdit* txtQualitaet = nullptr;  // objectName "txtQualität"
  QPushButton* cmbOk = nullptr;

  // Turns the window into the take-over window: the comparison frame with the stored
  // cultures in front, the grid's tab switched off.
  void VergleichAnzeigen();

  void comVergleichskulturen_Click();
  void cmbOk_Click();
  void cmbBeenden_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  void TabelleFuellen();
};

}  // namespace tolvar
