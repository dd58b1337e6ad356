#pragma once
// Common part of the material editors (groups, general materials, pots, substrates): the
// boxes every material has (name, short name, current flag, barcode, remarks), "Speichern"
// and "Abbrechen", and the reading, showing and finishing of a save. Each editor adds its own
// boxes and lays all of them out.

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <initializer_list>
#include <string>

#include "data/records_material.h"
#include "data/state.h"
#include "masterdata/ui/master_editor.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"

namespace tolvar::masterdata::ui {

template <class Fenster>
class Materialeditor : public Stammdateneditor<Fenster> {
 public:
  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QLineEdit* txtCode = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbruch = nullptr;

  void cmbAbbruch_Click() { this->Unload(); }

  // The record the save changes, or the group a new one goes into; fixed when the window opens.
  const MaterialKontext& Kontext() const { return m_kontext; }

 protected:
  // `indexBehalten`: closing keeps MaterialIndex, by which the combination editor that opened
  // this one finds its combination again.
  Materialeditor(const QString& name, std::string thema, bool indexBehalten = false)
      : Stammdateneditor<Fenster>(name, Materialien, std::move(thema)), m_indexBehalten(indexBehalten) {
    txtName = tolvar::ui::MakeTextBox(this, QStringLiteral("txtName"));
    txtKuerzel = tolvar::ui::MakeTextBox(this, QStringLiteral("txtKuerzel"), 10);
    chbAktuell = tolvar::ui::MakeCheckBox(this, QStringLiteral("chbAktuell"), QStringLiteral("Aktueller Datensatz"));
    txtCode = tolvar::ui::MakeTextBox(this, QStringLiteral("txtCode"));
    txtBemerkungen = tolvar::ui::MakeMultiLineBox(this, QStringLiteral("txtBemerkungen"));
    cmbSpeichern = tolvar::ui::MakeButton(this, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"));
    cmbAbbruch = tolvar::ui::MakeButton(this, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbrechen"));
    // A typed barcode could take another material's or a group's number: shown only.
    BarcodeFeldSperren(txtCode);
    QObject::connect(cmbSpeichern, &QPushButton::clicked, this,
                     [this] { static_cast<Fenster*>(this)->cmbSpeichern_Click(); });
    QObject::connect(cmbAbbruch, &QPushButton::clicked, this, [this] { cmbAbbruch_Click(); });
  }

  // The rows of the common boxes with their named labels, as the pot and substrate editors
  // show them.
  void KopfzeilenAnfuegen(QFormLayout* form) {
    form->addRow(tolvar::ui::MakeLabel(this, tolvar::ui::ControlName(QStringLiteral("lblTopf"), 0),
                                       QStringLiteral("Bezeichnung:")),
                 txtName);
    form->addRow(
        tolvar::ui::MakeLabel(this, tolvar::ui::ControlName(QStringLiteral("lblTopf"), 1), QStringLiteral("Kürzel:")),
        tolvar::ui::SideBySide(txtKuerzel,
                               tolvar::ui::MakeLabel(this, tolvar::ui::ControlName(QStringLiteral("lblAnmerkung"), 0),
                                                     QStringLiteral("(max. 10 Zeichen)"))));
    form->addRow(chbAktuell);
    form->addRow(
        tolvar::ui::MakeLabel(this, tolvar::ui::ControlName(QStringLiteral("lblTopf"), 2), QStringLiteral("Barcode:")),
        tolvar::ui::SideBySide(txtCode,
                               tolvar::ui::MakeLabel(this, tolvar::ui::ControlName(QStringLiteral("lblAnmerkung"), 1),
                                                     QStringLiteral("(6******)"))));
    form->addRow(tolvar::ui::MakeLabel(this, tolvar::ui::ControlName(QStringLiteral("lblTopf"), 3),
                                       QStringLiteral("Bemerkungen:")),
                 txtBemerkungen);
  }

  // The arrow pointer on the window, the hand on the current flag and on `haende`.
  void MauszeigerSetzen(std::initializer_list<QWidget*> haende = {}) {
    MausbildSetzen(this, "Zeiger_", false);
    MausbildSetzen(chbAktuell, "Hand_", false);
    for (QWidget* control : haende) MausbildSetzen(control, "Hand_", false);
  }

  template <class Eingaben>
  void KopfLesen(Eingaben& e) const {
    e.txtName = tolvar::ui::S(txtName);
    e.txtKuerzel = tolvar::ui::S(txtKuerzel);
    e.txtCode = tolvar::ui::S(txtCode);
    e.txtBemerkungen = tolvar::ui::S(txtBemerkungen->toPlainText());
    e.chbAktuell = chbAktuell->isChecked();
  }

  template <class Eingaben>
  void KopfZeigen(const Eingaben& e) {
    txtName->setText(tolvar::ui::Q(e.txtName));
    txtKuerzel->setText(tolvar::ui::Q(e.txtKuerzel));
    txtCode->setText(tolvar::ui::Q(e.txtCode));
    txtBemerkungen->setPlainText(tolvar::ui::Q(e.txtBemerkungen));
    chbAktuell->setChecked(e.chbAktuell);
  }

  // Shows the short name the save filled in (also after a refusal), then closes the window on
  // success or puts the focus on the box the save names.
  template <class Eingaben>
  void SpeichernAbschliessen(const Eingaben& e, const MaterialSpeicherergebnis& ergebnis) {
    txtKuerzel->setText(tolvar::ui::Q(e.txtKuerzel));
    NachDemSpeichern(*this, ergebnis);
  }

  void Form_Unload(bool& cancel) override {
    const int index = state().selection.MaterialIndex;
    Stammdateneditor<Fenster>::Form_Unload(cancel);
    if (m_indexBehalten) state().selection.MaterialIndex = index;
  }

  MaterialKontext m_kontext;

 private:
  bool m_indexBehalten;
};

}  // namespace tolvar::masterdata::ui
