#include "data/pot_list.h"

#include <memory>
#include <string>

#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlTopfSubstrate {

bool GefaesseLaden() {
  State& s = state();
  s.GefaessListe.clear();
  s.AnzahlGefaesse = 0;
  std::unique_ptr<db::Database> database = db::Database::Open(s.AktuelleEinstellungen.MaterialPfad);
  if (!database) return false;
  db::Recordset rs = database->OpenTable("Gefaesse");
  if (!rs.ok()) return false;

  s.GefaessListe.reserve(static_cast<std::size_t>(rs.RecordCount()));
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    GefaessSatz pot;
    // Null reads as the empty text.
    pot.MaterialNr = rs.Field("MaterialNr").text();
    pot.Volumen = rs.Field("Volumen").text();
    for (const MaterialSatz& m : s.MaterialListe) {
      if (m.MaterialNr == pot.MaterialNr) {
        pot.Materialname = m.Materialname;
        break;
      }
    }
    s.GefaessListe.push_back(std::move(pot));
  }
  s.AnzahlGefaesse = static_cast<int>(s.GefaessListe.size());
  return true;
}

}  // namespace tolvar::mdlTopfSubstrate
