#include "data/material_lookup.h"

namespace tolvar::data {

void MaterialVerzeichnis::Aufbauen(const std::vector<MaterialSatz>& liste) {
  erste_.clear();
  erste_.reserve(liste.size());
  // emplace keeps the first element of a number.
  for (std::size_t i = 0; i < liste.size(); ++i) erste_.emplace(liste[i].MaterialNr, i);
  groesse_ = liste.size();
  gebaut_ = true;
}

const MaterialSatz* MaterialVerzeichnis::Finden(const std::vector<MaterialSatz>& liste, const std::string& nr) const {
  if (gebaut_ && groesse_ == liste.size()) {
    const auto it = erste_.find(nr);
    if (it == erste_.end()) return nullptr;
    const MaterialSatz& m = liste[it->second];
    if (m.MaterialNr == nr) return &m;
  }
  for (const MaterialSatz& m : liste) {
    if (m.MaterialNr == nr) return &m;
  }
  return nullptr;
}

}  // namespace tolvar::data
