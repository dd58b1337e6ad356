#include "masterdata/calculator.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/messages.h"

namespace tolvar::masterdata {

namespace {

using Operand = Taschenrechner::Operand;

constexpr std::string_view kZuGross = "Das Ergebnis ist zu groß und kann nicht angezeigt werden";

// A readout text as a number: a trailing comma is allowed; a lone "-" or other text without
// digits counts as 0. Digits beyond what a number holds (309 and more) give nullopt: such an
// operand is an overflow, not 0.
std::optional<double> Zahl(const std::string& text) {
  if (const std::optional<double> n = base::ParseNumber(text)) return n;
  if (text.find_first_of("0123456789") != std::string::npos) return std::nullopt;
  return 0.0;
}

std::optional<double> Zahl(const Operand& o) {
  switch (o.art) {
    case Operand::Art::Zahl:
      return o.zahl;
    case Operand::Art::Text:
      return Zahl(o.text);
    case Operand::Art::Leer:
      break;
  }
  return 0.0;
}

std::string Text(const Operand& o) {
  switch (o.art) {
    case Operand::Art::Zahl:
      return base::NumberText(o.zahl);
    case Operand::Art::Text:
      return o.text;
    case Operand::Art::Leer:
      break;
  }
  return "";
}

Operand AlsText(const std::string& text) { return {Operand::Art::Text, text, 0.0}; }
Operand AlsZahl(double zahl) { return {Operand::Art::Zahl, "", zahl}; }

void Melden(std::string_view text) {
  data::CurrentMessageSink().Show(text, data::MessageStyle::Exclamation, "Rechner");
}

// A result that is no finite number is said and never shown or passed on: taken as a number
// again it would count as 0. False then.
bool Endlich(double wert) {
  if (std::isfinite(wert)) return true;
  Melden(kZuGross);
  return false;
}

}  // namespace

void Taschenrechner::Laden() {
  KommaGesetzt = false;
  AnzahlOperanden = 0;
  LetzteEingabe = "NONE";
  AnstehenderOperator = " ";
  Readout_ = "0";
}

void Taschenrechner::Ziffer(int ziffer) {
  const std::string d(1, static_cast<char>('0' + ziffer));
  if (LetzteEingabe != "NUMS") {
    Readout_ = ",";
    KommaGesetzt = false;
  }
  if (KommaGesetzt) {
    Readout_ += d;
  } else {
    // The digit goes in front of the comma.
    Readout_ = Readout_.substr(0, Readout_.find(',')) + d + ",";
  }
  if (LetzteEingabe == "NEG") Readout_ = "-" + Readout_;
  LetzteEingabe = "NUMS";
}

void Taschenrechner::Komma() {
  if (LetzteEingabe == "NEG") {
    Readout_ = "-0,";
  } else if (LetzteEingabe != "NUMS") {
    Readout_ = "0,";
  }
  KommaGesetzt = true;
  LetzteEingabe = "NUMS";
}

void Taschenrechner::Operator(const std::string& op) {
  AnzeigeVorher = Readout_;
  if (LetzteEingabe == "NUMS") ++AnzahlOperanden;
  switch (AnzahlOperanden) {
    case 0:
      // A minus sign in front of the first number.
      if (op == "-" && LetzteEingabe != "NEG") {
        Readout_ = "-" + Readout_;
        LetzteEingabe = "NEG";
      }
      break;
    case 1:
      // An operand too large for a number is said, and the calculator starts afresh.
      if (!Zahl(Readout_)) {
        Melden(kZuGross);
        Laden();
        return;
      }
      ErsterOperand = AlsText(Readout_);
      // A minus sign in front of the second number.
      if (op == "-" && LetzteEingabe != "NUMS" && AnstehenderOperator != "=") {
        Readout_ = "-";
        LetzteEingabe = "NEG";
      }
      break;
    case 2: {
      ZweiterOperand = AlsText(AnzeigeVorher);
      const std::optional<double> erster = Zahl(ErsterOperand);
      const std::optional<double> zweiter = Zahl(ZweiterOperand);
      const double e = erster.value_or(0.0);
      const double z = zweiter.value_or(0.0);
      // A refused operation keeps the first operand.
      const auto ergebnis = [this](double wert) {
        if (Endlich(wert)) ErsterOperand = AlsZahl(wert);
      };
      if (!erster || !zweiter) {
        Melden(kZuGross);
      } else if (AnstehenderOperator == "+") {
        ergebnis(e + z);
      } else if (AnstehenderOperator == "-") {
        ergebnis(e - z);
      } else if (AnstehenderOperator == "X" || AnstehenderOperator == "%") {
        ergebnis(e * z);
      } else if (AnstehenderOperator == "/") {
        if (z == 0.0) {
          Melden("Division durch Null ist nicht möglich");
        } else {
          ergebnis(e / z);
        }
      } else if (AnstehenderOperator == "=") {
        ergebnis(z);
      }
      Readout_ = Text(ErsterOperand);
      AnzahlOperanden = 1;
      break;
    }
    default:
      break;
  }
  if (LetzteEingabe != "NEG") {
    LetzteEingabe = "OPS";
    AnstehenderOperator = op;
  }
}

void Taschenrechner::Prozent() {
  const std::optional<double> zahl = Zahl(Readout_);
  if (!zahl) {
    Melden(kZuGross);
    return;
  }
  const double prozent = *zahl / 100.0;
  if (!Endlich(prozent)) return;
  Readout_ = base::NumberText(prozent);
  LetzteEingabe = "OPS";
  AnstehenderOperator = "%";
  ++AnzahlOperanden;
  KommaGesetzt = true;
}

void Taschenrechner::CancelEntry() {
  Readout_ = "0,";
  KommaGesetzt = false;
  LetzteEingabe = "CE";
}

void Taschenrechner::Cancel() {
  Readout_ = "0,";
  ErsterOperand = AlsZahl(0.0);
  ZweiterOperand = AlsZahl(0.0);
  Laden();
}

std::string Taschenrechner::Ergebnis() const {
  if (!Readout_.empty() && Readout_.back() == ',') return Readout_.substr(0, Readout_.size() - 1);
  return Readout_;
}

std::optional<Aufwandmengenkosten> AufwandmengeRechnen(double k, double a, double p) {
  const double jeLiter = k * (p / 10.0);
  const double jeEinheit = p / 1000.0 * (k * a);
  if (!Endlich(jeLiter) || !Endlich(jeEinheit)) return std::nullopt;
  return Aufwandmengenkosten{base::Format(jeLiter, "0.00"), base::Format(jeEinheit, "0.00")};
}

std::optional<Aufwandmengenkosten> AufwandmengeRechnen(const std::string& txtKonzentration,
                                                       const std::string& txtAufwandmenge,
                                                       const std::string& txtPreis) {
  const std::optional<double> k = base::ParseNumber(txtKonzentration);
  const std::optional<double> a = base::ParseNumber(txtAufwandmenge);
  const std::optional<double> p = base::ParseNumber(txtPreis);
  if (!k || !a || !p) {
    mdlFehler::MeldungWertePruefen(!k ? txtKonzentration : (!a ? txtAufwandmenge : txtPreis));
    return std::nullopt;
  }
  return AufwandmengeRechnen(*k, *a, *p);
}

}  // namespace tolvar::masterdata
