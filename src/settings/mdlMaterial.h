#pragma once
// Material cost per working hour of each standard activity (table ArbeitMaterial of the
// enterprise's own database): the list the cost calculation reads, and the data side of
// the cost grid the two editor windows show (rows 1..100; the windows hold the grid).

#include <string>
#include <vector>

#include "data/state.h"

namespace tolvar::mdlMaterial {

// Data rows of the cost grid (row 0 is its header).
constexpr int kArbeitMaterialDatenzeilen = 100;

// Reloads ArbeitMaterialListe: the table's rows in stored order from element 0, every other
// element "0" / "0"; at least 501 elements, and one more than the rows when there are more.
// False when the database or table cannot be read (every element is then "0" / "0").
bool ArbeitMaterialLaden();

// One data row of the cost grid: column 0 the activity's name, 1 the cost per hour as text,
// 2 the activity number. A row is free when Taetigkeit is empty.
struct KostenZeile {
  std::string Taetigkeit;
  std::string Kosten;
  std::string TaetigkeitNr;
};

// A grid of 100 free data rows (index 0 is data row 1).
std::vector<KostenZeile> LeereKostenTabelle();

// The rows the grid shows after its set-up: each stored row whose TaetigkeitNr is the
// StdTaetigkeitNr of an activity placed in the tree (ImBaum), in stored order, at most 100,
// with that activity's name. Stored costs of other activities are not shown. nullopt-like
// failure: an empty vector and `ok` false when the table cannot be read.
std::vector<KostenZeile> ArbeitMaterialTabelleFuellen(bool* ok = nullptr);

// The StdTaetigkeitListe indexes a drop of the tree node keyed `key` adds, in list order:
// for the root "Taetigkeit" every non-group record in the tree; for a group its direct
// members in the tree (sub-groups as one row each); for an activity the activity itself.
// Sets StdTaetigkeitIndex to the record keyed `key` (unchanged when none). Empty when the
// key names no record.
std::vector<int> AblageIndizes(const std::string& key, const MasterLists& stamm, Selection& auswahl);

// Places the records AblageIndizes(key, stamm, auswahl) names in the first free rows of `grid`
// (name and number; the cost cell keeps its text); records beyond the last free row are dropped.
void ArbeitMaterialAblegen(std::vector<KostenZeile>* grid, const std::string& key, const MasterLists& stamm,
                           Selection& auswahl);

// A key typed into a cost cell: Backspace (8) removes the last character, a digit or ","
// is appended, any other key leaves the text unchanged.
std::string KostenTaste(const std::string& text, int keyAscii);

// Deletes the first stored row of activity `taetigkeitNr`; an empty number deletes nothing.
// False when the table cannot be written.
bool ArbeitMaterialLoeschen(const std::string& taetigkeitNr);

enum class ArbeitMaterialSpeicherStatus { Gespeichert, Doppelt, Ungueltig, Fehler };

// Stores the grid: the rows from the top down to the first free row, number and cost as
// shown. Two rows with the same number are refused with "Sie können nicht einer Tätigkeit
// mehrere Kosten zuweisen.", a cost that is neither empty nor an amount from 0 to
// base::kLargestAmount ("1,2,5", a lone comma) with "Überprüfen sie bitte ihre Werte" (its grid
// row, from 1, into `falscheZeile`); after a refusal nothing is written. The stored rows of
// the activities the grid could show (those in the tree) and of the activities in the grid
// are replaced in one transaction; an empty cost is stored as the empty text, which the
// calculation reports as missing. The rows of other activities stay, as the cost
// calculation still uses them.
ArbeitMaterialSpeicherStatus ArbeitMaterialSpeichern(const std::vector<KostenZeile>& grid, int* falscheZeile = nullptr);

}  // namespace tolvar::mdlMaterial
