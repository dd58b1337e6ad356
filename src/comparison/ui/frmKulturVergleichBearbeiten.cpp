#include "comparison/ui/frmKulturVergleichBearbeiten.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "comparison/comparison_column.h"
#include "comparison/deviation.h"
#include "comparison/ui/quality_marks.h"
#include "data/comparison_table.h"
#include "data/messages.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/sys/fehlertext.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/keyfilters.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"

namespace tolvar {

using comparison::ui::Qualitaetszeichen;
using ui::Q;
using ui::S;

namespace {

// What failed and the database, then the cause in German before the technical text.
void Meldung(const QString& satz, const std::string& pfad, const std::string& grund) {
  ui::MsgBox(Q(sys::Fehlermeldung(S(satz) + "\n\n" + pfad, grund)), ui::msgbox::Critical,
             QStringLiteral("Tolvar-Information"));
}

// A cost line of the editor: its label, box and quality mark. Each cost type has one line;
// its place, its box's place in Kostenfelder and its grade follow the type's row in
// kKostenartTabelle.
struct Kostenzeile {
  Kostenart art;
  const char* label;
  const char* name;  // the label's caption before its colon
  const char* box;
  QLineEdit* frmKulturVergleichBearbeiten::*feld;
  const char* zeichen;
};
using F = frmKulturVergleichBearbeiten;
constexpr Kostenzeile kKostenzeilen[] = {
    {Kostenart::Heizung, "lblHeizukosten", "Heizkosten", "txtHeizkosten", &F::txtHeizkosten, "DQHeizung"},
    {Kostenart::Material, "lblMaterialkosten", "Materialkosten", "txtMaterialkosten", &F::txtMaterialkosten,
     "DQMaterial"},
    {Kostenart::Energie, "lblEnergie", "elekt. Energie", "txtEnergiekosten", &F::txtEnergiekosten, "DQEnergie"},
    {Kostenart::Maschinen, "lblMaschinenkosten", "Maschinenkosten", "txtMaschinenkosten", &F::txtMaschinenkosten,
     "DQMaschinen"},
    {Kostenart::PSM, "lblArbeitMaterial", "Material[Std]", "txtArbeitMaterialkosten", &F::txtArbeitMaterialkosten,
     "DQArbeitMaterial"},
    {Kostenart::Vermarktung, "lblVermarktungskosten", "Vermarktung", "txtVermarktungskosten", &F::txtVermarktungskosten,
     "DQVermarktung"},
    {Kostenart::Arbeit, "lblArbeitskosten", "Arbeitskosten", "txtArbeitskosten", &F::txtArbeitskosten, "DQArbeit"},
    {Kostenart::Gemeinkosten, "lblGemeinkosten(0)", "Gemeinkosten", "txtGemeinkosten", &F::txtGemeinkosten, "DQGemein"},
};
constexpr bool JedeKostenartEinmal() {
  for (Kostenart art : kKostenarten) {
    int anzahl = 0;
    for (const Kostenzeile& z : kKostenzeilen) anzahl += z.art == art ? 1 : 0;
    if (anzahl != 1) return false;
  }
  return true;
}
static_assert(JedeKostenartEinmal(), "every cost type has one line in the editor");

// The boxes that are no cost box: the column each fills and the label a message names it by.
struct Spaltenfeld {
  std::string_view spalte;
  QLineEdit* frmKulturVergleichBearbeiten::*feld;
  std::string_view name;
};
constexpr Spaltenfeld kSpaltenfelder[] = {
    {"Kultur", &F::txtKultur, "Kultur"}, {"Beginn", &F::txtBeginn, "Beginn"}, {"Ende", &F::txtEnde, "Ende"},
    {"Akh", &F::txtAkh, "Summe Akh"},    {"TQM", &F::txtTQM, "Summe BTm²"},   {"Preis", &F::txtPreis, "Preis"},
    {"Menge", &F::txtMenge, "Menge"},
};

QFrame* Linie(QWidget* eltern, const QString& name, int top) {
  QFrame* l = ui::MakeFrame(eltern, name, 240, top, 10500, 30);
  l->setFrameShape(QFrame::HLine);
  return l;
}

}  // namespace

frmKulturVergleichBearbeiten::frmKulturVergleichBearbeiten()
    : FormOf(QStringLiteral("frmKulturVergleichBearbeiten"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Vergleichskulturen bearbeiten"));
  resize(sys::TwipsToPixels(14895), sys::TwipsToPixels(9900));
  const QColor gruen(0, 187, 121);
  QPalette farben = palette();
  farben.setColor(QPalette::Window, gruen);
  farben.setColor(QPalette::Button, gruen);
  setPalette(farben);
  setAutoFillBackground(true);
  QFont schrift = font();
  schrift.setBold(true);
  schrift.setPointSizeF(8.25);
  setFont(schrift);

  // Mode options, shown top to bottom in the order 1, 0, 2, 3.
  static const char* const kModi[] = {"Vorhandene Kultur bearbeiten", "Neue Kultur eingeben", "Kulturen importieren",
                                      "Kulturen exportieren"};
  static constexpr int kZeile[] = {1, 0, 2, 3};
  for (int i = 0; i < 4; ++i) {
    ui::MakeOptionButton(this, ui::ControlName(QStringLiteral("opbKultur"), i), Q(kModi[i]), 240, 240 + 360 * kZeile[i],
                         3135, 330);
  }
  opbKultur = new ui::OptionGroup(this, QStringLiteral("opbKultur"));
  connect(opbKultur, &ui::OptionGroup::Click, this, [this](int i) { opbKultur_Click(i); });

  imlKulturvergleich = new ui::ImageList(this);
  imlKulturvergleich->setObjectName(QStringLiteral("imlKulturvergleich"));
  imlKulturvergleich->Add(QStringLiteral("open"), Q(data::InstallPath("\\Bilder\\open.png")));
  if (!imlKulturvergleich->Add(QStringLiteral("drag-kultur"), Q(data::InstallPath("\\Bilder\\drag-kultur.png")))) {
    imlKulturvergleich->Add(QStringLiteral("drag-kultur"), imlKulturvergleich->Picture(QStringLiteral("open")));
  }
  trvKulturvergleich =
      ui::MakeTree(this, QStringLiteral("trvKulturvergleich"), imlKulturvergleich, 240, 1800, 3135, 7800);
  connect(trvKulturvergleich, &ui::KeyedTree::NodeClick, this,
          [this](const QString& key) { trvKulturvergleich_NodeClick(key); });
  connect(trvKulturvergleich, &ui::KeyedTree::MouseDown, this,
          [this](int b, int s, int x, int y) { trvKulturvergleich_MouseDown(b, s, x, y); });
  connect(trvKulturvergleich, &ui::KeyedTree::MouseMove, this,
          [this](int b, int s, int x, int y) { trvKulturvergleich_MouseMove(b, s, x, y); });
  connect(trvKulturvergleich, &ui::KeyedTree::DragDrop, this,
          [this](const ui::DragSource& q, int x, int y) { trvKulturvergleich_DragDrop(q, x, y); });

  BearbeitenAufbauen();
  UebertragungAufbauen();
}

void frmKulturVergleichBearbeiten::BearbeitenAufbauen() {
  fraBearbeiten = ui::MakeFrame(this, QStringLiteral("fraBearbeiten"), 3600, 240, 11055, 9400);
  QFrame* r = fraBearbeiten;
  ui::MakeLabel(r, QStringLiteral("lblKultur"), QStringLiteral("Kultur:"), 240, 240, 2000, 285);
  txtKultur = ui::MakeTextBox(r, QStringLiteral("txtKultur"), 2400, 240, 4000, 285, false);
  chbImport = ui::MakeCheckBox(r, QStringLiteral("chbImport"), QStringLiteral("Kultur selbst kalkuliert"), 2400, 720,
                               3000, 285);
  ui::MakeLabel(r, QStringLiteral("lblBeginn"), QStringLiteral("Beginn:"), 240, 1200, 2000, 285);
  txtBeginn = ui::MakeTextBox(r, QStringLiteral("txtBeginn"), 2400, 1200, 1335, 285, false);
  ui::MakeLabel(r, QStringLiteral("lblEnde"), QStringLiteral("Ende:"), 4800, 1200, 1100, 285);
  txtEnde = ui::MakeTextBox(r, QStringLiteral("txtEnde"), 6000, 1200, 1335, 285, false);
  ui::MakeLabel(r, QStringLiteral("lblTQM(0)"), QStringLiteral("Summe BTm²:"), 240, 1680, 2000, 285);
  txtTQM = ui::MakeTextBox(r, QStringLiteral("txtTQM"), 2400, 1680, 1335, 285, true);
  ui::MakeLabel(r, QStringLiteral("lblTQM(1)"), QStringLiteral("m²*Tage"), 3840, 1680, 900, 285);
  ui::MakeLabel(r, QStringLiteral("lblAKH"), QStringLiteral("Summe Akh:"), 4800, 1680, 1100, 285);
  txtAkh = ui::MakeTextBox(r, QStringLiteral("txtAkh"), 6000, 1680, 1335, 285, true);
  ui::MakeLabel(r, QStringLiteral("Label1"), QStringLiteral("Akh"), 7440, 1680, 600, 285);
  Linie(r, QStringLiteral("Line1"), 2100);
  ui::MakeLabel(r, QStringLiteral("lblMenge"), QStringLiteral("Menge:"), 240, 2280, 2000, 285);
  txtMenge = ui::MakeTextBox(r, QStringLiteral("txtMenge"), 2400, 2280, 1335, 285, true);
  ui::MakeLabel(r, QStringLiteral("lblStück"), QStringLiteral("Stück"), 3840, 2280, 1200, 285);
  ui::MakeLabel(r, QStringLiteral("lblPreis"), QStringLiteral("Preis:"), 240, 2760, 2000, 285);
  txtPreis = ui::MakeTextBox(r, QStringLiteral("txtPreis"), 2400, 2760, 1335, 285, true);
  ui::MakeLabel(r, QStringLiteral("lblEuroStueck(0)"), QStringLiteral("€/Stück"), 3840, 2760, 1200, 285);
  Linie(r, QStringLiteral("Line2"), 3180);

  fraDatenqualitaet = ui::MakeFrame(r, QStringLiteral("fraDatenqualitaet"), 5400, 3300, 1200, 3900);
  for (const Kostenzeile& z : kKostenzeilen) {
    const std::size_t i = KostenIndex(z.art);
    const int top = 3360 + 480 * static_cast<int>(i);
    ui::MakeLabel(r, QString::fromLatin1(z.label), Q(z.name) + QLatin1Char(':'), 240, top, 2000, 285);
    QLineEdit* box = ui::MakeTextBox(r, QString::fromLatin1(z.box), 2400, top, 1335, 285, true);
    this->*z.feld = box;
    ui::InstallKeyFilter(box, ui::NumberRule());  // before the window's own key handler
    box->installEventFilter(this);
    // A pasted or dropped value is the user's as a typed one is (setText emits no textEdited).
    connect(box, &QLineEdit::textEdited, this, [this, i] {
      Qualitaet[i] = 3;
      DatenQualitaet();
    });
    ui::MakeLabel(r, ui::ControlName(QStringLiteral("lblEuroStueck"), static_cast<int>(i) + 3),
                  QStringLiteral("€/1000Stk"), 3840, top, 1200, 285);
    Kostenfelder[i] = box;
    Zeichen[i] =
        Qualitaetszeichen(fraDatenqualitaet, QString::fromLatin1(z.zeichen), 120, 60 + 480 * static_cast<int>(i), 13.5);
  }
  Linie(r, QStringLiteral("Line3"), 7260);
  ui::MakeLabel(r, QStringLiteral("lblGemeinkosten(1)"), QStringLiteral("Bemerkungen:"), 240, 7380, 2000, 285);
  txtBemerkung = ui::MakeMultiLineBox(r, QStringLiteral("txtBemerkung"));
  ui::PlaceTwips(txtBemerkung, 2400, 7380, 5000, 1500);
  cmbLoeschen = ui::MakeButton(r, QStringLiteral("cmbLoeschen"), QStringLiteral("Löschen"), 7800, 7380, 1500, 375);
  cmbAbbruch = ui::MakeButton(r, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbruch"), 7800, 7380, 1500, 375);
  cmbSpeichern = ui::MakeButton(r, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"), 7800, 7920, 1500, 375);
  cmbLoeschen->hide();
  cmbAbbruch->hide();
  connect(cmbLoeschen, &QPushButton::clicked, this, [this] { cmbLoeschen_Click(); });
  connect(cmbAbbruch, &QPushButton::clicked, this, [this] { cmbAbbruch_Click(); });
  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
}

std::string frmKulturVergleichBearbeiten::EigeneDatenbank() {
  return state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
}

void frmKulturVergleichBearbeiten::Form_Load() {
  Frame()->move(0, 0);
  const QString farbe = Q(state().windows.FarbnameTolvar);
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Zeiger_") + farbe);
  mdlMauszeiger::MausbildSetzen(*chbImport, QStringLiteral("Hand_") + farbe);
  for (const auto& [index, option] : opbKultur->Buttons()) {
    mdlMauszeiger::MausbildSetzen(*option, QStringLiteral("Hand_") + farbe);
  }
  opbKultur->SetValue(0, false);
  AktuelleDatenbank = EigeneDatenbank();
  trvKulturVergleichBesetzen();
}

void frmKulturVergleichBearbeiten::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.2");
}

void frmKulturVergleichBearbeiten::AuswahlLeeren() {
  AuswahlSchluessel.clear();
  AuswahlText.clear();
  m_auswahlDatenbank.clear();
  trvKulturvergleich->Select(QString());
}

void frmKulturVergleichBearbeiten::FremdeAuswahlLeeren() {
  if (AuswahlSchluessel.empty() && AuswahlText.empty()) return;
  if (!comparison::GleicheDatei(m_auswahlDatenbank, AktuelleDatenbank)) AuswahlLeeren();
}

void frmKulturVergleichBearbeiten::trvKulturVergleichBesetzen() {
  if (AktuelleDatenbank.empty()) return;
  FremdeAuswahlLeeren();
  ui::KeyedTree* baum = trvKulturvergleich;
  baum->Clear();
  baum->Add(QString(), Q(comparison::kWurzelSchluessel), QStringLiteral("Kulturen"), QStringLiteral("open"));
  std::vector<VergleichskulturSatz> kulturen;
  std::string fehler;
  if (!data::VergleichskulturenLesen(AktuelleDatenbank, kulturen, &fehler)) {
    Meldung(QStringLiteral("Die Vergleichskulturen der Ergebnisdatenbank konnten nicht gelesen werden:"),
            AktuelleDatenbank, fehler);
  }
  for (const VergleichskulturSatz& k : kulturen) {
    baum->Add(Q(comparison::kWurzelSchluessel), Q(comparison::Schluessel(k.Kultur, k.Nr)), Q(k.Kultur),
              QStringLiteral("open"));
  }
  baum->SetExpanded(Q(comparison::kWurzelSchluessel), true);
  if (!AuswahlSchluessel.empty()) baum->Select(Q(AuswahlSchluessel));
}

void frmKulturVergleichBearbeiten::AuswahlEintragen() {
  const auto f = comparison::KulturLesen(EigeneDatenbank(), AuswahlSchluessel);
  if (!f) return;
  chbImport->setChecked(!f->Import);
  // A field without a value empties its box, so nothing of the culture shown before is kept
  // and stored with this one.
  auto setzen = [](QLineEdit* box, const std::optional<std::string>& wert) {
    box->setText(wert ? Q(*wert) : QString());
  };
  setzen(txtKultur, f->Kultur);
  setzen(txtBeginn, f->Beginn);
  setzen(txtEnde, f->Ende);
  setzen(txtAkh, f->Akh);
  setzen(txtTQM, f->TQM);
  setzen(txtPreis, f->Preis);
  setzen(txtMenge, f->Menge);
  for (std::size_t i = 0; i < K; ++i) {
    setzen(Kostenfelder[i], f->Kosten[i]);
    // A grade without a value is that of an empty box (typed in).
    Qualitaet[i] = f->Grade[i].value_or(3);
  }
  txtBemerkung->setPlainText(f->Bemerkungen ? Q(*f->Bemerkungen) : QString());
}

void frmKulturVergleichBearbeiten::DatenQualitaet() {
  for (std::size_t i = 0; i < K; ++i) {
    if (const auto text = comparison::Bewertungszeichen(Qualitaet[i])) Zeichen[i]->setText(Q(*text));
  }
}

void frmKulturVergleichBearbeiten::TextFelderLeeren() {
  for (QLineEdit* box : {txtKultur, txtBeginn, txtEnde, txtAkh, txtTQM, txtPreis, txtMenge}) box->clear();
  for (QLineEdit* box : Kostenfelder) box->clear();
  txtBemerkung->clear();
  Qualitaet.fill(3);
}

void frmKulturVergleichBearbeiten::opbKultur_Click(int /*index*/) {
  switch (opbKultur->Selected()) {
    case 0:
      ModusBearbeiten();
      break;
    case 1:
      ModusNeu();
      break;
    case 2:
      ModusUebertragen(true);
      break;
    case 3:
      ModusUebertragen(false);
      break;
    default:
      break;
  }
}

void frmKulturVergleichBearbeiten::ModusBearbeiten() {
  AktuelleDatenbank = EigeneDatenbank();
  FremdeAuswahlLeeren();
  fraImport->hide();
  fraExport->hide();
  fraBearbeiten->show();
  fraDatenqualitaet->show();
  chbImport->show();
  cmbLoeschen->show();
  cmbAbbruch->hide();
  AuswahlEintragen();
  DatenQualitaet();
  state().comparison.NeueVergleichskultur = false;
}

void frmKulturVergleichBearbeiten::ModusNeu() {
  AktuelleDatenbank = EigeneDatenbank();
  fraImport->hide();
  fraExport->hide();
  fraBearbeiten->show();
  fraDatenqualitaet->hide();
  chbImport->hide();
  cmbLoeschen->hide();
  cmbAbbruch->show();
  // A culture typed in by hand counts as one of this enterprise, whatever was loaded before.
  chbImport->setChecked(true);
  state().comparison.NeueVergleichskultur = true;
  trvKulturVergleichBesetzen();
  TextFelderLeeren();
}

void frmKulturVergleichBearbeiten::trvKulturvergleich_NodeClick(const QString& key) {
  AuswahlText = S(trvKulturvergleich->Text(key));
  AuswahlSchluessel = S(key);
  AuswahlMerken();
  if (!AuswahlText.empty() && opbKultur->Value(0)) {
    AuswahlEintragen();
    DatenQualitaet();
    state().comparison.NeueVergleichskultur = false;
  }
}

void frmKulturVergleichBearbeiten::VergleichskulturSpeichern() {
  // Changing a stored culture needs one chosen in the own tree; without it nothing is
  // replaced and nothing appended.
  if (opbKultur->Value(0) && !state().comparison.NeueVergleichskultur && AuswahlSchluessel.empty()) return;
  comparison::Kultureingabe e;
  e.Kultur = S(txtKultur);
  e.Beginn = S(txtBeginn);
  e.Ende = S(txtEnde);
  e.Akh = S(txtAkh);
  e.TQM = S(txtTQM);
  e.Preis = S(txtPreis);
  e.Menge = S(txtMenge);
  for (std::size_t i = 0; i < K; ++i) e.Kosten[i] = S(Kostenfelder[i]->text());
  e.Grade = Qualitaet;
  e.Bemerkung = S(txtBemerkung->toPlainText());
  e.Import = !chbImport->isChecked();
  // A box the table's rules refuse is named and gets the focus before the table is touched.
  if (const auto spalte = comparison::ErsteVerweigerung(e)) {
    VerweigerungMelden(*spalte);
    return;
  }
  comparison::VorgabenEinsetzen(e);
  txtKultur->setText(Q(e.Kultur));
  txtBeginn->setText(Q(e.Beginn));
  txtEnde->setText(Q(e.Ende));
  txtAkh->setText(Q(e.Akh));
  txtTQM->setText(Q(e.TQM));
  txtPreis->setText(Q(e.Preis));
  txtMenge->setText(Q(e.Menge));
  for (std::size_t i = 0; i < K; ++i) Kostenfelder[i]->setText(Q(e.Kosten[i]));

  const bool ersetzen = !state().comparison.NeueVergleichskultur;
  std::string neu, fehler;
  if (!comparison::KulturSpeichern(AktuelleDatenbank, e, ersetzen ? AuswahlSchluessel : std::string(), &neu, &fehler)) {
    Meldung(QStringLiteral("Die Vergleichskultur konnte nicht gespeichert werden:"), AktuelleDatenbank, fehler);
    return;
  }
  // The replaced culture now is the last row: follow it, so that a further save or delete
  // acts on it and not on whichever culture took over its old number.
  if (ersetzen) {
    AuswahlSchluessel = neu;
    AuswahlText = e.Kultur;
    AuswahlMerken();
  }
}

void frmKulturVergleichBearbeiten::VerweigerungMelden(std::string_view spalte) {
  QLineEdit* box = nullptr;
  std::string_view name;
  for (const Spaltenfeld& f : kSpaltenfelder) {
    if (f.spalte == spalte) {
      box = this->*f.feld;
      name = f.name;
    }
  }
  for (const Kostenzeile& z : kKostenzeilen) {
    if (data::KostenSpalte(z.art) == spalte) {
      box = this->*z.feld;
      name = z.name;
    }
  }
  if (box == nullptr) return;
  data::ShowCritical(comparison::Verweigerungsmeldung(name, spalte, S(box->text())));
  box->setFocus(Qt::OtherFocusReason);
}

void frmKulturVergleichBearbeiten::VergleichskulturLoeschen() {
  std::string fehler;
  if (!comparison::KulturLoeschen(AktuelleDatenbank, AuswahlSchluessel, nullptr, &fehler)) {
    Meldung(QStringLiteral("Die Vergleichskultur konnte nicht gelöscht werden:"), AktuelleDatenbank, fehler);
    return;
  }
  // The old key may belong to another culture after the renumbering.
  AuswahlSchluessel.clear();
  AuswahlText.clear();
  m_auswahlDatenbank.clear();
}

void frmKulturVergleichBearbeiten::cmbSpeichern_Click() {
  VergleichskulturSpeichern();
  trvKulturVergleichBesetzen();
}

void frmKulturVergleichBearbeiten::cmbLoeschen_Click() {
  VergleichskulturLoeschen();
  trvKulturVergleichBesetzen();
  TextFelderLeeren();
}

// Leaves the new mode without saving: back to editing the stored cultures, boxes empty.
void frmKulturVergleichBearbeiten::cmbAbbruch_Click() {
  AuswahlSchluessel.clear();
  AuswahlText.clear();
  m_auswahlDatenbank.clear();
  TextFelderLeeren();
  if (opbKultur->Value(0)) {
    ModusBearbeiten();
  } else {
    opbKultur->SetValue(0, true);
  }
}

void frmKulturVergleichBearbeiten::Kosten_KeyPress(int feld, int& keyAscii) {
  if (feld < 0 || feld >= K) return;
  const auto i = static_cast<std::size_t>(feld);
  // What the box may hold is its key rule's; a character it takes makes the grade "typed in".
  const ui::KeyRule* regel = ui::KeyRuleOf(Kostenfelder[i]);
  const bool zeichen = keyAscii >= 32 && regel && regel->character(QChar(keyAscii));
  if (zeichen || keyAscii == 8) {
    Qualitaet[i] = 3;
  } else if (keyAscii == 13) {
    keyAscii = 0;
    if (i + 1 < K) {
      Kostenfelder[i + 1]->setFocus();
    } else {
      txtBemerkung->setFocus();
    }
  } else {
    keyAscii = 0;
    ui::Beep();
  }
  DatenQualitaet();
}

bool frmKulturVergleichBearbeiten::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    for (int i = 0; i < K; ++i) {
      if (watched != Kostenfelder[static_cast<std::size_t>(i)]) continue;
      auto* taste = static_cast<QKeyEvent*>(event);
      int code = ui::KeyAscii(*taste);
      if (code == 0) return false;  // keys that type nothing (Tab, Escape, arrows, Delete) pass
      Kosten_KeyPress(i, code);
      return code == 0;
    }
  }
  return FormOf::eventFilter(watched, event);
}

}  // namespace tolvar
