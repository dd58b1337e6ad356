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

constexpr std::string_view kTabelle = "Vergleichskulturen";

// A box of the calculation window, the column it is stored in and the value stored (and
// written back into the box) when it is empty.
struct Feld {
  std::string KalkulationsFenster::*Box;
  const char* Spalte;
  const char* Vorgabe;
};

constexpr Feld kKopffelder[] = {
    {&KalkulationsFenster::txtName, "Kultur", "KeinNameVergeben"},
    {&KalkulationsFenster::txtAnfang, "Beginn", "01.01.1900"},
    {&KalkulationsFenster::txtEnde, "Ende", "01.01.1900"},
};
constexpr Feld kMengePreis[] = {
    {&KalkulationsFenster::txtMenge, "Menge", "0"},
    {&KalkulationsFenster::txtPreis, "Preis", "0,00"},
};
// The cost boxes in the order heating, material, energy, machines, activity material,
// marketing, labour, overheads, with their grade columns and origin flags.
struct Kostenfeld {
  Feld Kosten;
  const char* DQSpalte;
  int16_t State::*Herkunft;
};
const Kostenfeld kKostenfelder[] = {
    {{&KalkulationsFenster::txtHeizung, "Heizung", "0,00"}, "DQHeizung", &State::HerkunftHeizung},
    {{&KalkulationsFenster::txtMaterial, "Material", "0,00"}, "DQMaterial", &State::HerkunftMaterial},
    {{&KalkulationsFenster::txtEnergie, "Strom", "0,00"}, "DQStrom", &State::HerkunftEnergie},
    {{&KalkulationsFenster::txtMaschinen, "Maschinen", "0,00"}, "DQMaschinen", &State::HerkunftMaschinen},
    {{&KalkulationsFenster::txtPSM, "PSM", "0,00"}, "DQPSM", &State::HerkunftPSM},
    {{&KalkulationsFenster::txtVermarktung, "Vermarktung", "0,00"}, "DQVermarktung",
     &State::HerkunftVermarktung},
    {{&KalkulationsFenster::txtArbeit, "Arbeit", "0,00"}, "DQArbeit", &State::HerkunftArbeit},
    {{&KalkulationsFenster::txtGemein, "Gemeinkosten", "0,00"}, "DQGemeinkosten",
     &State::HerkunftGemeinkosten},
};

// The box's text, or its default when it is empty.
std::string Wert(const KalkulationsFenster& fenster, const Feld& feld) {
  const std::string& text = fenster.*feld.Box;
  return text.empty() ? std::string(feld.Vorgabe) : text;
}

// Writes the new row into the table's recordset (not yet committed).
bool ZeileAnhaengen(db::Recordset& rs, const KalkulationsFenster& fenster, std::string_view fenstername,
                    std::string* fehler) {
  const State& s = state();
  bool ok = rs.AddNew();
  auto setzen = [&](const char* spalte, db::Value wert) { ok = ok && rs.SetField(spalte, std::move(wert)); };
  setzen("Import", db::Value::Bool(false));
  setzen("Nr", db::Value::Null());
  for (const Feld& f : kKopffelder) setzen(f.Spalte, Wert(fenster, f));
  setzen("Akh", ArbeitsstundenBerechnen(s.KulturArbeitListe, s.AnzahlKulturArbeiten));
  const auto tqm = FlaechentageBerechnen(s.PhasenListe, s.AnzahlPhasen);
  setzen("TQM", tqm ? db::Value(*tqm) : db::Value::Null());
  for (const Feld& f : kMengePreis) setzen(f.Spalte, Wert(fenster, f));
  for (const Kostenfeld& k : kKostenfelder) {
    setzen(k.Kosten.Spalte, Wert(fenster, k.Kosten));
    setzen(k.DQSpalte, static_cast<int>(s.*k.Herkunft));
  }
  if (fenstername == "frmKalkulation") {
    setzen("Bemerkungen", "Kalkulation erstellt am " + base::LongDateText(base::Today()));
  }
  ok = ok && rs.Update();
  if (!ok) {
    if (fehler) *fehler = rs.error();
    rs.CancelUpdate();
  }
  return ok;
}

bool ZeilenNummerieren(db::Recordset& rs, std::string* fehler) {
  for (int i = 0; i < rs.RecordCount(); ++i) {
    rs.MoveTo(i);
    if (!rs.Edit() || !rs.SetField("Nr", i) || !rs.Update()) {
      if (fehler) *fehler = rs.error();
      rs.CancelUpdate();
      return false;
    }
  }
  return true;
}

void Melden(std::string_view satz, const std::string& pfad, const std::string& grund) {
  data::ShowCritical(sys::Fehlermeldung(std::string(satz) + "\n\n" + pfad, grund));
}

// Opens the result database and its table and runs `schritte` on the table in one
// transaction; reports a failure with `satz` and rolls everything back.
template <typename Schritte>
bool InTransaktion(const std::string& pfad, std::string_view satz, Schritte schritte) {
  std::string grund;
  auto datenbank = db::Database::Open(pfad, &grund);
  if (!datenbank) {
    Melden(satz, pfad, grund);
    return false;
  }
  db::Recordset rs = datenbank->OpenTable(kTabelle);
  if (!rs.ok()) {
    Melden(satz, pfad, rs.error());
    return false;
  }
  db::Transaction transaktion = datenbank->BeginTransaction();
  if (!transaktion.active() || !schritte(rs, &grund) || !transaktion.Commit()) {
    if (grund.empty()) grund = datenbank->LastError();
    transaktion.Rollback();
    Melden(satz, pfad, grund);
    return false;
  }
  return true;
}

constexpr std::string_view kSpeichernFehlgeschlagen =
    "Die Kalkulation konnte nicht in der Ergebnisdatenbank gespeichert werden:";
constexpr std::string_view kNummerierenFehlgeschlagen =
    "Die Vergleichskulturen der Ergebnisdatenbank konnten nicht neu nummeriert werden:";

// Writes the stored defaults back into the window's empty boxes.
void VorgabenEintragen(KalkulationsFenster& fenster) {
  for (const Feld& f : kKopffelder) fenster.*f.Box = Wert(fenster, f);
  for (const Feld& f : kMengePreis) fenster.*f.Box = Wert(fenster, f);
  for (const Kostenfeld& k : kKostenfelder) fenster.*k.Kosten.Box = Wert(fenster, k.Kosten);
}

}  // namespace

std::optional<Kostenart> KostenartDesFensters(std::string_view fenster) {
  static constexpr std::pair<std::string_view, Kostenart> kFenster[] = {
      {"frmVantelInfo", Kostenart::Heizung},         {"frmMaterialInfo", Kostenart::Material},
      {"frmEnergieInfo", Kostenart::Energie},        {"frmMaschinenInfo", Kostenart::Maschinen},
      {"frmPSMInfo", Kostenart::PSM},                {"frmVermarktungInfo", Kostenart::Vermarktung},
      {"frmArbeitInfo", Kostenart::Arbeit},          {"frmGemeinkostenInfo", Kostenart::Gemeinkosten},
  };
  for (const auto& [name, art] : kFenster) {
    if (name == fenster) return art;
  }
  return std::nullopt;
}

const std::string& Kosten(const VergleichskulturSatz& satz, Kostenart art) {
  switch (art) {
    case Kostenart::Heizung: return satz.Heizung;
    case Kostenart::Material: return satz.Material;
    case Kostenart::Energie: return satz.Strom;
    case Kostenart::Maschinen: return satz.Maschinen;
    case Kostenart::PSM: return satz.PSM;
    case Kostenart::Vermarktung: return satz.Vermarktung;
    case Kostenart::Arbeit: return satz.Arbeit;
    case Kostenart::Gemeinkosten: break;
  }
  return satz.Gemeinkosten;
}

const std::string& Datenqualitaet(const VergleichskulturSatz& satz, Kostenart art) {
  switch (art) {
    case Kostenart::Heizung: return satz.DQHeizung;
    case Kostenart::Material: return satz.DQMaterial;
    case Kostenart::Energie: return satz.DQStrom;
    case Kostenart::Maschinen: return satz.DQMaschinen;
    case Kostenart::PSM: return satz.DQPSM;
    case Kostenart::Vermarktung: return satz.DQVermarktung;
    case Kostenart::Arbeit: return satz.DQArbeit;
    case Kostenart::Gemeinkosten: break;
  }
  return satz.DQGemeinkosten;
}

std::optional<std::string> Sterne(std::string_view dq) {
  if (dq == "1") return "***";
  if (dq == "2") return "**";
  if (dq == "3") return "*";
  return std::nullopt;
}

VergleichskulturAnzeige VergleichskulturenLaden(std::string_view fenster) {
  State& s = state();
  const std::string& pfad = s.AktuelleEinstellungen.Ergebnisdatenbank;
  std::string grund;
  if (!data::VergleichskulturenLesen(pfad, s.VergleichskulturListe, &grund)) {
    Melden("Die Vergleichskulturen der Ergebnisdatenbank konnten nicht gelesen werden:", pfad, grund);
  }
  s.AnzahlVergleichskulturen = static_cast<int>(s.VergleichskulturListe.size());
  // The element after the rows stays empty; it stands behind "Kein Datensatz vorhanden".
  s.VergleichskulturListe.emplace_back();

  VergleichskulturAnzeige anzeige;
  anzeige.txtErgebnisdatenbank = pfad;
  for (int i = 0; i < s.AnzahlVergleichskulturen; ++i) {
    anzeige.Eintraege.push_back(s.VergleichskulturListe[static_cast<std::size_t>(i)].Kultur);
  }
  if (anzeige.Eintraege.empty()) anzeige.Eintraege.emplace_back(kKeinDatensatz);
  anzeige.ListIndex = 0;

  const auto art = KostenartDesFensters(fenster);
  anzeige.KostenSetzen = art && *art != Kostenart::Maschinen && *art != Kostenart::Arbeit;
  if (anzeige.KostenSetzen) {
    const VergleichskulturSatz& erste = s.VergleichskulturListe.front();
    anzeige.txtKostenVergleichskultur = Kosten(erste, *art);
    anzeige.txtQualitaet = Sterne(Datenqualitaet(erste, *art));
  }
  return anzeige;
}

std::optional<VergleichswertAnzeige> VergleichskulturZeigen(Kostenart art, int index) {
  const auto& liste = state().VergleichskulturListe;
  if (index < 0 || static_cast<std::size_t>(index) >= liste.size()) return std::nullopt;
  const VergleichskulturSatz& satz = liste[static_cast<std::size_t>(index)];
  return VergleichswertAnzeige{Kosten(satz, art), Sterne(Datenqualitaet(satz, art))};
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

double ArbeitsstundenBerechnen(const std::vector<KulturArbeitSatz>& arbeiten, int anzahl) {
  double summe = 0.0;
  for (int i = 0; i < anzahl && static_cast<std::size_t>(i) < arbeiten.size(); ++i) {
    summe += base::NumberOr(arbeiten[static_cast<std::size_t>(i)].Zeitdauer, 0.0);
  }
  return summe;
}

bool KalkulationsergebnisSpeichern(KalkulationsFenster& fenster, std::string_view fenstername) {
  const bool ok = InTransaktion(state().AktuelleEinstellungen.Ergebnisdatenbank, kSpeichernFehlgeschlagen,
                                [&](db::Recordset& rs, std::string* fehler) {
                                  return ZeileAnhaengen(rs, fenster, fenstername, fehler);
                                });
  if (ok) VorgabenEintragen(fenster);
  return ok;
}

bool VergleichskulturenNummerieren() {
  return VergleichskulturenNummerieren(state().AktuelleEinstellungen.Ergebnisdatenbank);
}

bool VergleichskulturenNummerieren(const std::string& pfad) {
  return InTransaktion(pfad, kNummerierenFehlgeschlagen, ZeilenNummerieren);
}

bool KalkulationsergebnisSpeichernUndNummerieren(KalkulationsFenster& fenster, std::string_view fenstername) {
  const bool ok = InTransaktion(state().AktuelleEinstellungen.Ergebnisdatenbank, kSpeichernFehlgeschlagen,
                                [&](db::Recordset& rs, std::string* fehler) {
                                  return ZeileAnhaengen(rs, fenster, fenstername, fehler) &&
                                         ZeilenNummerieren(rs, fehler);
                                });
  if (ok) VorgabenEintragen(fenster);
  return ok;
}

}  // namespace tolvar::mdlkulturVergleich
