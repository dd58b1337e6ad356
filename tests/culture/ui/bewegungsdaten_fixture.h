#pragma once
// Fixture of the culture data window tests: the shared window-test set-up with the sample
// enterprise open, the window shown in data-entry mode, and steps a person takes in it:
// choosing a culture by a click, dragging a node onto a control, typing into a grid.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/mdiTolvarZentral.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/keyedtree_drag.h"
#include "platform/ui/prompts.h"
#include "support/tables.h"
#include "support/ui_fixture.h"
#include "support/ui_input.h"

namespace tolvar::test {

class BewegungsdatenFenster : public FensterTest {
 protected:
  void SetUp() override {
    // The main window hosts the culture data window, with room for all of it.
    mdiTolvarZentral& haupt = mdiTolvarZentral::instanz();
    haupt.setWindowState(Qt::WindowNoState);
    haupt.resize(1600, 1200);
    haupt.Show();
    ui::Forms::UnloadAllExcept();
    ProcessEvents();
    ResetState();
    MusterbetriebEinsetzen();
    state().enterprise.ModusErfassung = true;
    form = &frmBewegungsdaten::instanz();
    form->Show();
    ProcessEvents();
    if (form->trvKulturen->Count() == 0) ui::FormAccess::Activate(*form);
  }
  void TearDown() override {
    ui::DragController::Cancel();
    FensterTest::TearDown();
  }

  // Chooses the culture `nr` by a click on its node.
  void KulturWaehlen(const char* nr) {
    ASSERT_TRUE(form->trvKulturen->EnsureVisible(QString::fromLatin1(nr))) << nr;  // its group opened
    ASSERT_TRUE(ClickNode(form->trvKulturen, QString::fromLatin1(nr))) << nr;
  }
  // Drags the node `key` of `baum` onto `ziel` with the mouse.
  static void Ziehen(ui::KeyedTree* baum, const QString& key, QWidget* ziel) {
    ASSERT_TRUE(baum->EnsureVisible(key)) << ui::S(key);  // its group opened
    ASSERT_TRUE(DragNodeTo(baum, key, ziel)) << ui::S(key);
  }
  // Types into the grid that has the focus: "\r" is Enter, "\b" Backspace.
  static void GitterTippen(const std::string& zeichen) {
    for (char c : zeichen) {
      if (c == '\r') {
        ASSERT_TRUE(PressEnter());
      } else if (c == '\b') {
        ASSERT_TRUE(Press(Qt::Key_Backspace));
      } else {
        ASSERT_TRUE(Type(QString(QLatin1Char(c))));
      }
    }
  }

  static void Exec(const std::string& pfad, const std::string& sql) {
    auto database = db::Database::Open(pfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql)) << database->LastError();
  }
  // A data row of a grid as "a|b|c" over its first `spalten` columns.
  static std::string GitterZeile(const ui::Grid* g, int r, int spalten) {
    std::string text;
    for (int c = 0; c < spalten; ++c) {
      if (c > 0) text += "|";
      text += ui::S(g->TextMatrix(r, c));
    }
    return text;
  }
  static bool Markiert(const ui::Grid* g, int r, int bisSpalte) {
    for (int c = 0; c <= bisSpalte; ++c) {
      if (g->CellBackColor(r, c) != frmBewegungsdaten::kMarkierung) return false;
    }
    return true;
  }
  frmBewegungsdaten* form = nullptr;
};

}  // namespace tolvar::test
