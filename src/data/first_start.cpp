#include "data/first_start.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "data/mdlDatenbank_systeminfo.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/fehlertext.h"
#include "platform/sys/files.h"

namespace fs = std::filesystem;

namespace tolvar::data {

namespace {

Ersteinrichtung Fehler(std::string grund) { return {Ersteinrichtung::Ausgang::Fehlgeschlagen, std::move(grund)}; }

// Names the sample enterprise in the one SystemInfo row of the database at `pfad`.
bool MusterbetriebEintragen(const std::string& pfad, const std::string& musterbetrieb, std::string* fehler) {
  std::unique_ptr<db::Database> database = db::Database::Open(pfad, fehler);
  if (!database) return false;
  db::Recordset rs = database->OpenTable("SystemInfo");
  bool ok = rs.ok();
  if (ok && rs.RecordCount() == 0) {
    ok = rs.AddNew();
  } else if (ok) {
    rs.MoveFirst();
    ok = rs.Edit();
  }
  ok = ok && rs.SetField("AktuellerBetrieb", musterbetrieb) && rs.Update();
  if (!ok) {
    *fehler = "SystemInfo in '" + pfad + "' kann nicht geschrieben werden: " + rs.error();
    rs.CancelUpdate();
  }
  return ok;
}

// The system database opens with table SystemInfo and the columns the program reads.
// Every page of the file is read, so a damaged one is found before the row is trusted.
bool SystemdatenbankBrauchbar(const std::string& pfad, std::string* fehler = nullptr) {
  std::string grund;
  std::unique_ptr<db::Database> database = db::Database::Open(pfad, &grund);
  if (database && !database->CheckPages({}, &grund)) database.reset();
  if (!database) {
    if (fehler) *fehler = grund;
    return false;
  }
  db::Recordset rs = database->OpenTable("SystemInfo");
  if (rs.ok() && rs.HasColumn("AktuellerBetrieb") && rs.HasColumn("FarbeTolvar") && rs.HasColumn("FarbeMorvin") &&
      rs.HasColumn("LetzteAenderung"))
    return true;
  if (fehler) *fehler = rs.ok() ? "SystemInfo: no such table or column" : rs.error();
  return false;
}

Ersteinrichtung Seeding(const std::string& auslieferung, const std::string& datenwurzel,
                        const std::string& systemdatenbank, const std::string& ausgelieferteSystemdatenbank);

}  // namespace

Ersteinrichtung DatenwurzelEinrichten(const std::string& auslieferung, const std::string& datenwurzel) {
  const std::string systemdatenbank = sys::JoinPath(datenwurzel, std::string(kSystemdatenbank));
  bool wiederherstellen = false;
  if (sys::FileExists(systemdatenbank)) {
    if (SystemdatenbankBrauchbar(systemdatenbank)) return {};
    const std::string beiseite = systemdatenbank + ".beschädigt";
    std::error_code ec;
    fs::rename(systemdatenbank, beiseite, ec);
    if (ec)
      return {Ersteinrichtung::Ausgang::NichtWiederhergestellt,
              sys::Fehlermeldung("", "'" + systemdatenbank + "': " + ec.message())};
    wiederherstellen = true;
  }
  const std::string ausgelieferteSystemdatenbank = sys::JoinPath(auslieferung, std::string(kSystemdatenbank));
  Ersteinrichtung ergebnis = Seeding(auslieferung, datenwurzel, systemdatenbank, ausgelieferteSystemdatenbank);
  if (!wiederherstellen) return ergebnis;
  if (ergebnis.ausgang == Ersteinrichtung::Ausgang::Fehlgeschlagen) {
    // Nothing restored: the damaged file goes back where it was, unchanged.
    std::error_code ec;
    fs::rename(systemdatenbank + ".beschädigt", systemdatenbank, ec);
    ergebnis.ausgang = Ersteinrichtung::Ausgang::NichtWiederhergestellt;
    return ergebnis;
  }
  ergebnis.ausgang = Ersteinrichtung::Ausgang::Wiederhergestellt;
  return ergebnis;
}

namespace {

Ersteinrichtung Seeding(const std::string& auslieferung, const std::string& datenwurzel,
                        const std::string& systemdatenbank, const std::string& ausgelieferteSystemdatenbank) {
  if (!sys::FileExists(ausgelieferteSystemdatenbank))
    return Fehler("Die ausgelieferten Daten wurden nicht gefunden: '" + ausgelieferteSystemdatenbank + "'");

  std::string fehler;
  if (!sys::CreateFolder(datenwurzel, &fehler)) return Fehler(fehler);
  std::error_code ec;
  const fs::path quelle(auslieferung);
  for (auto it = fs::recursive_directory_iterator(quelle, ec); !ec && it != fs::end(it); it.increment(ec)) {
    const fs::path relativ = it->path().lexically_relative(quelle);
    const std::string ziel = (fs::path(datenwurzel) / relativ).string();
    if (it->is_directory(ec)) {
      if (!sys::CreateFolder(ziel, &fehler)) return Fehler(fehler);
    } else if (it->is_regular_file(ec) && ziel != systemdatenbank && !fs::exists(ziel, ec)) {
      if (!sys::SafeCopy(it->path().string(), ziel, &fehler)) return Fehler(fehler);
    }
  }
  if (ec) return Fehler("Die ausgelieferten Daten können nicht gelesen werden: " + ec.message());

  // The system database is prepared under another name and renamed into place last: its
  // presence marks a finished seeding.
  const std::string vorbereitet = systemdatenbank + ".neu";
  if (!sys::SafeCopy(ausgelieferteSystemdatenbank, vorbereitet, &fehler)) return Fehler(fehler);
  // A damaged shipped copy is never put in place.
  if (!SystemdatenbankBrauchbar(vorbereitet, &fehler)) {
    fs::remove(vorbereitet, ec);
    return Fehler(sys::Fehlermeldung(
        "Die ausgelieferte Systemdatenbank \"" + ausgelieferteSystemdatenbank + "\" ist ebenfalls unbrauchbar.",
        fehler));
  }
  const std::string musterbetrieb = sys::JoinPath(datenwurzel, kMusterbetrieb);
  if (sys::FileExists(musterbetrieb) && !MusterbetriebEintragen(vorbereitet, musterbetrieb, &fehler)) {
    fs::remove(vorbereitet, ec);
    return Fehler(fehler);
  }
  fs::rename(vorbereitet, systemdatenbank, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(vorbereitet, ignored);
    return Fehler("'" + systemdatenbank + "' kann nicht angelegt werden: " + ec.message());
  }
  return {Ersteinrichtung::Ausgang::Angelegt, {}};
}

}  // namespace

std::string Einrichtungsmeldung(const Ersteinrichtung& einrichtung) {
  const std::string pfad = InstallPath(kSystemdatenbank);
  switch (einrichtung.ausgang) {
    case Ersteinrichtung::Ausgang::Wiederhergestellt:
      return "Die Systemdatenbank \"" + pfad +
             "\" war beschädigt und wurde aus den ausgelieferten Daten wiederhergestellt. Die "
             "beschädigte Datei liegt als \"SystemInfo.mdb.beschädigt\" daneben. Einen anderen "
             "Betrieb öffnen Sie mit \"Betrieb öffnen\".";
    case Ersteinrichtung::Ausgang::NichtWiederhergestellt:
      return sys::Fehlermeldung("Die Systemdatenbank \"" + pfad +
                                    "\" ist beschädigt und kann nicht wiederhergestellt werden. "
                                    "Öffnen Sie einen Betrieb mit \"Betrieb öffnen\".",
                                einrichtung.fehler);
    default:
      return {};
  }
}

Ersteinrichtung DatenwurzelEinrichten() { return DatenwurzelEinrichten(sys::ShippedTree(), sys::DataRoot()); }

std::vector<std::string> RestkopienEntfernen() {
  std::vector<std::string> entfernt = sys::RemoveLeftoverCopies(sys::DataRoot(), true);
  mdlDatenbank::SystemInfoLesen();
  const std::string betrieb = state().enterprise.AktuellerBetrieb;
  const std::string ordner = sys::FolderOf(betrieb);
  // A folder below the data root has been looked at already.
  const std::string wurzel = sys::DataRoot() + "/";
  if (betrieb != kKeinAktuellerBetrieb && !ordner.empty() && ordner.rfind(wurzel, 0) != 0 &&
      ordner != sys::DataRoot()) {
    for (std::string& pfad : sys::RemoveLeftoverCopies(ordner, false)) entfernt.push_back(std::move(pfad));
  }
  return entfernt;
}

}  // namespace tolvar::data
