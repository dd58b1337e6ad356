#include "settings/mdlTarif.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "base/field_rules.h"
#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "settings/db_access.h"

namespace tolvar::mdlTarif {

namespace {

std::function<void(const std::string&)>& Namensanzeige() {
  static std::function<void(const std::string&)> anzeige;
  return anzeige;
}

// A group number as the lists hold it; Null gives 0, a non-number or a number outside the
// 16-bit range gives nullopt.
std::optional<int16_t> Gruppennummer(const db::Value& v) {
  if (v.isNull()) return int16_t{0};
  const std::optional<double> n = v.number();
  if (!n) return std::nullopt;
  const double r = base::Round(*n, 0);
  if (!(r >= INT16_MIN && r <= INT16_MAX)) return std::nullopt;
  return static_cast<int16_t>(r);
}

// Keeps `field` when the value is Null or no date.
void DatumLesen(const db::Value& v, base::Date* field) {
  if (const std::optional<base::Date> d = v.date()) *field = *d;
}

// Sets an element of a list that keeps at least `minimum` elements, growing it as needed.
template <typename T>
void Ablegen(std::vector<T>* list, std::size_t index, T value, const T& leer) {
  if (list->size() <= index + 1) list->resize(index + 2, leer);
  (*list)[index] = std::move(value);
}

// The (Lohngruppe, Lohn) pairs of table Tarif in table order.
struct TarifZeile {
  std::optional<double> Lohngruppe;
  std::string Lohn;
};
std::optional<std::vector<TarifZeile>> TarifZeilen(db::Database& database) {
  db::Recordset rs = settings::Tabelle(database, "Tarif");
  if (!rs.ok()) return std::nullopt;
  std::vector<TarifZeile> zeilen;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const db::Value& gruppe = rs["Lohngruppe"];
    zeilen.push_back({gruppe.isNull() ? std::nullopt : gruppe.number(), rs["Lohn"].text()});
  }
  return zeilen;
}

std::string Aufgeraeumt(const std::string& idText) { return base::Trim(idText); }

}  // namespace

LohngruppeSatz LeereLohngruppe() {
  LohngruppeSatz s;
  s.LetzteAenderung = base::Today();
  return s;
}

LohneinteilungSatz LeereLohneinteilung() {
  LohneinteilungSatz s;
  s.DatumAb = base::kNoDate;
  s.LetzteAenderung = base::Today();
  return s;
}

void SetNamensanzeige(std::function<void(const std::string&)> anzeige) { Namensanzeige() = std::move(anzeige); }

bool TarifLaden() {
  State& st = state();
  const LohngruppeSatz leer = LeereLohngruppe();
  st.settings.LohngruppeListe.assign(kLohngruppenElemente, leer);
  st.settings.AnzahlLohngruppen = 0;

  // The name display is a courtesy; nothing it does stops the loading.
  const PersonalSatz* p = At(st.masters.PersonalListe, st.selection.PersonalIndex);
  if (Namensanzeige() && p != nullptr) {
    try {
      Namensanzeige()(p->Name + ", " + p->Vorname);
    } catch (...) {
    }
  }

  std::unique_ptr<db::Database> morvin = settings::Oeffnen(st.enterprise.AktuellerBetrieb);
  std::unique_ptr<db::Database> tolvar = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!morvin || !tolvar) return false;
  db::Recordset lohn = settings::Tabelle(*morvin, "Lohn");
  const std::optional<std::vector<TarifZeile>> tarif = TarifZeilen(*tolvar);
  if (!lohn.ok() || !tarif) return false;

  std::size_t i = 0;
  for (lohn.MoveFirst(); !lohn.Eof(); lohn.MoveNext(), ++i) {
    LohngruppeSatz s = leer;
    const std::optional<int16_t> id = Gruppennummer(lohn["LohngruppenID"]);
    const std::optional<int16_t> beispiel = Gruppennummer(lohn["Beispiel"]);
    if (!id || !beispiel) return false;
    s.LohngruppenID = *id;
    s.Beispiel = *beispiel;
    s.Tarif = lohn["Tarif"].text();
    s.ID = lohn["ID"].text();
    DatumLesen(lohn["LetzteAenderung"], &s.LetzteAenderung);
    // With several Tarif rows for the group the last one counts.
    for (const TarifZeile& t : *tarif) {
      if (t.Lohngruppe && *t.Lohngruppe == s.LohngruppenID) s.Lohn = t.Lohn;
    }
    Ablegen(&st.settings.LohngruppeListe, i, std::move(s), leer);
    st.settings.AnzahlLohngruppen = static_cast<int16_t>(i + 1);
  }
  return true;
}

bool PersonalLohngruppenLaden() {
  State& st = state();
  const LohneinteilungSatz leer = LeereLohneinteilung();
  st.settings.LohneinteilungListe.assign(kLohneinteilungenElemente, leer);
  st.settings.AnzahlLohneinteilungen = 0;

  std::unique_ptr<db::Database> morvin = settings::Oeffnen(st.enterprise.AktuellerBetrieb);
  std::unique_ptr<db::Database> tolvar = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!morvin || !tolvar) return false;
  db::Recordset lohn = settings::Tabelle(*morvin, "Lohn");
  db::Recordset einteilung = settings::Tabelle(*morvin, "Lohneinteilung");
  const std::optional<std::vector<TarifZeile>> tarif = TarifZeilen(*tolvar);
  if (!lohn.ok() || !einteilung.ok() || !tarif) return false;

  std::size_t i = 0;
  for (einteilung.MoveFirst(); !einteilung.Eof(); einteilung.MoveNext(), ++i) {
    LohneinteilungSatz s = leer;
    const std::optional<int16_t> id = Gruppennummer(einteilung["LohngruppenID"]);
    if (!id) return false;
    s.PersonalNr = einteilung["PersonalNr"].text();
    s.LohngruppenID = *id;
    DatumLesen(einteilung["DatumAb"], &s.DatumAb);
    s.ID = einteilung["ID"].text();
    DatumLesen(einteilung["LetzteAenderung"], &s.LetzteAenderung);
    // Name and wage are looked up independently; the first matching row counts.
    for (lohn.MoveFirst(); !lohn.Eof(); lohn.MoveNext()) {
      const db::Value& g = lohn["LohngruppenID"];
      if (!g.isNull() && g.number() == static_cast<double>(s.LohngruppenID)) {
        s.Tarif = lohn["Tarif"].text();
        break;
      }
    }
    for (const TarifZeile& t : *tarif) {
      if (t.Lohngruppe && *t.Lohngruppe == s.LohngruppenID) {
        s.Lohn = t.Lohn;
        break;
      }
    }
    Ablegen(&st.settings.LohneinteilungListe, i, std::move(s), leer);
    st.settings.AnzahlLohneinteilungen = static_cast<int16_t>(i + 1);
  }
  return true;
}

namespace {

// Deletes every row of `table` whose `column`, as decimal text, equals `idText`.
bool ZeilenLoeschen(db::Database& database, std::string_view table, std::string_view column,
                    const std::string& idText) {
  db::Recordset rs = settings::Tabelle(database, table);
  if (!rs.ok()) return false;
  rs.MoveFirst();
  while (!rs.Eof()) {
    const db::Value& v = rs[column];
    if (!v.isNull() && v.text() == idText) {
      if (!rs.Delete()) return false;  // the position now points at the next row
    } else {
      rs.MoveNext();
    }
  }
  return true;
}

// The enterprise database and the own one, each in a transaction that rolls back unless
// committed (the transactions end before their databases close).
struct Schreibvorgang {
  std::unique_ptr<db::Database> morvin;
  std::unique_ptr<db::Database> tolvar;
  std::optional<db::Transaction> tm;
  std::optional<db::Transaction> tt;
};

// Opens both databases and begins both transactions; nullopt when any of it fails.
std::optional<Schreibvorgang> SchreibenBeginnen() {
  const State& st = state();
  Schreibvorgang w;
  w.morvin = settings::Oeffnen(st.enterprise.AktuellerBetrieb);
  w.tolvar = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!w.morvin || !w.tolvar) return std::nullopt;
  w.tm.emplace(w.morvin->BeginTransaction());
  w.tt.emplace(w.tolvar->BeginTransaction());
  if (!w.tm->active() || !w.tt->active()) return std::nullopt;
  return w;
}

}  // namespace

bool LohngruppeLoeschen(const std::string& idText) {
  std::optional<Schreibvorgang> w = SchreibenBeginnen();
  if (!w) return false;
  if (!ZeilenLoeschen(*w->morvin, "Lohneinteilung", "LohngruppenID", idText)) return false;
  if (!ZeilenLoeschen(*w->tolvar, "Tarif", "Lohngruppe", idText)) return false;
  if (!ZeilenLoeschen(*w->morvin, "Lohn", "LohngruppenID", idText)) return false;
  if (!w->tm->Commit()) return false;
  return w->tt->Commit();
}

// ----------------------------------------------------------------- editors

LohngruppeAuswahl LohngruppeNachName(const std::string& name, const SettingsLists& listen) {
  LohngruppeAuswahl a;
  const int last = std::min<int>(listen.AnzahlLohngruppen, static_cast<int>(listen.LohngruppeListe.size()) - 1);
  for (int i = 0; i <= last; ++i) {
    const LohngruppeSatz& s = listen.LohngruppeListe[static_cast<std::size_t>(i)];
    if (s.Tarif == name) {
      a.Index = i;
      a.Tarif = s.Tarif;
      a.Lohn = s.Lohn;
      a.IdText = std::to_string(s.LohngruppenID);
      break;
    }
  }
  return a;
}

std::vector<std::string> Lohngruppennamen(const SettingsLists& listen) {
  std::vector<std::string> namen;
  for (int i = 0; i <= listen.AnzahlLohngruppen && i < static_cast<int>(listen.LohngruppeListe.size()); ++i) {
    namen.push_back(listen.LohngruppeListe[static_cast<std::size_t>(i)].Tarif);
  }
  return namen;
}

int LohngruppeIndexNachId(const std::string& idText, const SettingsLists& listen) {
  const std::optional<double> n = base::ParseNumber(Aufgeraeumt(idText));
  if (!n || *n != base::Int(*n)) return -1;
  const auto gruppen = UsedSlots(listen.LohngruppeListe, listen.AnzahlLohngruppen);
  for (std::size_t i = 0; i < gruppen.size(); ++i) {
    if (gruppen[i].LohngruppenID == *n) return static_cast<int>(i);
  }
  return -1;
}

namespace {

// True when a Lohn row carries `name` exactly; nullopt when the table cannot be read.
std::optional<bool> NameVorhanden(const std::string& name) {
  std::unique_ptr<db::Database> morvin = settings::Oeffnen(state().enterprise.AktuellerBetrieb);
  if (!morvin) return std::nullopt;
  db::Recordset rs = settings::Tabelle(*morvin, "Lohn");
  if (!rs.ok()) return std::nullopt;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const db::Value& v = rs["Tarif"];
    if (!v.isNull() && v.text() == name) return true;
  }
  return false;
}

// The hourly wage, which the labour cost multiplies with the hours: an amount from 0 to the
// largest amount. An empty box is refused before this rule, with its own message.
constexpr base::Feldregel kLohn{.feld = "txtLohn"};

bool LohnPruefen(const std::string& lohn) {
  if (base::FeldGueltig(kLohn, lohn)) return true;
  mdlFehler::MeldungWertePruefen(lohn);
  return false;
}

// The moment of a change, to the second, and the record ID built from it.
base::Date JetztAufSekunde() {
  const base::Date now = base::Now();
  return base::MakeDateTime(base::Year(now), base::Month(now), base::Day(now), base::Hour(now), base::Minute(now),
                            base::Second(now));
}

}  // namespace

LohngruppenStatus LohngruppeAnlegen(const std::string& name, const std::string& lohn, Pruefreihenfolge reihenfolge) {
  const bool leer = name.empty() || lohn.empty();
  if (reihenfolge == Pruefreihenfolge::LeereZuerst && leer) return LohngruppenStatus::WerteFehlen;
  const std::optional<bool> vorhanden = NameVorhanden(name);
  if (!vorhanden) return LohngruppenStatus::Fehler;
  if (*vorhanden) {
    mdlFehler::MeldungNameNichtEindeutig();
    return LohngruppenStatus::NameNichtEindeutig;
  }
  if (leer) return LohngruppenStatus::WerteFehlen;
  if (!LohnPruefen(lohn)) return LohngruppenStatus::Ungueltig;

  const base::Date moment = JetztAufSekunde();
  const std::string id = base::NewRecordId();
  std::optional<Schreibvorgang> w = SchreibenBeginnen();
  if (!w) return LohngruppenStatus::Fehler;
  db::Database& morvin = *w->morvin;
  db::Database& tolvar = *w->tolvar;

  db::Recordset gruppen = settings::Tabelle(morvin, "Lohn");
  if (!gruppen.ok() || !gruppen.AddNew() || !gruppen.SetField("Tarif", name) || !gruppen.SetField("Beispiel", "1") ||
      !gruppen.SetField("ID", id) || !gruppen.SetField("LetzteAenderung", db::Value::Moment(moment)) ||
      !gruppen.Update()) {
    return LohngruppenStatus::Fehler;
  }
  // The new group is found again by its record ID.
  int64_t g = 0;
  db::Recordset wieder = settings::Tabelle(morvin, "Lohn");
  for (wieder.MoveFirst(); !wieder.Eof(); wieder.MoveNext()) {
    if (wieder["ID"].text() == id) {
      g = wieder["LohngruppenID"].integerOr(0);
      break;
    }
  }
  if (g <= 0 || g > INT16_MAX) return LohngruppenStatus::Fehler;

  db::Recordset tarif = settings::Tabelle(tolvar, "Tarif");
  if (!tarif.ok() || !tarif.AddNew() || !tarif.SetField("Lohngruppe", g) || !tarif.SetField("Lohn", lohn) ||
      !tarif.Update()) {
    return LohngruppenStatus::Fehler;
  }
  // The wage first: should the group's commit then fail, a surplus Tarif row of a number
  // never handed out again is all that stays.
  if (!w->tt->Commit()) return LohngruppenStatus::Fehler;
  if (!w->tm->Commit()) return LohngruppenStatus::Fehler;
  return LohngruppenStatus::Gespeichert;
}

LohngruppenStatus LohngruppeAendern(const std::string& idText, const std::string& name, const std::string& lohn) {
  if (name.empty() || lohn.empty()) return LohngruppenStatus::WerteFehlen;
  if (!LohnPruefen(lohn)) return LohngruppenStatus::Ungueltig;
  const int index = LohngruppeIndexNachId(idText, state().settings);
  if (index < 0) return LohngruppenStatus::KeineGruppe;
  State& st = state();
  st.windows.Merkwert = index;
  const int16_t g = st.settings.LohngruppeListe[static_cast<std::size_t>(index)].LohngruppenID;

  std::optional<Schreibvorgang> w = SchreibenBeginnen();
  if (!w) return LohngruppenStatus::Fehler;
  db::Database& morvin = *w->morvin;
  db::Database& tolvar = *w->tolvar;

  db::Recordset gruppen = settings::Tabelle(morvin, "Lohn");
  if (!gruppen.ok()) return LohngruppenStatus::Fehler;
  bool gefunden = false;
  for (gruppen.MoveFirst(); !gruppen.Eof(); gruppen.MoveNext()) {
    const db::Value& v = gruppen["LohngruppenID"];
    if (!v.isNull() && v.number() == static_cast<double>(g)) {
      gefunden = true;
      break;
    }
  }
  if (!gefunden) return LohngruppenStatus::KeineGruppe;
  if (!gruppen.Edit() || !gruppen.SetField("Tarif", name) ||
      !gruppen.SetField("LetzteAenderung", db::Value::Moment(JetztAufSekunde())) ||
      !gruppen.SetField("ID", base::NewRecordId()) || !gruppen.Update()) {
    return LohngruppenStatus::Fehler;
  }

  // The group's first wage row gives way to the new one, in one transaction.
  db::Recordset tarif = settings::Tabelle(tolvar, "Tarif");
  if (!tarif.ok()) return LohngruppenStatus::Fehler;
  for (tarif.MoveFirst(); !tarif.Eof(); tarif.MoveNext()) {
    const db::Value& v = tarif["Lohngruppe"];
    if (!v.isNull() && v.number() == static_cast<double>(g)) {
      if (!tarif.Delete()) return LohngruppenStatus::Fehler;
      break;
    }
  }
  if (!tarif.AddNew() || !tarif.SetField("Lohngruppe", static_cast<int>(g)) || !tarif.SetField("Lohn", lohn) ||
      !tarif.Update()) {
    return LohngruppenStatus::Fehler;
  }
  if (!w->tt->Commit()) return LohngruppenStatus::Fehler;
  if (!w->tm->Commit()) return LohngruppenStatus::Fehler;
  return LohngruppenStatus::Gespeichert;
}

LohngruppenStatus LohngruppeEntfernen(const std::string& idText) {
  const int index = LohngruppeIndexNachId(idText, state().settings);
  if (index < 0) return LohngruppenStatus::KeineGruppe;
  const std::string id =
      std::to_string(state().settings.LohngruppeListe[static_cast<std::size_t>(index)].LohngruppenID);
  return LohngruppeLoeschen(id) ? LohngruppenStatus::Gespeichert : LohngruppenStatus::Fehler;
}

}  // namespace tolvar::mdlTarif
