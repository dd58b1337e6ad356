// Margin scheme and profit from the calculation window's boxes.

#include "calculation/mdlKalkulation_margen.h"

#include <gtest/gtest.h>

#include "calc_fixtures.h"

namespace tolvar::mdlKalkulation {
namespace {

using test::Arbeit;
using test::D;
using test::Phase;
using test::Phasen;

class MargenTest : public ::testing::Test {
 protected:
  MargenTest() {
    f.txtPreis = "1,20";
    f.txtMenge = "10000";
    f.txtHeizung() = "100,00";
    f.txtMaterial() = "200,00";
    f.txtEnergie() = "0,00";
    f.txtMaschinen() = "10,00";
    f.txtPSM() = "5,00";
    f.txtVermarktung() = "60,00";
    f.txtArbeit() = "300,00";
    f.txtGemein() = "150,00";
  }
  void Rechnen() { MargenBerechnen(f, phasen, 1, arbeiten); }

  KalkulationsFenster f;
  // 365 m² gross for 365 days: 365 m²-years.
  std::vector<PhasenSatz> phasen = Phasen({Phase(D(1, 1, 2025), D(1, 1, 2026), "10000", "365")});
  std::vector<KulturArbeitSatz> arbeiten = {Arbeit(D(1, 2, 2025), "P1", "100"), Arbeit(D(1, 3, 2025), "P1", "25")};
};

TEST_F(MargenTest, WholeScheme) {
  Rechnen();
  EXPECT_EQ(f.txtMarktleistung, "12000,00");
  EXPECT_EQ(f.txtErloes1000, "1200,00");
  EXPECT_EQ(f.txtSachkosten, "375,00");
  EXPECT_EQ(f.txtDB, "825,00");
  EXPECT_EQ(f.txtDBJQM, "22,60");  // 10000 x 825 / 365 m²-years / 1000
  EXPECT_EQ(f.txtDBAkh, "66,00");  // 8250 € / 125 h
  EXPECT_EQ(f.txtEKFL, "525,00");
  EXPECT_EQ(f.txtEKFLJQM, "14,38");
  EXPECT_EQ(f.txtEKFLAkh, "42,00");
  EXPECT_EQ(f.txtGewinn[1], "375,00");
  EXPECT_EQ(f.txtGewinn[2], "3750,00");
}

TEST_F(MargenTest, TypedHeatingEntersWithAllItsDecimals) {
  f.txtHeizung() = "12,346";
  Rechnen();
  EXPECT_EQ(f.txtHeizung(), "12,346");
  EXPECT_EQ(f.txtSachkosten, "287,35");
}

TEST_F(MargenTest, OverheadsOfZero) {
  f.txtGemein() = "0,00";
  Rechnen();
  EXPECT_EQ(f.txtGewinn[1], "");
  EXPECT_EQ(f.txtGewinn[2], "");
  f.txtGemein() = "0";
  Rechnen();
  EXPECT_EQ(f.txtGewinn[1], f.txtEKFL);
}

TEST_F(MargenTest, FiguresThatCannotBeComputedAreEmptied) {
  Rechnen();  // an earlier calculation filled every box
  arbeiten.clear();
  phasen[1].BruttoFlaeche = "";
  Rechnen();
  EXPECT_EQ(f.txtDBAkh, "");
  EXPECT_EQ(f.txtEKFLAkh, "");
  EXPECT_EQ(f.txtDBJQM, "");
  EXPECT_EQ(f.txtEKFLJQM, "");
  EXPECT_EQ(f.txtDB, "825,00");

  // A cost box emptied for missing data: everything that needs the material costs fails.
  f.txtMaterial() = "";
  Rechnen();
  EXPECT_EQ(f.txtMarktleistung, "12000,00");
  EXPECT_EQ(f.txtErloes1000, "1200,00");
  for (const std::string* box : {&f.txtSachkosten, &f.txtDB, &f.txtEKFL, &f.txtGewinn[1], &f.txtGewinn[2]}) {
    EXPECT_EQ(*box, "");
  }
}

}  // namespace
}  // namespace tolvar::mdlKalkulation
