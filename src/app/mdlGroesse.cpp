#include "app/mdlGroesse.h"

#include "data/state.h"
#include "platform/sys/screen.h"
#include "platform/ui/prompts.h"

namespace tolvar::mdlGroesse {

void BildschirmaufloesungPruefen() {
  const sys::Screen& screen = sys::CurrentScreen();
  if (screen.Width() < kMindestBreite || screen.Height() < kMindestHoehe) {
    ui::MsgBox(QStringLiteral("Für die Nutzung von Tolvar benötigen sie eine Mindestauflösung von "
                              "768 x 1024 Pixeln."),
               ui::msgbox::Critical | ui::msgbox::OkOnly, QStringLiteral("Tolvar-Information"));
    state().windows.AufloesungOk = 0;
    return;
  }
  state().windows.AufloesungOk = 1;
}

}  // namespace tolvar::mdlGroesse
