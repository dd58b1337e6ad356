// German number text, fixed-decimal formatting and rounding, independent of the locale.
// Conversions go through std::from_chars / std::to_chars, which ignore the locale.

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "base/values.h"

namespace tolvar::base {
namespace {

// Significant digits the system shows and rounds on.
constexpr int kSignificantDigits = 15;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A finite double as a decimal of at most 15 significant digits:
// value = (negative ? -1 : 1) * 0.<digits> * 10^point. `digits` has no trailing zeros;
// zero has empty digits.
struct Decimal {
  bool negative = false;
  std::string digits;
  int point = 0;
};

Decimal ToDecimal(double value) {
  Decimal dec;
  if (value == 0.0 || !std::isfinite(value)) return dec;
  char buf[64];
  // "d.dddddddddddddde+XX": correctly rounded to 15 significant digits.
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kSignificantDigits - 1);
  std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  std::size_t i = 0;
  if (text[i] == '-') {
    dec.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (IsDigit(text[i])) dec.digits += text[i];
  }
  int exponent = 0;
  if (i < text.size()) {
    ++i;  // 'e'
    if (text[i] == '+') ++i;
    std::from_chars(text.data() + i, text.data() + text.size(), exponent);
  }
  dec.point = exponent + 1;
  while (!dec.digits.empty() && dec.digits.back() == '0') dec.digits.pop_back();
  return dec;
}

double FromDecimal(const Decimal& dec) {
  if (dec.digits.empty()) return 0.0;
  const std::string text = "0." + dec.digits + "e" + std::to_string(dec.point);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return dec.negative ? -value : value;
}

// Rounds `dec` to `decimals` places after the point; half away from zero or half to even.
void RoundDecimal(Decimal& dec, int decimals, bool halfToEven) {
  const long keep = static_cast<long>(dec.point) + decimals;
  const auto length = static_cast<long>(dec.digits.size());
  if (keep >= length) return;  // nothing beyond the place
  if (keep < 0) {              // below half of the last place
    dec.digits.clear();
    return;
  }
  const auto k = static_cast<std::size_t>(keep);
  const char next = dec.digits[k];
  const bool restNonZero = length > keep + 1;  // trailing zeros are already stripped
  const bool lastOdd = k > 0 && ((dec.digits[k - 1] - '0') % 2 == 1);
  bool up;
  if (halfToEven) {
    up = next > '5' || (next == '5' && (restNonZero || lastOdd));
  } else {
    up = next >= '5';
  }
  dec.digits.resize(k);
  if (up) {
    std::size_t j = k;
    while (j > 0 && dec.digits[j - 1] == '9') {
      dec.digits[j - 1] = '0';
      --j;
    }
    if (j == 0) {
      dec.digits.insert(dec.digits.begin(), '1');
      ++dec.point;
    } else {
      ++dec.digits[j - 1];
    }
  }
  while (!dec.digits.empty() && dec.digits.back() == '0') dec.digits.pop_back();
}

// Number of decimals of a pattern "0", "0.0", "0.00", ...; -1 for any other pattern.
int PatternDecimals(std::string_view pattern) {
  if (pattern.empty() || pattern[0] != '0') return -1;
  if (pattern.size() == 1) return 0;
  if (pattern[1] != '.') return -1;
  for (std::size_t i = 2; i < pattern.size(); ++i) {
    if (pattern[i] != '0') return -1;
  }
  return static_cast<int>(pattern.size() - 2);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::string_view s = text.substr(begin, end - begin);

  // Rebuilt in the form from_chars reads: no '+', a point instead of the comma.
  std::string plain;
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  bool anyDigit = false;
  bool comma = false;
  bool integerNonZero = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      anyDigit = true;
      if (!comma && c != '0') integerNonZero = true;
      plain += c;
    } else if (c == ',' && !comma) {
      comma = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  bool negativeExponent = false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    plain += 'e';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      negativeExponent = s[i] == '-';
      if (negativeExponent) plain += '-';
      ++i;
    }
    bool exponentDigit = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      exponentDigit = true;
      plain += s[i];
    }
    if (!exponentDigit) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  double value = 0.0;
  const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large is no number.
    if (!negativeExponent && integerNonZero) return std::nullopt;
    value = 0.0;
  } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

bool IsNumber(std::string_view text) { return ParseNumber(text).has_value(); }

std::optional<double> ParseNumberIn(std::string_view text, const NumberRange& range) {
  const std::optional<double> n = ParseNumber(text);
  if (!n || !std::isfinite(*n)) return std::nullopt;
  const bool aboveLow = range.lowIncluded ? *n >= range.low : *n > range.low;
  const bool belowHigh = range.highIncluded ? *n <= range.high : *n < range.high;
  if (!aboveLow || !belowHigh) return std::nullopt;
  return n;
}

std::optional<double> ParseAmount(std::string_view text, double largest) {
  return ParseNumberIn(text, {.low = 0.0, .high = largest});
}

std::optional<double> ParsePositiveAmount(std::string_view text, double largest) {
  return ParseNumberIn(text, {.low = 0.0, .high = largest, .lowIncluded = false});
}

std::optional<std::int64_t> ParseCount(std::string_view text, std::int64_t least, std::int64_t largest) {
  const std::optional<double> n =
      ParseNumberIn(text, {.low = static_cast<double>(least), .high = static_cast<double>(largest)});
  if (!n || *n != std::floor(*n)) return std::nullopt;
  return static_cast<std::int64_t>(*n);
}

double NumberOr(std::string_view text, double fallback) { return ParseNumber(text).value_or(fallback); }

std::string NumberText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  const Decimal dec = ToDecimal(value);
  if (dec.digits.empty()) return "0";

  std::string out = dec.negative ? "-" : "";
  const int exponent = dec.point - 1;
  if (exponent >= kSignificantDigits || exponent < -5) {
    // Exponent form: "1,5E-07", "1E+16".
    out += dec.digits[0];
    if (dec.digits.size() > 1) out += "," + dec.digits.substr(1);
    out += exponent < 0 ? "E-" : "E+";
    const std::string e = std::to_string(std::abs(exponent));
    if (e.size() < 2) out += '0';
    out += e;
    return out;
  }
  const auto length = static_cast<int>(dec.digits.size());
  if (dec.point <= 0) {
    out += "0," + std::string(static_cast<std::size_t>(-dec.point), '0') + dec.digits;
  } else if (dec.point >= length) {
    out += dec.digits + std::string(static_cast<std::size_t>(dec.point - length), '0');
  } else {
    const auto p = static_cast<std::size_t>(dec.point);
    out += dec.digits.substr(0, p) + "," + dec.digits.substr(p);
  }
  return out;
}

std::string Format(double value, std::string_view pattern) {
  const int decimals = PatternDecimals(pattern);
  if (decimals < 0 || !std::isfinite(value)) return NumberText(value);

  // Round the decimal the user sees, not the binary value: 2.675 gives "2,68".
  Decimal dec = ToDecimal(value);
  RoundDecimal(dec, decimals, false);
  if (dec.digits.empty()) dec.negative = false;  // no "-0,00"

  std::string out = dec.negative ? "-" : "";
  const auto length = static_cast<long>(dec.digits.size());
  // Integer part.
  if (dec.point <= 0) {
    out += '0';
  } else {
    for (long i = 0; i < dec.point; ++i) {
      out += i < length ? dec.digits[static_cast<std::size_t>(i)] : '0';
    }
  }
  if (decimals > 0) {
    out += ',';
    for (long i = dec.point; i < static_cast<long>(dec.point) + decimals; ++i) {
      out += (i >= 0 && i < length) ? dec.digits[static_cast<std::size_t>(i)] : '0';
    }
  }
  return out;
}

double Round(double value, int digits) {
  if (!std::isfinite(value)) return value;
  Decimal dec = ToDecimal(value);
  RoundDecimal(dec, digits, true);
  const double result = FromDecimal(dec);
  return result == 0.0 ? 0.0 : result;  // no negative zero
}

double Int(double value) { return std::floor(value); }

}  // namespace tolvar::base
