#include "settings/ui/frmEinstellungen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "app/mdiTolvarZentral.h"
#include "app/mdlGroesse_farben.h"
#include "app/mdlHilfe.h"
#include "data/state.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/settings_logic.h"
#include "settings/ui/activity_material_editor.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/frmLandkarte.h"
#include "settings/ui/vantel_editors.h"

namespace tolvar {

using settings::ui::kTitel;
using settings::ui::Zeiger;
using ui::Q;
using ui::S;

namespace {

// The chosen database file, or nothing when the dialog was cancelled.
std::optional<std::string> DatenbankWaehlen() {
  const std::optional<QString> datei = ui::OpenFileDialog(QString(), QString(), QStringLiteral(".mdb|*.mdb|"));
  if (!datei || datei->isEmpty()) return std::nullopt;
  return S(*datei);
}

// Index of the first selected option, or nothing when none is.
std::optional<int> GewaehlteFarbe(const std::array<QRadioButton*, 6>& optionen) {
  for (std::size_t i = 0; i < optionen.size(); ++i) {
    if (optionen[i] != nullptr && optionen[i]->isChecked()) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace

frmEinstellungen::frmEinstellungen() : FormOf(QStringLiteral("frmEinstellungen"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Tolvar-Einstellungen"));
  auto* layout = new QVBoxLayout(this);
  regEinstellungen = new ui::TabStrip(this);
  regEinstellungen->setObjectName(QStringLiteral("regEinstellungen"));
  layout->addWidget(regEinstellungen);
  for (const char* titel : {"Datenbanken", "Lohngruppen", "Energie/GWH Material", "Tolvar-System", "Gemeinkosten",
                            "Sachkosten", "Kulturvergleich"}) {
    regEinstellungen->AddTab(Q(titel));
  }
  SeiteDatenbanken(regEinstellungen->Page(0));
  SeiteLohngruppen(regEinstellungen->Page(1));
  SeiteEnergie(regEinstellungen->Page(2));
  SeiteFarben(regEinstellungen->Page(3));
  SeiteGemeinkosten(regEinstellungen->Page(4));
  SeiteSachkosten(regEinstellungen->Page(5));
  SeiteKulturvergleich(regEinstellungen->Page(6));
  cmbAbbruch = ui::MakeButton(this, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbrechen"));
  layout->addWidget(cmbAbbruch, 0, Qt::AlignRight);

  connect(regEinstellungen, &ui::TabStrip::Click, this, [this](int) { regEinstellungen_Click(); });
  connect(cmbAbbruch, &QPushButton::clicked, this, &frmEinstellungen::cmbAbbruch_Click);
}

void frmEinstellungen::Form_Load() {
  Zeiger(this, "Zeiger_");
  // Options and check boxes show the hand, all in the own windows' colour.
  for (QRadioButton* option : opbMorvin) Zeiger(option, "Hand_");
  for (QRadioButton* option : opbTolvar) Zeiger(option, "Hand_");
  for (std::size_t i = 1; i <= 5; ++i) Zeiger(eindeckung->chbDach[i], "Hand_");
  for (QRadioButton* option : opbGemeinkosten) Zeiger(option, "Hand_");
  Zeiger(opbLohngruppeBearbeiten, "Hand_");
  Zeiger(opbNeueLohngruppe, "Hand_");
  for (QRadioButton* option : opbVermarktung) Zeiger(option, "Hand_");
  for (QCheckBox* box : chbFlaeche) Zeiger(box, "Hand_");

  // The site tree has no "closed" picture: its groups show none.
  const QString bilder = Q(sys::DataPath("\\Bilder\\"));
  imlStandort->Add(QStringLiteral("open"), bilder + QStringLiteral("open.png"));
  imlStandort->Add(QStringLiteral("drag-standort"), bilder + QStringLiteral("drag-standort.png"));
  arbeitMaterial->BilderLaden();
}

void frmEinstellungen::Form_Activate() {
  const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  txtStation->setText(Q(e.Wetterstation));
  txtMaterialPfad->setText(Q(e.MaterialPfad));
  txtVantelPfad->setText(Q(e.VantelPfad));
  LohngruppenAktivieren();
  regEinstellungen->SetTab(0);
}

void frmEinstellungen::Form_KeyDown(int key, int /*shift*/) {
  if (key != Qt::Key_F1) return;
  tolvar::State& s = state();
  s.windows.HilfeThema = settings::HilfethemaDesTabs(regEinstellungen->Tab());
  mdlHilfe::HilfeAufrufen(s.windows.HilfeThema);
}

void frmEinstellungen::regEinstellungen_Click() {
  const tolvar::State& s = state();
  switch (regEinstellungen->Tab()) {
    case 2:
      ElektrischeEnergieLaden();
      fraHeizung->setVisible(true);
      fraEindeckung->setVisible(false);
      cmbWechsel->setText(QStringLiteral("GWH-Materialverwaltung"));
      brennstoff->VonVorn();
      break;
    case 3:
      if (QRadioButton* const* option = At(opbMorvin, s.windows.FarbeMorvin)) (*option)->setChecked(true);
      if (QRadioButton* const* option = At(opbTolvar, s.windows.FarbeTolvar)) (*option)->setChecked(true);
      break;
    case 4:
      GemeinkostenAnzeigen();
      break;
    case 5:
      VermarktungAnzeigen();
      arbeitMaterial->Anzeigen();
      break;
    case 6:
      txtErgebnisdatenbank->setText(Q(s.enterprise.AktuelleEinstellungen.Ergebnisdatenbank));
      break;
    default:
      break;
  }
}

void frmEinstellungen::cmbAbbruch_Click() { Unload(); }

void frmEinstellungen::cmbDurchsuchen_Click() {
  const std::optional<std::string> datei = DatenbankWaehlen();
  if (!datei) return;
  txtMaterialPfad->setText(Q(settings::DatenbankGewaehlt(settings::Datenbank::Material, *datei)));
}

void frmEinstellungen::cmbVantelDurchsuchen_Click() {
  const std::optional<std::string> datei = DatenbankWaehlen();
  if (!datei) return;
  txtVantelPfad->setText(Q(settings::DatenbankGewaehlt(settings::Datenbank::Vantel, *datei)));
}

void frmEinstellungen::cmbErgebnisdatenbank_Click() {
  const std::optional<std::string> datei = DatenbankWaehlen();
  if (!datei) return;
  txtErgebnisdatenbank->setText(Q(settings::DatenbankGewaehlt(settings::Datenbank::Ergebnis, *datei)));
}

void frmEinstellungen::cmbVantel_Click() {
  settings::StandardKlimapfadSetzen();
  frmLandkarte& karte = frmLandkarte::instanz();
  karte.txtAuswahl->setText(Q(state().enterprise.AktuelleEinstellungen.Wetterstation));
  karte.Show();
}

void frmEinstellungen::cmbOK_Click() {
  const settings::DatenbankenSpeicherStatus ergebnis =
      settings::DatenbankenSpeichern(S(txtStation), S(txtMaterialPfad), S(txtVantelPfad));
  if (ergebnis == settings::DatenbankenSpeicherStatus::Gespeichert) Unload();
}

void frmEinstellungen::cmbFarbeOK_Click() {
  settings::FarbeinstellungSpeichern(GewaehlteFarbe(opbTolvar), GewaehlteFarbe(opbMorvin));
  mdlGroesse::FarbnamenErmitteln();
  const int antwort = ui::MsgBox(Q(settings::NeustartFrage()), ui::msgbox::YesNo, kTitel);
  if (antwort == ui::msgbox::No) return;
  // Unloads this window too: nothing of it is touched afterwards.
  mdiTolvarZentral::HauptfensterNeuLaden();
}

}  // namespace tolvar
