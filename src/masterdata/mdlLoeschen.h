#pragma once
// Deleting the program's own rows that refer to a master record. Cultures, sites and standard
// activities keep their master rows (they belong to the labour-time database); a material is
// deleted from the material database together with its pot row and the pot-substrate
// combinations that are, or use, it.
//
// Rows match when a text column equals the key exactly (case counts). Each database is
// changed in one transaction: when anything fails, that database stays as it was.

#include <string>

namespace tolvar::masterdata {

// The outcome of a deletion. On failure `fehler` names the reason and `datenbank` the
// database that stayed unchanged; databases changed before it keep their changes.
struct LoeschErgebnis {
  bool ok = true;
  std::string fehler;
  std::string datenbank;
};

// KulturPhasen rows with Kulturnummer = key, then Material rows with KulturNr = key.
LoeschErgebnis KulturDatenLoeschen(const std::string& tolvarPfad, const std::string& kulturNr);
// Vantel rows with StandortNr = key.
LoeschErgebnis StandortDatenLoeschen(const std::string& tolvarPfad, const std::string& standortNr);
// ArbeitMaterial rows with TaetigkeitNr = key.
LoeschErgebnis TaetigkeitDatenLoeschen(const std::string& tolvarPfad, const std::string& taetigkeitNr);
// In the enterprise's own database the culture material rows with MaNr = key; then, only
// when that succeeded, in the material database the Material and Gefaesse rows with
// MaterialNr = key, every TopfSubstrat row whose MaterialNr, TopfNr or SubstratNr equals the
// key, and the Material rows of those combinations (by their non-empty MaterialNr).
LoeschErgebnis MaterialDatenLoeschen(const std::string& tolvarPfad, const std::string& materialPfad,
                                     const std::string& materialNr);

// The message shown for a failed deletion.
std::string LoeschFehlerText(const LoeschErgebnis& ergebnis);

}  // namespace tolvar::masterdata

namespace tolvar::mdlLoeschen {

// The deletions for the record the program-wide selection names (KulturIndex, StandortIndex,
// StdTaetigkeitIndex, MaterialIndex into their lists), in the enterprise's own database
// (TolvarDatenbankPfad) and the material database (AktuelleEinstellungen.MaterialPfad). An
// index outside its list deletes nothing. A failure is shown as a critical message; false then.
bool KulturDatenLoeschen();
bool StandortDatenLoeschen();
bool TaetigkeitDatenLoeschen();
bool MaterialDatenLoeschen();

}  // namespace tolvar::mdlLoeschen
