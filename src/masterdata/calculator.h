#pragma once
// The arithmetic of the pocket calculator (frmRechner) and of the application-rate
// calculator (frmAufwandmenge). The windows hand key presses and box texts in and show what
// comes out.

#include <optional>
#include <string>

namespace tolvar::masterdata {

// Target codes in Merkwert: the box the pocket calculator's readout goes to when it closes.
enum Rechnerziel : int {
  kTopfMenge = 1,        // frmTopf.txtMenge
  kTopfPreis = 2,        // frmTopf.txtPreis
  kTopfVolumen = 3,      // frmTopf.txtVolumen
  kSubstratPreis = 4,    // frmSubstrat.txtPreis
  kMaterialMenge = 5,    // frmMaterial4opt.txtMenge
  kMaterialPreis = 6,    // frmMaterial4opt.txtPreis
  kStandardVolumen = 7,  // frmVolumen.txtVolumen
};

// The four-function calculator with percent key. The readout is text with a decimal comma;
// while a number is typed without decimals it carries a trailing comma ("12,"). A readout
// that holds no number (a lone "-") counts as 0 wherever a number is taken from it.
class Taschenrechner {
 public:
  Taschenrechner() { Laden(); }

  // The loading step: readout "0", nothing pending.
  void Laden();
  // Key "0" to "9".
  void Ziffer(int ziffer);
  // Key ",".
  void Komma();
  // Keys "+", "-", "X", "/" and "=" by their caption. Division by zero shows "Division durch
  // Null ist nicht möglich" (exclamation icon, title "Rechner") and keeps the first operand;
  // so does a result too large for a number, with its own message. An operand too large for a
  // number (309 digits and more) is said with that message too: as the first operand it starts
  // the calculator afresh, as the second it keeps the first operand.
  void Operator(const std::string& op);
  // Key "%".
  void Prozent();
  // Key "CE": clears the entry only.
  void CancelEntry();
  // Key "C": forgets both operands and starts afresh.
  void Cancel();

  const std::string& Readout() const { return Readout_; }
  // What closing writes into the target box: the readout without a trailing comma.
  std::string Ergebnis() const;

  // Window state, named as the window keeps it.
  struct Operand {
    enum class Art { Leer, Text, Zahl } art = Art::Leer;
    std::string text;
    double zahl = 0.0;
  };
  Operand ErsterOperand;
  Operand ZweiterOperand;
  bool KommaGesetzt = false;
  int AnzahlOperanden = 0;
  std::string LetzteEingabe = "NONE";
  std::string AnstehenderOperator = " ";
  std::string AnzeigeVorher;

 private:
  std::string Readout_ = "0";
};

// Application rate: with K the concentration (g/l), A the spray liquid per unit (l) and P the
// agent's price (€/l), the cost per 100 l of spray liquid K × (P ÷ 10) and the cost per unit
// P ÷ 1000 × (K × A), both formatted "0.00". A result too large for a number is said (title
// "Rechner") and gives nullopt.
struct Aufwandmengenkosten {
  std::string txtKostenLiter;
  std::string txtKostenEinheit;
};
std::optional<Aufwandmengenkosten> AufwandmengeRechnen(double konzentration, double aufwandmenge, double preis);

// The same from the three boxes; a box that is empty or holds no number shows "Überprüfen sie
// bitte ihre Werte" and gives nullopt (the results stay as they were).
std::optional<Aufwandmengenkosten> AufwandmengeRechnen(const std::string& txtKonzentration,
                                                       const std::string& txtAufwandmenge, const std::string& txtPreis);

}  // namespace tolvar::masterdata
