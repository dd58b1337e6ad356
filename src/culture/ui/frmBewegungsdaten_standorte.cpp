// Culture data window, site mode: sites, site groups or all sites dragged from the site tree
// onto the phases' occupancy grid, occupancies edited, removed and saved, phase areas following.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "culture/mdlBerrechnung_flaechen.h"
#include "culture/mdlKulturPhasenInfo_regeln.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "culture/ui/frmBewegungsdaten_hilfen.h"
#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

namespace St = mdlStandorte2;
using culture::ui::Einfaerben;
using culture::ui::Phase;
using culture::ui::PhaseZeigen;
using ui::Q;

namespace {

constexpr int kLetzteSpalte = St::kSpalteEnde;
const QString kWurzel = QStringLiteral("Standort");

// The boxes of the site mode that show the chosen phase.
culture::ui::Phasenboxen Standortboxen(const frmBewegungsdaten& f) {
  return {.name = f.txtPhaseName,
          .beginn = f.txtBeginn_B,
          .ende = f.txtEnde_B,
          .tt = f.txtTT_B,
          .nt = f.txtNT_B,
          .licht = f.txtLicht_B,
          .dauer = f.txtDauer_B};
}

}  // namespace

void frmBewegungsdaten::cmbStandorte_Click() {
  const KulturSatz* kultur = GewaehlteKultur();
  if (kultur == nullptr) {
    lblKultur->clear();
    return;
  }
  if (trvPhasen->Count() == 0) return;
  ModusZeigen(fraBearbeitenModus2);
  if (kultur->Kulturname != "0") lblPhasenUeberschrift->setText(Q(kultur->Kulturname));
  trvStandort->setEnabled(true);
  dtgStandorteModus2->setEnabled(true);
  StandortPhasenBaumAnzeigen();
  mdlKulturPhasenInfo::KulturPhasenLaden();
  mdlDatenLaden::StandorteLaden();
  mdlFormen::BewegungsdatenStandorteAnzeigen();
  // The occupancies are read before the grid shows them, so it never shows another culture's.
  const bool geladen = St::KulturStandorteLaden();
  KulturStandorteTabelleEinrichten();
  if (!geladen) ModusZeigen(fraPhasenInfo);
}

// A culture chosen while the site mode is shown. The site tree is rebuilt on the arrow-key
// path too: reloading the site list clears the marks of the sites shown in the tree, which
// a drop of the whole tree relies on.
void frmBewegungsdaten::StandortmodusFuellen(bool perPfeiltaste) {
  mdlKulturPhasenInfo::KulturPhasenLaden();
  StandortPhasenBaumAnzeigen();
  mdlDatenLaden::StandorteLaden();
  mdlFormen::BewegungsdatenStandorteAnzeigen();
  St::KulturStandorteLaden();
  KulturStandorteTabelleEinrichten();
  if (!perPfeiltaste) {
    FlaechenInPhasengitter();
    return;
  }
  const KulturSatz* kultur = GewaehlteKultur();
  const PhasenSatz* letzte = Phase(state().culture.AnzahlPhasen);
  if (kultur != nullptr && letzte != nullptr)
    culture::ui::KalenderBereich(movStandort, kultur->Arbeitsbeginn, letzte->Ende);
}

void frmBewegungsdaten::StandortPhasenBaumAnzeigen() {
  trvPhasen_B->Clear();
  culture::ui::PhasenBaumFuellen(trvPhasen_B);
  if (const PhasenSatz* p = Phase(1)) {
    PhaseZeigen(*p, Standortboxen(*this));
  }
}

void frmBewegungsdaten::KulturStandorteTabelleEinrichten() {
  const std::vector<St::StandortZeile> zeilen = St::KulturStandorteTabelle(state().culture);
  ui::Grid* g = dtgStandorteModus2;
  g->Clear();
  g->SetRows(static_cast<int>(zeilen.size()) + 1);
  Einfaerben(g, 1, g->Rows() - 1, g->Cols() - 1, kWeiss);
  static constexpr int kBreiten[4] = {2150, 1300, 1300, 1300};
  for (int c = 0; c < 4; ++c) {
    g->SetColWidth(c, kBreiten[c]);
    g->SetColAlignment(c, c == 0 ? ui::kAlignLeftCenter : ui::kAlignCenterCenter);
    g->SetTextMatrix(0, c, Q(St::kStandortKoepfe[c]));
  }
  m_standortNummern.assign(static_cast<std::size_t>(g->Rows()), std::string());
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    g->SetTextMatrix(r, St::kSpalteStandort, Q(zeilen[i].StandortName));
    g->SetTextMatrix(r, St::kSpalteFlaeche, Q(zeilen[i].Flaeche));
    g->SetTextMatrix(r, St::kSpalteBeginn, Q(zeilen[i].Beginn));
    g->SetTextMatrix(r, St::kSpalteEnde, Q(zeilen[i].Ende));
    m_standortNummern[i + 1] = zeilen[i].StandortNr;
  }
}

void frmBewegungsdaten::StandortgitterLeeren() {
  dtgStandorteModus2->Clear();
  dtgStandorteModus2->SetRows(1);
  m_standortNummern.assign(1, std::string());
}

std::vector<St::StandortZeile> frmBewegungsdaten::StandortZeilen() const {
  std::vector<St::StandortZeile> zeilen;
  const ui::Grid* g = dtgStandorteModus2;
  for (int r = 1; r < g->Rows(); ++r) {
    St::StandortZeile z;
    z.StandortName = ui::S(g->TextMatrix(r, St::kSpalteStandort));
    if (const std::string* nr = At(m_standortNummern, r)) z.StandortNr = *nr;
    z.Flaeche = ui::S(g->TextMatrix(r, St::kSpalteFlaeche));
    z.Beginn = ui::S(g->TextMatrix(r, St::kSpalteBeginn));
    z.Ende = ui::S(g->TextMatrix(r, St::kSpalteEnde));
    zeilen.push_back(z);
  }
  return zeilen;
}

void frmBewegungsdaten::StandortgitterMarkieren(int zeile) {
  Einfaerben(dtgStandorteModus2, 1, dtgStandorteModus2->Rows() - 1, kLetzteSpalte, kWeiss);
  if (zeile >= 1) Einfaerben(dtgStandorteModus2, zeile, zeile, kLetzteSpalte, kMarkierung);
}

void frmBewegungsdaten::trvPhasen_B_Click() {
  tolvar::State& s = state();
  for (QLineEdit* b : {txtPhaseName, txtEnde_B, txtTT_B, txtNT_B, txtLicht_B, txtDauer_B}) b->clear();
  txtBeginn_B->setText(Q(base::DateText(base::Today())));
  const std::string key = ui::S(trvPhasen_B->SelectedItem());
  for (int k = 1; k <= mdlKulturPhasenInfo::kMaxPhasen; ++k) {
    const PhasenSatz* p = Phase(k);
    if (p != nullptr && !key.empty() && p->KP_ID == key) {
      s.selection.PhasenIndex = k;
      break;
    }
  }
  const PhasenSatz* p = Phase(s.selection.PhasenIndex);
  StandortgitterMarkieren(0);
  if (p == nullptr) return;
  PhaseZeigen(*p, Standortboxen(*this));
  // Occupancies that begin within the phase are marked; rows with a date that is no date are not.
  ui::Grid* g = dtgStandorteModus2;
  for (int r = 1; r < g->Rows(); ++r) {
    const auto b = culture::GitterDatum(ui::S(g->TextMatrix(r, St::kSpalteBeginn)));
    const auto e = culture::GitterDatum(ui::S(g->TextMatrix(r, St::kSpalteEnde)));
    if (!b || !e) continue;
    if (*b >= p->Anfang && *b <= p->Ende && *e >= p->Anfang) Einfaerben(g, r, r, kLetzteSpalte, kMarkierung);
  }
}

void frmBewegungsdaten::trvStandort_MouseDown(int /*button*/, int /*shift*/, int x, int y) {
  const QString node = trvStandort->HitTest(QPoint(x, y));
  state().windows.ZiehKnoten = ui::S(node);
  trvStandort->SetDropHighlight(node);
}

// A drag starts only from a node, so a drop never takes a node chosen earlier.
void frmBewegungsdaten::trvStandort_MouseMove(int buttons, int /*shift*/, int /*x*/, int /*y*/) {
  if (buttons != 1 || state().windows.ZiehKnoten.empty()) return;
  state().windows.ZiehenAktiv = true;
  trvStandort->SetDragIcon(imlStandorte->Picture(QStringLiteral("drag-standort")));
  trvStandort->Drag();
}

void frmBewegungsdaten::trvStandort_MouseUp(int button, int /*shift*/, int x, int y) {
  if (button == 1 && KnotenGetroffen(x, y)) KnotenSchluessel = trvStandort->SelectedItem();
}

void frmBewegungsdaten::trvStandort_DragOver(const ui::DragSource& /*source*/, int x, int y) {
  if (state().windows.ZiehenAktiv) trvStandort->SetDropHighlight(trvStandort->HitTest(QPoint(x, y)));
}

void frmBewegungsdaten::trvStandort_DragDrop(const ui::DragSource& /*source*/, int /*x*/, int /*y*/) {
  if (trvStandort->DropHighlight().isEmpty() || state().windows.ZiehKnoten.empty()) {
    trvStandort->ClearDropHighlight();
    state().windows.ZiehenAktiv = false;
  }
}

int frmBewegungsdaten::StandortZeileAnfuegen(int standortIndex) {
  tolvar::State& s = state();
  const StandortSatz& st = s.masters.StandortListe[static_cast<std::size_t>(standortIndex)];
  ui::Grid* g = dtgStandorteModus2;
  const int r = ++s.culture.AnzahlKulturStandorte;
  g->SetRows(std::max(g->Rows() + 1, r + 1));
  m_standortNummern.resize(static_cast<std::size_t>(g->Rows()));
  g->SetTextMatrix(r, St::kSpalteStandort, Q(st.Standortname));
  g->SetTextMatrix(r, St::kSpalteFlaeche, QString());
  g->SetTextMatrix(r, St::kSpalteBeginn, txtBeginn_B->text());
  g->SetTextMatrix(r, St::kSpalteEnde, txtEnde_B->text());
  m_standortNummern[static_cast<std::size_t>(r)] = st.StandortNr;
  return r;
}

void frmBewegungsdaten::dtgStandorteModus2_DragDrop(const ui::DragSource& source, int /*x*/, int /*y*/) {
  if (txtPhaseName->text().isEmpty()) return;
  tolvar::State& s = state();
  ui::Grid* g = dtgStandorteModus2;
  int zuletzt = 0;
  // Only this window's site tree brings sites; its selected node is what was dragged.
  if (source.Is(trvStandort)) {
    KnotenSchluessel = trvStandort->SelectedItem();
    if (KnotenSchluessel.isEmpty()) return;
    const std::string key = ui::S(KnotenSchluessel);
    int gefunden = -1;
    for (int i = 0; i < static_cast<int>(s.masters.StandortListe.size()); ++i) {
      if (s.masters.StandortListe[static_cast<std::size_t>(i)].StandortNr == key) {
        gefunden = i;
        s.selection.StandortIndex = i;
        break;
      }
    }
    if (KnotenSchluessel == kWurzel) {
      for (int j = 0; j < static_cast<int>(s.masters.StandortListe.size()); ++j) {
        const StandortSatz& st = s.masters.StandortListe[static_cast<std::size_t>(j)];
        if (!st.Gliederungspunkt && st.ImBaum && st.StandortNr != "Sta1000") zuletzt = StandortZeileAnfuegen(j);
      }
    } else if (gefunden >= 0 && s.masters.StandortListe[static_cast<std::size_t>(gefunden)].Gliederungspunkt) {
      // Every site below the group, at any depth, in the tree's node order.
      for (int pos = 1; pos <= trvStandort->Count(); ++pos) {
        const QString blatt = trvStandort->KeyAt(pos);
        if (!trvStandort->Children(blatt).isEmpty()) continue;
        bool darunter = false;
        for (QString k = blatt; !k.isEmpty(); k = trvStandort->ParentKey(k)) {
          if (k == KnotenSchluessel) darunter = true;
          if (darunter || k == kWurzel) break;
        }
        if (!darunter) continue;
        for (int j = 0; j < static_cast<int>(s.masters.StandortListe.size()); ++j) {
          const StandortSatz& st = s.masters.StandortListe[static_cast<std::size_t>(j)];
          if (st.StandortNr != ui::S(blatt)) continue;
          if (!st.Gliederungspunkt) zuletzt = StandortZeileAnfuegen(j);
          break;
        }
      }
    } else if (gefunden >= 0) {
      zuletzt = StandortZeileAnfuegen(gefunden);
    }
  }
  StandortgitterMarkieren(zuletzt > 0 ? zuletzt : (g->Rows() > 1 ? 1 : 0));
  if (zuletzt > 0) g->SetRow(zuletzt);
  g->SetCol(St::kSpalteFlaeche);
  g->setFocus();
}

void frmBewegungsdaten::dtgStandorteModus2_DblClick() {
  ui::Grid* g = dtgStandorteModus2;
  const int r = g->Row();
  const int c = g->Col();
  StandortgitterMarkieren(0);
  if (r < 1 || g->TextMatrix(r, St::kSpalteStandort).isEmpty()) return;
  StandortgitterMarkieren(r);
  const KulturSatz* kultur = GewaehlteKultur();
  const tolvar::State& s = state();
  if (c == St::kSpalteFlaeche) {
    g->SetTextMatrix(r, c, QString());
  } else if (c == St::kSpalteBeginn && kultur != nullptr) {
    if (const PhasenSatz* letzte = Phase(s.culture.AnzahlPhasen)) {
      culture::ui::KalenderBereich(movStandort, kultur->Arbeitsbeginn, letzte->Ende);
    }
    base::Date datum = kultur->Arbeitsbeginn;
    if (r == 1) {
      if (const PhasenSatz* erste = Phase(1)) datum = erste->Anfang;
    } else if (const auto oben = culture::GitterDatum(ui::S(g->TextMatrix(r - 1, St::kSpalteEnde)))) {
      datum = *oben;
    }
    culture::ui::KalenderZeigen(movStandort, datum);
  } else if (c == St::kSpalteEnde) {
    base::Date datum = base::Today();
    if (const auto zelle = culture::GitterDatum(ui::S(g->TextMatrix(r, c)))) {
      datum = *zelle;
    } else if (const PhasenSatz* p = Phase(s.selection.PhasenIndex)) {
      datum = p->Ende;
    }
    culture::ui::KalenderZeigen(movStandort, datum);
  } else {
    return;
  }
  if (c == St::kSpalteBeginn || c == St::kSpalteEnde) {
    m_kalenderZeile = r;
    m_kalenderSpalte = c;
  }
}

// The date goes into the cell whose double click opened the calendar.
void frmBewegungsdaten::movStandort_DatumGewaehlt(base::Date datum) {
  ui::Grid* g = dtgStandorteModus2;
  if (m_kalenderZeile >= 1 && m_kalenderZeile < g->Rows() &&
      (m_kalenderSpalte == St::kSpalteBeginn || m_kalenderSpalte == St::kSpalteEnde)) {
    g->SetTextMatrix(m_kalenderZeile, m_kalenderSpalte, Q(base::DateText(datum)));
  }
  movStandort->hide();
}

// Typing into the selected cell: whole numbers into the area, dates of at most 10 characters.
void frmBewegungsdaten::dtgStandorteModus2_KeyPress(int KeyAscii) {
  ui::Grid* g = dtgStandorteModus2;
  const int r = g->Row();
  const int c = g->Col();
  if (r < 1) return;
  if (KeyAscii == 13) {
    if (c < St::kSpalteEnde) {
      g->SetCol(c + 1);
    } else {
      if (r < g->Rows() - 1) g->SetRow(r + 1);
      g->SetCol(St::kSpalteStandort);
    }
    g->setFocus();
    return;
  }
  QString text = g->TextMatrix(r, c);
  const bool ziffer = KeyAscii >= '0' && KeyAscii <= '9';
  if (c == St::kSpalteFlaeche) {
    if (KeyAscii == 8) text.chop(1);
    if (ziffer) text += QChar(KeyAscii);
  } else if (c == St::kSpalteBeginn || c == St::kSpalteEnde) {
    if (KeyAscii == 8) text.chop(1);
    if ((ziffer || KeyAscii == '.') && text.size() < 10) text += QChar(KeyAscii);
  }
  if (c != St::kSpalteStandort) g->SetTextMatrix(r, c, text);
  g->setFocus();
}

void frmBewegungsdaten::cmbLoeschen_B_Click() {
  if (!KulturGewaehlt()) return;
  ui::Grid* g = dtgStandorteModus2;
  int r = -1;
  for (int i = 0; i < g->Rows(); ++i) {
    if (g->CellBackColor(i, St::kSpalteStandort) == kMarkierung) {
      r = i;
      break;
    }
  }
  if (r < 1) return;
  if (g->Rows() == 2) {
    g->Clear();
    m_standortNummern.assign(2, std::string());
  } else {
    g->RemoveItem(r);
    if (r < static_cast<int>(m_standortNummern.size())) m_standortNummern.erase(m_standortNummern.begin() + r);
  }
  tolvar::State& s = state();
  s.culture.AnzahlKulturStandorte = std::max(0, s.culture.AnzahlKulturStandorte - 1);
  cmbSpeichernStandort_Click();
}

// Saving stores the occupancies, then the phases with the areas that follow from them.
void frmBewegungsdaten::cmbSpeichernStandort_Click() {
  if (!KulturGewaehlt()) return;
  const std::vector<St::StandortZeile> zeilen = StandortZeilen();
  // Red before the message shows.
  const auto rot = [this](const std::vector<culture::Zelle>& zellen) {
    for (const culture::Zelle& z : zellen) dtgStandorteModus2->SetCellBackColor(z.Zeile, z.Spalte, kRot);
  };
  St::KulturStandorteEingabePruefen(zeilen, state().culture, state().masters, rot);
  if (!state().culture.EingabeOk) return;
  // The occupancies and the phases with the areas that follow from them are checked together
  // and stored together; a refusal writes neither and leaves the phase grid as it was.
  if (!PhasenregelnAnwenden(
          [&](const culture::ZellenMalen& m) { return St::KulturStandorteSpeichern(zeilen, PhasenZeilen(), rot, m); }))
    return;
  St::KulturStandorteLaden();
  KulturStandorteTabelleEinrichten();
  FlaechenInPhasengitter();
  mdlKulturPhasenInfo::KulturPhasenLaden();
}

void frmBewegungsdaten::cmbAbbruch_Click() {
  ModusZeigen(fraPhasenInfo);
  const KulturSatz* kultur = GewaehlteKultur();
  if (kultur != nullptr && kultur->Kulturname != "0") lblKultur->setText(Q(kultur->Kulturname));
  trvKulturen->setEnabled(true);
  if (kultur == nullptr) return;  // nothing of a group is stored
  mdlKulturPhasenInfo::KulturPhasenLaden();
  St::KulturStandorteLaden();
  FlaechenInPhasengitter();
  PhasenfolgePruefen();
  if (!state().culture.EingabeOk) return;
  PhasenregelnAnwenden(
      [this](const culture::ZellenMalen& m) { return mdlKulturPhasenInfo::KulturphasenSpeichern(PhasenZeilen(), m); });
}

}  // namespace tolvar
