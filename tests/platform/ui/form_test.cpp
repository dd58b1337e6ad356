// Window lifecycle and registry: load on first use, unload, find by name, unload all, key preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "support/ui_desktop.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"

namespace tolvar::ui {
namespace {

// Counts handler calls per window class across instances.
struct Calls {
  int loads = 0;
  int unloads = 0;
  int activates = 0;
  std::vector<std::pair<int, int>> keys;
};

template <class Derived>
class CountingForm : public FormOf<Derived> {
 public:
  inline static Calls calls;
  inline static bool cancelUnload = false;

  QLabel* lblStatus;
  QLineEdit* txtMenge;

 protected:
  CountingForm(const QString& name, FormKind kind) : FormOf<Derived>(name, kind) {
    lblStatus = new QLabel(QStringLiteral("Alles anzeigen"), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    txtMenge = new QLineEdit(this);
    txtMenge->setObjectName(QStringLiteral("txtMenge"));
  }
  void Form_Load() override { ++calls.loads; }
  void Form_Unload(bool& cancel) override {
    ++calls.unloads;
    cancel = cancelUnload;
  }
  void Form_Activate() override { ++calls.activates; }
  void Form_KeyDown(int key, int shift) override { calls.keys.emplace_back(key, shift); }
};

class frmEins : public CountingForm<frmEins> {
 public:
  frmEins() : CountingForm(QStringLiteral("frmEins"), FormKind::Window) {}
};
class frmZwei : public CountingForm<frmZwei> {
 public:
  frmZwei() : CountingForm(QStringLiteral("frmZwei"), FormKind::Window) {}
};
class frmDrei : public CountingForm<frmDrei> {
 public:
  frmDrei() : CountingForm(QStringLiteral("frmDrei"), FormKind::Dialog) {}
};

// Its unload handler loads another window, as editors reach the master-data window by name.
class frmNachlader : public FormOf<frmNachlader> {
 public:
  frmNachlader() : FormOf(QStringLiteral("frmNachlader"), FormKind::Window) {}

 protected:
  void Form_Unload(bool&) override { frmEins::instanz(); }
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frmEins::calls = {};
    frmZwei::calls = {};
    frmDrei::calls = {};
    frmEins::cancelUnload = frmZwei::cancelUnload = frmDrei::cancelUnload = false;
  }
  void TearDown() override {
    frmEins::cancelUnload = frmZwei::cancelUnload = frmDrei::cancelUnload = false;
    test::UnloadAllWindows();
  }
};

TEST_F(FormTest, FirstUseLoadsOnceWithoutShowing) {
  EXPECT_FALSE(frmEins::IsLoaded());
  frmEins& first = frmEins::instanz();
  frmEins& again = frmEins::instanz();
  EXPECT_EQ(&first, &again);
  EXPECT_EQ(frmEins::calls.loads, 1);
  EXPECT_TRUE(frmEins::IsLoaded());
  EXPECT_FALSE(first.isVisible());
  EXPECT_EQ(first.Name(), QStringLiteral("frmEins"));
  EXPECT_EQ(first.objectName(), QStringLiteral("frmEins"));
}

TEST_F(FormTest, UnloadRunsHandlerAndNextUseBuildsFreshDesignState) {
  frmEins& first = frmEins::instanz();
  first.lblStatus->setText(QStringLiteral("Auswahl anzeigen"));
  first.setCaption(QStringLiteral("Geändert"));
  first.Show();
  QPointer<frmEins> old(&first);

  EXPECT_TRUE(first.Unload());
  EXPECT_EQ(frmEins::calls.unloads, 1);
  EXPECT_FALSE(frmEins::IsLoaded());
  EXPECT_FALSE(old->isVisible());
  EXPECT_EQ(Forms::Find(QStringLiteral("frmEins")), nullptr);

  test::ProcessEvents();
  EXPECT_TRUE(old.isNull()) << "an unloaded window is destroyed";

  frmEins& fresh = frmEins::instanz();
  EXPECT_EQ(frmEins::calls.loads, 2);
  EXPECT_EQ(fresh.lblStatus->text(), QStringLiteral("Alles anzeigen"));
  EXPECT_EQ(fresh.Caption(), QString());
}

TEST_F(FormTest, CancelledUnloadKeepsTheWindow) {
  frmEins& form = frmEins::instanz();
  form.Show();
  frmEins::cancelUnload = true;
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(frmEins::IsLoaded());
  EXPECT_TRUE(form.isVisible());

  // The close button goes the same way.
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(frmEins::IsLoaded());
  EXPECT_EQ(frmEins::calls.unloads, 2);

  frmEins::cancelUnload = false;
  EXPECT_TRUE(form.close());
  EXPECT_FALSE(frmEins::IsLoaded());
  EXPECT_EQ(frmEins::calls.unloads, 3);
}

TEST_F(FormTest, UnloadFromItsOwnHandlerIsSafe) {
  frmEins& form = frmEins::instanz();
  auto* cmbSchliessen = new QPushButton(&form);
  QObject::connect(cmbSchliessen, &QPushButton::clicked, &form, [&form] {
    form.Unload();
    form.txtMenge->setText(QStringLiteral("noch da"));  // the object lives until the event loop
  });
  form.Show();
  cmbSchliessen->click();
  EXPECT_FALSE(frmEins::IsLoaded());
  test::ProcessEvents();
}

TEST_F(FormTest, RegistryFindsAndEnumeratesByName) {
  frmZwei::instanz();
  frmEins::instanz();
  std::vector<QString> names;
  for (Form* form : Forms::Loaded()) names.push_back(form->Name());
  EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("frmZwei"), QStringLiteral("frmEins")}));
  EXPECT_EQ(Forms::Find(QStringLiteral("frmEins")), &frmEins::instanz());
  EXPECT_EQ(Forms::Find(QStringLiteral("frmeins")), nullptr) << "names compare exactly";
  EXPECT_EQ(Forms::Find(QStringLiteral("frmDrei")), nullptr);
}

TEST_F(FormTest, UnloadAllExceptRunsEveryHandlerHiddenOnesIncluded) {
  frmEins::instanz().Show();
  frmZwei::instanz();  // loaded, never shown
  frmDrei& kept = frmDrei::instanz();
  EXPECT_TRUE(Forms::UnloadAllExcept(&kept));
  EXPECT_EQ(frmEins::calls.unloads, 1);
  EXPECT_EQ(frmZwei::calls.unloads, 1);
  EXPECT_EQ(frmDrei::calls.unloads, 0);
  EXPECT_TRUE(frmDrei::IsLoaded());
  EXPECT_EQ(Forms::Loaded().size(), 1u);
}

TEST_F(FormTest, UnloadAllExceptAlsoUnloadsWindowsLoadedByHandlers) {
  frmNachlader::instanz();
  EXPECT_TRUE(Forms::UnloadAllExcept());
  EXPECT_EQ(frmEins::calls.loads, 1);
  EXPECT_EQ(frmEins::calls.unloads, 1);
  EXPECT_TRUE(Forms::Loaded().empty());
}

TEST_F(FormTest, UnloadAllExceptReportsAWindowThatCancels) {
  frmEins::instanz();
  frmZwei::instanz();
  frmZwei::cancelUnload = true;
  EXPECT_FALSE(Forms::UnloadAllExcept());
  EXPECT_FALSE(frmEins::IsLoaded());
  EXPECT_TRUE(frmZwei::IsLoaded());
  EXPECT_EQ(frmZwei::calls.unloads, 1) << "asked once, not in an endless loop";
}

TEST_F(FormTest, ModalShowReturnsWhenHiddenOrUnloaded) {
  for (bool unload : {false, true}) {
    SCOPED_TRACE(unload ? "unloaded" : "hidden");
    frmDrei& dialog = frmDrei::instanz();
    bool wasModal = false;
    QTimer::singleShot(0, &dialog, [&dialog, &wasModal, unload] {
      wasModal = dialog.IsShownModal() && dialog.isModal();
      if (unload) {
        dialog.Unload();
      } else {
        dialog.Hide();
      }
    });
    dialog.Show(true);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(frmDrei::IsLoaded(), !unload);
    if (!unload) {
      EXPECT_FALSE(dialog.IsShownModal());
      dialog.Unload();
    }
    test::ProcessEvents();
  }
}

// A fixed dialog, and any window while it is shown modal, comes back when it is minimised; a
// plain window may stay minimised until a command shows it again.
TEST_F(FormTest, MinimisedDialogComesBackAndShowingRestoresAMinimisedWindow) {
  // Offscreen a window's state changes at once; on a desktop the window manager changes it in
  // its own time, and the frames test minimises the windows there as its button does.
  if (test::OnDesktop()) GTEST_SKIP() << "minimising through the window manager: see the frames and minimise tests";
  frmEins& fenster = frmEins::instanz();
  frmDrei& dialog = frmDrei::instanz();
  fenster.Show();
  dialog.Show();
  test::ProcessEvents();
  for (Form* form : std::initializer_list<Form*>{&fenster, &dialog}) form->setWindowState(Qt::WindowMinimized);
  test::ProcessEvents();
  EXPECT_FALSE(dialog.isMinimized());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(QApplication::activeWindow(), &dialog);
  EXPECT_TRUE(fenster.isMinimized());

  fenster.Show();
  test::ProcessEvents();
  EXPECT_FALSE(fenster.isMinimized());
  EXPECT_EQ(QApplication::activeWindow(), &fenster);

  bool zurueck = false;
  QTimer::singleShot(0, &fenster, [&] {
    fenster.setWindowState(Qt::WindowMinimized);
    test::ProcessEvents();
    zurueck = !fenster.isMinimized() && fenster.isVisible();
    fenster.Hide();
  });
  fenster.Hide();
  fenster.Show(true);
  EXPECT_TRUE(zurueck) << "a window shown modal stayed minimised";
}

TEST_F(FormTest, KeyPreviewSeesKeysOfItsControlsOnce) {
  frmEins& form = frmEins::instanz();
  form.Show();
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int shift;
  };
  const Case cases[] = {
      {Qt::Key_F1, Qt::NoModifier, 0},
      {Qt::Key_A, Qt::NoModifier, 0},  // taken by the text box, still seen first by the window
      {Qt::Key_F1, Qt::ShiftModifier, ShiftMask},
      {Qt::Key_F2, Qt::ControlModifier | Qt::AltModifier, CtrlMask | AltMask},
  };
  for (const Case& c : cases) {
    frmEins::calls.keys.clear();
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, c.key == Qt::Key_A ? QStringLiteral("a") : QString());
    QCoreApplication::sendEvent(form.txtMenge, &press);
    ASSERT_EQ(frmEins::calls.keys.size(), 1u) << c.key;
    EXPECT_EQ(frmEins::calls.keys[0], std::make_pair(static_cast<int>(c.key), c.shift));
  }
}

// Enter and the keypad's Enter on a focused command button click it (the button takes the key);
// on a text box they do not click any button: no button is the window's default.
TEST_F(FormTest, EnterClicksTheFocusedButtonOnly) {
  frmEins& form = frmEins::instanz();
  auto* speichern = new QPushButton(QStringLiteral("Speichern"), &form);
  speichern->move(0, 60);
  form.Show();
  int clicks = 0;
  QObject::connect(speichern, &QPushButton::clicked, [&] { ++clicks; });
  ASSERT_TRUE(test::FocusByClick(form.txtMenge));
  clicks = 0;
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(clicks, 0);
  ASSERT_TRUE(test::FocusByTab());
  ASSERT_EQ(test::FocusWidget(), speichern);
  frmEins::calls.keys.clear();
  ASSERT_TRUE(test::PressEnter());
  ASSERT_TRUE(test::PressKeypadEnter());
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(frmEins::calls.keys.empty());
  speichern->setEnabled(false);
  ASSERT_TRUE(test::Press(Qt::Key_Return));
  EXPECT_EQ(clicks, 2);
}

TEST_F(FormTest, ControlsAreFoundByNameAndArrayIndex) {
  frmEins& form = frmEins::instanz();
  auto* fraAuswahl = new QWidget(&form);
  for (int i : {0, 2, 10}) {
    auto* button = new QPushButton(fraAuswahl);
    button->setObjectName(ControlName(QStringLiteral("cmbAnzeigen"), i));
  }
  EXPECT_EQ(FindControl<QLineEdit>(&form, QStringLiteral("txtMenge")), form.txtMenge);
  EXPECT_EQ(FindControl<QPushButton>(&form, QStringLiteral("txtMenge")), nullptr) << "wrong type";
  EXPECT_EQ(FindControl<QPushButton>(&form, QStringLiteral("cmbAnzeigen"), 2)->objectName(),
            QStringLiteral("cmbAnzeigen(2)"));
  EXPECT_EQ(FindControl<QPushButton>(&form, QStringLiteral("cmbAnzeigen"), 1), nullptr);
  const auto array = ControlArray<QPushButton>(&form, QStringLiteral("cmbAnzeigen"));
  std::vector<int> indexes;
  for (const auto& [index, button] : array) indexes.push_back(index);
  EXPECT_EQ(indexes, (std::vector<int>{0, 2, 10}));
}

TEST(ControlNameTest, ParsesArrayElementNames) {
  struct Case {
    const char* name;
    bool element;
    const char* base;
    int index;
  };
  const Case cases[] = {
      {"cmbAnzeigen(2)", true, "cmbAnzeigen", 2},
      {"opbTolvar(10)", true, "opbTolvar", 10},
      {"cmbAnzeigen", false, "", 0},
      {"cmbAnzeigen()", false, "", 0},
      {"cmbAnzeigen(x)", false, "", 0},
      {"(2)", false, "", 0},
      {"cmbAnzeigen(2", false, "", 0},
      {"cmbAnzeigen(-1)", false, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString base;
    int index = -1;
    EXPECT_EQ(ParseControlName(Q(c.name), &base, &index), c.element);
    if (c.element) {
      EXPECT_EQ(base, Q(c.base));
      EXPECT_EQ(index, c.index);
    }
  }
}

}  // namespace
}  // namespace tolvar::ui
