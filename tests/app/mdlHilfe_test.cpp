#include "app/mdlHilfe.h"

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <vector>

#include "app/mdiTolvarZentral.h"
#include "app/mdlAdobe.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "platform/ui/helpviewer.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"

namespace tolvar {
namespace {

// The help menu's commands, chosen in the main window's frame (its opening sequence, which
// needs an enterprise, is left out).
void Hilfebefehl(const char* befehl) {
  mdiTolvarZentral& haupt = mdiTolvarZentral::instanz();
  if (!haupt.isVisible()) haupt.ui::MainForm::Show();
  ASSERT_TRUE(test::TriggerCommand(&haupt, ui::Q(befehl))) << befehl;
}

// Stand-ins for the child windows whose names choose a help topic.
class Vergleich : public ui::FormOf<Vergleich> {
 public:
  Vergleich() : FormOf(QStringLiteral("frmKulturvergleich"), ui::FormKind::MdiChild) {}
};
class VergleichBearbeiten : public ui::FormOf<VergleichBearbeiten> {
 public:
  VergleichBearbeiten() : FormOf(QStringLiteral("frmKulturVergleichBearbeiten"), ui::FormKind::MdiChild) {}
};
class Kalkulation : public ui::FormOf<Kalkulation> {
 public:
  Kalkulation() : FormOf(QStringLiteral("frmKalkulation"), ui::FormKind::MdiChild) {}
};
class VergleichFalscheSchreibung : public ui::FormOf<VergleichFalscheSchreibung> {
 public:
  VergleichFalscheSchreibung() : FormOf(QStringLiteral("frmKulturVergleich"), ui::FormKind::MdiChild) {}
};

QString ShownPage() { return ui::HelpViewer::Exists() ? ui::HelpViewer::Instance().CurrentPage() : QString(); }

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetState(); }
  void TearDown() override {
    if (ui::HelpViewer::Exists()) ui::HelpViewer::Instance().hide();
    test::UnloadAllWindows();
    ResetState();
  }
  test::FreshDataRoot root;
  test::ScopedPrompts prompts;
};

TEST(HelpPageNames, TopicGivesPageName) {
  struct Case {
    const char* thema;
    const char* seite;
  };
  const Case cases[] = {
      {"Index", "index.htm"},    {"5.3.1", "Abschnitt5.3.1.htm"},
      {"10", "Abschnitt10.htm"}, {"index", "Abschnittindex.htm"},  // only "Index" is the index
      {"", "Abschnitt.htm"},     {"INDEX", "AbschnittINDEX.htm"},
  };
  for (const Case& c : cases) EXPECT_EQ(mdlHilfe::Seitenname(c.thema), c.seite) << '"' << c.thema << '"';
}

TEST_F(HelpTest, EveryTopicOfTheProgramShowsItsPage) {
  const char* const themen[] = {"4.1", "4.2",   "4.3",   "4.4",   "4.5",   "4.6",   "4.7",   "5",     "5.1",   "5.2",
                                "5.3", "5.3.1", "5.3.2", "5.3.3", "5.3.4", "5.3.5", "5.3.6", "5.3.7", "5.3.8", "5.3.9",
                                "5.4", "5.5",   "6.1.1", "6.1.2", "6.1.3", "6.2",   "7.2",   "7.3",   "10"};
  for (const char* thema : themen) {
    mdlHilfe::HilfeAufrufen(thema);
    EXPECT_EQ(ui::S(ShownPage()), mdlHilfe::Seitenname(thema)) << thema;
  }
  mdlHilfe::HilfeAufrufen("Index");
  EXPECT_EQ(ShownPage(), QStringLiteral("index.htm"));
  EXPECT_TRUE(ui::HelpViewer::Instance().isVisible());
  EXPECT_EQ(ui::HelpViewer::Instance().ContentsPages().size(), 30);
}

TEST_F(HelpTest, MissingPageShowsTheIndex) {
  for (const char* thema : {"index", "", "99", "5.3.10"}) {
    mdlHilfe::HilfeAufrufen("5");
    mdlHilfe::HilfeAufrufen(thema);
    EXPECT_EQ(ShownPage(), QStringLiteral("index.htm")) << '"' << thema << '"';
  }
  EXPECT_TRUE(prompts->shown().empty());
}

// Without the help folder no page is shown and each call says that the help was not found.
TEST_F(HelpTest, MissingHelpFolderShowsNothingAndSaysSo) {
  mdlHilfe::HilfeAufrufen("10");
  ui::HelpViewer::Instance().hide();
  std::filesystem::remove_all(sys::DataPath("\\Hilfe"));
  test::ScopedRecordingSink meldungen;
  mdlHilfe::HilfeAufrufen("5");
  mdlHilfe::HilfeAufrufen("Index");
  EXPECT_FALSE(ui::HelpViewer::Instance().isVisible());
  ASSERT_EQ(meldungen.messages.size(), 2u);
  EXPECT_EQ(meldungen.messages[0].text.rfind("Die Hilfe wurde nicht gefunden.", 0), 0u);
  EXPECT_EQ(meldungen.messages[0].style, data::MessageStyle::Critical);
}

TEST_F(HelpTest, HelpMenuTopicByWorkAreaAndActiveChild) {
  enum Kind { Keins, Stamm, Erfassung, Kalk };
  enum Child { Ohne, KulturVergleich, VergleichEditor, KalkFenster, FalscheSchreibung };
  struct Case {
    Kind modus;
    Child kind;
    const char* thema;
    const char* seite;
  };
  const Case cases[] = {
      {Keins, Ohne, "Index", "index.htm"},  // right after the start
      {Stamm, Ohne, "5", "Abschnitt5.htm"},
      {Erfassung, Ohne, "6.1.1", "Abschnitt6.1.1.htm"},
      {Kalk, Ohne, "6.2", "Abschnitt6.2.htm"},
      {Kalk, KalkFenster, "6.2", "Abschnitt6.2.htm"},
      {Keins, KulturVergleich, "7.3", "Abschnitt7.3.htm"},
      {Erfassung, KulturVergleich, "7.3", "Abschnitt7.3.htm"},
      {Keins, VergleichEditor, "7.2", "Abschnitt7.2.htm"},
      {Stamm, VergleichEditor, "7.2", "Abschnitt7.2.htm"},
      {Stamm, FalscheSchreibung, "5", "Abschnitt5.htm"},  // names compare case-sensitively
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.thema);
    ResetState();
    test::UnloadAllWindows();
    state().enterprise.ModusStammdaten = c.modus == Stamm;
    state().enterprise.ModusErfassung = c.modus == Erfassung;
    state().enterprise.ModusKalkulation = c.modus == Kalk;
    if (c.kind != Ohne) {
      mdiTolvarZentral::instanz().ui::MainForm::Show();
      switch (c.kind) {
        case KulturVergleich:
          Vergleich::instanz().Show();
          break;
        case VergleichEditor:
          VergleichBearbeiten::instanz().Show();
          break;
        case KalkFenster:
          Kalkulation::instanz().Show();
          break;
        case FalscheSchreibung:
          VergleichFalscheSchreibung::instanz().Show();
          break;
        case Ohne:
          break;
      }
      test::ProcessEvents();
    }
    Hilfebefehl("mnuHilfeText");  // "Hilfe", which is also the menu's title
    EXPECT_EQ(state().windows.HilfeThema, c.thema);
    EXPECT_EQ(ShownPage(), QLatin1String(c.seite));
  }
  test::UnloadAllWindows();
}

TEST_F(HelpTest, DocumentationOpensThePdfWithoutAnEnterprise) {
  test::ScopedShell shell(true);
  ASSERT_FALSE(state().enterprise.BetriebOffen);
  Hilfebefehl("mnuHilfeDoku");
  ASSERT_EQ(shell->Requests().size(), 1u);
  EXPECT_EQ(shell->Requests()[0].kind, sys::RecordingShell::Kind::Document);
  EXPECT_TRUE(std::filesystem::equivalent(shell->Requests()[0].target, root.Join("Hilfe/Tolvar-Hilfe.pdf")));
  EXPECT_TRUE(prompts->shown().empty());
}

TEST_F(HelpTest, DocumentationFailuresAreReported) {
  struct Case {
    const char* name;
    bool pdfDa;
    bool shellOk;
    bool shellGefragt;
    QString meldung;
  };
  const Case cases[] = {
      {"shell cannot open it", true, false, true, ui::Q(mdlAdobe::kMeldungLeser)},
      {"file missing", false, true, false, QString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::FreshDataRoot eigene;
    test::ScopedShell shell(c.shellOk);
    test::ScopedPrompts meldungen;
    meldungen->AnswerMsgBox(ui::msgbox::Ok);
    if (!c.pdfDa) std::filesystem::remove(mdlAdobe::DokumentationsPfad());
    EXPECT_FALSE(mdlAdobe::DokumentationOeffnen());
    EXPECT_EQ(shell->Requests().size(), c.shellGefragt ? 1u : 0u);
    const std::vector<test::ShownPrompt> boxes = meldungen->messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    const test::ShownPrompt& box = boxes[0];
    EXPECT_EQ(box.style, ui::msgbox::Critical);
    EXPECT_EQ(box.title, QStringLiteral("Tolvar-Information"));
    if (c.pdfDa) {
      EXPECT_EQ(box.text, c.meldung);
    } else {
      // Says that the file is missing, not that a PDF reader is.
      EXPECT_TRUE(box.text.contains(QStringLiteral("Tolvar-Hilfe.pdf"))) << ui::S(box.text);
      EXPECT_TRUE(box.text.contains(QStringLiteral("fehlt"))) << ui::S(box.text);
      EXPECT_FALSE(box.text.contains(QStringLiteral("Acrobat")));
    }
  }
}

}  // namespace
}  // namespace tolvar
