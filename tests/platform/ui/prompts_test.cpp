// Prompt service: style tables, text and filter conversion, and the scripted double.
#include "platform/ui/prompts.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/ui/builders.h"
#include "support/ui_prompts.h"

namespace tolvar::ui {
namespace {

using test::PromptKind;
using test::ScopedPrompts;
using test::ScriptedPrompts;

TEST(MsgBoxStyleTest, AnswersAndDismissAnswerPerStyle) {
  struct Case {
    int style;
    std::vector<int> answers;
    int dismiss;
  };
  const Case cases[] = {
      {0, {msgbox::Ok}, msgbox::Ok},
      {16, {msgbox::Ok}, msgbox::Ok},
      {48, {msgbox::Ok}, msgbox::Ok},
      {64, {msgbox::Ok}, msgbox::Ok},
      {32, {msgbox::Ok}, msgbox::Ok},
      {4, {msgbox::Yes, msgbox::No}, msgbox::No},
      {36, {msgbox::Yes, msgbox::No}, msgbox::No},
      {36 + 256, {msgbox::Yes, msgbox::No}, msgbox::No},
      {1, {msgbox::Ok, msgbox::Cancel}, msgbox::Cancel},
      {3 + 32, {msgbox::Yes, msgbox::No, msgbox::Cancel}, msgbox::Cancel},
      {5, {msgbox::Retry, msgbox::Cancel}, msgbox::Cancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    EXPECT_EQ(MsgBoxAnswers(c.style), c.answers);
    EXPECT_EQ(MsgBoxDismissAnswer(c.style), c.dismiss);
  }
}

TEST(PromptTextTest, LineBreaksBecomeNewlines) {
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("Zeile 1\n\rZeile 2"), QStringLiteral("Zeile 1\nZeile 2")},
      {QStringLiteral("Zeile 1\r\nZeile 2"), QStringLiteral("Zeile 1\nZeile 2")},
      {QStringLiteral("A\n\r\n\rB"), QStringLiteral("A\n\nB")},
      {QStringLiteral("A\rB"), QStringLiteral("A\nB")},
      {QStringLiteral("A\nB"), QStringLiteral("A\nB")},
      {QString(), QString()},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(NormalizeLineBreaks(in), out) << S(in);
}

TEST(PromptTextTest, FiltersBecomeQtFilters) {
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("Access-Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*"),
       QStringLiteral("Access-Datenbank (*.mdb);;Alle Dateien (*)")},
      {QStringLiteral("Sicherungsdateien|*.MSD;*.TSD"), QStringLiteral("Sicherungsdateien (*.MSD *.TSD)")},
      {QStringLiteral("Alle Dateien (*.*)|*.*"), QStringLiteral("Alle Dateien (*)")},
      {QStringLiteral("Text (*.txt)"), QStringLiteral("Text (*.txt)")},  // already Qt's form
      {QString(), QString()},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(QtFileFilter(in), out) << S(in);
}

TEST(ScriptedPromptsTest, MsgBoxReturnsScriptedAnswersAndRecordsWhatWasShown) {
  ScopedPrompts prompts;
  prompts->AnswerMsgBox(msgbox::Yes).AnswerMsgBox(msgbox::Ok);
  EXPECT_EQ(MsgBox(QStringLiteral("Datei ersetzen?\n\rSicher?"), 36, QStringLiteral("Tolvar-Information")),
            msgbox::Yes);
  EXPECT_EQ(MsgBox(QStringLiteral("Fertig"), 64, QStringLiteral("Tolvar-Information")), msgbox::Ok);
  ASSERT_EQ(prompts->shown().size(), 2u);
  const test::ShownPrompt& first = prompts->shown()[0];
  EXPECT_EQ(first.kind, PromptKind::MsgBox);
  EXPECT_EQ(first.text, QStringLiteral("Datei ersetzen?\nSicher?"));
  EXPECT_EQ(first.style, 36);
  EXPECT_EQ(first.title, QStringLiteral("Tolvar-Information"));
  EXPECT_EQ(prompts->shown()[1].style, 64);
}

TEST(ScriptedPromptsTest, FileDialogsReturnScriptedPathsOrCancel) {
  ScopedPrompts prompts;
  prompts->AnswerFile(QStringLiteral("/daten/Betrieb.mdb")).CancelFile();
  EXPECT_EQ(OpenFileDialog(QStringLiteral("Betrieb öffnen"), QStringLiteral("/daten"),
                           QStringLiteral("Access-Datenbank (*.mdb)|*.mdb"), QStringLiteral("*.mdb")),
            QStringLiteral("/daten/Betrieb.mdb"));
  EXPECT_EQ(SaveFileDialog(QStringLiteral("Speichern unter"), QStringLiteral("/daten"), QString()), std::nullopt);
  ASSERT_EQ(prompts->shown().size(), 2u);
  EXPECT_EQ(prompts->shown()[0].kind, PromptKind::OpenFile);
  EXPECT_EQ(prompts->shown()[0].file.pattern, QStringLiteral("*.mdb"));
  EXPECT_EQ(prompts->shown()[1].kind, PromptKind::SaveFile);
  EXPECT_EQ(prompts->shown()[1].file.title, QStringLiteral("Speichern unter"));
}

TEST(ScriptedPromptsTest, BeepsAreCounted) {
  ScopedPrompts prompts;
  Beep();
  Beep();
  EXPECT_EQ(prompts->beeps(), 2);
}

TEST(ScriptedPromptsTest, ScopedInstallationRestoresThePreviousService) {
  Prompts* before = &CurrentPrompts();
  {
    ScopedPrompts prompts;
    EXPECT_EQ(&CurrentPrompts(), &*prompts);
  }
  EXPECT_EQ(&CurrentPrompts(), before);
}

// A prompt nobody scripted fails the test at once and gets the harmless answer.
int g_answer = 0;
std::optional<QString> g_path;

TEST(ScriptedPromptsTest, UnscriptedMessageBoxFailsTheTest) {
  struct Case {
    int style;
    int harmless;
  };
  for (const Case c : {Case{36, msgbox::No}, Case{16, msgbox::Ok}, Case{1, msgbox::Cancel}}) {
    static int style;
    style = c.style;
    EXPECT_NONFATAL_FAILURE(
        {
          ScopedPrompts prompts;
          g_answer = MsgBox(QStringLiteral("Betrieb wirklich löschen?"), style, QStringLiteral("Tolvar-Information"));
        },
        "Unscripted message box: \"Betrieb wirklich löschen?\"");
    EXPECT_EQ(g_answer, c.harmless) << c.style;
  }
}

TEST(ScriptedPromptsTest, UnscriptedFileDialogFailsTheTestAndCancels) {
  g_path = QStringLiteral("unverändert");
  EXPECT_NONFATAL_FAILURE(
      {
        ScopedPrompts prompts;
        g_path = OpenFileDialog(QStringLiteral("Sicherungsdatei laden"), QString(), QString());
      },
      "Unscripted file dialog: \"Sicherungsdatei laden\"");
  EXPECT_EQ(g_path, std::nullopt);
}

TEST(ScriptedPromptsTest, MismatchedOrUnusedScriptsFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScopedPrompts prompts;
        prompts->AnswerFile(QStringLiteral("/x.mdb"));
        g_answer = MsgBox(QStringLiteral("Frage"), 36, QString());
        (void)OpenFileDialog(QString(), QString(), QString());  // takes the file answer
      },
      "a file dialog was scripted next");
  EXPECT_NONFATAL_FAILURE(
      {
        ScopedPrompts prompts;
        prompts->AnswerMsgBox(msgbox::Yes);
        g_answer = MsgBox(QStringLiteral("Nur OK"), 64, QString());
      },
      "is no button of the message box");
  EXPECT_EQ(g_answer, msgbox::Ok);
  EXPECT_NONFATAL_FAILURE(
      {
        ScopedPrompts prompts;
        prompts->AnswerMsgBox(msgbox::Yes);
      },
      "never used");
}

TEST(ScriptedPromptsTest, OutsideAScopeThePromptsFailToo) {
  // The test main stands an answer-less script behind every test: no real dialog can open.
  EXPECT_NONFATAL_FAILURE((void)MsgBox(QStringLiteral("Ohne Skript"), 0, QString()), "Ohne Skript");
}

}  // namespace
}  // namespace tolvar::ui
