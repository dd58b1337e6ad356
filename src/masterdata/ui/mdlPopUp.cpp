#include "masterdata/ui/mdlPopUp.h"

#include <QWidget>
#include <string>

#include "culture/ui/frmKultur.h"
#include "data/state.h"
#include "heating/ui/frmStandort.h"
#include "masterdata/ui/frmMaterial.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmPersonal.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTaetigkeiten.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/frmTopfSubstrat.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar::mdlPopUp {

namespace {

// The right-clicked material, or nullptr when the index names none.
const MaterialSatz* GewaehltesMaterial() {
  const State& s = state();
  return At(s.masters.MaterialListe, s.selection.MaterialIndex);
}

// Text of the right-clicked node of the material tree (its key is the material's number), or of
// its parent; empty when the master-data window or the node is not there.
QString Knotentext(bool elternknoten) {
  const MaterialSatz* material = GewaehltesMaterial();
  if (material == nullptr || !frmStammdaten::IsLoaded()) return {};
  const ui::KeyedTree* baum = frmStammdaten::instanz().trvMaterial;
  if (baum == nullptr) return {};
  QString key = ui::Q(material->MaterialNr);
  if (elternknoten) key = baum->ParentKey(key);
  return key.isEmpty() ? QString() : baum->Text(key);
}

// A caption only when there is a node text to give.
void Beschriften(ui::Form& fenster, const QString& text) {
  if (!text.isEmpty()) fenster.setCaption(text);
}

void Sichtbar(ui::Form& fenster, const char* name, bool sichtbar) {
  if (auto* control = ui::FindControl<QWidget>(&fenster, QString::fromLatin1(name))) control->setVisible(sichtbar);
}

// The reuse box: count, its label and its frame, always together.
void WiederverwendungZeigen(ui::Form& fenster, bool sichtbar) {
  Sichtbar(fenster, "txtWdh", sichtbar);
  Sichtbar(fenster, "lblKalkulation(5)", sichtbar);
  Sichtbar(fenster, "Shape7", sichtbar);
}

// An editor that is already open keeps the record, group, caption, controls and help topic it
// was opened with: a dispatch only brings it to the front. True when it was open.
template <class Fenster>
bool SchonOffen() {
  if (!Fenster::IsLoaded()) return false;
  Fenster::instanz().Show();
  return true;
}

// The general-material editor for group number part `gruppe` ("1002" to "1006", "1009"): caption,
// the group's visibility settings, help topic, then show.
void Material4optZeigen(const std::string& gruppe, const QString& caption) {
  if (SchonOffen<frmMaterial4opt>()) return;
  frmMaterial4opt& f = frmMaterial4opt::instanz();
  Beschriften(f, caption);
  if (gruppe == "1002") {
    WiederverwendungZeigen(f, false);
  } else if (gruppe == "1003") {
    WiederverwendungZeigen(f, true);
    Sichtbar(f, "opbBezug(3)", false);
    Sichtbar(f, "opbBezug(4)", false);
  } else if (gruppe == "1004") {
    WiederverwendungZeigen(f, false);
    Sichtbar(f, "cmbAufwandMenge", true);
    Sichtbar(f, "cmbRechner", false);
  } else if (gruppe == "1009") {
    WiederverwendungZeigen(f, false);
    Sichtbar(f, "cmbAufwandMenge", false);
    Sichtbar(f, "cmbRechner", false);
    Sichtbar(f, "cmbMaschinenkostenxls", true);
  }
  // Help topics "5.3.4" to "5.3.8" for 1002 to 1006, "5.3.9" for the machines.
  state().windows.HilfeThema = "5.3." + std::to_string(gruppe == "1009" ? 9 : gruppe.back() - '0' + 2);
  f.HilfethemaSetzen(state().windows.HilfeThema);
  f.Show();
}

// The combination editor receives its caption after it is shown.
void TopfSubstratZeigen(const QString& caption) {
  if (SchonOffen<frmTopfSubstrat>()) return;
  frmTopfSubstrat& f = frmTopfSubstrat::instanz();
  f.Show();
  Beschriften(f, caption);
}

// The pot or substrate editor: caption, then show.
template <class Fenster>
void GefaesseditorZeigen(const QString& caption) {
  if (SchonOffen<Fenster>()) return;
  Beschriften(Fenster::instanz(), caption);
  Fenster::instanz().Show();
}

bool IstAllgemeinesMaterial(const std::string& gruppe) {
  return gruppe == "1002" || gruppe == "1003" || gruppe == "1004" || gruppe == "1005" || gruppe == "1006" ||
         gruppe == "1009";
}

// Editors of the kinds without material groups; false for any other tree.
bool EditorZeigen(const std::string& baum) {
  if (baum == "Kulturen") {
    frmKultur::instanz().Show();
  } else if (baum == "Standort") {
    frmStandort::instanz().Show();
  } else if (baum == "Personal") {
    frmPersonal::instanz().Show();
  } else if (baum == "StdTaetigkeiten") {
    frmTaetigkeiten::instanz().Show();
  } else {
    return false;
  }
  return true;
}

}  // namespace

void PopUpNeu() {
  State& s = state();
  s.selection.Bearbeitungsmodus = "Neu";
  if (EditorZeigen(s.selection.AktuellerBaum) || s.selection.AktuellerBaum != "Material") return;
  s.windows.HilfeThema = "5.3";
  const MaterialSatz* material = GewaehltesMaterial();
  if (material == nullptr) return;
  const std::string g = material->MaterialNr;
  const QString caption = Knotentext(false);
  if (g == "M1001") {
    TopfSubstratZeigen(caption);
  } else if (g == "M1007") {
    s.selection.BearbeitungsmodusTopf = "Neu";
    GefaesseditorZeigen<frmTopf>(caption);
  } else if (g == "M1008") {
    s.selection.BearbeitungsmodusSubstrat = "Neu";
    GefaesseditorZeigen<frmSubstrat>(caption);
  } else if (g.size() == 5 && g.front() == 'M' && IstAllgemeinesMaterial(g.substr(1))) {
    Material4optZeigen(g.substr(1), caption);
  }
}

void PopUpAendern() {
  State& s = state();
  s.selection.Bearbeitungsmodus = "Aendern";
  if (EditorZeigen(s.selection.AktuellerBaum) || s.selection.AktuellerBaum != "Material") return;
  const MaterialSatz* material = GewaehltesMaterial();
  if (material == nullptr) return;
  const std::string p = material->UeberPNr;
  if (p == "0") {
    frmMaterial::instanz().Show();
  } else if (p == "1001") {
    TopfSubstratZeigen(Knotentext(true));
  } else if (p == "1007") {
    s.selection.BearbeitungsmodusTopf = "Aendern";
    s.selection.TopfIndex = s.selection.MaterialIndex;
    GefaesseditorZeigen<frmTopf>(Knotentext(true));
  } else if (p == "1008") {
    s.selection.BearbeitungsmodusSubstrat = "Aendern";
    s.selection.SubstratIndex = s.selection.MaterialIndex;
    GefaesseditorZeigen<frmSubstrat>(Knotentext(true));
  } else if (IstAllgemeinesMaterial(p)) {
    // A reusable material is captioned with its own name, every other with its group's.
    Material4optZeigen(p, Knotentext(p != "1003"));
  }
}

}  // namespace tolvar::mdlPopUp
