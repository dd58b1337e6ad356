// The clock in use (system or test double) and record IDs made from it.

#include <atomic>
#include <chrono>
#include <ctime>
#include <mutex>
#include <random>
#include <string>

#include "base/values.h"

namespace tolvar::base {
namespace {

// Local time from the system, to the second; random digits from a seeded generator.
class SystemClock final : public Clock {
 public:
  SystemClock() : engine_(std::random_device{}()) {}

  Date Now() const override {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&t, &local);
    return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec);
  }

  int RandomDigit() override {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::uniform_int_distribution<int>(0, 9)(engine_);
  }

 private:
  std::mutex mutex_;
  std::mt19937 engine_;
};

SystemClock& TheSystemClock() {
  static SystemClock clock;
  return clock;
}

std::atomic<Clock*> g_clock{nullptr};

std::string TwoDigits(int v) { return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)}; }

}  // namespace

Clock& CurrentClock() {
  Clock* clock = g_clock.load();
  return clock != nullptr ? *clock : TheSystemClock();
}

void SetClock(Clock* clock) { g_clock.store(clock); }

Date Now() { return CurrentClock().Now(); }

Date Today() { return DateOnly(Now()); }

std::string NewRecordId() {
  Clock& clock = CurrentClock();
  const Date now = clock.Now();
  const int year = Year(now);
  std::string id = TwoDigits(Day(now)) + TwoDigits(Month(now)) + TwoDigits(year / 100) + TwoDigits(year % 100) +
                   TwoDigits(Hour(now)) + TwoDigits(Minute(now)) + TwoDigits(Second(now));
  for (int i = 0; i < 4; ++i) {
    const int digit = ((clock.RandomDigit() % 10) + 10) % 10;  // a fake clock out of range still gives a digit
    id += static_cast<char>('0' + digit);
  }
  return id;
}

}  // namespace tolvar::base
