#pragma once
// Stand-alone wage-group window, opened from the wage classification: edit mode (pick a
// group, rename it, change its wage, remove it) and new mode (create a group), and the wage
// calculator.

#include <optional>
#include <string>

#include "platform/ui/forms.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvar {

class frmTarif : public ui::FormOf<frmTarif> {
  Q_OBJECT

 public:
  frmTarif();

  QRadioButton* opbBearbeiten = nullptr;
  QRadioButton* opbNeu = nullptr;
  QGroupBox* fraBearbeiten = nullptr;
  QComboBox* comLohn = nullptr;
  QLineEdit* txtLohngruppeB = nullptr;
  QLineEdit* txtLohnB = nullptr;
  QPushButton* cmbOK = nullptr;
  QPushButton* cmbEntfernen = nullptr;
  QPushButton* cmbAbbruch = nullptr;
  QGroupBox* fraNeu = nullptr;
  QLineEdit* txtLohngruppe = nullptr;
  QLineEdit* txtLohn = nullptr;
  QPushButton* cmbNeuSpeichern = nullptr;
  QPushButton* cmbNeuAbbruch = nullptr;
  QPushButton* cmbLohnkostenxls = nullptr;
  QLineEdit* txtloeschen = nullptr;

  void opbBearbeiten_Click();
  void opbNeu_Click();
  // Selects entry `index` of comLohn and runs the selection step (also for the same entry).
  void LohnWaehlen(int index);
  void comLohn_Click();
  void cmbOK_Click();
  void cmbEntfernen_Click();
  void cmbNeuSpeichern_Click();
  void cmbAbbruch_Click();
  void cmbNeuAbbruch_Click();
  void cmbLohnkostenxls_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  // The loaded groups and the empty entry after them.
  void Auffuellen();

  // The person of the wage classification this window closed on opening; it comes back for
  // that person, whatever the staff selection is meanwhile.
  std::optional<std::string> m_lohneinteilungFuer;
};

}  // namespace tolvar
