// The master-data window on the sample enterprise: trees, view buttons, pop-ups, help and
// regrouping by drag and drop.
#include "trees/ui/frmStammdaten.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QPushButton>
#include <memory>
#include <string>

#include "app/mdiTolvarZentral.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "masterdata/ui/frmPersonal.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_fixture.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"

namespace tolvar {
namespace {

class StammdatenTest : public test::FensterTest {
 protected:
  void SetUp() override {
    main_ = &HauptfensterLaden();
    MusterbetriebEinsetzen();
    state().enterprise.ModusStammdaten = true;
    // Sta1005 becomes a group of Sta1001 holding nothing; Sta1012 a current house in Sta1001.
    Exec("UPDATE \"Standort\" SET \"Gliederungspunkt\" = -1 WHERE \"StandortNr\" = 'Sta1005'");
    Exec(
        "INSERT INTO \"Standort\" (\"StandortNr\", \"UeberPNr\", \"Standortname\", \"Gliederungspunkt\", "
        "\"Aktuell\") VALUES ('Sta1012', '1001', 'Haus 12', 0, -1)");
    form_ = &frmStammdaten::instanz();
    Activate();
  }

  void Activate() { ui::FormAccess::Activate(*form_); }
  void Exec(const std::string& sql) {
    auto db = db::Database::Open(state().enterprise.AktuellerBetrieb);
    ASSERT_TRUE(db);
    ASSERT_TRUE(db->Execute(sql));
  }
  std::string SiteParent(const std::string& nr) {
    auto db = db::Database::Open(state().enterprise.AktuellerBetrieb);
    db::Recordset rs = db->OpenTable("Standort");
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      if (rs.Field("StandortNr").text() == nr) return rs.Field("UeberPNr").text();
    }
    return "?";
  }
  static int Anzahl(const std::string& pfad, const char* table, const char* column, const char* wert) {
    auto db = db::Database::Open(pfad);
    if (!db) return -1;
    return static_cast<int>(db->Scalar("SELECT COUNT(*) FROM " + db::QuoteIdentifier(table) + " WHERE " +
                                           db::QuoteIdentifier(column) + " = ?",
                                       {std::string(wert)})
                                .integerOr(-1));
  }
  // The main window's frame (without its opening sequence) with the window shown in it.
  void Zeigen() {
    main_->ui::MainForm::Show();
    form_->Show();
    ASSERT_TRUE(form_->isVisible());
  }
  // Opens the nodes' groups and brings the tree into view.
  void Erreichbar(ui::KeyedTree* tree, std::initializer_list<const char*> keys) {
    if (!form_->isVisible()) Zeigen();
    for (const char* key : keys) tree->EnsureVisible(QString::fromLatin1(key));
    ASSERT_TRUE(test::MoveIntoView(tree));
  }
  QString Caption(int i) { return form_->cmbAnzeigen[static_cast<std::size_t>(i)]->text(); }
  // Clicks the view button under tree `i`.
  void Anzeigen(int i) {
    if (!form_->isVisible()) Zeigen();
    ASSERT_TRUE(test::Click(form_->cmbAnzeigen[static_cast<std::size_t>(i)]));
  }
  QPoint Center(ui::KeyedTree* tree, const QString& key) {
    tree->EnsureVisible(key);
    test::ProcessEvents();
    return tree->NodeRect(key).center();
  }
  // A left-button drag of `source` onto `target` (empty: the free space) with the mouse.
  void Drag(ui::KeyedTree* tree, const QString& source, const QString& target) {
    Erreichbar(tree, {});
    tree->EnsureVisible(source);
    if (!target.isEmpty()) tree->EnsureVisible(target);
    test::ProcessEvents();
    ASSERT_TRUE(test::DragNode(tree, source, tree, target));
  }

  mdiTolvarZentral* main_ = nullptr;
  frmStammdaten* form_ = nullptr;
};

TEST_F(StammdatenTest, FiveTreesInTheCurrentView) {
  const char* roots[] = {"Kultur", "Standort", "Material", "Personal", "Taetigkeit"};
  for (int i = 0; i < frmStammdaten::AnzahlBaeume; ++i) {
    SCOPED_TRACE(i);
    ui::KeyedTree* tree = form_->Baum(i);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->KeyAt(1), QString::fromLatin1(roots[i]));
    EXPECT_TRUE(tree->Expanded(tree->KeyAt(1)));
    EXPECT_EQ(tree->Image(tree->KeyAt(1)), QStringLiteral("closed"));
    EXPECT_EQ(Caption(i), QStringLiteral("Alles anzeigen"));
  }
  EXPECT_EQ(form_->trvPersonal->Text(QStringLiteral("P1001")), QStringLiteral("Stammpersonal"));
  EXPECT_EQ(form_->trvPersonal->Text(QStringLiteral("P1003")), QStringLiteral("Huber, Anna"));
  EXPECT_FALSE(form_->trvKulturen->Has(QStringLiteral("K1007")));  // not current
  EXPECT_FALSE(form_->trvKulturen->Has(QStringLiteral("K1000")));  // top record
  EXPECT_EQ(form_->trvStandort->ParentKey(QStringLiteral("Sta1012")), QStringLiteral("Sta1001"));
  EXPECT_TRUE(form_->trvStandort->Sorted(QStringLiteral("Standort")));
  EXPECT_FALSE(form_->trvMaterial->Sorted(QStringLiteral("Material")));
  EXPECT_EQ(form_->trvMaterial->Children(QStringLiteral("Material")).first(), QStringLiteral("M1001"));
  EXPECT_EQ(state().selection.StandortIndex, static_cast<int>(state().masters.StandortListe.size()) + 1);
}

TEST_F(StammdatenTest, ViewButtonTogglesAndActivationKeepsTheView) {
  const QString alt = QStringLiteral("Sta1007");  // not current
  EXPECT_FALSE(form_->trvStandort->Has(alt));
  Anzeigen(1);
  EXPECT_EQ(Caption(1), QStringLiteral("Anzeige reduzieren"));
  EXPECT_TRUE(form_->trvStandort->Has(alt));
  Activate();
  EXPECT_TRUE(form_->trvStandort->Has(alt));
  EXPECT_FALSE(form_->trvKulturen->Has(QStringLiteral("K1007")));
  Anzeigen(1);
  EXPECT_EQ(Caption(1), QStringLiteral("Alles anzeigen"));
  EXPECT_FALSE(form_->trvStandort->Has(alt));
}

TEST_F(StammdatenTest, ActivationOutsideMasterDataModeLeavesTheCultureTree) {
  state().enterprise.ModusStammdaten = false;
  Exec("UPDATE \"Kulturen\" SET \"Aktuell\" = -1 WHERE \"KulturNr\" = 'K1007'");
  Activate();
  EXPECT_FALSE(form_->trvKulturen->Has(QStringLiteral("K1007")));
  state().enterprise.ModusStammdaten = true;
  Activate();
  EXPECT_TRUE(form_->trvKulturen->Has(QStringLiteral("K1007")));
}

TEST_F(StammdatenTest, ExpandedGroupsSurviveRebuildAndSwitchPictures) {
  ui::KeyedTree* tree = form_->trvStandort;
  const QString group = QStringLiteral("Sta1001");
  tree->SetExpanded(group, true);
  EXPECT_EQ(tree->Image(group), QStringLiteral("open"));
  Anzeigen(1);
  EXPECT_TRUE(tree->Expanded(group));
  EXPECT_FALSE(tree->Expanded(QStringLiteral("Sta1004")));
  EXPECT_EQ(tree->Image(group), QStringLiteral("closed"));  // the build's picture
  tree->SetExpanded(group, false);
  EXPECT_EQ(tree->Image(group), QStringLiteral("closed"));
  Activate();
  EXPECT_FALSE(tree->Expanded(group));
  EXPECT_TRUE(tree->Expanded(QStringLiteral("Standort")));
}

TEST_F(StammdatenTest, RightClickSetsContextAndShowsPopUp) {
  struct Case {
    int tree;
    const char* node;  // empty: no selected node
    QMenu* mdiTolvarZentral::*menu;
    const char* caption;
    const char* baum;
    const char* ueber;
  };
  const Case cases[] = {
      {0, "Kultur", &mdiTolvarZentral::mnuPopUp1, "Neue Gruppe/ Kultur eingeben", "Kulturen", nullptr},
      {0, "K1001", &mdiTolvarZentral::mnuPopUp2, "Neue Kultur/Gruppe", "Kulturen", "0"},
      {0, "K1003", &mdiTolvarZentral::mnuPopUp3, nullptr, "Kulturen", "1001"},
      {1, "Standort", &mdiTolvarZentral::mnuPopUp1, "Neue Gruppe/ Standort eingeben", "Standort", nullptr},
      {1, "Sta1001", &mdiTolvarZentral::mnuPopUp2, "Neue Standort/Gruppe", "Standort", "0"},
      {1, "", &mdiTolvarZentral::mnuPopUp1, "Neue Gruppe/ Standort eingeben", "Standort", "0"},
      {2, "Material", nullptr, nullptr, "Material", nullptr},
      {2, "", nullptr, nullptr, "Material", "0"},
      {2, "M1007", &mdiTolvarZentral::mnuPopUp2, "Neues Material eingeben", "Material", "0"},
      {2, "M1010", &mdiTolvarZentral::mnuPopUp3, nullptr, "Material", "1007"},
      {3, "Personal", &mdiTolvarZentral::mnuPopUp1, "Neue Gruppe/ Personal eingeben", "Personal", nullptr},
      {3, "P1001", &mdiTolvarZentral::mnuPopUp2, "Neue Personal/Gruppe", "Personal", "0"},
      {4, "Taetigkeit", &mdiTolvarZentral::mnuPopUp1, "Neue Gruppe/ Tätigkeit eingeben", "StdTaetigkeiten", nullptr},
      {4, "StdT1001", &mdiTolvarZentral::mnuPopUp2, "Neue Tätigkeit/Gruppe", "StdTaetigkeiten", "0"},
      {4, "StdT1002", &mdiTolvarZentral::mnuPopUp3, nullptr, "StdTaetigkeiten", "1001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.tree << " " << c.node);
    ui::KeyedTree* tree = form_->Baum(c.tree);
    const QString node = ui::Q(c.node);
    Erreichbar(tree, {c.node});
    QMenu* before = main_->LetztesPopUp();
    state().selection.AktuelleUeberPNr = "unverändert";
    if (node.isEmpty()) {
      tree->Select(QString());                  // nothing selected: a right press on the free space
      ASSERT_TRUE(test::ClickTreeSpace(tree));  // left button: nothing
      EXPECT_EQ(main_->LetztesPopUp(), before);
      ASSERT_TRUE(test::ClickTreeSpace(tree, Qt::RightButton));
    } else {
      ASSERT_TRUE(test::ClickNode(tree, node));  // left button: nothing
      EXPECT_EQ(main_->LetztesPopUp(), before);
      ASSERT_TRUE(test::RightClickNode(tree, node));
    }
    EXPECT_EQ(state().selection.AktuellerBaum, c.baum);
    EXPECT_EQ(state().selection.AktuelleUeberPNr, c.ueber ? c.ueber : "unverändert");
    if (c.menu == nullptr) {
      EXPECT_EQ(main_->LetztesPopUp(), before);
    } else {
      EXPECT_EQ(main_->LetztesPopUp(), main_->*c.menu);
      if (c.menu == &mdiTolvarZentral::mnuPopUp1) {
        EXPECT_EQ(main_->mnuPopUp1Neu->text(), ui::Q(c.caption));
      }
      if (c.menu == &mdiTolvarZentral::mnuPopUp2) {
        EXPECT_EQ(main_->mnuPopUp2Neu->text(), ui::Q(c.caption));
      }
    }
    if (QMenu* shown = main_->LetztesPopUp()) shown->hide();
  }
}

// A right press on a node selects it before the pop-up is chosen, in each of the five trees:
// the pop-up and its commands act on the node under the mouse, never on the one selected
// before (on a fresh window, none). A right press on free space keeps the selection.
TEST_F(StammdatenTest, RightPressSelectsTheNodeThePopUpActsOn) {
  struct Case {
    int tree;
    const char* first;
    const char* group;
    const char* leaf;
  };
  const Case cases[] = {
      {0, "K1003", "K1001", "K1004"}, {1, "Sta1002", "Sta1001", "Sta1003"},    {2, "M1010", "M1007", "M1011"},
      {3, "P1003", "P1001", "P1004"}, {4, "StdT1002", "StdT1001", "StdT1003"},
  };
  Zeigen();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.leaf);
    ui::KeyedTree* tree = form_->Baum(c.tree);
    Erreichbar(tree, {c.first, c.leaf});
    const QString first = QLatin1String(c.first), group = QLatin1String(c.group), leaf = QLatin1String(c.leaf);
    ASSERT_TRUE(test::RightClickNode(tree, group));
    EXPECT_EQ(tree->SelectedItem(), group);
    EXPECT_EQ(main_->LetztesPopUp(), main_->mnuPopUp2);
    ASSERT_TRUE(test::PressEscape());  // closes the pop-up
    ASSERT_TRUE(test::ClickNode(tree, first));
    ASSERT_TRUE(test::RightClickNode(tree, leaf));
    EXPECT_EQ(tree->SelectedItem(), leaf);
    EXPECT_EQ(tree->DropHighlight(), leaf);  // a press marks its node, as for a drag
    EXPECT_EQ(main_->LetztesPopUp(), main_->mnuPopUp3);
    ASSERT_TRUE(test::PressEscape());
    ASSERT_TRUE(test::ClickTreeSpace(tree, Qt::RightButton));
    EXPECT_EQ(tree->SelectedItem(), leaf);
    EXPECT_TRUE(tree->DropHighlight().isEmpty());
    EXPECT_FALSE(ui::DragController::Active());
    if (QMenu* shown = main_->LetztesPopUp()) shown->hide();
  }
  // The delete command of the site pop-up would take the site pressed last.
  const tolvar::State& s = state();
  ASSERT_LT(s.selection.StandortIndex, static_cast<int>(s.masters.StandortListe.size()));
  EXPECT_EQ(s.masters.StandortListe[static_cast<std::size_t>(s.selection.StandortIndex)].StandortNr, "Sta1003");
}

// Left click on one record, right press on another: the pop-up's command takes the one pressed.
TEST_F(StammdatenTest, PopUpCommandsActOnTheRightPressedRecord) {
  struct Case {
    int tree;
    const char* first;
    const char* pressed;
    const char* table;  // rows of the pressed record that "Löschen" deletes
    const char* column;
    bool material;  // in the material database, else in the enterprise's own
  };
  const Case cases[] = {
      {0, "K1003", "K1004", "KulturPhasen", "Kulturnummer", false},
      {1, "Sta1002", "Sta1003", "Vantel", "StandortNr", false},
      {2, "M1020", "M1021", "Material", "MaterialNr", true},
      {4, "StdT1004", "StdT1002", "ArbeitMaterial", "TaetigkeitNr", false},
  };
  Zeigen();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pressed);
    const std::string pfad =
        c.material ? state().enterprise.AktuelleEinstellungen.MaterialPfad : state().enterprise.TolvarDatenbankPfad;
    ASSERT_GT(Anzahl(pfad, c.table, c.column, c.first), 0);
    ASSERT_GT(Anzahl(pfad, c.table, c.column, c.pressed), 0);
    ui::KeyedTree* tree = form_->Baum(c.tree);
    Erreichbar(tree, {c.first, c.pressed});
    ASSERT_TRUE(test::ClickNode(tree, QString::fromLatin1(c.first)));
    ASSERT_TRUE(test::RightClickNode(tree, QString::fromLatin1(c.pressed)));
    prompts->AnswerMsgBox(ui::msgbox::Yes);
    ASSERT_TRUE(test::TriggerCommand(main_, QStringLiteral("Löschen")));
    EXPECT_EQ(Anzahl(pfad, c.table, c.column, c.pressed), 0);
    EXPECT_GT(Anzahl(pfad, c.table, c.column, c.first), 0);
  }
  // Staff keep their rows: "Ändern" shows the person pressed.
  Erreichbar(form_->trvPersonal, {"P1003", "P1004"});
  ASSERT_TRUE(test::ClickNode(form_->trvPersonal, QStringLiteral("P1003")));
  ASSERT_TRUE(test::RightClickNode(form_->trvPersonal, QStringLiteral("P1004")));
  ASSERT_TRUE(test::TriggerCommand(main_, QStringLiteral("mnuPopUp3Aendern")));
  ASSERT_TRUE(frmPersonal::IsLoaded());
  EXPECT_EQ(frmPersonal::instanz().txtVorname->text(), QStringLiteral("Josef"));
}

// The culture tree knows its root by the text: a group named "Kulturen" gets the root menu.
TEST_F(StammdatenTest, CultureRootFoundByItsText) {
  Exec("UPDATE \"Kulturen\" SET \"Kulturname\" = 'Kulturen' WHERE \"KulturNr\" = 'K1002'");
  Activate();
  Erreichbar(form_->trvKulturen, {"K1002"});
  ASSERT_TRUE(test::RightClickNode(form_->trvKulturen, QStringLiteral("K1002")));
  EXPECT_EQ(main_->LetztesPopUp(), main_->mnuPopUp1);
  EXPECT_EQ(state().selection.KulturIndex, 2);
  main_->mnuPopUp1->hide();
}

TEST_F(StammdatenTest, F1ShowsTopicFive) {
  Erreichbar(form_->trvStandort, {});
  ASSERT_TRUE(test::PressIn(form_->trvStandort, Qt::Key_F1));
  EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("Abschnitt5.htm"));
}

class StammdatenDragTest : public StammdatenTest {
 protected:
  void SetUp() override {
    StammdatenTest::SetUp();
    main_->Show();
    form_->Show();
    test::ProcessEvents();
  }
};

TEST_F(StammdatenDragTest, DropOnGroupWritesItsNumberAndRebuildsInTheViewShown) {
  Anzeigen(1);  // all records
  Drag(form_->trvStandort, QStringLiteral("Sta1012"), QStringLiteral("Sta1005"));
  EXPECT_EQ(SiteParent("Sta1012"), "1005");
  EXPECT_EQ(form_->trvStandort->ParentKey(QStringLiteral("Sta1012")), QStringLiteral("Sta1005"));
  EXPECT_TRUE(form_->trvStandort->Has(QStringLiteral("Sta1007")));  // still the full view
  EXPECT_TRUE(state().windows.ZiehenAktiv);
  EXPECT_TRUE(prompts->shown().empty());

  Drag(form_->trvStandort, QStringLiteral("Sta1012"), QStringLiteral("Standort"));
  EXPECT_EQ(SiteParent("Sta1012"), "0");
  EXPECT_EQ(form_->trvStandort->ParentKey(QStringLiteral("Sta1012")), QStringLiteral("Standort"));
}

TEST_F(StammdatenDragTest, RefusedDropsShowTheirMessageAndWriteNothing) {
  struct Case {
    const char* source;
    const char* target;
    const char* message;
  };
  const Case cases[] = {
      {"Sta1001", "Sta1005", "Sie können eine Gruppe nicht in sich selbst verschieben."},
      {"Sta1012", "Sta1002", "Sie können Gruppen oder Standorte nur in andere Standort-Gruppen verschieben."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    Drag(form_->trvStandort, QString::fromLatin1(c.source), QString::fromLatin1(c.target));
    ASSERT_FALSE(prompts->shown().empty());
    EXPECT_EQ(prompts->shown().back().text, ui::Q(c.message));
    EXPECT_EQ(prompts->shown().back().style, 16);
    EXPECT_EQ(prompts->shown().back().title, QStringLiteral("Tolvar-Information"));
  }
  EXPECT_EQ(SiteParent("Sta1001"), "0");
  EXPECT_EQ(SiteParent("Sta1012"), "1001");
}

// A tree of the same name in another window is another control: its drop moves nothing.
TEST_F(StammdatenDragTest, DropFromAnotherWindowsTreeIsRefused) {
  QWidget other;
  auto* fremd = new ui::KeyedTree(&other);
  fremd->setObjectName(QStringLiteral("trvStandort"));
  ui::KeyedTree* tree = form_->trvStandort;
  tree->Select(QStringLiteral("Sta1012"));
  const QPoint to = Center(tree, QStringLiteral("Sta1005"));
  state().windows.ZiehKnoten = "Sta1012";
  state().windows.ZiehenAktiv = true;
  tree->SetDropHighlight(QStringLiteral("Sta1005"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ui::DragController::Begin(fremd);
  ui::DragController::Drop(tree, to);
  ASSERT_EQ(prompts->shown().size(), 1U);
  EXPECT_EQ(prompts->shown()[0].text, QStringLiteral("Zu verschiebende Daten sind keine Standorte."));
  EXPECT_EQ(SiteParent("Sta1012"), "1001");
  EXPECT_EQ(tree->DropHighlight(), QStringLiteral("Sta1005"));
  EXPECT_TRUE(state().windows.ZiehenAktiv);
}

// The root is never dragged; a press on the free space marks nothing; a drop on the free
// space moves nothing and ends the drag.
TEST_F(StammdatenDragTest, RootAndFreeSpaceMoveNothing) {
  ui::KeyedTree* tree = form_->trvStandort;
  Drag(tree, QStringLiteral("Standort"), QStringLiteral("Sta1001"));
  EXPECT_FALSE(ui::DragController::Active());
  EXPECT_FALSE(state().windows.ZiehenAktiv);
  EXPECT_EQ(SiteParent("Sta1001"), "0");
  ASSERT_TRUE(test::ClickTreeSpace(tree));
  EXPECT_TRUE(tree->DropHighlight().isEmpty());
  EXPECT_TRUE(state().windows.ZiehKnoten.empty());
  Drag(tree, QStringLiteral("Sta1012"), QString());
  EXPECT_FALSE(state().windows.ZiehenAktiv);
  EXPECT_EQ(SiteParent("Sta1012"), "1001");
  EXPECT_TRUE(prompts->shown().empty());
}

TEST_F(StammdatenDragTest, MaterialDropReloadsMaterialsThenPots) {
  state().masters.GefaessListe.clear();
  Drag(form_->trvMaterial, QStringLiteral("M1010"), QStringLiteral("M1002"));
  EXPECT_FALSE(state().masters.GefaessListe.empty());
  EXPECT_EQ(form_->trvMaterial->ParentKey(QStringLiteral("M1010")), QStringLiteral("M1002"));
}

}  // namespace
}  // namespace tolvar
