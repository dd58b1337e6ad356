#include "data/settings_row.h"

#include <memory>
#include <string>
#include <string_view>

#include "base/values.h"
#include "data/messages.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar {

namespace {

constexpr std::string_view kTabelle = "BetriebEinstellungen";

bool IsEmpty(const db::Value& v) { return v.isNull() || v.text().empty(); }

// A column that is not empty replaces the field; an empty one leaves the replacement.
void Take(const db::Recordset& rs, std::string_view column, std::string* field) {
  const db::Value& v = rs.Field(column);
  if (!IsEmpty(v)) *field = v.text();
}

}  // namespace

namespace data {

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
  return true;
}

}  // namespace mdlDatenLaden

namespace mdlDatenbank {

bool BetriebEinstellungenSchreiben(std::string* fehler) {
  const State& s = state();
  const EinstellungenSatz& e = s.enterprise.AktuelleEinstellungen;
  return db::WriteSingleRow(
      s.enterprise.TolvarDatenbankPfad, kTabelle,
      [&e](db::Recordset& rs) {
        return rs.SetField("Wetterstation", e.Wetterstation) &&
               rs.SetField("StandardStation", db::Value::Bool(e.StandardStation != 0)) &&
               rs.SetField("MaterialPfad", e.MaterialPfad) && rs.SetField("VantelPfad", e.VantelPfad) &&
               rs.SetField("KlimaPfad", e.KlimaPfad) && rs.SetField("Strom", e.Strom) &&
               rs.SetField("Ergebnisdatenbank", e.Ergebnisdatenbank) &&
               rs.SetField("Gemeinkostentyp", e.Gemeinkostentyp) && rs.SetField("Gemeinkosten", e.Gemeinkosten) &&
               rs.SetField("Flaeche", e.Flaeche) && rs.SetField("Jahr", e.Jahr) &&
               rs.SetField("Belegung", e.Belegung) && rs.SetField("Vermarktungskosten", e.Vermarktungskosten) &&
               rs.SetField("LetzteAenderung", base::GeneralDateText(base::Now()));
      },
      fehler);
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
