#include "settings/settings_logic.h"

#include <array>
#include <cmath>
#include <memory>
#include <utility>

#include "base/values.h"
#include "data/mdlDatenbank_systeminfo.h"
#include "data/mdlFehler.h"
#include "data/paths.h"
#include "data/settings_row.h"
#include "data/state.h"

namespace tolvar::settings {

std::string HilfethemaDesTabs(int tab) {
  static const std::array<const char*, 7> kThemen = {"4.2", "4.5", "4.4", "4.1", "4.3", "4.6", "4.7"};
  const char* const* thema = At(kThemen, tab);
  return thema != nullptr ? *thema : "Index";
}

std::string DatenbankGewaehlt(Datenbank datenbank, const std::string& pfad) {
  EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  switch (datenbank) {
    case Datenbank::Material:
      e.MaterialPfad = pfad;
      mdlFehler::MaterialDatenbankPruefen();
      return e.MaterialPfad;
    case Datenbank::Vantel:
      e.VantelPfad = pfad;
      mdlFehler::VantelDatenbankPruefen();
      return e.VantelPfad;
    case Datenbank::Ergebnis:
      e.Ergebnisdatenbank = pfad;
      mdlFehler::ErgebnisDatenbankPruefen();
      // The tab has no button that confirms it: a chosen file that passed its check is the
      // confirmed setting and is written at once (a failure is said).
      if (state().enterprise.PruefungOk) mdlDatenbank::EinstellungenSichern();
      return e.Ergebnisdatenbank;
  }
  return pfad;
}

DatenbankenSpeicherStatus DatenbankenSpeichern(const std::string& station, const std::string& materialPfad,
                                               const std::string& vantelPfad) {
  State& st = state();
  EinstellungenSatz& e = st.enterprise.AktuelleEinstellungen;
  e.Wetterstation = station;
  e.MaterialPfad = materialPfad;
  e.VantelPfad = vantelPfad;
  mdlFehler::MaterialDatenbankPruefen();
  if (!st.enterprise.PruefungOk) return DatenbankenSpeicherStatus::PruefungFehlgeschlagen;
  mdlFehler::VantelDatenbankPruefen();
  if (!st.enterprise.PruefungOk) return DatenbankenSpeicherStatus::PruefungFehlgeschlagen;
  // The whole row, so the weather and result databases chosen on this tab are on disk too.
  return mdlDatenbank::EinstellungenSichern() ? DatenbankenSpeicherStatus::Gespeichert
                                              : DatenbankenSpeicherStatus::Fehler;
}

void StandardKlimapfadSetzen() {
  state().enterprise.AktuelleEinstellungen.KlimaPfad = data::InstallPath(data::kStandardWetterdatenbank);
}

bool FarbeinstellungSpeichern(std::optional<int> farbeTolvar, std::optional<int> farbeMorvin) {
  State& st = state();
  if (farbeMorvin && *farbeMorvin >= 0 && *farbeMorvin <= 5) st.windows.FarbeMorvin = *farbeMorvin;
  if (farbeTolvar && *farbeTolvar >= 0 && *farbeTolvar <= 5) st.windows.FarbeTolvar = *farbeTolvar;
  return mdlDatenbank::SystemInfoSichern();
}

std::string NeustartFrage() {
  return "Um die geänderte Farbeinstellungen zu überhehmen, muss das Programm neu gestartet "
         "werden.\n\r\n\rSoll das Programm automatisch neu gestartet werden?";
}

std::optional<std::string> AnteilAusUmsatz(std::string_view kosten, std::string_view umsatz) {
  const std::optional<double> k = base::FeldZahl(kVermarktungsbetrag, kosten);
  const std::optional<double> u = base::FeldZahl(kUmsatz, umsatz);
  if (!k || !u || *u == 0.0) return std::nullopt;
  const double anteil = *k / *u * 100.0;
  if (!std::isfinite(anteil) || std::fabs(anteil) > base::kLargestAmount) return std::nullopt;
  return base::NumberText(anteil);
}

Anteilergebnis VermarktungsanteilBerechnen(const std::string& umsatz, const std::string& kosten) {
  const bool umsatzLeer = base::Trim(umsatz).empty();
  if (umsatzLeer || base::Trim(kosten).empty()) {
    mdlFehler::MeldungWerteFehlen();
    return {std::nullopt, umsatzLeer ? VermarktungsBox::Umsatz : VermarktungsBox::Kosten};
  }
  std::optional<std::string> anteil = AnteilAusUmsatz(kosten, umsatz);
  if (!anteil) {
    const std::optional<double> u = base::FeldZahl(kUmsatz, umsatz);
    const bool umsatzFalsch = !u || *u == 0.0;
    mdlFehler::MeldungWertePruefen(umsatzFalsch ? umsatz : kosten);
    return {std::nullopt, umsatzFalsch ? VermarktungsBox::Umsatz : VermarktungsBox::Kosten};
  }
  return {std::move(anteil)};
}

std::optional<std::string> VermarktungskostenSpeichern(const std::string& text) {
  std::optional<std::string> gespeichert = base::FeldText(kVermarktungsanteil, text);
  if (!gespeichert) {
    mdlFehler::MeldungWertePruefen(text);
    return std::nullopt;
  }
  std::string& wert = state().enterprise.AktuelleEinstellungen.Vermarktungskosten;
  wert = *gespeichert;
  mdlDatenbank::EinstellungenSichern();
  return wert;
}

}  // namespace tolvar::settings
