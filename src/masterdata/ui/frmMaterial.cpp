#include "masterdata/ui/frmMaterial.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "data/state.h"
#include "masterdata/material_gruppe.h"
#include "platform/ui/controls.h"

namespace tolvar {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const MaterialSatz* GewaehlteGruppe() {
  const State& s = state();
  if (s.MaterialIndex < 0 || s.MaterialIndex >= static_cast<int>(s.MaterialListe.size())) return nullptr;
  return &s.MaterialListe[static_cast<std::size_t>(s.MaterialIndex)];
}

}  // namespace

frmMaterial::frmMaterial() : Stammdateneditor(QStringLiteral("frmMaterial"), masterdata_ui::Materialien, "5.3") {
  setCaption(QStringLiteral("Material"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtName = masterdata_ui::Textfeld(this, "txtName");
  txtKuerzel = masterdata_ui::Textfeld(this, "txtKuerzel", 10);
  txtCode = masterdata_ui::Textfeld(this, "txtCode");
  txtBemerkungen = new QPlainTextEdit(this);
  txtBemerkungen->setObjectName(QStringLiteral("txtBemerkungen"));
  chbAktuell = new QCheckBox(QStringLiteral("Aktueller Datensatz"), this);
  chbAktuell->setObjectName(QStringLiteral("chbAktuell"));
  form->addRow(QStringLiteral("Bezeichnung:"), txtName);
  form->addRow(QStringLiteral("Kürzel :"), masterdata_ui::MitHinweis(txtKuerzel, QStringLiteral("(max. 10 Zeichen)")));
  form->addRow(QStringLiteral("Barcode:"), masterdata_ui::MitHinweis(txtCode, QStringLiteral("(6*****)")));
  form->addRow(QStringLiteral("Bemerkungen:"), txtBemerkungen);
  form->addRow(chbAktuell);
  layout->addLayout(form);

  cmbSpeichern = new QPushButton(QStringLiteral("Speichern"), this);
  cmbSpeichern->setObjectName(QStringLiteral("cmbSpeichern"));
  cmbAbbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
  cmbAbbruch->setObjectName(QStringLiteral("cmbAbbruch"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(cmbSpeichern);
  knoepfe->addWidget(cmbAbbruch);
  knoepfe->addWidget(cmbHilfe);
  layout->addLayout(knoepfe);

  QWidget* folge[] = {txtName, txtKuerzel, txtCode, txtBemerkungen, chbAktuell, cmbSpeichern, cmbAbbruch, cmbHilfe};
  for (std::size_t i = 1; i < std::size(folge); ++i) setTabOrder(folge[i - 1], folge[i]);

  masterdata_ui::BarcodeFeldSperren(txtCode);
  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
  connect(cmbAbbruch, &QPushButton::clicked, this, [this] { cmbAbbruch_Click(); });
}

void frmMaterial::Form_Load() {
  masterdata_ui::MausbildSetzen(this, "Zeiger_", false);
  masterdata_ui::MausbildSetzen(chbAktuell, "Hand_", false);
  const MaterialSatz* gruppe = GewaehlteGruppe();
  if (gruppe == nullptr) return;
  // The save edits this group, wherever the tree's selection moves meanwhile.
  m_gruppenNr = gruppe->MaterialNr;
  const MaterialGruppeEingaben e = mdlMaterial::MaterialGruppeEingabenLaden(*gruppe);
  txtName->setText(Q(e.txtName));
  txtKuerzel->setText(Q(e.txtKuerzel));
  txtCode->setText(Q(e.txtCode));
  txtBemerkungen->setPlainText(Q(e.txtBemerkungen));
  chbAktuell->setChecked(e.chbAktuell);
}

void frmMaterial::cmbSpeichern_Click() {
  MaterialGruppeEingaben e;
  e.txtName = txtName->text().toStdString();
  e.txtKuerzel = txtKuerzel->text().toStdString();
  e.txtCode = txtCode->text().toStdString();
  e.txtBemerkungen = txtBemerkungen->toPlainText().toStdString();
  e.chbAktuell = chbAktuell->isChecked();
  const Speicherergebnis ergebnis = mdlMaterial::MaterialGruppeSpeichern(m_gruppenNr, &e);
  txtKuerzel->setText(Q(e.txtKuerzel));
  if (ergebnis.gespeichert) {
    Unload();
    return;
  }
  if (auto* fokus = ui::FindControl<QWidget>(this, Q(ergebnis.fokus))) fokus->setFocus();
}

void frmMaterial::cmbAbbruch_Click() { Unload(); }

void frmMaterial::Form_KeyDown(int key, int /*shift*/) {
  if (key != Qt::Key_F1) return;
  // F1 follows the group selected now; the help button always shows the general topic.
  const MaterialSatz* gruppe = GewaehlteGruppe();
  state().HilfeThema = mdlMaterial::GruppenHilfeThema(gruppe != nullptr ? gruppe->MaterialNr : std::string());
  mdlHilfe::HilfeAufrufen(state().HilfeThema);
}

}  // namespace tolvar
