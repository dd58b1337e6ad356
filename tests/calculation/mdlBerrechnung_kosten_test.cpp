// Cost per plant of material rows, ordinary materials and machines apart.

#include "calculation/mdlBerrechnung_kosten.h"

#include <gtest/gtest.h>

#include "calc_fixtures.h"
#include "data/slots.h"

namespace tolvar::mdlBerrechnung {
namespace {

using test::D;
using test::Phase;
using test::Phasen;

MaterialSatz Stamm(std::string nr, std::string gruppe, std::string preis) {
  MaterialSatz m;
  m.MaterialNr = std::move(nr);
  m.UeberPNr = std::move(gruppe);
  m.Preis = std::move(preis);
  return m;
}

KulturMaterialSatz Zeile(std::string nr, std::string menge, base::Date datum) {
  KulturMaterialSatz z;
  z.MaNr = std::move(nr);
  z.Menge = std::move(menge);
  z.Datum = datum;
  return z;
}

class MaterialKostenTest : public ::testing::Test {
 protected:
  std::vector<PhasenSatz> phasen =
      Phasen({Phase(D(1, 3, 2025), D(31, 3, 2025), "1000"), Phase(D(1, 4, 2025), D(30, 4, 2025), "0")});
  MasterLists stamm = [] {
    MasterLists m;
    m.MaterialListe = {Stamm("M1001", "1001", "2,50"), Stamm("M1002", "1009", "4,5"), Stamm("M1003", "1109", "1"),
                       Stamm("M1004", "1001", "abc")};
    m.MaterialNachNummer.Aufbauen(m.MaterialListe);
    return m;
  }();
};

TEST_F(MaterialKostenTest, EachProcedureCostsItsOwnKindAndZeroesTheOther) {
  std::vector<KulturMaterialSatz> zeilen = {
      Zeile("M1001", "1000", D(1, 3, 2025)),   // pot: 2,50 x 1000 / 1000
      Zeile("M1002", "2", D(1, 3, 2025)),      // machine: 4,5 x 2 / 1000
      Zeile("M1003", "10", D(15, 3, 2025)),    // subgroup of the machines group: ordinary
      Zeile("M1001", "1000", D(28, 2, 2025)),  // a day before the first phase
      Zeile("M9999", "1", D(1, 3, 2025)),      // deleted from the master materials
      Zeile("M1001", "10", D(2, 4, 2025)),     // phase without plants
      Zeile("M1004", "10", D(2, 3, 2025)),     // price that is no number
  };
  const int n = static_cast<int>(zeilen.size());
  struct Erwartet {
    const char* material;
    const char* maschinen;
  };
  const Erwartet erwartet[] = {{"2,5", "0"}, {"0", "0,009"}, {"0,01", "0"}, {"", ""}, {"", ""}, {"", "0"}, {"", "0"}};

  KostenJePflanzeBerechnen(false, zeilen, phasen, 2, stamm);
  for (int r = 0; r < n; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(zeilen[static_cast<std::size_t>(r)].KostenJePflanze, erwartet[r].material);
  }
  EXPECT_DOUBLE_EQ(KostenJePflanzeSumme(zeilen), 2.51);

  KostenJePflanzeBerechnen(true, zeilen, phasen, 2, stamm);
  for (int r = 0; r < n; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(zeilen[static_cast<std::size_t>(r)].KostenJePflanze, erwartet[r].maschinen);
  }
  EXPECT_DOUBLE_EQ(KostenJePflanzeSumme(zeilen), 0.009);
}

TEST_F(MaterialKostenTest, CountBeyondTheListIsBounded) {
  std::vector<KulturMaterialSatz> zeilen = {Zeile("M1001", "1000", D(1, 3, 2025))};
  KostenJePflanzeBerechnen(false, UsedSlots(zeilen, 5), phasen, 30, stamm);
  EXPECT_EQ(zeilen[0].KostenJePflanze, "2,5");
  EXPECT_DOUBLE_EQ(KostenJePflanzeSumme(UsedSlots(zeilen, 5)), 2.5);
}

}  // namespace
}  // namespace tolvar::mdlBerrechnung
