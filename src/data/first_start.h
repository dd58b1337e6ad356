#pragma once
// First start: the writable data root, which stands for the installation folder, is made
// from the read-only shipped tree, so the program opens on the sample enterprise.

#include <string>

namespace tolvar::data {

// The sample enterprise below the data root, named in SystemInfo after seeding.
inline constexpr const char* kMusterbetrieb = "\\Betriebe\\Mustergärtnerei.mdb";

struct Ersteinrichtung {
  enum class Ausgang { SchonVorhanden, Angelegt, Fehlgeschlagen };
  Ausgang ausgang = Ausgang::SchonVorhanden;
  // Why seeding failed.
  std::string fehler;
};

// Seeds `datenwurzel` from `auslieferung` when it holds no "\Tolvar_DB\SystemInfo.mdb":
// every shipped file missing below the root is copied (files already there are never
// overwritten), and SystemInfo.AktuellerBetrieb then names the sample enterprise when the
// copy holds it. The system database comes into place last, so an interrupted seeding is
// completed on the next start. A root with a system database is left untouched.
Ersteinrichtung DatenwurzelEinrichten(const std::string& auslieferung,
                                      const std::string& datenwurzel);

// The same for sys::ShippedTree() and sys::DataRoot().
Ersteinrichtung DatenwurzelEinrichten();

}  // namespace tolvar::data
