#pragma once
// Table Vergleichskulturen of a result database: the stored comparison cultures. Its columns,
// its row, and reading, appending, deleting, renumbering and transferring rows live here
// alone; the calculation, the detail windows and the comparison use them.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/cost_types.h"
#include "data/records_comparison.h"
#include "platform/db/database.h"

namespace tolvar::data {

inline constexpr std::string_view kVergleichskulturTabelle = "Vergleichskulturen";

// The cost column ("Heizung", "Material", "Strom", ...) and the grade column ("DQHeizung",
// ...) of a cost type.
std::string_view KostenSpalte(Kostenart art);
std::string_view GradSpalte(Kostenart art);
// Every column of the table, in the order the result database declares them.
const std::vector<std::string_view>& VergleichskulturSpalten();

// The field of a listed culture holding the cost of a type (Heizung, Material, Strom, ...)
// and the one holding its grade (DQHeizung, ...).
const std::string& Kosten(const VergleichskulturSatz& satz, Kostenart art);
const std::string& Datenqualitaet(const VergleichskulturSatz& satz, Kostenart art);

// One row, each column as stored; Null where the row holds nothing. A Null column is not
// written by an append.
struct VergleichskulturZeile {
  db::Value Nr, Import, Kultur, Beginn, Ende, Menge, Preis, Akh, TQM, Bemerkungen;
  JeKostenart<db::Value> Kosten;  // by KostenIndex
  JeKostenart<db::Value> Grade;   // by KostenIndex
};

// The row at the table's current position.
VergleichskulturZeile ZeileLesen(const db::Recordset& tabelle);

// Every row of the table of the result database at `pfad`, in table order. False, with the
// reason in *fehler and `zeilen` empty, when the database or its table cannot be read.
bool VergleichskulturZeilenLesen(const std::string& pfad, std::vector<VergleichskulturZeile>& zeilen,
                                 std::string* fehler = nullptr);

// Reads every row into `liste`, in table order, one element per row (no empty element at the
// end). `Nr` is the column as text, or the row's position when the column is Null; Preis and
// the eight costs are formatted with two decimals; the other fields are the columns as text.
// On failure (missing file, no database, no such table) `liste` is empty, the reason goes to
// *fehler and the result is false.
bool VergleichskulturenLesen(const std::string& pfad, std::vector<VergleichskulturSatz>& liste,
                             std::string* fehler = nullptr);

// Changes run on the open table, inside the transaction of VergleichskulturenAendern. Each
// returns false with the reason in *fehler.
using Tabellenschritte = std::function<bool(db::Recordset& tabelle, std::string* fehler)>;

// Appends `zeile` as the last row, writing every column that is not Null. With
// `fehlendeAuslassen` a column the table lacks is left out instead of failing the append.
bool ZeileAnhaengen(db::Recordset& tabelle, const VergleichskulturZeile& zeile, std::string* fehler,
                    bool fehlendeAuslassen = false);
// Deletes the row at the current position.
bool ZeileLoeschen(db::Recordset& tabelle, std::string* fehler);
// Sets Nr of every row to 0, 1, 2 ... in table order.
bool ZeilenNummerieren(db::Recordset& tabelle, std::string* fehler);

// Opens the table of the database at `pfad` and runs `schritte` on it in one transaction;
// with `nummerieren` the rows are then numbered 0, 1, 2 ... in the same transaction. On
// failure everything is rolled back and the reason goes to *fehler.
bool VergleichskulturenAendern(const std::string& pfad, const Tabellenschritte& schritte, bool nummerieren,
                               std::string* fehler = nullptr);

// In one transaction on the target: for each number of `nummern`, in order, appends a copy of
// every source row with that Nr (all columns but Nr; Import set to True; a column the target
// lacks is left out), then renumbers the target. *kopiert receives the number of rows copied.
// On failure *fehlerDatei names the file that failed: the source when reading it failed, the
// target when writing.
bool VergleichskulturenUebertragen(const std::string& quelle, const std::string& ziel,
                                   const std::vector<std::string>& nummern, int* kopiert = nullptr,
                                   std::string* fehler = nullptr, std::string* fehlerDatei = nullptr);

}  // namespace tolvar::data
