#pragma once
// Checks of the open enterprise's databases, the fallbacks to the default databases below
// the installation folder, and the standard messages shared by several windows. The checks
// record their outcome in state().enterprise.PruefungOk; messages go to the current MessageSink.

#include <string>
#include <string_view>
#include <vector>

namespace tolvar::mdlFehler {

// A file that the program reads as a database of one kind. Vergleichstabelle: a result
// database that comparison cultures are imported from or exported to, which needs table
// Vergleichskulturen only, since a column it lacks is read as empty and left out on writing.
enum class Bedarfsart { Tolvar, Material, Vantel, Ergebnis, NurVorhanden, Morvin5, Vergleichstabelle };

// The gate every file the program takes in passes before it replaces, feeds or is read into
// anything (opening, restoring a backup, replacing an old backup, import and export, copying
// a template or a default): the opening's check with the tables and columns the program reads
// from a database of `art`, every page of the file read. Empty when usable; otherwise the
// detail of a message: "Datei: " and the path, then in German the file missing, no database,
// a damaged page, or the tables and columns that are missing.
std::string DateiMaengel(const std::string& pfad, Bedarfsart art);
// The same, led by the kind of database: "Die Tolvar-Datenbank ist ungültig.\nDatei: ...",
// for a message whose own text does not name the kind.
std::string DateiMaengelMitArt(const std::string& pfad, Bedarfsart art);

// The outcome of making such a file usable from the shipped tree.
struct Bereitstellung {
  // Copied again from the shipped tree.
  bool erneuert = false;
  // The name (without folder) under which the damaged file was kept beside it, e.g.
  // "Material.mdb.beschädigt"; empty when the file was missing.
  std::string beschaedigt;
  // Why the file is unusable and could not be made usable again; empty when it is usable.
  std::string fehler;
};

// Makes the file `relativ` below the installation folder usable: when it is missing (only
// with `missingToo`) or fails the checks of `art` (NurVorhanden: no table is required, every
// page must still read), it is copied again from the shipped tree, and so is a weather
// database whose climate tables of `stationen` lack a value for an hour of a week. The copy
// passes the same checks before it replaces anything; a damaged one is first kept beside it
// as "<name>.beschädigt". Nothing is changed for a usable file, nor when the shipped file
// fails too.
Bereitstellung AusAuslieferungBereitstellen(std::string_view relativ, Bedarfsart art, bool missingToo = true,
                                            const std::vector<std::string>& stationen = {});

// A database of the program's own below the installation folder (the default material,
// heating-model and weather databases, the station information) whose rows failed to read
// while the program runs, with `fehler` the engine's text: restored from the shipped tree as
// at opening, the damaged copy kept beside it as "<name>.beschädigt", opened again from now
// on, and said in one message with the cause that happened. False, with nothing changed, for
// any other file, when the restore fails, and for a file restored so before in this run.
bool WaehrendDesLaufsWiederherstellen(const std::string& pfad, const std::string& fehler);
// Whether `pfad` was restored so in this run: a reader whose rows failed reads it once more.
bool WaehrendDesLaufsWiederhergestellt(const std::string& pfad);

// The sentence saying that `pfad` was damaged (or missing) and has been restored from the
// delivered data, with the name of the damaged file kept beside it.
std::string WiederhergestelltHinweis(std::string_view was, const std::string& pfad, const Bereitstellung& b);

// Checks: each sets PruefungOk (the labour-time check leaves it alone when no enterprise
// path is set). A database passes when the file opens as a database and holds the tables
// with every column the program reads from them. A failure is reported once, naming the file
// and what is missing.

// AktuellerBetrieb with Kulturen, StdTaetigkeiten, Standort, Personal, KulturStandorte,
// Taetigkeiten; a failure is reported, nothing is replaced.
void Morvin5DatenbankPruefen();
// TolvarDatenbankPfad with BetriebEinstellungen and KulturPhasen; a missing file is not
// reported (the opening creates it), an unusable one is.
void TolvarDatenbankPruefen();
// MaterialPfad with Material; a failure falls back to the default material database.
void MaterialDatenbankPruefen();
// VantelPfad with GWHMaterial and Heizmaterialien, and the file at KlimaPfad whose climate
// tables of the chosen station, where it has them, hold a number for every hour of every week;
// a failure (the message names the station's table) falls back to the default heating-model
// databases.
void VantelDatenbankPruefen();
// Ergebnisdatenbank with Vergleichskulturen; a failure falls back to the default.
void ErgebnisDatenbankPruefen();

// Fallbacks: report (with `detail`, what was wrong with the chosen file, after the text),
// set the default in AktuelleEinstellungen and in the first settings row of the
// Tolvar-Datenbank (skipped quietly when that row cannot be written). A default below the
// installation folder that is missing or unusable is first copied again from the shipped
// tree. Where that fails the message names both files instead of promising the default, the
// setting stays as it was, and neither file is opened again in this run.
void StandardMaterialDatenbankSetzen(const std::string& detail = {});
void StandardVantelDatenbankSetzen(const std::string& detail = {});
void StandardErgebnisDatenbankSetzen(const std::string& detail = {});

// Standard messages: critical icon, OK button, title "Tolvar-Information".
void MeldungWerteFehlen();
// `text` is the refused box's text: a text with a point is told that numbers are typed
// without thousands points (base::Tausenderpunkthinweis), whichever box refused it.
void MeldungWertePruefen(std::string_view text);
// With `detail` (the file and what is missing) after the text.
void MeldungMorvin5DatenbankUngueltig(const std::string& detail = {});
void MeldungTolvarDatenbankUngueltig(const std::string& detail = {});
void MeldungNameFehlt();
void MeldungNameNichtEindeutig();
void MeldungTaetigkeitKostenDoppelt();

}  // namespace tolvar::mdlFehler
