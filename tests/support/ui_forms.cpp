#include "support/ui_forms.h"

#include <QApplication>

#include "platform/ui/forms.h"

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

}  // namespace tolvar::test
