#include "app/help_menu.h"

#include "app/frmUeberTolvar.h"
#include "app/mdlAdobe.h"
#include "app/mdlHilfe.h"
#include "data/state.h"
#include "platform/ui/forms.h"

namespace tolvar::app {

std::string HilfeThemaErmitteln() {
  std::string thema = "Index";
  const State& s = state();
  if (s.enterprise.ModusStammdaten) thema = "5";
  if (s.enterprise.ModusErfassung) thema = "6.1.1";
  if (s.enterprise.ModusKalkulation) thema = "6.2";
  const QString aktiv = ui::Forms::ActiveChildName();
  if (aktiv == QLatin1String("frmKulturvergleich")) thema = "7.3";
  if (aktiv == QLatin1String("frmKulturVergleichBearbeiten")) thema = "7.2";
  return thema;
}

void mnuHilfeText_Click() {
  state().windows.HilfeThema = HilfeThemaErmitteln();
  mdlHilfe::HilfeAufrufen(state().windows.HilfeThema);
}

void mnuHilfeDoku_Click() { mdlAdobe::DokumentationOeffnen(); }

void mnuInfo_Click() { frmUeberTolvar::instanz().Show(); }

}  // namespace tolvar::app
