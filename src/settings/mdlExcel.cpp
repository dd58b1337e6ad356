#include "settings/mdlExcel.h"

#include <fstream>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/paths.h"
#include "data/state.h"

namespace tolvar::mdlExcel {

std::string Blattname(Rechner rechner) {
  switch (rechner) {
    case Rechner::Lohnkosten:
      return "Lohnkosten";
    case Rechner::Gemeinkosten:
      return "Gemeinkosten";
    case Rechner::Maschinenkosten:
      return "Maschinenkosten";
  }
  return "";
}

std::string ErgebnisdateiPfad(Rechner rechner) { return data::InstallPath("\\Excel\\" + Blattname(rechner) + ".txt"); }

std::string ArbeitsmappePfad() { return data::InstallPath("\\Excel\\Tolvar.xls"); }

std::string MeldungKeinRechner() {
  return "Um diese Funktion nutzen zu können, muss auf ihrem Rechner mindestens MS-Excel 97 "
         "installiert sein";
}

bool ErgebnisSchreiben(Rechner rechner, const std::string& wert) {
  std::ofstream out(ErgebnisdateiPfad(rechner), std::ios::binary | std::ios::trunc);
  out << wert << "\n";
  return static_cast<bool>(out);
}

bool ErgebnisLeeren(Rechner rechner) { return ErgebnisSchreiben(rechner, ""); }

std::optional<std::string> ErgebnisLesen(Rechner rechner) {
  const std::string pfad = ErgebnisdateiPfad(rechner);
  std::string zeile;
  {
    std::ifstream in(pfad, std::ios::binary);
    if (!in) return std::nullopt;
    if (!std::getline(in, zeile)) zeile.clear();
  }
  // Emptied after reading, so the same result is never taken twice.
  ErgebnisLeeren(rechner);
  if (zeile.rfind("\xEF\xBB\xBF", 0) == 0) zeile.erase(0, 3);
  while (!zeile.empty() && (zeile.back() == '\r' || zeile.back() == '\n')) zeile.pop_back();
  if (zeile.empty()) return std::nullopt;
  return zeile;
}

std::optional<Uebergabe> LohnErgebnisUebernehmen(bool neu) {
  const std::optional<std::string> zeile = ErgebnisLesen(Rechner::Lohnkosten);
  if (!zeile) return std::nullopt;
  const std::optional<double> wert = base::ParseNumber(*zeile);
  if (!wert) {
    mdlFehler::MeldungWertePruefen(*zeile);
    return std::nullopt;
  }
  return Uebergabe{neu ? Ziel::LohnNeu : Ziel::LohnBearbeiten, base::Format(*wert, "0.00"), 0};
}

std::optional<Uebergabe> GemeinkostenErgebnisUebernehmen() {
  const std::optional<std::string> zeile = ErgebnisLesen(Rechner::Gemeinkosten);
  if (!zeile) return std::nullopt;
  const State& st = state();
  if (st.windows.StandortTabelleAktiv) {
    // No data row aimed at (a drop that placed nothing): the header row takes no value.
    if (st.windows.StandortTabelleZeile <= 0) return std::nullopt;
    return Uebergabe{Ziel::GemeinkostenZeile, *zeile, st.windows.StandortTabelleZeile};
  }
  return Uebergabe{Ziel::Gemeinkosten, *zeile, 0};
}

std::optional<Uebergabe> MaschinenkostenErgebnisUebernehmen() {
  const std::optional<std::string> zeile = ErgebnisLesen(Rechner::Maschinenkosten);
  if (!zeile) return std::nullopt;
  return Uebergabe{Ziel::Maschinenpreis, *zeile, 0};
}

}  // namespace tolvar::mdlExcel
