#include "data/mdlDatenbank.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/paths.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"
#include "platform/sys/files.h"

namespace fs = std::filesystem;

namespace tolvar::data {

std::string SpeichernVorgabe() { return InstallPath("\\Tolvar_DB\\*.mdb"); }

std::string SicherungVorgabe() { return InstallPath("\\Sicherungsdateien\\*.MSD"); }

void MeldungZeigen(const Befehlsergebnis& ergebnis) {
  if (!ergebnis.meldung) return;
  CurrentMessageSink().Show(ergebnis.meldung->text, ergebnis.meldung->style, ergebnis.meldung->title);
}

std::string Zieldatei(std::string_view dialogName) {
  std::string ziel(dialogName);
  if (base::AsciiLower(base::RightChars(ziel, 4)) != ".mdb") ziel += ".mdb";
  return ziel;
}

std::string Zwillingspfad(std::string_view path, std::string_view extension) {
  const std::size_t count = base::CharCount(path);
  return base::LeftChars(path, count >= 4 ? count - 4 : 0) + std::string(extension);
}

Sicherungsnamen SicherungsnamenVon(std::string_view betrieb) {
  const std::string name = sys::FileNameOf(std::string(betrieb));
  const std::size_t count = base::CharCount(name);
  const std::string basis = base::LeftChars(name, count >= 4 ? count - 4 : 0);
  return {basis + ".MSD", basis + ".TSD"};
}

}  // namespace tolvar::data

namespace tolvar::mdlDatenbank {

namespace {

using data::Befehlsergebnis;
using data::Meldung;
using data::MessageStyle;

Befehlsergebnis Nichts() { return {}; }

Befehlsergebnis Mit(std::string text, MessageStyle style, std::string_view title) {
  Befehlsergebnis ergebnis;
  ergebnis.meldung = Meldung{std::move(text), style, std::string(title)};
  return ergebnis;
}

Befehlsergebnis Laufzeitfehler(const std::string& grund, std::string_view was = {}) {
  return Mit(sys::Fehlermeldung(was, grund), MessageStyle::Critical, data::kLaufzeitfehlerTitel);
}

// A failed backup or restore says so first, then why.
constexpr std::string_view kNichtErstellt = "Die Sicherungsdatei konnte nicht erstellt werden.";
constexpr std::string_view kNichtGeladen = "Die Sicherungsdatei konnte nicht geladen werden.";
Befehlsergebnis SicherungNichtErstellt(const std::string& grund) { return Laufzeitfehler(grund, kNichtErstellt); }
Befehlsergebnis SicherungNichtGeladen(const std::string& grund) { return Laufzeitfehler(grund, kNichtGeladen); }

// The first of `paar` that fails the checks of its kind, as the runtime error of `was`: the
// kind, the file and the German cause. Nothing when both pass.
std::optional<Befehlsergebnis> PaarUngueltig(std::string_view was, const std::array<std::string, 2>& paar) {
  const std::array<mdlFehler::Bedarfsart, 2> arten = {mdlFehler::Bedarfsart::Morvin5, mdlFehler::Bedarfsart::Tolvar};
  for (std::size_t i = 0; i < 2; ++i) {
    // The check's text is German already: it stands as it is, with the file it names.
    if (const std::string m = mdlFehler::DateiMaengelMitArt(paar[i], arten[i]); !m.empty())
      return Mit(std::string(was) + "\n\n" + m, MessageStyle::Critical, data::kLaufzeitfehlerTitel);
  }
  return std::nullopt;
}

Befehlsergebnis Hinweis(std::string_view text) {
  return Mit(std::string(text), MessageStyle::Exclamation, data::kMeldungTitel);
}

Befehlsergebnis Erfolg() {
  return Mit(std::string(data::kSicherungErfolgreich), MessageStyle::Information, data::kMeldungTitel);
}

// A dialog closed without a choice. A name still holding the dialog's wildcard preset counts
// as no choice too, so no file named "*.mdb" can come into being.
bool Abgebrochen(const std::optional<std::string>& name) {
  if (!name || name->empty()) return true;
  return sys::FileNameOf(*name).find_first_of("*?") != std::string::npos;
}

bool EndetAufMdb(const std::string& name) { return data::Zieldatei(name) == name; }

// Both paths name the same file (existing or not).
bool SelbeDatei(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) {
    const bool same = fs::equivalent(a, b, ec);
    if (!ec) return same;
  }
  const fs::path ca = fs::weakly_canonical(fs::path(a), ec);
  if (ec) return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
  const fs::path cb = fs::weakly_canonical(fs::path(b), ec);
  if (ec) return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
  return ca == cb;
}

std::string NichtGefunden(const std::string& pfad) { return "Die Datei '" + pfad + "' wurde nicht gefunden."; }

void Entfernen(const std::string& pfad) {
  std::error_code ignored;
  if (!pfad.empty()) fs::remove(pfad, ignored);
}

using Vorbereitung = std::function<bool(const std::string& zweiteKopie, std::string* fehler)>;

// Replaces the pair `ziele` by copies of `quellen`, all or nothing: both sources are copied
// beside their targets first (`vorbereiten` may then work on the second copy), and only then
// are both renamed into place. Whatever fails, the old targets keep their contents.
bool PaarErsetzen(const std::array<std::string, 2>& quellen, const std::array<std::string, 2>& ziele,
                  const Vorbereitung& vorbereiten, std::string* fehler) {
  for (const std::string& quelle : quellen) {
    if (!sys::FileExists(quelle)) {
      *fehler = NichtGefunden(quelle);
      return false;
    }
  }
  std::array<std::string, 2> kopien;
  auto aufraeumen = [&kopien] {
    for (const std::string& kopie : kopien) Entfernen(kopie);
  };
  for (std::size_t i = 0; i < 2; ++i) {
    const std::string kopie = sys::HiddenPathBeside(ziele[i], "neu");
    if (!sys::SafeCopy(quellen[i], kopie, fehler)) {
      // The reason names the target the user knows, not the hidden copy.
      for (std::size_t at; (at = fehler->find(kopie)) != std::string::npos;)
        fehler->replace(at, kopie.size(), ziele[i]);
      aufraeumen();
      return false;
    }
    kopien[i] = kopie;
  }
  if (vorbereiten && !vorbereiten(kopien[1], fehler)) {
    aufraeumen();
    return false;
  }

  const std::string meldungsText = "Die Datei '" + ziele[0] + "' kann nicht ersetzt werden: ";
  std::error_code ec;
  // The first old target is kept aside until the second copy is in place, so a failed rename
  // of the second can put the first back. A second link keeps the target in place meanwhile;
  // where the file system has none, the target itself moves aside.
  std::string beiseite;
  if (fs::exists(fs::symlink_status(ziele[0], ec))) {
    beiseite = sys::HiddenPathBeside(ziele[0], "alt");
    fs::create_hard_link(ziele[0], beiseite, ec);
    if (ec) {
      ec.clear();
      fs::rename(ziele[0], beiseite, ec);
    }
    if (ec) {
      *fehler = meldungsText + ec.message();
      aufraeumen();
      return false;
    }
  }
  fs::rename(kopien[0], ziele[0], ec);
  if (!ec) {
    kopien[0].clear();
    fs::rename(kopien[1], ziele[1], ec);
    if (!ec) kopien[1].clear();
  }
  if (ec) {
    *fehler = "Die Dateien '" + ziele[0] + "' und '" + ziele[1] + "' können nicht ersetzt werden: " + ec.message();
    std::error_code ignored;
    if (!beiseite.empty())
      fs::rename(beiseite, ziele[0], ignored);  // replaces a new first target by the old one
    else if (kopien[0].empty())
      fs::remove(ziele[0], ignored);
    aufraeumen();
    return false;
  }
  Entfernen(beiseite);
  return true;
}

// The ".mdb" target of a save dialog and its ".Tolvar" twin.
struct Zielpaar {
  std::string z;
  std::string z2;
};

Zielpaar ZielpaarVon(const std::string& dialogName) {
  Zielpaar paar;
  paar.z = data::Zieldatei(dialogName);
  paar.z2 = data::Zwillingspfad(paar.z, ".Tolvar");
  return paar;
}

// Either name is longer than the file system takes (the ".Tolvar" twin is the longer one).
bool NameZuLang(const Zielpaar& ziel) { return sys::NameTooLong(ziel.z) || sys::NameTooLong(ziel.z2); }

// Copies the pair S, T onto Z, Z2. An existing Z whose twin is missing is an error before
// anything changes, as is a missing source.
bool PaarKopieren(const std::string& s, const std::string& t, const Zielpaar& ziel, std::string* fehler) {
  for (const std::string& quelle : {s, t}) {
    if (!sys::FileExists(quelle)) {
      *fehler = NichtGefunden(quelle);
      return false;
    }
  }
  // A folder of a target's name is never moved aside or replaced.
  for (const std::string& z : {ziel.z, ziel.z2}) {
    if (sys::FolderExists(z)) {
      *fehler = "'" + z + "': " + std::strerror(EISDIR);
      return false;
    }
  }
  if (sys::FileExists(ziel.z) && !sys::FileExists(ziel.z2)) {
    *fehler = NichtGefunden(ziel.z2);
    return false;
  }
  return PaarErsetzen({s, t}, {ziel.z, ziel.z2}, nullptr, fehler);
}

// The template `relativ` passes the checks of the database it becomes. A damaged one is
// restored from the shipped tree first, which is said; false when it stays damaged, with the
// message "Die Vorlage … ist beschädigt." and why in *meldung. A missing template is left to
// the caller.
bool VorlagePruefen(std::string_view relativ, mdlFehler::Bedarfsart art, std::string* meldung) {
  const mdlFehler::Bereitstellung b = mdlFehler::AusAuslieferungBereitstellen(relativ, art, false);
  const std::string vorlage = data::InstallPath(relativ);
  if (!b.fehler.empty()) {
    *meldung = "Die Vorlage \"" + vorlage + "\" ist beschädigt.\n\n" + b.fehler;
    return false;
  }
  if (b.erneuert)
    data::CurrentMessageSink().Show(mdlFehler::WiederhergestelltHinweis("Die Vorlage", vorlage, b),
                                    MessageStyle::Information, data::kMeldungTitel);
  return true;
}

Befehlsergebnis ErgebnisvorlageKopieren(const std::string& zieldatei) {
  const std::string vorlage = data::InstallPath(data::kVorlageErgebnisse);
  std::string fehler;
  if (!sys::FileExists(vorlage)) return Laufzeitfehler(NichtGefunden(vorlage));
  if (!VorlagePruefen(data::kVorlageErgebnisse, mdlFehler::Bedarfsart::Ergebnis, &fehler))
    return Mit(fehler, MessageStyle::Critical, data::kMeldungTitel);
  if (!sys::SafeCopy(vorlage, zieldatei, &fehler)) return Laufzeitfehler(fehler);
  state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = zieldatei;
  return Nichts();
}

}  // namespace

bool TolvarDatenbankAnlegen(std::string* meldung) {
  const std::string vorlage = data::InstallPath(data::kVorlageTolvar);
  const std::string ziel = data::Zwillingspfad(state().enterprise.AktuellerBetrieb, ".Tolvar");
  std::string fehler;
  if (!sys::FileExists(vorlage)) {
    fehler = "Die Vorlage der Tolvar-Datenbank '" + vorlage + "' wurde nicht gefunden.";
  } else if (!VorlagePruefen(data::kVorlageTolvar, mdlFehler::Bedarfsart::Tolvar, &fehler)) {
    // Nothing is created from a damaged template.
    if (meldung) *meldung = fehler;
    return false;
  } else if (sys::SafeCopy(vorlage, ziel, &fehler)) {
    return true;
  }
  if (meldung) *meldung = sys::Fehlermeldung("", fehler);
  return false;
}

namespace {

// The chosen enterprise file and its existing ".Tolvar" twin pass their checks; a failure is
// reported. A file that does not exist is left to the opening, which then opens nothing.
bool PaarBrauchbar(const std::string& mdb) {
  if (!sys::FileExists(mdb)) return true;
  if (const std::string m = mdlFehler::DateiMaengel(mdb, mdlFehler::Bedarfsart::Morvin5); !m.empty()) {
    mdlFehler::MeldungMorvin5DatenbankUngueltig(m);
    return false;
  }
  const std::string twin = data::Zwillingspfad(mdb, ".Tolvar");
  if (!sys::FileExists(twin)) return true;
  if (const std::string m = mdlFehler::DateiMaengel(twin, mdlFehler::Bedarfsart::Tolvar); !m.empty()) {
    mdlFehler::MeldungTolvarDatenbankUngueltig(m);
    return false;
  }
  return true;
}

}  // namespace

Befehlsergebnis BetriebOeffnen(const std::optional<std::string>& gewaehlt) {
  if (Abgebrochen(gewaehlt)) return Nichts();
  if (!EndetAufMdb(*gewaehlt)) return Hinweis(data::kKeineMdbDatei);
  // A file that fails the checks is not switched to: the open enterprise stays open, and
  // nothing (neither SystemInfo nor an empty twin) is written for the broken one.
  if (!PaarBrauchbar(*gewaehlt)) return Nichts();
  State& s = state();
  // Settings typed in this session would be lost once the enterprise is switched.
  if (s.enterprise.BetriebOffen && !EinstellungenSichernOderFragen(data::kTrotzdemOeffnen)) return Nichts();
  s.enterprise.AktuellerBetrieb = *gewaehlt;
  s.enterprise.TolvarDatenbankPfad = data::Zwillingspfad(*gewaehlt, ".Tolvar");
  s.enterprise.BetriebOffen = false;
  Befehlsergebnis ergebnis;
  ergebnis.hauptfensterNeuLaden = true;
  return ergebnis;
}

Befehlsergebnis BetriebSpeichernUnter(const std::optional<std::string>& dialogName) {
  State& s = state();
  if (!s.enterprise.BetriebOffen || Abgebrochen(dialogName)) return Nichts();
  const Zielpaar ziel = ZielpaarVon(*dialogName);
  if (NameZuLang(ziel)) return Hinweis(data::kNameZuLang);
  if (SelbeDatei(ziel.z, s.enterprise.AktuellerBetrieb) || SelbeDatei(ziel.z2, s.enterprise.TolvarDatenbankPfad))
    return Hinweis(data::kEigenerName);
  // The copy carries the settings of this session.
  if (!EinstellungenSichernOderFragen(data::kTrotzdemSpeichern)) return Nichts();
  std::string fehler;
  if (!PaarKopieren(s.enterprise.AktuellerBetrieb, s.enterprise.TolvarDatenbankPfad, ziel, &fehler))
    return Laufzeitfehler(fehler);
  // BetriebOffen stays set: the closing writes the settings once more into the source.
  s.enterprise.AktuellerBetrieb = ziel.z;
  Befehlsergebnis ergebnis;
  ergebnis.hauptfensterNeuLaden = true;
  return ergebnis;
}

Befehlsergebnis SicherungLaden(const std::optional<std::string>& sicherung,
                               const std::optional<std::string>& dialogName) {
  State& s = state();
  if (!s.enterprise.BetriebOffen || Abgebrochen(sicherung) || Abgebrochen(dialogName)) return Nichts();
  // The backup pair stays in locals: the state names it nowhere, so a failure keeps the
  // open enterprise open and nothing ever writes into the backup.
  const std::string quelleM = *sicherung;
  const std::string quelleT = data::Zwillingspfad(quelleM, ".TSD");
  const Zielpaar ziel = ZielpaarVon(*dialogName);
  if (NameZuLang(ziel)) return Hinweis(data::kNameZuLang);
  // The backup pair passes the checks of an enterprise pair before anything is written or
  // replaced: a damaged backup never replaces the open enterprise, nor becomes a pair that
  // cannot be opened. A missing file is left to the copy, which says so.
  if (sys::FileExists(quelleM) && sys::FileExists(quelleT)) {
    if (std::optional<Befehlsergebnis> ungueltig = PaarUngueltig(kNichtGeladen, {quelleM, quelleT})) return *ungueltig;
  }
  if (!EinstellungenSichernOderFragen(data::kTrotzdemLaden)) return Nichts();
  std::string fehler;
  if (!PaarKopieren(quelleM, quelleT, ziel, &fehler)) return SicherungNichtGeladen(fehler);
  s.enterprise.AktuellerBetrieb = ziel.z;
  s.enterprise.TolvarDatenbankPfad = ziel.z2;
  s.enterprise.BetriebOffen = false;
  Befehlsergebnis ergebnis;
  ergebnis.hauptfensterNeuLaden = true;
  return ergebnis;
}

bool SicherungsdatumSetzen(const std::string& pfad, std::string* fehler) {
  std::string grund;
  std::unique_ptr<db::Database> database = db::Database::Open(pfad, &grund);
  if (!database) {
    if (fehler) *fehler = grund;
    return false;
  }
  db::Recordset rs = database->OpenTable("Betriebeinstellungen");
  if (!rs.ok()) {
    if (fehler) *fehler = rs.error();
    return false;
  }
  if (rs.RecordCount() == 0) return true;
  rs.MoveFirst();
  if (!rs.Edit() || !rs.SetField("LetzteAenderung", base::GeneralDateText(base::Now())) || !rs.Update()) {
    if (fehler) *fehler = rs.error();
    rs.CancelUpdate();
    return false;
  }
  return true;
}

namespace {

// Copies the open pair onto the backup pair in `ordner` and stamps the ".TSD" before it
// replaces anything.
Befehlsergebnis SicherungSchreiben(const std::string& ordner, const data::Sicherungsnamen& namen) {
  const State& s = state();
  std::string fehler;
  const Vorbereitung stempeln = [](const std::string& kopie, std::string* grund) {
    return SicherungsdatumSetzen(kopie, grund);
  };
  if (!PaarErsetzen({s.enterprise.AktuellerBetrieb, s.enterprise.TolvarDatenbankPfad},
                    {sys::JoinPath(ordner, namen.morvin5), sys::JoinPath(ordner, namen.tolvar)}, stempeln, &fehler))
    return SicherungNichtErstellt(fehler);
  return Erfolg();
}

}  // namespace

Befehlsergebnis BetriebSichern() {
  const State& s = state();
  if (!s.enterprise.BetriebOffen) return Nichts();
  for (const std::string& quelle : {s.enterprise.AktuellerBetrieb, s.enterprise.TolvarDatenbankPfad}) {
    if (!sys::FileExists(quelle)) return SicherungNichtErstellt(NichtGefunden(quelle));
  }
  // A pair damaged since it was opened never replaces a sound backup.
  if (std::optional<Befehlsergebnis> ungueltig =
          PaarUngueltig(kNichtErstellt, {s.enterprise.AktuellerBetrieb, s.enterprise.TolvarDatenbankPfad}))
    return *ungueltig;
  const data::Sicherungsnamen namen = data::SicherungsnamenVon(s.enterprise.AktuellerBetrieb);
  const std::string ordner = data::InstallPath(data::kSicherungsordner);
  std::string fehler;
  if (!sys::CreateFolder(ordner, &fehler)) return SicherungNichtErstellt(fehler);
  // Only the ".TSD" decides whether a backup exists.
  if (sys::FileExists(sys::JoinPath(ordner, namen.tolvar))) return SicherungErsetzen(ordner, namen);
  return SicherungSchreiben(ordner, namen);
}

Befehlsergebnis SicherungErsetzen(const std::string& ordner, const data::Sicherungsnamen& namen) {
  const std::string tsd = sys::JoinPath(ordner, namen.tolvar);
  // The stamp of the old backup; nullopt when it fails the checks of a Tolvar-Datenbank or
  // has no settings row, so that it shows no stamp.
  std::optional<std::string> stempel;
  if (mdlFehler::DateiMaengel(tsd, mdlFehler::Bedarfsart::Tolvar).empty()) {
    std::unique_ptr<db::Database> database = db::Database::Open(tsd);
    db::Recordset rs = database ? database->OpenTable("BetriebEinstellungen") : db::Recordset();
    if (rs.ok() && rs.RecordCount() > 0) {
      rs.MoveFirst();
      stempel = rs.Field("LetzteAenderung").text();
    }
  }
  constexpr std::string_view kErsetzen = " Soll diese Sicherungsdatei mit der aktuellen Datei ersetzt werden?";
  // A damaged old backup is named and may be replaced, so it never blocks a new one.
  const std::string frage =
      stempel
          ? "Von diesem Betrieb existiert eine Sicherungsdatei vom " + *stempel + "\n\r\n\r" + std::string(kErsetzen)
          : "Die vorhandene Sicherungsdatei \"" + namen.tolvar + "\" ist beschädigt." + std::string(kErsetzen);
  if (!data::AskYesNo(frage, data::kMeldungTitel)) return Nichts();
  return SicherungSchreiben(ordner, namen);
}

Befehlsergebnis ErgebnisdatenbankAnlegen(const std::optional<std::string>& dialogName) {
  const State& s = state();
  if (!s.enterprise.BetriebOffen || Abgebrochen(dialogName)) return Nichts();
  const std::string zieldatei = data::Zieldatei(*dialogName);
  if (sys::NameTooLong(zieldatei)) return Hinweis(data::kNameZuLang);
  const EinstellungenSatz& e = s.enterprise.AktuelleEinstellungen;
  for (const std::string& inBenutzung :
       {s.enterprise.AktuellerBetrieb, s.enterprise.TolvarDatenbankPfad, data::InstallPath(data::kSystemdatenbank),
        e.MaterialPfad, e.VantelPfad, e.KlimaPfad}) {
    if (SelbeDatei(zieldatei, inBenutzung)) return Hinweis(data::kDateiInBenutzung);
  }
  const std::string vorlage = data::InstallPath(data::kVorlageErgebnisse);
  if (!sys::FileExists(vorlage)) return Laufzeitfehler(NichtGefunden(vorlage));
  // Before the replace question: nothing is asked or replaced for a damaged template.
  std::string fehler;
  if (!VorlagePruefen(data::kVorlageErgebnisse, mdlFehler::Bedarfsart::Ergebnis, &fehler))
    return Mit(fehler, MessageStyle::Critical, data::kMeldungTitel);
  if (sys::FileExists(zieldatei)) return ErgebnisdatenbankErsetzen(zieldatei);
  return ErgebnisvorlageKopieren(zieldatei);
}

Befehlsergebnis ErgebnisdatenbankErsetzen(const std::string& zieldatei) {
  const std::string frage = std::string("Eine Ergebnisdatenabank unter diesem Namen besteht bereits.") + "\n\r\n\r" +
                            " Soll diese Datei ersetzt werden?";
  if (!data::AskYesNo(frage, data::kMeldungTitel)) return Nichts();
  return ErgebnisvorlageKopieren(zieldatei);
}

}  // namespace tolvar::mdlDatenbank
