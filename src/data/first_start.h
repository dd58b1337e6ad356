#pragma once
// First start: the writable data root, which stands for the installation folder, is made
// from the read-only shipped tree, so the program opens on the sample enterprise.

#include <string>
#include <vector>

namespace tolvar::data {

// The sample enterprise below the data root, named in SystemInfo after seeding.
inline constexpr const char* kMusterbetrieb = "\\Betriebe\\Mustergärtnerei.mdb";

struct Ersteinrichtung {
  enum class Ausgang {
    SchonVorhanden,
    Angelegt,
    Fehlgeschlagen,
    // The system database was unusable and has been made again from the shipped tree.
    Wiederhergestellt,
    // The system database is unusable and could not be made again; the program runs without
    // an enterprise until one is opened.
    NichtWiederhergestellt,
  };
  Ausgang ausgang = Ausgang::SchonVorhanden;
  // Why seeding failed.
  std::string fehler;
};

// The message shown for a restored or an unrestorable system database; empty otherwise.
std::string Einrichtungsmeldung(const Ersteinrichtung& einrichtung);

// Seeds `datenwurzel` from `auslieferung` when it holds no "\Tolvar_DB\SystemInfo.mdb":
// every shipped file missing below the root is copied (files already there are never
// overwritten), and SystemInfo.AktuellerBetrieb then names the sample enterprise when the
// copy holds it. The system database comes into place last, so an interrupted seeding is
// completed on the next start. A root with a usable system database is left untouched; an
// unusable one (empty, no database, table SystemInfo or its columns missing) is kept beside
// it as "SystemInfo.mdb.beschädigt" and made again the same way.
Ersteinrichtung DatenwurzelEinrichten(const std::string& auslieferung, const std::string& datenwurzel);

// The same for sys::ShippedTree() and sys::DataRoot().
Ersteinrichtung DatenwurzelEinrichten();

// At start: removes the hidden copies that a save killed halfway left behind (named as the
// safe-write names them, sys::RemoveLeftoverCopies) below the data root and in the folder of
// the enterprise SystemInfo names. Copies a running save of another instance owns stay.
// Returns the paths removed or put back.
std::vector<std::string> RestkopienEntfernen();

}  // namespace tolvar::data
