-- Sample enterprise "Mustergärtnerei": its own database. The path columns stay empty, so the
-- loader puts in the defaults below the installation folder.
INSERT INTO "BetriebEinstellungen" VALUES ('München', -1, '0,22', '', '', '', '', '0', '45000', '1000', '2024', '75', '8',
  '01.03.2025 08:00:00');

-- Phases: areas follow from the site occupancies (gross = net plus the site's path share, rounded).
INSERT INTO "KulturPhasen" VALUES ('K1003_1', 'K1003', '1', 'Bewurzelung', '6000', '60', '66', '2024-07-01', '2024-07-28', '24', '22', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1003_2', 'K1003', '2', 'Topfkultur eng', '6000', '200', '230', '2024-07-29', '2024-09-15', '20', '18', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1003_3', 'K1003', '3', 'Topfkultur weit', '5900', '400', '460', '2024-09-16', '2024-12-06', '20', '17', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1004_1', 'K1004', '1', 'Jungpflanzen', '5000', '50', '55', '2024-06-10', '2024-07-21', '18', '16', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1004_2', 'K1004', '2', 'Endtopf', '5000', '250', '275', '2024-07-22', '2024-11-15', '16', '14', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1005_1', 'K1005', '1', 'Topfen und Anwurzeln', '12000', '150', '158', '2024-10-01', '2024-11-10', '12', '10', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1005_2', 'K1005', '2', 'Kultur kühl', '12000', '200', '210', '2024-11-11', '2025-02-28', '6', '5', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1006_1', 'K1006', '1', 'Bewurzelung', '4000', '40', '44', '2025-01-13', '2025-02-09', '20', '18', '40', '10');
INSERT INTO "KulturPhasen" VALUES ('K1006_2', 'K1006', '2', 'Topfkultur', '4000', '150', '172', '2025-02-10', '2025-03-23', '16', '12', '0', '0');
INSERT INTO "KulturPhasen" VALUES ('K1006_3', 'K1006', '3', 'Abhärtung', '4000', '180', '189', '2025-03-24', '2025-05-09', '14', '8', '0', '0');

-- Material rows: quantity for the whole phase; the day selects the phase.
INSERT INTO "Material" VALUES ('K1003', 'M1017', '6000', '2024-07-29');
INSERT INTO "Material" VALUES ('K1003', 'M1020', '6000', '2024-07-29');
INSERT INTO "Material" VALUES ('K1003', 'M1028', '6', '2024-07-29');
INSERT INTO "Material" VALUES ('K1003', 'M1024', '400', '2024-10-01');
INSERT INTO "Material" VALUES ('K1003', 'M1021', '5900', '2024-11-28');
INSERT INTO "Material" VALUES ('K1003', 'M1029', '5,9', '2024-11-28');
INSERT INTO "Material" VALUES ('K1004', 'M1016', '5000', '2024-07-22');
INSERT INTO "Material" VALUES ('K1004', 'M1028', '5', '2024-07-22');
INSERT INTO "Material" VALUES ('K1004', 'M1022', '12,5', '2024-08-01');
INSERT INTO "Material" VALUES ('K1004', 'M1025', '0,25', '2024-08-30');
INSERT INTO "Material" VALUES ('K1005', 'M1018', '12000', '2024-10-01');
INSERT INTO "Material" VALUES ('K1005', 'M1023', '2004', '2024-10-01');
INSERT INTO "Material" VALUES ('K1005', 'M1026', '200', '2024-11-11');
INSERT INTO "Material" VALUES ('K1006', 'M1016', '4000', '2025-02-10');
INSERT INTO "Material" VALUES ('K1006', 'M1027', '4000', '2025-02-10');
INSERT INTO "Material" VALUES ('K1006', 'M1020', '4000', '2025-03-24');

-- Material cost per working hour of an activity.
INSERT INTO "ArbeitMaterial" VALUES ('StdT1002', '1,50');
INSERT INTO "ArbeitMaterial" VALUES ('StdT1004', '0,80');
INSERT INTO "ArbeitMaterial" VALUES ('StdT1005', '4,20');
INSERT INTO "ArbeitMaterial" VALUES ('StdT1007', '2,00');

-- Hourly wage of each wage group (Lohn.LohngruppenID).
INSERT INTO "Tarif" VALUES (1, '16,50');
INSERT INTO "Tarif" VALUES (2, '19,80');
INSERT INTO "Tarif" VALUES (3, '14,20');

-- Greenhouse and heating data: Bauart 1 Breitschiff, 2 Venlo, 3 Folien-GWH; coverings and fuel by
-- name; a side wall shared with the neighbouring house is a boundary surface at its temperature.
INSERT INTO "Vantel" VALUES ('Sta1002', '40', '12,8', '', '4', '4,8', '15', '2', '4',
  'Einfachglas 4 mm', 'Stegdoppelplatte PC 16 mm', 'Einfachglas 4 mm', 'Stegdoppelplatte PC 16 mm', 'Einfachglas 4 mm',
  -1, -1, -1, 0, '0', '0', '0', '18', 'Erdgas H (m³)', '90', -1, -1, '25', '1');
INSERT INTO "Vantel" VALUES ('Sta1003', '30', '9,6', '', '4', '4,8', '10', '2', '3',
  'Einfachglas 4 mm', 'Isolierglas', 'Isolierglas', 'Isolierglas', 'Isolierglas',
  -1, -1, 0, -1, '0', '0', '18', '0', 'Erdgas H (m³)', '90', -1, -1, '25', '1');
INSERT INTO "Vantel" VALUES ('Sta1005', '25', '8', '', '2,2', '4', '5', '3', '',
  'Doppelfolie aufgeblasen', 'Stegdoppelplatte PC 16 mm', 'Stegdoppelplatte PC 16 mm', 'Doppelfolie aufgeblasen', 'Doppelfolie aufgeblasen',
  -1, -1, -1, -1, '0', '0', '0', '0', 'Heizöl EL (l)', '85', 0, 0, '20', '1');
INSERT INTO "Vantel" VALUES ('Sta1007', '30', '12', '', '2,5', '5', '20', '1', '',
  'Einfachglas 4 mm', 'Mauerwerk 24 cm', 'Einfachglas 4 mm', 'Einfachglas 4 mm', 'Einfachglas 4 mm',
  -1, -1, -1, -1, '0', '0', '0', '0', 'Heizöl EL (l)', '80', 0, 0, '20', '1,1');
