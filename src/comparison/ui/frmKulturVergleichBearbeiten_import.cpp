// The comparison-culture editor's import and export: a result database chosen and checked,
// cultures dragged from the tree onto the list, and the listed cultures copied.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "comparison/comparison_cultures.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "data/comparison_table.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "platform/sys/fehlertext.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"

namespace tolvar {

using ui::Q;

namespace {

const QString kTitel = QStringLiteral("Tolvar-Information");

// What makes the result database at `pfad` unusable for a transfer: the check every file
// taken in passes, naming the file and the cause; empty when usable.
std::string Maengel(const std::string& pfad) {
  return mdlFehler::DateiMaengel(pfad, mdlFehler::Bedarfsart::Vergleichstabelle);
}

void Melden(const std::string& text) { ui::MsgBox(Q(text), ui::msgbox::Critical, kTitel); }

constexpr std::string_view kNichtUebertragen =
    "Die Vergleichskulturen konnten nicht übertragen werden; die Zieldatenbank bleibt unverändert.";

ui::Grid* Liste(QWidget* eltern, const QString& name) {
  auto* g = ui::MakeGrid(eltern, name);
  g->SetFixedRows(0);
  g->SetCols(2);
  g->SetRows(1);
  ui::PlaceTwips(g, 240, 1080, 6000, 6000);
  return g;
}

// Empties the list: one empty row.
void Leeren(ui::Grid* liste) {
  liste->Clear();
  liste->SetRows(1);
}

// Row of the list that holds nothing, added when none is left.
int FreieZeile(ui::Grid* liste) {
  for (int r = 0; r < liste->Rows(); ++r) {
    if (liste->TextMatrix(r, 0).isEmpty() && liste->TextMatrix(r, 1).isEmpty()) return r;
  }
  liste->SetRows(liste->Rows() + 1);
  return liste->Rows() - 1;
}

}  // namespace

void frmKulturVergleichBearbeiten::UebertragungAufbauen() {
  struct Panel {
    QFrame** rahmen;
    const char* name;
    QLabel** label;
    const char* labelName;
    const char* labelText;
    QLineEdit** pfad;
    const char* pfadName;
    ui::Grid** liste;
    const char* listeName;
    QPushButton** auswahl;
    const char* auswahlName;
    const char* auswahlText;
    QPushButton** beenden;
    const char* beendenName;
    const char* beendenText;
    bool import;
  };
  const Panel panels[] = {
      {.rahmen = &fraImport,
       .name = "fraImport",
       .label = &lblHerkunft,
       .labelName = "lblHerkunft",
       .labelText = "Datenherkunft:",
       .pfad = &txtImport,
       .pfadName = "txtImport",
       .liste = &dtgImport,
       .listeName = "dtgImport",
       .auswahl = &cmbAuswahlImport,
       .auswahlName = "cmbAuswahlImport",
       .auswahlText = "Ausgewählten Datensatz importieren",
       .beenden = &cmbBeendenImport,
       .beendenName = "cmbBeendenImport",
       .beendenText = "Datenimport beenden",
       .import = true},
      {.rahmen = &fraExport,
       .name = "fraExport",
       .label = &lblZiel,
       .labelName = "lblZiel",
       .labelText = "Zieldatenbank:",
       .pfad = &txtExport,
       .pfadName = "txtExport",
       .liste = &dtgExport,
       .listeName = "dtgExport",
       .auswahl = &cmbAuswahlExport,
       .auswahlName = "cmbAuswahlExport",
       .auswahlText = "Ausgewählte Datensatz exportieren",
       .beenden = &cmbBeendenExport,
       .beendenName = "cmbBeendenExport",
       .beendenText = "Datenexport beenden",
       .import = false},
  };
  for (const Panel& p : panels) {
    QFrame* r = ui::MakeFrame(this, QString::fromLatin1(p.name), 3600, 240, 11055, 9400);
    *p.rahmen = r;
    *p.label = ui::MakeLabel(r, QString::fromLatin1(p.labelName), Q(p.labelText), 240, 240, 3000, 285);
    // The path shows the checked database; the transfer uses that very file, so it is not typed over.
    *p.pfad = ui::MakeTextBox(r, QString::fromLatin1(p.pfadName), 240, 600, 9000, 285, false);
    (*p.pfad)->setReadOnly(true);
    *p.liste = Liste(r, QString::fromLatin1(p.listeName));
    *p.auswahl = ui::MakeButton(r, QString::fromLatin1(p.auswahlName), Q(p.auswahlText), 240, 7320, 3800, 375);
    *p.beenden = ui::MakeButton(r, QString::fromLatin1(p.beendenName), Q(p.beendenText), 4200, 7320, 2040, 375);
    (*p.auswahl)->setEnabled(false);
    r->hide();
    const bool import = p.import;
    connect(*p.auswahl, &QPushButton::clicked, this,
            [this, import] { import ? cmbAuswahlImport_Click() : cmbAuswahlExport_Click(); });
    connect(*p.beenden, &QPushButton::clicked, this,
            [this, import] { import ? cmbBeendenImport_Click() : cmbBeendenExport_Click(); });
    connect(*p.liste, &ui::Grid::DragDrop, this, [this, import](const ui::DragSource& q, int x, int y) {
      import ? dtgImport_DragDrop(q, x, y) : dtgExport_DragDrop(q, x, y);
    });
  }
}

void frmKulturVergleichBearbeiten::ImportDatenbankPruefen(const std::string& pfad) {
  tolvar::State& s = state();
  // Every page is read: a damaged file is neither listed nor transferred from or into.
  const std::string maengel = Maengel(pfad);
  s.enterprise.PruefungOk = maengel.empty();
  if (s.enterprise.PruefungOk) return;
  Melden("Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden.\n\n" + maengel);
  opbKultur->ClearAll();
}

void frmKulturVergleichBearbeiten::ImportExportFehler() {
  ui::MsgBox(QStringLiteral("Die Zieldatenbank entspricht der Herkunftsdatenbank.\n\n"
                            "Der Vorgang konnte deshalb nicht ausgeführt werden."),
             ui::msgbox::Critical, kTitel);
  opbKultur->SetValue(2, false);
  opbKultur->SetValue(3, false);
}

void frmKulturVergleichBearbeiten::ModusUebertragen(bool import) {
  fraBearbeiten->hide();
  (import ? fraExport : fraImport)->hide();
  (import ? fraImport : fraExport)->show();
  ui::Grid* liste = import ? dtgImport : dtgExport;
  std::string& geprueft = import ? m_importPfad : m_exportPfad;
  QPushButton* auswahl = import ? cmbAuswahlImport : cmbAuswahlExport;
  Leeren(liste);
  // Until a database passes the check there is nothing to list or transfer.
  geprueft.clear();
  auswahl->setEnabled(false);
  (import ? txtImport : txtExport)->clear();

  const auto datei = ui::OpenFileDialog(QString(), QString(), QStringLiteral(".mdb|*.mdb|"));
  if (!datei) return;
  const std::string pfad = ui::S(*datei);
  if (comparison::GleicheDatei(pfad, EigeneDatenbank())) {
    ImportExportFehler();
    return;
  }
  ImportDatenbankPruefen(pfad);
  if (!state().enterprise.PruefungOk) return;
  geprueft = pfad;
  auswahl->setEnabled(true);
  (import ? txtImport : txtExport)->setText(*datei);
  // The tree shows the database the cultures are taken from: the chosen one when importing,
  // the own one when exporting.
  AktuelleDatenbank = import ? pfad : EigeneDatenbank();
  trvKulturVergleichBesetzen();
  liste->SetRows(std::max(1, trvKulturvergleich->Count()));
  liste->SetColWidth(0, liste->ClientWidth() + 20);
  liste->SetColAlignment(0, ui::kAlignLeftCenter);
}

void frmKulturVergleichBearbeiten::trvKulturvergleich_MouseDown(int button, int /*shift*/, int x, int y) {
  if (button != 1) return;
  const QString knoten = trvKulturvergleich->HitTest(QPoint(x, y));
  m_druckAufKnoten = !knoten.isEmpty();
  if (!m_druckAufKnoten) return;
  state().windows.ZiehKnoten = ui::S(knoten);
  trvKulturvergleich->SetDropHighlight(knoten);
}

void frmKulturVergleichBearbeiten::trvKulturvergleich_MouseMove(int buttons, int /*shift*/, int /*x*/, int /*y*/) {
  // Only a press on a node starts a drag, so every drag carries a culture or the root.
  if (buttons != 1 || !m_druckAufKnoten || trvKulturvergleich->DropHighlight().isEmpty()) return;
  m_druckAufKnoten = false;
  state().windows.ZiehenAktiv = true;
  trvKulturvergleich->SetDragIcon(imlKulturvergleich->Picture(QStringLiteral("drag-kultur")));
  trvKulturvergleich->Drag();
}

void frmKulturVergleichBearbeiten::trvKulturvergleich_DragDrop(const ui::DragSource& /*source*/, int /*x*/, int /*y*/) {
  tolvar::State& s = state();
  if (trvKulturvergleich->DropHighlight().isEmpty() || s.windows.ZiehKnoten.empty()) {
    trvKulturvergleich->ClearDropHighlight();
    s.windows.ZiehenAktiv = false;
  }
}

void frmKulturVergleichBearbeiten::Auflisten(ui::Grid* liste, const std::string& quelle, const ui::DragSource& source) {
  if (source.name != QLatin1String("trvKulturvergleich") || !source.Is(trvKulturvergleich)) return;
  const QString key = trvKulturvergleich->DropHighlight();
  if (key.isEmpty() || quelle.empty()) return;
  AuswahlSchluessel = ui::S(key);
  AuswahlMerken();
  std::vector<VergleichskulturSatz> kulturen;
  std::string fehler;
  if (!data::VergleichskulturenLesen(quelle, kulturen, &fehler)) {
    Melden(sys::Fehlermeldung("Die Vergleichskulturen konnten nicht gelesen werden.\n\nDatei: " + quelle, fehler));
    return;
  }
  if (AuswahlSchluessel == comparison::kWurzelSchluessel) {
    if (liste->Rows() < static_cast<int>(kulturen.size())) liste->SetRows(static_cast<int>(kulturen.size()));
    for (std::size_t r = 0; r < kulturen.size(); ++r) {
      liste->SetTextMatrix(static_cast<int>(r), 0, Q(kulturen[r].Kultur));
      liste->SetTextMatrix(static_cast<int>(r), 1, Q(kulturen[r].Nr));
    }
    return;
  }
  for (const VergleichskulturSatz& k : kulturen) {
    if (comparison::Schluessel(k.Kultur, k.Nr) != AuswahlSchluessel) continue;
    const int r = FreieZeile(liste);
    liste->SetTextMatrix(r, 0, Q(k.Kultur));
    liste->SetTextMatrix(r, 1, Q(k.Nr));
    return;
  }
}

void frmKulturVergleichBearbeiten::dtgImport_DragDrop(const ui::DragSource& source, int /*x*/, int /*y*/) {
  Auflisten(dtgImport, m_importPfad, source);
}

void frmKulturVergleichBearbeiten::dtgExport_DragDrop(const ui::DragSource& source, int /*x*/, int /*y*/) {
  Auflisten(dtgExport, m_exportPfad.empty() ? std::string() : EigeneDatenbank(), source);
}

bool frmKulturVergleichBearbeiten::DatensaetzeUebertragen() {
  const bool import = Uebertragungsrichtung == "Import";
  const std::string quelle = import ? m_importPfad : EigeneDatenbank();
  const std::string ziel = import ? EigeneDatenbank() : m_exportPfad;
  ui::Grid* liste = import ? dtgImport : dtgExport;
  std::vector<std::string> nummern;
  for (int r = 0; r < liste->Rows() && !liste->TextMatrix(r, 1).isEmpty(); ++r) {
    nummern.push_back(ui::S(liste->TextMatrix(r, 1)));
  }
  // Both files pass the check again: either may have been damaged since the mode began, and
  // the message names the one that is.
  for (const std::string& datei : {quelle, ziel}) {
    if (const std::string maengel = Maengel(datei); !maengel.empty()) {
      Melden(std::string(kNichtUebertragen) + "\n\n" + maengel);
      return false;
    }
  }
  std::string fehler;
  // Rows the editor would refuse are not imported: the comparison would read them as numbers.
  std::vector<std::string> abgelehnt;
  if (import) {
    const std::optional<comparison::Importpruefung> pruefung = comparison::ImportPruefen(quelle, nummern, &fehler);
    if (!pruefung) {
      Melden(sys::Fehlermeldung(std::string(kNichtUebertragen) + "\n\nDatei: " + quelle, fehler));
      return false;
    }
    nummern = pruefung->Gueltig;
    abgelehnt = pruefung->AbgelehnteKulturen;
  }
  if (!abgelehnt.empty()) {
    std::string namen;
    for (const std::string& kultur : abgelehnt) namen += "\n\"" + kultur + "\"";
    ui::MsgBox(QStringLiteral("Diese Vergleichskulturen enthalten ein Datum oder eine Zahl, die keine gültigen Werte "
                              "sind, und werden nicht importiert:\n") +
                   Q(namen),
               ui::msgbox::Critical, kTitel);
    if (nummern.empty()) return true;
  }
  std::string fehlerDatei;
  if (!data::VergleichskulturenUebertragen(quelle, ziel, nummern, nullptr, &fehler, &fehlerDatei)) {
    Melden(sys::Fehlermeldung(std::string(kNichtUebertragen) + "\n\nDatei: " + fehlerDatei, fehler));
    return false;
  }
  ui::MsgBox(import ? QStringLiteral("Import erfolgreich beendet.") : QStringLiteral("Export erfolgreich beendet."),
             ui::msgbox::Information, kTitel);
  return true;
}

void frmKulturVergleichBearbeiten::Uebertragen(bool import) {
  const std::string& geprueft = import ? m_importPfad : m_exportPfad;
  if (geprueft.empty()) return;
  if (comparison::GleicheDatei(geprueft, EigeneDatenbank())) {
    ImportExportFehler();
    return;
  }
  Uebertragungsrichtung = import ? "Import" : "Export";
  // Copies and renumbers the target in one transaction. A file that failed leaves the mode as
  // a failed check does: no option selected, nothing to transfer until a file passes again.
  if (!DatensaetzeUebertragen()) {
    (import ? m_importPfad : m_exportPfad).clear();
    (import ? cmbAuswahlImport : cmbAuswahlExport)->setEnabled(false);
    opbKultur->ClearAll();
    return;
  }
  Leeren(import ? dtgImport : dtgExport);
  // The dragged culture was one of the source; after the renumbering no own culture stands
  // for it, so "Löschen" and "Speichern" act on nothing until a culture is chosen.
  AuswahlLeeren();
  if (opbKultur->Value(0)) {
    opbKultur_Click(0);
  } else {
    opbKultur->SetValue(0, true);
  }
  fraImport->hide();
  fraExport->hide();
  fraBearbeiten->show();
  fraDatenqualitaet->hide();
  chbImport->hide();
  cmbLoeschen->show();
  cmbAbbruch->hide();
  AktuelleDatenbank = EigeneDatenbank();
  trvKulturVergleichBesetzen();
  TextFelderLeeren();
}

void frmKulturVergleichBearbeiten::cmbAuswahlImport_Click() { Uebertragen(true); }
void frmKulturVergleichBearbeiten::cmbAuswahlExport_Click() { Uebertragen(false); }

void frmKulturVergleichBearbeiten::BeendenUebertragen(bool import) {
  (import ? fraImport : fraExport)->hide();
  fraBearbeiten->show();
  fraDatenqualitaet->hide();
  AktuelleDatenbank = EigeneDatenbank();
  if (opbKultur->Value(0)) {
    opbKultur_Click(0);
  } else {
    opbKultur->SetValue(0, true);
  }
  trvKulturVergleichBesetzen();
}

void frmKulturVergleichBearbeiten::cmbBeendenImport_Click() { BeendenUebertragen(true); }
void frmKulturVergleichBearbeiten::cmbBeendenExport_Click() { BeendenUebertragen(false); }

}  // namespace tolvar
