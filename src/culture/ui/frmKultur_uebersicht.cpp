// Culture properties dialog: the read-only summaries of phases, site occupancies, material
// rows and recorded work of the culture being changed.
#include <string>
#include <utility>
#include <vector>

#include "culture/mdlKulturPhasenInfo.h"
#include "culture/ui/frmKultur.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"

namespace tolvar {

namespace {

using ui::Q;

// A node of a summary tree below its root: key and text.
using Knoten = std::pair<std::string, std::string>;

// Refills a summary tree: its root, one node per entry below it, and every node expanded.
void BaumFuellen(ui::KeyedTree* tree, const QString& wurzel, const QString& wurzeltext,
                 const std::vector<Knoten>& knoten) {
  tree->Clear();
  tree->Add(QString(), wurzel, wurzeltext, QStringLiteral("open"));
  for (const auto& [key, text] : knoten) tree->Add(wurzel, Q(key), Q(text));
  for (const QString& key : tree->Keys()) tree->SetExpanded(key, true);
}

}  // namespace

void frmKultur::KulturPhasenTabelleAnzeigen() {
  const tolvar::State& s = state();
  ui::Grid* g = dtgKulturPhasen;
  static const char* const kKoepfe[7] = {"Kulturphase", "Beginn", "Ende", "Menge", "TT °C", "NT °C", "Licht (W/Nm²)"};
  for (int c = 0; c < 7; ++c) {
    g->SetColWidth(c, c == 0 ? 2500 : 1500);
    g->SetColAlignment(c, c == 0 ? ui::kAlignLeftCenter : ui::kAlignCenterCenter);
    g->SetTextMatrix(0, c, Q(kKoepfe[c]));
  }
  for (int n = 1; n <= mdlKulturPhasenInfo::kMaxPhasen && n < static_cast<int>(s.culture.PhasenListe.size()); ++n) {
    const PhasenSatz& p = s.culture.PhasenListe[static_cast<std::size_t>(n)];
    if (p.KP_ID.empty() || p.KP_ID == "0") break;
    if (n >= g->Rows()) g->SetRows(n + 1);
    g->SetTextMatrix(n, 0, Q(p.Phasennamen));
    g->SetTextMatrix(n, 1, Q(base::DateText(p.Anfang)));
    g->SetTextMatrix(n, 2, Q(base::DateText(p.Ende)));
    g->SetTextMatrix(n, 3, Q(p.AnzahlPflanzen));
    g->SetTextMatrix(n, 4, Q(p.TT));
    g->SetTextMatrix(n, 5, Q(p.NT));
    // Light as intensity times hours; empty when either is no number.
    const std::optional<double> intensitaet = base::ParseNumber(p.Intensitaet);
    const std::optional<double> dauer = base::ParseNumber(p.Dauer);
    g->SetTextMatrix(n, 6, intensitaet && dauer ? Q(base::NumberText(*intensitaet * *dauer)) : QString());
  }
}

void frmKultur::KulturStandorteBaumAnzeigen() {
  const tolvar::State& s = state();
  std::vector<Knoten> knoten;
  const auto belegungen = UsedSlots(s.culture.KulturStandortListe, s.culture.AnzahlKulturStandorte);
  for (std::size_t i = 0; i < belegungen.size(); ++i) {
    const KulturStandortSatz& o = belegungen[i];
    if (o.StandortName == "0") continue;
    const std::string text =
        o.StandortName + "; " + o.Flaeche + " Nm² von " + base::DateText(o.Beginn) + " bis " + base::DateText(o.Ende);
    knoten.emplace_back(o.StandortName + std::to_string(i), text);
  }
  BaumFuellen(trvStandort, QStringLiteral("Standorte"), QStringLiteral("Standorte"), knoten);
}

void frmKultur::KulturMaterialBaumAnzeigen() {
  const tolvar::State& s = state();
  std::vector<Knoten> knoten;
  const auto zeilen = UsedSlots(s.culture.KulturMaterialListe, s.culture.AnzahlKulturMaterialien);
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const KulturMaterialSatz& m = zeilen[i];
    // The unit by the master material's reference; none for a material no longer in the list.
    std::string einheit;
    if (const MaterialSatz* master = MaterialMitNummer(s.masters, m.MaNr)) {
      if (master->Bezug == 1 || master->Bezug == 2) einheit = "Stück";
      if (master->Bezug == 3 || master->Bezug == 4) einheit = "Nm²";
    }
    if (m.Materialname == "0") continue;
    const std::string name = m.Materialname.empty() ? m.MaNr : m.Materialname;
    const std::string text = name + "; " + m.Menge + " " + einheit + " am " + base::DateText(m.Datum);
    knoten.emplace_back(name + std::to_string(i), text);
  }
  BaumFuellen(trvMaterial, QStringLiteral("Materialien"), QStringLiteral("Materialien"), knoten);
}

void frmKultur::KulturarbeitenBaumAnzeigen() {
  const tolvar::State& s = state();
  std::vector<Knoten> knoten;
  for (std::size_t i = 0; i < s.calculation.KulturArbeitListe.size(); ++i) {
    const KulturArbeitSatz& a = s.calculation.KulturArbeitListe[i];
    if (a.StdTaetigkeitNr == "0") continue;
    const std::string text =
        a.Taetigkeit + "; " + a.Kuerzel + " für " + a.Zeitdauer + " h am " + base::DateText(a.Datum);
    knoten.emplace_back(a.StdTaetigkeitNr + std::to_string(i), text);
  }
  BaumFuellen(trvKulturarbeiten, QStringLiteral("Taetigkeiten"), QStringLiteral("Kulturarbeiten"), knoten);
}

}  // namespace tolvar
