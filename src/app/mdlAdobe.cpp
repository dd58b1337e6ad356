#include "app/mdlAdobe.h"

#include <QString>
#include <filesystem>
#include <system_error>

#include "platform/sys/dataroot.h"
#include "platform/sys/shell.h"
#include "platform/ui/builders.h"
#include "platform/ui/prompts.h"

namespace tolvar::mdlAdobe {

namespace {
const QString kTitel = QStringLiteral("Tolvar-Information");
}  // namespace

std::string DokumentationsPfad() { return sys::DataPath("\\Hilfe\\Tolvar-Hilfe.pdf"); }

bool DokumentationOeffnen() {
  const std::string pfad = DokumentationsPfad();
  std::error_code fehler;
  if (!std::filesystem::is_regular_file(pfad, fehler)) {
    // Blaming the PDF reader would send the user looking in the wrong place.
    ui::MsgBox(QStringLiteral("Die Dokumentation wurde nicht gefunden. Die Datei \"%1\" fehlt.").arg(ui::Q(pfad)),
               ui::msgbox::Critical, kTitel);
    return false;
  }
  const bool geoeffnet = sys::CurrentShell().OpenDocument(pfad);
  if (!geoeffnet) ui::MsgBox(ui::Q(kMeldungLeser), ui::msgbox::Critical, kTitel);
  return geoeffnet;
}

}  // namespace tolvar::mdlAdobe
