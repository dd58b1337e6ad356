// Main window and MDI: hosting children, activation, unload and reload without ending the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/ui/forms.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"

namespace tolvar::ui {
namespace {

struct Log {
  std::vector<QString> events;
  void add(const QString& e) { events.push_back(e); }
};
Log g_log;

class mdiHaupt : public MainFormOf<mdiHaupt> {
 public:
  inline static int loads = 0;
  mdiHaupt() : MainFormOf(QStringLiteral("mdiHaupt")) { setCaption(QStringLiteral("Tolvar")); }

 protected:
  void MDIForm_Load() override {
    ++loads;
    g_log.add(QStringLiteral("mdiHaupt.Load"));
  }
  void MDIForm_Unload(bool&) override { g_log.add(QStringLiteral("mdiHaupt.Unload")); }
};

template <class Derived>
class LoggingForm : public FormOf<Derived> {
 protected:
  using FormOf<Derived>::FormOf;
  void Form_Activate() override { g_log.add(this->Name() + QStringLiteral(".Activate")); }
  void Form_Unload(bool&) override { g_log.add(this->Name() + QStringLiteral(".Unload")); }
};

class frmKind1 : public LoggingForm<frmKind1> {
 public:
  frmKind1() : LoggingForm(QStringLiteral("frmKind1"), FormKind::MdiChild) {}
};
class frmKind2 : public LoggingForm<frmKind2> {
 public:
  frmKind2() : LoggingForm(QStringLiteral("frmKind2"), FormKind::MdiChild) {}
};
class frmWerkzeug : public LoggingForm<frmWerkzeug> {
 public:
  frmWerkzeug() : LoggingForm(QStringLiteral("frmWerkzeug"), FormKind::Window) {}
};

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log = {};
    mdiHaupt::loads = 0;
    previousQuit = Forms::SetQuitHandler([this] { ++quits; });
  }
  void TearDown() override {
    test::UnloadAllWindows();
    Forms::SetQuitHandler(previousQuit);
  }
  // Brings a window to the front as the window system does, waiting for its activation; none
  // hands the activation to another program.
  static void Activate(QWidget* window) {
    if (window != nullptr) {
      EXPECT_TRUE(test::ActivateWindowOf(window));
    } else {
      QApplication::setActiveWindow(nullptr);
    }
    test::ProcessEvents();
  }
  std::vector<QString> takeLog() {
    std::vector<QString> events = g_log.events;
    g_log = {};
    return events;
  }
  int quits = 0;
  std::function<void()> previousQuit;
};

using Events = std::vector<QString>;

TEST_F(MainFormTest, ChildrenLiveInTheMdiAreaAndActivateOnShowAndSwitch) {
  mdiHaupt& main = mdiHaupt::instanz();
  main.Show();
  Activate(&main);
  frmKind1::instanz().Show();
  EXPECT_EQ(frmKind1::instanz().Frame()->parentWidget(), main.mdiArea()->viewport());
  frmKind2::instanz().Show();
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("mdiHaupt.Load"), QStringLiteral("frmKind1.Activate"),
                               QStringLiteral("frmKind2.Activate")}));
  EXPECT_EQ(Forms::ActiveChildName(), QStringLiteral("frmKind2"));

  main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frmKind1::instanz().Frame()));
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("frmKind1.Activate")}));
  EXPECT_EQ(Forms::ActiveChildName(), QStringLiteral("frmKind1"));
}

TEST_F(MainFormTest, ActivateFiresWhenReturningFromAnotherWindowOfTheProgramOnly) {
  mdiHaupt& main = mdiHaupt::instanz();
  main.Show();
  Activate(&main);
  frmKind1::instanz().Show();
  frmWerkzeug::instanz().Show();
  Activate(&frmWerkzeug::instanz());
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("mdiHaupt.Load"), QStringLiteral("frmKind1.Activate"),
                               QStringLiteral("frmWerkzeug.Activate")}));

  // Back to the main window from the tool window: its active child is activated again.
  Activate(&main);
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("frmKind1.Activate")}));

  // Another program took the focus and gives it back: nothing fires.
  Activate(nullptr);
  Activate(&main);
  EXPECT_EQ(takeLog(), Events{});

  // Closing the tool window returns to the main window.
  Activate(&frmWerkzeug::instanz());
  frmWerkzeug::instanz().Unload();
  Activate(&main);
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("frmWerkzeug.Activate"), QStringLiteral("frmWerkzeug.Unload"),
                               QStringLiteral("frmKind1.Activate")}));
}

TEST_F(MainFormTest, ClosingAChildFrameUnloadsIt) {
  mdiHaupt& main = mdiHaupt::instanz();
  main.Show();
  frmKind1::instanz().Show();
  takeLog();
  EXPECT_TRUE(frmKind1::instanz().Frame()->close());
  EXPECT_FALSE(frmKind1::IsLoaded());
  EXPECT_EQ(takeLog(), Events{QStringLiteral("frmKind1.Unload")});
  test::ProcessEvents();
  EXPECT_TRUE(main.mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainFormTest, UnloadingTheMainWindowUnloadsWhatItHolds) {
  mdiHaupt& main = mdiHaupt::instanz();
  main.Show();
  frmKind1::instanz();  // loaded, hidden
  frmWerkzeug::instanz().Show();
  takeLog();
  EXPECT_TRUE(main.Unload());
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("mdiHaupt.Unload"), QStringLiteral("frmKind1.Unload"),
                               QStringLiteral("frmWerkzeug.Unload")}));
  EXPECT_TRUE(Forms::Loaded().empty());
  EXPECT_EQ(Forms::Main(), nullptr);
}

TEST_F(MainFormTest, ReloadingTheMainWindowDoesNotEndTheProgram) {
  QPointer<mdiHaupt> first(&mdiHaupt::instanz());
  first->Show();
  first->setCaption(QStringLiteral("Tolvar - Gärtnerei Muster"));

  // Switching enterprises: unload and load again in one go.
  first->Unload();
  mdiHaupt& second = mdiHaupt::instanz();
  second.Show();
  test::ProcessEvents();
  EXPECT_EQ(quits, 0);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(mdiHaupt::loads, 2);
  EXPECT_EQ(second.Caption(), QStringLiteral("Tolvar")) << "a reloaded main window starts in its design state";
  EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());

  // Closed by the user: the program ends.
  EXPECT_TRUE(second.close());
  test::ProcessEvents();
  EXPECT_EQ(quits, 1);
}

TEST_F(MainFormTest, BeforeAnyMainWindowTheProgramEndsWithItsLastVisibleWindow) {
  frmWerkzeug::instanz().Show();
  frmKind1::instanz();  // hidden: keeps nothing alive
  frmWerkzeug::instanz().Unload();
  test::ProcessEvents();
  EXPECT_EQ(quits, 1);
}

TEST_F(MainFormTest, WindowUnloadedWhileMainWindowIsLoadedDoesNotEndTheProgram) {
  mdiHaupt::instanz().Show();
  frmKind1::instanz().Show();
  frmKind1::instanz().Unload();
  test::ProcessEvents();
  EXPECT_EQ(quits, 0);
}

TEST_F(MainFormTest, ChildLoadedBeforeTheMainWindowIsHostedWhenShown) {
  frmKind1& child = frmKind1::instanz();
  EXPECT_EQ(child.Frame(), &child);
  mdiHaupt& main = mdiHaupt::instanz();
  main.Show();
  child.Show();
  EXPECT_EQ(main.mdiArea()->subWindowList().size(), 1);
  EXPECT_EQ(Forms::ActiveChildName(), QStringLiteral("frmKind1"));
}

}  // namespace
}  // namespace tolvar::ui

namespace tolvar::ui {
namespace {

// The opening sequence shows a child while the main window is not yet active.
TEST_F(MainFormTest, ChildShownBeforeTheMainWindowIsActiveActivatesOnce) {
  mdiHaupt& main = mdiHaupt::instanz();
  frmKind1::instanz().Show();
  main.Show();
  Activate(&main);
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("mdiHaupt.Load"), QStringLiteral("frmKind1.Activate")}));
}

// Closing: a child's unload handler loads another window while the main window goes.
class frmNachzuegler : public LoggingForm<frmNachzuegler> {
 public:
  frmNachzuegler() : LoggingForm(QStringLiteral("frmNachzuegler"), FormKind::MdiChild) {}

 protected:
  void Form_Unload(bool& cancel) override {
    LoggingForm::Form_Unload(cancel);
    frmKind2::instanz();
  }
};

TEST_F(MainFormTest, WindowsLoadedWhileTheMainWindowUnloadsAreUnloadedToo) {
  mdiHaupt& main = mdiHaupt::instanz();
  main.Show();
  frmNachzuegler::instanz().Show();
  takeLog();
  main.Unload();
  EXPECT_EQ(takeLog(), (Events{QStringLiteral("mdiHaupt.Unload"), QStringLiteral("frmNachzuegler.Unload"),
                               QStringLiteral("frmKind2.Unload")}));
  EXPECT_TRUE(Forms::Loaded().empty());
}

}  // namespace
}  // namespace tolvar::ui
