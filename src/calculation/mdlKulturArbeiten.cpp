#include "calculation/mdlKulturArbeiten.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/values.h"
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
  const int schluessel = rs.ColumnIndex(keyColumn);
  const int wert = rs.ColumnIndex(valueColumn);
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const db::Value& key = rs.Field(schluessel);
    if (key.isNull()) continue;  // a Null key never equals a slot's text
    out.emplace(key.text(), TextOderNull(rs.Field(wert)));
  }
  return true;
}

// A row of the culture with a date, by its position in the recordset and its calendar day.
struct Arbeitszeile {
  int position;
  base::Date tag;
};

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

  const int spalteKultur = rs.ColumnIndex("KulturNr");
  const int spalteDatum = rs.ColumnIndex("Datum");
  const int spalteTaetigkeit = rs.ColumnIndex("StdTaetigkeitNr");
  const int spalteZeitdauer = rs.ColumnIndex("Zeitdauer");
  const int spalteFlaeche = rs.ColumnIndex("Fläche");
  const int spalteStandort = rs.ColumnIndex("StandortNr");
  const int spaltePersonal = rs.ColumnIndex("PersonalNr");

  // Each row's culture and day once; rows whose KulturNr or Datum is Null (or a blank text)
  // are passed over. A date that is no date is a row that cannot be read: the list holds the
  // others for the windows that show it, and the read fails, so that no cost is worked out
  // without it.
  // Calendar days: work recorded with a time on a phase's last day belongs to that phase,
  // here and in the labour and material sums that compare it with the phase days.
  std::vector<Arbeitszeile> zeilen;
  zeilen.reserve(static_cast<std::size_t>(rs.RecordCount()));
  bool gelesen = true;
  for (int i = 0; i < rs.RecordCount(); ++i) {
    rs.MoveTo(i);
    const db::Value& kulturNr = rs.Field(spalteKultur);
    const db::Value& datumsfeld = rs.Field(spalteDatum);
    if (kulturNr.isNull() || kulturNr.text() != kultur.KulturNr) continue;
    if (datumsfeld.isNull() || base::Trim(datumsfeld.text()).empty()) continue;
    const std::optional<base::Date> datum = datumsfeld.date();
    if (!datum) {
      if (fehler && gelesen)
        *fehler = "Tabelle \"Taetigkeiten\": das Datum \"" + datumsfeld.text() + "\" ist kein Datum";
      gelesen = false;
      continue;
    }
    zeilen.push_back({i, base::DateOnly(*datum)});
  }

  const int letztePhase = std::min(anzahlPhasen, static_cast<int>(phasen.size()) - 1);
  for (int p = 1; p <= letztePhase; ++p) {
    const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
    for (const Arbeitszeile& zeile : zeilen) {
      if (zeile.tag < phase.Anfang || zeile.tag > phase.Ende) continue;
      rs.MoveTo(zeile.position);
      KulturArbeitSatz satz;
      satz.KulturNr = kultur.KulturNr;
      satz.Kulturname = kultur.Kulturname;
      satz.StdTaetigkeitNr = TextOderNull(rs.Field(spalteTaetigkeit));
      satz.Zeitdauer = TextOderNull(rs.Field(spalteZeitdauer));
      satz.Flaeche = TextOderNull(rs.Field(spalteFlaeche));
      satz.StandortNr = TextOderNull(rs.Field(spalteStandort));
      satz.PersonalNr = TextOderNull(rs.Field(spaltePersonal));
      satz.Datum = zeile.tag;
      if (auto it = taetigkeiten.find(satz.StdTaetigkeitNr); it != taetigkeiten.end()) {
        satz.Taetigkeit = it->second;
      }
      if (auto it = kuerzel.find(satz.PersonalNr); it != kuerzel.end()) satz.Kuerzel = it->second;
      liste.push_back(std::move(satz));
    }
  }
  return gelesen;
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
