#pragma once
// The activity material-cost editor: the tree of current standard activities as a drag
// source, the cost grid (activity, cost per hour, activity number; data rows 1..100) and the
// buttons "Löschen", "Speichern" and "Zurücksetzen". The settings window's tab "Sachkosten"
// and the stand-alone frmArbeitMaterial each hold one; in the stand-alone window the reset
// button turns into "Beenden".

#include <QObject>
#include <string>
#include <vector>

#include "platform/ui/keyedtree_drag.h"
#include "settings/mdlMaterial.h"

class QBoxLayout;
class QGroupBox;
class QPushButton;

namespace tolvar::ui {
class Form;
class Grid;
class ImageList;
class KeyedTree;
}  // namespace tolvar::ui

namespace tolvar::settings::ui {

class ArbeitMaterialEditor : public QObject {
  Q_OBJECT

 public:
  // Builds the controls into `fenster`; `eigenstaendig` for frmArbeitMaterial (taller tree
  // and grid, the buttons in a row below, the reset button's two captions).
  ArbeitMaterialEditor(tolvar::ui::Form* fenster, bool eigenstaendig);

  // The frame with tree and grid, and the buttons, laid out for the window to take.
  QBoxLayout* layout = nullptr;
  QGroupBox* fraArbeitMaterial = nullptr;
  tolvar::ui::KeyedTree* trvTaetigkeit = nullptr;
  tolvar::ui::ImageList* imlTaetigkeiten = nullptr;
  tolvar::ui::Grid* dtgArbeitMaterial = nullptr;
  QPushButton* cmbArbeitMaterialLoeschen = nullptr;
  QPushButton* cmbArbeitMaterialSpeichern = nullptr;
  QPushButton* cmbArbeitMaterialReset = nullptr;

  // The tree's pictures "open", "closed" and "drag-Taetigkeit".
  void BilderLaden();
  // Reloads the activities, rebuilds the tree, sets up and fills the grid.
  void Anzeigen();
  // Clears the data rows and writes the headers, then shows the stored costs.
  void TabelleEinrichten();
  void TabelleFuellen();
  // The data rows 1..100 as the logic takes them (index 0 is row 1).
  std::vector<mdlMaterial::KostenZeile> Zeilen() const;

  void trvTaetigkeit_MouseDown(int button, int shift, int x, int y);
  void trvTaetigkeit_MouseMove(int button, int shift, int x, int y);
  void trvTaetigkeit_DragOver(const tolvar::ui::DragSource& source, int x, int y, tolvar::ui::DragState dragState);
  void trvTaetigkeit_DragDrop(const tolvar::ui::DragSource& source, int x, int y);
  void dtgArbeitMaterial_DragDrop(const tolvar::ui::DragSource& source, int x, int y);
  void dtgArbeitMaterial_DblClick();
  void dtgArbeitMaterial_KeyPress(int keyAscii);
  void cmbArbeitMaterialLoeschen_Click();
  void cmbArbeitMaterialReset_Click();
  void cmbArbeitMaterialSpeichern_Click();

 private:
  void ZeilenSetzen(const std::vector<mdlMaterial::KostenZeile>& zeilen);

  tolvar::ui::Form* m_fenster;
  bool m_eigenstaendig;
};

}  // namespace tolvar::settings::ui
