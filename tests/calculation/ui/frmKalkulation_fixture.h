#pragma once
// Fixture of the calculation window tests: the sample enterprise below a fresh data root,
// the calculation mode, scripted prompts, and helpers that choose a culture in the tree as
// a click does and type keys into a box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "calculation/einstellungslader.h"
#include "calculation/kalkulation.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/master_loaders.h"
#include "data/messages.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/ui/keyedtree.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"
#include "support/ui_prompts.h"

namespace tolvar::test {

class KalkulationFensterBasis : public ::testing::Test {
 protected:
  void SetUp() override {
    data::SetMessageSink(&meldungen);
    ResetState();
    mdlKalkulation::DiensteZuruecksetzen();
    mdlKalkulation::EinstellungsladerEinsetzen();
    State& s = state();
    s.Programmpfad = root.Path();
    s.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
    s.TolvarDatenbankPfad = root.Join("Betriebe/Mustergärtnerei.Tolvar");
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
    s.AktuelleEinstellungen.Ergebnisdatenbank = root.Join("Tolvar_DB/Ergebnisse.mdb");
    ASSERT_TRUE(mdlDatenLaden::KulturenLaden());
    ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
    ASSERT_TRUE(mdlDatenLaden::StandorteLaden());
    s.BetriebOffen = true;
    s.ModusKalkulation = true;
  }
  void TearDown() override {
    UnloadAllWindows();
    mdlKalkulation::DiensteZuruecksetzen();
    ResetState();
    data::SetMessageSink(nullptr);
  }

  // The window, loaded and activated (its tree built).
  frmKalkulation& Fenster() {
    frmKalkulation& f = frmKalkulation::instanz();
    if (f.trvKulturen->Count() == 0) Aktivieren();
    return f;
  }
  void Aktivieren() { ui::FormAccess::Activate(frmKalkulation::instanz()); }

  // Chooses the node `nr` in the tree as a click does.
  void Waehlen(const std::string& nr) {
    frmKalkulation& f = Fenster();
    ASSERT_TRUE(f.trvKulturen->Select(QString::fromStdString(nr))) << nr;
    f.trvKulturen_Click();
  }
  // Chooses a culture, types the price and runs "Kalkulation".
  void Berechnen(const std::string& nr, const char* preis) {
    Waehlen(nr);
    Fenster().txtPreis->setText(QString::fromLatin1(preis));
    Fenster().cmbStart_Click();
    ASSERT_TRUE(Fenster().cmbErgebnisSpeichern->isEnabled());
  }

  static const KulturSatz& Kultur(const std::string& nr) {
    for (const KulturSatz& k : state().KulturListe) {
      if (k.KulturNr == nr) return k;
    }
    static const KulturSatz keine;
    ADD_FAILURE() << nr;
    return keine;
  }
  // The number of a culture group shown in the tree; empty when the tree shows none.
  std::string Gruppe() {
    for (const KulturSatz& k : state().KulturListe) {
      if (k.Gliederungspunkt && k.KulturNr != "K1000" &&
          Fenster().trvKulturen->Has(QString::fromStdString(k.KulturNr))) {
        return k.KulturNr;
      }
    }
    return {};
  }

  // One key typed into `box`: the press goes through the window's key filter.
  static void Taste(QWidget* box, int key, const QString& text) {
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &los);
  }

  FreshDataRoot root;
  ScopedPrompts prompts;
  data::RecordingMessageSink meldungen;
};

}  // namespace tolvar::test
