#pragma once
// Master-data window: the five master lists side by side as trees, each with a button that
// switches it between the current records and all records; right-click pop-ups and regrouping
// by drag and drop.

#include <QString>
#include <array>

#include "platform/ui/forms.h"

class QPushButton;

namespace tolvar::ui {
class KeyedTree;
class ImageList;
struct DragSource;
enum class DragState;
}  // namespace tolvar::ui

namespace tolvar {

class frmStammdaten : public ui::FormOf<frmStammdaten> {
  Q_OBJECT

 public:
  frmStammdaten();

  // Tree i: 0 cultures, 1 sites, 2 materials, 3 staff, 4 standard activities.
  static constexpr int AnzahlBaeume = 5;

  ui::KeyedTree* trvKulturen = nullptr;
  ui::KeyedTree* trvStandort = nullptr;
  ui::KeyedTree* trvMaterial = nullptr;
  ui::KeyedTree* trvPersonal = nullptr;
  ui::KeyedTree* trvTaetigkeit = nullptr;
  std::array<QPushButton*, AnzahlBaeume> cmbAnzeigen{};
  ui::ImageList* imlKultur = nullptr;
  ui::ImageList* imlStandort = nullptr;
  ui::ImageList* imlMaterial = nullptr;
  ui::ImageList* imlPersonal = nullptr;
  ui::ImageList* imlTaetigkeiten = nullptr;

  ui::KeyedTree* Baum(int index) const;

  // Captions of the view buttons: the tree shows the current records / all records.
  static inline const char* kAllesAnzeigen = "Alles anzeigen";
  static inline const char* kAnzeigeReduzieren = "Anzeige reduzieren";

  // Reloads list `index` (materials: then the pots) and rebuilds its tree in the view its
  // button names.
  void BaumNeuAufbauen(int index);

  // Event handlers of button array cmbAnzeigen and of the five trees (by tree index), public
  // so tests can raise them as the controls do.
  void cmbAnzeigen_Click(int index);
  void Baum_Expand(int index, const QString& key);
  void Baum_Collapse(int index, const QString& key);
  void Baum_MouseUp(int index, int button, int shift, int x, int y);
  void Baum_MouseDown(int index, int button, int shift, int x, int y);
  void Baum_MouseMove(int index, int buttons, int shift, int x, int y);
  void Baum_DragOver(int index, const ui::DragSource& source, int x, int y, ui::DragState state);
  void Baum_DragDrop(int index, const ui::DragSource& source, int x, int y);

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  void Laden(int index);
  void Aufbauen(int index, bool alles);
};

}  // namespace tolvar
