#include "calculation/ui/cost_info.h"

#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/mdlHilfe.h"
#include "base/values.h"
#include "calculation/mdlkulturVergleich.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/state.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

const KostenInfoFenster::Gestalt KostenInfoFenster::kStandardGestalt = {
    .breite = 9000,
    .hoehe = 2640,
    .gruppe = true,
    .datenbankNurLesen = true,
    .herkunft = {{
        {.links = 120, .oben = 300, .breite = 1800, .hoehe = 285},    // "Vergleichskultur:"
        {.links = 120, .oben = 780, .breite = 1800, .hoehe = 285},    // "Ergebnisdatenbank:"
        {.links = 5160, .oben = 1260, .breite = 1400, .hoehe = 285},  // "Datenqualität:"
        {.links = 120, .oben = 1260, .breite = 1800, .hoehe = 285},   // the value
        {.links = 3480, .oben = 1260, .breite = 1500, .hoehe = 285},  // the unit
    }},
    .liste = {.links = 1980, .oben = 240, .breite = 4500, .hoehe = 315},
    .datenbank = {.links = 1980, .oben = 720, .breite = 6840, .hoehe = 315},
    .kosten = {.links = 1980, .oben = 1200, .breite = 1440, .hoehe = 315},
    .qualitaet = {.links = 6600, .oben = 1080, .breite = 1440, .hoehe = 540},
    .uebernahme = {.links = 120, .oben = 1920, .breite = 4200, .hoehe = 495},
    .beenden = {.links = 7440, .oben = 1920, .breite = 1215, .hoehe = 495},
};

frmKalkulation* GeladeneKalkulation() { return frmKalkulation::IsLoaded() ? &frmKalkulation::instanz() : nullptr; }

void KalkulationAktualisieren() {
  if (frmKalkulation* kalkulation = GeladeneKalkulation()) {
    kalkulation->Kalkulieren();
    kalkulation->BeschriftungSetzen();
  }
}

KostenInfoFenster::KostenInfoFenster(const QString& caption, const Rahmen& rahmen)
    : ui::Form(ui::Q(Daten(rahmen.art).detailfenster), ui::FormKind::Window), m_rahmen(rahmen) {
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
    // Editable at once: its text part then stands with it in the tab order, and Shift+Tab
    // does not jump from the box after it over the one before.
    comVergleichskulturen->setEditable(true);
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
  const auto wert = mdlkulturVergleich::VergleichskulturZeigen(m_rahmen.art, ListIndex(), state().comparison);
  if (!wert) return;
  txtKostenVergleichskultur->setText(ui::Q(wert->Kosten));
  if (wert->Qualitaet) txtQualitaet->setText(ui::Q(*wert->Qualitaet));
}

int16_t KostenInfoFenster::HerkunftNachUebernahme(std::string_view grad, int16_t bisher) const {
  return mdlKalkulation::HerkunftNachUebernahme(grad, bisher);
}

void KostenInfoFenster::VergleichswertUebernehmen() {
  const int index = ListIndex();
  const VergleichskulturSatz* satz = At(state().comparison.VergleichskulturListe, index);
  if (satz == nullptr) return;
  if (frmKalkulation* kalkulation = GeladeneKalkulation()) {
    if (QLineEdit* feld = kalkulation->Wertfeld(m_rahmen.art)) feld->setText(txtKostenVergleichskultur->text());
    int16_t& herkunft = state().calculation.HerkunftVon(m_rahmen.art);
    const std::string& grad = data::Datenqualitaet(*satz, m_rahmen.art);
    herkunft = HerkunftNachUebernahme(grad, herkunft);
  }
  UebernahmeAbschliessen();
}

void KostenInfoFenster::UebernahmeAbschliessen() {
  if (frmKalkulation* kalkulation = GeladeneKalkulation()) {
    kalkulation->UebernahmeKalkulieren();
    kalkulation->BeschriftungSetzen();
    m_uebernommen = true;
  }
  Unload();
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

void Aufschluesselungsfenster::BeendenKnopfBauen() {
  cmbBeenden = ui::MakeButton(this, QStringLiteral("cmbBeenden"), QStringLiteral("Beenden"), 10440, 6720, 2775, 375);
  connect(cmbBeenden, &QPushButton::clicked, this, [this] { Beenden_Click(); });
}

ui::TabStrip* Aufschluesselungsfenster::ReiterBauen(const char* name, const QString& titel) {
  m_reiter = new ui::TabStrip(this);
  m_reiter->setObjectName(QString::fromLatin1(name));
  ui::PlaceTwips(m_reiter, 0, 0, 13335, 6615);
  m_reiter->AddTab(QStringLiteral("Datenherkunft"));
  m_reiter->AddTab(titel);
  return m_reiter;
}

ui::Grid* Aufschluesselungsfenster::AufschluesselungBauen(const char* name, int breite, int spalten) {
  auto* grid = ui::MakeGrid(m_reiter->Page(1), QString::fromLatin1(name), 360, 600, breite, 5535);
  grid->SetCols(spalten);
  grid->SetRows(kTabellenZeilen);
  grid->SetFixedRows(1);
  grid->SetFixedCols(0);
  return grid;
}

KostenInfoFenster::Gestalt Aufschluesselungsfenster::Vergleichsgestalt(const Vergleichszeilen& zeilen) {
  return {
      .breite = 12735,
      .hoehe = 3975,
      .gruppe = false,
      .datenbankNurLesen = false,
      .herkunft = {{
          {.links = 120, .oben = 2040, .breite = 1935, .hoehe = 285},                        // "Vergleichskultur:"
          {.links = 120, .oben = zeilen.datenbankOben + 120, .breite = 1800, .hoehe = 285},  // "Ergebnisdatenbank:"
          zeilen.qualitaet,
          zeilen.wert,
          zeilen.einheit,
      }},
      .liste = {.links = 2160, .oben = 1920, .breite = zeilen.listeBreite, .hoehe = 375},
      .datenbank = {.links = 2040, .oben = zeilen.datenbankOben, .breite = 10095, .hoehe = 375},
      .kosten = zeilen.kosten,
      .qualitaet = {.links = 11400, .oben = 1920, .breite = 735, .hoehe = 495},
      .uebernahme = {.links = 7200, .oben = 3240, .breite = 4935, .hoehe = 375},
  };
}

void Aufschluesselungsfenster::VergleichsrahmenBauen(QWidget* datenrahmen, int links, int oben) {
  m_datenrahmen = datenrahmen;
  RahmenBauen(m_reiter->Page(0), links, oben);
  cmbOk = RahmenUebernahme();
  connect(cmbOk, &QPushButton::clicked, this, [this] { cmbOk_Click(); });
}

void Aufschluesselungsfenster::VergleichAnzeigen() {
  fraVergleich->show();
  m_datenrahmen->hide();
  m_reiter->SetTabEnabled(1, false);
  VergleichskulturenLaden();
  m_reiter->SetTab(0);
}

QString Zahltext(std::optional<double> wert, std::string_view muster) {
  return wert ? ui::Q(base::Format(*wert, muster)) : QString();
}

Aufschluesselung::Aufschluesselung(ui::Grid& grid, std::vector<Spalte> spalten)
    : m_grid(grid), m_spalten(std::move(spalten)) {
  for (int c = 0; c < static_cast<int>(m_spalten.size()); ++c) {
    const Spalte& spalte = m_spalten[static_cast<std::size_t>(c)];
    m_grid.SetColWidth(c, spalte.breite);
    m_grid.SetColAlignment(c, spalte.ausrichtung);
    m_grid.SetTextMatrix(0, c, ui::Q(spalte.kopf));
    m_grid.SetCellAlignment(0, c, spalte.ausrichtung);
    m_grid.SetCellFontBold(0, c, spalte.fett);
  }
}

void Aufschluesselung::Zeile(const std::vector<QString>& texte) {
  ++m_zeile;
  if (m_zeile >= m_grid.Rows() - 1) m_grid.SetRows(m_zeile + 2);
  for (std::size_t c = 0; c < texte.size(); ++c) m_grid.SetTextMatrix(m_zeile, static_cast<int>(c), texte[c]);
  for (int c = 0; c < static_cast<int>(m_spalten.size()); ++c) {
    if (m_spalten[static_cast<std::size_t>(c)].fett) m_grid.SetCellFontBold(m_zeile, c, true);
  }
}

void Aufschluesselung::Abschliessen(int spalte, const QString& summe) {
  if (m_zeile > 1) m_grid.Sort(spalte, 1, m_zeile, ui::GridSort::GenericDescending);
  const int zeile = m_zeile + 1;
  const int letzte = static_cast<int>(m_spalten.size()) - 1;
  m_grid.SetTextMatrix(zeile, letzte - 1, QStringLiteral("Summe"));
  m_grid.SetTextMatrix(zeile, letzte, summe);
  m_grid.SetCellFontBold(zeile, letzte - 1, true);
  m_grid.SetCellFontBold(zeile, letzte, true);
}

void KostenInfoFenster::Beenden_Click() { Unload(); }

void KostenInfoFenster::Form_Unload(bool& /*cancel*/) {
  if (m_rahmen.berechnenBeimSchliessen && !m_uebernommen) KalkulationAktualisieren();
  m_uebernommen = false;
}

void KostenInfoFenster::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

}  // namespace tolvar
