#include "culture/ui/frmBewegungsdaten.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>

#include "app/mdiTolvarZentral.h"
#include "app/mdlMauszeiger.h"
#include "data/master_loaders.h"
#include "data/paths.h"
#include "data/pot_list.h"
#include "data/state.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

namespace {

ui::ImageList* Bildliste(QObject* parent, const char* name, const char* dragKey) {
  auto* list = new ui::ImageList(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (const char* key : {"closed", "open", dragKey}) {
    if (key == nullptr) continue;
    const std::string file = std::string("\\Bilder\\") + key + ".png";
    list->Add(QString::fromLatin1(key), QString::fromStdString(data::InstallPath(file)));
  }
  return list;
}

ui::KeyedTree* Baum(QWidget* parent, const char* name, ui::ImageList* images) {
  auto* tree = new ui::KeyedTree(parent);
  tree->setObjectName(QString::fromLatin1(name));
  tree->SetImageList(images);
  return tree;
}

QFrame* Rahmen(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(QString::fromLatin1(name));
  return frame;
}

bool HatPhasen() {
  for (const PhasenSatz& phase : state().PhasenListe) {
    if (!phase.KP_ID.empty() && phase.KP_ID != "0") return true;
  }
  return false;
}

}  // namespace

frmBewegungsdaten::frmBewegungsdaten()
    : FormOf(QStringLiteral("frmBewegungsdaten"), ui::FormKind::MdiChild) {
  resize(1000, 700);
  imlKulturen = Bildliste(this, "imlKulturen", nullptr);
  imlStandorte = Bildliste(this, "imlStandorte", "drag-standort");
  imlMaterial = Bildliste(this, "imlMaterial", "drag-material");

  trvKulturen = Baum(this, "trvKulturen", imlKulturen);
  trvKulturen->setGeometry(8, 8, 240, 600);
  fraPhasenInfo = Rahmen(this, "fraPhasenInfo");
  fraPhasenInfo->setGeometry(256, 8, 480, 120);
  fraBearbeitenModus2 = Rahmen(this, "fraBearbeitenModus2");
  fraBearbeitenModus2->setGeometry(256, 136, 480, 480);
  trvStandort = Baum(fraBearbeitenModus2, "trvStandort", imlStandorte);
  trvStandort->setGeometry(8, 8, 220, 460);
  fraMaterial = Rahmen(this, "fraMaterial");
  fraMaterial->setGeometry(256, 136, 480, 480);
  trvMaterial = Baum(fraMaterial, "trvMaterial", imlMaterial);
  trvMaterial->setGeometry(8, 8, 220, 460);
  fraBearbeitenModus2->hide();
  fraMaterial->hide();

  cmbStandorte = new QPushButton(QStringLiteral("Standortverwaltung"), this);
  cmbStandorte->setObjectName(QStringLiteral("cmbStandorte"));
  cmbStandorte->setGeometry(744, 8, 160, 25);
  cmbMaterial = new QPushButton(QStringLiteral("Materialzuweisung"), this);
  cmbMaterial->setObjectName(QStringLiteral("cmbMaterial"));
  cmbMaterial->setGeometry(744, 40, 160, 25);

  connect(cmbStandorte, &QPushButton::clicked, this, &frmBewegungsdaten::cmbStandorte_Click);
  connect(cmbMaterial, &QPushButton::clicked, this, &frmBewegungsdaten::cmbMaterial_Click);
  connect(trvKulturen, &ui::KeyedTree::NodeClick, this, [this](const QString&) { trvKulturen_Click(); });
  connect(trvKulturen, &ui::KeyedTree::KeyUp, this, &frmBewegungsdaten::trvKulturen_KeyUp);
  connect(trvKulturen, &ui::KeyedTree::MouseUp, this, &frmBewegungsdaten::trvKulturen_MouseUp);
}

void frmBewegungsdaten::Form_Load() { mdlMauszeiger::MauszeigerSetzen(*this); }

// The build leaves KulturIndex past the list, so no culture's phases are shown until one is
// chosen.
void frmBewegungsdaten::Form_Activate() {
  if (!state().ModusErfassung) return;
  mdlDatenLaden::KulturenLaden();
  mdlFormen::AktuelleKulturenAnzeigen(*this);
}

bool frmBewegungsdaten::KulturGewaehlt() const {
  const tolvar::State& s = state();
  if (s.KulturIndex < 0 || s.KulturIndex >= static_cast<int>(s.KulturListe.size())) return false;
  const KulturSatz& kultur = s.KulturListe[static_cast<std::size_t>(s.KulturIndex)];
  return !kultur.Gliederungspunkt && kultur.KulturNr != "K1000";
}

void frmBewegungsdaten::StandorteNeuAufbauen() {
  mdlDatenLaden::StandorteLaden();
  mdlFormen::BewegungsdatenStandorteAnzeigen();
}

void frmBewegungsdaten::MaterialienNeuAufbauen() {
  mdlDatenLaden::MaterialienLaden();
  mdlTopfSubstrate::GefaesseLaden();
  mdlFormen::BewegungsdatenMaterialienAnzeigen();
}

// The mode buttons show their frame; the pick tree is filled for a chosen culture with phases.
void frmBewegungsdaten::cmbStandorte_Click() {
  fraMaterial->hide();
  fraBearbeitenModus2->show();
  if (KulturGewaehlt() && HatPhasen()) StandorteNeuAufbauen();
}

void frmBewegungsdaten::cmbMaterial_Click() {
  fraBearbeitenModus2->hide();
  fraMaterial->show();
  if (KulturGewaehlt() && HatPhasen()) MaterialienNeuAufbauen();
}

void frmBewegungsdaten::trvKulturen_Click() {
  tolvar::State& s = state();
  const std::string key = trvKulturen->SelectedItem().toStdString();
  for (int i = 0; i < static_cast<int>(s.KulturListe.size()); ++i) {
    if (s.KulturListe[static_cast<std::size_t>(i)].KulturNr == key) {
      s.KulturIndex = i;
      break;
    }
  }
  if (!KulturGewaehlt()) return;
  if (fraBearbeitenModus2->isVisibleTo(this)) StandorteNeuAufbauen();
  if (fraMaterial->isVisibleTo(this)) MaterialienNeuAufbauen();
}

void frmBewegungsdaten::trvKulturen_KeyUp(int key, int /*shift*/) {
  const bool pfeil = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
  if (!pfeil || !fraMaterial->isVisibleTo(this)) return;
  trvKulturen_Click();
}

void frmBewegungsdaten::trvKulturen_MouseUp(int button, int /*shift*/, int /*x*/, int /*y*/) {
  if (button != 2) return;
  tolvar::State& s = state();
  s.AktuellerBaum = "Kulturen";
  const QString selected = trvKulturen->SelectedItem();
  const std::string key = selected.toStdString();
  for (int i = 0; i < static_cast<int>(s.KulturListe.size()); ++i) {
    if (s.KulturListe[static_cast<std::size_t>(i)].KulturNr == key) {
      s.KulturIndex = i;
      s.AktuelleUeberPNr = s.KulturListe[static_cast<std::size_t>(i)].UeberPNr;
      break;
    }
  }
  if (!mdiTolvarZentral::IsLoaded()) return;
  mdiTolvarZentral& main = mdiTolvarZentral::instanz();
  const bool inRange = s.KulturIndex >= 0 && s.KulturIndex < static_cast<int>(s.KulturListe.size());
  if (selected.isEmpty() || trvKulturen->Text(selected) == QStringLiteral("Kulturen")) {
    main.mnuPopUp1Neu->setText(QStringLiteral("Neue Gruppe/ Kultur eingeben"));
    main.PopupMenu(main.mnuPopUp1);
  } else if (!inRange || s.KulturListe[static_cast<std::size_t>(s.KulturIndex)].Gliederungspunkt) {
    main.mnuPopUp2Neu->setText(QStringLiteral("Neue Kultur/Gruppe"));
    main.PopupMenu(main.mnuPopUp2);
  } else {
    main.PopupMenu(main.mnuPopUp3);
  }
}

}  // namespace tolvar
