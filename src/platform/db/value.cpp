// Field values and their conversions to and from German text.

#include <cmath>
#include <limits>

#include "platform/db/database.h"

namespace tolvar::db {

Value Value::Day(base::Date d) { return Value(base::IsoDateText(d)); }

Value Value::Moment(base::Date d) { return Value(base::IsoDateTimeText(d)); }

std::string Value::text() const {
  switch (type_) {
    case Type::Null:
      return {};
    case Type::Integer:
      return std::to_string(int_);
    case Type::Real:
      return base::NumberText(real_);
    case Type::Text:
      return text_;
  }
  return {};
}

std::optional<double> Value::number() const {
  switch (type_) {
    case Type::Null:
      return std::nullopt;
    case Type::Integer:
      return static_cast<double>(int_);
    case Type::Real:
      return real_;
    case Type::Text:
      return base::ParseNumber(text_);
  }
  return std::nullopt;
}

double Value::numberOr(double fallback) const { return number().value_or(fallback); }

int64_t Value::integerOr(int64_t fallback) const {
  if (type_ == Type::Integer) return int_;
  const std::optional<double> n = number();
  if (!n || !std::isfinite(*n)) return fallback;
  // A number becomes a whole number rounded half to even.
  const double r = base::Round(*n, 0);
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  constexpr double kLimit = 9223372036854775808.0;
  if (r >= kLimit || r < -kLimit) return fallback;
  return static_cast<int64_t>(r);
}

bool Value::boolean() const {
  switch (type_) {
    case Type::Null:
      return false;
    case Type::Integer:
      return int_ != 0;
    case Type::Real:
      return real_ != 0.0;
    case Type::Text: {
      if (base::Trim(text_).empty()) return false;
      const std::optional<double> n = base::ParseNumber(text_);
      return n ? *n != 0.0 : true;
    }
  }
  return false;
}

std::optional<base::Date> Value::date() const {
  switch (type_) {
    case Type::Null:
      return std::nullopt;
    case Type::Integer:
      return static_cast<base::Date>(int_);
    case Type::Real:
      if (!std::isfinite(real_)) return std::nullopt;
      return real_;
    case Type::Text:
      return base::ParseAnyDate(base::Trim(text_));
  }
  return std::nullopt;
}

bool Value::operator==(const Value& other) const {
  if (type_ != other.type_) return false;
  switch (type_) {
    case Type::Null:
      return true;
    case Type::Integer:
      return int_ == other.int_;
    case Type::Real:
      return real_ == other.real_;
    case Type::Text:
      return text_ == other.text_;
  }
  return false;
}

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted;
  quoted.reserve(name.size() + 2);
  quoted.push_back('"');
  for (char c : name) {
    if (c == '"') quoted.push_back('"');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

}  // namespace tolvar::db
