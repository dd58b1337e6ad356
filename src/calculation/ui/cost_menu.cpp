#include "calculation/ui/cost_menu.h"

#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "calculation/ui/cost_info.h"
#include "calculation/ui/frmArbeitInfo.h"
#include "calculation/ui/frmArbeitskostenMenu.h"
#include "calculation/ui/frmEnergieInfo.h"
#include "calculation/ui/frmEnergiekostenMenu.h"
#include "calculation/ui/frmGemeinkostenInfo.h"
#include "calculation/ui/frmGemeinkostenMenu.h"
#include "calculation/ui/frmHeizkostenMenu.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/ui/frmMaschinenInfo.h"
#include "calculation/ui/frmMaschinenkostenMenu.h"
#include "calculation/ui/frmMaterialInfo.h"
#include "calculation/ui/frmMaterialkostenMenu.h"
#include "calculation/ui/frmPSMInfo.h"
#include "calculation/ui/frmPSMKostenMenu.h"
#include "calculation/ui/frmVantelInfo.h"
#include "calculation/ui/frmVermarktungInfo.h"
#include "calculation/ui/frmVermarktungskostenMenu.h"
#include "data/state.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

constexpr int kBreite = 8400;      // twips
constexpr int kOptionHoehe = 480;  // twips per option
constexpr int kRand = 240;
constexpr const char* kManuell = "Manuelle Eingabe von Standardwerten aus einer Datensammlung o.ä.";

// The heating and material menus keep their own measure.
constexpr KostenMenue::Gestalt kHeizkostenGestalt = {.breite = 5760,
                                                     .hoehe = 3165,
                                                     .optionLinks = 480,
                                                     .optionOben = 360,
                                                     .optionAbstand = 720,
                                                     .optionBreite = 4815,
                                                     .optionHoehe = 495,
                                                     .okLinks = 4440,
                                                     .okOben = 2520,
                                                     .okBreite = 855,
                                                     .okHoehe = 495};
constexpr KostenMenue::Gestalt kMaterialkostenGestalt = {.breite = 5670,
                                                         .hoehe = 3270,
                                                         .optionLinks = 360,
                                                         .optionOben = 360,
                                                         .optionAbstand = 720,
                                                         .optionBreite = 4815,
                                                         .optionHoehe = 495,
                                                         .okLinks = 4320,
                                                         .okOben = 2520,
                                                         .okBreite = 855,
                                                         .okHoehe = 495};

}  // namespace

KostenMenue::Gestalt KostenMenue::StandardGestalt(int optionen) {
  const int okOben = kRand + optionen * kOptionHoehe + 120;
  return {.breite = kBreite,
          .hoehe = okOben + 375 + kRand,
          .optionLinks = kRand,
          .optionOben = kRand,
          .optionAbstand = kOptionHoehe,
          .optionBreite = kBreite - 2 * kRand,
          .optionHoehe = kOptionHoehe - 60,
          .okLinks = kBreite - kRand - 1215,
          .okOben = okOben,
          .okBreite = 1215,
          .okHoehe = 375};
}

KostenMenue::KostenMenue(const Beschreibung& beschreibung)
    : ui::Form(ui::Q(Daten(beschreibung.art).menuefenster), ui::FormKind::Dialog),
      m_b(beschreibung),
      m_art(beschreibung.art) {
  setCaption(ui::Q(m_b.caption));
  std::vector<int> optionen;
  for (int index : m_b.reihenfolge) {
    if (index >= 0 && index <= 3 && m_b.optionen[static_cast<std::size_t>(index)] != nullptr) optionen.push_back(index);
  }
  const Gestalt g = m_b.gestalt != nullptr ? *m_b.gestalt : StandardGestalt(static_cast<int>(optionen.size()));
  const auto okBauen = [&] {
    cmbOK =
        ui::MakeButton(this, QStringLiteral("cmbOK"), QStringLiteral("OK"), g.okLinks, g.okOben, g.okBreite, g.okHoehe);
    connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  };
  // The computed menu has OK first in the tab order, so it has the focus when the window
  // opens; a measured menu has its options first.
  if (m_b.gestalt == nullptr) okBauen();
  for (std::size_t zeile = 0; zeile < optionen.size(); ++zeile) {
    const int index = optionen[zeile];
    ui::MakeOptionButton(this, ui::ControlName(QStringLiteral("opbHerkunft"), index),
                         ui::Q(m_b.optionen[static_cast<std::size_t>(index)]), g.optionLinks,
                         g.optionOben + static_cast<int>(zeile) * g.optionAbstand, g.optionBreite, g.optionHoehe);
  }
  opbHerkunft = new ui::OptionGroup(this, QStringLiteral("opbHerkunft"));
  if (m_b.gestalt != nullptr) {
    okBauen();
    QFont schrift = font();
    schrift.setPointSizeF(8.25);
    schrift.setBold(true);
    setFont(schrift);
  }
  setFixedSize(sys::TwipsToPixels(g.breite), sys::TwipsToPixels(g.hoehe));
}

void KostenMenue::Form_Load() {
  const QString farbe = ui::Q(state().windows.FarbnameTolvar);
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Zeiger_") + farbe);
  if (m_b.gestalt != nullptr) {
    for (const auto& [index, option] : opbHerkunft->Buttons()) {
      mdlMauszeiger::MausbildSetzen(*option, QStringLiteral("Hand_") + farbe);
    }
  }
  opbHerkunft->SetValue(1, true);
  if (m_b.gestalt != nullptr) return;  // the heating and material menus: centred on the owner
  SetStartPosition(ui::StartPosition::CentreScreen);
  cmbOK->setFocus();
}

void KostenMenue::cmbOK_Click() {
  if (m_b.anwendung != Anwendung::MitOK) {
    m_anwenden = true;  // unloading applies the choice
  } else {
    Anwenden();
  }
  Unload();
}

void KostenMenue::closeEvent(QCloseEvent* event) {
  // The user's close box applies the choice in the menus that apply on closing; closing all
  // windows from the program (Unload without a close event) applies nothing there.
  if (m_b.anwendung != Anwendung::MitOK) m_anwenden = true;
  ui::Form::closeEvent(event);
}

void KostenMenue::Form_Unload(bool& /*cancel*/) {
  if (m_anwenden || m_b.anwendung == Anwendung::BeimEntladen) {
    m_anwenden = false;
    Anwenden();
  }
}

void KostenMenue::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

void KostenMenue::BeschriftungSchreiben(int16_t herkunft) {
  frmKalkulation* kalkulation = GeladeneKalkulation();
  if (kalkulation == nullptr || herkunft < 0 || herkunft > 3) return;
  const char* text = m_b.beschriftung[static_cast<std::size_t>(herkunft)];
  if (text == nullptr) return;
  if (QPushButton* knopf = kalkulation->Kostenknopf(m_art)) knopf->setText(ui::Q(text));
}

void KostenMenue::Anwenden() {
  int16_t& herkunft = state().calculation.HerkunftVon(m_art);
  for (const auto& [index, option] : opbHerkunft->Buttons()) {
    if (option->isChecked()) herkunft = static_cast<int16_t>(index);
  }
  // Without the calculation window only the flag changes.
  frmKalkulation* kalkulation = GeladeneKalkulation();
  if (kalkulation == nullptr) return;
  switch (herkunft) {
    case Herkunft::Errechnet:
      BeschriftungSchreiben(herkunft);
      KalkulationAktualisieren();
      break;
    case Herkunft::Vergleichskultur:
      VergleichOeffnen();
      BeschriftungSchreiben(herkunft);
      break;
    case Herkunft::Eingegeben:
      if (QLineEdit* feld = kalkulation->Wertfeld(m_art)) {
        feld->clear();
        feld->setFocus();
      }
      BeschriftungSchreiben(herkunft);
      break;
    case Herkunft::KulturspezifischErrechnet:
      BeschriftungSchreiben(herkunft);
      KulturspezifischOeffnen();
      break;
    default:
      break;
  }
}

// ------------------------------------------------------------------------- the eight menus

frmHeizkostenMenu::frmHeizkostenMenu()
    : FensterOf({.art = kArt,
                 .caption = "Heizkosten-Menu",
                 .optionen = {nullptr, "Heizkosten aus den eingegebenen Kulturdaten und Standorten errechnen.",
                              "Heizkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
                 .reihenfolge = {1, 2, 3, -1},
                 .beschriftung = {nullptr, nullptr, "+ Heizkosten **", "+ Heizkosten *"},
                 .anwendung = Anwendung::BeimEntladen,
                 .gestalt = &kHeizkostenGestalt}) {}

void frmHeizkostenMenu::VergleichOeffnen() {
  frmVantelInfo& info = frmVantelInfo::instanz();
  info.Show();
  info.VergleichAnzeigen();
}

frmMaterialkostenMenu::frmMaterialkostenMenu()
    : FensterOf({.art = kArt,
                 .caption = "Materialkosten",
                 .optionen = {nullptr, "Materialkosten aus den eingegebenen Kulturdaten und Materialien errechnen.",
                              "Materialkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
                 .reihenfolge = {1, 2, 3, -1},
                 .beschriftung = {nullptr, nullptr, "+ Material **", "+ Material *"},
                 .anwendung = Anwendung::MitOK,
                 .gestalt = &kMaterialkostenGestalt}) {}

void frmMaterialkostenMenu::VergleichOeffnen() {
  frmMaterialInfo& info = frmMaterialInfo::instanz();
  info.Show();
  info.VergleichAnzeigen();
}

frmEnergiekostenMenu::frmEnergiekostenMenu()
    : FensterOf(
          {.art = kArt,
           .caption = "elektrische Energie",
           .optionen = {nullptr, "Kosten für Zusatzbelichtung aus den eingegebenen Kulturdaten errechnen.",
                        "Kosten für Zusatzbelichtung einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.",
                        kManuell},
           .reihenfolge = {1, 2, 3, -1},
           .beschriftung = {nullptr, "+ elek.Energie ***", "+ elek.Energie **", "+ elek.Energie *"},
           .anwendung = Anwendung::MitOK}) {}

void frmEnergiekostenMenu::VergleichOeffnen() {
  frmEnergieInfo& info = frmEnergieInfo::instanz();
  info.Show();
  info.dtgEnergie->hide();
  info.cmbBeenden[0]->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
}

frmMaschinenkostenMenu::frmMaschinenkostenMenu()
    : FensterOf({.art = kArt,
                 .caption = "Maschinenkosten",
                 .optionen = {nullptr, "Maschinenkosten aus den eingegebenen Kulturdaten errechnen.",
                              "Maschinenkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
                 .reihenfolge = {1, 2, 3, -1},
                 .beschriftung = {nullptr, "+ Maschinen ***", "+ Maschinen **", "+ Maschinen *"},
                 .anwendung = Anwendung::BeimSchliessen}) {}

void frmMaschinenkostenMenu::VergleichOeffnen() {
  frmMaschinenInfo& info = frmMaschinenInfo::instanz();
  info.Show();
  info.fraVergleich->show();
  info.regMaschinenkosten->SetTabEnabled(1, false);
  info.VergleichskulturenLaden();
  info.regMaschinenkosten->SetTab(0);
}

frmPSMKostenMenu::frmPSMKostenMenu()
    : FensterOf({.art = kArt,
                 .caption = "Über Tätigkeiten zugewiesene Materialien",
                 .optionen =
                     {nullptr,
                      "Über Tätigkeiten zugewiesene Materialkosten aus den in Morvin erfassten Tätigkeiten errechnen.",
                      "Über Tätigkeiten zugewiesene Materialkosten einer vergleichbaren Kultur aus der "
                      "Ergebnisdatenbank laden.",
                      kManuell},
                 .reihenfolge = {1, 2, 3, -1},
                 .beschriftung = {nullptr, "+ Material[Std] ***", "+ Material[Std] **", "+ Material[Std] *"},
                 .anwendung = Anwendung::MitOK}) {}

void frmPSMKostenMenu::VergleichOeffnen() {
  frmPSMInfo& info = frmPSMInfo::instanz();
  info.Show();
  info.dtgArbeitMaterial->hide();
  info.cmbBeenden[0]->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
}

frmVermarktungskostenMenu::frmVermarktungskostenMenu()
    : FensterOf(
          {.art = kArt,
           .caption = "Vermarktungskosten",
           .optionen = {"Vermarktungskosten kulturspezifisch errechnen.",
                        "Vermarktungskosten aus den Betriebseinstellungen errechnen.",
                        "Vermarktungskosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
           .reihenfolge = {1, 0, 2, 3},
           .beschriftung = {"+ Vermarktung ***", "+ Vermarktung ***", "+ Vermarktung **", "+ Vermarktung *"},
           .anwendung = Anwendung::MitOK}) {}

void frmVermarktungskostenMenu::VergleichOeffnen() {
  frmVermarktungInfo& info = frmVermarktungInfo::instanz();
  info.resize(sys::TwipsToPixels(12960), info.height());
  info.cmbOK->move(sys::TwipsToPixels(7200), info.cmbOK->y());
  info.cmbOK->show();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
  info.Show();
}

void frmVermarktungskostenMenu::KulturspezifischOeffnen() {
  frmVermarktungInfo& info = frmVermarktungInfo::instanz();
  info.resize(sys::TwipsToPixels(10000), info.height());
  info.cmbOK->move(sys::TwipsToPixels(3950), info.cmbOK->y());
  info.cmbOK->show();
  info.fraVermarktung->show();
  info.fraVermarktungskostenInfo->hide();
  info.fraUmsatz->hide();
  info.opbVermarktung->SetValue(0, false);
  info.opbVermarktung->SetValue(1, false);
  info.Show();
}

frmArbeitskostenMenu::frmArbeitskostenMenu()
    : FensterOf(
          {.art = kArt,
           .caption = "Arbeitskosten",
           .optionen = {nullptr, "Arbeitskosten aus den für die Kultur in Morvin erfassten Arbeitszeiten errechnen.",
                        "Arbeitszkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
           .reihenfolge = {1, 2, 3, -1},
           .beschriftung = {nullptr, "- Arbeit ***", "- Arbeit **", "- Arbeit *"},
           .anwendung = Anwendung::BeimSchliessen}) {}

void frmArbeitskostenMenu::VergleichOeffnen() {
  frmArbeitInfo& info = frmArbeitInfo::instanz();
  info.Show();
  info.dtgArbeit->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
}

frmGemeinkostenMenu::frmGemeinkostenMenu()
    : FensterOf({.art = kArt,
                 .caption = "Gemeinkosten",
                 .optionen = {nullptr, "Gemeinkosten aus den Betriebseinstellungen und Kulturdaten errechnen",
                              "Gemeinkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden", kManuell},
                 .reihenfolge = {1, 2, 3, -1},
                 .beschriftung = {nullptr, "- Gemeinkosten ***", "- Gemeinkosten **", "- Gemeinkosten *"},
                 .anwendung = Anwendung::MitOK}) {}

void frmGemeinkostenMenu::VergleichOeffnen() {
  frmGemeinkostenInfo& info = frmGemeinkostenInfo::instanz();
  info.fraGemeinkostenInfo->hide();
  info.cmbBeenden->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
  info.Show();
}

}  // namespace tolvar
