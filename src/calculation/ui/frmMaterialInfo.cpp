#include "calculation/ui/frmMaterialInfo.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "base/values.h"
#include "calculation/kalkulation.h"
#include "calculation/material_kosten.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/vergleichskultur.h"
#include "culture/material_rows.h"
#include "culture/phases.h"
#include "data/master_loaders.h"
#include "data/state.h"
#include "platform/ui/controls.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

constexpr int kTwips = 15;
constexpr int kZeilen = 160;
constexpr auto kArt = mdlkulturVergleich::Kostenart::Material;

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <class W>
W* Platz(W* w, const QString& name, int left, int top, int width, int height = 375) {
  w->setObjectName(name);
  w->setGeometry(left / kTwips, top / kTwips, width / kTwips, height / kTwips);
  return w;
}

QLabel* Etikett(QWidget* parent, const QString& name, const QString& text, int left, int top) {
  return Platz(new QLabel(text, parent), name, left, top, 3000, 285);
}

// A number in a fixed format; empty when there is no number to show.
QString Zahltext(std::optional<double> wert, std::string_view muster) {
  return wert ? Q(base::Format(*wert, muster)) : QString();
}

}  // namespace

frmMaterialInfo::frmMaterialInfo() : FormOf(QStringLiteral("frmMaterialInfo"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Materialkosten-Info"));
  resize(13350 / kTwips, 7215 / kTwips);
  cmbBeenden = Platz(new QPushButton(QStringLiteral("Beenden"), this), QStringLiteral("cmbBeenden"), 10440, 6720, 2775);
  connect(cmbBeenden, &QPushButton::clicked, this, &frmMaterialInfo::cmbBeenden_Click);
  regMaterialkosten = Platz(new ui::TabStrip(this), QStringLiteral("regMaterialkosten"), 0, 0, 13335, 6615);
  regMaterialkosten->AddTab(QStringLiteral("Datenherkunft"));
  regMaterialkosten->AddTab(QStringLiteral("Materialkosten-Information"));
  QWidget* herkunft = regMaterialkosten->Page(0);

  dtgMaterial = Platz(new ui::Grid(regMaterialkosten->Page(1)), QStringLiteral("dtgMaterial"), 360, 600, 12300, 5535);
  dtgMaterial->SetCols(7);
  dtgMaterial->SetRows(kZeilen);
  dtgMaterial->SetFixedRows(1);
  dtgMaterial->SetFixedCols(0);

  fraMaterial = Platz(new QFrame(herkunft), QStringLiteral("fraMaterial"), 240, 840, 12735, 2535);
  lblVantel[0] = Etikett(fraMaterial, "lblVantel(0)", QStringLiteral("Materialdatenbank:"), 120, 480);
  txtMaterialPfad = Platz(new QLineEdit(fraMaterial), QStringLiteral("txtMaterialPfad"), 3120, 360, 9015);
  fraMaterial->hide();

  fraVergleich = Platz(new QFrame(herkunft), QStringLiteral("fraVergleich"), 120, 840, 12735, 3975);
  lblHerkunft[1] = Etikett(fraVergleich, "lblHerkunft(1)", QStringLiteral("Ergebnisdatenbank:"), 120, 720);
  txtErgebnisdatenbank = Platz(new QLineEdit(fraVergleich), QStringLiteral("txtErgebnisdatenbank"), 2040, 600, 10095);
  lblHerkunft[0] = Etikett(fraVergleich, "lblHerkunft(0)", QStringLiteral("Vergleichskultur:"), 120, 2040);
  comVergleichskulturen =
      Platz(new QComboBox(fraVergleich), QStringLiteral("comVergleichskulturen"), 2160, 1920, 2655);
  comVergleichskulturen->setEditable(true);
  comVergleichskulturen->setInsertPolicy(QComboBox::NoInsert);
  connect(comVergleichskulturen, &QComboBox::currentIndexChanged, this, &frmMaterialInfo::comVergleichskulturen_Click);
  lblHerkunft[3] = Etikett(fraVergleich, "lblHerkunft(3)", QStringLiteral("Materialkosten:"), 5160, 2040);
  txtKostenVergleichskultur =
      Platz(new QLineEdit(fraVergleich), QStringLiteral("txtKostenVergleichskultur"), 6600, 1920, 1215);
  lblHerkunft[4] = Etikett(fraVergleich, "lblHerkunft(4)", QStringLiteral("€/  1000 Stk"), 7920, 2040);
  lblHerkunft[2] = Etikett(fraVergleich, "lblHerkunft(2)", QStringLiteral("Datenqualität:"), 9960, 2040);
  txtQualitaet = Platz(new QLineEdit(fraVergleich), QStringLiteral("txtQualität"), 11400, 1920, 735, 495);
  QFont gross = txtQualitaet->font();
  gross.setPointSizeF(18);
  gross.setBold(true);
  txtQualitaet->setFont(gross);
  cmbOk = Platz(new QPushButton(QStringLiteral("Materialkosten übernehmen"), fraVergleich), QStringLiteral("cmbOk"), 7200,
                3240, 4935);
  connect(cmbOk, &QPushButton::clicked, this, &frmMaterialInfo::cmbOk_Click);
  fraVergleich->hide();
}

void frmMaterialInfo::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  fraMaterial->show();
  txtMaterialPfad->setText(Q(state().AktuelleEinstellungen.MaterialPfad));
  // The loaders read KulturIndex, which a tree rebuild may have moved off the chosen culture.
  if (frmKalkulation::IsLoaded()) frmKalkulation::instanz().KulturZurueckholen();
  mdlKulturPhasenInfo::KulturPhasenLaden();
  mdlDatenLaden::MaterialienLaden();
  mdlKulturMaterial::KulturMaterialLaden();
  mdlBerrechnung::MaterialkostenJePflanzeBerechnen();
  TabelleFuellen();
  regMaterialkosten->SetTab(1);
}

void frmMaterialInfo::TabelleFuellen() {
  tolvar::State& s = state();
  ui::Grid& g = *dtgMaterial;
  struct Spalte {
    const char* kopf;
    int breite;
    bool fett;
  };
  const Spalte spalten[] = {
      {"Material", 2000, true},         {"Einheiten", 1500, false},     {"Preis in €/Einheit", 2000, false},
      {"Datum", 1500, false},           {"Kulturphase", 2000, true},    {"Anzahl Pflanzen", 1500, false},
      {"€/1000Pfl.", 1500, true},
  };
  for (int c = 0; c < 7; ++c) {
    const int ausrichtung = c == 0 ? ui::kAlignLeftCenter : ui::kAlignCenterCenter;
    g.SetColWidth(c, spalten[c].breite);
    g.SetColAlignment(c, ausrichtung);
    g.SetTextMatrix(0, c, QString::fromUtf8(spalten[c].kopf));
    g.SetCellAlignment(0, c, ausrichtung);
    g.SetCellFontBold(0, c, spalten[c].fett);
  }

  const int anzahlZeilen = std::min(s.AnzahlKulturMaterialien, static_cast<int>(s.KulturMaterialListe.size()));
  int zeile = 0;
  for (int m = 0; m < anzahlZeilen; ++m) {
    const KulturMaterialSatz& r = s.KulturMaterialListe[m];
    // The phase holding the row's day (the earlier one when two phases meet that day).
    const PhasenSatz* phase = nullptr;
    const base::Date tag = base::DateOnly(r.Datum);
    for (int p = 1; p <= s.AnzahlPhasen && p < static_cast<int>(s.PhasenListe.size()); ++p) {
      const PhasenSatz& kandidat = s.PhasenListe[p];
      if (base::DateOnly(kandidat.Anfang) <= tag && base::DateOnly(kandidat.Ende) >= tag) {
        phase = &kandidat;
        s.PhasenIndex = p;
        break;
      }
    }
    const MaterialSatz* material = nullptr;
    for (int k = 0; k < static_cast<int>(s.MaterialListe.size()) && k <= s.AnzahlMaterialien; ++k) {
      if (s.MaterialListe[k].MaterialNr == r.MaNr) {
        material = &s.MaterialListe[k];
        break;
      }
    }
    if (material && material->UeberPNr == mdlBerrechnung::kMaschinengruppe) continue;  // machines have their own line

    ++zeile;
    if (zeile >= g.Rows() - 1) g.SetRows(zeile + 2);
    // A missing phase or material leaves its cells empty rather than repeating the previous row's.
    const std::optional<double> preis = material ? base::ParseNumber(material->Preis) : std::nullopt;
    std::optional<double> je1000;
    const auto menge = base::ParseNumber(r.Menge);
    const auto pflanzen = phase ? base::ParseNumber(phase->AnzahlPflanzen) : std::nullopt;
    if (menge && preis && pflanzen && *pflanzen != 0) je1000 = *menge * *preis / *pflanzen * 1000.0;

    g.SetTextMatrix(zeile, 0, Q(r.Materialname));
    g.SetTextMatrix(zeile, 1, Q(r.Menge));
    g.SetTextMatrix(zeile, 2, Zahltext(preis, "0.00"));
    g.SetTextMatrix(zeile, 3, Q(base::DateText(r.Datum)));
    g.SetTextMatrix(zeile, 4, phase ? Q(phase->Phasennamen) : QString());
    g.SetTextMatrix(zeile, 5, phase ? Q(phase->AnzahlPflanzen) : QString());
    g.SetTextMatrix(zeile, 6, Zahltext(je1000, "0.00"));
    for (int c : {0, 4, 6}) g.SetCellFontBold(zeile, c, true);
  }
  if (zeile > 1) g.Sort(5, 1, zeile, ui::GridSort::GenericDescending);

  const int summe = zeile + 1;
  g.SetTextMatrix(summe, 5, QStringLiteral("Summe"));
  g.SetTextMatrix(summe, 6, frmKalkulation::IsLoaded() ? frmKalkulation::instanz().txtMaterial->text() : QString());
  g.SetCellFontBold(summe, 5, true);
  g.SetCellFontBold(summe, 6, true);
}

void frmMaterialInfo::VergleichAnzeigen() {
  fraVergleich->show();
  fraMaterial->hide();
  txtErgebnisdatenbank->setText(Q(state().AktuelleEinstellungen.Ergebnisdatenbank));
  regMaterialkosten->SetTabEnabled(1, false);
  const mdlkulturVergleich::VergleichskulturAnzeige anzeige = mdlkulturVergleich::VergleichskulturenLaden("frmMaterialInfo");
  txtErgebnisdatenbank->setText(Q(anzeige.txtErgebnisdatenbank));
  {
    const QSignalBlocker stumm(comVergleichskulturen);
    comVergleichskulturen->clear();
    for (const std::string& eintrag : anzeige.Eintraege) comVergleichskulturen->addItem(Q(eintrag));
    comVergleichskulturen->setCurrentIndex(-1);
  }
  if (anzeige.KostenSetzen) {
    txtKostenVergleichskultur->setText(Q(anzeige.txtKostenVergleichskultur));
    if (anzeige.txtQualitaet) txtQualitaet->setText(Q(*anzeige.txtQualitaet));
  }
  comVergleichskulturen->setCurrentIndex(anzeige.ListIndex);
  regMaterialkosten->SetTab(0);
}

namespace {
// The chosen list position; -1 when the text part holds typed text instead of an entry.
int Listenindex(const QComboBox* liste) {
  const int index = liste->currentIndex();
  if (index < 0 || liste->currentText() != liste->itemText(index)) return -1;
  return index;
}
}  // namespace

void frmMaterialInfo::comVergleichskulturen_Click() {
  const auto wert = mdlkulturVergleich::VergleichskulturZeigen(kArt, Listenindex(comVergleichskulturen));
  if (!wert) return;
  txtKostenVergleichskultur->setText(Q(wert->Kosten));
  if (wert->Qualitaet) txtQualitaet->setText(Q(*wert->Qualitaet));
}

void frmMaterialInfo::cmbOk_Click() {
  tolvar::State& s = state();
  const int index = Listenindex(comVergleichskulturen);
  // Typed text names no stored culture: nothing to take over.
  if (index < 0 || index >= static_cast<int>(s.VergleichskulturListe.size())) return;
  const std::string grad = mdlkulturVergleich::Datenqualitaet(s.VergleichskulturListe[index], kArt);
  frmKalkulation& kalkulation = frmKalkulation::instanz();
  kalkulation.txtMaterial->setText(txtKostenVergleichskultur->text());
  s.HerkunftMaterial = mdlKalkulation::HerkunftNachUebernahme(grad, s.HerkunftMaterial);
  kalkulation.Kalkulieren();
  kalkulation.BeschriftungSetzen();
  Unload();
}

void frmMaterialInfo::cmbBeenden_Click() { Unload(); }

void frmMaterialInfo::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
