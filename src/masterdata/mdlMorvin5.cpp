#include "masterdata/mdlMorvin5.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "data/mdlFehler.h"
#include "data/messages.h"
#include "data/state.h"
#include "masterdata/master_tables.h"
#include "masterdata/material_row.h"
#include "platform/db/database.h"

namespace tolvar::masterdata {

namespace {

constexpr std::string_view kNeu = "Neu";
constexpr std::string_view kAendern = "Aendern";

using Felder = std::vector<std::pair<std::string_view, db::Value>>;

StammdatenSpeicherergebnis Ergebnis(SpeicherStatus status, std::string fokus = {}) {
  StammdatenSpeicherergebnis e;
  e.status = status;
  e.fokus = std::move(fokus);
  return e;
}

StammdatenSpeicherergebnis DatenbankFehler(const std::string& pfad, const std::string& grund) {
  data::ShowCritical(
      data::Datenbankfehler("Der Datensatz kann nicht gespeichert werden.", "Morvin5-Datenbank", pfad, grund));
  return Ergebnis(SpeicherStatus::Fehler);
}

// A name of blanks only counts as empty: it would show as a node without a name in the trees
// and lists.
bool NameLeer(const std::string& name) { return base::Trim(name).empty(); }

StammdatenSpeicherergebnis NameFehlt(std::string fokus) {
  mdlFehler::MeldungNameFehlt();
  return Ergebnis(SpeicherStatus::NameFehlt, std::move(fokus));
}

// The barcode box as the integer the column holds; an empty box stores no barcode. A text
// that is not all digits is refused with a message: the loaders and the numbering read the
// column back as a number, so any other text would come back as another barcode.
std::optional<db::Value> Barcode(const std::string& text) {
  const std::string code = base::Trim(text);
  if (code.empty()) return db::Value();
  bool ziffern = code.size() <= 18;
  for (char c : code) ziffern = ziffern && c >= '0' && c <= '9';
  if (!ziffern) {
    data::ShowCritical("Der Barcode \"" + code + "\" ist ungültig: ein Barcode besteht nur aus Ziffern." +
                       base::Tausenderpunkthinweis(code));
    return std::nullopt;
  }
  return db::Value(static_cast<int64_t>(std::stoll(code)));
}

std::string Jetzt() { return base::GeneralDateText(base::Now()); }

// Adds one row with `felder`.
StammdatenSpeicherergebnis NeuSchreiben(const std::string& pfad, const StammTabelle& tabelle, const Felder& felder) {
  std::string grund;
  auto database = db::Database::Open(pfad, &grund);
  if (!database) return DatenbankFehler(pfad, grund);
  db::Transaction transaktion = database->BeginTransaction();
  if (!transaktion.active()) return DatenbankFehler(pfad, database->LastError());
  db::Recordset rs = database->OpenTable(tabelle.tabelle, "0", {});
  if (!rs.ok()) return DatenbankFehler(pfad, rs.error());
  rs.AddNew();
  for (const auto& [spalte, wert] : felder) {
    if (!rs.SetField(spalte, wert)) return DatenbankFehler(pfad, "Spalte \"" + std::string(spalte) + "\" fehlt");
  }
  if (!rs.Update()) return DatenbankFehler(pfad, rs.error());
  if (!transaktion.Commit()) return DatenbankFehler(pfad, database->LastError());
  return Ergebnis(SpeicherStatus::Gespeichert);
}

// Changes the rows whose number column equals `nummer` exactly: all of them, or only the
// first in table order. No such row is refused with a message, as the changes would be lost.
StammdatenSpeicherergebnis AenderungSchreiben(const std::string& pfad, const StammTabelle& tabelle,
                                              const std::string& nummer, const Felder& felder, bool alleTreffer) {
  std::string grund;
  auto database = db::Database::Open(pfad, &grund);
  if (!database) return DatenbankFehler(pfad, grund);
  db::Transaction transaktion = database->BeginTransaction();
  if (!transaktion.active()) return DatenbankFehler(pfad, database->LastError());
  db::Recordset rs =
      database->OpenTable(tabelle.tabelle, db::QuoteIdentifier(tabelle.nummerSpalte) + " = ?", {db::Value(nummer)});
  if (!rs.ok()) return DatenbankFehler(pfad, rs.error());
  if (rs.RecordCount() == 0) {
    data::ShowCritical("Der Datensatz \"" + nummer +
                       "\" wurde nicht gefunden. Die Änderungen können nicht gespeichert werden.");
    return Ergebnis(SpeicherStatus::NichtGefunden);
  }
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    rs.Edit();
    for (const auto& [spalte, wert] : felder) {
      if (!rs.SetField(spalte, wert)) return DatenbankFehler(pfad, "Spalte \"" + std::string(spalte) + "\" fehlt");
    }
    if (!rs.Update()) return DatenbankFehler(pfad, rs.error());
    if (!alleTreffer) break;
  }
  if (!transaktion.Commit()) return DatenbankFehler(pfad, database->LastError());
  return Ergebnis(SpeicherStatus::Gespeichert);
}

// After a new save that was not refused the editor changes the stored row from now on.
StammdatenSpeicherergebnis NachNeu(SpeicherKontext& kontext, StammdatenSpeicherergebnis ergebnis) {
  if (!ergebnis.abgelehnt()) kontext.Bearbeitungsmodus = std::string(kAendern);
  return ergebnis;
}

// Length times width when both boxes hold text; nullopt when either is blank (the area is
// then left alone). Each box is checked by the rule the site editor stores it under, and the
// area by base::Produkt, in the same pass and before anything is written: a refused box, or an
// area beyond base::kLargestAmount, is refused with a message.
struct Flaeche {
  bool ok = true;
  std::optional<double> wert;
  std::string fokus;
};

Flaeche FlaecheErmitteln(const StandortEingabe& e) {
  Flaeche f;
  const auto verweigert = [&f, &e](std::string_view fokus) {
    mdlFehler::MeldungWertePruefen(fokus == kStandortLaenge.feld ? e.txtLaenge : e.txtBreite);
    f.ok = false;
    f.fokus = std::string(fokus);
    return f;
  };
  if (const auto feld = base::ErsteVerweigerung({{kStandortLaenge, e.txtLaenge}, {kStandortBreite, e.txtBreite}})) {
    return verweigert(*feld);
  }
  const std::optional<double> laenge = base::FeldZahl(kStandortLaenge, e.txtLaenge);
  const std::optional<double> breite = base::FeldZahl(kStandortBreite, e.txtBreite);
  if (!laenge || !breite) return f;
  // The area stored is a number the calculation can carry, like every stored amount.
  f.wert = base::Produkt(*laenge, *breite);
  if (!f.wert) return verweigert(*breite > *laenge ? kStandortBreite.feld : kStandortLaenge.feld);  // the larger
  return f;
}

}  // namespace

std::string KuerzelVorgabe(const std::string& kuerzel, const std::string& name) {
  return kuerzel.empty() ? KuerzelAusName(name) : kuerzel;
}

StammdatenSpeicherergebnis KulturSpeichern(SpeicherKontext& kontext, const KulturEingabe& e) {
  const bool neu = kontext.Bearbeitungsmodus == kNeu;
  if (!neu && kontext.Bearbeitungsmodus != kAendern) return Ergebnis(SpeicherStatus::Nichts);
  if (NameLeer(e.txtName)) return NameFehlt("txtName");
  Felder felder = {
      {"Kulturname", db::Value(e.txtName)},           {"Kuerzel", db::Value(KuerzelVorgabe(e.txtKuerzel, e.txtName))},
      {"Arbeitsbeginn", db::Value::Day(e.dtpAnfang)}, {"Arbeitsende", db::Value::Day(e.dtpEnde)},
      {"Bemerkungen", db::Value(e.txtBemerkung)},     {"Aktuell", db::Value::Bool(e.chbAktuell)},
      {"LetzteAenderung", db::Value(Jetzt())},
  };
  if (!neu) return AenderungSchreiben(kontext.Datenbank, kKulturen, e.txtNr, felder, true);

  std::optional<db::Value> barcode = Barcode(e.txtCode);
  if (!barcode) return Ergebnis(SpeicherStatus::WerteFalsch);
  felder.insert(felder.end(), {{"KulturNr", db::Value(e.txtNr)},
                               {"Barcode", *barcode},
                               {"UeberPNr", db::Value(kontext.UeberPNr)},
                               {"Gliederungspunkt", db::Value::Bool(e.opbGruppe)},
                               {"ID", db::Value(base::NewRecordId())}});
  return NachNeu(kontext, NeuSchreiben(kontext.Datenbank, kKulturen, felder));
}

StammdatenSpeicherergebnis StandortEingabePruefen(const SpeicherKontext& kontext, const StandortEingabe& e) {
  if (NameLeer(e.txtName)) return NameFehlt("txtName");
  Flaeche flaeche = FlaecheErmitteln(e);
  if (!flaeche.ok) return Ergebnis(SpeicherStatus::WerteFalsch, flaeche.fokus);
  if (kontext.Bearbeitungsmodus == kNeu && !Barcode(e.txtCode)) return Ergebnis(SpeicherStatus::WerteFalsch);
  return Ergebnis(SpeicherStatus::Gespeichert);
}

StammdatenSpeicherergebnis StandortSpeichern(SpeicherKontext& kontext, const StandortEingabe& e) {
  const bool neu = kontext.Bearbeitungsmodus == kNeu;
  if (!neu && kontext.Bearbeitungsmodus != kAendern) return Ergebnis(SpeicherStatus::Nichts);
  if (NameLeer(e.txtName)) return NameFehlt("txtName");
  Flaeche flaeche = FlaecheErmitteln(e);
  if (!flaeche.ok) return Ergebnis(SpeicherStatus::WerteFalsch, flaeche.fokus);
  Felder felder = {
      {"Standortname", db::Value(e.txtName)},     {"Kuerzel", db::Value(KuerzelVorgabe(e.txtKuerzel, e.txtName))},
      {"Bemerkungen", db::Value(e.txtBemerkung)}, {"Aktuell", db::Value::Bool(e.chbAktuell)},
      {"LetzteAenderung", db::Value(Jetzt())},
  };
  if (flaeche.wert) felder.push_back({"Fläche", db::Value(*flaeche.wert)});
  if (!neu) return AenderungSchreiben(kontext.Datenbank, kStandorte, e.txtNr, felder, true);

  std::optional<db::Value> barcode = Barcode(e.txtCode);
  if (!barcode) return Ergebnis(SpeicherStatus::WerteFalsch);
  felder.insert(felder.end(), {{"StandortNr", db::Value(e.txtNr)},
                               {"Barcode", *barcode},
                               {"UeberPNr", db::Value(kontext.UeberPNr)},
                               {"Gliederungspunkt", db::Value::Bool(e.opbGruppe)},
                               {"ID", db::Value(base::NewRecordId())}});
  return NachNeu(kontext, NeuSchreiben(kontext.Datenbank, kStandorte, felder));
}

namespace {

// The values of one frame of the staff or activity window.
struct Rahmen {
  const std::string* name;
  std::string* kuerzel;
  const std::string* bemerkungen;
  const std::string* code;
  bool aktuell;
  bool gruppe;
  std::string_view nameBox;
};

// The common steps of the staff and activity save for one frame; `eigene` are the columns
// of a person (none for a group or an activity).
StammdatenSpeicherergebnis RahmenSpeichern(SpeicherKontext& kontext, const StammTabelle& tabelle,
                                           const std::string& nummer, const Rahmen& r, Felder eigene) {
  const bool neu = kontext.Bearbeitungsmodus == kNeu;
  if (NameLeer(*r.name)) return NameFehlt(std::string(r.nameBox));
  *r.kuerzel = KuerzelVorgabe(*r.kuerzel, *r.name);
  Felder felder = {{tabelle.nameSpalte, db::Value(*r.name)}, {"Kuerzel", db::Value(*r.kuerzel)}};
  felder.insert(felder.end(), eigene.begin(), eigene.end());
  felder.insert(felder.end(), {{"Bemerkungen", db::Value(*r.bemerkungen)}, {"LetzteAenderung", db::Value(Jetzt())}});
  if (!neu) {
    felder.push_back({"Aktuell", db::Value::Bool(r.aktuell)});
    return AenderungSchreiben(kontext.Datenbank, tabelle, nummer, felder, false);
  }
  std::optional<db::Value> barcode = Barcode(*r.code);
  if (!barcode) return Ergebnis(SpeicherStatus::WerteFalsch);
  // New persons, activities and groups are always stored as current.
  felder.insert(felder.end(), {{tabelle.nummerSpalte, db::Value(nummer)},
                               {"Barcode", *barcode},
                               {"UeberPNr", db::Value(kontext.UeberPNr)},
                               {"ID", db::Value(base::NewRecordId())},
                               {"Aktuell", db::Value::Bool(true)},
                               {"Gliederungspunkt", db::Value::Bool(r.gruppe)}});
  return NachNeu(kontext, NeuSchreiben(kontext.Datenbank, tabelle, felder));
}

// Neither option chosen: nothing is stored; a new save still switches the mode.
StammdatenSpeicherergebnis OhneRahmen(SpeicherKontext& kontext) {
  if (kontext.Bearbeitungsmodus == kNeu) kontext.Bearbeitungsmodus = std::string(kAendern);
  return Ergebnis(SpeicherStatus::Nichts);
}

}  // namespace

StammdatenSpeicherergebnis PersonalSpeichern(SpeicherKontext& kontext, PersonalEingabe& e) {
  if (kontext.Bearbeitungsmodus != kNeu && kontext.Bearbeitungsmodus != kAendern) {
    return Ergebnis(SpeicherStatus::Nichts);
  }
  if (e.opbPerson) {
    Rahmen r{.name = &e.txtName,
             .kuerzel = &e.txtKuerzel,
             .bemerkungen = &e.txtBemerkungen,
             .code = &e.txtCode,
             .aktuell = e.chbAktuell,
             .gruppe = false,
             .nameBox = "txtName"};
    return RahmenSpeichern(kontext, kPersonal, e.txtNr, r,
                           {{"Vorname", db::Value(e.txtVorname)},
                            {"Strasse", db::Value(e.txtStrasse)},
                            {"Postleitzahl", db::Value(e.txtPostleitzahl)},
                            {"Ort", db::Value(e.txtOrt)},
                            {"Telefon", db::Value(e.txtTelefon)},
                            {"Geburtstag", db::Value::Day(e.dtpGeburtstag)}});
  }
  if (e.opbGruppe) {
    Rahmen r{.name = &e.txtGruName,
             .kuerzel = &e.txtGruKuerzel,
             .bemerkungen = &e.txtGruBemerkung,
             .code = &e.txtGruCode,
             .aktuell = e.chbGruAktuell,
             .gruppe = true,
             .nameBox = "txtGruName"};
    return RahmenSpeichern(kontext, kPersonal, e.txtNr, r, {});
  }
  return OhneRahmen(kontext);
}

StammdatenSpeicherergebnis TaetigkeitSpeichern(SpeicherKontext& kontext, TaetigkeitEingabe& e) {
  if (kontext.Bearbeitungsmodus != kNeu && kontext.Bearbeitungsmodus != kAendern) {
    return Ergebnis(SpeicherStatus::Nichts);
  }
  if (e.opbTaetigkeit) {
    Rahmen r{.name = &e.txtName,
             .kuerzel = &e.txtKuerzel,
             .bemerkungen = &e.txtBemerkungen,
             .code = &e.txtCode,
             .aktuell = e.chbAktuell,
             .gruppe = false,
             .nameBox = "txtName"};
    return RahmenSpeichern(kontext, kTaetigkeiten, e.txtNr, r, {});
  }
  if (e.opbGruppe) {
    Rahmen r{.name = &e.txtGruName,
             .kuerzel = &e.txtGruKuerzel,
             .bemerkungen = &e.txtGruBemerkungen,
             .code = &e.txtGruCode,
             .aktuell = e.chbGruAktuell,
             .gruppe = true,
             .nameBox = "txtGruName"};
    return RahmenSpeichern(kontext, kTaetigkeiten, e.txtNr, r, {});
  }
  return OhneRahmen(kontext);
}

}  // namespace tolvar::masterdata

namespace tolvar::mdlMorvin5 {

namespace {

template <typename Eingabe, typename Speichern>
masterdata::StammdatenSpeicherergebnis MitState(Eingabe& eingabe, Speichern speichern) {
  State& s = state();
  masterdata::SpeicherKontext kontext{s.enterprise.AktuellerBetrieb, s.selection.Bearbeitungsmodus,
                                      s.selection.AktuelleUeberPNr};
  masterdata::StammdatenSpeicherergebnis ergebnis = speichern(kontext, eingabe);
  s.selection.Bearbeitungsmodus = kontext.Bearbeitungsmodus;
  return ergebnis;
}

}  // namespace

masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(const masterdata::KulturEingabe& eingabe) {
  return MitState(eingabe, masterdata::KulturSpeichern);
}
masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(const masterdata::StandortEingabe& eingabe) {
  return MitState(eingabe, masterdata::StandortSpeichern);
}
masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(masterdata::PersonalEingabe& eingabe) {
  return MitState(eingabe, masterdata::PersonalSpeichern);
}
masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(masterdata::TaetigkeitEingabe& eingabe) {
  return MitState(eingabe, masterdata::TaetigkeitSpeichern);
}

}  // namespace tolvar::mdlMorvin5
