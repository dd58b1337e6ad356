// Tab strip: Click with the previous tab, from code and from the user; disabled and hidden tabs.
#include "platform/ui/tabstrip.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>
#include <vector>

#include "support/ui_input.h"

namespace tolvar::ui {
namespace {

class TabStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const QString& caption :
         {QStringLiteral("Allgemein"), QStringLiteral("Heizung"), QStringLiteral("Material")}) {
      m_strip.AddTab(caption);
    }
    QObject::connect(&m_strip, &TabStrip::Click, [this](int previous) { m_previous.push_back(previous); });
    m_strip.resize(400, 300);
    m_strip.show();
    QApplication::processEvents();
  }

  TabStrip m_strip;
  std::vector<int> m_previous;
};

TEST_F(TabStripTest, SetTabRaisesClickWithThePreviousTab) {
  EXPECT_EQ(m_strip.Count(), 3);
  EXPECT_EQ(m_strip.Tab(), 0);
  EXPECT_TRUE(m_previous.empty());  // building the strip raises nothing
  struct Step {
    int tab;
    bool ok;
    int current;
    std::vector<int> previous;  // all so far
  } const steps[] = {
      {2, true, 2, {0}}, {2, true, 2, {0}}, {0, true, 0, {0, 2}}, {3, false, 0, {0, 2}}, {-1, false, 0, {0, 2}},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(m_strip.SetTab(s.tab), s.ok) << s.tab;
    EXPECT_EQ(m_strip.Tab(), s.current) << s.tab;
    EXPECT_EQ(m_previous, s.previous) << s.tab;
  }
}

TEST_F(TabStripTest, PagesCaptionsAndStates) {
  auto* label = new QLabel(QStringLiteral("Fläche"), m_strip.Page(1));
  EXPECT_EQ(label->parentWidget(), m_strip.Page(1));
  EXPECT_EQ(m_strip.Page(3), nullptr);
  m_strip.SetTabCaption(1, QStringLiteral("Heizkosten"));
  EXPECT_EQ(m_strip.TabCaption(1), QStringLiteral("Heizkosten"));

  // A disabled tab cannot be chosen by a click, but code may choose it.
  m_strip.SetTabEnabled(1, false);
  EXPECT_FALSE(m_strip.TabEnabled(1));
  ASSERT_TRUE(test::ClickTab(&m_strip, 1));
  EXPECT_EQ(m_strip.Tab(), 0);
  ASSERT_TRUE(test::ClickTab(&m_strip, 2));
  EXPECT_EQ(m_strip.Tab(), 2);
  EXPECT_EQ(m_previous, (std::vector<int>{0}));

  // A hidden tab cannot be chosen at all.
  m_strip.SetTabVisible(1, false);
  EXPECT_FALSE(m_strip.TabVisible(1));
  EXPECT_FALSE(m_strip.SetTab(1));
  EXPECT_EQ(m_strip.Tab(), 2);
  m_strip.SetTabVisible(1, true);
  m_strip.SetTabEnabled(1, true);
  EXPECT_TRUE(m_strip.SetTab(1));
  EXPECT_EQ(m_previous, (std::vector<int>{0, 2}));
}

// A window laid out by its contents grows so that every tab shows its whole caption.
TEST(TabStripSize, AWindowSizedByItsContentsShowsEveryTabWhole) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* strip = new TabStrip(&window);
  layout->addWidget(strip);
  for (const QString& caption :
       {QStringLiteral("Datenbanken"), QStringLiteral("Lohngruppen"), QStringLiteral("Energie/GWH Material"),
        QStringLiteral("Tolvar-System"), QStringLiteral("Gemeinkosten"), QStringLiteral("Sachkosten"),
        QStringLiteral("Kulturvergleich")}) {
    strip->AddTab(caption);
  }
  window.show();
  QApplication::processEvents();
  auto* bar = strip->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  for (int i = 0; i < bar->count(); ++i) EXPECT_LE(bar->tabRect(i).right(), bar->width()) << i;
}

}  // namespace
}  // namespace tolvar::ui
