#pragma once
// Table Vergleichskulturen of a result database: the stored comparison cultures. Its columns,
// its row, and reading, appending, deleting, renumbering and transferring rows live here
// alone; the calculation, the detail windows and the comparison use them.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/field_rules.h"
#include "data/cost_types.h"
#include "data/records_comparison.h"
#include "platform/db/database.h"

namespace tolvar::data {

inline constexpr std::string_view kVergleichskulturTabelle = "Vergleichskulturen";

// One row, each column as stored; Null where the row holds nothing. A Null column is not
// written by an append.
struct VergleichskulturZeile {
  db::Value Nr, Import, Kultur, Beginn, Ende, Menge, Preis, Akh, TQM, Bemerkungen;
  JeKostenart<db::Value> Kosten;  // by KostenIndex
  JeKostenart<db::Value> Grade;   // by KostenIndex
};

// What a column takes, whoever writes it (the result save, the editor, the import):
// - Text: any text (Kultur, Bemerkungen); Merker: the flags (Nr, Import, the grades DQ...);
// - Datum: a date written dd.mm.yyyy;
// - Zahl: a number under `regel` (its `feld` is the column's name).
enum class Spaltenart { Text, Merker, Datum, Zahl };

// One column of the table: its name, the member of the row it fills, what it takes, and
// whether the program works it out (the renumbering's Nr, the result save's sums Akh and TQM)
// rather than taking it from a box.
struct Vergleichsspalte {
  std::string_view name;
  // The member of the row: a single column, or the cost (`grad` false) or grade of `art`.
  db::Value VergleichskulturZeile::*feld = nullptr;
  std::optional<Kostenart> art = std::nullopt;
  bool grad = false;
  Spaltenart spaltenart = Spaltenart::Text;
  base::Feldregel regel{};
  bool errechnet = false;
};

// Every column of the table, in the order the result database declares them. The loaders,
// the append and every writer's check follow it.
const std::vector<Vergleichsspalte>& Vergleichskulturspalten();
// The column named `name`; nullptr for a name the table does not have.
const Vergleichsspalte* Vergleichskulturspalte(std::string_view name);
// The member of `zeile` that `spalte` fills.
db::Value& Wert(VergleichskulturZeile& zeile, const Vergleichsspalte& spalte);
const db::Value& Wert(const VergleichskulturZeile& zeile, const Vergleichsspalte& spalte);

// The rules of the number columns: the eight costs an amount from -1.000.000.000.000 to
// 1.000.000.000.000 (a negative marketing share gives a negative marketing cost); Preis and
// Akh an amount from 0, TQM too or empty (a culture without phases has none); Menge a whole
// number from 0.
inline constexpr JeKostenart<base::Feldregel> kKostenregeln = [] {
  JeKostenart<base::Feldregel> regeln{};
  for (const KostenartDaten& d : kKostenartTabelle) {
    regeln[KostenIndex(d.art)] = base::Feldregel{.feld = d.kostenSpalte, .bereich = {.low = -base::kLargestAmount}};
  }
  return regeln;
}();
constexpr const base::Feldregel& Kostenregel(Kostenart art) { return kKostenregeln[KostenIndex(art)]; }
inline constexpr base::Feldregel kVergleichMengeRegel{.feld = "Menge", .ganz = true};
inline constexpr base::Feldregel kVergleichPreisRegel{.feld = "Preis"};
inline constexpr base::Feldregel kVergleichAkhRegel{.feld = "Akh"};
inline constexpr base::Feldregel kVergleichTQMRegel{.feld = "TQM", .leer = ""};

// Whether `spalte` takes `wert` (a Null value as an empty text).
bool SpalteNimmt(const Vergleichsspalte& spalte, const db::Value& wert);
// What `spalte` takes, as a message says it: "ein Datum in der Form TT.MM.JJJJ", "eine ganze
// Zahl von 0 bis 1.000.000.000.000" (base::Erwartet); empty for a column that takes any text.
std::string Erwartet(const Vergleichsspalte& spalte);
// The name of the first column of `zeile` whose rule refuses its value; nullopt when every
// column passes. Every writer asks this before it writes.
std::optional<std::string_view> ErsteVerweigerung(const VergleichskulturZeile& zeile);

// The cost column ("Heizung", "Material", "Strom", ...) and the grade column ("DQHeizung",
// ...) of a cost type.
std::string_view KostenSpalte(Kostenart art);
std::string_view GradSpalte(Kostenart art);
// The names of Vergleichskulturspalten(), in their order.
const std::vector<std::string_view>& VergleichskulturSpalten();

// The field of a listed culture holding the cost of a type (Heizung, Material, Strom, ...)
// and the one holding its grade (DQHeizung, ...).
const std::string& Kosten(const VergleichskulturSatz& satz, Kostenart art);
const std::string& Datenqualitaet(const VergleichskulturSatz& satz, Kostenart art);

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
