#include "masterdata/pot.h"

#include <memory>
#include <optional>

#include "base/values.h"
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
  if (auto fokus = GrundfelderVorbereiten({.txtName = &e->txtName,
                                           .txtKuerzel = &e->txtKuerzel,
                                           .txtMenge = &e->txtMenge,
                                           .txtPreis = &e->txtPreis,
                                           .txtWdh = &e->txtWdh,
                                           .txtVolumen = &e->txtVolumen})) {
    return {false, *fokus};
  }
  const PreisJeVerwendungErgebnis preis = PreisJeVerwendungPruefen(true, e->txtMenge, e->txtPreis, e->txtWdh);
  if (!preis.preis) return {false, preis.fokus};
  const std::optional<double> volumen = ZahlPruefen(kVolumen, e->txtVolumen, "Volumen");
  if (!volumen) return {false, "txtVolumen"};

  std::unique_ptr<db::Database> database = MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  if (!NummerPruefen(*database, e->txtCode, kontext)) return {false, ""};

  MaterialZeile zeile = GrundZeile(e->txtCode, "1007", e->txtName, e->txtKuerzel, e->txtBemerkungen, e->chbAktuell);
  zeile.Wdh = e->txtWdh;
  zeile.Bezug = e->opbBezug == 2 ? 2 : 1;
  zeile.Einheit = e->txtMenge;
  zeile.Preis = db::Value(*preis.preis);

  // The prices of the combinations that use the pot follow from its new values; each is checked
  // by the rule of its Preis column before anything is written.
  std::string grund;
  const auto kombinationen = KombinationspreiseBerechnen(
      *database, true, zeile.MaterialNr,
      Partnerwerte{.Bezug = *zeile.Bezug, .Preis = *preis.preis, .Volumen = *volumen}, &grund);
  if (!kombinationen) {
    if (!grund.empty()) SpeicherFehlerMelden(grund);
    // The volume is what the substrate's price is multiplied by.
    return {false, grund.empty() ? "txtVolumen" : ""};
  }
  const bool ok = MaterialSchreiben(*database, kontext, zeile, {"Material", "Gefaesse"}, [&](std::string* fehler) {
    db::Recordset rs = database->OpenTable("Gefaesse");
    const bool geschrieben = rs.ok() && rs.AddNew() && rs.SetField("MaterialNr", zeile.MaterialNr) &&
                             rs.SetField("Volumen", e->txtVolumen) && rs.Update();
    if (!geschrieben) {
      *fehler = rs.error();
      return false;
    }
    return KombinationspreiseSchreiben(*database, *kombinationen, fehler);
  });
  if (!ok) return {false, ""};
  state().selection.TopfGespeichert = true;
  return {true, ""};
}

}  // namespace tolvar::masterdata
