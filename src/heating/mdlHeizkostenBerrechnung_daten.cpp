#include "heating/mdlHeizkostenBerrechnung_daten.h"

#include <cmath>
#include <limits>
#include <memory>

#include "data/paths.h"
#include "platform/db/database.h"

namespace tolvar::mdlHeizkostenBerrechnung {

namespace {

std::optional<double> Zahl(const db::Value& v) { return v.number(); }

void StandorteLesen(db::Database& datenbank, Heizdaten& daten) {
  if (!datenbank.HasTable("Vantel")) return;
  db::Recordset rs = datenbank.OpenTable("Vantel");
  if (!rs.ok()) return;
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
}

void TechDatenLesen(db::Database& datenbank, Heizdaten& daten) {
  if (datenbank.HasTable("GWHMaterial")) {
    db::Recordset rs = datenbank.OpenTable("GWHMaterial");
    for (rs.MoveFirst(); rs.ok() && !rs.Eof(); rs.MoveNext()) {
      daten.Eindeckungen.try_emplace(rs["Material"].text(),
                                     Eindeckungswerte{Zahl(rs["k-Wert"]), Zahl(rs["Durchlässigkeit"])});
    }
  }
  if (datenbank.HasTable("Heizmaterialien")) {
    db::Recordset rs = datenbank.OpenTable("Heizmaterialien");
    for (rs.MoveFirst(); rs.ok() && !rs.Eof(); rs.MoveNext()) {
      daten.Brennstoffe.try_emplace(
          rs["Brennstoffart"].text(),
          Brennstoffwerte{Zahl(rs["Unterer Brennwert"]), Zahl(rs["Oberer Brennwert"]), Zahl(rs["Preis"])});
    }
  }
}

// The climate database check reads the tables in the same shape.
static_assert(kWochen == data::kKlimaWochen && kStunden == data::kKlimaStunden);

// Reads one climate table into `ziel`: 24 rows in stored order, week w in column position w,
// each value cut down to a whole number (NaN where there is no number or no column).
bool KlimatabelleLesen(db::Database& datenbank, const std::string& name, Stundentabelle& ziel) {
  // The station key is user data: it becomes a table name only when such a table exists,
  // and only quoted.
  const std::optional<std::string> tabelle = datenbank.TableName(name);
  if (!tabelle) return false;
  db::Recordset rs = datenbank.Query("SELECT * FROM " + db::QuoteIdentifier(*tabelle) + " ORDER BY rowid");
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

}  // namespace

Heizdaten Heizdaten::Laden(const Datenquellen& quellen) {
  Heizdaten daten;
  if (auto db = db::Database::Open(quellen.TolvarDatenbank)) StandorteLesen(*db, daten);
  if (auto db = db::Database::Open(quellen.Vanteldatenbank)) TechDatenLesen(*db, daten);
  if (auto db = db::Database::Open(quellen.Wetterdatenbank)) {
    Klimatabellen klima;
    if (KlimatabelleLesen(*db, quellen.Wetterstation + std::string(data::kKlimaTemperatur), klima.Temperatur) &&
        KlimatabelleLesen(*db, quellen.Wetterstation + std::string(data::kKlimaEinstrahlung), klima.Einstrahlung)) {
      daten.Klima = klima;
    }
  }
  return daten;
}

}  // namespace tolvar::mdlHeizkostenBerrechnung
