// The culture data window in site mode: sites dragged onto the phases, occupancies edited,
// removed and saved, and the phase areas that follow.
#include "culture/ui/bewegungsdaten_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

base::Date Tag(int j, int m, int t) { return *base::MakeDate(j, m, t); }

class Standortmodus : public BewegungsdatenFenster {
 protected:
  void Betreten(const char* kultur = "K1003") {
    KulturWaehlen(kultur);
    ASSERT_TRUE(test::Click(form->cmbStandorte));
    ASSERT_TRUE(form->fraBearbeitenModus2->isVisibleTo(form));
  }
  std::vector<std::string> Belegungen(const char* kultur = "K1003") {
    return Abfragezeilen(Morvin(), std::string("SELECT StandortNr, Beginn, Ende, Flaeche FROM KulturStandorte WHERE "
                                               "KulturNr = '") +
                                       kultur + "' ORDER BY Beginn, StandortNr");
  }
  ui::Grid* Gitter() { return form->dtgStandorteModus2; }
};

TEST_F(Standortmodus, EnteredOnlyForACultureWithPhases) {
  KulturWaehlen("K1001");
  form->lblKultur->setText(QStringLiteral("alt"));
  ASSERT_TRUE(test::Click(form->cmbStandorte));
  EXPECT_TRUE(form->fraPhasenInfo->isVisibleTo(form));
  EXPECT_TRUE(form->lblKultur->text().isEmpty());

  Betreten();
  EXPECT_FALSE(form->fraPhasenInfo->isVisibleTo(form));
  EXPECT_EQ(form->lblPhasenUeberschrift->text(), QStringLiteral("Weihnachtsstern 13 cm"));
  EXPECT_EQ(form->trvPhasen_B->Count(), 3);
  EXPECT_EQ(form->txtPhaseName->text(), QStringLiteral("Bewurzelung"));
  EXPECT_EQ(form->txtBeginn_B->text(), QStringLiteral("01.07.2024"));
  EXPECT_EQ(form->txtTT_B->text(), QStringLiteral("24"));
  EXPECT_EQ(Gitter()->Rows(), 4);
  EXPECT_EQ(GitterZeile(Gitter(), 0, 4), "Standorte|Fläche (Nm²)|Beginn|Ende");
  EXPECT_EQ(GitterZeile(Gitter(), 1, 4), "Venlo-Haus 2|60|01 07 2024|28 07 2024");
  EXPECT_TRUE(form->trvStandort->Has(QStringLiteral("Sta1002")));
}

TEST_F(Standortmodus, DropsAddOneRowPerSiteWithThePhaseDates) {
  Betreten();
  QStringList gruppe;
  for (const QString& key : form->trvStandort->Keys()) {
    if (form->trvStandort->ParentKey(key) == QStringLiteral("Sta1001")) gruppe << form->trvStandort->Text(key);
  }
  struct Fall {
    QString key;
    QStringList namen;
  };
  const std::vector<Fall> faelle = {
      {QStringLiteral("Sta1003"), {QStringLiteral("Venlo-Haus 2")}},
      {QStringLiteral("Sta1001"), gruppe},  // every site below the group, in the tree's order
      {QStringLiteral("Standort"),
       {QStringLiteral("Venlo-Haus 1"), QStringLiteral("Venlo-Haus 2"), QStringLiteral("Folienhaus 1"),
        QStringLiteral("Stellfläche Freiland")}},  // list order
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(ui::S(f.key));
    mdlStandorte2::KulturStandorteLaden();
    form->KulturStandorteTabelleEinrichten();
    Ziehen(form->trvStandort, f.key, Gitter());
    ASSERT_EQ(Gitter()->Rows(), 4 + f.namen.size());
    EXPECT_EQ(state().culture.AnzahlKulturStandorte, 3 + f.namen.size());
    for (int i = 0; i < f.namen.size(); ++i) {
      EXPECT_EQ(GitterZeile(Gitter(), 4 + i, 4), ui::S(f.namen[i]) + "||01.07.2024|28.07.2024");
    }
    const int letzte = Gitter()->Rows() - 1;
    EXPECT_TRUE(Markiert(Gitter(), letzte, 3));
    EXPECT_FALSE(Markiert(Gitter(), 1, 0));
    EXPECT_EQ(Gitter()->Row(), letzte);
    EXPECT_EQ(Gitter()->Col(), 1);
  }
  EXPECT_EQ(Belegungen().size(), 3u);  // nothing stored by a drop
}

TEST_F(Standortmodus, DropsThatAddNothing) {
  Betreten();
  const bool markiert = Markiert(Gitter(), 1, 3);
  form->txtPhaseName->clear();
  Ziehen(form->trvStandort, QStringLiteral("Sta1002"), Gitter());
  EXPECT_EQ(Gitter()->Rows(), 4);
  ASSERT_TRUE(test::TypeInto(form->txtPhaseName, QStringLiteral("Bewurzelung")));
  Ziehen(form->trvKulturen, QStringLiteral("K1003"), Gitter());  // not the site tree
  EXPECT_EQ(Gitter()->Rows(), 4);
  EXPECT_EQ(Markiert(Gitter(), 1, 3), markiert);
}

TEST_F(Standortmodus, SaveChecksThenStoresOccupanciesAndPhaseAreas) {
  Betreten();
  ASSERT_TRUE(test::ClickNode(form->trvPhasen_B, QStringLiteral("K1003_3")));
  EXPECT_TRUE(Markiert(Gitter(), 3, 3));
  EXPECT_FALSE(Markiert(Gitter(), 2, 0));
  Ziehen(form->trvStandort, QStringLiteral("Sta1005"), Gitter());
  EXPECT_EQ(GitterZeile(Gitter(), 4, 4), "Folienhaus 1||16.09.2024|06.12.2024");

  // The cell is red while the message is open, not only after OK.
  QColor waehrendMeldung;
  prompts->AnswerMsgBox(ui::msgbox::Ok, [&] { waehrendMeldung = Gitter()->CellBackColor(4, 1); });
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Bitte prüfen sie die Eingabe.")});
  EXPECT_EQ(waehrendMeldung, frmBewegungsdaten::kRot);
  EXPECT_EQ(Gitter()->CellBackColor(4, 1), frmBewegungsdaten::kRot);
  EXPECT_EQ(Belegungen().size(), 3u);

  ASSERT_TRUE(test::ClickCell(Gitter(), 4, 1));
  GitterTippen("1/5,0\b0");
  EXPECT_EQ(Gitter()->TextMatrix(4, 1), QStringLiteral("150"));
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Belegungen(),
            (std::vector<std::string>{"Sta1003|2024-07-01|2024-07-28|60", "Sta1002|2024-07-29|2024-09-15|200",
                                      "Sta1002|2024-09-16|2024-12-06|400", "Sta1005|2024-09-16|2024-12-06|150"}));
  EXPECT_EQ(form->dtgPhase->TextMatrix(3, 2), QStringLiteral("550"));
  EXPECT_EQ(Abfragezeilen(Tolvar(), "SELECT \"Fläche\" FROM KulturPhasen WHERE KP_ID = 'K1003_3'"),
            std::vector<std::string>{"550"});
}

// The area typed into the grid is a number up to the largest amount: twenty nines are
// refused with both tables left as they were, 0 is stored and gives the phase no area.
TEST_F(Standortmodus, AnAreaBeyondTheLargestAmountIsRefusedAndZeroIsStored) {
  Betreten();
  ASSERT_TRUE(test::ClickCell(Gitter(), 1, 1));
  GitterTippen("\b\b99999999999999999999");
  const std::string morvin = Datenbankinhalt(Morvin());
  const std::string tolvar = Datenbankinhalt(Tolvar());
  QColor waehrendMeldung;
  prompts->AnswerMsgBox(ui::msgbox::Ok, [&] { waehrendMeldung = Gitter()->CellBackColor(1, 1); });
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral(
                             "Die Fläche des Standorts \"Venlo-Haus 2\" muss eine Zahl von 0 bis 1.000.000.000.000 "
                             "Nm² sein.")});
  EXPECT_EQ(waehrendMeldung, frmBewegungsdaten::kRot);
  EXPECT_EQ(Datenbankinhalt(Morvin()), morvin);
  EXPECT_EQ(Datenbankinhalt(Tolvar()), tolvar);

  ASSERT_TRUE(test::ClickCell(Gitter(), 1, 1));
  GitterTippen(std::string(20, '\b') + "0");
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Meldungen().size(), 1u);
  EXPECT_EQ(Belegungen()[0], "Sta1003|2024-07-01|2024-07-28|0");
  EXPECT_EQ(Abfragezeilen(Tolvar(), "SELECT \"Fläche\" FROM KulturPhasen WHERE KP_ID = 'K1003_1'"),
            std::vector<std::string>{"0"});
}

// An area each site takes can give a phase a gross area beyond the largest amount: the save
// works the phase areas out before it writes, refuses naming the phase, marks the areas that
// count for it and leaves both tables and the phase grid as they were, so the next save, and
// "Standort löschen", which saves at once, go through once the area is gone.
TEST_F(Standortmodus, APhaseAreaTheSitesGiveBeyondItsRuleRefusesBothTablesAndTheNextSaveWorks) {
  Betreten();
  ASSERT_TRUE(test::ClickCell(Gitter(), 3, 1));
  GitterTippen("\b\b\b1000000000000");  // 1,15 × 10¹² Nm² gross with 15 % paths
  const std::string morvin = Datenbankinhalt(Morvin());
  const std::string tolvar = Datenbankinhalt(Tolvar());
  const QString phasengitter = QString::fromStdString(GitterZeile(form->dtgPhase, 3, 10));
  QColor waehrendMeldung;
  prompts->AnswerMsgBox(ui::msgbox::Ok, [&] { waehrendMeldung = Gitter()->CellBackColor(3, 1); });
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral(
                             "Die Bruttofläche der Kulturphase \"Topfkultur weit\", die sich aus den Standorten "
                             "ergibt, muss eine Zahl von 0 bis 1.000.000.000.000 Nm² sein. Die Standorte wurden nicht "
                             "gespeichert.")});
  EXPECT_EQ(waehrendMeldung, frmBewegungsdaten::kRot);
  EXPECT_NE(Gitter()->CellBackColor(2, 1), frmBewegungsdaten::kRot);  // counts for another phase only
  EXPECT_EQ(Datenbankinhalt(Morvin()), morvin);
  EXPECT_EQ(Datenbankinhalt(Tolvar()), tolvar);
  EXPECT_EQ(QString::fromStdString(GitterZeile(form->dtgPhase, 3, 10)), phasengitter);

  // Removing the row saves at once and goes through; so does the next "Speichern".
  ASSERT_TRUE(test::DoubleClickCell(Gitter(), 3, 0));
  ASSERT_TRUE(test::Click(form->cmbLoeschen_B));
  EXPECT_EQ(Meldungen().size(), 1u);
  EXPECT_EQ(Belegungen(),
            (std::vector<std::string>{"Sta1003|2024-07-01|2024-07-28|60", "Sta1002|2024-07-29|2024-09-15|200"}));
  EXPECT_EQ(Abfragezeilen(Tolvar(), "SELECT \"Fläche\", \"BruttoFläche\" FROM KulturPhasen WHERE KP_ID = 'K1003_3'"),
            std::vector<std::string>{"0|0"});
  ASSERT_TRUE(test::ClickCell(Gitter(), 2, 1));
  GitterTippen("\b\b\b999999999999");
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Meldungen().size(), 2u);  // 1,15 × 999.999.999.999 is beyond the bound as well
  ASSERT_TRUE(test::ClickCell(Gitter(), 2, 1));
  GitterTippen("\b\b\b\b\b\b");
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Meldungen().size(), 2u);
  EXPECT_EQ(Abfragezeilen(Tolvar(), "SELECT \"Fläche\", \"BruttoFläche\" FROM KulturPhasen WHERE KP_ID = 'K1003_2'"),
            std::vector<std::string>{"999999|1149999"});
  EXPECT_EQ(form->dtgPhase->TextMatrix(2, 2), QStringLiteral("999999"));
}

// The phase grid's unsaved edits reach the phase saver from the site mode too, through its
// "Speichern" and through "Zurück zu Kulturphasen": a refused cell is checked before the
// occupancies are written and leaves both tables as they were.
TEST_F(Standortmodus, SaveAndReturnCheckThePhaseGridBeforeWritingAnything) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(test::ClickNode(form->trvPhasen, QStringLiteral("K1003_2")));
  ASSERT_TRUE(test::TypeInto(form->txtMenge, QStringLiteral("abc")));
  ASSERT_TRUE(test::Click(form->cmbStandorte));
  ASSERT_TRUE(test::ClickCell(Gitter(), 1, 1));
  GitterTippen("\b\b75");  // an occupancy change the save would store
  const std::string morvin = Datenbankinhalt(Morvin());
  const std::string tolvar = Datenbankinhalt(Tolvar());
  const QString menge = QStringLiteral("Der Wert für \"Menge\" der Kulturphase \"Topfkultur eng\"");

  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  ASSERT_EQ(Meldungen().size(), 1u);
  EXPECT_TRUE(Meldungen().back().startsWith(menge)) << ui::S(Meldungen().back());
  EXPECT_EQ(Datenbankinhalt(Morvin()), morvin);
  EXPECT_EQ(Datenbankinhalt(Tolvar()), tolvar);

  // Back in the phase mode the red cell is there while the message shows, and the box has the focus.
  QColor waehrendMeldung;
  prompts->AnswerMsgBox(ui::msgbox::Ok, [&] { waehrendMeldung = form->dtgPhase->CellBackColor(2, 1); });
  ASSERT_TRUE(test::Click(form->cmbAbbruch));
  EXPECT_TRUE(form->fraPhasenInfo->isVisibleTo(form));
  ASSERT_EQ(Meldungen().size(), 2u);
  EXPECT_TRUE(Meldungen().back().startsWith(menge));
  EXPECT_EQ(waehrendMeldung, frmBewegungsdaten::kRot);
  EXPECT_EQ(Datenbankinhalt(Morvin()), morvin);
  EXPECT_EQ(Datenbankinhalt(Tolvar()), tolvar);
  EXPECT_EQ(test::FocusWidget(), form->txtMenge);

  // A phase without plants is one the phases allow: it is stored as "0".
  ASSERT_TRUE(test::TypeInto(form->txtMenge, QStringLiteral("0")));
  ASSERT_TRUE(test::Click(form->cmbStandorte));
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  EXPECT_EQ(Meldungen().size(), 2u);
  EXPECT_EQ(Abfragezeilen(Tolvar(), "SELECT AnzahlPflanzen FROM KulturPhasen WHERE KP_ID = 'K1003_2'"),
            std::vector<std::string>{"0"});
}

TEST_F(Standortmodus, RemovingARowSavesAtOnce) {
  struct Fall {
    bool nurEine;
    std::size_t danach;
  };
  for (const Fall& f : {Fall{false, 2}, Fall{true, 0}}) {
    SCOPED_TRACE(f.nurEine ? "only row" : "one of three");
    if (f.nurEine) Exec(Morvin(), "DELETE FROM KulturStandorte WHERE KulturNr = 'K1003' AND Beginn = '2024-09-16'");
    Betreten();
    ASSERT_TRUE(test::Click(form->cmbLoeschen_B));  // nothing marked
    EXPECT_EQ(Belegungen().size(), f.nurEine ? 1u : 3u);
    ASSERT_TRUE(test::DoubleClickCell(Gitter(), 1, 0));
    EXPECT_TRUE(Markiert(Gitter(), 1, 3));
    ASSERT_TRUE(test::Click(form->cmbLoeschen_B));
    EXPECT_EQ(Belegungen().size(), f.danach);
    EXPECT_EQ(Gitter()->Rows(), static_cast<int>(f.danach) + 1);
    ASSERT_TRUE(test::Click(form->cmbAbbruch));
  }
}

TEST_F(Standortmodus, DateCellsTakeCalendarDatesAndTypedDates) {
  Betreten();
  struct Fall {
    int zeile;
    int spalte;
    base::Date gezeigt;
  };
  const std::vector<Fall> faelle = {{1, 2, Tag(2024, 7, 1)}, {3, 2, Tag(2024, 9, 15)}, {2, 3, Tag(2024, 9, 15)}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.zeile) + "," + std::to_string(f.spalte));
    ASSERT_TRUE(test::DoubleClickCell(Gitter(), f.zeile, f.spalte));
    EXPECT_TRUE(form->movStandort->isVisibleTo(form));
    EXPECT_EQ(form->movStandort->Value(), f.gezeigt);
    EXPECT_TRUE(Markiert(Gitter(), f.zeile, 3));
    // The open calendar lies over the grid: the shown day is taken before the next cell.
    if (&f != &faelle.back()) {
      ASSERT_TRUE(test::ClickDate(form->movStandort, f.gezeigt));
    }
  }
  EXPECT_EQ(form->movStandort->MinDate(), Tag(2024, 7, 1));
  EXPECT_EQ(form->movStandort->MaxDate(), Tag(2024, 12, 6));
  // The date goes into the cell that opened the calendar.
  ASSERT_TRUE(test::ClickDate(form->movStandort, Tag(2024, 9, 20)));
  EXPECT_EQ(Gitter()->TextMatrix(2, 3), QStringLiteral("20.09.2024"));
  EXPECT_FALSE(form->movStandort->isVisibleTo(form));

  ASSERT_TRUE(test::ClickCell(Gitter(), 1, 3));
  GitterTippen("\b\b\b\b\b\b\b\b\b\b");
  GitterTippen("3107,2024x");  // no comma, no letter
  EXPECT_EQ(Gitter()->TextMatrix(1, 3), QStringLiteral("31072024"));
  GitterTippen(".1.");  // no 11th character
  EXPECT_EQ(Gitter()->TextMatrix(1, 3), QStringLiteral("31072024.1"));
  ASSERT_TRUE(test::ClickCell(Gitter(), 1, 0));
  GitterTippen("x");
  EXPECT_EQ(Gitter()->TextMatrix(1, 0), QStringLiteral("Venlo-Haus 2"));

  // Enter moves right, from the last column to the next row; on the last row it stays there.
  GitterTippen("\r");
  EXPECT_EQ(Gitter()->Col(), 1);
  ASSERT_TRUE(test::ClickCell(Gitter(), 1, 3));
  GitterTippen("\r");
  EXPECT_EQ(Gitter()->Row(), 2);
  EXPECT_EQ(Gitter()->Col(), 0);
  ASSERT_TRUE(test::ClickCell(Gitter(), 3, 3));
  GitterTippen("\r");
  EXPECT_EQ(Gitter()->Row(), 3);
  EXPECT_EQ(Gitter()->Col(), 0);
}

// Choosing another culture in site mode and returning stores nothing of the culture before
// under the new culture's number.
TEST_F(Standortmodus, ReturningAfterAnotherCultureKeepsEachCulturesPhases) {
  const auto k1004 = Abfragezeilen(Tolvar(), "SELECT * FROM KulturPhasen WHERE Kulturnummer = 'K1004' ORDER BY rowid");
  Betreten();
  KulturWaehlen("K1004");
  EXPECT_EQ(form->txtPhaseName->text(), QStringLiteral("Jungpflanzen"));
  ASSERT_TRUE(test::Click(form->cmbAbbruch));
  EXPECT_TRUE(form->fraPhasenInfo->isVisibleTo(form));
  EXPECT_EQ(form->lblKultur->text(), QStringLiteral("Cyclamen 12 cm"));
  EXPECT_EQ(Abfragezeilen(Tolvar(), "SELECT * FROM KulturPhasen WHERE Kulturnummer = 'K1004' ORDER BY rowid").size(),
            k1004.size());
  EXPECT_EQ(Abfragezeilen(Tolvar(),
                          "SELECT Phasennamen FROM KulturPhasen WHERE Kulturnummer = 'K1004' ORDER BY Phasennummer"),
            (std::vector<std::string>{"Jungpflanzen", "Endtopf"}));

  // A group chosen in site mode leaves nothing a save could store under the group.
  ASSERT_TRUE(test::Click(form->cmbStandorte));
  KulturWaehlen("K1001");
  ASSERT_TRUE(test::Click(form->cmbSpeichernStandort));
  ASSERT_TRUE(test::Click(form->cmbAbbruch));
  EXPECT_TRUE(Abfragezeilen(Morvin(), "SELECT * FROM KulturStandorte WHERE KulturNr = 'K1001'").empty());
  EXPECT_TRUE(Abfragezeilen(Tolvar(), "SELECT * FROM KulturPhasen WHERE Kulturnummer = 'K1001'").empty());
}

}  // namespace
}  // namespace tolvar::test
