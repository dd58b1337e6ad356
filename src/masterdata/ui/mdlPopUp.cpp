#include "masterdata/ui/mdlPopUp.h"

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

namespace tolvar::mdlPopUp {

namespace {

// The selected material, or nullptr when the index names none.
const MaterialSatz* GewaehltesMaterial() {
  const State& s = state();
  if (s.MaterialIndex < 0 || s.MaterialIndex >= static_cast<int>(s.MaterialListe.size())) return nullptr;
  return &s.MaterialListe[static_cast<std::size_t>(s.MaterialIndex)];
}

// The editor of material group "1001" to "1009"; the general-material groups also store
// their help topic ("5.3.4" to "5.3.9"). False for any other group.
bool MaterialeditorZeigen(const std::string& gruppe) {
  State& s = state();
  s.HilfeThema = "5.3";
  if (gruppe == "1001") {
    frmTopfSubstrat::instanz().Show();
  } else if (gruppe == "1007") {
    frmTopf::instanz().Show();
  } else if (gruppe == "1008") {
    frmSubstrat::instanz().Show();
  } else if (gruppe >= "1002" && gruppe <= "1006" && gruppe.size() == 4) {
    s.HilfeThema = "5.3." + std::to_string(gruppe.back() - '0' + 2);
    frmMaterial4opt::instanz().Show();
  } else if (gruppe == "1009") {
    s.HilfeThema = "5.3.9";
    frmMaterial4opt::instanz().Show();
  } else {
    return false;
  }
  return true;
}

// Editors of the kinds without groups of their own.
void EditorZeigen(const std::string& baum) {
  if (baum == "Kulturen") {
    frmKultur::instanz().Show();
  } else if (baum == "Standort") {
    frmStandort::instanz().Show();
  } else if (baum == "Personal") {
    frmPersonal::instanz().Show();
  } else if (baum == "StdTaetigkeiten") {
    frmTaetigkeiten::instanz().Show();
  }
}

std::string LetzteVier(const std::string& nummer) {
  return nummer.size() >= 4 ? nummer.substr(nummer.size() - 4) : nummer;
}

}  // namespace

void PopUpNeu() {
  State& s = state();
  s.Bearbeitungsmodus = "Neu";
  if (s.AktuellerBaum != "Material") {
    EditorZeigen(s.AktuellerBaum);
    return;
  }
  // A new material goes into the right-clicked group: its number names the editor.
  if (const MaterialSatz* material = GewaehltesMaterial()) MaterialeditorZeigen(LetzteVier(material->MaterialNr));
}

void PopUpAendern() {
  State& s = state();
  s.Bearbeitungsmodus = "Aendern";
  if (s.AktuellerBaum != "Material") {
    EditorZeigen(s.AktuellerBaum);
    return;
  }
  const MaterialSatz* material = GewaehltesMaterial();
  if (material == nullptr) return;
  if (material->UeberPNr == "0") {
    frmMaterial::instanz().Show();
    return;
  }
  MaterialeditorZeigen(material->UeberPNr);
}

}  // namespace tolvar::mdlPopUp
