#pragma once
// The application-rate calculator: the cost of a spray agent per unit of a material's
// reference quantity, handed to the general material editor as its price.

#include <QPointer>
#include <array>

#include "platform/ui/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar {

class frmMaterial4opt;

class frmAufwandmenge : public ui::FormOf<frmAufwandmenge> {
 public:
  frmAufwandmenge();

  QLineEdit* txtKonzentration = nullptr;
  QLineEdit* txtAufwandmenge = nullptr;
  QLineEdit* txtPreis = nullptr;
  QLineEdit* txtKostenLiter = nullptr;
  QLineEdit* txtKostenEinheit = nullptr;
  // 0 behind the application rate, 1 behind the cost per unit
  std::array<QLabel*, 2> lblBezug{};
  QPushButton* cmbOK = nullptr;
  QPushButton* cmbBeenden = nullptr;

  void cmbOK_Click();
  void cmbBeenden_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
  void changeEvent(QEvent* event) override;

 private:
  void Eingabezustand();
  // The material editor that takes the result over, or nullptr.
  frmMaterial4opt* Ziel() const;

  // The material editor that set the caption: only it takes the price over.
  QPointer<frmMaterial4opt> m_ziel;
};

}  // namespace tolvar
