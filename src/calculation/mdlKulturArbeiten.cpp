#include "calculation/mdlKulturArbeiten.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlKulturArbeiten {

namespace {

std::string TextOderNull(const db::Value& v) { return v.isNull() ? "0" : v.text(); }

// First row of `table` per key column value -> value of `valueColumn` ("0" for Null).
bool ErsteTreffer(db::Database& datenbank, std::string_view table, std::string_view keyColumn,
                  std::string_view valueColumn, std::unordered_map<std::string, std::string>& out) {
  db::Recordset rs = datenbank.OpenTable(table);
  if (!rs.ok()) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const db::Value& key = rs.Field(keyColumn);
    if (key.isNull()) continue;  // a Null key never equals a slot's text
    out.emplace(key.text(), TextOderNull(rs.Field(valueColumn)));
  }
  return true;
}

}  // namespace

bool KulturArbeitenLesen(db::Database& datenbank, const KulturSatz& kultur, const std::vector<PhasenSatz>& phasen,
                         int anzahlPhasen, std::vector<KulturArbeitSatz>& liste, std::string* fehler) {
  liste.clear();
  const auto nichtLesbar = [fehler](std::string_view tabelle) {
    if (fehler) *fehler = "Tabelle \"" + std::string(tabelle) + "\"";
    return false;
  };
  // Only the culture's rows: the table holds the work of every culture of the enterprise.
  // Rows of one day keep their table order.
  db::Recordset rs =
      datenbank.Query("SELECT * FROM \"Taetigkeiten\" WHERE \"KulturNr\" = ? ORDER BY \"Datum\" ASC, rowid;",
                      {db::Value(kultur.KulturNr)});
  if (!rs.ok()) return nichtLesbar("Taetigkeiten");
  std::unordered_map<std::string, std::string> taetigkeiten;
  std::unordered_map<std::string, std::string> kuerzel;
  if (!ErsteTreffer(datenbank, "StdTaetigkeiten", "StdTaetigkeitNr", "Tätigkeiten", taetigkeiten)) {
    return nichtLesbar("StdTaetigkeiten");
  }
  if (!ErsteTreffer(datenbank, "Personal", "PersonalNr", "Kuerzel", kuerzel)) return nichtLesbar("Personal");

  const int letztePhase = std::min(anzahlPhasen, static_cast<int>(phasen.size()) - 1);
  for (int p = 1; p <= letztePhase; ++p) {
    const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      const db::Value& kulturNr = rs.Field("KulturNr");
      // Calendar days: work recorded with a time on a phase's last day belongs to that phase,
      // here and in the labour and material sums that compare it with the phase days.
      std::optional<base::Date> datum = rs.Field("Datum").date();
      if (kulturNr.isNull() || !datum) continue;
      datum = base::DateOnly(*datum);
      if (kulturNr.text() != kultur.KulturNr) continue;
      if (*datum < phase.Anfang || *datum > phase.Ende) continue;

      KulturArbeitSatz satz;
      satz.KulturNr = kultur.KulturNr;
      satz.Kulturname = kultur.Kulturname;
      satz.StdTaetigkeitNr = TextOderNull(rs.Field("StdTaetigkeitNr"));
      satz.Zeitdauer = TextOderNull(rs.Field("Zeitdauer"));
      satz.Flaeche = TextOderNull(rs.Field("Fläche"));
      satz.StandortNr = TextOderNull(rs.Field("StandortNr"));
      satz.PersonalNr = TextOderNull(rs.Field("PersonalNr"));
      satz.Datum = *datum;
      if (auto it = taetigkeiten.find(satz.StdTaetigkeitNr); it != taetigkeiten.end()) {
        satz.Taetigkeit = it->second;
      }
      if (auto it = kuerzel.find(satz.PersonalNr); it != kuerzel.end()) satz.Kuerzel = it->second;
      liste.push_back(std::move(satz));
    }
  }
  return true;
}

bool KulturArbeitenLaden(std::string* fehler) {
  State& s = state();
  s.calculation.KulturArbeitListe.clear();
  if (fehler) fehler->clear();
  const KulturSatz* gewaehlt = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (gewaehlt == nullptr) return false;
  const KulturSatz kultur = *gewaehlt;
  std::unique_ptr<db::Database> datenbank = db::Database::Open(s.enterprise.AktuellerBetrieb);
  if (!datenbank) {
    if (fehler) *fehler = "Datenbank \"" + s.enterprise.AktuellerBetrieb + "\"";
    return false;
  }
  std::vector<KulturArbeitSatz> liste;
  const bool ok = KulturArbeitenLesen(*datenbank, kultur, s.culture.PhasenListe, s.culture.AnzahlPhasen, liste, fehler);
  s.calculation.KulturArbeitListe = std::move(liste);
  return ok;
}

}  // namespace tolvar::mdlKulturArbeiten
