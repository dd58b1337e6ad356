#include "data/state.h"

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

const MaterialSatz* MaterialMitNummer(const MasterLists& stamm, const std::string& nr) {
  return stamm.MaterialNachNummer.Finden(stamm.MaterialListe, nr);
}

}  // namespace tolvar
