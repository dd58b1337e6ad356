#pragma once
// Failure messages a person can read: the cause of a failed file or database operation in
// German, with the system's technical text kept as a detail after it.

#include <string>
#include <string_view>

namespace tolvar::sys {

// The cause in German for the technical text a failed operation gave (an error of the file
// system or of the database engine, in English): "Der Datenträger ist voll.", "Die Datei ist
// schreibgeschützt.", "Die Datei wurde nicht gefunden.", "Die Datei wird von einem anderen
// Programm verwendet.", "Die Datei ist keine gültige Datenbank."; empty when the text names
// none of these.
std::string UrsacheAufDeutsch(std::string_view technisch);

// The one form of every failure message: what failed (may be empty), the cause in German
// where it is known, then the technical text as a detail ("Einzelheiten: ..."). A text whose
// cause is not known follows what failed as it is.
std::string Fehlermeldung(std::string_view was, std::string_view technisch);

}  // namespace tolvar::sys
