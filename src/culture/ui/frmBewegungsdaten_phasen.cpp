// Culture data window, phase mode: the phase tree and grid, the eight edit boxes that write
// through into the grid, their key filters and date checks, and the phase commands.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "culture/mdlBerrechnung_flaechen.h"
#include "culture/mdlKulturPhasenInfo_regeln.h"
#include "culture/mdlStandorte2.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "culture/ui/frmBewegungsdaten_hilfen.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/focus.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"

namespace tolvar {

namespace P = mdlKulturPhasenInfo;

namespace {

constexpr int kPhasenZeilen = P::kMaxPhasen + 1;
constexpr int kLetzteMarkierteSpalte = P::kSpalteDauer;  // column 9, the gross area, is never marked

const char* const kLoeschFrage =
    "Es werde nur die Daten der Kulturphasen (Menge, Termin, TT, NT...), nicht aber Tätigkeiten, Materialien "
    "und Standorte gelöscht.\n\nDies müssen sie für Materialien und Standorte einzeln in der Material- bzw. "
    "Standortverwaltung sowie für Tätigkeiten in Morvin5 erledigen.\n\nWollen sie den Löschvorgang trotzdem "
    "durchführen?";

}  // namespace

using culture::ui::Einfaerben;
using ui::Q;
using ui::S;

std::vector<P::PhasenZeile> frmBewegungsdaten::PhasenZeilen() const {
  std::vector<P::PhasenZeile> zeilen;
  for (int r = 1; r < dtgPhase->Rows(); ++r) {
    P::PhasenZeile z;
    for (int c = 0; c < P::kPhasenSpalten; ++c) z[static_cast<std::size_t>(c)] = S(dtgPhase->TextMatrix(r, c));
    zeilen.push_back(z);
  }
  return zeilen;
}

void frmBewegungsdaten::KulturphasenAnzeigen() {
  trvPhasen->Clear();
  culture::ui::PhasenBaumFuellen(trvPhasen);
  dtgPhase->Clear();
  Einfaerben(dtgPhase, 1, dtgPhase->Rows() - 1, dtgPhase->Cols() - 1, kWeiss);
  PhasenboxenLeeren();

  dtgPhase->SetRows(kPhasenZeilen);
  dtgPhase->resize(9300 / 15, dtgPhase->height());
  static constexpr int kBreiten[P::kPhasenSpalten] = {2000, 1000, 1000, 1000, 1000, 750, 750, 750, 750, 1000};
  for (int c = 0; c < P::kPhasenSpalten; ++c) {
    dtgPhase->SetColWidth(c, kBreiten[c]);
    dtgPhase->SetColAlignment(c, c == 0 ? ui::kAlignLeftCenter : ui::kAlignCenterCenter);
    dtgPhase->SetTextMatrix(0, c, Q(P::kPhasenKoepfe[c]));
  }
  const std::vector<P::PhasenZeile> zeilen = P::KulturphasenTabelle(state().culture);
  for (std::size_t i = 0; i < zeilen.size() && static_cast<int>(i) + 1 < kPhasenZeilen; ++i) {
    for (int c = 0; c < P::kPhasenSpalten; ++c) {
      dtgPhase->SetTextMatrix(static_cast<int>(i) + 1, c, Q(zeilen[i][static_cast<std::size_t>(c)]));
    }
  }
}

void frmBewegungsdaten::PhasenboxenAktivieren(bool an) {
  for (QLineEdit* b : {txtName, txtMenge, txtBeginn, txtEnde, txtTT, txtNT, txtLicht, txtDauer}) b->setEnabled(an);
}

void frmBewegungsdaten::PhasenboxenLeeren() {
  for (QLineEdit* b : {txtName, txtMenge, txtBeginn, txtEnde, txtTT, txtNT, txtLicht, txtDauer}) b->clear();
}

// A box writes its whole text into its column of the row PhasenIndex; the header row and
// rows outside the grid are never written.
void frmBewegungsdaten::BoxInGitter(int spalte, const QLineEdit* box) {
  const int r = state().selection.PhasenIndex;
  if (r < 1 || r >= dtgPhase->Rows()) return;
  dtgPhase->SetTextMatrix(r, spalte, box->text());
}

void frmBewegungsdaten::txtName_Change() { BoxInGitter(P::kSpalteName, txtName); }
void frmBewegungsdaten::txtMenge_Change() { BoxInGitter(P::kSpalteMenge, txtMenge); }
void frmBewegungsdaten::txtBeginn_Change() { BoxInGitter(P::kSpalteBeginn, txtBeginn); }
void frmBewegungsdaten::txtEnde_Change() { BoxInGitter(P::kSpalteEnde, txtEnde); }
void frmBewegungsdaten::txtTT_Change() { BoxInGitter(P::kSpalteTT, txtTT); }
void frmBewegungsdaten::txtNT_Change() { BoxInGitter(P::kSpalteNT, txtNT); }
void frmBewegungsdaten::txtLicht_Change() { BoxInGitter(P::kSpalteLicht, txtLicht); }
void frmBewegungsdaten::txtDauer_Change() { BoxInGitter(P::kSpalteDauer, txtDauer); }

void frmBewegungsdaten::txtName_GotFocus() { txtName->selectAll(); }
void frmBewegungsdaten::txtMenge_GotFocus() { txtMenge->selectAll(); }

// The start box hands the focus on when the calendar cannot show its date.
void frmBewegungsdaten::txtBeginn_GotFocus() {
  txtBeginn->selectAll();
  const std::optional<base::Date> d = base::ParseDate(S(txtBeginn));
  if (d && movDatum->SetValue(*d)) {
    state().windows.KalenderZielBeginn = true;
  } else if (ui::LastFocusReason(txtBeginn) == Qt::BacktabFocusReason) {
    // Moving on the way Shift+Tab came, so the box lets the keyboard pass back.
    txtMenge->setFocus(Qt::BacktabFocusReason);
  } else {
    txtEnde->setFocus();
  }
}

void frmBewegungsdaten::txtEnde_GotFocus() {
  txtEnde->selectAll();
  if (const std::optional<base::Date> d = base::ParseDate(S(txtEnde))) movDatum->SetValue(*d);
  state().windows.KalenderZielBeginn = false;
}

void frmBewegungsdaten::txtName_KeyPress(int& KeyAscii) {
  if (KeyAscii == P::kTasteEnter) txtMenge->setFocus();
}

void frmBewegungsdaten::txtMenge_KeyPress(int& KeyAscii) {
  if (KeyAscii == P::kTasteEnter) txtBeginn->setFocus();
}

void frmBewegungsdaten::PhasenDatumsboxTaste(QLineEdit* box, int& KeyAscii) {
  const bool ganzMarkiert = box->selectedText().size() == box->text().size();
  const P::Tastenwirkung w = P::DatumsfeldTaste(S(box), ganzMarkiert, KeyAscii);
  if (w.Leeren) box->clear();
  if (!w.Durchlassen) {
    ui::Beep();
    KeyAscii = 0;
  }
}

void frmBewegungsdaten::txtBeginn_KeyPress(int& KeyAscii) {
  PhasenDatumsboxTaste(txtBeginn, KeyAscii);
  if (KeyAscii == P::kTasteEnter) txtEnde->setFocus();
}

void frmBewegungsdaten::txtEnde_KeyPress(int& KeyAscii) {
  PhasenDatumsboxTaste(txtEnde, KeyAscii);
  if (KeyAscii != P::kTasteEnter) return;
  state().windows.KalenderZielBeginn = true;
  txtTT->setFocus();
}

void frmBewegungsdaten::PhasenZahlenboxTaste(int& KeyAscii, QLineEdit* weiter) {
  if (!P::ZahlenfeldTaste(KeyAscii)) {
    ui::Beep();
    KeyAscii = 0;
    return;
  }
  if (KeyAscii == P::kTasteEnter && weiter != nullptr) weiter->setFocus();
}

void frmBewegungsdaten::txtTT_KeyPress(int& KeyAscii) { PhasenZahlenboxTaste(KeyAscii, txtNT); }
void frmBewegungsdaten::txtNT_KeyPress(int& KeyAscii) { PhasenZahlenboxTaste(KeyAscii, txtLicht); }
void frmBewegungsdaten::txtLicht_KeyPress(int& KeyAscii) { PhasenZahlenboxTaste(KeyAscii, txtDauer); }

// Enter in the last box saves the phases, without the sequence check.
void frmBewegungsdaten::txtDauer_KeyPress(int& KeyAscii) {
  PhasenZahlenboxTaste(KeyAscii, nullptr);
  if (KeyAscii != P::kTasteEnter) return;
  if (txtName->text().isEmpty()) {
    mdlFehler::MeldungNameFehlt();
    return;
  }
  if (!KulturGewaehlt()) return;
  FlaechenInPhasengitter();
  // Refused: the input stays for correcting.
  if (!PhasenregelnAnwenden(
          [this](const culture::ZellenMalen& m) { return P::KulturphasenSpeichern(PhasenZeilen(), m); }))
    return;
  P::KulturPhasenLaden();
  mdlStandorte2::KulturStandorteLaden();
  KulturphasenAnzeigen();
  cmbEntfernen->setText(QStringLiteral("Neue Kulturphase"));
}

void frmBewegungsdaten::txtName_KeyUp(int key, int /*shift*/) {
  if (key == Qt::Key_Right) txtMenge->setFocus();
}

void frmBewegungsdaten::txtMenge_KeyUp(int key, int /*shift*/) {
  if (key == Qt::Key_Right) txtBeginn->setFocus();
}

void frmBewegungsdaten::txtBeginn_LostFocus() {
  if (state().selection.PhasenIndex != 1) return;
  if (!P::PhasenanfangPruefen(S(txtBeginn), S(txtEnde))) txtEnde->setFocus();
}

void frmBewegungsdaten::txtEnde_LostFocus() {
  if (!state().windows.KalenderZielBeginn) return;
  if (!P::PhasenendePruefen(S(txtBeginn), S(txtEnde))) txtEnde->setFocus();
}

// A date chosen in the calendar goes into the box of an open edit.
void frmBewegungsdaten::movDatum_DatumGewaehlt(base::Date datum) {
  if (!txtName->isEnabled()) return;  // no phase open: the grid must not change
  const QString text = Q(base::DateText(datum));
  if (!state().windows.KalenderZielBeginn) {
    txtEnde->setText(text);
    txtTT->setFocus();
  } else {
    txtBeginn->setText(text);
    txtEnde->setFocus();
  }
}

void frmBewegungsdaten::FlaechenInPhasengitter() {
  for (const mdlBerrechnung::PhasenFlaeche& f : mdlBerrechnung::PhasenFlaechenBerechnen(state().culture)) {
    if (f.Phase < 1 || f.Phase >= dtgPhase->Rows()) continue;
    dtgPhase->SetTextMatrix(f.Phase, P::kSpalteFlaeche, Q(f.Flaeche));
    dtgPhase->SetTextMatrix(f.Phase, P::kSpalteBrutto, Q(f.BruttoFlaeche));
  }
}

void frmBewegungsdaten::PhasenfolgePruefen() {
  // Red before the message shows.
  P::PhasenfolgePruefen(PhasenZeilen(), state().culture, [this](const std::vector<culture::Zelle>& rot) {
    for (const culture::Zelle& z : rot) dtgPhase->SetCellBackColor(z.Zeile, z.Spalte, kRot);
  });
}

bool frmBewegungsdaten::PhasenregelnAnwenden(const std::function<bool(const culture::ZellenMalen&)>& lauf,
                                             int entfernteZeile) {
  std::optional<culture::Zelle> rot;
  const bool ok = lauf([&](const std::vector<culture::Zelle>& zellen) {
    for (culture::Zelle z : zellen) {
      if (entfernteZeile > 0 && z.Zeile >= entfernteZeile) ++z.Zeile;
      dtgPhase->SetCellBackColor(z.Zeile, z.Spalte, kRot);
      rot = z;
    }
  });
  if (ok || !rot || rot->Zeile != state().selection.PhasenIndex || !txtName->isEnabled() ||
      !fraPhasenInfo->isVisible()) {
    return ok;
  }
  QLineEdit* const boxen[P::kPhasenSpalten] = {txtName, txtMenge, nullptr,  txtBeginn, txtEnde,
                                               txtTT,   txtNT,    txtLicht, txtDauer,  nullptr};
  if (rot->Spalte >= 0 && rot->Spalte < P::kPhasenSpalten && boxen[rot->Spalte] != nullptr) {
    boxen[rot->Spalte]->setFocus();
  }
  return ok;
}

void frmBewegungsdaten::cmbEntfernen_Click() {
  const KulturSatz* kultur = GewaehlteKultur();
  if (kultur == nullptr) {
    lblKultur->clear();
    return;
  }
  tolvar::State& s = state();
  if (cmbEntfernen->text() == QStringLiteral("Neue Kulturphase")) {
    if (s.culture.AnzahlPhasen >= P::kMaxPhasen) {  // no 26th phase
      ui::Beep();
      return;
    }
    Einfaerben(dtgPhase, 1, P::kMaxPhasen, kLetzteMarkierteSpalte, kWeiss);
    s.selection.PhasenIndex = s.culture.AnzahlPhasen + 1;
    dtgPhase->SetRow(s.selection.PhasenIndex);
    Einfaerben(dtgPhase, s.selection.PhasenIndex, s.selection.PhasenIndex, kLetzteMarkierteSpalte, kMarkierung);
    cmbEntfernen->setText(QStringLiteral("Eingabe löschen"));
    PhasenboxenAktivieren(true);
    for (QLineEdit* b : {txtName, txtMenge, txtEnde, txtTT, txtNT, txtLicht, txtDauer}) b->clear();
    base::Date beginn = kultur->Arbeitsbeginn;
    if (const PhasenSatz* vorige = At(s.culture.PhasenListe, s.selection.PhasenIndex - 1);
        vorige != nullptr && s.selection.PhasenIndex > 1) {
      beginn = vorige->Ende + 1;
    }
    txtBeginn->setText(Q(base::DateText(beginn)));
    if (movDatum->SetMinDate(beginn + 1)) movDatum->SetValue(beginn + 1);
    txtName->setFocus();
  } else {
    cmbEntfernen->setText(QStringLiteral("Neue Kulturphase"));
    PhasenboxenAktivieren(false);
    PhasenboxenLeeren();
    Einfaerben(dtgPhase, 1, dtgPhase->Rows() - 1, dtgPhase->Cols() - 1, kWeiss);
  }
}

void frmBewegungsdaten::cmbLoeschen_Click() {
  if (!KulturGewaehlt()) {
    lblKultur->clear();
    return;
  }
  tolvar::State& s = state();
  dtgPhase->SetCol(0);
  int r = -1;
  for (int i = 0; i < dtgPhase->Rows(); ++i) {
    if (dtgPhase->CellBackColor(i, 0) == kMarkierung) {
      r = i;
      break;
    }
  }
  if (r < 1) return;
  s.selection.PhasenIndex = r;
  if (ui::MsgBox(Q(kLoeschFrage), ui::msgbox::YesNo + ui::msgbox::Question, QStringLiteral("Tolvar-Information")) ==
      ui::msgbox::No) {
    return;
  }
  // The grid as it will be, worked out aside: the stored phase goes and the rest is rewritten
  // together, and a refusal leaves grid and table as they were.
  std::vector<P::PhasenZeile> zeilen = PhasenZeilen();
  if (s.selection.PhasenIndex > 1) P::PhasenTermineNachruecken(zeilen, s.culture, s.selection);
  std::vector<P::PhasenZeile> verbleibend = zeilen;
  verbleibend.erase(verbleibend.begin() + (r - 1));
  if (!PhasenregelnAnwenden([&](const culture::ZellenMalen& m) { return P::KulturphaseLoeschen(verbleibend, m); }, r))
    return;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    dtgPhase->SetTextMatrix(static_cast<int>(i) + 1, P::kSpalteBeginn, Q(zeilen[i][P::kSpalteBeginn]));
    dtgPhase->SetTextMatrix(static_cast<int>(i) + 1, P::kSpalteEnde, Q(zeilen[i][P::kSpalteEnde]));
  }
  dtgPhase->RemoveItem(r);
  P::KulturPhasenLaden();
  mdlStandorte2::KulturStandorteLaden();
  KulturphasenAnzeigen();
}

void frmBewegungsdaten::cmbSpeichern_Click() {
  if (!KulturGewaehlt()) {
    lblKultur->clear();
    return;
  }
  if (txtName->text().isEmpty()) {
    mdlFehler::MeldungNameFehlt();
    cmbEntfernen->setText(QStringLiteral("Neue Kulturphase"));
    return;
  }
  PhasenfolgePruefen();
  if (!state().culture.EingabeOk) return;
  // Refused: the input stays for correcting.
  if (!PhasenregelnAnwenden(
          [this](const culture::ZellenMalen& m) { return P::KulturphasenSpeichern(PhasenZeilen(), m); }))
    return;
  P::KulturPhasenLaden();
  mdlStandorte2::KulturStandorteLaden();
  KulturphasenAnzeigen();
  cmbEntfernen->setText(QStringLiteral("Neue Kulturphase"));
}

void frmBewegungsdaten::trvPhasen_Click() {
  tolvar::State& s = state();
  const int n = trvPhasen->IndexOf(trvPhasen->SelectedItem());
  if (n < 1) return;
  Einfaerben(dtgPhase, 1, P::kMaxPhasen, kLetzteMarkierteSpalte, kWeiss);
  s.selection.PhasenIndex = n;
  dtgPhase->SetRow(n);
  Einfaerben(dtgPhase, n, n, kLetzteMarkierteSpalte, kMarkierung);
  dtgPhase->SetRowSel(n);
  PhasenboxenAktivieren(true);
  if (n < static_cast<int>(s.culture.PhasenListe.size())) {
    const PhasenSatz& p = s.culture.PhasenListe[static_cast<std::size_t>(n)];
    txtName->setText(Q(p.Phasennamen));
    txtMenge->setText(Q(p.AnzahlPflanzen));
    txtBeginn->setText(Q(base::DateText(p.Anfang)));
    txtEnde->setText(Q(base::DateText(p.Ende)));
    txtTT->setText(Q(p.TT));
    txtNT->setText(Q(p.NT));
    txtLicht->setText(Q(p.Intensitaet));
    txtDauer->setText(Q(p.Dauer));
  }
  if (const std::optional<base::Date> d = base::ParseDate(S(txtBeginn))) movDatum->SetValue(*d);
  txtName->setFocus();
}

}  // namespace tolvar
