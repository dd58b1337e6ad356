#pragma once
// The reference results of the whole calculation on the shipped sample enterprise, read by the
// logic's test and by the calculation window's test: kalkulation_mustergaertnerei.txt beside
// this header, one line per culture and box ("K1003 txtHeizung=1088,63"), the cultures in the
// order of kReferenzKulturen and each culture's boxes in the order of the window.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tolvar::test {

// Each sample culture with phases, its price per plant and its last phase's plants.
struct ReferenzKultur {
  const char* nr;
  const char* preis;
  const char* menge;
};
inline constexpr ReferenzKultur kReferenzKulturen[] = {
    {"K1003", "3,20", "5900"}, {"K1004", "2,40", "5000"}, {"K1005", "0,95", "12000"}, {"K1006", "1,60", "4000"}};

// One figure: the box `box` shows `wert` for the culture `kultur`.
struct Referenzwert {
  std::string kultur;
  std::string box;
  std::string wert;
};

// The figure as a line of the file.
inline std::string Referenzzeile(const Referenzwert& w) { return w.kultur + ' ' + w.box + '=' + w.wert; }

inline std::string Referenzpfad() {
  const std::string hier = __FILE__;
  return hier.substr(0, hier.find_last_of('/') + 1) + "kalkulation_mustergaertnerei.txt";
}

// The figures of the file in its order. A missing file or a line that is no figure fails the
// running test.
inline std::vector<Referenzwert> ReferenzLesen() {
  std::vector<Referenzwert> werte;
  std::ifstream datei(Referenzpfad());
  if (!datei) {
    ADD_FAILURE() << "Referenz fehlt: " << Referenzpfad();
    return werte;
  }
  std::string zeile;
  while (std::getline(datei, zeile)) {
    const auto blank = zeile.find(' ');
    const auto gleich = zeile.find('=', blank == std::string::npos ? 0 : blank);
    if (blank == std::string::npos || gleich == std::string::npos) {
      ADD_FAILURE() << "keine Referenzzeile: " << zeile;
      continue;
    }
    werte.push_back({zeile.substr(0, blank), zeile.substr(blank + 1, gleich - blank - 1), zeile.substr(gleich + 1)});
  }
  return werte;
}

// The figures by culture and box.
inline std::map<std::string, std::map<std::string, std::string>> ReferenzJeKultur() {
  std::map<std::string, std::map<std::string, std::string>> referenz;
  for (Referenzwert& w : ReferenzLesen()) referenz[w.kultur][w.box] = std::move(w.wert);
  return referenz;
}

// Replaces the file by `werte`.
inline void ReferenzSchreiben(const std::vector<Referenzwert>& werte) {
  std::ofstream datei(Referenzpfad());
  for (const Referenzwert& w : werte) datei << Referenzzeile(w) << '\n';
}

}  // namespace tolvar::test
