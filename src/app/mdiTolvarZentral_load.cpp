// Main window: construction, opening and closing sequences.
#include <QLabel>
#include <QRect>
#include <QStatusBar>
#include <optional>
#include <string>
#include <utility>

#include "app/mdiTolvarZentral.h"
#include "app/mdlGroesse_farben.h"
#include "app/mdlMDIZentral.h"
#include "app/mdlMauszeiger.h"
#include "app/mdlMenue.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/culture_indexes.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlDatenbank.h"
#include "data/mdlDatenbank_systeminfo.h"
#include "data/mdlFehler.h"
#include "data/mdlUpDate.h"
#include "data/paths.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"

namespace tolvar {

namespace {
constexpr int kHoeheTwips = 11050;
constexpr int kBreiteTwips = 15360;
constexpr int kPanel2Twips = 1500;

// The enterprise a reload of the main window opens: the one the state names, also when the
// system database could not take it at closing (the reload would otherwise read the one
// stored before and quietly open that).
std::optional<std::string> betriebNachNeuLaden;

// Lists of a previous enterprise must not survive into one that fails to open.
void ListenLeeren(State& s) {
  s.masters.KulturListe.clear();
  s.masters.StandortListe.clear();
  s.masters.MaterialListeErsetzen({});
  s.masters.PersonalListe.clear();
  s.masters.StdTaetigkeitListe.clear();
  s.masters.GefaessListe.clear();
  s.enterprise.AktuelleEinstellungen = data::EinstellungenErsatzwerte();
}
}  // namespace

mdiTolvarZentral::mdiTolvarZentral() : MainFormOf(QStringLiteral("mdiTolvarZentral")) {
  setCaption(QStringLiteral("Tolvar"));
  MenuesAnlegen();
  PopUpsAnlegen();
  StatusleisteAnlegen();
}

void mdiTolvarZentral::StatusleisteAnlegen() {
  stbZentral = new QStatusBar(this);
  stbZentral->setObjectName(QStringLiteral("stbZentral"));
  stbZentral->setSizeGripEnabled(false);
  m_panel1 = ui::MakeLabel(stbZentral, QStringLiteral("stbZentralPanel(1)"), QString());
  m_panel2 = ui::MakeLabel(stbZentral, QStringLiteral("stbZentralPanel(2)"), QString());
  m_panel2->setFixedWidth(sys::TwipsToPixels(kPanel2Twips));
  stbZentral->addWidget(m_panel1, 1);
  stbZentral->addWidget(m_panel2);
  // Panel 1 is as wide as the window less panel 2, more than the client area holds: the status
  // bar cuts off what does not fit at its right end instead of widening the window.
  stbZentral->setMinimumWidth(1);
  setStatusBar(stbZentral);
}

QLabel* mdiTolvarZentral::PanelLabel(int panel) const {
  if (panel == 1) return m_panel1;
  if (panel == 2) return m_panel2;
  return nullptr;
}

QString mdiTolvarZentral::PanelText(int panel) const {
  const QLabel* label = PanelLabel(panel);
  return label ? label->text() : QString();
}

int mdiTolvarZentral::PanelBreiteTwips(int panel) const {
  const QLabel* label = PanelLabel(panel);
  if (label == nullptr) return 0;
  // A panel without a fixed width shows its minimum until laid out; the fixed one is exact.
  return sys::PixelsToTwips(label->minimumWidth());
}

void mdiTolvarZentral::MDIForm_Load() {
  tolvar::State& s = state();
  mdlDatenbank::SystemInfoLesen();
  if (betriebNachNeuLaden) s.enterprise.AktuellerBetrieb = *std::exchange(betriebNachNeuLaden, std::nullopt);
  if (s.enterprise.AktuellerBetrieb == data::kKeinAktuellerBetrieb) {
    setWindowState(Qt::WindowMaximized);
    s.enterprise.BetriebOffen = false;
    return;
  }

  s.enterprise.TolvarDatenbankPfad = data::Zwillingspfad(s.enterprise.AktuellerBetrieb, ".Tolvar");
  mdlGroesse::FarbnamenErmitteln();
  mdlMauszeiger::MauszeigerSetzen(*this);
  setWindowState(Qt::WindowNoState);
  // The size is the window's outer size, title bar and border included, at the screen's corner.
  SetFrameGeometry(QRect(0, 0, sys::TwipsToPixels(kBreiteTwips), sys::TwipsToPixels(kHoeheTwips)));
  m_panel1->setMinimumWidth(sys::TwipsToPixels(kBreiteTwips - kPanel2Twips));
  m_panel2->setFixedWidth(sys::TwipsToPixels(kPanel2Twips));

  // Whatever was loaded for another enterprise goes, so nothing of it shows under this one.
  ListenLeeren(s);
  s.enterprise.BetriebOffen = sys::FileExists(s.enterprise.AktuellerBetrieb);
  if (!s.enterprise.BetriebOffen) return;

  if (!sys::FileExists(s.enterprise.TolvarDatenbankPfad)) {
    std::string meldung;
    if (!mdlDatenbank::TolvarDatenbankAnlegen(&meldung)) {
      // Nothing can be loaded without the enterprise's own database.
      s.enterprise.BetriebOffen = false;
      data::ShowCritical(meldung);
      return;
    }
  }
  mdlDatenLaden::BetriebEinstellungenLaden();

  mdlFehler::Morvin5DatenbankPruefen();
  const bool morvin5Ok = s.enterprise.PruefungOk;
  mdlFehler::TolvarDatenbankPruefen();
  if (!morvin5Ok || !s.enterprise.PruefungOk) {
    // The check has said what is wrong; nothing is loaded or computed from a damaged file,
    // and nothing is written into it when the window closes. The caption and the status bar
    // do not show it as the opened file.
    s.enterprise.BetriebOffen = false;
    s.enterprise.AktuelleEinstellungen = data::EinstellungenErsatzwerte();
    return;
  }
  mdlMDIZentral::HauptfensterTitelSetzen();
  // An enterprise made before its tables had their culture indexes gets them now, once.
  data::KulturIndizesAnlegen();
  mdlFehler::MaterialDatenbankPruefen();
  mdlFehler::VantelDatenbankPruefen();
  mdlFehler::ErgebnisDatenbankPruefen();

  s.enterprise.ModusStammdaten = false;
  s.enterprise.ModusKalkulation = false;
  s.enterprise.ModusErfassung = true;
  // Again, so the defaults the checks wrote are in memory.
  mdlDatenLaden::BetriebEinstellungenLaden();

  mdlDatenLaden::AlleListenLaden();

  frmBewegungsdaten::instanz().Show();
}

void mdiTolvarZentral::MDIForm_Unload(bool& /*cancel*/) {
  mdlMenue::AlleFensterSchliessen();
  mdlDatenbank::SystemInfoSichern();
  if (state().enterprise.BetriebOffen) {
    mdlDatenbank::EinstellungenSichern();
    mdlUpDate::RegistryEintraegeSchreiben();
  }
}

void mdiTolvarZentral::HauptfensterNeuLaden() {
  const std::string betrieb = state().enterprise.AktuellerBetrieb;
  if (mdiTolvarZentral::IsLoaded()) mdiTolvarZentral::instanz().Unload();
  betriebNachNeuLaden = betrieb;
  mdiTolvarZentral::instanz().Show();
  betriebNachNeuLaden.reset();
  if (state().enterprise.BetriebOffen) frmBewegungsdaten::instanz().Show();
}

}  // namespace tolvar
