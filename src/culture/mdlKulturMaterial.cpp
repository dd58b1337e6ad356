#include "culture/mdlKulturMaterial.h"

#include <algorithm>
#include <optional>

#include "base/field_rules.h"
#include "culture/grid_values.h"
#include "culture/selection.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlKulturMaterial {
namespace {

// The units of a material row: an amount with a decimal comma, stored as the grid shows it;
// an empty cell stores the empty text, which the calculation counts as missing.
constexpr const base::Feldregel& kEinheitenRegel = kMaterialMengeRegel;

// A stored quantity: an empty one (Null or the empty text) stays empty, so the grid shows it
// empty and the calculation finds it missing instead of costing it at zero.
std::string Mengentext(const db::Value& v) { return v.isNull() ? std::string() : v.text(); }

// The stored text; Null, "" or "0" give "0".
std::string TextOderNull(const db::Value& v) {
  std::string t = v.isNull() ? std::string() : v.text();
  return (t.empty() || t == "0") ? std::string("0") : t;
}

void EndeMarkeSetzen(std::vector<KulturMaterialSatz> zeilen) {
  State& s = state();
  s.culture.AnzahlKulturMaterialien = static_cast<int>(zeilen.size());
  zeilen.push_back(KulturMaterialSatz{});
  s.culture.KulturMaterialListe = std::move(zeilen);
}

}  // namespace

std::string Bezugstext(std::string_view bezug, std::string_view ueberPNr) {
  const bool substrat = ueberPNr == kSubstratGruppe;
  if (bezug == "1") return substrat ? "Liter" : "je Pflanze";
  if (bezug == "2") return substrat ? "m³" : "je 1000 Pflanzen";
  if (bezug == "3") return "je Nm²";
  if (bezug == "4") return "je 1000Nm²";
  return "";
}

bool KulturMaterialLaden() {
  EndeMarkeSetzen({});
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  if (!kulturNr) return false;
  auto datenbank = db::Database::Open(state().enterprise.TolvarDatenbankPfad);
  if (!datenbank || !culture::SpaltenVorhanden(*datenbank, "Material", kKulturMaterialSpalten)) return false;
  db::Recordset rs = datenbank->Query(
      "SELECT \"MaNr\", \"Menge\", \"Datum\" FROM \"Material\" WHERE \"KulturNr\" = ? ORDER BY \"Datum\", rowid",
      {db::Value(*kulturNr)});
  if (!rs.ok()) return false;

  std::vector<KulturMaterialSatz> zeilen;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    KulturMaterialSatz z;
    z.MaNr = TextOderNull(rs.Field("MaNr"));
    z.Menge = Mengentext(rs.Field("Menge"));
    const db::Value& datumFeld = rs.Field("Datum");
    const bool ohneDatum = datumFeld.isNull() || TextOderNull(datumFeld) == "0";
    const auto datum = ohneDatum ? std::nullopt : datumFeld.date();
    z.Datum = datum ? base::DateOnly(*datum) : base::kNoDate;
    if (const MaterialSatz* m = MaterialMitNummer(state().masters, z.MaNr)) {
      z.Materialname = m->Materialname;
      z.Bezug = std::to_string(m->Bezug);
    }
    zeilen.push_back(std::move(z));
  }
  EndeMarkeSetzen(std::move(zeilen));
  return true;
}

std::vector<MaterialZeile> KulturMaterialTabelle(const CultureData& kultur, const MasterLists& stamm) {
  std::vector<MaterialZeile> zeilen;
  for (const KulturMaterialSatz& k : UsedSlots(kultur.KulturMaterialListe, kultur.AnzahlKulturMaterialien)) {
    if (k.MaNr.empty() || k.MaNr == "0") continue;
    const MaterialSatz* m = MaterialMitNummer(stamm, k.MaNr);
    MaterialZeile z;
    z.Materialname = (k.Materialname.empty() || k.Materialname == "0") ? k.MaNr : k.Materialname;
    z.MaNr = k.MaNr;
    z.Datum = base::DateText(k.Datum);
    z.Menge = k.Menge;
    z.Bezugstext = m ? Bezugstext(k.Bezug, m->UeberPNr) : std::string();
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

bool KulturMaterialSpeichern(const std::vector<MaterialZeile>& zeilen) {
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  if (!kulturNr) return false;
  const State& s = state();

  std::vector<KulturMaterialSatz> neu;
  for (const MaterialZeile& z : zeilen) {
    if (z.Materialname.empty()) break;
    KulturMaterialSatz k;
    k.KulturNr = *kulturNr;
    k.Materialname = z.Materialname;
    k.MaNr = (z.MaNr.empty() || z.MaNr == "0") ? std::string() : z.MaNr;
    if (k.MaNr.empty()) {
      for (const MaterialSatz& m : s.masters.MaterialListe) {
        if (m.Materialname == z.Materialname) k.MaNr = m.MaterialNr;
      }
    }
    const auto datum = culture::GitterDatum(z.Datum);
    if (!datum) {
      data::ShowCritical("Das Datum des Materials \"" + z.Materialname +
                         "\" ist ungültig. Die Materialien wurden nicht gespeichert.");
      return false;
    }
    k.Datum = base::DateOnly(*datum);
    const std::optional<std::string> menge = base::FeldText(kEinheitenRegel, z.Menge);
    if (!menge) {
      data::ShowCritical("Die Einheiten des Materials \"" + z.Materialname + "\" müssen eine Zahl " +
                         base::BereichText(kEinheitenRegel.bereich) + " sein." + base::Tausenderpunkthinweis(z.Menge) +
                         " Die Materialien wurden nicht gespeichert.");
      return false;
    }
    k.Menge = *menge;
    if (const MaterialSatz* m = MaterialMitNummer(s.masters, k.MaNr)) k.Bezug = std::to_string(m->Bezug);
    if (!k.MaNr.empty()) neu.push_back(std::move(k));
  }

  std::string grund;
  auto datenbank = db::Database::Open(s.enterprise.TolvarDatenbankPfad, &grund);
  bool ok = datenbank != nullptr;
  if (ok) {
    db::Transaction tx = datenbank->BeginTransaction();
    ok = datenbank->Execute("DELETE FROM \"Material\" WHERE \"KulturNr\" = ?", {db::Value(*kulturNr)});
    for (std::size_t i = 0; ok && i < neu.size(); ++i) {
      const KulturMaterialSatz& k = neu[i];
      // The values in the order of the column list.
      ok = datenbank->Execute(culture::EinfuegenSql("Material", kKulturMaterialSpalten),
                              {db::Value(k.KulturNr), db::Value(k.MaNr), db::Value(k.Menge), db::Value::Day(k.Datum)});
    }
    ok = ok && tx.Commit();
  }
  if (!ok) {
    if (datenbank && grund.empty()) grund = datenbank->LastError();
    data::ShowCritical(
        data::Datenbankfehler("Die Materialien der Kultur konnten nicht gespeichert werden. Die gespeicherten "
                              "Materialien bleiben unverändert.",
                              "Tolvar-Datenbank", s.enterprise.TolvarDatenbankPfad, grund));
    return false;
  }
  EndeMarkeSetzen(std::move(neu));
  return true;
}

}  // namespace tolvar::mdlKulturMaterial
