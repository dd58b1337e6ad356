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

std::optional<std::size_t> MaterialVerzeichnis::Index(const std::vector<MaterialSatz>& liste,
                                                      const std::string& nr) const {
  if (gebaut_ && groesse_ == liste.size()) {
    const auto it = erste_.find(nr);
    if (it != erste_.end() && liste[it->second].MaterialNr == nr) return it->second;
  }
  for (std::size_t i = 0; i < liste.size(); ++i) {
    if (liste[i].MaterialNr == nr) return i;
  }
  return std::nullopt;
}

const MaterialSatz* MaterialVerzeichnis::Finden(const std::vector<MaterialSatz>& liste, const std::string& nr) const {
  const auto i = Index(liste, nr);
  return i ? &liste[*i] : nullptr;
}

}  // namespace tolvar::data
