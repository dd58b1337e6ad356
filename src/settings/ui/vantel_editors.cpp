#include "settings/ui/vantel_editors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyfilters.h"
#include "platform/ui/prompts.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/vantel_materials.h"

namespace tolvar::settings::ui {

using tolvar::ui::Background;
using tolvar::ui::MakeButton;
using tolvar::ui::Q;
using tolvar::ui::S;
using tolvar::ui::SetBackground;

namespace {

const QColor kGelb(255, 255, 192);
const QColor kRot(255, 192, 192);
const QColor kWeiss(255, 255, 255);
const QString kLoeschen = QStringLiteral("Löschen");
const QString kNeueingabeBeenden = QStringLiteral("Neueingabe beenden");

// Element `index` of a row box array, white until its row is marked.
QLineEdit* Feld(QWidget* parent, const char* name, int index) {
  QLineEdit* box = tolvar::ui::MakeTextBox(parent, tolvar::ui::ControlName(QLatin1String(name), index));
  tolvar::ui::SetBackground(box, kWeiss);
  return box;
}

// A column heading on two lines, broken where its caption has the run of blanks that puts
// the unit on the second line.
QLabel* Kopf(QWidget* parent, const QString& text) {
  static const QRegularExpression kLuecke(QStringLiteral("(\\S) {2,}(\\S)"));
  QString zeilen = text;
  zeilen.replace(kLuecke, QStringLiteral("\\1\n\\2"));
  return tolvar::ui::MakeLabel(parent, QString(), zeilen);
}

// Row 1 yellow while browsing, red while a new entry is typed there.
void ZeileFaerben(std::initializer_list<QWidget*> zeile, bool neu) {
  for (QWidget* control : zeile) SetBackground(control, neu ? kRot : kGelb);
}

// The buttons of a new entry (arrows off, "Neueingabe beenden", no "Neu") or of browsing.
void KnoepfeSetzen(bool neu, std::initializer_list<QPushButton*> pfeile, QPushButton* loeschen, QPushButton* neuKnopf) {
  for (QPushButton* pfeil : pfeile) pfeil->setEnabled(!neu);
  loeschen->setText(neu ? kNeueingabeBeenden : kLoeschen);
  neuKnopf->setVisible(!neu);
}

// Digits, the comma and Backspace pass; Enter moves to `weiter`; anything else beeps.
int ZahlTaste(int keyAscii, QWidget* weiter) {
  if (keyAscii == 13) {
    if (weiter != nullptr) weiter->setFocus();
    return 0;
  }
  if (keyAscii == 8 || keyAscii == 44 || (keyAscii >= '0' && keyAscii <= '9')) return keyAscii;
  tolvar::ui::Beep();
  return 0;
}

// Index 1..5 of `watched` in `boxes`, 0 when it is none of them.
template <class Array>
int ZeileVon(const Array& boxes, const QObject* watched) {
  for (int i = 1; i <= 5; ++i) {
    if (boxes[static_cast<std::size_t>(i)] == watched) return i;
  }
  return 0;
}

// Runs a key filter handler on a key press in one of its boxes; true when the key is dropped.
template <class Array, class Handler>
bool Filtern(const Array& boxes, QObject* watched, QEvent* event, Handler handler) {
  const int zeile = ZeileVon(boxes, watched);
  if (zeile == 0) return false;
  const int code = tolvar::ui::KeyAscii(static_cast<QKeyEvent&>(*event));
  if (code == 0) return false;  // keys that type nothing pass
  return handler(zeile, code) == 0;
}

// Navigation row and the action buttons below the five rows.
void Knopfleiste(QGridLayout* layout, int zeile, QPushButton* fuenfZurueck, QPushButton* zurueck, QPushButton* vor,
                 QPushButton* fuenfVor, QPushButton* neu, QPushButton* loeschen, QPushButton* abbruch,
                 QPushButton* speichern) {
  auto* pfeile = new QHBoxLayout;
  pfeile->addWidget(fuenfZurueck);
  pfeile->addWidget(zurueck);
  pfeile->addStretch();
  pfeile->addWidget(vor);
  pfeile->addWidget(fuenfVor);
  layout->addLayout(pfeile, zeile, 0, 1, 4);
  auto* aktionen = new QGridLayout;
  aktionen->addWidget(neu, 0, 1);
  aktionen->addWidget(loeschen, 1, 1);
  aktionen->addWidget(abbruch, 2, 0);
  aktionen->addWidget(speichern, 2, 1);
  layout->addLayout(aktionen, 1, 5, zeile, 1);
  // The names are the longest entries: their column takes the larger share of the width.
  layout->setColumnStretch(0, 3);
  for (int spalte = 1; spalte <= 3; ++spalte) layout->setColumnStretch(spalte, 2);
}

}  // namespace

// ------------------------------------------------------------------------------ fuels

settings::ui::BrennstoffEditor::BrennstoffEditor(QGroupBox* frame) : QObject(frame) {
  auto* layout = new QGridLayout(frame);
  lblBrennstoff =
      tolvar::ui::MakeLabel(frame, QStringLiteral("lblBrennstoff"), QStringLiteral("Aktueller Brennstoff:"));
  layout->addWidget(lblBrennstoff, 0, 0);
  layout->addWidget(Kopf(frame, QStringLiteral("unterer Heizwert         in kWh je l [m³/ t]")), 0, 1);
  layout->addWidget(Kopf(frame, QStringLiteral("oberer Heizwert         in kWh je l [m³/ t]")), 0, 2);
  layout->addWidget(Kopf(frame, QStringLiteral("Preis                  in € je l [m³/ t]")), 0, 3);
  for (std::size_t i = 1; i <= 5; ++i) {
    const int zeile = static_cast<int>(i);
    txtName[i] = Feld(frame, "txtName", zeile);
    txtHeizwert[i] = Feld(frame, "txtHeizwert", zeile);
    txtBrennwert[i] = Feld(frame, "txtBrennwert", zeile);
    txtPreis[i] = Feld(frame, "txtPreis", zeile);
    layout->addWidget(txtName[i], zeile, 0);
    layout->addWidget(txtHeizwert[i], zeile, 1);
    layout->addWidget(txtBrennwert[i], zeile, 2);
    layout->addWidget(txtPreis[i], zeile, 3);
    for (QLineEdit* box : {txtHeizwert[i], txtBrennwert[i], txtPreis[i]}) {
      tolvar::ui::InstallKeyFilter(box, tolvar::ui::NumberRule());  // before the editor's own key handler
      box->installEventFilter(this);
    }
  }
  ZeileFaerben({txtName[1], txtHeizwert[1], txtBrennwert[1], txtPreis[1]}, false);
  cmb5Zurueck = MakeButton(frame, QStringLiteral("cmb5Zurueck"), QStringLiteral("<<"));
  cmbZurueck = MakeButton(frame, QStringLiteral("cmbZurueck"), QStringLiteral("<"));
  cmbVor = MakeButton(frame, QStringLiteral("cmbVor"), QStringLiteral(">"));
  cmb5Vor = MakeButton(frame, QStringLiteral("cmb5Vor"), QStringLiteral(">>"));
  cmbNeu = MakeButton(frame, QStringLiteral("cmbNeu"), QStringLiteral("Neu"));
  cmbBrennstoffLoeschen = MakeButton(frame, QStringLiteral("cmbBrennstoffLoeschen"), kLoeschen);
  cmbBrennstoffSpeichern = MakeButton(frame, QStringLiteral("cmbBrennstoffSpeichern"), QStringLiteral("Speichern"));
  cmbBrennstoffAbbruch = MakeButton(frame, QStringLiteral("cmbBrennstoffAbbruch"), QStringLiteral("Abbrechen"));
  Knopfleiste(layout, 6, cmb5Zurueck, cmbZurueck, cmbVor, cmb5Vor, cmbNeu, cmbBrennstoffLoeschen, cmbBrennstoffAbbruch,
              cmbBrennstoffSpeichern);

  connect(cmbZurueck, &QPushButton::clicked, this, &settings::ui::BrennstoffEditor::cmbZurueck_Click);
  connect(cmbVor, &QPushButton::clicked, this, &settings::ui::BrennstoffEditor::cmbVor_Click);
  connect(cmb5Zurueck, &QPushButton::clicked, this, &settings::ui::BrennstoffEditor::cmb5Zurueck_Click);
  connect(cmb5Vor, &QPushButton::clicked, this, &settings::ui::BrennstoffEditor::cmb5Vor_Click);
  connect(cmbNeu, &QPushButton::clicked, this, &settings::ui::BrennstoffEditor::cmbNeu_Click);
  connect(cmbBrennstoffSpeichern, &QPushButton::clicked, this,
          &settings::ui::BrennstoffEditor::cmbBrennstoffSpeichern_Click);
  connect(cmbBrennstoffLoeschen, &QPushButton::clicked, this,
          &settings::ui::BrennstoffEditor::cmbBrennstoffLoeschen_Click);
  connect(cmbBrennstoffAbbruch, &QPushButton::clicked, this,
          &settings::ui::BrennstoffEditor::cmbBrennstoffAbbruch_Click);
}

void settings::ui::BrennstoffEditor::BrennstoffLaden() { AnzahlBrennstoffe = settings::BrennstoffLaden().value_or(0); }

void settings::ui::BrennstoffEditor::BrennstoffEintragen() {
  const auto zeilen = settings::BrennstoffEintragen(BrennstoffIndex, BrennstoffStartzeile, state().settings);
  for (std::size_t i = 1; i <= 5; ++i) {
    const settings::BrennstoffZeile& z = zeilen[i - 1];
    txtName[i]->setText(Q(z.Name));
    txtHeizwert[i]->setText(Q(z.Heizwert));
    txtBrennwert[i]->setText(Q(z.Brennwert));
    txtPreis[i]->setText(Q(z.Preis));
  }
}

void settings::ui::BrennstoffEditor::BrennstoffID() { NeueBrennstoffNummer = settings::BrennstoffID().value_or(0); }

void settings::ui::BrennstoffEditor::VonVorn() {
  BrennstoffStartzeile = 1;
  BrennstoffIndex = 0;
  BrennstoffLaden();
  BrennstoffEintragen();
}

bool settings::ui::BrennstoffEditor::NeueingabeLaeuft() const { return Background(txtName[1]) == kRot; }

void settings::ui::BrennstoffEditor::Schritt(int schritt) {
  BrennstoffIndex = settings::NeuerIndex(BrennstoffIndex, AnzahlBrennstoffe, static_cast<settings::Schritt>(schritt));
  BrennstoffStartzeile = 1;
  BrennstoffEintragen();
}

void settings::ui::BrennstoffEditor::cmbZurueck_Click() { Schritt(static_cast<int>(settings::Schritt::Zurueck)); }
void settings::ui::BrennstoffEditor::cmbVor_Click() { Schritt(static_cast<int>(settings::Schritt::Vor)); }
void settings::ui::BrennstoffEditor::cmb5Zurueck_Click() { Schritt(static_cast<int>(settings::Schritt::FuenfZurueck)); }
void settings::ui::BrennstoffEditor::cmb5Vor_Click() { Schritt(static_cast<int>(settings::Schritt::FuenfVor)); }

void settings::ui::BrennstoffEditor::cmbNeu_Click() {
  KnoepfeSetzen(true, {cmb5Zurueck, cmbZurueck, cmbVor, cmb5Vor}, cmbBrennstoffLoeschen, cmbNeu);
  BrennstoffStartzeile = 2;
  BrennstoffIndex = 0;
  BrennstoffEintragen();
  ZeileFaerben({txtName[1], txtHeizwert[1], txtBrennwert[1], txtPreis[1]}, true);
  BrennstoffID();
}

void settings::ui::BrennstoffEditor::Durchsuchen() {
  ZeileFaerben({txtName[1], txtHeizwert[1], txtBrennwert[1], txtPreis[1]}, false);
  BrennstoffLaden();
  BrennstoffStartzeile = 1;
  BrennstoffEintragen();
  KnoepfeSetzen(false, {cmb5Zurueck, cmbZurueck, cmbVor, cmb5Vor}, cmbBrennstoffLoeschen, cmbNeu);
}

void settings::ui::BrennstoffEditor::cmbBrennstoffSpeichern_Click() {
  const bool neu = NeueingabeLaeuft();
  const settings::BrennstoffZeile zeile{
      .Name = S(txtName[1]), .Heizwert = S(txtHeizwert[1]), .Brennwert = S(txtBrennwert[1]), .Preis = S(txtPreis[1])};
  const auto& liste = state().settings.BrennstoffListe;
  const std::size_t index = static_cast<std::size_t>(BrennstoffIndex);
  const std::string nummer = index < liste.size() ? liste[index].Nummer : std::string();
  const int anzahlVorher = AnzahlBrennstoffe;
  settings::VantelFeld falsch = 0;
  switch (settings::BrennstoffSpeichern(zeile, neu, NeueBrennstoffNummer, nummer, &falsch)) {
    case settings::VantelSpeicherStatus::Ungueltig:
      (falsch == 1 ? txtHeizwert[1] : falsch == 2 ? txtBrennwert[1] : txtPreis[1])->setFocus();
      return;
    case settings::VantelSpeicherStatus::NameDoppelt:
      tolvar::ui::MsgBox(Q(settings::BrennstoffDoppeltMeldung()), tolvar::ui::msgbox::CancelTryAgainContinue, kTitel);
      txtName[1]->setFocus();
      return;
    case settings::VantelSpeicherStatus::Gespeichert:
      break;
    default:
      return;
  }
  if (neu) BrennstoffIndex = anzahlVorher;
  Durchsuchen();
  if (NachSpeichern) NachSpeichern();
}

void settings::ui::BrennstoffEditor::cmbBrennstoffLoeschen_Click() {
  if (cmbBrennstoffLoeschen->text() == kLoeschen) {
    const BrennstoffSatz* eintrag = At(state().settings.BrennstoffListe, BrennstoffIndex);
    // Only an entry actually shown in row 1 can be deleted.
    if (BrennstoffStartzeile == 1 && BrennstoffIndex < AnzahlBrennstoffe && eintrag != nullptr) {
      settings::BrennstoffLoeschen(eintrag->Nummer);
    }
    BrennstoffIndex = settings::IndexNachLoeschen(BrennstoffIndex);
    BrennstoffLaden();
    BrennstoffStartzeile = 1;
    BrennstoffEintragen();
  } else {
    BrennstoffIndex = 0;
    Durchsuchen();
  }
  cmbNeu->setVisible(true);
}

void settings::ui::BrennstoffEditor::cmbBrennstoffAbbruch_Click() {
  BrennstoffIndex = 0;
  Durchsuchen();
}

int settings::ui::BrennstoffEditor::txtHeizwert_KeyPress(int /*index*/, int keyAscii) {
  return ZahlTaste(keyAscii, txtBrennwert[1]);
}
int settings::ui::BrennstoffEditor::txtBrennwert_KeyPress(int /*index*/, int keyAscii) {
  return ZahlTaste(keyAscii, txtPreis[1]);
}
int settings::ui::BrennstoffEditor::txtPreis_KeyPress(int /*index*/, int keyAscii) {
  return ZahlTaste(keyAscii, cmbBrennstoffSpeichern);
}

bool settings::ui::BrennstoffEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  if (Filtern(txtHeizwert, watched, event, [this](int i, int k) { return txtHeizwert_KeyPress(i, k); })) return true;
  if (Filtern(txtBrennwert, watched, event, [this](int i, int k) { return txtBrennwert_KeyPress(i, k); })) return true;
  if (Filtern(txtPreis, watched, event, [this](int i, int k) { return txtPreis_KeyPress(i, k); })) return true;
  return QObject::eventFilter(watched, event);
}

// ------------------------------------------------------------------------------ coverings

settings::ui::EindeckungEditor::EindeckungEditor(QGroupBox* frame) : QObject(frame) {
  auto* layout = new QGridLayout(frame);
  lblBrennstoff = tolvar::ui::MakeLabel(frame, QStringLiteral("lblBrennstoff"), QStringLiteral("Aktuelle Eindeckung:"));
  layout->addWidget(lblBrennstoff, 0, 0);
  layout->addWidget(Kopf(frame, QStringLiteral("    k-Wert             in W/m²*K")), 0, 1);
  layout->addWidget(Kopf(frame, QStringLiteral("Lichtdurchläßigkeit         in Prozent")), 0, 2);
  layout->addWidget(Kopf(frame, QStringLiteral("Dacheindeckung       Ja/Nein")), 0, 3);
  for (std::size_t i = 1; i <= 5; ++i) {
    const int zeile = static_cast<int>(i);
    txtEindeckung[i] = Feld(frame, "txtEindeckung", zeile);
    txtKWert[i] = Feld(frame, "txtKWert", zeile);
    txtLicht[i] = Feld(frame, "txtLicht", zeile);
    // The caption-less label behind the check box carries the row's colour.
    lblDach[i] = tolvar::ui::MakeLabel(frame, tolvar::ui::ControlName(QStringLiteral("lblDach"), zeile), QString());
    SetBackground(lblDach[i], kWeiss);
    chbDach[i] =
        tolvar::ui::MakeCheckBox(lblDach[i], tolvar::ui::ControlName(QStringLiteral("chbDach"), zeile), QString());
    auto* dach = new QHBoxLayout(lblDach[i]);
    dach->setContentsMargins(2, 0, 2, 0);
    dach->addWidget(chbDach[i]);
    SetBackground(chbDach[i], kWeiss);
    layout->addWidget(txtEindeckung[i], zeile, 0);
    layout->addWidget(txtKWert[i], zeile, 1);
    layout->addWidget(txtLicht[i], zeile, 2);
    layout->addWidget(lblDach[i], zeile, 3);
    for (QLineEdit* box : {txtKWert[i], txtLicht[i]}) {
      tolvar::ui::InstallKeyFilter(box, tolvar::ui::NumberRule());  // before the editor's own key handler
      box->installEventFilter(this);
    }
  }
  ZeileEinsFaerben(false);
  cmb5ZurueckE = MakeButton(frame, QStringLiteral("cmb5ZurueckE"), QStringLiteral("<<"));
  cmbZurueckE = MakeButton(frame, QStringLiteral("cmbZurueckE"), QStringLiteral("<"));
  cmbVorE = MakeButton(frame, QStringLiteral("cmbVorE"), QStringLiteral(">"));
  cmb5VorE = MakeButton(frame, QStringLiteral("cmb5VorE"), QStringLiteral(">>"));
  cmbNeuE = MakeButton(frame, QStringLiteral("cmbNeuE"), QStringLiteral("Neu"));
  cmbLoeschenE = MakeButton(frame, QStringLiteral("cmbLoeschenE"), kLoeschen);
  cmbSpeichernE = MakeButton(frame, QStringLiteral("cmbSpeichernE"), QStringLiteral("Speichern"));
  cmbAbbruchE = MakeButton(frame, QStringLiteral("cmbAbbruchE"), QStringLiteral("Abbrechen"));
  Knopfleiste(layout, 6, cmb5ZurueckE, cmbZurueckE, cmbVorE, cmb5VorE, cmbNeuE, cmbLoeschenE, cmbAbbruchE,
              cmbSpeichernE);

  connect(cmbZurueckE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmbZurueckE_Click);
  connect(cmbVorE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmbVorE_Click);
  connect(cmb5ZurueckE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmb5ZurueckE_Click);
  connect(cmb5VorE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmb5VorE_Click);
  connect(cmbNeuE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmbNeuE_Click);
  connect(cmbSpeichernE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmbSpeichernE_Click);
  connect(cmbLoeschenE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmbLoeschenE_Click);
  connect(cmbAbbruchE, &QPushButton::clicked, this, &settings::ui::EindeckungEditor::cmbAbbruchE_Click);
}

void settings::ui::EindeckungEditor::ZeileEinsFaerben(bool neu) {
  ZeileFaerben({txtEindeckung[1], txtKWert[1], txtLicht[1], chbDach[1], lblDach[1]}, neu);
}

void settings::ui::EindeckungEditor::EindeckungLaden() {
  AnzahlEindeckungen = settings::EindeckungLaden().value_or(0);
  // Many covering names differ only at their end: the name boxes are as wide as the longest
  // name, with the room of the box's frame and margins.
  int breite = 0;
  for (const EindeckungSatz& satz : state().settings.EindeckungListe) {
    breite = std::max(breite, txtEindeckung[1]->fontMetrics().horizontalAdvance(Q(satz.Material)));
  }
  for (std::size_t i = 1; i <= 5; ++i) txtEindeckung[i]->setMinimumWidth(breite + 12);
}

void settings::ui::EindeckungEditor::EindeckungEintragen() {
  const auto zeilen = settings::EindeckungEintragen(EindeckungIndex, EindeckungStartzeile, state().settings);
  for (std::size_t i = 1; i <= 5; ++i) {
    const settings::EindeckungZeile& z = zeilen[i - 1];
    txtEindeckung[i]->setText(Q(z.Name));
    txtKWert[i]->setText(Q(z.kWert));
    txtLicht[i]->setText(Q(z.Licht));
    chbDach[i]->setChecked(z.Dach);
  }
}

void settings::ui::EindeckungEditor::EindeckungID() { NeueEindeckungNummer = settings::EindeckungID().value_or(0); }

void settings::ui::EindeckungEditor::VonVorn() {
  EindeckungStartzeile = 1;
  EindeckungIndex = 0;
  EindeckungLaden();
  EindeckungEintragen();
}

bool settings::ui::EindeckungEditor::NeueingabeLaeuft() const { return Background(txtEindeckung[1]) == kRot; }

void settings::ui::EindeckungEditor::Schritt(int schritt) {
  EindeckungIndex = settings::NeuerIndex(EindeckungIndex, AnzahlEindeckungen, static_cast<settings::Schritt>(schritt));
  EindeckungStartzeile = 1;
  EindeckungEintragen();
}

void settings::ui::EindeckungEditor::cmbZurueckE_Click() { Schritt(static_cast<int>(settings::Schritt::Zurueck)); }
void settings::ui::EindeckungEditor::cmbVorE_Click() { Schritt(static_cast<int>(settings::Schritt::Vor)); }
void settings::ui::EindeckungEditor::cmb5ZurueckE_Click() {
  Schritt(static_cast<int>(settings::Schritt::FuenfZurueck));
}
void settings::ui::EindeckungEditor::cmb5VorE_Click() { Schritt(static_cast<int>(settings::Schritt::FuenfVor)); }

void settings::ui::EindeckungEditor::cmbNeuE_Click() {
  KnoepfeSetzen(true, {cmb5ZurueckE, cmbZurueckE, cmbVorE, cmb5VorE}, cmbLoeschenE, cmbNeuE);
  EindeckungStartzeile = 2;
  EindeckungIndex = 0;
  EindeckungEintragen();
  ZeileEinsFaerben(true);
  EindeckungID();
}

void settings::ui::EindeckungEditor::Durchsuchen() {
  ZeileEinsFaerben(false);
  EindeckungLaden();
  EindeckungStartzeile = 1;
  EindeckungEintragen();
  KnoepfeSetzen(false, {cmb5ZurueckE, cmbZurueckE, cmbVorE, cmb5VorE}, cmbLoeschenE, cmbNeuE);
}

void settings::ui::EindeckungEditor::cmbSpeichernE_Click() {
  const bool neu = NeueingabeLaeuft();
  settings::EindeckungZeile zeile{
      .Name = S(txtEindeckung[1]), .kWert = S(txtKWert[1]), .Licht = S(txtLicht[1]), .Dach = chbDach[1]->isChecked()};
  const auto& liste = state().settings.EindeckungListe;
  const std::size_t index = static_cast<std::size_t>(EindeckungIndex);
  const std::string nummer = index < liste.size() ? liste[index].Nummer : std::string();
  const int anzahlVorher = AnzahlEindeckungen;
  settings::VantelFeld falsch = 0;
  const settings::VantelSpeicherStatus ergebnis =
      settings::EindeckungSpeichern(&zeile, neu, NeueEindeckungNummer, nummer, &falsch);
  txtLicht[1]->setText(Q(zeile.Licht));
  switch (ergebnis) {
    case settings::VantelSpeicherStatus::Ungueltig:
      (falsch == 1 ? txtKWert[1] : txtLicht[1])->setFocus();
      return;
    case settings::VantelSpeicherStatus::NameDoppelt:
      tolvar::ui::MsgBox(Q(settings::EindeckungDoppeltMeldung()), tolvar::ui::msgbox::CancelTryAgainContinue, kTitel);
      txtEindeckung[1]->setFocus();
      return;
    case settings::VantelSpeicherStatus::Gespeichert:
      break;
    default:
      return;
  }
  if (neu) EindeckungIndex = anzahlVorher;
  Durchsuchen();
  if (NachSpeichern) NachSpeichern();
}

void settings::ui::EindeckungEditor::cmbLoeschenE_Click() {
  if (cmbLoeschenE->text() == kLoeschen) {
    const EindeckungSatz* eintrag = At(state().settings.EindeckungListe, EindeckungIndex);
    if (EindeckungStartzeile == 1 && EindeckungIndex < AnzahlEindeckungen && eintrag != nullptr) {
      settings::EindeckungLoeschen(eintrag->Nummer);
    }
    EindeckungIndex = settings::IndexNachLoeschen(EindeckungIndex);
    EindeckungLaden();
    EindeckungStartzeile = 1;
    EindeckungEintragen();
  } else {
    EindeckungIndex = 0;
    Durchsuchen();
  }
  cmbNeuE->setVisible(true);
}

void settings::ui::EindeckungEditor::cmbAbbruchE_Click() {
  if (Abbruch) {
    Abbruch();
    return;
  }
  EindeckungIndex = 0;
  Durchsuchen();
}

int settings::ui::EindeckungEditor::txtKWert_KeyPress(int /*index*/, int keyAscii) {
  return ZahlTaste(keyAscii, txtLicht[1]);
}
int settings::ui::EindeckungEditor::txtLicht_KeyPress(int /*index*/, int keyAscii) {
  return ZahlTaste(keyAscii, chbDach[1]);
}

bool settings::ui::EindeckungEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  if (Filtern(txtKWert, watched, event, [this](int i, int k) { return txtKWert_KeyPress(i, k); })) return true;
  if (Filtern(txtLicht, watched, event, [this](int i, int k) { return txtLicht_KeyPress(i, k); })) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace tolvar::settings::ui
