#include "calculation/ui/frmKalkulation.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "base/values.h"
#include "calculation/mdlkulturVergleich.h"
#include "calculation/ui/cost_info.h"
#include "calculation/ui/cost_menu.h"
#include "calculation/ui/cost_windows.h"
#include "calculation/ui/frmGemeinkostenInfo.h"
#include "calculation/ui/frmVermarktungInfo.h"
#include "data/mdlDatenLaden.h"
#include "data/messages.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/sys/screen.h"
#include "platform/ui/appearance.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/focus.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/keyfilters.h"
#include "platform/ui/prompts.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

namespace {

const QColor kHintergrund(0, 187, 121);
const QColor kLinie(255, 255, 128);  // the separator lines
// The window's client area; the frame of the calculation reaches past it and is cut there.
constexpr int kBreite = 15255;
constexpr int kHoehe = 9900;
constexpr int kRahmenLinks = 3720;

using ui::Q;
using ui::S;

// A graphical button in the window's colour, bold 8.25 pt.
QPushButton* Knopf(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                   int height = 375) {
  QPushButton* b = ui::MakeButton(parent, name, text, left, top, width, height);
  b->setFont(ui::LayoutFont(8.25, true));
  QPalette farben = b->palette();
  farben.setColor(QPalette::Button, kHintergrund);
  b->setPalette(farben);
  b->setFocusPolicy(Qt::StrongFocus);  // a click takes the focus, so a value box loses it first
  return b;
}

// A bold label; it ends at the window's right edge at the latest.
QLabel* Etikett(QWidget* parent, const QString& name, const QString& text, int left, int top, double punkte = 12,
                int width = 1900) {
  QLabel* l = ui::MakeLabel(parent, name, text, left, top, std::min(width, kBreite - kRahmenLinks - left), 375);
  l->setFont(ui::LayoutFont(punkte, true));
  return l;
}

QLineEdit* Feld(QWidget* parent, const QString& name, int left, int top, int width = 1455, double punkte = 12,
                bool fett = true) {
  QLineEdit* e = ui::MakeTextBox(parent, name, left, top, width, 405);
  e->setFont(ui::LayoutFont(punkte, fett));
  return e;
}

// A thin separator line of the frame.
void Linie(QWidget* parent, const QString& name, int index, int left, int top, int width) {
  QFrame* linie = ui::MakeFrame(parent, ui::ControlName(name, index), left, top, width, 15);
  ui::SetBackground(linie, kLinie);
}

// One number in a box; nullopt for an empty box or text that is no number.
std::optional<double> Zahl(const QLineEdit* box) { return base::ParseNumber(S(box)); }

void Auswaehlen(ui::Form& form, const QString& name, int index) {
  if (auto* option = ui::FindControl<QRadioButton>(&form, name, index)) option->setChecked(true);
}

void TextSetzen(ui::Form& form, const QString& name, const QString& text) {
  if (auto* box = ui::FindControl<QLineEdit>(&form, name)) box->setText(text);
}

// The marketing window as the marketing button shows it: the frame with the percentage.
void VermarktungVorbereiten(ui::Form& form, int option, const QString& prozent) {
  form.resize(sys::TwipsToPixels(10000), form.height());
  if (auto* rahmen = ui::FindControl<QWidget>(&form, QStringLiteral("fraVermarktungskostenInfo")))
    rahmen->setVisible(true);
  Auswaehlen(form, QStringLiteral("opbVermarktungskostenInfo"), option);
  TextSetzen(form, QStringLiteral("txtVermarktungskostenInfo"), prozent);
  form.Show();
}

// The overheads window as a read-only overview of the enterprise's overheads settings.
void GemeinkostenVorbereiten(ui::Form& form) {
  const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  const QString zeiger = QStringLiteral("Zeiger_") + Q(state().windows.FarbnameTolvar);
  mdlMauszeiger::MausbildSetzen(form, zeiger);
  if (auto* beenden = ui::FindControl<QWidget>(&form, QStringLiteral("cmbBeenden"))) {
    mdlMauszeiger::MausbildSetzen(*beenden, zeiger);
  }
  if (const std::optional<double> typ = base::ParseNumber(e.Gemeinkostentyp)) {
    Auswaehlen(form, QStringLiteral("opbGemeinkosten"), static_cast<int>(*typ));
  }
  TextSetzen(form, QStringLiteral("txtJahr"), Q(e.Jahr));
  TextSetzen(form, QStringLiteral("txtGemeinkosten"), Q(e.Gemeinkosten));
  TextSetzen(form, QStringLiteral("txtGemeinkostenTQM"), Q(e.Flaeche));
  if (auto* rahmen = ui::FindControl<QWidget>(&form, QStringLiteral("fraGemeinkostenInfo"))) rahmen->setEnabled(false);
  form.Show();
}

}  // namespace

frmKalkulation::frmKalkulation() : FormOf(QStringLiteral("frmKalkulation"), ui::FormKind::MdiChild) {
  setCaption(QStringLiteral("Kalkulation"));
  Aufbauen();
}

void frmKalkulation::Aufbauen() {
  SetFrameless();
  resize(sys::TwipsToPixels(kBreite), sys::TwipsToPixels(kHoehe));
  QPalette farben = palette();
  farben.setColor(QPalette::Window, kHintergrund);
  setPalette(farben);
  setAutoFillBackground(true);

  imlKulturenSatz = new ui::ImageList(this);
  imlKulturenSatz->setObjectName(QStringLiteral("imlKulturenSatz"));
  for (const char* key : {"open", "closed"}) {
    imlKulturenSatz->Add(QLatin1String(key), Q(data::InstallPath(std::string("\\Bilder\\") + key + ".png")));
  }
  trvKulturen = ui::MakeTree(this, QStringLiteral("trvKulturen"), imlKulturenSatz, 240, 120, 3360, 9000);
  connect(trvKulturen, &ui::KeyedTree::Click, this, &frmKalkulation::trvKulturen_Click);
  connect(trvKulturen, &ui::KeyedTree::KeyUp, this, [this](int key, int) { trvKulturen_KeyUp(key); });
  // The tree shows no pop-up menu: a right press, which selects the node under the mouse,
  // leaves the culture the window shows and calculates selected.
  connect(trvKulturen, &ui::KeyedTree::MouseUp, this, [this](int button, int, int, int) {
    const QString gewaehlt = Q(state().calculation.KalkulationsKnotenSchluessel);
    if (button == 2 && trvKulturen->SelectedItem() != gewaehlt) trvKulturen->Select(gewaehlt);
  });

  fraKalkulation =
      ui::MakeFrame(this, QStringLiteral("fraKalkulation"), kRahmenLinks, 0, kBreite - kRahmenLinks, kHoehe);
  fraKalkulation->setFrameShape(QFrame::NoFrame);
  QWidget* f = fraKalkulation;

  cmbStart = Knopf(f, QStringLiteral("cmbStart"), QStringLiteral("Kalkulation "), 5400, 120, 2895, 615);
  cmbErgebnisSpeichern = Knopf(f, QStringLiteral("cmbErgebnisSpeichern"),
                               QStringLiteral("Kalkulation in Ergebnis-\ndatenbank speichern"), 8520, 120, 2895, 615);
  connect(cmbStart, &QPushButton::clicked, this, &frmKalkulation::cmbStart_Click);
  connect(cmbErgebnisSpeichern, &QPushButton::clicked, this, &frmKalkulation::cmbErgebnisSpeichern_Click);

  lblName = Etikett(f, QStringLiteral("lblName"), QStringLiteral("Kultur:"), 240, 240, 12, 1200);
  txtName = Feld(f, QStringLiteral("txtName"), 1440, 240, 3495);
  lblAnfang = Etikett(f, QStringLiteral("lblAnfang"), QStringLiteral("Beginn:"), 240, 1200, 12, 1200);
  txtAnfang = Feld(f, QStringLiteral("txtAnfang"), 1440, 1200, 1095, 8.25);
  lblEnde = Etikett(f, QStringLiteral("lblEnde"), QStringLiteral("Ende:"), 2880, 1200, 12, 900);
  txtEnde = Feld(f, QStringLiteral("txtEnde"), 3840, 1200, 1095, 8.25);
  lblDB[1] = Etikett(f, QStringLiteral("lblDB(1)"), QStringLiteral("= DirektKostenFreieLeistung (DKFL)"), 5520, 1320,
                     12, 6000);

  const auto einheit = [&](int index, const QString& text, int left, int top, double punkte = 12, int breite = 1500) {
    lblEuroEinheit[index] =
        Etikett(f, ui::ControlName(QStringLiteral("lblEuroEinheit"), index), text, left, top, punkte, breite);
  };
  const QString je1000 = QStringLiteral("€/1000Stk.");
  einheit(7, je1000, 5640, 1800);
  einheit(1, QStringLiteral("€/ BJm²"), 7920, 1800);
  einheit(14, QStringLiteral("€/ Akh"), 9960, 1800);

  lblMenge = Etikett(f, QStringLiteral("lblMenge"), QStringLiteral("Menge:"), 240, 2040, 9.75);
  txtMenge = Feld(f, QStringLiteral("txtMenge"), 2280, 2040);
  lblEinheit = Etikett(f, QStringLiteral("lblEinheit"), QStringLiteral("Stück"), 3840, 2040, 12, 1200);
  txtDB = Feld(f, QStringLiteral("txtDB"), 5640, 2280);
  txtDBJQM = Feld(f, QStringLiteral("txtDBJQM"), 7800, 2280);
  txtDBAkh = Feld(f, QStringLiteral("txtDBAkh"), 9960, 2280);
  lblPreis = Etikett(f, QStringLiteral("lblPreis"), QStringLiteral("Preis:"), 240, 2760, 9.75);
  txtPreis = Feld(f, QStringLiteral("txtPreis"), 2280, 2760);
  lblEuro[0] = Etikett(f, QStringLiteral("lblEuro(0)"), QStringLiteral("€/ Stück"), 3960, 2760, 12, 1200);

  // A cost line: its cost button, its "[Menü]" button and its value box, named by its type's
  // row and placed in twips on one line.
  struct Kostenlinie {
    int oben;
    int knopfLinks, knopfBreite;
    int menueLinks, menueBreite;
    int feldLinks, feldBreite;
    bool feldFett;
  };
  const auto linie = [&](Kostenart art, const Kostenlinie& l) {
    const KostenartDaten& d = Daten(art);
    const QString knopf = Q(d.kostenknopf);
    QPushButton* k = Knopf(f, knopf, Q(d.anfangsbeschriftung), l.knopfLinks, l.oben, l.knopfBreite);
    QPushButton* m =
        Knopf(f, knopf + QStringLiteral("Menu"), QStringLiteral("[Menü]"), l.menueLinks, l.oben, l.menueBreite);
    QLineEdit* e = Feld(f, Q(d.wertfeld), l.feldLinks, l.oben, l.feldBreite, 12, l.feldFett);
    ui::InstallKeyFilter(e, ui::NumberRule());  // before the window's own key handler
    e->installEventFilter(this);
    ui::WatchFocus(e, {}, [this, art] { Wertfeld_LostFocus(art); });
    // Text that enters without a key (a paste, a drop) makes the value the user's as a typed
    // character does; the program's own setText does not emit textEdited.
    connect(e, &QLineEdit::textEdited, this, [this, art] { Wertfeld_Bearbeitet(art); });
    connect(k, &QPushButton::clicked, this, [this, art] { Kostenknopf_Click(art); });
    connect(m, &QPushButton::clicked, this, [this, art] { Menueknopf_Click(art); });
    Kostenknoepfe[KostenIndex(art)] = k;
    Menueknoepfe[KostenIndex(art)] = m;
    Wertfelder[KostenIndex(art)] = e;
  };
  linie(Kostenart::Arbeit, {.oben = 3360,
                            .knopfLinks = 5640,
                            .knopfBreite = 1935,
                            .menueLinks = 7560,
                            .menueBreite = 855,
                            .feldLinks = 8640,
                            .feldBreite = 1455,
                            .feldFett = true});
  einheit(8, je1000, 10320, 3360);
  lblMarkt = Etikett(f, QStringLiteral("lblMarkt"), QStringLiteral("= Marktleistung:"), 360, 3600, 9.75);
  txtMarktleistung = Feld(f, QStringLiteral("txtMarktleistung"), 2280, 3600);
  lblEuro[1] = Etikett(f, QStringLiteral("lblEuro(1)"), QStringLiteral("€"), 3960, 3600, 12, 600);
  lblEKFL =
      Etikett(f, QStringLiteral("lblEKFL"), QStringLiteral("= EinzelKostenFreieLeistung (EKFL)"), 5520, 4320, 12, 6000);
  lblErloes1000 = Etikett(f, QStringLiteral("lblErloes1000"), QStringLiteral("= Erlös[1000Stk]:"), 360, 4440, 9.75);
  txtErloes1000 = Feld(f, QStringLiteral("txtErloes1000"), 2280, 4440);
  lblEuro[2] = Etikett(f, QStringLiteral("lblEuro(2)"), je1000, 3840, 4440, 12, 1500);
  einheit(9, je1000, 5640, 4800);
  einheit(6, QStringLiteral("€/ BJm²"), 7800, 4800);
  einheit(15, QStringLiteral("€/ Akh"), 9960, 4800);
  lblSachkosten = Etikett(f, QStringLiteral("lblSachkosten"), QStringLiteral("- Sachkosten:"), 480, 5280, 9.75);
  txtSachkosten = Feld(f, QStringLiteral("txtSachkosten"), 2400, 5280);
  einheit(2, je1000, 3960, 5280);
  txtEKFL = Feld(f, QStringLiteral("txtEKFL"), 5640, 5280);
  txtEKFLJQM = Feld(f, QStringLiteral("txtEKFLJQM"), 7800, 5280);
  txtEKFLAkh = Feld(f, QStringLiteral("txtEKFLAkh"), 9960, 5280);

  // The material cost lines on the left, every 480 twips from 6120, each with its unit label.
  const std::pair<Kostenart, int> links[] = {{Kostenart::Heizung, 0}, {Kostenart::Material, 3},
                                             {Kostenart::Energie, 4}, {Kostenart::Maschinen, 5},
                                             {Kostenart::PSM, 12},    {Kostenart::Vermarktung, 13}};
  int top = 6120;
  for (const auto& [art, einheitIndex] : links) {
    linie(art, {.oben = top,
                .knopfLinks = 480,
                .knopfBreite = 1815,
                .menueLinks = 2280,
                .menueBreite = 735,
                .feldLinks = 3120,
                .feldBreite = 975,
                .feldFett = false});
    // The narrow box gives its text the pixel a text box keeps on each side, so a figure
    // of four digits and two decimals shows whole.
    Wertfeld(art)->setTextMargins(-1, 0, -1, 0);
    einheit(einheitIndex, je1000, 4200, top, 9.75, 1200);  // up to the right column
    top += 480;
  }

  linie(Kostenart::Gemeinkosten, {.oben = 6360,
                                  .knopfLinks = 5520,
                                  .knopfBreite = 1935,
                                  .menueLinks = 7440,
                                  .menueBreite = 855,
                                  .feldLinks = 8520,
                                  .feldBreite = 1455,
                                  .feldFett = true});
  einheit(10, je1000, 10200, 6360);
  lblGewinn[1] = Etikett(f, QStringLiteral("lblGewinn(1)"), QStringLiteral("= Gewinn:"), 5880, 7320);
  txtGewinn[1] = Feld(f, QStringLiteral("txtGewinn(1)"), 7920, 7320, 2055);
  einheit(11, je1000, 10200, 7320);
  lblGewinn[0] = Etikett(f, QStringLiteral("lblGewinn(0)"), QStringLiteral("= Gewinn:"), 5880, 8400);
  txtGewinn[2] = Feld(f, QStringLiteral("txtGewinn(2)"), 7920, 8400, 2055);
  lblEuroGesamt = Etikett(f, QStringLiteral("lblEuroGesamt"), QStringLiteral("€/ Kultur"), 10200, 8400, 12, 1500);

  // Separator lines between the groups: on the left below the dates, the price and the
  // material costs; on the right around the two contribution margins and below the profits.
  for (const auto& [index, hoehe] : {std::pair{0, 1740}, {1, 3300}, {2, 5880}}) {
    Linie(f, QStringLiteral("Shape1"), index, 240, hoehe, 4695);
  }
  for (const auto& [index, hoehe] : {std::pair{0, 1080},
                                     {1, 3000},
                                     {2, 4020},
                                     {3, 4080},
                                     {5, 5880},
                                     {6, 6960},
                                     {7, 7020},
                                     {8, 8040},
                                     {10, 8940},
                                     {11, 9000}}) {
    Linie(f, QStringLiteral("Shape2"), index, 5520, hoehe, 5895);
  }

  // Design state: only the tree and the start button usable until the first reset.
  for (Kostenart art : kKostenarten) {
    Kostenknopf(art)->setEnabled(false);
    Menueknopf(art)->setEnabled(false);
  }
  cmbErgebnisSpeichern->setEnabled(false);
}

// The boxes other than the cost boxes, paired with their fields.
// clang-format off
#define TOLVAR_KALKULATION_FELDER(X)                                                              \
  X(txtName) X(txtAnfang) X(txtEnde) X(txtMenge) X(txtPreis) X(txtMarktleistung) X(txtErloes1000) \
  X(txtSachkosten) X(txtDB) X(txtDBJQM) X(txtDBAkh) X(txtEKFL) X(txtEKFLJQM) X(txtEKFLAkh)
// clang-format on

KalkulationsFenster frmKalkulation::Inhalt() const {
  KalkulationsFenster k;
#define TOLVAR_LESEN(feld) k.feld = S(feld);
  TOLVAR_KALKULATION_FELDER(TOLVAR_LESEN)
#undef TOLVAR_LESEN
  k.txtGewinn[1] = S(txtGewinn[1]);
  k.txtGewinn[2] = S(txtGewinn[2]);
  for (Kostenart art : kKostenarten) {
    k.Wertfeld(art) = S(Wertfeld(art));
    k.Kostenknopf(art) = S(Kostenknopf(art)->text());
  }
  k.KostenknoepfeAktiv = Kostenknoepfe.front()->isEnabled();
  k.MenueknoepfeAktiv = Menueknoepfe.front()->isEnabled();
  k.cmbStartAktiv = cmbStart->isEnabled();
  k.cmbErgebnisSpeichernAktiv = cmbErgebnisSpeichern->isEnabled();
  return k;
}

void frmKalkulation::InhaltSetzen(const KalkulationsFenster& k) {
  const auto setzen = [](QLineEdit* box, const std::string& text) {
    if (box->text() != Q(text)) box->setText(Q(text));
  };
#define TOLVAR_SCHREIBEN(feld) setzen(feld, k.feld);
  TOLVAR_KALKULATION_FELDER(TOLVAR_SCHREIBEN)
#undef TOLVAR_SCHREIBEN
  setzen(txtGewinn[1], k.txtGewinn[1]);
  setzen(txtGewinn[2], k.txtGewinn[2]);
  for (Kostenart art : kKostenarten) {
    setzen(Wertfeld(art), k.Wertfeld(art));
    Kostenknopf(art)->setText(Q(k.Kostenknopf(art)));
    Kostenknopf(art)->setEnabled(k.KostenknoepfeAktiv);
    Menueknopf(art)->setEnabled(k.MenueknoepfeAktiv);
  }
  cmbStart->setEnabled(k.cmbStartAktiv);
  cmbErgebnisSpeichern->setEnabled(k.cmbErgebnisSpeichernAktiv);
}

#undef TOLVAR_KALKULATION_FELDER

void frmKalkulation::Form_Load() {
  Frame()->move(sys::TwipsToPixels(-100), 0);
  mdlMauszeiger::MauszeigerSetzen(*this);
  state().calculation.KalkulationsKnotenSchluessel.clear();
  KalkulationsFenster k = Inhalt();
  mdlKalkulation::KalkulationZuruecksetzen(k, state().calculation);
  InhaltSetzen(k);
}

void frmKalkulation::Form_Activate() {
  if (!state().enterprise.ModusKalkulation) return;
  mdlDatenLaden::KulturenLaden();
  mdlFormen::AktuelleKulturenAnzeigen(*this);
  KulturZurueckholen();
}

void frmKalkulation::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("6.2");
}

bool frmKalkulation::KulturZurueckholen() {
  tolvar::State& s = state();
  const std::string& key = s.calculation.KalkulationsKnotenSchluessel;
  if (!key.empty()) {
    for (int i = 0; i < static_cast<int>(s.masters.KulturListe.size()); ++i) {
      const KulturSatz& k = s.masters.KulturListe[i];
      if (k.KulturNr != key || k.Gliederungspunkt) continue;
      s.selection.KulturIndex = i;
      if (trvKulturen->SelectedItem() != Q(key)) trvKulturen->Select(Q(key));
      return true;
    }
  }
  // No culture chosen, or the chosen one is gone: nothing may be calculated for a stale index.
  s.selection.KulturIndex = static_cast<int>(s.masters.KulturListe.size());
  if (!key.empty() && !txtName->text().isEmpty()) {
    KalkulationsFenster k = Inhalt();
    mdlKalkulation::KalkulationZuruecksetzen(k, state().calculation);
    InhaltSetzen(k);
  }
  return false;
}

void frmKalkulation::trvKulturen_Click() {
  tolvar::State& s = state();
  KalkulationsFenster k = Inhalt();
  mdlKalkulation::KalkulationZuruecksetzen(k, state().calculation);
  InhaltSetzen(k);

  s.calculation.KalkulationsKnotenSchluessel = S(trvKulturen->SelectedItem());
  if (s.calculation.KalkulationsKnotenSchluessel.empty()) return;
  if (!KulturZurueckholen()) return;
  txtName->setText(Q(s.masters.KulturListe[s.selection.KulturIndex].Kulturname));

  // Work that cannot be read is reported by the calculation that needs it.
  mdlKalkulation::KulturdatenLaden();

  // Without phases the boxes stay empty rather than showing an empty slot's zero date.
  const int n = s.culture.AnzahlPhasen;
  if (const PhasenSatz* letzte = At(s.culture.PhasenListe, n); letzte != nullptr && n >= 1) {
    txtMenge->setText(Q(letzte->AnzahlPflanzen));
    txtAnfang->setText(Q(base::DateText(s.culture.PhasenListe[1].Anfang)));
    txtEnde->setText(Q(base::DateText(letzte->Ende)));
  }
  cmbStart->setEnabled(true);
}

void frmKalkulation::trvKulturen_KeyUp(int key) {
  if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) trvKulturen_Click();
}

bool frmKalkulation::Kalkulieren(mdlKalkulation::Eingaben eingaben) { return Rechnen(eingaben, false); }

bool frmKalkulation::UebernahmeKalkulieren() { return Rechnen(mdlKalkulation::Eingaben::Melden, true); }

bool frmKalkulation::Rechnen(mdlKalkulation::Eingaben eingaben, bool verweigerteAuslassen) {
  KulturZurueckholen();
  KalkulationsFenster k = Inhalt();
  bool berechnet = false;
  std::string fokus;
  {
    ui::WaitCursor sanduhr;
    berechnet = mdlKalkulation::KulturKalkulieren(k, eingaben, &fokus);
    // Refused boxes are named by `fokus`: the reported run is followed by the silent one.
    if (!berechnet && verweigerteAuslassen && !fokus.empty()) {
      berechnet = mdlKalkulation::KulturKalkulieren(k, mdlKalkulation::Eingaben::Auslassen);
    }
  }
  InhaltSetzen(k);
  mdlMauszeiger::MauszeigerSetzen(*this);
  FeldFokussieren(fokus);
  return berechnet;
}

void frmKalkulation::FeldFokussieren(const std::string& feld) {
  if (feld.empty()) return;
  if (auto* box = ui::FindControl<QLineEdit>(this, Q(feld))) box->setFocus(Qt::OtherFocusReason);
}

void frmKalkulation::BeschriftungSetzen() {
  KalkulationsFenster k = Inhalt();
  mdlKalkulation::KostenartenBeschriftungSetzen(k, state().calculation);
  for (Kostenart art : kKostenarten) {
    Kostenknopf(art)->setText(Q(k.Kostenknopf(art)));
  }
}

void frmKalkulation::cmbStart_Click() { Kalkulieren(); }

// Leaving a value box recalculates without a word about refused boxes: they are left out.
void frmKalkulation::Wertfeld_LostFocus(Kostenart /*art*/) { Kalkulieren(mdlKalkulation::Eingaben::Auslassen); }

bool frmKalkulation::Wertfeld_KeyPress(Kostenart art, int key, const QString& text) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Menueknopf(art)->setFocus(Qt::TabFocusReason);
    return false;
  }
  // What the box may hold is its key rule's; a character it takes makes the value the user's.
  const ui::KeyRule* regel = ui::KeyRuleOf(Wertfeld(art));
  const bool durch = key == Qt::Key_Backspace || (text.size() == 1 && regel && regel->character(text[0]));
  if (durch) {
    state().calculation.HerkunftVon(art) = Herkunft::Eingegeben;
  } else {
    ui::Beep();
  }
  BeschriftungSetzen();
  return durch;
}

void frmKalkulation::Wertfeld_Bearbeitet(Kostenart art) {
  if (state().calculation.HerkunftVon(art) == Herkunft::Eingegeben) return;
  state().calculation.HerkunftVon(art) = Herkunft::Eingegeben;
  BeschriftungSetzen();
}

bool frmKalkulation::eventFilter(QObject* watched, QEvent* event) {
  for (Kostenart art : kKostenarten) {
    if (watched != Wertfeld(art)) continue;
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Keys that type nothing (Tab, Escape, arrows, Delete, function keys) are no key presses here.
    if (ui::KeyAscii(*key) == 0) return false;
    return !Wertfeld_KeyPress(art, key->key(), key->text());
  }
  return ui::Form::eventFilter(watched, event);
}

void frmKalkulation::Kostenknopf_Click(Kostenart art) {
  const std::optional<double> wert = Zahl(Wertfeld(art));
  const int16_t herkunft = state().calculation.HerkunftVon(art);
  // A computed cost of 0 has no breakdown; the user is told so instead of nothing happening.
  if (wert && *wert == 0 && herkunft == Herkunft::Errechnet) {
    ui::MsgBox(Q(mdlKalkulation::KeineAufschluesselung(art)), ui::msgbox::Information, Q(data::kMeldungTitel));
    return;
  }
  if (!wert || *wert <= 0) return;
  if (art == Kostenart::Vermarktung) {
    if (herkunft == Herkunft::KulturspezifischErrechnet || herkunft == Herkunft::Errechnet) VermarktungInfoZeigen();
    return;
  }
  if (herkunft != Herkunft::Errechnet) return;
  if (art == Kostenart::Gemeinkosten) {
    GemeinkostenInfoZeigen();
    return;
  }
  if (KostenInfoFenster* detail = Detailfenster(art)) detail->Show();
}

void frmKalkulation::Menueknopf_Click(Kostenart art) {
  if (KostenMenue* menue = Menuefenster(art)) menue->Show();
}

void frmKalkulation::VermarktungInfoZeigen() {
  const tolvar::State& s = state();
  QString prozent;
  if (s.calculation.HerkunftVermarktung() == Herkunft::KulturspezifischErrechnet) {
    const std::optional<double> kosten = Zahl(txtVermarktung());
    const std::optional<double> preis = Zahl(txtPreis);
    if (!kosten || !preis || *preis == 0) return;  // the percentage cannot be worked out
    prozent = Q(base::Format(*kosten / *preis / 10.0, "0.0"));
  } else {
    const std::optional<double> einstellung = base::ParseNumber(s.enterprise.AktuelleEinstellungen.Vermarktungskosten);
    if (!einstellung) return;
    prozent = Q(base::Format(*einstellung, "0"));
  }
  const int option = s.calculation.HerkunftVermarktung() == Herkunft::KulturspezifischErrechnet ? 1 : 0;
  VermarktungVorbereiten(frmVermarktungInfo::instanz(), option, prozent);
}

void frmKalkulation::GemeinkostenInfoZeigen() { GemeinkostenVorbereiten(frmGemeinkostenInfo::instanz()); }

void frmKalkulation::cmbErgebnisSpeichern_Click() {
  KalkulationsFenster k = Inhalt();
  std::string fokus;
  mdlkulturVergleich::KalkulationsergebnisSpeichernUndNummerieren(k, "frmKalkulation", &fokus);
  InhaltSetzen(k);
  FeldFokussieren(fokus);
}

}  // namespace tolvar
