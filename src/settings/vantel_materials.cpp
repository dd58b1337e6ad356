#include "settings/vantel_materials.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

#include "base/field_rules.h"
#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "settings/db_access.h"

namespace tolvar::settings {

namespace {

constexpr std::string_view kHeiz = "Heizmaterialien";
constexpr std::string_view kGwh = "GWHMaterial";

std::unique_ptr<db::Database> Vanteldatenbank() {
  return settings::Oeffnen(state().enterprise.AktuelleEinstellungen.VantelPfad);
}

template <typename T, typename Lesen>
std::optional<int> Laden(std::vector<T>* liste, std::string_view table, Lesen lesen) {
  liste->assign(kVantelListenElemente, T{});
  std::unique_ptr<db::Database> database = Vanteldatenbank();
  if (!database) return std::nullopt;
  db::Recordset rs = settings::Tabelle(*database, table);
  if (!rs.ok()) return std::nullopt;
  std::size_t i = 0;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext(), ++i) {
    if (liste->size() <= i) liste->resize(i + 1);
    (*liste)[i] = lesen(rs);
  }
  return static_cast<int>(i);
}

std::optional<int> NaechsteNummer(std::string_view table) {
  std::unique_ptr<db::Database> database = Vanteldatenbank();
  if (!database) return std::nullopt;
  db::Recordset rs = settings::Tabelle(*database, table);
  if (!rs.ok()) return std::nullopt;
  double hoechste = 0;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (const std::optional<double> n = rs["Nummer"].number()) hoechste = std::max(hoechste, *n);
  }
  const double naechste = base::Int(hoechste) + 1;
  if (naechste > INT16_MAX) return std::nullopt;
  return static_cast<int>(naechste);
}

// A stored value formatted for its box; text that is no number is shown as stored.
std::string Formatiert(const std::string& text, std::string_view muster) {
  const std::optional<double> n = base::ParseNumber(text);
  return n ? base::Format(*n, muster) : text;
}

// A value of row 1 outside its rule: reported, and the box named for the window.
VantelSpeicherStatus Abgelehnt(VantelFeld feld, std::string_view text, VantelFeld* falsch) {
  mdlFehler::MeldungWertePruefen(text);
  if (falsch != nullptr) *falsch = feld;
  return VantelSpeicherStatus::Ungueltig;
}

// The rules of the number boxes of row 1. The columns are numeric (text such as "1,2,3"
// would fail half-way); the heating model divides by the heating values and multiplies with
// the price and the k-value. A blank box is refused (the save asks for it first), except the
// light transmission, which stores "0".
constexpr base::Feldregel kHeizwert{.feld = "txtHeizwert"};
constexpr base::Feldregel kBrennwert{.feld = "txtBrennwert"};
constexpr base::Feldregel kBrennstoffpreis{.feld = "txtPreis"};
constexpr base::Feldregel kKWert{.feld = "txtKWert"};
constexpr base::Feldregel kLicht{.feld = "txtLicht", .bereich = kDurchlaessigkeit, .leer = "0"};
// An empty electricity price is stored as the empty text; the next loading of the settings
// puts the standard price in its place.
constexpr base::Feldregel kStrompreis{.feld = "txtKWH", .leer = ""};

// The first of `eingaben` (numbered from 1 in their order) that its rule refuses, and its text;
// 0 when all pass.
std::pair<VantelFeld, std::string_view> ErsteAbgelehnte(std::initializer_list<base::Feldeingabe> eingaben) {
  VantelFeld nummer = 1;
  for (const base::Feldeingabe& e : eingaben) {
    if (!base::FeldGueltig(e.regel, e.text)) return {nummer, e.text};
    ++nummer;
  }
  return {0, {}};
}

// The first row of `rs` whose `column` equals `wert` as text; false when none.
bool Suchen(db::Recordset* rs, std::string_view column, const std::string& wert) {
  for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
    const db::Value& v = (*rs)[column];
    if (!v.isNull() && v.text() == wert) return true;
  }
  return false;
}

// Appends (neu) or changes a row of `table` with `felder`; see the header.
template <typename Felder>
VantelSpeicherStatus Schreiben(std::string_view table, std::string_view nameSpalte, const std::string& name, bool neu,
                               int neueNummer, const std::string& nummer, Felder felder) {
  std::unique_ptr<db::Database> database = Vanteldatenbank();
  if (!database) return VantelSpeicherStatus::Fehler;
  db::Recordset rs = settings::Tabelle(*database, table);
  if (!rs.ok()) return VantelSpeicherStatus::Fehler;
  if (neu) {
    if (Suchen(&rs, nameSpalte, name)) return VantelSpeicherStatus::NameDoppelt;
    if (!rs.AddNew() || !rs.SetField("Nummer", neueNummer)) return VantelSpeicherStatus::Fehler;
  } else {
    if (!Suchen(&rs, "Nummer", nummer)) return VantelSpeicherStatus::Gespeichert;
    if (!rs.Edit()) return VantelSpeicherStatus::Fehler;
  }
  if (!rs.SetField(nameSpalte, name) || !felder(rs) || !rs.Update()) {
    rs.CancelUpdate();
    return VantelSpeicherStatus::Fehler;
  }
  return VantelSpeicherStatus::Gespeichert;
}

bool Loeschen(std::string_view table, const std::string& nummer) {
  std::unique_ptr<db::Database> database = Vanteldatenbank();
  if (!database) return false;
  db::Recordset rs = settings::Tabelle(*database, table);
  if (!rs.ok()) return false;
  if (nummer.empty() || !Suchen(&rs, "Nummer", nummer)) return true;
  return rs.Delete();
}

}  // namespace

std::optional<int> BrennstoffLaden() {
  return Laden(&state().settings.BrennstoffListe, kHeiz, [](const db::Recordset& rs) {
    return BrennstoffSatz{.Nummer = rs["Nummer"].text(),
                          .Brennstoffart = rs["Brennstoffart"].text(),
                          .UntererBrennwert = rs["Unterer Brennwert"].text(),
                          .ObererBrennwert = rs["Oberer Brennwert"].text(),
                          .Preis = rs["Preis"].text()};
  });
}

std::optional<int> EindeckungLaden() {
  return Laden(&state().settings.EindeckungListe, kGwh, [](const db::Recordset& rs) {
    return EindeckungSatz{.Nummer = rs["Nummer"].text(),
                          .Material = rs["Material"].text(),
                          .kWert = rs["k-Wert"].text(),
                          .Durchlaessigkeit = rs["Durchlässigkeit"].text(),
                          .Eignung = rs["Eignung"].text()};
  });
}

std::optional<int> BrennstoffID() { return NaechsteNummer(kHeiz); }
std::optional<int> EindeckungID() { return NaechsteNummer(kGwh); }

std::array<BrennstoffZeile, kEditorZeilen> BrennstoffEintragen(int index, int startzeile, const SettingsLists& listen) {
  std::array<BrennstoffZeile, kEditorZeilen> zeilen{};
  const std::vector<BrennstoffSatz>& liste = listen.BrennstoffListe;
  int i = std::max(index, 0);
  for (int z = std::max(startzeile, 1); z <= kEditorZeilen; ++z, ++i) {
    if (i >= static_cast<int>(liste.size())) break;
    const BrennstoffSatz& s = liste[static_cast<std::size_t>(i)];
    zeilen[static_cast<std::size_t>(z - 1)] = {.Name = s.Brennstoffart,
                                               .Heizwert = Formatiert(s.UntererBrennwert, "0.0"),
                                               .Brennwert = Formatiert(s.ObererBrennwert, "0.0"),
                                               .Preis = Formatiert(s.Preis, "0.00")};
  }
  return zeilen;
}

std::array<EindeckungZeile, kEditorZeilen> EindeckungEintragen(int index, int startzeile, const SettingsLists& listen) {
  std::array<EindeckungZeile, kEditorZeilen> zeilen{};
  const std::vector<EindeckungSatz>& liste = listen.EindeckungListe;
  int i = std::max(index, 0);
  for (int z = std::max(startzeile, 1); z <= kEditorZeilen; ++z, ++i) {
    if (i >= static_cast<int>(liste.size())) break;
    const EindeckungSatz& s = liste[static_cast<std::size_t>(i)];
    const std::optional<double> eignung = base::ParseNumber(s.Eignung);
    zeilen[static_cast<std::size_t>(z - 1)] = {.Name = s.Material,
                                               .kWert = Formatiert(s.kWert, "0.0"),
                                               .Licht = Formatiert(s.Durchlaessigkeit, "0.0"),
                                               .Dach = eignung && std::fabs(*eignung) == 1.0};
  }
  return zeilen;
}

int NeuerIndex(int index, int anzahl, Schritt schritt) {
  int neu = index;
  switch (schritt) {
    case Schritt::Zurueck:
      neu = index - 1;
      break;
    case Schritt::Vor:
      neu = index + 1;
      break;
    case Schritt::FuenfZurueck:
      neu = index - 5;
      break;
    case Schritt::FuenfVor:
      neu = index + 4;
      break;
  }
  neu = std::min(neu, anzahl - 1);
  return std::max(neu, 0);
}

std::string BrennstoffDoppeltMeldung() {
  return "Der eingegeben Brenstoffname existiert bereits.\n\r\n\r"
         "sie müßen einen eindeutigen Namen vergeben";
}

std::string EindeckungDoppeltMeldung() {
  return "Die eingegebene Eindeckung existiert bereits.\n\r\n\r"
         "Sie müßen einen eindeutigen Namen vergeben";
}

VantelSpeicherStatus BrennstoffSpeichern(const BrennstoffZeile& zeile, bool neu, int neueNummer,
                                         const std::string& nummer, VantelFeld* falsch) {
  if (zeile.Name.empty() || zeile.Heizwert.empty() || zeile.Brennwert.empty() || zeile.Preis.empty()) {
    mdlFehler::MeldungWerteFehlen();
    return VantelSpeicherStatus::WerteFehlen;
  }
  const auto [feld, text] =
      ErsteAbgelehnte({{kHeizwert, zeile.Heizwert}, {kBrennwert, zeile.Brennwert}, {kBrennstoffpreis, zeile.Preis}});
  if (feld != 0) return Abgelehnt(feld, text, falsch);
  return Schreiben(kHeiz, "Brennstoffart", zeile.Name, neu, neueNummer, nummer, [&](db::Recordset& rs) {
    return rs.SetField("Unterer Brennwert", zeile.Heizwert) && rs.SetField("Oberer Brennwert", zeile.Brennwert) &&
           rs.SetField("Preis", zeile.Preis);
  });
}

VantelSpeicherStatus EindeckungSpeichern(EindeckungZeile* zeile, bool neu, int neueNummer, const std::string& nummer,
                                         VantelFeld* falsch) {
  if (zeile->Name.empty() || zeile->kWert.empty()) {
    mdlFehler::MeldungWerteFehlen();
    return VantelSpeicherStatus::WerteFehlen;
  }
  if (base::Trim(zeile->Licht).empty()) zeile->Licht = std::string(*kLicht.leer);
  const auto [feld, text] = ErsteAbgelehnte({{kKWert, zeile->kWert}, {kLicht, zeile->Licht}});
  if (feld != 0) return Abgelehnt(feld, text, falsch);
  const EindeckungZeile z = *zeile;
  return Schreiben(kGwh, "Material", z.Name, neu, neueNummer, nummer, [&](db::Recordset& rs) {
    return rs.SetField("k-Wert", z.kWert) && rs.SetField("Durchlässigkeit", z.Licht) &&
           rs.SetField("Eignung", z.Dach ? 1 : 0);
  });
}

bool BrennstoffLoeschen(const std::string& nummer) { return Loeschen(kHeiz, nummer); }
bool EindeckungLoeschen(const std::string& nummer) { return Loeschen(kGwh, nummer); }

bool StromSpeichern(const std::string& text) {
  const std::optional<std::string> preis = base::FeldText(kStrompreis, text);
  if (!preis) {
    mdlFehler::MeldungWertePruefen(text);
    return false;
  }
  state().enterprise.AktuelleEinstellungen.Strom = *preis;
  return mdlDatenbank::EinstellungenSichern();
}

}  // namespace tolvar::settings
