-- Fuels (heating values in kWh and price in EUR per unit named in the fuel's name) and greenhouse
-- coverings (k-value W/(m²K), light transmission %, Eignung 1 = may cover a roof).
-- The first entries are the site editor's presets for a new house.
CREATE TABLE "Heizmaterialien" ("Nummer" INTEGER, "Brennstoffart" TEXT, "Unterer Brennwert" REAL,
  "Oberer Brennwert" REAL, "Preis" REAL);
CREATE TABLE "GWHMaterial" ("Nummer" INTEGER, "Material" TEXT, "k-Wert" REAL, "Durchlässigkeit" REAL, "Eignung" INTEGER);

INSERT INTO "Heizmaterialien" VALUES (1, 'Heizöl EL (l)', 10.0, 10.6, 0.95);
INSERT INTO "Heizmaterialien" VALUES (2, 'Erdgas H (m³)', 10.0, 11.1, 0.85);
INSERT INTO "Heizmaterialien" VALUES (3, 'Flüssiggas (l)', 6.6, 7.1, 0.75);
INSERT INTO "Heizmaterialien" VALUES (4, 'Holzpellets (kg)', 4.9, 5.3, 0.35);
INSERT INTO "Heizmaterialien" VALUES (5, 'Steinkohle (kg)', 8.1, 8.4, 0.40);

INSERT INTO "GWHMaterial" VALUES (1, 'Einfachglas 4 mm', 5.8, 90, 1);
INSERT INTO "GWHMaterial" VALUES (2, 'Isolierglas', 3.0, 78, 1);
INSERT INTO "GWHMaterial" VALUES (3, 'Stegdoppelplatte PC 16 mm', 3.2, 80, 1);
INSERT INTO "GWHMaterial" VALUES (4, 'Doppelfolie aufgeblasen', 4.0, 77, 1);
INSERT INTO "GWHMaterial" VALUES (5, 'Einfachfolie', 6.8, 88, 1);
INSERT INTO "GWHMaterial" VALUES (6, 'Acryl-Stegdoppelplatte', 3.0, 86, 1);
INSERT INTO "GWHMaterial" VALUES (7, 'Stegdreifachplatte PC 16 mm', 2.5, 74, 1);
INSERT INTO "GWHMaterial" VALUES (8, 'Beton 20 cm', 2.2, 0, 0);
INSERT INTO "GWHMaterial" VALUES (9, 'Mauerwerk 24 cm', 1.5, 0, 0);
INSERT INTO "GWHMaterial" VALUES (10, 'Porenbeton 30 cm', 0.5, 0, 0);
INSERT INTO "GWHMaterial" VALUES (11, 'Sandwichpaneel 40 mm', 0.6, 0, 0);
