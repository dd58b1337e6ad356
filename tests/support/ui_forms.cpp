#include "support/ui_forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>

#include "app/mdiTolvarZentral.h"
#include "platform/ui/forms.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_input.h"

namespace tolvar::test {

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void UnloadAllWindows() {
  for (int round = 0; round < 3; ++round) {
    if (ui::MainForm* main = ui::Forms::Main()) main->Unload();
    for (ui::Form* form : ui::Forms::Loaded()) ui::FormAccess::UnloadForced(*form);
    ProcessEvents();
  }
}

void MainWindowShown() {
  mdiTolvarZentral& main = mdiTolvarZentral::instanz();
  main.Show();
  main.showNormal();
  main.setGeometry(0, 0, 2400, 1800);
  ProcessEvents();
}

bool PopUpCommand(ui::KeyedTree* tree, const QString& key, const QString& command) {
  tree->EnsureVisible(key);  // its group opened
  if (!RightClickNode(tree, key)) return false;
  mdiTolvarZentral& main = mdiTolvarZentral::instanz();
  QMenu* menu = main.LetztesPopUp();
  if (menu == nullptr || !menu->isVisible()) {
    ADD_FAILURE() << "pop-up: no menu shown for " << key.toStdString();
    return false;
  }
  const bool triggered = TriggerCommand(&main, command);
  menu->hide();
  Settle();
  return triggered;
}

}  // namespace tolvar::test
