#pragma once
// Wage groups (table Lohn of the labour-time database, hourly wages in table Tarif of the
// enterprise's own database) and the staff's wage history (table Lohneinteilung): the
// loaders the cost calculation and the wage-group editors call, the removal of a group,
// and the editors' data side (create, change, remove, look up by name).
//
// Lists: LohngruppeListe and LohneinteilungListe of state() hold the loaded rows at
// 0..count-1 followed by cleared elements; they keep at least 51 / 101 elements and grow
// when a table has more rows, so a scan 0..count (inclusive) always meets one cleared
// element at the end.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/records_settings.h"
#include "data/state.h"

namespace tolvar::mdlTarif {

// Cleared elements: see records_settings.h (LetzteAenderung today).
LohngruppeSatz LeereLohngruppe();
LohneinteilungSatz LeereLohneinteilung();

// Receives "Name, Vorname" of the selected person when TarifLaden runs; the windows layer
// sets it to write the name label of the wage-classification window. nullptr: none.
void SetNamensanzeige(std::function<void(const std::string&)> anzeige);

// Rebuilds LohngruppeListe / AnzahlLohngruppen: every Lohn row in table order with the wage
// of the last Tarif row of its group (empty when none). First passes the selected person's
// name to the name display (skipped when PersonalIndex names no person). False when a
// database or table cannot be read or a value does not convert; the list then holds the
// rows read before the failure.
bool TarifLaden();

// Rebuilds LohneinteilungListe / AnzahlLohneinteilungen: every Lohneinteilung row in table
// order with the name of the first Lohn row and the wage of the first Tarif row of its
// group (each empty when none). False as TarifLaden.
bool PersonalLohngruppenLaden();

// Deletes the group whose LohngruppenID, as decimal text, equals `idText` exactly from
// Lohneinteilung, Tarif and Lohn (in that order); Null values never match, so an empty or
// non-numeric text deletes nothing. Each database's deletions form one transaction; the
// labour-time database is committed first, so a failure can leave at most a surplus Tarif
// row, which the loaders ignore. False when a database or table cannot be opened or a
// write fails (its database then keeps its rows).
bool LohngruppeLoeschen(const std::string& idText);

// ----------------------------------------------------------------- the editors' data side

// What the selection step of a name list shows: the first element (0..AnzahlLohngruppen)
// whose Tarif equals `name` exactly. The empty entry resolves to the cleared element after
// the groups. Index -1 when nothing matches.
struct LohngruppeAuswahl {
  int Index = -1;
  std::string Tarif;
  std::string Lohn;
  std::string IdText;  // LohngruppenID as decimal text
};
LohngruppeAuswahl LohngruppeNachName(const std::string& name, const SettingsLists& listen);

// The names the editors' lists offer: elements 0..AnzahlLohngruppen, the last being the
// cleared element after the groups.
std::vector<std::string> Lohngruppennamen(const SettingsLists& listen);

// The index (0..AnzahlLohngruppen-1) of the loaded group whose LohngruppenID equals the
// number in `idText`; -1 when the text is no group number or names no loaded group.
int LohngruppeIndexNachId(const std::string& idText, const SettingsLists& listen);

enum class LohngruppenStatus {
  Gespeichert,
  WerteFehlen,         // name or wage empty: nothing written, no message
  Ungueltig,           // the wage is no amount of 0 or more: "Überprüfen sie ..." shown, nothing written
  NameNichtEindeutig,  // creation: the name exists; the message has been shown
  KeineGruppe,         // change / removal: no loaded group selected; nothing written
  Fehler,              // a database could not be read or written; nothing written
};

// Order of the two tests of a creation: the settings tab checks the name first, the
// stand-alone window checks for empty boxes first.
enum class Pruefreihenfolge { NameZuerst, LeereZuerst };

// Creates a group named `name` with hourly wage `lohn` (stored as typed): a Lohn row
// (Beispiel 1, a new record ID, LetzteAenderung now) and a Tarif row for the ID the
// database assigned. A name that a Lohn row carries exactly is refused with
// "Der vergebene Name ist nicht eindeutig"; a wage that is no amount from 0 to
// base::kLargestAmount with "Überprüfen sie bitte ihre Werte". Both rows are written or neither.
LohngruppenStatus LohngruppeAnlegen(const std::string& name, const std::string& lohn,
                                    Pruefreihenfolge reihenfolge = Pruefreihenfolge::NameZuerst);

// Renames the loaded group named by `idText` and replaces its wage: its Lohn row gets the
// name, a new record ID and LetzteAenderung now; its first Tarif row is replaced by one with
// the wage. Writes nothing when the name or the wage is empty, the wage is no amount (with
// "Überprüfen sie bitte ihre Werte") or `idText` names no loaded group. Sets Merkwert to the group's index. No name
// check: a rename may repeat a name.
LohngruppenStatus LohngruppeAendern(const std::string& idText, const std::string& name, const std::string& lohn);

// Removes the loaded group named by `idText` (LohngruppeLoeschen); KeineGruppe for the
// empty entry or any text that names no loaded group.
LohngruppenStatus LohngruppeEntfernen(const std::string& idText);

}  // namespace tolvar::mdlTarif
