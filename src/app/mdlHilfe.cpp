#include "app/mdlHilfe.h"

#include <QString>

#include "data/messages.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/builders.h"
#include "platform/ui/helpviewer.h"

namespace tolvar::mdlHilfe {

namespace {
const std::string kIndex = "index.htm";
}  // namespace

std::string Seitenname(const std::string& thema) {
  if (thema == "Index") return kIndex;
  return "Abschnitt" + thema + ".htm";
}

void HtmlHilfeAnzeigen(const std::string& hilfedatei, const std::string& seite) {
  ui::HelpViewer& viewer = ui::HelpViewer::Instance();
  const QString folder = ui::Q(hilfedatei);
  if (viewer.ShowPage(folder, ui::Q(seite))) return;
  if (viewer.ShowPage(folder, ui::Q(kIndex))) return;
  // Neither the page nor the index: the help folder is missing or empty.
  data::ShowCritical("Die Hilfe wurde nicht gefunden. Sie wird im Ordner \"" + hilfedatei + "\" erwartet.");
}

void HilfeDateiOeffnen(const std::string& seite) { HtmlHilfeAnzeigen(sys::DataPath("\\Hilfe"), seite); }

void HilfeAufrufen(const std::string& thema) { HilfeDateiOeffnen(Seitenname(thema)); }

}  // namespace tolvar::mdlHilfe
