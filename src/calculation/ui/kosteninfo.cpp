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

QLabel* Beschriftung(QWidget* eltern, const QString& name, const char* text, int links, int oben, int breite) {
  auto* label = new QLabel(QString::fromUtf8(text), eltern);
  label->setObjectName(name);
  label->setGeometry(Twips(links), Twips(oben), Twips(breite), Twips(285));
  return label;
}

}  // namespace

int Twips(int twips) { return sys::TwipsToPixels(twips); }

frmKalkulation* GeladeneKalkulation() {
  return frmKalkulation::IsLoaded() ? &frmKalkulation::instanz() : nullptr;
}

void KalkulationAktualisieren() {
  if (frmKalkulation* kalkulation = GeladeneKalkulation()) {
    kalkulation->Kalkulieren();
    kalkulation->BeschriftungSetzen();
  }
}

KostenInfoFenster::KostenInfoFenster(const QString& name, const QString& caption, const Rahmen& rahmen)
    : ui::Form(name, ui::FormKind::Window), m_art(rahmen.art), m_berechnenBeimSchliessen(rahmen.berechnenBeimSchliessen) {
  setCaption(caption);
  fraVergleich = new QGroupBox(this);
  fraVergleich->setObjectName(QStringLiteral("fraVergleich"));
  QFont fett = fraVergleich->font();
  fett.setBold(true);
  fraVergleich->setFont(fett);
  fraVergleich->resize(Twips(9000), Twips(2640));
  fraVergleich->hide();

  const QString herkunft = QStringLiteral("lblHerkunft");
  lblHerkunft[0] = Beschriftung(fraVergleich, ui::ControlName(herkunft, 0), "Vergleichskultur:", 120, 300, 1800);
  lblHerkunft[1] = Beschriftung(fraVergleich, ui::ControlName(herkunft, 1), "Ergebnisdatenbank:", 120, 780, 1800);
  lblHerkunft[2] = Beschriftung(fraVergleich, ui::ControlName(herkunft, 2), "Datenqualität:", 5160, 1260, 1400);
  lblHerkunft[3] = Beschriftung(fraVergleich, ui::ControlName(herkunft, 3), rahmen.wertText, 120, 1260, 1800);
  lblHerkunft[4] = Beschriftung(fraVergleich, ui::ControlName(herkunft, 4), rahmen.einheitText, 3480, 1260, 1500);

  comVergleichskulturen = new QComboBox(fraVergleich);
  comVergleichskulturen->setObjectName(QStringLiteral("comVergleichskulturen"));
  comVergleichskulturen->setEditable(true);
  comVergleichskulturen->setInsertPolicy(QComboBox::NoInsert);
  comVergleichskulturen->setEditText(QStringLiteral("Combo1"));
  comVergleichskulturen->setGeometry(Twips(1980), Twips(240), Twips(4500), Twips(315));
  connect(comVergleichskulturen, &QComboBox::activated, this, [this] {
    if (AuswahlZeigen()) comVergleichskulturen_Click();
  });

  txtErgebnisdatenbank = new QLineEdit(fraVergleich);
  txtErgebnisdatenbank->setObjectName(QStringLiteral("txtErgebnisdatenbank"));
  txtErgebnisdatenbank->setReadOnly(true);
  txtErgebnisdatenbank->setGeometry(Twips(1980), Twips(720), Twips(6840), Twips(315));

  txtKostenVergleichskultur = new QLineEdit(fraVergleich);
  txtKostenVergleichskultur->setObjectName(QStringLiteral("txtKostenVergleichskultur"));
  txtKostenVergleichskultur->setGeometry(Twips(1980), Twips(1200), Twips(1440), Twips(315));

  txtQualitaet = new QLineEdit(fraVergleich);
  txtQualitaet->setObjectName(QStringLiteral("txtQualität"));
  QFont gross = txtQualitaet->font();
  gross.setBold(true);
  gross.setPointSize(18);
  txtQualitaet->setFont(gross);
  txtQualitaet->setGeometry(Twips(6600), Twips(1080), Twips(1440), Twips(540));

  if (rahmen.uebernahmeName != nullptr) {
    m_uebernahme = new QPushButton(QString::fromUtf8(rahmen.uebernahmeText), fraVergleich);
    m_uebernahme->setObjectName(QString::fromUtf8(rahmen.uebernahmeName));
    m_uebernahme->setGeometry(Twips(120), Twips(1920), Twips(4200), Twips(495));
  }
  if (rahmen.beendenImRahmen) {
    m_beenden = new QPushButton(QStringLiteral("Beenden"), fraVergleich);
    m_beenden->setObjectName(ui::ControlName(QStringLiteral("cmbBeenden"), 1));
    m_beenden->setGeometry(Twips(7440), Twips(1920), Twips(1215), Twips(495));
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
  const auto anzeige = mdlkulturVergleich::VergleichskulturenLaden(objectName().toStdString());
  txtErgebnisdatenbank->setText(QDir::toNativeSeparators(QString::fromStdString(anzeige.txtErgebnisdatenbank)));
  comVergleichskulturen->clear();
  for (const std::string& eintrag : anzeige.Eintraege) comVergleichskulturen->addItem(QString::fromStdString(eintrag));
  comVergleichskulturen->setCurrentIndex(anzeige.ListIndex);
  if (AuswahlZeigen()) comVergleichskulturen_Click();
  if (anzeige.KostenSetzen) {
    txtKostenVergleichskultur->setText(QString::fromStdString(anzeige.txtKostenVergleichskultur));
    if (anzeige.txtQualitaet) txtQualitaet->setText(QString::fromStdString(*anzeige.txtQualitaet));
  }
}

void KostenInfoFenster::comVergleichskulturen_Click() {
  const auto wert = mdlkulturVergleich::VergleichskulturZeigen(Vergleichsart(m_art), ListIndex());
  if (!wert) return;
  txtKostenVergleichskultur->setText(QString::fromStdString(wert->Kosten));
  if (wert->Qualitaet) txtQualitaet->setText(QString::fromStdString(*wert->Qualitaet));
}

int16_t KostenInfoFenster::HerkunftNachUebernahme(std::string_view grad, int16_t bisher) const {
  return mdlKalkulation::HerkunftNachUebernahme(grad, bisher);
}

void KostenInfoFenster::VergleichswertUebernehmen() {
  const int index = ListIndex();
  const auto& liste = state().VergleichskulturListe;
  if (index < 0 || static_cast<std::size_t>(index) >= liste.size()) return;
  if (frmKalkulation* kalkulation = GeladeneKalkulation()) {
    if (QLineEdit* feld = kalkulation->Wertfeld(m_art)) feld->setText(txtKostenVergleichskultur->text());
    int16_t& herkunft = mdlKalkulation::HerkunftVon(state(), m_art);
    const std::string& grad = mdlkulturVergleich::Datenqualitaet(liste[static_cast<std::size_t>(index)], Vergleichsart(m_art));
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
    grid.SetTextMatrix(0, c, QString::fromUtf8(spalte.kopf));
    grid.SetCellFontBold(0, c, spalte.kopfFett);
  }
  for (int r = 0; r < zeilenzahl; ++r) {
    const auto& zeile = zeilen[static_cast<std::size_t>(r)];
    for (int c = 0; c < spaltenzahl && c < static_cast<int>(zeile.size()); ++c) {
      grid.SetTextMatrix(r + 1, c, QString::fromStdString(zeile[static_cast<std::size_t>(c)]));
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
  if (m_berechnenBeimSchliessen) KalkulationAktualisieren();
}

void KostenInfoFenster::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
