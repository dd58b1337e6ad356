#pragma once
// Checks of the open enterprise's databases, the fallbacks to the default databases below
// the installation folder, and the standard messages shared by several windows. The checks
// record their outcome in state().PruefungOk; messages go to the current MessageSink.

namespace tolvar::mdlFehler {

// Checks: each sets PruefungOk (the labour-time check leaves it alone when no enterprise
// path is set). A database passes when the file opens as a database and holds the tables.

// AktuellerBetrieb with Kulturen, StdTaetigkeiten, Standort, Personal, KulturStandorte,
// Taetigkeiten; a failure is reported, nothing is replaced.
void Morvin5DatenbankPruefen();
// TolvarDatenbankPfad with BetriebEinstellungen and KulturPhasen; nothing is reported.
void TolvarDatenbankPruefen();
// MaterialPfad with Material; a failure falls back to the default material database.
void MaterialDatenbankPruefen();
// VantelPfad with GWHMaterial and Heizmaterialien, and the file at KlimaPfad; a failure
// falls back to the default heating-model databases.
void VantelDatenbankPruefen();
// Ergebnisdatenbank with Vergleichskulturen; a failure falls back to the default.
void ErgebnisDatenbankPruefen();

// Fallbacks: report, set the default in AktuelleEinstellungen and in the first settings row
// of the Tolvar-Datenbank (skipped quietly when that row cannot be written).
void StandardMaterialDatenbankSetzen();
void StandardVantelDatenbankSetzen();
void StandardErgebnisDatenbankSetzen();

// Standard messages: critical icon, OK button, title "Tolvar-Information".
void MeldungWerteFehlen();
void MeldungWertePruefen();
void MeldungMorvin5DatenbankUngueltig();
void MeldungNameFehlt();
void MeldungNameNichtEindeutig();
void MeldungTaetigkeitKostenDoppelt();

}  // namespace tolvar::mdlFehler
