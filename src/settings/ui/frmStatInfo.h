#pragma once
// Station information: the description of a region's measuring station and the picture of
// its mean temperatures.

#include <array>

#include "platform/ui/forms.h"
#include "settings/mdlWetterstation.h"

class QLabel;
class QLineEdit;

namespace tolvar {

class frmStatInfo : public ui::FormOf<frmStatInfo> {
  Q_OBJECT

 public:
  frmStatInfo();

  std::array<QLabel*, 6> lblinfo{};
  QLineEdit* txtStatName = nullptr;
  QLineEdit* txtRegBezirk = nullptr;
  QLineEdit* txtLkr = nullptr;
  QLineEdit* txtGemeinde = nullptr;
  QLineEdit* txtLage = nullptr;
  QLineEdit* txtHoehe = nullptr;
  QLabel* pcbStatInfo = nullptr;

  // Fills the boxes and the picture.
  void Anzeigen(const mdlWetterstation::StationsInfo& info);

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
