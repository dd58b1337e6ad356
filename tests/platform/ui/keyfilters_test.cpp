// Numeric text boxes: which keys pass, which are dropped with a beep, and Enter moving on.
#include "platform/ui/keyfilters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ui/builders.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar::ui {
namespace {

// A window with three boxes in tab order; the middle one is numeric.
class KeyFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    for (QLineEdit* edit : {&before, &txtMenge, &txtPreis}) layout->addWidget(edit);
    window.show();
    QApplication::setActiveWindow(&window);
    txtMenge.setFocus();
    test::ProcessEvents();
  }

  // Sends a key press to the box as the keyboard would; true when the box took it.
  bool press(QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &event);
    return event.isAccepted();
  }

  test::ScopedPrompts prompts;
  QWidget window;
  QLineEdit before;
  QLineEdit txtMenge;
  QLineEdit txtPreis;
};

TEST_F(KeyFilterTest, NumericBoxAcceptsDigitsCommaAndBackspaceOnly) {
  InstallNumericFilter(&txtMenge);
  struct Case {
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
    const char* expected;  // text of a box holding "12" with the cursor at its end
    bool beeps;
  };
  const Case cases[] = {
      {Qt::Key_0, "0", Qt::NoModifier, "120", false},     {Qt::Key_9, "9", Qt::NoModifier, "129", false},
      {Qt::Key_Comma, ",", Qt::NoModifier, "12,", false}, {Qt::Key_Backspace, "\b", Qt::NoModifier, "1", false},
      {Qt::Key_Left, "", Qt::NoModifier, "12", false},    {Qt::Key_A, "a", Qt::NoModifier, "12", true},
      {Qt::Key_Period, ".", Qt::NoModifier, "12", true},  {Qt::Key_Minus, "-", Qt::NoModifier, "12", true},
      {Qt::Key_Space, " ", Qt::NoModifier, "12", true},   {Qt::Key_E, "E", Qt::ShiftModifier, "12", true},
      {Qt::Key_1, "1", Qt::AltModifier, "12", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    txtMenge.setText(QStringLiteral("12"));
    const int beepsBefore = prompts->beeps();
    press(&txtMenge, c.key, Q(c.text), c.modifiers);
    EXPECT_EQ(txtMenge.text(), Q(c.expected));
    EXPECT_EQ(prompts->beeps() - beepsBefore, c.beeps ? 1 : 0);
  }
}

TEST_F(KeyFilterTest, NumericBoxKeepsEditingKeysAndRefusesPaste) {
  InstallNumericFilter(&txtMenge);
  txtMenge.setText(QStringLiteral("12"));
  txtMenge.setCursorPosition(0);
  press(&txtMenge, Qt::Key_Delete, QString());
  EXPECT_EQ(txtMenge.text(), QStringLiteral("2"));
  press(&txtMenge, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);  // select all
  EXPECT_EQ(txtMenge.selectedText(), QStringLiteral("2"));
  EXPECT_EQ(prompts->beeps(), 0);
  press(&txtMenge, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
  EXPECT_EQ(txtMenge.text(), QStringLiteral("2"));
  EXPECT_EQ(prompts->beeps(), 1);
}

TEST_F(KeyFilterTest, EnterMovesTheFocusOn) {
  InstallNumericFilter(&txtMenge);
  for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
    SCOPED_TRACE(enter);
    txtMenge.setFocus();
    txtMenge.setText(QStringLiteral("5"));
    EXPECT_TRUE(press(&txtMenge, enter, QStringLiteral("\r")));
    EXPECT_EQ(window.focusWidget(), &txtPreis);
    EXPECT_EQ(txtMenge.text(), QStringLiteral("5"));
    EXPECT_EQ(prompts->beeps(), 0);
  }
}

TEST_F(KeyFilterTest, EnterMovesOnAloneLeavesOtherKeys) {
  InstallEnterMovesOn(&before);
  before.setFocus();
  press(&before, Qt::Key_A, QStringLiteral("a"));
  EXPECT_EQ(before.text(), QStringLiteral("a"));
  press(&before, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(window.focusWidget(), &txtMenge);
  EXPECT_EQ(prompts->beeps(), 0);
}

}  // namespace
}  // namespace tolvar::ui
