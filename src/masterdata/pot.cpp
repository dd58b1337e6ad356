#include "masterdata/pot.h"

#include <memory>
#include <optional>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "masterdata/material_row.h"
#include "masterdata/pot_substrate.h"

namespace tolvar::masterdata {

TopfEingaben TopfEingabenLaden(const MaterialSatz& m, const MasterLists& stamm) {
  TopfEingaben e;
  e.txtName = m.Materialname;
  e.txtKuerzel = m.Kuerzel;
  e.txtCode = base::NumberText(m.Barcode);
  e.txtWdh = m.Wdh;
  for (const GefaessSatz& g : stamm.GefaessListe) {
    if (g.MaterialNr == m.MaterialNr) {
      e.txtVolumen = g.Volumen;
      break;
    }
  }
  e.chbAktuell = m.Aktuell;
  e.opbBezug = m.Bezug == 2 ? 2 : 1;
  const std::optional<double> preis = base::ParseNumber(m.Preis);
  const std::optional<double> wdh = base::ParseNumber(m.Wdh);
  if (preis && wdh) e.txtPreis = base::Format(*preis * *wdh, "0.00");
  e.txtMenge = m.Einheit;
  e.txtBemerkungen = m.Bemerkungen;
  return e;
}

MaterialSpeicherergebnis TopfSpeichern(const MaterialKontext& kontext, TopfEingaben* e) {
  if (e->txtName.empty()) {
    mdlFehler::MeldungNameFehlt();
    return {false, "txtName"};
  }
  if (e->txtKuerzel.empty()) e->txtKuerzel = masterdata::KuerzelAusName(e->txtName);
  // After No to an offered value the focus goes to the box the question was about.
  if (!masterdata::WertEinsAnbieten(&e->txtMenge, "Sie haben nicht angegeben, wieviele Einheiten benötigt werden.")) {
    return {false, "txtMenge"};
  }
  if (!masterdata::WertEinsAnbieten(&e->txtPreis, "Sie haben keinen Preis eingegeben.")) return {false, "txtPreis"};
  if (!masterdata::WertEinsAnbieten(&e->txtVolumen, "Sie haben keine Volumen eingegeben.")) {
    return {false, "txtVolumen"};
  }
  if (base::Trim(e->txtWdh).empty()) e->txtWdh = std::string(*masterdata::kWiederverwendung.leer);

  if (!masterdata::ZahlPruefen(masterdata::kEinheiten, e->txtMenge, "Einheiten")) return {false, "txtMenge"};
  const std::optional<double> preis = masterdata::ZahlPruefen(masterdata::kPreis, e->txtPreis, "Preis");
  if (!preis) return {false, "txtPreis"};
  const std::optional<double> wdh =
      masterdata::ZahlPruefen(masterdata::kWiederverwendung, e->txtWdh, "Wiederverwendung");
  if (!wdh) return {false, "txtWdh"};
  const std::optional<double> preisJeVerwendung = masterdata::PreisJeVerwendung(*preis, *wdh);
  if (!preisJeVerwendung) return {false, "txtWdh"};
  if (!masterdata::ZahlPruefen(masterdata::kVolumen, e->txtVolumen, "Volumen")) return {false, "txtVolumen"};

  std::unique_ptr<db::Database> database = masterdata::MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  if (!masterdata::NummerPruefen(*database, e->txtCode, kontext)) return {false, ""};

  masterdata::MaterialZeile zeile;
  zeile.MaterialNr = masterdata::MaterialNrAusBarcode(e->txtCode);
  zeile.UeberPNr = "1007";
  zeile.Materialname = e->txtName;
  zeile.Kuerzel = e->txtKuerzel;
  zeile.Barcode = e->txtCode;
  zeile.Bemerkungen = e->txtBemerkungen;
  zeile.Aktuell = e->chbAktuell;
  zeile.Wdh = e->txtWdh;
  zeile.Bezug = e->opbBezug == 2 ? 2 : 1;
  zeile.Einheit = e->txtMenge;
  zeile.Preis = db::Value(*preisJeVerwendung);

  db::Transaction transaktion = database->BeginTransaction();
  std::string grund;
  bool ok = transaktion.active();
  if (ok && kontext.Bearbeitungsmodus == "Aendern") {
    ok = masterdata::ErsteZeileLoeschen(*database, "Material", kontext.MaterialNr, &grund) &&
         masterdata::ErsteZeileLoeschen(*database, "Gefaesse", kontext.MaterialNr, &grund);
  }
  ok = ok && masterdata::MaterialZeileAnhaengen(*database, zeile, &grund);
  if (ok) {
    db::Recordset rs = database->OpenTable("Gefaesse");
    ok = rs.ok() && rs.AddNew() && rs.SetField("MaterialNr", zeile.MaterialNr) &&
         rs.SetField("Volumen", e->txtVolumen) && rs.Update();
    if (!ok) grund = rs.error();
  }
  ok = ok && masterdata::KombinationenAktualisieren(*database, true, zeile.MaterialNr, &grund) && transaktion.Commit();
  if (!ok) {
    transaktion.Rollback();
    masterdata::SpeicherFehlerMelden(grund.empty() ? database->LastError() : grund);
    return {false, ""};
  }
  state().selection.TopfGespeichert = true;
  return {true, ""};
}

}  // namespace tolvar::masterdata
