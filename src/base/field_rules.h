#pragma once
// The rule of a stored number field: what its box may hold and what an empty box stores.
//
// Every saver keeps the rules of the fields it writes in one table beside the code that writes
// them, and checks every field before it writes any: a refusal writes nothing. Every button,
// key and mode change that stores goes through the saver, so no path passes a rule. The window
// only turns a refusal (the refused field's name) into its message, its red cell and its focus.
//
//   constexpr base::Feldregel kMenge{.feld = "txtMenge", .bereich = {.low = 0.0}, .ganz = true, .leer = "0"};
//   if (auto refused = base::ErsteVerweigerung({{kMenge, zeile.Menge}, {kTT, zeile.TT}})) ...

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "base/values.h"

namespace tolvar::base {

struct Feldregel {
  // The field's box or grid column as the window names it ("txtMenge"); a refusal names it.
  std::string_view feld;
  // The values the field takes. The upper bound is never above kLargestAmount, so no finite
  // text such as "1e308" passes.
  NumberRange bereich{};
  // A whole number ("12", also "12,0"); "1,5" is none.
  bool ganz = false;
  // What a blank box stores: nullopt refuses it; "" stores the empty text (the reader counts it
  // as missing), "0" or "85" store that text.
  std::optional<std::string_view> leer = std::nullopt;
  // One text stored as it stands although the range refuses it, because the reader takes it
  // for its default (a boiler efficiency "0" is read as 85 %). Empty: none.
  std::string_view auchText = {};
};

// The rule of a stored column as a box that writes the column applies it: the column's values,
// the box's name, and what the box stores when left blank. A box that writes a column says
// so by taking its rule from here rather than restating the range.
constexpr Feldregel ImFeld(Feldregel spalte, std::string_view feld, std::optional<std::string_view> leer) {
  spalte.feld = feld;
  spalte.leer = leer;
  return spalte;
}

// The text the saver stores for `text` under `regel`: the text itself when it is a number
// within the rule or the rule's `auchText`, the rule's `leer` for a blank text; nullopt when the
// rule refuses it.
std::optional<std::string> FeldText(const Feldregel& regel, std::string_view text);

// Whether the rule takes `text` (FeldText gives a value).
bool FeldGueltig(const Feldregel& regel, std::string_view text);

// The number `text` holds under the rule; nullopt for a blank text, the `auchText` and every
// text the rule refuses.
std::optional<double> FeldZahl(const Feldregel& regel, std::string_view text);

// One field of a write: its rule and the text its box holds.
struct Feldeingabe {
  const Feldregel& regel;
  std::string_view text;
};

// The name of the first field whose rule refuses its text; nullopt when every field passes.
std::optional<std::string_view> ErsteVerweigerung(std::initializer_list<Feldeingabe> eingaben);

// A value stored as `zaehler / nenner` (a price per use from the price and the reuse count):
// the quotient when it is finite and within ±kLargestAmount, nullopt otherwise ("1e-310" as
// the divisor, a divisor of 0).
std::optional<double> Quotient(double zaehler, double nenner);

// A value stored as `a × b` (a site's area from its length and width): the product when it is
// finite and within ±kLargestAmount, nullopt otherwise (1e7 × 1e7, an infinite factor).
std::optional<double> Produkt(double a, double b);

// What a number rule takes, as a message says it: "eine ganze Zahl von 0 bis
// 1.000.000.000.000", "ein Betrag von -1.000.000.000.000 bis 1.000.000.000.000".
std::string Erwartet(const Feldregel& regel);

// What the message refusing `text` in a number box adds: a text with a point is told that a
// number is typed without thousands points (" Bitte geben Sie die Zahl ohne Tausenderpunkte
// ein.", with its leading blank); any other text adds nothing. Thousands points are never
// read: "1.500" could be meant as 1,5 as well as 1500.
std::string Tausenderpunkthinweis(std::string_view text);

// A number with thousands points and decimal comma, as messages state bounds:
// 1e12 gives "1.000.000.000.000", 0,5 gives "0,5", -300 gives "-300".
std::string ZahlMitTausenderpunkten(double value);

// The range a rule applies, as a message states it: "von 0 bis 1.000.000.000.000",
// "über 0 bis 1.000.000.000.000", "von 0 bis unter 100", "von -1.000.000.000.000 bis 50".
std::string BereichText(const NumberRange& bereich);

}  // namespace tolvar::base
