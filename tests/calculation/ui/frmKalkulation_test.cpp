// The calculation window on the sample enterprise: choosing a culture, the key filter of the
// value boxes, the calculation against the reference results, the cost buttons, the
// culture surviving a tree rebuild, and storing a result.
#include "calculation/ui/frmKalkulation.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/message_sink.h"
#include "calculation/kalkulation_referenz.h"
#include "calculation/mdlKalkulation.h"
#include "calculation/mdlkulturVergleich.h"
#include "data/comparison_table.h"
#include "data/mdlDatenLaden.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "frmKalkulation_fixture.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "support/fixtures.h"
#include "support/tables.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"

namespace tolvar {
namespace {

class KalkulationFensterTest : public test::KalkulationFensterBasis {};

TEST_F(KalkulationFensterTest, SampleCulturesShowTheReferenceResults) {
  const auto referenz = test::ReferenzJeKultur();
  frmKalkulation& f = Fenster();
  for (const test::ReferenzKultur& fall : test::kReferenzKulturen) {
    SCOPED_TRACE(fall.nr);
    Waehlen(fall.nr);
    EXPECT_EQ(f.txtMenge->text(), QString::fromLatin1(fall.menge));
    EXPECT_FALSE(f.txtAnfang->text().isEmpty());
    EXPECT_FALSE(f.txtEnde->text().isEmpty());
    EXPECT_TRUE(f.cmbStart->isEnabled());
    EXPECT_FALSE(f.cmbErgebnisSpeichern->isEnabled());
    ASSERT_TRUE(test::TypeInto(f.txtPreis, QString::fromLatin1(fall.preis)));
    ASSERT_TRUE(test::Click(f.cmbStart));
    ASSERT_EQ(referenz.count(fall.nr), 1U);
    for (const auto& [box, soll] : referenz.at(fall.nr)) {
      auto* feld = f.findChild<QLineEdit*>(ui::Q(box));
      ASSERT_NE(feld, nullptr) << box;
      EXPECT_EQ(ui::S(feld->text()), soll) << box;
    }
    EXPECT_TRUE(f.cmbHeizkosten()->isEnabled() && f.cmbGemeinkostenMenu()->isEnabled() &&
                f.cmbErgebnisSpeichern->isEnabled());
  }
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(KalkulationFensterTest, ChoosingAGroupOrAnotherCultureResetsTheWindow) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  state().calculation.HerkunftHeizung() = Herkunft::Eingegeben;
  f.BeschriftungSetzen();
  ASSERT_EQ(ui::S(f.cmbHeizkosten()->text()), *mdlKalkulation::Beschriftung(Kostenart::Heizung, 3));

  Waehlen("K1004");
  EXPECT_EQ(state().calculation.HerkunftHeizung(), Herkunft::Errechnet);
  EXPECT_EQ(f.cmbHeizkosten()->text(), QStringLiteral("+ Heizkosten ***"));  // the reset caption
  EXPECT_TRUE(f.txtHeizung()->text().isEmpty());
  EXPECT_TRUE(f.txtPreis->text().isEmpty());
  EXPECT_FALSE(f.cmbHeizkosten()->isEnabled());

  const std::string gruppe = Gruppe();
  ASSERT_FALSE(gruppe.empty());
  Waehlen(gruppe);
  EXPECT_TRUE(f.txtName->text().isEmpty());
  EXPECT_TRUE(f.txtMenge->text().isEmpty());
  EXPECT_FALSE(f.cmbStart->isEnabled());
  // Leaving a typed value box recalculates; a group is nothing to calculate.
  ASSERT_TRUE(test::TypeInto(f.txtPreis, QStringLiteral("3")));
  ASSERT_TRUE(test::TypeInto(f.txtHeizung(), QStringLiteral("100")));
  ASSERT_TRUE(test::PressTab());
  EXPECT_TRUE(f.txtSachkosten->text().isEmpty());
  EXPECT_TRUE(f.txtGewinn[2]->text().isEmpty());
  EXPECT_FALSE(f.cmbErgebnisSpeichern->isEnabled());
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(KalkulationFensterTest, TreeKeysChooseOnlyWithArrows) {
  frmKalkulation& f = Fenster();
  Waehlen("K1003");
  const QString name = f.txtName->text();
  ASSERT_TRUE(test::Press(Qt::Key_A));  // the tree has the focus from the click
  EXPECT_EQ(f.txtName->text(), name);
  ASSERT_TRUE(test::Press(Qt::Key_Up));  // Cyclamen sorts before Weihnachtsstern
  ASSERT_EQ(f.trvKulturen->SelectedItem(), QStringLiteral("K1004"));
  EXPECT_EQ(ui::S(f.txtName->text()), Kultur("K1004").Kulturname);
}

TEST_F(KalkulationFensterTest, KeyFilterOfTheValueBoxes) {
  struct Fall {
    const char* was;
    int key;
    const char* vorher;
    const char* nachher;
    int16_t flag;
    int beeps;
  };
  const Fall faelle[] = {
      {"digit", Qt::Key_5, "1", "15", Herkunft::Eingegeben, 0},
      {"comma", Qt::Key_Comma, "1", "1,", Herkunft::Eingegeben, 0},
      {"backspace in an empty box", Qt::Key_Backspace, "", "", Herkunft::Eingegeben, 0},
      {"letter", Qt::Key_A, "1", "1", Herkunft::Errechnet, 1},
      {"point", Qt::Key_Period, "1", "1", Herkunft::Errechnet, 1},
  };
  frmKalkulation& f = Fenster();
  ASSERT_TRUE(test::FocusByClick(f.txtMaterial()));
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    state().calculation.HerkunftMaterial() = Herkunft::Errechnet;
    // The value as a calculation writes it: typing it would make the line a typed one.
    f.txtMaterial()->setText(QString::fromLatin1(fall.vorher));
    f.txtMaterial()->setCursorPosition(f.txtMaterial()->text().size());
    f.cmbMaterialkosten()->setText(QStringLiteral("alt"));  // a button's caption takes no keys; a mark the key rewrites
    const int beeps = prompts->beeps();
    ASSERT_TRUE(test::Press(fall.key));
    EXPECT_EQ(f.txtMaterial()->text(), QString::fromLatin1(fall.nachher));
    EXPECT_EQ(state().calculation.HerkunftMaterial(), fall.flag);
    EXPECT_EQ(prompts->beeps() - beeps, fall.beeps);
    // Every key but Enter rewrites the captions.
    EXPECT_EQ(f.cmbMaterialkosten()->text(), ui::Q(*mdlKalkulation::Beschriftung(Kostenart::Material, fall.flag)));
  }
}

TEST_F(KalkulationFensterTest, EnterMovesToTheMenuButtonAndKeepsTheFlag) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  const QString knopf = f.cmbPSMKosten()->text();
  ASSERT_TRUE(test::PressIn(f.txtPSM(), Qt::Key_Return));
  EXPECT_EQ(f.focusWidget(), f.cmbPSMKostenMenu());
  EXPECT_EQ(state().calculation.HerkunftPSM(), Herkunft::Errechnet);
  EXPECT_EQ(f.cmbPSMKosten()->text(), knopf);  // not rewritten
}

TEST_F(KalkulationFensterTest, LeavingATypedBoxRecalculatesWithTheTypedValue) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  const QString sachkosten = f.txtSachkosten->text();
  ASSERT_TRUE(test::TypeInto(f.txtHeizung(), QStringLiteral("100")));
  ASSERT_EQ(f.txtHeizung()->text(), QStringLiteral("100"));
  ASSERT_TRUE(test::FocusByClick(f.txtPreis));
  EXPECT_EQ(f.txtHeizung()->text(), QStringLiteral("100"));
  EXPECT_EQ(ui::S(f.cmbHeizkosten()->text()), *mdlKalkulation::Beschriftung(Kostenart::Heizung, 3));
  EXPECT_NE(f.txtSachkosten->text(), sachkosten);
  EXPECT_EQ(f.txtSachkosten->text(), QStringLiteral("591,00"));  // 1579,63 - 1088,63 + 100
}

// Tab leaves a value box (no beep, no dropped key) and so runs its LostFocus; switching to
// another window while the box has the focus is no leaving and recalculates nothing.
TEST_F(KalkulationFensterTest, LeavingATypedBoxByTabRecalculatesSwitchingWindowsDoesNot) {
  frmKalkulation& f = Fenster();
  f.Show();
  Berechnen("K1003", "3,20");
  const QString sachkosten = f.txtSachkosten->text();
  ASSERT_TRUE(test::TypeInto(f.txtHeizung(), QStringLiteral("100")));
  ASSERT_EQ(f.txtHeizung()->text(), QStringLiteral("100"));

  QWidget anderes;
  anderes.setGeometry(600, 50, 200, 100);
  anderes.show();
  ASSERT_TRUE(test::ActivateWindowOf(&anderes));
  ASSERT_TRUE(test::ActivateWindowOf(f.txtHeizung()));
  EXPECT_EQ(test::FocusWidget(), f.txtHeizung());
  EXPECT_EQ(f.txtSachkosten->text(), sachkosten);  // not recalculated

  ASSERT_TRUE(test::PressTab());
  EXPECT_NE(test::FocusWidget(), f.txtHeizung());
  EXPECT_EQ(prompts->beeps(), 0);
  EXPECT_EQ(f.txtHeizung()->text(), QStringLiteral("100"));
  EXPECT_EQ(ui::S(f.cmbHeizkosten()->text()), *mdlKalkulation::Beschriftung(Kostenart::Heizung, 3));
  EXPECT_EQ(f.txtSachkosten->text(), QStringLiteral("591,00"));  // 1579,63 - 1088,63 + 100
}

TEST_F(KalkulationFensterTest, CostButtonsOpenDetailsOnlyForComputedPositiveValues) {
  struct Fall {
    const char* was;
    Kostenart art;
    int16_t flag;
    const char* wert;  // nullptr: as calculated
    const char* fenster;
    bool offen;
  };
  const Fall faelle[] = {
      {"heating computed", Kostenart::Heizung, Herkunft::Errechnet, nullptr, "frmVantelInfo", true},
      {"heating typed in", Kostenart::Heizung, Herkunft::Eingegeben, nullptr, "frmVantelInfo", false},
      {"heating taken over", Kostenart::Heizung, Herkunft::Vergleichskultur, nullptr, "frmVantelInfo", false},
      {"heating zero", Kostenart::Heizung, Herkunft::Errechnet, "0,00", "frmVantelInfo", false},
      {"heating no number", Kostenart::Heizung, Herkunft::Errechnet, "1,2,3", "frmVantelInfo", false},
      {"material computed", Kostenart::Material, Herkunft::Errechnet, nullptr, "frmMaterialInfo", true},
      {"material empty", Kostenart::Material, Herkunft::Errechnet, "", "frmMaterialInfo", false},
      {"marketing computed", Kostenart::Vermarktung, Herkunft::Errechnet, nullptr, "frmVermarktungInfo", true},
      {"marketing taken over", Kostenart::Vermarktung, Herkunft::Vergleichskultur, nullptr, "frmVermarktungInfo",
       false},
      {"overheads computed", Kostenart::Gemeinkosten, Herkunft::Errechnet, nullptr, "frmGemeinkostenInfo", true},
      {"overheads typed in", Kostenart::Gemeinkosten, Herkunft::Eingegeben, nullptr, "frmGemeinkostenInfo", false},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    frmKalkulation& f = Fenster();
    Berechnen("K1003", "3,20");
    state().calculation.HerkunftVon(fall.art) = fall.flag;
    // The value beside the flag as the program leaves it: typing it would make the line a typed one.
    if (fall.wert) f.Wertfeld(fall.art)->setText(QString::fromLatin1(fall.wert));
    // A computed cost of 0 says why nothing opens.
    const bool null = fall.wert && std::string(fall.wert) == "0,00";
    if (null) prompts->AnswerMsgBox(ui::msgbox::Ok);
    const std::size_t vorher = prompts->messageBoxes().size();
    ASSERT_TRUE(test::Click(f.Kostenknopf(fall.art)));
    EXPECT_EQ(prompts->messageBoxes().size(), vorher + (null ? 1 : 0));
    const ui::Form* fenster = ui::Forms::Find(QString::fromLatin1(fall.fenster));
    EXPECT_EQ(fenster != nullptr && fenster->isVisible(), fall.offen);
    test::UnloadAllWindows();
  }
}

TEST_F(KalkulationFensterTest, ChosenCultureSurvivesATreeRebuild) {
  const auto referenz = test::ReferenzJeKultur();
  frmKalkulation& f = Fenster();
  Waehlen("K1004");
  ASSERT_TRUE(test::TypeInto(f.txtPreis, QStringLiteral("2,40")));
  Aktivieren();  // the rebuild runs the tree builder, which moves KulturIndex
  EXPECT_EQ(f.trvKulturen->SelectedItem(), QStringLiteral("K1004"));
  ASSERT_TRUE(test::Click(f.cmbStart));
  EXPECT_EQ(ui::S(f.txtHeizung()->text()), referenz.at("K1004").at("txtHeizung"));
  EXPECT_EQ(ui::S(f.txtGewinn[2]->text()), referenz.at("K1004").at("txtGewinn(2)"));
}

// The tree shows no pop-up menu: a right press leaves the culture the window shows and
// calculates chosen and selected, so the stored result is that culture's.
TEST_F(KalkulationFensterTest, RightPressKeepsTheCultureTheWindowCalculates) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  const QString name = f.txtName->text();
  for (const QString& knoten : {QStringLiteral("K1004"), QString()}) {
    SCOPED_TRACE(ui::S(knoten));
    if (knoten.isEmpty()) {
      ASSERT_TRUE(test::ClickTreeSpace(f.trvKulturen, Qt::RightButton));
    } else {
      ASSERT_TRUE(f.trvKulturen->EnsureVisible(knoten));
      ASSERT_TRUE(test::RightClickNode(f.trvKulturen, knoten));
    }
    EXPECT_EQ(f.trvKulturen->SelectedItem(), QStringLiteral("K1003"));
    EXPECT_EQ(f.txtName->text(), name);
    EXPECT_TRUE(f.cmbErgebnisSpeichern->isEnabled());
  }
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  const int vorher = state().comparison.AnzahlVergleichskulturen;
  ASSERT_TRUE(test::Click(f.cmbErgebnisSpeichern));
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  ASSERT_EQ(state().comparison.AnzahlVergleichskulturen, vorher + 1);
  EXPECT_EQ(state().comparison.VergleichskulturListe[vorher].Kultur, ui::S(name));
}

TEST_F(KalkulationFensterTest, StoringAppendsOneComparisonCultureSilently) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  const int vorher = state().comparison.AnzahlVergleichskulturen;
  const KalkulationsFenster inhalt = f.Inhalt();
  ASSERT_TRUE(test::Click(f.cmbErgebnisSpeichern));
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  ASSERT_EQ(state().comparison.AnzahlVergleichskulturen, vorher + 1);
  const VergleichskulturSatz& neu = state().comparison.VergleichskulturListe[vorher];
  EXPECT_EQ(neu.Kultur, inhalt.txtName);
  EXPECT_EQ(data::Kosten(neu, Kostenart::Heizung), inhalt.txtHeizung());
  EXPECT_EQ(data::Datenqualitaet(neu, Kostenart::Heizung), "1");
  EXPECT_EQ(neu.Nr, std::to_string(vorher));
  EXPECT_TRUE(prompts->messageBoxes().empty());
  EXPECT_EQ(ui::S(f.txtHeizung()->text()), inhalt.txtHeizung());
}

// Recorded work that cannot be read is missing data, not "no work": the labour and activity
// material boxes stay empty instead of showing 0,00 as computed, the margins that need them
// follow the margin rules, and one message says what could not be read.
TEST_F(KalkulationFensterTest, UnreadableRecordedWorkIsMissingDataAndSaidOnce) {
  const auto umbenennen = [](const std::string& von, const std::string& nach) {
    auto morvin = db::Database::Open(state().enterprise.AktuellerBetrieb);
    ASSERT_TRUE(morvin);
    ASSERT_TRUE(morvin->Execute("ALTER TABLE \"" + von + "\" RENAME TO \"" + nach + "\""));
  };
  frmKalkulation& f = Fenster();
  for (const char* tabelle : {"Taetigkeiten", "StdTaetigkeiten", "Personal"}) {
    SCOPED_TRACE(tabelle);
    Waehlen("K1003");
    ASSERT_TRUE(test::TypeInto(f.txtPreis, QStringLiteral("3,20")));
    // The table becomes unreadable while the culture is shown.
    umbenennen(tabelle, "Weg");
    const std::size_t vorher = Meldungen().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(f.cmbStart));
    EXPECT_TRUE(f.txtArbeit()->text().isEmpty());
    EXPECT_TRUE(f.txtPSM()->text().isEmpty());
    EXPECT_FALSE(f.txtHeizung()->text().isEmpty());
    EXPECT_FALSE(f.txtMaterial()->text().isEmpty());
    // The margins after the material costs and after labour need the emptied boxes.
    EXPECT_FALSE(f.txtMarktleistung->text().isEmpty());
    EXPECT_TRUE(f.txtSachkosten->text().isEmpty());
    EXPECT_TRUE(f.txtDB->text().isEmpty());
    EXPECT_TRUE(f.txtEKFL->text().isEmpty());
    ASSERT_EQ(Meldungen().size(), vorher + 1);
    EXPECT_TRUE(Meldungen().back().contains(QString::fromLatin1(tabelle))) << ui::S(Meldungen().back());
    umbenennen("Weg", tabelle);
  }
  // Readable again: both are computed.
  ASSERT_TRUE(test::Click(f.cmbStart));
  EXPECT_FALSE(f.txtArbeit()->text().isEmpty());
  EXPECT_FALSE(f.txtPSM()->text().isEmpty());
}

// Costs that could not be computed are not stored as 0,00 marked computed: the save is
// refused with one message naming them, and nothing is stored.
TEST_F(KalkulationFensterTest, StoringRefusesCostsThatCouldNotBeComputed) {
  frmKalkulation& f = Fenster();
  Waehlen("K1003");
  ASSERT_TRUE(test::TypeInto(f.txtPreis, QStringLiteral("3,20")));
  {
    auto morvin = db::Database::Open(state().enterprise.AktuellerBetrieb);
    ASSERT_TRUE(morvin);
    ASSERT_TRUE(morvin->Execute("ALTER TABLE \"Taetigkeiten\" RENAME TO \"Weg\""));
  }
  prompts->AnswerMsgBox(ui::msgbox::Ok);  // the recorded work cannot be read
  ASSERT_TRUE(test::Click(f.cmbStart));
  ASSERT_TRUE(f.txtArbeit()->text().isEmpty());
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  const int vorher = state().comparison.AnzahlVergleichskulturen;
  const std::size_t gezeigt = Meldungen().size();
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.cmbErgebnisSpeichern));
  ASSERT_EQ(Meldungen().size(), gezeigt + 1);
  EXPECT_TRUE(Meldungen().back().contains(QStringLiteral(": Material[Std], Arbeitskosten.")))
      << ui::S(Meldungen().back());
  mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
  EXPECT_EQ(state().comparison.AnzahlVergleichskulturen, vorher);
  EXPECT_TRUE(f.txtArbeit()->text().isEmpty());
}

// The price is checked where it is stored: changed after "Kalkulation" to text that is no
// amount, the save names it, gives it the focus and leaves the result database byte for byte
// as it was; emptied, it is stored as 0,00.
TEST_F(KalkulationFensterTest, StoringAfterAChangedPriceChecksThePrice) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  const std::string ergebnisse = state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  const std::string inhalt = test::Datenbankinhalt(ergebnisse);
  const std::string bytes = test::FileContents(ergebnisse);
  for (const char* preis : {"abc", "-5", "1e308"}) {
    SCOPED_TRACE(preis);
    ASSERT_TRUE(test::TypeInto(f.txtPreis, QString::fromLatin1(preis)));
    const std::size_t gezeigt = prompts->messageBoxes().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(f.cmbErgebnisSpeichern));
    ASSERT_EQ(prompts->messageBoxes().size(), gezeigt + 1);
    const QString text = prompts->messageBoxes().back().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Die Kalkulation wurde nicht gespeichert."))) << ui::S(text);
    EXPECT_TRUE(
        text.contains(QStringLiteral("Preis \"") + QString::fromLatin1(preis) + QStringLiteral("\": ein Betrag")))
        << ui::S(text);
    EXPECT_EQ(test::FocusWidget(), f.txtPreis);
    EXPECT_EQ(test::Datenbankinhalt(ergebnisse), inhalt);
    EXPECT_TRUE(test::FileContents(ergebnisse) == bytes);
  }
  ASSERT_TRUE(test::TypeInto(f.txtPreis, QString()));
  ASSERT_TRUE(test::Click(f.cmbErgebnisSpeichern));
  EXPECT_EQ(f.txtPreis->text(), QStringLiteral("0,00"));
  EXPECT_EQ(test::Abfragezeilen(ergebnisse, "SELECT Preis, Kultur FROM Vergleichskulturen ORDER BY rowid DESC LIMIT 1"),
            std::vector<std::string>{"0,00|" + ui::S(f.txtName->text())});
}

// A typed cost box holding what the key filter lets through but no amount ("1,2,3", more
// than the largest amount): leaving it recalculates without a word and leaves it out of the
// margins; "Kalkulation" and the save refuse it, name it and give it the focus.
TEST_F(KalkulationFensterTest, ATypedCostOutsideItsRuleIsLeftOutThenRefused) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  const QString marktleistung = f.txtMarktleistung->text();
  const std::string ergebnisse = state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  const std::string inhalt = test::Datenbankinhalt(ergebnisse);
  for (const char* wert : {"1,2,3", "2000000000000"}) {
    SCOPED_TRACE(wert);
    ASSERT_TRUE(test::TypeInto(f.txtEnergie(), QString::fromLatin1(wert)));
    ASSERT_EQ(f.txtEnergie()->text(), QString::fromLatin1(wert));
    const std::size_t vorher = prompts->messageBoxes().size();
    ASSERT_TRUE(test::PressTab());
    EXPECT_EQ(prompts->messageBoxes().size(), vorher);
    EXPECT_EQ(f.txtMarktleistung->text(), marktleistung);
    for (QLineEdit* box : {f.txtSachkosten, f.txtDB, f.txtEKFL, f.txtGewinn[1]}) {
      EXPECT_TRUE(box->text().isEmpty()) << ui::S(box->objectName());
    }
    for (QPushButton* knopf : {f.cmbErgebnisSpeichern, f.cmbStart}) {
      SCOPED_TRACE(ui::S(knopf->objectName()));
      const std::size_t gezeigt = prompts->messageBoxes().size();
      prompts->AnswerMsgBox(ui::msgbox::Ok);
      ASSERT_TRUE(test::Click(knopf));
      ASSERT_EQ(prompts->messageBoxes().size(), gezeigt + 1);
      EXPECT_TRUE(prompts->messageBoxes().back().text.contains(QStringLiteral("elek.Energie \"") +
                                                               QString::fromLatin1(wert) + QStringLiteral("\"")));
      EXPECT_EQ(test::FocusWidget(), f.txtEnergie());
      EXPECT_EQ(f.txtEnergie()->text(), QString::fromLatin1(wert));
    }
    EXPECT_FALSE(f.cmbErgebnisSpeichern->isEnabled());  // refused by "Kalkulation"
    EXPECT_EQ(test::Datenbankinhalt(ergebnisse), inhalt);
    ASSERT_TRUE(test::TypeInto(f.txtEnergie(), QStringLiteral("5")));
    ASSERT_TRUE(test::Click(f.cmbStart));
    ASSERT_TRUE(f.cmbErgebnisSpeichern->isEnabled());
  }
}

// "-5" put into a typed cost box by Ctrl+V never enters the calculation: either the box
// refuses the paste, or "Kalkulation" refuses the box; the material costs are never lowered
// by it and nothing is stored with it.
// Ctrl+V is no key of a value box, and text pasted by the context menu or dropped passes the
// same filter as typing: "-5" never reaches the costs. An allowed pasted or dropped value is
// the user's, as a typed one is: its origin becomes typed, so the result save cannot store it
// as computed.
TEST_F(KalkulationFensterTest, PastedCostsPassTheFilterAndBecomeTyped) {
  frmKalkulation& f = Fenster();
  Berechnen("K1003", "3,20");
  const QString sachkosten = f.txtSachkosten->text();
  ASSERT_TRUE(test::TypeInto(f.txtEnergie(), QStringLiteral("5")));
  ASSERT_EQ(state().calculation.HerkunftEnergie(), Herkunft::Eingegeben);
  test::SetClipboardText(QStringLiteral("-5"));
  ASSERT_TRUE(test::Press(Qt::Key_Home));
  ASSERT_TRUE(test::Press(Qt::Key_End, Qt::ShiftModifier));
  const int beeps = prompts->beeps();
  ASSERT_TRUE(test::Press(Qt::Key_V, Qt::ControlModifier));
  EXPECT_EQ(f.txtEnergie()->text(), QStringLiteral("5"));
  EXPECT_EQ(prompts->beeps(), beeps + 1);
  ASSERT_TRUE(test::PasteByContextMenu(f.txtEnergie(), QStringLiteral("-5")));
  EXPECT_EQ(f.txtEnergie()->text(), QStringLiteral("5"));
  ASSERT_TRUE(test::Click(f.cmbStart));
  EXPECT_NE(f.txtSachkosten->text(), sachkosten);
  EXPECT_EQ(f.txtSachkosten->text(), QStringLiteral("1584,63"));  // 1579,63 - 0,00 + 5

  // A computed box takes a pasted and a dropped value as typed.
  for (const bool ablegen : {false, true}) {
    SCOPED_TRACE(ablegen ? "drop" : "paste");
    Berechnen("K1003", "3,20");
    ASSERT_EQ(state().calculation.HerkunftMaschinen(), Herkunft::Errechnet);
    f.Wertfeld(Kostenart::Maschinen)->clear();
    ASSERT_EQ(state().calculation.HerkunftMaschinen(), Herkunft::Errechnet);
    ASSERT_TRUE(ablegen ? test::DropText(f.Wertfeld(Kostenart::Maschinen), QStringLiteral("7"))
                        : test::PasteByContextMenu(f.Wertfeld(Kostenart::Maschinen), QStringLiteral("7")));
    EXPECT_EQ(f.Wertfeld(Kostenart::Maschinen)->text(), QStringLiteral("7"));
    EXPECT_EQ(state().calculation.HerkunftMaschinen(), Herkunft::Eingegeben);
    EXPECT_TRUE(f.Kostenknopf(Kostenart::Maschinen)->text().endsWith(QStringLiteral(" *")));
  }
  const std::string ergebnisse = state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  EXPECT_TRUE(test::Abfragezeilen(ergebnisse, "SELECT Strom FROM Vergleichskulturen WHERE Strom = '-5'").empty());
}

}  // namespace
}  // namespace tolvar
