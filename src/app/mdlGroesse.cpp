#include "app/mdlGroesse.h"

#include "platform/sys/screen.h"
#include "platform/ui/prompts.h"

namespace tolvar::mdlGroesse {

double AufloesungOk = 0;

void BildschirmaufloesungPruefen() {
  const sys::Screen& screen = sys::CurrentScreen();
  if (screen.Width() < kMindestBreite || screen.Height() < kMindestHoehe) {
    ui::MsgBox(QStringLiteral("Für die Nutzung von Tolvar benötigen sie eine Mindestauflösung von "
                              "768 x 1024 Pixeln."),
               ui::msgbox::Critical | ui::msgbox::OkOnly, QStringLiteral("Tolvar-Information"));
    AufloesungOk = 0;
    return;
  }
  AufloesungOk = 1;
}

}  // namespace tolvar::mdlGroesse
