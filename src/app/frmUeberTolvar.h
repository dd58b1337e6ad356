#pragma once
// The about box "Über Tolvar...": the product's name, maker, authors and links to two web
// pages and a mail address. Modeless; keeps the platform's pointers.

#include <array>

#include "platform/ui/forms.h"

class QLabel;
class QPushButton;

namespace tolvar {

class frmUeberTolvar : public ui::FormOf<frmUeberTolvar> {
  Q_OBJECT

 public:
  frmUeberTolvar();

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* lblAutorenVerzeichni = nullptr;
  std::array<QLabel*, 6> lblAutoren{};
  QLabel* lblInternet = nullptr;
  QLabel* lblMail = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  QPushButton* cmbOK = nullptr;

  void cmbOK_Click();
  void Image1_Click();
  void Image2_Click();
  void lblInternet_Click();
  void lblMail_Click();

 protected:
  void Form_KeyDown(int key, int shift) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Form_MouseMove();
};

}  // namespace tolvar
