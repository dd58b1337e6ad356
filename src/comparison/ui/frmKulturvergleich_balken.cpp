// The comparison window's gauges, quality marks, margin units and information buttons.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "comparison/ui/frmKulturvergleich.h"
#include "comparison/ui/frmSachkostenInfo.h"
#include "comparison/ui/frmTQM.h"
#include "comparison/ui/frmVergleichInfo.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"

namespace tolvar {

using ui::Q;
using Anzeige = frmKulturvergleich::Anzeige;

namespace {

using Wert = const std::string& (*)(const VergleichsspalteSatz&);
template <std::string VergleichsspalteSatz::*slot>
const std::string& Feld(const VergleichsspalteSatz& s) {
  return s.*slot;
}
template <Kostenart art>
const std::string& KostenVon(const VergleichsspalteSatz& s) {
  return s.Kosten[KostenIndex(art)];
}

struct Balkendaten {
  Anzeige anzeige;
  const char* name;
  int top;
  Wert wert;  // nullptr: the margin boxes
};
const Balkendaten kBalken[] = {
    {.anzeige = Anzeige::Preis, .name = "shpPreis", .top = 2280, .wert = &Feld<&VergleichsspalteSatz::Preis>},
    {.anzeige = Anzeige::Heizkosten, .name = "shpHeizkosten", .top = 3120, .wert = &KostenVon<Kostenart::Heizung>},
    {.anzeige = Anzeige::Materialkosten,
     .name = "shpMaterialkosten",
     .top = 3600,
     .wert = &KostenVon<Kostenart::Material>},
    {.anzeige = Anzeige::Sachkosten,
     .name = "shpSachkosten",
     .top = 4080,
     .wert = &Feld<&VergleichsspalteSatz::Sachkosten>},
    {.anzeige = Anzeige::DKFL, .name = "shpDKFL", .top = 5040, .wert = nullptr},
    {.anzeige = Anzeige::Arbeitskosten, .name = "shpArbeitskosten", .top = 6000, .wert = &KostenVon<Kostenart::Arbeit>},
    {.anzeige = Anzeige::EKFL, .name = "shpEKFL", .top = 6960, .wert = nullptr},
    {.anzeige = Anzeige::Gemeinkosten,
     .name = "shpGemeinkosten",
     .top = 7920,
     .wert = &KostenVon<Kostenart::Gemeinkosten>},
    {.anzeige = Anzeige::Gewinn, .name = "shpGewinn", .top = 8640, .wert = &Feld<&VergleichsspalteSatz::Gewinn1000>},
};

struct Segment {
  int left;
  const char* farbe;
};
constexpr Segment kSegment[comparison::kSegmente + 1] = {
    {0, ""},
    {600, "rgb(0, 0, 255)"},
    {735, "rgb(0, 0, 255)"},
    {885, "rgb(128, 128, 255)"},
    {1035, "rgb(128, 128, 255)"},
    {1185, "rgb(255, 255, 0)"},
    {1320, "rgb(255, 255, 0)"},
    {1455, "rgb(255, 255, 0)"},
    {1605, "rgb(255, 192, 128)"},
    {1740, "rgb(255, 192, 128)"},
    {1875, "rgb(255, 0, 0)"},
    {2015, "rgb(255, 0, 0)"},
};

void Zeichen(QLabel* label, const std::string& grad) {
  if (const auto text = comparison::Qualitaetszeichen(grad)) label->setText(Q(*text));
}

// A stored text that is no number is shown empty, never as a figure.
QString Formatiert(const std::string& slot) { return Q(comparison::Formatiert(slot, "0.00").value_or("")); }

}  // namespace

void frmKulturvergleich::BalkenAufbauen() {
  for (const Balkendaten& b : kBalken) {
    QFrame* rahmen =
        ui::MakeFrame(this, QString::fromLatin1(b.name).replace(0, 3, QStringLiteral("fra")), 6360, b.top, 2535, 495);
    Segmente& segmente = shp[b.anzeige];
    segmente[0] = nullptr;
    for (int k = 1; k <= comparison::kSegmente; ++k) {
      auto* s = new QWidget(rahmen);
      s->setObjectName(ui::ControlName(QString::fromLatin1(b.name), k));
      const int left = (b.anzeige == Anzeige::DKFL && k == 2) ? 720 : kSegment[k].left;
      s->setGeometry(sys::TwipsToPixels(left), sys::TwipsToPixels(120), 7, sys::TwipsToPixels(375));
      s->setAttribute(Qt::WA_StyledBackground);
      s->setStyleSheet(QStringLiteral("background-color: %1;").arg(QString::fromLatin1(kSegment[k].farbe)));
      segmente[static_cast<std::size_t>(k)] = s;
    }
  }
  lblProzent[0] = ui::MakeLabel(this, QStringLiteral("lblProzent(0)"), QStringLiteral("Abweichung in Prozent"), 6840,
                                1320, 1455, 495);
  QFont fett = lblProzent[0]->font();
  fett.setBold(true);
  fett.setPointSizeF(9.75);
  lblProzent[0]->setFont(fett);
  lblProzent[0]->setWordWrap(true);
  lblProzent[1] = ui::MakeLabel(this, QStringLiteral("lblProzent(1)"), QStringLiteral("-10%"), 6600, 2040, 600, 240);
  lblProzent[3] = ui::MakeLabel(this, QStringLiteral("lblProzent(3)"), QStringLiteral("0%"), 7560, 2040, 600, 240);
  lblProzent[2] = ui::MakeLabel(this, QStringLiteral("lblProzent(2)"), QStringLiteral("+10%"), 8280, 2040, 600, 240);
}

comparison::Balken frmKulturvergleich::Sichtbar(Anzeige anzeige) const {
  comparison::Balken b{};
  const auto it = shp.find(anzeige);
  if (it == shp.end()) return b;
  for (int k = 1; k <= comparison::kSegmente; ++k) {
    b[static_cast<std::size_t>(k)] = !it->second[static_cast<std::size_t>(k)]->isHidden();
  }
  return b;
}

void frmKulturvergleich::Zeigen(Anzeige anzeige, const comparison::Balken& balken) {
  Segmente& segmente = shp[anzeige];
  for (int k = 1; k <= comparison::kSegmente; ++k) {
    segmente[static_cast<std::size_t>(k)]->setVisible(balken[static_cast<std::size_t>(k)]);
  }
}

void frmKulturvergleich::DatenQualitaetAnzeigen() {
  const auto& paar = state().comparison.VergleichsspalteListe;
  for (std::size_t i = 0; i < 2; ++i) {
    const auto grad = [&](Kostenart art) -> const std::string& { return paar[i].Grade[KostenIndex(art)]; };
    Zeichen(DQArbeit[i], grad(Kostenart::Arbeit));
    Zeichen(DQGemein[i], grad(Kostenart::Gemeinkosten));
    Zeichen(DQHeizung[i], grad(Kostenart::Heizung));
    Zeichen(DQMaterial[i], grad(Kostenart::Material));
  }
}

void frmKulturvergleich::BalkenZuruecksetzen() {
  comparison::Balken mitte{};
  mitte[comparison::kMitte] = true;
  for (const Balkendaten& b : kBalken) {
    if (b.wert != nullptr) Zeigen(b.anzeige, mitte);
  }
}

void frmKulturvergleich::AbweichungenAnzeigen() {
  const auto& paar = state().comparison.VergleichsspalteListe;
  for (const Balkendaten& b : kBalken) {
    if (b.wert == nullptr) continue;
    Zeigen(b.anzeige, comparison::WertBalken(b.wert(paar[0]), b.wert(paar[1]), b.anzeige == Anzeige::Gewinn));
  }
}

void frmKulturvergleich::MargenBalkenAnzeigen(Anzeige anzeige, const Paar<QLineEdit>& boxen) {
  Zeigen(anzeige, comparison::MargenBalken(ui::S(boxen[0]), ui::S(boxen[1])));
}

void frmKulturvergleich::DKFLBalkenAnzeigen() { MargenBalkenAnzeigen(Anzeige::DKFL, txtDKFL); }
void frmKulturvergleich::EKFLBalkenAnzeigen() { MargenBalkenAnzeigen(Anzeige::EKFL, txtEKFL); }

// A unit that cannot be formed switches the margin to per 1000 plants, whose handler then
// fills both boxes and draws the gauge.
void frmKulturvergleich::EinheitGewaehlt(comparison::Marge marge) {
  const bool dkfl = marge == comparison::Marge::DKFL;
  if (!MargeUmrechnen(marge)) {
    (dkfl ? opbDKFL : opbEKFL)->SetValue(0, true);
    return;
  }
  dkfl ? DKFLBalkenAnzeigen() : EKFLBalkenAnzeigen();
}

void frmKulturvergleich::opbDKFL_Click(int /*index*/) { EinheitGewaehlt(comparison::Marge::DKFL); }
void frmKulturvergleich::opbEKFL_Click(int /*index*/) { EinheitGewaehlt(comparison::Marge::EKFL); }

void frmKulturvergleich::cmbKulturInfo_Click(int index) {
  const VergleichsspalteSatz* spalte = At(state().comparison.VergleichsspalteListe, index);
  if (spalte == nullptr) return;
  const VergleichsspalteSatz& s = *spalte;
  frmVergleichInfo& info = frmVergleichInfo::instanz();
  info.setCaption(QStringLiteral("KulturInfo - ") + Q(s.Kultur));
  info.txtBemerkung->setPlainText(Q(s.Bemerkungen));
  // Both boxes follow the column shown, so they never contradict each other.
  info.chbImport->setChecked(s.Import != 0);
  info.chbBetrieb->setChecked(s.Import == 0);
  info.MoveFrameTo(QPoint(sys::TwipsToPixels(index == 0 ? 500 : 9000), sys::TwipsToPixels(3000)));
  info.Show();
  info.cmbBeenden->setFocus();
}

void frmKulturvergleich::cmbSachkostenInfo_Click(int index) {
  const VergleichsspalteSatz* spalte = At(state().comparison.VergleichsspalteListe, index);
  if (spalte == nullptr) return;
  const VergleichsspalteSatz& s = *spalte;
  frmSachkostenInfo& info = frmSachkostenInfo::instanz();
  info.MoveFrameTo(QPoint(sys::TwipsToPixels(index == 0 ? 500 : 9000), sys::TwipsToPixels(3000)));
  const auto zeigen = [&](Kostenart art, QLineEdit* wert, QLabel* grad) {
    wert->setText(Formatiert(s.Kosten[KostenIndex(art)]));
    Zeichen(grad, s.Grade[KostenIndex(art)]);
  };
  zeigen(Kostenart::Maschinen, info.txtMaschinen, info.DQMaschinen);
  zeigen(Kostenart::Energie, info.txtStrom, info.DQStrom);
  zeigen(Kostenart::PSM, info.txtArbeitMaterial, info.DQArbeitMaterial);
  zeigen(Kostenart::Vermarktung, info.txtVermarktung, info.DQVermarktung);
  info.Show();
  info.cmbBeenden->setFocus();
}

void frmKulturvergleich::cmbTQM_Click(int index) {
  if (index < 0 || index > 3) return;
  const std::size_t spalte = index < 2 ? 0 : 1;
  const VergleichsspalteSatz& s = state().comparison.VergleichsspalteListe[spalte];
  frmTQM& info = frmTQM::instanz();
  info.MoveFrameTo(QPoint(sys::TwipsToPixels(spalte == 0 ? 500 : 9000), sys::TwipsToPixels(2000)));
  info.txtBeginn->setText(Q(s.Beginn));
  info.txtEnde->setText(Q(s.Ende));
  info.txtTQM->setText(Q(s.TQM));
  info.txtAkh->setText(Q(s.Akh));
  info.Show();
  info.cmbEnde->setFocus();
}

}  // namespace tolvar
