#include "culture/mdlKulturPhasenInfo.h"

#include <string_view>

#include "base/field_rules.h"
#include "culture/grid_values.h"
#include "culture/selection.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"

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
  if (!datenbank || !culture::SpaltenVorhanden(*datenbank, kTabelle, kKulturPhasenSpalten)) return false;
  db::Recordset rs = datenbank->OpenTable(kTabelle, "\"Kulturnummer\" = ?", {db::Value(*kulturNr)});
  if (!rs.ok()) return false;

  std::vector<bool> belegt(kMaxPhasen + 1, false);
  // A phase number that is no number, or a date that is no date, is a row that cannot be
  // read: the windows show what was read, and the load fails, so that no cost is worked out
  // without the row or over days counted from the zero date.
  const auto unlesbar = [](const db::Value& v, bool datum) {
    return !v.isNull() && !base::Trim(v.text()).empty() && !(datum ? v.date().has_value() : v.number().has_value());
  };
  bool gelesen = true;
  // Table order: a later row with the same number replaces an earlier one.
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (unlesbar(rs.Field("Phasennummer"), false) || unlesbar(rs.Field("Anfang"), true) ||
        unlesbar(rs.Field("Ende"), true)) {
      gelesen = false;
    }
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
  return gelesen;
}

namespace {

// The rules of the number cells the saver writes, one per grid column, with the column's name
// as a message gives it. An empty cell stores "0" ("0" when not entered).
struct Phasenspalte {
  PhasenSpalte spalte;
  std::string_view titel;
  base::Feldregel regel;
};
// The rules are those of the stored columns (data/records_culture.h).
constexpr Phasenspalte kPhasenRegeln[] = {
    {kSpalteMenge, "Menge", kPhasenMengeRegel},
    {kSpalteFlaeche, "Fläche (Nm²)", kPhasenFlaecheRegel},
    {kSpalteTT, "TT °C", kPhasenTTRegel},
    {kSpalteNT, "NT °C", kPhasenNTRegel},
    {kSpalteLicht, "Zusatzbelichtung (W/Nm²)", kPhasenLichtRegel},
    {kSpalteDauer, "Zusatzbelichtung (h)", kPhasenDauerRegel},
    {kSpalteBrutto, "Bruttofläche (Nm²)", kPhasenBruttoRegel},
};

// The date a Beginn or Ende cell stores; nullopt for a text that is no date. An empty Beginn
// is today, an empty Ende the day after `beginn`.
std::optional<base::Date> Beginn(const std::string& zelle) {
  if (base::Trim(zelle).empty()) return base::DateOnly(base::Today());
  const auto d = culture::GitterDatum(zelle);
  return d ? std::optional<base::Date>(base::DateOnly(*d)) : std::nullopt;
}
std::optional<base::Date> Ende(const std::string& zelle, base::Date beginn) {
  if (base::Trim(zelle).empty()) return beginn + 1;
  const auto d = culture::GitterDatum(zelle);
  return d ? std::optional<base::Date>(base::DateOnly(*d)) : std::nullopt;
}

}  // namespace

const base::Feldregel* Spaltenregel(int spalte) {
  for (const Phasenspalte& s : kPhasenRegeln) {
    if (s.spalte == spalte) return &s.regel;
  }
  return nullptr;
}

std::optional<Phasenverweigerung> PhasenzeilenVerweigerung(const std::vector<PhasenZeile>& zeilen) {
  using Verweigerung = Phasenverweigerung;
  int benannt = 0;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const PhasenZeile& z = zeilen[i];
    const int r = static_cast<int>(i) + 1;
    if (z[kSpalteName].empty()) continue;
    if (++benannt > kMaxPhasen) {
      return Verweigerung{{r, kSpalteName},
                          "Eine Kultur hat höchstens 25 Kulturphasen. Die Kulturphasen wurden nicht gespeichert."};
    }
    const std::string phase = "der Kulturphase \"" + z[kSpalteName] + "\"";
    for (const Phasenspalte& s : kPhasenRegeln) {
      if (base::FeldGueltig(s.regel, z[static_cast<std::size_t>(s.spalte)])) continue;
      return Verweigerung{{r, s.spalte},
                          "Der Wert für \"" + std::string(s.titel) + "\" " + phase + " muss eine " +
                              (s.regel.ganz ? "ganze " : "") + "Zahl " + base::BereichText(s.regel.bereich) + " sein." +
                              base::Tausenderpunkthinweis(z[static_cast<std::size_t>(s.spalte)]) +
                              " Die Kulturphasen wurden nicht gespeichert."};
    }
    const auto beginn = Beginn(z[kSpalteBeginn]);
    const int datumsspalte = !beginn ? kSpalteBeginn : (!Ende(z[kSpalteEnde], *beginn) ? kSpalteEnde : -1);
    if (datumsspalte >= 0) {
      return Verweigerung{
          {r, datumsspalte},
          "Beginn oder Ende " + phase + " ist kein gültiges Datum. Die Kulturphasen wurden nicht gespeichert."};
    }
  }
  return std::nullopt;
}

namespace {

// The stored text of a number cell under its column's rule (the check has passed).
std::string Gespeichert(const PhasenZeile& z, PhasenSpalte spalte) {
  for (const Phasenspalte& s : kPhasenRegeln) {
    if (s.spalte == spalte) return base::FeldText(s.regel, z[static_cast<std::size_t>(spalte)]).value_or("0");
  }
  return z[static_cast<std::size_t>(spalte)];
}

}  // namespace

std::vector<PhasenSatz> PhasenAusZeilen(const std::vector<PhasenZeile>& zeilen, const std::string& kulturNr) {
  std::vector<PhasenSatz> neu(1, LeererSpeicherSlot());
  for (const PhasenZeile& z : zeilen) {
    if (z[kSpalteName].empty()) continue;
    const int nr = static_cast<int>(neu.size());
    PhasenSatz p = LeererSpeicherSlot();
    p.Phasennummer = std::to_string(nr);
    p.Kulturnummer = kulturNr;
    p.KP_ID = kulturNr + "_" + std::to_string(nr);
    p.Phasennamen = z[kSpalteName];
    p.AnzahlPflanzen = Gespeichert(z, kSpalteMenge);
    p.Flaeche = Gespeichert(z, kSpalteFlaeche);
    p.TT = Gespeichert(z, kSpalteTT);
    p.NT = Gespeichert(z, kSpalteNT);
    p.Intensitaet = Gespeichert(z, kSpalteLicht);
    p.Dauer = Gespeichert(z, kSpalteDauer);
    p.BruttoFlaeche = Gespeichert(z, kSpalteBrutto);
    p.Anfang = Beginn(z[kSpalteBeginn]).value_or(base::kNoDate);
    p.Ende = Ende(z[kSpalteEnde], p.Anfang).value_or(base::kNoDate);
    neu.push_back(std::move(p));
  }
  return neu;
}

bool PhasenSchreiben(db::Database& datenbank, const std::string& kulturNr, const std::vector<PhasenSatz>& neu,
                     const std::string& geloeschteKpId) {
  // The values in the order of the column list.
  static const std::string kEinfuegen = culture::EinfuegenSql(kTabelle, kKulturPhasenSpalten);
  bool ok = true;
  if (!geloeschteKpId.empty()) {
    ok = datenbank.Execute(
        "DELETE FROM \"KulturPhasen\" WHERE rowid = (SELECT min(rowid) FROM \"KulturPhasen\" WHERE \"KP_ID\" = ?)",
        {db::Value(geloeschteKpId)});
  }
  ok = ok && datenbank.Execute("DELETE FROM \"KulturPhasen\" WHERE \"Kulturnummer\" = ?", {db::Value(kulturNr)});
  for (std::size_t n = 1; ok && n < neu.size(); ++n) {
    const PhasenSatz& p = neu[n];
    ok = datenbank.Execute(
        kEinfuegen, {db::Value(p.KP_ID), db::Value(p.Kulturnummer), db::Value(p.Phasennummer), db::Value(p.Phasennamen),
                     db::Value(p.AnzahlPflanzen), db::Value::Day(p.Anfang), db::Value::Day(p.Ende), db::Value(p.TT),
                     db::Value(p.NT), db::Value(p.Intensitaet), db::Value(p.Dauer), db::Value(p.Flaeche),
                     db::Value(p.BruttoFlaeche)});
  }
  return ok;
}

void PhasenUebernehmen(const std::vector<PhasenSatz>& neu) {
  State& s = state();
  LeereSlots(s.culture.PhasenListe, LeererSpeicherSlot());
  for (std::size_t n = 1; n < neu.size(); ++n) s.culture.PhasenListe[n] = neu[n];
  s.culture.AnzahlPhasen = static_cast<int>(neu.size()) - 1;
}

namespace {

// Stores the grid rows as the culture's phases; `geloeschteKpId`, when not empty, names a
// stored row that is deleted first, in the same transaction.
bool Speichern(const std::vector<PhasenZeile>& zeilen, const std::string& geloeschteKpId,
               const culture::ZellenMalen& malen) {
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  if (!kulturNr) return false;
  // Every cell is checked before anything is written.
  if (PhasenzeilenPruefen(zeilen, malen)) return false;
  const std::vector<PhasenSatz> neu = PhasenAusZeilen(zeilen, *kulturNr);

  std::string grund;
  auto datenbank = db::Database::Open(state().enterprise.TolvarDatenbankPfad, &grund);
  bool ok = datenbank != nullptr;
  if (ok) {
    db::Transaction tx = datenbank->BeginTransaction();
    ok = tx.active() && PhasenSchreiben(*datenbank, *kulturNr, neu, geloeschteKpId) && tx.Commit();
  }
  if (!ok) {
    if (datenbank && grund.empty()) grund = datenbank->LastError();
    data::ShowCritical(
        data::Datenbankfehler("Die Kulturphasen konnten nicht gespeichert werden. Die gespeicherten Kulturphasen "
                              "bleiben unverändert.",
                              "Tolvar-Datenbank", state().enterprise.TolvarDatenbankPfad, grund));
    return false;
  }
  PhasenUebernehmen(neu);
  return true;
}

}  // namespace

std::optional<culture::Zelle> PhasenzeilenPruefen(const std::vector<PhasenZeile>& zeilen,
                                                  const culture::ZellenMalen& malen) {
  const std::optional<Phasenverweigerung> v = PhasenzeilenVerweigerung(zeilen);
  if (!v) return std::nullopt;
  // Red before the message shows.
  if (malen) malen({v->zelle});
  data::ShowCritical(v->meldung);
  return v->zelle;
}

bool KulturphasenSpeichern(const std::vector<PhasenZeile>& zeilen, const culture::ZellenMalen& malen) {
  return Speichern(zeilen, std::string(), malen);
}

bool KulturphaseLoeschen(const std::vector<PhasenZeile>& verbleibend, const culture::ZellenMalen& malen) {
  const State& s = state();
  std::string kpId;
  if (const PhasenSatz* p = At(s.culture.PhasenListe, s.selection.PhasenIndex);
      p != nullptr && s.selection.PhasenIndex >= 1 && s.selection.PhasenIndex <= kMaxPhasen) {
    kpId = p->KP_ID;
  }
  if (kpId == "0") kpId.clear();
  return Speichern(verbleibend, kpId, malen);
}

}  // namespace tolvar::mdlKulturPhasenInfo
