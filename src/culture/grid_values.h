#pragma once
// Plain-data forms of the culture data window's grids, shared by the culture modules: a
// grid cell address, the outcome of a grid check, and the reading of date cells.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/values.h"

namespace tolvar::culture {

// A grid cell: row 0 is the header row, data rows start at 1.
struct Zelle {
  int Zeile = 0;
  int Spalte = 0;
  bool operator==(const Zelle&) const = default;
};

// Outcome of a grid check: the cells to paint red when it failed.
struct Pruefergebnis {
  bool Ok = true;
  std::vector<Zelle> RoteZellen;
};

// Paints the cells of a failed check red; a check calls it before its message shows, so the
// cells are red while the person reads the message.
using ZellenMalen = std::function<void(const std::vector<Zelle>&)>;

// A date cell's text in day-month-year order, with points ("01.03.2024") or blanks
// ("01 03 2024") between the parts; nullopt for an empty text or no valid date.
inline std::optional<base::Date> GitterDatum(std::string_view text) {
  std::string t = base::Trim(text);
  for (char& c : t) {
    if (c == ' ') c = '.';
  }
  if (t.empty()) return std::nullopt;
  return base::ParseDate(t);
}

// The set-up form of a date in the site grid: "dd mm yyyy".
inline std::string GitterDatumText(base::Date d) {
  std::string t = base::DateText(d);
  for (char& c : t) {
    if (c == '.') c = ' ';
  }
  return t;
}

}  // namespace tolvar::culture
