#include "masterdata/material_row.h"

#include <string>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/messages.h"
#include "data/state.h"

namespace tolvar::masterdata {

std::string MaterialNrAusBarcode(std::string_view barcode) { return "M1" + base::RightChars(barcode, 3); }

std::string KuerzelAusName(std::string_view name) { return base::LeftChars(name, 10); }

std::string FrageWertEins(std::string_view satz) {
  return std::string(satz) + "\n\r\n\r" + "Soll der Wert mit " + "1" + " bestzt werden?";
}

bool WertEinsAnbieten(std::string* feld, std::string_view satz) {
  if (!feld->empty()) return true;
  if (!data::AskYesNo(FrageWertEins(satz), data::kMeldungTitel, /*questionIcon=*/false)) return false;
  *feld = "1";
  return true;
}

std::optional<double> ZahlPruefen(const base::Feldregel& regel, std::string_view text, std::string_view bezeichnung) {
  const std::string anfang = "Der Wert für \"" + std::string(bezeichnung) + "\" ";
  if (base::Trim(text).empty() && regel.leer) return base::ParseNumber(*regel.leer);
  const std::string hinweis = base::Tausenderpunkthinweis(text);
  if (!base::ParseNumber(text)) {
    data::ShowCritical(anfang + "ist keine gültige Zahl." + hinweis);
    return std::nullopt;
  }
  const std::optional<double> zahl = base::FeldZahl(regel, text);
  if (!zahl) data::ShowCritical(anfang + "muss eine Zahl " + base::BereichText(regel.bereich) + " sein." + hinweis);
  return zahl;
}

std::optional<double> PreisJeVerwendung(double preis, double wiederverwendung) {
  const std::optional<double> quotient = base::Quotient(preis, wiederverwendung);
  if (!quotient) {
    data::ShowCritical(
        "Der Wert für \"Wiederverwendung\" ist zu klein: Der Preis je Verwendung wäre keine gültige Zahl.");
  }
  return quotient;
}

std::unique_ptr<db::Database> MaterialdatenbankOeffnen() {
  const std::string& pfad = state().enterprise.AktuelleEinstellungen.MaterialPfad;
  std::string grund;
  std::unique_ptr<db::Database> database = db::Database::Open(pfad, &grund);
  if (!database) SpeicherFehlerMelden(grund);
  return database;
}

void SpeicherFehlerMelden(std::string_view grund) {
  data::ShowCritical(data::Datenbankfehler("Der Datensatz wurde nicht gespeichert.", "Materialdatenbank",
                                           state().enterprise.AktuelleEinstellungen.MaterialPfad, grund));
}

bool MaterialZeileAnhaengen(db::Database& database, const MaterialZeile& zeile, std::string* grund) {
  db::Recordset rs = database.OpenTable("Material");
  if (!rs.ok()) {
    *grund = rs.error();
    return false;
  }
  rs.AddNew();
  bool ok = rs.SetField("MaterialNr", zeile.MaterialNr) && rs.SetField("Materialname", zeile.Materialname) &&
            rs.SetField("Kuerzel", zeile.Kuerzel) && rs.SetField("Barcode", zeile.Barcode) &&
            rs.SetField("Bemerkungen", zeile.Bemerkungen) && rs.SetField("Aktuell", db::Value::Bool(zeile.Aktuell)) &&
            rs.SetField("UeberPNr", zeile.UeberPNr) && rs.SetField("Gliederungspunkt", db::Value::Bool(false)) &&
            rs.SetField("LetzteAenderung", base::GeneralDateText(base::Now())) &&
            rs.SetField("ID", base::NewRecordId());
  if (ok && zeile.Bezug) ok = rs.SetField("Bezug", *zeile.Bezug);
  if (ok && zeile.Einheit) ok = rs.SetField("Einheit", *zeile.Einheit);
  if (ok && zeile.Preis) ok = rs.SetField("Preis", *zeile.Preis);
  if (ok && zeile.Wdh) ok = rs.SetField("Wdh", *zeile.Wdh);
  if (!ok || !rs.Update()) {
    *grund = rs.error().empty() ? "Eine Spalte der Tabelle Material fehlt." : rs.error();
    rs.CancelUpdate();
    return false;
  }
  return true;
}

bool ErsteZeileLoeschen(db::Database& database, std::string_view tabelle, const std::string& nr, std::string* grund) {
  db::Recordset rs = database.OpenTable(tabelle, db::QuoteIdentifier("MaterialNr") + " = ?", {db::Value(nr)});
  if (!rs.ok()) {
    *grund = rs.error();
    return false;
  }
  if (rs.RecordCount() == 0) return true;
  rs.MoveFirst();
  if (!rs.Delete()) {
    *grund = rs.error();
    return false;
  }
  return true;
}

std::optional<std::string> GrundfelderVorbereiten(const Grundfelder& f) {
  if (f.txtName->empty()) {
    mdlFehler::MeldungNameFehlt();
    return "txtName";
  }
  if (f.txtKuerzel->empty()) *f.txtKuerzel = KuerzelAusName(*f.txtName);
  if (!WertEinsAnbieten(f.txtMenge, "Sie haben nicht angegeben, wieviele Einheiten benötigt werden.")) {
    return "txtMenge";
  }
  if (!WertEinsAnbieten(f.txtPreis, "Sie haben keinen Preis eingegeben.")) return "txtPreis";
  if (f.txtVolumen != nullptr && !WertEinsAnbieten(f.txtVolumen, "Sie haben keine Volumen eingegeben.")) {
    return "txtVolumen";
  }
  if (base::Trim(*f.txtWdh).empty()) *f.txtWdh = std::string(*kWiederverwendung.leer);
  return std::nullopt;
}

PreisJeVerwendungErgebnis PreisJeVerwendungPruefen(bool mitEinheiten, const std::string& txtMenge,
                                                   const std::string& txtPreis, const std::string& txtWdh) {
  if (mitEinheiten && !ZahlPruefen(kEinheiten, txtMenge, "Einheiten")) return {std::nullopt, "txtMenge"};
  const std::optional<double> preis = ZahlPruefen(kPreis, txtPreis, "Preis");
  if (!preis) return {std::nullopt, "txtPreis"};
  const std::optional<double> wdh = ZahlPruefen(kWiederverwendung, txtWdh, "Wiederverwendung");
  if (!wdh) return {std::nullopt, "txtWdh"};
  // The price of one use is stored only with a reference quantity.
  const std::optional<double> jeVerwendung = mitEinheiten ? PreisJeVerwendung(*preis, *wdh) : 0.0;
  if (!jeVerwendung) return {std::nullopt, "txtWdh"};
  return {jeVerwendung, ""};
}

MaterialZeile GrundZeile(const std::string& barcode, std::string_view ueberPNr, const std::string& name,
                         const std::string& kuerzel, const std::string& bemerkungen, bool aktuell) {
  MaterialZeile zeile;
  zeile.MaterialNr = MaterialNrAusBarcode(barcode);
  zeile.UeberPNr = std::string(ueberPNr);
  zeile.Materialname = name;
  zeile.Kuerzel = kuerzel;
  zeile.Barcode = barcode;
  zeile.Bemerkungen = bemerkungen;
  zeile.Aktuell = aktuell;
  return zeile;
}

bool MaterialSchreiben(db::Database& database, const MaterialKontext& kontext, const MaterialZeile& zeile,
                       std::initializer_list<std::string_view> tabellen,
                       const std::function<bool(std::string* grund)>& danach) {
  db::Transaction transaktion = database.BeginTransaction();
  std::string grund;
  bool ok = transaktion.active();
  if (kontext.Bearbeitungsmodus == "Aendern") {
    for (std::string_view tabelle : tabellen)
      ok = ok && ErsteZeileLoeschen(database, tabelle, kontext.MaterialNr, &grund);
  }
  ok = ok && MaterialZeileAnhaengen(database, zeile, &grund) && (!danach || danach(&grund)) && transaktion.Commit();
  if (!ok) {
    transaktion.Rollback();
    SpeicherFehlerMelden(grund.empty() ? database.LastError() : grund);
  }
  return ok;
}

bool NummerPruefen(db::Database& database, const std::string& barcode, const MaterialKontext& kontext) {
  bool ziffern = base::CharCount(barcode) >= 3;
  for (char c : barcode) ziffern = ziffern && c >= '0' && c <= '9';
  if (!ziffern) {
    SpeicherFehlerMelden("Der Barcode \"" + barcode + "\" ist ungültig.");
    return false;
  }
  const std::string nr = MaterialNrAusBarcode(barcode);
  // A change keeps its own number; only a number new to this material can collide.
  if (kontext.Bearbeitungsmodus == "Aendern" && nr == kontext.MaterialNr) return true;
  bool vergeben = nr.size() == 5 && nr.compare(0, 4, "M100") == 0;  // root and fixed groups
  if (!vergeben) {
    const db::Value anzahl = database.Scalar("SELECT COUNT(*) FROM " + db::QuoteIdentifier("Material") + " WHERE " +
                                                 db::QuoteIdentifier("MaterialNr") + " = ?",
                                             {db::Value(nr)});
    vergeben = anzahl.integerOr(0) > 0;
  }
  if (vergeben) {
    SpeicherFehlerMelden("Die Materialnummer " + nr + " ist bereits vergeben.");
    return false;
  }
  return true;
}

}  // namespace tolvar::masterdata
