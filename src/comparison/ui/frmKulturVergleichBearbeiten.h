#pragma once
// Comparison-culture editor: the stored comparison cultures of the result database in a tree,
// shown, changed, entered by hand and deleted with their quality grades, and copied between
// the own result database and another one by dragging tree nodes onto a list.

#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "comparison/comparison_cultures.h"
#include "platform/ui/forms.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tolvar::ui {
class Grid;
class ImageList;
class KeyedTree;
class OptionGroup;
struct DragSource;
}  // namespace tolvar::ui

namespace tolvar {

class frmKulturVergleichBearbeiten : public ui::FormOf<frmKulturVergleichBearbeiten> {
  Q_OBJECT

 public:
  frmKulturVergleichBearbeiten();

  static constexpr int K = static_cast<int>(kKostenarten.size());

  ui::OptionGroup* opbKultur = nullptr;
  ui::KeyedTree* trvKulturvergleich = nullptr;
  ui::ImageList* imlKulturvergleich = nullptr;
  QFrame* fraBearbeiten = nullptr;
  QFrame* fraDatenqualitaet = nullptr;
  QFrame* fraImport = nullptr;
  QFrame* fraExport = nullptr;

  QLineEdit* txtKultur = nullptr;
  QCheckBox* chbImport = nullptr;
  QLineEdit *txtBeginn = nullptr, *txtEnde = nullptr, *txtTQM = nullptr, *txtAkh = nullptr, *txtMenge = nullptr,
            *txtPreis = nullptr;
  QLineEdit *txtHeizkosten = nullptr, *txtMaterialkosten = nullptr, *txtEnergiekosten = nullptr,
            *txtMaschinenkosten = nullptr, *txtArbeitMaterialkosten = nullptr, *txtVermarktungskosten = nullptr,
            *txtArbeitskosten = nullptr, *txtGemeinkosten = nullptr;
  QPlainTextEdit* txtBemerkung = nullptr;
  QPushButton *cmbLoeschen = nullptr, *cmbAbbruch = nullptr, *cmbSpeichern = nullptr;
  // The cost boxes and their marks by KostenIndex: heating, material, energy, machines,
  // activity material, marketing, labour, overheads.
  std::array<QLineEdit*, K> Kostenfelder{};
  std::array<QLabel*, K> Zeichen{};  // DQHeizung, DQMaterial, DQEnergie, ...

  QLabel* lblHerkunft = nullptr;
  QLineEdit* txtImport = nullptr;
  ui::Grid* dtgImport = nullptr;
  QPushButton *cmbAuswahlImport = nullptr, *cmbBeendenImport = nullptr;
  QLabel* lblZiel = nullptr;
  QLineEdit* txtExport = nullptr;
  ui::Grid* dtgExport = nullptr;
  QPushButton *cmbAuswahlExport = nullptr, *cmbBeendenExport = nullptr;

  // Window state.
  std::string AktuelleDatenbank;
  std::string AuswahlSchluessel;
  std::string AuswahlText;
  // Grades QualitaetHeizung ... QualitaetGemeinkosten, in the order of the cost boxes.
  std::array<int, K> Qualitaet{3, 3, 3, 3, 3, 3, 3, 3};
  std::string Uebertragungsrichtung;

  // Procedures and handlers, public so tests can run them as the controls do.
  void trvKulturVergleichBesetzen();
  void AuswahlEintragen();
  void DatenQualitaet();
  void TextFelderLeeren();
  void VergleichskulturSpeichern();
  void VergleichskulturLoeschen();
  void opbKultur_Click(int index);
  void trvKulturvergleich_NodeClick(const QString& key);
  void cmbSpeichern_Click();
  void cmbLoeschen_Click();
  void cmbAbbruch_Click();
  // Key filter of cost box `feld` (0..7); `keyAscii` becomes 0 when the key is not typed.
  void Kosten_KeyPress(int feld, int& keyAscii);

  void ImportDatenbankPruefen(const std::string& pfad);
  void ImportExportFehler();
  void trvKulturvergleich_MouseDown(int button, int shift, int x, int y);
  void trvKulturvergleich_MouseMove(int buttons, int shift, int x, int y);
  void trvKulturvergleich_DragDrop(const ui::DragSource& source, int x, int y);
  void dtgImport_DragDrop(const ui::DragSource& source, int x, int y);
  void dtgExport_DragDrop(const ui::DragSource& source, int x, int y);
  void cmbAuswahlImport_Click();
  void cmbAuswahlExport_Click();
  // False when a file failed (the message names it) and nothing was copied.
  bool DatensaetzeUebertragen();
  void cmbBeendenImport_Click();
  void cmbBeendenExport_Click();

  // The database that passed the check in the import or the export mode ("" when none).
  const std::string& GepruefteDatenbank(bool import) const { return import ? m_importPfad : m_exportPfad; }

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BearbeitenAufbauen();
  void UebertragungAufbauen();
  void ModusBearbeiten();
  void ModusNeu();
  void ModusUebertragen(bool import);
  void Auflisten(ui::Grid* liste, const std::string& quelle, const ui::DragSource& source);
  void Uebertragen(bool import);
  void BeendenUebertragen(bool import);
  static std::string EigeneDatenbank();
  // Names the box of the column `spalte` its rule refused, with its text, and focuses it.
  void VerweigerungMelden(std::string_view spalte);
  // Forgets the selected culture (key, text and the tree's node).
  void AuswahlLeeren();
  // Remembers the database of the tree whose node set the selection.
  void AuswahlMerken() { m_auswahlDatenbank = AktuelleDatenbank; }
  // Forgets the selection when it came from another database than AktuelleDatenbank: a
  // culture of another result database never stands for the own culture with its name and
  // number.
  void FremdeAuswahlLeeren();

  std::string m_auswahlDatenbank;
  std::string m_importPfad;
  std::string m_exportPfad;
  bool m_druckAufKnoten = false;
};

}  // namespace tolvar
