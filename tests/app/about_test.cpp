#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/frmUeberTolvar.h"
#include "app/help_menu.h"
#include "app/mdlUeberTolvar.h"
#include "platform/ui/controls.h"
#include "platform/ui/helpviewer.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar {
namespace {

void Click(QWidget* widget) {
  const QPointF at(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QCoreApplication::sendEvent(widget, &release);
}

class AboutTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (ui::HelpViewer::Exists()) ui::HelpViewer::Instance().hide();
    test::UnloadAllWindows();
  }
  test::FreshDataRoot root;
  test::ScopedPrompts prompts;
};

TEST_F(AboutTest, MenuItemShowsOneModelessAboutBox) {
  app::mnuInfo_Click();  // returns at once: modeless
  ASSERT_TRUE(frmUeberTolvar::IsLoaded());
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  EXPECT_TRUE(box.isVisible());
  EXPECT_FALSE(box.IsShownModal());
  EXPECT_EQ(box.Name(), "frmUeberTolvar");
  app::mnuInfo_Click();
  EXPECT_EQ(&frmUeberTolvar::instanz(), &box);
  EXPECT_EQ(ui::Forms::Loaded().size(), 1u);
}

TEST_F(AboutTest, ShowsItsTexts) {
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  EXPECT_EQ(box.Caption(), QStringLiteral("Über Tolvar..."));
  EXPECT_EQ(box.Label3->text(), "Tolvar");
  EXPECT_EQ(box.Label4->text(), "Tolvar");
  EXPECT_EQ(box.Label5->text(), "Kostenkalkulation auf Basis von Morvin 5");
  EXPECT_EQ(box.lblAutorenVerzeichni->text(), "Autoren:");
  EXPECT_FALSE(box.Label1->text().isEmpty());
  EXPECT_FALSE(box.Label2->text().isEmpty());
  for (int i = 0; i < 6; ++i) {
    auto* autor = ui::FindControl<QLabel>(&box, QStringLiteral("lblAutoren"), i);
    ASSERT_NE(autor, nullptr) << i;
    EXPECT_FALSE(autor->text().isEmpty()) << i;
  }
  EXPECT_EQ(box.lblMail->text(), "MailTo: info@example.org");
  EXPECT_TRUE(box.lblInternet->text().startsWith("https://www.example.org/"));
  EXPECT_EQ(box.cmbOK->text(), "OK");
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
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  box.Show();
  for (bool shellOk : {true, false}) {  // a failing shell is not reported
    for (const Case& c : cases) {
      SCOPED_TRACE(c.control);
      test::ScopedShell shell(shellOk);
      Click(ui::FindControl<QWidget>(&box, QString::fromLatin1(c.control)));
      ASSERT_EQ(shell->Requests().size(), 1u);
      EXPECT_EQ(shell->Requests()[0].kind, sys::RecordingShell::Kind::Url);
      EXPECT_EQ(shell->Requests()[0].target, c.address);
    }
  }
  EXPECT_EQ(box.lblInternet->text().toStdString(), mdlUeberTolvar::kHomepage);
  EXPECT_TRUE(prompts->shown().empty());
}

TEST_F(AboutTest, F1ShowsTopicTen) {
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  box.Show();
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(box.cmbOK, &f1);
  ASSERT_TRUE(ui::HelpViewer::Exists());
  EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), "Abschnitt10.htm");
  EXPECT_TRUE(ui::HelpViewer::Instance().isVisible());
}

TEST_F(AboutTest, OkUnloadsAndTheNextChoiceBuildsItAfresh) {
  app::mnuInfo_Click();
  frmUeberTolvar::instanz().cmbOK->click();
  test::ProcessEvents();
  EXPECT_FALSE(frmUeberTolvar::IsLoaded());
  app::mnuInfo_Click();
  EXPECT_TRUE(frmUeberTolvar::IsLoaded());
  EXPECT_TRUE(frmUeberTolvar::instanz().isVisible());
}

TEST_F(AboutTest, MouseOverTheSurfaceFocusesOk) {
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  box.Show();
  box.lblInternet->setFocusPolicy(Qt::StrongFocus);
  box.lblInternet->setFocus();
  const QPointF at(1, 1);
  QMouseEvent move(QEvent::MouseMove, at, box.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&box, &move);
  EXPECT_EQ(box.focusWidget(), box.cmbOK);
}

TEST_F(AboutTest, KeepsThePlatformsPointers) {
  app::mnuInfo_Click();
  frmUeberTolvar& box = frmUeberTolvar::instanz();
  EXPECT_FALSE(box.testAttribute(Qt::WA_SetCursor));
  for (QWidget* child : box.findChildren<QWidget*>()) {
    if (!child->objectName().startsWith("qt_")) {
      EXPECT_FALSE(child->testAttribute(Qt::WA_SetCursor)) << child->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace tolvar
