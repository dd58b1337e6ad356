#pragma once
// The two registry values the program leaves for other programs: its folder and its version.

#include <string_view>

namespace tolvar::mdlUpDate {

inline constexpr std::string_view kPfadeSchluessel = "Software\\Halvorn\\Tolvar\\Pfade";
inline constexpr std::string_view kPfadeWert = "Tolvar-Verz";
inline constexpr std::string_view kVersionSchluessel = "Software\\Halvorn\\Tolvar\\Version";
inline constexpr std::string_view kVersionWert = "Version";

// Writes Programmpfad as "Tolvar-Verz", then Programmversion as "Version", through the
// current registry store. The outcome of the writes is not reported.
void RegistryEintraegeSchreiben();

}  // namespace tolvar::mdlUpDate
