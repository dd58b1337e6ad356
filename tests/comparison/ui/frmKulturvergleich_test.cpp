// The comparison window on result databases built in code: the lists, "OK" with the worked
// culture, the margin units and their fallback, the gauges and the three pop-ups.
#include "comparison/ui/frmKulturvergleich.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "comparison/ui/frmSachkostenInfo.h"
#include "comparison/ui/frmTQM.h"
#include "comparison/ui/frmVergleichInfo.h"
#include "comparison/ui/vergleich_fenster_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

using Anzeige = frmKulturvergleich::Anzeige;

std::string Sichtbar(const comparison::Balken& b) {
  std::string text;
  for (int k = 1; k <= comparison::kSegmente; ++k) {
    if (b[static_cast<std::size_t>(k)]) text += (text.empty() ? "" : ",") + std::to_string(k);
  }
  return text;
}

class KulturvergleichTest : public VergleichFensterTest {
 protected:
  frmKulturvergleich& Oeffnen() {
    frmKulturvergleich& f = frmKulturvergleich::instanz();
    f.Show();
    return f;
  }
  // Chooses list positions and presses "OK".
  void Vergleichen(frmKulturvergleich& f, int links, int rechts) {
    ASSERT_TRUE(test::ChooseEntry(f.comKultur[0], links));
    ASSERT_TRUE(test::ChooseEntry(f.comKultur[1], rechts));
    ASSERT_TRUE(test::Click(f.cmbOK[0]));
  }
};

TEST_F(KulturvergleichTest, OpeningListsTheStoredCulturesAndShowsNothingYet) {
  ZeileEinfuegen(eigene, Beispielkultur(0, "Cyclamen"));
  ZeileEinfuegen(eigene, Beispielkultur(1, "Primel"));
  frmKulturvergleich& f = Oeffnen();
  for (QComboBox* liste : f.comKultur) {
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->itemText(1), QStringLiteral("Primel"));
    EXPECT_EQ(liste->currentIndex(), 0);
  }
  EXPECT_TRUE(f.txtMenge[0]->text().isEmpty());
  EXPECT_EQ(f.opbDKFL->Selected(), -1);
  EXPECT_EQ(f.lblDKFLEinheit->text(), QStringLiteral("€/1000Stk."));
  EXPECT_EQ(f.DQHeizung[0]->text(), QString());
  for (Anzeige a : {Anzeige::Preis, Anzeige::DKFL, Anzeige::EKFL, Anzeige::Gewinn}) {
    EXPECT_EQ(Sichtbar(f.Sichtbar(a)), "6");
  }
}

TEST_F(KulturvergleichTest, WorkedCultureInBothColumns) {
  ZeileEinfuegen(eigene, Beispielkultur(0));
  frmKulturvergleich& f = Oeffnen();
  Vergleichen(f, 0, 0);
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(f.txtMenge[i]->text(), QStringLiteral("800"));
    EXPECT_EQ(f.txtPreis[i]->text(), QStringLiteral("0,90"));
    EXPECT_EQ(f.txtSachkosten[i]->text(), QStringLiteral("100,00"));
    EXPECT_EQ(f.txtGewinnPflanze[i]->text(), QStringLiteral("100,00"));
    EXPECT_EQ(f.txtGewinnKultur[i]->text(), QStringLiteral("80,00"));
    EXPECT_EQ(f.txtDKFL[i]->text(), QStringLiteral("140,00"));
    EXPECT_EQ(f.txtEKFL[i]->text(), QStringLiteral("80,00"));
  }
  EXPECT_EQ(f.opbDKFL->Selected(), 1);
  EXPECT_EQ(f.lblEKFLEinheit->text(), QStringLiteral("€/BJm²"));
  EXPECT_EQ(f.DQHeizung[1]->text(), QStringLiteral("* * *"));
  EXPECT_EQ(f.DQMaterial[0]->text(), QStringLiteral("* * "));
  EXPECT_EQ(f.DQGemein[0]->text(), QStringLiteral("*"));
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::Heizkosten)), "6");
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::DKFL)), "6");

  ASSERT_TRUE(test::Click(f.opbDKFL->Button(2)));
  EXPECT_EQ(f.txtDKFL[0]->text(), QStringLiteral("7,00"));
  EXPECT_EQ(f.lblDKFLEinheit->text(), QStringLiteral("€/Akh"));
  ASSERT_TRUE(test::Click(f.opbEKFL->Button(0)));
  EXPECT_EQ(f.txtEKFL[1]->text(), QStringLiteral("200,00"));
  EXPECT_EQ(f.lblEKFLEinheit->text(), QStringLiteral("€/1000Stk."));

  // A second "OK" gives the same boxes, per m² and year again.
  Vergleichen(f, 0, 0);
  EXPECT_EQ(f.txtDKFL[0]->text(), QStringLiteral("140,00"));
  EXPECT_EQ(f.txtEKFL[0]->text(), QStringLiteral("80,00"));
}

TEST_F(KulturvergleichTest, GaugesShowTheLeftColumnAgainstTheBase) {
  Spalten links = Beispielkultur(0, "Links");
  links["Heizung"] = "165";   // 110 %
  links["Material"] = "294";  // 98 %
  links["Gemeinkosten"] = "0";
  ZeileEinfuegen(eigene, links);
  ZeileEinfuegen(eigene, Beispielkultur(1, "Basis"));
  frmKulturvergleich& f = Oeffnen();
  Vergleichen(f, 0, 1);
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::Heizkosten)), "6,7,8,9,10,11");
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::Materialkosten)), "5,6");
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::Preis)), "6");
  // No overheads on the left: no profit either, so neither gauge shows a segment.
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::Gemeinkosten)), "");
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::Gewinn)), "");
  EXPECT_EQ(f.txtGemeinkosten[0]->text(), QString());
  EXPECT_EQ(f.txtGewinnKultur[0]->text(), QString());
  // DKFL 341,00 against 350,00 per 1000 plants (the same ratio per m² and year): 97.4 %.
  EXPECT_EQ(Sichtbar(f.Sichtbar(Anzeige::DKFL)), "5,6");
}

TEST_F(KulturvergleichTest, MissingAreaDaysFallBackToPer1000Plants) {
  ZeileEinfuegen(eigene, Beispielkultur(0));
  Spalten ohne = Beispielkultur(1, "Ohne Fläche");
  ohne["TQM"] = db::Value::Null();
  ZeileEinfuegen(eigene, ohne);
  frmKulturvergleich& f = Oeffnen();
  // The left column first loads a culture with area-days; the right one has none.
  Vergleichen(f, 0, 0);
  Vergleichen(f, 0, 1);
  EXPECT_EQ(f.opbDKFL->Selected(), 0);
  EXPECT_EQ(f.txtDKFL[0]->text(), QStringLiteral("350,00"));
  EXPECT_EQ(f.txtDKFL[1]->text(), QStringLiteral("350,00"));
  EXPECT_EQ(f.lblDKFLEinheit->text(), QStringLiteral("€/1000Stk."));
  // Labour hours are there: per labour hour works for EKFL.
  ASSERT_TRUE(test::Click(f.opbEKFL->Button(2)));
  EXPECT_EQ(f.txtEKFL[1]->text(), QStringLiteral("4,00"));
  // With option 1 already selected the loading itself falls back.
  ASSERT_TRUE(test::Click(f.opbDKFL->Button(1)));
  EXPECT_EQ(f.opbDKFL->Selected(), 0);
  Vergleichen(f, 0, 1);
  EXPECT_EQ(f.opbEKFL->Selected(), 0);
  EXPECT_EQ(f.txtEKFL[0]->text(), QStringLiteral("200,00"));
}

// A stored cost that is no number (a row no box checked) shows empty, and so do the margins
// and the profit made from it, never 0,00; one message names the culture.
TEST_F(KulturvergleichTest, AStoredTextThatIsNoNumberShowsEmptyAndNamesTheCulture) {
  Spalten alt = Beispielkultur(0, "Altbestand");
  alt["Heizung"] = "abc";
  ZeileEinfuegen(eigene, alt);
  ZeileEinfuegen(eigene, Beispielkultur(1, "Basis"));
  frmKulturvergleich& f = Oeffnen();
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  Vergleichen(f, 0, 1);
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].text,
            QStringLiteral("Die gespeicherten Werte der Vergleichskultur \"Altbestand\" sind nicht alle Zahlen. Diese "
                           "Werte und was aus ihnen berechnet wird, bleiben leer."));
  for (QLineEdit* box : {f.txtHeizkosten[0], f.txtDKFL[0], f.txtEKFL[0], f.txtGewinnPflanze[0], f.txtGewinnKultur[0]}) {
    EXPECT_EQ(box->text(), QString()) << ui::S(box->objectName());
  }
  EXPECT_EQ(f.txtMaterialkosten[0]->text(), QStringLiteral("300,00"));
  EXPECT_EQ(f.txtDKFL[1]->text(), QStringLiteral("350,00"));  // per 1000 plants, as the left one cannot be converted
  EXPECT_EQ(f.txtGewinnPflanze[1]->text(), QStringLiteral("100,00"));
}

TEST_F(KulturvergleichTest, TypedTextAndEmptyDatabaseShowTheResetValues) {
  frmKulturvergleich& f = Oeffnen();
  EXPECT_EQ(f.comKultur[0]->count(), 0);
  f.comKultur[1]->setEditText(QStringLiteral("getippt"));
  ASSERT_TRUE(test::Click(f.cmbOK[1]));
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(f.txtBeginn[i]->text(), QStringLiteral("0"));
    EXPECT_EQ(f.txtMenge[i]->text(), QStringLiteral("0"));
    EXPECT_EQ(f.txtHeizkosten[i]->text(), QStringLiteral("0,00"));
    EXPECT_EQ(f.txtGemeinkosten[i]->text(), QString());
    EXPECT_EQ(f.txtGewinnPflanze[i]->text(), QString());
  }
  EXPECT_EQ(state().comparison.VergleichsspalteListe[1].Nr, "-1");
}

TEST_F(KulturvergleichTest, InfoPopUpsShowTheColumnTheyBelongTo) {
  // The smallest screen the program supports holds the pop-ups where the columns put them.
  test::ScopedScreen bildschirm(1024, 768);
  ZeileEinfuegen(eigene, Beispielkultur(0, "Eigen"));
  Spalten fremd = Beispielkultur(1, "Fremd");
  fremd["Import"] = -1;
  fremd["Strom"] = "12,345";
  ZeileEinfuegen(eigene, fremd);
  frmKulturvergleich& f = Oeffnen();
  Vergleichen(f, 0, 1);

  ASSERT_TRUE(test::Click(f.cmbKulturInfo[1]));
  frmVergleichInfo& info = frmVergleichInfo::instanz();
  EXPECT_EQ(info.Caption(), QStringLiteral("KulturInfo - Fremd"));
  EXPECT_EQ(info.txtBemerkung->toPlainText(), QStringLiteral("Bemerkung Fremd"));
  EXPECT_TRUE(info.chbImport->isChecked());
  EXPECT_FALSE(info.chbBetrieb->isChecked());
  EXPECT_EQ(info.Frame()->x(), 600);
  ASSERT_TRUE(test::Click(f.cmbKulturInfo[0]));
  EXPECT_FALSE(info.chbImport->isChecked());
  EXPECT_TRUE(info.chbBetrieb->isChecked());
  EXPECT_EQ(info.Frame()->x(), 33);

  ASSERT_TRUE(test::Click(f.cmbSachkostenInfo[1]));
  frmSachkostenInfo& sach = frmSachkostenInfo::instanz();
  EXPECT_EQ(sach.txtStrom->text(), QStringLiteral("12,35"));
  EXPECT_EQ(sach.txtArbeitMaterial->text(), QStringLiteral("10,00"));
  EXPECT_EQ(sach.DQArbeitMaterial->text(), QStringLiteral("* * "));
  EXPECT_EQ(sach.DQVermarktung->text(), QStringLiteral("*"));

  frmTQM& tqm = frmTQM::instanz();
  ASSERT_TRUE(test::Click(f.cmbTQM[2]));
  const QString ersteAnzeige = tqm.txtTQM->text() + tqm.txtAkh->text() + tqm.txtBeginn->text();
  ASSERT_TRUE(test::Click(f.cmbTQM[3]));
  EXPECT_EQ(tqm.txtTQM->text() + tqm.txtAkh->text() + tqm.txtBeginn->text(), ersteAnzeige);
  EXPECT_EQ(tqm.txtTQM->text(), QStringLiteral("730"));
  EXPECT_EQ(tqm.txtAkh->text(), QStringLiteral("40"));
  ASSERT_TRUE(test::Click(tqm.cmbEnde));
  ProcessEvents();
  EXPECT_FALSE(frmTQM::IsLoaded());
}

TEST_F(KulturvergleichTest, PopUpsBeforeTheFirstComparisonShowTheResetValues) {
  frmKulturvergleich& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.cmbSachkostenInfo[0]));
  EXPECT_EQ(frmSachkostenInfo::instanz().txtMaschinen->text(), QStringLiteral("0,00"));
  EXPECT_EQ(frmSachkostenInfo::instanz().DQStrom->text(), QString());
  ASSERT_TRUE(test::Click(f.cmbTQM[0]));
  EXPECT_EQ(frmTQM::instanz().txtBeginn->text(), QStringLiteral("0"));
}

}  // namespace
}  // namespace tolvar::test
