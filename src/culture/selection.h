#pragma once
// The culture the culture modules work on: KulturListe(KulturIndex); and the culture tables
// read and written by their column lists (data/records_culture.h).

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/values.h"
#include "data/records_culture.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::culture {

// The number of the selected culture; nullopt when KulturIndex points at no culture.
inline std::optional<std::string> AusgewaehlteKulturNr() {
  const State& s = state();
  const KulturSatz* k = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (k == nullptr) return std::nullopt;
  return k->KulturNr;
}

// Whether table `tabelle` of `datenbank` has every column of `spalten` (names ignoring ASCII
// case). A loader asks before it reads: a query naming a column the table lacks would read
// the name itself as the value.
template <std::size_t N>
bool SpaltenVorhanden(const db::Database& datenbank, std::string_view tabelle, const Kulturspalte (&spalten)[N]) {
  const auto name = datenbank.TableName(tabelle);
  std::vector<std::string> gespeichert;
  std::string fehler;
  if (!name || !datenbank.ReadColumns(*name, &gespeichert, &fehler)) return false;
  return std::all_of(std::begin(spalten), std::end(spalten), [&](const Kulturspalte& spalte) {
    return std::any_of(gespeichert.begin(), gespeichert.end(),
                       [&](const std::string& g) { return base::AsciiEqualsNoCase(g, spalte.name); });
  });
}

// "INSERT INTO tabelle (the columns of `spalten`) VALUES (?, ...)": a saver binds the values
// in the order of the column list.
template <std::size_t N>
std::string EinfuegenSql(std::string_view tabelle, const Kulturspalte (&spalten)[N]) {
  std::string namen;
  std::string platz;
  for (const Kulturspalte& spalte : spalten) {
    namen += (namen.empty() ? "" : ", ") + db::QuoteIdentifier(spalte.name);
    platz += platz.empty() ? "?" : ", ?";
  }
  return "INSERT INTO " + db::QuoteIdentifier(tabelle) + " (" + namen + ") VALUES (" + platz + ")";
}

}  // namespace tolvar::culture
