#pragma once
// The program-wide state: settings, master lists, selections and flags. One instance lives
// for the program's run; tests reset it with ResetState().

#include <cstdint>
#include <string>
#include <vector>

#include "culture/records.h"
#include "data/records.h"

namespace tolvar {

// The in-memory copy of the one settings row of the enterprise.
struct EinstellungenSatz {
  int16_t StandardStation = 0;
  std::string Wetterstation;
  std::string Strom;
  std::string MaterialPfad;
  std::string VantelPfad;
  std::string KlimaPfad;
  std::string Ergebnisdatenbank;
  std::string Gemeinkostentyp;
  std::string Gemeinkosten;
  std::string Flaeche;
  std::string Jahr;
  std::string Belegung;
  std::string Vermarktungskosten;
};

struct State {
  // Installation folder (the writable data root) and version text.
  std::string Programmpfad;
  std::string Programmversion;
  // Path of the open enterprise's labour-time database and of its own ".Tolvar" twin.
  std::string AktuellerBetrieb;
  std::string TolvarDatenbankPfad;

  EinstellungenSatz AktuelleEinstellungen;

  // Culture being worked on: phases in slots 1..25 by phase number, its site occupancies.
  std::vector<PhasenSatz> PhasenListe;
  std::vector<KulturStandortSatz> KulturStandortListe;

  // Pointer colours 0..5 (Zeigerfarbe) of the own windows and of the labour-time windows.
  int FarbeTolvar = 0;
  int FarbeMorvin = 0;

  // Master lists in load order; each count equals its list's size.
  std::vector<KulturSatz> KulturListe;
  int AnzahlKulturen = 0;
  std::vector<StandortSatz> StandortListe;
  int AnzahlStandorte = 0;
  std::vector<MaterialSatz> MaterialListe;  // in ascending Barcode order
  int AnzahlMaterialien = 0;
  std::vector<PersonalSatz> PersonalListe;
  int AnzahlPersonal = 0;
  std::vector<StdTaetigkeitSatz> StdTaetigkeitListe;
  int AnzahlStdTaetigkeiten = 0;
  // The pots with their volumes, loaded right after the materials.
  std::vector<GefaessSatz> GefaessListe;
  int AnzahlGefaesse = 0;

  // Selection: an index into its list; past the end means nothing is selected.
  int KulturIndex = 0;
  int StandortIndex = 0;
  int MaterialIndex = 0;
  int PersonalIndex = 0;
  int StdTaetigkeitIndex = 0;
  int PhasenIndex = 0;
  // Tree of the last pop-up ("Kulturen", "Standort", "Material", "Personal",
  // "StdTaetigkeiten"), parent group for a new record, editor mode ("Neu", "Aendern").
  std::string AktuellerBaum;
  std::string AktuelleUeberPNr;
  std::string Bearbeitungsmodus;
  std::string HilfeThema;
  // Target box of the pocket calculator (Rechnerziel).
  int Merkwert = 0;

  // Tree builds: key of the node a build added last (AktuellerKnoten).
  std::string AktuellerKnoten;
  // Tree drags: a drag is under way; key of the node under the last press in a draggable
  // tree (ZiehKnoten), empty when that press hit no node.
  bool ZiehenAktiv = false;
  std::string ZiehKnoten;

  // Flags.
  bool BetriebOffen = false;
  bool ModusStammdaten = false;
  bool ModusErfassung = false;
  bool ModusKalkulation = false;
  bool PruefungOk = false;
};

// The one instance.
State& state();
// Back to the start-of-program state (tests).
void ResetState();

}  // namespace tolvar
