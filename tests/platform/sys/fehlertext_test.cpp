// Failure messages: the technical text of the file system or the database engine becomes a
// cause in German, and the English technical text is left out.

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
      {"write: Input/output error", "Beim Lesen oder Schreiben des Datenträgers ist ein Fehler aufgetreten."},
      {"disk I/O error", "Beim Lesen oder Schreiben des Datenträgers ist ein Fehler aufgetreten."},
      {"Too many levels of symbolic links", "Der Pfad enthält eine Schleife aus symbolischen Verknüpfungen."},
      {"Not a directory", "Ein Teil des Pfades ist kein Ordner."},
      {"Is a directory", "Der Name bezeichnet einen Ordner, keine Datei."},
      {"open '/x/Ergebnisse.mdb': is a folder, not a database", "Der Name bezeichnet einen Ordner, keine Datei."},
      {"open '/x/y.mdb': unable to open database file", "Die Datei kann nicht geöffnet werden."},
      {"database disk image is malformed", "Die Datenbank ist beschädigt."},
      {"attempt to write a readonly database", "Die Datei ist schreibgeschützt."},
      {"Read-only file system", "Die Datei ist schreibgeschützt."},
      {"Permission denied", "Die Datei ist schreibgeschützt."},
      {"open '/x/y.mdb': file not found", "Die Datei wurde nicht gefunden."},
      {"No such file or directory", "Die Datei wurde nicht gefunden."},
      {"database is locked", "Die Datei wird von einem anderen Programm verwendet."},
      {"file is not a database", "Die Datei ist keine gültige Datenbank."},
      {"File name too long", "Der Name ist zu lang."},
      {"Invalid argument", "Diesen Dateinamen kann das Dateisystem nicht aufnehmen."},
      {"open table 'Lohn': no such table", "Der Datenbank fehlt eine Tabelle oder Spalte, die das Programm braucht."},
      {"update: NOT NULL constraint failed: Kulturen.KulturNr", "Der Eintrag verletzt eine Regel der Datenbank."},
      {"prepare: SQL logic error", "Die Datenbank hat die Anweisung nicht ausgeführt."},
      // Where a folder failed, the cause names the folder.
      {"Kopieren fehlgeschlagen: Ordner '/a/O'Neil \"B\"': No such file or directory",
       "Der Ordner \"/a/O'Neil \"B\"\" existiert nicht."},
      {"Ordner '/a/b': Permission denied", "Der Ordner \"/a/b\" ist schreibgeschützt."},
      {"Ordner '/a/b': Not a directory", "Ein Teil des Pfades ist kein Ordner."},
      {"Die Datei 'x' wurde nicht gefunden.", ""},
      {"", ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.technisch);
    EXPECT_EQ(UrsacheAufDeutsch(f.technisch), f.ursache);
  }
}

TEST(FehlertextTest, MessageNamesWhatFailedThenCauseWithoutEnglishText) {
  EXPECT_EQ(Fehlermeldung("Der Datensatz kann nicht gespeichert werden.", "attempt to write a readonly database"),
            "Der Datensatz kann nicht gespeichert werden.\n\nDie Datei ist schreibgeschützt.");
  EXPECT_EQ(Fehlermeldung("", "No space left on device"), "Der Datenträger ist voll.");
  EXPECT_EQ(Fehlermeldung("Die Datei kann nicht als Datenbank geöffnet werden.",
                          "open '/x/Muster.mdb': file is not a database"),
            "Die Datei kann nicht als Datenbank geöffnet werden.\n\nDie Datei ist keine gültige Datenbank.");
  // A text without a known cause follows as it is.
  EXPECT_EQ(Fehlermeldung("Nicht gespeichert.", "Die Datei 'x' wurde nicht gefunden."),
            "Nicht gespeichert.\n\nDie Datei 'x' wurde nicht gefunden.");
  EXPECT_EQ(Fehlermeldung("Nicht gespeichert.", ""), "Nicht gespeichert.");
}

}  // namespace
}  // namespace tolvar::sys
