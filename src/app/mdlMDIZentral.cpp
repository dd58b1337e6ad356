#include "app/mdlMDIZentral.h"

#include <QFont>
#include <QLabel>
#include <QStatusBar>

#include "app/mdiTolvarZentral.h"
#include "data/state.h"
#include "platform/ui/builders.h"

namespace tolvar::mdlMDIZentral {

void HauptfensterTitelSetzen() {
  const State& s = state();
  if (!s.enterprise.BetriebOffen || !mdiTolvarZentral::IsLoaded()) return;
  mdiTolvarZentral& haupt = mdiTolvarZentral::instanz();
  QFont schrift = haupt.stbZentral->font();
  schrift.setPointSize(8);
  haupt.stbZentral->setFont(schrift);
  const QString pfad = ui::Q(s.enterprise.AktuellerBetrieb);
  if (QLabel* panel = haupt.PanelLabel(1)) panel->setText(QStringLiteral("geöffnete Datei: ") + pfad);
  // The last separator, the first character not looked at; none leaves the caption as it is.
  const qsizetype trenner = pfad.lastIndexOf(QLatin1Char('/'));
  if (trenner < 1) return;
  const QString name = pfad.mid(trenner + 1);
  haupt.setCaption(QStringLiteral("Tolvar - ") + name.left(qMax<qsizetype>(0, name.size() - 4)));
}

}  // namespace tolvar::mdlMDIZentral
