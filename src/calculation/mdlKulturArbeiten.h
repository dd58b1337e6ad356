#pragma once
// Recorded work of the selected culture: the rows of table Taetigkeiten of the labour-time
// database that fall into the culture's phases, with activity names and staff short names.

#include <string>
#include <vector>

#include "data/records.h"
#include "data/records_calculation.h"
#include "data/records_culture.h"

namespace tolvar::db {
class Database;
}

namespace tolvar::mdlKulturArbeiten {

// Reads the work of `kultur` from the open labour-time database: for each phase slot
// 1..anzahlPhasen in phase order, every row (in date order) with the culture's number and
// Anfang <= Datum <= Ende; rows whose KulturNr or Datum is Null (or a blank text) are passed
// over. Null fields give "0"; an activity or person without a row in StdTaetigkeiten or
// Personal gives "0" as its name. False when a table cannot be read (`liste` is then empty)
// or a row of the culture holds a date that is no date (`liste` then holds the other rows);
// `fehler`, when given, names the table ("Tabelle \"Personal\"") and the first such date.
bool KulturArbeitenLesen(db::Database& datenbank, const KulturSatz& kultur, const std::vector<PhasenSatz>& phasen,
                         int anzahlPhasen, std::vector<KulturArbeitSatz>& liste, std::string* fehler = nullptr);

// Rebuilds KulturArbeitListe for KulturListe(KulturIndex) and its
// loaded phases from the database at AktuellerBetrieb. With no culture selected, or when
// the database cannot be read, the list is left empty and the result is false; `fehler`, when
// given, then names what could not be read (empty when no culture is selected).
bool KulturArbeitenLaden(std::string* fehler = nullptr);

}  // namespace tolvar::mdlKulturArbeiten
