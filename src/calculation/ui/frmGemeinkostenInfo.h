#pragma once
// Overheads: a read-only overview of the enterprise's overhead settings, or the comparison
// cultures to take the overheads from. Whoever opens the window sets up its presentation.

#include <array>

#include "calculation/ui/cost_info.h"

class QGroupBox;

namespace tolvar::ui {
class OptionGroup;
}

namespace tolvar {

class frmGemeinkostenInfo : public FensterOf<frmGemeinkostenInfo, KostenInfoFenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Gemeinkosten;

  frmGemeinkostenInfo();

  QGroupBox* fraGemeinkostenInfo = nullptr;
  std::array<QLabel*, 2> Label1{};
  // (0) uniform, (1) per site; the index is the setting Gemeinkostentyp.
  ui::OptionGroup* opbGemeinkosten = nullptr;
  QLineEdit* txtGemeinkosten = nullptr;
  std::array<QLabel*, 3> lblGemeinkosten{};
  QLabel* lblJahr = nullptr;
  QLineEdit* txtJahr = nullptr;
  QLabel* lblGemeinkostenTQM = nullptr;
  QLineEdit* txtGemeinkostenTQM = nullptr;
  QPushButton* cmbBeenden = nullptr;
  QPushButton* cmbVergleichOK = nullptr;  // "Gemeinkosten übernehmen"

  void cmbBeenden_Click();
  void cmbVergleichOK_Click();
};

}  // namespace tolvar
