// Saving cultures, sites, staff and standard activities with their groups: new rows, changes,
// the refusals and the columns each kind writes.
#include "masterdata/mdlMorvin5.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvin_fixture.h"

namespace tolvar {
namespace {

using masterdata::SpeicherKontext;
using masterdata::SpeicherStatus;
using Zeilen = std::vector<std::string>;

const char* const kNameFehlt = "Sie müssen erst einen Namen vergeben";

class MasterSaveTest : public test::MorvinTest {
 protected:
  SpeicherKontext Neu(const std::string& ueber = "1001") { return {morvin_, "Neu", ueber}; }
  SpeicherKontext Aendern() { return {morvin_, "Aendern", "9999"}; }
  Zeilen Tabelle(const std::string& sql) const { return Abfrage(morvin_, sql); }
};

masterdata::KulturEingabe Kultur(const std::string& nr, const std::string& name) {
  masterdata::KulturEingabe e;
  e.txtNr = nr;
  e.txtName = name;
  e.txtCode = "10000008";
  e.dtpAnfang = *base::MakeDate(2025, 3, 1);
  e.dtpEnde = base::kNoDate;
  e.txtBemerkung = "Bemerkung";
  e.chbAktuell = true;
  return e;
}

TEST_F(MasterSaveTest, ANewCultureWritesEveryColumnAndSwitchesToChangeMode) {
  SpeicherKontext kontext = Neu();
  masterdata::KulturEingabe e = Kultur("K1024", "Weihnachtsstern 13 cm");
  e.opbGruppe = true;
  EXPECT_EQ(masterdata::KulturSpeichern(kontext, e).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(kontext.Bearbeitungsmodus, "Aendern");
  EXPECT_EQ(Tabelle("SELECT * FROM Kulturen"),
            Zeilen({"K1024|1001|Weihnachtsstern 13 cm|Weihnachts|10000008|2025-03-01|1900-01-01|Bemerkung|-1|-1|"
                    "101220241405090123|10.12.2024 14:05:09"}));
  EXPECT_TRUE(meldungen_.messages.empty());
}

TEST_F(MasterSaveTest, AnEmptyNameIsRefusedAndNothingIsStoredForEveryKindAndFrame) {
  masterdata::PersonalEingabe person;
  person.opbPerson = true;
  masterdata::PersonalEingabe personalGruppe;
  personalGruppe.opbGruppe = true;
  personalGruppe.txtName = "nicht der Gruppenname";
  masterdata::TaetigkeitEingabe taetigkeit;
  taetigkeit.opbTaetigkeit = true;
  masterdata::TaetigkeitEingabe taetigkeitGruppe;
  taetigkeitGruppe.opbGruppe = true;
  taetigkeitGruppe.txtGruName = "   ";
  masterdata::StandortEingabe standort;

  for (const char* modus : {"Neu", "Aendern"}) {
    SCOPED_TRACE(modus);
    auto pruefe = [&](masterdata::StammdatenSpeicherergebnis ergebnis, SpeicherKontext& k, const char* fokus) {
      EXPECT_EQ(ergebnis.status, SpeicherStatus::NameFehlt);
      EXPECT_TRUE(ergebnis.abgelehnt());
      EXPECT_EQ(ergebnis.fokus, fokus);
      EXPECT_EQ(k.Bearbeitungsmodus, modus);
    };
    SpeicherKontext k{morvin_, modus, "0"};
    pruefe(masterdata::KulturSpeichern(k, Kultur("K1024", "")), k, "txtName");
    pruefe(masterdata::StandortSpeichern(k, standort), k, "txtName");
    pruefe(masterdata::PersonalSpeichern(k, person), k, "txtName");
    pruefe(masterdata::PersonalSpeichern(k, personalGruppe), k, "txtGruName");
    pruefe(masterdata::TaetigkeitSpeichern(k, taetigkeit), k, "txtName");
    pruefe(masterdata::TaetigkeitSpeichern(k, taetigkeitGruppe), k, "txtGruName");
  }
  EXPECT_EQ(Texte(), Zeilen(12, kNameFehlt));
  for (const char* tabelle : {"Kulturen", "Standort", "Personal", "StdTaetigkeiten"}) {
    EXPECT_TRUE(Tabelle(std::string("SELECT * FROM ") + tabelle).empty()) << tabelle;
  }
}

TEST_F(MasterSaveTest, ShortNameDefaultsToTheFirstTenCharactersOfTheName) {
  struct Fall {
    const char* name;
    const char* kuerzel;
    const char* erwartet;
  };
  int nr = 1000;
  for (const Fall& f :
       {Fall{"Weihnachtsstern", "", "Weihnachts"}, Fall{"Primel", "", "Primel"}, Fall{"Grünpflanzen", "", "Grünpflanz"},
        Fall{"Zehn Zeich", "", "Zehn Zeich"}, Fall{"Weihnachtsstern", "Wst", "Wst"}}) {
    SCOPED_TRACE(f.name);
    const std::string nummer = "StdT" + std::to_string(++nr);
    SpeicherKontext k = Neu();
    masterdata::TaetigkeitEingabe e;
    e.opbTaetigkeit = true;
    e.txtNr = nummer;
    e.txtName = f.name;
    e.txtKuerzel = f.kuerzel;
    ASSERT_EQ(masterdata::TaetigkeitSpeichern(k, e).status, SpeicherStatus::Gespeichert);
    // Staff and activities show the default in their box; the row takes the box.
    EXPECT_EQ(e.txtKuerzel, f.erwartet);
    EXPECT_EQ(Tabelle("SELECT Kuerzel FROM StdTaetigkeiten WHERE StdTaetigkeitNr = '" + nummer + "'"),
              Zeilen({f.erwartet}));
  }
}

TEST_F(MasterSaveTest, SiteAreaIsLengthTimesWidthOnlyWhenBothAreGiven) {
  struct Fall {
    const char* laenge;
    const char* breite;
    const char* flaeche;  // after a new row, then after a change with the same boxes
  };
  int nr = 1000;
  for (const Fall& f :
       {Fall{"12,5", "8", "100"}, Fall{"12,5", "", "<Null>"}, Fall{"", "8", "<Null>"}, Fall{"3,3", "3", "9,9"}}) {
    SCOPED_TRACE(std::string(f.laenge) + " x " + f.breite);
    const std::string nummer = "Sta" + std::to_string(++nr);
    SpeicherKontext k = Neu("0");
    masterdata::StandortEingabe e;
    e.txtNr = nummer;
    e.txtName = "Haus " + nummer;
    e.txtCode = "3" + std::to_string(nr);
    e.txtLaenge = f.laenge;
    e.txtBreite = f.breite;
    e.opbGruppe = true;
    ASSERT_EQ(masterdata::StandortSpeichern(k, e).status, SpeicherStatus::Gespeichert);
    EXPECT_EQ(Tabelle("SELECT \"Fläche\", Gliederungspunkt FROM Standort WHERE StandortNr = '" + nummer + "'"),
              Zeilen({std::string(f.flaeche) + "|-1"}));
  }
  // A change with an empty width keeps the stored area.
  Exec(morvin_, "UPDATE Standort SET \"Fläche\" = 40 WHERE StandortNr = 'Sta1002'");
  SpeicherKontext k = Aendern();
  masterdata::StandortEingabe e;
  e.txtNr = "Sta1002";
  e.txtName = "Haus neu";
  e.txtLaenge = "20";
  ASSERT_EQ(masterdata::StandortSpeichern(k, e).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(Tabelle("SELECT Standortname, \"Fläche\" FROM Standort WHERE StandortNr = 'Sta1002'"),
            Zeilen({"Haus neu|40"}));
}

TEST_F(MasterSaveTest, ALengthOrWidthThatIsNoNumberIsRefusedBeforeAnythingIsWritten) {
  Exec(morvin_, "INSERT INTO Standort (StandortNr, Standortname, \"Fläche\") VALUES ('Sta1001', 'Haus 1', 40)");
  struct Fall {
    const char* laenge;
    const char* breite;
    const char* fokus;
    bool tausenderpunkte = false;  // the message asks for the number without thousands points
  };
  for (const char* modus : {"Neu", "Aendern"}) {
    for (const Fall& f :
         {Fall{"12,5,1", "8", "txtLaenge"}, Fall{"12", "acht", "txtBreite"}, Fall{",", "1", "txtLaenge"},
          // Each measure by the site editor's rule of its box, also when the other is blank.
          Fall{"-5", "8", "txtLaenge"}, Fall{"", "1e308", "txtBreite"},
          // An area beyond the largest amount: the larger measure is named.
          Fall{"1e7", "1e7", "txtLaenge"}, Fall{"1000000", "1000001", "txtBreite"},
          // A point is never read as a thousands point, and the message says so.
          Fall{"1.500", "8", "txtLaenge", true}, Fall{"12", "8.5", "txtBreite", true}}) {
      SCOPED_TRACE(std::string(modus) + " " + f.laenge + " x " + f.breite);
      meldungen_.messages.clear();
      SpeicherKontext k{morvin_, modus, "0"};
      masterdata::StandortEingabe e;
      e.txtNr = "Sta1001";
      e.txtName = "Haus geändert";
      e.txtCode = "300002";
      e.txtLaenge = f.laenge;
      e.txtBreite = f.breite;
      masterdata::StammdatenSpeicherergebnis ergebnis = masterdata::StandortEingabePruefen(k, e);
      EXPECT_EQ(ergebnis.status, SpeicherStatus::WerteFalsch);
      EXPECT_EQ(ergebnis.fokus, f.fokus);
      ergebnis = masterdata::StandortSpeichern(k, e);
      EXPECT_EQ(ergebnis.status, SpeicherStatus::WerteFalsch);
      EXPECT_EQ(ergebnis.fokus, f.fokus);
      EXPECT_EQ(k.Bearbeitungsmodus, modus);
      EXPECT_EQ(Texte(), Zeilen(2, f.tausenderpunkte ? "Überprüfen sie bitte ihre Werte. Bitte geben Sie die Zahl "
                                                       "ohne Tausenderpunkte ein."
                                                     : "Überprüfen sie bitte ihre Werte"));
    }
  }
  EXPECT_EQ(Tabelle("SELECT StandortNr, Standortname, \"Fläche\" FROM Standort"), Zeilen({"Sta1001|Haus 1|40"}));
}

TEST_F(MasterSaveTest, ABarcodeThatIsNotDigitsIsRefusedWithAMessage) {
  SpeicherKontext k = Neu();
  masterdata::KulturEingabe e = Kultur("K1024", "Primel");
  e.txtCode = "10 00";
  EXPECT_EQ(masterdata::KulturSpeichern(k, e).status, SpeicherStatus::WerteFalsch);
  EXPECT_EQ(k.Bearbeitungsmodus, "Neu");
  ASSERT_EQ(meldungen_.messages.size(), 1u);
  EXPECT_EQ(meldungen_.messages[0].text, "Der Barcode \"10 00\" ist ungültig: ein Barcode besteht nur aus Ziffern.");
  // A point is never read as a thousands point, and the message says so.
  e.txtCode = "4.006.381";
  EXPECT_EQ(masterdata::KulturSpeichern(k, e).status, SpeicherStatus::WerteFalsch);
  ASSERT_EQ(meldungen_.messages.size(), 2u);
  EXPECT_EQ(meldungen_.messages[1].text,
            "Der Barcode \"4.006.381\" ist ungültig: ein Barcode besteht nur aus Ziffern. Bitte geben Sie die Zahl "
            "ohne Tausenderpunkte ein.");
  EXPECT_TRUE(Tabelle("SELECT * FROM Kulturen").empty());
  // An empty barcode box stores no barcode.
  e.txtCode = "";
  EXPECT_EQ(masterdata::KulturSpeichern(k, e).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(Tabelle("SELECT Barcode FROM Kulturen"), Zeilen({"<Null>"}));
}

TEST_F(MasterSaveTest, ChangingACultureChangesEveryRowOfItsNumberAndKeepsTheStoredKeys) {
  Exec(morvin_,
       "INSERT INTO Kulturen (KulturNr, UeberPNr, Kulturname, Barcode, Gliederungspunkt, ID, Aktuell) VALUES "
       "('K1005', '1001', 'alt', 10000005, 0, 'ID-A', -1), ('K1006', '1001', 'andere', 10000006, 0, 'ID-B', -1), "
       "('K1005', '1002', 'doppelt', 10000009, -1, 'ID-C', -1), ('k1005', '1001', 'klein', 1, 0, 'ID-D', -1)");
  SpeicherKontext k = Aendern();
  masterdata::KulturEingabe e = Kultur("K1005", "Cyclamen 12 cm");
  e.txtKuerzel = "Cycl";
  e.txtCode = "999";
  e.chbAktuell = false;
  e.opbGruppe = true;
  ASSERT_EQ(masterdata::KulturSpeichern(k, e).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(k.Bearbeitungsmodus, "Aendern");
  EXPECT_EQ(Tabelle("SELECT KulturNr, UeberPNr, Kulturname, Kuerzel, Barcode, Arbeitsbeginn, Aktuell, "
                    "Gliederungspunkt, ID, LetzteAenderung FROM Kulturen ORDER BY rowid"),
            Zeilen({"K1005|1001|Cyclamen 12 cm|Cycl|10000005|2025-03-01|0|0|ID-A|10.12.2024 14:05:09",
                    "K1006|1001|andere|<Null>|10000006|<Null>|-1|0|ID-B|<Null>",
                    "K1005|1002|Cyclamen 12 cm|Cycl|10000009|2025-03-01|0|-1|ID-C|10.12.2024 14:05:09",
                    "k1005|1001|klein|<Null>|1|<Null>|-1|0|ID-D|<Null>"}));
}

TEST_F(MasterSaveTest, StaffAndActivitiesChangeOnlyTheFirstRowOfTheirNumber) {
  Exec(morvin_,
       "INSERT INTO Personal (PersonalNr, Name, Vorname, Strasse, Barcode, Aktuell, Gliederungspunkt, ID) VALUES "
       "('P1001', 'Alt', 'Anna', 'Weg 1', 200001, -1, 0, 'ID-A'), ('P1001', 'Zweit', 'Berta', 'Weg 2', 200002, -1, 0, "
       "'ID-B')");
  SpeicherKontext k = Aendern();
  masterdata::PersonalEingabe e;
  e.opbPerson = true;
  e.txtNr = "P1001";
  e.txtName = "Neumann";
  e.txtVorname = "Anna";
  e.txtKuerzel = "AN";
  e.txtStrasse = "Gartenstraße 3";
  e.txtPostleitzahl = "12345";
  e.txtOrt = "Blumenau";
  e.txtTelefon = "0123 456";
  e.dtpGeburtstag = *base::MakeDate(1980, 5, 17);
  e.txtBemerkungen = "Teilzeit";
  e.txtCode = "1";
  e.chbAktuell = false;
  ASSERT_EQ(masterdata::PersonalSpeichern(k, e).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(Tabelle("SELECT PersonalNr, Name, Vorname, Kuerzel, Strasse, Postleitzahl, Ort, Telefon, Geburtstag, "
                    "Bemerkungen, Barcode, Aktuell, Gliederungspunkt, ID FROM Personal ORDER BY rowid"),
            Zeilen({"P1001|Neumann|Anna|AN|Gartenstraße 3|12345|Blumenau|0123 456|1980-05-17|Teilzeit|200001|0|0|ID-A",
                    "P1001|Zweit|Berta|<Null>|Weg 2|<Null>|<Null>|<Null>|<Null>|<Null>|200002|-1|0|ID-B"}));
}

TEST_F(MasterSaveTest, NewStaffAndActivityRowsAreCurrentAndGroupsGetNoPersonColumns) {
  SpeicherKontext k = Neu("1000");
  masterdata::PersonalEingabe person;
  person.opbPerson = true;
  person.txtNr = "P1011";
  person.txtName = "Müller";
  person.txtVorname = "Max";
  person.txtStrasse = "Am Hang 2";
  person.dtpGeburtstag = base::kNoDate;
  person.txtCode = "200011";
  person.chbAktuell = false;
  person.txtGruName = "nicht gespeichert";
  ASSERT_EQ(masterdata::PersonalSpeichern(k, person).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(k.Bearbeitungsmodus, "Aendern");

  k = Neu("0");
  masterdata::PersonalEingabe gruppe;
  gruppe.opbGruppe = true;
  gruppe.txtNr = "P1012";
  gruppe.txtName = "nicht gespeichert";
  gruppe.txtVorname = "nicht gespeichert";
  gruppe.txtGruName = "Saisonkräfte";
  gruppe.txtGruBemerkung = "Sommer";
  gruppe.txtGruCode = "200012";
  gruppe.chbGruAktuell = false;
  ASSERT_EQ(masterdata::PersonalSpeichern(k, gruppe).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(gruppe.txtGruKuerzel, "Saisonkräf");

  EXPECT_EQ(Tabelle("SELECT PersonalNr, UeberPNr, Name, Vorname, Kuerzel, Strasse, Geburtstag, Bemerkungen, Barcode, "
                    "Aktuell, Gliederungspunkt, ID, LetzteAenderung FROM Personal ORDER BY rowid"),
            Zeilen({"P1011|1000|Müller|Max|Müller|Am Hang 2|1900-01-01||200011|-1|0|101220241405090123|"
                    "10.12.2024 14:05:09",
                    "P1012|0|Saisonkräfte|<Null>|Saisonkräf|<Null>|<Null>|Sommer|200012|-1|-1|101220241405094567|"
                    "10.12.2024 14:05:09"}));

  k = Neu("1002");
  masterdata::TaetigkeitEingabe taetigkeit;
  taetigkeit.opbGruppe = true;
  taetigkeit.txtNr = "StdT1020";
  taetigkeit.txtGruName = "Pflege";
  taetigkeit.txtGruKuerzel = "Pfl";
  taetigkeit.txtGruBemerkungen = "Gruppe";
  taetigkeit.txtGruCode = "400058";
  ASSERT_EQ(masterdata::TaetigkeitSpeichern(k, taetigkeit).status, SpeicherStatus::Gespeichert);
  EXPECT_EQ(Tabelle("SELECT StdTaetigkeitNr, UeberPNr, \"Tätigkeiten\", Kuerzel, Bemerkungen, Barcode, Aktuell, "
                    "Gliederungspunkt FROM StdTaetigkeiten"),
            Zeilen({"StdT1020|1002|Pflege|Pfl|Gruppe|400058|-1|-1"}));
}

TEST_F(MasterSaveTest, SavingTwiceFromAnOpenWindowAddsOneRowAndThenChangesIt) {
  // Through the enterprise's state, as the editors call it.
  state().enterprise.AktuellerBetrieb = morvin_;
  state().selection.Bearbeitungsmodus = "Neu";
  state().selection.AktuelleUeberPNr = "1001";
  masterdata::PersonalEingabe e;
  e.opbPerson = true;
  e.txtNr = "P1011";
  e.txtName = "";
  e.txtCode = "200011";
  EXPECT_TRUE(mdlMorvin5::StammdatensatzSpeichern(e).abgelehnt());
  EXPECT_EQ(state().selection.Bearbeitungsmodus, "Neu");
  e.txtName = "Schulz";
  EXPECT_FALSE(mdlMorvin5::StammdatensatzSpeichern(e).abgelehnt());
  EXPECT_EQ(state().selection.Bearbeitungsmodus, "Aendern");
  e.txtName = "Schulze";
  e.chbAktuell = false;
  uhr_.jetzt = base::MakeDateTime(2024, 12, 11, 0, 0, 0);
  EXPECT_FALSE(mdlMorvin5::StammdatensatzSpeichern(e).abgelehnt());
  EXPECT_EQ(Tabelle("SELECT Name, Kuerzel, Aktuell, ID, LetzteAenderung FROM Personal"),
            Zeilen({"Schulze|Schulz|0|101220241405090123|11.12.2024 00:00:00"}));
  EXPECT_EQ(Texte(), Zeilen({kNameFehlt}));
}

TEST_F(MasterSaveTest, IdsOfTheSameSecondDifferInTheirRandomDigitsAndMidnightGivesZeros) {
  uhr_.jetzt = base::MakeDateTime(2025, 1, 2, 0, 0, 0);
  for (const char* nr : {"K1001", "K1002"}) {
    SpeicherKontext k = Neu();
    ASSERT_EQ(masterdata::KulturSpeichern(k, Kultur(nr, "Primel")).status, SpeicherStatus::Gespeichert);
  }
  EXPECT_EQ(Tabelle("SELECT ID FROM Kulturen ORDER BY rowid"), Zeilen({"020120250000000123", "020120250000004567"}));
}

TEST_F(MasterSaveTest, AChangeWhoseRowIsGoneIsReportedInsteadOfLostSilently) {
  for (const char* baum : {"Kulturen", "Personal"}) {
    SCOPED_TRACE(baum);
    meldungen_.messages.clear();
    SpeicherKontext k = Aendern();
    masterdata::StammdatenSpeicherergebnis ergebnis;
    if (std::string(baum) == "Kulturen") {
      ergebnis = masterdata::KulturSpeichern(k, Kultur("K1077", "Primel"));
    } else {
      masterdata::PersonalEingabe e;
      e.opbPerson = true;
      e.txtNr = "P1077";
      e.txtName = "Schulz";
      ergebnis = masterdata::PersonalSpeichern(k, e);
    }
    EXPECT_EQ(ergebnis.status, SpeicherStatus::NichtGefunden);
    EXPECT_TRUE(ergebnis.abgelehnt());
    ASSERT_EQ(meldungen_.messages.size(), 1u);
    EXPECT_NE(meldungen_.messages[0].text.find("nicht gefunden"), std::string::npos);
  }
}

TEST_F(MasterSaveTest, OtherModesOrNoChosenFrameStoreNothing) {
  SpeicherKontext k{morvin_, "neu", "0"};
  EXPECT_EQ(masterdata::KulturSpeichern(k, Kultur("K1001", "Primel")).status, SpeicherStatus::Nichts);
  EXPECT_EQ(k.Bearbeitungsmodus, "neu");
  k = Neu();
  masterdata::TaetigkeitEingabe e;
  e.txtName = "Topfen";
  EXPECT_EQ(masterdata::TaetigkeitSpeichern(k, e).status, SpeicherStatus::Nichts);
  EXPECT_EQ(k.Bearbeitungsmodus, "Aendern");
  EXPECT_TRUE(Tabelle("SELECT * FROM StdTaetigkeiten").empty());
  EXPECT_TRUE(meldungen_.messages.empty());
}

TEST_F(MasterSaveTest, ADatabaseFailureIsReportedAndLeavesNothingHalfWritten) {
  Exec(morvin_, "INSERT INTO Kulturen (KulturNr, Kulturname) VALUES ('K1001', 'a'), ('K1001', 'b')");
  // The second row of the change fails: the first must not stay changed either.
  Exec(morvin_,
       "CREATE TRIGGER sperre BEFORE UPDATE ON Kulturen WHEN old.Kulturname = 'b' "
       "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  SpeicherKontext k = Aendern();
  EXPECT_EQ(masterdata::KulturSpeichern(k, Kultur("K1001", "neu")).status, SpeicherStatus::Fehler);
  EXPECT_EQ(Tabelle("SELECT Kulturname FROM Kulturen ORDER BY rowid"), Zeilen({"a", "b"}));
  EXPECT_EQ(meldungen_.messages.size(), 1u);

  k = Neu();
  k.Datenbank = dir_.Join("fehlt.mdb");
  EXPECT_EQ(masterdata::KulturSpeichern(k, Kultur("K1002", "neu")).status, SpeicherStatus::Fehler);
  EXPECT_EQ(k.Bearbeitungsmodus, "Neu");
}

}  // namespace
}  // namespace tolvar
