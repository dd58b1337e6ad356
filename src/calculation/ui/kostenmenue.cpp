#include "calculation/ui/kostenmenue.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/mdlGroesse_farben.h"
#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "calculation/ui/frmArbeitInfo.h"
#include "calculation/ui/frmArbeitskostenMenu.h"
#include "calculation/ui/frmEnergieInfo.h"
#include "calculation/ui/frmEnergiekostenMenu.h"
#include "calculation/ui/frmGemeinkostenInfo.h"
#include "calculation/ui/frmGemeinkostenMenu.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/ui/frmMaschinenInfo.h"
#include "calculation/ui/frmMaschinenkostenMenu.h"
#include "calculation/ui/frmPSMInfo.h"
#include "calculation/ui/frmPSMKostenMenu.h"
#include "calculation/ui/frmVermarktungInfo.h"
#include "calculation/ui/frmVermarktungskostenMenu.h"
#include "calculation/ui/kosteninfo.h"
#include "data/state.h"
#include "platform/sys/screen.h"
#include "platform/ui/grid.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

using mdlKalkulation::Kostenart;

namespace {

constexpr int kBreite = 8400;        // twips
constexpr int kOptionHoehe = 480;    // twips per option
constexpr int kRand = 240;
constexpr const char* kManuell = "Manuelle Eingabe von Standardwerten aus einer Datensammlung o.ä.";

}  // namespace

KostenMenue::KostenMenue(const QString& name, const Beschreibung& beschreibung)
    : ui::Form(name, ui::FormKind::Window), m_b(beschreibung), m_art(beschreibung.art) {
  setCaption(QString::fromUtf8(m_b.caption));
  // OK comes first in the tab order, so it has the focus when the window opens.
  cmbOK = new QPushButton(QStringLiteral("OK"), this);
  cmbOK->setObjectName(QStringLiteral("cmbOK"));
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });

  int zeile = 0;
  for (int index : m_b.reihenfolge) {
    if (index < 0 || index > 3 || m_b.optionen[static_cast<std::size_t>(index)] == nullptr) continue;
    auto* option = new QRadioButton(QString::fromUtf8(m_b.optionen[static_cast<std::size_t>(index)]), this);
    option->setObjectName(ui::ControlName(QStringLiteral("opbHerkunft"), index));
    option->setGeometry(Twips(kRand), Twips(kRand + zeile * kOptionHoehe), Twips(kBreite - 2 * kRand),
                        Twips(kOptionHoehe - 60));
    ++zeile;
  }
  opbHerkunft = new ui::OptionGroup(this, QStringLiteral("opbHerkunft"));
  const int okOben = kRand + zeile * kOptionHoehe + 120;
  cmbOK->setGeometry(Twips(kBreite - kRand - 1215), Twips(okOben), Twips(1215), Twips(375));
  setFixedSize(Twips(kBreite), Twips(okOben + 375 + kRand));
}

void KostenMenue::Form_Load() {
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Zeiger_") + QString::fromStdString(mdlGroesse::FarbnameTolvar));
  opbHerkunft->SetValue(1, true);
  const sys::Screen& bildschirm = sys::CurrentScreen();
  move(std::max(0, (bildschirm.Width() - width()) / 2), std::max(0, (bildschirm.Height() - height()) / 2));
  cmbOK->setFocus();
}

void KostenMenue::cmbOK_Click() {
  if (m_b.beimSchliessenAnwenden) {
    m_anwenden = true;  // closing applies the choice
  } else {
    Anwenden();
  }
  Unload();
}

void KostenMenue::closeEvent(QCloseEvent* event) {
  // The user's close box applies the choice in the menus that apply on closing; closing all
  // windows from the program (Unload without a close event) applies nothing.
  if (m_b.beimSchliessenAnwenden) m_anwenden = true;
  ui::Form::closeEvent(event);
}

void KostenMenue::Form_Unload(bool& /*cancel*/) {
  if (m_anwenden) {
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
  if (QPushButton* knopf = kalkulation->Kostenknopf(m_art)) knopf->setText(QString::fromUtf8(text));
}

void KostenMenue::Anwenden() {
  int16_t& herkunft = mdlKalkulation::HerkunftVon(state(), m_art);
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

// ------------------------------------------------------------------------- the six menus

frmEnergiekostenMenu::frmEnergiekostenMenu()
    : KostenMenueOf(QStringLiteral("frmEnergiekostenMenu"),
                    {Kostenart::Energie,
                     "elektrische Energie",
                     {nullptr, "Kosten für Zusatzbelichtung aus den eingegebenen Kulturdaten errechnen.",
                      "Kosten für Zusatzbelichtung einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.",
                      kManuell},
                     {1, 2, 3, -1},
                     {nullptr, "+ elek.Energie ***", "+ elek.Energie **", "+ elek.Energie *"},
                     false}) {}

void frmEnergiekostenMenu::VergleichOeffnen() {
  frmEnergieInfo& info = frmEnergieInfo::instanz();
  info.Show();
  info.dtgEnergie->hide();
  info.cmbBeenden[0]->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
}

frmMaschinenkostenMenu::frmMaschinenkostenMenu()
    : KostenMenueOf(QStringLiteral("frmMaschinenkostenMenu"),
                    {Kostenart::Maschinen,
                     "Maschinenkosten",
                     {nullptr, "Maschinenkosten aus den eingegebenen Kulturdaten errechnen.",
                      "Maschinenkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
                     {1, 2, 3, -1},
                     {nullptr, "+ Maschinen ***", "+ Maschinen **", "+ Maschinen *"},
                     true}) {}

void frmMaschinenkostenMenu::VergleichOeffnen() {
  frmMaschinenInfo& info = frmMaschinenInfo::instanz();
  info.Show();
  info.fraVergleich->show();
  info.regMaschinenkosten->SetTabEnabled(1, false);
  info.VergleichskulturenLaden();
  info.regMaschinenkosten->SetTab(0);
}

frmPSMKostenMenu::frmPSMKostenMenu()
    : KostenMenueOf(
          QStringLiteral("frmPSMKostenMenu"),
          {Kostenart::PSM,
           "Über Tätigkeiten zugewiesene Materialien",
           {nullptr,
            "Über Tätigkeiten zugewiesene Materialkosten aus den in Morvin erfassten Tätigkeiten errechnen.",
            "Über Tätigkeiten zugewiesene Materialkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.",
            kManuell},
           {1, 2, 3, -1},
           {nullptr, "+ Material[Std] ***", "+ Material[Std] **", "+ Material[Std] *"},
           false}) {}

void frmPSMKostenMenu::VergleichOeffnen() {
  frmPSMInfo& info = frmPSMInfo::instanz();
  info.Show();
  info.dtgArbeitMaterial->hide();
  info.cmbBeenden[0]->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
}

frmVermarktungskostenMenu::frmVermarktungskostenMenu()
    : KostenMenueOf(QStringLiteral("frmVermarktungskostenMenu"),
                    {Kostenart::Vermarktung,
                     "Vermarktungskosten",
                     {"Vermarktungskosten kulturspezifisch errechnen.",
                      "Vermarktungskosten aus den Betriebseinstellungen errechnen.",
                      "Vermarktungskosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
                     {1, 0, 2, 3},
                     {"+ Vermarktung ***", "+ Vermarktung ***", "+ Vermarktung **", "+ Vermarktung *"},
                     false}) {}

void frmVermarktungskostenMenu::VergleichOeffnen() {
  frmVermarktungInfo& info = frmVermarktungInfo::instanz();
  info.resize(Twips(12960), info.height());
  info.cmbOK->move(Twips(7200), info.cmbOK->y());
  info.cmbOK->show();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
  info.Show();
}

void frmVermarktungskostenMenu::KulturspezifischOeffnen() {
  frmVermarktungInfo& info = frmVermarktungInfo::instanz();
  info.resize(Twips(10000), info.height());
  info.cmbOK->move(Twips(3950), info.cmbOK->y());
  info.cmbOK->show();
  info.fraVermarktung->show();
  info.fraVermarktungskostenInfo->hide();
  info.fraUmsatz->hide();
  info.opbVermarktung->SetValue(0, false);
  info.opbVermarktung->SetValue(1, false);
  info.Show();
}

frmArbeitskostenMenu::frmArbeitskostenMenu()
    : KostenMenueOf(QStringLiteral("frmArbeitskostenMenu"),
                    {Kostenart::Arbeit,
                     "Arbeitskosten",
                     {nullptr, "Arbeitskosten aus den für die Kultur in Morvin erfassten Arbeitszeiten errechnen.",
                      "Arbeitszkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.", kManuell},
                     {1, 2, 3, -1},
                     {nullptr, "- Arbeit ***", "- Arbeit **", "- Arbeit *"},
                     true}) {}

void frmArbeitskostenMenu::VergleichOeffnen() {
  frmArbeitInfo& info = frmArbeitInfo::instanz();
  info.Show();
  info.dtgArbeit->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
}

frmGemeinkostenMenu::frmGemeinkostenMenu()
    : KostenMenueOf(QStringLiteral("frmGemeinkostenMenu"),
                    {Kostenart::Gemeinkosten,
                     "Gemeinkosten",
                     {nullptr, "Gemeinkosten aus den Betriebseinstellungen und Kulturdaten errechnen",
                      "Gemeinkosten einer vergleichbaren Kultur aus der Ergebnisdatenbank laden", kManuell},
                     {1, 2, 3, -1},
                     {nullptr, "- Gemeinkosten ***", "- Gemeinkosten **", "- Gemeinkosten *"},
                     false}) {}

void frmGemeinkostenMenu::VergleichOeffnen() {
  frmGemeinkostenInfo& info = frmGemeinkostenInfo::instanz();
  info.fraGemeinkostenInfo->hide();
  info.cmbBeenden->hide();
  info.fraVergleich->show();
  info.VergleichskulturenLaden();
  info.Show();
}

}  // namespace tolvar
