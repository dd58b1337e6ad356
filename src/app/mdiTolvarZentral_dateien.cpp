// Main window: the enterprise file commands. The dialogs are shown here; the file work is
// done by mdlDatenbank, which says whether the main window has to be reopened.
#include <QString>

#include "app/mdiTolvarZentral.h"
#include "data/mdlDatenbank.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"
#include "platform/ui/prompts.h"

namespace tolvar {

namespace {

using ui::Q;

std::optional<std::string> Gewaehlt(const std::optional<QString>& datei) {
  if (!datei || datei->isEmpty()) return std::nullopt;
  return ui::S(*datei);
}

// Open dialog of "Betrieb öffnen": no preset name; it starts where a person's enterprises are,
// in the folder of the open enterprise, or in the data folder's enterprises folder when none
// is open.
std::optional<std::string> BetriebsdateiWaehlen() {
  const EnterpriseState& betrieb = state().enterprise;
  const std::string ordner =
      betrieb.BetriebOffen ? sys::FolderOf(betrieb.AktuellerBetrieb) : data::InstallPath("\\Betriebe");
  return Gewaehlt(ui::OpenFileDialog(QString(), Q(ordner), Q(data::kOeffnenFilter)));
}

// Save dialog of save as, restore and new result database, preset to the databases' folder.
std::optional<std::string> ZielWaehlen() {
  const std::string vorgabe = data::SpeichernVorgabe();
  return Gewaehlt(
      ui::SaveFileDialog(QString(), Q(sys::FolderOf(vorgabe)), Q(data::kSpeichernFilter), Q(sys::FileNameOf(vorgabe))));
}

// Open dialog of "Sicherungsdatei laden", preset to the backup folder.
std::optional<std::string> SicherungWaehlen() {
  const std::string vorgabe = data::SicherungVorgabe();
  return Gewaehlt(
      ui::OpenFileDialog(QString(), Q(sys::FolderOf(vorgabe)), Q(data::kSicherungFilter), Q(sys::FileNameOf(vorgabe))));
}

}  // namespace

void mdiTolvarZentral::Ausfuehren(const data::Befehlsergebnis& ergebnis) {
  data::MeldungZeigen(ergebnis);
  if (ergebnis.hauptfensterNeuLaden) HauptfensterNeuLaden();
}

void mdiTolvarZentral::mnuoeffnen_Click() {
  const std::optional<std::string> datei = BetriebsdateiWaehlen();
  Ausfuehren(mdlDatenbank::BetriebOeffnen(datei));
}

void mdiTolvarZentral::mnuspeichernunter_Click() {
  if (!state().enterprise.BetriebOffen) return;
  const std::optional<std::string> ziel = ZielWaehlen();
  Ausfuehren(mdlDatenbank::BetriebSpeichernUnter(ziel));
}

void mdiTolvarZentral::mnuBetriebSichern_Click() {
  if (!state().enterprise.BetriebOffen) return;
  Ausfuehren(mdlDatenbank::BetriebSichern());
}

void mdiTolvarZentral::mnuSicherungLaden_Click() {
  if (!state().enterprise.BetriebOffen) return;
  const std::optional<std::string> sicherung = SicherungWaehlen();
  // The target is asked for only once a backup was chosen.
  std::optional<std::string> ziel;
  if (sicherung) ziel = ZielWaehlen();
  Ausfuehren(mdlDatenbank::SicherungLaden(sicherung, ziel));
}

void mdiTolvarZentral::mnuNeueErgebnisDB_Click() {
  if (!state().enterprise.BetriebOffen) return;
  const std::optional<std::string> ziel = ZielWaehlen();
  Ausfuehren(mdlDatenbank::ErgebnisdatenbankAnlegen(ziel));
}

}  // namespace tolvar
