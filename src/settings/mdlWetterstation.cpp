#include "settings/mdlWetterstation.h"

#include <memory>

#include "data/paths.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "settings/db_access.h"

namespace tolvar::mdlWetterstation {

const std::array<Region, kAnzahlRegionen>& Regionen() {
  static const std::string standard(data::kStandardStation);
  static const std::array<Region, kAnzahlRegionen> kRegionen = {{
      {"München", "Haar", "Haar"},
      {standard, standard, standard},
      {"Augsburg", "Schwabmünchen", "Schwabmuenchen"},
      {"Hof", "Strass", "Strass"},
      {"Nürnberg", "Buch", "Buch"},
      {"Aschaffenburg", "Großostheim", "Grossostheim"},
      {"Würzburg", "Veitshöchstheim", "Veitshoechstheim"},
      {"Schweinfurt", "Ettleben", "Ettleben"},
      {"Bayreuth", "Würnsreuth", "Wuernsreuth"},
      {"Regensburg", "Köfering", "Koefering"},
      {"Lkr. Passau", "Reith", "Reith"},
      {"Lkr. Rottal-Inn", "Frieding", "Frieding"},
      {"Lkr. Landshut", "Feistenaich", "Feistenaich"},
      {" Kehlheim", "Kaltenberg", "Kaltenberg"},
      {"Lkr. Deggendorf", "Uttenkofen", "Uttenkofen"},
      {"Kempten", "Spitalhof", "Spitalhof"},
      {"Mindelheim", "Lohhof", "Lohhof"},
      {"Lkr. Rosenheim", "Reitmehring", "Reitmehring"},
      {"Lkr. Donau-Ries", "Neuhof", "Neuhof"},
      {"Lkr. Roth", "Federhof", "Federhof"},
      {"Cham", "Wullnhof", "Wullnhof"},
      {"Weiden Oberpfalz", "Almesbach", "Almesbach"},
      {"Bamberg", "Wiesengiech", "Wiesengiech"},
  }};
  return kRegionen;
}

int RegionNachCaption(const std::string& text) {
  for (int i = 0; i < kAnzahlRegionen; ++i) {
    if (Regionen()[static_cast<std::size_t>(i)].Caption == text) return i;
  }
  return -1;
}

std::string RegionWaehlen(int index) {
  const Region* r = At(Regionen(), index);
  if (r == nullptr) return "";
  state().windows.GewaehlteRegion = r->Caption;
  return state().windows.GewaehlteRegion;
}

bool AuswahlUebernehmen() {
  State& st = state();
  if (st.windows.GewaehlteRegion.empty()) return false;
  st.enterprise.AktuelleEinstellungen.StandardStation = -1;
  st.enterprise.AktuelleEinstellungen.Wetterstation = st.windows.GewaehlteRegion;
  return mdlDatenbank::EinstellungenSichern();
}

std::string StationsdatenbankPfad() { return data::InstallPath(data::kStationsdatenbank); }

std::string StationsbildPfad(const std::string& bildname) {
  return data::InstallPath("\\Vantel\\Stationsinfo\\Temperaturmittelwerte\\" + bildname + ".gif");
}

std::optional<StationsInfo> StationsinfoAnzeigen(int index) {
  const Region* r = At(Regionen(), index);
  if (r == nullptr) return std::nullopt;
  State& st = state();
  st.windows.StationName = r->Station;
  st.windows.StationDateiname = r->Bildname;
  std::unique_ptr<db::Database> database = settings::Oeffnen(StationsdatenbankPfad());
  if (!database) return std::nullopt;
  db::Recordset rs = settings::Tabelle(*database, "Stat_Info");
  if (!rs.ok()) return std::nullopt;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (rs["StatName"].text() != st.windows.StationName) continue;
    return StationsInfo{.StatName = rs["StatName"].text(),
                        .RegBezirk = rs["Regierungsbezirk"].text(),
                        .Lkr = rs["Lkr"].text(),
                        .Gemeinde = rs["Gemeinde"].text(),
                        .Hoehe = rs["Höhe"].text() + " m ü.N.N.",
                        .Lage = rs["Lage"].text(),
                        .Bild = StationsbildPfad(st.windows.StationDateiname)};
  }
  return std::nullopt;
}

}  // namespace tolvar::mdlWetterstation
