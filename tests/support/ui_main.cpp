// Test main for window tests: one QApplication for the whole run, on the offscreen platform
// unless QT_QPA_PLATFORM names another (the desktop run of test.sh uses xcb).
// No test may reach a real dialog: an answer-less scripted prompt service stands behind every
// test's own, so an unscripted prompt fails the test instead of waiting for a person, and a
// message of the logic that no test expected fails it too; and the
// program-end hook does nothing, so unloading the last window never quits the test run.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/ui/appearance.h"
#include "platform/ui/forms.h"
#include "support/messages.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace {

// The offscreen platform reports every raise() and size hint it ignores; keep the log readable.
QtMessageHandler g_defaultHandler = nullptr;
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
  g_defaultHandler(type, context, message);
}

// Windows a test left loaded are unloaded after it, so tests do not see each other's windows.
class LeftoverWindows : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo& /*info*/) override { tolvar::test::UnloadAllWindows(); }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  g_defaultHandler = qInstallMessageHandler(QuietOffscreen);
  tolvar::ui::PrepareApplication();
  QApplication app(argc, argv);
  tolvar::ui::SetUpApplication(app);
  ::testing::InitGoogleTest(&argc, argv);

  tolvar::test::ScriptedPrompts strict;
  strict.SetExpectAllUsed(false);
  tolvar::ui::SetPrompts(&strict);
  tolvar::ui::Forms::SetQuitHandler([] {});
  ::testing::UnitTest::GetInstance()->listeners().Append(new LeftoverWindows);
  tolvar::test::InstallUnexpectedMessages();

  const int result = RUN_ALL_TESTS();
  tolvar::ui::SetPrompts(nullptr);
  return result;
}
