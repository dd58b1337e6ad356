#include "calculation/ui/kosteninfo.h"

#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mdlHilfe.h"
#include "calculation/ui/frmKalkulation.h"
#include "calculation/vergleichskultur.h"
#include "data/state.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"

namespace tolvar {

namespace {

// The store and the calculation name the cost types in the same order.
static_assert(static_cast<int>(mdlkulturVergleich::Kostenart::Heizung) ==
              static_cast<int>(mdlKalkulation::Kostenart::Heizung));
static_assert(static_cast<int>(mdlkulturVergleich::Kostenart::Gemeinkosten) ==
              static_cast<int>(mdlKalkulation::Kostenart::Gemeinkosten));
mdlkulturVergleich::Kostenart Vergleichsart(mdlKalkulation::Kostenart art) {
  return static_cast<mdlkulturVergleich::Kostenart>(static_cast<int>(art));
}

}  // namespace

const KostenInfoFenster::Gestalt KostenInfoFenster::kStandardGestalt = {9000,
                                                                        2640,
                                                                        true,
                                                                        true,
                                                                        {{{120, 300, 1800, 285},
                                                                          {120, 780, 1800, 285},
                                                                          {5160, 1260, 1400, 285},
                                                                          {120, 1260, 1800, 285},
                                                                          {3480, 1260, 1500, 285}}},
                                                                        {1980, 240, 4500, 315},
                                                                        {1980, 720, 6840, 315},
                                                                        {1980, 1200, 1440, 315},
                                                                        {6600, 1080, 1440, 540},
                                                                        {120, 1920, 4200, 495},
                                                                        {7440, 1920, 1215, 495}};

frmKalkulation* GeladeneKalkulation() { return frmKalkulation::IsLoaded() ? &frmKalkulation::instanz() : nullptr; }

void KalkulationAktualisieren() {
  if (frmKalkulation* kalkulation = GeladeneKalkulation()) {
    kalkulation->Kalkulieren();
    kalkulation->BeschriftungSetzen();
  }
}

KostenInfoFenster::KostenInfoFenster(const QString& name, const QString& caption, const Rahmen& rahmen)
    : ui::Form(name, ui::FormKind::Window), m_rahmen(rahmen) {
  setCaption(caption);
  if (!rahmen.imFensterBauen) RahmenBauen(this, 0, 0);
}

void KostenInfoFenster::RahmenBauen(QWidget* eltern, int links, int oben) {
  const Rahmen& rahmen = m_rahmen;
  const Gestalt& g = *rahmen.gestalt;
  if (g.gruppe) {
    fraVergleich = ui::MakeGroup(eltern, QStringLiteral("fraVergleich"), QString(), links, oben, g.breite, g.hoehe);
    QFont fett = fraVergleich->font();
    fett.setBold(true);
    fraVergleich->setFont(fett);
  } else {
    fraVergleich = ui::MakeFrame(eltern, QStringLiteral("fraVergleich"), links, oben, g.breite, g.hoehe);
  }
  fraVergleich->hide();

  const char* texte[] = {"Vergleichskultur:", "Ergebnisdatenbank:", "Datenqualität:", rahmen.wertText,
                         rahmen.einheitText};
  for (std::size_t i = 0; i < lblHerkunft.size(); ++i) {
    const Platz& p = g.herkunft[i];
    lblHerkunft[i] = ui::MakeLabel(fraVergleich, ui::ControlName(QStringLiteral("lblHerkunft"), static_cast<int>(i)),
                                   ui::Q(texte[i]), p.links, p.oben, p.breite, p.hoehe);
  }

  // The list and the database box come in the tab order top to bottom.
  const auto liste = [&] {
    const Platz& p = g.liste;
    comVergleichskulturen =
        ui::MakeComboBox(fraVergleich, QStringLiteral("comVergleichskulturen"), p.links, p.oben, p.breite, p.hoehe);
  };
  const auto datenbank = [&] {
    const Platz& p = g.datenbank;
    txtErgebnisdatenbank =
        ui::MakeTextBox(fraVergleich, QStringLiteral("txtErgebnisdatenbank"), p.links, p.oben, p.breite, p.hoehe);
  };
  if (g.datenbank.oben < g.liste.oben) {
    datenbank();
    liste();
  } else {
    liste();
    datenbank();
  }
  txtErgebnisdatenbank->setReadOnly(g.datenbankNurLesen);
  comVergleichskulturen->setEditable(true);
  comVergleichskulturen->setInsertPolicy(QComboBox::NoInsert);
  comVergleichskulturen->setEditText(QStringLiteral("Combo1"));
  if (rahmen.jedeAuswahlZeigen) {
    connect(comVergleichskulturen, &QComboBox::currentIndexChanged, this, [this] { comVergleichskulturen_Click(); });
  } else {
    connect(comVergleichskulturen, &QComboBox::activated, this, [this] { comVergleichskulturen_Click(); });
  }

  const Platz& k = g.kosten;
  txtKostenVergleichskultur =
      ui::MakeTextBox(fraVergleich, QStringLiteral("txtKostenVergleichskultur"), k.links, k.oben, k.breite, k.hoehe);
  const Platz& q = g.qualitaet;
  txtQualitaet = ui::MakeTextBox(fraVergleich, QStringLiteral("txtQualität"), q.links, q.oben, q.breite, q.hoehe);
  QFont gross = txtQualitaet->font();
  gross.setBold(true);
  gross.setPointSize(18);
  txtQualitaet->setFont(gross);

  if (rahmen.uebernahmeName != nullptr) {
    const Platz& u = g.uebernahme;
    m_uebernahme = ui::MakeButton(fraVergleich, ui::Q(rahmen.uebernahmeName), ui::Q(rahmen.uebernahmeText), u.links,
                                  u.oben, u.breite, u.hoehe);
  }
  if (rahmen.beendenImRahmen) {
    const Platz& e = g.beenden;
    m_beenden = ui::MakeButton(fraVergleich, ui::ControlName(QStringLiteral("cmbBeenden"), 1),
                               QStringLiteral("Beenden"), e.links, e.oben, e.breite, e.hoehe);
    connect(m_beenden, &QPushButton::clicked, this, [this] { Beenden_Click(); });
  }
}

int KostenInfoFenster::ListIndex() const {
  const int index = comVergleichskulturen->currentIndex();
  // Text typed into the list's text part selects no entry.
  if (index < 0 || comVergleichskulturen->currentText() != comVergleichskulturen->itemText(index)) return -1;
  return index;
}

void KostenInfoFenster::VergleichskulturenLaden() {
  const auto anzeige = mdlkulturVergleich::VergleichskulturenLaden(ui::S(objectName()));
  txtErgebnisdatenbank->setText(QDir::toNativeSeparators(ui::Q(anzeige.txtErgebnisdatenbank)));
  {
    // Filling the list shows nothing; the chosen entry is shown once, below.
    const QSignalBlocker stumm(comVergleichskulturen);
    comVergleichskulturen->clear();
    for (const std::string& eintrag : anzeige.Eintraege) comVergleichskulturen->addItem(ui::Q(eintrag));
    comVergleichskulturen->setCurrentIndex(anzeige.ListIndex);
  }
  comVergleichskulturen_Click();
  if (anzeige.KostenSetzen) {
    txtKostenVergleichskultur->setText(ui::Q(anzeige.txtKostenVergleichskultur));
    if (anzeige.txtQualitaet) txtQualitaet->setText(ui::Q(*anzeige.txtQualitaet));
  }
}

void KostenInfoFenster::comVergleichskulturen_Click() {
  const auto wert = mdlkulturVergleich::VergleichskulturZeigen(Vergleichsart(m_rahmen.art), ListIndex());
  if (!wert) return;
  txtKostenVergleichskultur->setText(ui::Q(wert->Kosten));
  if (wert->Qualitaet) txtQualitaet->setText(ui::Q(*wert->Qualitaet));
}

int16_t KostenInfoFenster::HerkunftNachUebernahme(std::string_view grad, int16_t bisher) const {
  return mdlKalkulation::HerkunftNachUebernahme(grad, bisher);
}

void KostenInfoFenster::VergleichswertUebernehmen() {
  const int index = ListIndex();
  const auto& liste = state().VergleichskulturListe;
  if (index < 0 || static_cast<std::size_t>(index) >= liste.size()) return;
  if (frmKalkulation* kalkulation = GeladeneKalkulation()) {
    if (QLineEdit* feld = kalkulation->Wertfeld(m_rahmen.art)) feld->setText(txtKostenVergleichskultur->text());
    int16_t& herkunft = mdlKalkulation::HerkunftVon(state(), m_rahmen.art);
    const std::string& grad =
        mdlkulturVergleich::Datenqualitaet(liste[static_cast<std::size_t>(index)], Vergleichsart(m_rahmen.art));
    herkunft = HerkunftNachUebernahme(grad, herkunft);
    KalkulationAktualisieren();
  }
  Unload();
}

void KostenInfoFenster::BildschirmMitte() {
  const sys::Screen& bildschirm = sys::CurrentScreen();
  move(std::max(0, (bildschirm.Width() - width()) / 2), std::max(0, (bildschirm.Height() - height()) / 2));
}

void TabelleFuellen(ui::Grid& grid, const std::vector<TabellenSpalte>& spalten,
                    const std::vector<std::vector<std::string>>& zeilen, const QString& summe) {
  const int spaltenzahl = static_cast<int>(spalten.size());
  const int zeilenzahl = static_cast<int>(zeilen.size());
  grid.SetRedraw(false);
  // Header, the data rows and the total row; never fewer rows than the window was built with.
  grid.SetRows(std::max(kTabellenZeilen, zeilenzahl + 2));
  grid.SetCols(spaltenzahl);
  grid.SetFixedRows(1);
  grid.SetFixedCols(0);
  grid.Clear();
  for (int c = 0; c < spaltenzahl; ++c) {
    const TabellenSpalte& spalte = spalten[static_cast<std::size_t>(c)];
    grid.SetColWidth(c, spalte.breite);
    grid.SetColAlignment(c, spalte.links ? ui::kAlignLeftCenter : ui::kAlignCenterCenter);
    grid.SetTextMatrix(0, c, ui::Q(spalte.kopf));
    grid.SetCellFontBold(0, c, spalte.kopfFett);
  }
  for (int r = 0; r < zeilenzahl; ++r) {
    const auto& zeile = zeilen[static_cast<std::size_t>(r)];
    for (int c = 0; c < spaltenzahl && c < static_cast<int>(zeile.size()); ++c) {
      grid.SetTextMatrix(r + 1, c, ui::Q(zeile[static_cast<std::size_t>(c)]));
      grid.SetCellFontBold(r + 1, c, spalten[static_cast<std::size_t>(c)].fett);
    }
  }
  // The total row repeats the calculation window's figure in the last column.
  const int summenZeile = zeilenzahl + 1;
  grid.SetTextMatrix(summenZeile, spaltenzahl - 2, QStringLiteral("Summe"));
  grid.SetCellFontBold(summenZeile, spaltenzahl - 2, true);
  grid.SetTextMatrix(summenZeile, spaltenzahl - 1, summe);
  grid.SetCellFontBold(summenZeile, spaltenzahl - 1, true);
  grid.SetRedraw(true);
}

void KostenInfoFenster::Beenden_Click() { Unload(); }

void KostenInfoFenster::Form_Unload(bool& /*cancel*/) {
  if (m_rahmen.berechnenBeimSchliessen) KalkulationAktualisieren();
}

void KostenInfoFenster::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
