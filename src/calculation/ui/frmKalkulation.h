#pragma once
// Calculation window: choose a culture in the tree, type the price, decide the origin of each
// cost type, run the calculation, open the origin menus and detail windows and
// store the result as a comparison culture. All computation lives in mdlKalkulation; the
// window copies its controls into a KalkulationsFenster, calls the logic and copies back.

#include <QString>
#include <array>
#include <string>

#include "calculation/mdlKalkulation.h"
#include "data/cost_types.h"
#include "data/records_calculation.h"
#include "platform/ui/forms.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar::ui {
class KeyedTree;
class ImageList;
}  // namespace tolvar::ui

namespace tolvar {

class frmKalkulation : public ui::FormOf<frmKalkulation> {
  Q_OBJECT

 public:
  frmKalkulation();

  // Culture tree and its pictures ("open", "closed").
  ui::KeyedTree* trvKulturen = nullptr;
  ui::ImageList* imlKulturenSatz = nullptr;
  QFrame* fraKalkulation = nullptr;

  QPushButton* cmbStart = nullptr;
  QPushButton* cmbErgebnisSpeichern = nullptr;

  // Culture and inputs.
  QLabel* lblName = nullptr;
  QLineEdit* txtName = nullptr;
  QLabel* lblAnfang = nullptr;
  QLineEdit* txtAnfang = nullptr;
  QLabel* lblEnde = nullptr;
  QLineEdit* txtEnde = nullptr;
  QLabel* lblMenge = nullptr;
  QLineEdit* txtMenge = nullptr;
  QLabel* lblEinheit = nullptr;
  QLabel* lblPreis = nullptr;
  QLineEdit* txtPreis = nullptr;

  // Market output, revenue, material cost.
  QLabel* lblMarkt = nullptr;
  QLineEdit* txtMarktleistung = nullptr;
  QLabel* lblErloes1000 = nullptr;
  QLineEdit* txtErloes1000 = nullptr;
  QLabel* lblSachkosten = nullptr;
  QLineEdit* txtSachkosten = nullptr;

  // Margins.
  std::array<QLabel*, 2> lblDB{};  // element 1 used
  QLineEdit* txtDB = nullptr;
  QLineEdit* txtDBJQM = nullptr;
  QLineEdit* txtDBAkh = nullptr;
  QLabel* lblEKFL = nullptr;
  QLineEdit* txtEKFL = nullptr;
  QLineEdit* txtEKFLJQM = nullptr;
  QLineEdit* txtEKFLAkh = nullptr;
  std::array<QLabel*, 2> lblGewinn{};
  std::array<QLineEdit*, 3> txtGewinn{};  // 1: per 1000 plants, 2: whole culture
  std::array<QLabel*, 16> lblEuroEinheit{};
  std::array<QLabel*, 3> lblEuro{};
  QLabel* lblEuroGesamt = nullptr;

  // The cost lines by KostenIndex: cost button, "[Menü]" button, value box, named as the
  // cost type table says.
  JeKostenart<QPushButton*> Kostenknoepfe{};
  JeKostenart<QPushButton*> Menueknoepfe{};
  JeKostenart<QLineEdit*> Wertfelder{};

  QPushButton* Kostenknopf(Kostenart art) const { return Kostenknoepfe[KostenIndex(art)]; }
  QPushButton* Menueknopf(Kostenart art) const { return Menueknoepfe[KostenIndex(art)]; }
  QLineEdit* Wertfeld(Kostenart art) const { return Wertfelder[KostenIndex(art)]; }

  // The cost lines' controls by name, for code and tests about one type; code over all indexes.
  QPushButton* cmbHeizkosten() const { return Kostenknopf(Kostenart::Heizung); }
  QPushButton* cmbMaterialkosten() const { return Kostenknopf(Kostenart::Material); }
  QPushButton* cmbEnergiekosten() const { return Kostenknopf(Kostenart::Energie); }
  QPushButton* cmbMaschinenkosten() const { return Kostenknopf(Kostenart::Maschinen); }
  QPushButton* cmbPSMKosten() const { return Kostenknopf(Kostenart::PSM); }
  QPushButton* cmbVermarktungskosten() const { return Kostenknopf(Kostenart::Vermarktung); }
  QPushButton* cmbArbeitskosten() const { return Kostenknopf(Kostenart::Arbeit); }
  QPushButton* cmbGemeinkosten() const { return Kostenknopf(Kostenart::Gemeinkosten); }
  QPushButton* cmbHeizkostenMenu() const { return Menueknopf(Kostenart::Heizung); }
  QPushButton* cmbMaterialkostenMenu() const { return Menueknopf(Kostenart::Material); }
  QPushButton* cmbEnergiekostenMenu() const { return Menueknopf(Kostenart::Energie); }
  QPushButton* cmbMaschinenkostenMenu() const { return Menueknopf(Kostenart::Maschinen); }
  QPushButton* cmbPSMKostenMenu() const { return Menueknopf(Kostenart::PSM); }
  QPushButton* cmbVermarktungskostenMenu() const { return Menueknopf(Kostenart::Vermarktung); }
  QPushButton* cmbArbeitskostenMenu() const { return Menueknopf(Kostenart::Arbeit); }
  QPushButton* cmbGemeinkostenMenu() const { return Menueknopf(Kostenart::Gemeinkosten); }
  QLineEdit* txtHeizung() const { return Wertfeld(Kostenart::Heizung); }
  QLineEdit* txtMaterial() const { return Wertfeld(Kostenart::Material); }
  QLineEdit* txtEnergie() const { return Wertfeld(Kostenart::Energie); }
  QLineEdit* txtMaschinen() const { return Wertfeld(Kostenart::Maschinen); }
  QLineEdit* txtPSM() const { return Wertfeld(Kostenart::PSM); }
  QLineEdit* txtVermarktung() const { return Wertfeld(Kostenart::Vermarktung); }
  QLineEdit* txtArbeit() const { return Wertfeld(Kostenart::Arbeit); }
  QLineEdit* txtGemein() const { return Wertfeld(Kostenart::Gemeinkosten); }

  // The box texts, captions and enabled states as the calculation logic reads them, and back.
  KalkulationsFenster Inhalt() const;
  void InhaltSetzen(const KalkulationsFenster& fenster);

  // Runs the calculation on the window (hourglass meanwhile); false when nothing was calculated.
  // A refused box gets the focus.
  bool Kalkulieren(mdlKalkulation::Eingaben eingaben = mdlKalkulation::Eingaben::Melden);
  // The run after a value was taken over into a line: boxes the rules refuse are reported
  // once, then left out as leaving a box does, so every margin that needs them is emptied
  // instead of keeping the figures of the values before.
  bool UebernahmeKalkulieren();
  // Rewrites the cost buttons' captions from the origin flags.
  void BeschriftungSetzen();
  // Points KulturIndex at the culture chosen last in the tree (it survives tree rebuilds,
  // which move KulturIndex) and selects its node; false when no culture is chosen.
  bool KulturZurueckholen();

  // Handlers.
  void trvKulturen_Click();
  void trvKulturen_KeyUp(int key);
  void cmbStart_Click();
  void cmbErgebnisSpeichern_Click();
  void Wertfeld_LostFocus(Kostenart art);
  // Key filter of a value box; false when the key is dropped or handled here.
  bool Wertfeld_KeyPress(Kostenart art, int key, const QString& text);
  // Any change the user makes to a value box (typing, a paste, a drop, Delete): the value is
  // typed by hand from now on.
  void Wertfeld_Bearbeitet(Kostenart art);
  void Kostenknopf_Click(Kostenart art);
  void Menueknopf_Click(Kostenart art);

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Aufbauen();
  // Kalkulieren; with `verweigerteAuslassen` a run refused for its boxes is followed by one
  // that leaves them out.
  bool Rechnen(mdlKalkulation::Eingaben eingaben, bool verweigerteAuslassen);
  // Gives the focus to the box named `feld` (a refused box); nothing for an empty name.
  void FeldFokussieren(const std::string& feld);
  void VermarktungInfoZeigen();
  void GemeinkostenInfoZeigen();
};

}  // namespace tolvar
