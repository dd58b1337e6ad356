#pragma once
// The comparison-culture store: finished calculations kept as rows of table
// Vergleichskulturen of the result database (AktuelleEinstellungen.Ergebnisdatenbank),
// listed for the cost detail windows, appended from the calculation window, renumbered
// 0, 1, 2 ... in table order after every change.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/mdlKalkulation.h"
#include "data/comparison_table.h"
#include "data/cost_types.h"
#include "data/records_calculation.h"
#include "data/records_comparison.h"
#include "data/records_culture.h"
#include "data/state.h"

namespace tolvar::mdlkulturVergleich {

// The only list entry when the result database holds no comparison culture.
inline constexpr std::string_view kKeinDatensatz = "Kein Datensatz vorhanden";

// The stars of a grade: "***" for "1", "**" for "2", "*" for "3"; nullopt for any other
// text (the grade box then keeps what it showed).
std::optional<std::string> Sterne(std::string_view dq);

// What a detail window's comparison frame shows after a load.
struct VergleichskulturAnzeige {
  std::string txtErgebnisdatenbank;    // path of the result database
  std::vector<std::string> Eintraege;  // entries of comVergleichskulturen, in list order
  int ListIndex = 0;                   // the entry to select (its handler runs)
  // True for the six windows whose cost and grade boxes the load fills (all but
  // frmMaschinenInfo and frmArbeitInfo, whose selection handlers show the culture).
  bool KostenSetzen = false;
  std::string txtKostenVergleichskultur;    // cost of element 0
  std::optional<std::string> txtQualitaet;  // stars of element 0; nullopt: keep the text
};

// Reloads VergleichskulturListe and AnzahlVergleichskulturen from the result database and
// returns what the window named `fenster` shows. A database that cannot be read is
// reported and gives an empty list with the single entry "Kein Datensatz vorhanden".
VergleichskulturAnzeige VergleichskulturenLaden(std::string_view fenster);

// What a selection handler shows for entry `index` of the list: the cost of `art` and its
// stars (nullopt: keep the grade box). nullopt when `index` names no element (-1 after the
// user typed into the list's text part).
struct VergleichswertAnzeige {
  std::string Kosten;
  std::optional<std::string> Qualitaet;
};
std::optional<VergleichswertAnzeige> VergleichskulturZeigen(Kostenart art, int index, const ComparisonState& vergleich);

// Area-days of a culture: the sum over phase slots 1..anzahlPhasen of gross area times
// the days from Anfang to Ende; nullopt without phases. A gross area that is empty or no
// number counts 0.
std::optional<double> FlaechentageBerechnen(const std::vector<PhasenSatz>& phasen, int anzahlPhasen);
// Labour hours: the sum of Zeitdauer over the pieces of work; empty or no number counts 0.
double ArbeitsstundenBerechnen(const std::vector<KulturArbeitSatz>& arbeiten);

// The cost types whose figure the program computed or took over and that is not stored:
// empty while its origin is computed (the cost could not be computed from the culture's
// data), or holding text its column's rule (data::Kostenregel) refuses. A typed cost box
// follows its rule (EingabenPruefen).
std::vector<Kostenart> UngespeicherteKosten(const KalkulationsFenster& fenster, const CalculationState& kalkulation);

// The boxes whose rule the save refuses, in the window's order: a start or end date that is
// not empty and no date written dd.mm.yyyy, then those of mdlKalkulation::EingabenPruefen
// (quantity, price, typed cost boxes).
std::vector<mdlKalkulation::Eingabefehler> SpeicherEingabenPruefen(const KalkulationsFenster& fenster,
                                                                   const CalculationState& kalkulation);

// Appends the calculation shown in `fenster` (the texts of the calculation window's boxes)
// as a new row with an empty Nr, using PhasenListe, KulturArbeitListe and the eight
// Herkunft flags of the state. Empty boxes are stored with their defaults
// ("KeinNameVergeben", "01.01.1900", "0", "0,00"), which are then written into `fenster`
// too. Bemerkungen ("Kalkulation erstellt am " and today's long date) is written only when
// `fenstername` is "frmKalkulation". Boxes SpeicherEingabenPruefen refuses, then
// UngespeicherteKosten, then a column of the row whose rule refuses it (data::
// ErsteVerweigerung: the sums Akh and TQM too) refuse the save with one message naming them;
// `fokus`, when given, then names the first refused box. On failure the reason is reported, nothing is stored,
// `fenster` is unchanged and the result is false.
bool KalkulationsergebnisSpeichern(KalkulationsFenster& fenster, std::string_view fenstername = "frmKalkulation",
                                   std::string* fokus = nullptr);

// Sets Nr of every row to 0, 1, 2 ... in table order, in one transaction: of the result
// database named by AktuelleEinstellungen.Ergebnisdatenbank, or of the file at `pfad`. On
// failure the reason is reported, the numbers stay as they were and the result is false.
bool VergleichskulturenNummerieren();
bool VergleichskulturenNummerieren(const std::string& pfad);

// The calculation window's save command: the append followed by the renumbering, both in
// one transaction, so a failure leaves the table as it was.
bool KalkulationsergebnisSpeichernUndNummerieren(KalkulationsFenster& fenster,
                                                 std::string_view fenstername = "frmKalkulation",
                                                 std::string* fokus = nullptr);

}  // namespace tolvar::mdlkulturVergleich
