#include "culture/mdlStandorte2.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "base/field_rules.h"
#include "culture/selection.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlStandorte2 {
namespace {

constexpr std::string_view kMeldungEingabePruefen = "Bitte prüfen sie die Eingabe.";

// The occupied net area in Nm², stored as typed (a number with a decimal comma); an empty
// cell is refused.
constexpr base::Feldregel kFlaecheRegel{.feld = "Fläche (Nm²)", .bereich = {}};

std::string FlaecheMeldung(const StandortZeile& z) {
  return "Die Fläche des Standorts \"" + z.StandortName + "\" muss eine Zahl " +
         base::BereichText(kFlaecheRegel.bereich) + " Nm² sein." + base::Tausenderpunkthinweis(z.Flaeche);
}

bool Gefuellt(const PhasenSatz& p) { return !p.KP_ID.empty() && p.KP_ID != "0"; }

// A stored day; Null or no date is missing.
std::optional<base::Date> Tag(const db::Value& v) {
  if (v.isNull()) return std::nullopt;
  const auto d = v.date();
  if (!d) return std::nullopt;
  return base::DateOnly(*d);
}

// A stored text where Null and "0" mean missing ("0").
std::string TextOderNull(const db::Value& v) {
  if (v.isNull()) return "0";
  std::string t = v.text();
  return t.empty() ? std::string("0") : t;
}

// The site number of a grid row: the kept one, else the last site of StandortListe with
// the row's name; empty when there is none.
std::string StandortNrVon(const MasterLists& stamm, const StandortZeile& z) {
  if (!z.StandortNr.empty() && z.StandortNr != "0") return z.StandortNr;
  std::string nr;
  for (const StandortSatz& s : stamm.StandortListe) {
    if (s.Standortname == z.StandortName && !s.StandortNr.empty()) nr = s.StandortNr;
  }
  return nr;
}

bool Leer(const std::string& text) { return base::Trim(text).empty(); }

}  // namespace

KulturStandortSatz FreierSlot(const std::string& kulturNr) {
  KulturStandortSatz k;
  k.KulturNr = kulturNr;
  return k;
}

std::optional<std::pair<base::Date, base::Date>> Phasenbereich(const CultureData& kultur) {
  const int letzte = std::min(kultur.AnzahlPhasen, static_cast<int>(kultur.PhasenListe.size()) - 1);
  const PhasenSatz* erste = nullptr;
  const PhasenSatz* letzter = nullptr;
  for (int n = 1; n <= letzte; ++n) {
    const PhasenSatz& p = kultur.PhasenListe[static_cast<std::size_t>(n)];
    if (!Gefuellt(p)) continue;
    if (!erste) erste = &p;
    letzter = &p;
  }
  if (!erste) return std::nullopt;
  return std::make_pair(base::DateOnly(erste->Anfang), base::DateOnly(letzter->Ende));
}

bool ImPhasenbereich(std::optional<base::Date> beginn, std::optional<base::Date> ende, base::Date fa, base::Date le) {
  if (beginn && *beginn >= fa) return *beginn <= le;
  return ende && *ende >= fa;
}

bool KulturStandorteLaden() {
  State& s = state();
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  const std::string nr = kulturNr.value_or("");
  s.culture.AnzahlKulturStandorte = 0;
  s.culture.KulturStandortListe.assign(1, FreierSlot(nr));
  const auto bereich = Phasenbereich(s.culture);
  if (!kulturNr || !bereich) return kulturNr.has_value();
  const auto [fa, le] = *bereich;

  auto morvin = db::Database::Open(s.enterprise.AktuellerBetrieb);
  auto tolvar = db::Database::Open(s.enterprise.TolvarDatenbankPfad);
  if (!morvin || !tolvar) return false;
  db::Recordset rs = morvin->Query(
      "SELECT \"StandortNr\", \"Beginn\", \"Ende\", \"Flaeche\" FROM \"KulturStandorte\" "
      "WHERE \"KulturNr\" = ? ORDER BY \"Beginn\", rowid",
      {db::Value(nr)});
  db::Recordset standorte = morvin->Query("SELECT \"StandortNr\", \"StandortName\" FROM \"Standort\" ORDER BY rowid");
  db::Recordset vantel = tolvar->Query("SELECT \"StandortNr\", \"Wege\" FROM \"Vantel\" ORDER BY rowid");
  if (!rs.ok() || !standorte.ok() || !vantel.ok()) return false;

  // Path share of the first Vantel row and name of the last Standort row per site number.
  std::unordered_map<std::string, std::string> wege;
  for (vantel.MoveFirst(); !vantel.Eof(); vantel.MoveNext()) {
    wege.emplace(vantel.Field(0).text(), vantel.Field(1).isNull() ? std::string("0") : vantel.Field(1).text());
  }
  std::unordered_map<std::string, std::string> namen;
  for (standorte.MoveFirst(); !standorte.Eof(); standorte.MoveNext()) {
    namen[standorte.Field(0).text()] = standorte.Field(1).text();
  }

  std::vector<KulturStandortSatz> liste;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const std::string standortNr = TextOderNull(rs.Field("StandortNr"));
    if (standortNr == "0") continue;
    const auto beginn = Tag(rs.Field("Beginn"));
    const auto ende = Tag(rs.Field("Ende"));
    if (!ImPhasenbereich(beginn, ende, fa, le)) continue;

    KulturStandortSatz k = FreierSlot(nr);
    k.StandortNr = standortNr;
    k.Flaeche = TextOderNull(rs.Field("Flaeche"));
    // Clipped to the phase range; a missing date stays 01.01.1900.
    if (beginn) k.Beginn = std::max(*beginn, fa);
    if (ende) k.Ende = std::min(*ende, le);
    if (const auto it = wege.find(standortNr); it != wege.end()) k.Wege = it->second;
    if (const auto it = namen.find(standortNr); it != namen.end()) k.StandortName = it->second;
    liste.push_back(std::move(k));
  }
  liste.push_back(FreierSlot(nr));
  s.culture.KulturStandortListe = std::move(liste);
  s.culture.AnzahlKulturStandorte = static_cast<int>(s.culture.KulturStandortListe.size()) - 1;
  return true;
}

std::vector<StandortZeile> KulturStandorteTabelle(const CultureData& kultur) {
  std::vector<StandortZeile> zeilen;
  for (const KulturStandortSatz& k : UsedSlots(kultur.KulturStandortListe, kultur.AnzahlKulturStandorte)) {
    if (k.StandortNr.empty() || k.StandortNr == "0") continue;
    StandortZeile z;
    z.StandortName = (k.StandortName.empty() || k.StandortName == "0") ? k.StandortNr : k.StandortName;
    z.StandortNr = k.StandortNr;
    z.Flaeche = k.Flaeche;
    z.Beginn = culture::GitterDatumText(k.Beginn);
    z.Ende = culture::GitterDatumText(k.Ende);
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

culture::Pruefergebnis KulturStandorteEingabePruefen(const std::vector<StandortZeile>& zeilen, CultureData& kultur,
                                                     const MasterLists& stamm, const culture::ZellenMalen& malen) {
  kultur.EingabeOk = true;
  culture::Pruefergebnis ergebnis;
  auto fehler = [&](std::vector<culture::Zelle> rot, std::string_view meldung = kMeldungEingabePruefen) {
    ergebnis.Ok = false;
    ergebnis.RoteZellen = std::move(rot);
    kultur.EingabeOk = false;
    if (malen) malen(ergebnis.RoteZellen);
    data::ShowCritical(meldung);
    return ergebnis;
  };
  std::size_t anzahl = 0;
  while (anzahl < zeilen.size() && !zeilen[anzahl].StandortName.empty()) ++anzahl;

  // Completeness and readable values first, then the dates against each other and the phases.
  for (std::size_t i = 0; i < anzahl; ++i) {
    const StandortZeile& z = zeilen[i];
    const int r = static_cast<int>(i) + 1;
    if (Leer(z.Flaeche)) return fehler({{r, kSpalteFlaeche}});
    if (Leer(z.Beginn)) return fehler({{r, kSpalteBeginn}});
    if (Leer(z.Ende)) return fehler({{r, kSpalteEnde}});
  }
  for (std::size_t i = 0; i < anzahl; ++i) {
    const StandortZeile& z = zeilen[i];
    const int r = static_cast<int>(i) + 1;
    if (StandortNrVon(stamm, z).empty()) return fehler({{r, kSpalteStandort}});
    if (!base::IsNumber(z.Flaeche)) return fehler({{r, kSpalteFlaeche}});
    if (!base::FeldGueltig(kFlaecheRegel, z.Flaeche)) return fehler({{r, kSpalteFlaeche}}, FlaecheMeldung(z));
    if (!culture::GitterDatum(z.Beginn)) return fehler({{r, kSpalteBeginn}});
    if (!culture::GitterDatum(z.Ende)) return fehler({{r, kSpalteEnde}});
  }
  const auto bereich = Phasenbereich(kultur);
  for (std::size_t i = 0; i < anzahl; ++i) {
    const StandortZeile& z = zeilen[i];
    const int r = static_cast<int>(i) + 1;
    const base::Date b = base::DateOnly(*culture::GitterDatum(z.Beginn));
    const base::Date e = base::DateOnly(*culture::GitterDatum(z.Ende));
    if (b >= e) return fehler({{r, kSpalteBeginn}, {r, kSpalteEnde}});
    if (bereich && b < bereich->first) return fehler({{r, kSpalteBeginn}});
    if (bereich && e > bereich->second) return fehler({{r, kSpalteEnde}});
  }
  return ergebnis;
}

bool KulturStandorteSpeichern(const std::vector<StandortZeile>& zeilen) {
  State& s = state();
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  if (!kulturNr) return false;

  std::vector<KulturStandortSatz> neu;
  for (const StandortZeile& z : zeilen) {
    if (z.StandortName.empty()) break;
    KulturStandortSatz k = FreierSlot(*kulturNr);
    k.StandortName = z.StandortName;
    k.StandortNr = StandortNrVon(s.masters, z);
    k.Flaeche = z.Flaeche;
    const auto beginn = culture::GitterDatum(z.Beginn);
    const auto ende = culture::GitterDatum(z.Ende);
    if (!base::FeldGueltig(kFlaecheRegel, z.Flaeche)) {
      data::ShowCritical(FlaecheMeldung(z) + " Die Standorte wurden nicht gespeichert.");
      return false;
    }
    if (k.StandortNr.empty() || !beginn || !ende) {
      data::ShowCritical("Der Standort \"" + z.StandortName +
                         "\" hat keine gültige Standortnummer oder kein gültiges Datum. "
                         "Die Standorte wurden nicht gespeichert.");
      return false;
    }
    k.Beginn = base::DateOnly(*beginn);
    k.Ende = base::DateOnly(*ende);
    neu.push_back(std::move(k));
  }

  const auto bereich = Phasenbereich(s.culture);
  std::string grund;
  auto datenbank = db::Database::Open(s.enterprise.AktuellerBetrieb, &grund);
  bool ok = datenbank != nullptr;
  if (ok) {
    db::Transaction tx = datenbank->BeginTransaction();
    // Only the rows a load shows are replaced; the culture's other rows stay.
    db::Recordset alt = datenbank->OpenTable("KulturStandorte", "\"KulturNr\" = ?", {db::Value(*kulturNr)});
    ok = alt.ok();
    for (alt.MoveFirst(); ok && !alt.Eof();) {
      const bool ersetzen =
          bereich && TextOderNull(alt.Field("StandortNr")) != "0" &&
          ImPhasenbereich(Tag(alt.Field("Beginn")), Tag(alt.Field("Ende")), bereich->first, bereich->second);
      if (ersetzen) {
        ok = alt.Delete();
      } else {
        alt.MoveNext();
      }
    }
    for (std::size_t i = 0; ok && i < neu.size(); ++i) {
      const KulturStandortSatz& k = neu[i];
      ok = datenbank->Execute(
          "INSERT INTO \"KulturStandorte\" (\"KulturNr\", \"StandortNr\", \"Flaeche\", \"Beginn\", \"Ende\") "
          "VALUES (?, ?, ?, ?, ?)",
          {db::Value(k.KulturNr), db::Value(k.StandortNr), db::Value(k.Flaeche), db::Value::Day(k.Beginn),
           db::Value::Day(k.Ende)});
    }
    ok = ok && tx.Commit();
  }
  if (!ok) {
    if (datenbank && grund.empty()) grund = datenbank->LastError();
    data::ShowCritical(
        data::Datenbankfehler("Die Standorte der Kultur konnten nicht gespeichert werden. Die gespeicherten "
                              "Standorte bleiben unverändert.",
                              "Morvin5-Datenbank", s.enterprise.AktuellerBetrieb, grund));
    return false;
  }
  neu.push_back(FreierSlot(*kulturNr));
  s.culture.KulturStandortListe = std::move(neu);
  s.culture.AnzahlKulturStandorte = static_cast<int>(s.culture.KulturStandortListe.size()) - 1;
  return true;
}

}  // namespace tolvar::mdlStandorte2
