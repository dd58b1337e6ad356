-- The six tables of the system's own database of an enterprise (".Tolvar").
CREATE TABLE "BetriebEinstellungen" ("Wetterstation" TEXT, "StandardStation" INTEGER, "Strom" TEXT, "MaterialPfad" TEXT,
  "VantelPfad" TEXT, "KlimaPfad" TEXT, "Ergebnisdatenbank" TEXT, "Gemeinkostentyp" TEXT, "Gemeinkosten" TEXT,
  "Flaeche" TEXT, "Jahr" TEXT, "Belegung" TEXT, "Vermarktungskosten" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "KulturPhasen" ("KP_ID" TEXT, "Kulturnummer" TEXT, "Phasennummer" TEXT, "Phasennamen" TEXT,
  "AnzahlPflanzen" TEXT, "Fläche" TEXT, "BruttoFläche" TEXT, "Anfang" TEXT, "Ende" TEXT, "TT" TEXT, "NT" TEXT,
  "Intensitaet" TEXT, "Dauer" TEXT);
CREATE TABLE "Material" ("KulturNr" TEXT, "MaNr" TEXT, "Menge" TEXT, "Datum" TEXT);
CREATE TABLE "ArbeitMaterial" ("TaetigkeitNr" TEXT, "Kosten je Stunde" TEXT);
CREATE TABLE "Tarif" ("Lohngruppe" INTEGER, "Lohn" TEXT);
CREATE TABLE "Vantel" ("StandortNr" TEXT, "Länge" TEXT, "Breite" TEXT, "Gemeinkosten" TEXT, "Stehwand" TEXT,
  "Dach" TEXT, "Wege" TEXT, "Bauart" TEXT, "Kappenzahl" TEXT, "EinDach" TEXT, "EinGiebelH" TEXT, "EinGiebelV" TEXT,
  "EinStehL" TEXT, "EinStehR" TEXT, "AFGiebelH" INTEGER, "AFGiebelV" INTEGER, "AFStehL" INTEGER, "AFStehR" INTEGER,
  "GTGiebelH" TEXT, "GTGiebelV" TEXT, "GTStehL" TEXT, "GTStehR" TEXT, "Brennstoff" TEXT, "Wirkungsgrad" TEXT,
  "Brennwert" INTEGER, "ESchirm" INTEGER, "Einsparung" TEXT, "Anpassung" TEXT);
-- A culture's phases and material rows are found by its number.
CREATE INDEX "KulturPhasen_Kulturnummer" ON "KulturPhasen" ("Kulturnummer");
CREATE INDEX "Material_KulturNr" ON "Material" ("KulturNr");
