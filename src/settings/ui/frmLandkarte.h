#pragma once
// Weather-region map: 23 regions on a map picture, each with a label (click: station
// information) and an option (choice); "Auswahl übernehmen" makes the chosen region the
// enterprise's weather station and hides the map.

#include <array>

#include "platform/ui/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvar::ui {
class OptionGroup;
}

namespace tolvar {

class frmLandkarte : public ui::FormOf<frmLandkarte> {
  Q_OBJECT

 public:
  frmLandkarte();

  QLabel* imbLandkarte = nullptr;
  std::array<QLabel*, 23> lblStation{};
  std::array<QRadioButton*, 23> opbStation{};
  ui::OptionGroup* opbStationGruppe = nullptr;
  QLineEdit* txtAuswahl = nullptr;
  QPushButton* cmbOK = nullptr;
  QPushButton* cmbAbbruch = nullptr;

  void opbStation_Click(int index);
  void lblStation_Click(int index);
  void cmbOK_Click();
  void cmbAbbruch_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tolvar
