// Culture data window: opening, activation, help, the culture tree and its pop-up menus.
#include "culture/ui/frmBewegungsdaten.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/mdiTolvarZentral.h"
#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "culture/mdlKulturMaterial.h"
#include "culture/mdlStandorte2.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlTopfSubstrate.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

void frmBewegungsdaten::Form_Load() {
  Frame()->move(0, 0);
  mdlMauszeiger::MauszeigerSetzen(*this);
  movDatum->SetValue(base::Today());
  cmbEntfernen->setText(QStringLiteral("Neue Kulturphase"));
  ModusZeigen(fraPhasenInfo);
}

// Every activation returns to the phase mode with no culture chosen: the tree rebuild
// leaves KulturIndex past the list.
void frmBewegungsdaten::Form_Activate() {
  if (state().enterprise.ModusErfassung) {
    mdlDatenLaden::KulturenLaden();
    mdlFormen::AktuelleKulturenAnzeigen(*this);
  }
  mdlKulturPhasenInfo::KulturPhasenLaden();
  KulturphasenAnzeigen();
  cmbEntfernen->setText(QStringLiteral("Neue Kulturphase"));
  ModusZeigen(fraPhasenInfo);
}

void frmBewegungsdaten::Form_KeyDown(int key, int /*shift*/) {
  if (key != Qt::Key_F1) return;
  std::string& thema = state().windows.HilfeThema;
  if (fraPhasenInfo->isVisibleTo(this)) thema = "6.1.1";
  if (fraBearbeitenModus2->isVisibleTo(this)) thema = "6.1.2";
  if (fraMaterial->isVisibleTo(this)) thema = "6.1.3";
  mdlHilfe::HilfeAufrufen(thema);
}

void frmBewegungsdaten::ModusZeigen(QFrame* rahmen) {
  for (QFrame* f : {fraPhasenInfo, fraBearbeitenModus2, fraMaterial}) f->setVisible(f == rahmen);
}

const KulturSatz* frmBewegungsdaten::GewaehlteKultur() const {
  const tolvar::State& s = state();
  const KulturSatz* k = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (k == nullptr || k->Gliederungspunkt || k->KulturNr == "K1000") return nullptr;
  return k;
}

void frmBewegungsdaten::KulturIndexSuchen() {
  tolvar::State& s = state();
  const std::string key = ui::S(trvKulturen->SelectedItem());
  if (key.empty()) return;
  for (int i = 0; i < static_cast<int>(s.masters.KulturListe.size()); ++i) {
    if (s.masters.KulturListe[static_cast<std::size_t>(i)].KulturNr == key) {
      s.selection.KulturIndex = i;
      return;
    }
  }
}

void frmBewegungsdaten::trvKulturen_Click() { KulturAuswaehlen(false); }

void frmBewegungsdaten::trvKulturen_KeyUp(int key, int /*shift*/) {
  if (key != Qt::Key_Left && key != Qt::Key_Up && key != Qt::Key_Right && key != Qt::Key_Down) return;
  KulturAuswaehlen(true);
}

// Choosing a culture in the tree refreshes the visible mode for it. The phase grid and tree
// always follow the chosen culture (the site and material saves store the phase grid), and a
// group or the root record leaves nothing of the culture before in the grids that a save of
// this window could store under the group's number.
void frmBewegungsdaten::KulturAuswaehlen(bool perPfeiltaste) {
  PhasenboxenAktivieren(false);
  KulturIndexSuchen();
  if (perPfeiltaste && !KulturGewaehlt()) return;
  mdlKulturPhasenInfo::KulturPhasenLaden();
  const KulturSatz* kultur = GewaehlteKultur();
  const QString name = kultur == nullptr || kultur->Kulturname == "0" ? QString() : ui::Q(kultur->Kulturname);

  if (fraPhasenInfo->isVisibleTo(this)) {
    if (!perPfeiltaste) {
      trvPhasen->Clear();
      dtgPhase->Clear();
      PhasenboxenLeeren();
    }
    if (kultur == nullptr) {
      lblKultur->clear();
      return;
    }
    lblKultur->setText(name);
    mdlStandorte2::KulturStandorteLaden();
    KulturphasenAnzeigen();
    movDatum->SetMinDate(kultur->Arbeitsbeginn);
    movDatum->SetValue(kultur->Arbeitsbeginn);
  } else {
    // The phase mode's view is refreshed for the culture shown in the other modes.
    if (kultur != nullptr) {
      KulturphasenAnzeigen();
    } else {
      trvPhasen->Clear();
      dtgPhase->Clear();
    }
  }

  if (state().culture.AnzahlPhasen > 0) {
    for (QWidget* w : {static_cast<QWidget*>(trvStandort), static_cast<QWidget*>(dtgStandorteModus2),
                       static_cast<QWidget*>(trvMaterial), static_cast<QWidget*>(dtgMaterial)}) {
      w->setEnabled(true);
    }
  }

  if (fraBearbeitenModus2->isVisibleTo(this)) {
    if (!perPfeiltaste) {
      lblPhasenUeberschrift->setText(name);
      trvPhasen_B->Clear();
      txtPhaseName->clear();
      txtBeginn_B->setText(ui::Q(base::DateText(base::Today())));
      for (QLineEdit* b : {txtEnde_B, txtTT_B, txtNT_B, txtLicht_B, txtDauer_B}) b->clear();
    }
    if (kultur == nullptr) {
      lblKultur->clear();
      StandortgitterLeeren();
      return;
    }
    StandortmodusFuellen(perPfeiltaste);
  }

  if (fraMaterial->isVisibleTo(this)) {
    if (!perPfeiltaste) {
      for (QLineEdit* b :
           {txtNameMaterial, txtBeginnMaterial, txtEndeMaterial, txtTTMaterial, txtNTMaterial, txtMengeMaterial}) {
        b->clear();
      }
      trvPhasenMaterial->Clear();
    }
    if (kultur == nullptr) {
      lblKultur->clear();
      MaterialgitterLeeren();
      return;
    }
    lblPhasenUeberschriftMaterial->setText(name);
    MaterialmodusFuellen();
  }
}

// The right click acts on the tree's selected node, which the right press has made the node
// under the mouse. The window first shows that node as a click on it does, so that neither the
// pop-up's commands nor a later save act on the culture shown before.
void frmBewegungsdaten::trvKulturen_MouseUp(int button, int /*shift*/, int /*x*/, int /*y*/) {
  if (button != 2) return;
  tolvar::State& s = state();
  s.selection.AktuellerBaum = "Kulturen";
  const QString selected = trvKulturen->SelectedItem();
  if (selected.isEmpty()) return;  // no node, no record: nothing to offer
  const KulturSatz* gezeigt = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (gezeigt == nullptr || gezeigt->KulturNr != ui::S(selected)) trvKulturen_Click();
  KulturIndexSuchen();
  const KulturSatz* record = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (record) s.selection.AktuelleUeberPNr = record->UeberPNr;
  if (!mdiTolvarZentral::IsLoaded()) return;
  mdiTolvarZentral& main = mdiTolvarZentral::instanz();
  if (trvKulturen->Text(selected) == QStringLiteral("Kulturen")) {
    main.mnuPopUp1Neu->setText(QStringLiteral("Neue Gruppe/ Kultur eingeben"));
    main.PopupMenu(main.mnuPopUp1);
  } else if (!record) {
    return;
  } else if (record->Gliederungspunkt) {
    main.mnuPopUp2Neu->setText(QStringLiteral("Neue Kultur/Gruppe"));
    main.PopupMenu(main.mnuPopUp2);
  } else {
    main.PopupMenu(main.mnuPopUp3);
  }
}

bool frmBewegungsdaten::KnotenGetroffen(int x, int y) const {
  const ui::KeyedTree* tree = nullptr;
  if (fraMaterial->isVisibleTo(this)) {
    tree = trvMaterial;
  } else if (fraBearbeitenModus2->isVisibleTo(this)) {
    tree = trvStandort;
  }
  if (tree == nullptr) return false;
  const QString key = tree->HitTest(QPoint(x, y));
  return !key.isEmpty() && !tree->Text(key).isNull();
}

}  // namespace tolvar
