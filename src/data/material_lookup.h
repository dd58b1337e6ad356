#pragma once
// The master materials by number: for each MaterialNr the first element of MaterialListe that
// carries it, so a culture's rows find their material without searching the whole list.

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/records.h"

namespace tolvar::data {

class MaterialVerzeichnis {
 public:
  // Builds the lookup for `liste`. The program replaces the list only through
  // MasterLists::MaterialListeErsetzen, which runs this.
  void Aufbauen(const std::vector<MaterialSatz>& liste);

  // The index of the first element of `liste` with number `nr`, nullopt when there is none.
  // `liste` is the list the lookup was built for; the element found is checked to carry `nr`,
  // and anything else (a number the lookup does not know, an element that no longer carries
  // it, a list of another size) is answered by searching the list element by element, so a
  // lookup built for another list never gives a wrong answer.
  std::optional<std::size_t> Index(const std::vector<MaterialSatz>& liste, const std::string& nr) const;
  // The element at Index, nullptr when there is none.
  const MaterialSatz* Finden(const std::vector<MaterialSatz>& liste, const std::string& nr) const;

 private:
  std::unordered_map<std::string, std::size_t> erste_;
  std::size_t groesse_ = 0;
  bool gebaut_ = false;
};

}  // namespace tolvar::data
