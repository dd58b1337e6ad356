#pragma once
// Culture data window (placeholder): the culture tree with its pop-ups, and the site and
// material pick trees, rebuilt when a culture is chosen in their mode.

#include "platform/ui/forms.h"

class QFrame;
class QPushButton;

namespace tolvar::ui {
class KeyedTree;
class ImageList;
}  // namespace tolvar::ui

namespace tolvar {

class frmBewegungsdaten : public ui::FormOf<frmBewegungsdaten> {
  Q_OBJECT

 public:
  frmBewegungsdaten();

  ui::KeyedTree* trvKulturen = nullptr;
  ui::ImageList* imlKulturen = nullptr;
  QFrame* fraBearbeitenModus2 = nullptr;  // site mode
  ui::KeyedTree* trvStandort = nullptr;
  ui::ImageList* imlStandorte = nullptr;
  QFrame* fraMaterial = nullptr;  // material mode
  ui::KeyedTree* trvMaterial = nullptr;
  ui::ImageList* imlMaterial = nullptr;
  QFrame* fraPhasenInfo = nullptr;
  QPushButton* cmbStandorte = nullptr;
  QPushButton* cmbMaterial = nullptr;

  // Event handlers, public so tests can raise them as the controls do.
  void cmbStandorte_Click();
  void cmbMaterial_Click();
  void trvKulturen_Click();
  void trvKulturen_KeyUp(int key, int shift);
  void trvKulturen_MouseUp(int button, int shift, int x, int y);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // The culture at KulturIndex is neither a group nor the top record.
  bool KulturGewaehlt() const;
  void StandorteNeuAufbauen();
  void MaterialienNeuAufbauen();
};

}  // namespace tolvar
