#include "settings/ui/activity_material_editor.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QPushButton>

#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar::settings::ui {

using tolvar::ui::Q;
using tolvar::ui::S;

namespace {

constexpr int kDatenzeilen = mdlMaterial::kArbeitMaterialDatenzeilen;
const QColor kWeiss(255, 255, 255);
const QColor kMarkiert(255, 255, 192);  // &HC0FFFF
const QString kBeenden = QStringLiteral("Beenden");
const QString kZuruecksetzen = QStringLiteral("Zurücksetzen");

}  // namespace

ArbeitMaterialEditor::ArbeitMaterialEditor(tolvar::ui::Form* fenster, bool eigenstaendig)
    : QObject(fenster), m_fenster(fenster), m_eigenstaendig(eigenstaendig) {
  fraArbeitMaterial = tolvar::ui::MakeGroup(fenster, QStringLiteral("fraArbeitMaterial"),
                                            QStringLiteral("Zuweisung von Materialkosten zu einzelnen Tätigkeiten"));
  imlTaetigkeiten = new tolvar::ui::ImageList(fenster);
  imlTaetigkeiten->setObjectName(QStringLiteral("imlTaetigkeiten"));
  trvTaetigkeit = tolvar::ui::MakeTree(fraArbeitMaterial, QStringLiteral("trvTaetigkeit"), imlTaetigkeiten);
  dtgArbeitMaterial = tolvar::ui::MakeGrid(fraArbeitMaterial, QStringLiteral("dtgArbeitMaterial"));
  dtgArbeitMaterial->SetCols(3);
  dtgArbeitMaterial->SetRows(kDatenzeilen + 1);
  // The activity number is bookkeeping: the user does not see it.
  dtgArbeitMaterial->SetColWidth(2, 0);
  const int hoehe = sys::TwipsToPixels(eigenstaendig ? 4095 : 1935);
  trvTaetigkeit->setFixedSize(sys::TwipsToPixels(2895), hoehe);
  dtgArbeitMaterial->setFixedSize(sys::TwipsToPixels(3615), hoehe);
  auto* rahmen = new QHBoxLayout(fraArbeitMaterial);
  rahmen->addWidget(trvTaetigkeit, 0, Qt::AlignTop);
  rahmen->addWidget(dtgArbeitMaterial, 0, Qt::AlignTop);

  const auto knopf = [fenster](const char* name, const QString& text) {
    QPushButton* button = tolvar::ui::MakeButton(fenster, QLatin1String(name), text);
    button->setFixedSize(sys::TwipsToPixels(1335), sys::TwipsToPixels(375));
    return button;
  };
  cmbArbeitMaterialLoeschen = knopf("cmbArbeitMaterialLoeschen", QStringLiteral("Löschen"));
  cmbArbeitMaterialSpeichern = knopf("cmbArbeitMaterialSpeichern", QStringLiteral("Speichern"));
  cmbArbeitMaterialReset = knopf("cmbArbeitMaterialReset", kZuruecksetzen);
  if (eigenstaendig) {
    layout = new QVBoxLayout;
    layout->addWidget(fraArbeitMaterial);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmbArbeitMaterialLoeschen);
    knoepfe->addWidget(cmbArbeitMaterialSpeichern);
    knoepfe->addWidget(cmbArbeitMaterialReset);
    knoepfe->addStretch();
    layout->addLayout(knoepfe);
  } else {
    layout = new QHBoxLayout;
    layout->addWidget(fraArbeitMaterial);
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(cmbArbeitMaterialReset);
    knoepfe->addWidget(cmbArbeitMaterialLoeschen);
    knoepfe->addWidget(cmbArbeitMaterialSpeichern);
    knoepfe->addStretch();
    layout->addLayout(knoepfe);
  }

  connect(trvTaetigkeit, &tolvar::ui::KeyedTree::MouseDown, this, &ArbeitMaterialEditor::trvTaetigkeit_MouseDown);
  connect(trvTaetigkeit, &tolvar::ui::KeyedTree::MouseMove, this, &ArbeitMaterialEditor::trvTaetigkeit_MouseMove);
  connect(trvTaetigkeit, &tolvar::ui::KeyedTree::DragOver, this, &ArbeitMaterialEditor::trvTaetigkeit_DragOver);
  connect(trvTaetigkeit, &tolvar::ui::KeyedTree::DragDrop, this, &ArbeitMaterialEditor::trvTaetigkeit_DragDrop);
  connect(dtgArbeitMaterial, &tolvar::ui::Grid::DragDrop, this, &ArbeitMaterialEditor::dtgArbeitMaterial_DragDrop);
  connect(dtgArbeitMaterial, &tolvar::ui::Grid::DblClick, this, &ArbeitMaterialEditor::dtgArbeitMaterial_DblClick);
  connect(dtgArbeitMaterial, &tolvar::ui::Grid::KeyPress, this, &ArbeitMaterialEditor::dtgArbeitMaterial_KeyPress);
  connect(cmbArbeitMaterialLoeschen, &QPushButton::clicked, this,
          &ArbeitMaterialEditor::cmbArbeitMaterialLoeschen_Click);
  connect(cmbArbeitMaterialSpeichern, &QPushButton::clicked, this,
          &ArbeitMaterialEditor::cmbArbeitMaterialSpeichern_Click);
  connect(cmbArbeitMaterialReset, &QPushButton::clicked, this, &ArbeitMaterialEditor::cmbArbeitMaterialReset_Click);
}

void ArbeitMaterialEditor::BilderLaden() {
  const QString bilder = Q(sys::DataPath("\\Bilder\\"));
  for (const char* name : {"open", "closed", "drag-Taetigkeit"}) {
    imlTaetigkeiten->Add(QLatin1String(name), bilder + QLatin1String(name) + QStringLiteral(".png"));
  }
}

void ArbeitMaterialEditor::Anzeigen() {
  mdlDatenLaden::TaetigkeitenLaden();
  mdlFormen::AktuelleTaetigkeitenAnzeigen(*m_fenster);
  TabelleEinrichten();
  TabelleFuellen();
}

void ArbeitMaterialEditor::TabelleEinrichten() {
  tolvar::ui::Grid* g = dtgArbeitMaterial;
  for (int r = 1; r <= kDatenzeilen; ++r) {
    for (int c = 0; c <= 2; ++c) {
      g->SetCellBackColor(r, c, kWeiss);
      g->SetTextMatrix(r, c, QString());
    }
  }
  g->SetColWidth(0, 2000);
  g->SetColAlignment(0, tolvar::ui::kAlignLeftCenter);
  g->SetTextMatrix(0, 0, QStringLiteral("Tätigkeit"));
  g->SetColWidth(1, 1500);
  g->SetColAlignment(1, tolvar::ui::kAlignCenterCenter);
  g->SetTextMatrix(0, 1, QStringLiteral("€/Stunde"));
}

void ArbeitMaterialEditor::TabelleFuellen() { ZeilenSetzen(mdlMaterial::ArbeitMaterialTabelleFuellen()); }

std::vector<mdlMaterial::KostenZeile> ArbeitMaterialEditor::Zeilen() const {
  std::vector<mdlMaterial::KostenZeile> zeilen;
  zeilen.reserve(kDatenzeilen);
  for (int r = 1; r <= kDatenzeilen; ++r) {
    zeilen.push_back({S(dtgArbeitMaterial->TextMatrix(r, 0)), S(dtgArbeitMaterial->TextMatrix(r, 1)),
                      S(dtgArbeitMaterial->TextMatrix(r, 2))});
  }
  return zeilen;
}

void ArbeitMaterialEditor::ZeilenSetzen(const std::vector<mdlMaterial::KostenZeile>& zeilen) {
  for (std::size_t i = 0; i < zeilen.size() && i < static_cast<std::size_t>(kDatenzeilen); ++i) {
    const int r = static_cast<int>(i) + 1;
    dtgArbeitMaterial->SetTextMatrix(r, 0, Q(zeilen[i].Taetigkeit));
    dtgArbeitMaterial->SetTextMatrix(r, 1, Q(zeilen[i].Kosten));
    dtgArbeitMaterial->SetTextMatrix(r, 2, Q(zeilen[i].TaetigkeitNr));
  }
}

void ArbeitMaterialEditor::trvTaetigkeit_MouseDown(int /*button*/, int /*shift*/, int x, int y) {
  const QString knoten = trvTaetigkeit->HitTest(QPoint(x, y));
  state().windows.ZiehKnoten = S(knoten);
  trvTaetigkeit->SetDropHighlight(knoten);
}

void ArbeitMaterialEditor::trvTaetigkeit_MouseMove(int button, int /*shift*/, int /*x*/, int /*y*/) {
  if (button != 1) return;
  state().windows.ZiehenAktiv = true;
  trvTaetigkeit->SetDragIcon(imlTaetigkeiten->Picture(QStringLiteral("drag-Taetigkeit")));
  trvTaetigkeit->Drag();
}

void ArbeitMaterialEditor::trvTaetigkeit_DragOver(const tolvar::ui::DragSource& /*source*/, int x, int y,
                                                  tolvar::ui::DragState /*dragState*/) {
  if (state().windows.ZiehenAktiv) trvTaetigkeit->SetDropHighlight(trvTaetigkeit->HitTest(QPoint(x, y)));
}

void ArbeitMaterialEditor::trvTaetigkeit_DragDrop(const tolvar::ui::DragSource& /*source*/, int /*x*/, int /*y*/) {
  // These windows never regroup activities: a drop back on the tree only ends a drag that
  // has no node.
  if (trvTaetigkeit->DropHighlight().isEmpty() || state().windows.ZiehKnoten.empty()) {
    trvTaetigkeit->ClearDropHighlight();
    state().windows.ZiehenAktiv = false;
  }
}

void ArbeitMaterialEditor::dtgArbeitMaterial_DragDrop(const tolvar::ui::DragSource& source, int /*x*/, int /*y*/) {
  // Only this window's own tree: its selection is what the drop adds.
  const QString key = trvTaetigkeit->SelectedItem();
  if (source.Is(trvTaetigkeit) && !key.isEmpty()) {
    std::vector<mdlMaterial::KostenZeile> zeilen = Zeilen();
    mdlMaterial::ArbeitMaterialAblegen(&zeilen, S(key), state().masters, state().selection);
    ZeilenSetzen(zeilen);
  }
  if (m_eigenstaendig) cmbArbeitMaterialReset->setText(kZuruecksetzen);
}

void ArbeitMaterialEditor::dtgArbeitMaterial_DblClick() {
  tolvar::ui::Grid* g = dtgArbeitMaterial;
  const int r = g->Row();
  for (int zeile = 1; zeile <= kDatenzeilen; ++zeile) {
    for (int c = 0; c <= 2; ++c) g->SetCellBackColor(zeile, c, kWeiss);
  }
  for (int c = 0; c <= 2; ++c) g->SetCellBackColor(r, c, kMarkiert);
  g->SetCol(0);
}

void ArbeitMaterialEditor::dtgArbeitMaterial_KeyPress(int keyAscii) {
  tolvar::ui::Grid* g = dtgArbeitMaterial;
  g->SetRow(g->RowSel());
  g->SetCol(g->ColSel());
  if (g->Col() == 1 && keyAscii != 13) g->SetText(Q(mdlMaterial::KostenTaste(S(g->Text()), keyAscii)));
  if (keyAscii == 13) {
    if (g->Col() == 0) {
      g->SetCol(1);
    } else {
      if (g->Row() < g->Rows() - 1) g->SetRow(g->Row() + 1);
      g->SetCol(0);
    }
  }
  g->setFocus();
}

void ArbeitMaterialEditor::cmbArbeitMaterialLoeschen_Click() {
  int r = 0;
  for (int zeile = 1; zeile <= kDatenzeilen; ++zeile) {
    if (dtgArbeitMaterial->CellBackColor(zeile, 2) == kMarkiert) {
      r = zeile;
      break;
    }
  }
  // No marked row: the header's empty number, which deletes nothing.
  const std::string nummer = r > 0 ? S(dtgArbeitMaterial->TextMatrix(r, 2)) : std::string();
  mdlMaterial::ArbeitMaterialLoeschen(nummer);
  TabelleEinrichten();
  TabelleFuellen();
}

void ArbeitMaterialEditor::cmbArbeitMaterialReset_Click() {
  if (m_eigenstaendig && cmbArbeitMaterialReset->text() == kBeenden) {
    m_fenster->Unload();
    return;
  }
  TabelleEinrichten();
  TabelleFuellen();
  if (m_eigenstaendig) cmbArbeitMaterialReset->setText(kBeenden);
}

void ArbeitMaterialEditor::cmbArbeitMaterialSpeichern_Click() {
  int falsch = 0;
  const mdlMaterial::ArbeitMaterialSpeicherStatus r = mdlMaterial::ArbeitMaterialSpeichern(Zeilen(), &falsch);
  if (r == mdlMaterial::ArbeitMaterialSpeicherStatus::Ungueltig) {  // the refused cost, for correcting
    dtgArbeitMaterial->SetRow(falsch);
    dtgArbeitMaterial->SetCol(1);
    dtgArbeitMaterial->setFocus();
  }
  if (r != mdlMaterial::ArbeitMaterialSpeicherStatus::Gespeichert) return;
  TabelleEinrichten();
  TabelleFuellen();
  if (m_eigenstaendig) cmbArbeitMaterialReset->setText(kBeenden);
}

}  // namespace tolvar::settings::ui
