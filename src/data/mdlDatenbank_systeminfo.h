#pragma once
// The one row of table SystemInfo of the Systemdatenbank below the installation folder: the
// open enterprise and the two pointer colours.

#include <string>

namespace tolvar::mdlDatenbank {

// Reads the first row into AktuellerBetrieb, FarbeTolvar and FarbeMorvin. A missing or
// unreadable Systemdatenbank, or a table without a row, counts as "KeinAktuellerBetrieb"
// (the colours then stay as they are). False in those cases.
bool SystemInfoLesen();

// Writes AktuellerBetrieb, FarbeTolvar, FarbeMorvin and LetzteAenderung (the current date
// and time in the general date format) into the first row; a table without a row gets one.
// A colour is written only when this program changed it since it last read or wrote the row,
// so a colour another instance of the program confirmed meanwhile is kept.
// Nothing is written when the Systemdatenbank is missing: the file is never created.
// False when nothing could be written, with the technical reason in *fehler.
bool SystemInfoSchreiben(std::string* fehler = nullptr);

// Writes the row as SystemInfoSchreiben does and reports a failure with a critical message
// that says why; the next start then opens the enterprise and colours stored before.
bool SystemInfoSichern();

}  // namespace tolvar::mdlDatenbank
