#include "platform/sys/fehlertext.h"

#include <array>
#include <optional>

#include "base/values.h"

namespace tolvar::sys {

namespace {

struct Ursache {
  std::array<std::string_view, 4> merkmale;  // lower-case parts of the technical text
  std::string_view datei;                    // the cause where a file is meant
  std::string_view ordner;                   // where a folder is meant; empty: as for a file
};

// The texts of the C library (strerror) and of SQLite that stand for each cause. In the
// folder text of a missing folder, "%" stands for the folder's path.
constexpr std::array<Ursache, 16> kUrsachen{{
    {{"no space left", "disk is full", "", ""}, "Der Datenträger ist voll.", ""},
    {{"input/output error", "disk i/o error", "", ""},
     "Beim Lesen oder Schreiben des Datenträgers ist ein Fehler aufgetreten.",
     ""},
    {{"too many levels of symbolic links", "symbolic link loop", "", ""},
     "Der Pfad enthält eine Schleife aus symbolischen Verknüpfungen.",
     ""},
    {{"not a directory", "", "", ""}, "Ein Teil des Pfades ist kein Ordner.", ""},
    {{"is a directory", "is a folder", "", ""}, "Der Name bezeichnet einen Ordner, keine Datei.", ""},
    {{"read-only", "readonly", "permission denied", "operation not permitted"},
     "Die Datei ist schreibgeschützt.",
     "Der Ordner \"%\" ist schreibgeschützt."},
    {{"no such file", "not found", "", ""}, "Die Datei wurde nicht gefunden.", "Der Ordner \"%\" existiert nicht."},
    {{"unable to open database file", "", "", ""}, "Die Datei kann nicht geöffnet werden.", ""},
    {{"database is locked", "text file busy", "resource busy", "database table is locked"},
     "Die Datei wird von einem anderen Programm verwendet.",
     ""},
    {{"file is not a database", "not a database", "", ""}, "Die Datei ist keine gültige Datenbank.", ""},
    {{"malformed", "database corrupt", "", ""}, "Die Datenbank ist beschädigt.", ""},
    {{"file name too long", "", "", ""}, "Der Name ist zu lang.", ""},
    {{"invalid argument", "", "", ""}, "Diesen Dateinamen kann das Dateisystem nicht aufnehmen.", ""},
    // The engine's other results the program can meet: a file made by another program, a
    // rule of the table, and whatever else keeps a statement from running.
    {{"no such table", "no such column", "has no column", ""},
     "Der Datenbank fehlt eine Tabelle oder Spalte, die das Programm braucht.",
     ""},
    {{"constraint failed", "datatype mismatch", "", ""}, "Der Eintrag verletzt eine Regel der Datenbank.", ""},
    {{"sql logic error", "out of memory", "string or blob too big", "interrupted"},
     "Die Datenbank hat die Anweisung nicht ausgeführt.",
     ""},
}};

// The folder a technical text names as what failed ("Ordner '<path>': <reason>"), and the
// reason after it; nullopt when the text names no folder.
struct Ordnerangabe {
  std::string pfad;
  std::string_view grund;
};
std::optional<Ordnerangabe> OrdnerIn(std::string_view technisch) {
  const std::size_t anfang = technisch.find(kOrdnerMarke);
  if (anfang == std::string_view::npos) return std::nullopt;
  const std::size_t pfadAnfang = anfang + kOrdnerMarke.size();
  const std::size_t ende = technisch.rfind("': ");
  if (ende == std::string_view::npos || ende < pfadAnfang) return std::nullopt;
  return Ordnerangabe{std::string(technisch.substr(pfadAnfang, ende - pfadAnfang)), technisch.substr(ende + 3)};
}

}  // namespace

std::string OrdnerFehler(std::string_view ordner, std::string_view grund) {
  return std::string(kOrdnerMarke) + std::string(ordner) + "': " + std::string(grund);
}

std::string UrsacheAufDeutsch(std::string_view technisch) {
  const std::optional<Ordnerangabe> ordner = OrdnerIn(technisch);
  const std::string klein = base::AsciiLower(ordner ? ordner->grund : technisch);
  for (const Ursache& u : kUrsachen) {
    for (std::string_view merkmal : u.merkmale) {
      if (merkmal.empty() || klein.find(merkmal) == std::string::npos) continue;
      if (!ordner || u.ordner.empty()) return std::string(u.datei);
      std::string text(u.ordner);
      if (const std::size_t platz = text.find('%'); platz != std::string::npos) text.replace(platz, 1, ordner->pfad);
      return text;
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
  // The German cause stands alone: the technical text is in English and tells the user
  // nothing more.
  absatz(ursache);
  return meldung;
}

}  // namespace tolvar::sys
