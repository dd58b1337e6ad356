#include "data/comparison_table.h"

#include "base/values.h"
#include "platform/db/database.h"

namespace tolvar::data {

namespace {

// A money column as listed: two decimals with a decimal comma ("12,5" gives "12,50");
// Null and the empty text give "", a text that is no number is kept as stored.
std::string GeldText(const db::Value& wert) {
  if (wert.isNull()) return "";
  if (const auto zahl = wert.number()) return base::Format(*zahl, "0.00");
  return wert.text();
}

}  // namespace

bool VergleichskulturenLesen(const std::string& pfad, std::vector<VergleichskulturSatz>& liste, std::string* fehler) {
  liste.clear();
  std::string grund;
  auto datenbank = db::Database::Open(pfad, &grund);
  if (!datenbank) {
    if (fehler) *fehler = grund;
    return false;
  }
  db::Recordset rs = datenbank->OpenTable("Vergleichskulturen");
  if (!rs.ok()) {
    if (fehler) *fehler = rs.error();
    return false;
  }
  liste.reserve(static_cast<std::size_t>(rs.RecordCount()));
  int i = 0;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext(), ++i) {
    VergleichskulturSatz v;
    const db::Value& nr = rs["Nr"];
    v.Nr = nr.isNull() ? std::to_string(i) : nr.text();
    v.Kultur = rs["Kultur"].text();
    v.Beginn = rs["Beginn"].text();
    v.Ende = rs["Ende"].text();
    v.Menge = rs["Menge"].text();
    v.Preis = GeldText(rs["Preis"]);
    v.Heizung = GeldText(rs["Heizung"]);
    v.Material = GeldText(rs["Material"]);
    v.Strom = GeldText(rs["Strom"]);
    v.Maschinen = GeldText(rs["Maschinen"]);
    v.PSM = GeldText(rs["PSM"]);
    v.Vermarktung = GeldText(rs["Vermarktung"]);
    v.Arbeit = GeldText(rs["Arbeit"]);
    v.Gemeinkosten = GeldText(rs["Gemeinkosten"]);
    v.DQHeizung = rs["DQHeizung"].text();
    v.DQMaterial = rs["DQMaterial"].text();
    v.DQStrom = rs["DQStrom"].text();
    v.DQMaschinen = rs["DQMaschinen"].text();
    v.DQPSM = rs["DQPSM"].text();
    v.DQVermarktung = rs["DQVermarktung"].text();
    v.DQArbeit = rs["DQArbeit"].text();
    v.DQGemeinkosten = rs["DQGemeinkosten"].text();
    liste.push_back(std::move(v));
  }
  return true;
}

}  // namespace tolvar::data
