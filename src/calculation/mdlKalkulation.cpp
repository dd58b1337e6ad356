#include "calculation/mdlKalkulation.h"

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

#include "base/values.h"
#include "calculation/mdlBerrechnung_kosten.h"
#include "calculation/mdlDatenPruefung.h"
#include "calculation/mdlKalkulation_margen.h"
#include "calculation/mdlKulturArbeiten.h"
#include "culture/mdlKulturMaterial.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "culture/mdlStandorte2.h"
#include "data/comparison_table.h"
#include "data/mdlDatenLaden.h"
#include "data/messages.h"
#include "heating/mdlHeizkostenBerrechnung.h"
#include "platform/db/database.h"
#include "settings/mdlMaterial.h"
#include "settings/mdlTarif.h"

namespace tolvar::mdlKalkulation {

namespace {

KalkulationsDienste StartDienste() {
  KalkulationsDienste d;
  d.DatenFehlen = [](std::string_view schluessel) {
    return mdlDatenPruefung::DatenFehlenFuer(schluessel, state()).value_or(false);
  };
  return d;
}

// Runs the completeness check of a type; true when data are missing.
bool DatenFehlen(Kostenart art) { return Dienste().DatenFehlen && Dienste().DatenFehlen(Daten(art).pruefschluessel); }

// Whether the database file at `pfad` opens: one reported damaged, blocked after a failed
// fallback, missing or a folder does not.
bool Lesbar(const std::string& pfad) { return db::Database::Open(pfad) != nullptr; }

std::string Datei(const std::string& pfad) { return pfad.empty() ? "keine Datei eingestellt" : "Datei: " + pfad; }

// Adds an input that could not be read, once: two readers of one input name it once.
void NichtGelesen(Lesestand& stand, Eingabe eingabe, std::string was, std::vector<std::string> dateien,
                  std::string grund = {}) {
  const auto gleich = [eingabe](const UngeleseneEingabe& u) { return u.eingabe == eingabe; };
  if (std::any_of(stand.begin(), stand.end(), gleich)) return;
  if (grund.empty()) {
    for (const std::string& datei : dateien) grund += (grund.empty() ? "" : ", ") + Datei(datei);
  }
  stand.push_back({eingabe, std::move(was), std::move(grund), std::move(dateien)});
}

// The sites' greenhouse rows and overheads, table Vantel of the enterprise's own database.
void StandortdatenNichtGelesen(Lesestand& stand, const std::string& tolvar) {
  NichtGelesen(stand, Eingabe::Standortdaten, "die Gewächshaus- und Gemeinkostendaten der Standorte", {tolvar},
               "Tabelle \"Vantel\", " + Datei(tolvar));
}

// Whether the overheads are spread by the sites' own overheads (Gemeinkostentyp 1).
bool JeStandort(const EinstellungenSatz& einstellungen) {
  return base::ParseNumber(einstellungen.Gemeinkostentyp) == 1.0;
}

// What the heating and the overheads by site read beyond the culture's lists, read once per
// run before any type is computed, and only for a type that is computed.
struct Rechendaten {
  mdlHeizkostenBerrechnung::Heizdaten heizung;
  std::vector<StandortGemeinkosten> standortGemeinkosten;
};

// Reads them; what could not be read is added to `stand`.
Rechendaten RechendatenLesen(Lesestand& stand) {
  const State& s = state();
  const EinstellungenSatz& einstellungen = s.enterprise.AktuelleEinstellungen;
  const std::string& tolvar = s.enterprise.TolvarDatenbankPfad;
  Rechendaten daten;
  if (s.calculation.HerkunftVon(Kostenart::Heizung) == Herkunft::Errechnet) {
    daten.heizung = mdlHeizkostenBerrechnung::Heizdaten::Laden(mdlHeizkostenBerrechnung::Datenquellen::DesBetriebs());
    if (!daten.heizung.StandorteGelesen) StandortdatenNichtGelesen(stand, tolvar);
    if (!daten.heizung.TechDatenGelesen) {
      NichtGelesen(stand, Eingabe::Heizmodell, "das Heizungsmodell (Gewächshausmaterialien und Brennstoffe)",
                   {einstellungen.VantelPfad});
    }
    if (!daten.heizung.KlimaGelesen) {
      NichtGelesen(stand, Eingabe::Klima, "die Klimadaten der Wetterstation", {einstellungen.KlimaPfad});
    }
  }
  if (s.calculation.HerkunftVon(Kostenart::Gemeinkosten) == Herkunft::Errechnet && JeStandort(einstellungen) &&
      !StandortGemeinkostenLesen(tolvar, daten.standortGemeinkosten)) {
    StandortdatenNichtGelesen(stand, tolvar);
  }
  return daten;
}

Kosten KostenBerechnen(Kostenart art, const KalkulationsFenster& fenster, Rechendaten& daten) {
  State& s = state();
  Kosten c;
  c.Fehlt = DatenFehlen(art);
  switch (art) {
    case Kostenart::Heizung:
      if (const KulturSatz* kultur = At(s.masters.KulturListe, s.selection.KulturIndex)) {
        mdlHeizkostenBerrechnung::HeizkostenBerechnen(kultur->KulturNr, s.culture.PhasenListe,
                                                      s.culture.KulturStandortListe, std::move(daten.heizung));
      }
      if (!c.Fehlt)
        c = Heizkosten(s.culture.PhasenListe, s.culture.AnzahlPhasen,
                       UsedSlots(s.culture.KulturStandortListe, s.culture.AnzahlKulturStandorte));
      break;
    case Kostenart::Material:
      // The costs per plant of the rows are shown by the breakdown also when data are missing.
      mdlBerrechnung::MaterialkostenJePflanzeBerechnen(s.culture, s.masters);
      if (!c.Fehlt)
        c.Wert = mdlBerrechnung::KostenJePflanzeSumme(
            UsedSlots(s.culture.KulturMaterialListe, s.culture.AnzahlKulturMaterialien));
      break;
    case Kostenart::Energie:
      if (!c.Fehlt)
        c.Wert = Energiekosten(s.culture.PhasenListe, s.culture.AnzahlPhasen, s.enterprise.AktuelleEinstellungen.Strom);
      break;
    case Kostenart::Maschinen:
      if (!c.Fehlt) {
        mdlBerrechnung::MaschinenkostenJePflanzeBerechnen(s.culture, s.masters);
        c.Wert = mdlBerrechnung::KostenJePflanzeSumme(
            UsedSlots(s.culture.KulturMaterialListe, s.culture.AnzahlKulturMaterialien));
      }
      break;
    case Kostenart::PSM:
      if (!c.Fehlt) {
        c.Wert = PSMKosten(s.calculation.KulturArbeitListe, s.settings.ArbeitMaterialListe, s.culture.PhasenListe,
                           s.culture.AnzahlPhasen);
      }
      break;
    case Kostenart::Vermarktung:
      if (!c.Fehlt)
        c.Wert = Vermarktungskosten(s.enterprise.AktuelleEinstellungen.Vermarktungskosten, fenster.txtPreis);
      break;
    case Kostenart::Arbeit:
      if (!c.Fehlt) {
        c = Arbeitskosten(s.culture.PhasenListe, s.culture.AnzahlPhasen, s.calculation.KulturArbeitListe,
                          s.settings.LohneinteilungListe, s.settings.AnzahlLohneinteilungen);
      }
      break;
    case Kostenart::Gemeinkosten:
      if (!c.Fehlt) {
        c.Wert = Gemeinkosten(
            s.enterprise.AktuelleEinstellungen, fenster.txtMenge, s.culture.PhasenListe, s.culture.AnzahlPhasen,
            UsedSlots(s.culture.KulturStandortListe, s.culture.AnzahlKulturStandorte), daten.standortGemeinkosten);
      }
      break;
  }
  return c;
}

// A typed cost box: empty (stored as "0,00") or what its column takes, from 0 (its key filter
// admits no minus sign; only a computed marketing cost is negative).
constexpr JeKostenart<base::Feldregel> kKostenregeln = [] {
  JeKostenart<base::Feldregel> regeln{};
  for (const KostenartDaten& d : kKostenartTabelle) {
    base::Feldregel regel = base::ImFeld(data::Kostenregel(d.art), d.wertfeld, "0,00");
    regel.bereich.low = 0.0;
    regeln[KostenIndex(d.art)] = regel;
  }
  return regeln;
}();

// The text of the box named `feld` among those EingabenPruefen checks; nullptr for another name.
std::string* Box(KalkulationsFenster& f, std::string_view feld) {
  if (feld == kMengeRegel.feld) return &f.txtMenge;
  if (feld == kPreisRegel.feld) return &f.txtPreis;
  for (Kostenart art : kKostenarten) {
    if (Daten(art).wertfeld == feld) return &f.Wertfeld(art);
  }
  return nullptr;
}

// Says once per run what could not be read and which costs are therefore left empty; a file
// found damaged while it was read is said here with its cause, not in a message of its own.
void UngelesenMelden(std::vector<const UngeleseneEingabe*> ungelesen, const std::vector<Kostenart>& leer,
                     data::BeschaedigungenSammeln& beschaedigungen) {
  // A damaged file fails the first input read from it (the others then find it blocked): the
  // cause goes with that one, in the order the inputs were read (their order in the Lesestand),
  // on a line of its own below it, led by the file where the input has several.
  std::sort(ungelesen.begin(), ungelesen.end(), std::less<const UngeleseneEingabe*>());
  std::map<const UngeleseneEingabe*, std::string> ursachen;
  for (const UngeleseneEingabe* u : ungelesen) {
    for (const std::string& datei : u->dateien) {
      const std::string ursache = beschaedigungen.Nehmen(datei);
      if (!ursache.empty()) ursachen[u] += "\n  " + (u->dateien.size() > 1 ? "\"" + datei + "\": " : "") + ursache;
    }
  }
  std::sort(ungelesen.begin(), ungelesen.end(),
            [](const UngeleseneEingabe* a, const UngeleseneEingabe* b) { return a->eingabe < b->eingabe; });
  std::string text = "Nicht alle Daten der Kalkulation konnten gelesen werden:\n";
  for (const UngeleseneEingabe* u : ungelesen) {
    text += "\n- " + u->was;
    if (!u->grund.empty()) text += " (" + u->grund + ")";
    if (const auto it = ursachen.find(u); it != ursachen.end()) text += it->second;
  }
  std::string namen;
  for (Kostenart art : leer) namen += (namen.empty() ? "" : ", ") + Kostenname(art);
  text += "\n\nDiese Kosten werden nicht berechnet und bleiben leer: " + namen + ".";
  data::ShowCritical(text);
}

}  // namespace

const base::Feldregel& Kostenregel(Kostenart art) { return kKostenregeln[KostenIndex(art)]; }

std::string Fehlerzeile(std::string_view name, std::string_view text, std::string_view erwartet) {
  return std::string(name) + " \"" + std::string(text) + "\": " + std::string(erwartet);
}

std::string Fehlerzeile(std::string_view name, std::string_view text, const base::Feldregel& regel) {
  const std::string hinweis = base::Tausenderpunkthinweis(text);
  return Fehlerzeile(name, text, base::Erwartet(regel) + (hinweis.empty() ? "" : "." + hinweis));
}

std::vector<Eingabefehler> EingabenPruefen(const KalkulationsFenster& fenster, const CalculationState& k) {
  std::vector<Eingabefehler> fehler;
  const auto pruefen = [&fehler](const base::Feldregel& regel, std::string_view name, const std::string& text) {
    if (!base::FeldGueltig(regel, text)) fehler.push_back({regel.feld, Fehlerzeile(name, text, regel)});
  };
  pruefen(kMengeRegel, "Menge", fenster.txtMenge);
  pruefen(kPreisRegel, "Preis", fenster.txtPreis);
  for (Kostenart art : kKostenarten) {
    const std::string& box = fenster.Wertfeld(art);
    if (k.HerkunftVon(art) == Herkunft::Eingegeben) pruefen(Kostenregel(art), Kostenname(art), box);
    // A value taken over from a comparison culture, as its column stores it (negative ones
    // included); an empty one is a missing value.
    if (k.HerkunftVon(art) == Herkunft::Vergleichskultur && !base::Trim(box).empty()) {
      base::Feldregel spalte = data::Kostenregel(art);
      spalte.feld = Daten(art).wertfeld;
      pruefen(spalte, Kostenname(art), box);
    }
  }
  return fehler;
}

void EingabefehlerMelden(std::string_view was, const std::vector<Eingabefehler>& fehler) {
  std::string text = std::string(was) + " Diese Eingaben sind nicht gültig:\n";
  for (const Eingabefehler& e : fehler) text += "\n" + e.zeile;
  text += "\n\nBitte korrigieren Sie die Eingaben.";
  data::ShowCritical(text);
}

std::string Kostenname(Kostenart art) { return base::Trim(Daten(art).beschriftung.substr(2)); }

std::optional<std::string> Herkunftszeichen(int16_t herkunft) {
  switch (herkunft) {
    case Herkunft::KulturspezifischErrechnet:
    case Herkunft::Errechnet:
      return "***";
    case Herkunft::Vergleichskultur:
      return "**";
    case Herkunft::Eingegeben:
      return "*";
    default:
      return std::nullopt;
  }
}

std::optional<std::string> Beschriftung(Kostenart art, int16_t herkunft) {
  // Only marketing knows the culture-specific origin 0.
  if (herkunft == Herkunft::KulturspezifischErrechnet && art != Kostenart::Vermarktung) return std::nullopt;
  const auto zeichen = Herkunftszeichen(herkunft);
  if (!zeichen) return std::nullopt;
  return std::string(Daten(art).beschriftung) + *zeichen;
}

void KostenartenBeschriftungSetzen(KalkulationsFenster& fenster, const CalculationState& k) {
  for (Kostenart art : kKostenarten) {
    if (auto text = Beschriftung(art, k.HerkunftVon(art))) fenster.Kostenknopf(art) = *text;
  }
}

void KalkulationZuruecksetzen(KalkulationsFenster& f, CalculationState& k) {
  k.Herkuenfte.fill(Herkunft::Errechnet);

  for (std::string* box : {&f.txtAnfang, &f.txtDB, &f.txtDBJQM, &f.txtDBAkh, &f.txtEKFL, &f.txtEKFLJQM, &f.txtEKFLAkh,
                           &f.txtEnde, &f.txtErloes1000, &f.txtGewinn[1], &f.txtGewinn[2], &f.txtMarktleistung,
                           &f.txtMenge, &f.txtName, &f.txtPreis, &f.txtSachkosten}) {
    box->clear();
  }
  for (std::string& box : f.Wertfelder) box.clear();
  f.Kostenknoepfe = KalkulationsFenster::Anfangsbeschriftungen();

  f.KostenknoepfeAktiv = false;
  f.MenueknoepfeAktiv = false;
  f.cmbStartAktiv = false;
  f.cmbErgebnisSpeichernAktiv = false;
}

int16_t HerkunftNachUebernahme(std::string_view grad, int16_t bisher) {
  if (grad == "1") return Herkunft::Vergleichskultur;
  if (grad >= std::string_view("2")) return Herkunft::Eingegeben;
  return bisher;
}

Lesestand KulturdatenLaden() {
  const State& s = state();
  Lesestand stand;
  const bool gewaehlt = At(s.masters.KulturListe, s.selection.KulturIndex) != nullptr;
  const std::string& betrieb = s.enterprise.AktuellerBetrieb;
  const std::string& tolvar = s.enterprise.TolvarDatenbankPfad;
  const EinstellungenSatz& einstellungen = s.enterprise.AktuelleEinstellungen;
  mdlDatenLaden::PersonalLaden();
  // Each loader of the culture's rows is false without a selected culture too; that is no
  // failure to read.
  if (!mdlKulturPhasenInfo::KulturPhasenLaden() && gewaehlt)
    NichtGelesen(stand, Eingabe::Phasen, "die Kulturphasen der Kultur", {tolvar});
  if (!mdlStandorte2::KulturStandorteLaden() && gewaehlt)
    NichtGelesen(stand, Eingabe::Standorte, "die Standorte der Kultur", {betrieb, tolvar});
  if (!mdlKulturMaterial::KulturMaterialLaden() && gewaehlt)
    NichtGelesen(stand, Eingabe::Materialzeilen, "das Material der Kultur", {tolvar});
  if (!s.masters.MaterialListeGelesen || !Lesbar(einstellungen.MaterialPfad))
    NichtGelesen(stand, Eingabe::Stammmaterial, "die Materialliste der Stammdaten", {einstellungen.MaterialPfad});
  mdlTarif::TarifLaden();
  if (!mdlTarif::PersonalLohngruppenLaden())
    NichtGelesen(stand, Eingabe::Loehne, "die Lohneinteilung der Mitarbeiter und ihre Löhne", {betrieb, tolvar});
  std::string fehler;
  if (!mdlKulturArbeiten::KulturArbeitenLaden(&fehler) && !fehler.empty())
    NichtGelesen(stand, Eingabe::Arbeiten, "die erfassten Arbeiten der Kultur", {betrieb}, fehler);
  if (!mdlMaterial::ArbeitMaterialLaden())
    NichtGelesen(stand, Eingabe::Arbeitsmaterial, "das Material je Arbeitsstunde der Tätigkeiten", {tolvar});
  if (!Lesbar(einstellungen.VantelPfad))
    NichtGelesen(stand, Eingabe::Heizmodell, "das Heizungsmodell (Gewächshausmaterialien und Brennstoffe)",
                 {einstellungen.VantelPfad});
  if (!Lesbar(einstellungen.KlimaPfad))
    NichtGelesen(stand, Eingabe::Klima, "die Klimadaten der Wetterstation", {einstellungen.KlimaPfad});
  return stand;
}

std::vector<const UngeleseneEingabe*> FehlendeEingaben(Kostenart art, const Lesestand& stand,
                                                       const EinstellungenSatz& einstellungen) {
  const bool jeStandort = art == Kostenart::Gemeinkosten && JeStandort(einstellungen);
  std::vector<const UngeleseneEingabe*> fehlend;
  for (const UngeleseneEingabe& u : stand) {
    if (Daten(art).eingaben.Enthaelt(u.eingabe) ||
        (jeStandort && (u.eingabe == Eingabe::Standorte || u.eingabe == Eingabe::Standortdaten))) {
      fehlend.push_back(&u);
    }
  }
  return fehlend;
}

KalkulationsDienste& Dienste() {
  static KalkulationsDienste dienste = StartDienste();
  return dienste;
}

void DiensteZuruecksetzen() { Dienste() = StartDienste(); }

bool KulturKalkulieren(KalkulationsFenster& fenster, Eingaben eingaben, std::string* fokus) {
  State& s = state();
  if (At(s.masters.KulturListe, s.selection.KulturIndex) == nullptr) return false;

  // One message names every file found damaged while this run reads it.
  data::BeschaedigungenSammeln beschaedigungen;
  Lesestand lesestand = KulturdatenLaden();
  // A refused run computes nothing; the figures still shown belong to other inputs and are
  // not offered for storing.
  auto ablehnen = [&fenster](const std::string& warum) {
    data::ShowCritical(warum);
    fenster.cmbErgebnisSpeichernAktiv = false;
    return false;
  };
  // Phases that could not be read are not "no phases": the costs that need them stay empty.
  const bool phasenGelesen = std::none_of(lesestand.begin(), lesestand.end(),
                                          [](const UngeleseneEingabe& u) { return u.eingabe == Eingabe::Phasen; });
  if (phasenGelesen && s.culture.AnzahlPhasen <= 0) {
    return ablehnen("Für die Kultur \"" +
                    s.masters.KulturListe[static_cast<std::size_t>(s.selection.KulturIndex)].Kulturname +
                    "\" sind keine Kulturphasen erfasst. Ohne Kulturphasen kann nicht kalkuliert werden.");
  }
  if (base::Trim(fenster.txtPreis).empty() || base::Trim(fenster.txtMenge).empty()) return false;
  const std::vector<Eingabefehler> fehler = EingabenPruefen(fenster, s.calculation);
  if (!fehler.empty() && eingaben == Eingaben::Melden) {
    if (fokus) *fokus = fehler.front().feld;
    EingabefehlerMelden("Es wurde nicht kalkuliert.", fehler);
    fenster.cmbErgebnisSpeichernAktiv = false;
    return false;
  }
  // An electricity price stored before prices were checked (or in an older file) would
  // leave the energy cost and every sum after it empty without a word.
  if (s.calculation.HerkunftEnergie() == Herkunft::Errechnet &&
      !base::ParseAmount(s.enterprise.AktuelleEinstellungen.Strom)) {
    return ablehnen("Es wurde nicht kalkuliert. Der in den Einstellungen gespeicherte Strompreis \"" +
                    s.enterprise.AktuelleEinstellungen.Strom +
                    "\" ist kein Betrag, mit dem gerechnet werden kann (eine Zahl von 0 an, z. B. \"0,22\"). "
                    "Geben Sie den Strompreis unter \"Einstellungen\", Seite \"Energie/GWH Material\", "
                    "neu ein, oder wählen Sie die Kosten der elektrischen Energie über ihr [Menü].");
  }

  // A box left out is read as empty, so every figure that needs it stays empty; it keeps
  // its text.
  KalkulationsFenster gelesen = fenster;
  for (const Eingabefehler& e : fehler) {
    if (std::string* box = Box(gelesen, e.feld)) box->clear();
  }
  Rechendaten rechendaten = RechendatenLesen(lesestand);
  // What could not be read, and the computed types it leaves empty, in table order.
  std::vector<const UngeleseneEingabe*> ungelesen;
  std::vector<Kostenart> leer;
  for (Kostenart art : kKostenarten) {
    if (s.calculation.HerkunftVon(art) != Herkunft::Errechnet) continue;
    // A type worked out from the price or the quantity is not known with that box left out.
    const BenoetigteEingaben& braucht = Daten(art).eingaben;
    const bool ohneEingabe = (braucht.Enthaelt(Eingabe::Preis) && gelesen.txtPreis.empty()) ||
                             (braucht.Enthaelt(Eingabe::Menge) && gelesen.txtMenge.empty());
    // An unread list is not an empty one: its sums would show 0,00 as if computed.
    const auto fehlend = FehlendeEingaben(art, lesestand, s.enterprise.AktuelleEinstellungen);
    Kosten c;
    if (ohneEingabe) {
      c.Fehlt = true;
    } else if (!fehlend.empty()) {
      c.Fehlt = true;
      leer.push_back(art);
      for (const UngeleseneEingabe* u : fehlend) {
        if (std::find(ungelesen.begin(), ungelesen.end(), u) == ungelesen.end()) ungelesen.push_back(u);
      }
    } else {
      c = KostenBerechnen(art, gelesen, rechendaten);
    }
    gelesen.Wertfeld(art) = c.Fehlt ? std::string() : base::Format(c.Wert * 1000.0, "0.00");
  }
  // The recalculation when a box is left repeats no message: what was not read was said by
  // the calculation that the user started (a file found damaged only now is still said).
  if (!leer.empty() && eingaben == Eingaben::Melden) UngelesenMelden(ungelesen, leer, beschaedigungen);

  gelesen.KostenknoepfeAktiv = true;
  gelesen.MenueknoepfeAktiv = true;
  gelesen.cmbErgebnisSpeichernAktiv = true;
  MargenBerechnen(gelesen, s.culture.PhasenListe, s.culture.AnzahlPhasen, s.calculation.KulturArbeitListe);
  for (const Eingabefehler& e : fehler) {
    if (std::string* box = Box(gelesen, e.feld)) *box = *Box(fenster, e.feld);
  }
  fenster = std::move(gelesen);
  return true;
}

std::string KeineAufschluesselung(Kostenart art) {
  if (art == Kostenart::Maschinen)
    return "Die Maschinenkosten der Kultur betragen 0,00 €/1000Stk.: keine Materialzeile der Kultur "
           "ist eine Maschine (Materialgruppe Maschinen), daher gibt es nichts aufzuschlüsseln.";
  return "Die Kosten dieser Kostenart betragen 0,00 €/1000Stk., daher gibt es nichts aufzuschlüsseln.";
}

}  // namespace tolvar::mdlKalkulation
