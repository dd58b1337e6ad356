#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "base/values.h"

namespace tolvar::base {
namespace {

class FakeClock : public Clock {
 public:
  Date now = 0.0;
  std::vector<int> digits;
  std::size_t next = 0;
  Date Now() const override { return now; }
  int RandomDigit() override { return digits[next++ % digits.size()]; }
};

class ClockTest : public ::testing::Test {
 protected:
  void SetUp() override { SetClock(&fake_); }
  void TearDown() override { SetClock(nullptr); }
  FakeClock fake_;
};

TEST_F(ClockTest, RecordIdFromTheClock) {
  fake_.now = MakeDateTime(2024, 3, 5, 7, 8, 9);
  fake_.digits = {4, 0, 9, 2};
  EXPECT_EQ(&CurrentClock(), &fake_);
  EXPECT_EQ(Now(), fake_.now);
  EXPECT_EQ(Today(), *MakeDate(2024, 3, 5));
  EXPECT_EQ(NewRecordId(), "050320240708094092");

  fake_.now = MakeDateTime(2031, 12, 31, 23, 59, 59);
  fake_.digits = {0};
  EXPECT_EQ(NewRecordId(), "311220312359590000");
}

TEST(SystemClock, GivesAPlausibleNowAndRandomIds) {
  SetClock(nullptr);
  const Date now = Now();
  EXPECT_GT(now, *MakeDate(2020, 1, 1));
  EXPECT_LT(now, *MakeDate(2200, 1, 1));
  EXPECT_EQ(Today(), DateOnly(Now()));
  bool differ = false;
  const std::string first = NewRecordId();
  for (int i = 0; i < 20; ++i) {
    const std::string id = NewRecordId();
    ASSERT_EQ(id.size(), 18u);
    for (char c : id) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c))) << id;
    if (id.substr(14) != first.substr(14)) differ = true;
  }
  EXPECT_TRUE(differ);
}

TEST(Text, TrimAndCharacters) {
  EXPECT_EQ(Trim("  \tGrün \t"), "Grün");
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim("a b"), "a b");
  EXPECT_EQ(CharCount("Grün"), 4u);
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_EQ(LeftChars("Grünkohl", 3), "Grü");
  EXPECT_EQ(LeftChars("Grün", 10), "Grün");
  EXPECT_EQ(LeftChars("Grün", 0), "");
  EXPECT_EQ(RightChars("Gemüse", 3), "üse");
  EXPECT_EQ(RightChars("Gemüse", 4), "müse");
  EXPECT_EQ(RightChars("Maß", 1), "ß");
  EXPECT_EQ(RightChars("Maß", 9), "Maß");
  EXPECT_EQ(RightChars("Maß", 0), "");
}

// Table and column names compare case-blind for ASCII letters only, as the database engine does.
TEST(Text, AsciiCaseBlindEquality) {
  struct Fall {
    const char* a;
    const char* b;
    bool gleich;
  };
  const Fall faelle[] = {{"Taetigkeiten", "TAETIGKEITEN", true},
                         {"BruttoFläche", "bruttofläche", true},
                         {"Fläche", "FLÄCHE", false},
                         {"KulturNr", "KulturNr ", false},
                         {"", "", true},
                         {"[a]", "[A]", true},
                         {"@", "`", false}};
  for (const Fall& f : faelle) {
    EXPECT_EQ(AsciiEqualsNoCase(f.a, f.b), f.gleich) << f.a << " / " << f.b;
    EXPECT_EQ(AsciiEqualsNoCase(f.a, f.b), AsciiLower(f.a) == AsciiLower(f.b)) << f.a << " / " << f.b;
  }
}

}  // namespace
}  // namespace tolvar::base
