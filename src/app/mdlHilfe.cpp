#include "app/mdlHilfe.h"

#include <QString>
#include <exception>

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
  try {
    ui::HelpViewer& viewer = ui::HelpViewer::Instance();
    const QString folder = ui::Q(hilfedatei);
    if (viewer.ShowPage(folder, ui::Q(seite))) return;
    if (viewer.ShowPage(folder, ui::Q(kIndex))) return;
    // Neither the page nor the index: the help folder is missing or empty.
    data::ShowCritical("Die Hilfe wurde nicht gefunden. Sie wird im Ordner \"" + hilfedatei + "\" erwartet.");
  } catch (const std::exception&) {
    // Help never reports an error.
  }
}

void HilfeDateiOeffnen(const std::string& seite) { HtmlHilfeAnzeigen(sys::DataPath("\\Hilfe"), seite); }

void HilfeAufrufen(const std::string& thema) {
  try {
    HilfeDateiOeffnen(Seitenname(thema));
  } catch (const std::exception&) {
    try {
      HilfeDateiOeffnen(kIndex);
    } catch (const std::exception&) {
      // Nothing to show.
    }
  }
}

}  // namespace tolvar::mdlHilfe
