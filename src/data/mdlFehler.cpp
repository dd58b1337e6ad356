#include "data/mdlFehler.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "base/field_rules.h"
#include "base/values.h"
#include "data/comparison_table.h"
#include "data/messages.h"
#include "data/paths.h"
#include "data/records_culture.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "data/vantel_row.h"
#include "platform/db/database.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/fehlertext.h"
#include "platform/sys/files.h"

namespace tolvar::mdlFehler {

namespace {

// A table the program reads with the columns it reads from it.
struct Tabellenbedarf {
  std::string_view tabelle;
  std::vector<std::string_view> spalten;
};
using Bedarf = std::vector<Tabellenbedarf>;

// The columns of a table's column table (data/records_culture.h, data/vantel_row.h).
template <typename Liste>
std::vector<std::string_view> Spalten(const Liste& liste) {
  std::vector<std::string_view> namen;
  for (const auto& spalte : liste) namen.push_back(spalte.name);
  return namen;
}

// The required columns of each database. A table whose rows are read or written by a column
// list of its own takes its columns from that list (the culture tables, Vantel, the settings
// row, the result table); the others are read column by column, so their columns stand here,
// and tests/shipped/sql_spalten_test.cpp holds them to the shipped schema.
const Bedarf& Morvin5Bedarf() {
  static const Bedarf bedarf = {
      {"Kulturen",
       {"KulturNr", "UeberPNr", "Kulturname", "Kuerzel", "Barcode", "Arbeitsbeginn", "Arbeitsende", "Bemerkungen",
        "Aktuell", "Gliederungspunkt", "ID", "LetzteAenderung"}},
      {"StdTaetigkeiten",
       {"StdTaetigkeitNr", "UeberPNr", "Tätigkeiten", "Kuerzel", "Bemerkungen", "Barcode", "Aktuell",
        "Gliederungspunkt", "ID", "LetzteAenderung"}},
      {"Standort",
       {"StandortNr", "UeberPNr", "Standortname", "Kuerzel", "Barcode", "Bemerkungen", "Fläche", "Aktuell",
        "Gliederungspunkt", "ID", "LetzteAenderung"}},
      {"Personal",
       {"PersonalNr", "UeberPNr", "Name", "Vorname", "Kuerzel", "Strasse", "Postleitzahl", "Ort", "Telefon",
        "Geburtstag", "Bemerkungen", "Barcode", "Aktuell", "Gliederungspunkt", "ID", "LetzteAenderung"}},
      {"KulturStandorte", Spalten(kKulturStandorteSpalten)},
      {"Taetigkeiten", {"KulturNr", "Datum", "StdTaetigkeitNr", "Zeitdauer", "PersonalNr"}},
      {"Lohn", {"LohngruppenID", "Tarif", "Beispiel", "ID", "LetzteAenderung"}},
      {"Lohneinteilung", {"PersonalNr", "LohngruppenID", "DatumAb", "LetzteAenderung", "ID"}},
      {"Wochenarbeitszeit", {"PersonalNr", "Wochenarbeitszeit", "DatumAb", "LetzteAenderung", "ID"}},
  };
  return bedarf;
}

const Bedarf& TolvarBedarf() {
  static const Bedarf bedarf = {
      {"BetriebEinstellungen", data::EinstellungenSpalten()},
      {"KulturPhasen", Spalten(kKulturPhasenSpalten)},
      {"Material", Spalten(kKulturMaterialSpalten)},
      {"ArbeitMaterial", {"TaetigkeitNr", "Kosten je Stunde"}},
      {"Tarif", {"Lohngruppe", "Lohn"}},
      {"Vantel", Spalten(data::kVantelSpalten)},
  };
  return bedarf;
}

const Bedarf& MaterialBedarf() {
  static const Bedarf bedarf = {
      {"Material",
       {"MaterialNr", "UeberPNr", "Materialname", "Kuerzel", "Barcode", "Gliederungspunkt", "Bezug", "Einheit", "Preis",
        "Wdh", "Aktuell", "Bemerkungen", "ID", "LetzteAenderung"}},
  };
  return bedarf;
}

const Bedarf& VantelBedarf() {
  static const Bedarf bedarf = {
      {"GWHMaterial", {"Nummer", "Material", "k-Wert", "Durchlässigkeit", "Eignung"}},
      {"Heizmaterialien", {"Nummer", "Brennstoffart", "Unterer Brennwert", "Oberer Brennwert", "Preis"}},
  };
  return bedarf;
}

const Bedarf& ErgebnisBedarf() {
  static const Bedarf bedarf = {{data::kVergleichskulturTabelle, data::VergleichskulturSpalten()}};
  return bedarf;
}

const Bedarf& VergleichstabelleBedarf() {
  static const Bedarf bedarf = {{data::kVergleichskulturTabelle, {}}};
  return bedarf;
}

std::string Angefuehrt(std::string_view name) { return "\"" + std::string(name) + "\""; }

// What failed and its cause in one line, as a line of what is wrong with a file.
std::string Zeile(std::string_view was, std::string_view technisch) {
  std::string zeile = sys::Fehlermeldung(was, technisch);
  for (std::size_t absatz = zeile.find("\n\n"); absatz != std::string::npos; absatz = zeile.find("\n\n", absatz)) {
    zeile.replace(absatz, 2, " ");
  }
  return zeile;
}

// What makes the file at `path` unusable for `bedarf`, in German; empty when it is usable.
// The check reads the schema and every page of the file's tables and their indexes without
// decoding a row: a damaged page or a file cut short makes the file unusable, while no row
// of a large table is read.
std::string Maengel(const std::string& path, const Bedarf& bedarf) {
  if (sys::FolderExists(path)) return "Der Name bezeichnet einen Ordner, keine Datei.";
  if (!sys::FileExists(path)) return "Die Datei wurde nicht gefunden.";
  // The engine takes an empty file for an empty database: every table would be named missing.
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) == 0 && !ec) return "Die Datei ist leer.";
  std::string grund;
  std::unique_ptr<db::Database> database = db::Database::Open(path, &grund);
  if (!database) return Zeile("Die Datei kann nicht als Datenbank geöffnet werden.", grund);
  const std::vector<std::string> tabellen = database->Tables();
  std::string maengel;
  std::vector<std::string> spalten;
  std::vector<std::string> geprueft;
  for (const Tabellenbedarf& t : bedarf) {
    const auto gespeichert = std::find_if(tabellen.begin(), tabellen.end(), [&t](const std::string& name) {
      return base::AsciiEqualsNoCase(name, t.tabelle);
    });
    if (gespeichert == tabellen.end()) {
      maengel += "Es fehlt die Tabelle " + Angefuehrt(t.tabelle) + ".\n";
      continue;
    }
    std::string fehler;
    geprueft.push_back(*gespeichert);
    if (!database->ReadColumns(*gespeichert, &spalten, &fehler) || !database->CheckPages({*gespeichert}, &fehler)) {
      maengel += Zeile("Die Tabelle " + Angefuehrt(t.tabelle) + " kann nicht gelesen werden.", fehler) + "\n";
      continue;
    }
    std::string fehlend;
    for (std::string_view spalte : t.spalten) {
      const bool vorhanden = std::any_of(spalten.begin(), spalten.end(), [spalte](const std::string& name) {
        return base::AsciiEqualsNoCase(name, spalte);
      });
      if (vorhanden) continue;
      if (!fehlend.empty()) fehlend += ", ";
      fehlend += Angefuehrt(spalte);
    }
    if (!fehlend.empty()) maengel += "In der Tabelle " + Angefuehrt(t.tabelle) + " fehlt: " + fehlend + ".\n";
  }
  if (!maengel.empty()) {
    maengel.pop_back();
    return maengel;
  }
  // The other tables too, since the program reads more tables than it requires and a
  // damaged page would otherwise read as rows that are not there.
  std::vector<std::string> uebrige;
  for (const std::string& tabelle : tabellen) {
    if (std::find(geprueft.begin(), geprueft.end(), tabelle) == geprueft.end()) uebrige.push_back(tabelle);
  }
  std::string fehler;
  if (!uebrige.empty() && !database->CheckPages(uebrige, &fehler))
    return Zeile("Die Datei kann nicht vollständig gelesen werden.", fehler);
  return {};
}

// What makes the climate tables of `stationen` in the weather database at `path` unusable for
// the heating: a station's table that lacks one of the 24 hours or one of the 52 weeks, or
// holds a value that is Null or no number there. A file that does not open as a database
// and a station without tables are left to the heating, which counts them as missing data.
// Empty when usable.
std::string KlimaMaengel(const std::string& path, const std::vector<std::string>& stationen) {
  std::unique_ptr<db::Database> database = db::Database::Open(path);
  if (!database) return {};
  std::string maengel;
  for (const std::string& station : stationen) {
    for (std::string_view art : {data::kKlimaTemperatur, data::kKlimaEinstrahlung}) {
      const std::optional<std::string> tabelle = database->TableName(station + std::string(art));
      if (!tabelle) continue;
      db::Recordset rs = database->Query("SELECT * FROM " + db::QuoteIdentifier(*tabelle) + " ORDER BY rowid");
      const int spalten = rs.ok() ? static_cast<int>(rs.ColumnNames().size()) : 0;
      int stunden = 0;
      bool vollstaendig = spalten > data::kKlimaWochen;
      for (rs.MoveFirst(); rs.ok() && vollstaendig && !rs.Eof() && stunden < data::kKlimaStunden; rs.MoveNext()) {
        for (int w = 1; w <= data::kKlimaWochen && vollstaendig; ++w) vollstaendig = rs.Field(w).number().has_value();
        ++stunden;
      }
      if (vollstaendig && stunden == data::kKlimaStunden) continue;
      maengel += "Die Klimatabelle " + Angefuehrt(*tabelle) + " der Wetterstation " + Angefuehrt(station) +
                 " hat nicht für jede der 24 Stunden und 52 Wochen einen Wert.\n";
    }
  }
  if (!maengel.empty()) maengel.pop_back();
  return maengel;
}

// "Datei: <path>" and what is wrong with it, as the detail of a message.
std::string Einzelheiten(const std::string& path, const std::string& maengel) {
  return "Datei: " + path + "\n" + maengel;
}

void Melden(std::string_view text, const std::string& detail) {
  data::ShowCritical(detail.empty() ? std::string(text) : std::string(text) + "\n\n" + detail);
}

// Writes fields into the first settings row; a missing database or a table without a row is
// left as it is. A write that fails is reported with its cause (the default then holds in
// memory only).
void WriteSettingsFields(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
  auto melden = [](const std::string& grund) {
    data::ShowCritical(mdlDatenbank::EinstellungenNichtGespeichert(grund));
  };
  if (!sys::FileExists(state().enterprise.TolvarDatenbankPfad)) return;
  std::string grund;
  std::unique_ptr<db::Database> database = db::Database::Open(state().enterprise.TolvarDatenbankPfad, &grund);
  if (!database) return melden(grund);
  db::Recordset rs = database->OpenTable("BetriebEinstellungen");
  if (!rs.ok()) return melden(rs.error());
  if (rs.RecordCount() == 0) return;
  rs.MoveFirst();
  if (!rs.Edit()) return melden(rs.error());
  for (const auto& [column, value] : fields) {
    if (!rs.SetField(column, value)) {
      grund = rs.error();
      rs.CancelUpdate();
      return melden(grund);
    }
  }
  if (!rs.Update()) melden(rs.error());
}

// NurVorhanden requires no table: every page is still read.
const Bedarf& BedarfVon(Bedarfsart art) {
  static const Bedarf kein;
  switch (art) {
    case Bedarfsart::Morvin5:
      return Morvin5Bedarf();
    case Bedarfsart::Tolvar:
      return TolvarBedarf();
    case Bedarfsart::Material:
      return MaterialBedarf();
    case Bedarfsart::Vantel:
      return VantelBedarf();
    case Bedarfsart::Ergebnis:
      return ErgebnisBedarf();
    case Bedarfsart::Vergleichstabelle:
      return VergleichstabelleBedarf();
    case Bedarfsart::NurVorhanden:
      break;
  }
  return kein;
}

// Moves `von` onto `nach`, replacing it; false with the reason in *fehler.
bool Umbenennen(const std::string& von, const std::string& nach, std::string* fehler) {
  std::error_code ec;
  std::filesystem::rename(von, nach, ec);
  if (ec) *fehler = "'" + nach + "': " + ec.message();
  return !ec;
}

// The blocks of a detail text, one per file: each begins with its line "Datei: <path>".
std::vector<std::string> Bloecke(const std::string& text) {
  std::vector<std::string> bloecke;
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    std::size_t ende = text.find('\n', anfang);
    if (ende == std::string::npos) ende = text.size();
    const std::string zeile = text.substr(anfang, ende - anfang);
    anfang = ende + 1;
    if (zeile.empty()) continue;
    if (bloecke.empty() || zeile.starts_with("Datei: ")) {
      bloecke.push_back(zeile);
    } else {
      bloecke.back() += "\n" + zeile;
    }
  }
  return bloecke;
}

// The fallback's message: the promise of the default only when the default can be used
// (`standardFehler` empty), followed by `hinweis`, what was restored from the shipped tree.
void FallbackMelden(std::string_view art, const std::string& detail, const std::string& standardFehler,
                    const std::string& hinweis, const std::string& zusatz = {}) {
  const std::string ungueltig =
      "Die ausgewählte " + std::string(art) + "-Datenbank ist ungültig und kann nicht geöffnet werden";
  if (standardFehler.empty()) {
    std::string text = ungueltig + ", stattdessen wird die Standard-" + std::string(art) + "-Datenbank geladen.";
    if (!zusatz.empty()) text += " " + zusatz;
    if (!hinweis.empty()) text += "\n\n" + hinweis;
    Melden(text, detail);
    return;
  }
  std::string text = ungueltig + ". Die Standard-" + std::string(art) +
                     "-Datenbank kann ebenfalls nicht geladen werden. Die Einstellung bleibt unverändert; aus "
                     "keiner der beiden Dateien wird in dieser Sitzung etwas geladen.";
  // Each file once with its cause, a blank line between them: the chosen file may be the
  // default itself, and the shipped copy of the default follows it.
  std::vector<std::string> bloecke = Bloecke(detail);
  for (std::string& block : Bloecke(standardFehler)) {
    if (std::find(bloecke.begin(), bloecke.end(), block) == bloecke.end()) bloecke.push_back(std::move(block));
  }
  for (const std::string& block : bloecke) text += "\n\n" + block;
  Melden(text, {});
}

// Neither the chosen file nor its unusable default is opened again in this run.
void Sperren(std::initializer_list<std::string> pfade) {
  for (const std::string& pfad : pfade) db::BlockFile(pfad);
}

// The default `relativ` made usable; what was restored is added to *hinweis, why it is not
// usable to *fehler.
void StandardBereitstellen(std::string_view relativ, Bedarfsart art, std::string_view was, std::string* fehler,
                           std::string* hinweis, const std::vector<std::string>& stationen = {}) {
  const Bereitstellung b = AusAuslieferungBereitstellen(relativ, art, true, stationen);
  auto anfuegen = [](std::string* ziel, const std::string& text) {
    if (text.empty()) return;
    if (!ziel->empty()) *ziel += "\n\n";
    *ziel += text;
  };
  anfuegen(fehler, b.fehler);
  if (b.erneuert) anfuegen(hinweis, WiederhergestelltHinweis(was, data::InstallPath(relativ), b));
}

}  // namespace

// ---------------------------------------------------------------- checks

std::string DateiMaengel(const std::string& pfad, Bedarfsart art) {
  const std::string maengel = Maengel(pfad, BedarfVon(art));
  return maengel.empty() ? maengel : Einzelheiten(pfad, maengel);
}

std::string DateiMaengelMitArt(const std::string& pfad, Bedarfsart art) {
  const std::string maengel = DateiMaengel(pfad, art);
  if (maengel.empty()) return maengel;
  auto name = [art]() -> std::string_view {
    switch (art) {
      case Bedarfsart::Morvin5:
        return "Morvin5-Datenbank";
      case Bedarfsart::Tolvar:
        return "Tolvar-Datenbank";
      case Bedarfsart::Material:
        return "Material-Datenbank";
      case Bedarfsart::Vantel:
        return "Vantel-Datenbank";
      case Bedarfsart::Ergebnis:
      case Bedarfsart::Vergleichstabelle:
        return "Ergebnis-Datenbank";
      case Bedarfsart::NurVorhanden:
        break;
    }
    return "Datenbank";
  };
  return "Die " + std::string(name()) + " ist ungültig.\n" + maengel;
}

namespace {

// AusAuslieferungBereitstellen; a file whose rows failed to read (`bekannterMangel`, the
// cause) is unusable whatever the checks find.
Bereitstellung Bereitstellen(std::string_view relativ, Bedarfsart art, bool missingToo,
                             const std::vector<std::string>& stationen, const std::string& bekannterMangel) {
  Bereitstellung b;
  const std::string ziel = data::InstallPath(relativ);
  // A folder of the file's name is the user's: it is named, never replaced.
  if (sys::FolderExists(ziel)) {
    b.fehler = Einzelheiten(ziel, "Der Name bezeichnet einen Ordner, keine Datei.");
    return b;
  }
  const bool vorhanden = sys::FileExists(ziel);
  if (!vorhanden && !missingToo) return b;
  const Bedarf& bedarf = BedarfVon(art);
  auto maengelVon = [&bedarf, &stationen](const std::string& pfad) {
    std::string m = Maengel(pfad, bedarf);
    if (m.empty()) m = KlimaMaengel(pfad, stationen);
    return m;
  };
  const std::string maengel = !vorhanden                 ? "Die Datei wurde nicht gefunden."
                              : !bekannterMangel.empty() ? bekannterMangel
                                                         : maengelVon(ziel);
  if (maengel.empty()) return b;
  const std::string quelle = sys::JoinPath(sys::ShippedTree(), std::string(relativ));
  const std::string name = sys::FileNameOf(ziel) + ".beschädigt";
  const std::string kopie = sys::HiddenPathBeside(ziel, "neu");
  std::string fehler;
  auto entfernen = [](const std::string& pfad) {
    std::error_code ignored;
    std::filesystem::remove(pfad, ignored);
  };
  if (!sys::FileExists(quelle)) {
    b.fehler = Einzelheiten(ziel, maengel) + "\nDie ausgelieferte Datei \"" + quelle + "\" wurde nicht gefunden.";
  } else if (!sys::CreateFolder(sys::FolderOf(ziel), &fehler) || !sys::SafeCopy(quelle, kopie, &fehler)) {
    b.fehler = Einzelheiten(ziel, maengel) + "\n" + Zeile("", fehler);
    entfernen(kopie);
  } else if (const std::string kopieMaengel = maengelVon(kopie); !kopieMaengel.empty()) {
    // The shipped file is no better: nothing is replaced by it.
    b.fehler = Einzelheiten(ziel, maengel) + "\n\n" + Einzelheiten(quelle, kopieMaengel);
    entfernen(kopie);
  } else if ((vorhanden && !sys::SafeCopy(ziel, sys::JoinPath(sys::FolderOf(ziel), name), &fehler)) ||
             !Umbenennen(kopie, ziel, &fehler)) {
    b.fehler = Einzelheiten(ziel, maengel) + "\n" + Zeile("", fehler);
    entfernen(kopie);
  } else {
    b.erneuert = true;
    if (vorhanden) b.beschaedigt = name;
    // A sound copy stands in place of a file found unusable before: it is opened again.
    db::UnblockFile(ziel);
  }
  return b;
}

}  // namespace

Bereitstellung AusAuslieferungBereitstellen(std::string_view relativ, Bedarfsart art, bool missingToo,
                                            const std::vector<std::string>& stationen) {
  return Bereitstellen(relativ, art, missingToo, stationen, {});
}

std::string WiederhergestelltHinweis(std::string_view was, const std::string& pfad, const Bereitstellung& b) {
  const std::string wer = std::string(was) + " \"" + pfad + "\"";
  if (b.beschaedigt.empty()) return wer + " fehlte und wurde aus den ausgelieferten Daten wiederhergestellt.";
  return wer +
         " war beschädigt und wurde aus den ausgelieferten Daten wiederhergestellt. Die beschädigte Datei liegt als "
         "\"" +
         b.beschaedigt + "\" daneben.";
}

bool WaehrendDesLaufsWiederherstellen(const std::string& pfad, const std::string& fehler) {
  struct Eigene {
    std::string_view relativ;
    Bedarfsart art;
  };
  constexpr Eigene kEigene[] = {{data::kStandardMaterialdatenbank, Bedarfsart::Material},
                                {data::kStandardVanteldatenbank, Bedarfsart::Vantel},
                                {data::kStandardWetterdatenbank, Bedarfsart::NurVorhanden},
                                {data::kStationsdatenbank, Bedarfsart::NurVorhanden}};
  const auto normal = [](const std::string& p) { return std::filesystem::path(p).lexically_normal(); };
  const auto eigene = std::find_if(std::begin(kEigene), std::end(kEigene), [&](const Eigene& e) {
    return normal(data::InstallPath(e.relativ)) == normal(pfad);
  });
  if (eigene == std::end(kEigene)) return false;
  // Once per file and run: a shipped copy whose rows fail to read too is not copied again
  // and again.
  std::set<std::string>& gemeldet = state().enterprise.GemeldeteLesefehler;
  if (!gemeldet.insert("wiederherstellen|" + pfad).second) return false;
  const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  const Bereitstellung b = Bereitstellen(eigene->relativ, eigene->art, true,
                                         {e.Wetterstation, std::string(data::kStandardStation)}, Zeile("", fehler));
  if (!b.erneuert) return false;
  gemeldet.insert("wiederhergestellt|" + pfad);
  data::ShowCritical(
      sys::Fehlermeldung("Die Datenbank \"" + pfad +
                             "\" kann nicht vollständig gelesen werden. Sie wurde aus den "
                             "ausgelieferten Daten wiederhergestellt; die beschädigte Datei liegt als \"" +
                             b.beschaedigt + "\" daneben.",
                         fehler));
  return true;
}

bool WaehrendDesLaufsWiederhergestellt(const std::string& pfad) {
  return state().enterprise.GemeldeteLesefehler.contains("wiederhergestellt|" + pfad);
}

void Morvin5DatenbankPruefen() {
  State& s = state();
  if (s.enterprise.AktuellerBetrieb.empty()) return;
  const std::string maengel = DateiMaengel(s.enterprise.AktuellerBetrieb, Bedarfsart::Morvin5);
  s.enterprise.PruefungOk = maengel.empty();
  if (!s.enterprise.PruefungOk) MeldungMorvin5DatenbankUngueltig(maengel);
}

void TolvarDatenbankPruefen() {
  State& s = state();
  // A missing file is not reported: the opening creates it from the template and reports
  // when that fails.
  if (!sys::FileExists(s.enterprise.TolvarDatenbankPfad)) {
    s.enterprise.PruefungOk = false;
    return;
  }
  const std::string maengel = DateiMaengel(s.enterprise.TolvarDatenbankPfad, Bedarfsart::Tolvar);
  s.enterprise.PruefungOk = maengel.empty();
  if (!s.enterprise.PruefungOk) MeldungTolvarDatenbankUngueltig(maengel);
}

void MaterialDatenbankPruefen() {
  State& s = state();
  const std::string& path = s.enterprise.AktuelleEinstellungen.MaterialPfad;
  const std::string maengel = Maengel(path, MaterialBedarf());
  s.enterprise.PruefungOk = maengel.empty();
  if (!s.enterprise.PruefungOk) StandardMaterialDatenbankSetzen(Einzelheiten(path, maengel));
}

void VantelDatenbankPruefen() {
  State& s = state();
  const EinstellungenSatz& e = s.enterprise.AktuelleEinstellungen;
  // The weather database is required to exist with every page readable, and the climate
  // tables of the chosen station to hold every hour of every week: the heating would compute
  // from a gap.
  std::string maengel = Maengel(e.KlimaPfad, BedarfVon(Bedarfsart::NurVorhanden));
  if (!maengel.empty()) maengel = Einzelheiten(e.KlimaPfad, maengel);
  if (maengel.empty()) {
    const std::string klima = KlimaMaengel(e.KlimaPfad, {e.Wetterstation});
    if (!klima.empty()) maengel = Einzelheiten(e.KlimaPfad, klima);
  }
  const std::string vantel = Maengel(e.VantelPfad, VantelBedarf());
  if (!vantel.empty()) maengel = Einzelheiten(e.VantelPfad, vantel) + (maengel.empty() ? "" : "\n\n" + maengel);
  s.enterprise.PruefungOk = maengel.empty();
  if (!s.enterprise.PruefungOk) StandardVantelDatenbankSetzen(maengel);
}

void ErgebnisDatenbankPruefen() {
  State& s = state();
  const std::string& path = s.enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  const std::string maengel = Maengel(path, ErgebnisBedarf());
  s.enterprise.PruefungOk = maengel.empty();
  if (!s.enterprise.PruefungOk) StandardErgebnisDatenbankSetzen(Einzelheiten(path, maengel));
}

// ---------------------------------------------------------------- fallbacks

void StandardMaterialDatenbankSetzen(const std::string& detail) {
  std::string fehler, hinweis;
  StandardBereitstellen(data::kStandardMaterialdatenbank, Bedarfsart::Material, "Die Standard-Material-Datenbank",
                        &fehler, &hinweis);
  FallbackMelden("Material", detail, fehler, hinweis);
  EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  if (!fehler.empty()) return Sperren({e.MaterialPfad, data::InstallPath(data::kStandardMaterialdatenbank)});
  e.MaterialPfad = data::InstallPath(data::kStandardMaterialdatenbank);
  WriteSettingsFields({{"MaterialPfad", e.MaterialPfad}});
}

void StandardVantelDatenbankSetzen(const std::string& detail) {
  std::string fehler, hinweis;
  StandardBereitstellen(data::kStandardVanteldatenbank, Bedarfsart::Vantel, "Die Standard-Vantel-Datenbank", &fehler,
                        &hinweis);
  // The shipped tables of the station that failed come back too, and those of the standard
  // station that is set now.
  StandardBereitstellen(data::kStandardWetterdatenbank, Bedarfsart::NurVorhanden, "Die Standard-Wetterdatenbank",
                        &fehler, &hinweis,
                        {state().enterprise.AktuelleEinstellungen.Wetterstation, std::string(data::kStandardStation)});
  EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  // The station changes with the default, and every heating cost with it.
  std::string station;
  if (e.Wetterstation != data::kStandardStation)
    station = "Die Wetterstation wird dabei von \"" + e.Wetterstation + "\" auf \"" +
              std::string(data::kStandardStation) + "\" umgestellt.";
  FallbackMelden("Vantel", detail, fehler, hinweis, station);
  if (!fehler.empty())
    return Sperren({e.VantelPfad, e.KlimaPfad, data::InstallPath(data::kStandardVanteldatenbank),
                    data::InstallPath(data::kStandardWetterdatenbank)});
  e.VantelPfad = data::InstallPath(data::kStandardVanteldatenbank);
  e.KlimaPfad = data::InstallPath(data::kStandardWetterdatenbank);
  e.Wetterstation = std::string(data::kStandardStation);
  e.StandardStation = base::kTrue;
  // StandardStation stays in memory only.
  WriteSettingsFields({{"KlimaPfad", e.KlimaPfad}, {"VantelPfad", e.VantelPfad}, {"Wetterstation", e.Wetterstation}});
}

void StandardErgebnisDatenbankSetzen(const std::string& detail) {
  std::string fehler, hinweis;
  StandardBereitstellen(data::kStandardErgebnisdatenbank, Bedarfsart::Ergebnis, "Die Standard-Ergebnis-Datenbank",
                        &fehler, &hinweis);
  FallbackMelden("Ergebnis", detail, fehler, hinweis);
  EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  if (!fehler.empty()) return Sperren({e.Ergebnisdatenbank, data::InstallPath(data::kStandardErgebnisdatenbank)});
  e.Ergebnisdatenbank = data::InstallPath(data::kStandardErgebnisdatenbank);
  WriteSettingsFields({{"Ergebnisdatenbank", e.Ergebnisdatenbank}});
}

// ---------------------------------------------------------------- standard messages

void MeldungWerteFehlen() { data::ShowCritical("Sie haben nicht alle notwendigen Werte eingegeben"); }

void MeldungWertePruefen(std::string_view text) {
  const std::string hinweis = base::Tausenderpunkthinweis(text);
  data::ShowCritical("Überprüfen sie bitte ihre Werte" + (hinweis.empty() ? std::string() : "." + hinweis));
}

void MeldungMorvin5DatenbankUngueltig(const std::string& detail) {
  Melden("Die ausgewählte Morvin5-Datenbank ist ungültig und kann nicht geöffnet werden", detail);
}

void MeldungTolvarDatenbankUngueltig(const std::string& detail) {
  Melden(
      "Die Tolvar-Datenbank des Betriebs ist ungültig und kann nicht geöffnet werden. Aus ihr "
      "wird nichts geladen und nichts berechnet.",
      detail);
}

void MeldungNameFehlt() { data::ShowCritical("Sie müssen erst einen Namen vergeben"); }

void MeldungNameNichtEindeutig() { data::ShowCritical("Der vergebene Name ist nicht eindeutig"); }

void MeldungTaetigkeitKostenDoppelt() {
  data::ShowCritical("Sie können nicht einer Tätigkeit mehrere Kosten zuweisen.");
}

}  // namespace tolvar::mdlFehler
