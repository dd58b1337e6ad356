#include "settings/ui/frmLandkarte.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <vector>

#include "app/mdlHilfe.h"
#include "data/state.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"
#include "settings/mdlWetterstation.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/frmStatInfo.h"

namespace tolvar {

using settings::ui::Zeiger;
using ui::Q;

namespace {

constexpr int kKarteBreite = 501;
constexpr int kKarteHoehe = 490;

// Where each region's option sits on the map (its measuring station's place); the label
// stands right of it.
constexpr int kOrte[23][2] = {{281, 356}, {250, 241}, {191, 346}, {298, 56},  {218, 168}, {35, 109},
                              {109, 120}, {130, 99},  {276, 118}, {324, 244}, {426, 296}, {384, 316},
                              {310, 292}, {292, 255}, {384, 268}, {149, 407}, {165, 364}, {322, 364},
                              {190, 268}, {222, 204}, {366, 204}, {318, 142}, {206, 112}};

// Places each label beside its option: right of it where there is room, otherwise left, above
// or below, and further away in small steps, so that no label covers another label or an
// option and every label can be clicked on its whole text. Labels are placed in index order.
void BeschriftungenLegen(const std::array<QRadioButton*, 23>& optionen, const std::array<QLabel*, 23>& labels) {
  const QRect karte(0, 0, kKarteBreite, kKarteHoehe);
  std::vector<QRect> belegt;
  for (const QRadioButton* option : optionen) belegt.push_back(option->geometry());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    QLabel* label = labels[i];
    const QRect option = optionen[i]->geometry();
    const QSize groesse = label->size();
    const auto frei = [&](const QRect& r) {
      if (!karte.contains(r)) return false;
      return std::none_of(belegt.begin(), belegt.end(), [&](const QRect& b) { return b.intersects(r); });
    };
    QRect gewaehlt;
    for (int abstand = 0; abstand <= 60 && gewaehlt.isNull(); abstand += 4) {
      const QRect kandidaten[] = {
          QRect(QPoint(option.right() + 2 + abstand, option.top()), groesse),
          QRect(QPoint(option.left() - 2 - abstand - groesse.width(), option.top()), groesse),
          QRect(QPoint(option.center().x() - groesse.width() / 2, option.top() - 1 - abstand - groesse.height()),
                groesse),
          QRect(QPoint(option.center().x() - groesse.width() / 2, option.bottom() + 2 + abstand), groesse),
          QRect(QPoint(option.right() + 2, option.top() - abstand), groesse),
          QRect(QPoint(option.right() + 2, option.top() + abstand), groesse)};
      for (const QRect& k : kandidaten) {
        if (frei(k)) {
          gewaehlt = k;
          break;
        }
      }
    }
    if (gewaehlt.isNull())
      gewaehlt = QRect(QPoint(std::min(option.right() + 2, kKarteBreite - groesse.width()), option.top()), groesse);
    label->setGeometry(gewaehlt);
    belegt.push_back(gewaehlt);
  }
}

}  // namespace

frmLandkarte::frmLandkarte() : FormOf(QStringLiteral("frmLandkarte"), ui::FormKind::Dialog) {
  setCaption(QStringLiteral("Wetterstationen"));
  imbLandkarte = ui::MakeLabel(this, QStringLiteral("imbLandkarte"), QString());
  imbLandkarte->setGeometry(0, 0, kKarteBreite, kKarteHoehe);
  imbLandkarte->setPixmap(QPixmap(Q(sys::DataPath("\\Bilder\\Landkarte.png"))));

  opbStationGruppe = new ui::OptionGroup(this, QStringLiteral("opbStation"));
  const auto& regionen = mdlWetterstation::Regionen();
  for (std::size_t i = 0; i < regionen.size(); ++i) {
    const int index = static_cast<int>(i);
    const int x = kOrte[i][0];
    const int y = kOrte[i][1];
    opbStation[i] = ui::MakeOptionButton(imbLandkarte, ui::ControlName(QStringLiteral("opbStation"), index), QString());
    opbStation[i]->setGeometry(x - 8, y - 8, 16, 16);
    opbStationGruppe->Add(index, opbStation[i]);
    lblStation[i] =
        ui::MakeLabel(imbLandkarte, ui::ControlName(QStringLiteral("lblStation"), index), Q(regionen[i].Caption));
    lblStation[i]->adjustSize();
    lblStation[i]->installEventFilter(this);
  }
  BeschriftungenLegen(opbStation, lblStation);

  txtAuswahl = ui::MakeTextBox(this, QStringLiteral("txtAuswahl"));
  txtAuswahl->setGeometry(8, kKarteHoehe + 8, 200, 24);
  cmbOK = ui::MakeButton(this, QStringLiteral("cmbOK"), QStringLiteral("Auswahl übernehmen"));
  cmbOK->setGeometry(kKarteBreite - 270, kKarteHoehe + 6, 140, 28);
  cmbAbbruch = ui::MakeButton(this, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbruch"));
  cmbAbbruch->setGeometry(kKarteBreite - 122, kKarteHoehe + 6, 114, 28);
  setFixedSize(kKarteBreite, kKarteHoehe + 42);

  connect(opbStationGruppe, &ui::OptionGroup::Click, this, &frmLandkarte::opbStation_Click);
  connect(cmbOK, &QPushButton::clicked, this, &frmLandkarte::cmbOK_Click);
  connect(cmbAbbruch, &QPushButton::clicked, this, &frmLandkarte::cmbAbbruch_Click);
}

void frmLandkarte::Form_Load() {
  Zeiger(this, "Zeiger_");
  // The pointers the mouse shows over a region's option and over its label.
  for (std::size_t i = 0; i < opbStation.size(); ++i) {
    Zeiger(opbStation[i], "Hand_");
    Zeiger(lblStation[i], "ZeigerInfo_");
  }
}

void frmLandkarte::Form_Activate() {
  for (std::size_t i = 0; i < lblStation.size(); ++i) {
    if (lblStation[i]->text() == txtAuswahl->text()) {
      opbStationGruppe->SetValue(static_cast<int>(i), true);
      break;
    }
  }
  for (QRadioButton* option : opbStation) ui::SetBackground(option, QColor(218, 222, 222));
}

void frmLandkarte::opbStation_Click(int index) { txtAuswahl->setText(Q(mdlWetterstation::RegionWaehlen(index))); }

void frmLandkarte::lblStation_Click(int index) {
  // Without the station's information (a station database that cannot be read) the window
  // would open empty.
  const auto daten = mdlWetterstation::StationsinfoAnzeigen(index);
  if (!daten) return;
  frmStatInfo& info = frmStatInfo::instanz();
  info.Anzeigen(*daten);
  info.Show();
}

void frmLandkarte::cmbOK_Click() {
  // Without a region chosen the station would become empty and the heating model would find
  // no climate tables: the command waits for a choice.
  if (state().windows.GewaehlteRegion.empty()) return;
  mdlWetterstation::AuswahlUebernehmen();
  if (frmEinstellungen::IsLoaded()) {
    frmEinstellungen::instanz().txtStation->setText(Q(state().enterprise.AktuelleEinstellungen.Wetterstation));
  }
  Hide();
}

void frmLandkarte::cmbAbbruch_Click() { Unload(); }

void frmLandkarte::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.2");
}

bool frmLandkarte::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (std::size_t i = 0; i < lblStation.size(); ++i) {
      if (lblStation[i] == watched) {
        lblStation_Click(static_cast<int>(i));
        return true;
      }
    }
  }
  return FormOf::eventFilter(watched, event);
}

}  // namespace tolvar
