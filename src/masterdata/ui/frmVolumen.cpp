#include "masterdata/ui/frmVolumen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "data/paths.h"
#include "data/state.h"
#include "masterdata/calculator.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/master_editor.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"

namespace tolvar {

using ui::MakeButton;
using ui::Q;
using ui::S;

frmVolumen::frmVolumen() : FormOf(QStringLiteral("frmVolumen"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Standardvolumen"));
  auto* layout = new QVBoxLayout(this);

  imlVolumen = new ui::ImageList(this);
  imlVolumen->setObjectName(QStringLiteral("imlVolumen"));
  imlVolumen->Add(QStringLiteral("open"), Q(data::InstallPath("\\Bilder\\open.png")));
  trvVolumen = ui::MakeTree(this, QStringLiteral("trvVolumen"), imlVolumen);
  layout->addWidget(trvVolumen);

  auto* felder = new QGridLayout;
  const char* texte[3] = {"Bezeichnung:", "Volumen:", "Liter"};
  for (int i = 0; i < 3; ++i) {
    lblVolumen[static_cast<std::size_t>(i)] =
        ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblVolumen"), i), Q(texte[i]));
  }
  txtBezeichnung = ui::MakeTextBox(this, QStringLiteral("txtBezeichnung"));
  txtVolumen = ui::MakeTextBox(this, QStringLiteral("txtVolumen"));
  felder->addWidget(lblVolumen[0], 0, 0);
  felder->addWidget(txtBezeichnung, 0, 1, 1, 2);
  felder->addWidget(lblVolumen[1], 1, 0);
  felder->addWidget(txtVolumen, 1, 1);
  felder->addWidget(lblVolumen[2], 1, 2);
  layout->addLayout(felder);

  cmbNeu = MakeButton(this, QStringLiteral("cmbNeu"), QStringLiteral("Neu"));
  cmbSpeichern = MakeButton(this, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"));
  cmbLoeschen = MakeButton(this, QStringLiteral("cmbLoeschen"), QStringLiteral("Löschen"));
  cmbRechner = MakeButton(this, QStringLiteral("cmbRechner"), QStringLiteral("Taschenrechner"));
  cmbOK = MakeButton(this, QStringLiteral("cmbOK"), QStringLiteral("OK"));
  cmbAbbruch = MakeButton(this, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbrechen"));
  auto* bearbeiten = new QHBoxLayout;
  for (QPushButton* knopf : {cmbNeu, cmbSpeichern, cmbLoeschen, cmbRechner}) bearbeiten->addWidget(knopf);
  layout->addLayout(bearbeiten);
  auto* abschluss = new QHBoxLayout;
  abschluss->addStretch();
  abschluss->addWidget(cmbOK);
  abschluss->addWidget(cmbAbbruch);
  layout->addLayout(abschluss);

  connect(trvVolumen, &ui::KeyedTree::NodeClick, this, [this](const QString& key) { trvVolumen_Click(key); });
  connect(cmbNeu, &QPushButton::clicked, this, [this] { cmbNeu_Click(); });
  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  connect(cmbLoeschen, &QPushButton::clicked, this, [this] { cmbLoeschen_Click(); });
  connect(cmbRechner, &QPushButton::clicked, this, [this] { cmbRechner_Click(); });
  connect(cmbAbbruch, &QPushButton::clicked, this, [this] { cmbAbbruch_Click(); });
}

void frmVolumen::Form_Load() {
  masterdata::ui::MausbildSetzen(this, "Zeiger_", false);
  m_formular = masterdata::VolumenFormular{};
  StandardVolumenAnzeigen();
}

void frmVolumen::BoxenLesen() {
  m_formular.txtBezeichnung = S(txtBezeichnung);
  m_formular.txtVolumen = S(txtVolumen);
}

void frmVolumen::BoxenSchreiben() {
  txtBezeichnung->setText(Q(m_formular.txtBezeichnung));
  txtVolumen->setText(Q(m_formular.txtVolumen));
}

void frmVolumen::StandardVolumenAnzeigen() {
  const QString wurzel = Q(masterdata::kVolumenWurzelSchluessel);
  trvVolumen->Clear();
  m_groessen.clear();
  trvVolumen->Add(QString(), wurzel, Q(masterdata::kVolumenWurzelText));
  // An unreadable table shows the root alone.
  const auto groessen = masterdata::StandardgroessenLaden();
  if (groessen) {
    for (const masterdata::VolumenKnoten& knoten : masterdata::VolumenKnotenBilden(*groessen)) {
      const QString key = Q(knoten.Schluessel);
      trvVolumen->Add(wurzel, key, Q(knoten.Text), QStringLiteral("open"));
      m_groessen.insert(key, knoten.Groesse);
    }
  }
  for (const QString& key : trvVolumen->Keys()) trvVolumen->SetExpanded(key, true);
}

void frmVolumen::trvVolumen_Click(const QString& key) {
  BoxenLesen();
  const auto it = m_groessen.constFind(key);
  masterdata::GroesseAuswaehlen(&m_formular, it == m_groessen.constEnd() ? nullptr : &it.value());
  BoxenSchreiben();
}

masterdata::VolumenSpeicherStatus frmVolumen::VolumenSpeichern() {
  BoxenLesen();
  const masterdata::VolumenSpeicherStatus ergebnis = masterdata::VolumenSpeichern(&m_formular);
  BoxenSchreiben();
  // Adding redraws the list; so do a refused name and a size listed already.
  using E = masterdata::VolumenSpeicherStatus;
  if (ergebnis == E::Vorhanden || ergebnis == E::Abgelehnt || ergebnis == E::Hinzugefuegt) StandardVolumenAnzeigen();
  return ergebnis;
}

void frmVolumen::cmbNeu_Click() {
  masterdata::VolumenNeu(&m_formular);
  BoxenSchreiben();
  txtBezeichnung->setFocus();
}

void frmVolumen::cmbSpeichern_Click() {
  VolumenSpeichern();
  StandardVolumenAnzeigen();
}

void frmVolumen::cmbOK_Click() {
  if (VolumenSpeichern() == masterdata::VolumenSpeicherStatus::Fehler) return;
  if (m_formular.NeuesVolumen) return;
  // The volume goes to the pot editor only while it is open.
  if (frmTopf::IsLoaded()) frmTopf::instanz().txtVolumen->setText(txtVolumen->text());
  Unload();
}

void frmVolumen::cmbLoeschen_Click() {
  BoxenLesen();
  const bool neu = m_formular.NeuesVolumen;
  masterdata::VolumenLoeschen(&m_formular);
  BoxenSchreiben();
  if (neu) txtBezeichnung->setFocus();
  StandardVolumenAnzeigen();
}

void frmVolumen::cmbRechner_Click() {
  state().windows.Merkwert = masterdata::kStandardVolumen;
  frmRechner::instanz().Show();
}

void frmVolumen::cmbAbbruch_Click() { Unload(); }

void frmVolumen::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("5.3.1");
}

}  // namespace tolvar
