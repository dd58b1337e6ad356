// The comparison frame the cost detail windows share, on the sample enterprise: choosing a
// stored culture, taking its value over with the flag its grade gives, the placeholder of an
// empty result database, closing with and without recalculation, and help.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <vector>

#include "app/mdlHilfe.h"
#include "calculation/mdlkulturVergleich.h"
#include "calculation/ui/frmArbeitInfo.h"
#include "calculation/ui/frmArbeitskostenMenu.h"
#include "calculation/ui/frmEnergieInfo.h"
#include "calculation/ui/frmEnergiekostenMenu.h"
#include "calculation/ui/frmGemeinkostenInfo.h"
#include "calculation/ui/frmGemeinkostenMenu.h"
#include "calculation/ui/frmMaschinenInfo.h"
#include "calculation/ui/frmMaschinenkostenMenu.h"
#include "calculation/ui/frmPSMInfo.h"
#include "calculation/ui/frmPSMKostenMenu.h"
#include "calculation/ui/frmVermarktungInfo.h"
#include "calculation/ui/frmVermarktungskostenMenu.h"
#include "frmKalkulation_fixture.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/optiongroup.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

struct FensterFall {
  const char* name;
  Kostenart art;
  const char* dq;  // grade column of the cost type
  // Opens the window through its origin menu's option 2 (the menu of the line `art`).
  std::function<KostenMenue&()> menue;
  std::function<KostenInfoFenster&()> fenster;
  // The take-over button and the "Beenden" button of the comparison presentation (none: the
  // window is closed with its close box).
  std::function<QPushButton*()> uebernahme;
  std::function<QPushButton*()> beenden;
  bool berechnetBeimSchliessen;
};

template <class F>
std::function<KostenInfoFenster&()> InfoFenster() {
  return []() -> KostenInfoFenster& { return F::instanz(); };
}
template <class M>
std::function<KostenMenue&()> Menue() {
  return []() -> KostenMenue& { return M::instanz(); };
}

// The five windows whose take-over maps the grade to the flag (marketing keeps flag 2).
std::vector<FensterFall> GradFenster() {
  return {
      {"frmEnergieInfo", Kostenart::Energie, "DQStrom", Menue<frmEnergiekostenMenu>(), InfoFenster<frmEnergieInfo>(),
       [] { return frmEnergieInfo::instanz().cmbOK; }, [] { return frmEnergieInfo::instanz().cmbBeenden[1]; }, true},
      {"frmMaschinenInfo", Kostenart::Maschinen, "DQMaschinen", Menue<frmMaschinenkostenMenu>(),
       InfoFenster<frmMaschinenInfo>(), [] { return frmMaschinenInfo::instanz().cmbOK; },
       [] { return frmMaschinenInfo::instanz().cmbBeenden; }, false},
      {"frmArbeitInfo", Kostenart::Arbeit, "DQArbeit", Menue<frmArbeitskostenMenu>(), InfoFenster<frmArbeitInfo>(),
       [] { return frmArbeitInfo::instanz().cmbOK; }, [] { return frmArbeitInfo::instanz().cmbBeenden[1]; }, true},
      {"frmPSMInfo", Kostenart::PSM, "DQPSM", Menue<frmPSMKostenMenu>(), InfoFenster<frmPSMInfo>(),
       [] { return frmPSMInfo::instanz().cmbOK; }, [] { return frmPSMInfo::instanz().cmbBeenden[1]; }, false},
      {"frmGemeinkostenInfo", Kostenart::Gemeinkosten, "DQGemeinkosten", Menue<frmGemeinkostenMenu>(),
       InfoFenster<frmGemeinkostenInfo>(), [] { return frmGemeinkostenInfo::instanz().cmbVergleichOK; },
       [] { return static_cast<QPushButton*>(nullptr); }, true},
  };
}

class VergleichsRahmenTest : public test::KalkulationFensterBasis {
 protected:
  void SetUp() override {
    test::KalkulationFensterBasis::SetUp();
    Berechnen("K1003", "3,20");
  }
  // Opens the window for a comparison: "[Menü]" of the line, option 2, OK.
  KostenInfoFenster& Vergleich(const FensterFall& fall) {
    EXPECT_TRUE(test::Click(Fenster().Menueknopf(fall.art)));
    KostenMenue& menue = fall.menue();
    EXPECT_TRUE(test::Click(menue.opbHerkunft->Button(2)));
    EXPECT_TRUE(test::Click(menue.cmbOK));
    test::ProcessEvents();
    return fall.fenster();
  }
  // Runs SQL on the result database.
  void Ergebnisse(const std::string& sql, const std::vector<db::Value>& werte = {}) {
    auto datenbank = db::Database::Open(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank);
    ASSERT_TRUE(datenbank);
    ASSERT_TRUE(datenbank->Execute(sql, werte)) << datenbank->LastError();
  }
  static void Waehlen(KostenInfoFenster& fenster, int index) {
    ASSERT_TRUE(test::ChooseEntry(fenster.comVergleichskulturen, index));
  }
  QLineEdit* Feld(Kostenart art) { return Fenster().Wertfeld(art); }
  static int16_t Flag(Kostenart art) { return state().calculation.HerkunftVon(art); }
};

TEST_F(VergleichsRahmenTest, ChoosingACultureShowsItsValueAndStars) {
  for (const FensterFall& fall : GradFenster()) {
    SCOPED_TRACE(fall.name);
    Ergebnisse("UPDATE Vergleichskulturen SET \"" + std::string(fall.dq) + "\" = NULL WHERE Nr = 2");
    KostenInfoFenster& fenster = Vergleich(fall);
    ASSERT_EQ(fenster.comVergleichskulturen->count(), 3);
    EXPECT_EQ(fenster.txtQualitaet->text(), QStringLiteral("***"));
    Waehlen(fenster, 1);
    const auto erwartet = data::Kosten(state().comparison.VergleichskulturListe[1], static_cast<Kostenart>(fall.art));
    EXPECT_EQ(ui::S(fenster.txtKostenVergleichskultur->text()), erwartet);
    EXPECT_EQ(fenster.txtQualitaet->text(), QStringLiteral("*"));
    Waehlen(fenster, 2);  // stored without a grade: the stars stay
    EXPECT_EQ(fenster.txtQualitaet->text(), QStringLiteral("*"));
    fenster.Unload();
    test::ProcessEvents();
  }
}

TEST_F(VergleichsRahmenTest, TakeOverCopiesTheValueAndSetsTheFlagFromTheGrade) {
  struct Grad {
    db::Value wert;
    int16_t flag;     // energy, machines, labour, overheads
    int16_t flagPSM;  // activity material
  };
  const Grad grade[] = {{1, 2, 2}, {2, 3, 2}, {3, 3, 3}, {0, 2, 2}, {db::Value::Null(), 2, 2}, {4, 3, 2}};
  for (const FensterFall& fall : GradFenster()) {
    for (const Grad& grad : grade) {
      SCOPED_TRACE(std::string(fall.name) + " grade " + grad.wert.text());
      Ergebnisse("UPDATE Vergleichskulturen SET \"" + std::string(fall.dq) + "\" = ? WHERE Nr = 1", {grad.wert});
      KostenInfoFenster& fenster = Vergleich(fall);
      Waehlen(fenster, 1);
      // typed over: taken as it is
      ASSERT_TRUE(test::TypeInto(fenster.txtKostenVergleichskultur, QStringLiteral("77,7")));
      ASSERT_TRUE(test::Click(fall.uebernahme()));
      test::ProcessEvents();
      EXPECT_EQ(ui::Forms::Find(ui::Q(fall.name)), nullptr);
      EXPECT_EQ(Flag(fall.art), fall.art == Kostenart::PSM ? grad.flagPSM : grad.flag);
      EXPECT_EQ(Feld(fall.art)->text(), QStringLiteral("77,7"));
      EXPECT_EQ(ui::S(Fenster().Kostenknopf(fall.art)->text()),
                *mdlKalkulation::Beschriftung(fall.art, Flag(fall.art)));
    }
  }
}

TEST_F(VergleichsRahmenTest, TakeOverRecalculatesTheMargins) {
  const QString gewinn = Fenster().txtGewinn[1]->text();
  KostenInfoFenster& fenster = Vergleich(GradFenster()[2]);  // labour
  ASSERT_TRUE(test::TypeInto(fenster.txtKostenVergleichskultur, QStringLiteral("0")));
  ASSERT_TRUE(test::Click(frmArbeitInfo::instanz().cmbOK));
  test::ProcessEvents();
  EXPECT_NE(Fenster().txtGewinn[1]->text(), gewinn);
}

// A value the rules refuse, typed over the comparison culture's and taken over: one message
// for the take-over (the closing of the window runs no second calculation), and every margin
// that needs the refused box is empty rather than showing the previous figures.
TEST_F(VergleichsRahmenTest, RefusedTakeOverIsReportedOnceAndEmptiesTheMargins) {
  struct Fall {
    const char* text;
    db::Value grad;  // "2" makes the value typed in, "1" one taken from a comparison culture
  };
  const Fall faelle[] = {{"1,2,3", 2}, {"1e308", 1}};
  for (const FensterFall& fall : GradFenster()) {
    if (!fall.berechnetBeimSchliessen) continue;
    for (const Fall& f : faelle) {
      SCOPED_TRACE(std::string(fall.name) + " \"" + f.text + "\"");
      Berechnen("K1003", "3,20");
      ASSERT_FALSE(Fenster().txtGewinn[1]->text().isEmpty());
      Ergebnisse("UPDATE Vergleichskulturen SET \"" + std::string(fall.dq) + "\" = ? WHERE Nr = 0", {f.grad});
      KostenInfoFenster& fenster = Vergleich(fall);
      ASSERT_TRUE(test::TypeInto(fenster.txtKostenVergleichskultur, QString::fromLatin1(f.text)));
      const std::size_t vorher = prompts->messageBoxes().size();
      prompts->AnswerMsgBox(ui::msgbox::Ok);
      ASSERT_TRUE(test::Click(fall.uebernahme()));
      test::ProcessEvents();
      EXPECT_EQ(ui::Forms::Find(ui::Q(fall.name)), nullptr);
      ASSERT_EQ(prompts->messageBoxes().size(), vorher + 1);
      EXPECT_NE(prompts->messageBoxes().back().text.indexOf(QString::fromLatin1(f.text)), -1);
      EXPECT_EQ(Feld(fall.art)->text(), QString::fromLatin1(f.text));
      // The profit needs every cost; the margin after labour not the overheads; the material
      // costs only the energy cost.
      EXPECT_TRUE(Fenster().txtGewinn[1]->text().isEmpty());
      EXPECT_EQ(Fenster().txtEKFL->text().isEmpty(), fall.art != Kostenart::Gemeinkosten);
      EXPECT_EQ(Fenster().txtSachkosten->text().isEmpty(), fall.art == Kostenart::Energie);
    }
  }
}

TEST_F(VergleichsRahmenTest, EmptyResultDatabaseShowsThePlaceholderAndTakesOverAnEmptyText) {
  Ergebnisse("DELETE FROM Vergleichskulturen");
  for (const FensterFall& fall : GradFenster()) {
    SCOPED_TRACE(fall.name);
    KostenInfoFenster& fenster = Vergleich(fall);
    ASSERT_EQ(fenster.comVergleichskulturen->count(), 1);
    EXPECT_EQ(fenster.comVergleichskulturen->itemText(0), QStringLiteral("Kein Datensatz vorhanden"));
    EXPECT_EQ(fenster.ListIndex(), 0);
    EXPECT_TRUE(fenster.txtKostenVergleichskultur->text().isEmpty());
    ASSERT_TRUE(test::Click(fall.uebernahme()));
    test::ProcessEvents();
    EXPECT_TRUE(Feld(fall.art)->text().isEmpty());
    EXPECT_EQ(Flag(fall.art), 2);
  }
}

TEST_F(VergleichsRahmenTest, TakeOverWithTextTypedIntoTheListDoesNothing) {
  for (const FensterFall& fall : GradFenster()) {
    SCOPED_TRACE(fall.name);
    const QString vorher = Feld(fall.art)->text();
    KostenInfoFenster& fenster = Vergleich(fall);
    fenster.comVergleichskulturen->setEditText(QStringLiteral("Tomaten"));
    EXPECT_EQ(fenster.ListIndex(), -1);
    ASSERT_TRUE(test::Click(fall.uebernahme()));
    test::ProcessEvents();
    EXPECT_NE(ui::Forms::Find(ui::Q(fall.name)), nullptr);
    EXPECT_EQ(Feld(fall.art)->text(), vorher);
    EXPECT_EQ(Flag(fall.art), 2);
    fenster.Unload();
    test::ProcessEvents();
  }
}

TEST_F(VergleichsRahmenTest, BeendenRecalculatesInEnergyLabourAndOverheadsOnly) {
  for (const FensterFall& fall : GradFenster()) {
    SCOPED_TRACE(fall.name);
    const QString vorher = Feld(fall.art)->text();
    KostenInfoFenster& fenster = Vergleich(fall);
    // A computed line that a recalculation restores; written as the program writes it, since
    // typing would make the line a typed one.
    const QString heizung = Feld(Kostenart::Heizung)->text();
    Feld(Kostenart::Heizung)->setText(QStringLiteral("1,00"));
    if (QPushButton* beenden = fall.beenden()) {
      ASSERT_TRUE(test::Click(beenden));
    } else {
      fenster.close();
    }
    test::ProcessEvents();
    EXPECT_EQ(ui::Forms::Find(ui::Q(fall.name)), nullptr);
    EXPECT_EQ(Feld(Kostenart::Heizung)->text(), fall.berechnetBeimSchliessen ? heizung : QStringLiteral("1,00"));
    Feld(Kostenart::Heizung)->setText(heizung);
    // Closing without a take-over keeps the flag and the line's value.
    EXPECT_EQ(Flag(fall.art), 2);
    EXPECT_EQ(Feld(fall.art)->text(), vorher);
  }
}

TEST_F(VergleichsRahmenTest, F1ShowsTopicSixTwoInEverySixWindows) {
  std::vector<FensterFall> faelle = GradFenster();
  faelle.push_back({"frmVermarktungInfo", Kostenart::Vermarktung, "DQVermarktung", Menue<frmVermarktungskostenMenu>(),
                    InfoFenster<frmVermarktungInfo>(), [] { return frmVermarktungInfo::instanz().cmbOK; }, nullptr,
                    true});
  for (const FensterFall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    mdlHilfe::HilfeAufrufen("Index");
    KostenInfoFenster& fenster = Vergleich(fall);
    ASSERT_TRUE(test::PressIn(fenster.txtKostenVergleichskultur, Qt::Key_F1));
    ASSERT_TRUE(ui::HelpViewer::Exists());
    EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("Abschnitt6.2.htm"));
    fenster.Unload();
    test::ProcessEvents();
  }
  ui::HelpViewer::Instance().hide();
}

TEST_F(VergleichsRahmenTest, WindowsDoNotBringAClosedCalculationWindowBack) {
  KostenInfoFenster& fenster = Vergleich(GradFenster()[0]);
  frmKalkulation::instanz().Unload();
  test::ProcessEvents();
  fenster.Unload();  // its closing would recalculate
  test::ProcessEvents();
  EXPECT_FALSE(frmKalkulation::IsLoaded());
}

}  // namespace
}  // namespace tolvar
