#pragma once
// Standard vessel sizes: a list of named volumes kept in table Standardgroessen; "OK" hands
// the volume of the size shown to the pot editor.

#include <QHash>
#include <array>

#include "data/records_material.h"
#include "masterdata/standard_sizes.h"
#include "platform/ui/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar::ui {
class ImageList;
class KeyedTree;
}  // namespace tolvar::ui

namespace tolvar {

class frmVolumen : public ui::FormOf<frmVolumen> {
 public:
  frmVolumen();

  QPushButton* cmbOK = nullptr;
  QPushButton* cmbAbbruch = nullptr;
  QPushButton* cmbRechner = nullptr;
  QPushButton* cmbNeu = nullptr;
  QPushButton* cmbLoeschen = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QLineEdit* txtBezeichnung = nullptr;
  QLineEdit* txtVolumen = nullptr;
  std::array<QLabel*, 3> lblVolumen{};
  ui::ImageList* imlVolumen = nullptr;
  ui::KeyedTree* trvVolumen = nullptr;

  // Form variables: NeuesVolumen, tmpBezeichnung, tmpVolumen.
  const masterdata::VolumenFormular& Formular() const { return m_formular; }

  void StandardVolumenAnzeigen();
  masterdata::VolumenSpeicherStatus VolumenSpeichern();

  void trvVolumen_Click(const QString& key);
  void cmbNeu_Click();
  void cmbSpeichern_Click();
  void cmbOK_Click();
  void cmbLoeschen_Click();
  void cmbRechner_Click();
  void cmbAbbruch_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  void BoxenLesen();
  void BoxenSchreiben();

  masterdata::VolumenFormular m_formular;
  // The size behind each node key.
  QHash<QString, StandardgroesseSatz> m_groessen;
};

}  // namespace tolvar
