#pragma once
// The contract of the three calculators (wage, overheads, machine price): each leaves its
// result as the first line of a text file below the installation folder; the caller reads
// that line once, empties the file and routes the value to the field that asked for it.
// The calculator windows themselves live in the windows layer.

#include <optional>
#include <string>

namespace tolvar::mdlExcel {

enum class Rechner { Lohnkosten, Gemeinkosten, Maschinenkosten };

// The sheet name ("Lohnkosten", "Gemeinkosten", "Maschinenkosten").
std::string Blattname(Rechner rechner);
// The result file: installation folder & "\Excel\" & sheet & ".txt".
std::string ErgebnisdateiPfad(Rechner rechner);
// The workbook's path, installation folder & "\Excel\Tolvar.xls".
std::string ArbeitsmappePfad();

// Shown when a calculator cannot be run.
std::string MeldungKeinRechner();

// Writes `wert` as the result line (what a calculator does on "Übernehmen"), creating the
// file when needed. False when it cannot be written.
bool ErgebnisSchreiben(Rechner rechner, const std::string& wert);

// Empties the result file (one empty line), as a run does when it starts, so that only what
// this run leaves there is taken. False when it cannot be written.
bool ErgebnisLeeren(Rechner rechner);

// Reads the first line of the result file (without a byte-order mark or line end) and then
// empties the file by writing one empty line, so a result is taken once only. nullopt when
// there is no result: the file is missing, holds no line, or its first line is empty.
std::optional<std::string> ErgebnisLesen(Rechner rechner);

// Where a result goes.
enum class Ziel {
  LohnNeu,            // frmTarif, new-group frame: txtLohn
  LohnBearbeiten,     // frmTarif edit frame, or the settings tab: txtLohnB
  Gemeinkosten,       // the overheads box txtGemeinkosten
  GemeinkostenZeile,  // the per-site grid, column 1 of row StandortTabelleZeile
  Maschinenpreis,     // the material editor's txtPreis
};

struct Uebergabe {
  Ziel ziel = Ziel::Gemeinkosten;
  std::string Text;  // what the field receives
  int Zeile = 0;     // grid row for GemeinkostenZeile
};

// Takes the wage result (formatted "0.00") for the frame `neu` (txtLohn) or the edit box.
// nullopt when there is no result, or when it is no number ("Überprüfen sie bitte ihre
// Werte" is then shown); the field stays as it is.
std::optional<Uebergabe> LohnErgebnisUebernehmen(bool neu);

// Takes the overheads result unchanged, into the grid row StandortTabelleZeile while
// StandortTabelleAktiv (nothing when that row is no data row), else into the overheads box.
std::optional<Uebergabe> GemeinkostenErgebnisUebernehmen();

// Takes the machine-price result unchanged.
std::optional<Uebergabe> MaschinenkostenErgebnisUebernehmen();

}  // namespace tolvar::mdlExcel
