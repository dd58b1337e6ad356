-- Sample comparison cultures: money per 1000 plants, price per plant, origin 1 computed,
-- 2 taken from a comparison culture, 3 typed in; Akh labour hours, TQM m² days.
INSERT INTO "Vergleichskulturen" VALUES (0, 'Weihnachtsstern 13 cm', '01.07.2024', '06.12.2024', '6000', '2,10',
  '412,50', '318,40', '0,00', '36,20', '24,80', '168,00', '498,30', '254,60',
  1, 1, 1, 1, 1, 1, 1, 1, 312.5, 50838, 0, 'Kalkulation erstellt am Montag, 9. Dezember 2024');
INSERT INTO "Vergleichskulturen" VALUES (1, 'Cyclamen 12 cm', '10.06.2024', '15.11.2024', '5000', '1,65',
  '186,00', '242,10', '0,00', '28,00', '31,50', '132,00', '455,00', '231,00',
  3, 3, 3, 3, 3, 3, 3, 3, 240, 34275, -1, 'Richtwerte eines Beratungsrings');
INSERT INTO "Vergleichskulturen" VALUES (2, 'Primeln 9 cm', '01.10.2024', '28.02.2025', '12000', '0,55',
  '48,00', '92,40', '0,00', '11,50', '9,80', '44,00', '126,00', '74,00',
  3, 3, 3, 3, 3, 0, 3, 3, 180, 30000, -1, 'Durchschnitt mehrerer Betriebe');
