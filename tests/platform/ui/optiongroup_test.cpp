// Option-button arrays: the handler runs once per selection, from code as from a click; a group
// is one stop of Tab at its selected option, and the arrow keys move the choice.
#include "platform/ui/optiongroup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "support/ui_input.h"

namespace tolvar::ui {
namespace {

// A window with opbTyp(1..3) in one frame and opbGiebelH(1..2) in another.
class OptionGroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&m_window);
    auto* frameA = new QGroupBox(&m_window);
    auto* frameB = new QGroupBox(&m_window);
    layout->addWidget(frameA);
    layout->addWidget(frameB);
    auto* la = new QVBoxLayout(frameA);
    auto* lb = new QVBoxLayout(frameB);
    for (int i = 1; i <= 3; ++i) {
      auto* b = new QRadioButton(QStringLiteral("Typ %1").arg(i), frameA);
      b->setObjectName(QStringLiteral("opbTyp(%1)").arg(i));
      la->addWidget(b);
    }
    for (int i = 1; i <= 2; ++i) {
      auto* b = new QRadioButton(QStringLiteral("Giebel %1").arg(i), frameB);
      b->setObjectName(QStringLiteral("opbGiebelH(%1)").arg(i));
      lb->addWidget(b);
    }
    m_typ = new OptionGroup(&m_window, QStringLiteral("opbTyp"));
    m_giebel = new OptionGroup(&m_window, QStringLiteral("opbGiebelH"));
    QObject::connect(m_typ, &OptionGroup::Click, [this](int i) { m_clicks.push_back(i); });
    QObject::connect(m_giebel, &OptionGroup::Click, [this](int i) { m_clicks.push_back(100 + i); });
    m_window.show();
    QApplication::processEvents();
  }

  QWidget m_window;
  OptionGroup* m_typ = nullptr;
  OptionGroup* m_giebel = nullptr;
  std::vector<int> m_clicks;
};

TEST_F(OptionGroupTest, CollectsTheArrayByIndex) {
  EXPECT_EQ(m_typ->Buttons().size(), 3u);
  EXPECT_EQ(m_giebel->Buttons().size(), 2u);
  EXPECT_EQ(m_typ->Button(2)->text(), QStringLiteral("Typ 2"));
  EXPECT_EQ(m_typ->Button(0), nullptr);
  EXPECT_EQ(m_typ->Selected(), -1);
}

TEST_F(OptionGroupTest, SelectingFromCodeRunsTheHandlerOncePerChange) {
  struct Step {
    int index;
    bool value;
    std::vector<int> clicks;  // total so far
    int selected;
  } const steps[] = {
      {2, true, {2}, 2},       {2, true, {2}, 2},        // already selected: nothing runs
      {3, true, {2, 3}, 3},                              // exclusive: 2 is cleared
      {3, false, {2, 3}, -1},                            // cleared from code: nothing runs, none selected
      {1, true, {2, 3, 1}, 1}, {9, true, {2, 3, 1}, 1},  // no such element
  };
  for (const Step& s : steps) {
    m_typ->SetValue(s.index, s.value);
    EXPECT_EQ(m_clicks, s.clicks) << s.index;
    EXPECT_EQ(m_typ->Selected(), s.selected) << s.index;
    int checked = 0;
    for (const auto& [i, b] : m_typ->Buttons()) checked += b->isChecked() ? 1 : 0;
    EXPECT_LE(checked, 1);
  }
  // setChecked on the button itself counts the same; the other frame is independent.
  m_typ->Button(2)->setChecked(true);
  m_giebel->SetValue(1, true);
  EXPECT_EQ(m_clicks, (std::vector<int>{2, 3, 1, 2, 101}));
  EXPECT_TRUE(m_typ->Value(2));
  EXPECT_TRUE(m_giebel->Value(1));
  m_typ->ClearAll();
  EXPECT_EQ(m_typ->Selected(), -1);
  EXPECT_TRUE(m_giebel->Value(1));
}

TEST_F(OptionGroupTest, UserClickRunsTheHandlerOnlyForANewSelection) {
  ASSERT_TRUE(test::Click(m_typ->Button(3)));
  ASSERT_TRUE(test::Click(m_typ->Button(3)));
  ASSERT_TRUE(test::Click(m_typ->Button(1)));
  EXPECT_EQ(m_clicks, (std::vector<int>{3, 1}));
  EXPECT_FALSE(m_typ->Value(3));
  // A cleared button stays exclusive afterwards.
  SetOptionValue(m_typ->Button(1), false);
  ASSERT_TRUE(test::Click(m_typ->Button(2)));
  ASSERT_TRUE(test::Click(m_typ->Button(1)));
  EXPECT_EQ(m_typ->Selected(), 1);
  EXPECT_FALSE(m_typ->Value(2));
}

// A box, the options Typ 1 to 3 in a frame, a box: the keyboard as a person uses it.
TEST(OptionStopsTest, GroupIsOneTabStopAtItsChoiceAndArrowsMoveTheChoice) {
  struct Fall {
    int gewaehlt;  // 0: none selected
    int stop;      // where Tab enters the group
  };
  for (const Fall fall : {Fall{2, 2}, Fall{3, 3}, Fall{0, 1}}) {
    SCOPED_TRACE(fall.gewaehlt);
    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    auto* vorher = new QLineEdit(&fenster);
    layout->addWidget(vorher);
    auto* rahmen = new QGroupBox(&fenster);
    layout->addWidget(rahmen);
    auto* innen = new QVBoxLayout(rahmen);
    std::vector<QRadioButton*> typ{nullptr};
    for (int i = 1; i <= 3; ++i) {
      typ.push_back(new QRadioButton(QStringLiteral("Typ %1").arg(i), rahmen));
      innen->addWidget(typ.back());
    }
    auto* nachher = new QLineEdit(&fenster);
    layout->addWidget(nachher);
    if (fall.gewaehlt != 0) typ[static_cast<std::size_t>(fall.gewaehlt)]->setChecked(true);
    KeepOptionStops(&fenster);
    fenster.show();
    ASSERT_TRUE(test::ActivateWindowOf(&fenster));
    const auto option = [&](int i) { return typ[static_cast<std::size_t>(i)]; };

    ASSERT_TRUE(test::FocusByClick(vorher));
    ASSERT_TRUE(test::PressTab());
    EXPECT_EQ(test::FocusWidget(), option(fall.stop));
    ASSERT_TRUE(test::PressTab());
    EXPECT_EQ(test::FocusWidget(), nachher) << "Tab leaves the group";
    ASSERT_TRUE(test::PressShiftTab());
    EXPECT_EQ(test::FocusWidget(), option(fall.stop));
    ASSERT_TRUE(test::PressShiftTab());
    EXPECT_EQ(test::FocusWidget(), vorher) << "Shift+Tab leaves the group";
    // Nothing was chosen on the way.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(option(i)->isChecked(), i == fall.gewaehlt) << i;

    // Down and Right go to the next option, Up and Left to the previous, round at the ends;
    // each choose the option they reach, which is then the group's stop.
    ASSERT_TRUE(test::PressTab());
    int jetzt = fall.stop;
    for (const auto& [taste, schritt] :
         {std::pair{Qt::Key_Down, 1}, std::pair{Qt::Key_Right, 1}, std::pair{Qt::Key_Down, 1},
          std::pair{Qt::Key_Up, -1}, std::pair{Qt::Key_Left, -1}}) {
      ASSERT_TRUE(test::Press(taste));
      jetzt = (jetzt - 1 + schritt + 3) % 3 + 1;
      EXPECT_EQ(test::FocusWidget(), option(jetzt));
      EXPECT_TRUE(option(jetzt)->isChecked()) << jetzt;
    }
    ASSERT_TRUE(test::PressTab());
    ASSERT_TRUE(test::PressShiftTab());
    EXPECT_EQ(test::FocusWidget(), option(jetzt)) << "the group is entered at its new choice";
  }
}

// An option whose handler puts the cursor into a box: an arrow key that chooses it leaves the
// cursor there, as a click does; an option that moves no focus keeps it.
TEST(OptionStopsTest, AnArrowLeavesTheFocusWhereTheOptionsHandlerPutsIt) {
  QWidget fenster;
  auto* layout = new QVBoxLayout(&fenster);
  auto* innen = new QRadioButton(QStringLiteral("Innenwand"), &fenster);
  auto* grenze = new QRadioButton(QStringLiteral("Grenzfläche"), &fenster);
  auto* temperatur = new QLineEdit(&fenster);
  for (QWidget* w : std::initializer_list<QWidget*>{innen, grenze, temperatur}) layout->addWidget(w);
  innen->setChecked(true);
  temperatur->setEnabled(false);
  QObject::connect(grenze, &QRadioButton::clicked, temperatur, [temperatur] {
    temperatur->setEnabled(true);
    temperatur->setFocus();
  });
  QObject::connect(innen, &QRadioButton::clicked, temperatur, [temperatur] { temperatur->setEnabled(false); });
  KeepOptionStops(&fenster);
  fenster.show();
  ASSERT_TRUE(test::ActivateWindowOf(&fenster));

  ASSERT_TRUE(test::FocusByClick(innen));
  ASSERT_TRUE(test::Press(Qt::Key_Down));
  EXPECT_TRUE(grenze->isChecked());
  EXPECT_EQ(test::FocusWidget(), temperatur);
  ASSERT_TRUE(test::PressShiftTab());
  EXPECT_EQ(test::FocusWidget(), grenze);
  ASSERT_TRUE(test::Press(Qt::Key_Up));
  EXPECT_TRUE(innen->isChecked());
  EXPECT_EQ(test::FocusWidget(), innen);
}

}  // namespace
}  // namespace tolvar::ui
