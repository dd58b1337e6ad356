#pragma once
// One column of the culture comparison: a stored comparison culture as the comparison window
// holds it, its derived values (other material costs, profit, market output) and the two
// margins DKFL and EKFL in the three units the window offers.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "data/records_comparison.h"

namespace tolvar {}  // namespace tolvar

namespace tolvar::comparison {

// Writes "0" into every slot from Kultur to GewinnKultur, each cost and grade included.
void SpalteZuruecksetzen(VergleichsspalteSatz& spalte);

// Loads the row whose Nr, as text, equals spalte.Nr from table Vergleichskulturen of the
// result database at `pfad` (the last such row wins) and derives Sachkosten, Gewinn1000,
// GewinnKultur and Erloes. Import, Bemerkungen, TQM and Akh are cleared first, so nothing of
// the culture compared before remains; a field without a value keeps its slot. False, with
// the reason in *fehler, when the database or its table cannot be read; the slots then stay.
bool SpalteLaden(const std::string& pfad, VergleichsspalteSatz& spalte, std::string* fehler = nullptr);

// The derived slots, unrounded in the system's number format. A derived slot with a term
// that is no number is emptied, so no figure is shown from it; the profits are worked out
// only when the overheads are a number other than 0 (overheads of 0 keep their slots).
void AbgeleiteteWerteBerechnen(VergleichsspalteSatz& spalte);

// The names of the number slots (price, quantity, the eight costs, area-days, labour hours)
// whose stored text is not empty and no number, as rows no box checked can hold them.
std::vector<std::string> UngueltigeZahlen(const VergleichsspalteSatz& spalte);
// One message naming every culture of `spalten` with such a slot; nullopt when there is none.
std::optional<std::string> UngueltigeZahlenMeldung(std::span<const VergleichsspalteSatz> spalten);

// The slot formatted ("0.00" or "0"); nullopt when it holds no number.
std::optional<std::string> Formatiert(const std::string& slot, const char* muster);

// What the value boxes of a column show after loading: a slot that holds no number is shown
// empty, never as a figure.
struct SpaltenAnzeige {
  std::string Beginn;
  std::string Ende;
  std::string Menge;
  std::string Preis;
  std::string Heizkosten;
  std::string Materialkosten;
  std::string Sachkosten;
  std::string Arbeitskosten;
  // Overheads and both profits: all three empty when the overheads show as "0,00".
  std::string Gemeinkosten;
  std::string GewinnPflanze;
  std::string GewinnKultur;
};
SpaltenAnzeige SpalteAnzeigen(const VergleichsspalteSatz& spalte);

enum class Marge { DKFL, EKFL };
// Units of the margins, by option index.
enum class Einheit { Je1000Stueck = 0, JeBJm2 = 1, JeAkh = 2 };
// The unit label of option 0, 1, 2: "€/1000Stk.", "€/BJm²", "€/Akh".
const char* EinheitText(Einheit einheit);

// The margin per 1000 plants: DKFL = Preis * 1000 - (Sachkosten + Material + Heizung),
// EKFL also less Arbeit; nullopt when a term is no number.
std::optional<double> MargeJe1000(const VergleichsspalteSatz& spalte, Marge marge);

// The margin in a unit, formatted "0.00". Per m² and year and per labour hour start from the
// margin rounded to two decimals. nullopt when it cannot be formed: a term that is no number,
// TQM or Akh 0, empty or no number, or a result that is not finite.
std::optional<std::string> MargeUmrechnen(const VergleichsspalteSatz& spalte, Marge marge, Einheit einheit);

}  // namespace tolvar::comparison
