#pragma once
// The master materials by number: for each MaterialNr the first element of MaterialListe that
// carries it, so a culture's rows find their material without searching the whole list.

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/records.h"

namespace tolvar::data {

class MaterialVerzeichnis {
 public:
  // Builds the lookup for `liste`; run whenever the list is replaced (loading, and the editors
  // and regrouping, which load it again).
  void Aufbauen(const std::vector<MaterialSatz>& liste);

  // The first element of `liste` with number `nr`, nullptr when there is none. `liste` is the
  // list the lookup was built for; a list that was replaced without building it again (its
  // size differs) is searched element by element instead.
  const MaterialSatz* Finden(const std::vector<MaterialSatz>& liste, const std::string& nr) const;

 private:
  std::unordered_map<std::string, std::size_t> erste_;
  std::size_t groesse_ = 0;
  bool gebaut_ = false;
};

}  // namespace tolvar::data
