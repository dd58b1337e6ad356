-- The nine tables of the enterprise database kept by the labour-time program.
CREATE TABLE "Kulturen" ("KulturNr" TEXT, "UeberPNr" TEXT, "Kulturname" TEXT, "Kuerzel" TEXT, "Barcode" INTEGER,
  "Arbeitsbeginn" TEXT, "Arbeitsende" TEXT, "Bemerkungen" TEXT, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER,
  "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Standort" ("StandortNr" TEXT, "UeberPNr" TEXT, "Standortname" TEXT, "Kuerzel" TEXT, "Barcode" INTEGER,
  "Bemerkungen" TEXT, "Fläche" REAL, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Personal" ("PersonalNr" TEXT, "UeberPNr" TEXT, "Name" TEXT, "Vorname" TEXT, "Kuerzel" TEXT,
  "Strasse" TEXT, "Postleitzahl" TEXT, "Ort" TEXT, "Telefon" TEXT, "Geburtstag" TEXT, "Bemerkungen" TEXT,
  "Barcode" INTEGER, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "StdTaetigkeiten" ("StdTaetigkeitNr" TEXT, "UeberPNr" TEXT, "Tätigkeiten" TEXT, "Kuerzel" TEXT,
  "Bemerkungen" TEXT, "Barcode" INTEGER, "Aktuell" INTEGER, "Gliederungspunkt" INTEGER, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Taetigkeiten" ("KulturNr" TEXT, "Datum" TEXT, "StdTaetigkeitNr" TEXT, "Zeitdauer" TEXT, "Fläche" TEXT,
  "StandortNr" TEXT, "PersonalNr" TEXT);
CREATE TABLE "KulturStandorte" ("KulturNr" TEXT, "StandortNr" TEXT, "Beginn" TEXT, "Ende" TEXT, "Flaeche" TEXT);
CREATE TABLE "Lohn" ("LohngruppenID" INTEGER PRIMARY KEY AUTOINCREMENT, "Tarif" TEXT, "Beispiel" INTEGER, "ID" TEXT,
  "LetzteAenderung" TEXT);
CREATE TABLE "Lohneinteilung" ("PersonalNr" TEXT, "LohngruppenID" INTEGER, "DatumAb" TEXT, "LetzteAenderung" TEXT, "ID" TEXT);
CREATE TABLE "Wochenarbeitszeit" ("PersonalNr" TEXT, "Wochenarbeitszeit" TEXT, "DatumAb" TEXT, "LetzteAenderung" TEXT, "ID" TEXT);
-- A culture's recorded work and site occupancies are found by its number.
CREATE INDEX "Taetigkeiten_KulturNr" ON "Taetigkeiten" ("KulturNr");
CREATE INDEX "KulturStandorte_KulturNr" ON "KulturStandorte" ("KulturNr");
