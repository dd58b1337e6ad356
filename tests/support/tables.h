#pragma once
// Reading a database back in tests: the rows of a query as texts, and the whole content of a
// table or of every table, to show what a change wrote or that a refused change wrote nothing.

#include <string>
#include <string_view>
#include <vector>

namespace tolvar::test {

// The rows of `sql` on the database at `pfad`, each its fields' texts joined by "|"; a Null
// field reads `null`. {"<keine Datenbank>"} when the file does not open as a database.
std::vector<std::string> Abfragezeilen(const std::string& pfad, const std::string& sql, std::string_view null = "");

// The rows of one table in rowid order, each as "a|b|c|" on a line of its own.
std::string Tabelleninhalt(const std::string& pfad, const std::string& tabelle);

// Every table with its rows in rowid order: "Tabelle: (a|b|) (c|d|)" on a line per table.
std::string Datenbankinhalt(const std::string& pfad);

}  // namespace tolvar::test
