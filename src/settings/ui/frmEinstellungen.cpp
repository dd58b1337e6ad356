#include "settings/ui/frmEinstellungen.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "app/mdiTolvarZentral.h"
#include "app/mdlGroesse_farben.h"
#include "app/mdlHilfe.h"
#include "data/checks.h"
#include "data/master_loaders.h"
#include "data/state.h"
#include "data/system_info.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/controls.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

namespace {

const char* const kFarben[6] = {"Weiss", "Grau", "Schwarz", "Blau", "Rot", "Grün"};

// The chosen database file, or nothing when the dialog was cancelled.
std::optional<std::string> DatenbankWaehlen() {
  const std::optional<QString> datei =
      ui::OpenFileDialog(QString(), QString(), QStringLiteral("Access-Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*"));
  if (!datei || datei->isEmpty()) return std::nullopt;
  return datei->toStdString();
}

// Index of the first selected option, or the old value when none is.
int GewaehlteFarbe(const std::array<QRadioButton*, 6>& optionen, int bisher) {
  for (std::size_t i = 0; i < optionen.size(); ++i) {
    if (optionen[i] && optionen[i]->isChecked()) return static_cast<int>(i);
  }
  return bisher;
}

}  // namespace

frmEinstellungen::frmEinstellungen() : FormOf(QStringLiteral("frmEinstellungen"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Einstellungen"));
  auto* layout = new QGridLayout(this);
  regEinstellungen = new QTabBar(this);
  regEinstellungen->setObjectName(QStringLiteral("regEinstellungen"));
  for (int i = 1; i <= 7; ++i) regEinstellungen->addTab(QString::number(i));
  layout->addWidget(regEinstellungen, 0, 0, 1, 4);

  imlStandort = new ui::ImageList(this);
  imlTaetigkeit = new ui::ImageList(this);
  trvStandort = new ui::KeyedTree(this);
  trvStandort->setObjectName(QStringLiteral("trvStandort"));
  trvStandort->SetImageList(imlStandort);
  trvTaetigkeit = new ui::KeyedTree(this);
  trvTaetigkeit->setObjectName(QStringLiteral("trvTaetigkeit"));
  trvTaetigkeit->SetImageList(imlTaetigkeit);
  layout->addWidget(trvStandort, 1, 0, 1, 2);
  layout->addWidget(trvTaetigkeit, 1, 2, 1, 2);

  const auto knopf = [this](const char* name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    return button;
  };
  opbGemeinkosten = new QRadioButton(QStringLiteral("Gemeinkosten"), this);
  opbGemeinkosten->setObjectName(QStringLiteral("opbGemeinkosten"));
  cmbDurchsuchen = knopf("cmbDurchsuchen", QStringLiteral("Durchsuchen"));
  cmbVantelDurchsuchen = knopf("cmbVantelDurchsuchen", QStringLiteral("Durchsuchen"));
  cmbErgebnisdatenbank = knopf("cmbErgebnisdatenbank", QStringLiteral("Durchsuchen"));
  cmbOK = knopf("cmbOK", QStringLiteral("Speichern"));
  cmbFarbeOK = knopf("cmbFarbeOK", QStringLiteral("Farbeinstellung speichern"));
  layout->addWidget(opbGemeinkosten, 2, 0);
  layout->addWidget(cmbDurchsuchen, 3, 0);
  layout->addWidget(cmbVantelDurchsuchen, 3, 1);
  layout->addWidget(cmbErgebnisdatenbank, 3, 2);
  layout->addWidget(cmbOK, 3, 3);

  // Two groups of six, each exclusive on its own.
  auto* morvin = new QButtonGroup(this);
  auto* tolvar = new QButtonGroup(this);
  for (std::size_t i = 0; i < opbMorvin.size(); ++i) {
    const int index = static_cast<int>(i);
    opbMorvin[i] = new QRadioButton(QString::fromUtf8(kFarben[i]), this);
    opbMorvin[i]->setObjectName(ui::ControlName(QStringLiteral("opbMorvin"), index));
    morvin->addButton(opbMorvin[i], index);
    opbTolvar[i] = new QRadioButton(QString::fromUtf8(kFarben[i]), this);
    opbTolvar[i]->setObjectName(ui::ControlName(QStringLiteral("opbTolvar"), index));
    tolvar->addButton(opbTolvar[i], index);
    layout->addWidget(opbMorvin[i], 4 + index, 0);
    layout->addWidget(opbTolvar[i], 4 + index, 1);
  }
  layout->addWidget(cmbFarbeOK, 10, 3);

  connect(regEinstellungen, &QTabBar::tabBarClicked, this, [this](int) { regEinstellungen_Click(); });
  connect(opbGemeinkosten, &QRadioButton::clicked, this, &frmEinstellungen::opbGemeinkosten_Click);
  connect(cmbDurchsuchen, &QPushButton::clicked, this, &frmEinstellungen::cmbDurchsuchen_Click);
  connect(cmbVantelDurchsuchen, &QPushButton::clicked, this, &frmEinstellungen::cmbVantelDurchsuchen_Click);
  connect(cmbErgebnisdatenbank, &QPushButton::clicked, this, &frmEinstellungen::cmbErgebnisdatenbank_Click);
  connect(cmbOK, &QPushButton::clicked, this, &frmEinstellungen::cmbOK_Click);
  connect(cmbFarbeOK, &QPushButton::clicked, this, &frmEinstellungen::cmbFarbeOK_Click);
}

void frmEinstellungen::Form_Load() {
  // The site tree has no "closed" picture: its root and groups show none.
  const QString bilder = QString::fromStdString(sys::DataPath("\\Bilder\\"));
  imlStandort->Add(QStringLiteral("open"), bilder + QStringLiteral("open.png"));
  imlStandort->Add(QStringLiteral("drag-standort"), bilder + QStringLiteral("drag-standort.png"));
  imlTaetigkeit->Add(QStringLiteral("open"), bilder + QStringLiteral("open.png"));
  imlTaetigkeit->Add(QStringLiteral("closed"), bilder + QStringLiteral("closed.png"));
  imlTaetigkeit->Add(QStringLiteral("drag-Taetigkeit"), bilder + QStringLiteral("drag-Taetigkeit.png"));
}

void frmEinstellungen::regEinstellungen_Click() {
  const tolvar::State& s = state();
  if (s.FarbeMorvin >= 0 && s.FarbeMorvin < 6) opbMorvin[static_cast<std::size_t>(s.FarbeMorvin)]->setChecked(true);
  if (s.FarbeTolvar >= 0 && s.FarbeTolvar < 6) opbTolvar[static_cast<std::size_t>(s.FarbeTolvar)]->setChecked(true);
  mdlDatenLaden::StandorteLaden();
  mdlFormen::AktuelleStandorteAnzeigen(*this);
  mdlDatenLaden::TaetigkeitenLaden();
  mdlFormen::AktuelleTaetigkeitenAnzeigen(*this);
}

void frmEinstellungen::opbGemeinkosten_Click() {
  mdlDatenLaden::StandorteLaden();
  mdlFormen::AktuelleStandorteAnzeigen(*this);
}

void frmEinstellungen::cmbDurchsuchen_Click() {
  const std::optional<std::string> datei = DatenbankWaehlen();
  if (!datei) return;
  state().AktuelleEinstellungen.MaterialPfad = *datei;
  mdlFehler::MaterialDatenbankPruefen();
}

void frmEinstellungen::cmbVantelDurchsuchen_Click() {
  const std::optional<std::string> datei = DatenbankWaehlen();
  if (!datei) return;
  state().AktuelleEinstellungen.VantelPfad = *datei;
  mdlFehler::VantelDatenbankPruefen();
}

void frmEinstellungen::cmbErgebnisdatenbank_Click() {
  const std::optional<std::string> datei = DatenbankWaehlen();
  if (!datei) return;
  state().AktuelleEinstellungen.Ergebnisdatenbank = *datei;
  mdlFehler::ErgebnisDatenbankPruefen();
}

void frmEinstellungen::cmbOK_Click() {
  mdlFehler::MaterialDatenbankPruefen();
  mdlFehler::VantelDatenbankPruefen();
  mdlFehler::ErgebnisDatenbankPruefen();
}

void frmEinstellungen::cmbFarbeOK_Click() {
  tolvar::State& s = state();
  s.FarbeMorvin = GewaehlteFarbe(opbMorvin, s.FarbeMorvin);
  s.FarbeTolvar = GewaehlteFarbe(opbTolvar, s.FarbeTolvar);
  mdlDatenbank::SystemInfoSchreiben();
  mdlGroesse::FarbnamenErmitteln();
  const int antwort = ui::MsgBox(
      QStringLiteral("Um die geänderte Farbeinstellungen zu überhehmen, muss das Programm neu gestartet werden."
                     "\n\nSoll das Programm automatisch neu gestartet werden?"),
      ui::msgbox::YesNo, QStringLiteral("Tolvar-Information"));
  if (antwort == ui::msgbox::No) return;
  // Unloads this window too: nothing of it is touched afterwards.
  mdiTolvarZentral::HauptfensterNeuLaden();
}

void frmEinstellungen::Form_KeyDown(int key, int /*shift*/) {
  if (key != Qt::Key_F1) return;
  tolvar::State& s = state();
  s.HilfeThema = "4." + std::to_string(regEinstellungen->currentIndex() + 1);
  mdlHilfe::HilfeAufrufen(s.HilfeThema);
}

}  // namespace tolvar
