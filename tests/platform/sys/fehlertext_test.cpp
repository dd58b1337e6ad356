// Failure messages: the technical text of the file system or the database engine becomes a
// cause in German, and the technical text stays as a detail after it.

#include "platform/sys/fehlertext.h"

#include <gtest/gtest.h>

namespace tolvar::sys {
namespace {

TEST(FehlertextTest, TechnicalTextsGetTheirGermanCause) {
  struct Fall {
    const char* technisch;
    const char* ursache;
  };
  const Fall faelle[] = {
      {"Kopieren von 'a' nach 'b' fehlgeschlagen: No space left on device", "Der Datenträger ist voll."},
      {"database or disk is full", "Der Datenträger ist voll."},
      {"write: Input/output error", "Der Datenträger ist voll."},
      {"attempt to write a readonly database", "Die Datei ist schreibgeschützt."},
      {"Read-only file system", "Die Datei ist schreibgeschützt."},
      {"Permission denied", "Die Datei ist schreibgeschützt."},
      {"open '/x/y.mdb': file not found", "Die Datei wurde nicht gefunden."},
      {"No such file or directory", "Die Datei wurde nicht gefunden."},
      {"database is locked", "Die Datei wird von einem anderen Programm verwendet."},
      {"file is not a database", "Die Datei ist keine gültige Datenbank."},
      {"File name too long", "Diesen Dateinamen kann das Dateisystem nicht aufnehmen."},
      {"Die Datei 'x' wurde nicht gefunden.", ""},
      {"", ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.technisch);
    EXPECT_EQ(UrsacheAufDeutsch(f.technisch), f.ursache);
  }
}

TEST(FehlertextTest, MessageNamesWhatFailedThenCauseThenDetail) {
  EXPECT_EQ(Fehlermeldung("Der Datensatz kann nicht gespeichert werden.", "attempt to write a readonly database"),
            "Der Datensatz kann nicht gespeichert werden.\n\nDie Datei ist schreibgeschützt.\n\n"
            "Einzelheiten: attempt to write a readonly database");
  EXPECT_EQ(Fehlermeldung("", "No space left on device"),
            "Der Datenträger ist voll.\n\nEinzelheiten: No space left on device");
  // A text without a known cause follows as it is.
  EXPECT_EQ(Fehlermeldung("Nicht gespeichert.", "Die Datei 'x' wurde nicht gefunden."),
            "Nicht gespeichert.\n\nDie Datei 'x' wurde nicht gefunden.");
  EXPECT_EQ(Fehlermeldung("Nicht gespeichert.", ""), "Nicht gespeichert.");
}

}  // namespace
}  // namespace tolvar::sys
