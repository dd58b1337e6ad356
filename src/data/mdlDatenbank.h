#pragma once
// The enterprise file commands: creating an enterprise's Tolvar-Datenbank from its template,
// opening another enterprise, saving the open one under a new name, writing and restoring
// backups, and creating a new result database. The main window shows the dialogs and
// messages; these functions take the user's choices, do the file work, set the state and
// say what the window has to do next.

#include <optional>
#include <string>
#include <string_view>

#include "data/messages.h"

namespace tolvar::data {

// Relative paths below the installation folder.
inline constexpr std::string_view kVorlageTolvar = "\\Tolvar_DB\\Vorlage.Tolvar";
inline constexpr std::string_view kVorlageErgebnisse = "\\Tolvar_DB\\VorlageErgebnisse.tvd";
inline constexpr std::string_view kSicherungsordner = "\\Sicherungsdateien\\";

// The dialogs of the commands: the open dialog of "Betrieb öffnen" (no preset name), the
// save dialog of save as, restore and new result database, and the open dialog of restore.
inline constexpr std::string_view kOeffnenFilter = ".mdb|*.mdb|";
inline constexpr std::string_view kSpeichernFilter = "Access-Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*";
inline constexpr std::string_view kSicherungFilter = ".MSD|*.MSD|";
// Installation folder followed by "\Tolvar_DB\*.mdb".
std::string SpeichernVorgabe();
// Installation folder followed by "\Sicherungsdateien\*.MSD".
std::string SicherungVorgabe();

// Messages of the commands, as shown.
inline constexpr std::string_view kLaufzeitfehlerTitel = "Laufzeitfehler";
inline constexpr std::string_view kSicherungErfolgreich = "Datensicherung erfolgreich abgeschlossen";
inline constexpr std::string_view kKeineMdbDatei = "Bitte wählen Sie eine Betriebsdatenbank mit der Endung \".mdb\".";
inline constexpr std::string_view kNameZuLang = "Der Name ist zu lang.";
inline constexpr std::string_view kEigenerName =
    "Der Betrieb kann nicht unter seinem eigenen Namen gespeichert werden.";
// The questions after a failed write of the settings row, before the command goes on.
inline constexpr std::string_view kTrotzdemOeffnen =
    "Soll der gewählte Betrieb trotzdem geöffnet werden? Die nicht gespeicherten Einstellungen "
    "gehen dann verloren.";
inline constexpr std::string_view kTrotzdemSpeichern =
    "Soll der Betrieb trotzdem gespeichert werden? Die Kopie erhält dann die zuletzt "
    "gespeicherten Einstellungen.";
inline constexpr std::string_view kTrotzdemLaden =
    "Soll die Sicherungsdatei trotzdem geladen werden? Die nicht gespeicherten Einstellungen "
    "gehen dann verloren.";
inline constexpr std::string_view kDateiInBenutzung =
    "Diese Datei wird von Tolvar verwendet und kann nicht durch eine neue "
    "Ergebnisdatenbank ersetzt werden.";

// A message box for the window to show.
struct Meldung {
  std::string text;
  MessageStyle style = MessageStyle::Information;
  std::string title;
};

// What the main window does once a command has run.
struct Befehlsergebnis {
  // Close and load the main window again, then show the culture data window: the state
  // names the enterprise to open.
  bool hauptfensterNeuLaden = false;
  // Shown first, when set.
  std::optional<Meldung> meldung;
};

// Shows a command's message, if any, through the current message sink.
void MeldungZeigen(const Befehlsergebnis& ergebnis);

// The target of a save dialog: the chosen name, with ".mdb" appended unless its last four
// characters in lower case are ".mdb" ("x" -> "x.mdb", "x.MDB" stays, "x.txt" -> "x.txt.mdb").
std::string Zieldatei(std::string_view dialogName);

// `path` less its last four characters, followed by `extension` (".Tolvar", ".TSD").
std::string Zwillingspfad(std::string_view path, std::string_view extension);

// The file names (without folder) of the backup pair of an enterprise file: its name less
// the last four characters, then ".MSD" and ".TSD".
struct Sicherungsnamen {
  std::string morvin5;
  std::string tolvar;
};
Sicherungsnamen SicherungsnamenVon(std::string_view betrieb);

}  // namespace tolvar::data

namespace tolvar::mdlDatenbank {

// Copies the template "\Tolvar_DB\Vorlage.Tolvar" onto the Tolvar-Datenbank of the enterprise
// named by AktuellerBetrieb (less its last four characters, then ".Tolvar"), replacing a file
// there. False with the message text (to be shown critical) when the template is missing or
// the copy fails; an existing file is then left as it was.
bool TolvarDatenbankAnlegen(std::string* meldung = nullptr);

// "Betrieb öffnen" with the file chosen in the open dialog (nullopt: cancelled, nothing
// happens). Only names ending in ".mdb" (any case) are taken. An existing file that fails the
// check of the labour-time database, or whose existing ".Tolvar" twin fails its check, is
// reported and refused: the open enterprise stays open and nothing is written. The open
// enterprise's settings are written to its own row first (a failed write is reported with the
// question kTrotzdemOeffnen; No keeps everything as it is); then AktuellerBetrieb and
// TolvarDatenbankPfad name the
// chosen pair, BetriebOffen is false and the window reopens. Whether the file exists is
// left to the opening.
data::Befehlsergebnis BetriebOeffnen(const std::optional<std::string>& gewaehlt);

// "Betrieb speichern unter ..." with the save dialog's name (nullopt: cancelled). Only while
// BetriebOffen. Writes the settings to the open enterprise's row (a failed write is reported
// with the question kTrotzdemSpeichern; No copies nothing), copies its pair onto the
// target and its ".Tolvar" twin (replacing a pair there unasked) and sets AktuellerBetrieb to
// the target for reopening. The open enterprise's own file is refused; a failure leaves every
// file and the state as they were and gives a "Laufzeitfehler" message.
data::Befehlsergebnis BetriebSpeichernUnter(const std::optional<std::string>& dialogName);

// "Sicherungsdatei laden" with the ".MSD" file chosen in the open dialog and the save dialog's
// name (either nullopt: cancelled; the window shows the save dialog only after a choice).
// Only while BetriebOffen. A backup pair that fails the checks of an enterprise pair (the
// ".MSD" as a Morvin5-, the ".TSD" as a Tolvar-Datenbank) is reported, naming the file and
// the cause, before anything is written. Writes the open enterprise's settings to its row (a
// failed write is reported with the question kTrotzdemLaden; No changes nothing), copies the
// ".MSD" and the ".TSD" of the same base name and folder onto the target pair and, after
// success only, names the target as the enterprise to open with BetriebOffen false. The
// backup pair is not changed. A failure keeps the open enterprise open and gives a
// "Laufzeitfehler" message.
data::Befehlsergebnis SicherungLaden(const std::optional<std::string>& sicherung,
                                     const std::optional<std::string>& dialogName);

// "Sicherungsdatei erstellen". Only while BetriebOffen. Copies the open pair into the backup
// folder (created when missing) under the backup names and stamps the ".TSD" copy; when a
// ".TSD" of that name exists, SicherungErsetzen decides. An open pair that fails its checks
// is reported and copied nowhere. The success message comes only after every step; a failure
// leaves the old backup as it was and gives a "Laufzeitfehler" message.
data::Befehlsergebnis BetriebSichern();

// The replace question for an existing backup pair in `ordner`, showing the stamp of the
// existing ".TSD"; Yes replaces the pair by the open enterprise's pair, stamps it and confirms.
// A ".TSD" that fails the checks of a Tolvar-Datenbank, or whose settings table has no row,
// is named as damaged in the question instead, so it never blocks a new backup.
data::Befehlsergebnis SicherungErsetzen(const std::string& ordner, const data::Sicherungsnamen& namen);

// Writes the current date and time (general date format) into LetzteAenderung of the first
// row of BetriebEinstellungen of the database at `pfad`. A table without a row is left as it
// is. False when the database or its table cannot be opened or written.
bool SicherungsdatumSetzen(const std::string& pfad, std::string* fehler = nullptr);

// "Neue Ergebnisdatenbank anlegen" with the save dialog's name (nullopt: cancelled). Only
// while BetriebOffen. Copies "\Tolvar_DB\VorlageErgebnisse.tvd" onto the target (an existing
// file only after ErgebnisdatenbankErsetzen's question) and, after the copy succeeded, makes
// it AktuelleEinstellungen.Ergebnisdatenbank. Files in use (the open pair, the system
// database, the material, heating-model and weather databases) are refused. No reopening.
data::Befehlsergebnis ErgebnisdatenbankAnlegen(const std::optional<std::string>& dialogName);

// The replace question for an existing `zieldatei`; Yes replaces it by the template.
data::Befehlsergebnis ErgebnisdatenbankErsetzen(const std::string& zieldatei);

}  // namespace tolvar::mdlDatenbank
