// Tolvar: the start-up screen is the entry point; it opens the main window.
#include <QApplication>

#include "app/frmBegruessung.h"
#include "app/message_sink.h"
#include "data/first_start.h"
#include "data/messages.h"
#include "platform/sys/fehlertext.h"
#include "platform/ui/appearance.h"

int main(int argc, char** argv) {
  tolvar::ui::PrepareApplication();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tolvar"));
  tolvar::ui::SetUpApplication(app);

  tolvar::app::InstallMessageSink();
  // The writable data root stands for the installation folder; the first start fills it.
  const tolvar::data::Ersteinrichtung einrichtung = tolvar::data::DatenwurzelEinrichten();
  if (einrichtung.ausgang == tolvar::data::Ersteinrichtung::Ausgang::Fehlgeschlagen) {
    tolvar::data::ShowCritical(
        tolvar::sys::Fehlermeldung("Die Daten von Tolvar konnten nicht eingerichtet werden.", einrichtung.fehler));
    return 1;
  }
  // A damaged system database was restored, or could not be: the main window then opens
  // without an enterprise and "Betrieb öffnen" works.
  if (const std::string meldung = tolvar::data::Einrichtungsmeldung(einrichtung); !meldung.empty())
    tolvar::data::ShowCritical(meldung);
  // Half-written copies of a save that was killed take space and serve nothing.
  tolvar::data::RestkopienEntfernen();

  tolvar::frmBegruessung::instanz();
  return QApplication::exec();
}
