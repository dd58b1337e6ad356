#pragma once
// The cost calculation of the selected culture: the cost types (data/cost_types.h) with
// their origins, the captions that show the origins, the reset of the calculation window, and the
// calculation itself on the window's box texts (KalkulationsFenster).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/field_rules.h"
#include "calculation/mdlKalkulation_formeln.h"
#include "data/comparison_table.h"
#include "data/cost_types.h"
#include "data/records_calculation.h"
#include "data/state.h"

namespace tolvar::mdlKalkulation {

// The mark of an origin: "***" for 1 (and 0), "**" for 2, "*" for 3; nullopt otherwise.
std::optional<std::string> Herkunftszeichen(int16_t herkunft);
// The caption of a cost button for an origin ("+ Heizung **"); nullopt for a value the
// caption table does not list (the caption then stays as it was).
std::optional<std::string> Beschriftung(Kostenart art, int16_t herkunft);

// The cost type as its button names it, without the sign and the mark: "Heizung",
// "elek.Energie", "Arbeitskosten".
std::string Kostenname(Kostenart art);

// Sets the eight cost buttons' captions from the flags in `k`.
void KostenartenBeschriftungSetzen(KalkulationsFenster& fenster, const CalculationState& k);

// Back to the state before any culture is calculated: all flags 1, every box empty, the
// reset captions, the cost, menu, start and save buttons disabled.
void KalkulationZuruecksetzen(KalkulationsFenster& fenster, CalculationState& k);

// The flag after taking over a comparison culture's value with the stored grade `grad`:
// 2 for "1", 3 for a grade that compares as text at or after "2", else unchanged.
int16_t HerkunftNachUebernahme(std::string_view grad, int16_t bisher);

// An input of the calculation that could not be read, with what it is as a message names it
// ("die Kulturphasen der Kultur"), where known why ("Datei: ..."), and the files it is read
// from (a damage found in one while it was read is named with the input).
struct UngeleseneEingabe {
  Eingabe eingabe;
  std::string was;
  std::string grund;
  std::vector<std::string> dateien;
};
// The inputs of one run that could not be read, each once, in the order they were read.
using Lesestand = std::vector<UngeleseneEingabe>;

// Reloads the selected culture's data and the lists its costs read (staff, phases, site
// occupancies, material rows, wage groups, the staff's wage history, recorded work and the
// material cost per hour of the activities) and finds out which inputs of the calculation
// could not be read: a loader that failed, the master material list as last loaded
// incomplete, or a file of the master materials, the heating model or the climate that cannot
// be opened (reported damaged, blocked after a failed fallback, missing, a folder). No culture
// selected is no failure.
Lesestand KulturdatenLaden();

// The inputs of `stand` that the type `art` is worked out from (the overheads spread by site,
// Gemeinkostentyp 1, also need the site occupancies and the sites' own overheads): the one
// rule that decides whether a type is left empty because something it needs was not read.
std::vector<const UngeleseneEingabe*> FehlendeEingaben(Kostenart art, const Lesestand& stand,
                                                       const EinstellungenSatz& einstellungen);

// The completeness check of a type's key (mdlDatenPruefung), as the calculation asks it: true
// when data are missing.
struct KalkulationsDienste {
  std::function<bool(std::string_view schluessel)> DatenFehlen;
};

// The services in use; they start with the program's completeness check. Tests replace them.
KalkulationsDienste& Dienste();
// Back to the starting services (tests).
void DiensteZuruecksetzen();

// The rules of the boxes the user types and the calculation reads, which the result save
// stores in table Vergleichskulturen: the quantity and the price take what their columns take
// (a whole number, an amount, from 0), and an empty box stores the rule's `leer`. A cost box
// whose origin is typed (3) takes an amount from 0.
inline constexpr base::Feldregel kMengeRegel = base::ImFeld(data::kVergleichMengeRegel, "txtMenge", "0");
inline constexpr base::Feldregel kPreisRegel = base::ImFeld(data::kVergleichPreisRegel, "txtPreis", "0,00");
// The rule of a typed cost box, named after the box (txtHeizung ...).
const base::Feldregel& Kostenregel(Kostenart art);

// A box whose text its rule refuses: the box's name, and its line in the message (its label,
// its text and what it takes).
struct Eingabefehler {
  std::string_view feld;
  std::string zeile;
};
// The line of a refused box: `Preis "abc": ein Betrag von 0 bis 1.000.000.000.000`.
std::string Fehlerzeile(std::string_view name, std::string_view text, std::string_view erwartet);
// The line of a box its number rule refuses (base::Erwartet), with the thousands points
// named when the text has a point (base::Tausenderpunkthinweis).
std::string Fehlerzeile(std::string_view name, std::string_view text, const base::Feldregel& regel);

// The boxes the calculation reads whose rule refuses their text, in the window's order: the
// quantity, the price, every cost box whose origin is typed, and every one taken over from a
// comparison culture under its column's rule (data::Kostenregel). Empty boxes pass.
std::vector<Eingabefehler> EingabenPruefen(const KalkulationsFenster& fenster, const CalculationState& k);

// Refuses a command (`was`: "Es wurde nicht kalkuliert.") with one critical message that
// names every refused box.
void EingabefehlerMelden(std::string_view was, const std::vector<Eingabefehler>& fehler);

// How a run treats a box that EingabenPruefen refuses: "Kalkulation" refuses the run with a
// message naming the boxes; the recalculation when a value box loses the focus leaves the box
// out without a word, and every margin that needs it stays empty.
enum class Eingaben { Melden, Auslassen };

// Calculates the culture KulturListe(KulturIndex): reloads its data, then, when price and
// quantity are filled, computes every type whose flag is 1 into its box (per 1000 plants,
// "0.00"; empty when data are missing), enables the cost, menu and save buttons and works
// out the margins. An input that could not be read (KulturdatenLaden; for a computed heating
// the greenhouse, heating-model and climate data, for computed overheads by site the sites'
// overheads, each read once before any type is computed) is missing data of every type that
// needs it (FehlendeEingaben): their boxes stay empty, and one message names what was not
// read, with the cause of a file found damaged while it was read, and the costs left empty
// (with Eingaben::Auslassen, the recalculation when a box is left, that message is not
// repeated).
// Types with another flag keep their box text. False when nothing was calculated (no culture
// selected, an empty price or quantity). A culture without phases, boxes EingabenPruefen
// refuses (with Eingaben::Melden) and, while the energy cost is computed, a stored
// electricity price that is no amount of zero or more are refused with a critical message
// that says why; no box then shows a figure computed from them, storing the result is
// switched off, and `fokus`, when given, names the first refused box.
bool KulturKalkulieren(KalkulationsFenster& fenster, Eingaben eingaben = Eingaben::Melden,
                       std::string* fokus = nullptr);

// Why a cost button of a computed line opens no breakdown although its box holds 0: the
// information to show for `art`.
std::string KeineAufschluesselung(Kostenart art);

}  // namespace tolvar::mdlKalkulation
