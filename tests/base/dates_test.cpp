#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/values.h"

namespace tolvar::base {
namespace {

TEST(MakeDate, SerialDaysAndValidity) {
  struct Case {
    int y, m, d;
    std::optional<double> serial;
  };
  const std::vector<Case> cases = {
      {1899, 12, 30, 0.0},         {1899, 12, 31, 1.0},         {1900, 1, 1, 2.0},
      {1900, 3, 1, 61.0},          {2000, 1, 1, 36526.0},       {2024, 12, 10, 45636.0},
      {1899, 12, 29, -1.0},        {100, 1, 1, -657434.0},      {9999, 12, 31, 2958465.0},
      {2000, 2, 29, 36585.0},      {2024, 2, 29, 45351.0},      {2024, 12, 31, 45657.0},
      {1900, 2, 29, std::nullopt}, {2023, 2, 29, std::nullopt}, {2024, 2, 30, std::nullopt},
      {2024, 4, 31, std::nullopt}, {2024, 13, 1, std::nullopt}, {2024, 0, 1, std::nullopt},
      {2024, 1, 0, std::nullopt},  {99, 1, 1, std::nullopt},    {10000, 1, 1, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.d) + "." + std::to_string(c.m) + "." + std::to_string(c.y));
    EXPECT_EQ(MakeDate(c.y, c.m, c.d), c.serial);
  }
}

TEST(DateParts, ComeBackFromTheSerial) {
  const Date d = MakeDateTime(2024, 12, 10, 14, 5, 9);
  EXPECT_EQ(Year(d), 2024);
  EXPECT_EQ(Month(d), 12);
  EXPECT_EQ(Day(d), 10);
  EXPECT_EQ(Hour(d), 14);
  EXPECT_EQ(Minute(d), 5);
  EXPECT_EQ(Second(d), 9);
  EXPECT_EQ(DateOnly(d), 45636.0);
  // A time a hair below the full second or the full day rounds to it.
  const Date almostMidnight = 45636.0 + 86399.9999 / 86400.0;
  EXPECT_EQ(GeneralDateText(almostMidnight), "11.12.2024 00:00:00");
  EXPECT_EQ(Second(45636.0 + 59.9999 / 86400.0), 0);
  EXPECT_EQ(Minute(45636.0 + 59.9999 / 86400.0), 1);
  // Negative serials: the integer part is the day, the fraction's size the time.
  EXPECT_EQ(GeneralDateText(-1.25), "29.12.1899 06:00:00");
  EXPECT_EQ(MakeDateTime(1899, 12, 29, 6, 0, 0), -1.25);
  // Parts out of range run over.
  EXPECT_EQ(MakeDateTime(2024, 13, 1, 0, 0, 0), *MakeDate(2025, 1, 1));
  EXPECT_EQ(MakeDateTime(2024, 2, 30, 24, 0, 0), *MakeDate(2024, 3, 2));
}

TEST(Weekday, SundayIsOne) {
  struct Case {
    Date d;
    int weekday;
  };
  const std::vector<Case> cases = {
      {0.0, 7},                      // 30.12.1899, Saturday
      {1.0, 1},                      // Sunday
      {2.0, 2},                      // 01.01.1900, Monday
      {*MakeDate(2024, 12, 10), 3},  // Tuesday
      {*MakeDate(2024, 12, 10) + 0.99, 3},
      {*MakeDate(2000, 1, 1), 7},
      {-1.0, 6},  // 29.12.1899, Friday
      {-8.0, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.d);
    EXPECT_EQ(Weekday(c.d), c.weekday);
  }
}

TEST(DaysBetween, CountsDayNumbers) {
  EXPECT_EQ(DaysBetween(*MakeDate(2023, 12, 31), *MakeDate(2024, 1, 1)), 1);
  EXPECT_EQ(DaysBetween(*MakeDate(2023, 12, 20), *MakeDate(2024, 1, 10)), 21);
  EXPECT_EQ(DaysBetween(*MakeDate(2024, 1, 10), *MakeDate(2023, 12, 20)), -21);
  EXPECT_EQ(DaysBetween(*MakeDate(2024, 2, 28), *MakeDate(2024, 3, 1)), 2);
  EXPECT_EQ(DaysBetween(*MakeDate(2023, 2, 28), *MakeDate(2023, 3, 1)), 1);
  // The time of day does not count: 23:00 to 01:00 next day is one day.
  EXPECT_EQ(DaysBetween(MakeDateTime(2024, 12, 31, 23, 0, 0), MakeDateTime(2025, 1, 1, 1, 0, 0)), 1);
  EXPECT_EQ(DaysBetween(MakeDateTime(2024, 5, 1, 1, 0, 0), MakeDateTime(2024, 5, 1, 23, 0, 0)), 0);
}

TEST(ParseDate, GermanDateText) {
  struct Case {
    const char* text;
    std::optional<Date> date;
  };
  const std::vector<Case> cases = {
      {"30.12.1899", 0.0},
      {"01.01.1900", 2.0},
      {"31.12.2024", MakeDate(2024, 12, 31)},
      {"29.02.2024", MakeDate(2024, 2, 29)},
      {"29.02.2000", MakeDate(2000, 2, 29)},
      {"1.3.2024", MakeDate(2024, 3, 1)},
      {"  10.12.2024\t", MakeDate(2024, 12, 10)},
      {"10.12.24", MakeDate(2024, 12, 10)},
      {"1.1.00", MakeDate(2000, 1, 1)},
      {"1.1.29", MakeDate(2029, 1, 1)},
      {"1.1.30", MakeDate(1930, 1, 1)},
      {"1.1.99", MakeDate(1999, 1, 1)},
      {"10.12.2024 14:05", MakeDateTime(2024, 12, 10, 14, 5, 0)},
      {"10.12.2024 14:05:09", MakeDateTime(2024, 12, 10, 14, 5, 9)},
      {"10.12.2024  0:00:00 ", MakeDate(2024, 12, 10)},
      {"31.02.2024", std::nullopt},
      {"29.02.2023", std::nullopt},
      {"29.02.1900", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"12.2024", std::nullopt},
      {"32.01.2024", std::nullopt},
      {"01.13.2024", std::nullopt},
      {"10.12.2024x", std::nullopt},
      {"10.12.20245", std::nullopt},
      {"10.12.2024 24:00", std::nullopt},
      {"10.12.2024 12:60", std::nullopt},
      {"10.12.2024 12", std::nullopt},
      {"10.12.2024 12:00:", std::nullopt},
      {"2024-12-10", std::nullopt},
      {"10/12/2024", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseDate(c.text), c.date);
  }
}

TEST(ParseIsoDate, DatabaseForm) {
  struct Case {
    const char* text;
    std::optional<Date> date;
  };
  const std::vector<Case> cases = {
      {"2024-12-10", MakeDate(2024, 12, 10)},
      {"1899-12-30", 0.0},
      {"2024-12-10 14:05:09", MakeDateTime(2024, 12, 10, 14, 5, 9)},
      {"2024-12-10T14:05:09", MakeDateTime(2024, 12, 10, 14, 5, 9)},
      {"2023-02-29", std::nullopt},
      {"24-12-10", std::nullopt},
      {"2024-12-10X", std::nullopt},
      {"10.12.2024", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseIsoDate(c.text), c.date);
  }
  EXPECT_EQ(ParseAnyDate("2024-12-10"), MakeDate(2024, 12, 10));
  EXPECT_EQ(ParseAnyDate("10.12.2024"), MakeDate(2024, 12, 10));
  EXPECT_EQ(ParseAnyDate("10-12-2024"), std::nullopt);
}

TEST(DateText, Forms) {
  const Date d = MakeDateTime(2024, 3, 5, 7, 8, 9);
  EXPECT_EQ(DateText(d), "05.03.2024");
  EXPECT_EQ(GeneralDateText(d), "05.03.2024 07:08:09");
  EXPECT_EQ(GeneralDateText(*MakeDate(2024, 3, 5)), "05.03.2024 00:00:00");
  EXPECT_EQ(IsoDateText(d), "2024-03-05");
  EXPECT_EQ(IsoDateTimeText(d), "2024-03-05 07:08:09");
  EXPECT_EQ(DateText(kZeroDate), "30.12.1899");
  EXPECT_EQ(DateText(kNoDate), "01.01.1900");
  EXPECT_EQ(DateText(*MakeDate(812, 7, 4)), "04.07.0812");
}

TEST(LongDateText, GermanNames) {
  struct Case {
    Date d;
    const char* text;
  };
  const std::vector<Case> cases = {
      {*MakeDate(2024, 12, 10), "Dienstag, 10. Dezember 2024"}, {*MakeDate(2024, 3, 3) + 0.5, "Sonntag, 3. März 2024"},
      {*MakeDate(2025, 1, 1), "Mittwoch, 1. Januar 2025"},      {kZeroDate, "Samstag, 30. Dezember 1899"},
      {*MakeDate(2024, 5, 9), "Donnerstag, 9. Mai 2024"},       {*MakeDate(2024, 10, 4), "Freitag, 4. Oktober 2024"},
      {*MakeDate(2024, 7, 1), "Montag, 1. Juli 2024"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LongDateText(c.d), c.text);
  }
}

TEST(DateText, RoundTrips) {
  for (Date d = -700.0; d < 60000.0; d += 37.0) {
    SCOPED_TRACE(d);
    EXPECT_EQ(ParseDate(DateText(d)), d);
    EXPECT_EQ(ParseIsoDate(IsoDateText(d)), d);
  }
  for (int s = 0; s < 86400; s += 3607) {
    const Date d = 45636.0 + s / 86400.0;
    SCOPED_TRACE(s);
    const auto back = ParseDate(GeneralDateText(d));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(GeneralDateText(*back), GeneralDateText(d));
    EXPECT_EQ(ParseIsoDate(IsoDateTimeText(d)), back);
  }
}

}  // namespace
}  // namespace tolvar::base
