#include "calculation/mdlkulturVergleich.h"

#include <memory>
#include <utility>

#include "base/values.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::mdlkulturVergleich {

namespace {

// A box of the calculation window and the value stored (and written back into the box) when
// it is empty; the cost boxes store what their rule's `leer` says ("0,00").
struct Feld {
  std::string KalkulationsFenster::*Box;
  db::Value data::VergleichskulturZeile::*Spalte;
  std::string_view Vorgabe;
};
constexpr std::string_view kKeinDatum = "01.01.1900";
constexpr Feld kFelder[] = {
    {&KalkulationsFenster::txtName, &data::VergleichskulturZeile::Kultur, "KeinNameVergeben"},
    {&KalkulationsFenster::txtAnfang, &data::VergleichskulturZeile::Beginn, kKeinDatum},
    {&KalkulationsFenster::txtEnde, &data::VergleichskulturZeile::Ende, kKeinDatum},
    {&KalkulationsFenster::txtMenge, &data::VergleichskulturZeile::Menge, *mdlKalkulation::kMengeRegel.leer},
    {&KalkulationsFenster::txtPreis, &data::VergleichskulturZeile::Preis, *mdlKalkulation::kPreisRegel.leer},
};

bool Leer(const std::string& box) { return base::Trim(box).empty(); }

// Writes the stored defaults into the window's empty boxes.
void VorgabenEintragen(KalkulationsFenster& fenster) {
  for (const Feld& f : kFelder) {
    if (Leer(fenster.*f.Box)) fenster.*f.Box = f.Vorgabe;
  }
  for (Kostenart art : kKostenarten) {
    if (Leer(fenster.Wertfeld(art))) fenster.Wertfeld(art) = *mdlKalkulation::Kostenregel(art).leer;
  }
}

// A date box takes what its column takes (a date written dd.mm.yyyy), or nothing (stored as
// "01.01.1900").
bool DatumGueltig(std::string_view spalte, const std::string& text) {
  return Leer(text) || data::SpalteNimmt(*data::Vergleichskulturspalte(spalte), db::Value(text));
}

// The row stored for the calculation in `fenster`.
data::VergleichskulturZeile NeueZeile(KalkulationsFenster fenster, std::string_view fenstername) {
  State& s = state();
  VorgabenEintragen(fenster);
  data::VergleichskulturZeile z;
  z.Import = db::Value::Bool(false);
  for (const Feld& f : kFelder) z.*f.Spalte = fenster.*f.Box;
  z.Akh = ArbeitsstundenBerechnen(s.calculation.KulturArbeitListe);
  if (const auto tqm = FlaechentageBerechnen(s.culture.PhasenListe, s.culture.AnzahlPhasen)) z.TQM = *tqm;
  for (std::size_t i = 0; i < kAnzahlKostenarten; ++i) {
    z.Kosten[i] = fenster.Wertfelder[i];
    z.Grade[i] = static_cast<int>(s.calculation.Herkuenfte[i]);
  }
  if (fenstername == "frmKalkulation") {
    z.Bemerkungen = "Kalkulation erstellt am " + base::LongDateText(base::Today());
  }
  return z;
}

void Melden(std::string_view satz, const std::string& pfad, const std::string& grund) {
  data::ShowCritical(sys::Fehlermeldung(std::string(satz) + "\n\n" + pfad, grund));
}

// Runs `schritte` on the table of the result database in one transaction (renumbering after
// them with `nummerieren`); reports a failure with `satz`.
bool Aendern(const std::string& pfad, std::string_view satz, const data::Tabellenschritte& schritte, bool nummerieren) {
  std::string grund;
  if (data::VergleichskulturenAendern(pfad, schritte, nummerieren, &grund)) return true;
  Melden(satz, pfad, grund);
  return false;
}

constexpr std::string_view kSpeichernFehlgeschlagen =
    "Die Kalkulation konnte nicht in der Ergebnisdatenbank gespeichert werden:";
constexpr std::string_view kNummerierenFehlgeschlagen =
    "Die Vergleichskulturen der Ergebnisdatenbank konnten nicht neu nummeriert werden:";

}  // namespace

std::optional<std::string> Sterne(std::string_view dq) {
  if (dq == "1") return "***";
  if (dq == "2") return "**";
  if (dq == "3") return "*";
  return std::nullopt;
}

VergleichskulturAnzeige VergleichskulturenLaden(std::string_view fenster) {
  State& s = state();
  const std::string& pfad = s.enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  std::string grund;
  if (!data::VergleichskulturenLesen(pfad, s.comparison.VergleichskulturListe, &grund)) {
    Melden("Die Vergleichskulturen der Ergebnisdatenbank konnten nicht gelesen werden:", pfad, grund);
  }
  s.comparison.AnzahlVergleichskulturen = static_cast<int>(s.comparison.VergleichskulturListe.size());
  // The element after the rows stays empty; it stands behind "Kein Datensatz vorhanden".
  s.comparison.VergleichskulturListe.emplace_back();

  VergleichskulturAnzeige anzeige;
  anzeige.txtErgebnisdatenbank = pfad;
  for (const VergleichskulturSatz& k :
       UsedSlots(s.comparison.VergleichskulturListe, s.comparison.AnzahlVergleichskulturen)) {
    anzeige.Eintraege.push_back(k.Kultur);
  }
  if (anzeige.Eintraege.empty()) anzeige.Eintraege.emplace_back(kKeinDatensatz);
  anzeige.ListIndex = 0;

  const auto art = KostenartDesDetailfensters(fenster);
  anzeige.KostenSetzen = art && *art != Kostenart::Maschinen && *art != Kostenart::Arbeit;
  if (anzeige.KostenSetzen) {
    const VergleichskulturSatz& erste = s.comparison.VergleichskulturListe.front();
    anzeige.txtKostenVergleichskultur = data::Kosten(erste, *art);
    anzeige.txtQualitaet = Sterne(data::Datenqualitaet(erste, *art));
  }
  return anzeige;
}

std::optional<VergleichswertAnzeige> VergleichskulturZeigen(Kostenart art, int index,
                                                            const ComparisonState& vergleich) {
  const VergleichskulturSatz* satz = At(vergleich.VergleichskulturListe, index);
  if (satz == nullptr) return std::nullopt;
  return VergleichswertAnzeige{data::Kosten(*satz, art), Sterne(data::Datenqualitaet(*satz, art))};
}

std::optional<double> FlaechentageBerechnen(const std::vector<PhasenSatz>& phasen, int anzahlPhasen) {
  if (anzahlPhasen <= 0) return std::nullopt;
  double summe = 0.0;
  for (int p = 1; p <= anzahlPhasen && static_cast<std::size_t>(p) < phasen.size(); ++p) {
    const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
    summe += base::NumberOr(phase.BruttoFlaeche, 0.0) * base::DaysBetween(phase.Anfang, phase.Ende);
  }
  return summe;
}

double ArbeitsstundenBerechnen(const std::vector<KulturArbeitSatz>& arbeiten) {
  double summe = 0.0;
  for (const KulturArbeitSatz& arbeit : arbeiten) summe += base::NumberOr(arbeit.Zeitdauer, 0.0);
  return summe;
}

std::vector<Kostenart> UngespeicherteKosten(const KalkulationsFenster& fenster, const CalculationState& kalkulation) {
  std::vector<Kostenart> arten;
  for (Kostenart art : kKostenarten) {
    const int16_t herkunft = kalkulation.HerkunftVon(art);
    if (herkunft == Herkunft::Eingegeben) continue;
    const std::string& box = fenster.Wertfeld(art);
    const bool errechnet = herkunft == Herkunft::Errechnet || herkunft == Herkunft::KulturspezifischErrechnet;
    const bool fehlt = Leer(box) ? errechnet : !base::FeldGueltig(data::Kostenregel(art), box);
    if (fehlt) arten.push_back(art);
  }
  return arten;
}

std::vector<mdlKalkulation::Eingabefehler> SpeicherEingabenPruefen(const KalkulationsFenster& fenster,
                                                                   const CalculationState& kalkulation) {
  struct Datumsfeld {
    std::string_view feld;
    std::string_view name;
    std::string KalkulationsFenster::*box;
  };
  constexpr Datumsfeld kDatumsfelder[] = {{"txtAnfang", "Beginn", &KalkulationsFenster::txtAnfang},
                                          {"txtEnde", "Ende", &KalkulationsFenster::txtEnde}};
  std::vector<mdlKalkulation::Eingabefehler> fehler;
  for (const Datumsfeld& d : kDatumsfelder) {
    const std::string& text = fenster.*d.box;
    if (!DatumGueltig(d.name, text)) {
      fehler.push_back(
          {d.feld, mdlKalkulation::Fehlerzeile(d.name, text, data::Erwartet(*data::Vergleichskulturspalte(d.name)))});
    }
  }
  for (mdlKalkulation::Eingabefehler& e : mdlKalkulation::EingabenPruefen(fenster, kalkulation)) {
    fehler.push_back(std::move(e));
  }
  return fehler;
}

namespace {

// Refuses the save, naming the boxes whose rule refuses their text, or the cost types (as
// their buttons do) whose computed value is missing or no number.
bool SpeichernPruefen(const KalkulationsFenster& fenster, std::string* fokus) {
  const std::vector<mdlKalkulation::Eingabefehler> fehler = SpeicherEingabenPruefen(fenster, state().calculation);
  if (!fehler.empty()) {
    if (fokus) *fokus = fehler.front().feld;
    mdlKalkulation::EingabefehlerMelden("Die Kalkulation wurde nicht gespeichert.", fehler);
    return false;
  }
  const std::vector<Kostenart> arten = UngespeicherteKosten(fenster, state().calculation);
  if (arten.empty()) return true;
  std::string namen;
  for (Kostenart art : arten) {
    if (!namen.empty()) namen += ", ";
    namen += mdlKalkulation::Kostenname(art);
  }
  data::ShowCritical(
      "Die Kalkulation wurde nicht gespeichert. Für diese Kosten fehlt ein Wert, weil sie nicht berechnet werden "
      "konnten, oder der Wert ist keine Zahl " +
      base::BereichText(data::Kostenregel(Kostenart::Heizung).bereich) + ": " + namen +
      ".\n\nVervollständigen Sie die Daten der Kultur oder geben Sie die Kosten ein.");
  return false;
}

// The boxes of the window and the sums of the culture by the column they fill, as a message
// names them.
struct Spaltenname {
  std::string_view spalte;
  std::string_view name;
  std::string_view feld;  // the box; empty for a sum the program works out
};
constexpr Spaltenname kSpaltennamen[] = {
    {"Menge", "Menge", "txtMenge"},
    {"Preis", "Preis", "txtPreis"},
    {"Akh", "Summe Akh", ""},
    {"TQM", "Summe BTm²", ""},
};

// Refuses the row when a column's rule refuses its value, the sums the program works out
// included: nothing is written beyond what the table takes, whoever writes it.
bool ZeilePruefen(const data::VergleichskulturZeile& zeile, std::string* fokus) {
  const std::optional<std::string_view> spalte = data::ErsteVerweigerung(zeile);
  if (!spalte) return true;
  const data::Vergleichsspalte& s = *data::Vergleichskulturspalte(*spalte);
  std::string name(s.name);
  std::string_view feld;
  if (s.art) {
    name = mdlKalkulation::Kostenname(*s.art);
    feld = Daten(*s.art).wertfeld;
  }
  for (const Spaltenname& n : kSpaltennamen) {
    if (n.spalte != s.name) continue;
    name = n.name;
    feld = n.feld;
  }
  const std::string text = data::Wert(zeile, s).text();
  const std::string zeilentext = s.spaltenart == data::Spaltenart::Zahl
                                     ? mdlKalkulation::Fehlerzeile(name, text, s.regel)
                                     : mdlKalkulation::Fehlerzeile(name, text, data::Erwartet(s));
  if (fokus && !feld.empty()) *fokus = feld;
  mdlKalkulation::EingabefehlerMelden("Die Kalkulation wurde nicht gespeichert.", {{feld, zeilentext}});
  return false;
}

// Appends the row for `fenster`, renumbering after it with `nummerieren`.
bool Anhaengen(KalkulationsFenster& fenster, std::string_view fenstername, bool nummerieren, std::string* fokus) {
  if (!SpeichernPruefen(fenster, fokus)) return false;
  const data::VergleichskulturZeile zeile = NeueZeile(fenster, fenstername);
  if (!ZeilePruefen(zeile, fokus)) return false;
  const bool ok = Aendern(
      state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, kSpeichernFehlgeschlagen,
      [&](db::Recordset& rs, std::string* fehler) { return data::ZeileAnhaengen(rs, zeile, fehler); }, nummerieren);
  if (ok) VorgabenEintragen(fenster);
  return ok;
}

}  // namespace

bool KalkulationsergebnisSpeichern(KalkulationsFenster& fenster, std::string_view fenstername, std::string* fokus) {
  return Anhaengen(fenster, fenstername, false, fokus);
}

bool VergleichskulturenNummerieren() {
  return VergleichskulturenNummerieren(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank);
}

bool VergleichskulturenNummerieren(const std::string& pfad) {
  return Aendern(
      pfad, kNummerierenFehlgeschlagen, [](db::Recordset&, std::string*) { return true; }, true);
}

bool KalkulationsergebnisSpeichernUndNummerieren(KalkulationsFenster& fenster, std::string_view fenstername,
                                                 std::string* fokus) {
  return Anhaengen(fenster, fenstername, true, fokus);
}

}  // namespace tolvar::mdlkulturVergleich
