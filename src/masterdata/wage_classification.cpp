#include "masterdata/wage_classification.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>
#include <utility>

#include "data/mdlFehler.h"
#include "data/messages.h"
#include "platform/db/database.h"

namespace tolvar::masterdata {

namespace {

void Fehler(const std::string& pfad, const std::string& was, const std::string& grund) {
  data::ShowCritical(
      data::Datenbankfehler("Die Lohneinteilung kann nicht " + was + " werden.", "Morvin5-Datenbank", pfad, grund));
}

// Sort key in German dictionary order: ä, ö, ü as a, o, u, ß as ss, case ignored.
std::string Sortierschluessel(std::string_view text) {
  static const std::pair<std::string_view, std::string_view> kErsatz[] = {
      {"ä", "a"}, {"ö", "o"}, {"ü", "u"}, {"Ä", "a"}, {"Ö", "o"}, {"Ü", "u"}, {"ß", "ss"}};
  std::string schluessel;
  for (std::size_t i = 0; i < text.size();) {
    bool ersetzt = false;
    for (const auto& [von, nach] : kErsatz) {
      if (text.substr(i, von.size()) == von) {
        schluessel += nach;
        i += von.size();
        ersetzt = true;
        break;
      }
    }
    if (!ersetzt) schluessel += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
  }
  return schluessel;
}

// The day of a stored DatumAb (ISO or German text); nullopt when it is no date.
std::optional<base::Date> Tag(const db::Value& wert) {
  std::optional<base::Date> datum = wert.date();
  if (!datum) return std::nullopt;
  return base::DateOnly(*datum);
}

}  // namespace

std::optional<std::vector<LohngruppenEintrag>> LohngruppenLaden(const std::string& morvinPfad) {
  std::string grund;
  auto database = db::Database::Open(morvinPfad, &grund);
  if (!database) {
    Fehler(morvinPfad, "gelesen", grund);
    return std::nullopt;
  }
  db::Recordset rs = database->Query("SELECT \"LohngruppenID\", \"Tarif\" FROM \"Lohn\" ORDER BY rowid");
  if (!rs.ok()) {
    Fehler(morvinPfad, "gelesen", rs.error());
    return std::nullopt;
  }
  std::vector<LohngruppenEintrag> gruppen;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    gruppen.push_back({rs.Field(0).integerOr(0), base::Trim(rs.Field(1).text())});
  }
  std::stable_sort(gruppen.begin(), gruppen.end(), [](const LohngruppenEintrag& a, const LohngruppenEintrag& b) {
    const std::string ka = Sortierschluessel(a.Tarif);
    const std::string kb = Sortierschluessel(b.Tarif);
    return ka != kb ? ka < kb : a.Tarif < b.Tarif;
  });
  return gruppen;
}

std::optional<std::vector<LohneinteilungZeile>> LohneinteilungenLaden(const std::string& morvinPfad,
                                                                      const std::string& tolvarPfad,
                                                                      const std::string& personalNr) {
  std::string grund;
  auto morvin = db::Database::Open(morvinPfad, &grund);
  if (!morvin) {
    Fehler(morvinPfad, "gelesen", grund);
    return std::nullopt;
  }
  db::Recordset rs = morvin->Query(
      "SELECT \"LohngruppenID\", \"DatumAb\" FROM \"Lohneinteilung\" WHERE \"PersonalNr\" = ? ORDER BY rowid",
      {db::Value(personalNr)});
  if (!rs.ok()) {
    Fehler(morvinPfad, "gelesen", rs.error());
    return std::nullopt;
  }
  auto tolvar = db::Database::Open(tolvarPfad);

  struct Eintrag {
    std::optional<base::Date> tag;
    LohneinteilungZeile zeile;
  };
  std::vector<Eintrag> eintraege;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    Eintrag e;
    e.tag = Tag(rs.Field(1));
    e.zeile.DatumAb = e.tag ? base::DateText(*e.tag) : rs.Field(1).text();
    const db::Value& id = rs.Field(0);
    if (!id.isNull()) {
      e.zeile.LohngruppenID = id.integerOr(0);
      const db::Value name = morvin->Scalar("SELECT \"Tarif\" FROM \"Lohn\" WHERE \"LohngruppenID\" = ?", {id});
      e.zeile.Lohngruppe = base::Trim(name.text());
      if (tolvar) {
        const db::Value lohn =
            tolvar->Scalar("SELECT \"Lohn\" FROM \"Tarif\" WHERE \"Lohngruppe\" = ? ORDER BY rowid", {id});
        if (std::optional<double> wert = lohn.number()) e.zeile.Lohn = base::Format(*wert, "0.00");
      }
    }
    eintraege.push_back(std::move(e));
  }
  std::stable_sort(eintraege.begin(), eintraege.end(), [](const Eintrag& a, const Eintrag& b) {
    if (a.tag && b.tag) return *a.tag < *b.tag;
    return a.tag.has_value() && !b.tag.has_value();
  });
  std::vector<LohneinteilungZeile> zeilen;
  for (Eintrag& e : eintraege) zeilen.push_back(std::move(e.zeile));
  return zeilen;
}

bool LohneinteilungSpeichern(const std::string& morvinPfad, const std::string& personalNr,
                             std::optional<int64_t> lohngruppenID, base::Date datumAb) {
  if (!lohngruppenID || personalNr.empty()) {
    mdlFehler::MeldungWerteFehlen();
    return false;
  }
  const base::Date tag = base::DateOnly(datumAb);
  std::string grund;
  auto database = db::Database::Open(morvinPfad, &grund);
  if (!database) {
    Fehler(morvinPfad, "gespeichert", grund);
    return false;
  }
  db::Transaction transaktion = database->BeginTransaction();
  db::Recordset rs = database->OpenTable("Lohneinteilung", "\"PersonalNr\" = ?", {db::Value(personalNr)});
  if (!transaktion.active() || !rs.ok()) {
    Fehler(morvinPfad, "gespeichert", rs.ok() ? database->LastError() : rs.error());
    return false;
  }
  rs.MoveFirst();
  while (!rs.Eof() && Tag(rs.Field("DatumAb")) != tag) rs.MoveNext();
  const bool neu = rs.Eof();
  if (neu) {
    rs.AddNew();
  } else {
    rs.Edit();
  }
  bool ok = rs.SetField("LohngruppenID", db::Value(*lohngruppenID)) &&
            rs.SetField("LetzteAenderung", db::Value::Moment(base::Now()));
  if (neu) {
    ok = ok && rs.SetField("PersonalNr", db::Value(personalNr)) && rs.SetField("DatumAb", db::Value::Day(tag)) &&
         rs.SetField("ID", db::Value(base::NewRecordId()));
  }
  if (!ok || !rs.Update() || !transaktion.Commit()) {
    Fehler(morvinPfad, "gespeichert", !rs.error().empty() ? rs.error() : database->LastError());
    return false;
  }
  return true;
}

bool LohneinteilungLoeschen(const std::string& morvinPfad, const std::string& personalNr, base::Date datumAb) {
  const base::Date tag = base::DateOnly(datumAb);
  std::string grund;
  auto database = db::Database::Open(morvinPfad, &grund);
  if (!database) {
    Fehler(morvinPfad, "gelöscht", grund);
    return false;
  }
  db::Transaction transaktion = database->BeginTransaction();
  db::Recordset rs = database->OpenTable("Lohneinteilung", "\"PersonalNr\" = ?", {db::Value(personalNr)});
  if (!transaktion.active() || !rs.ok()) {
    Fehler(morvinPfad, "gelöscht", rs.ok() ? database->LastError() : rs.error());
    return false;
  }
  rs.MoveFirst();
  while (!rs.Eof()) {
    if (Tag(rs.Field("DatumAb")) == tag) {
      if (!rs.Delete()) {
        Fehler(morvinPfad, "gelöscht", rs.error());
        return false;
      }
    } else {
      rs.MoveNext();
    }
  }
  if (!transaktion.Commit()) {
    Fehler(morvinPfad, "gelöscht", database->LastError());
    return false;
  }
  return true;
}

}  // namespace tolvar::masterdata
