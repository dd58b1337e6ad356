// Controls of the culture data window and the wiring of their events.
#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "culture/ui/frmBewegungsdaten.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/focus.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/keyfilters.h"
#include "trees/ui/tree_fill.h"

namespace tolvar {

const QColor frmBewegungsdaten::kWeiss = QColor(255, 255, 255);
const QColor frmBewegungsdaten::kMarkierung = QColor(255, 255, 128);
const QColor frmBewegungsdaten::kRot = QColor(255, 0, 0);

namespace {

// A calendar in its place of the layout, grown to the least size that shows a whole month
// where the layout's is smaller. The window raises it above its neighbours once they exist.
ui::MonthCalendar* Kalender(QWidget* parent, const char* name, int l, int o, int b, int h) {
  auto* calendar = new ui::MonthCalendar(parent);
  calendar->setObjectName(QLatin1String(name));
  const QSize noetig = calendar->minimumSizeHint();
  calendar->setGeometry(sys::TwipsToPixels(l), sys::TwipsToPixels(o), std::max(sys::TwipsToPixels(b), noetig.width()),
                        std::max(sys::TwipsToPixels(h), noetig.height()));
  return calendar;
}

ui::Grid* Gitter(QWidget* parent, const char* name, int l, int o, int b, int h) {
  auto* grid = ui::MakeGrid(parent, QLatin1String(name), l, o, b, h);
  // The column widths are those of the design; a small font lets a date fit into 1000 twips.
  QFont schrift = grid->font();
  schrift.setPointSizeF(7.5);
  grid->setFont(schrift);
  return grid;
}

}  // namespace

frmBewegungsdaten::frmBewegungsdaten() : FormOf(QStringLiteral("frmBewegungsdaten"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Bewegungsdaten"));
  // As wide as the frames reach, so the window with its frame fits the main window's work area.
  resize(sys::TwipsToPixels(15255), sys::TwipsToPixels(10290));
  imlKultur = trees::ui::FolderImages(this, "imlKultur");
  imlStandorte = trees::ui::FolderImages(this, "imlStandorte", "drag-standort");
  imlMaterial = trees::ui::FolderImages(this, "imlMaterial", "drag-material");
  trvKulturen = ui::MakeTree(this, QStringLiteral("trvKulturen"), imlKultur, 240, 120, 3600, 8880);
  PhasenrahmenAnlegen();
  StandortrahmenAnlegen();
  MaterialrahmenAnlegen();
  fraBearbeitenModus2->hide();
  fraMaterial->hide();
  // A calendar is never covered by the controls laid out after it.
  for (QWidget* kalender :
       {static_cast<QWidget*>(movDatum), static_cast<QWidget*>(movStandort), static_cast<QWidget*>(movMaterial)}) {
    kalender->raise();
  }
  Verbinden();
}

void frmBewegungsdaten::PhasenrahmenAnlegen() {
  QFrame* f = fraPhasenInfo = ui::MakeFrame(this, QStringLiteral("fraPhasenInfo"), 4200, 0, 11055, 10095);
  lblKultur = ui::MakeLabel(f, QStringLiteral("lblKultur"), QString(), 720, 240, 2655, 375);
  trvPhasen = ui::MakeTree(f, QStringLiteral("trvPhasen"), nullptr, 720, 600, 2655, 1935);
  movDatum = Kalender(f, "movDatum", 4080, 120, 2625, 2370);
  cmbSpeichern = ui::MakeButton(f, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"), 7560, 240, 3135, 375);
  cmbEntfernen =
      ui::MakeButton(f, QStringLiteral("cmbEntfernen"), QStringLiteral("Eingaben löschen"), 7560, 720, 3135, 375);
  cmbLoeschen =
      ui::MakeButton(f, QStringLiteral("cmbLoeschen"), QStringLiteral("Datensatz löschen"), 7560, 1200, 3135, 375);
  cmbMaterial =
      ui::MakeButton(f, QStringLiteral("cmbMaterial"), QStringLiteral("Materialzuweisung"), 7560, 1680, 3135, 375);
  cmbStandorte =
      ui::MakeButton(f, QStringLiteral("cmbStandorte"), QStringLiteral("Standortverwaltung"), 7560, 2160, 3135, 375);

  QFrame* m = fraModus2 = ui::MakeFrame(f, QStringLiteral("fraModus2"), 240, 2520, 9615, 1095);
  m->setFrameShape(QFrame::StyledPanel);
  const int links[8] = {480, 2880, 4320, 5400, 6480, 7200, 7920, 8640};
  const int breiten[8] = {2295, 1335, 975, 975, 615, 615, 615, 615};
  const char* namen[8] = {"txtName", "txtMenge", "txtBeginn", "txtEnde", "txtTT", "txtNT", "txtLicht", "txtDauer"};
  QLineEdit** boxen[8] = {&txtName, &txtMenge, &txtBeginn, &txtEnde, &txtTT, &txtNT, &txtLicht, &txtDauer};
  for (int i = 0; i < 8; ++i) *boxen[i] = ui::MakeTextBox(m, QLatin1String(namen[i]), links[i], 600, breiten[i], 375);
  ui::MakeLabel(m, QStringLiteral("lbBezeichnung"), QStringLiteral("Bezeichnung"), 480, 240, 2295, 360);
  const char* koepfe[5] = {"Menge", "Beginn", "Ende", "TT °C", "NT °C"};
  for (int i = 0; i < 5; ++i) {
    ui::MakeLabel(m, ui::ControlName(QStringLiteral("lblUeberschrift"), i), ui::Q(koepfe[i]), links[i + 1], 240,
                  breiten[i + 1], 360);
  }
  ui::MakeLabel(m, QStringLiteral("Label4"), QStringLiteral("Zusatzbelichtung"), 7920, 120, 1650, 240);
  ui::MakeLabel(m, QStringLiteral("lblLicht"), QStringLiteral("W/m²"), 7920, 360, 615, 240);
  ui::MakeLabel(m, QStringLiteral("lblDauer"), QStringLiteral("   h"), 8640, 360, 615, 240);

  dtgPhase = Gitter(f, "dtgPhase", 600, 3960, 10215, 5055);
  dtgPhase->SetCols(mdlKulturPhasenInfo::kPhasenSpalten);
  dtgPhase->SetRows(mdlKulturPhasenInfo::kMaxPhasen + 1);
}

void frmBewegungsdaten::StandortrahmenAnlegen() {
  QFrame* f = fraBearbeitenModus2 = ui::MakeFrame(this, QStringLiteral("fraBearbeitenModus2"), 4200, 0, 11055, 9960);
  lblPhasenUeberschrift = ui::MakeLabel(f, QStringLiteral("lblPhasenUeberschrift"), QString(), 360, 240, 2655, 495);
  trvPhasen_B = ui::MakeTree(f, QStringLiteral("trvPhasen_B"), nullptr, 360, 600, 2655, 1575);
  ui::MakeLabel(f, QString(), QStringLiteral("Bezeichnung:"), 3360, 480, 1290, 375);
  txtPhaseName = ui::MakeTextBox(f, QStringLiteral("txtPhaseName"), 4680, 360, 2535, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Beginn:"), 3360, 1200, 1290, 375);
  txtBeginn_B = ui::MakeTextBox(f, QStringLiteral("txtBeginn_B"), 4680, 1080, 2535, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Ende:"), 3360, 1920, 1290, 375);
  txtEnde_B = ui::MakeTextBox(f, QStringLiteral("txtEnde_B"), 4680, 1800, 2535, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Tagtemperatur:"), 7560, 360, 1890, 375);
  txtTT_B = ui::MakeTextBox(f, QStringLiteral("txtTT_B"), 9480, 360, 735, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Nachtemperatur:"), 7560, 840, 1890, 375);
  txtNT_B = ui::MakeTextBox(f, QStringLiteral("txtNT_B"), 9480, 800, 735, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Belichtungsstärke:"), 7560, 1440, 1890, 375);
  txtLicht_B = ui::MakeTextBox(f, QStringLiteral("txtLicht_B"), 9480, 1320, 735, 405);
  ui::MakeLabel(f, QString(), QStringLiteral("Belichtungsdauer:"), 7560, 1920, 1890, 375);
  txtDauer_B = ui::MakeTextBox(f, QStringLiteral("txtDauer_B"), 9480, 1800, 735, 405);
  ui::MakeLabel(f, QString(), QStringLiteral("°C"), 10320, 360, 375, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("°C"), 10320, 800, 375, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("W/m²"), 10320, 1320, 600, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("h"), 10320, 1800, 375, 375);
  cmbSpeichernStandort =
      ui::MakeButton(f, QStringLiteral("cmbSpeichernStandort"), QStringLiteral("Speichern"), 360, 2640, 3375, 375);
  cmbLoeschen_B =
      ui::MakeButton(f, QStringLiteral("cmbLoeschen_B"), QStringLiteral("Standort löschen"), 360, 3120, 3375, 375);
  cmbAbbruch =
      ui::MakeButton(f, QStringLiteral("cmbAbbruch"), QStringLiteral("Zurück zu Kulturphasen"), 360, 3600, 3375, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Standorte:"), 360, 4200, 2055, 495);
  trvStandort = ui::MakeTree(f, QStringLiteral("trvStandort"), imlStandorte, 360, 4560, 3375, 4575);
  dtgStandorteModus2 = Gitter(f, "dtgStandorteModus2", 4080, 2640, 6135, 6495);
  dtgStandorteModus2->SetCols(4);
  movStandort = Kalender(f, "movStandort", 7080, 3120, 2595, 2370);
  movStandort->hide();
}

void frmBewegungsdaten::MaterialrahmenAnlegen() {
  QFrame* f = fraMaterial = ui::MakeFrame(this, QStringLiteral("fraMaterial"), 4200, 0, 11055, 10095);
  lblPhasenUeberschriftMaterial =
      ui::MakeLabel(f, QStringLiteral("lblPhasenUeberschriftMaterial"), QString(), 360, 240, 2655, 360);
  trvPhasenMaterial = ui::MakeTree(f, QStringLiteral("trvPhasenMaterial"), nullptr, 360, 600, 2655, 1575);
  cmbSpeichernMaterial =
      ui::MakeButton(f, QStringLiteral("cmbSpeichernMaterial"), QStringLiteral("Speichern"), 360, 2640, 3495, 375);
  cmbLoeschenMaterial = ui::MakeButton(f, QStringLiteral("cmbLoeschenMaterial"), QStringLiteral("Datensatz löschen"),
                                       360, 3120, 3495, 375);
  cmbAbbruchMaterial = ui::MakeButton(f, QStringLiteral("cmbAbbruchMaterial"), QStringLiteral("Zurück zu Kulturphasen"),
                                      360, 3600, 3495, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Materialien:"), 360, 4320, 2055, 360);
  trvMaterial = ui::MakeTree(f, QStringLiteral("trvMaterial"), imlMaterial, 360, 4680, 3495, 4335);

  ui::MakeLabel(f, QString(), QStringLiteral("Aktuell:"), 3360, 360, 1100, 375);
  txtNameMaterial = ui::MakeTextBox(f, QStringLiteral("txtNameMaterial"), 4560, 360, 2535, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Beginn:"), 3360, 1050, 1100, 375);
  txtBeginnMaterial = ui::MakeTextBox(f, QStringLiteral("txtBeginnMaterial"), 4560, 1050, 2535, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Ende:"), 3360, 1770, 1100, 375);
  txtEndeMaterial = ui::MakeTextBox(f, QStringLiteral("txtEndeMaterial"), 4560, 1770, 2535, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("Menge:"), 7440, 360, 1400, 375);
  txtMengeMaterial = ui::MakeTextBox(f, QStringLiteral("txtMengeMaterial"), 9000, 360, 1455, 405);
  ui::MakeLabel(f, QString(), QStringLiteral("Fläche:"), 7440, 1080, 1400, 375);
  txtMaterialFlaeche = ui::MakeTextBox(f, QStringLiteral("txtMaterialFlaeche"), 9000, 1080, 1455, 405);
  ui::MakeLabel(f, QString(), QStringLiteral("m²"), 10560, 1080, 390, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("TT:"), 7440, 1800, 450, 375);
  txtTTMaterial = ui::MakeTextBox(f, QStringLiteral("txtTTMaterial"), 7920, 1800, 735, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("°C"), 8760, 1800, 390, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("NT:"), 9480, 1800, 360, 375);
  txtNTMaterial = ui::MakeTextBox(f, QStringLiteral("txtNTMaterial"), 9840, 1800, 615, 375);
  ui::MakeLabel(f, QString(), QStringLiteral("°C"), 10560, 1800, 390, 375);

  dtgMaterial = Gitter(f, "dtgMaterial", 4560, 2640, 6135, 6375);
  dtgMaterial->SetCols(4);
  movMaterial = Kalender(f, "movMaterial", 6720, 4440, 0, 0);
  movMaterial->hide();
}

void frmBewegungsdaten::Verbinden() {
  using T = ui::KeyedTree;
  connect(trvKulturen, &T::NodeClick, this, [this](const QString&) { trvKulturen_Click(); });
  connect(trvKulturen, &T::KeyUp, this, &frmBewegungsdaten::trvKulturen_KeyUp);
  connect(trvKulturen, &T::MouseUp, this, &frmBewegungsdaten::trvKulturen_MouseUp);
  connect(movDatum, &ui::MonthCalendar::DateClick, this, &frmBewegungsdaten::movDatum_DatumGewaehlt);

  connect(cmbEntfernen, &QPushButton::clicked, this, &frmBewegungsdaten::cmbEntfernen_Click);
  connect(cmbLoeschen, &QPushButton::clicked, this, &frmBewegungsdaten::cmbLoeschen_Click);
  connect(cmbSpeichern, &QPushButton::clicked, this, &frmBewegungsdaten::cmbSpeichern_Click);
  connect(cmbStandorte, &QPushButton::clicked, this, &frmBewegungsdaten::cmbStandorte_Click);
  connect(cmbMaterial, &QPushButton::clicked, this, &frmBewegungsdaten::cmbMaterial_Click);
  connect(trvPhasen, &T::NodeClick, this, [this](const QString&) { trvPhasen_Click(); });

  connect(txtName, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtName_Change);
  connect(txtMenge, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtMenge_Change);
  connect(txtBeginn, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtBeginn_Change);
  connect(txtEnde, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtEnde_Change);
  connect(txtTT, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtTT_Change);
  connect(txtNT, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtNT_Change);
  connect(txtLicht, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtLicht_Change);
  connect(txtDauer, &QLineEdit::textChanged, this, &frmBewegungsdaten::txtDauer_Change);
  // The date and number boxes hold only what their keys type, pasted or dropped text included;
  // the window's key handlers see each key first.
  for (QLineEdit* box : {txtBeginn, txtEnde}) ui::InstallKeyFilter(box, ui::DateRule());
  for (QLineEdit* box : {txtTT, txtNT, txtLicht, txtDauer}) ui::InstallKeyFilter(box, ui::NumberRule());
  for (QLineEdit* box : {txtName, txtMenge, txtBeginn, txtEnde, txtTT, txtNT, txtLicht, txtDauer}) {
    box->installEventFilter(this);
  }
  ui::WatchFocus(txtName, [this] { txtName_GotFocus(); }, {});
  ui::WatchFocus(txtMenge, [this] { txtMenge_GotFocus(); }, {});
  ui::WatchFocus(
      txtBeginn, [this] { txtBeginn_GotFocus(); }, [this] { txtBeginn_LostFocus(); });
  ui::WatchFocus(
      txtEnde, [this] { txtEnde_GotFocus(); }, [this] { txtEnde_LostFocus(); });

  connect(trvPhasen_B, &T::NodeClick, this, [this](const QString&) { trvPhasen_B_Click(); });
  connect(trvStandort, &T::MouseDown, this, &frmBewegungsdaten::trvStandort_MouseDown);
  connect(trvStandort, &T::MouseMove, this, &frmBewegungsdaten::trvStandort_MouseMove);
  connect(trvStandort, &T::MouseUp, this, &frmBewegungsdaten::trvStandort_MouseUp);
  connect(trvStandort, &T::DragOver, this,
          [this](const ui::DragSource& s, int x, int y, ui::DragState) { trvStandort_DragOver(s, x, y); });
  connect(trvStandort, &T::DragDrop, this, &frmBewegungsdaten::trvStandort_DragDrop);
  connect(dtgStandorteModus2, &ui::Grid::DragDrop, this, &frmBewegungsdaten::dtgStandorteModus2_DragDrop);
  connect(dtgStandorteModus2, &ui::Grid::DblClick, this, &frmBewegungsdaten::dtgStandorteModus2_DblClick);
  connect(dtgStandorteModus2, &ui::Grid::KeyPress, this, &frmBewegungsdaten::dtgStandorteModus2_KeyPress);
  connect(movStandort, &ui::MonthCalendar::DateClick, this, &frmBewegungsdaten::movStandort_DatumGewaehlt);
  connect(cmbLoeschen_B, &QPushButton::clicked, this, &frmBewegungsdaten::cmbLoeschen_B_Click);
  connect(cmbSpeichernStandort, &QPushButton::clicked, this, &frmBewegungsdaten::cmbSpeichernStandort_Click);
  connect(cmbAbbruch, &QPushButton::clicked, this, &frmBewegungsdaten::cmbAbbruch_Click);

  connect(trvPhasenMaterial, &T::NodeClick, this, [this](const QString&) { trvPhasenMaterial_Click(); });
  connect(trvMaterial, &T::MouseDown, this, &frmBewegungsdaten::trvMaterial_MouseDown);
  connect(trvMaterial, &T::MouseMove, this, &frmBewegungsdaten::trvMaterial_MouseMove);
  connect(trvMaterial, &T::MouseUp, this, &frmBewegungsdaten::trvMaterial_MouseUp);
  connect(trvMaterial, &T::DragOver, this,
          [this](const ui::DragSource& s, int x, int y, ui::DragState) { trvMaterial_DragOver(s, x, y); });
  connect(trvMaterial, &T::DragDrop, this, &frmBewegungsdaten::trvMaterial_DragDrop);
  connect(dtgMaterial, &ui::Grid::DragDrop, this, &frmBewegungsdaten::dtgMaterial_DragDrop);
  connect(dtgMaterial, &ui::Grid::DblClick, this, &frmBewegungsdaten::dtgMaterial_DblClick);
  connect(dtgMaterial, &ui::Grid::KeyPress, this, &frmBewegungsdaten::dtgMaterial_KeyPress);
  connect(movMaterial, &ui::MonthCalendar::DateClick, this, &frmBewegungsdaten::movMaterial_DatumGewaehlt);
  connect(cmbAbbruchMaterial, &QPushButton::clicked, this, &frmBewegungsdaten::cmbAbbruchMaterial_Click);
  connect(cmbLoeschenMaterial, &QPushButton::clicked, this, &frmBewegungsdaten::cmbLoeschenMaterial_Click);
  connect(cmbSpeichernMaterial, &QPushButton::clicked, this, &frmBewegungsdaten::cmbSpeichernMaterial_Click);
}

// Key events of the eight phase boxes, routed to their handlers; Tab, Shift+Tab and Escape
// are no key presses of a box.
bool frmBewegungsdaten::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr) return Form::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      int code = ui::KeyAscii(*key);
      if (code == 0) break;
      const int gedrueckt = code;
      if (box == txtName) txtName_KeyPress(code);
      if (box == txtMenge) txtMenge_KeyPress(code);
      if (box == txtBeginn) txtBeginn_KeyPress(code);
      if (box == txtEnde) txtEnde_KeyPress(code);
      if (box == txtTT) txtTT_KeyPress(code);
      if (box == txtNT) txtNT_KeyPress(code);
      if (box == txtLicht) txtLicht_KeyPress(code);
      if (box == txtDauer) txtDauer_KeyPress(code);
      // A dropped key and Enter (handled above) go no further.
      if (code == 0 || gedrueckt == 13) return true;
      break;
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat()) break;
      if (box == txtName) txtName_KeyUp(key->key(), 0);
      if (box == txtMenge) txtMenge_KeyUp(key->key(), 0);
      break;
    }
    default:
      break;
  }
  return Form::eventFilter(watched, event);
}

}  // namespace tolvar
