-- Materialdatenbank: root, the nine fixed groups and sample materials, in barcode order.
-- Preis is the price of one use of one unit (entered price / Wdh); substrates per litre (Bezug 1)
-- or per m³ (Bezug 2); pot-substrate combinations: pot price + volume x substrate price.
CREATE TABLE "Material" ("MaterialNr" TEXT, "UeberPNr" TEXT, "Materialname" TEXT, "Kuerzel" TEXT, "Barcode" INTEGER,
  "Gliederungspunkt" INTEGER, "Bezug" INTEGER, "Einheit" TEXT, "Preis" REAL, "Wdh" TEXT, "Aktuell" INTEGER,
  "Bemerkungen" TEXT, "ID" TEXT, "LetzteAenderung" TEXT);
CREATE TABLE "Gefaesse" ("MaterialNr" TEXT, "Volumen" TEXT);
CREATE TABLE "Topfsubstrat" ("MaterialNr" TEXT, "TopfNr" TEXT, "SubstratNr" TEXT);
CREATE TABLE "Standardgroessen" ("Bezeichnung" TEXT, "Volumen" TEXT);

-- Root and groups.
INSERT INTO "Material" VALUES ('M1000', '0', 'Materialien', 'Materialie', 60000, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000000', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1001', '0', 'Topf-Substrat-Kombinationen', 'Topf-Subst', 60001, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000001', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1002', '0', 'Allgemeines Material', 'Allgemeine', 60002, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000002', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1003', '0', 'Mehrfach verwendbares Material', 'Mehrfach v', 60003, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000003', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1004', '0', 'Spritzmittel', 'Spritzmitt', 60004, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000004', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1005', '0', 'Sonstiges Material 1', 'Sonstiges ', 60005, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000005', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1006', '0', 'Sonstiges Material 2', 'Sonstiges ', 60006, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000006', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1007', '0', 'Kulturgefäße', 'Kulturgefä', 60007, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000007', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1008', '0', 'Substrate', 'Substrate', 60008, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000008', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1009', '0', 'Maschinen', 'Maschinen', 60009, -1, NULL, NULL, NULL, NULL, -1, '', '010320250800000009', '01.03.2025 08:00:00');

-- Pots: one pot per plant.
INSERT INTO "Material" VALUES ('M1010', '1007', 'Topf 9 cm', 'Topf 9', 60010, 0, 1, '1', 0.04, '1', -1, 'Kunststofftopf rund', '010320250800001010', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1011', '1007', 'Topf 12 cm', 'Topf 12', 60011, 0, 1, '1', 0.07, '1', -1, 'Kunststofftopf rund', '010320250800001011', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1012', '1007', 'Topf 13 cm', 'Topf 13', 60012, 0, 1, '1', 0.08, '1', -1, 'Kunststofftopf rund', '010320250800001012', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1013', '1007', 'Topf 14 cm', 'Topf 14', 60013, 0, 1, '1', 0.1, '1', -1, 'Kunststofftopf rund', '010320250800001013', '01.03.2025 08:00:00');
-- Substrates: Wdh is never written for them.
INSERT INTO "Material" VALUES ('M1014', '1008', 'Einheitserde ED73', 'ED73', 60014, 0, 2, '1', 42.0, NULL, -1, 'Preis je m³', '010320250800001014', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1015', '1008', 'Torfsubstrat fein', 'Torf fein', 60015, 0, 1, '1', 0.05, NULL, -1, 'Preis je Liter', '010320250800001015', '01.03.2025 08:00:00');
-- Pot-substrate combinations (price rounded to cents as the combination editor stores it).
INSERT INTO "Material" VALUES ('M1016', '1001', 'Topf 12 cm mit ED73', 'T12 ED73', 60016, 0, 1, '1', 0.1, '1', -1, '', '010320250800001016', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1017', '1001', 'Topf 13 cm mit ED73', 'T13 ED73', 60017, 0, 1, '1', 0.12, '1', -1, '', '010320250800001017', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1018', '1001', 'Topf 9 cm mit Torfsubstrat fein', 'T9 Torf', 60018, 0, 1, '1', 0.06, '1', -1, '', '010320250800001018', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1019', '1001', 'Topf 14 cm mit ED73', 'T14 ED73', 60019, 0, 1, '1', 0.15, '1', -1, '', '010320250800001019', '01.03.2025 08:00:00');
-- General materials.
INSERT INTO "Material" VALUES ('M1020', '1002', 'Stecketikett', 'Etikett', 60020, 0, 1, '1', 0.03, '1', -1, 'Bildetikett', '010320250800001020', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1021', '1002', 'Pflanzenhülle 13 cm', 'Hülle 13', 60021, 0, 1, '1', 0.04, '1', -1, '', '010320250800001021', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1022', '1002', 'Flüssigdünger NPK 15-10-15', 'Dünger', 60022, 0, 3, '0,05', 1.8, '1', -1, 'kg je Nm²', '010320250800001022', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1023', '1003', 'Palettentray 6er', 'Tray 6', 60023, 0, 2, '167', 0.12, '10', -1, 'Preis 1,20 je Stück, 10 Einsätze', '010320250800001023', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1024', '1004', 'Fungizid (Spritzung)', 'Fungizid', 60024, 0, 3, '1', 0.02, '1', -1, 'Kosten je Nm² und Anwendung', '010320250800001024', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1025', '1004', 'Insektizid (Spritzung)', 'Insektizid', 60025, 0, 4, '1', 15.0, '1', -1, 'Kosten je 1000 Nm² und Anwendung', '010320250800001025', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1026', '1005', 'Abdeckvlies', 'Vlies', 60026, 0, 3, '1', 0.12, '5', -1, 'Preis 0,60 je Nm², 5 Einsätze', '010320250800001026', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1027', '1006', 'Pflanzstab 60 cm', 'Stab 60', 60027, 0, 1, '1', 0.025, '4', -1, 'Preis 0,10 je Stück, 4 Einsätze', '010320250800001027', '01.03.2025 08:00:00');
-- Machines: cost per 1000 plants.
INSERT INTO "Material" VALUES ('M1028', '1009', 'Topfmaschine', 'Topfmasch', 60028, 0, 2, '1', 4.5, '1', -1, '', '010320250800001028', '01.03.2025 08:00:00');
INSERT INTO "Material" VALUES ('M1029', '1009', 'Tischtransportwagen', 'Transport', 60029, 0, 2, '1', 1.8, '1', -1, '', '010320250800001029', '01.03.2025 08:00:00');

INSERT INTO "Gefaesse" VALUES ('M1010', '0,4');
INSERT INTO "Gefaesse" VALUES ('M1011', '0,8');
INSERT INTO "Gefaesse" VALUES ('M1012', '1');
INSERT INTO "Gefaesse" VALUES ('M1013', '1,3');

INSERT INTO "Topfsubstrat" VALUES ('M1016', 'M1011', 'M1014');
INSERT INTO "Topfsubstrat" VALUES ('M1017', 'M1012', 'M1014');
INSERT INTO "Topfsubstrat" VALUES ('M1018', 'M1010', 'M1015');
INSERT INTO "Topfsubstrat" VALUES ('M1019', 'M1013', 'M1014');

INSERT INTO "Standardgroessen" VALUES ('9er Topf', '0,4');
INSERT INTO "Standardgroessen" VALUES ('12er Topf', '0,8');
INSERT INTO "Standardgroessen" VALUES ('13er Topf', '1');
INSERT INTO "Standardgroessen" VALUES ('14er Topf', '1,3');
