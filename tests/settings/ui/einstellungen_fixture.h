#pragma once
// Fixture of the settings windows' tests: the sample enterprise as the open one, with
// settings of its own set in code.

#include <string>
#include <vector>

#include "support/ui_fixture.h"

namespace tolvar {
class frmEinstellungen;
}

namespace tolvar::test {

class EinstellungenTest : public FensterTest {
 protected:
  void SetUp() override;

  // Shows the settings window as the menu command does, waits for its activation (which
  // fills it) and clicks the tab `tab` when it is not the first.
  frmEinstellungen& Oeffnen(int tab = 0);

  // The texts of `column` over the rows of `table`, in table order.
  static std::vector<std::string> Spalte(const std::string& path, const std::string& table, const std::string& column);
  std::string Vantel() const;
};

}  // namespace tolvar::test
