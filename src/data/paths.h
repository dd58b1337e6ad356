#pragma once
// Where the shared databases lie below the installation folder, and the default weather
// station.

#include <string>
#include <string_view>

namespace tolvar::data {

// Relative paths below the installation folder, written as the system names them.
inline constexpr std::string_view kSystemdatenbank = "\\Tolvar_DB\\SystemInfo.mdb";
inline constexpr std::string_view kStandardMaterialdatenbank = "\\Tolvar_DB\\Material.mdb";
inline constexpr std::string_view kStandardVanteldatenbank = "\\Vantel\\Material\\TechDaten.mdb";
inline constexpr std::string_view kStandardWetterdatenbank = "\\Vantel\\Wetterdaten\\Klimadaten.mdb";
inline constexpr std::string_view kStandardErgebnisdatenbank = "\\Tolvar_DB\\Ergebnisse.mdb";
inline constexpr std::string_view kStationsdatenbank = "\\Vantel\\Stationsinfo\\Stat_Info.mdb";

// The weather station used when none is set; its climate tables ship with the system.
inline constexpr std::string_view kStandardStation = "Landesmitte";

// A weather station's climate tables in the weather database, named after the station with
// these suffixes: one row per hour of the day, after the hour's column one column per week.
inline constexpr std::string_view kKlimaTemperatur = "-Temperatur";
inline constexpr std::string_view kKlimaEinstrahlung = "-Einstrahlung";
inline constexpr int kKlimaStunden = 24;
inline constexpr int kKlimaWochen = 52;

// The value SystemInfo holds while no enterprise has been opened.
inline constexpr std::string_view kKeinAktuellerBetrieb = "KeinAktuellerBetrieb";

// The installation folder (the data root) joined with a relative path of the above.
std::string InstallPath(std::string_view relative);

}  // namespace tolvar::data
