// The pocket calculator's key sequences and the application-rate arithmetic.
#include "masterdata/calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/values.h"
#include "data/messages.h"
#include "support/messages.h"

namespace tolvar {
namespace {

using masterdata::Taschenrechner;

// Presses keys given as their captions, separated by blanks: digits, ",", "+", "-", "X",
// "/", "=", "%", "CE", "C".
void Tasten(Taschenrechner& r, const std::string& folge) {
  std::size_t i = 0;
  while (i < folge.size()) {
    std::size_t ende = folge.find(' ', i);
    if (ende == std::string::npos) ende = folge.size();
    const std::string t = folge.substr(i, ende - i);
    i = ende + 1;
    if (t.size() == 1 && t[0] >= '0' && t[0] <= '9') {
      r.Ziffer(t[0] - '0');
    } else if (t == ",") {
      r.Komma();
    } else if (t == "%") {
      r.Prozent();
    } else if (t == "CE") {
      r.CancelEntry();
    } else if (t == "C") {
      r.Cancel();
    } else {
      r.Operator(t);
    }
  }
}

class RechnerTest : public testing::Test {
 protected:
  test::ScopedRecordingSink sink_;
};

TEST_F(RechnerTest, KeySequences) {
  const struct {
    std::string tasten, readout, ergebnis;
  } faelle[] = {
      {"", "0", "0"},
      {"7 + 5 =", "12", "12"},
      {"1 , 5 + 1 =", "2,5", "2,5"},
      {"1 2", "12,", "12"},
      {"2 0 0 X 5 %", "0,05", "0,05"},
      {"2 0 0 X 5 % =", "10", "10"},
      {"2 0 0 + 5 % =", "10", "10"},
      {"7 + 5 = =", "12", "12"},
      {"-", "-0", "-0"},
      {"- 3", "-3,", "-3"},
      {"- ,", "-0,", "-0"},
      {"5 X - 3 =", "-15", "-15"},
      {"5 + 3 CE 4 =", "9", "9"},
      {"5 + 3 C", "0", "0"},
      {"9 - 4 =", "5", "5"},
      {"1 / 4 =", "0,25", "0,25"},
      {"5 %", "0,05", "0,05"},
      {"% % % + 2 =", "2,", "2"},  // the operand count is above 2: operators only record
      {"5 + - %", "0", "0"},       // a lone minus sign counts as 0
      {"5 + - =", "-", "-"},       // "=" on a waiting minus sign changes nothing
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.tasten);
    Taschenrechner r;
    Tasten(r, f.tasten);
    EXPECT_EQ(r.Readout(), f.readout);
    EXPECT_EQ(r.Ergebnis(), f.ergebnis);
  }
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(RechnerTest, DivisionByZeroKeepsTheFirstOperand) {
  Taschenrechner r;
  Tasten(r, "8 / 0 =");
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].text, "Division durch Null ist nicht möglich");
  EXPECT_EQ(sink_.messages[0].style, data::MessageStyle::Exclamation);
  EXPECT_EQ(sink_.messages[0].title, "Rechner");
  EXPECT_EQ(r.Readout(), "8,");
  EXPECT_EQ(r.Ergebnis(), "8");
}

TEST_F(RechnerTest, ClearForgetsBothOperands) {
  Taschenrechner r;
  Tasten(r, "7 + 5 = C");
  EXPECT_EQ(r.Readout(), "0");
  EXPECT_EQ(r.AnzahlOperanden, 0);
  EXPECT_EQ(r.LetzteEingabe, "NONE");
  Tasten(r, "2 + 3 =");
  EXPECT_EQ(r.Readout(), "5");
}

TEST_F(RechnerTest, AResultTooLargeIsSaidAndTheFirstOperandKept) {
  Taschenrechner r;
  // 99999999999999 multiplied by itself: the 23rd factor leaves the range of numbers.
  std::string tasten;
  for (int i = 0; i < 23; ++i) tasten += "9 9 9 9 9 9 9 9 9 9 9 9 9 9 X ";
  Tasten(r, tasten);
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].title, "Rechner");
  EXPECT_LT(std::abs(*base::ParseNumber(r.Readout()) - std::pow(99999999999999.0, 22)), 1e295);
  Tasten(r, "+ 5 =");
  EXPECT_GT(*base::ParseNumber(r.Readout()), 1e307);
  // A lone "-" still counts as 0: it is taken as the first operand of "X -5".
  Tasten(r, "C 5 X - =");
  EXPECT_EQ(r.Readout(), "-");
  Tasten(r, "+ 5 =");
  EXPECT_EQ(r.Readout(), "0");
  EXPECT_EQ(sink_.messages.size(), 1u);
}

// An operand of 309 digits or more is no number: it is said as too large, never taken as 0.
TEST_F(RechnerTest, AnOperandTooLargeIsSaidAndNotTakenAsZero) {
  std::string neunen;
  for (int i = 0; i < 310; ++i) neunen += "9 ";
  Taschenrechner r;
  Tasten(r, "5 + " + neunen + "=");  // the second operand: the first stays
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].text, "Das Ergebnis ist zu groß und kann nicht angezeigt werden");
  EXPECT_EQ(r.Ergebnis(), "5");
  Tasten(r, "C " + neunen + "+ 1 =");  // the first operand: the calculator starts afresh
  ASSERT_EQ(sink_.messages.size(), 2u);
  EXPECT_EQ(r.Ergebnis(), "1");
  Tasten(r, "C " + neunen + "%");
  EXPECT_EQ(sink_.messages.size(), 3u);
  Tasten(r, "C 3 0 8 X 2 =");  // within the range all goes on as before
  EXPECT_EQ(r.Ergebnis(), "616");
  EXPECT_EQ(sink_.messages.size(), 3u);
}

TEST_F(RechnerTest, ApplicationRate) {
  const struct {
    std::string k, a, p, liter, einheit;
  } faelle[] = {
      {"2", "0,5", "40", "8,00", "0,04"},
      {"1", "0,1", "40", "4,00", "0,00"},  // below half a cent
      {"0,5", "200", "12", "0,60", "1,20"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.k + " " + f.a + " " + f.p);
    const auto kosten = masterdata::AufwandmengeRechnen(f.k, f.a, f.p);
    ASSERT_TRUE(kosten);
    EXPECT_EQ(kosten->txtKostenLiter, f.liter);
    EXPECT_EQ(kosten->txtKostenEinheit, f.einheit);
  }
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(RechnerTest, ApplicationRateWithoutNumbersIsRefused) {
  for (const auto& [k, a, p] : {std::tuple{"", "1", "1"}, std::tuple{"1", ",", "1"}, std::tuple{"1", "1", "1,2,3"}}) {
    SCOPED_TRACE(std::string(k) + "|" + a + "|" + p);
    sink_.messages.clear();
    EXPECT_FALSE(masterdata::AufwandmengeRechnen(k, a, p));
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0].text, "Überprüfen sie bitte ihre Werte");
  }
}

}  // namespace
}  // namespace tolvar
