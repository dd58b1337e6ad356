-- Template of a new enterprise's own database: one settings row whose empty texts make the
-- loader put in its defaults (default station, paths below the installation folder, ...).
INSERT INTO "BetriebEinstellungen" VALUES ('', 0, '', '', '', '', '', '', '', '', '', '', '', '');
