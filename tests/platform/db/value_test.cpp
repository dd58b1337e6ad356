// Field values read as text, number, Boolean and date.

#include <gtest/gtest.h>

#include "platform/db/database.h"

namespace tolvar::db {
namespace {

struct ValueCase {
  Value value;
  std::string text;
  std::optional<double> number;
  bool boolean;
};

TEST(Value, ReadsAsTextNumberAndBoolean) {
  const std::vector<ValueCase> cases = {
      {Value(), "", std::nullopt, false},
      {Value(""), "", std::nullopt, false},
      {Value(0), "0", 0.0, false},
      {Value(-1), "-1", -1.0, true},
      {Value(int64_t{60010}), "60010", 60010.0, true},
      {Value(2.5), "2,5", 2.5, true},
      {Value(100.0), "100", 100.0, true},
      {Value(0.0), "0", 0.0, false},
      {Value("12,5"), "12,5", 12.5, true},
      {Value("0"), "0", 0.0, false},
      {Value("0,0"), "0,0", 0.0, false},
      {Value("12.5"), "12.5", std::nullopt, true},
      {Value("abc"), "abc", std::nullopt, true},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE("'" + c.text + "'");
    EXPECT_EQ(c.value.text(), c.text);
    EXPECT_EQ(c.value.number(), c.number);
    EXPECT_EQ(c.value.boolean(), c.boolean);
    EXPECT_EQ(c.value.numberOr(-7.0), c.number.value_or(-7.0));
  }
}

TEST(Value, WholeNumbersRoundHalfToEven) {
  EXPECT_EQ(Value(2.5).integerOr(), 2);
  EXPECT_EQ(Value("3,5").integerOr(), 4);
  EXPECT_EQ(Value(int64_t{1} << 60).integerOr(), int64_t{1} << 60);
  EXPECT_EQ(Value("x").integerOr(-9), -9);
  EXPECT_EQ(Value().integerOr(-9), -9);
  EXPECT_EQ(Value(1e300).integerOr(-9), -9);
}

TEST(Value, Dates) {
  const base::Date day = *base::MakeDate(2024, 12, 10);
  const base::Date moment = base::MakeDateTime(2024, 12, 10, 14, 5, 9);
  EXPECT_EQ(Value::Day(day), Value("2024-12-10"));
  EXPECT_EQ(Value::Moment(moment), Value("2024-12-10 14:05:09"));
  EXPECT_EQ(Value::Day(base::kZeroDate), Value("1899-12-30"));
  EXPECT_EQ(Value("2024-12-10").date(), day);
  EXPECT_EQ(Value("10.12.2024").date(), day);
  EXPECT_EQ(Value(Value::Moment(moment)).date(), moment);
  EXPECT_EQ(Value(static_cast<int64_t>(day)).date(), day);
  EXPECT_EQ(Value(2.5).date(), 2.5);
  EXPECT_EQ(Value("31.02.2024").date(), std::nullopt);
  EXPECT_EQ(Value("abc").date(), std::nullopt);
  EXPECT_EQ(Value().date(), std::nullopt);
}

TEST(Value, EqualityComparesTypeAndContent) {
  EXPECT_EQ(Value(), Value::Null());
  EXPECT_NE(Value(), Value(""));
  EXPECT_NE(Value(1), Value(1.0));
  EXPECT_NE(Value(1), Value("1"));
  EXPECT_EQ(Value::Bool(true), Value(-1));
  EXPECT_EQ(Value::Bool(false), Value(0));
  EXPECT_EQ(Value(std::string_view("a")), Value(std::string("a")));
  EXPECT_NE(Value("a"), Value("A"));
}

}  // namespace
}  // namespace tolvar::db
