-- Sample enterprise "Mustergärtnerei": master records, site occupancies, recorded work and wages.
-- Record numbers: prefix and four digits, the number ending in 1000 is the tree's top record;
-- UeberPNr holds the parent group's four digits or "0".

-- Cultures: groups, a subgroup, current and past cultures.
INSERT INTO "Kulturen" VALUES ('K1000', '0', 'Kulturen', 'Kulturen', 10000000, '2024-01-01', '1900-01-01', '', -1, -1, '010320250800001000', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1001', '0', 'Topfpflanzen', 'Topfpflanz', 10000001, '2024-01-01', '1900-01-01', '', -1, -1, '010320250800001001', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1002', '0', 'Beet- und Balkonpflanzen', 'Beet- und ', 10000002, '2024-01-01', '1900-01-01', '', -1, -1, '010320250800001002', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1003', '1001', 'Weihnachtsstern 13 cm', 'Wst 13', 10000003, '2024-07-01', '2024-12-06', 'Stecklinge bewurzelt zugekauft', -1, 0, '010320250800001003', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1004', '1001', 'Cyclamen 12 cm', 'Cycl 12', 10000004, '2024-06-10', '2024-11-15', '', -1, 0, '010320250800001004', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1005', '1009', 'Primeln 9 cm', 'Prim 9', 10000005, '2024-10-01', '2025-02-28', '', -1, 0, '010320250800001005', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1006', '1002', 'Pelargonien 12 cm', 'Pelarg 12', 10000006, '2025-01-13', '2025-05-09', 'Stehende Pelargonien', -1, 0, '010320250800001006', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1007', '1001', 'Weihnachtsstern 13 cm (2023)', 'Wst 13 23', 10000007, '2023-07-03', '2023-12-08', 'Vorjahressatz', 0, 0, '010320250800001007', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1008', '1002', 'Fuchsien 12 cm', 'Fuchs 12', 10000008, '2023-02-01', '2023-05-12', 'nicht mehr im Sortiment', 0, 0, '010320250800001008', '01.03.2025 08:00:00');
INSERT INTO "Kulturen" VALUES ('K1009', '1002', 'Frühjahrsblüher', 'Frühjahrsb', 10000009, '2024-01-01', '1900-01-01', '', -1, -1, '010320250800001009', '01.03.2025 08:00:00');

-- Sites: area = length x width of the house (greenhouse data in the enterprise's own database).
INSERT INTO "Standort" VALUES ('Sta1000', '0', 'Standorte', 'Standorte', 300000, '', 0, -1, -1, '010320250800002000', '01.03.2025 08:00:00');
INSERT INTO "Standort" VALUES ('Sta1001', '0', 'Gewächshäuser', 'Gewächshäu', 300001, '', 0, -1, -1, '010320250800002001', '01.03.2025 08:00:00');
INSERT INTO "Standort" VALUES ('Sta1002', '1001', 'Venlo-Haus 1', 'Venlo 1', 300002, 'Vier Kappen, Energieschirm', 512.0, -1, 0, '010320250800002002', '01.03.2025 08:00:00');
INSERT INTO "Standort" VALUES ('Sta1003', '1001', 'Venlo-Haus 2', 'Venlo 2', 300003, 'Drei Kappen, Vermehrung', 288.0, -1, 0, '010320250800002003', '01.03.2025 08:00:00');
INSERT INTO "Standort" VALUES ('Sta1004', '0', 'Freiflächen', 'Freifläche', 300004, '', 0, -1, -1, '010320250800002004', '01.03.2025 08:00:00');
INSERT INTO "Standort" VALUES ('Sta1005', '1001', 'Folienhaus 1', 'Folie 1', 300005, 'Doppelfolie, kalt geführt', 200.0, -1, 0, '010320250800002005', '01.03.2025 08:00:00');
INSERT INTO "Standort" VALUES ('Sta1006', '1004', 'Stellfläche Freiland', 'Freiland', 300006, 'Bändchengewebe', 600.0, -1, 0, '010320250800002006', '01.03.2025 08:00:00');
INSERT INTO "Standort" VALUES ('Sta1007', '1001', 'Altes Glashaus', 'Altes GH', 300007, 'stillgelegt', 360.0, 0, 0, '010320250800002007', '01.03.2025 08:00:00');

-- Staff: groups, people with wage history and working time.
INSERT INTO "Personal" VALUES ('P1000', '0', 'Personal', '', 'Personal', '', '', '', '', '1900-01-01', '', 200000, -1, -1, '010320250800003000', '01.03.2025 08:00:00');
INSERT INTO "Personal" VALUES ('P1001', '0', 'Stammpersonal', '', 'Stammperso', '', '', '', '', '1900-01-01', '', 200001, -1, -1, '010320250800003001', '01.03.2025 08:00:00');
INSERT INTO "Personal" VALUES ('P1002', '0', 'Aushilfen', '', 'Aushilfen', '', '', '', '', '1900-01-01', '', 200002, -1, -1, '010320250800003002', '01.03.2025 08:00:00');
INSERT INTO "Personal" VALUES ('P1003', '1001', 'Huber', 'Anna', 'Huber', 'Gartenweg 3', '85540', 'Haar', '089 4711001', '1978-04-12', 'Gärtnermeisterin', 200003, -1, 0, '010320250800003003', '01.03.2025 08:00:00');
INSERT INTO "Personal" VALUES ('P1004', '1001', 'Maier', 'Josef', 'Maier', 'Lindenstraße 12', '85540', 'Haar', '089 4711002', '1985-09-30', '', 200004, -1, 0, '010320250800003004', '01.03.2025 08:00:00');
INSERT INTO "Personal" VALUES ('P1005', '1002', 'Schmid', 'Lena', 'Schmid', 'Am Anger 7', '85586', 'Poing', '08121 47110', '2001-02-17', 'Saisonkraft', 200005, -1, 0, '010320250800003005', '01.03.2025 08:00:00');
INSERT INTO "Personal" VALUES ('P1006', '1001', 'Berger', 'Karl', 'Berger', 'Feldweg 1', '85540', 'Haar', '089 4711003', '1955-11-05', 'im Ruhestand', 200006, 0, 0, '010320250800003006', '01.03.2025 08:00:00');

-- Standard activities.
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1000', '0', 'Tätigkeiten', 'Tätigkeite', '', 400000, -1, -1, '010320250800004000', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1001', '0', 'Kulturarbeiten', 'Kulturarbe', '', 400001, -1, -1, '010320250800004001', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1002', '1001', 'Topfen', 'Topfen', '', 400002, -1, 0, '010320250800004002', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1003', '1001', 'Rücken', 'Rücken', 'Auseinanderstellen', 400003, -1, 0, '010320250800004003', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1004', '1001', 'Gießen', 'Gießen', '', 400004, -1, 0, '010320250800004004', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1005', '1001', 'Pflanzenschutz', 'Pflanzensc', '', 400005, -1, 0, '010320250800004005', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1006', '0', 'Absatz', 'Absatz', '', 400006, -1, -1, '010320250800004006', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1007', '1006', 'Vermarktung', 'Vermarktun', 'Kommissionieren und Verladen', 400007, -1, 0, '010320250800004007', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1008', '1001', 'Stecken', 'Stecken', '', 400008, -1, 0, '010320250800004008', '01.03.2025 08:00:00');
INSERT INTO "StdTaetigkeiten" VALUES ('StdT1009', '1001', 'Stutzen', 'Stutzen', 'nicht mehr üblich', 400009, 0, 0, '010320250800004009', '01.03.2025 08:00:00');

-- Site occupancies: one per phase, inside the phase's days (net area in Nm²).
INSERT INTO "KulturStandorte" VALUES ('K1003', 'Sta1003', '2024-07-01', '2024-07-28', '60');
INSERT INTO "KulturStandorte" VALUES ('K1003', 'Sta1002', '2024-07-29', '2024-09-15', '200');
INSERT INTO "KulturStandorte" VALUES ('K1003', 'Sta1002', '2024-09-16', '2024-12-06', '400');
INSERT INTO "KulturStandorte" VALUES ('K1004', 'Sta1003', '2024-06-10', '2024-07-21', '50');
INSERT INTO "KulturStandorte" VALUES ('K1004', 'Sta1003', '2024-07-22', '2024-11-15', '250');
INSERT INTO "KulturStandorte" VALUES ('K1005', 'Sta1005', '2024-10-01', '2024-11-10', '150');
INSERT INTO "KulturStandorte" VALUES ('K1005', 'Sta1005', '2024-11-11', '2025-02-28', '200');
INSERT INTO "KulturStandorte" VALUES ('K1006', 'Sta1003', '2025-01-13', '2025-02-09', '40');
INSERT INTO "KulturStandorte" VALUES ('K1006', 'Sta1002', '2025-02-10', '2025-03-23', '150');
INSERT INTO "KulturStandorte" VALUES ('K1006', 'Sta1005', '2025-03-24', '2025-05-09', '180');

-- Recorded work (hours with decimal comma).
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-07-01', 'StdT1008', '18', '60', 'Sta1003', 'P1005');
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-07-10', 'StdT1004', '3,5', '60', 'Sta1003', 'P1004');
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-07-29', 'StdT1002', '42', '200', 'Sta1002', 'P1004');
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-07-29', 'StdT1002', '36', '200', 'Sta1002', 'P1005');
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-08-20', 'StdT1005', '4', '200', 'Sta1002', 'P1003');
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-09-16', 'StdT1003', '24', '400', 'Sta1002', 'P1004');
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-10-15', 'StdT1004', '12,5', '400', 'Sta1002', 'P1005');
INSERT INTO "Taetigkeiten" VALUES ('K1003', '2024-11-28', 'StdT1007', '38', '400', 'Sta1002', 'P1003');
INSERT INTO "Taetigkeiten" VALUES ('K1004', '2024-06-10', 'StdT1002', '12', '50', 'Sta1003', 'P1004');
INSERT INTO "Taetigkeiten" VALUES ('K1004', '2024-07-22', 'StdT1003', '16', '250', 'Sta1003', 'P1005');
INSERT INTO "Taetigkeiten" VALUES ('K1004', '2024-08-30', 'StdT1005', '3', '250', 'Sta1003', 'P1003');
INSERT INTO "Taetigkeiten" VALUES ('K1004', '2024-11-04', 'StdT1007', '22,5', '250', 'Sta1003', 'P1003');
INSERT INTO "Taetigkeiten" VALUES ('K1005', '2024-10-01', 'StdT1002', '30', '150', 'Sta1005', 'P1005');
INSERT INTO "Taetigkeiten" VALUES ('K1005', '2024-12-02', 'StdT1004', '6', '200', 'Sta1005', 'P1004');
INSERT INTO "Taetigkeiten" VALUES ('K1005', '2025-02-20', 'StdT1007', '28', '200', 'Sta1005', 'P1003');
INSERT INTO "Taetigkeiten" VALUES ('K1006', '2025-01-13', 'StdT1008', '14', '40', 'Sta1003', 'P1005');
INSERT INTO "Taetigkeiten" VALUES ('K1006', '2025-02-10', 'StdT1002', '20', '150', 'Sta1002', 'P1004');
INSERT INTO "Taetigkeiten" VALUES ('K1006', '2025-03-24', 'StdT1003', '9', '180', 'Sta1005', 'P1005');

-- Wage groups, wage history and weekly working time.
INSERT INTO "Lohn" VALUES (1, 'Gärtner/in', 1, '010320250800005001', '2025-03-01 08:00:00');
INSERT INTO "Lohn" VALUES (2, 'Gärtnermeister/in', 1, '010320250800005002', '2025-03-01 08:00:00');
INSERT INTO "Lohn" VALUES (3, 'Saisonkraft', 1, '010320250800005003', '2025-03-01 08:00:00');

INSERT INTO "Lohneinteilung" VALUES ('P1003', 2, '2020-01-01', '2025-03-01 08:00:00', '010320250800006001');
INSERT INTO "Lohneinteilung" VALUES ('P1004', 1, '2022-03-01', '2025-03-01 08:00:00', '010320250800006002');
INSERT INTO "Lohneinteilung" VALUES ('P1004', 2, '2024-07-01', '2025-03-01 08:00:00', '010320250800006003');
INSERT INTO "Lohneinteilung" VALUES ('P1005', 3, '2024-06-01', '2025-03-01 08:00:00', '010320250800006004');
INSERT INTO "Lohneinteilung" VALUES ('P1006', 1, '2010-01-01', '2025-03-01 08:00:00', '010320250800006005');

INSERT INTO "Wochenarbeitszeit" VALUES ('P1003', '40', '01.01.2020', '01.03.2025 08:00:00', '010320250800007001');
INSERT INTO "Wochenarbeitszeit" VALUES ('P1004', '40', '01.03.2022', '01.03.2025 08:00:00', '010320250800007002');
INSERT INTO "Wochenarbeitszeit" VALUES ('P1004', '38,5', '01.01.2024', '01.03.2025 08:00:00', '010320250800007003');
INSERT INTO "Wochenarbeitszeit" VALUES ('P1005', '20', '01.06.2024', '01.03.2025 08:00:00', '010320250800007004');
INSERT INTO "Wochenarbeitszeit" VALUES ('P1006', '40', '01.01.2010', '01.03.2025 08:00:00', '010320250800007005');
