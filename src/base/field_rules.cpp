#include "base/field_rules.h"

#include <algorithm>
#include <cmath>

namespace tolvar::base {

namespace {

bool Blank(std::string_view text) { return Trim(text).empty(); }

// The rule's range with its upper bound held at the largest amount.
NumberRange Begrenzt(const NumberRange& bereich) {
  NumberRange r = bereich;
  if (r.high > kLargestAmount) {
    r.high = kLargestAmount;
    r.highIncluded = true;
  }
  if (r.low < -kLargestAmount) {
    r.low = -kLargestAmount;
    r.lowIncluded = true;
  }
  return r;
}

std::optional<double> ZahlNachRegel(const Feldregel& regel, std::string_view text) {
  const std::optional<double> n = ParseNumberIn(text, Begrenzt(regel.bereich));
  if (!n) return std::nullopt;
  if (regel.ganz && *n != std::floor(*n)) return std::nullopt;
  return n;
}

}  // namespace

std::optional<std::string> FeldText(const Feldregel& regel, std::string_view text) {
  if (Blank(text)) {
    if (!regel.leer) return std::nullopt;
    return std::string(*regel.leer);
  }
  if (!regel.auchText.empty() && Trim(text) == regel.auchText) return std::string(text);
  if (!ZahlNachRegel(regel, text)) return std::nullopt;
  return std::string(text);
}

bool FeldGueltig(const Feldregel& regel, std::string_view text) { return FeldText(regel, text).has_value(); }

std::optional<double> FeldZahl(const Feldregel& regel, std::string_view text) {
  if (Blank(text)) return std::nullopt;
  if (!regel.auchText.empty() && Trim(text) == regel.auchText) return std::nullopt;
  return ZahlNachRegel(regel, text);
}

std::optional<std::string_view> ErsteVerweigerung(std::initializer_list<Feldeingabe> eingaben) {
  for (const Feldeingabe& e : eingaben) {
    if (!FeldGueltig(e.regel, e.text)) return e.regel.feld;
  }
  return std::nullopt;
}

namespace {

// A derived value that stays a finite amount.
std::optional<double> Betrag(double wert) {
  if (!std::isfinite(wert) || std::fabs(wert) > kLargestAmount) return std::nullopt;
  return wert;
}

}  // namespace

std::optional<double> Quotient(double zaehler, double nenner) {
  if (nenner == 0.0) return std::nullopt;
  return Betrag(zaehler / nenner);
}

std::optional<double> Produkt(double a, double b) { return Betrag(a * b); }

std::string Erwartet(const Feldregel& regel) {
  return (regel.ganz ? "eine ganze Zahl " : "ein Betrag ") + BereichText(regel.bereich);
}

std::string Tausenderpunkthinweis(std::string_view text) {
  if (text.find('.') == std::string_view::npos) return {};
  return " Bitte geben Sie die Zahl ohne Tausenderpunkte ein.";
}

std::string ZahlMitTausenderpunkten(double value) {
  std::string text = NumberText(value);
  if (text.find('E') != std::string::npos) return text;
  const std::size_t vorzeichen = (!text.empty() && text.front() == '-') ? 1 : 0;
  const std::size_t komma = std::min(text.find(','), text.size());
  // Points go between groups of three digits counted back from the comma.
  for (std::size_t pos = komma; pos > vorzeichen + 3; pos -= 3) text.insert(pos - 3, 1, '.');
  return text;
}

std::string BereichText(const NumberRange& bereich) {
  const NumberRange r = Begrenzt(bereich);
  const std::string von = (r.lowIncluded ? "von " : "über ") + ZahlMitTausenderpunkten(r.low);
  const std::string bis = (r.highIncluded ? " bis " : " bis unter ") + ZahlMitTausenderpunkten(r.high);
  return von + bis;
}

}  // namespace tolvar::base
