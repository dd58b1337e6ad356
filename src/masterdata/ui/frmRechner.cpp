#include "masterdata/ui/frmRechner.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlHilfe.h"
#include "data/state.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/frmVolumen.h"
#include "masterdata/ui/master_editor.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"

namespace tolvar {

namespace {

constexpr const char* kOperatoren[5] = {"/", "+", "X", "-", "="};

QPushButton* Taste(QWidget* parent, const QString& name, const QString& text) {
  auto* taste = tolvar::ui::MakeButton(parent, name, text);
  taste->setAutoDefault(false);
  return taste;
}

// Writes `wert` into `box` of window T, only while T is open: a closed editor is not brought
// back to life to receive a value nobody waits for.
template <class T>
void Schreiben(QLineEdit* T::*box, const QString& wert) {
  if (T::IsLoaded()) (T::instanz().*box)->setText(wert);
}

}  // namespace

frmRechner::frmRechner() : FormOf(QStringLiteral("frmRechner"), tolvar::ui::FormKind::Window) {
  setCaption(QStringLiteral("Rechner"));
  auto* raster = new QGridLayout(this);
  Readout = tolvar::ui::MakeLabel(this, QStringLiteral("Readout"), QString());
  Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Readout->setFrameShape(QFrame::Panel);
  Readout->setFrameShadow(QFrame::Sunken);
  // The readout is as wide as the keys: a long number never widens the window under the mouse.
  Readout->setSizePolicy(QSizePolicy::Ignored, Readout->sizePolicy().verticalPolicy());
  raster->addWidget(Readout, 0, 0, 1, 5);
  for (int i = 0; i < 10; ++i) {
    Number[static_cast<std::size_t>(i)] =
        Taste(this, tolvar::ui::ControlName(QStringLiteral("Number"), i), QString::number(i));
    connect(Number[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { Number_Click(i); });
  }
  for (int i = 0; i < 5; ++i) {
    Operator[static_cast<std::size_t>(i)] =
        Taste(this, tolvar::ui::ControlName(QStringLiteral("Operator"), i), QString::fromLatin1(kOperatoren[i]));
    connect(Operator[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { Operator_Click(i); });
  }
  Decimal = Taste(this, QStringLiteral("Decimal"), QStringLiteral(","));
  Percent = Taste(this, QStringLiteral("Percent"), QStringLiteral("%"));
  Cancel = Taste(this, QStringLiteral("Cancel"), QStringLiteral("C"));
  CancelEntry = Taste(this, QStringLiteral("CancelEntry"), QStringLiteral("CE"));
  const auto n = [this](int i) { return Number[static_cast<std::size_t>(i)]; };
  const auto op = [this](int i) { return Operator[static_cast<std::size_t>(i)]; };
  raster->addWidget(n(7), 1, 0);
  raster->addWidget(n(8), 1, 1);
  raster->addWidget(n(9), 1, 2);
  raster->addWidget(Cancel, 1, 3);
  raster->addWidget(CancelEntry, 1, 4);
  raster->addWidget(n(4), 2, 0);
  raster->addWidget(n(5), 2, 1);
  raster->addWidget(n(6), 2, 2);
  raster->addWidget(op(1), 2, 3);
  raster->addWidget(op(3), 2, 4);
  raster->addWidget(n(1), 3, 0);
  raster->addWidget(n(2), 3, 1);
  raster->addWidget(n(3), 3, 2);
  raster->addWidget(op(2), 3, 3);
  raster->addWidget(op(0), 3, 4);
  raster->addWidget(n(0), 4, 0, 1, 2);
  raster->addWidget(Decimal, 4, 2);
  raster->addWidget(op(4), 4, 3);
  raster->addWidget(Percent, 4, 4);

  connect(Decimal, &QPushButton::clicked, this, [this] { Decimal_Click(); });
  connect(Percent, &QPushButton::clicked, this, [this] { Percent_Click(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });
  connect(CancelEntry, &QPushButton::clicked, this, [this] { CancelEntry_Click(); });
}

void frmRechner::Form_Load() {
  masterdata::ui::MausbildSetzen(this, "Zeiger_", false);
  m_rechner.Laden();
  Anzeigen();
}

void frmRechner::Anzeigen() { Readout->setText(tolvar::ui::Q(m_rechner.Readout())); }

void frmRechner::Number_Click(int index) {
  // The digit is the key's caption.
  m_rechner.Ziffer(Number[static_cast<std::size_t>(index)]->text().toInt());
  Anzeigen();
}

void frmRechner::Operator_Click(int index) {
  m_rechner.Operator(tolvar::ui::S(Operator[static_cast<std::size_t>(index)]->text()));
  Anzeigen();
}

void frmRechner::Decimal_Click() {
  m_rechner.Komma();
  Anzeigen();
}

void frmRechner::Percent_Click() {
  m_rechner.Prozent();
  Anzeigen();
}

void frmRechner::Cancel_Click() {
  m_rechner.Cancel();
  Anzeigen();
}

void frmRechner::CancelEntry_Click() {
  m_rechner.CancelEntry();
  Anzeigen();
}

void frmRechner::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("5.3");
}

void frmRechner::Form_Unload(bool& /*cancel*/) {
  const QString wert = tolvar::ui::Q(m_rechner.Ergebnis());
  switch (state().windows.Merkwert) {
    case masterdata::kTopfMenge:
      Schreiben(&frmTopf::txtMenge, wert);
      break;
    case masterdata::kTopfPreis:
      Schreiben(&frmTopf::txtPreis, wert);
      break;
    case masterdata::kTopfVolumen:
      Schreiben(&frmTopf::txtVolumen, wert);
      break;
    case masterdata::kSubstratPreis:
      Schreiben(&frmSubstrat::txtPreis, wert);
      break;
    case masterdata::kMaterialMenge:
      Schreiben(&frmMaterial4opt::txtMenge, wert);
      break;
    case masterdata::kMaterialPreis:
      Schreiben(&frmMaterial4opt::txtPreis, wert);
      break;
    case masterdata::kStandardVolumen:
      Schreiben(&frmVolumen::txtVolumen, wert);
      break;
    default:
      break;
  }
}

}  // namespace tolvar

namespace tolvar::masterdata::ui {

namespace {

class FokusZiel : public QObject {
 public:
  FokusZiel(QObject* parent, int ziel) : QObject(parent), m_ziel(ziel) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) state().windows.Merkwert = m_ziel;
    return false;
  }

 private:
  int m_ziel;
};

class EnterZiel : public QObject {
 public:
  EnterZiel(QObject* parent, QWidget* ziel) : QObject(parent), m_ziel(ziel) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (m_ziel != nullptr) m_ziel->setFocus(Qt::TabFocusReason);
    return true;
  }

 private:
  QWidget* m_ziel;
};

}  // namespace

void RechnerzielBeiFokus(QLineEdit* box, int ziel) { box->installEventFilter(new FokusZiel(box, ziel)); }

void EnterFuehrtZu(QWidget* box, QWidget* ziel) { box->installEventFilter(new EnterZiel(box, ziel)); }

}  // namespace tolvar::masterdata::ui
