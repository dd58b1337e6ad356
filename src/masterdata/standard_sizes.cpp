#include "masterdata/standard_sizes.h"

#include <memory>
#include <set>

#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::masterdata {

namespace {

using db::QuoteIdentifier;

const std::string kTabelle = "Standardgroessen";

std::unique_ptr<db::Database> Oeffnen() {
  std::string grund;
  std::unique_ptr<db::Database> database =
      db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad, &grund);
  if (!database)
    data::ShowCritical(data::Datenbankfehler("Die Materialdatenbank kann nicht geöffnet werden.", "Materialdatenbank",
                                             state().enterprise.AktuelleEinstellungen.MaterialPfad, grund));
  return database;
}

void Melden(const std::string& grund) {
  data::ShowCritical(data::Datenbankfehler("Die Standardgröße wurde nicht gespeichert.", "Materialdatenbank",
                                           state().enterprise.AktuelleEinstellungen.MaterialPfad, grund));
}

bool Anhaengen(db::Database& database, const std::string& bezeichnung, const std::string& volumen, std::string* grund) {
  db::Recordset rs = database.OpenTable(kTabelle);
  const bool ok = rs.ok() && rs.AddNew() && rs.SetField("Bezeichnung", bezeichnung) &&
                  rs.SetField("Volumen", volumen) && rs.Update();
  if (!ok) *grund = rs.error();
  return ok;
}

// The rows equal to the pair, in table order.
db::Recordset Gleiche(db::Database& database, const std::string& bezeichnung, const std::string& volumen) {
  return database.OpenTable(kTabelle,
                            QuoteIdentifier("Bezeichnung") + " = ? AND " + QuoteIdentifier("Volumen") + " = ?",
                            {db::Value(bezeichnung), db::Value(volumen)});
}

void Leeren(VolumenFormular* f) {
  f->txtBezeichnung.clear();
  f->txtVolumen.clear();
  f->tmpBezeichnung.clear();
  f->tmpVolumen.clear();
}

}  // namespace

std::optional<std::vector<StandardgroesseSatz>> StandardgroessenLaden() {
  std::unique_ptr<db::Database> database = db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad);
  if (!database) return std::nullopt;
  db::Recordset rs = database->OpenTable(kTabelle);
  if (!rs.ok()) return std::nullopt;
  std::vector<StandardgroesseSatz> groessen;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    groessen.push_back({rs.Field("Bezeichnung").text(), rs.Field("Volumen").text()});
  }
  return groessen;
}

std::vector<VolumenKnoten> VolumenKnotenBilden(const std::vector<StandardgroesseSatz>& groessen) {
  std::vector<VolumenKnoten> knoten;
  std::set<std::string> vergeben{kVolumenWurzelSchluessel};
  for (const StandardgroesseSatz& g : groessen) {
    const std::string basis = g.Bezeichnung + g.Volumen;
    std::string schluessel = basis;
    for (int n = 2; vergeben.count(schluessel) > 0; ++n) schluessel = basis + "#" + std::to_string(n);
    vergeben.insert(schluessel);
    knoten.push_back({schluessel, g.Bezeichnung + "   " + g.Volumen + " Liter", g});
  }
  return knoten;
}

void GroesseAuswaehlen(VolumenFormular* f, const StandardgroesseSatz* groesse) {
  f->NeuesVolumen = false;
  if (groesse == nullptr) return;
  f->txtBezeichnung = groesse->Bezeichnung;
  f->txtVolumen = groesse->Volumen;
  f->tmpBezeichnung = f->txtBezeichnung;
  f->tmpVolumen = f->txtVolumen;
}

void VolumenNeu(VolumenFormular* f) {
  f->NeuesVolumen = true;
  f->txtBezeichnung.clear();
  f->txtVolumen.clear();
}

VolumenSpeicherStatus VolumenSpeichern(VolumenFormular* f) {
  if (f->txtBezeichnung.empty() || f->txtVolumen.empty()) return VolumenSpeicherStatus::Nichts;
  std::unique_ptr<db::Database> database = Oeffnen();
  if (!database) return VolumenSpeicherStatus::Fehler;
  std::string grund;

  if (f->NeuesVolumen) {
    db::Recordset rs = database->OpenTable(kTabelle);
    if (!rs.ok()) {
      Melden(rs.error());
      return VolumenSpeicherStatus::Fehler;
    }
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      if (rs.Field("Bezeichnung").text() != f->txtBezeichnung) continue;
      if (rs.Field("Volumen").text() == f->txtVolumen) return VolumenSpeicherStatus::Vorhanden;
      if (!data::AskYesNo(std::string("Die eingegebene Bezeichnung existiert bereits.") + "\n\r\n\r" +
                              "Wollen sie den selben Name für 2 unterschiedliche Gefäße vergeben?",
                          data::kMeldungTitel, /*questionIcon=*/false)) {
        return VolumenSpeicherStatus::Abgelehnt;
      }
    }
    if (!Anhaengen(*database, f->txtBezeichnung, f->txtVolumen, &grund)) {
      Melden(grund);
      return VolumenSpeicherStatus::Fehler;
    }
    f->NeuesVolumen = false;
    f->tmpBezeichnung = f->txtBezeichnung;
    f->tmpVolumen = f->txtVolumen;
    return VolumenSpeicherStatus::Hinzugefuegt;
  }

  db::Transaction transaktion = database->BeginTransaction();
  bool ok = transaktion.active();
  if (ok) {
    db::Recordset alt = Gleiche(*database, f->tmpBezeichnung, f->tmpVolumen);
    ok = alt.ok();
    if (ok && alt.RecordCount() > 0) {
      alt.MoveFirst();
      ok = alt.Delete();
    }
    if (!ok) grund = alt.error();
  }
  if (ok) {
    // The boxes' size is listed once at most: when another row holds it already, the change
    // only removes the replaced size.
    db::Recordset gleich = Gleiche(*database, f->txtBezeichnung, f->txtVolumen);
    ok = gleich.ok();
    if (!ok) grund = gleich.error();
    if (ok && gleich.RecordCount() == 0) ok = Anhaengen(*database, f->txtBezeichnung, f->txtVolumen, &grund);
  }
  if (!ok || !transaktion.Commit()) {
    if (grund.empty()) grund = database->LastError();
    transaktion.Rollback();
    Melden(grund);
    return VolumenSpeicherStatus::Fehler;
  }
  f->tmpBezeichnung = f->txtBezeichnung;
  f->tmpVolumen = f->txtVolumen;
  return VolumenSpeicherStatus::Geaendert;
}

bool VolumenLoeschen(VolumenFormular* f) {
  if (f->NeuesVolumen) {
    Leeren(f);
    return true;
  }
  std::unique_ptr<db::Database> database = Oeffnen();
  if (!database) return false;
  db::Recordset rs = Gleiche(*database, f->tmpBezeichnung, f->tmpVolumen);
  if (!rs.ok()) {
    data::ShowCritical(sys::Fehlermeldung("Die Standardgröße wurde nicht gelöscht.", rs.error()));
    return false;
  }
  if (rs.RecordCount() == 0) return true;
  rs.MoveFirst();
  if (!rs.Delete()) {
    data::ShowCritical(sys::Fehlermeldung("Die Standardgröße wurde nicht gelöscht.", rs.error()));
    return false;
  }
  f->NeuesVolumen = true;
  Leeren(f);
  return true;
}

}  // namespace tolvar::masterdata
