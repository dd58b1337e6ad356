#include "masterdata/mdlLoeschen.h"

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::masterdata {

namespace {

using db::QuoteIdentifier;

LoeschErgebnis Fehler(const std::string& pfad, std::string grund) {
  LoeschErgebnis e;
  e.ok = false;
  e.fehler = std::move(grund);
  e.datenbank = pfad;
  return e;
}

// One database opened for a deletion, with the stored spelling of the tables it needs.
class Loeschung {
 public:
  // Opens the database and checks that every table in `tabellen` exists.
  Loeschung(const std::string& pfad, std::initializer_list<std::string_view> tabellen) : pfad_(pfad) {
    std::string grund;
    if (pfad.empty()) {
      ergebnis_ = Fehler(pfad, "Es ist keine Datenbank angegeben.");
      return;
    }
    database_ = db::Database::Open(pfad, &grund);
    if (!database_) {
      ergebnis_ = Fehler(pfad, sys::Fehlermeldung("Die Datenbank kann nicht geöffnet werden.", grund));
      return;
    }
    for (std::string_view tabelle : tabellen) {
      std::optional<std::string> name = database_->TableName(tabelle);
      if (!name) {
        ergebnis_ = Fehler(pfad, "Die Tabelle \"" + std::string(tabelle) + "\" fehlt.");
        return;
      }
      namen_.push_back(*name);
    }
  }

  bool ok() const { return ergebnis_.ok; }
  const LoeschErgebnis& Ergebnis() const { return ergebnis_; }
  // Quoted stored name of the i-th table given to the constructor.
  std::string Tabelle(std::size_t i) const { return QuoteIdentifier(namen_[i]); }

  // Runs `statements` (each with the key bound to every ?1) in one transaction; on any
  // failure nothing of them stays.
  LoeschErgebnis Ausfuehren(const std::vector<std::string>& statements, const std::string& key) {
    db::Transaction transaktion = database_->BeginTransaction();
    if (!transaktion.active()) {
      return Fehler(pfad_, sys::Fehlermeldung("Die Änderung kann nicht begonnen werden.", database_->LastError()));
    }
    for (const std::string& sql : statements) {
      if (!database_->Execute(sql, {db::Value(key)})) {
        const std::string grund = database_->LastError();
        transaktion.Rollback();
        return Fehler(pfad_, sys::Fehlermeldung("Die Zeilen können nicht gelöscht werden.", grund));
      }
    }
    if (!transaktion.Commit()) {
      const std::string grund = database_->LastError();
      transaktion.Rollback();
      return Fehler(pfad_, sys::Fehlermeldung("Die Änderung kann nicht gespeichert werden.", grund));
    }
    return {};
  }

 private:
  std::string pfad_;
  std::unique_ptr<db::Database> database_;
  std::vector<std::string> namen_;
  LoeschErgebnis ergebnis_;
};

std::string Gleich(std::string_view spalte) { return QuoteIdentifier(spalte) + " = ?1"; }

std::string DeleteWhere(const std::string& tabelle, std::string_view spalte) {
  return "DELETE FROM " + tabelle + " WHERE " + Gleich(spalte);
}

}  // namespace

LoeschErgebnis KulturDatenLoeschen(const std::string& tolvarPfad, const std::string& kulturNr) {
  Loeschung l(tolvarPfad, {"KulturPhasen", "Material"});
  if (!l.ok()) return l.Ergebnis();
  return l.Ausfuehren({DeleteWhere(l.Tabelle(0), "Kulturnummer"), DeleteWhere(l.Tabelle(1), "KulturNr")}, kulturNr);
}

LoeschErgebnis StandortDatenLoeschen(const std::string& tolvarPfad, const std::string& standortNr) {
  Loeschung l(tolvarPfad, {"Vantel"});
  if (!l.ok()) return l.Ergebnis();
  return l.Ausfuehren({DeleteWhere(l.Tabelle(0), "StandortNr")}, standortNr);
}

LoeschErgebnis TaetigkeitDatenLoeschen(const std::string& tolvarPfad, const std::string& taetigkeitNr) {
  Loeschung l(tolvarPfad, {"ArbeitMaterial"});
  if (!l.ok()) return l.Ergebnis();
  return l.Ausfuehren({DeleteWhere(l.Tabelle(0), "TaetigkeitNr")}, taetigkeitNr);
}

LoeschErgebnis MaterialDatenLoeschen(const std::string& tolvarPfad, const std::string& materialPfad,
                                     const std::string& materialNr) {
  {
    // The culture rows go first; when they cannot, the material stays so that no culture
    // names a material that no longer exists.
    Loeschung l(tolvarPfad, {"Material"});
    if (!l.ok()) return l.Ergebnis();
    LoeschErgebnis e = l.Ausfuehren({DeleteWhere(l.Tabelle(0), "MaNr")}, materialNr);
    if (!e.ok) return e;
  }
  Loeschung l(materialPfad, {"Material", "Gefaesse", "TopfSubstrat"});
  if (!l.ok()) return l.Ergebnis();
  const std::string material = l.Tabelle(0);
  const std::string topfSubstrat = l.Tabelle(2);
  // A combination is, or uses, the material when any of its three numbers equals the key.
  const std::string kombination =
      "(" + Gleich("MaterialNr") + " OR " + Gleich("TopfNr") + " OR " + Gleich("SubstratNr") + ")";
  const std::string mnr = QuoteIdentifier("MaterialNr");
  return l.Ausfuehren(
      {
          DeleteWhere(material, "MaterialNr"),
          DeleteWhere(l.Tabelle(1), "MaterialNr"),
          // The combinations' own material rows, before the combinations themselves; a
          // combination without a number (Null or empty) names no material row.
          "DELETE FROM " + material + " WHERE " + mnr + " IN (SELECT " + mnr + " FROM " + topfSubstrat + " WHERE " +
              kombination + " AND " + mnr + " IS NOT NULL AND " + mnr + " <> '')",
          "DELETE FROM " + topfSubstrat + " WHERE " + kombination,
      },
      materialNr);
}

std::string LoeschFehlerText(const LoeschErgebnis& ergebnis) {
  return "Die Daten konnten nicht gelöscht werden. " + ergebnis.fehler + "\n\nDie Datenbank \"" + ergebnis.datenbank +
         "\" ist unverändert geblieben.";
}

}  // namespace tolvar::masterdata

namespace tolvar::mdlLoeschen {

namespace {

// The key of the selected element, or nullopt when the index lies outside the list.
template <typename Satz>
std::optional<std::string> Schluessel(const std::vector<Satz>& liste, int index, std::string Satz::*feld) {
  const Satz* satz = At(liste, index);
  if (satz == nullptr) return std::nullopt;
  return satz->*feld;
}

bool Melden(const masterdata::LoeschErgebnis& ergebnis) {
  if (!ergebnis.ok) data::ShowCritical(masterdata::LoeschFehlerText(ergebnis));
  return ergebnis.ok;
}

}  // namespace

bool KulturDatenLoeschen() {
  const State& s = state();
  const auto key = Schluessel(s.masters.KulturListe, s.selection.KulturIndex, &KulturSatz::KulturNr);
  if (!key) return true;
  return Melden(masterdata::KulturDatenLoeschen(s.enterprise.TolvarDatenbankPfad, *key));
}

bool StandortDatenLoeschen() {
  const State& s = state();
  const auto key = Schluessel(s.masters.StandortListe, s.selection.StandortIndex, &StandortSatz::StandortNr);
  if (!key) return true;
  return Melden(masterdata::StandortDatenLoeschen(s.enterprise.TolvarDatenbankPfad, *key));
}

bool TaetigkeitDatenLoeschen() {
  const State& s = state();
  const auto key =
      Schluessel(s.masters.StdTaetigkeitListe, s.selection.StdTaetigkeitIndex, &StdTaetigkeitSatz::StdTaetigkeitNr);
  if (!key) return true;
  return Melden(masterdata::TaetigkeitDatenLoeschen(s.enterprise.TolvarDatenbankPfad, *key));
}

bool MaterialDatenLoeschen() {
  const State& s = state();
  const auto key = Schluessel(s.masters.MaterialListe, s.selection.MaterialIndex, &MaterialSatz::MaterialNr);
  if (!key) return true;
  return Melden(masterdata::MaterialDatenLoeschen(s.enterprise.TolvarDatenbankPfad,
                                                  s.enterprise.AktuelleEinstellungen.MaterialPfad, *key));
}

}  // namespace tolvar::mdlLoeschen
