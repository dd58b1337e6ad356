#include "comparison/comparison_cultures.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "base/values.h"
#include "platform/db/database.h"

namespace tolvar::comparison {

namespace {

constexpr std::string_view kTabelle = "Vergleichskulturen";
constexpr char kTrenner = '\x1f';

// Columns a transfer copies, in this order (Import is set, Nr comes from the renumbering).
constexpr const char* kUebertragen[] = {
    "Kultur", "Beginn", "Ende", "TQM", "Akh", "Preis", "Menge", "Heizung", "DQHeizung", "Material",
    "DQMaterial", "Strom", "DQStrom", "Maschinen", "DQMaschinen", "PSM", "DQPSM", "Vermarktung",
    "DQVermarktung", "Arbeit", "DQArbeit", "Gemeinkosten", "DQGemeinkosten", "Bemerkungen"};

std::string SchluesselDerZeile(const db::Recordset& rs) { return Schluessel(rs["Kultur"].text(), rs["Nr"].text()); }

// Moves to the first row whose key is `schluessel`; false when there is none.
bool Finden(db::Recordset& rs, std::string_view schluessel) {
  if (schluessel.empty()) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (SchluesselDerZeile(rs) == schluessel) return true;
  }
  return false;
}

bool Nummerieren(db::Recordset& rs, std::string* fehler) {
  for (int i = 0; i < rs.RecordCount(); ++i) {
    rs.MoveTo(i);
    if (!rs.Edit() || !rs.SetField("Nr", i) || !rs.Update()) {
      if (fehler) *fehler = rs.error();
      rs.CancelUpdate();
      return false;
    }
  }
  return true;
}

// Opens the table of the database at `pfad` and runs `schritte` on it in one transaction,
// followed by the renumbering; rolls everything back on failure.
template <typename Schritte>
bool Aendern(const std::string& pfad, std::string* fehler, Schritte schritte) {
  std::string grund;
  auto datenbank = db::Database::Open(pfad, &grund);
  if (!datenbank) {
    if (fehler) *fehler = grund;
    return false;
  }
  db::Recordset rs = datenbank->OpenTable(kTabelle);
  if (!rs.ok()) {
    if (fehler) *fehler = rs.error();
    return false;
  }
  db::Transaction transaktion = datenbank->BeginTransaction();
  if (!transaktion.active() || !schritte(rs, &grund) || !Nummerieren(rs, &grund) || !transaktion.Commit()) {
    if (grund.empty()) grund = datenbank->LastError();
    transaktion.Rollback();
    if (fehler) *fehler = grund;
    return false;
  }
  return true;
}

std::optional<std::string> Text(const db::Value& wert) {
  if (wert.isNull()) return std::nullopt;
  return wert.text();
}

}  // namespace

std::string Schluessel(std::string_view kultur, std::string_view nr) {
  std::string s(kultur);
  s += kTrenner;
  s += nr;
  return s;
}

std::optional<Kulturfelder> KulturLesen(const std::string& pfad, std::string_view schluessel, std::string* fehler) {
  std::string grund;
  auto datenbank = db::Database::Open(pfad, &grund);
  if (!datenbank) {
    if (fehler) *fehler = grund;
    return std::nullopt;
  }
  db::Recordset rs = datenbank->OpenTable(kTabelle);
  if (!rs.ok()) {
    if (fehler) *fehler = rs.error();
    return std::nullopt;
  }
  if (!Finden(rs, schluessel)) return std::nullopt;
  Kulturfelder f;
  f.Import = rs["Import"].boolean();
  f.Kultur = Text(rs["Kultur"]);
  f.Beginn = Text(rs["Beginn"]);
  f.Ende = Text(rs["Ende"]);
  f.Akh = Text(rs["Akh"]);
  f.TQM = Text(rs["TQM"]);
  f.Preis = Text(rs["Preis"]);
  f.Menge = Text(rs["Menge"]);
  for (std::size_t i = 0; i < kKostenarten; ++i) {
    f.Kosten[i] = Text(rs[kKostenSpalten[i]]);
    const db::Value& grad = rs[kGradSpalten[i]];
    if (const auto zahl = grad.number()) f.Grade[i] = static_cast<int>(*zahl);
  }
  f.Bemerkungen = Text(rs["Bemerkungen"]);
  return f;
}

void VorgabenEinsetzen(Kultureingabe& e) {
  auto vorgabe = [](std::string& box, const char* wert) {
    if (box.empty()) box = wert;
  };
  vorgabe(e.Kultur, "0");
  vorgabe(e.Beginn, "01.01.1900");
  vorgabe(e.Ende, "01.01.1900");
  vorgabe(e.Akh, "0");
  vorgabe(e.TQM, "0");
  vorgabe(e.Preis, "0");
  vorgabe(e.Menge, "0");
  for (std::string& kosten : e.Kosten) vorgabe(kosten, "0");
}

bool EingabeGueltig(const Kultureingabe& e) {
  // An empty box takes its default; anything else must be what the comparison can read.
  auto betrag = [](const std::string& box) { return box.empty() || base::ParseAmount(box).has_value(); };
  auto datum = [](const std::string& box) { return box.empty() || base::ParseDate(box).has_value(); };
  if (!datum(e.Beginn) || !datum(e.Ende)) return false;
  if (!betrag(e.Akh) || !betrag(e.TQM) || !betrag(e.Preis) || !betrag(e.Menge)) return false;
  return std::all_of(e.Kosten.begin(), e.Kosten.end(), betrag);
}

bool KulturSpeichern(const std::string& pfad, const Kultureingabe& eingabe, std::string_view ersetzen,
                     std::string* neuerSchluessel, std::string* fehler) {
  Kultureingabe e = eingabe;
  VorgabenEinsetzen(e);
  if (!EingabeGueltig(e)) {
    if (fehler) *fehler = "Ein Datum ist kein Datum oder eine Zahl ist kein Betrag von 0 an";
    return false;
  }
  int anzahl = 0;
  const bool ok = Aendern(pfad, fehler, [&](db::Recordset& rs, std::string* grund) {
    if (Finden(rs, ersetzen) && !rs.Delete()) {
      *grund = rs.error();
      return false;
    }
    bool gut = rs.AddNew();
    auto setzen = [&](const char* spalte, db::Value wert) { gut = gut && rs.SetField(spalte, std::move(wert)); };
    setzen("Import", db::Value::Bool(e.Import));
    setzen("Kultur", e.Kultur);
    setzen("Beginn", e.Beginn);
    setzen("Ende", e.Ende);
    setzen("Akh", e.Akh);
    setzen("TQM", e.TQM);
    setzen("Preis", e.Preis);
    setzen("Menge", e.Menge);
    for (std::size_t i = 0; i < kKostenarten; ++i) {
      setzen(kKostenSpalten[i], e.Kosten[i]);
      setzen(kGradSpalten[i], e.Grade[i]);
    }
    setzen("Bemerkungen", e.Bemerkung);
    gut = gut && rs.Update();
    if (!gut) {
      *grund = rs.error();
      rs.CancelUpdate();
    }
    anzahl = rs.RecordCount();
    return gut;
  });
  if (ok && neuerSchluessel) *neuerSchluessel = Schluessel(e.Kultur, std::to_string(anzahl - 1));
  return ok;
}

bool KulturLoeschen(const std::string& pfad, std::string_view schluessel, bool* geloescht, std::string* fehler) {
  bool weg = false;
  const bool ok = Aendern(pfad, fehler, [&](db::Recordset& rs, std::string* grund) {
    if (!Finden(rs, schluessel)) return true;
    if (!rs.Delete()) {
      *grund = rs.error();
      return false;
    }
    weg = true;
    return true;
  });
  if (geloescht) *geloescht = ok && weg;
  return ok;
}

bool DatensaetzeUebertragen(const std::string& quelle, const std::string& ziel,
                            const std::vector<std::string>& nummern, int* kopiert, std::string* fehler) {
  if (kopiert) *kopiert = 0;
  std::string grund;
  auto herkunft = db::Database::Open(quelle, &grund);
  if (!herkunft) {
    if (fehler) *fehler = grund;
    return false;
  }
  db::Recordset von = herkunft->OpenTable(kTabelle);
  if (!von.ok()) {
    if (fehler) *fehler = von.error();
    return false;
  }
  int anzahl = 0;
  const bool ok = Aendern(ziel, fehler, [&](db::Recordset& nach, std::string* fehlergrund) {
    for (const std::string& nr : nummern) {
      for (von.MoveFirst(); !von.Eof(); von.MoveNext()) {
        if (von["Nr"].isNull() || von["Nr"].text() != nr) continue;
        bool gut = nach.AddNew() && nach.SetField("Import", db::Value::Bool(true));
        for (const char* spalte : kUebertragen) {
          // A column the target lacks is left out rather than failing the whole transfer.
          if (nach.HasColumn(spalte)) gut = gut && nach.SetField(spalte, von[spalte]);
        }
        gut = gut && nach.Update();
        if (!gut) {
          *fehlergrund = nach.error();
          nach.CancelUpdate();
          return false;
        }
        ++anzahl;
      }
    }
    return true;
  });
  if (ok && kopiert) *kopiert = anzahl;
  return ok;
}

bool ErgebnisdatenbankGueltig(const std::string& pfad) {
  std::error_code fehler;
  if (pfad.empty() || !std::filesystem::is_regular_file(pfad, fehler)) return false;
  auto datenbank = db::Database::Open(pfad);
  return datenbank && datenbank->HasTable(kTabelle);
}

bool GleicheDatei(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  if (a == b) return true;
  std::error_code fehler;
  if (std::filesystem::exists(a, fehler) && std::filesystem::exists(b, fehler)) {
    const bool gleich = std::filesystem::equivalent(a, b, fehler);
    if (!fehler) return gleich;
  }
  const auto ka = std::filesystem::weakly_canonical(a, fehler);
  const auto kb = std::filesystem::weakly_canonical(b, fehler);
  return !fehler && ka == kb;
}

}  // namespace tolvar::comparison
