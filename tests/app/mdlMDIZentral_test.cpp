// Main window: opening and closing sequences, caption and status bar.
#include "app/mdlMDIZentral.h"

#include <QLabel>
#include <QStatusBar>

#include "app_fixture.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/mdlUpDate.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"
#include "support/ui_desktop.h"

namespace tolvar::test {
namespace {

constexpr const char* kSystemInfoStempel = "01.03.2025 08:00:00";

class MainWindowTest : public AppTest {
 protected:
  std::string SystemInfo() const { return root.Join("Tolvar_DB/SystemInfo.mdb"); }
};

TEST_F(MainWindowTest, WithoutEnterpriseOpensMaximisedAndClosingWritesOnlySystemInfo) {
  ASSERT_EQ(Feld(SystemInfo(), "SystemInfo", "LetzteAenderung"), kSystemInfoStempel);
  const std::string musterStempel =
      Feld(root.Join("Betriebe/Mustergärtnerei.Tolvar"), "BetriebEinstellungen", "LetzteAenderung");
  mdiTolvarZentral& haupt = Oeffnen();

  EXPECT_TRUE(haupt.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(haupt.Caption(), QStringLiteral("Tolvar"));
  EXPECT_TRUE(haupt.PanelText(1).isEmpty());
  EXPECT_FALSE(state().enterprise.BetriebOffen);
  EXPECT_FALSE(frmBewegungsdaten::IsLoaded());

  Befehl("mnuEnde");
  ProcessEvents();
  EXPECT_FALSE(mdiTolvarZentral::IsLoaded());
  EXPECT_EQ(Feld(SystemInfo(), "SystemInfo", "AktuellerBetrieb"), "KeinAktuellerBetrieb");
  EXPECT_NE(Feld(SystemInfo(), "SystemInfo", "LetzteAenderung"), kSystemInfoStempel);
  EXPECT_TRUE(registry->Writes().empty());
  EXPECT_EQ(Feld(root.Join("Betriebe/Mustergärtnerei.Tolvar"), "BetriebEinstellungen", "LetzteAenderung"),
            musterStempel);
}

TEST_F(MainWindowTest, OpensEnterpriseAndCreatesItsMissingTolvarDatabase) {
  const std::string betrieb = MusterKopieren(root.Join("Daten Ordner/Gärtnerei Muster.mdb"), false);
  const std::string tolvar = root.Join("Daten Ordner/Gärtnerei Muster.Tolvar");
  ASSERT_FALSE(sys::FileExists(tolvar));
  SystemInfoSetzen(betrieb);

  mdiTolvarZentral& haupt = Oeffnen();
  const State& s = state();

  EXPECT_TRUE(s.enterprise.BetriebOffen);
  EXPECT_EQ(s.enterprise.TolvarDatenbankPfad, tolvar);
  EXPECT_TRUE(Inhalt(tolvar) == Inhalt(root.Join("Tolvar_DB/Vorlage.Tolvar"))) << "content changed: " << tolvar;
  EXPECT_EQ(haupt.Caption(), QStringLiteral("Tolvar - Gärtnerei Muster"));
  EXPECT_EQ(haupt.PanelText(1), QStringLiteral("geöffnete Datei: ") + ui::Q(betrieb));
  EXPECT_EQ(haupt.PanelBreiteTwips(1), 13860);
  EXPECT_EQ(haupt.PanelBreiteTwips(2), 1500);
  EXPECT_EQ(haupt.stbZentral->font().pointSize(), 8);
  EXPECT_FALSE(haupt.windowState() & Qt::WindowMaximized);
  // The size is the outer one, frame included.
  ASSERT_TRUE(WaitUntilPlaced(&haupt));
  EXPECT_EQ(haupt.frameGeometry(), QRect(0, 0, 1024, 737));
  // The template's empty settings take their replacements, which name the default databases.
  EXPECT_EQ(s.enterprise.AktuelleEinstellungen.MaterialPfad, root.Join("Tolvar_DB/Material.mdb"));
  EXPECT_FALSE(s.masters.KulturListe.empty());
  EXPECT_FALSE(s.masters.StandortListe.empty());
  EXPECT_FALSE(s.masters.MaterialListe.empty());
  EXPECT_FALSE(s.masters.PersonalListe.empty());
  EXPECT_FALSE(s.masters.StdTaetigkeitListe.empty());
  EXPECT_TRUE(s.enterprise.ModusErfassung);
  EXPECT_FALSE(s.enterprise.ModusStammdaten);
  EXPECT_FALSE(s.enterprise.ModusKalkulation);
  ASSERT_TRUE(frmBewegungsdaten::IsLoaded());
  EXPECT_TRUE(frmBewegungsdaten::instanz().isVisible());
  EXPECT_TRUE(prompts->messageBoxes().empty());
}

TEST_F(MainWindowTest, OpensWithTheEnterprisesOwnSettings) {
  MusterOeffnen();
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Wetterstation, "München");
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Jahr, "2024");
}

// The checks run between the two loads of the settings: their defaults are in memory and in
// the row when the lists are read, and the materials come from the default database.
TEST_F(MainWindowTest, UnusableDatabasesAreReplacedBeforeTheListsAreLoaded) {
  const std::string tolvar = root.Join("Betriebe/Mustergärtnerei.Tolvar");
  FeldSetzen(tolvar, "BetriebEinstellungen", "MaterialPfad", root.Join("fehlt/Material.mdb"));
  FeldSetzen(tolvar, "BetriebEinstellungen", "KlimaPfad", root.Join("fehlt/Klimadaten.mdb"));
  FeldSetzen(tolvar, "BetriebEinstellungen", "Ergebnisdatenbank", root.Join("fehlt/Ergebnisse.mdb"));
  FeldSetzen(tolvar, "BetriebEinstellungen", "Wetterstation", "Anderswo");
  for (int i = 0; i < 3; ++i) prompts->AnswerMsgBox(ui::msgbox::Ok);

  MusterOeffnen();
  const EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;

  const std::vector<QString> erwartet = {
      QStringLiteral("Die ausgewählte Material-Datenbank ist ungültig und kann nicht geöffnet werden, "
                     "stattdessen wird die Standard-Material-Datenbank geladen."),
      // The station changes with the default, and the user is told from what to what.
      QStringLiteral("Die ausgewählte Vantel-Datenbank ist ungültig und kann nicht geöffnet werden, "
                     "stattdessen wird die Standard-Vantel-Datenbank geladen. Die Wetterstation wird dabei von "
                     "\"Anderswo\" auf \"Landesmitte\" umgestellt."),
      QStringLiteral("Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden, "
                     "stattdessen wird die Standard-Ergebnis-Datenbank geladen.")};
  // Each text is followed by the file and what is wrong with it.
  const std::vector<QString> texte = Texte(*prompts);
  ASSERT_EQ(texte.size(), erwartet.size());
  for (std::size_t i = 0; i < texte.size(); ++i) {
    EXPECT_TRUE(texte[i].startsWith(erwartet[i] + QStringLiteral("\n\nDatei: "))) << ui::S(texte[i]);
  }
  for (const ShownPrompt& meldung : prompts->messageBoxes()) {
    EXPECT_EQ(meldung.style, ui::msgbox::Critical);
    EXPECT_EQ(meldung.title, QStringLiteral("Tolvar-Information"));
  }
  EXPECT_EQ(e.MaterialPfad, root.Join("Tolvar_DB/Material.mdb"));
  EXPECT_EQ(e.VantelPfad, root.Join("Vantel/Material/TechDaten.mdb"));
  EXPECT_EQ(e.KlimaPfad, root.Join("Vantel/Wetterdaten/Klimadaten.mdb"));
  EXPECT_EQ(e.Ergebnisdatenbank, root.Join("Tolvar_DB/Ergebnisse.mdb"));
  EXPECT_NE(e.Wetterstation, "Anderswo");
  EXPECT_EQ(Feld(tolvar, "BetriebEinstellungen", "MaterialPfad"), e.MaterialPfad);
  EXPECT_EQ(Feld(tolvar, "BetriebEinstellungen", "KlimaPfad"), e.KlimaPfad);
  EXPECT_EQ(Feld(tolvar, "BetriebEinstellungen", "Ergebnisdatenbank"), e.Ergebnisdatenbank);
  EXPECT_EQ(Feld(tolvar, "BetriebEinstellungen", "Wetterstation"), e.Wetterstation);
  EXPECT_FALSE(state().masters.MaterialListe.empty());
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_TRUE(frmBewegungsdaten::IsLoaded());
}

TEST_F(MainWindowTest, MissingTemplateIsReportedAndNothingIsLoaded) {
  const std::string betrieb = MusterKopieren(root.Join("Daten/Betrieb.mdb"), false);
  ASSERT_TRUE(sys::DeleteFile(root.Join("Tolvar_DB/Vorlage.Tolvar")));
  SystemInfoSetzen(betrieb);
  prompts->AnswerMsgBox(ui::msgbox::Ok);

  mdiTolvarZentral& haupt = Oeffnen();

  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  const ShownPrompt meldung = prompts->messageBoxes()[0];
  EXPECT_TRUE(meldung.text.contains(QStringLiteral("Vorlage.Tolvar"))) << ui::S(meldung.text);
  EXPECT_EQ(meldung.style, ui::msgbox::Critical);
  EXPECT_EQ(meldung.title, QStringLiteral("Tolvar-Information"));
  EXPECT_FALSE(state().enterprise.BetriebOffen);
  EXPECT_TRUE(state().masters.KulturListe.empty());
  EXPECT_TRUE(state().masters.KulturListe.empty());
  EXPECT_FALSE(frmBewegungsdaten::IsLoaded());
  EXPECT_EQ(haupt.Caption(), QStringLiteral("Tolvar"));
  EXPECT_FALSE(sys::FileExists(root.Join("Daten/Betrieb.Tolvar")));
}

TEST_F(MainWindowTest, ClosingWithEnterpriseWritesSettingsRowAndBothRegistryValues) {
  mdiTolvarZentral& haupt = MusterOeffnen();
  State& s = state();
  s.enterprise.Programmpfad = root.Path();
  s.enterprise.Programmversion = "1.0.0";
  s.enterprise.AktuelleEinstellungen.Jahr = "2031";
  const std::string tolvar = s.enterprise.TolvarDatenbankPfad;

  haupt.Unload();
  ProcessEvents();

  EXPECT_EQ(Feld(tolvar, "BetriebEinstellungen", "Jahr"), "2031");
  EXPECT_NE(Feld(tolvar, "BetriebEinstellungen", "LetzteAenderung"), kSystemInfoStempel);
  EXPECT_EQ(Feld(root.Join("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"), Muster());
  const std::vector<sys::MemoryRegistry::Write> erwartet = {
      {std::string(mdlUpDate::kPfadeSchluessel), std::string(mdlUpDate::kPfadeWert), root.Path()},
      {std::string(mdlUpDate::kVersionSchluessel), std::string(mdlUpDate::kVersionWert), "1.0.0"}};
  EXPECT_EQ(registry->Writes(), erwartet);
}

TEST_F(MainWindowTest, MissingEnterpriseFileOpensNothingAndClosingWritesNeitherRowNorRegistry) {
  const std::string fehlt = root.Join("Daten/Fehlt.mdb");
  SystemInfoSetzen(fehlt);
  mdiTolvarZentral& haupt = Oeffnen();
  EXPECT_FALSE(state().enterprise.BetriebOffen);
  EXPECT_EQ(haupt.Caption(), QStringLiteral("Tolvar"));
  EXPECT_TRUE(haupt.PanelText(1).isEmpty());
  EXPECT_FALSE(frmBewegungsdaten::IsLoaded());

  haupt.Unload();
  ProcessEvents();
  EXPECT_TRUE(registry->Writes().empty());
  EXPECT_FALSE(sys::FileExists(root.Join("Daten/Fehlt.Tolvar")));
  EXPECT_EQ(Feld(root.Join("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "AktuellerBetrieb"), fehlt);
}

TEST_F(MainWindowTest, CaptionTakesTheFileNameAfterTheLastSeparator) {
  struct Fall {
    std::string pfad;
    QString titel;
  };
  mdiTolvarZentral& haupt = Oeffnen();
  for (const Fall& fall :
       {Fall{"/daten/a.b/Gärtnerei Muster.mdb", QStringLiteral("Tolvar - Gärtnerei Muster")},
        Fall{"/x/Betrieb.MDB", QStringLiteral("Tolvar - Betrieb")}, Fall{"Muster.mdb", QStringLiteral("Tolvar")}}) {
    SCOPED_TRACE(fall.pfad);
    haupt.setCaption(QStringLiteral("Tolvar"));
    state().enterprise.BetriebOffen = true;
    state().enterprise.AktuellerBetrieb = fall.pfad;
    mdlMDIZentral::HauptfensterTitelSetzen();
    EXPECT_EQ(haupt.Caption(), fall.titel);
    EXPECT_EQ(haupt.PanelText(1), QStringLiteral("geöffnete Datei: ") + ui::Q(fall.pfad));
  }
  // Without an open enterprise nothing changes.
  state().enterprise.BetriebOffen = false;
  state().enterprise.AktuellerBetrieb = "/a/Anders.mdb";
  mdlMDIZentral::HauptfensterTitelSetzen();
  EXPECT_EQ(haupt.Caption(), QStringLiteral("Tolvar"));
  state().enterprise.BetriebOffen = false;
}

}  // namespace
}  // namespace tolvar::test
