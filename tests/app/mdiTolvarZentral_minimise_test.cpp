// The program minimises as one and never takes the focus from another program: a minimise of
// the main window takes its dialogs down with it, modal or not, and they come back in front
// when the user restores the program; while another program is active nothing of this
// program becomes active. All of it is the window manager's: the desktop run tests it.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "app_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "platform/ui/prompts.h"
#include "support/ui_desktop.h"
#include "support/ui_input.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

class MinimiseTest : public AppTest {
 protected:
  void SetUp() override {
    if (!OnDesktop()) GTEST_SKIP() << "minimising and activation are the window manager's: see the desktop run";
  }

  // Opens the catalogue's window `name` as a person reaches it.
  static ui::Form* Open(const char* name) {
    for (const WindowEntry& entry : AllWindows()) {
      if (entry.name == name) {
        ui::Form& window = entry.open();
        return WaitUntilPlaced(&window) ? &window : nullptr;
      }
    }
    ADD_FAILURE() << name << " is not in the catalogue";
    return nullptr;
  }
};

// The about box and a cost menu beside the calculation window: the main window minimised, by
// its title bar while it is active or from a pager while the dialog is, takes the program
// down until it is restored; the dialog then comes back in front, active where it was.
TEST_F(MinimiseTest, AMinimiseOfTheMainWindowTakesTheProgramDownUntilItIsRestored) {
  mdiTolvarZentral& haupt = MusterOeffnen();
  ASSERT_TRUE(WaitUntilPlaced(&haupt));
  for (const char* name : {"frmUeberTolvar", "frmHeizkostenMenu"}) {
    SCOPED_TRACE(name);
    ui::Form* dialog = Open(name);
    ASSERT_NE(dialog, nullptr);
    for (QWidget* aktiv : {static_cast<QWidget*>(&haupt), static_cast<QWidget*>(dialog)}) {
      SCOPED_TRACE(ui::S(aktiv->objectName()) + " active");
      ASSERT_TRUE(ActivateWindowOf(aktiv));
      const QStringList faults = MinimiseFaults(dialog, &haupt);
      EXPECT_TRUE(faults.isEmpty()) << ui::S(faults.join(QLatin1Char('\n')));
    }
    dialog->Unload();
    Settle();
  }
}

// A modal message box goes down with the program and comes back with it, in front.
TEST_F(MinimiseTest, AModalMessageBoxGoesDownAndComesBackWithTheProgram) {
  mdiTolvarZentral& haupt = MusterOeffnen();
  ASSERT_TRUE(WaitUntilPlaced(&haupt));
  ASSERT_TRUE(ActivateWindowOf(&haupt));
  const ScopedQtPrompts qt;
  QStringList faults;
  bool gesehen = false;
  QTimer::singleShot(0, &haupt, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    gesehen = true;
    if (WaitUntilPlaced(box)) faults << MinimiseFaults(box, &haupt);
    box->buttons().front()->click();
  });
  ui::MsgBox(QStringLiteral("Der Datensatz wurde gespeichert."), ui::msgbox::OkOnly);
  EXPECT_TRUE(gesehen) << "no message box shown";
  EXPECT_TRUE(faults.isEmpty()) << ui::S(faults.join(QLatin1Char('\n')));
}

// While another program is active, neither the mouse over the about box nor a minimise of the
// program from a pager makes a window of the program active.
TEST_F(MinimiseTest, NothingOfTheProgramTakesTheFocusFromAnotherProgram) {
  mdiTolvarZentral& haupt = MusterOeffnen();
  ASSERT_TRUE(WaitUntilPlaced(&haupt));
  ui::Form* ueber = Open("frmUeberTolvar");
  ASSERT_NE(ueber, nullptr);
  OtherProgramWindow anderes;
  ASSERT_TRUE(anderes.Activate());

  ASSERT_TRUE(MoveMouseOver(ueber, QPoint(3, 3)));
  ASSERT_TRUE(SettleWithWindowManager());
  EXPECT_EQ(ProgramHasTheFocus(), false) << "the mouse over the about box";
  EXPECT_TRUE(anderes.Active());

  ASSERT_TRUE(MinimiseAsTheButtonDoes(&haupt));
  ASSERT_TRUE(WaitForWindowManager([&] { return haupt.isMinimized() && ueber->isMinimized(); }));
  ASSERT_TRUE(SettleWithWindowManager());
  EXPECT_EQ(MinimisedByWindowManager(&haupt), true);
  EXPECT_EQ(MinimisedByWindowManager(ueber), true);
  EXPECT_EQ(ProgramHasTheFocus(), false) << "the program minimised from a pager";
  EXPECT_TRUE(anderes.Active());
  EXPECT_EQ(QApplication::activeWindow(), nullptr);

  // The user restores the program: it is active again, the about box in front.
  ASSERT_TRUE(RestoreAsTheTaskBarDoes(&haupt));
  EXPECT_TRUE(WaitForWindowManager([&] { return !ueber->isMinimized() && QApplication::activeWindow() != nullptr; }));
  ueber->Unload();
}

}  // namespace
}  // namespace tolvar::test
