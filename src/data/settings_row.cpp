#include "data/settings_row.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/values.h"
#include "data/messages.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar {

namespace {

constexpr std::string_view kTabelle = "BetriebEinstellungen";
// Set by every write of the row to the time of the write.
constexpr std::string_view kLetzteAenderung = "LetzteAenderung";

bool IsEmpty(const db::Value& v) { return v.isNull() || v.text().empty(); }

// A column that is not empty replaces the field; an empty one leaves the replacement.
void Take(const db::Recordset& rs, std::string_view column, std::string* field) {
  const db::Value& v = rs.Field(column);
  if (!IsEmpty(v)) *field = v.text();
}

// The columns a write of the row sets, each with its field's value; with LetzteAenderung, the
// columns the loader reads and the opening check requires (data::EinstellungenSpalten).
struct Spalte {
  std::string_view name;
  db::Value (*wert)(const EinstellungenSatz&);
};
constexpr std::array<Spalte, 13> kSpalten{{
    {"Wetterstation", [](const EinstellungenSatz& e) { return db::Value(e.Wetterstation); }},
    {"StandardStation", [](const EinstellungenSatz& e) { return db::Value::Bool(e.StandardStation != 0); }},
    {"Strom", [](const EinstellungenSatz& e) { return db::Value(e.Strom); }},
    {"MaterialPfad", [](const EinstellungenSatz& e) { return db::Value(e.MaterialPfad); }},
    {"VantelPfad", [](const EinstellungenSatz& e) { return db::Value(e.VantelPfad); }},
    {"KlimaPfad", [](const EinstellungenSatz& e) { return db::Value(e.KlimaPfad); }},
    {"Ergebnisdatenbank", [](const EinstellungenSatz& e) { return db::Value(e.Ergebnisdatenbank); }},
    {"Gemeinkostentyp", [](const EinstellungenSatz& e) { return db::Value(e.Gemeinkostentyp); }},
    {"Gemeinkosten", [](const EinstellungenSatz& e) { return db::Value(e.Gemeinkosten); }},
    {"Flaeche", [](const EinstellungenSatz& e) { return db::Value(e.Flaeche); }},
    {"Jahr", [](const EinstellungenSatz& e) { return db::Value(e.Jahr); }},
    {"Belegung", [](const EinstellungenSatz& e) { return db::Value(e.Belegung); }},
    {"Vermarktungskosten", [](const EinstellungenSatz& e) { return db::Value(e.Vermarktungskosten); }},
}};

// Remembers `e` as the row this program knows for the open Tolvar-Datenbank.
void StandMerken(State& s, const EinstellungenSatz& e) {
  s.enterprise.EinstellungenStand = EnterpriseState::GelesenerSatz{s.enterprise.TolvarDatenbankPfad, e};
}

}  // namespace

namespace data {

std::vector<std::string_view> EinstellungenSpalten() {
  std::vector<std::string_view> namen;
  for (const Spalte& spalte : kSpalten) namen.push_back(spalte.name);
  namen.push_back(kLetzteAenderung);
  return namen;
}

EinstellungenSatz EinstellungenErsatzwerte() {
  EinstellungenSatz e;
  e.StandardStation = base::kTrue;
  e.Wetterstation = std::string(kStandardStation);
  e.Strom = "0,12";
  e.MaterialPfad = InstallPath(kStandardMaterialdatenbank);
  e.VantelPfad = InstallPath(kStandardVanteldatenbank);
  e.KlimaPfad = InstallPath(kStandardWetterdatenbank);
  e.Ergebnisdatenbank = InstallPath(kStandardErgebnisdatenbank);
  e.Gemeinkostentyp = "0";
  e.Gemeinkosten = "0";
  e.Flaeche = "";
  e.Jahr = "";
  e.Belegung = "75";
  e.Vermarktungskosten = "0";
  return e;
}

}  // namespace data

namespace mdlDatenLaden {

bool BetriebEinstellungenLaden() {
  State& s = state();
  EinstellungenSatz& e = s.enterprise.AktuelleEinstellungen;
  e = data::EinstellungenErsatzwerte();
  s.enterprise.EinstellungenStand.reset();

  std::unique_ptr<db::Database> database = db::Database::Open(s.enterprise.TolvarDatenbankPfad);
  if (!database) return false;
  db::Recordset rs = database->OpenTable(kTabelle);
  if (!rs.ok() || rs.RecordCount() == 0) return false;
  rs.MoveFirst();

  const db::Value& station = rs.Field("Wetterstation");
  if (!IsEmpty(station)) {
    e.Wetterstation = station.text();
    // A Null column reads as False.
    e.StandardStation = base::BoolValue(rs.Field("StandardStation").boolean());
  }
  Take(rs, "Strom", &e.Strom);
  Take(rs, "MaterialPfad", &e.MaterialPfad);
  Take(rs, "VantelPfad", &e.VantelPfad);
  Take(rs, "KlimaPfad", &e.KlimaPfad);
  Take(rs, "Ergebnisdatenbank", &e.Ergebnisdatenbank);
  Take(rs, "Gemeinkosten", &e.Gemeinkosten);
  Take(rs, "Gemeinkostentyp", &e.Gemeinkostentyp);
  Take(rs, "Belegung", &e.Belegung);
  // No replacement: a Null reads as the empty text.
  e.Jahr = rs.Field("Jahr").text();
  e.Flaeche = rs.Field("Flaeche").text();
  Take(rs, "Vermarktungskosten", &e.Vermarktungskosten);
  StandMerken(s, e);
  return true;
}

}  // namespace mdlDatenLaden

namespace mdlDatenbank {

bool BetriebEinstellungenSchreiben(std::string* fehler) {
  State& s = state();
  const EinstellungenSatz& e = s.enterprise.AktuelleEinstellungen;
  const auto& stand = s.enterprise.EinstellungenStand;
  const EinstellungenSatz* bekannt = stand && stand->pfad == s.enterprise.TolvarDatenbankPfad ? &stand->satz : nullptr;
  // Only what this program changed since it last read or wrote the row: a value another
  // instance confirmed meanwhile stays.
  std::vector<const Spalte*> geaendert;
  for (const Spalte& spalte : kSpalten) {
    if (bekannt == nullptr || !(spalte.wert(e) == spalte.wert(*bekannt))) geaendert.push_back(&spalte);
  }
  if (bekannt != nullptr && geaendert.empty()) return true;
  const bool ok = db::WriteSingleRow(
      s.enterprise.TolvarDatenbankPfad, kTabelle,
      [&](db::Recordset& rs) {
        // A new row takes every field.
        const bool neu = rs.RecordCount() == 0;
        for (const Spalte& spalte : kSpalten) {
          const bool schreiben = neu || std::find(geaendert.begin(), geaendert.end(), &spalte) != geaendert.end();
          if (schreiben && !rs.SetField(spalte.name, spalte.wert(e))) return false;
        }
        return rs.SetField(kLetzteAenderung, base::GeneralDateText(base::Now()));
      },
      fehler);
  if (ok) StandMerken(s, e);
  return ok;
}

std::string EinstellungenNichtGespeichert(const std::string& fehler) {
  return sys::Fehlermeldung("Die Einstellungen des Betriebs konnten nicht in \"" +
                                state().enterprise.TolvarDatenbankPfad + "\" gespeichert werden.",
                            fehler);
}

bool EinstellungenSichern() {
  std::string fehler;
  if (BetriebEinstellungenSchreiben(&fehler)) return true;
  data::ShowCritical(EinstellungenNichtGespeichert(fehler));
  return false;
}

bool EinstellungenSichernOderFragen(std::string_view frage) {
  std::string fehler;
  if (BetriebEinstellungenSchreiben(&fehler)) return true;
  return data::AskYesNo(EinstellungenNichtGespeichert(fehler) + "\n\n" + std::string(frage));
}

}  // namespace mdlDatenbank

}  // namespace tolvar
