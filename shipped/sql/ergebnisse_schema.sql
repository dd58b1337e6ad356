-- Stored comparison cultures (Ergebnisdatenbank and its template).
CREATE TABLE "Vergleichskulturen" ("Nr" INTEGER, "Kultur" TEXT, "Beginn" TEXT, "Ende" TEXT, "Menge" TEXT, "Preis" TEXT,
  "Heizung" TEXT, "Material" TEXT, "Strom" TEXT, "Maschinen" TEXT, "PSM" TEXT, "Vermarktung" TEXT, "Arbeit" TEXT,
  "Gemeinkosten" TEXT, "DQHeizung" INTEGER, "DQMaterial" INTEGER, "DQStrom" INTEGER, "DQMaschinen" INTEGER,
  "DQPSM" INTEGER, "DQVermarktung" INTEGER, "DQArbeit" INTEGER, "DQGemeinkosten" INTEGER, "Akh" REAL, "TQM" REAL,
  "Import" INTEGER, "Bemerkungen" TEXT);
