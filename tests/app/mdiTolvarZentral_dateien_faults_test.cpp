// Paths between files, processes and windows, as a hostile environment takes them: each row
// makes its own damaged files from the sample enterprise, goes through the program's windows
// (or its processes) as a person does, and asserts the messages shown, that files not meant
// to be written keep their bytes, and what else must hold.

#include <QProcess>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "comparison/comparison_cultures.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "data/first_start.h"
#include "data/mdlDatenbank.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

using ui::Q;
namespace fs = std::filesystem;

// Sets an environment variable for the object's lifetime.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Another instance of the program on the same data root, in its own process, taking its
// steps line by line (tests/support/instanz.cpp).
class Instanz {
 public:
  explicit Instanz(const std::string& datenwurzel) {
    prozess_.setProgram(QStringLiteral(TOLVAR_TEST_INSTANZ));
    prozess_.setArguments({Q(datenwurzel)});
    prozess_.start();
    EXPECT_TRUE(prozess_.waitForStarted()) << "no instance started";
  }
  ~Instanz() {
    prozess_.closeWriteChannel();
    if (!prozess_.waitForFinished(60000)) prozess_.kill();
    prozess_.waitForFinished();
  }
  Instanz(const Instanz&) = delete;
  Instanz& operator=(const Instanz&) = delete;

  // Gives one step and waits until the instance has done it; false when it says it could not.
  bool Schritt(const std::string& zeile) {
    prozess_.write(QByteArray::fromStdString(zeile + "\n"));
    for (;;) {
      while (!prozess_.canReadLine()) {
        // A guard against an instance that hangs, not a measure of time.
        if (!prozess_.waitForReadyRead(120000)) {
          ADD_FAILURE() << "the instance gave no answer to \"" << zeile << "\"";
          return false;
        }
      }
      const QString antwort = QString::fromUtf8(prozess_.readLine()).trimmed();
      if (antwort == QLatin1String("ok")) return true;
      if (antwort.startsWith(QLatin1String("fehler"))) {
        ADD_FAILURE() << ui::S(antwort);
        return false;
      }
      if (antwort.startsWith(QLatin1String("meldung "))) meldungen.push_back(antwort.mid(8));
    }
  }
  qint64 Pid() const { return prozess_.processId(); }

  std::vector<QString> meldungen;

 private:
  QProcess prozess_;
};

// The id of a process that has ended.
std::string BeendeterProzess() {
  QProcess p;
  p.start(QStringLiteral("/bin/true"), {});
  EXPECT_TRUE(p.waitForStarted());
  const qint64 pid = p.processId();
  p.waitForFinished();
  return std::to_string(pid);
}

class Faults;

struct Fall {
  const char* name;
  // Makes the damaged files.
  std::function<void(Faults&)> vorbereiten;
  // What a person does, with the prompts' answers queued.
  std::function<void(Faults&)> ausfuehren;
  // The beginnings of the message boxes shown, in order.
  std::vector<std::string> meldungen;
  // Files that must keep their bytes.
  std::function<std::vector<std::string>(Faults&)> unveraendert;
  // What else must hold afterwards.
  std::function<void(Faults&)> pruefen;
};

void PrintTo(const Fall& fall, std::ostream* out) { *out << fall.name; }

class Faults : public AppTest, public ::testing::WithParamInterface<Fall> {
 public:
  using AppTest::Befehl;
  using AppTest::Feld;
  using AppTest::Inhalt;
  using AppTest::Muster;
  using AppTest::MusterKopieren;
  using AppTest::MusterOeffnen;
  using AppTest::Oeffnen;
  using AppTest::prompts;
  using AppTest::root;
  using AppTest::SystemInfoSetzen;

  std::string Pfad(const std::string& relativ) const { return root.Join(relativ); }
  std::string MusterTolvar() const { return Pfad("Betriebe/Mustergärtnerei.Tolvar"); }
  std::string Ausgeliefert(const std::string& relativ) const { return sys::JoinPath(ShippedTreeForTests(), relativ); }

  static void Zufall(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
  }
  static void Leeren(const std::string& path) { std::ofstream(path, std::ios::binary | std::ios::trunc); }
  static void Schreiben(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  }

  // The rows of the own result database, one text per row.
  std::vector<std::string> EigeneKulturen() const {
    std::vector<std::string> zeilen;
    auto database = db::Database::Open(Pfad("Tolvar_DB/Ergebnisse.mdb"));
    if (!database) return zeilen;
    db::Recordset rs = database->Query("SELECT Nr, Kultur, Import FROM Vergleichskulturen ORDER BY rowid");
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
      zeilen.push_back(rs.Field(0).text() + "|" + rs.Field(1).text() + "|" + rs.Field(2).text());
    return zeilen;
  }

  // "Betrieb speichern unter ..." onto `ziel` as typed in the save dialog.
  void SpeichernUnter(const std::string& ziel) {
    MusterOeffnen();
    prompts->AnswerFile(Q(ziel)).AnswerMsgBox(ui::msgbox::Ok);
    Befehl("mnuspeichernunter");
  }

  TempDir aussen;  // a folder outside the data root
  std::vector<std::string> vorImport, nachImport;
  std::unique_ptr<Instanz> laufend;
  std::string tot;
  std::unique_ptr<ScopedEnv> auslieferung;
};

const Fall kFaelle[] = {
    {"LoeschenNachImport",
     [](Faults& t) {
       ASSERT_TRUE(sys::CopyFile(t.Pfad("Tolvar_DB/Ergebnisse.mdb"), t.Pfad("Betriebe/Fremde.mdb"), false));
       t.vorImport = t.EigeneKulturen();
     },
     [](Faults& t) {
       t.MusterOeffnen();
       Faults::Befehl("mnuVergleichNeu");
       frmKulturVergleichBearbeiten& f = frmKulturVergleichBearbeiten::instanz();
       t.prompts->AnswerFile(Q(t.Pfad("Betriebe/Fremde.mdb"))).AnswerMsgBox(ui::msgbox::Ok);
       ASSERT_TRUE(Click(f.opbKultur->Button(2)));
       // The other database's culture has the name and number of an own one.
       ASSERT_TRUE(DragNodeTo(f.trvKulturvergleich, Q(comparison::Schluessel("Cyclamen 12 cm", "1")), f.dtgImport));
       ASSERT_TRUE(Click(f.cmbAuswahlImport));
       t.nachImport = t.EigeneKulturen();
       ASSERT_TRUE(Click(f.cmbLoeschen));
       ASSERT_TRUE(Click(f.cmbSpeichern));
     },
     {"Import erfolgreich beendet."},
     [](Faults& t) {
       return std::vector<std::string>{t.Pfad("Betriebe/Fremde.mdb"), t.Muster()};
     },
     [](Faults& t) {
       std::vector<std::string> erwartet = t.vorImport;
       erwartet.push_back("3|Cyclamen 12 cm|-1");
       EXPECT_EQ(t.nachImport, erwartet);
       EXPECT_EQ(t.EigeneKulturen(), t.nachImport) << "\"Löschen\" and \"Speichern\" acted on an own culture";
       const frmKulturVergleichBearbeiten& f = frmKulturVergleichBearbeiten::instanz();
       EXPECT_TRUE(f.AuswahlSchluessel.empty());
       EXPECT_TRUE(f.trvKulturvergleich->SelectedItem().isEmpty());
     }},

    {"ZweiInstanzen",
     nullptr,
     [](Faults& t) {
       t.SystemInfoSetzen(t.Muster());
       Instanz a(t.root.Path());
       Instanz b(t.root.Path());
       ASSERT_TRUE(a.Schritt("oeffnen"));
       ASSERT_TRUE(b.Schritt("oeffnen"));
       // B confirms a price and the pointer colour "Rot" (both written at once); A creates a
       // result database (held until closing).
       ASSERT_TRUE(b.Schritt("strom 0,31"));
       ASSERT_TRUE(b.Schritt("farbe 4"));
       ASSERT_EQ(b.meldungen.size(), 1u);  // the restart question, answered No
       b.meldungen.clear();
       ASSERT_TRUE(a.Schritt("datei " + t.Pfad("Tolvar_DB/Neue Ergebnisse.mdb")));
       ASSERT_TRUE(a.Schritt("befehl mnuNeueErgebnisDB"));
       ASSERT_TRUE(b.Schritt("beenden"));
       ASSERT_TRUE(a.Schritt("beenden"));  // A closes last
       EXPECT_TRUE(a.meldungen.empty()) << ui::S(a.meldungen.front());
       EXPECT_TRUE(b.meldungen.empty()) << ui::S(b.meldungen.front());
     },
     {},
     [](Faults& t) { return std::vector<std::string>{t.Muster()}; },
     [](Faults& t) {
       EXPECT_EQ(Faults::Feld(t.MusterTolvar(), "BetriebEinstellungen", "Strom"), "0,31");
       EXPECT_EQ(Faults::Feld(t.MusterTolvar(), "BetriebEinstellungen", "Ergebnisdatenbank"),
                 t.Pfad("Tolvar_DB/Neue Ergebnisse.mdb"));
       // A's closing kept B's colour: only what A changed is written.
       EXPECT_EQ(Faults::Feld(t.Pfad("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "FarbeTolvar"), "4");
     }},

    {"RestkopienEinesAbgebrochenenSpeicherns",
     [](Faults& t) {
       const std::string betrieb = t.MusterKopieren(t.aussen.Join("Betrieb.mdb"));
       t.SystemInfoSetzen(betrieb);
       t.tot = BeendeterProzess();
       t.laufend = std::make_unique<Instanz>(t.root.Path());
       const std::string lebt = std::to_string(t.laufend->Pid());
       Faults::Schreiben(t.aussen.Join(".Betrieb.mdb.tmp-" + t.tot + "-0-0a1b2c3d"), std::string(1 << 20, 'x'));
       Faults::Schreiben(t.aussen.Join(".Kopie.Tolvar.neu-" + t.tot + "-1-0a1b2c3d"), "halb");
       Faults::Schreiben(t.Pfad("Betriebe/.Mustergärtnerei.mdb.tmp-" + t.tot + "-2-0a1b2c3d"), "halb");
       Faults::Schreiben(t.aussen.Join(".Betrieb.mdb.tmp-" + lebt + "-3-0a1b2c3d"), "in Arbeit");
     },
     [](Faults& t) {
       data::RestkopienEntfernen();  // as the program's start does
       t.Oeffnen();
     },
     {},
     [](Faults& t) {
       return std::vector<std::string>{t.aussen.Join("Betrieb.mdb"), t.aussen.Join("Betrieb.Tolvar"), t.Muster()};
     },
     [](Faults& t) {
       EXPECT_TRUE(state().enterprise.BetriebOffen);
       EXPECT_FALSE(sys::FileExists(t.aussen.Join(".Betrieb.mdb.tmp-" + t.tot + "-0-0a1b2c3d")));
       EXPECT_FALSE(sys::FileExists(t.aussen.Join(".Kopie.Tolvar.neu-" + t.tot + "-1-0a1b2c3d")));
       EXPECT_FALSE(sys::FileExists(t.Pfad("Betriebe/.Mustergärtnerei.mdb.tmp-" + t.tot + "-2-0a1b2c3d")));
       const std::string lebt = std::to_string(t.laufend->Pid());
       EXPECT_TRUE(sys::FileExists(t.aussen.Join(".Betrieb.mdb.tmp-" + lebt + "-3-0a1b2c3d"))) << "a running save's";
     }},

    {"VorlageTolvarBeschaedigtUndNichtWiederherstellbar",
     [](Faults& t) {
       Faults::Zufall(t.Pfad("Tolvar_DB/Vorlage.Tolvar"));
       t.SystemInfoSetzen(t.MusterKopieren(t.Pfad("Betriebe/Neu.mdb"), false));
       t.auslieferung = std::make_unique<ScopedEnv>("TOLVAR_SHARE_DIR", t.Pfad("fehlt"));
     },
     [](Faults& t) {
       t.prompts->AnswerMsgBox(ui::msgbox::Ok);
       t.Oeffnen();
     },
     {"Die Vorlage \"%/Tolvar_DB/Vorlage.Tolvar\" ist beschädigt.\n\nDatei: "},
     [](Faults& t) {
       return std::vector<std::string>{t.Pfad("Tolvar_DB/Vorlage.Tolvar"), t.Pfad("Betriebe/Neu.mdb")};
     },
     [](Faults& t) {
       EXPECT_FALSE(sys::FileExists(t.Pfad("Betriebe/Neu.Tolvar"))) << "created from a damaged template";
       EXPECT_FALSE(state().enterprise.BetriebOffen);
     }},

    {"VorlageTolvarBeschaedigtUndWiederhergestellt",
     [](Faults& t) {
       Faults::Zufall(t.Pfad("Tolvar_DB/Vorlage.Tolvar"));
       t.SystemInfoSetzen(t.MusterKopieren(t.Pfad("Betriebe/Neu.mdb"), false));
     },
     [](Faults& t) {
       t.prompts->AnswerMsgBox(ui::msgbox::Ok);
       t.Oeffnen();
     },
     {"Die Vorlage \"%/Tolvar_DB/Vorlage.Tolvar\" war beschädigt und wurde aus den ausgelieferten Daten "
      "wiederhergestellt. Die beschädigte Datei liegt als \"Vorlage.Tolvar.beschädigt\" daneben."},
     [](Faults& t) { return std::vector<std::string>{t.Pfad("Betriebe/Neu.mdb")}; },
     [](Faults& t) {
       EXPECT_TRUE(state().enterprise.BetriebOffen);
       const std::string ausgeliefert = Faults::Inhalt(t.Ausgeliefert("Tolvar_DB/Vorlage.Tolvar"));
       EXPECT_TRUE(Faults::Inhalt(t.Pfad("Tolvar_DB/Vorlage.Tolvar")) == ausgeliefert);
       EXPECT_TRUE(Faults::Inhalt(t.Pfad("Betriebe/Neu.Tolvar")) == ausgeliefert);
       EXPECT_TRUE(sys::FileExists(t.Pfad("Tolvar_DB/Vorlage.Tolvar.beschädigt")));
     }},

    {"VorlageErgebnisseBeschaedigtUndNichtWiederherstellbar",
     [](Faults& t) {
       Faults::Leeren(t.Pfad("Tolvar_DB/VorlageErgebnisse.tvd"));
       t.auslieferung = std::make_unique<ScopedEnv>("TOLVAR_SHARE_DIR", t.Pfad("fehlt"));
     },
     [](Faults& t) {
       t.MusterOeffnen();
       t.prompts->AnswerFile(Q(t.Pfad("Tolvar_DB/Neue Ergebnisse.mdb"))).AnswerMsgBox(ui::msgbox::Ok);
       Faults::Befehl("mnuNeueErgebnisDB");
     },
     {"Die Vorlage \"%/Tolvar_DB/VorlageErgebnisse.tvd\" ist beschädigt.\n\nDatei: "},
     [](Faults& t) {
       return std::vector<std::string>{t.Pfad("Tolvar_DB/VorlageErgebnisse.tvd"), t.Pfad("Tolvar_DB/Ergebnisse.mdb")};
     },
     [](Faults& t) {
       EXPECT_FALSE(sys::FileExists(t.Pfad("Tolvar_DB/Neue Ergebnisse.mdb")));
       EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, t.Pfad("Tolvar_DB/Ergebnisse.mdb"));
     }},

    {"VorlageErgebnisseBeschaedigtUndWiederhergestellt",
     [](Faults& t) { Faults::Zufall(t.Pfad("Tolvar_DB/VorlageErgebnisse.tvd")); },
     [](Faults& t) {
       t.MusterOeffnen();
       t.prompts->AnswerFile(Q(t.Pfad("Tolvar_DB/Neue Ergebnisse.mdb"))).AnswerMsgBox(ui::msgbox::Ok);
       Faults::Befehl("mnuNeueErgebnisDB");
     },
     {"Die Vorlage \"%/Tolvar_DB/VorlageErgebnisse.tvd\" war beschädigt und wurde aus den ausgelieferten Daten "
      "wiederhergestellt."},
     [](Faults& t) { return std::vector<std::string>{t.Pfad("Tolvar_DB/Ergebnisse.mdb")}; },
     [](Faults& t) {
       EXPECT_TRUE(Faults::Inhalt(t.Pfad("Tolvar_DB/Neue Ergebnisse.mdb")) ==
                   Faults::Inhalt(t.Ausgeliefert("Tolvar_DB/VorlageErgebnisse.tvd")));
       EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, t.Pfad("Tolvar_DB/Neue Ergebnisse.mdb"));
     }},

    {"ErgebnisdatenbankDurchsuchtWirdGleichGeschrieben",
     [](Faults& t) {
       ASSERT_TRUE(sys::CopyFile(t.Pfad("Tolvar_DB/Ergebnisse.mdb"), t.Pfad("Betriebe/Andere.mdb"), false));
     },
     [](Faults& t) {
       t.MusterOeffnen();
       Faults::Befehl("mnuEinstellungen");
       frmEinstellungen& f = frmEinstellungen::instanz();
       ASSERT_TRUE(ClickTab(f.regEinstellungen, 6));
       t.prompts->AnswerFile(Q(t.Pfad("Betriebe/Andere.mdb")));
       ASSERT_TRUE(Click(f.cmbErgebnisdatenbank));
     },
     {},
     [](Faults& t) {
       return std::vector<std::string>{t.Pfad("Betriebe/Andere.mdb"), t.Muster()};
     },
     [](Faults& t) {
       // On disk before any closing.
       EXPECT_EQ(Faults::Feld(t.MusterTolvar(), "BetriebEinstellungen", "Ergebnisdatenbank"),
                 t.Pfad("Betriebe/Andere.mdb"));
     }},

    {"BetriebOeffnenMitAnfuehrungszeichen",
     [](Faults& t) { t.MusterKopieren(t.Pfad("Betriebe/Kopie \"B\".mdb")); },
     [](Faults& t) {
       mdiTolvarZentral& haupt = t.MusterOeffnen();
       t.prompts->AnswerFile(Q(t.Pfad("Betriebe/Kopie \"B\".mdb")));
       ASSERT_TRUE(TriggerCommand(haupt.mnuoeffnen));
       ProcessEvents();
     },
     {},
     [](Faults& t) { return std::vector<std::string>{t.Pfad("Betriebe/Kopie \"B\".mdb")}; },
     [](Faults& t) {
       EXPECT_EQ(state().enterprise.AktuellerBetrieb, t.Pfad("Betriebe/Kopie \"B\".mdb"));
       EXPECT_TRUE(state().enterprise.BetriebOffen);
       EXPECT_EQ(mdiTolvarZentral::instanz().Caption(), QStringLiteral("Tolvar - Kopie \"B\""));
     }},

    {"BeschaedigteStandarddatenbankAusDenAusgeliefertenDaten",
     [](Faults& t) { Faults::Zufall(t.Pfad("Tolvar_DB/Material.mdb")); },
     [](Faults& t) {
       t.prompts->AnswerMsgBox(ui::msgbox::Ok);
       t.MusterOeffnen();
     },
     {"Die ausgewählte Material-Datenbank ist ungültig und kann nicht geöffnet werden, stattdessen wird die "
      "Standard-Material-Datenbank geladen.\n\nDie Standard-Material-Datenbank \"%/Tolvar_DB/Material.mdb\" war "
      "beschädigt und wurde aus den ausgelieferten Daten wiederhergestellt. Die beschädigte Datei liegt als "
      "\"Material.mdb.beschädigt\" daneben.\n\nDatei: %/Tolvar_DB/Material.mdb\nDie Datei kann nicht als Datenbank "
      "geöffnet werden. Die Datei ist keine gültige Datenbank."},
     [](Faults& t) { return std::vector<std::string>{t.Muster()}; },
     [](Faults&) { EXPECT_FALSE(state().masters.MaterialListe.empty()); }},

    {"SpeichernUnterInEinenFehlendenOrdner",
     nullptr,
     [](Faults& t) { t.SpeichernUnter(t.Pfad("Betriebe/Kopie/B")); },
     {"Der Ordner \"%/Betriebe/Kopie\" existiert nicht."},
     [](Faults& t) {
       return std::vector<std::string>{t.Muster(), t.MusterTolvar()};
     },
     [](Faults& t) { EXPECT_FALSE(sys::FolderExists(t.Pfad("Betriebe/Kopie"))); }},

    {"SpeichernUnterDurchEineSchleife",
     [](Faults& t) { fs::create_symlink("Schleife", t.Pfad("Betriebe/Schleife")); },
     [](Faults& t) { t.SpeichernUnter(t.Pfad("Betriebe/Schleife/B.mdb")); },
     {"Der Pfad enthält eine Schleife aus symbolischen Verknüpfungen."},
     [](Faults& t) {
       return std::vector<std::string>{t.Muster(), t.MusterTolvar()};
     },
     nullptr},

    {"SpeichernUnterDurchEineDatei",
     nullptr,
     [](Faults& t) { t.SpeichernUnter(t.Pfad("Betriebe/Mustergärtnerei.Tolvar/B.mdb")); },
     {"Ein Teil des Pfades ist kein Ordner."},
     [](Faults& t) {
       return std::vector<std::string>{t.Muster(), t.MusterTolvar()};
     },
     nullptr},

    {"SpeichernUnterAufEinenOrdner",
     [](Faults& t) { ASSERT_TRUE(sys::CreateFolder(t.Pfad("Betriebe/Ordner.mdb"))); },
     [](Faults& t) { t.SpeichernUnter(t.Pfad("Betriebe/Ordner.mdb")); },
     {"Der Name bezeichnet einen Ordner, keine Datei."},
     [](Faults& t) {
       return std::vector<std::string>{t.Muster(), t.MusterTolvar()};
     },
     [](Faults& t) { EXPECT_TRUE(sys::FolderExists(t.Pfad("Betriebe/Ordner.mdb"))); }},

    {"SpeichernUnterMitZuLangemNamen",
     nullptr,
     [](Faults& t) { t.SpeichernUnter(t.Pfad("Betriebe/" + std::string(300, 'x'))); },
     {"Der Name ist zu lang."},
     [](Faults& t) {
       return std::vector<std::string>{t.Muster(), t.MusterTolvar()};
     },
     [](Faults& t) {
       EXPECT_EQ(std::distance(fs::directory_iterator(t.Pfad("Betriebe")), fs::directory_iterator()), 2);
     }},

    {"SicherungNichtErstellt",
     [](Faults& t) {
       fs::remove_all(t.Pfad("Sicherungsdateien"));
       Faults::Schreiben(t.Pfad("Sicherungsdateien"), "kein Ordner");
     },
     [](Faults& t) {
       t.MusterOeffnen();
       t.prompts->AnswerMsgBox(ui::msgbox::Ok);
       Faults::Befehl("mnuBetriebSichern");
     },
     {"Die Sicherungsdatei konnte nicht erstellt werden.\n\nEin Teil des Pfades ist kein Ordner."},
     [](Faults& t) {
       return std::vector<std::string>{t.Muster(), t.MusterTolvar(), t.Pfad("Sicherungsdateien")};
     },
     nullptr},

    {"SicherungNichtGeladen",
     [](Faults& t) { ASSERT_TRUE(sys::CopyFile(t.Muster(), t.Pfad("Sicherungsdateien/Allein.MSD"), false)); },
     [](Faults& t) {
       t.MusterOeffnen();
       t.prompts->AnswerFile(Q(t.Pfad("Sicherungsdateien/Allein.MSD")))
           .AnswerFile(Q(t.Pfad("Betriebe/Zurueck")))
           .AnswerMsgBox(ui::msgbox::Ok);
       Faults::Befehl("mnuSicherungLaden");
     },
     {"Die Sicherungsdatei konnte nicht geladen werden.\n\nDie Datei '%/Sicherungsdateien/Allein.TSD' wurde nicht "
      "gefunden."},
     [](Faults& t) {
       return std::vector<std::string>{t.Muster(), t.MusterTolvar(), t.Pfad("Sicherungsdateien/Allein.MSD")};
     },
     [](Faults& t) {
       EXPECT_FALSE(sys::FileExists(t.Pfad("Betriebe/Zurueck.mdb")));
       EXPECT_EQ(state().enterprise.AktuellerBetrieb, t.Muster());
     }},
};

TEST_P(Faults, MessageAndNoFileChangedUnmeant) {
  const Fall& fall = GetParam();
  if (fall.vorbereiten) {
    fall.vorbereiten(*this);
    if (HasFatalFailure()) return;
  }
  std::map<std::string, std::string> vorher;
  for (const std::string& pfad : fall.unveraendert(*this)) vorher[pfad] = Inhalt(pfad);

  fall.ausfuehren(*this);
  if (HasFatalFailure()) return;

  std::vector<std::string> erwartet;
  for (std::string m : fall.meldungen) {
    for (std::size_t at; (at = m.find('%')) != std::string::npos;) m.replace(at, 1, root.Path());
    erwartet.push_back(m);
  }
  const std::vector<QString> texte = Texte(*prompts);
  ASSERT_EQ(texte.size(), erwartet.size()) << (texte.empty() ? std::string() : ui::S(texte.back()));
  for (std::size_t i = 0; i < texte.size(); ++i) {
    EXPECT_TRUE(texte[i].startsWith(Q(erwartet[i]))) << ui::S(texte[i]) << "\n---- expected to begin with\n"
                                                     << erwartet[i];
  }
  for (const auto& [pfad, inhalt] : vorher) EXPECT_TRUE(Inhalt(pfad) == inhalt) << "changed: " << pfad;
  if (fall.pruefen) fall.pruefen(*this);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Faults, ::testing::ValuesIn(kFaelle),
                         [](const ::testing::TestParamInfo<Fall>& fall) { return std::string(fall.param.name); });

}  // namespace
}  // namespace tolvar::test
