#pragma once
// Proposed record numbers and barcodes of new master records. Nothing is reserved or stored
// here: the editor shows the proposal and its save stores it.
//
// Record numbers are a prefix ("K", "Sta", "P", "StdT") and four digits; the proposal is the
// highest number part of the table + 1. Barcodes of cultures are the highest barcode + 1;
// sites, staff and activities get a leading digit ("3", "2", "4") and five digits taken from
// the highest barcode + 1. Material barcodes are the highest barcode of the material table
// + 1, or 60001 for an empty table. Rows without a readable number or barcode are skipped.

#include <optional>
#include <string>
#include <string_view>

namespace tolvar::masterdata {

enum class VorschlagStatus {
  Vorgeschlagen,  // `wert` holds the proposal
  Keiner,         // nothing to propose: empty table, no readable value, or an unknown kind
  Erschoepft,     // the number or barcode range is used up; `fehler` says so
  Fehler,         // the database could not be read; `fehler` says why
};

struct Vorschlag {
  VorschlagStatus status = VorschlagStatus::Keiner;
  std::string wert;
  std::string fehler;
};

// Next record number of the table `baum` names ("Kulturen", "Standort", "Personal",
// "StdTaetigkeiten") in the labour-time database at `morvinPfad`. After number part 9999
// nothing is free.
Vorschlag NaechsteNummer(const std::string& morvinPfad, std::string_view baum);

// Next barcode of that table. For sites, staff and activities a proposal that is already
// taken in the table (possible only when the five digits wrap) moves on to the next free one
// with the same leading digit; when none is left the range is used up.
Vorschlag NaechsterBarcode(const std::string& morvinPfad, std::string_view baum);

// Next barcode of the material table at `materialPfad`. A material's number is derived from
// its barcode (MaterialNrAusBarcode, material_row.h); barcodes whose number is already in use in the table
// (the root and the groups included) are passed over, so the proposal always gives a free
// number. After a thousand taken numbers in a row the range is used up.
Vorschlag NaechsterMaterialBarcode(const std::string& materialPfad);

}  // namespace tolvar::masterdata

namespace tolvar::mdlMorvin5 {

// The proposals for the open enterprise (AktuellerBetrieb) and the material database of its
// settings (AktuelleEinstellungen.MaterialPfad). Each gives the text to write into the
// editor's box, or nullopt when nothing is to be written; a used-up range or a database that
// cannot be read is reported as a critical message first.

// `baum` is the editor's kind: "Kulturen", "Standort", "Personal" or "StdTaetigkeiten".
std::optional<std::string> NaechsteNummerErmitteln(std::string_view baum);
std::optional<std::string> NaechstenBarcodeErmitteln(std::string_view baum);

// For the pot-substrate combination editor (group "M1001") and the general material editor
// (groups "M1002" to "M1006" and "M1009"); any other group gets nothing.
std::optional<std::string> MaterialBarcodeErmitteln(std::string_view gruppenNr);
// For the pot and the substrate editor.
std::optional<std::string> TopfBarcodeErmitteln();
std::optional<std::string> SubstratBarcodeErmitteln();

}  // namespace tolvar::mdlMorvin5
