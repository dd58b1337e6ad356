#include "heating/mdlHeizkostenBerrechnung_daten.h"

#include <cmath>
#include <limits>
#include <memory>

#include "data/mdlFehler.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlHeizkostenBerrechnung {

namespace {

std::optional<double> Zahl(const db::Value& v) { return v.number(); }

// Each reader is false when the rows of a table it needs failed to read. The sites' greenhouse
// rows are read from table Vantel of the enterprise's own database, which the opening does not
// require: a database without it holds no greenhouse data that could be read.
bool StandorteLesen(db::Database& datenbank, Heizdaten& daten) {
  db::Recordset rs = datenbank.OpenTable("Vantel");
  if (!rs.ok()) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const std::string nr = rs["StandortNr"].text();
    if (daten.Standorte.count(nr) != 0) continue;
    Vantelzeile z;
    z.Laenge = rs["Länge"].text();
    z.Breite = rs["Breite"].text();
    z.Stehwand = rs["Stehwand"].text();
    z.Dach = rs["Dach"].text();
    z.Bauart = rs["Bauart"].text();
    z.Kappenzahl = rs["Kappenzahl"].text();
    z.EinDach = rs["EinDach"].text();
    z.EinStehL = rs["EinStehL"].text();
    z.EinStehR = rs["EinStehR"].text();
    z.EinGiebelV = rs["EinGiebelV"].text();
    z.EinGiebelH = rs["EinGiebelH"].text();
    z.AFStehL = rs["AFStehL"].boolean();
    z.AFStehR = rs["AFStehR"].boolean();
    z.AFGiebelV = rs["AFGiebelV"].boolean();
    z.AFGiebelH = rs["AFGiebelH"].boolean();
    z.GTStehL = rs["GTStehL"].text();
    z.GTStehR = rs["GTStehR"].text();
    z.GTGiebelV = rs["GTGiebelV"].text();
    z.GTGiebelH = rs["GTGiebelH"].text();
    z.Anpassung = rs["Anpassung"].text();
    z.Wirkungsgrad = rs["Wirkungsgrad"].text();
    z.ESchirm = rs["ESchirm"].boolean();
    z.Einsparung = rs["Einsparung"].text();
    z.Brennwert = rs["Brennwert"].boolean();
    z.Brennstoff = rs["Brennstoff"].text();
    daten.Standorte.emplace(nr, std::move(z));
  }
  return true;
}

bool TechDatenLesen(db::Database& datenbank, Heizdaten& daten) {
  bool gelesen = true;
  if (datenbank.HasTable("GWHMaterial")) {
    db::Recordset rs = datenbank.OpenTable("GWHMaterial");
    gelesen = rs.ok();
    for (rs.MoveFirst(); rs.ok() && !rs.Eof(); rs.MoveNext()) {
      daten.Eindeckungen.try_emplace(rs["Material"].text(),
                                     Eindeckungswerte{Zahl(rs["k-Wert"]), Zahl(rs["Durchlässigkeit"])});
    }
  }
  if (datenbank.HasTable("Heizmaterialien")) {
    db::Recordset rs = datenbank.OpenTable("Heizmaterialien");
    gelesen = gelesen && rs.ok();
    for (rs.MoveFirst(); rs.ok() && !rs.Eof(); rs.MoveNext()) {
      daten.Brennstoffe.try_emplace(
          rs["Brennstoffart"].text(),
          Brennstoffwerte{Zahl(rs["Unterer Brennwert"]), Zahl(rs["Oberer Brennwert"]), Zahl(rs["Preis"])});
    }
  }
  return gelesen;
}

// The climate database check reads the tables in the same shape.
static_assert(kWochen == data::kKlimaWochen && kStunden == data::kKlimaStunden);

// Reads one climate table into `ziel`: 24 rows in stored order, week w in column position w,
// each value cut down to a whole number (NaN where there is no number or no column). False
// when the table is missing or has fewer rows; *lesefehler is set when its rows failed to read.
bool KlimatabelleLesen(db::Database& datenbank, const std::string& name, Stundentabelle& ziel, bool* lesefehler) {
  // The station key is user data: it becomes a table name only when such a table exists,
  // and only quoted.
  const std::optional<std::string> tabelle = datenbank.TableName(name);
  if (!tabelle) return false;
  db::Recordset rs = datenbank.Query("SELECT * FROM " + db::QuoteIdentifier(*tabelle) + " ORDER BY rowid");
  if (!rs.ok()) *lesefehler = true;
  if (!rs.ok() || rs.RecordCount() < kStunden) return false;
  const int spalten = static_cast<int>(rs.ColumnNames().size());
  rs.MoveFirst();
  for (int h = 0; h < kStunden; ++h, rs.MoveNext()) {
    for (int w = 1; w <= kWochen; ++w) {
      const std::optional<double> wert = w < spalten ? rs.Field(w).number() : std::nullopt;
      ziel[w][h] = wert && std::isfinite(*wert) ? base::Int(*wert) : std::numeric_limits<double>::quiet_NaN();
    }
  }
  return true;
}

bool KlimaLesen(db::Database& datenbank, const std::string& station, Heizdaten& daten) {
  Klimatabellen klima;
  bool lesefehler = false;
  if (KlimatabelleLesen(datenbank, station + std::string(data::kKlimaTemperatur), klima.Temperatur, &lesefehler) &&
      KlimatabelleLesen(datenbank, station + std::string(data::kKlimaEinstrahlung), klima.Einstrahlung, &lesefehler)) {
    daten.Klima = klima;
  }
  return !lesefehler;
}

// Reads `pfad` with `lesen`; false when the database does not open or its rows failed to
// read. A database of the program's own whose rows failed to read is restored from the shipped
// tree as that is reported (data/mdlFehler): it is read once more, so the restored file serves
// this run already.
template <typename Leser>
bool Lesen(const std::string& pfad, Heizdaten& daten, Leser lesen) {
  const bool schonWiederhergestellt = mdlFehler::WaehrendDesLaufsWiederhergestellt(pfad);
  for (int versuch = 0; versuch < 2; ++versuch) {
    Heizdaten teil;
    const auto datenbank = db::Database::Open(pfad);
    if (!datenbank) return false;
    const bool gelesen = lesen(*datenbank, teil);
    if (gelesen || schonWiederhergestellt || !mdlFehler::WaehrendDesLaufsWiederhergestellt(pfad) || versuch == 1) {
      daten.Standorte.merge(teil.Standorte);
      daten.Eindeckungen.merge(teil.Eindeckungen);
      daten.Brennstoffe.merge(teil.Brennstoffe);
      if (teil.Klima) daten.Klima = teil.Klima;
      return gelesen;
    }
  }
  return false;
}

}  // namespace

Datenquellen Datenquellen::DesBetriebs() {
  const EnterpriseState& e = state().enterprise;
  return {.TolvarDatenbank = e.TolvarDatenbankPfad,
          .Vanteldatenbank = e.AktuelleEinstellungen.VantelPfad,
          .Wetterdatenbank = e.AktuelleEinstellungen.KlimaPfad,
          .Wetterstation = e.AktuelleEinstellungen.Wetterstation};
}

Heizdaten Heizdaten::Laden(const Datenquellen& quellen) {
  Heizdaten daten;
  daten.StandorteGelesen = Lesen(quellen.TolvarDatenbank, daten, StandorteLesen);
  daten.TechDatenGelesen = Lesen(quellen.Vanteldatenbank, daten, TechDatenLesen);
  daten.KlimaGelesen = Lesen(quellen.Wetterdatenbank, daten, [&quellen](db::Database& datenbank, Heizdaten& teil) {
    return KlimaLesen(datenbank, quellen.Wetterstation, teil);
  });
  return daten;
}

}  // namespace tolvar::mdlHeizkostenBerrechnung
