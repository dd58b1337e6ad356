#pragma once
// Culture data window: the culture tree on the left and three modes on the right, of which
// one frame is visible at a time: the phases of the chosen culture (fraPhasenInfo), the
// sites each phase occupies (fraBearbeitenModus2) and the materials each phase uses
// (fraMaterial). The handlers of each mode live in their own source file.

#include <QColor>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "base/values.h"
#include "culture/mdlKulturMaterial.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "culture/mdlStandorte2.h"
#include "data/records.h"
#include "platform/ui/forms.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar::ui {
class Grid;
class ImageList;
class KeyedTree;
class MonthCalendar;
struct DragSource;
}  // namespace tolvar::ui

namespace tolvar {

class frmBewegungsdaten : public ui::FormOf<frmBewegungsdaten> {
  Q_OBJECT

 public:
  frmBewegungsdaten();

  // Cell colours of the grids: plain, marked row, cell that failed a check.
  static const QColor kWeiss;
  static const QColor kMarkierung;
  static const QColor kRot;

  // --- The window itself ---------------------------------------------------------------------
  ui::KeyedTree* trvKulturen = nullptr;
  ui::ImageList* imlKultur = nullptr;
  QFrame* fraPhasenInfo = nullptr;        // phase mode
  QFrame* fraBearbeitenModus2 = nullptr;  // site mode
  QFrame* fraMaterial = nullptr;          // material mode

  // --- Phase mode ----------------------------------------------------------------------------
  QLabel* lblKultur = nullptr;
  ui::KeyedTree* trvPhasen = nullptr;
  ui::MonthCalendar* movDatum = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbEntfernen = nullptr;
  QPushButton* cmbLoeschen = nullptr;
  QPushButton* cmbMaterial = nullptr;
  QPushButton* cmbStandorte = nullptr;
  QFrame* fraModus2 = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtMenge = nullptr;
  QLineEdit* txtBeginn = nullptr;
  QLineEdit* txtEnde = nullptr;
  QLineEdit* txtTT = nullptr;
  QLineEdit* txtNT = nullptr;
  QLineEdit* txtLicht = nullptr;
  QLineEdit* txtDauer = nullptr;
  ui::Grid* dtgPhase = nullptr;

  // --- Site mode -----------------------------------------------------------------------------
  QLabel* lblPhasenUeberschrift = nullptr;
  ui::KeyedTree* trvPhasen_B = nullptr;
  QLineEdit* txtPhaseName = nullptr;
  QLineEdit* txtBeginn_B = nullptr;
  QLineEdit* txtEnde_B = nullptr;
  QLineEdit* txtTT_B = nullptr;
  QLineEdit* txtNT_B = nullptr;
  QLineEdit* txtLicht_B = nullptr;
  QLineEdit* txtDauer_B = nullptr;
  QPushButton* cmbSpeichernStandort = nullptr;
  QPushButton* cmbLoeschen_B = nullptr;
  QPushButton* cmbAbbruch = nullptr;
  ui::KeyedTree* trvStandort = nullptr;
  ui::ImageList* imlStandorte = nullptr;
  ui::Grid* dtgStandorteModus2 = nullptr;
  ui::MonthCalendar* movStandort = nullptr;

  // --- Material mode -------------------------------------------------------------------------
  QLabel* lblPhasenUeberschriftMaterial = nullptr;
  ui::KeyedTree* trvPhasenMaterial = nullptr;
  QLineEdit* txtNameMaterial = nullptr;
  QLineEdit* txtBeginnMaterial = nullptr;
  QLineEdit* txtEndeMaterial = nullptr;
  QLineEdit* txtTTMaterial = nullptr;
  QLineEdit* txtNTMaterial = nullptr;
  QLineEdit* txtMengeMaterial = nullptr;
  QLineEdit* txtMaterialFlaeche = nullptr;
  QPushButton* cmbSpeichernMaterial = nullptr;
  QPushButton* cmbLoeschenMaterial = nullptr;
  QPushButton* cmbAbbruchMaterial = nullptr;
  ui::KeyedTree* trvMaterial = nullptr;
  ui::ImageList* imlMaterial = nullptr;
  ui::Grid* dtgMaterial = nullptr;
  ui::MonthCalendar* movMaterial = nullptr;

  // Key of the tree node last taken by a left release over a node of a pick tree.
  QString KnotenSchluessel;

  // --- Event handlers, public so tests can raise them as the controls do ---------------------
  // Culture tree and calendar of the phase mode.
  void trvKulturen_Click();
  void trvKulturen_KeyUp(int key, int shift);
  void trvKulturen_MouseUp(int button, int shift, int x, int y);
  void movDatum_DatumGewaehlt(base::Date datum);

  // Phase mode commands.
  void cmbEntfernen_Click();
  void cmbLoeschen_Click();
  void cmbSpeichern_Click();
  void trvPhasen_Click();

  // Phase boxes. KeyPress handlers take the character code (13 Enter, 8 Backspace) and set it
  // to 0 to drop the key.
  void txtName_Change();
  void txtMenge_Change();
  void txtBeginn_Change();
  void txtEnde_Change();
  void txtTT_Change();
  void txtNT_Change();
  void txtLicht_Change();
  void txtDauer_Change();
  void txtName_GotFocus();
  void txtMenge_GotFocus();
  void txtBeginn_GotFocus();
  void txtEnde_GotFocus();
  void txtName_KeyPress(int& KeyAscii);
  void txtMenge_KeyPress(int& KeyAscii);
  void txtBeginn_KeyPress(int& KeyAscii);
  void txtEnde_KeyPress(int& KeyAscii);
  void txtTT_KeyPress(int& KeyAscii);
  void txtNT_KeyPress(int& KeyAscii);
  void txtLicht_KeyPress(int& KeyAscii);
  void txtDauer_KeyPress(int& KeyAscii);
  void txtName_KeyUp(int key, int shift);
  void txtMenge_KeyUp(int key, int shift);
  void txtBeginn_LostFocus();
  void txtEnde_LostFocus();

  // Site mode.
  void cmbStandorte_Click();
  void trvPhasen_B_Click();
  void trvStandort_MouseDown(int button, int shift, int x, int y);
  void trvStandort_MouseMove(int buttons, int shift, int x, int y);
  void trvStandort_MouseUp(int button, int shift, int x, int y);
  void trvStandort_DragOver(const ui::DragSource& source, int x, int y);
  void trvStandort_DragDrop(const ui::DragSource& source, int x, int y);
  void dtgStandorteModus2_DragDrop(const ui::DragSource& source, int x, int y);
  void dtgStandorteModus2_DblClick();
  void dtgStandorteModus2_KeyPress(int KeyAscii);
  void movStandort_DatumGewaehlt(base::Date datum);
  void cmbLoeschen_B_Click();
  void cmbSpeichernStandort_Click();
  void cmbAbbruch_Click();

  // Material mode.
  void cmbMaterial_Click();
  void cmbAbbruchMaterial_Click();
  void cmbLoeschenMaterial_Click();
  void cmbSpeichernMaterial_Click();
  void trvPhasenMaterial_Click();
  void trvMaterial_MouseDown(int button, int shift, int x, int y);
  void trvMaterial_MouseMove(int buttons, int shift, int x, int y);
  void trvMaterial_MouseUp(int button, int shift, int x, int y);
  void trvMaterial_DragOver(const ui::DragSource& source, int x, int y);
  void trvMaterial_DragDrop(const ui::DragSource& source, int x, int y);
  void dtgMaterial_DragDrop(const ui::DragSource& source, int x, int y);
  void dtgMaterial_DblClick();
  void dtgMaterial_KeyPress(int KeyAscii);
  void movMaterial_DatumGewaehlt(base::Date datum);

  // Whether a node of the pick tree of the visible mode lies at (x, y).
  bool KnotenGetroffen(int x, int y) const;

  // Fill the phase trees (and boxes) of the three modes from PhasenListe.
  void KulturphasenAnzeigen();
  void StandortPhasenBaumAnzeigen();
  void MaterialPhasenBaumAnzeigen();
  // The site grid from KulturStandortListe, the material grid from KulturMaterialListe.
  void KulturStandorteTabelleEinrichten();
  void KulturMaterialTabelleAnzeigen();
  // Sequence check of the phase grid; paints the failing cells red and sets EingabeOk.
  void PhasenfolgePruefen();
  // Runs a check or save of the phase saver's rules (`lauf` gets the painter of refused
  // cells and returns false on a refusal): a refused cell turns red in dtgPhase before its
  // message shows, and its box gets the focus when it edits the open phase. When the checked
  // rows lack the grid row `entfernteZeile` (a delete), the rows from it on lie one lower in
  // the grid. Returns what `lauf` returns.
  bool PhasenregelnAnwenden(const std::function<bool(const culture::ZellenMalen&)>& lauf, int entfernteZeile = 0);

  // The phase grid's data rows, for the phase saver and the checks.
  std::vector<mdlKulturPhasenInfo::PhasenZeile> PhasenZeilen() const;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Empties the seven phase boxes of the material mode; shows a phase in them.
  void MaterialboxenLeeren();
  void MaterialphaseZeigen(const PhasenSatz& phase);
  void PhasenrahmenAnlegen();
  void StandortrahmenAnlegen();
  void MaterialrahmenAnlegen();
  void Verbinden();

  // The record at KulturIndex, when it is a culture (neither a group nor the root record).
  const KulturSatz* GewaehlteKultur() const;
  bool KulturGewaehlt() const { return GewaehlteKultur() != nullptr; }
  // KulturIndex := the record of the culture tree's selected node (unchanged when none).
  void KulturIndexSuchen();
  void ModusZeigen(QFrame* rahmen);
  void KulturAuswaehlen(bool perPfeiltaste);

  void PhasenboxenAktivieren(bool an);
  void PhasenboxenLeeren();
  void BoxInGitter(int spalte, const QLineEdit* box);
  void FlaechenInPhasengitter();
  void PhasenDatumsboxTaste(QLineEdit* box, int& KeyAscii);
  void PhasenZahlenboxTaste(int& KeyAscii, QLineEdit* weiter);

  void StandortmodusFuellen(bool perPfeiltaste);
  int StandortZeileAnfuegen(int standortIndex);
  void StandortgitterMarkieren(int zeile);
  std::vector<mdlStandorte2::StandortZeile> StandortZeilen() const;
  void StandortgitterLeeren();

  void MaterialmodusFuellen();
  int MaterialZeileAnfuegen(int materialIndex);
  void MaterialgitterMarkieren(int zeile, int spalten);
  std::vector<mdlKulturMaterial::MaterialZeile> MaterialZeilen() const;
  void MaterialgitterLeeren();

  // Cell a calendar of the site or material mode writes into when a date is chosen.
  int m_kalenderZeile = 0;
  int m_kalenderSpalte = 0;
  // The site and material number of each row of the site and material grid (by grid row),
  // kept out of sight so a save never has to find a record by its displayed name.
  std::vector<std::string> m_standortNummern;
  std::vector<std::string> m_materialNummern;
};

}  // namespace tolvar
