#pragma once
// Maintaining the stored comparison cultures of a result database (table Vergleichskulturen):
// reading one culture for the editor, saving it as a new last row (replacing the culture it
// was loaded from) and deleting, over the table's module data/comparison_table.h. Every
// change renumbers the table 0, 1, 2 ... in table order within the same transaction, so a
// failure leaves the table as it was.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/cost_types.h"

namespace tolvar::comparison {

// Key of the tree's root, which stands for all cultures.
inline constexpr std::string_view kWurzelSchluessel = "Kultur";

// Key of a culture's node: its name and its Nr, joined by a unit separator that cannot be
// typed, so that no two cultures share a key ("A1" with Nr 2 and "A" with Nr 12 differ).
std::string Schluessel(std::string_view kultur, std::string_view nr);

// A stored culture as the editor shows it: each column as plain text; nullopt for a column
// that holds no value (the editor then keeps what its box showed). Costs and grades are
// indexed by KostenIndex.
struct Kulturfelder {
  std::optional<std::string> Kultur, Beginn, Ende, Akh, TQM, Preis, Menge, Bemerkungen;
  JeKostenart<std::optional<std::string>> Kosten;
  JeKostenart<std::optional<int>> Grade;
  bool Import = false;
};

// The first culture of the result database at `pfad` whose key equals `schluessel`; nullopt
// when there is none or the database cannot be read (reason in *fehler).
std::optional<Kulturfelder> KulturLesen(const std::string& pfad, std::string_view schluessel,
                                        std::string* fehler = nullptr);

// What the editor saves: the boxes' texts, the grades and the import flag.
struct Kultureingabe {
  std::string Kultur, Beginn, Ende, Akh, TQM, Preis, Menge;
  JeKostenart<std::string> Kosten;
  JeKostenart<int> Grade = FuerJedeKostenart(3);
  std::string Bemerkung;
  bool Import = false;
};

// Fills every empty box but the remark with its default: "01.01.1900" for the dates, "0" for
// the others.
void VorgabenEinsetzen(Kultureingabe& eingabe);
// The column of table Vergleichskulturen (data::Vergleichskulturspalten) whose rule refuses
// the text of its box, the first in the table's order, after every empty box took its
// default; nullopt when the table takes every box.
std::optional<std::string_view> ErsteVerweigerung(const Kultureingabe& eingabe);

// The message refusing the editor's save: the box (its label `name`, e.g. "Menge") holding
// `text`, which column `spalte` does not take, and what the column takes.
std::string Verweigerungsmeldung(std::string_view name, std::string_view spalte, std::string_view text);

// The rows of `nummern` (their Nr, in this order) of the result database at `quelle` split
// into those whose every row the editor would save (ErsteVerweigerung on its texts, a column
// without a value as an empty box) and those it would refuse, the latter with their
// cultures' names. nullopt when the database cannot be read (reason in *fehler).
struct Importpruefung {
  std::vector<std::string> Gueltig;
  std::vector<std::string> AbgelehnteKulturen;
};
std::optional<Importpruefung> ImportPruefen(const std::string& quelle, const std::vector<std::string>& nummern,
                                            std::string* fehler = nullptr);

// In one transaction: deletes the first culture whose key is `ersetzen` (nothing when empty
// or not found), appends `eingabe` (its empty boxes with their defaults) as the last row with
// Import from its flag, renumbers. *neuerSchluessel receives the key of the new row. False,
// with the reason, on failure; a row ErsteVerweigerung refuses is not written.
bool KulturSpeichern(const std::string& pfad, const Kultureingabe& eingabe, std::string_view ersetzen,
                     std::string* neuerSchluessel = nullptr, std::string* fehler = nullptr);

// In one transaction: deletes the first culture whose key is `schluessel` (nothing when there
// is none) and renumbers. *geloescht tells whether a row was deleted.
bool KulturLoeschen(const std::string& pfad, std::string_view schluessel, bool* geloescht = nullptr,
                    std::string* fehler = nullptr);

// Both paths name the same file (compared after resolving ".", ".." and links); an empty
// path names no file.
bool GleicheDatei(const std::string& a, const std::string& b);

}  // namespace tolvar::comparison
