#pragma once
// Start-up screen: shows the start-up picture, checks the screen, waits and then opens the
// main window (unless the screen is too small).

#include <chrono>

#include "platform/ui/forms.h"

class QLabel;
class QTimer;

namespace tolvar {

class frmBegruessung : public ui::FormOf<frmBegruessung> {
  Q_OBJECT

 public:
  frmBegruessung();

  QLabel* pcbBegruessung = nullptr;

  // How long the screen stays before it closes by itself (five seconds; tests shorten it).
  static std::chrono::milliseconds Wartezeit();
  static void SetWartezeit(std::chrono::milliseconds wartezeit);

  void pcbBegruessung_DblClick();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer* m_warten = nullptr;
};

}  // namespace tolvar
