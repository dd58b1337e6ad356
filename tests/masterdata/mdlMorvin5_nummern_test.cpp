// Proposed record numbers and barcodes of new master records and materials.
#include "masterdata/mdlMorvin5_nummern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvin_fixture.h"

namespace tolvar {
namespace {

using masterdata::VorschlagStatus;

class NumberingTest : public test::MorvinTest {
 protected:
  // One row per (number, barcode); "" stores Null.
  void Fuellen(const std::string& tabelle, const std::string& nummerSpalte,
               const std::vector<std::pair<std::string, std::string>>& zeilen) {
    for (const auto& [nummer, code] : zeilen) {
      Exec(morvin_, "INSERT INTO \"" + tabelle + "\" (\"" + nummerSpalte + "\", \"Barcode\") VALUES (?, ?)",
           {nummer.empty() ? db::Value() : db::Value(nummer),
            code.empty() ? db::Value() : db::Value(static_cast<int64_t>(std::stoll(code)))});
    }
  }
};

TEST_F(NumberingTest, NextNumberIsTheHighestNumberPartPlusOneWhereverItStands) {
  Fuellen("Kulturen", "KulturNr", {{"K1000", "1"}, {"K1023", "2"}, {"K1005", "3"}, {"", "4"}, {"Kxyz", "5"}});
  masterdata::Vorschlag v = masterdata::NaechsteNummer(morvin_, "Kulturen");
  EXPECT_EQ(v.status, VorschlagStatus::Vorgeschlagen);
  EXPECT_EQ(v.wert, "K1024");
}

TEST_F(NumberingTest, EachKindHasItsPrefixAndItsBarcodeRule) {
  Fuellen("Kulturen", "KulturNr", {{"K1000", "10000000"}, {"K1001", "10000007"}});
  Fuellen("Standort", "StandortNr", {{"Sta1000", "300000"}, {"Sta1001", "300099"}});
  Fuellen("Personal", "PersonalNr", {{"P1000", "200000"}, {"P1010", "200010"}});
  Fuellen("StdTaetigkeiten", "StdTaetigkeitNr", {{"StdT1000", "400010"}, {"StdT1003", "400003"}});
  struct Fall {
    const char* baum;
    const char* nummer;
    const char* barcode;
  };
  for (const Fall& f : {Fall{"Kulturen", "K1002", "10000008"}, Fall{"Standort", "Sta1002", "300100"},
                        Fall{"Personal", "P1011", "200011"}, Fall{"StdTaetigkeiten", "StdT1004", "400011"}}) {
    SCOPED_TRACE(f.baum);
    EXPECT_EQ(masterdata::NaechsteNummer(morvin_, f.baum).wert, f.nummer);
    EXPECT_EQ(masterdata::NaechsterBarcode(morvin_, f.baum).wert, f.barcode);
  }
}

TEST_F(NumberingTest, NothingIsProposedForAnEmptyTableOrAnUnknownKind) {
  for (const char* baum : {"Personal", "Material", "kulturen", ""}) {
    SCOPED_TRACE(baum);
    EXPECT_EQ(masterdata::NaechsteNummer(morvin_, baum).status, VorschlagStatus::Keiner);
    EXPECT_EQ(masterdata::NaechsterBarcode(morvin_, baum).status, VorschlagStatus::Keiner);
  }
  // Rows that carry no readable number or barcode count as none.
  Fuellen("Personal", "PersonalNr", {{"", ""}});
  EXPECT_EQ(masterdata::NaechsteNummer(morvin_, "Personal").status, VorschlagStatus::Keiner);
  EXPECT_EQ(masterdata::NaechsterBarcode(morvin_, "Personal").status, VorschlagStatus::Keiner);
}

TEST_F(NumberingTest, ShortBarcodesAreFilledWithZerosInsteadOfBlanks) {
  // Only a root without a real barcode: the tail of highest + 1 has fewer than five digits.
  Fuellen("Standort", "StandortNr", {{"Sta1000", "57"}});
  EXPECT_EQ(masterdata::NaechsterBarcode(morvin_, "Standort").wert, "300058");
}

TEST_F(NumberingTest, AWrappedBarcodeMovesOnToAFreeOneAndAFullRangeIsReported) {
  // Highest + 1 is 400000, whose five digits give 300000, which is taken.
  Fuellen("Standort", "StandortNr", {{"Sta1000", "300000"}, {"Sta1001", "300001"}, {"Sta1002", "399999"}});
  EXPECT_EQ(masterdata::NaechsterBarcode(morvin_, "Standort").wert, "300002");

  Fuellen("Kulturen", "KulturNr", {{"K9999", "1"}});
  masterdata::Vorschlag v = masterdata::NaechsteNummer(morvin_, "Kulturen");
  EXPECT_EQ(v.status, VorschlagStatus::Erschoepft);
  EXPECT_FALSE(v.fehler.empty());
}

TEST_F(NumberingTest, MaterialBarcodeIsTheHighestPlusOneAndSkipsNumbersInUse) {
  const std::string pfad = dir_.Join("Material.mdb");
  Anlegen(pfad, test::SchemaOf({"Material"}));
  EXPECT_EQ(masterdata::NaechsterMaterialBarcode(pfad).wert, "60001");

  auto zeile = [&](const char* nr, int64_t code) {
    Exec(pfad, "INSERT INTO \"Material\" (\"MaterialNr\", \"Barcode\") VALUES (?, ?)",
         {db::Value(nr), db::Value(code)});
  };
  zeile("M1000", 60000);
  zeile("M1001", 60001);
  zeile("M1500", 500);
  EXPECT_EQ(masterdata::NaechsterMaterialBarcode(pfad).wert, "60002");
  // 61001 would give M1001, a group: the next barcode with a free number is taken.
  zeile("M1002", 61000);
  EXPECT_EQ(masterdata::NaechsterMaterialBarcode(pfad).wert, "61003");
}

TEST_F(NumberingTest, TheEnterpriseWrappersReportAnUnreadableDatabaseAndProposeNothing) {
  state().enterprise.AktuellerBetrieb = dir_.Join("fehlt.mdb");
  EXPECT_FALSE(mdlMorvin5::NaechsteNummerErmitteln("Kulturen"));
  EXPECT_FALSE(mdlMorvin5::NaechstenBarcodeErmitteln("Kulturen"));
  EXPECT_EQ(meldungen_.messages.size(), 2u);

  state().enterprise.AktuelleEinstellungen.MaterialPfad = dir_.Join("Material.mdb");
  Anlegen(state().enterprise.AktuelleEinstellungen.MaterialPfad, test::SchemaOf({"Material"}));
  EXPECT_EQ(mdlMorvin5::MaterialBarcodeErmitteln("M1004"), "60001");
  EXPECT_EQ(mdlMorvin5::TopfBarcodeErmitteln(), "60001");
  EXPECT_EQ(mdlMorvin5::SubstratBarcodeErmitteln(), "60001");
  for (const char* gruppe : {"M1007", "M1008", "M1000", "M1010", "1004"}) {
    EXPECT_FALSE(mdlMorvin5::MaterialBarcodeErmitteln(gruppe)) << gruppe;
  }
}

TEST_F(NumberingTest, TheSampleEnterpriseGetsProposalsForEveryKind) {
  test::FreshDataRoot root;
  state().enterprise.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
  for (const char* baum : {"Kulturen", "Standort", "Personal", "StdTaetigkeiten"}) {
    SCOPED_TRACE(baum);
    EXPECT_TRUE(mdlMorvin5::NaechsteNummerErmitteln(baum));
    EXPECT_TRUE(mdlMorvin5::NaechstenBarcodeErmitteln(baum));
  }
  EXPECT_TRUE(meldungen_.messages.empty());
}

}  // namespace
}  // namespace tolvar
