#include "calculation/ui/frmVantelInfo.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "base/values.h"
#include "calculation/kalkulation.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/vergleichskultur.h"
#include "data/master_loaders.h"
#include "data/state.h"
#include "platform/ui/controls.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

constexpr int kTwips = 15;
constexpr int kZeilen = 160;
constexpr auto kArt = mdlkulturVergleich::Kostenart::Heizung;

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

frmVantelInfo::frmVantelInfo() : FormOf(QStringLiteral("frmVantelInfo"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Heizkosten"));
  resize(13365 / kTwips, 7230 / kTwips);
  cmbBeenden = Platz(new QPushButton(QStringLiteral("Beenden"), this), QStringLiteral("cmbBeenden"), 10440, 6720, 2775);
  connect(cmbBeenden, &QPushButton::clicked, this, &frmVantelInfo::cmbBeenden_Click);
  regHeizkosten = Platz(new ui::TabStrip(this), QStringLiteral("regHeizkosten"), 0, 0, 13335, 6615);
  regHeizkosten->AddTab(QStringLiteral("Datenherkunft"));
  regHeizkosten->AddTab(QStringLiteral("Heizkosten-Information"));
  QWidget* herkunft = regHeizkosten->Page(0);

  dtgVantel = Platz(new ui::Grid(regHeizkosten->Page(1)), QStringLiteral("dtgVantel"), 360, 600, 12900, 5535);
  dtgVantel->SetCols(8);
  dtgVantel->SetRows(kZeilen);
  dtgVantel->SetFixedRows(1);
  dtgVantel->SetFixedCols(0);

  fraVantel = Platz(new QFrame(herkunft), QStringLiteral("fraVantel"), 240, 720, 12735, 2535);
  lblVantel[0] = Etikett(fraVantel, "lblVantel(0)", QStringLiteral("Vantel-Materialdatenbank:"), 120, 480);
  txtMaterialPfad = Platz(new QLineEdit(fraVantel), QStringLiteral("txtMaterialPfad"), 3120, 360, 9015);
  lblVantel[1] = Etikett(fraVantel, "lblVantel(1)", QStringLiteral("Vantel-Wetterdatenbank:"), 120, 1200);
  txtWetterdatenbank = Platz(new QLineEdit(fraVantel), QStringLiteral("txtWetterdatenbank"), 3120, 1080, 9015);
  lblVantel[2] = Etikett(fraVantel, "lblVantel(2)", QStringLiteral("Wetterstation:"), 120, 1920);
  txtWetterstation = Platz(new QLineEdit(fraVantel), QStringLiteral("txtWetterstation"), 3120, 1800, 2655);
  fraVantel->hide();

  fraVergleich = Platz(new QFrame(herkunft), QStringLiteral("fraVergleich"), 120, 360, 12735, 3975);
  lblHerkunft[1] = Etikett(fraVergleich, "lblHerkunft(1)", QStringLiteral("Ergebnisdatenbank:"), 120, 600);
  txtErgebnisdatenbank = Platz(new QLineEdit(fraVergleich), QStringLiteral("txtErgebnisdatenbank"), 2040, 480, 10095);
  lblHerkunft[0] = Etikett(fraVergleich, "lblHerkunft(0)", QStringLiteral("Vergleichskultur:"), 120, 2040);
  comVergleichskulturen =
      Platz(new QComboBox(fraVergleich), QStringLiteral("comVergleichskulturen"), 2160, 1920, 2895);
  comVergleichskulturen->setEditable(true);
  comVergleichskulturen->setInsertPolicy(QComboBox::NoInsert);
  connect(comVergleichskulturen, &QComboBox::currentIndexChanged, this, &frmVantelInfo::comVergleichskulturen_Click);
  lblHerkunft[3] = Etikett(fraVergleich, "lblHerkunft(3)", QStringLiteral("Heizkosten:"), 5520, 2040);
  txtKostenVergleichskultur =
      Platz(new QLineEdit(fraVergleich), QStringLiteral("txtKostenVergleichskultur"), 6840, 1920, 1455);
  lblHerkunft[4] = Etikett(fraVergleich, "lblHerkunft(4)", QStringLiteral("€/ 1000 Stk"), 8400, 2040);
  lblHerkunft[2] = Etikett(fraVergleich, "lblHerkunft(2)", QStringLiteral("Datenqualität:"), 9840, 2040);
  txtQualitaet = Platz(new QLineEdit(fraVergleich), QStringLiteral("txtQualität"), 11400, 1920, 735, 495);
  QFont gross = txtQualitaet->font();
  gross.setPointSizeF(18);
  gross.setBold(true);
  txtQualitaet->setFont(gross);
  cmbOk = Platz(new QPushButton(QStringLiteral("Heizkosten übernehmen"), fraVergleich), QStringLiteral("cmbOk"), 7200,
                3240, 4935);
  connect(cmbOk, &QPushButton::clicked, this, &frmVantelInfo::cmbOk_Click);
  fraVergleich->hide();
}

void frmVantelInfo::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  const EinstellungenSatz& e = state().AktuelleEinstellungen;
  fraVantel->show();
  txtWetterdatenbank->setText(Q(e.KlimaPfad));
  txtWetterstation->setText(Q(e.Wetterstation));
  txtMaterialPfad->setText(Q(e.VantelPfad));
  mdlDatenLaden::StandorteLaden();
  TabelleFuellen();
  regHeizkosten->SetTab(1);
}

void frmVantelInfo::TabelleFuellen() {
  tolvar::State& s = state();
  ui::Grid& g = *dtgVantel;
  struct Spalte {
    const char* kopf;
    int breite;
    int ausrichtung;
    bool fett;
  };
  const Spalte spalten[] = {
      {"Standort", 1500, ui::kAlignLeftCenter, true},
      {"GWH-Fläche in Bm²", 1500, ui::kAlignCenterCenter, false},
      {"Dauer in Tagen", 1500, ui::kAlignCenterCenter, false},
      {"Kulturphase", 2000, ui::kAlignLeftCenter, true},
      {"Pfl/Nm²", 1000, ui::kAlignCenterCenter, false},
      {"Brennstoffbedarf in l(m³/t)", 2000, ui::kAlignCenterCenter, false},
      {"Kosten in €/Bm²", 1500, ui::kAlignCenterCenter, false},
      {"€/1000Pfl.", 1500, ui::kAlignCenterCenter, true},
  };
  for (int c = 0; c < 8; ++c) {
    g.SetColWidth(c, spalten[c].breite);
    g.SetColAlignment(c, spalten[c].ausrichtung);
    g.SetTextMatrix(0, c, QString::fromUtf8(spalten[c].kopf));
    g.SetCellAlignment(0, c, spalten[c].ausrichtung);
    g.SetCellFontBold(0, c, spalten[c].fett);
  }

  const int anzahlBelegungen = std::min(s.AnzahlKulturStandorte, static_cast<int>(s.KulturStandortListe.size()));
  int zeile = 0;
  for (int o = 0; o < anzahlBelegungen; ++o) {
    const KulturStandortSatz& b = s.KulturStandortListe[o];
    if (b.StandortName == "0") break;
    // The phase in which the occupancy begins (the later one when two phases meet that day).
    const PhasenSatz* phase = nullptr;
    for (int p = 1; p <= s.AnzahlPhasen && p < static_cast<int>(s.PhasenListe.size()); ++p) {
      const PhasenSatz& kandidat = s.PhasenListe[p];
      if (kandidat.Anfang <= b.Beginn && kandidat.Ende >= b.Beginn) {
        phase = &kandidat;
        s.PhasenIndex = p;
      }
    }
    const StandortSatz* standort = nullptr;
    for (int i = 0; i < static_cast<int>(s.StandortListe.size()) && i <= s.AnzahlStandorte; ++i) {
      if (s.StandortListe[i].StandortNr == b.StandortNr) {
        standort = &s.StandortListe[i];
        break;
      }
    }
    ++zeile;
    if (zeile >= g.Rows() - 1) g.SetRows(zeile + 2);
    // A missing phase or site leaves its cells empty rather than repeating the previous row's.
    std::optional<double> dichte;
    if (phase) {
      const auto pflanzen = base::ParseNumber(phase->AnzahlPflanzen);
      const auto flaeche = base::ParseNumber(phase->Flaeche);
      if (pflanzen && flaeche && *flaeche != 0 && *pflanzen != 0) dichte = *pflanzen / *flaeche;
    }
    // An occupancy the heating run could not compute has no figures to show.
    const bool ergebnis = !b.HeizdatenFehlen;
    std::optional<double> je1000;
    const auto wege = base::ParseNumber(b.Wege);
    if (ergebnis && dichte && wege) je1000 = b.HeizkostenJeQm / *dichte * (*wege / 100.0 + 1.0) * 1000.0;

    g.SetTextMatrix(zeile, 0, Q(b.StandortName));
    g.SetTextMatrix(zeile, 1, standort ? Zahltext(base::ParseNumber(standort->Flaeche), "0") : QString());
    g.SetTextMatrix(zeile, 2, ergebnis ? Zahltext(b.Heiztage, "0") : QString());
    g.SetTextMatrix(zeile, 3, phase ? Q(phase->Phasennamen) : QString());
    g.SetTextMatrix(zeile, 4, Zahltext(dichte, "0.0"));
    g.SetTextMatrix(zeile, 5, ergebnis ? Zahltext(b.BrennstoffJeQm, "0.00") : QString());
    g.SetTextMatrix(zeile, 6, ergebnis ? Zahltext(b.HeizkostenJeQm, "0.00") : QString());
    g.SetTextMatrix(zeile, 7, Zahltext(je1000, "0.00"));
    for (int c : {0, 3, 7}) g.SetCellFontBold(zeile, c, true);
  }
  if (zeile > 1) g.Sort(4, 1, zeile, ui::GridSort::GenericDescending);

  const int summe = zeile + 1;
  g.SetTextMatrix(summe, 6, QStringLiteral("Summe"));
  g.SetTextMatrix(summe, 7, frmKalkulation::IsLoaded() ? frmKalkulation::instanz().txtHeizung->text() : QString());
  g.SetCellFontBold(summe, 6, true);
  g.SetCellFontBold(summe, 7, true);
}

void frmVantelInfo::VergleichAnzeigen() {
  fraVergleich->show();
  fraVantel->hide();
  txtErgebnisdatenbank->setText(Q(state().AktuelleEinstellungen.Ergebnisdatenbank));
  regHeizkosten->SetTabEnabled(1, false);
  const mdlkulturVergleich::VergleichskulturAnzeige anzeige = mdlkulturVergleich::VergleichskulturenLaden("frmVantelInfo");
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
  regHeizkosten->SetTab(0);
}

namespace {
// The chosen list position; -1 when the text part holds typed text instead of an entry.
int Listenindex(const QComboBox* liste) {
  const int index = liste->currentIndex();
  if (index < 0 || liste->currentText() != liste->itemText(index)) return -1;
  return index;
}
}  // namespace

void frmVantelInfo::comVergleichskulturen_Click() {
  const auto wert = mdlkulturVergleich::VergleichskulturZeigen(kArt, Listenindex(comVergleichskulturen));
  if (!wert) return;
  txtKostenVergleichskultur->setText(Q(wert->Kosten));
  if (wert->Qualitaet) txtQualitaet->setText(Q(*wert->Qualitaet));
}

void frmVantelInfo::cmbOk_Click() {
  tolvar::State& s = state();
  const int index = Listenindex(comVergleichskulturen);
  // Typed text names no stored culture: nothing to take over.
  if (index < 0 || index >= static_cast<int>(s.VergleichskulturListe.size())) return;
  const std::string grad = mdlkulturVergleich::Datenqualitaet(s.VergleichskulturListe[index], kArt);
  frmKalkulation& kalkulation = frmKalkulation::instanz();
  kalkulation.txtHeizung->setText(txtKostenVergleichskultur->text());
  s.HerkunftHeizung = mdlKalkulation::HerkunftNachUebernahme(grad, s.HerkunftHeizung);
  kalkulation.Kalkulieren();
  kalkulation.BeschriftungSetzen();
  Unload();
}

void frmVantelInfo::cmbBeenden_Click() { Unload(); }

void frmVantelInfo::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
