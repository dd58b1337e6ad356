#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/values.h"

namespace tolvar::base {
namespace {

TEST(ParseNumber, AcceptsGermanNumberText) {
  struct Case {
    const char* text;
    double value;
  };
  const std::vector<Case> cases = {
      {"12,5", 12.5},  {"0", 0.0},   {"-3", -3.0},         {"+7", 7.0},       {" 650,456\t", 650.456},
      {",5", 0.5},     {"5,", 5.0},  {"-,25", -0.25},      {"1,5E3", 1500.0}, {"1,5e-2", 0.015},
      {"2E+2", 200.0}, {"007", 7.0}, {"0,14118", 0.14118}, {"1E-400", 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto v = ParseNumber(c.text);
    ASSERT_TRUE(v.has_value());
    EXPECT_DOUBLE_EQ(*v, c.value);
    EXPECT_TRUE(IsNumber(c.text));
  }
}

TEST(ParseNumber, RejectsWhatIsNoNumber) {
  for (const char* text : {"", "   ", "abc", "1,2,3", "1.5", ",", "-", "+", "1 000", "12a", "E5", "1E", "1E+", "--1",
                           "1,5E3,2", "inf", "nan", "0x10", "1E999"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseNumber(text).has_value());
    EXPECT_FALSE(IsNumber(text));
    EXPECT_EQ(NumberOr(text, 42.0), 42.0);
  }
  EXPECT_EQ(NumberOr("abc"), 0.0);
  EXPECT_EQ(NumberOr("2,5", 9.0), 2.5);
}

// The box checks over the texts a person types into a box: each rule takes exactly the
// numbers inside it, with its bounds included or not as it says.
TEST(BoxChecks, TakeOnlyNumbersWithinTheRule) {
  const NumberRange temperatur{.low = 0.0, .high = 50.0};
  const NumberRange anteil{.low = 0.0, .high = 100.0, .lowIncluded = false};
  const NumberRange wege{.low = 0.0, .high = 100.0, .highIncluded = false};
  struct Case {
    const char* text;
    bool amount, positive, temperature, share, paths;
  };
  const std::vector<Case> cases = {
      {"abc", false, false, false, false, false}, {"1,2,3", false, false, false, false, false},
      {"-5", false, false, false, false, false},  {"1e308", false, false, false, false, false},
      {"", false, false, false, false, false},    {"0", true, false, true, false, true},
      {"12,5", true, true, true, true, true},     {"50", true, true, true, true, true},
      {"50,01", true, true, false, true, true},   {"100", true, true, false, true, false},
      {"1E12", true, true, false, false, false},  {"1,000001E12", false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseAmount(c.text).has_value(), c.amount);
    EXPECT_EQ(ParsePositiveAmount(c.text).has_value(), c.positive);
    EXPECT_EQ(ParseNumberIn(c.text, temperatur).has_value(), c.temperature);
    EXPECT_EQ(ParseNumberIn(c.text, anteil).has_value(), c.share);
    EXPECT_EQ(ParseNumberIn(c.text, wege).has_value(), c.paths);
  }
  EXPECT_EQ(ParseNumberIn(" 12,5 ", temperatur), 12.5);
  EXPECT_FALSE(ParseNumberIn("1e308", {.low = -kLargestAmount}).has_value());
  EXPECT_EQ(ParseNumberIn("-5", {.low = -kLargestAmount}), -5.0);
}

TEST(BoxChecks, CountIsAWholeNumberFromItsLeast) {
  for (const char* text : {"abc", "1,2,3", "-5", "1e308", "", "0", "1,5", "0,999"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseCount(text).has_value());
  }
  EXPECT_EQ(ParseCount("1"), 1);
  EXPECT_EQ(ParseCount("12,0"), 12);
  EXPECT_EQ(ParseCount("1,2E1"), 12);
  EXPECT_EQ(ParseCount("0", 0), 0);
  EXPECT_FALSE(ParseCount("11", 1, 10).has_value());
}

TEST(NumberText, GeneralForm) {
  struct Case {
    double value;
    const char* text;
  };
  const std::vector<Case> cases = {
      {0.0, "0"},
      {-0.0, "0"},
      {100.0, "100"},
      {2.5, "2,5"},
      {-3.0, "-3"},
      {0.14118, "0,14118"},
      {0.1 + 0.2, "0,3"},  // 15 significant digits hide the binary error
      {1.0 / 3.0, "0,333333333333333"},
      {2.0 / 3.0, "0,666666666666667"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E+15"},
      {1e16, "1E+16"},
      {-2.5e20, "-2,5E+20"},
      {1e100, "1E+100"},
      {1e-5, "0,00001"},
      {1.5e-7, "1,5E-07"},
      {-1.25e-6, "-1,25E-06"},
      {650.456, "650,456"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberText(c.value), c.text);
  }
}

TEST(NumberText, RoundTripsThroughParseNumber) {
  for (double v : {0.0, 1.0, -12.5, 650.456, 0.14118, 1e-5, 1.5e-7, 1e16, 123456.789}) {
    SCOPED_TRACE(v);
    const auto back = ParseNumber(NumberText(v));
    ASSERT_TRUE(back.has_value());
    EXPECT_DOUBLE_EQ(*back, v);
  }
}

TEST(Format, FixedDecimalsHalfAwayFromZero) {
  struct Case {
    double value;
    const char* pattern;
    const char* text;
  };
  const std::vector<Case> cases = {
      {12.5, "0.00", "12,50"},
      {650.456, "0.00", "650,46"},
      {1234.6, "0", "1235"},
      {0.125, "0.00", "0,13"},
      {2.675, "0.00", "2,68"},
      {1.005, "0.00", "1,01"},
      {-2.5, "0", "-3"},
      {2.5, "0", "3"},
      {-0.001, "0.00", "0,00"},
      {-0.4, "0", "0"},
      {0.0, "0.0", "0,0"},
      {-0.0, "0", "0"},
      {9.999, "0.00", "10,00"},
      {99.95, "0.0", "100,0"},
      {0.05, "0.0", "0,1"},
      {0.04, "0.0", "0,0"},
      {1e15, "0", "1000000000000000"},
      {1234567.891, "0.000", "1234567,891"},
      {0.0001, "0.000", "0,000"},
      {0.0005, "0.000", "0,001"},
      {-1.005, "0.00", "-1,01"},
      {7.0, "0.000", "7,000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " " + c.text);
    EXPECT_EQ(Format(c.value, c.pattern), c.text);
  }
}

TEST(Round, HalfToEvenOnTheShownDecimal) {
  struct Case {
    double value;
    int digits;
    double result;
  };
  const std::vector<Case> cases = {
      {2.5, 0, 2.0},       {3.5, 0, 4.0},        {-2.5, 0, -2.0},  {-3.5, 0, -4.0},          {2.51, 0, 3.0},
      {0.5, 0, 0.0},       {1.5, 0, 2.0},        {2.675, 2, 2.68}, {0.125, 2, 0.12},         {0.135, 2, 0.14},
      {1.005, 2, 1.0},     {650.456, 2, 650.46}, {9.995, 2, 10.0}, {1234.5678, 3, 1234.568}, {7.0, 2, 7.0},
      {0.1 + 0.2, 5, 0.3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " digits " + std::to_string(c.digits));
    EXPECT_DOUBLE_EQ(Round(c.value, c.digits), c.result);
  }
  EXPECT_FALSE(std::signbit(Round(-0.4)));
}

TEST(Int, Floors) {
  EXPECT_EQ(Int(2.9), 2.0);
  EXPECT_EQ(Int(-0.5), -1.0);
  EXPECT_EQ(Int(-3.0), -3.0);
  EXPECT_EQ(Int(0.0), 0.0);
}

TEST(Numbers, IndependentOfTheProcessLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"C", "de_DE.UTF-8", "en_US.UTF-8", "C.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;  // locale not installed
    SCOPED_TRACE(name);
    EXPECT_EQ(NumberText(1234.5), "1234,5");
    EXPECT_EQ(NumberText(1.5e-7), "1,5E-07");
    EXPECT_EQ(Format(650.456, "0.00"), "650,46");
    EXPECT_EQ(ParseNumber("12,5"), std::optional<double>(12.5));
    EXPECT_FALSE(ParseNumber("1.5").has_value());
    EXPECT_FALSE(ParseNumber("1.000").has_value());
  }
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace tolvar::base
