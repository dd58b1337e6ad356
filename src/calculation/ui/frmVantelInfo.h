#pragma once
// Heating cost detail window: one grid row per site occupancy of the culture with its share
// of the heating cost; opened from the heating menu instead, it lists the stored comparison
// cultures and takes one culture's heating cost over into the calculation window.

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

class frmVantelInfo : public ui::FormOf<frmVantelInfo> {
  Q_OBJECT

 public:
  frmVantelInfo();

  QPushButton* cmbBeenden = nullptr;
  ui::TabStrip* regHeizkosten = nullptr;  // tab 0 "Datenherkunft", tab 1 the grid
  ui::Grid* dtgVantel = nullptr;
  QFrame* fraVantel = nullptr;
  std::array<QLabel*, 3> lblVantel{};
  QLineEdit* txtMaterialPfad = nullptr;
  QLineEdit* txtWetterdatenbank = nullptr;
  QLineEdit* txtWetterstation = nullptr;
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
