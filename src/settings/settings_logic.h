#pragma once
// The settings window's data side: the database paths and the weather station (tab
// "Datenbanken", tab "Kulturvergleich"), the pointer colours, the marketing share and the
// help topics of the tabs.

#include <optional>
#include <string>
#include <string_view>

#include "base/field_rules.h"
#include "base/values.h"

namespace tolvar::settings {

// Help topic of tab 0..6 ("4.2", "4.5", "4.4", "4.1", "4.3", "4.6", "4.7"); "Index" for
// any other tab.
std::string HilfethemaDesTabs(int tab);

// The databases chosen with a browse button.
enum class Datenbank { Material, Vantel, Ergebnis };

// Puts the chosen file into its setting (MaterialPfad, VantelPfad or Ergebnisdatenbank) and
// runs that database's check, whose failure reports, falls back to the default path and
// writes it. A result database that passed its check is written into the settings row at
// once. Returns the setting afterwards (what the path box shows).
std::string DatenbankGewaehlt(Datenbank datenbank, const std::string& pfad);

enum class DatenbankenSpeicherStatus { Gespeichert, PruefungFehlgeschlagen, Fehler };

// "Speichern" of tab "Datenbanken": takes the station and both paths over, checks the
// material and then the heating-model database (a failure ends the command after the
// check's own fallback), and writes the whole settings row (so the weather and result
// databases chosen on the tab are on disk too). Fehler when that row cannot be written, said
// in a message (the values stay in memory and are written when the program ends).
DatenbankenSpeicherStatus DatenbankenSpeichern(const std::string& station, const std::string& materialPfad,
                                               const std::string& vantelPfad);

// "Standard-Wetterstationen": KlimaPfad back to the default weather database (in memory).
void StandardKlimapfadSetzen();

// Stores the pointer colours 0..5: a colour not given (no option selected) or outside 0..5
// stays. The SystemInfo row is written (mdlDatenbank::SystemInfoSichern). False, with a
// message that says why, when the Systemdatenbank cannot be written; the colours hold in
// memory anyway.
bool FarbeinstellungSpeichern(std::optional<int> farbeTolvar, std::optional<int> farbeMorvin);

// The restart question after the colours were stored.
std::string NeustartFrage();

// The marketing share's fields. The yearly turnover and marketing costs and the share in per
// cent of the market output take any number within ±base::kLargestAmount, negative ones
// included (marketing costs of -300 on a turnover of 30000 give -1; a share above 100 is
// allowed). A blank share is stored as "0"; the amounts are never stored.
inline constexpr base::NumberRange kBetragMitVorzeichen{.low = -base::kLargestAmount};
inline constexpr base::Feldregel kUmsatz{.feld = "txtUmsatz", .bereich = kBetragMitVorzeichen};
inline constexpr base::Feldregel kVermarktungsbetrag{.feld = "txtVermarktungskosten", .bereich = kBetragMitVorzeichen};
inline constexpr base::Feldregel kVermarktungsanteil{
    .feld = "txtVermarktung", .bereich = kBetragMitVorzeichen, .leer = "0"};

// The share from yearly marketing costs and turnover: costs / turnover × 100 as general
// number text (up to 15 significant digits). nullopt when either text is no number of its
// rule, the turnover is 0, or the share lies beyond ±base::kLargestAmount.
std::optional<std::string> AnteilAusUmsatz(std::string_view kosten, std::string_view umsatz);

// The box of the marketing share that a refusal points at.
enum class VermarktungsBox { Keine, Umsatz, Kosten, Anteil };

struct Anteilergebnis {
  std::optional<std::string> Anteil;
  VermarktungsBox Falsch = VermarktungsBox::Keine;
};

// "OK" of the turnover way: AnteilAusUmsatz. An empty box: "Sie haben nicht alle notwendigen
// Werte eingegeben"; any other refusal (a text that is no number, a turnover of 0, an amount
// or share beyond ±base::kLargestAmount): "Überprüfen sie bitte ihre Werte". After either
// message no share, and the box to correct.
Anteilergebnis VermarktungsanteilBerechnen(const std::string& umsatz, const std::string& kosten);

// "Speichern": Vermarktungskosten := the text, "0" when empty, and the settings row is
// written at once (a failure is reported). A text that kVermarktungsanteil refuses is refused
// with "Überprüfen sie bitte ihre Werte" and nothing is taken (nullopt). Returns the value taken.
std::optional<std::string> VermarktungskostenSpeichern(const std::string& text);

}  // namespace tolvar::settings
