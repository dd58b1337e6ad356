#include "masterdata/material_group.h"

#include <memory>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "masterdata/material_row.h"

namespace tolvar::masterdata {

std::string GruppenHilfeThema(const std::string& materialNr) {
  static const struct {
    const char* nr;
    const char* thema;
  } kThemen[] = {{"M1001", "5.3.3"}, {"M1002", "5.3.4"}, {"M1003", "5.3.5"}, {"M1004", "5.3.6"}, {"M1005", "5.3.7"},
                 {"M1006", "5.3.8"}, {"M1007", "5.3.1"}, {"M1008", "5.3.2"}, {"M1009", "5.3.9"}};
  for (const auto& t : kThemen) {
    if (materialNr == t.nr) return t.thema;
  }
  return "5.3";
}

MaterialGruppeEingaben MaterialGruppeEingabenLaden(const MaterialSatz& g) {
  MaterialGruppeEingaben e;
  e.txtName = g.Materialname;
  e.txtKuerzel = g.Kuerzel;
  e.txtCode = base::NumberText(g.Barcode);
  e.txtBemerkungen = g.Bemerkungen;
  e.chbAktuell = g.Aktuell;
  return e;
}

MaterialSpeicherergebnis MaterialGruppeSpeichern(const std::string& gruppenNr, MaterialGruppeEingaben* e) {
  if (e->txtName.empty()) {
    mdlFehler::MeldungWerteFehlen();
    return {false, "txtName"};
  }
  if (e->txtKuerzel.empty()) e->txtKuerzel = masterdata::KuerzelAusName(e->txtName);

  std::unique_ptr<db::Database> database = masterdata::MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  db::Transaction transaktion = database->BeginTransaction();
  db::Recordset rs =
      database->OpenTable("Material", db::QuoteIdentifier("MaterialNr") + " = ?", {db::Value(gruppenNr)});
  if (!transaktion.active() || !rs.ok()) {
    masterdata::SpeicherFehlerMelden(rs.ok() ? database->LastError() : rs.error());
    return {false, ""};
  }
  if (rs.RecordCount() == 0) {
    masterdata::SpeicherFehlerMelden("Die Materialgruppe " + gruppenNr +
                                     " ist in der Materialdatenbank nicht vorhanden.");
    return {false, ""};
  }
  const std::string jetzt = base::GeneralDateText(base::Now());
  bool ok = true;
  for (rs.MoveFirst(); ok && !rs.Eof(); rs.MoveNext()) {
    ok = rs.Edit() && rs.SetField("Materialname", e->txtName) && rs.SetField("Kuerzel", e->txtKuerzel) &&
         rs.SetField("Bemerkungen", e->txtBemerkungen) && rs.SetField("Aktuell", db::Value::Bool(e->chbAktuell)) &&
         rs.SetField("LetzteAenderung", jetzt) && rs.Update();
  }
  if (!ok || !transaktion.Commit()) {
    const std::string grund = rs.error().empty() ? database->LastError() : rs.error();
    transaktion.Rollback();
    masterdata::SpeicherFehlerMelden(grund);
    return {false, ""};
  }
  return {true, ""};
}

}  // namespace tolvar::masterdata
