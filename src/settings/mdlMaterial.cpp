#include "settings/mdlMaterial.h"

#include <algorithm>
#include <memory>
#include <set>

#include "base/field_rules.h"
#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "settings/db_access.h"

namespace tolvar::mdlMaterial {

namespace {

constexpr std::string_view kTabelle = "ArbeitMaterial";
constexpr std::string_view kKosten = "Kosten je Stunde";

// The cost per hour of a grid row: an amount of 0 or more; an empty cell stores the empty
// text, which the calculation reports as missing. The key filter lets "1,2,5" or a lone comma
// be typed, which the calculation could not read, so the save refuses them.
constexpr base::Feldregel kKostenJeStunde{.feld = "€/Stunde", .leer = ""};

// The last record of the list; -1 when it is empty.
int LetzterTaetigkeitsIndex(const MasterLists& stamm) { return static_cast<int>(stamm.StdTaetigkeitListe.size()) - 1; }

}  // namespace

bool ArbeitMaterialLaden() {
  State& st = state();
  st.settings.ArbeitMaterialListe.assign(kArbeitMaterialElemente, ArbeitMaterialSatz{});
  std::unique_ptr<db::Database> database = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!database) return false;
  db::Recordset rs = settings::Tabelle(*database, kTabelle);
  if (!rs.ok()) return false;
  std::size_t i = 0;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext(), ++i) {
    // Always one "0" element after the rows, so a scan meets the end of the list.
    if (st.settings.ArbeitMaterialListe.size() <= i + 1) st.settings.ArbeitMaterialListe.resize(i + 2);
    st.settings.ArbeitMaterialListe[i] = {rs["TaetigkeitNr"].text(), rs[kKosten].text()};
  }
  return true;
}

std::vector<KostenZeile> LeereKostenTabelle() { return std::vector<KostenZeile>(kArbeitMaterialDatenzeilen); }

std::vector<KostenZeile> ArbeitMaterialTabelleFuellen(bool* ok) {
  if (ok != nullptr) *ok = false;
  std::vector<KostenZeile> zeilen;
  const State& st = state();
  std::unique_ptr<db::Database> database = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!database) return zeilen;
  db::Recordset rs = settings::Tabelle(*database, kTabelle);
  if (!rs.ok()) return zeilen;
  const int last = LetzterTaetigkeitsIndex(st.masters);
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (static_cast<int>(zeilen.size()) >= kArbeitMaterialDatenzeilen) break;
    const std::string nr = rs["TaetigkeitNr"].text();
    for (int i = 0; i <= last; ++i) {
      const StdTaetigkeitSatz& t = st.masters.StdTaetigkeitListe[static_cast<std::size_t>(i)];
      if (t.StdTaetigkeitNr == nr && t.ImBaum) {
        zeilen.push_back({t.Taetigkeit, rs[kKosten].text(), t.StdTaetigkeitNr});
        break;
      }
    }
  }
  if (ok != nullptr) *ok = true;
  return zeilen;
}

std::vector<int> AblageIndizes(const std::string& key, const MasterLists& stamm, Selection& auswahl) {
  const int last = LetzterTaetigkeitsIndex(stamm);
  std::vector<int> indizes;
  for (int i = 0; i <= last; ++i) {
    if (stamm.StdTaetigkeitListe[static_cast<std::size_t>(i)].StdTaetigkeitNr == key) {
      auswahl.StdTaetigkeitIndex = i;
      break;
    }
  }
  if (key == "Taetigkeit") {
    for (int i = 0; i <= last; ++i) {
      const StdTaetigkeitSatz& t = stamm.StdTaetigkeitListe[static_cast<std::size_t>(i)];
      if (!t.Gliederungspunkt && t.ImBaum) indizes.push_back(i);
    }
    return indizes;
  }
  const int sel = auswahl.StdTaetigkeitIndex;
  const StdTaetigkeitSatz* gewaehlt = At(stamm.StdTaetigkeitListe, sel);
  if (gewaehlt == nullptr || gewaehlt->StdTaetigkeitNr != key) return indizes;  // the key names no record
  if (!gewaehlt->Gliederungspunkt) return {sel};
  const std::string gruppe = base::RightChars(gewaehlt->StdTaetigkeitNr, 4);
  for (int i = 0; i <= last; ++i) {
    const StdTaetigkeitSatz& t = stamm.StdTaetigkeitListe[static_cast<std::size_t>(i)];
    if (t.UeberPNr == gruppe && t.ImBaum) indizes.push_back(i);
  }
  return indizes;
}

void ArbeitMaterialAblegen(std::vector<KostenZeile>* grid, const std::string& key, const MasterLists& stamm,
                           Selection& auswahl) {
  for (int index : AblageIndizes(key, stamm, auswahl)) {
    const StdTaetigkeitSatz& t = stamm.StdTaetigkeitListe[static_cast<std::size_t>(index)];
    for (KostenZeile& zeile : *grid) {
      if (zeile.Taetigkeit.empty()) {
        zeile.Taetigkeit = t.Taetigkeit;
        zeile.TaetigkeitNr = t.StdTaetigkeitNr;
        break;
      }
    }
  }
}

std::string KostenTaste(const std::string& text, int keyAscii) {
  if (keyAscii == 8) return text.empty() ? text : text.substr(0, text.size() - 1);
  if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == ',') {
    return text + static_cast<char>(keyAscii);
  }
  return text;
}

bool ArbeitMaterialLoeschen(const std::string& taetigkeitNr) {
  if (taetigkeitNr.empty()) return true;
  std::unique_ptr<db::Database> database = settings::Oeffnen(state().enterprise.TolvarDatenbankPfad);
  if (!database) return false;
  db::Recordset rs = settings::Tabelle(*database, kTabelle);
  if (!rs.ok()) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const db::Value& v = rs["TaetigkeitNr"];
    if (!v.isNull() && v.text() == taetigkeitNr) return rs.Delete();
  }
  return true;
}

ArbeitMaterialSpeicherStatus ArbeitMaterialSpeichern(const std::vector<KostenZeile>& grid, int* falscheZeile) {
  // Duplicate numbers among the rows from the top down to the first without a number.
  std::set<std::string> nummern;
  for (const KostenZeile& z : grid) {
    if (z.TaetigkeitNr.empty()) break;
    if (!nummern.insert(z.TaetigkeitNr).second) {
      mdlFehler::MeldungTaetigkeitKostenDoppelt();
      return ArbeitMaterialSpeicherStatus::Doppelt;
    }
  }
  for (std::size_t i = 0; i < grid.size() && !grid[i].Taetigkeit.empty(); ++i) {
    if (base::FeldGueltig(kKostenJeStunde, grid[i].Kosten)) continue;
    mdlFehler::MeldungWertePruefen(grid[i].Kosten);
    if (falscheZeile != nullptr) *falscheZeile = static_cast<int>(i) + 1;
    return ArbeitMaterialSpeicherStatus::Ungueltig;
  }

  // The activities whose stored rows the grid stands for.
  const State& st = state();
  std::set<std::string> ersetzt;
  const int last = LetzterTaetigkeitsIndex(st.masters);
  for (int i = 0; i <= last; ++i) {
    const StdTaetigkeitSatz& t = st.masters.StdTaetigkeitListe[static_cast<std::size_t>(i)];
    if (t.ImBaum) ersetzt.insert(t.StdTaetigkeitNr);
  }
  std::vector<const KostenZeile*> neu;
  for (const KostenZeile& z : grid) {
    if (z.Taetigkeit.empty()) break;
    ersetzt.insert(z.TaetigkeitNr);
    neu.push_back(&z);
  }

  std::unique_ptr<db::Database> database = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!database) return ArbeitMaterialSpeicherStatus::Fehler;
  db::Transaction tx = database->BeginTransaction();
  if (!tx.active()) return ArbeitMaterialSpeicherStatus::Fehler;
  db::Recordset rs = settings::Tabelle(*database, kTabelle);
  if (!rs.ok()) return ArbeitMaterialSpeicherStatus::Fehler;
  rs.MoveFirst();
  while (!rs.Eof()) {
    if (ersetzt.count(rs["TaetigkeitNr"].text()) > 0) {
      if (!rs.Delete()) return ArbeitMaterialSpeicherStatus::Fehler;
    } else {
      rs.MoveNext();
    }
  }
  for (const KostenZeile* z : neu) {
    if (!rs.AddNew() || !rs.SetField("TaetigkeitNr", z->TaetigkeitNr) ||
        !rs.SetField(kKosten, *base::FeldText(kKostenJeStunde, z->Kosten)) || !rs.Update()) {
      return ArbeitMaterialSpeicherStatus::Fehler;
    }
  }
  return tx.Commit() ? ArbeitMaterialSpeicherStatus::Gespeichert : ArbeitMaterialSpeicherStatus::Fehler;
}

}  // namespace tolvar::mdlMaterial
