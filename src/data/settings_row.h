#pragma once
// The enterprise settings row: table BetriebEinstellungen of the Tolvar-Datenbank, held in
// memory as state().enterprise.AktuelleEinstellungen.

#include <string>
#include <string_view>
#include <vector>

#include "data/records_settings.h"

namespace tolvar {

namespace data {
// The settings record with every field at its replacement value: the default station (set
// as standard), the default databases below the installation folder, "0,12", "0", "0",
// "75", "0", and empty Jahr and Flaeche.
EinstellungenSatz EinstellungenErsatzwerte();
// The columns of BetriebEinstellungen that the row's write sets and its loader reads, in the
// order the database declares them; the opening check requires them.
std::vector<std::string_view> EinstellungenSpalten();
}  // namespace data

namespace mdlDatenLaden {

// Loads the first row of BetriebEinstellungen of the database at TolvarDatenbankPfad into
// AktuelleEinstellungen. The record is first reset to its replacement values, so nothing of
// a previously opened enterprise survives; a column that is Null or empty keeps its
// replacement (Jahr and Flaeche become empty). False when the database, the table or its
// row cannot be read; the record then holds the replacement values. The record read is
// remembered as the row's state for the next write.
bool BetriebEinstellungenLaden();

}  // namespace mdlDatenLaden

namespace mdlDatenbank {

// Writes the fields of AktuelleEinstellungen into the first row of BetriebEinstellungen of
// the database at TolvarDatenbankPfad, with LetzteAenderung the current date and time in
// the general date format; a table without a row gets one with every field. Where this
// program read or wrote that row before, only the fields changed since are written (none:
// nothing is written), so a value another instance of the program confirmed meanwhile is
// kept. Never creates the database file. False when nothing could be written, with the
// technical reason in *fehler.
bool BetriebEinstellungenSchreiben(std::string* fehler = nullptr);

// Writes the settings row as BetriebEinstellungenSchreiben does and reports a failure with a
// critical message that says why. Used wherever the user confirmed settings and at closing,
// so a confirmed change is on disk at once and a lost one is never silent.
bool EinstellungenSichern();

// The message for a settings row that could not be written, with the German cause of the
// technical reason `fehler`.
std::string EinstellungenNichtGespeichert(const std::string& fehler);

// Writes the settings row before a command leaves the open enterprise or copies it. When the
// write fails, says why and asks `frage` (Yes goes on without the settings); false when the
// user answers No, and the command then changes nothing.
bool EinstellungenSichernOderFragen(std::string_view frage);

}  // namespace mdlDatenbank

}  // namespace tolvar
