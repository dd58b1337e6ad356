#pragma once
// Machines: the culture's machine rows with their cost on one tab, the material database
// and the comparison cultures on the other.

#include "calculation/ui/cost_info.h"

class QGroupBox;

namespace tolvar::ui {
class Grid;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar {

class frmMaschinenInfo : public FensterOf<frmMaschinenInfo, KostenInfoFenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Maschinen;

  frmMaschinenInfo();

  // Tab 0 "Datenherkunft" (fraMaschinen, fraVergleich), tab 1 "Maschinenkosten-Information".
  ui::TabStrip* regMaschinenkosten = nullptr;
  QGroupBox* fraMaschinen = nullptr;
  QLabel* lblMaschinen = nullptr;
  QLineEdit* txtMaschinenPfad = nullptr;
  ui::Grid* dtgMaschinen = nullptr;
  QPushButton* cmbBeenden = nullptr;
  QPushButton* cmbOK = nullptr;  // "Maschinenkosten übernehmen"

  void cmbOK_Click();
  // Fills the grid from the culture's material rows that are machines.
  void MaschinenTabelleAufbauen();

 protected:
  void Form_Load() override;
};

}  // namespace tolvar
