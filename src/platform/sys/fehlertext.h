#pragma once
// Failure messages a person can read: the cause of a failed file or database operation in
// German, with the system's technical text kept as a detail after it.

#include <string>
#include <string_view>

namespace tolvar::sys {

// Marks a technical text whose failure lies with a folder, not with a file.
inline constexpr std::string_view kOrdnerMarke = "Ordner '";

// The technical text of a failure that lies with `ordner` (it is missing, write-protected, no
// folder): "Ordner '<ordner>': <grund>", so that the cause names the folder.
std::string OrdnerFehler(std::string_view ordner, std::string_view grund);

// The cause in German for the technical text a failed operation gave (an error of the file
// system or of the database engine, in English): a full disk, a read or write error of the
// disk, a loop of symbolic links, a path through something that is no folder, a folder where
// a file is meant, a write-protected file, a file that was not found, a file that cannot be
// opened, a file in use, a file that is no database, a damaged database, a name that is too
// long, a table or column missing, a rule of the table broken, a statement the engine did not
// run; empty when the text names none of these. Where the text names a folder (OrdnerFehler), the cause says "Ordner":
// with its path: "Der Ordner "<path>" ist schreibgeschützt.", "Der Ordner "<path>" existiert nicht."
std::string UrsacheAufDeutsch(std::string_view technisch);

// The one form of every failure message: what failed (may be empty), then the cause in German
// where it is known, without the technical text. A text whose cause is not known follows
// what failed as it is.
std::string Fehlermeldung(std::string_view was, std::string_view technisch);

}  // namespace tolvar::sys
