#include "data/state.h"

#include <utility>

#include "data/messages.h"
#include "platform/db/database.h"

namespace tolvar {

namespace {
State& instance() {
  static State s;
  return s;
}
}  // namespace

State& state() { return instance(); }

void ResetState() {
  instance() = State();
  db::UnblockAllFiles();
  data::BeschaedigungMeldenEinrichten();
}

void MasterLists::MaterialListeErsetzen(std::vector<MaterialSatz> liste) {
  MaterialListe = std::move(liste);
  MaterialNachNummer.Aufbauen(MaterialListe);
}

const MaterialSatz* MaterialMitNummer(const MasterLists& stamm, const std::string& nr) {
  return stamm.MaterialNachNummer.Finden(stamm.MaterialListe, nr);
}

std::optional<std::size_t> MaterialIndexMitNummer(const MasterLists& stamm, const std::string& nr) {
  return stamm.MaterialNachNummer.Index(stamm.MaterialListe, nr);
}

}  // namespace tolvar
