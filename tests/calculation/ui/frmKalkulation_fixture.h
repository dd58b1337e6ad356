#pragma once
// Fixture of the calculation window tests: the shared window-test set-up with the sample
// enterprise open and its lists loaded, the calculation mode, and helpers that choose a
// culture by a click on its node and calculate by typing the price and clicking "Kalkulation".

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "calculation/mdlKalkulation.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_fixture.h"
#include "support/ui_input.h"

namespace tolvar::test {

class KalkulationFensterBasis : public FensterTest {
 protected:
  void SetUp() override {
    mdlKalkulation::DiensteZuruecksetzen();
    MusterbetriebEinsetzen();
    ASSERT_NO_FATAL_FAILURE(EinstellungenLaden());
    ASSERT_NO_FATAL_FAILURE(ListenLaden());
    state().enterprise.ModusKalkulation = true;
  }
  void TearDown() override {
    FensterTest::TearDown();
    mdlKalkulation::DiensteZuruecksetzen();
  }

  // The window, loaded, shown and activated (its tree built).
  frmKalkulation& Fenster() {
    frmKalkulation& f = frmKalkulation::instanz();
    if (!f.isVisible()) f.Show();
    if (f.trvKulturen->Count() == 0) Aktivieren();
    return f;
  }
  void Aktivieren() { ui::FormAccess::Activate(frmKalkulation::instanz()); }

  // Chooses the node `nr` by a click on it. Each step's message names the control that failed.
  void Waehlen(const std::string& nr) {
    frmKalkulation& f = Fenster();
    ASSERT_TRUE(f.trvKulturen->EnsureVisible(ui::Q(nr)))  // its group opened
        << "the culture tree (trvKulturen) holds no node " << nr;
    ASSERT_TRUE(ClickNode(f.trvKulturen, ui::Q(nr))) << "the culture tree (trvKulturen) took no click on " << nr;
  }
  // Chooses a culture, types the price and clicks "Kalkulation".
  void Berechnen(const std::string& nr, const char* preis) {
    Waehlen(nr);
    ASSERT_TRUE(TypeInto(Fenster().txtPreis, QString::fromLatin1(preis)))
        << "the price box (txtPreis) took no typing of " << preis;
    ASSERT_TRUE(Click(Fenster().cmbStart)) << "Kalkulation (cmbStart) took no click";
    ASSERT_TRUE(Fenster().cmbErgebnisSpeichern->isEnabled())
        << "Kalkulation (cmbStart) computed nothing for " << nr
        << ": its save button (cmbErgebnisSpeichern) stays disabled";
  }

  static const KulturSatz& Kultur(const std::string& nr) {
    for (const KulturSatz& k : state().masters.KulturListe) {
      if (k.KulturNr == nr) return k;
    }
    static const KulturSatz keine;
    ADD_FAILURE() << nr;
    return keine;
  }
  // The number of a culture group shown in the tree; empty when the tree shows none.
  std::string Gruppe() {
    for (const KulturSatz& k : state().masters.KulturListe) {
      if (k.Gliederungspunkt && k.KulturNr != "K1000" && Fenster().trvKulturen->Has(ui::Q(k.KulturNr))) {
        return k.KulturNr;
      }
    }
    return {};
  }
};

}  // namespace tolvar::test
