#pragma once
// Reading table Vergleichskulturen (the stored comparison cultures) of a result database.

#include <string>
#include <vector>

#include "data/records_comparison.h"

namespace tolvar::data {

// Reads every row of table Vergleichskulturen of the result database at `pfad` into
// `liste`, in table order, one element per row (no empty element at the end). `Nr` is the
// column as text, or the row's position when the column is Null; Preis and the eight costs
// are formatted with two decimals; the other fields are the columns as text. On failure
// (missing file, no database, no such table) `liste` is empty, the reason goes to *fehler
// and the result is false.
bool VergleichskulturenLesen(const std::string& pfad, std::vector<VergleichskulturSatz>& liste,
                             std::string* fehler = nullptr);

}  // namespace tolvar::data
