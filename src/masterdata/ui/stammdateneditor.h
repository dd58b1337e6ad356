#pragma once
// Common frame of the master-data editors until they are built out: the help button, F1, and
// on closing the reload of the kind's list and the rebuild of its master-data tree.

#include <QPushButton>
#include <QString>

#include <string>

#include "app/mdlHilfe.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/ui/forms.h"

namespace tolvar::masterdata_ui {

template <class Fenster>
class Stammdateneditor : public ui::FormOf<Fenster> {
 public:
  QPushButton* cmbHilfe = nullptr;

  void cmbHilfe_Click() { mdlHilfe::HilfeAufrufen(Hilfethema()); }

 protected:
  Stammdateneditor(const QString& name, int baum, std::string thema)
      : ui::FormOf<Fenster>(name, ui::FormKind::Window), m_baum(baum), m_thema(std::move(thema)) {
    this->setCaption(name);
    cmbHilfe = new QPushButton(QStringLiteral("Hilfe"), this);
    cmbHilfe->setObjectName(QStringLiteral("cmbHilfe"));
    QObject::connect(cmbHilfe, &QPushButton::clicked, this, [this] { cmbHilfe_Click(); });
  }

  virtual std::string Hilfethema() const { return m_thema; }

  void Form_Unload(bool& /*cancel*/) override { ReloadAndRebuildMasterTree(m_baum); }
  void Form_KeyDown(int key, int /*shift*/) override {
    if (key == Qt::Key_F1) cmbHilfe_Click();
  }

 private:
  int m_baum;
  std::string m_thema;
};

}  // namespace tolvar::masterdata_ui

// Helpers of the master-data editors.
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tolvar {
struct MaterialSatz;
struct Speicherergebnis;
}  // namespace tolvar

namespace tolvar::masterdata_ui {

// The entry of the material list at `index`, or nullptr outside it.
const MaterialSatz* MaterialAn(int index);

// After a material save: closes `fenster` on success, otherwise puts the focus on the box
// the save names (none when it names none).
void NachDemSpeichern(ui::Form& fenster, const Speicherergebnis& ergebnis);

// A barcode box that shows its value only: every key typed or released there is dropped with a
// beep; paste and other edits are refused by the read-only state.
void BarcodeFeldSperren(QLineEdit* box);

// Gives `control` the pointer picture `art` ("Zeiger_", "Hand_") in the colour of the sibling
// program's data (morvin) or of the own data; a missing picture leaves the pointer unchanged.
void MausbildSetzen(QWidget* control, const char* art, bool morvin);

// A named text box below `parent`; `laenge` > 0 limits the characters.
QLineEdit* Textfeld(QWidget* parent, const char* name, int laenge = 0);

// A named multi-line box below `parent`.
QPlainTextEdit* Mehrzeilig(QWidget* parent, const char* name);

// The box with its hint text to its right ("(max. 10 Zeichen)"), as one row of a form.
QWidget* MitHinweis(QWidget* box, const QString& hinweis);

// A box and the label to its right (unit or hint) side by side, as one row of a form.
QHBoxLayout* Nebeneinander(QWidget* box, QWidget* rechts);

// A named button below `parent`, placed by the window's layout.
QPushButton* Knopf(QWidget* parent, const char* name, const QString& text);

// A label named as element `index` of control array `feld`.
QLabel* Beschriftung(QWidget* parent, const char* feld, int index, const QString& text);

}  // namespace tolvar::masterdata_ui
