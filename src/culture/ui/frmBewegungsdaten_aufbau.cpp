// Controls of the culture data window and the wiring of their events.
#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "culture/ui/frmBewegungsdaten.h"
#include "data/paths.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"

namespace tolvar {

const QColor frmBewegungsdaten::kWeiss = QColor(255, 255, 255);
const QColor frmBewegungsdaten::kMarkierung = QColor(255, 255, 128);
const QColor frmBewegungsdaten::kRot = QColor(255, 0, 0);

namespace {

// Positions in the window's design are twips; 15 twips make a pixel.
constexpr int Px(int twips) { return twips / 15; }

template <class T>
T* Benannt(T* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

void Platz(QWidget* w, int links, int oben, int breite, int hoehe) {
  w->setGeometry(Px(links), Px(oben), Px(breite), Px(hoehe));
}

ui::ImageList* Bildliste(QObject* parent, const char* name, const char* dragKey) {
  auto* list = Benannt(new ui::ImageList(parent), name);
  for (const char* key : {"closed", "open", dragKey}) {
    if (key == nullptr) continue;
    const std::string file = std::string("\\Bilder\\") + key + ".png";
    list->Add(QString::fromLatin1(key), QString::fromStdString(data::InstallPath(file)));
  }
  return list;
}

ui::KeyedTree* Baum(QWidget* parent, const char* name, ui::ImageList* images, int l, int o, int b, int h) {
  auto* tree = Benannt(new ui::KeyedTree(parent), name);
  tree->SetImageList(images);
  Platz(tree, l, o, b, h);
  return tree;
}

QFrame* Rahmen(QWidget* parent, const char* name, int l, int o, int b, int h) {
  auto* frame = Benannt(new QFrame(parent), name);
  Platz(frame, l, o, b, h);
  return frame;
}

QLabel* Beschriftung(QWidget* parent, const QString& text, int l, int o, int b, int h, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
  Platz(label, l, o, b, h);
  return label;
}

QLineEdit* Box(QWidget* parent, const char* name, int l, int o, int b, int h) {
  auto* box = Benannt(new QLineEdit(parent), name);
  Platz(box, l, o, b, h);
  return box;
}

QPushButton* Knopf(QWidget* parent, const char* name, const QString& text, int l, int o, int b, int h) {
  auto* button = Benannt(new QPushButton(text, parent), name);
  Platz(button, l, o, b, h);
  return button;
}

ui::MonthCalendar* Kalender(QWidget* parent, const char* name, int l, int o) {
  auto* calendar = Benannt(new ui::MonthCalendar(parent), name);
  calendar->setGeometry(Px(l), Px(o), 226, 170);
  return calendar;
}

ui::Grid* Gitter(QWidget* parent, const char* name, int l, int o, int b, int h) {
  auto* grid = Benannt(new ui::Grid(parent), name);
  Platz(grid, l, o, b, h);
  // The column widths are those of the design; a small font lets a date fit into 1000 twips.
  QFont schrift = grid->font();
  schrift.setPointSizeF(7.5);
  grid->setFont(schrift);
  return grid;
}

// The character code a key press types (13 Enter, 8 Backspace); 0 for keys that type nothing.
int Zeichencode(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return 13;
  if (event->key() == Qt::Key_Backspace) return 8;
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  return static_cast<int>(text.at(0).unicode());
}

}  // namespace

frmBewegungsdaten::frmBewegungsdaten() : FormOf(QStringLiteral("frmBewegungsdaten"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Bewegungsdaten"));
  resize(Px(15400), Px(10300));
  imlKultur = Bildliste(this, "imlKultur", nullptr);
  imlStandorte = Bildliste(this, "imlStandorte", "drag-standort");
  imlMaterial = Bildliste(this, "imlMaterial", "drag-material");
  trvKulturen = Baum(this, "trvKulturen", imlKultur, 240, 120, 3600, 8880);
  PhasenrahmenAnlegen();
  StandortrahmenAnlegen();
  MaterialrahmenAnlegen();
  fraBearbeitenModus2->hide();
  fraMaterial->hide();
  Verbinden();
}

void frmBewegungsdaten::PhasenrahmenAnlegen() {
  QFrame* f = fraPhasenInfo = Rahmen(this, "fraPhasenInfo", 4200, 0, 11055, 10095);
  lblKultur = Beschriftung(f, QString(), 720, 240, 2655, 375, "lblKultur");
  trvPhasen = Baum(f, "trvPhasen", nullptr, 720, 600, 2655, 1935);
  movDatum = Kalender(f, "movDatum", 4080, 120);
  cmbSpeichern = Knopf(f, "cmbSpeichern", QStringLiteral("Speichern"), 7560, 240, 3135, 375);
  cmbEntfernen = Knopf(f, "cmbEntfernen", QStringLiteral("Eingaben löschen"), 7560, 720, 3135, 375);
  cmbLoeschen = Knopf(f, "cmbLoeschen", QStringLiteral("Datensatz löschen"), 7560, 1200, 3135, 375);
  cmbMaterial = Knopf(f, "cmbMaterial", QStringLiteral("Materialzuweisung"), 7560, 1680, 3135, 375);
  cmbStandorte = Knopf(f, "cmbStandorte", QStringLiteral("Standortverwaltung"), 7560, 2160, 3135, 375);

  QFrame* m = fraModus2 = Rahmen(f, "fraModus2", 240, 2520, 9615, 1095);
  m->setFrameShape(QFrame::StyledPanel);
  const int links[8] = {480, 2880, 4320, 5400, 6480, 7200, 7920, 8640};
  const int breiten[8] = {2295, 1335, 975, 975, 615, 615, 615, 615};
  const char* namen[8] = {"txtName", "txtMenge", "txtBeginn", "txtEnde", "txtTT", "txtNT", "txtLicht", "txtDauer"};
  QLineEdit** boxen[8] = {&txtName, &txtMenge, &txtBeginn, &txtEnde, &txtTT, &txtNT, &txtLicht, &txtDauer};
  for (int i = 0; i < 8; ++i) *boxen[i] = Box(m, namen[i], links[i], 600, breiten[i], 375);
  Beschriftung(m, QStringLiteral("Bezeichnung"), 480, 240, 2295, 375, "lbBezeichnung");
  const char* koepfe[5] = {"Menge", "Beginn", "Ende", "TT °C", "NT °C"};
  for (int i = 0; i < 5; ++i) {
    Beschriftung(m, QString::fromUtf8(koepfe[i]), links[i + 1], 240, breiten[i + 1], 375,
                 QStringLiteral("lblUeberschrift(%1)").arg(i).toLatin1().constData());
  }
  Beschriftung(m, QStringLiteral("Zusatzbelichtung"), 7920, 120, 1650, 240, "Label4");
  Beschriftung(m, QStringLiteral("W/m²"), 7920, 360, 615, 240, "lblLicht");
  Beschriftung(m, QStringLiteral("   h"), 8640, 360, 615, 240, "lblDauer");

  dtgPhase = Gitter(f, "dtgPhase", 600, 3960, 10215, 5055);
  dtgPhase->SetCols(mdlKulturPhasenInfo::kPhasenSpalten);
  dtgPhase->SetRows(mdlKulturPhasenInfo::kMaxPhasen + 1);
}

void frmBewegungsdaten::StandortrahmenAnlegen() {
  QFrame* f = fraBearbeitenModus2 = Rahmen(this, "fraBearbeitenModus2", 4200, 0, 11055, 9970);
  lblPhasenUeberschrift = Beschriftung(f, QString(), 360, 240, 2655, 495, "lblPhasenUeberschrift");
  trvPhasen_B = Baum(f, "trvPhasen_B", nullptr, 360, 600, 2655, 1575);
  Beschriftung(f, QStringLiteral("Bezeichnung:"), 3360, 480, 1300, 375);
  txtPhaseName = Box(f, "txtPhaseName", 4680, 360, 2535, 375);
  Beschriftung(f, QStringLiteral("Beginn:"), 3360, 1200, 1300, 375);
  txtBeginn_B = Box(f, "txtBeginn_B", 4680, 1080, 2535, 375);
  Beschriftung(f, QStringLiteral("Ende:"), 3360, 1920, 1300, 375);
  txtEnde_B = Box(f, "txtEnde_B", 4680, 1800, 2535, 375);
  Beschriftung(f, QStringLiteral("Tagtemperatur:"), 7560, 360, 1900, 375);
  txtTT_B = Box(f, "txtTT_B", 9480, 360, 735, 375);
  Beschriftung(f, QStringLiteral("Nachtemperatur:"), 7560, 840, 1900, 375);
  txtNT_B = Box(f, "txtNT_B", 9480, 800, 735, 375);
  Beschriftung(f, QStringLiteral("Belichtungsstärke:"), 7560, 1440, 1900, 375);
  txtLicht_B = Box(f, "txtLicht_B", 9480, 1320, 735, 405);
  Beschriftung(f, QStringLiteral("Belichtungsdauer:"), 7560, 1920, 1900, 375);
  txtDauer_B = Box(f, "txtDauer_B", 9480, 1800, 735, 405);
  Beschriftung(f, QStringLiteral("°C"), 10320, 360, 375, 375);
  Beschriftung(f, QStringLiteral("°C"), 10320, 800, 375, 375);
  Beschriftung(f, QStringLiteral("W/m²"), 10320, 1320, 600, 375);
  Beschriftung(f, QStringLiteral("h"), 10320, 1800, 375, 375);
  cmbSpeichernStandort = Knopf(f, "cmbSpeichernStandort", QStringLiteral("Speichern"), 360, 2640, 3375, 375);
  cmbLoeschen_B = Knopf(f, "cmbLoeschen_B", QStringLiteral("Standort löschen"), 360, 3120, 3375, 375);
  cmbAbbruch = Knopf(f, "cmbAbbruch", QStringLiteral("Zurück zu Kulturphasen"), 360, 3600, 3375, 375);
  Beschriftung(f, QStringLiteral("Standorte:"), 360, 4200, 2055, 495);
  trvStandort = Baum(f, "trvStandort", imlStandorte, 360, 4560, 3375, 4575);
  dtgStandorteModus2 = Gitter(f, "dtgStandorteModus2", 4080, 2640, 6135, 6495);
  dtgStandorteModus2->SetCols(4);
  movStandort = Kalender(f, "movStandort", 7080, 3120);
  movStandort->hide();
}

void frmBewegungsdaten::MaterialrahmenAnlegen() {
  QFrame* f = fraMaterial = Rahmen(this, "fraMaterial", 4200, 0, 11055, 10095);
  lblPhasenUeberschriftMaterial = Beschriftung(f, QString(), 360, 240, 2655, 375, "lblPhasenUeberschriftMaterial");
  trvPhasenMaterial = Baum(f, "trvPhasenMaterial", nullptr, 360, 600, 2655, 1575);
  cmbSpeichernMaterial = Knopf(f, "cmbSpeichernMaterial", QStringLiteral("Speichern"), 360, 2640, 3495, 375);
  cmbLoeschenMaterial = Knopf(f, "cmbLoeschenMaterial", QStringLiteral("Datensatz löschen"), 360, 3120, 3495, 375);
  cmbAbbruchMaterial =
      Knopf(f, "cmbAbbruchMaterial", QStringLiteral("Zurück zu Kulturphasen"), 360, 3600, 3495, 375);
  Beschriftung(f, QStringLiteral("Materialien:"), 360, 4320, 2055, 375);
  trvMaterial = Baum(f, "trvMaterial", imlMaterial, 360, 4680, 3495, 4335);

  Beschriftung(f, QStringLiteral("Aktuell:"), 3360, 360, 1100, 375);
  txtNameMaterial = Box(f, "txtNameMaterial", 4560, 360, 2535, 375);
  Beschriftung(f, QStringLiteral("Beginn:"), 3360, 1050, 1100, 375);
  txtBeginnMaterial = Box(f, "txtBeginnMaterial", 4560, 1050, 2535, 375);
  Beschriftung(f, QStringLiteral("Ende:"), 3360, 1770, 1100, 375);
  txtEndeMaterial = Box(f, "txtEndeMaterial", 4560, 1770, 2535, 375);
  Beschriftung(f, QStringLiteral("Menge:"), 7440, 360, 1400, 375);
  txtMengeMaterial = Box(f, "txtMengeMaterial", 9000, 360, 1455, 405);
  Beschriftung(f, QStringLiteral("Fläche:"), 7440, 1080, 1400, 375);
  txtMaterialFlaeche = Box(f, "txtMaterialFlaeche", 9000, 1080, 1455, 405);
  Beschriftung(f, QStringLiteral("m²"), 10560, 1080, 400, 375);
  Beschriftung(f, QStringLiteral("TT:"), 7440, 1800, 450, 375);
  txtTTMaterial = Box(f, "txtTTMaterial", 7920, 1800, 735, 375);
  Beschriftung(f, QStringLiteral("°C"), 8760, 1800, 400, 375);
  Beschriftung(f, QStringLiteral("NT:"), 9480, 1800, 360, 375);
  txtNTMaterial = Box(f, "txtNTMaterial", 9840, 1800, 615, 375);
  Beschriftung(f, QStringLiteral("°C"), 10560, 1800, 400, 375);

  dtgMaterial = Gitter(f, "dtgMaterial", 4560, 2640, 6135, 6375);
  dtgMaterial->SetCols(4);
  movMaterial = Kalender(f, "movMaterial", 6720, 4440);
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
  for (QLineEdit* box : {txtName, txtMenge, txtBeginn, txtEnde, txtTT, txtNT, txtLicht, txtDauer}) {
    box->installEventFilter(this);
  }

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

// Focus and key events of the eight phase boxes, routed to their handlers. Focus changes
// caused by switching windows are no GotFocus or LostFocus of a box. The date checks of a box
// that lost the focus run once the focus change is complete, since they may show a message.
bool frmBewegungsdaten::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr) return Form::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      // Selecting the text must follow the line edit's own focus handling.
      QTimer::singleShot(0, box, [this, box] {
        if (box != QApplication::focusWidget()) return;
        if (box == txtName) txtName_GotFocus();
        if (box == txtMenge) txtMenge_GotFocus();
        if (box == txtBeginn) txtBeginn_GotFocus();
        if (box == txtEnde) txtEnde_GotFocus();
      });
      break;
    }
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (box == txtBeginn) QTimer::singleShot(0, this, [this] { txtBeginn_LostFocus(); });
      if (box == txtEnde) QTimer::singleShot(0, this, [this] { txtEnde_LostFocus(); });
      break;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      int code = Zeichencode(key);
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
    default: break;
  }
  return Form::eventFilter(watched, event);
}

}  // namespace tolvar
