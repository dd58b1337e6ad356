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
