#include "masterdata/mdlMorvin5_nummern.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "base/values.h"
#include "data/messages.h"
#include "data/state.h"
#include "masterdata/master_tables.h"
#include "masterdata/material_row.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::masterdata {

namespace {

constexpr int64_t kHoechsteNummer = 9999;
constexpr int64_t kFuenfStellen = 100000;
constexpr int64_t kErsterMaterialBarcode = 60001;

Vorschlag Ergebnis(VorschlagStatus status, std::string wert = {}, std::string fehler = {}) {
  Vorschlag v;
  v.status = status;
  v.wert = std::move(wert);
  v.fehler = std::move(fehler);
  return v;
}

// The values of one column of a table in table order; nullopt with a reason on failure.
std::optional<std::vector<db::Value>> SpalteLesen(const std::string& pfad, std::string_view tabelle,
                                                  std::string_view spalte, std::string* fehler) {
  std::string grund;
  auto database = db::Database::Open(pfad, &grund);
  if (!database) {
    *fehler = sys::Fehlermeldung("Die Datenbank \"" + pfad + "\" kann nicht geöffnet werden.", grund);
    return std::nullopt;
  }
  if (!database->HasTable(tabelle)) {
    *fehler = "In der Datenbank \"" + pfad + "\" fehlt die Tabelle \"" + std::string(tabelle) + "\".";
    return std::nullopt;
  }
  db::Recordset rs = database->Query("SELECT " + db::QuoteIdentifier(spalte) + " FROM " + db::QuoteIdentifier(tabelle) +
                                     " ORDER BY rowid");
  if (!rs.ok()) {
    *fehler = sys::Fehlermeldung("Die Tabelle \"" + std::string(tabelle) + "\" kann nicht gelesen werden.", rs.error());
    return std::nullopt;
  }
  std::vector<db::Value> werte;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) werte.push_back(rs.Field(0));
  return werte;
}

// The number part of a record number: the digits it ends in ("K1023" gives 1023). For every
// number of four digits this is the last four characters; longer runs are read whole so a
// number beyond the range is seen as such. nullopt when it ends in no digit.
std::optional<int64_t> Nummernteil(const std::string& nummer) {
  std::size_t anfang = nummer.size();
  while (anfang > 0 && nummer[anfang - 1] >= '0' && nummer[anfang - 1] <= '9') --anfang;
  const std::size_t laenge = nummer.size() - anfang;
  if (laenge == 0 || laenge > 12) return std::nullopt;
  return std::stoll(nummer.substr(anfang));
}

// The integer part of a barcode; nullopt for Null, a non-number or a negative value.
std::optional<int64_t> Barcodewert(const db::Value& wert) {
  if (wert.isNull()) return std::nullopt;
  std::optional<double> zahl = wert.number();
  if (!zahl || !std::isfinite(*zahl) || *zahl < 0 || *zahl > 9.0e15) return std::nullopt;
  return static_cast<int64_t>(std::floor(*zahl));
}

std::string FuenfStellen(int64_t wert) {
  std::string text = std::to_string(wert % kFuenfStellen);
  return std::string(5 - text.size(), '0') + text;
}

}  // namespace

Vorschlag NaechsteNummer(const std::string& morvinPfad, std::string_view baum) {
  const StammTabelle* tabelle = StammTabelleZu(baum);
  if (!tabelle) return Ergebnis(VorschlagStatus::Keiner);
  std::string fehler;
  auto werte = SpalteLesen(morvinPfad, tabelle->tabelle, tabelle->nummerSpalte, &fehler);
  if (!werte) return Ergebnis(VorschlagStatus::Fehler, {}, fehler);
  std::optional<int64_t> hoechste;
  for (const db::Value& wert : *werte) {
    if (wert.isNull()) continue;
    std::optional<int64_t> teil = Nummernteil(wert.text());
    if (teil && (!hoechste || *teil > *hoechste)) hoechste = teil;
  }
  if (!hoechste) return Ergebnis(VorschlagStatus::Keiner);
  if (*hoechste + 1 > kHoechsteNummer) {
    return Ergebnis(VorschlagStatus::Erschoepft, {},
                    "Es ist keine freie Nummer mehr vorhanden. Ein neuer Datensatz kann nicht angelegt werden.");
  }
  return Ergebnis(VorschlagStatus::Vorgeschlagen, std::string(tabelle->praefix) + std::to_string(*hoechste + 1));
}

Vorschlag NaechsterBarcode(const std::string& morvinPfad, std::string_view baum) {
  const StammTabelle* tabelle = StammTabelleZu(baum);
  if (!tabelle) return Ergebnis(VorschlagStatus::Keiner);
  std::string fehler;
  auto werte = SpalteLesen(morvinPfad, tabelle->tabelle, "Barcode", &fehler);
  if (!werte) return Ergebnis(VorschlagStatus::Fehler, {}, fehler);
  std::set<int64_t> vergeben;
  for (const db::Value& wert : *werte) {
    if (std::optional<int64_t> code = Barcodewert(wert)) vergeben.insert(*code);
  }
  if (vergeben.empty()) return Ergebnis(VorschlagStatus::Keiner);
  const int64_t naechster = *vergeben.rbegin() + 1;
  if (tabelle->barcodeZiffer == '\0') return Ergebnis(VorschlagStatus::Vorgeschlagen, std::to_string(naechster));

  // Leading digit and the last five digits of highest + 1; past a taken one to a free one.
  const int64_t basis = static_cast<int64_t>(tabelle->barcodeZiffer - '0') * kFuenfStellen;
  for (int64_t code = basis + naechster % kFuenfStellen; code < basis + kFuenfStellen; ++code) {
    if (!vergeben.count(code)) {
      return Ergebnis(VorschlagStatus::Vorgeschlagen, std::string(1, tabelle->barcodeZiffer) + FuenfStellen(code));
    }
  }
  return Ergebnis(VorschlagStatus::Erschoepft, {},
                  "Es ist kein freier Barcode mehr vorhanden. Ein neuer Datensatz kann nicht angelegt werden.");
}

Vorschlag NaechsterMaterialBarcode(const std::string& materialPfad) {
  std::string fehler;
  auto codes = SpalteLesen(materialPfad, "Material", "Barcode", &fehler);
  if (!codes) return Ergebnis(VorschlagStatus::Fehler, {}, fehler);
  auto nummern = SpalteLesen(materialPfad, "Material", "MaterialNr", &fehler);
  if (!nummern) return Ergebnis(VorschlagStatus::Fehler, {}, fehler);

  std::optional<int64_t> hoechster;
  for (const db::Value& wert : *codes) {
    std::optional<int64_t> code = Barcodewert(wert);
    if (code && (!hoechster || *code > *hoechster)) hoechster = code;
  }
  std::set<std::string> belegt;
  for (const db::Value& wert : *nummern) {
    if (!wert.isNull()) belegt.insert(wert.text());
  }

  int64_t code = hoechster ? *hoechster + 1 : kErsterMaterialBarcode;
  for (int versuch = 0; versuch < 1000; ++versuch, ++code) {
    if (!belegt.count(MaterialNrAusBarcode(std::to_string(code)))) {
      return Ergebnis(VorschlagStatus::Vorgeschlagen, std::to_string(code));
    }
  }
  return Ergebnis(VorschlagStatus::Erschoepft, {},
                  "Es ist keine freie Materialnummer mehr vorhanden. Ein neues Material kann nicht angelegt werden.");
}

}  // namespace tolvar::masterdata

namespace tolvar::mdlMorvin5 {

namespace {

std::optional<std::string> Zeigen(const masterdata::Vorschlag& vorschlag) {
  switch (vorschlag.status) {
    case masterdata::VorschlagStatus::Vorgeschlagen:
      return vorschlag.wert;
    case masterdata::VorschlagStatus::Keiner:
      return std::nullopt;
    case masterdata::VorschlagStatus::Erschoepft:
    case masterdata::VorschlagStatus::Fehler:
      data::ShowCritical(vorschlag.fehler);
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> NaechsteNummerErmitteln(std::string_view baum) {
  return Zeigen(masterdata::NaechsteNummer(state().enterprise.AktuellerBetrieb, baum));
}

std::optional<std::string> NaechstenBarcodeErmitteln(std::string_view baum) {
  return Zeigen(masterdata::NaechsterBarcode(state().enterprise.AktuellerBetrieb, baum));
}

std::optional<std::string> MaterialBarcodeErmitteln(std::string_view gruppenNr) {
  static constexpr std::string_view kGruppen[] = {"M1001", "M1002", "M1003", "M1004", "M1005", "M1006", "M1009"};
  bool bekannt = false;
  for (std::string_view gruppe : kGruppen) bekannt = bekannt || gruppe == gruppenNr;
  if (!bekannt) return std::nullopt;
  return Zeigen(masterdata::NaechsterMaterialBarcode(state().enterprise.AktuelleEinstellungen.MaterialPfad));
}

std::optional<std::string> TopfBarcodeErmitteln() {
  return Zeigen(masterdata::NaechsterMaterialBarcode(state().enterprise.AktuelleEinstellungen.MaterialPfad));
}

std::optional<std::string> SubstratBarcodeErmitteln() {
  return Zeigen(masterdata::NaechsterMaterialBarcode(state().enterprise.AktuelleEinstellungen.MaterialPfad));
}

}  // namespace tolvar::mdlMorvin5
