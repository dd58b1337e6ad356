#pragma once
// The nine fixed material groups M1001 to M1009: what the group editor shows, its help topic
// and its save, which edits the group's row in place.

#include <string>

#include "data/records.h"
#include "data/records_material.h"

namespace tolvar::masterdata {

// The help topic of a group by its MaterialNr ("M1007" gives "5.3.1"); "5.3" for any other.
std::string GruppenHilfeThema(const std::string& materialNr);

// The group editor's boxes for a group.
MaterialGruppeEingaben MaterialGruppeEingabenLaden(const MaterialSatz& gruppe);

// Stores name, short name, remarks, current flag and the time of the change into every row
// of Material whose MaterialNr is `gruppenNr` (the group the editor was opened for); all other
// columns stay. An empty name is refused ("Sie haben nicht alle notwendigen Werte
// eingegeben", focus txtName); an empty short name takes the name's first 10 characters. When
// no row carries the number, nothing is written and the save is refused with a message.
MaterialSpeicherergebnis MaterialGruppeSpeichern(const std::string& gruppenNr, MaterialGruppeEingaben* eingaben);

}  // namespace tolvar::masterdata
