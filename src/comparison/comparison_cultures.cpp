#include "comparison/comparison_cultures.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "data/comparison_table.h"
#include "platform/db/database.h"

namespace tolvar::comparison {

namespace {

constexpr char kTrenner = '\x1f';

// Moves to the first row whose key is `schluessel`; false when there is none.
bool Finden(db::Recordset& rs, std::string_view schluessel) {
  if (schluessel.empty()) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const data::VergleichskulturZeile z = data::ZeileLesen(rs);
    if (Schluessel(z.Kultur.text(), z.Nr.text()) == schluessel) return true;
  }
  return false;
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
  std::vector<data::VergleichskulturZeile> zeilen;
  if (!data::VergleichskulturZeilenLesen(pfad, zeilen, fehler) || schluessel.empty()) return std::nullopt;
  const auto z = std::find_if(zeilen.begin(), zeilen.end(), [&](const data::VergleichskulturZeile& zeile) {
    return Schluessel(zeile.Kultur.text(), zeile.Nr.text()) == schluessel;
  });
  if (z == zeilen.end()) return std::nullopt;
  Kulturfelder f;
  f.Import = z->Import.boolean();
  f.Kultur = Text(z->Kultur);
  f.Beginn = Text(z->Beginn);
  f.Ende = Text(z->Ende);
  f.Akh = Text(z->Akh);
  f.TQM = Text(z->TQM);
  f.Preis = Text(z->Preis);
  f.Menge = Text(z->Menge);
  for (std::size_t i = 0; i < kKostenarten.size(); ++i) {
    f.Kosten[i] = Text(z->Kosten[i]);
    if (const auto zahl = z->Grade[i].number()) f.Grade[i] = static_cast<int>(*zahl);
  }
  f.Bemerkungen = Text(z->Bemerkungen);
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

namespace {

// The row the editor stores for `e`, whose empty boxes hold their defaults.
data::VergleichskulturZeile ZeileAus(const Kultureingabe& e) {
  data::VergleichskulturZeile zeile;
  zeile.Import = db::Value::Bool(e.Import);
  zeile.Kultur = e.Kultur;
  zeile.Beginn = e.Beginn;
  zeile.Ende = e.Ende;
  zeile.Akh = e.Akh;
  zeile.TQM = e.TQM;
  zeile.Preis = e.Preis;
  zeile.Menge = e.Menge;
  for (std::size_t i = 0; i < kKostenarten.size(); ++i) {
    zeile.Kosten[i] = e.Kosten[i];
    zeile.Grade[i] = e.Grade[i];
  }
  zeile.Bemerkungen = e.Bemerkung;
  return zeile;
}

}  // namespace

std::optional<std::string_view> ErsteVerweigerung(const Kultureingabe& eingabe) {
  Kultureingabe e = eingabe;
  VorgabenEinsetzen(e);
  return data::ErsteVerweigerung(ZeileAus(e));
}

std::string Verweigerungsmeldung(std::string_view name, std::string_view spalte, std::string_view text) {
  const data::Vergleichsspalte* s = data::Vergleichskulturspalte(spalte);
  std::string meldung = "Die Vergleichskultur wurde nicht gespeichert. " + std::string(name) + " \"" +
                        std::string(text) + "\" muss " + (s ? data::Erwartet(*s) : std::string("gültig")) + " sein.";
  if (s && s->spaltenart == data::Spaltenart::Zahl) meldung += base::Tausenderpunkthinweis(text);
  return meldung + "\n\nBitte korrigieren Sie die Eingabe.";
}

std::optional<Importpruefung> ImportPruefen(const std::string& quelle, const std::vector<std::string>& nummern,
                                            std::string* fehler) {
  std::vector<data::VergleichskulturZeile> zeilen;
  if (!data::VergleichskulturZeilenLesen(quelle, zeilen, fehler)) return std::nullopt;
  auto text = [](const db::Value& wert) { return Text(wert).value_or(std::string()); };
  Importpruefung pruefung;
  for (const std::string& nr : nummern) {
    bool gueltig = true;
    std::string kultur;
    for (const data::VergleichskulturZeile& z : zeilen) {
      if (z.Nr.isNull() || z.Nr.text() != nr) continue;
      Kultureingabe e;
      e.Beginn = text(z.Beginn);
      e.Ende = text(z.Ende);
      e.Akh = text(z.Akh);
      e.TQM = text(z.TQM);
      e.Preis = text(z.Preis);
      e.Menge = text(z.Menge);
      for (std::size_t i = 0; i < kKostenarten.size(); ++i) e.Kosten[i] = text(z.Kosten[i]);
      if (ErsteVerweigerung(e)) {
        gueltig = false;
        kultur = text(z.Kultur);
      }
    }
    if (gueltig) {
      pruefung.Gueltig.push_back(nr);
    } else {
      pruefung.AbgelehnteKulturen.push_back(kultur);
    }
  }
  return pruefung;
}

bool KulturSpeichern(const std::string& pfad, const Kultureingabe& eingabe, std::string_view ersetzen,
                     std::string* neuerSchluessel, std::string* fehler) {
  Kultureingabe e = eingabe;
  VorgabenEinsetzen(e);
  const data::VergleichskulturZeile zeile = ZeileAus(e);
  if (const auto spalte = data::ErsteVerweigerung(zeile)) {
    if (fehler) *fehler = "Die Spalte " + std::string(*spalte) + " nimmt den Wert nicht";
    return false;
  }
  int anzahl = 0;
  const bool ok = data::VergleichskulturenAendern(
      pfad,
      [&](db::Recordset& rs, std::string* grund) {
        if (Finden(rs, ersetzen) && !data::ZeileLoeschen(rs, grund)) return false;
        if (!data::ZeileAnhaengen(rs, zeile, grund)) return false;
        anzahl = rs.RecordCount();
        return true;
      },
      true, fehler);
  if (ok && neuerSchluessel) *neuerSchluessel = Schluessel(e.Kultur, std::to_string(anzahl - 1));
  return ok;
}

bool KulturLoeschen(const std::string& pfad, std::string_view schluessel, bool* geloescht, std::string* fehler) {
  bool weg = false;
  const bool ok = data::VergleichskulturenAendern(
      pfad,
      [&](db::Recordset& rs, std::string* grund) {
        if (!Finden(rs, schluessel)) return true;
        weg = data::ZeileLoeschen(rs, grund);
        return weg;
      },
      true, fehler);
  if (geloescht) *geloescht = ok && weg;
  return ok;
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
