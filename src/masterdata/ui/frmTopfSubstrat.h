#pragma once
// Editor of pot-substrate combinations (group 1001): a name, one pot and one substrate, and
// the price that results. The pot and the substrate are chosen by their material numbers,
// which the two lists carry behind the names they show.

#include <QPointer>
#include <array>
#include <string>

#include "data/records_material.h"
#include "masterdata/ui/master_editor.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QShowEvent;

namespace tolvar {

class frmTopfSubstrat : public masterdata::ui::Stammdateneditor<frmTopfSubstrat> {
 public:
  frmTopfSubstrat();

  QGroupBox* fraInfo = nullptr;
  QLineEdit* txtPreis = nullptr;
  std::array<QRadioButton*, 3> opbBezug{};  // 1 per plant, 2 per 1000 plants
  std::array<QLabel*, 3> lblInfo{};
  QPushButton* cmbAbbruch = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbErde = nullptr;
  QPushButton* cmbTopf = nullptr;
  QPlainTextEdit* txtBemerkung = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QLineEdit* txtCode = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLineEdit* txtName = nullptr;
  QComboBox* comTopf = nullptr;
  QComboBox* comSubstrat = nullptr;

  bool KombinationGeladen = false;

  void KalkulationsinfoAktualisieren();

  void comTopf_Click();
  void comSubstrat_Click();
  void cmbTopf_Click();
  void cmbErde_Click();
  void cmbSpeichern_Click();
  void cmbAbbruch_Click();

  const MaterialKontext& Kontext() const { return m_kontext; }

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void showEvent(QShowEvent* event) override;

 private:
  void ListenFuellen();
  // Refreshes again when an editor this window opened has closed.
  void BeimSchliessenAktualisieren(QWidget* editor);

  MaterialKontext m_kontext;
  bool m_aktiviert = false;
  QPointer<QWidget> m_beobachtet[2];
};

}  // namespace tolvar
