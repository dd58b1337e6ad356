// The staff and activity editors, the weekly working time and the wage classification on the
// sample enterprise: what the windows show, what they store, and how they close.
#include "masterdata/ui/frmPersonal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "app/mdiTolvarZentral.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "masterdata/ui/frmLohneinteilung.h"
#include "masterdata/ui/frmTaetigkeiten.h"
#include "masterdata/ui/frmWochenarbeitszeit.h"
#include "platform/db/database.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/keyedtree.h"
#include "settings/ui/frmTarif.h"
#include "support/ui_fixture.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar {
namespace {

// Presses and releases a key in `box`, as typing does.
void Taste(QWidget* box, int key, const QString& text = QString()) {
  QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(box, &druck);
  QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(box, &los);
}

void Tippen(QWidget* box, const QString& text) {
  for (QChar c : text) Taste(box, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_Period, QString(c));
}

class PersonalEditorenTest : public test::FensterTest {
 protected:
  void SetUp() override {
    HauptfensterLaden();
    MusterbetriebEinsetzen();
    mdlDatenLaden::PersonalLaden();
    mdlDatenLaden::TaetigkeitenLaden();
  }

  static int Index(const std::string& nr) {
    const tolvar::State& s = state();
    for (std::size_t i = 0; i < s.masters.PersonalListe.size(); ++i) {
      if (s.masters.PersonalListe[i].PersonalNr == nr) return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < s.masters.StdTaetigkeitListe.size(); ++i) {
      if (s.masters.StdTaetigkeitListe[i].StdTaetigkeitNr == nr) return static_cast<int>(i);
    }
    return -1;
  }
  // Opens the editor of `baum` as the pop-up dispatch does.
  template <class Fenster>
  Fenster& Oeffnen(const std::string& baum, const std::string& modus, const std::string& nr = "") {
    tolvar::State& s = state();
    s.selection.AktuellerBaum = baum;
    s.selection.Bearbeitungsmodus = modus;
    s.selection.AktuelleUeberPNr = "1001";
    if (!nr.empty()) (baum == "Personal" ? s.selection.PersonalIndex : s.selection.StdTaetigkeitIndex) = Index(nr);
    Fenster& f = Fenster::instanz();
    f.Show();
    return f;
  }
  std::string Wert(const std::string& sql, const std::vector<db::Value>& params = {}) const {
    auto db = db::Database::Open(state().enterprise.AktuellerBetrieb);
    return db ? db->Scalar(sql, params).text() : std::string("<keine Datenbank>");
  }
  int Anzahl(const std::string& tabelle, const std::string& nr) const {
    const std::string spalte = tabelle == "StdTaetigkeiten" ? "StdTaetigkeitNr" : "PersonalNr";
    return std::stoi(Wert("SELECT COUNT(*) FROM \"" + tabelle + "\" WHERE \"" + spalte + "\" = ?", {nr}));
  }
};

TEST_F(PersonalEditorenTest, NewRecordProposesNumberAndBarcodeAndSwitchingKindProposesIntoItsBox) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Neu");
  EXPECT_EQ(p.Caption(), QStringLiteral("Personal"));
  EXPECT_EQ(p.txtNr->text(), QStringLiteral("P1007"));
  EXPECT_EQ(p.txtCode->text(), QStringLiteral("200007"));
  EXPECT_TRUE(p.txtName->text().isEmpty());
  EXPECT_EQ(p.dtpGeburtstag->Value(), base::Today());
  EXPECT_TRUE(p.chbAktuell->isChecked() && p.chbGruAktuell->isChecked());
  EXPECT_TRUE(p.fraPersonal->isVisible() && !p.fraGruppe->isVisible());
  ASSERT_TRUE(test::Click(p.opbGruppe));
  EXPECT_TRUE(p.fraGruppe->isVisible() && !p.fraPersonal->isVisible());
  EXPECT_EQ(p.txtGruCode->text(), QStringLiteral("200007"));

  frmTaetigkeiten& t = Oeffnen<frmTaetigkeiten>("StdTaetigkeiten", "Neu");
  EXPECT_EQ(t.Caption(), QStringLiteral("Tätigkeiten"));
  EXPECT_EQ(t.txtNr->text(), QStringLiteral("StdT1010"));
  EXPECT_EQ(t.txtCode->text(), QStringLiteral("400010"));
  EXPECT_FALSE(t.cmbArbeitMaterial->isVisible());
  ASSERT_TRUE(test::Click(t.opbGruppe));
  EXPECT_EQ(t.txtGruCode->text(), QStringLiteral("400010"));
}

TEST_F(PersonalEditorenTest, ChangeShowsTheStoredRecordInItsFrameWithoutOptions) {
  struct Fall {
    std::string nr;
    bool gruppe;
    QString name;
    QString code;
    bool aktuell;
  };
  const Fall faelle[] = {
      {"P1003", false, QStringLiteral("Huber"), QStringLiteral("200003"), true},
      {"P1001", true, QStringLiteral("Stammpersonal"), QStringLiteral("200001"), true},
      {"P1006", false, QStringLiteral("Berger"), QStringLiteral("200006"), false},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.nr);
    frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Aendern", fall.nr);
    EXPECT_FALSE(p.opbPerson->isVisible());
    EXPECT_FALSE(p.opbGruppe->isVisible());
    EXPECT_EQ(p.fraGruppe->isVisible(), fall.gruppe);
    EXPECT_EQ(p.fraPersonal->isVisible(), !fall.gruppe);
    EXPECT_EQ(p.txtNr->text(), ui::Q(fall.nr));
    EXPECT_EQ((fall.gruppe ? p.txtGruName : p.txtName)->text(), fall.name);
    EXPECT_EQ((fall.gruppe ? p.txtGruCode : p.txtCode)->text(), fall.code);
    EXPECT_EQ((fall.gruppe ? p.chbGruAktuell : p.chbAktuell)->isChecked(), fall.aktuell);
    ASSERT_TRUE(test::Click(p.cmbAbbrechen));
    test::ProcessEvents();
  }
  frmPersonal& huber = Oeffnen<frmPersonal>("Personal", "Aendern", "P1003");
  EXPECT_EQ(huber.txtVorname->text(), QStringLiteral("Anna"));
  EXPECT_EQ(huber.dtpGeburtstag->Value(), *base::MakeDate(1978, 4, 12));
  EXPECT_EQ(huber.txtStrasse->text(), QStringLiteral("Gartenweg 3"));
  huber.Unload();
  test::ProcessEvents();

  frmTaetigkeiten& t = Oeffnen<frmTaetigkeiten>("StdTaetigkeiten", "Aendern", "StdT1001");
  EXPECT_TRUE(t.fraGruppe->isVisible());
  EXPECT_FALSE(t.opbTaetigkeit->isVisible());
  EXPECT_TRUE(t.cmbArbeitMaterial->isVisible());
  EXPECT_EQ(t.txtGruName->text(), QStringLiteral("Kulturarbeiten"));
  EXPECT_EQ(t.txtGruCode->text(), QStringLiteral("400001"));
}

TEST_F(PersonalEditorenTest, StoredBirthdayOf1900KeepsToday) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Aendern", "P1000");
  // P1000 is a group; use a person whose birthday is cleared.
  p.Unload();
  test::ProcessEvents();
  state().masters.PersonalListe[static_cast<std::size_t>(Index("P1004"))].Geburtstag = base::kNoDate;
  frmPersonal& maier = Oeffnen<frmPersonal>("Personal", "Aendern", "P1004");
  EXPECT_EQ(maier.dtpGeburtstag->Value(), base::Today());
}

TEST_F(PersonalEditorenTest, SaveWithoutNameStaysOpenThenStoresOneRowAndCloses) {
  frmTaetigkeiten& t = Oeffnen<frmTaetigkeiten>("StdTaetigkeiten", "Neu");
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(t.cmbSpeichern));
  test::ProcessEvents();
  ASSERT_TRUE(frmTaetigkeiten::IsLoaded());
  EXPECT_EQ(prompts->messageBoxes().back().text, QStringLiteral("Sie müssen erst einen Namen vergeben"));
  EXPECT_EQ(Anzahl("StdTaetigkeiten", "StdT1010"), 0);

  ASSERT_TRUE(test::TypeInto(t.txtName, QStringLiteral("Etikettieren und Verpacken")));
  ASSERT_TRUE(test::Click(t.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_FALSE(frmTaetigkeiten::IsLoaded());
  EXPECT_EQ(Anzahl("StdTaetigkeiten", "StdT1010"), 1);
  EXPECT_EQ(Wert("SELECT Kuerzel FROM StdTaetigkeiten WHERE StdTaetigkeitNr = 'StdT1010'"), "Etikettier");
  EXPECT_EQ(Wert("SELECT UeberPNr FROM StdTaetigkeiten WHERE StdTaetigkeitNr = 'StdT1010'"), "1001");
  // Closing reloaded the activity list.
  EXPECT_GE(Index("StdT1010"), 0);
}

TEST_F(PersonalEditorenTest, NewRecordKeepsTheParentTheMenuSetWhateverIsRightClickedLater) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Neu");
  frmTaetigkeiten& t = Oeffnen<frmTaetigkeiten>("StdTaetigkeiten", "Neu");
  // The menu command sets the parent only after the editor is shown ...
  state().selection.AktuelleUeberPNr = "1002";
  test::ProcessEvents();
  // ... and a later right-click on another tree moves the selection state.
  state().selection.AktuelleUeberPNr = "1005";
  ASSERT_TRUE(test::TypeInto(p.txtName, QStringLiteral("Weber")));
  ASSERT_TRUE(test::TypeInto(t.txtName, QStringLiteral("Etikettieren")));
  ASSERT_TRUE(test::Click(p.cmbSpeichern));
  ASSERT_TRUE(test::Click(t.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_EQ(Wert("SELECT UeberPNr FROM Personal WHERE PersonalNr = 'P1007'"), "1002");
  EXPECT_EQ(Wert("SELECT UeberPNr FROM StdTaetigkeiten WHERE StdTaetigkeitNr = 'StdT1010'"), "1002");
}

TEST_F(PersonalEditorenTest, ASecondDispatchDoesNotSwitchTheOpenEditorsMode) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Neu");
  ASSERT_TRUE(test::TypeInto(p.txtName, QStringLiteral("Weber")));
  Oeffnen<frmPersonal>("Personal", "Aendern", "P1003");
  EXPECT_EQ(p.Modus(), "Neu");
  ASSERT_TRUE(test::Click(p.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_EQ(Anzahl("Personal", "P1007"), 1);
  EXPECT_EQ(Wert("SELECT Name FROM Personal WHERE PersonalNr = 'P1003'"), "Huber");
}

TEST_F(PersonalEditorenTest, BarcodeBoxesRefuseEveryKeyWithABeep) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Neu");
  frmTaetigkeiten& t = Oeffnen<frmTaetigkeiten>("StdTaetigkeiten", "Neu");
  for (QLineEdit* box : {p.txtCode, t.txtCode}) {
    const QString vorher = box->text();
    const int beeps = prompts->beeps();
    Taste(box, Qt::Key_7, QStringLiteral("7"));
    Taste(box, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(box->text(), vorher);
    EXPECT_EQ(prompts->beeps() - beeps, 4);  // on pressing and on releasing each key
  }
}

// "Hilfe" is the default button: Enter in any box of either frame shows topic 5.4 and does
// nothing else; a box of several lines takes no line break from it.
TEST_F(PersonalEditorenTest, EnterInEveryBoxShowsHelpAndNothingElse) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Neu");
  ASSERT_TRUE(test::ActivateWindowOf(&p));
  ASSERT_TRUE(test::TypeInto(p.txtBemerkungen, QStringLiteral("Vormittags")));
  const auto pruefen = [&](const std::vector<QWidget*>& boxen) {
    for (QWidget* box : boxen) {
      ASSERT_TRUE(test::PressIn(box, Qt::Key_Return)) << ui::S(box->objectName());
      ASSERT_TRUE(ui::HelpViewer::Exists()) << ui::S(box->objectName());
      ui::HelpViewer& hilfe = ui::HelpViewer::Instance();
      ASSERT_TRUE(hilfe.isVisible()) << ui::S(box->objectName());
      EXPECT_EQ(hilfe.CurrentPage(), QStringLiteral("Abschnitt5.4.htm"));
      // The help window comes to the front; once it has, it is closed for the next box.
      ASSERT_TRUE(test::ActivateWindowOf(&hilfe));
      hilfe.hide();
    }
  };
  pruefen({p.txtName, p.txtVorname, p.txtStrasse, p.txtPostleitzahl, p.txtOrt, p.txtTelefon, p.dtpGeburtstag,
           p.txtBemerkungen});
  EXPECT_EQ(p.txtBemerkungen->toPlainText(), QStringLiteral("Vormittags"));
  EXPECT_TRUE(frmPersonal::IsLoaded());
  EXPECT_FALSE(frmLohneinteilung::IsLoaded());

  ASSERT_TRUE(test::Click(p.opbGruppe));
  pruefen({p.txtGruName, p.txtGruKuerzel, p.txtGruBemerkung});
  EXPECT_TRUE(p.txtGruBemerkung->toPlainText().isEmpty());
}

TEST_F(PersonalEditorenTest, WageButtonStoresTheNewPersonFirstAndOpensItsClassification) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Neu");
  ASSERT_TRUE(test::TypeInto(p.txtName, QStringLiteral("Weber")));
  ASSERT_TRUE(test::TypeInto(p.txtVorname, QStringLiteral("Eva")));
  ASSERT_TRUE(test::Click(p.cmdAusbildung));
  ASSERT_TRUE(frmLohneinteilung::IsLoaded());
  frmLohneinteilung& l = frmLohneinteilung::instanz();
  EXPECT_EQ(l.PersonalNr(), "P1007");
  EXPECT_EQ(l.lblName->text(), QStringLiteral("Weber, Eva"));
  EXPECT_FALSE(l.dtgLohn->isVisible());
  EXPECT_TRUE(l.lblKeineEintraege->isVisible());
  EXPECT_EQ(p.Modus(), "Aendern");
  ASSERT_TRUE(test::TypeInto(p.txtTelefon, QStringLiteral("089 1")));
  ASSERT_TRUE(test::Click(p.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_EQ(Anzahl("Personal", "P1007"), 1);
  EXPECT_EQ(Wert("SELECT Telefon FROM Personal WHERE PersonalNr = 'P1007'"), "089 1");
}

TEST_F(PersonalEditorenTest, WeeklyTimeOfANewPersonStoresThePersonFirstAndClosesWithTheEditor) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Neu");
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(p.cmbWochenarbeitszeit));
  EXPECT_FALSE(frmWochenarbeitszeit::IsLoaded()) << "a refused save opens nothing";

  ASSERT_TRUE(test::TypeInto(p.txtName, QStringLiteral("Weber")));
  ASSERT_TRUE(test::Click(p.cmbWochenarbeitszeit));
  ASSERT_TRUE(frmWochenarbeitszeit::IsLoaded());
  EXPECT_EQ(Anzahl("Personal", "P1007"), 1);
  EXPECT_EQ(frmWochenarbeitszeit::instanz().PersonalNr(), "P1007");
  ASSERT_TRUE(test::Click(p.cmbAbbrechen));
  test::ProcessEvents();
  EXPECT_FALSE(frmWochenarbeitszeit::IsLoaded());
}

TEST_F(PersonalEditorenTest, WeeklyTimeAddsAndRemovesEntriesInGridOrder) {
  frmPersonal& p = Oeffnen<frmPersonal>("Personal", "Aendern", "P1004");
  ASSERT_TRUE(test::Click(p.cmbWochenarbeitszeit));
  frmWochenarbeitszeit& w = frmWochenarbeitszeit::instanz();
  ui::Grid& g = *w.dtgWochenarbeitszeit;
  EXPECT_EQ(w.lblName->text(), QStringLiteral("Maier, Josef"));
  EXPECT_EQ(g.Rows(), 50);
  EXPECT_EQ(g.TextMatrix(0, 0), QStringLiteral("Stunden"));
  EXPECT_EQ(g.TextMatrix(2, 0), QStringLiteral("38,5"));
  EXPECT_EQ(w.txtDatum->text(), ui::Q(base::DateText(base::Today())));

  ASSERT_TRUE(test::TypeInto(w.txtStunden, QStringLiteral("30")));
  ASSERT_TRUE(test::TypeInto(w.txtDatum, QStringLiteral("15.09.2022")));
  ASSERT_TRUE(test::Click(w.cmbOK));
  EXPECT_EQ(g.TextMatrix(3, 1), QStringLiteral("15.09.2022"));
  ASSERT_TRUE(test::ClickCell(&g, 2, 0));
  ASSERT_TRUE(test::Click(w.cmbEntfernen));
  EXPECT_EQ(g.TextMatrix(2, 0), QStringLiteral("30"));
  EXPECT_EQ(g.Rows(), 50);
  EXPECT_EQ(g.CellBackColor(2, 0), QColor(255, 255, 128));
  EXPECT_EQ(Wert("SELECT Wochenarbeitszeit FROM Wochenarbeitszeit WHERE PersonalNr = 'P1004' ORDER BY rowid DESC"),
            "30");
  EXPECT_EQ(Anzahl("Wochenarbeitszeit", "P1004"), 2);
  EXPECT_EQ(Anzahl("Wochenarbeitszeit", "P1003"), 1) << "other persons' rows stay";
}

TEST_F(PersonalEditorenTest, WeeklyTimeGridGrowsSoNoStoredEntryIsLost) {
  {
    auto db = db::Database::Open(state().enterprise.AktuellerBetrieb);
    for (int i = 0; i < 55; ++i) {
      db->Execute(
          "INSERT INTO Wochenarbeitszeit (PersonalNr, Wochenarbeitszeit, DatumAb) VALUES ('P1005', ?, '01.01.2020')",
          {std::to_string(i + 1)});
    }
  }
  ASSERT_TRUE(test::Click(Oeffnen<frmPersonal>("Personal", "Aendern", "P1005").cmbWochenarbeitszeit));
  frmWochenarbeitszeit& w = frmWochenarbeitszeit::instanz();
  ASSERT_TRUE(test::TypeInto(w.txtStunden, QStringLiteral("12")));
  ASSERT_TRUE(test::Click(w.cmbOK));
  EXPECT_EQ(Anzahl("Wochenarbeitszeit", "P1005"), 57);
  EXPECT_TRUE(w.dtgWochenarbeitszeit->TextMatrix(w.dtgWochenarbeitszeit->Rows() - 1, 0).isEmpty());
}

// Each column takes its share of the grid's width as shown, so the entries are readable whole.
TEST_F(PersonalEditorenTest, StaffGridsShareTheirWidthAmongTheColumns) {
  ASSERT_TRUE(test::Click(Oeffnen<frmPersonal>("Personal", "Aendern", "P1004").cmbWochenarbeitszeit));
  state().selection.PersonalIndex = Index("P1004");
  frmLohneinteilung& l = frmLohneinteilung::instanz();
  l.Show();
  test::ProcessEvents();
  struct Fall {
    ui::Grid* grid;
    std::vector<int> teiler;  // each column is this share of the grid's width
  };
  for (const Fall& fall :
       {Fall{frmWochenarbeitszeit::instanz().dtgWochenarbeitszeit, {2, 2}}, Fall{l.dtgLohn, {2, 6, 3}}}) {
    ui::Grid& g = *fall.grid;
    SCOPED_TRACE(ui::S(g.objectName()));
    const int breite = g.ClientWidth();
    EXPECT_GT(breite, 2000);
    const QFontMetrics metrik(g.font());
    for (int col = 0; col < g.Cols(); ++col) {
      EXPECT_NEAR(g.ColWidth(col), breite / fall.teiler[static_cast<size_t>(col)], 15) << col;
      for (int row = 0; row < g.Rows(); ++row) {
        const QString text = g.TextMatrix(row, col);
        EXPECT_LT(metrik.horizontalAdvance(text) + 4, sys::TwipsToPixels(g.ColWidth(col))) << ui::S(text);
      }
    }
  }
}

TEST_F(PersonalEditorenTest, WageClassificationShowsSortedAndAddsReplacesDeletes) {
  state().selection.PersonalIndex = Index("P1004");
  frmLohneinteilung& l = frmLohneinteilung::instanz();
  l.Show();
  ui::Grid& g = *l.dtgLohn;
  EXPECT_EQ(l.lblName->text(), QStringLiteral("Maier, Josef"));
  ASSERT_EQ(g.Rows(), 4);  // header, two entries, one empty row
  EXPECT_EQ(g.TextMatrix(1, 2), QStringLiteral("01.03.2022"));
  EXPECT_EQ(g.TextMatrix(1, 0), QStringLiteral("Gärtner/in"));
  EXPECT_EQ(g.TextMatrix(1, 1).left(5), QStringLiteral("16,50"));
  EXPECT_EQ(l.comLohngruppen->count(), 3);

  // Replacing the group of an existing date keeps the row's ID.
  const std::string id = Wert("SELECT ID FROM Lohneinteilung WHERE PersonalNr = 'P1004' AND LohngruppenID = 1");
  ASSERT_TRUE(test::ChooseEntry(l.comLohngruppen, QStringLiteral("Saisonkraft")));
  // A full date box takes no more characters: it is emptied first.
  ASSERT_TRUE(test::TypeInto(l.txtDatum, QString()));
  ASSERT_TRUE(test::Type(QStringLiteral("1.3.2022")));
  ASSERT_TRUE(test::Click(l.cmbOK));
  EXPECT_EQ(Anzahl("Lohneinteilung", "P1004"), 2);
  EXPECT_EQ(Wert("SELECT ID FROM Lohneinteilung WHERE PersonalNr = 'P1004' AND LohngruppenID = 3"), id);
  EXPECT_EQ(l.txtDatum->text(), QStringLiteral("01.03.2022"));

  // An invalid date takes the calendar's date.
  ASSERT_TRUE(test::TypeInto(l.txtDatum, QString()));
  ASSERT_TRUE(test::Type(QStringLiteral("31.02.2020")));
  ASSERT_TRUE(test::Click(l.cmbOK));
  EXPECT_EQ(l.txtDatum->text(), ui::Q(base::DateText(base::Today())));
  EXPECT_EQ(Anzahl("Lohneinteilung", "P1004"), 3);

  // Deleting without a highlighted row deletes nothing; a click chooses the row.
  ASSERT_TRUE(test::Click(l.cmbEntfernen));
  EXPECT_EQ(Anzahl("Lohneinteilung", "P1004"), 3);
  ASSERT_TRUE(test::ClickCell(&g, 1, 0));
  EXPECT_EQ(l.comLohngruppen->currentText(), QStringLiteral("Saisonkraft"));
  EXPECT_EQ(l.txtDatum->text(), QStringLiteral("01.03.2022"));
  ASSERT_TRUE(test::Click(l.cmbEntfernen));
  EXPECT_EQ(Anzahl("Lohneinteilung", "P1004"), 2);
  EXPECT_EQ(g.Rows(), 4);
}

TEST_F(PersonalEditorenTest, WageDateBoxAcceptsDigitsAndFullStopsUpToTenCharacters) {
  state().selection.PersonalIndex = Index("P1003");
  frmLohneinteilung& l = frmLohneinteilung::instanz();
  l.Show();
  l.txtDatum->clear();
  Tippen(l.txtDatum, QStringLiteral("12.3"));
  int beeps = prompts->beeps();
  Taste(l.txtDatum, Qt::Key_A, QStringLiteral("a"));
  EXPECT_EQ(l.txtDatum->text(), QStringLiteral("12.3"));
  EXPECT_EQ(prompts->beeps(), beeps + 1);
  Taste(l.txtDatum, Qt::Key_Backspace, QStringLiteral("\b"));
  EXPECT_EQ(l.txtDatum->text(), QStringLiteral("12."));
  Tippen(l.txtDatum, QStringLiteral("03.20201"));
  EXPECT_EQ(l.txtDatum->text(), QStringLiteral("12.03.2020"));
  QMouseEvent doppel(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
  QApplication::sendEvent(l.txtDatum, &doppel);
  EXPECT_TRUE(l.movDatum->isVisible());
  ASSERT_TRUE(test::ClickDate(l.movDatum, *base::MakeDate(2021, 5, 4)));
  EXPECT_EQ(l.txtDatum->text(), QStringLiteral("04.05.2021"));
  EXPECT_FALSE(l.movDatum->isVisible());
}

// The wage classification keeps its person through the round trip to the wage-group window,
// whoever is chosen in the staff tree meanwhile and whether the staff editor is still open.
TEST_F(PersonalEditorenTest, WageClassificationComesBackFromTheWageGroupsForItsOwnPerson) {
  for (const bool personalSchliessen : {false, true}) {
    SCOPED_TRACE(personalSchliessen ? "staff editor closed" : "another person chosen");
    state().enterprise.ModusStammdaten = true;
    test::MainWindowShown();
    frmStammdaten& stamm = frmStammdaten::instanz();
    stamm.Show();
    ASSERT_TRUE(test::ActivateWindowOf(&stamm));
    ASSERT_TRUE(test::PopUpCommand(stamm.trvPersonal, QStringLiteral("P1004"), QStringLiteral("mnuPopUp3Aendern")));
    ASSERT_TRUE(frmPersonal::IsLoaded());
    ASSERT_TRUE(test::Click(frmPersonal::instanz().cmdAusbildung));
    test::Settle();
    ASSERT_EQ(frmLohneinteilung::instanz().PersonalNr(), "P1004");

    if (personalSchliessen) {
      ASSERT_TRUE(test::Click(frmPersonal::instanz().cmbAbbrechen));
    } else {
      // Another person chosen in the staff tree; its menu is left unused.
      stamm.trvPersonal->EnsureVisible(QStringLiteral("P1003"));
      ASSERT_TRUE(test::ClickNode(stamm.trvPersonal, QStringLiteral("P1003")));
      ASSERT_TRUE(test::RightClickNode(stamm.trvPersonal, QStringLiteral("P1003")));
      mdiTolvarZentral::instanz().LetztesPopUp()->hide();
      ASSERT_EQ(state().selection.PersonalIndex, Index("P1003"));
    }
    test::ProcessEvents();
    ASSERT_TRUE(test::Click(frmLohneinteilung::instanz().cmbLohngruppen));
    test::ProcessEvents();
    ASSERT_TRUE(frmTarif::IsLoaded());
    ASSERT_TRUE(test::Click(frmTarif::instanz().cmbAbbruch));
    test::ProcessEvents();

    ASSERT_TRUE(frmLohneinteilung::IsLoaded());
    frmLohneinteilung& l = frmLohneinteilung::instanz();
    EXPECT_EQ(l.PersonalNr(), "P1004");
    EXPECT_EQ(l.lblName->text(), QStringLiteral("Maier, Josef"));
    // "OK" adds the classification of the date shown (today) to that person.
    const int p1003 = Anzahl("Lohneinteilung", "P1003");
    const int p1004 = Anzahl("Lohneinteilung", "P1004");
    ASSERT_TRUE(test::Click(l.cmbOK));
    EXPECT_EQ(Anzahl("Lohneinteilung", "P1004"), p1004 + 1);
    EXPECT_EQ(Anzahl("Lohneinteilung", "P1003"), p1003);
    EXPECT_EQ(Anzahl("Lohneinteilung", ""), 0);
    // The next round starts with both editors closed and without today's classification.
    ASSERT_TRUE(test::Click(l.cmbBeenden));
    if (frmPersonal::IsLoaded()) {
      ASSERT_TRUE(test::Click(frmPersonal::instanz().cmbAbbrechen));
    }
    test::ProcessEvents();
    Wert("DELETE FROM Lohneinteilung WHERE DatumAb > '2025'");
  }
}

}  // namespace
}  // namespace tolvar
