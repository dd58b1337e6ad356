#include "data/mdlDatenLaden.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/mdlTopfSubstrate.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::mdlDatenLaden {

namespace {

// Rule A: a column is missing when Null or equal to the number 0 (a number 0, a text that
// reads as 0); for date fields also the zero date, with or without a time of day. The empty
// text is not missing.
bool MissingA(const db::Value& v, bool dateField) {
  if (v.isNull()) return true;
  const std::optional<double> n = v.number();
  if (n && *n == 0.0) return true;
  if (dateField && v.type() == db::Value::Type::Text) {
    const std::optional<base::Date> d = v.date();
    if (d && *d >= 0.0 && *d < 1.0) return true;
  }
  return false;
}

// Reads the columns of one row into one record, in the order called. The first column the
// table lacks or whose value does not convert stops the reading; later calls do nothing.
class RowReader {
 public:
  RowReader(const db::Recordset& rs, base::Date today) : rs_(rs), today_(today) {}

  bool ok() const { return ok_; }
  bool missingColumn() const { return missingColumn_; }
  base::Date today() const { return today_; }

  void TextA(std::string_view column, std::string* field, std::string_view whenMissing = "") {
    const db::Value* v = Get(column);
    if (v == nullptr) return;
    *field = MissingA(*v, false) ? std::string(whenMissing) : v->text();
  }

  void SingleA(std::string_view column, double* field) {
    const db::Value* v = Get(column);
    if (v == nullptr) return;
    if (MissingA(*v, false)) {
      *field = 0.0;
      return;
    }
    const std::optional<double> n = v->number();
    if (!n) return Fail();
    *field = *n;
  }

  void IntegerA(std::string_view column, int16_t* field) {
    const db::Value* v = Get(column);
    if (v == nullptr) return;
    if (MissingA(*v, false)) {
      *field = 0;
      return;
    }
    const std::optional<double> n = v->number();
    if (!n) return Fail();
    const double r = base::Round(*n, 0);
    if (!(r >= INT16_MIN && r <= INT16_MAX)) return Fail();
    *field = static_cast<int16_t>(r);
  }

  void DateA(std::string_view column, base::Date* field, base::Date whenMissing, bool dayOnly = false) {
    const db::Value* v = Get(column);
    if (v == nullptr) return;
    if (MissingA(*v, true)) {
      *field = whenMissing;
      return;
    }
    const std::optional<base::Date> d = v->date();
    if (!d) return Fail();
    *field = dayOnly ? base::DateOnly(*d) : *d;
  }

  // Rule B: True unless Null or False.
  void BoolB(std::string_view column, bool* field) {
    const db::Value* v = Get(column);
    if (v == nullptr) return;
    *field = v->boolean();
  }

  // Rule C: missing only when Null; the time of day stays.
  void DateC(std::string_view column, base::Date* field, base::Date whenMissing) {
    const db::Value* v = Get(column);
    if (v == nullptr) return;
    if (v->isNull()) {
      *field = whenMissing;
      return;
    }
    const std::optional<base::Date> d = v->date();
    if (!d) return Fail();
    *field = *d;
  }

 private:
  const db::Value* Get(std::string_view column) {
    if (!ok_) return nullptr;
    const int index = rs_.ColumnIndex(column);
    if (index < 0) {
      missingColumn_ = true;
      Fail();
      return nullptr;
    }
    return &rs_.Field(index);
  }
  void Fail() { ok_ = false; }

  const db::Recordset& rs_;
  base::Date today_;
  bool ok_ = true;
  bool missingColumn_ = false;
};

// A value that does not convert stops the reading (the rows after it stay empty); the user
// is told once which table that was.
void TeilweiseGelesenMelden(const std::string& path, std::string_view table, std::size_t zeile) {
  const std::string schluessel = path + "|" + std::string(table);
  if (!state().enterprise.GemeldeteLesefehler.insert(schluessel).second) return;
  data::ShowCritical("Die Tabelle \"" + std::string(table) + "\" konnte nicht vollständig gelesen werden: " + "Zeile " +
                     std::to_string(zeile) + " enthält einen ungültigen Wert. Einträge ab " +
                     "dieser Zeile fehlen.\n\nDatei: " + path);
}

// Replaces `list` by the rows of `table`, ordered by the column `orderBy` (rows of equal value,
// and all rows without `orderBy`, in table order).
template <typename Satz, typename Fill>
bool LoadList(const std::string& path, std::string_view table, std::string_view orderBy, Fill fill,
              std::vector<Satz>* list) {
  // Nothing of the previous list survives, whatever happens below.
  list->clear();
  std::unique_ptr<db::Database> database = db::Database::Open(path);
  if (!database) return false;
  db::Recordset rs = database->OpenTable(table);
  if (!rs.ok()) return false;
  if (!orderBy.empty() && !rs.SortBy(orderBy)) {
    list->clear();
    return false;
  }

  list->assign(static_cast<std::size_t>(rs.RecordCount()), Satz{});
  const base::Date today = base::Today();
  std::size_t i = 0;
  for (rs.MoveFirst(); !rs.Eof() && i < list->size(); rs.MoveNext(), ++i) {
    RowReader reader(rs, today);
    fill(reader, (*list)[i]);
    if (!reader.ok()) {
      // A table without a column is as unusable as a missing table.
      if (reader.missingColumn()) {
        list->clear();
      } else {
        TeilweiseGelesenMelden(path, table, i + 1);
      }
      return false;
    }
  }
  return true;
}

// The columns every master table shares, read in the order the tables list them: the parent
// group's number, the short name, the group flag and the barcode ...
template <typename Satz>
void FillGliederung(RowReader& r, Satz& x) {
  r.TextA("UeberPNr", &x.UeberPNr, "0");
  r.TextA("Kuerzel", &x.Kuerzel);
  r.BoolB("Gliederungspunkt", &x.Gliederungspunkt);
  r.SingleA("Barcode", &x.Barcode);
}

// ... the current flag and the remarks ...
template <typename Satz>
void FillVermerke(RowReader& r, Satz& x) {
  r.BoolB("Aktuell", &x.Aktuell);
  r.TextA("Bemerkungen", &x.Bemerkungen);
}

// ... and the record's ID with the time of its last change.
template <typename Satz>
void FillKennung(RowReader& r, Satz& x) {
  r.TextA("ID", &x.ID);
  r.DateA("LetzteAenderung", &x.LetzteAenderung, base::kZeroDate);
}

void FillKultur(RowReader& r, KulturSatz& k) {
  r.TextA("Kulturname", &k.Kulturname);
  r.TextA("KulturNr", &k.KulturNr);
  FillGliederung(r, k);
  FillVermerke(r, k);
  r.DateA("Arbeitsbeginn", &k.Arbeitsbeginn, r.today(), true);
  r.DateA("Arbeitsende", &k.Arbeitsende, r.today(), true);
  FillKennung(r, k);
}

void FillStandort(RowReader& r, StandortSatz& s) {
  r.TextA("Standortname", &s.Standortname);
  r.TextA("StandortNr", &s.StandortNr);
  FillGliederung(r, s);
  FillVermerke(r, s);
  FillKennung(r, s);
  r.TextA("Fläche", &s.Flaeche, "0");
}

void FillMaterial(RowReader& r, MaterialSatz& m) {
  r.TextA("Materialname", &m.Materialname);
  r.TextA("MaterialNr", &m.MaterialNr);
  FillGliederung(r, m);
  r.TextA("Preis", &m.Preis, "0");
  r.TextA("Einheit", &m.Einheit, "0");
  r.IntegerA("Bezug", &m.Bezug);
  r.TextA("Wdh", &m.Wdh, "1");
  FillVermerke(r, m);
  FillKennung(r, m);
}

void FillPersonal(RowReader& r, PersonalSatz& p) {
  r.TextA("Name", &p.Name);
  r.TextA("Vorname", &p.Vorname);
  r.TextA("PersonalNr", &p.PersonalNr);
  FillGliederung(r, p);
  r.TextA("Postleitzahl", &p.Postleitzahl, "0");
  r.TextA("Ort", &p.Ort);
  r.TextA("Strasse", &p.Strasse, "0");
  r.DateC("Geburtstag", &p.Geburtstag, base::kNoDate);
  r.TextA("Telefon", &p.Telefon, "0");
  FillVermerke(r, p);
  FillKennung(r, p);
}

void FillTaetigkeit(RowReader& r, StdTaetigkeitSatz& t) {
  r.TextA("Tätigkeiten", &t.Taetigkeit);
  r.TextA("StdTaetigkeitNr", &t.StdTaetigkeitNr);
  FillGliederung(r, t);
  FillVermerke(r, t);
  FillKennung(r, t);
}

}  // namespace

bool KulturenLaden() {
  State& s = state();
  return LoadList(s.enterprise.AktuellerBetrieb, "Kulturen", "", FillKultur, &s.masters.KulturListe);
}

bool StandorteLaden() {
  State& s = state();
  return LoadList(s.enterprise.AktuellerBetrieb, "Standort", "", FillStandort, &s.masters.StandortListe);
}

// Materials come from the material database, in barcode order.
bool MaterialienLaden() {
  State& s = state();
  const std::string& pfad = s.enterprise.AktuelleEinstellungen.MaterialPfad;
  // The default material database found damaged while its rows are read is restored from the
  // shipped tree as that is reported (mdlFehler): the restored file is read at once.
  const bool schonWiederhergestellt = mdlFehler::WaehrendDesLaufsWiederhergestellt(pfad);
  std::vector<MaterialSatz> liste;
  bool ok = LoadList(pfad, "Material", "Barcode", FillMaterial, &liste);
  if (!ok && !schonWiederhergestellt && mdlFehler::WaehrendDesLaufsWiederhergestellt(pfad))
    ok = LoadList(pfad, "Material", "Barcode", FillMaterial, &liste);
  s.masters.MaterialListeErsetzen(std::move(liste));
  s.masters.MaterialListeGelesen = ok;
  return ok;
}

bool PersonalLaden() {
  State& s = state();
  return LoadList(s.enterprise.AktuellerBetrieb, "Personal", "", FillPersonal, &s.masters.PersonalListe);
}

bool TaetigkeitenLaden() {
  State& s = state();
  return LoadList(s.enterprise.AktuellerBetrieb, "StdTaetigkeiten", "", FillTaetigkeit, &s.masters.StdTaetigkeitListe);
}

void AlleListenLaden() {
  KulturenLaden();
  StandorteLaden();
  MaterialienLaden();
  mdlTopfSubstrate::GefaesseLaden();
  PersonalLaden();
  TaetigkeitenLaden();
}

}  // namespace tolvar::mdlDatenLaden
