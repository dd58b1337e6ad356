#pragma once
// The 23 weather regions of the region map with their measuring stations, the station
// information of the station database (table Stat_Info), and taking a region over as the
// enterprise's weather station.

#include <array>
#include <optional>
#include <string>

namespace tolvar::mdlWetterstation {

struct Region {
  std::string Caption;   // what becomes Wetterstation (region 13 with its leading blank)
  std::string Station;   // StatName in Stat_Info
  std::string Bildname;  // picture base name: the station without umlauts and ß
};

constexpr int kAnzahlRegionen = 23;

// The regions in map order (index = label / option index).
const std::array<Region, kAnzahlRegionen>& Regionen();

// The first region whose caption equals `text` exactly (case and blanks count); -1 none.
int RegionNachCaption(const std::string& text);

// A region's option chosen: GewaehlteRegion := its caption, which is returned ("" for an
// index outside 0..22, GewaehlteRegion then unchanged).
std::string RegionWaehlen(int index);

// "Auswahl übernehmen": Wetterstation := GewaehlteRegion and StandardStation True, both
// written into the settings row. Nothing happens while no region has been chosen (an empty
// station would leave the heating model without climate tables): false then, and false
// when the settings row cannot be written (reported with its reason; the values stay in
// memory).
bool AuswahlUebernehmen();

// Path of the station database and of a station's picture below the installation folder.
std::string StationsdatenbankPfad();
std::string StationsbildPfad(const std::string& bildname);

// The boxes of the station information window.
struct StationsInfo {
  std::string StatName;
  std::string RegBezirk;
  std::string Lkr;
  std::string Gemeinde;
  std::string Hoehe;  // altitude & " m ü.N.N."
  std::string Lage;
  std::string Bild;  // path of the GIF picture
};

// A region's label clicked: sets StationName and StationDateiname of region `index` and
// reads the first Stat_Info row whose StatName equals StationName exactly. nullopt when
// the index is no region, no row matches or the database cannot be read (the window then
// keeps what it showed).
std::optional<StationsInfo> StationsinfoAnzeigen(int index);

}  // namespace tolvar::mdlWetterstation
