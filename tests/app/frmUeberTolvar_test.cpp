#include "app/frmUeberTolvar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "app/mdlUeberTolvar.h"
#include "app_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/helpviewer.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

// The about box, chosen in the help menu of the main window (no enterprise open).
class AboutTest : public test::AppTest {
 protected:
  void SetUp() override { Oeffnen(); }
  void TearDown() override {
    if (ui::HelpViewer::Exists()) ui::HelpViewer::Instance().hide();
    AppTest::TearDown();
  }
  static frmUeberTolvar& Zeigen() {
    Befehl("Über Tolvar");  // returns at once: modeless
    EXPECT_TRUE(frmUeberTolvar::IsLoaded());
    return frmUeberTolvar::instanz();
  }
};

TEST_F(AboutTest, MenuItemShowsOneModelessAboutBox) {
  Zeigen();
  ASSERT_TRUE(frmUeberTolvar::IsLoaded());
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  EXPECT_TRUE(box.isVisible());
  EXPECT_FALSE(box.IsShownModal());
  EXPECT_EQ(box.Name(), QStringLiteral("frmUeberTolvar"));
  EXPECT_EQ(&Zeigen(), &box);
  EXPECT_EQ(ui::Forms::Loaded().size(), 1u);
}

TEST_F(AboutTest, ShowsItsTexts) {
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  EXPECT_EQ(box.Caption(), QStringLiteral("Über Tolvar..."));
  EXPECT_EQ(box.Label3->text(), QStringLiteral("Tolvar"));
  EXPECT_EQ(box.Label4->text(), QStringLiteral("Tolvar"));
  EXPECT_EQ(box.Label5->text(), QStringLiteral("Kostenkalkulation auf Basis von Morvin 5"));
  EXPECT_EQ(box.lblAutorenVerzeichni->text(), QStringLiteral("Autoren:"));
  EXPECT_FALSE(box.Label1->text().isEmpty());
  EXPECT_FALSE(box.Label2->text().isEmpty());
  for (int i = 0; i < 6; ++i) {
    auto* autor = ui::FindControl<QLabel>(&box, QStringLiteral("lblAutoren"), i);
    ASSERT_NE(autor, nullptr) << i;
    EXPECT_FALSE(autor->text().isEmpty()) << i;
  }
  EXPECT_EQ(box.lblMail->text(), QStringLiteral("MailTo: info@example.org"));
  EXPECT_TRUE(box.lblInternet->text().startsWith(QStringLiteral("https://www.example.org/")));
  EXPECT_EQ(box.cmbOK->text(), QStringLiteral("OK"));
}

TEST_F(AboutTest, LinksHandTheirAddressesToTheShell) {
  struct Case {
    const char* control;
    const char* address;
  };
  const Case cases[] = {
      {"lblInternet", mdlUeberTolvar::kHomepage},  // the address the label shows
      {"Image1", mdlUeberTolvar::kMorvinSeite},
      {"Image2", mdlUeberTolvar::kHomepage},
      {"lblMail", "mailto:info@example.org"},
  };
  frmUeberTolvar& box = Zeigen();
  for (bool shellOk : {true, false}) {  // a failing shell is not reported
    for (const Case& c : cases) {
      SCOPED_TRACE(c.control);
      test::ScopedShell shell(shellOk);
      ASSERT_TRUE(test::Click(ui::FindControl<QWidget>(&box, QString::fromLatin1(c.control))));
      ASSERT_EQ(shell->Requests().size(), 1u);
      EXPECT_EQ(shell->Requests()[0].kind, sys::RecordingShell::Kind::Url);
      EXPECT_EQ(shell->Requests()[0].target, c.address);
    }
  }
  EXPECT_EQ(ui::S(box.lblInternet->text()), mdlUeberTolvar::kHomepage);
  EXPECT_TRUE(prompts->shown().empty());
}

TEST_F(AboutTest, F1ShowsTopicTen) {
  frmUeberTolvar& box = Zeigen();
  ASSERT_TRUE(test::PressIn(box.cmbOK, Qt::Key_F1));
  ASSERT_TRUE(ui::HelpViewer::Exists());
  EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("Abschnitt10.htm"));
  EXPECT_TRUE(ui::HelpViewer::Instance().isVisible());
}

TEST_F(AboutTest, OkUnloadsAndTheNextChoiceBuildsItAfresh) {
  ASSERT_TRUE(test::Click(Zeigen().cmbOK));
  test::ProcessEvents();
  EXPECT_FALSE(frmUeberTolvar::IsLoaded());
  Zeigen();
  EXPECT_TRUE(frmUeberTolvar::IsLoaded());
  EXPECT_TRUE(frmUeberTolvar::instanz().isVisible());
}

TEST_F(AboutTest, MouseOverTheSurfaceFocusesOk) {
  frmUeberTolvar& box = Zeigen();
  box.lblInternet->setFocusPolicy(Qt::StrongFocus);
  box.lblInternet->setFocus();
  const QPointF at(1, 1);
  QMouseEvent move(QEvent::MouseMove, at, box.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&box, &move);
  EXPECT_EQ(box.focusWidget(), box.cmbOK);
}

TEST_F(AboutTest, KeepsThePlatformsPointers) {
  frmUeberTolvar& box = Zeigen();
  EXPECT_FALSE(box.testAttribute(Qt::WA_SetCursor));
  for (QWidget* child : box.findChildren<QWidget*>()) {
    if (!child->objectName().startsWith(QStringLiteral("qt_"))) {
      EXPECT_FALSE(child->testAttribute(Qt::WA_SetCursor)) << ui::S(child->objectName());
    }
  }
}

}  // namespace
}  // namespace tolvar
