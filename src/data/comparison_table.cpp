#include "data/comparison_table.h"

#include <memory>
#include <utility>

#include "base/values.h"

namespace tolvar::data {

namespace {

std::vector<Vergleichsspalte> SpaltenBauen() {
  using Z = VergleichskulturZeile;
  auto einzeln = [](std::string_view name, db::Value Z::*feld, Spaltenart art, base::Feldregel regel = {},
                    bool errechnet = false) {
    return Vergleichsspalte{.name = name, .feld = feld, .spaltenart = art, .regel = regel, .errechnet = errechnet};
  };
  std::vector<Vergleichsspalte> s = {
      einzeln("Nr", &Z::Nr, Spaltenart::Merker, {}, true),
      einzeln("Kultur", &Z::Kultur, Spaltenart::Text),
      einzeln("Beginn", &Z::Beginn, Spaltenart::Datum),
      einzeln("Ende", &Z::Ende, Spaltenart::Datum),
      einzeln("Menge", &Z::Menge, Spaltenart::Zahl, kVergleichMengeRegel),
      einzeln("Preis", &Z::Preis, Spaltenart::Zahl, kVergleichPreisRegel),
  };
  for (Kostenart art : kKostenarten) {
    s.push_back({.name = KostenSpalte(art), .art = art, .spaltenart = Spaltenart::Zahl, .regel = Kostenregel(art)});
  }
  for (Kostenart art : kKostenarten) {
    s.push_back({.name = GradSpalte(art), .art = art, .grad = true, .spaltenart = Spaltenart::Merker});
  }
  s.push_back(einzeln("Akh", &Z::Akh, Spaltenart::Zahl, kVergleichAkhRegel, true));
  s.push_back(einzeln("TQM", &Z::TQM, Spaltenart::Zahl, kVergleichTQMRegel, true));
  s.push_back(einzeln("Import", &Z::Import, Spaltenart::Merker));
  s.push_back(einzeln("Bemerkungen", &Z::Bemerkungen, Spaltenart::Text));
  return s;
}

// A date written dd.mm.yyyy (blanks around it aside).
bool DatumGueltig(std::string_view text) {
  const std::string datum = base::Trim(text);
  const std::optional<base::Date> d = base::ParseDate(datum);
  return d && base::DateText(*d) == datum;
}

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

const std::vector<Vergleichsspalte>& Vergleichskulturspalten() {
  static const std::vector<Vergleichsspalte> spalten = SpaltenBauen();
  return spalten;
}

const Vergleichsspalte* Vergleichskulturspalte(std::string_view name) {
  for (const Vergleichsspalte& s : Vergleichskulturspalten()) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

const std::vector<std::string_view>& VergleichskulturSpalten() {
  static const std::vector<std::string_view> namen = [] {
    std::vector<std::string_view> n;
    for (const Vergleichsspalte& s : Vergleichskulturspalten()) n.push_back(s.name);
    return n;
  }();
  return namen;
}

db::Value& Wert(VergleichskulturZeile& zeile, const Vergleichsspalte& spalte) {
  if (spalte.art) return (spalte.grad ? zeile.Grade : zeile.Kosten)[KostenIndex(*spalte.art)];
  return zeile.*spalte.feld;
}

const db::Value& Wert(const VergleichskulturZeile& zeile, const Vergleichsspalte& spalte) {
  if (spalte.art) return (spalte.grad ? zeile.Grade : zeile.Kosten)[KostenIndex(*spalte.art)];
  return zeile.*spalte.feld;
}

bool SpalteNimmt(const Vergleichsspalte& spalte, const db::Value& wert) {
  switch (spalte.spaltenart) {
    case Spaltenart::Datum:
      return DatumGueltig(wert.text());
    case Spaltenart::Zahl:
      return base::FeldGueltig(spalte.regel, wert.text());
    case Spaltenart::Text:
    case Spaltenart::Merker:
      break;
  }
  return true;
}

std::string Erwartet(const Vergleichsspalte& spalte) {
  switch (spalte.spaltenart) {
    case Spaltenart::Datum:
      return "ein Datum in der Form TT.MM.JJJJ";
    case Spaltenart::Zahl:
      return base::Erwartet(spalte.regel);
    case Spaltenart::Text:
    case Spaltenart::Merker:
      break;
  }
  return {};
}

std::optional<std::string_view> ErsteVerweigerung(const VergleichskulturZeile& zeile) {
  for (const Vergleichsspalte& s : Vergleichskulturspalten()) {
    if (!SpalteNimmt(s, Wert(zeile, s))) return s.name;
  }
  return std::nullopt;
}

const std::string& Kosten(const VergleichskulturSatz& satz, Kostenart art) { return satz.Kosten[KostenIndex(art)]; }
const std::string& Datenqualitaet(const VergleichskulturSatz& satz, Kostenart art) {
  return satz.Grade[KostenIndex(art)];
}

VergleichskulturZeile ZeileLesen(const db::Recordset& tabelle) {
  VergleichskulturZeile z;
  for (const Vergleichsspalte& s : Vergleichskulturspalten()) Wert(z, s) = tabelle[s.name];
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
  for (const Vergleichsspalte& s : Vergleichskulturspalten()) setzen(s.name, Wert(zeile, s));
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
