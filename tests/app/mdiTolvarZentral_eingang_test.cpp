// Every path by which a file comes in, with the file damaged as a broken disk or an
// interrupted copy leaves it: the message names the damaged file, nothing is replaced or
// written, and the open enterprise stays open.
#include <QPushButton>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "data/mdlDatenbank.h"
#include "data/state.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"
#include "support/file_faults.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

using ui::Q;

enum class Weg { Oeffnen, SicherungLaden, SicherungErsetzen, Import, ExportZiel };

struct Fall {
  Weg weg;
  Schaden schaden;
};

std::ostream& operator<<(std::ostream& out, const Fall& fall) {
  static const char* const kWege[] = {"Oeffnen", "SicherungLaden", "SicherungErsetzen", "Import", "ExportZiel"};
  static const char* const kSchaeden[] = {"LetzteSeite", "MittlereSeite", "EinByte",
                                          "Indexseite",  "Tabellenseite", "Seitenzahl"};
  return out << kWege[static_cast<int>(fall.weg)] << "_" << kSchaeden[static_cast<int>(fall.schaden)];
}

class Eingang : public AppTest, public ::testing::WithParamInterface<Fall> {
 public:
  std::string Sicherung(const char* endung) const {
    return root.Join(std::string("Sicherungsdateien/Mustergärtnerei") + endung);
  }
  std::string Fremde() const { return root.Join("Tolvar_DB/Fremde.mdb"); }

  // An index on the last table of `pfad`, so that the file has an index page to damage.
  static void IndexAnlegen(const std::string& pfad) {
    auto database = db::Database::Open(pfad);
    ASSERT_TRUE(database) << pfad;
    const std::string tabelle =
        database
            ->Scalar(
                "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
                "ORDER BY rootpage DESC LIMIT 1")
            .text();
    const std::vector<std::string> spalten = database->Columns(tabelle);
    ASSERT_FALSE(spalten.empty()) << pfad;
    ASSERT_TRUE(database->Execute("CREATE INDEX Eingang_Index ON " + db::QuoteIdentifier(tabelle) + " (" +
                                  db::QuoteIdentifier(spalten.front()) + ")"))
        << database->LastError();
  }

  std::map<std::string, std::string> Stand(const std::vector<std::string>& pfade) const {
    std::map<std::string, std::string> stand;
    for (const std::string& p : pfade) stand[p] = Inhalt(p);
    return stand;
  }
};

TEST_P(Eingang, DerBeschaedigteWirdGenanntUndNichtsErsetzt) {
  const Fall fall = GetParam();
  mdiTolvarZentral& haupt = MusterOeffnen();
  const std::string tolvar = state().enterprise.TolvarDatenbankPfad;
  const std::string eigene = state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  const std::string kaputt = root.Join("Betriebe/Kaputt.mdb");

  // The file a person takes in, sound until damaged here.
  std::string datei;
  switch (fall.weg) {
    case Weg::Oeffnen:
      datei = MusterKopieren(kaputt);
      break;
    case Weg::SicherungLaden:
    case Weg::SicherungErsetzen:
      prompts->AnswerMsgBox(ui::msgbox::Ok);
      Befehl("mnuBetriebSichern");
      datei = Sicherung(".TSD");
      break;
    case Weg::Import:
    case Weg::ExportZiel:
      ASSERT_TRUE(sys::CopyFile(eigene, Fremde(), true));
      datei = Fremde();
      break;
  }
  ASSERT_TRUE(sys::FileExists(datei)) << datei;
  if (fall.schaden == Schaden::Indexseite) IndexAnlegen(datei);
  ASSERT_TRUE(Beschaedigen(datei, fall.schaden));

  const std::vector<std::string> dateien = {Muster(),
                                            tolvar,
                                            eigene,
                                            datei,
                                            root.Join("Tolvar_DB/SystemInfo.mdb"),
                                            Sicherung(".MSD"),
                                            Sicherung(".TSD"),
                                            data::Zwillingspfad(kaputt, ".Tolvar")};
  const auto vorher = Stand(dateien);
  const std::size_t gezeigt = prompts->messageBoxes().size();

  // The path as a person takes it, through the menus, dialogs and buttons.
  QPushButton* uebertragen = nullptr;
  switch (fall.weg) {
    case Weg::Oeffnen:
      prompts->AnswerFile(Q(datei)).AnswerMsgBox(ui::msgbox::Ok);
      Befehl("mnuoeffnen");
      break;
    case Weg::SicherungLaden:
      prompts->AnswerFile(Q(Sicherung(".MSD"))).AnswerFile(Q(Muster())).AnswerMsgBox(ui::msgbox::Ok);
      Befehl("mnuSicherungLaden");
      break;
    case Weg::SicherungErsetzen:
      prompts->AnswerMsgBox(ui::msgbox::No);
      Befehl("mnuBetriebSichern");
      break;
    case Weg::Import:
    case Weg::ExportZiel: {
      Befehl("mnuVergleichNeu");
      frmKulturVergleichBearbeiten& v = frmKulturVergleichBearbeiten::instanz();
      const bool import = fall.weg == Weg::Import;
      prompts->AnswerFile(Q(datei)).AnswerMsgBox(ui::msgbox::Ok);
      ASSERT_TRUE(Click(v.opbKultur->Button(import ? 2 : 3)));
      EXPECT_EQ(v.opbKultur->Selected(), -1);
      uebertragen = import ? v.cmbAuswahlImport : v.cmbAuswahlExport;
      break;
    }
  }
  ProcessEvents();

  // One message, naming the damaged file, with the German cause only.
  const std::vector<ShownPrompt> boxen = prompts->messageBoxes();
  ASSERT_EQ(boxen.size(), gezeigt + 1);
  const std::string text = ui::S(boxen.back().text);
  const std::map<Weg, std::string> anfang = {
      {Weg::Oeffnen, "Die ausgewählte Morvin5-Datenbank ist ungültig"},
      {Weg::SicherungLaden, "Die Sicherungsdatei konnte nicht geladen werden.\n\nDie Tolvar-Datenbank ist ungültig."},
      {Weg::SicherungErsetzen,
       "Die vorhandene Sicherungsdatei \"Mustergärtnerei.TSD\" ist beschädigt. Soll diese "
       "Sicherungsdatei mit der aktuellen Datei ersetzt werden?"},
      {Weg::Import, "Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden."},
      {Weg::ExportZiel, "Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden."},
  };
  EXPECT_EQ(text.rfind(anfang.at(fall.weg), 0), 0u) << text;
  if (fall.weg != Weg::SicherungErsetzen) {
    EXPECT_NE(text.find("Datei: " + datei + "\n"), std::string::npos) << text;
  }
  for (const std::string& gesund : {Muster(), tolvar, eigene}) {
    EXPECT_EQ(text.find("Datei: " + gesund), std::string::npos) << text;
  }
  EXPECT_EQ(text.find("malformed"), std::string::npos) << text;
  if (uebertragen) {
    EXPECT_FALSE(uebertragen->isEnabled());
  }

  // Nothing replaced or written; the open enterprise stays open.
  EXPECT_TRUE(Stand(dateien) == vorher) << "a file changed";
  EXPECT_EQ(state().enterprise.AktuellerBetrieb, Muster());
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_FALSE(state().masters.KulturListe.empty());
  EXPECT_EQ(haupt.Caption(), QStringLiteral("Tolvar - Mustergärtnerei"));
}

std::vector<Fall> Faelle() {
  std::vector<Fall> faelle;
  for (Weg weg : {Weg::Oeffnen, Weg::SicherungLaden, Weg::SicherungErsetzen, Weg::Import, Weg::ExportZiel}) {
    for (Schaden schaden : {Schaden::EinByte, Schaden::Tabellenseite, Schaden::Indexseite})
      faelle.push_back({weg, schaden});
  }
  return faelle;
}

INSTANTIATE_TEST_SUITE_P(WegeUndSchaeden, Eingang, ::testing::ValuesIn(Faelle()),
                         [](const ::testing::TestParamInfo<Fall>& param) {
                           std::ostringstream name;
                           name << param.param;
                           return name.str();
                         });

}  // namespace
}  // namespace tolvar::test
