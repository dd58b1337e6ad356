#include "masterdata/ui/frmAufwandmenge.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/mdlHilfe.h"
#include "masterdata/calculator.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/master_editor.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyfilters.h"
#include "platform/ui/placement.h"

namespace tolvar {

namespace {

const QString kOK = QStringLiteral("OK");
const QString kUebernehmen = QStringLiteral("Übernehmen");
const QString kBeenden = QStringLiteral("Beenden");
const QString kNeu = QStringLiteral("Neu");

}  // namespace

frmAufwandmenge::frmAufwandmenge() : FormOf(QStringLiteral("frmAufwandmenge"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Aufwandmenge"));
  auto* raster = new QGridLayout(this);
  txtKonzentration = ui::MakeTextBox(this, QStringLiteral("txtKonzentration"));
  txtAufwandmenge = ui::MakeTextBox(this, QStringLiteral("txtAufwandmenge"));
  txtPreis = ui::MakeTextBox(this, QStringLiteral("txtPreis"));
  txtKostenLiter = ui::MakeTextBox(this, QStringLiteral("txtKostenLiter"));
  txtKostenEinheit = ui::MakeTextBox(this, QStringLiteral("txtKostenEinheit"));
  for (int i = 0; i < 2; ++i) {
    lblBezug[static_cast<std::size_t>(i)] =
        ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblBezug"), i),
                      i == 0 ? QStringLiteral("l/ Einheit") : QStringLiteral("€/ Einheit"));
  }
  const auto zeile = [this, raster](int r, const QString& text, QLineEdit* box, QWidget* einheit) {
    raster->addWidget(new QLabel(text, this), r, 0);
    raster->addWidget(box, r, 1);
    raster->addWidget(einheit, r, 2);
  };
  zeile(0, QStringLiteral("Konzentration:"), txtKonzentration, new QLabel(QStringLiteral("g/l"), this));
  zeile(1, QStringLiteral("Aufwandmenge:"), txtAufwandmenge, lblBezug[0]);
  zeile(2, QStringLiteral("Preis [Mittlel]:"), txtPreis, new QLabel(QStringLiteral("€/l"), this));
  auto* linie = new QFrame(this);
  linie->setFrameShape(QFrame::HLine);
  raster->addWidget(linie, 3, 0, 1, 3);
  zeile(4, QStringLiteral("Kosten [Spritzbrühe]:"), txtKostenLiter, new QLabel(QStringLiteral("€/100 l"), this));
  zeile(5, QStringLiteral("Kosten [Spritzbrühe]:"), txtKostenEinheit, lblBezug[1]);

  cmbOK = ui::MakeButton(this, QStringLiteral("cmbOK"), kOK);
  cmbBeenden = ui::MakeButton(this, QStringLiteral("cmbBeenden"), kBeenden);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(cmbOK);
  knoepfe->addWidget(cmbBeenden);
  raster->addLayout(knoepfe, 6, 0, 1, 3);

  for (QLineEdit* box : {txtKonzentration, txtAufwandmenge, txtPreis}) ui::InstallNumericFilter(box);
  masterdata::ui::EnterFuehrtZu(txtKonzentration, txtAufwandmenge);
  masterdata::ui::EnterFuehrtZu(txtAufwandmenge, txtPreis);
  masterdata::ui::EnterFuehrtZu(txtPreis, cmbOK);
  // The results are shown only; typing there is dropped with a beep.
  masterdata::ui::BarcodeFeldSperren(txtKostenLiter);
  masterdata::ui::BarcodeFeldSperren(txtKostenEinheit);

  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { cmbBeenden_Click(); });
}

void frmAufwandmenge::Form_Load() { masterdata::ui::MausbildSetzen(this, "Zeiger_", false); }

void frmAufwandmenge::Eingabezustand() {
  cmbOK->setText(kOK);
  cmbBeenden->setText(kBeenden);
}

void frmAufwandmenge::cmbOK_Click() {
  if (cmbOK->text() == kUebernehmen) {
    if (frmMaterial4opt* ziel = Ziel()) ziel->txtPreis->setText(txtKostenEinheit->text());
    Eingabezustand();
    Unload();
    return;
  }
  // Inputs that are no numbers are reported by the calculation; the state stays "input".
  const auto kosten = masterdata::AufwandmengeRechnen(ui::S(txtKonzentration), ui::S(txtAufwandmenge), ui::S(txtPreis));
  if (!kosten) return;
  txtKostenLiter->setText(ui::Q(kosten->txtKostenLiter));
  txtKostenEinheit->setText(ui::Q(kosten->txtKostenEinheit));
  cmbOK->setText(kUebernehmen);
  cmbBeenden->setText(kNeu);
}

void frmAufwandmenge::cmbBeenden_Click() {
  if (cmbBeenden->text() == kNeu) {
    Eingabezustand();
    return;
  }
  Unload();
}

frmMaterial4opt* frmAufwandmenge::Ziel() const {
  // Only the material editor the window works for takes the price: not a closed one, and not
  // one opened since for another material.
  if (!frmMaterial4opt::IsLoaded()) return nullptr;
  frmMaterial4opt& geladen = frmMaterial4opt::instanz();
  if (m_ziel == &geladen) return &geladen;
  // An editor reopened on a material of the same name leaves the caption unchanged, so no
  // title change named it; the caption still tells that the result is meant for it.
  if (m_ziel == nullptr && Caption() == QStringLiteral("Aufwandmenge für ") + geladen.txtName->text()) {
    return &geladen;
  }
  return nullptr;
}

void frmAufwandmenge::changeEvent(QEvent* event) {
  // The material editor names its material in the caption right before it shows the window,
  // so the editor loaded at that moment is the one the result belongs to.
  if (event->type() == QEvent::WindowTitleChange) {
    m_ziel = frmMaterial4opt::IsLoaded() ? &frmMaterial4opt::instanz() : nullptr;
    // The caption names the material: the window is wide enough to show it whole, as far as
    // the screen allows.
    const QMargins rand = ui::FrameMargins(this);
    const int breit = std::min(ui::WholeTitleWidth(this), ui::AvailableArea().width());
    setMinimumWidth(breit - rand.left() - rand.right());
  }
  FormOf::changeEvent(event);
}

void frmAufwandmenge::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("5.3.6");
}

}  // namespace tolvar
