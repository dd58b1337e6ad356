#pragma once
// Culture comparison: two stored comparison cultures side by side (left the culture under
// examination, right the base culture), the left one's deviation on nine bar gauges, the
// margins DKFL and EKFL in a unit of choice, and three information pop-ups per column.

#include <QString>
#include <array>
#include <map>

#include "comparison/comparison_column.h"
#include "comparison/deviation.h"
#include "platform/ui/forms.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tolvar::ui {
class OptionGroup;
}

namespace tolvar {

class frmKulturvergleich : public ui::FormOf<frmKulturvergleich> {
  Q_OBJECT

 public:
  frmKulturvergleich();

  template <class T>
  using Paar = std::array<T*, 2>;

  QFrame* fraBasisKultur = nullptr;
  QFrame* fraBasis = nullptr;
  Paar<QComboBox> comKultur{};
  Paar<QPushButton> cmbOK{};
  Paar<QLineEdit> txtBeginn{}, txtEnde{}, txtMenge{}, txtPreis{}, txtHeizkosten{}, txtMaterialkosten{}, txtSachkosten{},
      txtDKFL{}, txtArbeitskosten{}, txtEKFL{}, txtGemeinkosten{}, txtGewinnPflanze{}, txtGewinnKultur{};
  Paar<QPushButton> cmbSachkostenInfo{}, cmbKulturInfo{};
  std::array<QPushButton*, 4> cmbTQM{};
  Paar<QLabel> DQHeizung{}, DQMaterial{}, DQArbeit{}, DQGemein{};
  std::array<QLabel*, 4> lblProzent{};
  QFrame* fraDKFL = nullptr;
  QFrame* fraEKFL = nullptr;
  ui::OptionGroup* opbDKFL = nullptr;
  ui::OptionGroup* opbEKFL = nullptr;
  QLabel* lblDKFLEinheit = nullptr;
  QLabel* lblEKFLEinheit = nullptr;

  // The nine gauges, top to bottom; segments 1..11 of each ("shpPreis(1)" ...).
  enum class Anzeige { Preis, Heizkosten, Materialkosten, Sachkosten, DKFL, Arbeitskosten, EKFL, Gemeinkosten, Gewinn };
  using Segmente = std::array<QWidget*, comparison::kSegmente + 1>;
  std::map<Anzeige, Segmente> shp;
  // Visibility of the gauge's segments 1..11 (element 0 unused).
  comparison::Balken Sichtbar(Anzeige anzeige) const;

  // Handlers and procedures, public so tests can run them as the controls do.
  void cmbOK_Click(int index);
  void VergleichsdatenZuruecksetzen();
  void VergleichsdatenLaden();
  void DatenQualitaetAnzeigen();
  void BalkenZuruecksetzen();
  void AbweichungenAnzeigen();
  void DKFLBalkenAnzeigen();
  void EKFLBalkenAnzeigen();
  void opbDKFL_Click(int index);
  void opbEKFL_Click(int index);
  void cmbKulturInfo_Click(int index);
  void cmbSachkostenInfo_Click(int index);
  void cmbTQM_Click(int index);

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  void SpalteAufbauen(int i, QFrame* rahmen);
  void BalkenAufbauen();
  void Zeigen(Anzeige anzeige, const comparison::Balken& balken);
  void MargenBalkenAnzeigen(Anzeige anzeige, const Paar<QLineEdit>& boxen);
  // Recomputes both boxes of a margin in the selected unit. False when a conversion per m²
  // and year or per labour hour failed (nothing further was changed then).
  bool MargeUmrechnen(comparison::Marge marge);
  void EinheitGewaehlt(comparison::Marge marge);
};

}  // namespace tolvar
