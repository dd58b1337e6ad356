// Start-up screen: screen check, recorded path and version, the wait and the double-click.
#include "app/frmBegruessung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/mdlGroesse.h"
#include "app/version.h"
#include "app_fixture.h"
#include "data/state.h"
#include "platform/ui/helpviewer.h"

namespace tolvar::test {
namespace {

using namespace std::chrono_literals;

class StartScreenTest : public AppTest {
 protected:
  ~StartScreenTest() override { frmBegruessung::SetWartezeit(5000ms); }

  // Lets the event loop run until `done`. The bound only keeps a broken start screen from
  // hanging the run; a loaded machine never comes near it.
  template <class Pred>
  static bool WartenBis(Pred done, int ms = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
  }
};

TEST_F(StartScreenTest, ScreenCheckDecidesWhetherTheMainWindowOpens) {
  struct Fall {
    int breite, hoehe;
    bool ok;
  };
  for (const Fall& fall : {Fall{1023, 768, false}, Fall{1024, 767, false}, Fall{800, 600, false}, Fall{1024, 768, true},
                           Fall{1920, 1080, true}}) {
    SCOPED_TRACE(std::to_string(fall.breite) + " x " + std::to_string(fall.hoehe));
    ScopedScreen bildschirm(fall.breite, fall.hoehe);
    ScriptedPrompts antworten;
    ScopedPrompts eingesetzt(antworten);
    if (!fall.ok) antworten.AnswerMsgBox(ui::msgbox::Ok);
    frmBegruessung::SetWartezeit(0ms);

    frmBegruessung::instanz();
    WartenBis([] { return !frmBegruessung::IsLoaded(); });
    ProcessEvents();

    EXPECT_FALSE(frmBegruessung::IsLoaded());
    EXPECT_EQ(state().windows.AufloesungOk, fall.ok ? 1 : 0);
    EXPECT_EQ(mdiTolvarZentral::IsLoaded(), fall.ok);
    if (fall.ok) {
      EXPECT_TRUE(antworten.messageBoxes().empty());
    } else {
      ASSERT_EQ(antworten.messageBoxes().size(), 1u);
      const ShownPrompt meldung = antworten.messageBoxes()[0];
      EXPECT_EQ(meldung.text, QStringLiteral("Für die Nutzung von Tolvar benötigen sie eine Mindestauflösung "
                                             "von 768 x 1024 Pixeln."));
      EXPECT_EQ(meldung.style, ui::msgbox::Critical);
      EXPECT_EQ(meldung.title, QStringLiteral("Tolvar-Information"));
    }
    UnloadAllWindows();
  }
}

TEST_F(StartScreenTest, PathAndVersionAreRecordedBeforeTheWait) {
  frmBegruessung::SetWartezeit(60s);
  frmBegruessung::instanz();
  EXPECT_TRUE(frmBegruessung::IsLoaded());
  EXPECT_FALSE(mdiTolvarZentral::IsLoaded());
  EXPECT_EQ(state().enterprise.Programmpfad, root.Path());
  EXPECT_EQ(state().enterprise.Programmversion, app::Programmversion());
  EXPECT_EQ(app::Programmversion(), std::to_string(TOLVAR_VERSION_MAJOR) + "." + std::to_string(TOLVAR_VERSION_MINOR) +
                                        "." + std::to_string(TOLVAR_VERSION_PATCH));
}

TEST_F(StartScreenTest, F1DuringTheWaitShowsTheHelpStartPageAndTheWaitGoesOn) {
  frmBegruessung::SetWartezeit(60s);
  frmBegruessung& start = frmBegruessung::instanz();
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(&start, &f1);
  ProcessEvents();
  ASSERT_TRUE(ui::HelpViewer::Exists());
  EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("index.htm"));
  ui::HelpViewer::Instance().hide();
  EXPECT_TRUE(frmBegruessung::IsLoaded());
  EXPECT_FALSE(mdiTolvarZentral::IsLoaded());
}

TEST(VersionText, PlainIntegersJoinedByPoints) {
  EXPECT_EQ(app::Versionstext(2, 0, 14), "2.0.14");
  EXPECT_EQ(app::Versionstext(1, 10, 7), "1.10.7");
  EXPECT_EQ(app::Versionstext(0, 0, 0), "0.0.0");
}

TEST_F(StartScreenTest, DoubleClickOpensTheMainWindowAtOnce) {
  frmBegruessung::SetWartezeit(60s);
  frmBegruessung& start = frmBegruessung::instanz();
  QLabel* bild = start.pcbBegruessung;
  ASSERT_NE(bild, nullptr);
  EXPECT_EQ(bild->objectName(), QStringLiteral("pcbBegruessung"));
  EXPECT_FALSE(bild->pixmap().isNull());

  const QPointF punkt(5, 5);
  QMouseEvent doppelklick(QEvent::MouseButtonDblClick, punkt, bild->mapToGlobal(punkt), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
  QCoreApplication::sendEvent(bild, &doppelklick);

  EXPECT_FALSE(frmBegruessung::IsLoaded());
  EXPECT_TRUE(mdiTolvarZentral::IsLoaded());
  // The main window opened on the shipped system database: no enterprise.
  EXPECT_FALSE(state().enterprise.BetriebOffen);
}

}  // namespace
}  // namespace tolvar::test
