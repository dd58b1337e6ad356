#pragma once
// Values as the system holds them: numbers as German text with a decimal comma, dates as
// serial days counted from the zero date 30.12.1899, Booleans as -1 / 0.
// Everything here is independent of the system locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvar::base {

// ---------------------------------------------------------------- numbers

// Parses German number text: optional sign, digits, at most one decimal comma, optional
// exponent ("1,5E3"); surrounding blanks are ignored. "", "abc", "1,2,3", "1.5" are not
// numbers (the point is not a decimal separator here).
std::optional<double> ParseNumber(std::string_view text);

// True when ParseNumber succeeds.
bool IsNumber(std::string_view text);

// The largest amount the calculation carries for a price, a cost or a quantity: far above
// any enterprise's figures, far below where sums and products lose their meaning.
inline constexpr double kLargestAmount = 1e12;

// Numbers within a range. Each gives the number when the text is a number (ParseNumber)
// within the range, nullopt for any other text ("", "abc", "1,2,3", and values outside the
// range such as "-5" or "1e308"). The rule of a stored field builds on them (field_rules.h).

// The values a box accepts: from `low` to `high`, each bound itself included unless said
// otherwise (a share "over 0 and at most 100" is {0, 100, .lowIncluded = false}).
struct NumberRange {
  double low = 0.0;
  double high = kLargestAmount;
  bool lowIncluded = true;
  bool highIncluded = true;
};

// A number within `range`.
std::optional<double> ParseNumberIn(std::string_view text, const NumberRange& range);

// An amount typed by the user: a number of zero or more and at most `largest`.
std::optional<double> ParseAmount(std::string_view text, double largest = kLargestAmount);

// An amount above zero and at most `largest` (an area, a length, a turnover).
std::optional<double> ParsePositiveAmount(std::string_view text, double largest = kLargestAmount);

// A whole count from `least` to `largest` ("12", also "12,0" or "1,2E1"); "1,5" is none.
std::optional<std::int64_t> ParseCount(std::string_view text, std::int64_t least = 1,
                                       std::int64_t largest = static_cast<std::int64_t>(kLargestAmount));

// Parses like ParseNumber; text that is not a number gives `fallback`.
double NumberOr(std::string_view text, double fallback = 0.0);

// General number text: decimal comma, up to 15 significant digits, no thousands separator,
// no trailing zeros ("2,5", "100", "0,14118", "-3"). Negative zero gives "0".
std::string NumberText(double value);

// Formats with a fixed number of decimals, half away from zero: Format(12.5, "0.00") is
// "12,50", Format(1234.6, "0") is "1235". Accepted patterns: "0", "0.0", "0.00", "0.000", ...
std::string Format(double value, std::string_view pattern);

// Rounds half to even (banker's rounding) to `digits` decimals: Round(2.5) is 2, Round(3.5) is 4.
double Round(double value, int digits = 0);

// Largest whole number not greater than value: Int(-0.5) is -1.
double Int(double value);

// ---------------------------------------------------------------- Booleans

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
inline int16_t BoolValue(bool b) { return b ? kTrue : kFalse; }

// ---------------------------------------------------------------- dates

// A date and time as serial days since 30.12.1899 00:00 (the zero date); the fraction is
// the time of day. Whole days compare and subtract as plain numbers.
using Date = double;

constexpr Date kZeroDate = 0.0;
// 01.01.1900, which the system uses for "no date".
constexpr Date kNoDate = 2.0;

// Serial day of a calendar date; nullopt for an impossible date (31.02., month 13).
std::optional<Date> MakeDate(int year, int month, int day);
Date MakeDateTime(int year, int month, int day, int hour, int minute, int second);

int Year(Date d);
int Month(Date d);
int Day(Date d);
int Hour(Date d);
int Minute(Date d);
int Second(Date d);
// Day of the week, Sunday = 1 ... Saturday = 7.
int Weekday(Date d);
// The day without its time.
Date DateOnly(Date d);
// Whole days from `from` to `to` (DateDiff "d"): the difference of the two day numbers.
int DaysBetween(Date from, Date to);

// "dd.mm.yyyy" (also accepts "d.m.yyyy" and two-digit years 00-29 -> 20xx, 30-99 -> 19xx);
// an optional time " hh:mm[:ss]" may follow. nullopt for text that is no valid date.
std::optional<Date> ParseDate(std::string_view text);
// ISO "yyyy-mm-dd" or "yyyy-mm-dd hh:mm:ss" (also with 'T'), as the database stores dates.
std::optional<Date> ParseIsoDate(std::string_view text);
// Either form.
std::optional<Date> ParseAnyDate(std::string_view text);

// "dd.mm.yyyy".
std::string DateText(Date d);
// General date "dd.mm.yyyy hh:mm:ss" (always with the time).
std::string GeneralDateText(Date d);
// ISO day "yyyy-mm-dd" and ISO moment "yyyy-mm-dd hh:mm:ss".
std::string IsoDateText(Date d);
std::string IsoDateTimeText(Date d);
// German long date: "Dienstag, 10. Dezember 2024".
std::string LongDateText(Date d);

// ---------------------------------------------------------------- clock and record IDs

// The current local time; tests replace it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Now() const = 0;
  // A random digit 0..9 for record IDs.
  virtual int RandomDigit() = 0;
};

// The clock in use (the system clock unless a test set another).
Clock& CurrentClock();
// Sets the clock in use; nullptr restores the system clock. The caller keeps ownership.
void SetClock(Clock* clock);

Date Now();
Date Today();

// The 18-character record ID: ddmmyyyyhhmmss of the current time and four random digits.
std::string NewRecordId();

// ---------------------------------------------------------------- text helpers

// Trims blanks (and tabs) at both ends.
std::string Trim(std::string_view text);
// Left/right parts by character count (UTF-8 aware: counts code points, as the user sees them).
std::string LeftChars(std::string_view text, std::size_t count);
std::string RightChars(std::string_view text, std::size_t count);
std::size_t CharCount(std::string_view text);
// The text with ASCII letters in lower case; other bytes (umlauts) stay as they are.
std::string AsciiLower(std::string_view text);
// Whether two texts are equal when ASCII letters are compared case-blind (umlauts exactly).
bool AsciiEqualsNoCase(std::string_view a, std::string_view b);

}  // namespace tolvar::base
