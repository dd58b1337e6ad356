#include "trees/ui/frmStammdaten.h"

#include <QMenu>
#include <QPushButton>

#include "app/mdiTolvarZentral.h"
#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlTopfSubstrate.h"
#include "data/state.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "trees/regroup.h"
#include "trees/ui/mdlAllesAnzeigen.h"
#include "trees/ui/mdlFormen.h"
#include "trees/ui/mdlStammdatenVerschieben.h"
#include "trees/ui/tree_fill.h"

namespace tolvar {

namespace {

// Per tree: control name, value of AktuellerBaum, caption of the "new" item on a root and on a
// group (empty: no pop-up on the root).
struct BaumDaten {
  const char* name;
  const char* aktuellerBaum;
  const char* neuWurzel;
  const char* neuGruppe;
  int left;
  int buttonLeft;
};

constexpr BaumDaten kBaeume[frmStammdaten::AnzahlBaeume] = {
    {.name = "trvKulturen",
     .aktuellerBaum = "Kulturen",
     .neuWurzel = "Neue Gruppe/ Kultur eingeben",
     .neuGruppe = "Neue Kultur/Gruppe",
     .left = 360,
     .buttonLeft = 720},
    {.name = "trvStandort",
     .aktuellerBaum = "Standort",
     .neuWurzel = "Neue Gruppe/ Standort eingeben",
     .neuGruppe = "Neue Standort/Gruppe",
     .left = 3360,
     .buttonLeft = 3600},
    {.name = "trvMaterial",
     .aktuellerBaum = "Material",
     .neuWurzel = "",
     .neuGruppe = "Neues Material eingeben",
     .left = 6360,
     .buttonLeft = 6720},
    {.name = "trvPersonal",
     .aktuellerBaum = "Personal",
     .neuWurzel = "Neue Gruppe/ Personal eingeben",
     .neuGruppe = "Neue Personal/Gruppe",
     .left = 9360,
     .buttonLeft = 9840},
    {.name = "trvTaetigkeit",
     .aktuellerBaum = "StdTaetigkeiten",
     .neuWurzel = "Neue Gruppe/ Tätigkeit eingeben",
     .neuGruppe = "Neue Tätigkeit/Gruppe",
     .left = 12360,
     .buttonLeft = 12600},
};

trees::Kind KindOf(int index) { return static_cast<trees::Kind>(index); }

// Number, parent number and group flag of list element i of tree `index`; false past the end.
struct Element {
  std::string nr;
  std::string ueber;
  bool group = false;
};

template <class Satz>
bool ElementOf(const std::vector<Satz>& list, int i, Element* out) {
  const Satz* s = At(list, i);
  if (s == nullptr) return false;
  *out = {trees::NumberOf(*s), s->UeberPNr, s->Gliederungspunkt};
  return true;
}

bool ElementAt(int index, int i, Element* out) {
  tolvar::State& s = state();
  switch (index) {
    case 0:
      return ElementOf(s.masters.KulturListe, i, out);
    case 1:
      return ElementOf(s.masters.StandortListe, i, out);
    case 2:
      return ElementOf(s.masters.MaterialListe, i, out);
    case 3:
      return ElementOf(s.masters.PersonalListe, i, out);
    case 4:
      return ElementOf(s.masters.StdTaetigkeitListe, i, out);
    default:
      return false;
  }
}

int& SelectionIndex(int index) {
  tolvar::State& s = state();
  switch (index) {
    case 0:
      return s.selection.KulturIndex;
    case 1:
      return s.selection.StandortIndex;
    case 2:
      return s.selection.MaterialIndex;
    case 3:
      return s.selection.PersonalIndex;
    default:
      return s.selection.StdTaetigkeitIndex;
  }
}

int ListSize(int index) {
  const State& s = state();
  switch (index) {
    case 0:
      return static_cast<int>(s.masters.KulturListe.size());
    case 1:
      return static_cast<int>(s.masters.StandortListe.size());
    case 2:
      return static_cast<int>(s.masters.MaterialListe.size());
    case 3:
      return static_cast<int>(s.masters.PersonalListe.size());
    default:
      return static_cast<int>(s.masters.StdTaetigkeitListe.size());
  }
}

}  // namespace

frmStammdaten::frmStammdaten() : FormOf(QStringLiteral("frmStammdaten"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Form1"));
  resize(sys::TwipsToPixels(15360), sys::TwipsToPixels(9990));
  imlKultur = trees::ui::FolderImages(this, "imlKultur");
  imlStandort = trees::ui::FolderImages(this, "imlStandort");
  imlMaterial = trees::ui::FolderImages(this, "imlMaterial");
  imlPersonal = trees::ui::FolderImages(this, "imlPersonal");
  imlTaetigkeiten = trees::ui::FolderImages(this, "imlTaetigkeiten");
  ui::ImageList* listen[AnzahlBaeume] = {imlKultur, imlStandort, imlMaterial, imlPersonal, imlTaetigkeiten};
  ui::KeyedTree** baeume[AnzahlBaeume] = {&trvKulturen, &trvStandort, &trvMaterial, &trvPersonal, &trvTaetigkeit};

  for (int i = 0; i < AnzahlBaeume; ++i) {
    auto* tree = ui::MakeTree(this, QString::fromLatin1(kBaeume[i].name), listen[i], kBaeume[i].left, 240, 2895, 9000);
    *baeume[i] = tree;

    auto* button = ui::MakeButton(this, ui::ControlName(QStringLiteral("cmbAnzeigen"), i),
                                  QString::fromLatin1(kAllesAnzeigen), kBaeume[i].buttonLeft, 9360, 2100, 375);
    cmbAnzeigen[static_cast<std::size_t>(i)] = button;

    connect(button, &QPushButton::clicked, this, [this, i] { cmbAnzeigen_Click(i); });
    connect(tree, &ui::KeyedTree::Expand, this, [this, i](const QString& key) { Baum_Expand(i, key); });
    connect(tree, &ui::KeyedTree::Collapse, this, [this, i](const QString& key) { Baum_Collapse(i, key); });
    connect(tree, &ui::KeyedTree::MouseDown, this,
            [this, i](int b, int sh, int x, int y) { Baum_MouseDown(i, b, sh, x, y); });
    connect(tree, &ui::KeyedTree::MouseMove, this,
            [this, i](int b, int sh, int x, int y) { Baum_MouseMove(i, b, sh, x, y); });
    connect(tree, &ui::KeyedTree::MouseUp, this,
            [this, i](int b, int sh, int x, int y) { Baum_MouseUp(i, b, sh, x, y); });
    connect(tree, &ui::KeyedTree::DragOver, this,
            [this, i](const ui::DragSource& src, int x, int y, ui::DragState st) { Baum_DragOver(i, src, x, y, st); });
    connect(tree, &ui::KeyedTree::DragDrop, this,
            [this, i](const ui::DragSource& src, int x, int y) { Baum_DragDrop(i, src, x, y); });
  }
}

ui::KeyedTree* frmStammdaten::Baum(int index) const {
  switch (index) {
    case 0:
      return trvKulturen;
    case 1:
      return trvStandort;
    case 2:
      return trvMaterial;
    case 3:
      return trvPersonal;
    case 4:
      return trvTaetigkeit;
    default:
      return nullptr;
  }
}

void frmStammdaten::Form_Load() {
  Frame()->move(sys::TwipsToPixels(-200), 0);
  mdlMauszeiger::MauszeigerSetzen(*this);
}

void frmStammdaten::Laden(int index) {
  switch (index) {
    case 0:
      mdlDatenLaden::KulturenLaden();
      break;
    case 1:
      mdlDatenLaden::StandorteLaden();
      break;
    case 2:
      mdlDatenLaden::MaterialienLaden();
      mdlTopfSubstrate::GefaesseLaden();
      break;
    case 3:
      mdlDatenLaden::PersonalLaden();
      break;
    case 4:
      mdlDatenLaden::TaetigkeitenLaden();
      break;
    default:
      break;
  }
}

void frmStammdaten::Aufbauen(int index, bool alles) {
  switch (index) {
    case 0:
      alles ? mdlAllesAnzeigen::AlleKulturenAnzeigen(*this) : mdlFormen::AktuelleKulturenAnzeigen(*this);
      break;
    case 1:
      alles ? mdlAllesAnzeigen::AlleStandorteAnzeigen() : mdlFormen::AktuelleStandorteAnzeigen(*this);
      break;
    case 2:
      alles ? mdlAllesAnzeigen::AlleMaterialienAnzeigen() : mdlFormen::AktuelleMaterialienAnzeigen();
      break;
    case 3:
      alles ? mdlAllesAnzeigen::AllesPersonalAnzeigen() : mdlFormen::AktuellesPersonalAnzeigen();
      break;
    case 4:
      alles ? mdlAllesAnzeigen::AlleTaetigkeitenAnzeigen() : mdlFormen::AktuelleTaetigkeitenAnzeigen(*this);
      break;
    default:
      break;
  }
}

void frmStammdaten::BaumNeuAufbauen(int index) {
  QPushButton* const* button = At(cmbAnzeigen, index);
  if (button == nullptr) return;
  Laden(index);
  const QString caption = (*button)->text();
  if (caption == QLatin1String(kAllesAnzeigen)) {
    Aufbauen(index, false);
  } else if (caption == QLatin1String(kAnzeigeReduzieren)) {
    Aufbauen(index, true);
  }
}

// Every activation refreshes the trees from the databases; each keeps the view its button
// names, so the user's choice survives switching windows.
void frmStammdaten::Form_Activate() {
  if (state().enterprise.ModusStammdaten) BaumNeuAufbauen(0);
  for (int i = 1; i < AnzahlBaeume; ++i) BaumNeuAufbauen(i);
}

void frmStammdaten::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("5");
}

void frmStammdaten::cmbAnzeigen_Click(int index) {
  QPushButton* const* eintrag = At(cmbAnzeigen, index);
  if (eintrag == nullptr) return;
  QPushButton* button = *eintrag;
  if (button->text() == QLatin1String(kAllesAnzeigen)) {
    button->setText(QString::fromLatin1(kAnzeigeReduzieren));
    Laden(index);
    Aufbauen(index, true);
  } else if (button->text() == QLatin1String(kAnzeigeReduzieren)) {
    button->setText(QString::fromLatin1(kAllesAnzeigen));
    Laden(index);
    Aufbauen(index, false);
  }
}

void frmStammdaten::Baum_Expand(int index, const QString& key) {
  if (ui::KeyedTree* tree = Baum(index)) tree->SetImage(key, QStringLiteral("open"));
}

void frmStammdaten::Baum_Collapse(int index, const QString& key) {
  if (ui::KeyedTree* tree = Baum(index)) tree->SetImage(key, QStringLiteral("closed"));
}

// Right click: records which tree, record and parent group the pop-up's command concerns, then
// shows the pop-up of the root, of a group or of a record.
void frmStammdaten::Baum_MouseUp(int index, int button, int /*shift*/, int /*x*/, int /*y*/) {
  ui::KeyedTree* tree = Baum(index);
  if (tree == nullptr || button != 2) return;
  tolvar::State& s = state();
  const BaumDaten& daten = kBaeume[index];
  s.selection.AktuellerBaum = daten.aktuellerBaum;

  const QString selected = tree->SelectedItem();
  int& auswahl = SelectionIndex(index);
  if (selected.isEmpty()) {
    auswahl = 0;  // no selected node: the first element, as the search did
  } else {
    const std::string key = ui::S(selected);
    const int size = ListSize(index);
    Element e;
    for (int i = 0; i < size; ++i) {
      if (ElementAt(index, i, &e) && e.nr == key) {
        auswahl = i;
        break;
      }
    }
  }
  Element record;
  const bool hasRecord = ElementAt(index, auswahl, &record);
  if (hasRecord) s.selection.AktuelleUeberPNr = record.ueber;

  // The culture tree knows its root by the text, the others by the key.
  const trees::KindInfo& info = trees::Info(KindOf(index));
  const bool wurzel = selected.isEmpty() ||
                      (index == 0 ? tree->Text(selected) == ui::Q(info.rootText) : selected == ui::Q(info.rootKey));
  if (!mdiTolvarZentral::IsLoaded()) return;
  mdiTolvarZentral& main = mdiTolvarZentral::instanz();
  if (wurzel) {
    if (*daten.neuWurzel == '\0') return;
    main.mnuPopUp1Neu->setText(ui::Q(daten.neuWurzel));
    main.PopupMenu(main.mnuPopUp1);
  } else if (!hasRecord || record.group) {
    main.mnuPopUp2Neu->setText(ui::Q(daten.neuGruppe));
    main.PopupMenu(main.mnuPopUp2);
  } else {
    main.PopupMenu(main.mnuPopUp3);
  }
}

void frmStammdaten::Baum_MouseDown(int index, int /*button*/, int /*shift*/, int x, int y) {
  ui::KeyedTree* tree = Baum(index);
  if (tree == nullptr) return;
  const QString node = tree->HitTest(QPoint(x, y));
  state().windows.ZiehKnoten = ui::S(node);
  tree->SetDropHighlight(node);
}

void frmStammdaten::Baum_MouseMove(int index, int buttons, int /*shift*/, int /*x*/, int /*y*/) {
  ui::KeyedTree* tree = Baum(index);
  if (tree == nullptr || buttons != 1) return;
  const QString key = tree->DropHighlight();
  if (key.isEmpty()) return;
  const trees::KindInfo& info = trees::Info(KindOf(index));
  if (key == ui::Q(info.rootKey)) return;
  state().windows.ZiehenAktiv = true;
  // Drag pictures: the staff tree shows the material list's "closed", as the material tree.
  static constexpr int kIconList[AnzahlBaeume] = {0, 1, 2, 2, 4};
  static constexpr const char* kIconKey[AnzahlBaeume] = {"open", "open", "closed", "closed", "open"};
  ui::ImageList* listen[AnzahlBaeume] = {imlKultur, imlStandort, imlMaterial, imlPersonal, imlTaetigkeiten};
  tree->SetDragIcon(listen[kIconList[index]]->Picture(QString::fromLatin1(kIconKey[index])));
  tree->Drag();
}

void frmStammdaten::Baum_DragOver(int index, const ui::DragSource& /*source*/, int x, int y, ui::DragState /*state*/) {
  ui::KeyedTree* tree = Baum(index);
  if (tree == nullptr || !state().windows.ZiehenAktiv) return;
  tree->SetDropHighlight(tree->HitTest(QPoint(x, y)));
}

void frmStammdaten::Baum_DragDrop(int index, const ui::DragSource& source, int /*x*/, int /*y*/) {
  ui::KeyedTree* tree = Baum(index);
  if (tree == nullptr) return;
  tolvar::State& s = state();
  if (tree->DropHighlight().isEmpty() || s.windows.ZiehKnoten.empty()) {
    tree->ClearDropHighlight();
    s.windows.ZiehenAktiv = false;
    return;
  }
  // Only a node of this very tree is regrouped: a tree of the same name in another window
  // would otherwise move this tree's selected record.
  if (!source.Is(tree)) {
    ui::MsgBox(ui::Q(trees::ForeignDropMessage(KindOf(index))), ui::msgbox::Critical,
               QStringLiteral("Tolvar-Information"));
    return;
  }
  switch (index) {
    case 0:
      mdlStammdatenVerschieben::KulturVerschieben();
      break;
    case 1:
      mdlStammdatenVerschieben::StandortVerschieben();
      break;
    case 2:
      mdlStammdatenVerschieben::MaterialVerschieben();
      break;
    case 3:
      mdlStammdatenVerschieben::PersonalVerschieben();
      break;
    case 4:
      mdlStammdatenVerschieben::TaetigkeitVerschieben();
      break;
    default:
      break;
  }
  BaumNeuAufbauen(index);
}

}  // namespace tolvar
