#include "masterdata/ui/frmTaetigkeiten.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "data/state.h"
#include "platform/ui/builders.h"
#include "settings/ui/frmArbeitMaterial.h"

namespace tolvar {

using ui::MakeButton;
using ui::MakeMultiLineBox;
using ui::MakeTextBox;
using ui::S;

frmTaetigkeiten::frmTaetigkeiten()
    : Morvineditor(QStringLiteral("frmTaetigkeiten"), masterdata::ui::Taetigkeiten, "5.5", "StdTaetigkeiten") {
  setCaption(QStringLiteral("Tätigkeiten"));
  auto* layout = new QVBoxLayout(this);
  opbTaetigkeit = OptionenBauen(layout, "opbTaetigkeit", QStringLiteral("Neue Tätigkeit eingeben"));

  fraTaetigkeit = SatzrahmenBauen("fraTaetigkeit", QStringLiteral("Tätigkeitsdaten"));
  auto* t = new QFormLayout(fraTaetigkeit);
  txtName = MakeTextBox(fraTaetigkeit, QStringLiteral("txtName"), 200);
  txtKuerzel = MakeTextBox(fraTaetigkeit, QStringLiteral("txtKuerzel"), 10);
  txtCode = MakeTextBox(fraTaetigkeit, QStringLiteral("txtCode"), 6);
  txtBemerkungen = MakeMultiLineBox(fraTaetigkeit, QStringLiteral("txtBemerkungen"));
  chbAktuell = ui::MakeCheckBox(fraTaetigkeit, QStringLiteral("chbAktuell"), QStringLiteral("Aktueller Datensatz"));
  // Outside the frames: a changed group offers it too.
  cmbArbeitMaterial = MakeButton(this, QStringLiteral("cmbArbeitMaterial"), QStringLiteral("Materialkosten zuweisen"));
  t->addRow(QStringLiteral("Tätigkeitsname:"), txtName);
  ui::AddFormRow(t, QStringLiteral("Tätigkeitskürzel:  "), txtKuerzel, QStringLiteral("(max. 10 Zeichen)"));
  ui::AddFormRow(t, QStringLiteral("Barcode:"), txtCode, QStringLiteral("(4******)"));
  t->addRow(QStringLiteral("Bemerkungen:"), txtBemerkungen);
  t->addRow(chbAktuell);
  layout->addWidget(fraTaetigkeit);

  txtGruBemerkungen = GruppenrahmenBauen(layout, {.name = "Tätigkeitsname:",
                                                  .kuerzel = "Tätigkeitskürzel:  ",
                                                  .barcode = "(4******)",
                                                  .bemerkung = "txtGruBemerkungen"});
  layout->addWidget(cmbArbeitMaterial);
  NummerBauen();

  cmbAbbrechen = MakeButton(this, QStringLiteral("cmbAbbrechen"), QStringLiteral("Abbrechen"));
  cmbSpeichern = MakeButton(this, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"));
  KnopfzeileBauen(layout, cmbAbbrechen, cmbSpeichern);

  TabfolgeSetzen({txtName, txtKuerzel, txtCode, txtBemerkungen, chbAktuell}, {cmbArbeitMaterial});
  Verbinden();
  connect(cmbArbeitMaterial, &QPushButton::clicked, this, [this] { cmbArbeitMaterial_Click(); });
}

void frmTaetigkeiten::Form_Load() {
  ModusUebernehmen();
  masterdata::ui::MausbildSetzen(this, "Zeiger_", true);
  masterdata::ui::MausbildSetzen(chbAktuell, "Hand_", true);
  masterdata::ui::MausbildSetzen(cmbArbeitMaterial, "Zeiger_", false);
  cmbArbeitMaterial->hide();
  Zuruecksetzen();

  if (Modus() == "Neu") {
    NeuVorbereiten();
  } else if (Modus() == "Aendern") {
    cmbArbeitMaterial->show();
    const tolvar::State& s = state();
    const StdTaetigkeitSatz* gewaehlt = At(s.masters.StdTaetigkeitListe, s.selection.StdTaetigkeitIndex);
    if (gewaehlt == nullptr) return;
    const StdTaetigkeitSatz& satz = *gewaehlt;
    GespeichertZeigen({.gruppe = satz.Gliederungspunkt,
                       .nr = satz.StdTaetigkeitNr,
                       .barcode = satz.Barcode,
                       .name = satz.Taetigkeit,
                       .kuerzel = satz.Kuerzel,
                       .bemerkungen = satz.Bemerkungen,
                       .aktuell = satz.Aktuell});
  }
}

void frmTaetigkeiten::cmbSpeichern_Click() {
  masterdata::TaetigkeitEingabe e;
  e.opbTaetigkeit = opbTaetigkeit->isChecked();
  e.txtGruBemerkungen = S(txtGruBemerkungen->toPlainText());
  if (EingabeSpeichern(e, &masterdata::TaetigkeitSpeichern).abgelehnt()) return;
  Unload();
}

void frmTaetigkeiten::cmbArbeitMaterial_Click() { frmArbeitMaterial::instanz().Show(); }

}  // namespace tolvar
