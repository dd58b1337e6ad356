-- Systemdatenbank: the open enterprise and the two pointer colours (2 = "Schwarz").
CREATE TABLE "SystemInfo" ("AktuellerBetrieb" TEXT, "FarbeTolvar" INTEGER, "FarbeMorvin" INTEGER, "LetzteAenderung" TEXT);
INSERT INTO "SystemInfo" VALUES ('KeinAktuellerBetrieb', 2, 2, '01.03.2025 08:00:00');
