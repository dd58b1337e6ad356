// Enterprise file commands of the main window: dialogs, outcomes and reopening.
#include <QPointer>
#include <fstream>

#include "app_fixture.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/mdlDatenbank.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"

namespace tolvar::test {
namespace {

class FileCommandsTest : public AppTest {
 protected:
  std::string Sicherung(const char* endung) const {
    return root.Join(std::string("Sicherungsdateien/Mustergärtnerei") + endung);
  }
  static QString Q(const std::string& text) { return ui::Q(text); }
  // The main window loaded now (after a reopening, a new one).
  static mdiTolvarZentral& Haupt() { return mdiTolvarZentral::instanz(); }
};

TEST_F(FileCommandsTest, CancelledDialogsChangeNothing) {
  mdiTolvarZentral& h = MusterOeffnen();
  QPointer<mdiTolvarZentral> vorher(&h);
  const std::string muster = Inhalt(Muster());
  for (const char* befehl : {"mnuoeffnen", "mnuspeichernunter", "mnuSicherungLaden", "mnuNeueErgebnisDB"}) {
    SCOPED_TRACE(befehl);
    prompts->CancelFile();
    Befehl(befehl);
    ASSERT_FALSE(vorher.isNull());
    EXPECT_TRUE(state().enterprise.BetriebOffen);
    EXPECT_EQ(state().enterprise.AktuellerBetrieb, Muster());
  }
  EXPECT_TRUE(prompts->messageBoxes().empty());
  EXPECT_TRUE(Inhalt(Muster()) == muster) << "content changed: " << Muster();
}

TEST_F(FileCommandsTest, DialogsCarryTheirPresetsAndFilters) {
  MusterOeffnen();
  prompts->CancelFile();
  Befehl("mnuoeffnen");
  prompts->AnswerFile(Q(Sicherung(".MSD"))).CancelFile();
  Befehl("mnuSicherungLaden");
  prompts->CancelFile();
  Befehl("mnuNeueErgebnisDB");

  const auto& shown = prompts->shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].kind, PromptKind::OpenFile);
  EXPECT_EQ(shown[0].file.filter, QStringLiteral(".mdb|*.mdb|"));
  EXPECT_EQ(shown[0].file.folder, Q(root.Join("Betriebe")));
  EXPECT_EQ(shown[1].kind, PromptKind::OpenFile);
  EXPECT_EQ(shown[1].file.filter, QStringLiteral(".MSD|*.MSD|"));
  EXPECT_EQ(shown[1].file.folder, Q(root.Join("Sicherungsdateien")));
  EXPECT_EQ(shown[1].file.pattern, QStringLiteral("*.MSD"));
  for (std::size_t i : {2u, 3u}) {
    EXPECT_EQ(shown[i].kind, PromptKind::SaveFile);
    EXPECT_EQ(shown[i].file.filter, QStringLiteral("Access-Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*"));
    EXPECT_EQ(shown[i].file.folder, Q(root.Join("Tolvar_DB")));
    EXPECT_EQ(shown[i].file.pattern, QStringLiteral("*.mdb"));
  }
}

// "Betrieb öffnen" starts where the enterprises are: in the open enterprise's folder, or in
// the data folder's enterprises folder when none is open.
TEST_F(FileCommandsTest, OpenDialogStartsInTheFolderOfTheOpenEnterprise) {
  const std::string anderer = MusterKopieren(root.Join("Andere/Zweiter Betrieb.mdb"));
  SystemInfoSetzen("KeinAktuellerBetrieb");
  Oeffnen();
  ASSERT_FALSE(state().enterprise.BetriebOffen);
  // Each opening chooses the next enterprise; the last one is cancelled.
  prompts->AnswerFile(Q(Muster())).AnswerFile(Q(anderer)).CancelFile();
  for (int i = 0; i < 3; ++i) {
    Befehl("mnuoeffnen");
    ProcessEvents();
  }
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, anderer);
  const auto& shown = prompts->shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].file.folder, Q(root.Join("Betriebe")));
  EXPECT_EQ(shown[1].file.folder, Q(root.Join("Betriebe")));
  EXPECT_EQ(shown[2].file.folder, Q(root.Join("Andere")));
}

TEST_F(FileCommandsTest, BackupThenSecondBackupAsksAndNoKeepsYesReplaces) {
  MusterOeffnen();
  const std::string tolvarVorher = Inhalt(state().enterprise.TolvarDatenbankPfad);
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuBetriebSichern");
  ASSERT_TRUE(sys::FileExists(Sicherung(".MSD")));
  ASSERT_TRUE(sys::FileExists(Sicherung(".TSD")));
  EXPECT_EQ(Texte(*prompts), std::vector<QString>{QStringLiteral("Datensicherung erfolgreich abgeschlossen")});
  EXPECT_EQ(prompts->messageBoxes()[0].style, ui::msgbox::Information);
  EXPECT_TRUE(Inhalt(state().enterprise.TolvarDatenbankPfad) == tolvarVorher) << "the enterprise's own file changed";

  FeldSetzen(Sicherung(".TSD"), "BetriebEinstellungen", "LetzteAenderung", "01.01.2020 00:00:00");
  prompts->AnswerMsgBox(ui::msgbox::No);
  Befehl("mnuBetriebSichern");
  ASSERT_EQ(prompts->messageBoxes().size(), 2u);
  const ShownPrompt frage = prompts->messageBoxes()[1];
  EXPECT_EQ(frage.text, QStringLiteral("Von diesem Betrieb existiert eine Sicherungsdatei vom 01.01.2020 00:00:00"
                                       "\n\n Soll diese Sicherungsdatei mit der aktuellen Datei ersetzt werden?"));
  EXPECT_EQ(frage.style, ui::msgbox::Question | ui::msgbox::YesNo);
  EXPECT_EQ(Feld(Sicherung(".TSD"), "BetriebEinstellungen", "LetzteAenderung"), "01.01.2020 00:00:00");

  prompts->AnswerMsgBox(ui::msgbox::Yes).AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuBetriebSichern");
  ASSERT_EQ(prompts->messageBoxes().size(), 4u);
  EXPECT_EQ(prompts->messageBoxes()[3].text, QStringLiteral("Datensicherung erfolgreich abgeschlossen"));
  EXPECT_NE(Feld(Sicherung(".TSD"), "BetriebEinstellungen", "LetzteAenderung"), "01.01.2020 00:00:00");
}

TEST_F(FileCommandsTest, LoneTsdBackupIsReplacedAfterTheQuestion) {
  MusterOeffnen();
  sys::CreateFolder(root.Join("Sicherungsdateien"));
  ASSERT_TRUE(sys::CopyFile(state().enterprise.TolvarDatenbankPfad, Sicherung(".TSD"), true));
  prompts->AnswerMsgBox(ui::msgbox::Yes).AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuBetriebSichern");
  EXPECT_EQ(Texte(*prompts).back(), QStringLiteral("Datensicherung erfolgreich abgeschlossen"));
  EXPECT_TRUE(Inhalt(Sicherung(".MSD")) == Inhalt(Muster())) << "content changed: " << Sicherung(".MSD");
}

TEST_F(FileCommandsTest, RestoreReopensOnTheRestoredCopy) {
  MusterOeffnen();
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuBetriebSichern");
  const std::string msd = Inhalt(Sicherung(".MSD"));
  const std::string tsd = Inhalt(Sicherung(".TSD"));
  const std::string ziel = root.Join("Betriebe/Wiederhergestellt.mdb");

  prompts->AnswerFile(Q(Sicherung(".MSD"))).AnswerFile(Q(root.Join("Betriebe/Wiederhergestellt")));
  Befehl("mnuSicherungLaden");
  ProcessEvents();

  ASSERT_TRUE(mdiTolvarZentral::IsLoaded());
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, ziel);
  EXPECT_EQ(state().enterprise.TolvarDatenbankPfad, root.Join("Betriebe/Wiederhergestellt.Tolvar"));
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(Haupt().Caption(), QStringLiteral("Tolvar - Wiederhergestellt"));
  EXPECT_TRUE(frmBewegungsdaten::IsLoaded());
  EXPECT_TRUE(Inhalt(ziel) == msd) << "content changed: " << ziel;
  EXPECT_TRUE(Inhalt(Sicherung(".MSD")) == msd) << "content changed: " << Sicherung(".MSD");
  EXPECT_TRUE(Inhalt(Sicherung(".TSD")) == tsd) << "content changed: " << Sicherung(".TSD");
  // The reopening's closing named the restored copy in the system database.
  EXPECT_EQ(Feld(root.Join("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"), ziel);
}

TEST_F(FileCommandsTest, SwitchingEnterprisesSavesTheOldSettingsAndLoadsTheNewOnesOwn) {
  const std::string zweiter = MusterKopieren(root.Join("Andere/Zweiter Betrieb.mdb"));
  FeldSetzen(root.Join("Andere/Zweiter Betrieb.Tolvar"), "BetriebEinstellungen", "Jahr", "2040");
  {
    auto database = db::Database::Open(zweiter);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute("DELETE FROM Kulturen WHERE KulturNr <> 'K1001'"));
  }
  MusterOeffnen();
  const int kulturenMuster = static_cast<int>(state().masters.KulturListe.size());
  state().enterprise.AktuelleEinstellungen.Jahr = "2031";

  prompts->AnswerFile(Q(zweiter));
  Befehl("mnuoeffnen");
  ProcessEvents();

  EXPECT_EQ(Haupt().Caption(), QStringLiteral("Tolvar - Zweiter Betrieb"));
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Jahr, "2040");
  EXPECT_EQ(static_cast<int>(state().masters.KulturListe.size()), 1);
  EXPECT_NE(kulturenMuster, 1);
  EXPECT_EQ(Feld(root.Join("Betriebe/Mustergärtnerei.Tolvar"), "BetriebEinstellungen", "Jahr"), "2031");
  EXPECT_TRUE(frmBewegungsdaten::IsLoaded());
}

TEST_F(FileCommandsTest, SaveAsCopiesWithTheCurrentSettingsAndOpensTheCopy) {
  MusterOeffnen();
  state().enterprise.AktuelleEinstellungen.Jahr = "2033";
  prompts->AnswerFile(Q(root.Join("Betriebe/Kopie.MDB")));
  Befehl("mnuspeichernunter");
  ProcessEvents();
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, root.Join("Betriebe/Kopie.MDB"));
  EXPECT_EQ(Haupt().Caption(), QStringLiteral("Tolvar - Kopie"));
  EXPECT_EQ(Feld(root.Join("Betriebe/Kopie.Tolvar"), "BetriebEinstellungen", "Jahr"), "2033");
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Jahr, "2033");
}

TEST_F(FileCommandsTest, NewResultDatabaseAndItsReplaceQuestion) {
  QPointer<mdiTolvarZentral> vorher(&MusterOeffnen());
  const std::string ziel = root.Join("Ergebnisse/Neu.mdb");
  sys::CreateFolder(root.Join("Ergebnisse"));
  const std::string vorlage = Inhalt(root.Join("Tolvar_DB/VorlageErgebnisse.tvd"));

  prompts->AnswerFile(Q(root.Join("Ergebnisse/Neu")));
  Befehl("mnuNeueErgebnisDB");
  EXPECT_TRUE(Inhalt(ziel) == vorlage) << "content changed: " << ziel;
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, ziel);
  EXPECT_TRUE(prompts->messageBoxes().empty());

  std::ofstream(ziel, std::ios::binary | std::ios::trunc) << "alt";
  state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = "bisher";
  prompts->AnswerFile(Q(ziel)).AnswerMsgBox(ui::msgbox::No);
  Befehl("mnuNeueErgebnisDB");
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].text,
            QStringLiteral("Eine Ergebnisdatenabank unter diesem Namen besteht bereits.\n\n"
                           " Soll diese Datei ersetzt werden?"));
  EXPECT_TRUE(Inhalt(ziel) == "alt") << "content changed: " << ziel;
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, "bisher");

  prompts->AnswerFile(Q(ziel)).AnswerMsgBox(ui::msgbox::Yes);
  Befehl("mnuNeueErgebnisDB");
  EXPECT_TRUE(Inhalt(ziel) == vorlage) << "content changed: " << ziel;
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, ziel);
  ProcessEvents();
  EXPECT_FALSE(vorher.isNull()) << "the main window must not be reopened";
}

TEST_F(FileCommandsTest, BadInputGivesAClearMessageAndLosesNoFile) {
  MusterOeffnen();
  const std::string muster = Inhalt(Muster());

  // Not an ".mdb" file.
  prompts->AnswerFile(Q(root.Join("Betriebe/Mustergärtnerei.Tolvar"))).AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuoeffnen");
  ASSERT_EQ(Texte(*prompts).size(), 1u);
  EXPECT_EQ(Texte(*prompts)[0], Q(std::string(data::kKeineMdbDatei)));
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, Muster());

  // Save as onto the open enterprise itself.
  prompts->AnswerFile(Q(Muster())).AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuspeichernunter");
  EXPECT_EQ(Texte(*prompts).back(), Q(std::string(data::kEigenerName)));

  // A backup whose ".TSD" is missing cannot be restored.
  sys::CreateFolder(root.Join("Sicherungsdateien"));
  const std::string einsam = root.Join("Sicherungsdateien/Einsam.MSD");
  ASSERT_TRUE(sys::CopyFile(Muster(), einsam, false));
  prompts->AnswerFile(Q(einsam)).AnswerFile(Q(root.Join("Betriebe/Ziel.mdb"))).AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuSicherungLaden");
  EXPECT_EQ(prompts->messageBoxes().back().title, QStringLiteral("Laufzeitfehler"));
  EXPECT_FALSE(sys::FileExists(root.Join("Betriebe/Ziel.mdb")));
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, Muster());
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_TRUE(Inhalt(Muster()) == muster) << "content changed: " << Muster();
  EXPECT_EQ(Feld(state().enterprise.TolvarDatenbankPfad, "BetriebEinstellungen", "Jahr"), "2024");

  // A file named ".mdb" that is no database: reported by the check, and the open enterprise
  // stays open.
  const std::string kaputt = root.Join("Betriebe/Kaputt.mdb");
  std::ofstream(kaputt, std::ios::binary) << "kein Datenbankinhalt";
  const int kulturen = static_cast<int>(state().masters.KulturListe.size());
  prompts->AnswerFile(Q(kaputt)).AnswerMsgBox(ui::msgbox::Ok);
  Befehl("mnuoeffnen");
  ProcessEvents();
  EXPECT_TRUE(Texte(*prompts).back().startsWith(
      QStringLiteral("Die ausgewählte Morvin5-Datenbank ist ungültig und kann nicht geöffnet werden\n\nDatei: ")));
  EXPECT_EQ(Haupt().Caption(), QStringLiteral("Tolvar - Mustergärtnerei"));
  EXPECT_EQ(static_cast<int>(state().masters.KulturListe.size()), kulturen);
  EXPECT_FALSE(sys::FileExists(root.Join("Betriebe/Kaputt.Tolvar")));
  EXPECT_TRUE(Inhalt(kaputt) == "kein Datenbankinhalt") << "content changed: " << kaputt;
  EXPECT_TRUE(Inhalt(Muster()) == muster) << "content changed: " << Muster();
}

}  // namespace
}  // namespace tolvar::test
