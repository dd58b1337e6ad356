#include "culture/mdlStandorte2.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "base/field_rules.h"
#include "culture/mdlBerrechnung_flaechen.h"
#include "culture/selection.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlStandorte2 {
namespace {

constexpr std::string_view kMeldungEingabePruefen = "Bitte prüfen sie die Eingabe.";

// The occupied net area in Nm², stored as typed (a number with a decimal comma); an empty
// cell is refused.
constexpr const base::Feldregel& kFlaecheRegel = kBelegungFlaecheRegel;

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

// The path share of each site: Wege of its first Vantel row ("0" for Null); nullopt when the
// table cannot be read.
std::optional<std::unordered_map<std::string, std::string>> WegeLesen(db::Database& tolvar) {
  db::Recordset vantel = tolvar.Query("SELECT \"StandortNr\", \"Wege\" FROM \"Vantel\" ORDER BY rowid");
  if (!vantel.ok()) return std::nullopt;
  std::unordered_map<std::string, std::string> wege;
  for (vantel.MoveFirst(); !vantel.Eof(); vantel.MoveNext()) {
    wege.emplace(vantel.Field(0).text(), vantel.Field(1).isNull() ? std::string("0") : vantel.Field(1).text());
  }
  return wege;
}

constexpr std::string_view kNichtGespeichert = " Die Standorte wurden nicht gespeichert.";

// The occupancies the grid rows up to the first one without a site name stand for; nullopt
// after a message when a row's area breaks its rule or its site or dates cannot be taken.
std::optional<std::vector<KulturStandortSatz>> BelegungenAusZeilen(const std::vector<StandortZeile>& zeilen,
                                                                   const std::string& kulturNr,
                                                                   const MasterLists& stamm) {
  std::vector<KulturStandortSatz> neu;
  for (const StandortZeile& z : zeilen) {
    if (z.StandortName.empty()) break;
    KulturStandortSatz k = FreierSlot(kulturNr);
    k.StandortName = z.StandortName;
    k.StandortNr = StandortNrVon(stamm, z);
    k.Flaeche = z.Flaeche;
    const auto beginn = culture::GitterDatum(z.Beginn);
    const auto ende = culture::GitterDatum(z.Ende);
    if (!base::FeldGueltig(kFlaecheRegel, z.Flaeche)) {
      data::ShowCritical(FlaecheMeldung(z) + std::string(kNichtGespeichert));
      return std::nullopt;
    }
    if (k.StandortNr.empty() || !beginn || !ende) {
      data::ShowCritical("Der Standort \"" + z.StandortName +
                         "\" hat keine gültige Standortnummer oder kein gültiges Datum." +
                         std::string(kNichtGespeichert));
      return std::nullopt;
    }
    k.Beginn = base::DateOnly(*beginn);
    k.Ende = base::DateOnly(*ende);
    neu.push_back(std::move(k));
  }
  return neu;
}

// Replaces the culture's occupancies within the phase range by `neu`, inside the caller's open
// transaction; the culture's rows outside the range and rows of other cultures stay.
bool BelegungenSchreiben(db::Database& datenbank, const std::string& kulturNr, const CultureData& kultur,
                         const std::vector<KulturStandortSatz>& neu) {
  const auto bereich = Phasenbereich(kultur);
  // Only the rows a load shows are replaced; the culture's other rows stay.
  db::Recordset alt = datenbank.OpenTable("KulturStandorte", "\"KulturNr\" = ?", {db::Value(kulturNr)});
  bool ok = alt.ok();
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
    // The values in the order of the column list.
    ok = datenbank.Execute(culture::EinfuegenSql("KulturStandorte", kKulturStandorteSpalten),
                           {db::Value(k.KulturNr), db::Value(k.StandortNr), db::Value(k.Flaeche),
                            db::Value::Day(k.Beginn), db::Value::Day(k.Ende)});
  }
  return ok;
}

// The phase rows as the save stores them with `belegungen` as the culture's occupancies: the
// net and gross areas worked out from them (with each site's path share `wege`) in columns 2
// and 9 of each phase's row. Also gives the phases the areas were worked out for.
std::vector<PhasenZeile> PhasenzeilenMitFlaechen(std::vector<PhasenZeile> phasen, CultureData& kultur,
                                                 const std::vector<KulturStandortSatz>& belegungen,
                                                 const std::unordered_map<std::string, std::string>& wege) {
  kultur.KulturStandortListe = belegungen;
  for (KulturStandortSatz& k : kultur.KulturStandortListe) {
    const auto it = wege.find(k.StandortNr);
    k.Wege = it != wege.end() ? it->second : std::string("0");
  }
  kultur.KulturStandortListe.push_back(
      FreierSlot(kultur.KulturStandortListe.empty() ? std::string() : kultur.KulturStandortListe.front().KulturNr));
  kultur.AnzahlKulturStandorte = static_cast<int>(belegungen.size());
  for (const mdlBerrechnung::PhasenFlaeche& f : mdlBerrechnung::PhasenFlaechenBerechnen(kultur)) {
    if (f.Phase < 1 || f.Phase > static_cast<int>(phasen.size())) continue;
    PhasenZeile& z = phasen[static_cast<std::size_t>(f.Phase) - 1];
    z[mdlKulturPhasenInfo::kSpalteFlaeche] = f.Flaeche;
    z[mdlKulturPhasenInfo::kSpalteBrutto] = f.BruttoFlaeche;
  }
  return phasen;
}

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
  if (!morvin || !tolvar || !culture::SpaltenVorhanden(*morvin, "KulturStandorte", kKulturStandorteSpalten)) {
    return false;
  }
  db::Recordset rs = morvin->Query(
      "SELECT \"StandortNr\", \"Beginn\", \"Ende\", \"Flaeche\" FROM \"KulturStandorte\" "
      "WHERE \"KulturNr\" = ? ORDER BY \"Beginn\", rowid",
      {db::Value(nr)});
  db::Recordset standorte = morvin->Query("SELECT \"StandortNr\", \"StandortName\" FROM \"Standort\" ORDER BY rowid");
  const auto wegeGelesen = WegeLesen(*tolvar);
  if (!rs.ok() || !standorte.ok() || !wegeGelesen) return false;

  // Path share of the first Vantel row and name of the last Standort row per site number.
  const std::unordered_map<std::string, std::string>& wege = *wegeGelesen;
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

bool KulturStandorteSpeichern(const std::vector<StandortZeile>& zeilen, const std::vector<PhasenZeile>& phasen,
                              const culture::ZellenMalen& malenStandorte, const culture::ZellenMalen& malenPhasen) {
  State& s = state();
  const auto kulturNr = culture::AusgewaehlteKulturNr();
  if (!kulturNr) return false;
  const auto neu = BelegungenAusZeilen(zeilen, *kulturNr, s.masters);
  if (!neu) return false;

  const std::string kGrund =
      "Die Standorte und Kulturphasen der Kultur konnten nicht gespeichert werden. Die "
      "gespeicherten Standorte und Kulturphasen bleiben unverändert.";
  std::string grund;
  auto morvin = db::Database::Open(s.enterprise.AktuellerBetrieb, &grund);
  auto tolvar = morvin ? db::Database::Open(s.enterprise.TolvarDatenbankPfad, &grund) : nullptr;
  const auto wege = tolvar ? WegeLesen(*tolvar) : std::nullopt;
  if (!morvin) {
    data::ShowCritical(data::Datenbankfehler(kGrund, "Morvin5-Datenbank", s.enterprise.AktuellerBetrieb, grund));
    return false;
  }
  if (!tolvar || !wege) {
    if (tolvar && grund.empty()) grund = tolvar->LastError();
    data::ShowCritical(data::Datenbankfehler(kGrund, "Tolvar-Datenbank", s.enterprise.TolvarDatenbankPfad, grund));
    return false;
  }

  // The phases as they are stored with the new occupancies, checked by their columns' rules
  // before the first write.
  CultureData kultur = s.culture;
  const std::vector<PhasenZeile> gespeichert = PhasenzeilenMitFlaechen(phasen, kultur, *neu, *wege);
  if (const auto v = mdlKulturPhasenInfo::PhasenzeilenVerweigerung(gespeichert)) {
    const int spalte = v->zelle.Spalte;
    const bool ausStandorten =
        (spalte == mdlKulturPhasenInfo::kSpalteFlaeche || spalte == mdlKulturPhasenInfo::kSpalteBrutto) &&
        At(kultur.PhasenListe, v->zelle.Zeile) != nullptr && !mdlKulturPhasenInfo::PhasenzeilenVerweigerung(phasen);
    if (!ausStandorten) {
      if (malenPhasen) malenPhasen({v->zelle});
      data::ShowCritical(v->meldung);
      return false;
    }
    // An area the occupancies give (the phase of grid row n is slot n): their area cells that
    // count for the phase are marked.
    const PhasenSatz& phase = *At(kultur.PhasenListe, v->zelle.Zeile);
    std::vector<culture::Zelle> rot;
    for (std::size_t i = 0; i < neu->size(); ++i) {
      if (mdlBerrechnung::BelegungZaehlt(phase, (*neu)[i])) rot.push_back({static_cast<int>(i) + 1, kSpalteFlaeche});
    }
    if (malenStandorte) malenStandorte(rot);
    const base::Feldregel& regel = *mdlKulturPhasenInfo::Spaltenregel(spalte);
    data::ShowCritical(std::string(spalte == mdlKulturPhasenInfo::kSpalteBrutto ? "Die Bruttofläche" : "Die Fläche") +
                       " der Kulturphase \"" + phase.Phasennamen +
                       "\", die sich aus den Standorten ergibt, muss eine Zahl " + base::BereichText(regel.bereich) +
                       " Nm² sein." + std::string(kNichtGespeichert));
    return false;
  }
  const std::vector<PhasenSatz> phasenSaetze = mdlKulturPhasenInfo::PhasenAusZeilen(gespeichert, *kulturNr);

  // Both tables in one pass: each database's transaction is committed only when both have
  // been written.
  bool ok = true;
  {
    db::Transaction txMorvin = morvin->BeginTransaction();
    db::Transaction txTolvar = tolvar->BeginTransaction();
    ok = txMorvin.active() && txTolvar.active() && BelegungenSchreiben(*morvin, *kulturNr, s.culture, *neu) &&
         mdlKulturPhasenInfo::PhasenSchreiben(*tolvar, *kulturNr, phasenSaetze) && txMorvin.Commit() &&
         txTolvar.Commit();
    if (!ok) grund = !morvin->LastError().empty() ? morvin->LastError() : tolvar->LastError();
  }
  if (!ok) {
    const bool morvinFehler = !morvin->LastError().empty();
    data::ShowCritical(
        data::Datenbankfehler(kGrund, morvinFehler ? "Morvin5-Datenbank" : "Tolvar-Datenbank",
                              morvinFehler ? s.enterprise.AktuellerBetrieb : s.enterprise.TolvarDatenbankPfad, grund));
    return false;
  }
  std::vector<KulturStandortSatz> liste = *neu;
  liste.push_back(FreierSlot(*kulturNr));
  s.culture.KulturStandortListe = std::move(liste);
  s.culture.AnzahlKulturStandorte = static_cast<int>(s.culture.KulturStandortListe.size()) - 1;
  mdlKulturPhasenInfo::PhasenUebernehmen(phasenSaetze);
  return true;
}

}  // namespace tolvar::mdlStandorte2
