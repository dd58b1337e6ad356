// The settings window's tab pages: controls, captions and their signals.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/focus.h"
#include "platform/ui/grid.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/optiongroup.h"
#include "settings/ui/activity_material_editor.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/vantel_editors.h"

namespace tolvar {

using ui::MakeButton;
using ui::MakeGroup;
using ui::MakeLabel;
using ui::MakeTextBox;

namespace {

// A box with its label before and its unit after, as one row of `layout`.
void Zeile(QGridLayout* layout, int row, QWidget* parent, const QString& text, QLineEdit* box,
           const QString& einheit = QString()) {
  layout->addWidget(MakeLabel(parent, QString(), text), row, 0);
  layout->addWidget(box, row, 1);
  if (!einheit.isEmpty()) layout->addWidget(MakeLabel(parent, QString(), einheit), row, 2);
}

}  // namespace

void frmEinstellungen::SeiteDatenbanken(QWidget* seite) {
  auto* layout = new QVBoxLayout(seite);
  const auto pfad = [seite, layout](QGroupBox*& frame, const char* frameName, const QString& titel,
                                    const char* labelName, const QString& label, QLineEdit*& box, const char* boxName,
                                    QPushButton*& button, const char* buttonName, const QString& knopf) {
    frame = MakeGroup(seite, QLatin1String(frameName), titel);
    auto* g = new QGridLayout(frame);
    g->addWidget(MakeLabel(frame, QLatin1String(labelName), label), 0, 0, 1, 2);
    box = MakeTextBox(frame, QLatin1String(boxName));
    button = MakeButton(frame, QLatin1String(buttonName), knopf);
    g->addWidget(box, 1, 0);
    g->addWidget(button, 1, 1);
    layout->addWidget(frame);
  };
  pfad(fraMaterial, "fraMaterial", QStringLiteral("Material-Datenbank"), "lblMaterial",
       QStringLiteral("Aktuelle Materialdatenbank:"), txtMaterialPfad, "txtMaterialPfad", cmbDurchsuchen,
       "cmbDurchsuchen", QStringLiteral("Durchsuchen..."));
  pfad(fraVantel, "fraVantel", QStringLiteral("Vantel-Datenbank"), "Label1",
       QStringLiteral("Aktuelle Vanteldatenbank:"), txtVantelPfad, "txtVantelPfad", cmbVantelDurchsuchen,
       "cmbVantelDurchsuchen", QStringLiteral("Durchsuchen..."));
  pfad(fraStandort, "fraStandort", QStringLiteral("Wetterdaten"), "lblStation",
       QStringLiteral("Aktuelle Wetterstation:"), txtStation, "txtStation", cmbVantel, "cmbVantel",
       QStringLiteral("Standard-Wetterstationen"));
  cmbOK = MakeButton(seite, QStringLiteral("cmbOK"), QStringLiteral("Speichern"));
  layout->addWidget(cmbOK, 0, Qt::AlignRight);
  layout->addStretch();

  connect(cmbDurchsuchen, &QPushButton::clicked, this, &frmEinstellungen::cmbDurchsuchen_Click);
  connect(cmbVantelDurchsuchen, &QPushButton::clicked, this, &frmEinstellungen::cmbVantelDurchsuchen_Click);
  connect(cmbVantel, &QPushButton::clicked, this, &frmEinstellungen::cmbVantel_Click);
  connect(cmbOK, &QPushButton::clicked, this, &frmEinstellungen::cmbOK_Click);
}

void frmEinstellungen::SeiteLohngruppen(QWidget* seite) {
  auto* layout = new QGridLayout(seite);
  static const char* const kTexte[3] = {"Vorhandene Lohngruppen:", "Aktuelle Lohngruppe:", "€/ Stunde"};
  for (std::size_t i = 0; i < lblBezeichnung.size(); ++i) {
    lblBezeichnung[i] =
        MakeLabel(seite, ui::ControlName(QStringLiteral("lblBezeichnung"), static_cast<int>(i)), ui::Q(kTexte[i]));
  }
  comLohn = ui::MakeComboBox(seite, QStringLiteral("comLohn"));
  opbLohngruppeBearbeiten = ui::MakeOptionButton(seite, QStringLiteral("opbLohngruppeBearbeiten"),
                                                 QStringLiteral("Aktuelle Lohngruppe bearbeiten"));
  opbNeueLohngruppe =
      ui::MakeOptionButton(seite, QStringLiteral("opbNeueLohngruppe"), QStringLiteral("Neue Lohngruppe anlegen"));
  txtLohngruppeB = MakeTextBox(seite, QStringLiteral("txtLohngruppeB"));
  txtLohnB = MakeTextBox(seite, QStringLiteral("txtLohnB"));
  cmbSpeichern = MakeButton(seite, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"));
  cmbLoeschen = MakeButton(seite, QStringLiteral("cmbLoeschen"), QStringLiteral("Entfernen"));
  cmbLohnkalkulationxls =
      MakeButton(seite, QStringLiteral("cmbLohnkalkulationxls"), QStringLiteral("Lohnkalkulation.xls starten"));
  txtloeschen = MakeTextBox(seite, QStringLiteral("txtloeschen"));
  txtloeschen->setVisible(false);
  layout->addWidget(lblBezeichnung[0], 0, 0);
  layout->addWidget(comLohn, 0, 1, 1, 2);
  layout->addWidget(opbLohngruppeBearbeiten, 1, 0, 1, 2);
  layout->addWidget(opbNeueLohngruppe, 2, 0, 1, 2);
  layout->addWidget(lblBezeichnung[1], 3, 0);
  layout->addWidget(txtLohngruppeB, 3, 1, 1, 2);
  layout->addWidget(txtLohnB, 4, 1);
  layout->addWidget(lblBezeichnung[2], 4, 2);
  layout->addWidget(cmbSpeichern, 5, 1);
  layout->addWidget(cmbLoeschen, 5, 2);
  layout->addWidget(cmbLohnkalkulationxls, 6, 1, 1, 2);
  layout->setRowStretch(7, 1);

  connect(opbLohngruppeBearbeiten, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbLohngruppeBearbeiten_Click();
  });
  connect(opbNeueLohngruppe, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbNeueLohngruppe_Click();
  });
  connect(comLohn, &QComboBox::activated, this, [this](int) { comLohn_Click(); });
  connect(cmbSpeichern, &QPushButton::clicked, this, &frmEinstellungen::cmbSpeichern_Click);
  connect(cmbLoeschen, &QPushButton::clicked, this, &frmEinstellungen::cmbLoeschen_Click);
  connect(cmbLohnkalkulationxls, &QPushButton::clicked, this, &frmEinstellungen::cmbLohnkalkulationxls_Click);
}

void frmEinstellungen::SeiteEnergie(QWidget* seite) {
  auto* layout = new QVBoxLayout(seite);
  fraStrom = MakeGroup(seite, QStringLiteral("fraStrom"), QStringLiteral("Elektrische Energie"));
  auto* strom = new QHBoxLayout(fraStrom);
  txtKWH = MakeTextBox(fraStrom, QStringLiteral("txtKWH"));
  cmbStromOK = MakeButton(fraStrom, QStringLiteral("cmbStromOK"), QStringLiteral("Speichern"));
  strom->addWidget(txtKWH);
  strom->addWidget(MakeLabel(fraStrom, QStringLiteral("lblEnergie"), QStringLiteral("€/kW*h")));
  strom->addWidget(cmbStromOK);
  cmbWechsel = MakeButton(seite, QStringLiteral("cmbWechsel"), QStringLiteral("GWH-Materialverwaltung"));
  auto* oben = new QHBoxLayout;
  oben->addWidget(fraStrom);
  oben->addStretch();
  oben->addWidget(cmbWechsel, 0, Qt::AlignBottom);
  layout->addLayout(oben);
  fraHeizung = MakeGroup(seite, QStringLiteral("fraHeizung"), QStringLiteral("Brennstoff-Verwaltung"));
  fraEindeckung = MakeGroup(seite, QStringLiteral("fraEindeckung"), QStringLiteral("GWH-Materialverwaltung"));
  brennstoff = new settings::ui::BrennstoffEditor(fraHeizung);
  eindeckung = new settings::ui::EindeckungEditor(fraEindeckung);
  layout->addWidget(fraHeizung);
  layout->addWidget(fraEindeckung);
  fraEindeckung->setVisible(false);

  connect(cmbStromOK, &QPushButton::clicked, this, &frmEinstellungen::cmbStromOK_Click);
  connect(cmbWechsel, &QPushButton::clicked, this, &frmEinstellungen::cmbWechsel_Click);
}

void frmEinstellungen::SeiteFarben(QWidget* seite) {
  static const char* const kFarben[6] = {"Weiss", "Grau", "Schwarz", "Blau", "Rot", "Grün"};
  static const QColor kHintergrund[6] = {QColor(255, 255, 255), QColor(128, 128, 128), QColor(0, 0, 0),
                                         QColor(0, 0, 255),     QColor(255, 0, 0),     QColor(0, 192, 0)};
  auto* layout = new QGridLayout(seite);
  QGroupBox* frame2 = MakeGroup(seite, QStringLiteral("Frame2"), QStringLiteral("Farbeinstellung für Tolvar-Daten"));
  QGroupBox* frame1 = MakeGroup(seite, QStringLiteral("Frame1"), QStringLiteral("Farbeinstellung für Morvin-Daten"));
  auto* tolvar = new QVBoxLayout(frame2);
  auto* morvin = new QVBoxLayout(frame1);
  for (std::size_t i = 0; i < opbTolvar.size(); ++i) {
    const int index = static_cast<int>(i);
    const auto option = [&](QGroupBox* frame, const char* name) {
      auto* button = ui::MakeOptionButton(frame, ui::ControlName(QLatin1String(name), index), ui::Q(kFarben[i]));
      ui::SetBackground(button, kHintergrund[i]);
      // Readable captions on the dark colours.
      QPalette palette = button->palette();
      palette.setColor(QPalette::WindowText, (i == 1 || i == 2 || i == 3) ? Qt::white : Qt::black);
      button->setPalette(palette);
      return button;
    };
    opbTolvar[i] = option(frame2, "opbTolvar");
    opbMorvin[i] = option(frame1, "opbMorvin");
    tolvar->addWidget(opbTolvar[i]);
    morvin->addWidget(opbMorvin[i]);
  }
  cmbFarbeOK = MakeButton(seite, QStringLiteral("cmbFarbeOK"), QStringLiteral("Farbeinstellung speichern"));
  layout->addWidget(frame2, 0, 0);
  layout->addWidget(frame1, 0, 1);
  layout->addWidget(cmbFarbeOK, 1, 1, Qt::AlignRight);
  layout->setRowStretch(2, 1);
  connect(cmbFarbeOK, &QPushButton::clicked, this, &frmEinstellungen::cmbFarbeOK_Click);
}

void frmEinstellungen::SeiteGemeinkosten(QWidget* seite) {
  auto* layout = new QGridLayout(seite);
  txtGemeinkosten = MakeTextBox(seite, QStringLiteral("txtGemeinkosten"));
  txtJahr = MakeTextBox(seite, QStringLiteral("txtJahr"));
  txtBelegung = MakeTextBox(seite, QStringLiteral("txtBelegung"));
  Zeile(layout, 0, seite, QStringLiteral("Zu verteilenden Gemeinkosten"), txtGemeinkosten, QStringLiteral("€/ Jahr"));
  Zeile(layout, 1, seite, QStringLiteral("für das Jahr"), txtJahr);
  Zeile(layout, 2, seite, QStringLiteral("Auslastung der Nettofläche"), txtBelegung, QStringLiteral("%"));
  opbGemeinkosten[0] = new QRadioButton(QStringLiteral("Einheitliche Gemeinkostenverteilung"), seite);
  opbGemeinkosten[1] = new QRadioButton(QStringLiteral("Flächenspezifische Gemeinkostenverteilung"), seite);
  for (std::size_t i = 0; i < opbGemeinkosten.size(); ++i) {
    opbGemeinkosten[i]->setObjectName(ui::ControlName(QStringLiteral("opbGemeinkosten"), static_cast<int>(i)));
    layout->addWidget(opbGemeinkosten[i], 3 + static_cast<int>(i), 0, 1, 3);
  }
  opbGemeinkostenGruppe = new ui::OptionGroup(seite, QStringLiteral("opbGemeinkosten"));
  cmbGemeinkostenxls =
      MakeButton(seite, QStringLiteral("cmbGemeinkostenxls"), QStringLiteral("Gemeinkosten.xls starten"));
  cmbGemeikostenSpeichern = MakeButton(seite, QStringLiteral("cmbGemeikostenSpeichern"), QStringLiteral("Speichern"));
  layout->addWidget(cmbGemeinkostenxls, 0, 3);
  layout->addWidget(cmbGemeikostenSpeichern, 1, 3);

  const auto flaechenLabel = [this](QWidget* parent, int index, const QString& text) {
    lblFlaeche[static_cast<std::size_t>(index)] =
        MakeLabel(parent, ui::ControlName(QStringLiteral("lblFlaeche"), index), text);
    return lblFlaeche[static_cast<std::size_t>(index)];
  };
  const auto checkbox = [this](QWidget* parent, int index) {
    auto* box = ui::MakeCheckBox(parent, ui::ControlName(QStringLiteral("chbFlaeche"), index),
                                 QStringLiteral("Gesamtfläche = Summe aller aktuellen Standorte"));
    chbFlaeche[static_cast<std::size_t>(index)] = box;
    connect(box, &QCheckBox::clicked, this, [this, index] { chbFlaeche_Click(index); });
    return box;
  };

  fraFlaeche = MakeGroup(seite, QStringLiteral("fraFlaeche"), QString());
  auto* flaeche = new QGridLayout(fraFlaeche);
  txtFlaeche = MakeTextBox(fraFlaeche, QStringLiteral("txtFlaeche"));
  txtWege = MakeTextBox(fraFlaeche, QStringLiteral("txtWege"));
  txtBrutto = MakeTextBox(fraFlaeche, QStringLiteral("txtBrutto"));
  Line1 = new QFrame(fraFlaeche);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setFrameShape(QFrame::HLine);
  flaeche->addWidget(checkbox(fraFlaeche, 0), 0, 0, 1, 3);
  flaeche->addWidget(flaechenLabel(fraFlaeche, 4, QStringLiteral("Brutto-Gesamtfläche:")), 1, 0);
  flaeche->addWidget(txtBrutto, 1, 1);
  flaeche->addWidget(flaechenLabel(fraFlaeche, 5, QStringLiteral("m²")), 1, 2);
  flaeche->addWidget(flaechenLabel(fraFlaeche, 3, QStringLiteral("Wegeflächen:")), 2, 0);
  flaeche->addWidget(txtWege, 2, 1);
  flaeche->addWidget(flaechenLabel(fraFlaeche, 2, QStringLiteral("m²")), 2, 2);
  flaeche->addWidget(Line1, 3, 0, 1, 3);
  flaeche->addWidget(flaechenLabel(fraFlaeche, 0, QStringLiteral("Netto-Gesamtfläche:")), 4, 0);
  flaeche->addWidget(txtFlaeche, 4, 1);
  flaeche->addWidget(flaechenLabel(fraFlaeche, 1, QStringLiteral("m²")), 4, 2);
  flaeche->setRowStretch(5, 1);
  for (QWidget* teil : std::initializer_list<QWidget*>{Line1, lblFlaeche[2], lblFlaeche[3], lblFlaeche[4],
                                                       lblFlaeche[5], txtWege, txtBrutto}) {
    teil->setVisible(false);
  }

  fraFlaechenSpezifisch = MakeGroup(seite, QStringLiteral("fraFlaechenSpezifisch"), QString());
  auto* spezifisch = new QGridLayout(fraFlaechenSpezifisch);
  imlStandort = new ui::ImageList(this);
  imlStandort->setObjectName(QStringLiteral("imlStandort"));
  trvStandort = ui::MakeTree(fraFlaechenSpezifisch, QStringLiteral("trvStandort"), imlStandort);
  dtgStandort = ui::MakeGrid(fraFlaechenSpezifisch, QStringLiteral("dtgStandort"));
  dtgStandort->SetCols(3);
  // Columns 0 and 1 (1600 and 1700 twips) in view beside the vertical scroll bar and the
  // frame, and several rows.
  dtgStandort->setMinimumSize(
      sys::TwipsToPixels(1600 + 1700) + dtgStandort->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 6,
      sys::TwipsToPixels(2700));
  cmbFlaecheLoeschen =
      MakeButton(fraFlaechenSpezifisch, QStringLiteral("cmbFlaecheLoeschen"), QStringLiteral("Auswahl löschen"));
  txtAktuelleFlaeche = MakeTextBox(fraFlaechenSpezifisch, QStringLiteral("txtAktuelleFlaeche"));
  txtGemeinkostenFlache = MakeTextBox(fraFlaechenSpezifisch, QStringLiteral("txtGemeinkostenFlache"));
  txtGemeinkostenRest = MakeTextBox(fraFlaechenSpezifisch, QStringLiteral("txtGemeinkostenRest"));
  spezifisch->addWidget(trvStandort, 0, 0, 1, 2);
  spezifisch->addWidget(dtgStandort, 0, 2, 1, 2);
  spezifisch->addWidget(cmbFlaecheLoeschen, 1, 3);
  spezifisch->addWidget(checkbox(fraFlaechenSpezifisch, 1), 2, 0, 1, 2);
  spezifisch->addWidget(txtAktuelleFlaeche, 2, 2);
  spezifisch->addWidget(MakeLabel(fraFlaechenSpezifisch, QString(), QStringLiteral("Nm²")), 2, 3);
  spezifisch->addWidget(MakeLabel(fraFlaechenSpezifisch, QString(),
                                  QStringLiteral("Summe Gemeinkosten die flächenspezifisch verteilt werden:")),
                        3, 0, 1, 2);
  spezifisch->addWidget(txtGemeinkostenFlache, 3, 2);
  spezifisch->addWidget(MakeLabel(fraFlaechenSpezifisch, QString(), QStringLiteral("€")), 3, 3);
  spezifisch->addWidget(MakeLabel(fraFlaechenSpezifisch, QString(),
                                  QStringLiteral("Summe Gemeinkosten, die über die Gesamtfläche verteilt werden:")),
                        4, 0, 1, 2);
  spezifisch->addWidget(txtGemeinkostenRest, 4, 2);
  spezifisch->addWidget(MakeLabel(fraFlaechenSpezifisch, QString(), QStringLiteral("€")), 4, 3);
  layout->addWidget(fraFlaeche, 5, 0, 1, 4);
  layout->addWidget(fraFlaechenSpezifisch, 5, 0, 1, 4);
  // The two frames take turns in one place, which keeps the room of the larger one: the
  // window keeps its height whichever is shown.
  for (QWidget* rahmen : {static_cast<QWidget*>(fraFlaeche), static_cast<QWidget*>(fraFlaechenSpezifisch)}) {
    QSizePolicy politik = rahmen->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    rahmen->setSizePolicy(politik);
  }
  fraFlaechenSpezifisch->setVisible(false);

  connect(opbGemeinkostenGruppe, &ui::OptionGroup::Click, this, &frmEinstellungen::opbGemeinkosten_Click);
  connect(cmbGemeinkostenxls, &QPushButton::clicked, this, &frmEinstellungen::cmbGemeinkostenxls_Click);
  connect(cmbGemeikostenSpeichern, &QPushButton::clicked, this, &frmEinstellungen::cmbGemeikostenSpeichern_Click);
  connect(cmbFlaecheLoeschen, &QPushButton::clicked, this, &frmEinstellungen::cmbFlaecheLoeschen_Click);
  connect(trvStandort, &ui::KeyedTree::MouseDown, this, &frmEinstellungen::trvStandort_MouseDown);
  connect(trvStandort, &ui::KeyedTree::MouseMove, this, &frmEinstellungen::trvStandort_MouseMove);
  connect(trvStandort, &ui::KeyedTree::DragOver, this, &frmEinstellungen::trvStandort_DragOver);
  connect(trvStandort, &ui::KeyedTree::DragDrop, this, &frmEinstellungen::trvStandort_DragDrop);
  connect(dtgStandort, &ui::Grid::DragDrop, this, &frmEinstellungen::dtgStandort_DragDrop);
  connect(dtgStandort, &ui::Grid::DblClick, this, &frmEinstellungen::dtgStandort_DblClick);
  connect(dtgStandort, &ui::Grid::KeyPress, this, &frmEinstellungen::dtgStandort_KeyPress);
  // Focus changes of the grid and of the overheads box decide where the calculator's value goes.
  ui::WatchFocus(
      dtgStandort, [this] { dtgStandort_GotFocus(); }, [this] { dtgStandort_LostFocus(); });
  ui::WatchFocus(
      txtGemeinkosten, [this] { txtGemeinkosten_GotFocus(); }, [this] { txtGemeinkosten_LostFocus(); });
}

void frmEinstellungen::SeiteSachkosten(QWidget* seite) {
  auto* layout = new QVBoxLayout(seite);
  fraVermarktung = MakeGroup(seite, QStringLiteral("fraVermarktung"), QStringLiteral("Vermarktungskosten"));
  auto* vermarktung = new QGridLayout(fraVermarktung);
  opbVermarktung[0] = new QRadioButton(
      QStringLiteral("Verteilung der Vermarktungskosten über die Marktleistung bezogen auf den Gesamtumsatz des "
                     "Betriebes"),
      fraVermarktung);
  opbVermarktung[1] = new QRadioButton(
      QStringLiteral("Verteilung der Vermarktungskosten über einen pauschalen Prozentsatz der Marktleistung"),
      fraVermarktung);
  for (std::size_t i = 0; i < opbVermarktung.size(); ++i) {
    opbVermarktung[i]->setObjectName(ui::ControlName(QStringLiteral("opbVermarktung"), static_cast<int>(i)));
    vermarktung->addWidget(opbVermarktung[i], static_cast<int>(i), 0, 1, 2);
  }
  opbVermarktungGruppe = new ui::OptionGroup(fraVermarktung, QStringLiteral("opbVermarktung"));
  cmbReset = MakeButton(fraVermarktung, QStringLiteral("cmbReset"), QStringLiteral("Zurücksetzen"));
  vermarktung->addWidget(cmbReset, 0, 2);

  fraUmsatz = MakeGroup(fraVermarktung, QStringLiteral("fraUmsatz"), QString());
  auto* umsatz = new QGridLayout(fraUmsatz);
  txtUmsatz = MakeTextBox(fraUmsatz, QStringLiteral("txtUmsatz"));
  txtVermarktungskosten = MakeTextBox(fraUmsatz, QStringLiteral("txtVermarktungskosten"));
  cmbUmsatzOK = MakeButton(fraUmsatz, QStringLiteral("cmbUmsatzOK"), QStringLiteral("OK"));
  Zeile(umsatz, 0, fraUmsatz, QStringLiteral("Umsatz:"), txtUmsatz, QStringLiteral("€/ Jahr"));
  Zeile(umsatz, 1, fraUmsatz, QStringLiteral("Vermarktungskosten:"), txtVermarktungskosten, QStringLiteral("€/ Jahr"));
  umsatz->addWidget(cmbUmsatzOK, 1, 3);

  fraVermarktungsanteil = MakeGroup(fraVermarktung, QStringLiteral("fraVermarktungsanteil"), QString());
  auto* anteil = new QGridLayout(fraVermarktungsanteil);
  txtVermarktung = MakeTextBox(fraVermarktungsanteil, QStringLiteral("txtVermarktung"));
  cmbVermarktungskostenSpeichern =
      MakeButton(fraVermarktungsanteil, QStringLiteral("cmbVermarktungskostenSpeichern"), QStringLiteral("Speichern"));
  anteil->addWidget(
      MakeLabel(fraVermarktungsanteil, QString(), QStringLiteral("Vermarktungskosten je Euro Marktleistung")), 0, 0, 1,
      3);
  anteil->addWidget(txtVermarktung, 1, 0);
  anteil->addWidget(MakeLabel(fraVermarktungsanteil, QString(), QStringLiteral("% Marktleistung")), 1, 1);
  anteil->addWidget(cmbVermarktungskostenSpeichern, 1, 2);
  vermarktung->addWidget(fraUmsatz, 2, 0, 1, 3);
  vermarktung->addWidget(fraVermarktungsanteil, 2, 0, 1, 3);
  fraUmsatz->setVisible(false);
  layout->addWidget(fraVermarktung);

  arbeitMaterial = new settings::ui::ArbeitMaterialEditor(this, false);
  layout->addLayout(arbeitMaterial->layout);
  layout->addStretch();

  connect(opbVermarktungGruppe, &ui::OptionGroup::Click, this, &frmEinstellungen::opbVermarktung_Click);
  connect(cmbUmsatzOK, &QPushButton::clicked, this, &frmEinstellungen::cmbUmsatzOK_Click);
  connect(cmbVermarktungskostenSpeichern, &QPushButton::clicked, this,
          &frmEinstellungen::cmbVermarktungskostenSpeichern_Click);
  connect(cmbReset, &QPushButton::clicked, this, &frmEinstellungen::cmbReset_Click);
}

void frmEinstellungen::SeiteKulturvergleich(QWidget* seite) {
  auto* layout = new QVBoxLayout(seite);
  Frame3 = MakeGroup(seite, QStringLiteral("Frame3"), QStringLiteral("Ergebnisdatenbank"));
  auto* g = new QGridLayout(Frame3);
  g->addWidget(MakeLabel(Frame3, QStringLiteral("Label3"), QStringLiteral("Aktuelle Ergebnisdatenbank:")), 0, 0, 1, 2);
  txtErgebnisdatenbank = MakeTextBox(Frame3, QStringLiteral("txtErgebnisdatenbank"));
  cmbErgebnisdatenbank = MakeButton(Frame3, QStringLiteral("cmbErgebnisdatenbank"), QStringLiteral("Durchsuchen..."));
  g->addWidget(txtErgebnisdatenbank, 1, 0);
  g->addWidget(cmbErgebnisdatenbank, 1, 1);
  layout->addWidget(Frame3);
  layout->addStretch();
  connect(cmbErgebnisdatenbank, &QPushButton::clicked, this, &frmEinstellungen::cmbErgebnisdatenbank_Click);
}

}  // namespace tolvar
