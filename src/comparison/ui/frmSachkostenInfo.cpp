#include "comparison/ui/frmSachkostenInfo.h"

#include "app/mdlHilfe.h"
#include "comparison/ui/quality_marks.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"

namespace tolvar {

using comparison::ui::Qualitaetszeichen;

frmSachkostenInfo::frmSachkostenInfo() : FormOf(QStringLiteral("frmSachkostenInfo"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Summe sonstige Sachkosten"));
  resize(sys::TwipsToPixels(4950), sys::TwipsToPixels(3405));
  struct Zeile {
    int top;
    int beschriftung;
    const char* text;
    const char* box;
    QLineEdit** feld;
    const char* zeichen;
    QLabel** marke;
    int einheit;
  };
  const Zeile zeilen[] = {
      {.top = 120,
       .beschriftung = 1,
       .text = "elekt. Energie:",
       .box = "txtStrom",
       .feld = &txtStrom,
       .zeichen = "DQStrom",
       .marke = &DQStrom,
       .einheit = 5},
      {.top = 840,
       .beschriftung = 2,
       .text = "Maschinen:",
       .box = "txtMaschinen",
       .feld = &txtMaschinen,
       .zeichen = "DQMaschinen",
       .marke = &DQMaschinen,
       .einheit = 6},
      {.top = 1560,
       .beschriftung = 0,
       .text = "Material[Std]:",
       .box = "txtArbeitMaterial",
       .feld = &txtArbeitMaterial,
       .zeichen = "DQArbeitMaterial",
       .marke = &DQArbeitMaterial,
       .einheit = 8},
      {.top = 2400,
       .beschriftung = 3,
       .text = "Vermarktung:",
       .box = "txtVermarktung",
       .feld = &txtVermarktung,
       .zeichen = "DQVermarktung",
       .marke = &DQVermarktung,
       .einheit = 4},
  };
  for (const Zeile& z : zeilen) {
    lblSachkosten[static_cast<std::size_t>(z.beschriftung)] = ui::MakeLabel(
        this, ui::ControlName(QStringLiteral("lblSachkosten"), z.beschriftung), ui::Q(z.text), 240, z.top, 1500, 285);
    *z.feld = ui::MakeTextBox(this, QString::fromLatin1(z.box), 1800, z.top, 1095, 285, true);
    lblSachkosten[static_cast<std::size_t>(z.einheit)] =
        ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblSachkosten"), z.einheit), QStringLiteral("€/1000Stk."),
                      3000, z.top, 840, 285);
    *z.marke = Qualitaetszeichen(this, QString::fromLatin1(z.zeichen), 3840, z.top - 60, 18, 480);
  }
  cmbBeenden = ui::MakeButton(this, QStringLiteral("cmbBeenden"), QStringLiteral("Schliessen"), 3600, 2880, 1215, 375);
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { cmbBeenden_Click(); });
}

void frmSachkostenInfo::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.3");
}

void frmSachkostenInfo::cmbBeenden_Click() { Unload(); }

}  // namespace tolvar
