// Serial dates (days since 30.12.1899), their parts, German and ISO date text.

#include <cmath>
#include <cstdint>
#include <string>

#include "base/values.h"

namespace tolvar::base {
namespace {

constexpr int kSecondsPerDay = 86400;
// Serial days of 01.01.0100 and 31.12.9999, the range the system's dates can take.
constexpr double kMinSerial = -657434.0;
constexpr double kMaxSerial = 2958465.0;

// Days from 01.01.1970 of a proleptic Gregorian date (month and day may run over).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Civil {
  int year;
  int month;
  int day;
};

Civil CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

const int64_t kZeroDay = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A serial split into its calendar day and the time of day in whole seconds. The day is
// the integer part and the time the absolute fraction, so -1.25 is 29.12.1899 06:00.
struct Moment {
  int64_t day;
  int seconds;
};

Moment Split(Date d) {
  if (!std::isfinite(d)) d = 0.0;
  if (d < kMinSerial) d = kMinSerial;
  if (d > kMaxSerial + 1.0) d = kMaxSerial + 1.0;
  const double whole = std::trunc(d);
  auto seconds = static_cast<int64_t>(std::llround(std::fabs(d - whole) * kSecondsPerDay));
  auto day = static_cast<int64_t>(whole);
  if (seconds >= kSecondsPerDay) {  // 23:59:59.9 rounds into the next day
    seconds -= kSecondsPerDay;
    ++day;
  }
  return {day, static_cast<int>(seconds)};
}

Civil CivilOf(Date d) { return CivilFromDays(kZeroDay + Split(d).day); }

Date Combine(int64_t day, int64_t seconds) {
  const double fraction = static_cast<double>(seconds) / kSecondsPerDay;
  return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

std::string Pad(int value, std::size_t width) {
  std::string s = std::to_string(value < 0 ? -value : value);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return value < 0 ? "-" + s : s;
}

std::string TimeText(Date d) {
  const int s = Split(d).seconds;
  return Pad(s / 3600, 2) + ":" + Pad(s / 60 % 60, 2) + ":" + Pad(s % 60, 2);
}

// A small reader over date text.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }
  // Reads 1..maxDigits digits; `count` receives how many were read.
  bool Number(std::size_t maxDigits, int& value, std::size_t& count) {
    count = 0;
    value = 0;
    while (!AtEnd() && count < maxDigits && Peek() >= '0' && Peek() <= '9') {
      value = value * 10 + (Peek() - '0');
      ++pos_;
      ++count;
    }
    return count > 0;
  }
  bool Number(std::size_t maxDigits, int& value) {
    std::size_t count = 0;
    return Number(maxDigits, value, count);
  }
  bool SkipBlanks() {
    const std::size_t start = pos_;
    while (Peek() == ' ' || Peek() == '\t') ++pos_;
    return pos_ > start;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Reads "hh:mm" or "hh:mm:ss" and adds it to the date.
std::optional<Date> WithTime(Date date, Reader& r) {
  int h = 0, m = 0, s = 0;
  if (!r.Number(2, h) || !r.Take(':') || !r.Number(2, m)) return std::nullopt;
  if (r.Take(':') && !r.Number(2, s)) return std::nullopt;
  if (h > 23 || m > 59 || s > 59) return std::nullopt;
  return Combine(static_cast<int64_t>(date), h * 3600 + m * 60 + s);
}

// The rest of a date text: nothing, or a time after blanks (or after 'T' when allowed).
std::optional<Date> Finish(Date date, Reader& r, bool allowT) {
  if (r.AtEnd()) return date;
  if (!(r.SkipBlanks() || (allowT && r.Take('T')))) return std::nullopt;
  if (r.AtEnd()) return date;  // trailing blanks
  auto result = WithTime(date, r);
  r.SkipBlanks();
  if (!result || !r.AtEnd()) return std::nullopt;
  return result;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<Date> MakeDate(int year, int month, int day) {
  if (year < 100 || year > 9999 || month < 1 || month > 12) return std::nullopt;
  if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return static_cast<Date>(DaysFromCivil(year, month, day) - kZeroDay);
}

Date MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  // Parts out of range run over into the next unit, as in calendar arithmetic:
  // month 13 is January of the next year, 32.01. is 01.02.
  const int64_t months = static_cast<int64_t>(year) * 12 + (month - 1);
  const int64_t y = months >= 0 ? months / 12 : (months - 11) / 12;
  const int64_t m = months - y * 12 + 1;
  int64_t days = DaysFromCivil(y, m, 1) + (day - 1) - kZeroDay;
  int64_t seconds = static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 + second;
  int64_t extraDays = seconds >= 0 ? seconds / kSecondsPerDay : (seconds - kSecondsPerDay + 1) / kSecondsPerDay;
  seconds -= extraDays * kSecondsPerDay;
  days += extraDays;
  return Combine(days, seconds);
}

int Year(Date d) { return CivilOf(d).year; }
int Month(Date d) { return CivilOf(d).month; }
int Day(Date d) { return CivilOf(d).day; }
int Hour(Date d) { return Split(d).seconds / 3600; }
int Minute(Date d) { return Split(d).seconds / 60 % 60; }
int Second(Date d) { return Split(d).seconds % 60; }

int Weekday(Date d) {
  // Day 0 (30.12.1899) was a Saturday.
  const int64_t day = Split(d).day;
  return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

Date DateOnly(Date d) { return static_cast<Date>(Split(d).day); }

int DaysBetween(Date from, Date to) { return static_cast<int>(Split(to).day - Split(from).day); }

std::optional<Date> ParseDate(std::string_view text) {
  Reader r(TrimBlanks(text));
  int day = 0, month = 0, year = 0;
  std::size_t yearDigits = 0;
  if (!r.Number(2, day) || !r.Take('.') || !r.Number(2, month) || !r.Take('.') || !r.Number(4, year, yearDigits)) {
    return std::nullopt;
  }
  if (yearDigits <= 2) year += year < 30 ? 2000 : 1900;
  const auto date = MakeDate(year, month, day);
  if (!date) return std::nullopt;
  return Finish(*date, r, false);
}

std::optional<Date> ParseIsoDate(std::string_view text) {
  Reader r(TrimBlanks(text));
  int day = 0, month = 0, year = 0;
  std::size_t yearDigits = 0;
  if (!r.Number(4, year, yearDigits) || yearDigits != 4 || !r.Take('-') || !r.Number(2, month) || !r.Take('-') ||
      !r.Number(2, day)) {
    return std::nullopt;
  }
  const auto date = MakeDate(year, month, day);
  if (!date) return std::nullopt;
  return Finish(*date, r, true);
}

std::optional<Date> ParseAnyDate(std::string_view text) {
  if (auto d = ParseIsoDate(text)) return d;
  return ParseDate(text);
}

std::string DateText(Date d) {
  const Civil c = CivilOf(d);
  return Pad(c.day, 2) + "." + Pad(c.month, 2) + "." + Pad(c.year, 4);
}

std::string GeneralDateText(Date d) { return DateText(d) + " " + TimeText(d); }

std::string IsoDateText(Date d) {
  const Civil c = CivilOf(d);
  return Pad(c.year, 4) + "-" + Pad(c.month, 2) + "-" + Pad(c.day, 2);
}

std::string IsoDateTimeText(Date d) { return IsoDateText(d) + " " + TimeText(d); }

std::string LongDateText(Date d) {
  static constexpr const char* kWeekdays[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                              "Donnerstag", "Freitag", "Samstag"};
  static constexpr const char* kMonths[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                            "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  const Civil c = CivilOf(d);
  return std::string(kWeekdays[Weekday(d) - 1]) + ", " + std::to_string(c.day) + ". " + kMonths[c.month - 1] + " " +
         std::to_string(c.year);
}

}  // namespace tolvar::base
