// The culture data window in phase mode: choosing a culture, the phase grid and boxes, the
// date rules, and opening, cancelling, deleting and saving phases.
#include <QApplication>
#include <QStyle>
#include <QStyleOptionFrame>
#include <functional>

#include "culture/ui/bewegungsdaten_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

const QString kEingabePruefen = QStringLiteral("Bitte prüfen sie die Eingabe.");
const QString kNameFehlt = QStringLiteral("Sie müssen erst einen Namen vergeben");

base::Date Tag(int j, int m, int t) { return *base::MakeDate(j, m, t); }

class Phasenmodus : public BewegungsdatenFenster {
 protected:
  std::vector<std::string> GespeichertePhasen(const char* kultur) {
    return Abfragezeilen(Tolvar(), std::string("SELECT Phasennummer, Phasennamen, Anfang, Ende FROM KulturPhasen "
                                               "WHERE Kulturnummer = '") +
                                       kultur + "' ORDER BY CAST(Phasennummer AS INTEGER)");
  }
};

TEST_F(Phasenmodus, ChoosingACultureShowsItsPhasesInTreeAndGrid) {
  KulturWaehlen("K1003");
  EXPECT_EQ(form->lblKultur->text(), QStringLiteral("Weihnachtsstern 13 cm"));
  EXPECT_EQ(form->trvPhasen->Keys(),
            (QStringList{QStringLiteral("K1003_1"), QStringLiteral("K1003_2"), QStringLiteral("K1003_3")}));
  EXPECT_EQ(form->trvPhasen->Text(QStringLiteral("K1003_2")), QStringLiteral("Topfkultur eng"));
  const ui::Grid* g = form->dtgPhase;
  EXPECT_EQ(g->Rows(), 26);
  EXPECT_EQ(GitterZeile(g, 0, 9), "Kulturphase|Menge|Fläche (Nm²)|Beginn|Ende|TT °C|NT °C|W/Nm²|h");
  EXPECT_EQ(GitterZeile(g, 1, 10), "Bewurzelung|6000|60|01.07.2024|28.07.2024|24|22|0|0|66");
  EXPECT_EQ(GitterZeile(g, 4, 10), "|||||||||");
  EXPECT_EQ(g->ColWidth(0), 2000);
  EXPECT_EQ(g->ColWidth(5), 750);
  EXPECT_FALSE(form->txtName->isEnabled());
  EXPECT_EQ(form->movDatum->MinDate(), Tag(2024, 7, 1));

  // A click on a group clears the phase view; an arrow key onto a group only disables the boxes.
  KulturWaehlen("K1001");
  EXPECT_EQ(form->trvPhasen->Count(), 0);
  EXPECT_TRUE(form->lblKultur->text().isEmpty());
  EXPECT_TRUE(form->dtgPhase->TextMatrix(1, 0).isEmpty());
  KulturWaehlen("K1004");
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1004_1")));
  ASSERT_TRUE(form->txtName->isEnabled());
  ASSERT_TRUE(test::ClickTreeSpace(form->trvKulturen));  // the focus, not another culture
  ASSERT_TRUE(test::Press(Qt::Key_Up));                  // from the culture onto the group above it
  ASSERT_EQ(form->trvKulturen->SelectedItem(), QStringLiteral("K1001"));
  EXPECT_FALSE(form->txtName->isEnabled());
  EXPECT_EQ(form->trvPhasen->Count(), 2);
  EXPECT_EQ(form->lblKultur->text(), QStringLiteral("Cyclamen 12 cm"));
}

TEST_F(Phasenmodus, AfterActivationTheCommandsWaitForACulture) {
  KulturWaehlen("K1003");
  ui::FormAccess::Activate(*form);
  EXPECT_EQ(form->trvPhasen->Count(), 0);
  EXPECT_EQ(form->lblKultur->text(), QStringLiteral("Weihnachtsstern 13 cm"));
  const auto vorher = GespeichertePhasen("K1003");
  ASSERT_TRUE(test::Click(form->cmbEntfernen));
  ASSERT_TRUE(test::Click(form->cmbLoeschen));
  ASSERT_TRUE(test::Click(form->cmbSpeichern));
  EXPECT_EQ(form->cmbEntfernen->text(), QStringLiteral("Neue Kulturphase"));
  EXPECT_TRUE(form->lblKultur->text().isEmpty());
  EXPECT_EQ(GespeichertePhasen("K1003"), vorher);
  EXPECT_TRUE(prompts->shown().empty());
}

// The date boxes show a whole date.
TEST_F(Phasenmodus, DateBoxesShowAWholeDate) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_1")));
  for (QLineEdit* box : {form->txtBeginn, form->txtEnde}) {
    SCOPED_TRACE(ui::S(box->objectName()));
    box->setText(QStringLiteral("29.07.2024"));  // as the calendar writes it
    QStyleOptionFrame option;
    option.initFrom(box);
    const int rahmen = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const int innen = box->width() - 2 * rahmen - 4;  // the line edit keeps 2 pixels each side
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()) + 1, innen);
  }
}

// No control laid out after the calendar covers it.
TEST_F(Phasenmodus, TheCalendarLiesOnTop) {
  ui::MonthCalendar* kalender = form->movDatum;
  const QRect flaeche(kalender->mapTo(form->fraPhasenInfo, QPoint(0, 0)), kalender->size());
  for (int y = flaeche.top() + 1; y < flaeche.bottom(); y += 5) {
    for (int x = flaeche.left() + 1; x < flaeche.right(); x += 5) {
      QWidget* oben = form->fraPhasenInfo->childAt(x, y);
      ASSERT_NE(oben, nullptr) << x << "," << y;
      ASSERT_TRUE(oben == kalender || kalender->isAncestorOf(oben))
          << x << "," << y << " " << ui::S(oben->objectName());
    }
  }
}

TEST_F(Phasenmodus, NewPhaseProposesItsStartAndCancellingLeavesNothing) {
  struct Fall {
    const char* kultur;
    bool ohnePhasen;
    int zeile;
    const char* beginn;
    base::Date kalender;
  };
  for (const Fall& f : {Fall{"K1003", false, 4, "07.12.2024", Tag(2024, 12, 8)},
                        Fall{"K1005", true, 1, "01.10.2024", Tag(2024, 10, 2)}}) {
    SCOPED_TRACE(f.kultur);
    if (f.ohnePhasen) Exec(Tolvar(), std::string("DELETE FROM KulturPhasen WHERE Kulturnummer = '") + f.kultur + "'");
    KulturWaehlen(f.kultur);
    ASSERT_TRUE(test::Click(form->cmbEntfernen));
    EXPECT_EQ(state().selection.PhasenIndex, f.zeile);
    EXPECT_TRUE(Markiert(form->dtgPhase, f.zeile, 8));
    EXPECT_EQ(form->dtgPhase->CellBackColor(f.zeile, 9), frmBewegungsdaten::kWeiss);
    EXPECT_EQ(form->txtBeginn->text(), QString::fromLatin1(f.beginn));
    EXPECT_EQ(form->dtgPhase->TextMatrix(f.zeile, 3), QString::fromLatin1(f.beginn));
    EXPECT_EQ(form->movDatum->MinDate(), f.kalender);
    EXPECT_EQ(form->movDatum->Value(), f.kalender);
    EXPECT_EQ(form->cmbEntfernen->text(), QStringLiteral("Eingabe löschen"));
    EXPECT_TRUE(form->txtDauer->isEnabled());

    ASSERT_TRUE(test::TypeInto(form->txtName, QStringLiteral("Neu")));
    ASSERT_TRUE(test::Click(form->cmbEntfernen));
    EXPECT_EQ(form->cmbEntfernen->text(), QStringLiteral("Neue Kulturphase"));
    EXPECT_EQ(GitterZeile(form->dtgPhase, f.zeile, 9), "||||||||");
    EXPECT_FALSE(Markiert(form->dtgPhase, f.zeile, 0));
    EXPECT_TRUE(form->txtName->text().isEmpty());
    EXPECT_FALSE(form->txtName->isEnabled());
  }
  EXPECT_EQ(GespeichertePhasen("K1005").size(), 0u);
}

TEST_F(Phasenmodus, NoTwentySixthPhase) {
  KulturWaehlen("K1003");
  state().culture.AnzahlPhasen = 25;
  ASSERT_TRUE(test::Click(form->cmbEntfernen));
  EXPECT_EQ(prompts->beeps(), 1);
  EXPECT_EQ(form->cmbEntfernen->text(), QStringLiteral("Neue Kulturphase"));
}

TEST_F(Phasenmodus, BoxesWriteThroughIntoTheSelectedRowOnly) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_2")));
  EXPECT_EQ(state().selection.PhasenIndex, 2);
  EXPECT_TRUE(Markiert(form->dtgPhase, 2, 8));
  EXPECT_FALSE(Markiert(form->dtgPhase, 1, 0));
  EXPECT_EQ(form->txtName->text(), QStringLiteral("Topfkultur eng"));
  EXPECT_EQ(form->txtEnde->text(), QStringLiteral("15.09.2024"));
  EXPECT_EQ(form->movDatum->Value(), Tag(2024, 7, 29));
  ASSERT_TRUE(test::TypeInto(form->txtMenge, QStringLiteral("5800")));
  ASSERT_TRUE(test::TypeInto(form->txtLicht, QStringLiteral("40")));
  EXPECT_EQ(GitterZeile(form->dtgPhase, 2, 9), "Topfkultur eng|5800|200|29.07.2024|15.09.2024|20|18|40|0");
  EXPECT_EQ(form->dtgPhase->TextMatrix(1, 1), QStringLiteral("6000"));
  state().selection.PhasenIndex = 0;  // no data row: nothing is written, the header least of all
  ASSERT_TRUE(test::TypeInto(form->txtName, QStringLiteral("Kopf")));
  EXPECT_EQ(form->dtgPhase->TextMatrix(0, 0), QStringLiteral("Kulturphase"));
}

TEST_F(Phasenmodus, KeyFiltersOfTheBoxes) {
  KulturWaehlen("K1003");
  // Phase 2: leaving its date boxes with the mouse checks nothing.
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_2")));
  struct Fall {
    QLineEdit* box;
    const char* text;
    bool ganzMarkiert;
    int taste;
    bool durch;
    const char* danach;
  };
  frmBewegungsdaten& w = *form;
  const std::vector<Fall> faelle = {
      {w.txtBeginn, "01.07", false, Qt::Key_3, true, "01.073"},
      {w.txtBeginn, "01.07", false, Qt::Key_Period, true, "01.07."},
      {w.txtBeginn, "01.07", false, Qt::Key_Comma, false, "01.07"},
      {w.txtBeginn, "01.07.2024", false, Qt::Key_1, false, "01.07.2024"},
      {w.txtBeginn, "01.07.2024", false, Qt::Key_Backspace, true, "01.07.202"},
      {w.txtEnde, "01.07.2024", true, Qt::Key_1, true, "1"},  // the marked date is emptied first
      {w.txtEnde, "01.07.2024", true, Qt::Key_A, false, ""},
      {w.txtTT, "2", false, Qt::Key_Comma, true, "2,"},
      {w.txtNT, "2", false, Qt::Key_Period, false, "2"},
      {w.txtLicht, "2", false, Qt::Key_X, false, "2"},
      {w.txtDauer, "2", false, Qt::Key_7, true, "27"},
      {w.txtName, "A", false, Qt::Key_Period, true, "A."},
  };
  int piepser = prompts->beeps();
  for (const Fall& f : faelle) {
    QLineEdit* box = f.box;
    SCOPED_TRACE(ui::S(box->objectName()) + " " + f.text + " " + std::to_string(f.taste));
    if (box != test::FocusWidget()) {
      box->setText(QStringLiteral("29.07.2024"));  // a date the calendar shows: the box keeps the focus
      ASSERT_TRUE(test::FocusByClick(box));
    }
    box->setText(QString::fromLatin1(f.text));  // the text before the key; the key is what is tested
    if (f.ganzMarkiert) {
      box->selectAll();
    } else {
      box->deselect();
      box->end(false);
    }
    ASSERT_TRUE(test::Press(f.taste));
    if (!f.durch) ++piepser;
    EXPECT_EQ(box->text(), QString::fromLatin1(f.danach));
  }
  EXPECT_EQ(prompts->beeps(), piepser);
}

TEST_F(Phasenmodus, EnterAndTheRightArrowMoveTheFocusOn) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_1")));
  EXPECT_EQ(test::FocusWidget(), form->txtName);
  ASSERT_TRUE(test::Press(Qt::Key_Right));
  EXPECT_EQ(test::FocusWidget(), form->txtMenge);
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(test::FocusWidget(), form->txtBeginn);
  // The dates typed over the selected ones, each followed by Enter; both pass their checks.
  ASSERT_TRUE(test::Type(QStringLiteral("02.07.2024")));
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(test::FocusWidget(), form->txtEnde);
  EXPECT_FALSE(state().windows.KalenderZielBeginn);
  ASSERT_TRUE(test::Type(QStringLiteral("27.07.2024")));
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(test::FocusWidget(), form->txtTT);
  EXPECT_EQ(GitterZeile(form->dtgPhase, 1, 5), "Bewurzelung|6000|60|02.07.2024|27.07.2024");
  EXPECT_TRUE(state().windows.KalenderZielBeginn);
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(test::FocusWidget(), form->txtNT);
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(test::FocusWidget(), form->txtLicht);
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(test::FocusWidget(), form->txtDauer);
  EXPECT_TRUE(prompts->shown().empty());
}

TEST_F(Phasenmodus, StartBoxHandsTheFocusOnWhenTheCalendarRefusesItsDate) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::Click(form->cmbEntfernen));  // calendar from 07.12.2024 + 1 day on
  ASSERT_TRUE(test::Click(form->txtBeginn));
  EXPECT_EQ(test::FocusWidget(), form->txtEnde);
  EXPECT_FALSE(state().windows.KalenderZielBeginn);
  // The box hands the focus on when clicked: the date stands in it as the calendar writes it.
  form->txtBeginn->setText(QStringLiteral("09.12.2024"));
  ASSERT_TRUE(test::FocusByClick(form->txtBeginn));
  EXPECT_EQ(test::FocusWidget(), form->txtBeginn);
  EXPECT_TRUE(state().windows.KalenderZielBeginn);
  EXPECT_EQ(form->movDatum->Value(), Tag(2024, 12, 9));
  ASSERT_TRUE(test::FocusByClick(form->txtEnde));
  EXPECT_FALSE(state().windows.KalenderZielBeginn);

  // A date chosen in the calendar goes into the box that had the focus last.
  ASSERT_TRUE(test::ClickDate(form->movDatum, Tag(2024, 12, 20)));
  EXPECT_EQ(form->txtEnde->text(), QStringLiteral("20.12.2024"));
  EXPECT_EQ(form->dtgPhase->TextMatrix(4, 4), QStringLiteral("20.12.2024"));
  ASSERT_TRUE(test::FocusByClick(form->txtBeginn));
  ASSERT_TRUE(test::ClickDate(form->movDatum, Tag(2024, 12, 10)));
  EXPECT_EQ(form->txtBeginn->text(), QStringLiteral("10.12.2024"));
  EXPECT_EQ(test::FocusWidget(), form->txtEnde);
}

// Tab and Shift+Tab leave the boxes (no beep, nothing typed): leaving the start box of phase 1
// runs its check. Leaving it with the mouse runs the check too, and the end box the click went
// to gets its GotFocus once the message box has given the focus back, so the next date chosen
// in the calendar goes into the end box.
TEST_F(Phasenmodus, LeavingTheStartBoxByTabOrMouseChecksItAndTheEndBoxTakesTheCalendar) {
  const QString anfang = QStringLiteral("Der eingegebene Phasenanfang ist ungültig. Bitte prüfen sie die Eingabe.");
  mdiTolvarZentral::instanz().ui::MainForm::Show();  // the frame only, without the opening sequence
  form->Show();
  KulturWaehlen("K1003");
  ASSERT_TRUE(ClickNode(form->trvPhasen, form->trvPhasen->KeyAt(1)));
  prompts->SetTakesFocus(true);
  ASSERT_TRUE(TypeInto(form->txtEnde, QStringLiteral("03.07.2024")));
  ASSERT_TRUE(TypeInto(form->txtBeginn, QStringLiteral("05.07.2024")));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(PressTab());
  EXPECT_EQ(Meldungen(), std::vector<QString>{anfang});
  EXPECT_EQ(FocusWidget(), form->txtEnde);
  ASSERT_TRUE(PressShiftTab());
  EXPECT_EQ(FocusWidget(), form->txtBeginn);
  EXPECT_EQ(form->txtBeginn->text(), QStringLiteral("05.07.2024"));

  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(form->txtEnde));
  EXPECT_EQ(Meldungen().size(), 2u);
  EXPECT_EQ(FocusWidget(), form->txtEnde);
  EXPECT_FALSE(state().windows.KalenderZielBeginn);
  ASSERT_TRUE(ClickDate(form->movDatum, Tag(2024, 7, 20)));
  EXPECT_EQ(form->txtEnde->text(), QStringLiteral("20.07.2024"));
  EXPECT_EQ(form->txtBeginn->text(), QStringLiteral("05.07.2024"));
  EXPECT_EQ(prompts->beeps(), 0);
}

TEST_F(Phasenmodus, DateChecksWhenTheBoxesLoseTheFocus) {
  const QString ende = QStringLiteral("Das eingegeben Phasenende ist ungültig. Bitte prüfen sie die Eingabe.");
  const QString anfang = QStringLiteral("Der eingegebene Phasenanfang ist ungültig. Bitte prüfen sie die Eingabe.");
  const QString doppelt =
      QStringLiteral("Der eingegebene Phasenanfang ist ungültig ist ungültig. Bitte prüfen sie die Eingabe.");
  struct Fall {
    bool endePruefen;  // else the start box loses the focus
    int phase;
    bool perEnter;  // the end box is left by Enter, else with the mouse
    const char* beginn;
    const char* ende;
    QString meldung;
  };
  const std::vector<Fall> faelle = {
      {true, 1, true, "01.07.2024", "01.07.2024", ende},  // the same day is no period
      {true, 1, true, "01.07.2024", "1.8.2024", ende},
      {true, 1, true, "", "01.08.2024", doppelt},
      {true, 1, true, "01.07.2024", "02.07.2024", QString()},
      {true, 1, false, "01.07.2024", "01.07.2024", QString()},  // left with the mouse: no check
      {false, 1, false, "", "", anfang},
      {false, 1, false, "05.07.2024", "01.07.2024", anfang},
      {false, 1, false, "01.07.2024", "", QString()},
      {false, 2, false, "05.07.2024", "01.07.2024", QString()},  // only phase 1's start is checked
  };
  KulturWaehlen("K1003");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.beginn) + " - " + f.ende);
    ASSERT_TRUE(test::ClickNode(form->trvPhasen, form->trvPhasen->KeyAt(f.phase)));
    // Both dates stand in their boxes before either is left: typing one would leave the other,
    // and leaving a box is what runs the check under test.
    form->txtBeginn->setText(QString::fromLatin1(f.beginn));
    form->txtEnde->setText(QString::fromLatin1(f.ende));
    const std::size_t vorher = prompts->shown().size();
    if (!f.meldung.isEmpty()) prompts->AnswerMsgBox(ui::msgbox::Ok);
    if (f.endePruefen) {
      ASSERT_TRUE(test::FocusByClick(form->txtEnde));
      if (f.perEnter) {
        // Enter right after the box took the focus would empty it: the date is typed again.
        ASSERT_TRUE(test::Type(QString::fromLatin1(f.ende)));
        ASSERT_TRUE(test::PressEnter());
      } else {
        ASSERT_TRUE(test::FocusByClick(form->txtTT));
      }
    } else {
      // A start box without a date the calendar shows hands the focus on at once.
      ASSERT_TRUE(test::Click(form->txtBeginn));
      if (test::FocusWidget() == form->txtBeginn) {
        ASSERT_TRUE(test::Click(form->txtTT));
      }
    }
    if (f.meldung.isEmpty()) {
      EXPECT_EQ(prompts->shown().size(), vorher);
    } else {
      ASSERT_EQ(prompts->shown().size(), vorher + 1);
      EXPECT_EQ(prompts->shown().back().text, f.meldung);
      EXPECT_EQ(prompts->shown().back().style, ui::msgbox::Critical);
      EXPECT_EQ(test::FocusWidget(), form->txtEnde);
    }
  }
}

TEST_F(Phasenmodus, SaveChecksTheSequenceFirst) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_2")));
  ASSERT_TRUE(test::TypeInto(form->txtBeginn, QStringLiteral("30.07.2024")));  // a day's gap after phase 1
  const auto vorher = GespeichertePhasen("K1003");
  // The cells are red while the message is open, not only after OK.
  std::vector<QColor> waehrendMeldung;
  prompts->AnswerMsgBox(ui::msgbox::Ok, [&] {
    waehrendMeldung = {form->dtgPhase->CellBackColor(2, 3), form->dtgPhase->CellBackColor(1, 4)};
  });
  ASSERT_TRUE(test::Click(form->cmbSpeichern));
  EXPECT_EQ(Meldungen(), std::vector<QString>{kEingabePruefen});
  EXPECT_EQ(waehrendMeldung, (std::vector<QColor>{frmBewegungsdaten::kRot, frmBewegungsdaten::kRot}));
  EXPECT_EQ(form->dtgPhase->CellBackColor(2, 3), frmBewegungsdaten::kRot);
  EXPECT_EQ(form->dtgPhase->CellBackColor(1, 4), frmBewegungsdaten::kRot);
  EXPECT_FALSE(state().culture.EingabeOk);
  EXPECT_EQ(GespeichertePhasen("K1003"), vorher);

  ASSERT_TRUE(test::TypeInto(form->txtBeginn, QStringLiteral("29.07.2024")));
  ASSERT_TRUE(test::TypeInto(form->txtName, QStringLiteral("Topfkultur dicht")));
  ASSERT_TRUE(test::Click(form->cmbSpeichern));
  EXPECT_EQ(GespeichertePhasen("K1003"),
            (std::vector<std::string>{"1|Bewurzelung|2024-07-01|2024-07-28", "2|Topfkultur dicht|2024-07-29|2024-09-15",
                                      "3|Topfkultur weit|2024-09-16|2024-12-06"}));
  EXPECT_EQ(form->dtgPhase->CellBackColor(2, 3), frmBewegungsdaten::kWeiss);
  EXPECT_EQ(form->trvPhasen->Text(QStringLiteral("K1003_2")), QStringLiteral("Topfkultur dicht"));
  EXPECT_TRUE(form->txtName->text().isEmpty());
}

// Each number box of a phase, typed through its key filter and saved with the button or
// with Enter in the last box: a refused value stores nothing, keeps its text, turns its cell
// red before its message shows and gets the focus back; an allowed one is stored ("0" for an
// empty box).
TEST_F(Phasenmodus, SaveRefusesNumbersOutsideTheirBoxRule) {
  struct Fall {
    QLineEdit* frmBewegungsdaten::*box;
    int spalte;
    const char* getippt;
    const char* angezeigt;    // after the key filter
    const char* spaltenname;  // null: stored
  };
  const std::vector<Fall> faelle = {
      {&frmBewegungsdaten::txtMenge, 1, "abc", "abc", "Menge"},
      {&frmBewegungsdaten::txtMenge, 1, "1,2,3", "1,2,3", "Menge"},
      {&frmBewegungsdaten::txtMenge, 1, "-5", "-5", "Menge"},
      {&frmBewegungsdaten::txtMenge, 1, "1e308", "1e308", "Menge"},
      {&frmBewegungsdaten::txtMenge, 1, "12,5", "12,5", "Menge"},
      {&frmBewegungsdaten::txtMenge, 1, "", "", nullptr},
      {&frmBewegungsdaten::txtMenge, 1, "0", "0", nullptr},
      {&frmBewegungsdaten::txtMenge, 1, "5800", "5800", nullptr},
      {&frmBewegungsdaten::txtTT, 5, "abc", nullptr, nullptr},  // nothing passes the filter: the text stays
      {&frmBewegungsdaten::txtTT, 5, "1,2,3", "1,2,3", "TT °C"},
      {&frmBewegungsdaten::txtTT, 5, "-5", "5", nullptr},
      {&frmBewegungsdaten::txtTT, 5, "", "", nullptr},
      {&frmBewegungsdaten::txtTT, 5, "50,5", "50,5", nullptr},
      {&frmBewegungsdaten::txtNT, 6, "1e308", "1308", nullptr},
      {&frmBewegungsdaten::txtNT, 6, "16,5", "16,5", nullptr},
      {&frmBewegungsdaten::txtLicht, 7, "1,2,3", "1,2,3", "Zusatzbelichtung (W/Nm²)"},
      {&frmBewegungsdaten::txtLicht, 7, "1e308", "1308", nullptr},
      {&frmBewegungsdaten::txtDauer, 8, "1,2,3", "1,2,3", "Zusatzbelichtung (h)"},
      {&frmBewegungsdaten::txtDauer, 8, "25", "25", "Zusatzbelichtung (h)"},
      {&frmBewegungsdaten::txtDauer, 8, "16", "16", nullptr},
  };
  KulturWaehlen("K1003");
  for (const bool mitEnter : {false, true}) {
    for (const Fall& f : faelle) {
      QLineEdit* box = form->*f.box;
      SCOPED_TRACE(ui::S(box->objectName()) + " \"" + f.getippt + (mitEnter ? "\" Enter" : "\" button"));
      ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_2")));
      const QString angezeigt = f.angezeigt != nullptr ? QString::fromUtf8(f.angezeigt) : box->text();
      ASSERT_TRUE(test::TypeInto(box, QString::fromUtf8(f.getippt)));
      ASSERT_EQ(box->text(), angezeigt);
      const std::string vorher = Datenbankinhalt(Tolvar());
      const std::size_t gezeigt = Meldungen().size();
      QColor waehrendMeldung;
      if (f.spaltenname != nullptr) {
        prompts->AnswerMsgBox(ui::msgbox::Ok, [&] { waehrendMeldung = form->dtgPhase->CellBackColor(2, f.spalte); });
      }
      if (mitEnter) {
        ASSERT_TRUE(test::PressIn(form->txtDauer, Qt::Key_Return));
      } else {
        ASSERT_TRUE(test::Click(form->cmbSpeichern));
      }
      if (f.spaltenname == nullptr) {
        EXPECT_EQ(Meldungen().size(), gezeigt);
        EXPECT_EQ(form->dtgPhase->TextMatrix(2, f.spalte), angezeigt.isEmpty() ? QStringLiteral("0") : angezeigt);
        continue;
      }
      ASSERT_EQ(Meldungen().size(), gezeigt + 1);
      EXPECT_TRUE(Meldungen().back().startsWith(QStringLiteral("Der Wert für \"%1\" der Kulturphase \"Topfkultur eng\"")
                                                    .arg(QString::fromUtf8(f.spaltenname))))
          << ui::S(Meldungen().back());
      EXPECT_EQ(Datenbankinhalt(Tolvar()), vorher);
      EXPECT_EQ(box->text(), angezeigt);
      EXPECT_EQ(test::FocusWidget(), box);
      EXPECT_EQ(waehrendMeldung, frmBewegungsdaten::kRot);
      EXPECT_EQ(form->dtgPhase->CellBackColor(2, f.spalte), frmBewegungsdaten::kRot);
    }
  }
}

TEST_F(Phasenmodus, SaveWithoutANameStoresNothing) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::Click(form->cmbEntfernen));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(form->cmbSpeichern));
  EXPECT_EQ(Meldungen(), std::vector<QString>{kNameFehlt});
  EXPECT_EQ(GespeichertePhasen("K1003").size(), 3u);
  EXPECT_EQ(form->cmbEntfernen->text(), QStringLiteral("Neue Kulturphase"));
}

TEST_F(Phasenmodus, NewPhaseSavedByEnterInTheLastBox) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::Click(form->cmbEntfernen));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::PressIn(form->txtDauer, Qt::Key_Return));
  EXPECT_EQ(Meldungen(), std::vector<QString>{kNameFehlt});
  EXPECT_EQ(GespeichertePhasen("K1003").size(), 3u);

  ASSERT_TRUE(test::TypeInto(form->txtName, QStringLiteral("Verkauf")));
  ASSERT_TRUE(test::TypeInto(form->txtMenge, QStringLiteral("5900")));
  // Before its start: this path does not check the sequence.
  ASSERT_TRUE(test::TypeInto(form->txtEnde, QStringLiteral("01.12.2024")));
  ASSERT_TRUE(test::PressIn(form->txtDauer, Qt::Key_Return));
  const auto phasen = GespeichertePhasen("K1003");
  ASSERT_EQ(phasen.size(), 4u);
  EXPECT_EQ(phasen[3], "4|Verkauf|2024-12-07|2024-12-01");
  EXPECT_EQ(form->cmbEntfernen->text(), QStringLiteral("Neue Kulturphase"));
  EXPECT_EQ(form->trvPhasen->Count(), 4);
}

TEST_F(Phasenmodus, DeletingAPhaseMovesTheLaterOnesIntoTheFreedPeriods) {
  struct Fall {
    int phase;
    int antwort;
    std::vector<std::string> danach;
  };
  const std::vector<Fall> faelle = {
      {2, ui::msgbox::Yes, {"1|Bewurzelung|2024-07-01|2024-07-28", "2|Topfkultur weit|2024-07-29|2024-09-15"}},
      {1, ui::msgbox::Yes, {"1|Topfkultur eng|2024-07-29|2024-09-15", "2|Topfkultur weit|2024-09-16|2024-12-06"}},
      {2,
       ui::msgbox::No,
       {"1|Bewurzelung|2024-07-01|2024-07-28", "2|Topfkultur eng|2024-07-29|2024-09-15",
        "3|Topfkultur weit|2024-09-16|2024-12-06"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.phase) + (f.antwort == ui::msgbox::Yes ? " Ja" : " Nein"));
    Exec(Tolvar(), "DELETE FROM KulturPhasen WHERE Kulturnummer = 'K1003'");
    Exec(Tolvar(),
         "INSERT INTO KulturPhasen VALUES ('K1003_1','K1003','1','Bewurzelung','6000','60','66','2024-07-01',"
         "'2024-07-28','24','22','0','0'),('K1003_2','K1003','2','Topfkultur eng','6000','200','230','2024-07-29',"
         "'2024-09-15','20','18','0','0'),('K1003_3','K1003','3','Topfkultur weit','5900','400','460','2024-09-16',"
         "'2024-12-06','20','17','0','0')");
    KulturWaehlen("K1003");
    ASSERT_TRUE(test::ClickNode(form->trvPhasen, form->trvPhasen->KeyAt(f.phase)));
    prompts->AnswerMsgBox(f.antwort);
    const std::size_t vorher = prompts->shown().size();
    ASSERT_TRUE(test::Click(form->cmbLoeschen));
    ASSERT_EQ(prompts->shown().size(), vorher + 1);
    EXPECT_EQ(prompts->shown().back().style, ui::msgbox::YesNo + ui::msgbox::Question);
    EXPECT_TRUE(prompts->shown().back().text.startsWith(QStringLiteral("Es werde nur die Daten der Kulturphasen")));
    EXPECT_EQ(GespeichertePhasen("K1003"), f.danach);
    if (f.antwort == ui::msgbox::No) {
      EXPECT_TRUE(Markiert(form->dtgPhase, f.phase, 8));
    }
  }
}

// Deleting a phase and rewriting the others succeed or fail together: a refused rewrite
// leaves the stored phases, the grid and the tree as they were.
TEST_F(Phasenmodus, DeletingIsRefusedWholeWhenAnotherRowHoldsNoDate) {
  MainWindowShown();
  form->Show();
  ASSERT_TRUE(ActivateWindowOf(form));
  form->trvKulturen->EnsureVisible(QStringLiteral("K1003"));
  ASSERT_TRUE(ClickNode(form->trvKulturen, QStringLiteral("K1003")));
  const std::vector<std::string> vorher = GespeichertePhasen("K1003");
  ASSERT_EQ(vorher.size(), 3u);
  ASSERT_TRUE(ClickNode(form->trvPhasen, form->trvPhasen->KeyAt(2)));
  ASSERT_TRUE(TypeInto(form->txtBeginn, QStringLiteral("31.13.2024")));
  ASSERT_EQ(form->dtgPhase->TextMatrix(2, 3), QStringLiteral("31.13.2024"));
  ASSERT_TRUE(ClickNode(form->trvPhasen, form->trvPhasen->KeyAt(3)));
  prompts->AnswerMsgBox(ui::msgbox::Yes);
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(form->cmbLoeschen));
  ASSERT_EQ(prompts->shown().size(), 2u);
  EXPECT_TRUE(prompts->shown().back().text.contains(QStringLiteral("kein gültiges Datum")));
  EXPECT_EQ(GespeichertePhasen("K1003"), vorher);
  EXPECT_EQ(GitterZeile(form->dtgPhase, 2, 4), "Topfkultur eng|6000|200|31.13.2024");
  EXPECT_EQ(GitterZeile(form->dtgPhase, 3, 1), "Topfkultur weit");
  EXPECT_EQ(form->trvPhasen->Count(), 3);
}

// The rows that stay after a delete are checked before the stored phase goes: an unsaved
// refused value in another phase keeps every stored phase, and its cell is red while the
// message shows, in its grid row above the row that would go.
TEST_F(Phasenmodus, DeletingIsRefusedWholeWhenARemainingRowBreaksItsRule) {
  KulturWaehlen("K1003");
  const std::string vorher = Datenbankinhalt(Tolvar());
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_3")));
  ASSERT_TRUE(test::TypeInto(form->txtTT, QStringLiteral("1,2,3")));
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_1")));
  prompts->AnswerMsgBox(ui::msgbox::Yes);
  QColor waehrendMeldung;
  prompts->AnswerMsgBox(ui::msgbox::Ok, [&] { waehrendMeldung = form->dtgPhase->CellBackColor(3, 5); });
  ASSERT_TRUE(test::Click(form->cmbLoeschen));
  ASSERT_EQ(Meldungen().size(), 2u);
  EXPECT_TRUE(
      Meldungen().back().startsWith(QStringLiteral("Der Wert für \"TT °C\" der Kulturphase \"Topfkultur weit\"")));
  EXPECT_EQ(waehrendMeldung, frmBewegungsdaten::kRot);
  EXPECT_EQ(Datenbankinhalt(Tolvar()), vorher);
  EXPECT_EQ(GitterZeile(form->dtgPhase, 1, 1), "Bewurzelung");
  EXPECT_EQ(form->dtgPhase->TextMatrix(3, 5), QStringLiteral("1,2,3"));
  EXPECT_EQ(form->trvPhasen->Count(), 3);
}

TEST_F(Phasenmodus, DeleteWithoutAMarkedRowOrOnTheNewRow) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::Click(form->cmbLoeschen));  // nothing marked: no question, nothing deleted
  EXPECT_TRUE(prompts->shown().empty());

  ASSERT_TRUE(test::Click(form->cmbEntfernen));
  ASSERT_TRUE(test::TypeInto(form->txtName, QStringLiteral("Unfertig")));
  prompts->AnswerMsgBox(ui::msgbox::Yes);
  ASSERT_TRUE(test::Click(form->cmbLoeschen));
  EXPECT_EQ(GespeichertePhasen("K1003").size(), 3u);
  EXPECT_EQ(form->trvPhasen->Count(), 3);
  EXPECT_EQ(form->cmbEntfernen->text(), QStringLiteral("Eingabe löschen"));
}

TEST_F(Phasenmodus, HelpTopicFollowsTheMode) {
  KulturWaehlen("K1003");
  const std::vector<std::pair<std::function<void()>, std::string>> faelle = {
      {[] {}, "6.1.1"},
      {[this] { EXPECT_TRUE(test::Click(form->cmbStandorte)); }, "6.1.2"},
      {[this] {
         EXPECT_TRUE(test::Click(form->cmbAbbruch));
         EXPECT_TRUE(test::Click(form->cmbMaterial));
       },
       "6.1.3"},
  };
  for (const auto& [schritt, thema] : faelle) {
    schritt();
    ASSERT_TRUE(test::PressF1());
    EXPECT_EQ(state().windows.HilfeThema, thema);
  }
}

}  // namespace
}  // namespace tolvar::test
