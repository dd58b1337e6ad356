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
  if (e->txtKuerzel.empty()) e->txtKuerzel = KuerzelAusName(e->txtName);
  // After No to the offered value the focus goes to the price box.
  if (!WertEinsAnbieten(&e->txtPreis, "Sie haben keinen Preis eingegeben.")) return {false, "txtPreis"};
  const std::optional<double> preis = ZahlPruefen(kPreis, e->txtPreis, "Preis");
  if (!preis) return {false, "txtPreis"};

  std::unique_ptr<db::Database> database = MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  if (!NummerPruefen(*database, e->txtCode, kontext)) return {false, ""};

  MaterialZeile zeile = GrundZeile(e->txtCode, "1008", e->txtName, e->txtKuerzel, e->txtBemerkungen, e->chbAktuell);
  zeile.Bezug = e->opbBezug == 2 ? 2 : 1;
  zeile.Preis = db::Value(*preis);
  zeile.Einheit = "1";

  // The prices of the combinations that use the substrate follow from its new values; each is
  // checked by the rule of its Preis column before anything is written.
  std::string grund;
  const auto kombinationen = KombinationspreiseBerechnen(*database, false, zeile.MaterialNr,
                                                         Partnerwerte{.Bezug = *zeile.Bezug, .Preis = *preis}, &grund);
  if (!kombinationen) {
    if (!grund.empty()) SpeicherFehlerMelden(grund);
    return {false, grund.empty() ? "txtPreis" : ""};
  }
  if (!MaterialSchreiben(*database, kontext, zeile, {"Material"}, [&](std::string* fehler) {
        return KombinationspreiseSchreiben(*database, *kombinationen, fehler);
      })) {
    return {false, ""};
  }
  state().selection.TopfGespeichert = false;
  return {true, ""};
}

}  // namespace tolvar::masterdata
