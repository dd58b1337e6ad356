#pragma once
// The built-in calculation workbook: three sheets ("Lohnkosten", "Gemeinkosten",
// "Maschinenkosten") that work out a wage per hour, the yearly overheads and a machine's
// price per unit. A run shows only the sheet it was started for; "Übernehmen" leaves that
// sheet's result in its result file, as the calculators' contract wants, and closes the
// window; "Abbrechen" closes it without a result.

#include <QString>
#include <array>
#include <vector>

#include "platform/ui/forms.h"
#include "settings/mdlExcel.h"

class QLineEdit;
class QPushButton;

namespace tolvar::ui {
class TabStrip;
}

namespace tolvar {

class frmTabellenrechner : public ui::FormOf<frmTabellenrechner> {
  Q_OBJECT

 public:
  frmTabellenrechner();

  ui::TabStrip* regBlatt = nullptr;
  // Sheet "Lohnkosten".
  QLineEdit* txtBruttolohn = nullptr;         // € per month
  QLineEdit* txtArbeitgeberanteil = nullptr;  // % on top of the wage
  QLineEdit* txtSonderzahlungen = nullptr;    // € per year
  QLineEdit* txtStunden = nullptr;            // productive hours per year
  QLineEdit* txtLohnErgebnis = nullptr;
  // Sheet "Gemeinkosten": yearly cost items and their sum.
  std::array<QLineEdit*, 8> txtPosten{};
  QLineEdit* txtGemeinkostenErgebnis = nullptr;
  // Sheet "Maschinenkosten".
  QLineEdit* txtAnschaffung = nullptr;
  QLineEdit* txtRestwert = nullptr;
  QLineEdit* txtNutzungsdauer = nullptr;  // years
  QLineEdit* txtZinssatz = nullptr;       // % per year
  QLineEdit* txtReparaturen = nullptr;    // € per year
  QLineEdit* txtAuslastung = nullptr;     // units per year
  QLineEdit* txtMaschinenErgebnis = nullptr;
  QPushButton* cmbUebernehmen = nullptr;
  QPushButton* cmbAbbrechen = nullptr;

  // Shows sheet `rechner` alone: the run started for it takes no other sheet's result.
  void BlattAktivieren(mdlExcel::Rechner rechner);
  mdlExcel::Rechner AktivesBlatt() const { return m_blatt; }
  // The active sheet's result as number text ("0.00"), empty while it cannot be worked out.
  QString Ergebnis() const;

  void cmbUebernehmen_Click();
  void cmbAbbrechen_Click();

 Q_SIGNALS:
  // The window is being unloaded: a waiting calculator run goes on.
  void Geschlossen();

 protected:
  void Form_Unload(bool& cancel) override;

 private:
  // A box of a sheet, in the sheet's tab order: whether the result needs it filled, and
  // whether it needs a number above 0 (hours, years, units it is divided by).
  struct Feld {
    QLineEdit* box;
    bool noetig;
    bool positiv;
  };
  std::vector<Feld> Felder(mdlExcel::Rechner blatt) const;
  void Rechnen();

  mdlExcel::Rechner m_blatt = mdlExcel::Rechner::Lohnkosten;
};

}  // namespace tolvar
