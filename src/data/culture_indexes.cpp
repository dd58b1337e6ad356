#include "data/culture_indexes.h"

#include <memory>
#include <string>
#include <vector>

#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::data {

namespace {

constexpr Kulturindex kMorvin5[] = {
    {"Taetigkeiten_KulturNr", "Taetigkeiten", "KulturNr"},
    {"KulturStandorte_KulturNr", "KulturStandorte", "KulturNr"},
};

constexpr Kulturindex kTolvar[] = {
    {"KulturPhasen_Kulturnummer", "KulturPhasen", "Kulturnummer"},
    {"Material_KulturNr", "Material", "KulturNr"},
};

}  // namespace

std::span<const Kulturindex> Morvin5Indizes() { return kMorvin5; }

std::span<const Kulturindex> TolvarIndizes() { return kTolvar; }

bool IndizesAnlegen(const std::string& pfad, std::span<const Kulturindex> indizes) {
  std::unique_ptr<db::Database> database = db::Database::Open(pfad);
  if (!database) return false;
  // Index names are case-blind, as the engine compares them.
  std::vector<const Kulturindex*> fehlend;
  for (const Kulturindex& index : indizes) {
    const db::Value vorhanden = database->Scalar(
        "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ? COLLATE NOCASE", {db::Value(index.name)});
    if (vorhanden.isNull()) return false;
    if (vorhanden.integerOr() == 0) fehlend.push_back(&index);
  }
  if (fehlend.empty()) return true;
  db::Transaction transaktion = database->BeginTransaction();
  if (!transaktion.active()) return false;
  for (const Kulturindex* index : fehlend) {
    const std::string sql = "CREATE INDEX IF NOT EXISTS " + db::QuoteIdentifier(index->name) + " ON " +
                            db::QuoteIdentifier(index->tabelle) + " (" + db::QuoteIdentifier(index->spalte) + ")";
    if (!database->Execute(sql)) return false;  // the transaction rolls back
  }
  return transaktion.Commit();
}

void KulturIndizesAnlegen() {
  const EnterpriseState& e = state().enterprise;
  IndizesAnlegen(e.AktuellerBetrieb, Morvin5Indizes());
  IndizesAnlegen(e.TolvarDatenbankPfad, TolvarIndizes());
}

}  // namespace tolvar::data
