// The culture data window in material mode: materials dragged onto the phases with their
// quantities, rows edited, deleted and saved.
#include <algorithm>

#include "culture/ui/bewegungsdaten_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

base::Date Tag(int j, int m, int t) { return *base::MakeDate(j, m, t); }

class Materialmodus : public BewegungsdatenFenster {
 protected:
  void Betreten(const char* kultur = "K1003") {
    KulturWaehlen(kultur);
    ASSERT_TRUE(test::Click(form->cmbMaterial));
    ASSERT_TRUE(form->fraMaterial->isVisibleTo(form));
  }
  std::vector<std::string> Gespeichert(const char* kultur = "K1003") {
    return Abfragezeilen(Tolvar(), std::string("SELECT MaNr, Menge, Datum FROM Material WHERE KulturNr = '") + kultur +
                                       "' ORDER BY Datum, rowid");
  }
  MaterialSatz& Material(const char* nr) {
    for (MaterialSatz& m : state().masters.MaterialListe) {
      if (m.MaterialNr == nr) return m;
    }
    ADD_FAILURE() << nr;
    return state().masters.MaterialListe.front();
  }
  ui::Grid* Gitter() { return form->dtgMaterial; }
};

TEST_F(Materialmodus, EnteredOnlyForACultureWithPhases) {
  KulturWaehlen("K1001");
  form->lblKultur->setText(QStringLiteral("alt"));
  ASSERT_TRUE(test::Click(form->cmbMaterial));
  EXPECT_TRUE(form->fraPhasenInfo->isVisibleTo(form));
  EXPECT_TRUE(form->lblKultur->text().isEmpty());

  Betreten();
  EXPECT_EQ(form->lblPhasenUeberschriftMaterial->text(), QStringLiteral("Weihnachtsstern 13 cm"));
  EXPECT_EQ(form->txtNameMaterial->text(), QStringLiteral("Bewurzelung"));
  EXPECT_EQ(form->txtMengeMaterial->text(), QStringLiteral("6000"));
  EXPECT_EQ(form->txtMaterialFlaeche->text(), QStringLiteral("60"));
  EXPECT_EQ(GitterZeile(Gitter(), 0, 4), "Materialien|Datum|Einheiten|Bezugsgröße");
  EXPECT_EQ(Gitter()->Rows(), 7);
  EXPECT_EQ(GitterZeile(Gitter(), 1, 4), "Topf 13 cm mit ED73|29.07.2024|6000|je Pflanze");
}

TEST_F(Materialmodus, DroppedQuantityByReferenceUnit) {
  struct Fall {
    const char* nr;
    int bezug;
    const char* einheit;
    const char* pflanzen;
    const char* flaeche;
    const char* menge;
    const char* text;
  };
  const std::vector<Fall> faelle = {
      {"M1014", 1, "1,5", "5000", "", "7500", "Liter"},
      {"M1014", 2, "2", "5000", "", "10", "m³"},
      {"M1010", 2, "2", "5000", "", "10", "je 1000 Pflanzen"},
      {"M1010", 4, "2", "", "250", "0,5", "je 1000 Nm²"},
      {"M1022", 3, "0,05", "", "200", "10", "je Nm²"},
      {"M1020", 1, "1", "", "250", "", "je Pflanze"},  // no plants: no quantity
      {"M1020", 0, "1", "5000", "250", "", ""},
  };
  Betreten();
  int zeile = Gitter()->Rows();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.nr) + " " + std::to_string(f.bezug));
    Material(f.nr).Bezug = static_cast<int16_t>(f.bezug);
    Material(f.nr).Einheit = f.einheit;
    ASSERT_TRUE(test::TypeInto(form->txtMengeMaterial, QString::fromLatin1(f.pflanzen)));
    ASSERT_TRUE(test::TypeInto(form->txtMaterialFlaeche, QString::fromLatin1(f.flaeche)));
    Ziehen(form->trvMaterial, QString::fromLatin1(f.nr), Gitter());
    EXPECT_EQ(Gitter()->TextMatrix(zeile, 1), QStringLiteral("01.07.2024"));
    EXPECT_EQ(ui::S(Gitter()->TextMatrix(zeile, 2)), f.menge);
    EXPECT_EQ(ui::S(Gitter()->TextMatrix(zeile, 3)), f.text);
    EXPECT_TRUE(Markiert(Gitter(), zeile, 3));
    EXPECT_EQ(Gitter()->Col(), 0);
    ++zeile;
  }
  EXPECT_EQ(state().culture.AnzahlKulturMaterialien, 6 + static_cast<int>(faelle.size()));
}

TEST_F(Materialmodus, RootAndGroupDrops) {
  Betreten();
  int gezeigt = 0;
  for (const MaterialSatz& m : state().masters.MaterialListe) gezeigt += !m.Gliederungspunkt && m.ImBaum ? 1 : 0;
  Ziehen(form->trvMaterial, QStringLiteral("Material"), Gitter());
  EXPECT_EQ(Gitter()->Rows(), 7 + gezeigt);
  EXPECT_EQ(Gitter()->TextMatrix(7, 0), QStringLiteral("Topf 9 cm"));
  EXPECT_TRUE(Markiert(Gitter(), Gitter()->Rows() - 1, 3));

  Ziehen(form->trvMaterial, QStringLiteral("M1007"), Gitter());  // the pots of the group
  const int ende = Gitter()->Rows();
  EXPECT_EQ(GitterZeile(Gitter(), ende - 4, 1), "Topf 9 cm");
  EXPECT_EQ(GitterZeile(Gitter(), ende - 1, 1), "Topf 14 cm");
  form->txtNameMaterial->clear();  // no phase shown: nothing is added
  Ziehen(form->trvMaterial, QStringLiteral("M1010"), Gitter());
  EXPECT_EQ(Gitter()->Rows(), ende);
}

TEST_F(Materialmodus, ChoosingAPhaseMarksItsRowsAndEmptiesTheBoxes) {
  Betreten();
  state().culture.PhasenListe[2].Flaeche = "0";
  ASSERT_TRUE(test::ClickNode(form->trvPhasenMaterial, QStringLiteral("K1003_2")));
  EXPECT_EQ(form->txtNameMaterial->text(), QStringLiteral("Topfkultur eng"));
  EXPECT_TRUE(form->txtMaterialFlaeche->text().isEmpty());  // not the area of the phase shown before
  for (int r = 1; r < Gitter()->Rows(); ++r) {
    const auto d = culture::GitterDatum(ui::S(Gitter()->TextMatrix(r, 1)));
    ASSERT_TRUE(d);
    EXPECT_EQ(Markiert(Gitter(), r, 3), *d >= Tag(2024, 7, 29) && *d <= Tag(2024, 9, 15)) << r;
  }
}

// The plants and area a drop computes with are those of the phase shown, on entering the mode
// and on choosing another culture while it is shown. A phase with 0 plants and area 0 shows
// both boxes empty, and a dropped material that needs them gets an empty quantity, which
// stays empty through a save and a reload.
TEST_F(Materialmodus, DropsComputeWithThePlantsAndAreaOfTheCultureShown) {
  Exec(Tolvar(), "UPDATE KulturPhasen SET AnzahlPflanzen = '0', \"Fläche\" = '0' WHERE KP_ID = 'K1004_1'");
  MainWindowShown();
  form->Show();
  ASSERT_TRUE(ActivateWindowOf(form));
  for (const char* kultur : {"K1003", "K1004"}) form->trvKulturen->EnsureVisible(QString::fromLatin1(kultur));
  for (const bool imModus : {true, false}) {
    SCOPED_TRACE(imModus ? "culture chosen in the mode" : "mode entered");
    ASSERT_TRUE(ClickNode(form->trvKulturen, QStringLiteral("K1003")));
    ASSERT_TRUE(Click(form->cmbMaterial));
    ASSERT_EQ(form->txtMaterialFlaeche->text(), QStringLiteral("60"));
    if (!imModus) {
      ASSERT_TRUE(Click(form->cmbAbbruchMaterial));
    }
    ASSERT_TRUE(ClickNode(form->trvKulturen, QStringLiteral("K1004")));
    if (!imModus) {
      ASSERT_TRUE(Click(form->cmbMaterial));
    }
    ASSERT_TRUE(form->fraMaterial->isVisibleTo(form));
    EXPECT_EQ(form->txtNameMaterial->text(), QStringLiteral("Jungpflanzen"));
    EXPECT_TRUE(form->txtMengeMaterial->text().isEmpty());
    EXPECT_TRUE(form->txtMaterialFlaeche->text().isEmpty());
    const int zeile = Gitter()->Rows();
    for (const char* nr : {"M1024", "M1020"}) {  // 1 unit per Nm², 1 unit per plant
      form->trvMaterial->EnsureVisible(QString::fromLatin1(nr));
      ASSERT_TRUE(DragNodeTo(form->trvMaterial, QString::fromLatin1(nr), Gitter()));
    }
    EXPECT_EQ(Gitter()->TextMatrix(zeile, 2), QString());
    EXPECT_EQ(Gitter()->TextMatrix(zeile + 1, 2), QString());
    ASSERT_TRUE(Click(form->cmbSpeichernMaterial));
    const auto gespeichert = Gespeichert("K1004");
    EXPECT_EQ(std::count(gespeichert.begin(), gespeichert.end(), "M1024||2024-06-10"), imModus ? 1 : 2);
    ASSERT_TRUE(Click(form->cmbAbbruchMaterial));
    ASSERT_TRUE(Click(form->cmbMaterial));  // read back from the table
    int leer = 0;
    for (int r = 1; r < Gitter()->Rows(); ++r) {
      if (Gitter()->TextMatrix(r, 1) == QStringLiteral("10.06.2024")) leer += Gitter()->TextMatrix(r, 2).isEmpty();
    }
    EXPECT_EQ(leer, imModus ? 2 : 4);
    ASSERT_TRUE(Click(form->cmbAbbruchMaterial));
  }
}

TEST_F(Materialmodus, SaveDeleteAndLeavingWithoutSaving) {
  Betreten();
  Material("M1025").Bezug = 4;
  Ziehen(form->trvMaterial, QStringLiteral("M1025"), Gitter());
  ASSERT_TRUE(test::Click(form->cmbAbbruchMaterial));
  EXPECT_TRUE(form->fraPhasenInfo->isVisibleTo(form));
  ASSERT_TRUE(test::Click(form->cmbMaterial));
  EXPECT_EQ(Gitter()->Rows(), 7);  // the unsaved row is gone

  Ziehen(form->trvMaterial, QStringLiteral("M1025"), Gitter());
  ASSERT_TRUE(test::Click(form->cmbSpeichernMaterial));
  EXPECT_EQ(Gespeichert().size(), 7u);
  EXPECT_EQ(Gespeichert().front(), "M1025|0,06|2024-07-01");
  EXPECT_EQ(Gitter()->TextMatrix(1, 3), QStringLiteral("je 1000Nm²"));  // the stored form of the text

  ASSERT_TRUE(test::Click(form->cmbLoeschenMaterial));  // nothing marked
  EXPECT_EQ(Gespeichert().size(), 7u);
  ASSERT_TRUE(test::DoubleClickCell(Gitter(), 1, 0));
  EXPECT_TRUE(Markiert(Gitter(), 1, 3));
  ASSERT_TRUE(test::Click(form->cmbLoeschenMaterial));
  EXPECT_TRUE(prompts->shown().empty());  // no question
  const auto danach = Gespeichert();
  EXPECT_EQ(danach.size(), 6u);
  EXPECT_EQ(danach.front(), "M1017|6000|2024-07-29");
}

TEST_F(Materialmodus, CellsTakeCalendarDatesAndTypedValues) {
  Betreten();
  ASSERT_TRUE(test::DoubleClickCell(Gitter(), 2, 1));
  EXPECT_TRUE(form->movMaterial->isVisibleTo(form));
  EXPECT_EQ(form->movMaterial->MinDate(), Tag(2024, 7, 1));
  EXPECT_EQ(form->movMaterial->MaxDate(), Tag(2024, 12, 6));
  ASSERT_TRUE(test::ClickDate(form->movMaterial, Tag(2024, 8, 2)));
  EXPECT_EQ(Gitter()->TextMatrix(2, 1), QStringLiteral("02.08.2024"));
  EXPECT_EQ(Gitter()->Col(), 2);
  EXPECT_FALSE(form->movMaterial->isVisibleTo(form));

  ASSERT_TRUE(test::DoubleClickCell(Gitter(), 2, 2));  // column 2 is emptied
  EXPECT_TRUE(Gitter()->TextMatrix(2, 2).isEmpty());
  GitterTippen("1/2.,5x");
  EXPECT_EQ(Gitter()->TextMatrix(2, 2), QStringLiteral("12,5"));
  GitterTippen("\r");
  EXPECT_EQ(Gitter()->Row(), 3);
  EXPECT_EQ(Gitter()->Col(), 0);
  ASSERT_TRUE(test::ClickCell(Gitter(), 3, 1));
  GitterTippen("\b\b\b\b\b\b\b\b\b\b");
  GitterTippen("01,08.20245");
  EXPECT_EQ(Gitter()->TextMatrix(3, 1), QStringLiteral("0108.20245"));
  GitterTippen("\r");
  EXPECT_EQ(Gitter()->Col(), 2);
}

// The units cell takes digits and the comma; a save refuses what is then no amount and
// stores nothing, naming the material. An emptied cell is missing data and is stored.
TEST_F(Materialmodus, SaveRefusesUnitsThatAreNoAmount) {
  struct Fall {
    const char* getippt;
    const char* angezeigt;
    bool abgelehnt;
  };
  Betreten();
  const QString name = Gitter()->TextMatrix(2, 0);
  for (const Fall& f : {Fall{"abc", "", false}, Fall{"1,2,3", "1,2,3", true}, Fall{"-5", "5", false},
                        Fall{"1e308", "1308", false}, Fall{"", "", false}, Fall{"12,5", "12,5", false}}) {
    SCOPED_TRACE(f.getippt);
    ASSERT_TRUE(test::DoubleClickCell(Gitter(), 2, 2));  // column 2 is emptied
    GitterTippen(f.getippt);
    ASSERT_EQ(Gitter()->TextMatrix(2, 2), QString::fromUtf8(f.angezeigt));
    const std::string vorher = Tabelleninhalt(Tolvar(), "Material");
    const std::size_t gezeigt = Meldungen().size();
    if (f.abgelehnt) prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(form->cmbSpeichernMaterial));
    if (!f.abgelehnt) {
      EXPECT_EQ(Meldungen().size(), gezeigt);
      EXPECT_EQ(Gitter()->TextMatrix(2, 2), QString::fromUtf8(f.angezeigt));  // an empty cell stays empty
      continue;
    }
    ASSERT_EQ(Meldungen().size(), gezeigt + 1);
    EXPECT_EQ(Meldungen().back(), QStringLiteral("Die Einheiten des Materials \"") + name +
                                      QStringLiteral("\" müssen eine Zahl von 0 bis 1.000.000.000.000 sein. Die "
                                                     "Materialien wurden nicht gespeichert."));
    EXPECT_EQ(Tabelleninhalt(Tolvar(), "Material"), vorher);
    EXPECT_EQ(Gitter()->TextMatrix(2, 2), QStringLiteral("1,2,3"));
  }
}

}  // namespace
}  // namespace tolvar::test
