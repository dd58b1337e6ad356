#pragma once
// What the master-data editors share: the help button and F1, and on closing the reload of
// the kind's list and the rebuild of its master-data tree (Stammdatenfenster); the frame of the
// two editors of the sibling program's data (Morvinfenster); the helpers the editors use.

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "masterdata/mdlMorvin5.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"

class QWidget;

namespace tolvar {
struct MaterialSatz;
struct MaterialSpeicherergebnis;
}  // namespace tolvar

namespace tolvar::masterdata::ui {

// The base of every master-data editor: "Hilfe" and F1 show the editor's help topic; closing
// reloads the list of the editor's kind and rebuilds its master-data tree.
class Stammdatenfenster : public tolvar::ui::Form {
 public:
  QPushButton* cmbHilfe = nullptr;

  void cmbHilfe_Click();

 protected:
  // `baum` names the master-data tree (master_tree_rebuild.h), `thema` the help topic.
  Stammdatenfenster(const QString& name, int baum, std::string thema);

  virtual std::string Hilfethema() const;

  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  int m_baum;
  std::string m_thema;
};

// A master-data editor `Fenster`: class frmX : public Stammdateneditor<frmX>.
template <class Fenster>
class Stammdateneditor : public tolvar::ui::FormOf<Fenster, Stammdatenfenster> {
 protected:
  Stammdateneditor(const QString& name, int baum, std::string thema)
      : tolvar::ui::FormOf<Fenster, Stammdatenfenster>(name, baum, std::move(thema)) {}
};

// The entry of the material list at `index`, or nullptr outside it.
const MaterialSatz* MaterialAn(int index);

// After a material save: closes `fenster` on success, otherwise puts the focus on the box
// the save names (none when it names none).
void NachDemSpeichern(tolvar::ui::Form& fenster, const MaterialSpeicherergebnis& ergebnis);

// A barcode box that shows its value only: every key typed or released there is dropped with a
// beep; paste and other edits are refused by the read-only state.
void BarcodeFeldSperren(QLineEdit* box);

// Gives `control` the pointer picture `art` ("Zeiger_", "Hand_") in the colour of the sibling
// program's data (morvin) or of the own data; a missing picture leaves the pointer unchanged.
void MausbildSetzen(QWidget* control, const char* art, bool morvin);

// Puts the next free barcode of `tabelle` into `box`; none leaves the box as it is.
void BarcodeVorschlagen(QLineEdit* box, const char* tabelle);
// Puts the next free number of `tabelle` into `box`; none leaves the box as it is.
void NummerVorschlagen(QLineEdit* box, const char* tabelle);

// The two editors of the sibling program's data (staff, activities): two options choose between
// the record frame and the group frame, a hidden box holds the number, the barcode boxes show
// proposals from the window's table only, and the mode is taken when the window opens and
// kept for its life, so a later dispatch to the open window cannot switch what its save does.
class Morvinfenster : public Stammdatenfenster {
 public:
  QRadioButton* opbGruppe = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLineEdit* txtCode = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QGroupBox* fraGruppe = nullptr;
  QLineEdit* txtGruName = nullptr;
  QLineEdit* txtGruKuerzel = nullptr;
  QLineEdit* txtGruCode = nullptr;
  QCheckBox* chbGruAktuell = nullptr;
  QLineEdit* txtNr = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbrechen = nullptr;

  void opbGruppe_Click();
  void cmbAbbrechen_Click();

  // The mode the window was opened in, "Aendern" after its first successful save.
  const std::string& Modus() const { return m_modus; }

 protected:
  // The texts of the group frame that differ between the editors.
  struct Gruppentexte {
    const char* name;       // label of the name box
    const char* kuerzel;    // label of the short-name box
    const char* barcode;    // hint to the barcode box
    const char* bemerkung;  // object name of the remarks box
  };
  // What the window shows of a stored record or group.
  struct Gespeichert {
    bool gruppe;
    const std::string& nr;
    double barcode;
    const std::string& name;
    const std::string& kuerzel;
    const std::string& bemerkungen;
    bool aktuell;
  };

  // `tabelle`: the table of the labour-time database the barcodes and numbers come from.
  Morvinfenster(const QString& name, int baum, std::string thema, const char* tabelle);

  // The record option `name` and "Neue Gruppe anlegen" side by side; returns the record option.
  QRadioButton* OptionenBauen(QBoxLayout* layout, const char* name, const QString& text);
  // The record frame; the window fills it.
  QGroupBox* SatzrahmenBauen(const char* name, const QString& titel);
  // The group frame below the record frame; returns its remarks box.
  QPlainTextEdit* GruppenrahmenBauen(QBoxLayout* layout, const Gruppentexte& texte);
  // The hidden number box; both barcode boxes take no typing.
  void NummerBauen();
  // The tab order: the record frame's controls `satz` top to bottom, the group frame's, the
  // controls `danach`, the two options and the row of buttons from left to right. The window
  // opens in the name box of the frame it shows.
  void TabfolgeSetzen(std::vector<QWidget*> satz, std::initializer_list<QWidget*> danach = {});
  // "Hilfe" and the two buttons in the order given, in one row.
  void KnopfzeileBauen(QBoxLayout* layout, QPushButton* erster, QPushButton* zweiter);
  // The options and "Abbrechen"; selecting an option from code runs its handler too, as the
  // load step relies on.
  void OptionenVerbinden();

  void SatzoptionGewaehlt();

  // Takes the mode of the opening command; a new record keeps the parent number the menu
  // command sets right after the window is shown.
  void ModusUebernehmen();
  // The record option chosen, its frame shown, the shared boxes empty and both records current.
  void Zuruecksetzen();
  // A new record: its barcode and number proposed, both options offered.
  void NeuVorbereiten();
  // A stored record or group: only its frame, no options, its own barcode and boxes.
  void GespeichertZeigen(const Gespeichert& satz);

  // Stores the entries without closing the window: the shared boxes go into `e` (the window
  // has put its own there), the short-name defaults stay visible, the mode follows the save,
  // and a refusal puts the focus on the box it names.
  template <class Eingabe>
  using Speicherfunktion = masterdata::StammdatenSpeicherergebnis (*)(masterdata::SpeicherKontext&, Eingabe&);
  template <class Eingabe>
  masterdata::StammdatenSpeicherergebnis EingabeSpeichern(Eingabe& e, Speicherfunktion<Eingabe> speichern) {
    e.opbGruppe = opbGruppe->isChecked();
    e.txtNr = tolvar::ui::S(txtNr);
    e.txtName = tolvar::ui::S(txtName);
    e.txtKuerzel = tolvar::ui::S(txtKuerzel);
    e.txtBemerkungen = tolvar::ui::S(txtBemerkungen->toPlainText());
    e.txtCode = tolvar::ui::S(txtCode);
    e.chbAktuell = chbAktuell->isChecked();
    e.txtGruName = tolvar::ui::S(txtGruName);
    e.txtGruKuerzel = tolvar::ui::S(txtGruKuerzel);
    e.txtGruCode = tolvar::ui::S(txtGruCode);
    e.chbGruAktuell = chbGruAktuell->isChecked();
    masterdata::SpeicherKontext kontext = Speicherkontext();
    const masterdata::StammdatenSpeicherergebnis ergebnis = speichern(kontext, e);
    SpeichernAbschliessen(kontext, ergebnis, e.txtKuerzel, e.txtGruKuerzel);
    return ergebnis;
  }

 private:
  // The database, the mode and the parent number a save goes to.
  masterdata::SpeicherKontext Speicherkontext() const;
  // After a save: the short-name defaults `kuerzel` and `gruKuerzel` shown, the mode taken
  // over, and on a refusal the focus on the box it names.
  void SpeichernAbschliessen(const masterdata::SpeicherKontext& kontext,
                             const masterdata::StammdatenSpeicherergebnis& ergebnis, const std::string& kuerzel,
                             const std::string& gruKuerzel);

  const char* m_tabelle;
  QRadioButton* m_opbSatz = nullptr;
  QGroupBox* m_fraSatz = nullptr;
  QPlainTextEdit* m_gruBemerkung = nullptr;
  std::vector<QPushButton*> m_knoepfe;  // the row of buttons, left to right
  std::string m_modus;
  // Parent number of a new record, taken once the opening menu command has set it, so that a
  // right-click on another tree while the window is open cannot move the new record.
  std::optional<std::string> m_ueberPNr;
};

// An editor `Fenster` of the sibling program's data; its cmbSpeichern_Click saves.
template <class Fenster>
class Morvineditor : public tolvar::ui::FormOf<Fenster, Morvinfenster> {
 protected:
  Morvineditor(const QString& name, int baum, std::string thema, const char* tabelle)
      : tolvar::ui::FormOf<Fenster, Morvinfenster>(name, baum, std::move(thema), tabelle) {}

  // The options, "Abbrechen" and "Speichern".
  void Verbinden() {
    this->OptionenVerbinden();
    QObject::connect(this->cmbSpeichern, &QPushButton::clicked, this,
                     [this] { static_cast<Fenster*>(this)->cmbSpeichern_Click(); });
  }
};

}  // namespace tolvar::masterdata::ui
