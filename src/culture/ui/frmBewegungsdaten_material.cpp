// Culture data window, material mode: materials, material groups or all materials dragged
// from the material tree onto the culture's material rows, with quantities by reference unit.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "culture/mdlKulturPhasenInfo_regeln.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "culture/ui/frmBewegungsdaten_hilfen.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlTopfSubstrate.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {

namespace Ma = mdlKulturMaterial;
using culture::ui::Einfaerben;
using culture::ui::Phase;
using ui::Q;
using ui::S;

namespace {

constexpr int kLetzteSpalte = Ma::kSpalteBezug;
const QString kWurzel = QStringLiteral("Material");

// The boxes of the material mode that show the chosen phase.
culture::ui::Phasenboxen Materialboxen(const frmBewegungsdaten& f) {
  return {.name = f.txtNameMaterial,
          .menge = f.txtMengeMaterial,
          .beginn = f.txtBeginnMaterial,
          .ende = f.txtEndeMaterial,
          .tt = f.txtTTMaterial,
          .nt = f.txtNTMaterial,
          .flaeche = f.txtMaterialFlaeche};
}

// The quantity of a dropped material: its units per reference unit times the phase's plants
// (per plant, per 1000 plants) or net area (per Nm², per 1000 Nm²); empty when it cannot be
// worked out.
std::string Menge(const MaterialSatz& m, const std::string& pflanzen, const std::string& flaeche) {
  const std::optional<double> e = base::ParseNumber(m.Einheit);
  const std::optional<double> p = base::ParseNumber(pflanzen);
  const std::optional<double> a = base::ParseNumber(flaeche);
  std::optional<double> menge;
  switch (m.Bezug) {
    case 1:
      if (e && p) menge = *e * *p;
      break;
    case 2:
      if (e && p) menge = *e * *p / 1000.0;
      break;
    case 3:
      if (e && a) menge = *e * *a;
      break;
    case 4:
      if (e && a) menge = *e * *a / 1000.0;
      break;
    default:
      break;
  }
  if (!menge || !std::isfinite(*menge)) return {};
  return base::NumberText(*menge);
}

// The reference text a drop writes (with a blank in "je 1000 Nm²").
QString DropBezugstext(const MaterialSatz& m) {
  const bool substrat = m.UeberPNr == Ma::kSubstratGruppe;
  switch (m.Bezug) {
    case 1:
      return substrat ? QStringLiteral("Liter") : QStringLiteral("je Pflanze");
    case 2:
      return substrat ? QStringLiteral("m³") : QStringLiteral("je 1000 Pflanzen");
    case 3:
      return QStringLiteral("je Nm²");
    case 4:
      return QStringLiteral("je 1000 Nm²");
    default:
      return {};
  }
}

}  // namespace

void frmBewegungsdaten::cmbMaterial_Click() {
  const KulturSatz* kultur = GewaehlteKultur();
  if (kultur == nullptr) {
    lblKultur->clear();
    return;
  }
  if (trvPhasen->Count() == 0) return;
  ModusZeigen(fraMaterial);
  lblPhasenUeberschriftMaterial->setText(kultur->Kulturname == "0" ? QString() : Q(kultur->Kulturname));
  trvMaterial->setEnabled(true);
  dtgMaterial->setEnabled(true);
  MaterialPhasenBaumAnzeigen();
  const bool materialien = mdlDatenLaden::MaterialienLaden();
  mdlTopfSubstrate::GefaesseLaden();
  mdlFormen::BewegungsdatenMaterialienAnzeigen();
  const bool zeilen = Ma::KulturMaterialLaden();
  KulturMaterialTabelleAnzeigen();
  if (!materialien || !zeilen) ModusZeigen(fraPhasenInfo);
}

// A culture chosen while the material mode is shown.
void frmBewegungsdaten::MaterialmodusFuellen() {
  mdlStandorte2::KulturStandorteLaden();
  MaterialPhasenBaumAnzeigen();
  mdlDatenLaden::MaterialienLaden();
  mdlTopfSubstrate::GefaesseLaden();
  mdlFormen::BewegungsdatenMaterialienAnzeigen();
  Ma::KulturMaterialLaden();
  KulturMaterialTabelleAnzeigen();
  const KulturSatz* kultur = GewaehlteKultur();
  const PhasenSatz* letzte = Phase(state().culture.AnzahlPhasen);
  if (kultur != nullptr && letzte != nullptr)
    culture::ui::KalenderBereich(movMaterial, kultur->Arbeitsbeginn, letzte->Ende);
}

void frmBewegungsdaten::cmbAbbruchMaterial_Click() {
  ModusZeigen(fraPhasenInfo);
  const KulturSatz* kultur = GewaehlteKultur();
  if (kultur != nullptr && kultur->Kulturname != "0") lblKultur->setText(Q(kultur->Kulturname));
}

void frmBewegungsdaten::MaterialPhasenBaumAnzeigen() {
  trvPhasenMaterial->Clear();
  culture::ui::PhasenBaumFuellen(trvPhasenMaterial);
  MaterialboxenLeeren();
  const PhasenSatz* p = Phase(1);
  if (p == nullptr) return;
  MaterialphaseZeigen(*p);
}

// All seven boxes are emptied first and then filled from the phase's fields that are not
// "0": a drop computes its quantity from the plants and the area shown, so it never takes
// those of a phase or culture shown before, and a phase without plants or area leaves the
// quantity that needs them empty (missing, not zero).
void frmBewegungsdaten::MaterialboxenLeeren() {
  for (QLineEdit* b : {txtNameMaterial, txtBeginnMaterial, txtEndeMaterial, txtTTMaterial, txtNTMaterial,
                       txtMengeMaterial, txtMaterialFlaeche}) {
    b->clear();
  }
}

void frmBewegungsdaten::MaterialphaseZeigen(const PhasenSatz& phase) {
  MaterialboxenLeeren();
  culture::ui::PhaseZeigen(phase, Materialboxen(*this));
}

void frmBewegungsdaten::KulturMaterialTabelleAnzeigen() {
  const tolvar::State& s = state();
  ui::Grid* g = dtgMaterial;
  g->Clear();
  g->resize(6000 / 15, g->height());
  static constexpr int kBreiten[4] = {2150, 1200, 1200, 1550};
  for (int c = 0; c < 4; ++c) {
    g->SetColWidth(c, kBreiten[c]);
    g->SetColAlignment(c, c == 0 || c == 3 ? ui::kAlignLeftCenter : ui::kAlignCenterCenter);
    g->SetTextMatrix(0, c, Q(Ma::kMaterialKoepfe[c]));
  }
  const std::vector<Ma::MaterialZeile> zeilen = Ma::KulturMaterialTabelle(state().culture, state().masters);
  if (s.culture.AnzahlKulturMaterialien > 0)
    g->SetRows(std::max(s.culture.AnzahlKulturMaterialien, static_cast<int>(zeilen.size())) + 1);
  Einfaerben(g, 1, g->Rows() - 1, g->Cols() - 1, kWeiss);
  m_materialNummern.assign(static_cast<std::size_t>(g->Rows()), std::string());
  for (std::size_t i = 0; i < zeilen.size() && static_cast<int>(i) + 1 < g->Rows(); ++i) {
    const int r = static_cast<int>(i) + 1;
    g->SetTextMatrix(r, Ma::kSpalteMaterial, Q(zeilen[i].Materialname));
    g->SetTextMatrix(r, Ma::kSpalteDatum, Q(zeilen[i].Datum));
    g->SetTextMatrix(r, Ma::kSpalteEinheiten, Q(zeilen[i].Menge));
    g->SetTextMatrix(r, Ma::kSpalteBezug, Q(zeilen[i].Bezugstext));
    m_materialNummern[i + 1] = zeilen[i].MaNr;
  }
}

void frmBewegungsdaten::MaterialgitterLeeren() {
  dtgMaterial->Clear();
  m_materialNummern.assign(static_cast<std::size_t>(dtgMaterial->Rows()), std::string());
}

std::vector<Ma::MaterialZeile> frmBewegungsdaten::MaterialZeilen() const {
  std::vector<Ma::MaterialZeile> zeilen;
  const ui::Grid* g = dtgMaterial;
  for (int r = 1; r < g->Rows(); ++r) {
    Ma::MaterialZeile z;
    z.Materialname = S(g->TextMatrix(r, Ma::kSpalteMaterial));
    if (const std::string* nr = At(m_materialNummern, r)) z.MaNr = *nr;
    z.Datum = S(g->TextMatrix(r, Ma::kSpalteDatum));
    z.Menge = S(g->TextMatrix(r, Ma::kSpalteEinheiten));
    z.Bezugstext = S(g->TextMatrix(r, Ma::kSpalteBezug));
    zeilen.push_back(z);
  }
  return zeilen;
}

void frmBewegungsdaten::MaterialgitterMarkieren(int zeile, int spalten) {
  Einfaerben(dtgMaterial, 1, dtgMaterial->Rows() - 1, spalten, kWeiss);
  if (zeile >= 1) Einfaerben(dtgMaterial, zeile, zeile, spalten, kMarkierung);
}

// Choosing a phase shows it in the boxes and marks the rows dated within it.
void frmBewegungsdaten::trvPhasenMaterial_Click() {
  tolvar::State& s = state();
  MaterialboxenLeeren();
  const std::string key = S(trvPhasenMaterial->SelectedItem());
  for (int k = 1; k <= mdlKulturPhasenInfo::kMaxPhasen; ++k) {
    const PhasenSatz* p = Phase(k);
    if (p != nullptr && !key.empty() && p->KP_ID == key) {
      s.selection.PhasenIndex = k;
      break;
    }
  }
  MaterialgitterMarkieren(0, kLetzteSpalte);
  const PhasenSatz* p = Phase(s.selection.PhasenIndex);
  if (p == nullptr) return;
  MaterialphaseZeigen(*p);
  ui::Grid* g = dtgMaterial;
  for (int r = 1; r < g->Rows(); ++r) {
    const std::optional<base::Date> d = culture::GitterDatum(S(g->TextMatrix(r, Ma::kSpalteDatum)));
    if (!d) break;
    if (*d >= p->Anfang && *d <= p->Ende) Einfaerben(g, r, r, kLetzteSpalte, kMarkierung);
  }
}

void frmBewegungsdaten::trvMaterial_MouseDown(int /*button*/, int /*shift*/, int x, int y) {
  const QString node = trvMaterial->HitTest(QPoint(x, y));
  state().windows.ZiehKnoten = S(node);
  trvMaterial->SetDropHighlight(node);
}

// A drag starts only from a node, so a drop never takes a node chosen earlier.
void frmBewegungsdaten::trvMaterial_MouseMove(int buttons, int /*shift*/, int /*x*/, int /*y*/) {
  if (buttons != 1 || state().windows.ZiehKnoten.empty()) return;
  state().windows.ZiehenAktiv = true;
  trvMaterial->SetDragIcon(imlMaterial->Picture(QStringLiteral("drag-material")));
  trvMaterial->Drag();
}

void frmBewegungsdaten::trvMaterial_MouseUp(int button, int /*shift*/, int x, int y) {
  if (button == 1 && KnotenGetroffen(x, y)) KnotenSchluessel = trvMaterial->SelectedItem();
}

void frmBewegungsdaten::trvMaterial_DragOver(const ui::DragSource& /*source*/, int x, int y) {
  if (state().windows.ZiehenAktiv) trvMaterial->SetDropHighlight(trvMaterial->HitTest(QPoint(x, y)));
}

void frmBewegungsdaten::trvMaterial_DragDrop(const ui::DragSource& /*source*/, int /*x*/, int /*y*/) {
  if (trvMaterial->DropHighlight().isEmpty() || state().windows.ZiehKnoten.empty()) {
    trvMaterial->ClearDropHighlight();
    state().windows.ZiehenAktiv = false;
  }
}

int frmBewegungsdaten::MaterialZeileAnfuegen(int materialIndex) {
  tolvar::State& s = state();
  const MaterialSatz& m = s.masters.MaterialListe[static_cast<std::size_t>(materialIndex)];
  ui::Grid* g = dtgMaterial;
  const int r = ++s.culture.AnzahlKulturMaterialien;
  g->SetRows(std::max(g->Rows() + 1, r + 1));
  m_materialNummern.resize(static_cast<std::size_t>(g->Rows()));
  g->SetTextMatrix(r, Ma::kSpalteMaterial, Q(m.Materialname));
  g->SetTextMatrix(r, Ma::kSpalteDatum, txtBeginnMaterial->text());
  g->SetTextMatrix(r, Ma::kSpalteEinheiten, Q(Menge(m, S(txtMengeMaterial), S(txtMaterialFlaeche))));
  g->SetTextMatrix(r, Ma::kSpalteBezug, DropBezugstext(m));
  m_materialNummern[static_cast<std::size_t>(r)] = m.MaterialNr;
  return r;
}

void frmBewegungsdaten::dtgMaterial_DragDrop(const ui::DragSource& source, int /*x*/, int /*y*/) {
  if (txtNameMaterial->text().isEmpty()) return;
  tolvar::State& s = state();
  int zuletzt = 0;
  // Only this window's material tree brings materials; its selected node is what was dragged.
  if (source.Is(trvMaterial)) {
    KnotenSchluessel = trvMaterial->SelectedItem();
    const std::string key = S(KnotenSchluessel);
    const int anzahl = static_cast<int>(s.masters.MaterialListe.size());
    int gefunden = -1;
    if (const auto index = key.empty() ? std::nullopt : MaterialIndexMitNummer(s.masters, key)) {
      gefunden = static_cast<int>(*index);
      s.selection.MaterialIndex = gefunden;
    }
    if (KnotenSchluessel == kWurzel) {
      for (int j = 0; j < anzahl; ++j) {
        const MaterialSatz& m = s.masters.MaterialListe[static_cast<std::size_t>(j)];
        if (!m.Gliederungspunkt && m.ImBaum) zuletzt = MaterialZeileAnfuegen(j);
      }
    } else if (gefunden >= 0 && s.masters.MaterialListe[static_cast<std::size_t>(gefunden)].Gliederungspunkt) {
      // Every material shown below the group, at any depth, in the tree's node order.
      for (int pos = 1; pos <= trvMaterial->Count(); ++pos) {
        const QString blatt = trvMaterial->KeyAt(pos);
        if (!trvMaterial->Children(blatt).isEmpty()) continue;
        bool darunter = false;
        for (QString k = blatt; !k.isEmpty(); k = trvMaterial->ParentKey(k)) {
          if (k == KnotenSchluessel) darunter = true;
          if (darunter || k == kWurzel) break;
        }
        if (!darunter) continue;
        for (int j = 0; j < anzahl; ++j) {
          const MaterialSatz& m = s.masters.MaterialListe[static_cast<std::size_t>(j)];
          if (m.MaterialNr == S(blatt) && !m.Gliederungspunkt) zuletzt = MaterialZeileAnfuegen(j);
        }
      }
    } else if (gefunden >= 0) {
      zuletzt = MaterialZeileAnfuegen(gefunden);
    }
  }
  MaterialgitterMarkieren(zuletzt, dtgMaterial->Cols() - 1);
  if (zuletzt > 0) dtgMaterial->SetRow(zuletzt);
  dtgMaterial->SetCol(Ma::kSpalteMaterial);
}

void frmBewegungsdaten::dtgMaterial_DblClick() {
  ui::Grid* g = dtgMaterial;
  const int r = g->Row();
  const int c = g->Col();
  if (c == Ma::kSpalteMaterial) {
    MaterialgitterMarkieren(r, g->Cols() - 1);
    g->SetCol(Ma::kSpalteMaterial);
    return;
  }
  if (r < 1) return;
  if (c == Ma::kSpalteEinheiten) {
    g->SetTextMatrix(r, c, QString());
    return;
  }
  const KulturSatz* kultur = GewaehlteKultur();
  if (c != Ma::kSpalteDatum || kultur == nullptr) return;
  tolvar::State& s = state();
  if (const PhasenSatz* letzte = Phase(s.culture.AnzahlPhasen)) {
    culture::ui::KalenderBereich(movMaterial, kultur->Arbeitsbeginn, letzte->Ende);
  }
  if (s.selection.PhasenIndex == 0) s.selection.PhasenIndex = 1;
  const PhasenSatz* p = Phase(s.selection.PhasenIndex);
  culture::ui::KalenderZeigen(movMaterial, p != nullptr ? p->Anfang : kultur->Arbeitsbeginn);
  m_kalenderZeile = r;
  m_kalenderSpalte = c;
}

// The date goes into the date cell whose double click opened the calendar.
void frmBewegungsdaten::movMaterial_DatumGewaehlt(base::Date datum) {
  ui::Grid* g = dtgMaterial;
  if (m_kalenderZeile >= 1 && m_kalenderZeile < g->Rows() && m_kalenderSpalte == Ma::kSpalteDatum) {
    g->SetTextMatrix(m_kalenderZeile, Ma::kSpalteDatum, Q(base::DateText(datum)));
    g->SetRow(m_kalenderZeile);
    g->SetCol(Ma::kSpalteEinheiten);
  }
  movMaterial->hide();
  g->setFocus();
}

// Typing into the selected cell: dates of at most 10 characters, quantities of digits and
// the decimal comma.
void frmBewegungsdaten::dtgMaterial_KeyPress(int KeyAscii) {
  ui::Grid* g = dtgMaterial;
  const int r = g->Row();
  const int c = g->Col();
  if (r < 1) return;
  if (KeyAscii == 13) {
    if (c <= Ma::kSpalteDatum) {
      g->SetCol(c + 1);
    } else {
      if (r < g->Rows() - 1) g->SetRow(r + 1);
      g->SetCol(Ma::kSpalteMaterial);
    }
    g->setFocus();
    return;
  }
  QString text = g->TextMatrix(r, c);
  const bool ziffer = KeyAscii >= '0' && KeyAscii <= '9';
  if (c == Ma::kSpalteDatum) {
    if (KeyAscii == 8) text.chop(1);
    if ((ziffer || KeyAscii == '.') && text.size() < 10) text += QChar(KeyAscii);
    g->SetTextMatrix(r, c, text);
  } else if (c == Ma::kSpalteEinheiten) {
    if (KeyAscii == 8) text.chop(1);
    if (ziffer || KeyAscii == ',') text += QChar(KeyAscii);
    g->SetTextMatrix(r, c, text);
  }
  g->setFocus();
}

void frmBewegungsdaten::cmbLoeschenMaterial_Click() {
  if (!KulturGewaehlt()) return;
  ui::Grid* g = dtgMaterial;
  int r = -1;
  for (int i = 0; i < g->Rows(); ++i) {
    if (g->CellBackColor(i, Ma::kSpalteBezug) == kMarkierung) {
      r = i;
      break;
    }
  }
  if (r < 1) return;
  if (g->Rows() == 2) {
    g->Clear();
    m_materialNummern.assign(2, std::string());
  } else {
    g->RemoveItem(r);
    if (r < static_cast<int>(m_materialNummern.size())) m_materialNummern.erase(m_materialNummern.begin() + r);
  }
  tolvar::State& s = state();
  s.culture.AnzahlKulturMaterialien = std::max(0, s.culture.AnzahlKulturMaterialien - 1);
  cmbSpeichernMaterial_Click();
}

// A refused save keeps the grid as typed, for correcting.
void frmBewegungsdaten::cmbSpeichernMaterial_Click() {
  if (!KulturGewaehlt()) return;
  if (!Ma::KulturMaterialSpeichern(MaterialZeilen())) return;
  Ma::KulturMaterialLaden();
  KulturMaterialTabelleAnzeigen();
}

}  // namespace tolvar
