#pragma once
// Marketing: shows the percentage of the market output the marketing cost rests on, lets
// the user work out a culture's own percentage (flat or from the enterprise's turnover), or
// takes a comparison culture's marketing cost over. Whoever opens the window sets up its
// presentation (width, frames, take-over button) before showing it.

#include <array>

#include "calculation/ui/cost_info.h"

class QGroupBox;
class QRadioButton;

namespace tolvar::ui {
class OptionGroup;
}

namespace tolvar {

class frmVermarktungInfo : public FensterOf<frmVermarktungInfo, KostenInfoFenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Vermarktung;

  frmVermarktungInfo();

  // Information: the percentage in use and where it comes from.
  QGroupBox* fraVermarktungskostenInfo = nullptr;
  QLineEdit* txtVermarktungskostenInfo = nullptr;
  std::array<QLabel*, 2> lblVermarktungskostenInfo{};
  // (0) "aus den Betriebseinstellungen", (1) "kulturspezifisch errechnet".
  ui::OptionGroup* opbVermarktungskostenInfo = nullptr;

  // Entry of the culture's own percentage.
  QGroupBox* fraVermarktung = nullptr;
  // (0) from the turnover, (1) a flat percentage.
  ui::OptionGroup* opbVermarktung = nullptr;
  QPushButton* cmbReset = nullptr;
  QGroupBox* fraVermarktungskosten = nullptr;
  QLineEdit* txtVermarktung = nullptr;
  QGroupBox* fraUmsatz = nullptr;
  QLineEdit* txtUmsatz = nullptr;
  QLineEdit* txtVermarktungskosten = nullptr;
  QPushButton* cmbUmsatzOK = nullptr;
  // (0) "Umsatz:", (1) "Vermarktungskosten:", (2) and (3) "€/ Jahr", (4) "Vermarktungskosten",
  // (5) "% Marktleistung".
  std::array<QLabel*, 6> lblVermarktung{};

  // "Vermarktungskosten übernehmen", outside the frames, hidden until an opener places it.
  QPushButton* cmbOK = nullptr;

  void opbVermarktung_Click(int index);
  void cmbUmsatzOK_Click();
  void cmbReset_Click();
  void cmbOK_Click();
};

}  // namespace tolvar
