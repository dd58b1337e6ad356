#include "data/mdlTopfSubstrate.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlTopfSubstrate {

bool GefaesseLaden() {
  State& s = state();
  s.masters.GefaessListe.clear();
  std::unique_ptr<db::Database> database = db::Database::Open(s.enterprise.AktuelleEinstellungen.MaterialPfad);
  if (!database) return false;
  db::Recordset rs = database->OpenTable("Gefaesse");
  if (!rs.ok()) return false;

  // The name of the first material with each number.
  std::unordered_map<std::string_view, const std::string*> namen;
  namen.reserve(s.masters.MaterialListe.size());
  for (const MaterialSatz& m : s.masters.MaterialListe) namen.emplace(m.MaterialNr, &m.Materialname);

  s.masters.GefaessListe.reserve(static_cast<std::size_t>(rs.RecordCount()));
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    GefaessSatz pot;
    // Null reads as the empty text.
    pot.MaterialNr = rs.Field("MaterialNr").text();
    pot.Volumen = rs.Field("Volumen").text();
    if (const auto it = namen.find(pot.MaterialNr); it != namen.end()) pot.Materialname = *it->second;
    s.masters.GefaessListe.push_back(std::move(pot));
  }
  return true;
}

}  // namespace tolvar::mdlTopfSubstrate
