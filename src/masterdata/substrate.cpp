#include "masterdata/substrate.h"

#include <memory>
#include <optional>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "masterdata/material_row.h"
#include "masterdata/pot_substrate.h"

namespace tolvar::masterdata {

SubstratEingaben SubstratEingabenLaden(const MaterialSatz& m) {
  SubstratEingaben e;
  e.txtName = m.Materialname;
  e.txtKuerzel = m.Kuerzel;
  e.txtCode = base::NumberText(m.Barcode);
  e.txtBemerkungen = m.Bemerkungen;
  e.chbAktuell = m.Aktuell;
  if (m.Bezug == 1 || m.Bezug == 2) {
    if (const std::optional<double> preis = base::ParseNumber(m.Preis)) {
      e.txtPreis = base::Format(*preis, "0.00");
      e.opbBezug = m.Bezug;
    }
  }
  return e;
}

MaterialSpeicherergebnis SubstratSpeichern(const MaterialKontext& kontext, SubstratEingaben* e) {
  if (e->txtName.empty()) {
    mdlFehler::MeldungNameFehlt();
    return {false, "txtName"};
  }
  if (e->txtKuerzel.empty()) e->txtKuerzel = masterdata::KuerzelAusName(e->txtName);
  // After No to the offered value the focus goes to the price box.
  if (!masterdata::WertEinsAnbieten(&e->txtPreis, "Sie haben keinen Preis eingegeben.")) return {false, "txtPreis"};
  const std::optional<double> preis = masterdata::ZahlPruefen(masterdata::kPreis, e->txtPreis, "Preis");
  if (!preis) return {false, "txtPreis"};

  std::unique_ptr<db::Database> database = masterdata::MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  if (!masterdata::NummerPruefen(*database, e->txtCode, kontext)) return {false, ""};

  masterdata::MaterialZeile zeile;
  zeile.MaterialNr = masterdata::MaterialNrAusBarcode(e->txtCode);
  zeile.UeberPNr = "1008";
  zeile.Materialname = e->txtName;
  zeile.Kuerzel = e->txtKuerzel;
  zeile.Barcode = e->txtCode;
  zeile.Bemerkungen = e->txtBemerkungen;
  zeile.Aktuell = e->chbAktuell;
  zeile.Bezug = e->opbBezug == 2 ? 2 : 1;
  zeile.Preis = db::Value(*preis);
  zeile.Einheit = "1";

  db::Transaction transaktion = database->BeginTransaction();
  std::string grund;
  bool ok = transaktion.active();
  if (ok && kontext.Bearbeitungsmodus == "Aendern") {
    ok = masterdata::ErsteZeileLoeschen(*database, "Material", kontext.MaterialNr, &grund);
  }
  ok = ok && masterdata::MaterialZeileAnhaengen(*database, zeile, &grund) &&
       masterdata::KombinationenAktualisieren(*database, false, zeile.MaterialNr, &grund) && transaktion.Commit();
  if (!ok) {
    transaktion.Rollback();
    masterdata::SpeicherFehlerMelden(grund.empty() ? database->LastError() : grund);
    return {false, ""};
  }
  state().selection.TopfGespeichert = false;
  return {true, ""};
}

}  // namespace tolvar::masterdata
