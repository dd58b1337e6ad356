#include "platform/sys/fehlertext.h"

#include <array>

#include "base/values.h"

namespace tolvar::sys {

namespace {

struct Ursache {
  std::array<std::string_view, 4> merkmale;  // lower-case parts of the technical text
  std::string_view text;
};

// The texts of the C library (strerror) and of SQLite that stand for each cause. A full disk
// shows as "no space left", as SQLite's "disk is full", or, on some file systems, as a plain
// input/output error while writing.
constexpr std::array<Ursache, 6> kUrsachen{{
    {{"no space left", "disk is full", "input/output error", "disk i/o error"}, "Der Datenträger ist voll."},
    {{"read-only", "readonly", "permission denied", "operation not permitted"}, "Die Datei ist schreibgeschützt."},
    {{"no such file", "not found", "unable to open database file", ""}, "Die Datei wurde nicht gefunden."},
    {{"database is locked", "text file busy", "resource busy", "database table is locked"},
     "Die Datei wird von einem anderen Programm verwendet."},
    {{"file is not a database", "malformed", "not a database", ""}, "Die Datei ist keine gültige Datenbank."},
    {{"file name too long", "invalid argument", "", ""}, "Diesen Dateinamen kann das Dateisystem nicht aufnehmen."},
}};

}  // namespace

std::string UrsacheAufDeutsch(std::string_view technisch) {
  const std::string klein = base::AsciiLower(technisch);
  for (const Ursache& u : kUrsachen) {
    for (std::string_view merkmal : u.merkmale) {
      if (!merkmal.empty() && klein.find(merkmal) != std::string::npos) return std::string(u.text);
    }
  }
  return {};
}

std::string Fehlermeldung(std::string_view was, std::string_view technisch) {
  std::string meldung(was);
  const std::string ursache = UrsacheAufDeutsch(technisch);
  auto absatz = [&meldung](std::string_view teil) {
    if (!meldung.empty()) meldung += "\n\n";
    meldung += teil;
  };
  if (ursache.empty()) {
    // A text without a known cause (often already German) stands as it is.
    if (!technisch.empty()) absatz(technisch);
    return meldung;
  }
  absatz(ursache);
  if (!technisch.empty()) absatz("Einzelheiten: " + std::string(technisch));
  return meldung;
}

}  // namespace tolvar::sys
