// The roads a user waits on, on a generated large enterprise (bench/support/grossbetrieb.h),
// each at a tenth (argument 10) and at the full size (argument 100):
//   KulturKalkulieren    whole calculation of the largest culture, database reads included
//   BetriebOeffnen       the main window opening the enterprise (checks, settings, master lists)
//   Pruefung/...         each database check of that opening alone: every page of each table
//                        and index read, no row decoded
//   StammdatenBaeume     the master-data window's five trees loaded and built, current or full
//   Kulturvergleich      loading a pair of stored cultures into the comparison window
//   KulturSpeichern      the culture data window's saves of phases, occupancies and material rows
//   ...OhneIndizes       calculation and saves on an enterprise pair without the culture-number
//                        indexes, as one made before them is until the program first opens it

#include "support/grossbetrieb.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/mdiTolvarZentral.h"
#include "calculation/mdlKalkulation.h"
#include "comparison/ui/frmKulturvergleich.h"
#include "culture/mdlKulturMaterial.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "culture/mdlKulturPhasenInfo_regeln.h"
#include "culture/mdlStandorte2.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlDatenbank.h"
#include "data/mdlDatenbank_systeminfo.h"
#include "data/mdlFehler.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/ui/forms.h"
#include "platform/ui/keyedtree.h"
#include "trees/ui/frmStammdaten.h"
#include "trees/ui/mdlAllesAnzeigen.h"
#include "trees/ui/mdlFormen.h"

namespace {

using namespace tolvar;

// The windows go before the data root changes: closing the main window writes the open
// enterprise into the system database of the data root.
void Schliessen() {
  ui::Forms::UnloadAllExcept();
  if (mdiTolvarZentral::IsLoaded()) mdiTolvarZentral::instanz().Unload();
  QApplication::processEvents();
}

// One generated enterprise per size and kind for the whole run; the current one is the data
// root.
const bench::Grossbetrieb& Betrieb(benchmark::State& st, bool mitIndizes = true) {
  static std::unique_ptr<bench::Datenwurzel> wurzel;
  static std::pair<int64_t, bool> aktiv{-1, true};
  const std::pair<int64_t, bool> gewuenscht{st.range(0), mitIndizes};
  if (!wurzel || aktiv != gewuenscht) {
    Schliessen();
    wurzel.reset();  // one copy at a time: the previous root goes before the next is made
    wurzel = std::make_unique<bench::Datenwurzel>(static_cast<double>(gewuenscht.first) / 100.0, mitIndizes);
    aktiv = gewuenscht;
  }
  return wurzel->Betrieb();
}

// The lists the main window loads when it opens the enterprise, without the window.
void Oeffnen() {
  State& s = state();
  mdlDatenbank::SystemInfoLesen();
  s.enterprise.TolvarDatenbankPfad = data::Zwillingspfad(s.enterprise.AktuellerBetrieb, ".Tolvar");
  mdlDatenLaden::BetriebEinstellungenLaden();
  mdlDatenLaden::AlleListenLaden();
}

void KulturWaehlen(const std::string& nr) {
  State& s = state();
  s.selection.KulturIndex = static_cast<int>(s.masters.KulturListe.size());
  for (std::size_t i = 0; i < s.masters.KulturListe.size(); ++i) {
    if (s.masters.KulturListe[i].KulturNr == nr) s.selection.KulturIndex = static_cast<int>(i);
  }
}

void KulturKalkulieren(benchmark::State& st, bool mitIndizes) {
  const bench::Grossbetrieb& b = Betrieb(st, mitIndizes);
  Oeffnen();
  KulturWaehlen(b.GroessteKultur);
  KalkulationsFenster fenster;
  for (auto _ : st) {
    fenster.txtPreis = "2,50";
    fenster.txtMenge = "10000";
    if (!mdlKalkulation::KulturKalkulieren(fenster)) st.SkipWithError("nothing was calculated");
  }
  if (fenster.txtHeizung().empty() || fenster.txtArbeit().empty() || fenster.txtMaterial().empty()) {
    st.SkipWithError("a cost type was not calculated");
  }
  const State& s = state();
  st.counters["phases"] = s.culture.AnzahlPhasen;
  st.counters["occupancies"] = s.culture.AnzahlKulturStandorte;
  st.counters["material_rows"] = s.culture.AnzahlKulturMaterialien;
  st.counters["work_rows"] = static_cast<double>(s.calculation.KulturArbeitListe.size());
}
void BM_KulturKalkulieren(benchmark::State& st) { KulturKalkulieren(st, true); }
void BM_KulturKalkulierenOhneIndizes(benchmark::State& st) { KulturKalkulieren(st, false); }

// The main window as it opens after the start-up picture, until the culture data window it
// shows has been activated (building its culture tree).
void BM_BetriebOeffnen(benchmark::State& st) {
  Betrieb(st);
  for (auto _ : st) {
    st.PauseTiming();
    Schliessen();
    st.ResumeTiming();
    mdiTolvarZentral::instanz().Show();
    QApplication::processEvents();
  }
  const State& s = state();
  if (!s.enterprise.BetriebOffen) st.SkipWithError("the enterprise did not open");
  st.counters["records"] = static_cast<double>(s.masters.KulturListe.size() + s.masters.StandortListe.size() +
                                               s.masters.MaterialListe.size() + s.masters.PersonalListe.size() +
                                               s.masters.StdTaetigkeitListe.size() + s.masters.GefaessListe.size());
}

// One database check of the opening, on the enterprise's own files and the default databases.
void Pruefung(benchmark::State& st, void (*pruefen)()) {
  Betrieb(st);
  Oeffnen();
  for (auto _ : st) pruefen();
  if (!state().enterprise.PruefungOk) st.SkipWithError("the check failed");
}

// Loading and building all five trees, as the window does on activation.
void StammdatenBaeume(benchmark::State& st, bool alles) {
  Betrieb(st);
  Oeffnen();
  frmStammdaten& form = frmStammdaten::instanz();
  for (auto _ : st) {
    mdlDatenLaden::AlleListenLaden();
    if (alles) {
      mdlAllesAnzeigen::AlleKulturenAnzeigen(form);
      mdlAllesAnzeigen::AlleStandorteAnzeigen();
      mdlAllesAnzeigen::AlleMaterialienAnzeigen();
      mdlAllesAnzeigen::AllesPersonalAnzeigen();
      mdlAllesAnzeigen::AlleTaetigkeitenAnzeigen();
    } else {
      mdlFormen::AktuelleKulturenAnzeigen(form);
      mdlFormen::AktuelleStandorteAnzeigen(form);
      mdlFormen::AktuelleMaterialienAnzeigen();
      mdlFormen::AktuellesPersonalAnzeigen();
      mdlFormen::AktuelleTaetigkeitenAnzeigen(form);
    }
  }
  st.counters["nodes"] = form.trvKulturen->Count() + form.trvStandort->Count() + form.trvMaterial->Count() +
                         form.trvPersonal->Count() + form.trvTaetigkeit->Count();
}
void BM_StammdatenBaeumeAktuell(benchmark::State& st) { StammdatenBaeume(st, false); }
void BM_StammdatenBaeumeAlle(benchmark::State& st) { StammdatenBaeume(st, true); }

// The comparison window open on the result database; the OK button loads the pair chosen
// in the two lists (the last two stored cultures).
void BM_Kulturvergleich(benchmark::State& st) {
  const bench::Grossbetrieb& b = Betrieb(st);
  Oeffnen();
  frmKulturvergleich& form = frmKulturvergleich::instanz();
  form.Show();
  if (form.comKultur[0]->count() != b.Vergleichskulturen) st.SkipWithError("the stored cultures were not listed");
  form.comKultur[0]->setCurrentIndex(b.Vergleichskulturen - 1);
  form.comKultur[1]->setCurrentIndex(b.Vergleichskulturen - 2);
  for (auto _ : st) form.cmbOK_Click(0);
  if (form.txtPreis[0]->text().isEmpty()) st.SkipWithError("the pair was not loaded");
  st.counters["stored_cultures"] = b.Vergleichskulturen;
}

// The three saves of the culture data window for the largest culture, each as its button
// runs it: check, transaction, and the reload that refreshes the window's grid.
void KulturSpeichern(benchmark::State& st, bool mitIndizes) {
  const bench::Grossbetrieb& b = Betrieb(st, mitIndizes);
  Oeffnen();
  KulturWaehlen(b.GroessteKultur);
  State& s = state();
  mdlKulturPhasenInfo::KulturPhasenLaden();
  mdlStandorte2::KulturStandorteLaden();
  mdlKulturMaterial::KulturMaterialLaden();
  auto phasenzeilen = [&s] {
    std::vector<mdlKulturPhasenInfo::PhasenZeile> zeilen;
    for (int p = 1; p <= s.culture.AnzahlPhasen; ++p)
      zeilen.push_back(mdlKulturPhasenInfo::PhasenZeileVon(s.culture.PhasenListe[p]));
    return zeilen;
  };
  bool gespeichert = true;
  for (auto _ : st) {
    // Phases.
    mdlKulturPhasenInfo::PhasenfolgePruefen(phasenzeilen(), s.culture);
    gespeichert &= s.culture.EingabeOk && mdlKulturPhasenInfo::KulturphasenSpeichern(phasenzeilen());
    mdlKulturPhasenInfo::KulturPhasenLaden();
    mdlStandorte2::KulturStandorteLaden();
    // Occupancies, then the phases with the areas that follow from them.
    const std::vector<mdlStandorte2::StandortZeile> standorte = mdlStandorte2::KulturStandorteTabelle(s.culture);
    mdlStandorte2::KulturStandorteEingabePruefen(standorte, s.culture, s.masters);
    gespeichert &= s.culture.EingabeOk && mdlStandorte2::KulturStandorteSpeichern(standorte, phasenzeilen());
    mdlStandorte2::KulturStandorteLaden();
    mdlKulturPhasenInfo::KulturPhasenLaden();
    // Material rows.
    gespeichert &=
        mdlKulturMaterial::KulturMaterialSpeichern(mdlKulturMaterial::KulturMaterialTabelle(s.culture, s.masters));
    mdlKulturMaterial::KulturMaterialLaden();
  }
  if (!gespeichert) st.SkipWithError("a save was refused");
  st.counters["phases"] = s.culture.AnzahlPhasen;
  st.counters["occupancies"] = s.culture.AnzahlKulturStandorte;
  st.counters["material_rows"] = s.culture.AnzahlKulturMaterialien;
}
void BM_KulturSpeichern(benchmark::State& st) { KulturSpeichern(st, true); }
void BM_KulturSpeichernOhneIndizes(benchmark::State& st) { KulturSpeichern(st, false); }

#define GROESSEN(bm) BENCHMARK(bm)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->MinTime(0.5)
GROESSEN(BM_KulturKalkulieren);
GROESSEN(BM_BetriebOeffnen);
GROESSEN(BM_StammdatenBaeumeAktuell);
GROESSEN(BM_StammdatenBaeumeAlle);
GROESSEN(BM_Kulturvergleich);
GROESSEN(BM_KulturSpeichern);
GROESSEN(BM_KulturKalkulierenOhneIndizes);
GROESSEN(BM_KulturSpeichernOhneIndizes);
#define PRUEFUNG(name, check) \
  BENCHMARK_CAPTURE(Pruefung, name, check)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->MinTime(0.5)
PRUEFUNG(Morvin5, mdlFehler::Morvin5DatenbankPruefen);
PRUEFUNG(Tolvar, mdlFehler::TolvarDatenbankPruefen);
PRUEFUNG(Material, mdlFehler::MaterialDatenbankPruefen);
PRUEFUNG(Vantel, mdlFehler::VantelDatenbankPruefen);
PRUEFUNG(Ergebnis, mdlFehler::ErgebnisDatenbankPruefen);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Schliessen();
  return 0;
}
