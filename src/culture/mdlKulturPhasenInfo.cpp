#include "culture/mdlKulturPhasenInfo.h"

#include <string_view>

#include "culture/grid_values.h"
#include "culture/selection.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::mdlKulturPhasenInfo {
namespace {

constexpr std::string_view kTabelle = "KulturPhasen";

// A stored text field; Null gives "0" like an empty slot.
std::string Text(const db::Recordset& rs, std::string_view feld) {
  const db::Value& v = rs.Field(feld);
  return v.isNull() ? std::string("0") : v.text();
}

// A stored date cut to its day; Null or no date gives the zero date.
base::Date Tag(const db::Recordset& rs, std::string_view feld) {
  const auto d = rs.Field(feld).date();
  return d ? base::DateOnly(*d) : base::kZeroDate;
}

std::string ZelleOderNull(const std::string& text) { return text.empty() ? std::string("0") : text; }

void LeereSlots(std::vector<PhasenSatz>& liste, const PhasenSatz& leer) { liste.assign(kMaxPhasen + 1, leer); }

}  // namespace

PhasenSatz LeererLadeSlot() { return PhasenSatz{}; }

PhasenSatz LeererSpeicherSlot() {
  PhasenSatz p;
  p.Anfang = base::kNoDate;
  p.Ende = base::kNoDate;
  return p;
}

bool KulturPhasenLaden() {
  State& s = state();
  s.culture.AnzahlPhasen = 0;
  LeereSlots(s.culture.PhasenListe, LeererLadeSlot());
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  if (!kulturNr) return false;

  auto datenbank = db::Database::Open(s.enterprise.TolvarDatenbankPfad);
  if (!datenbank) return false;
  db::Recordset rs = datenbank->OpenTable(kTabelle, "\"Kulturnummer\" = ?", {db::Value(*kulturNr)});
  if (!rs.ok()) return false;

  std::vector<bool> belegt(kMaxPhasen + 1, false);
  // Table order: a later row with the same number replaces an earlier one.
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const auto nummer = base::ParseNumber(rs.Field("Phasennummer").text());
    if (!nummer) continue;
    const double n = base::Int(*nummer);
    if (n < 1 || n > kMaxPhasen) continue;
    const auto slot = static_cast<std::size_t>(n);
    PhasenSatz& p = s.culture.PhasenListe[slot];
    p.KP_ID = Text(rs, "KP_ID");
    p.Kulturnummer = Text(rs, "Kulturnummer");
    p.Phasennamen = Text(rs, "Phasennamen");
    p.Phasennummer = std::to_string(slot);
    p.AnzahlPflanzen = Text(rs, "AnzahlPflanzen");
    p.Anfang = Tag(rs, "Anfang");
    p.Ende = Tag(rs, "Ende");
    p.TT = Text(rs, "TT");
    p.NT = Text(rs, "NT");
    p.Intensitaet = Text(rs, "Intensitaet");
    p.Dauer = Text(rs, "Dauer");
    p.Flaeche = Text(rs, "Fläche");
    p.BruttoFlaeche = Text(rs, "BruttoFläche");
    belegt[slot] = true;
  }
  for (bool b : belegt) s.culture.AnzahlPhasen += b ? 1 : 0;
  return true;
}

namespace {

// Stores the grid rows as the culture's phases; `geloeschteKpId`, when not empty, names a
// stored row that is deleted first, in the same transaction.
bool Speichern(const std::vector<PhasenZeile>& zeilen, const std::string& geloeschteKpId) {
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  if (!kulturNr) return false;

  // Build the new phases first; nothing is changed when a row cannot be taken.
  std::vector<PhasenSatz> neu(1, LeererSpeicherSlot());
  for (const PhasenZeile& z : zeilen) {
    if (z[kSpalteName].empty()) continue;
    if (static_cast<int>(neu.size()) > kMaxPhasen) {
      data::ShowCritical("Eine Kultur hat höchstens 25 Kulturphasen. Die Kulturphasen wurden nicht gespeichert.");
      return false;
    }
    const int nr = static_cast<int>(neu.size());
    PhasenSatz p = LeererSpeicherSlot();
    p.Phasennummer = std::to_string(nr);
    p.Kulturnummer = *kulturNr;
    p.KP_ID = *kulturNr + "_" + std::to_string(nr);
    p.Phasennamen = z[kSpalteName];
    p.AnzahlPflanzen = ZelleOderNull(z[kSpalteMenge]);
    p.Flaeche = ZelleOderNull(z[kSpalteFlaeche]);
    p.TT = ZelleOderNull(z[kSpalteTT]);
    p.NT = ZelleOderNull(z[kSpalteNT]);
    p.Intensitaet = ZelleOderNull(z[kSpalteLicht]);
    p.Dauer = ZelleOderNull(z[kSpalteDauer]);
    p.BruttoFlaeche = ZelleOderNull(z[kSpalteBrutto]);
    const bool ohneBeginn = base::Trim(z[kSpalteBeginn]).empty();
    const bool ohneEnde = base::Trim(z[kSpalteEnde]).empty();
    const auto beginn = ohneBeginn ? std::optional<base::Date>(base::Today()) : culture::GitterDatum(z[kSpalteBeginn]);
    const auto ende = ohneEnde ? std::optional<base::Date>() : culture::GitterDatum(z[kSpalteEnde]);
    if (!beginn || (!ohneEnde && !ende)) {
      data::ShowCritical("Beginn oder Ende der Kulturphase \"" + p.Phasennamen +
                         "\" ist kein gültiges Datum. Die Kulturphasen wurden nicht gespeichert.");
      return false;
    }
    p.Anfang = base::DateOnly(*beginn);
    p.Ende = ende ? base::DateOnly(*ende) : p.Anfang + 1;
    neu.push_back(std::move(p));
  }

  State& s = state();
  std::string grund;
  auto datenbank = db::Database::Open(s.enterprise.TolvarDatenbankPfad, &grund);
  bool ok = datenbank != nullptr;
  if (ok) {
    db::Transaction tx = datenbank->BeginTransaction();
    ok = tx.active();
    if (ok && !geloeschteKpId.empty()) {
      ok = datenbank->Execute(
          "DELETE FROM \"KulturPhasen\" WHERE rowid = (SELECT min(rowid) FROM \"KulturPhasen\" WHERE \"KP_ID\" = ?)",
          {db::Value(geloeschteKpId)});
    }
    ok = ok && datenbank->Execute("DELETE FROM \"KulturPhasen\" WHERE \"Kulturnummer\" = ?", {db::Value(*kulturNr)});
    for (std::size_t n = 1; ok && n < neu.size(); ++n) {
      const PhasenSatz& p = neu[n];
      ok = datenbank->Execute(
          "INSERT INTO \"KulturPhasen\" (\"KP_ID\", \"Kulturnummer\", \"Phasennummer\", \"Phasennamen\", "
          "\"AnzahlPflanzen\", \"Anfang\", \"Ende\", \"TT\", \"NT\", \"Intensitaet\", \"Dauer\", \"Fläche\", "
          "\"BruttoFläche\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
          {db::Value(p.KP_ID), db::Value(p.Kulturnummer), db::Value(p.Phasennummer), db::Value(p.Phasennamen),
           db::Value(p.AnzahlPflanzen), db::Value::Day(p.Anfang), db::Value::Day(p.Ende), db::Value(p.TT),
           db::Value(p.NT), db::Value(p.Intensitaet), db::Value(p.Dauer), db::Value(p.Flaeche),
           db::Value(p.BruttoFlaeche)});
    }
    ok = ok && tx.Commit();
  }
  if (!ok) {
    if (datenbank && grund.empty()) grund = datenbank->LastError();
    data::ShowCritical(
        sys::Fehlermeldung("Die Kulturphasen konnten nicht gespeichert werden. Die gespeicherten Kulturphasen "
                           "bleiben unverändert.",
                           grund));
    return false;
  }

  LeereSlots(s.culture.PhasenListe, LeererSpeicherSlot());
  for (std::size_t n = 1; n < neu.size(); ++n) s.culture.PhasenListe[n] = neu[n];
  s.culture.AnzahlPhasen = static_cast<int>(neu.size()) - 1;
  return true;
}

}  // namespace

bool KulturphasenSpeichern(const std::vector<PhasenZeile>& zeilen) { return Speichern(zeilen, std::string()); }

bool KulturphaseLoeschen(const std::vector<PhasenZeile>& verbleibend) {
  const State& s = state();
  std::string kpId;
  if (const PhasenSatz* p = At(s.culture.PhasenListe, s.selection.PhasenIndex);
      p != nullptr && s.selection.PhasenIndex >= 1 && s.selection.PhasenIndex <= kMaxPhasen) {
    kpId = p->KP_ID;
  }
  if (kpId == "0") kpId.clear();
  return Speichern(verbleibend, kpId);
}

}  // namespace tolvar::mdlKulturPhasenInfo
