#include "data/comparison_table.h"

#include <memory>
#include <utility>

#include "base/values.h"

namespace tolvar::data {

namespace {

// The columns that are no cost or grade, with their place in the row.
struct Spalte {
  std::string_view name;
  db::Value VergleichskulturZeile::*feld;
};
constexpr Spalte kEinzelspalten[] = {
    {"Nr", &VergleichskulturZeile::Nr},         {"Kultur", &VergleichskulturZeile::Kultur},
    {"Beginn", &VergleichskulturZeile::Beginn}, {"Ende", &VergleichskulturZeile::Ende},
    {"Menge", &VergleichskulturZeile::Menge},   {"Preis", &VergleichskulturZeile::Preis},
    {"Akh", &VergleichskulturZeile::Akh},       {"TQM", &VergleichskulturZeile::TQM},
    {"Import", &VergleichskulturZeile::Import}, {"Bemerkungen", &VergleichskulturZeile::Bemerkungen},
};

// A money column as listed: two decimals with a decimal comma ("12,5" gives "12,50");
// Null and the empty text give "", a text that is no number is kept as stored.
std::string GeldText(const db::Value& wert) {
  if (wert.isNull()) return "";
  if (const auto zahl = wert.number()) return base::Format(*zahl, "0.00");
  return wert.text();
}

// Opens the table of the database at `pfad`; the database must outlive the table.
db::Recordset TabelleOeffnen(const std::string& pfad, std::unique_ptr<db::Database>& datenbank, std::string* fehler) {
  std::string grund;
  datenbank = db::Database::Open(pfad, &grund);
  if (!datenbank) {
    if (fehler) *fehler = grund;
    return {};
  }
  db::Recordset rs = datenbank->OpenTable(kVergleichskulturTabelle);
  if (!rs.ok() && fehler) *fehler = rs.error();
  return rs;
}

}  // namespace

std::string_view KostenSpalte(Kostenart art) { return Daten(art).kostenSpalte; }
std::string_view GradSpalte(Kostenart art) { return Daten(art).gradSpalte; }

const std::vector<std::string_view>& VergleichskulturSpalten() {
  static const std::vector<std::string_view> spalten = [] {
    std::vector<std::string_view> s = {"Nr", "Kultur", "Beginn", "Ende", "Menge", "Preis"};
    for (Kostenart art : kKostenarten) s.push_back(KostenSpalte(art));
    for (Kostenart art : kKostenarten) s.push_back(GradSpalte(art));
    s.insert(s.end(), {"Akh", "TQM", "Import", "Bemerkungen"});
    return s;
  }();
  return spalten;
}

const std::string& Kosten(const VergleichskulturSatz& satz, Kostenart art) { return satz.Kosten[KostenIndex(art)]; }
const std::string& Datenqualitaet(const VergleichskulturSatz& satz, Kostenart art) {
  return satz.Grade[KostenIndex(art)];
}

VergleichskulturZeile ZeileLesen(const db::Recordset& tabelle) {
  VergleichskulturZeile z;
  for (const Spalte& s : kEinzelspalten) z.*s.feld = tabelle[s.name];
  for (Kostenart art : kKostenarten) {
    z.Kosten[KostenIndex(art)] = tabelle[KostenSpalte(art)];
    z.Grade[KostenIndex(art)] = tabelle[GradSpalte(art)];
  }
  return z;
}

bool VergleichskulturZeilenLesen(const std::string& pfad, std::vector<VergleichskulturZeile>& zeilen,
                                 std::string* fehler) {
  zeilen.clear();
  std::unique_ptr<db::Database> datenbank;
  db::Recordset rs = TabelleOeffnen(pfad, datenbank, fehler);
  if (!datenbank || !rs.ok()) return false;
  zeilen.reserve(static_cast<std::size_t>(rs.RecordCount()));
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) zeilen.push_back(ZeileLesen(rs));
  return true;
}

bool VergleichskulturenLesen(const std::string& pfad, std::vector<VergleichskulturSatz>& liste, std::string* fehler) {
  liste.clear();
  std::vector<VergleichskulturZeile> zeilen;
  if (!VergleichskulturZeilenLesen(pfad, zeilen, fehler)) return false;
  liste.reserve(zeilen.size());
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const VergleichskulturZeile& z = zeilen[i];
    VergleichskulturSatz v;
    v.Nr = z.Nr.isNull() ? std::to_string(i) : z.Nr.text();
    v.Kultur = z.Kultur.text();
    v.Beginn = z.Beginn.text();
    v.Ende = z.Ende.text();
    v.Menge = z.Menge.text();
    v.Preis = GeldText(z.Preis);
    for (std::size_t art = 0; art < kAnzahlKostenarten; ++art) {
      v.Kosten[art] = GeldText(z.Kosten[art]);
      v.Grade[art] = z.Grade[art].text();
    }
    liste.push_back(std::move(v));
  }
  return true;
}

bool ZeileAnhaengen(db::Recordset& tabelle, const VergleichskulturZeile& zeile, std::string* fehler,
                    bool fehlendeAuslassen) {
  bool ok = tabelle.AddNew();
  auto setzen = [&](std::string_view spalte, const db::Value& wert) {
    if (wert.isNull() || (fehlendeAuslassen && !tabelle.HasColumn(spalte))) return;
    ok = ok && tabelle.SetField(spalte, wert);
  };
  for (const Spalte& s : kEinzelspalten) setzen(s.name, zeile.*s.feld);
  for (Kostenart art : kKostenarten) {
    setzen(KostenSpalte(art), zeile.Kosten[KostenIndex(art)]);
    setzen(GradSpalte(art), zeile.Grade[KostenIndex(art)]);
  }
  ok = ok && tabelle.Update();
  if (!ok) {
    if (fehler) *fehler = tabelle.error();
    tabelle.CancelUpdate();
  }
  return ok;
}

bool ZeileLoeschen(db::Recordset& tabelle, std::string* fehler) {
  if (tabelle.Delete()) return true;
  if (fehler) *fehler = tabelle.error();
  return false;
}

bool ZeilenNummerieren(db::Recordset& tabelle, std::string* fehler) {
  for (int i = 0; i < tabelle.RecordCount(); ++i) {
    tabelle.MoveTo(i);
    if (!tabelle.Edit() || !tabelle.SetField("Nr", i) || !tabelle.Update()) {
      if (fehler) *fehler = tabelle.error();
      tabelle.CancelUpdate();
      return false;
    }
  }
  return true;
}

bool VergleichskulturenAendern(const std::string& pfad, const Tabellenschritte& schritte, bool nummerieren,
                               std::string* fehler) {
  std::unique_ptr<db::Database> datenbank;
  db::Recordset rs = TabelleOeffnen(pfad, datenbank, fehler);
  if (!datenbank || !rs.ok()) return false;
  std::string grund;
  db::Transaction transaktion = datenbank->BeginTransaction();
  if (!transaktion.active() || !schritte(rs, &grund) || (nummerieren && !ZeilenNummerieren(rs, &grund)) ||
      !transaktion.Commit()) {
    if (grund.empty()) grund = datenbank->LastError();
    transaktion.Rollback();
    if (fehler) *fehler = grund;
    return false;
  }
  return true;
}

bool VergleichskulturenUebertragen(const std::string& quelle, const std::string& ziel,
                                   const std::vector<std::string>& nummern, int* kopiert, std::string* fehler,
                                   std::string* fehlerDatei) {
  if (kopiert) *kopiert = 0;
  std::vector<VergleichskulturZeile> zeilen;
  if (!VergleichskulturZeilenLesen(quelle, zeilen, fehler)) {
    if (fehlerDatei) *fehlerDatei = quelle;
    return false;
  }
  int anzahl = 0;
  const bool ok = VergleichskulturenAendern(
      ziel,
      [&](db::Recordset& nach, std::string* grund) {
        for (const std::string& nr : nummern) {
          for (VergleichskulturZeile z : zeilen) {
            if (z.Nr.isNull() || z.Nr.text() != nr) continue;
            z.Nr = db::Value::Null();
            z.Import = db::Value::Bool(true);
            if (!ZeileAnhaengen(nach, z, grund, true)) return false;
            ++anzahl;
          }
        }
        return true;
      },
      true, fehler);
  if (!ok && fehlerDatei) *fehlerDatei = ziel;
  if (ok && kopiert) *kopiert = anzahl;
  return ok;
}

}  // namespace tolvar::data
