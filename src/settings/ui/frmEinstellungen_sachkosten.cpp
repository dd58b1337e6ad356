// The settings window's marketing share (tab "Sachkosten"; the activity costs on the same
// tab are the settings::ui::ArbeitMaterialEditor's).
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "data/mdlFehler.h"
#include "data/state.h"
#include "platform/ui/optiongroup.h"
#include "settings/settings_logic.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmEinstellungen_hilfen.h"

namespace tolvar {

using ui::Q;
using ui::S;

namespace {

void AnteilZeigen(frmEinstellungen& f) {
  f.fraUmsatz->setVisible(false);
  f.fraVermarktungsanteil->setVisible(true);
  f.opbVermarktungGruppe->ClearAll();
}

}  // namespace

void frmEinstellungen::VermarktungAnzeigen() {
  txtVermarktung->setText(Q(state().enterprise.AktuelleEinstellungen.Vermarktungskosten));
  AnteilZeigen(*this);
}

void frmEinstellungen::opbVermarktung_Click(int index) {
  if (index == 0) {
    fraUmsatz->setVisible(true);
    fraVermarktungsanteil->setVisible(false);
    txtVermarktungskosten->clear();
    txtUmsatz->clear();
    txtUmsatz->setFocus();
  } else {
    fraUmsatz->setVisible(false);
    fraVermarktungsanteil->setVisible(true);
    txtVermarktung->clear();
    txtVermarktung->setFocus();
  }
}

void frmEinstellungen::cmbUmsatzOK_Click() {
  const settings::Anteilergebnis r = settings::VermarktungsanteilBerechnen(S(txtUmsatz), S(txtVermarktungskosten));
  if (!r.Anteil) {
    (r.Falsch == settings::VermarktungsBox::Umsatz ? txtUmsatz : txtVermarktungskosten)->setFocus();
    return;
  }
  AnteilZeigen(*this);
  txtVermarktung->setText(Q(*r.Anteil));
}

void frmEinstellungen::cmbVermarktungskostenSpeichern_Click() {
  if (!settings::VermarktungskostenSpeichern(S(txtVermarktung))) {
    txtVermarktung->setFocus();
    return;
  }
  opbVermarktungGruppe->ClearAll();
}

void frmEinstellungen::cmbReset_Click() {
  AnteilZeigen(*this);
  txtVermarktung->setText(Q(state().enterprise.AktuelleEinstellungen.Vermarktungskosten));
}

}  // namespace tolvar
