// Filtered text boxes: which keys pass, which are dropped with a beep, Enter moving on, and
// text entering by the context menu's paste or a drop under the same rule.
#include "platform/ui/keyfilters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ui/builders.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
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

TEST_F(KeyFilterTest, NumericBoxKeepsEditingKeysAndPastesANumber) {
  InstallNumericFilter(&txtMenge);
  txtMenge.setText(QStringLiteral("12"));
  txtMenge.setCursorPosition(0);
  press(&txtMenge, Qt::Key_Delete, QString());
  EXPECT_EQ(txtMenge.text(), QStringLiteral("2"));
  press(&txtMenge, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);  // select all
  EXPECT_EQ(txtMenge.selectedText(), QStringLiteral("2"));
  EXPECT_EQ(prompts->beeps(), 0);
  QGuiApplication::clipboard()->setText(QStringLiteral("12,5"));
  press(&txtMenge, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
  EXPECT_EQ(txtMenge.text(), QStringLiteral("12,5"));
  EXPECT_EQ(prompts->beeps(), 0);
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

// Pasted or dropped text, by the paste keys, the context menu's "Einfügen" and a drop:
// refused whole with a beep where the rule refuses a character or the length, inserted
// otherwise.
TEST_F(KeyFilterTest, EnteringTextIsRefusedWholeOrInsertedAsItStands) {
  InstallKeyFilter(&txtMenge, NumberRule());
  InstallKeyFilter(&txtPreis, DateRule());
  struct Case {
    QLineEdit* box;
    const char* held;
    bool selectAll;  // else the cursor stands at the end
    const char* entering;
    const char* expected;  // nullptr: refused, the box keeps `held`
  };
  const Case cases[] = {
      {&txtMenge, "12", false, "5", "125"},
      {&txtMenge, "12", false, ",5", "12,5"},
      {&txtMenge, "12", false, " 3,5\n", "123,5"},  // blanks and a line break at the ends
      {&txtMenge, "12", false, "\r\n7\t", "127"},
      {&txtMenge, "12", true, "40", "40"},
      {&txtMenge, "12", false, "-5", nullptr},  // never "5"
      {&txtMenge, "12", false, "1e308", nullptr},
      {&txtMenge, "12", false, "1.000", nullptr},
      {&txtMenge, "12", false, "5 6", nullptr},
      {&txtMenge, "12", false, "5\n6", nullptr},
      {&txtMenge, "12", false, "5\n\n", nullptr},  // one line break only
      {&txtMenge, "", false, "abc", nullptr},
      {&txtPreis, "01.01.", false, "2025", "01.01.2025"},
      {&txtPreis, "01.01.2025", true, "02.02.2026", "02.02.2026"},
      {&txtPreis, "01.01.", false, "20255", nullptr},  // eleven characters
      {&txtPreis, "01.01.2025", false, "1", nullptr},
      {&txtPreis, "", false, "1,1,2025", nullptr},
      {&txtPreis, "", false, "01-01-2025", nullptr},
  };
  // A drop inserts where it is dropped, beside a selection.
  const struct Route {
    const char* name;
    bool (*enter)(QLineEdit* box, const QString& text);
    bool replacesSelection;
  } routes[] = {
      {"context menu", [](QLineEdit* box, const QString& text) { return test::PasteByContextMenu(box, text); }, true},
      {"drop", [](QLineEdit* box, const QString& text) { return test::DropText(box, text); }, false},
      {"Ctrl+V",
       [](QLineEdit* box, const QString& text) {
         test::SetClipboardText(text);
         box->setFocus();
         return test::Press(Qt::Key_V, Qt::ControlModifier);
       },
       true},
      {"Shift+Insert",
       [](QLineEdit* box, const QString& text) {
         test::SetClipboardText(text);
         box->setFocus();
         return test::Press(Qt::Key_Insert, Qt::ShiftModifier);
       },
       true},
  };
  for (const Route& route : routes) {
    for (const Case& c : cases) {
      if (c.selectAll && !route.replacesSelection) continue;
      SCOPED_TRACE(std::string(route.name) + " " + c.entering + " into " + c.held);
      c.box->setText(Q(c.held));
      if (c.selectAll) c.box->selectAll();
      const int beepsBefore = prompts->beeps();
      ASSERT_TRUE(route.enter(c.box, Q(c.entering)));
      EXPECT_EQ(c.box->text(), Q(c.expected != nullptr ? c.expected : c.held));
      EXPECT_EQ(prompts->beeps() - beepsBefore, c.expected != nullptr ? 0 : 1);
    }
  }
}

// A box's own length limit would cut a longer text: under a rule it refuses the text whole.
TEST_F(KeyFilterTest, TheBoxLimitRefusesALongerTextWhole) {
  txtMenge.setMaxLength(4);
  InstallNumericFilter(&txtMenge);
  txtMenge.setText(QStringLiteral("12"));
  ASSERT_TRUE(test::PasteByContextMenu(&txtMenge, QStringLiteral("345")));
  EXPECT_EQ(txtMenge.text(), QStringLiteral("12"));
  EXPECT_EQ(prompts->beeps(), 1);
  ASSERT_TRUE(test::PasteByContextMenu(&txtMenge, QStringLiteral("34")));
  EXPECT_EQ(txtMenge.text(), QStringLiteral("1234"));
  press(&txtMenge, Qt::Key_5, QStringLiteral("5"));
  EXPECT_EQ(txtMenge.text(), QStringLiteral("1234"));
  EXPECT_EQ(prompts->beeps(), 2);
}

// The program's own text stands whatever it holds, and the rule still holds for what the
// person adds to it; the box still reports Enter.
TEST_F(KeyFilterTest, ProgramTextIsNeverRefused) {
  InstallKeyFilter(&txtMenge, NumberRule());
  int entered = 0;
  QObject::connect(&txtMenge, &QLineEdit::returnPressed, [&entered] { ++entered; });
  txtMenge.setText(QStringLiteral("-1.234,5 kg"));
  EXPECT_EQ(txtMenge.text(), QStringLiteral("-1.234,5 kg"));
  EXPECT_TRUE(txtMenge.hasAcceptableInput());
  txtMenge.setCursorPosition(0);
  ASSERT_TRUE(test::PasteByContextMenu(&txtMenge, QStringLiteral("-")));
  EXPECT_EQ(txtMenge.text(), QStringLiteral("-1.234,5 kg"));
  ASSERT_TRUE(test::DropText(&txtMenge, QStringLiteral("7")));
  EXPECT_EQ(txtMenge.text().count(QLatin1Char('7')), 1);
  EXPECT_EQ(prompts->beeps(), 1);
  txtMenge.setFocus();
  press(&txtMenge, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(entered, 1);
}

// Undo brings back what the program wrote; the rule still holds for what comes after.
TEST_F(KeyFilterTest, UndoBringsBackTheProgramText) {
  InstallKeyFilter(&txtMenge, NumberRule());
  txtMenge.setText(QStringLiteral("-5"));
  txtMenge.setCursorPosition(2);
  press(&txtMenge, Qt::Key_1, QStringLiteral("1"));
  txtMenge.setCursorPosition(0);
  press(&txtMenge, Qt::Key_Delete, QString());
  ASSERT_EQ(txtMenge.text(), QStringLiteral("51"));
  press(&txtMenge, Qt::Key_Z, QStringLiteral("\x1a"), Qt::ControlModifier);
  EXPECT_EQ(txtMenge.text(), QStringLiteral("-51"));
  txtMenge.setCursorPosition(0);
  ASSERT_TRUE(test::DropText(&txtMenge, QStringLiteral("-")));
  EXPECT_EQ(txtMenge.text(), QStringLiteral("-51"));
  EXPECT_EQ(prompts->beeps(), 1);
}

// A window's own filter: a refused character or one beyond the length is dropped with a
// beep; editing keys with Ctrl pass to the box, the paste keys paste what the box may hold.
TEST_F(KeyFilterTest, KeysOfAFilteredBox) {
  InstallKeyFilter(&txtPreis, DateRule());
  txtPreis.setFocus();
  struct Case {
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
    const char* held;
    const char* expected;
    bool beeps;
  };
  const Case cases[] = {
      {Qt::Key_1, "1", Qt::NoModifier, "01.01.", "01.01.1", false},
      {Qt::Key_Period, ".", Qt::NoModifier, "01", "01.", false},
      {Qt::Key_Comma, ",", Qt::NoModifier, "01", "01", true},
      {Qt::Key_A, "a", Qt::NoModifier, "01", "01", true},
      {Qt::Key_5, "5", Qt::NoModifier, "01.01.2025", "01.01.2025", true},
      {Qt::Key_V, "\x16", Qt::ControlModifier, "01", "017", false},
      {Qt::Key_Insert, "", Qt::ShiftModifier, "01", "017", false},
      {Qt::Key_V, "\x16", Qt::ControlModifier, "01.01.2025", "01.01.2025", true},
      {Qt::Key_Backspace, "\b", Qt::NoModifier, "01.01.2025", "01.01.202", false},
  };
  QGuiApplication::clipboard()->setText(QStringLiteral("7"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    txtPreis.setText(Q(c.held));
    const int beepsBefore = prompts->beeps();
    press(&txtPreis, c.key, Q(c.text), c.modifiers);
    EXPECT_EQ(txtPreis.text(), Q(c.expected));
    EXPECT_EQ(prompts->beeps() - beepsBefore, c.beeps ? 1 : 0);
  }
  // The whole date selected, a digit takes its place.
  txtPreis.setText(QStringLiteral("01.01.2025"));
  txtPreis.selectAll();
  press(&txtPreis, Qt::Key_3, QStringLiteral("3"));
  EXPECT_EQ(txtPreis.text(), QStringLiteral("3"));
  EXPECT_NE(KeyRuleOf(&txtPreis), nullptr);
  EXPECT_EQ(KeyRuleOf(&before), nullptr);
}

}  // namespace
}  // namespace tolvar::ui
