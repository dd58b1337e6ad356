// One instance of the program for the tests that run two of them on one data folder: the
// program's main window and its windows on the data root given as the first argument, on the
// offscreen platform, taking its steps one line at a time from standard input as a person
// gives them (menu commands, a tab, typing, a click). Each step is answered by a line "ok"
// once done, or "fehler <what>"; every message box is written as a line "meldung <text>" and
// answered OK (No where it asks).
//
// Steps:
//   oeffnen              the main window opens (its opening sequence)
//   datei <path>         the next file dialog is answered with <path>
//   befehl <name>        the main window's menu command <name>
//   strom <price>        the settings window: the electricity price typed and confirmed
//   farbe <0..5>         the settings window: the pointer colour of the own windows chosen
//                        and confirmed (the restart question answered No)
//   beenden              "Beenden" (the closing sequence); the process ends
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <iostream>
#include <string>

#include "app/mdiTolvarZentral.h"
#include "app/message_sink.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/registry.h"
#include "platform/ui/appearance.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "platform/ui/prompts.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"

namespace {

using tolvar::ui::Q;

// Message boxes are written out and answered; file dialogs take the paths given before.
class Antworten final : public tolvar::ui::Prompts {
 public:
  int MsgBox(const QString& text, int style, const QString& /*title*/) override {
    QString zeile = text;
    zeile.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::cout << "meldung " << tolvar::ui::S(zeile) << std::endl;
    return tolvar::ui::MsgBoxDismissAnswer(style);
  }
  std::optional<QString> OpenFileDialog(const tolvar::ui::FileDialogRequest& /*request*/) override {
    return Naechste();
  }
  std::optional<QString> SaveFileDialog(const tolvar::ui::FileDialogRequest& /*request*/) override {
    return Naechste();
  }
  void Beep() override {}

  std::deque<QString> dateien;

 private:
  std::optional<QString> Naechste() {
    if (dateien.empty()) return std::nullopt;
    const QString datei = dateien.front();
    dateien.pop_front();
    return datei;
  }
};

bool StromSetzen(const QString& preis) {
  tolvar::ui::MainForm* haupt = tolvar::ui::Forms::Main();
  if (haupt == nullptr || !tolvar::test::TriggerCommand(haupt, QStringLiteral("mnuEinstellungen"))) return false;
  tolvar::test::ProcessEvents();
  tolvar::frmEinstellungen& f = tolvar::frmEinstellungen::instanz();
  return tolvar::test::ClickTab(f.regEinstellungen, 2) && tolvar::test::TypeInto(f.txtKWH, preis) &&
         tolvar::test::Click(f.cmbStromOK);
}

bool FarbeSetzen(const QString& farbe) {
  bool zahl = false;
  const int index = farbe.toInt(&zahl);
  tolvar::ui::MainForm* haupt = tolvar::ui::Forms::Main();
  if (!zahl || index < 0 || index > 5 || haupt == nullptr ||
      !tolvar::test::TriggerCommand(haupt, QStringLiteral("mnuEinstellungen")))
    return false;
  tolvar::test::ProcessEvents();
  tolvar::frmEinstellungen& f = tolvar::frmEinstellungen::instanz();
  return tolvar::test::ClickTab(f.regEinstellungen, 3) &&
         tolvar::test::Click(f.opbTolvar[static_cast<std::size_t>(index)]) && tolvar::test::Click(f.cmbFarbeOK);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  tolvar::ui::PrepareApplication();
  QApplication app(argc, argv);
  tolvar::ui::SetUpApplication(app);
  tolvar::sys::SetDataRoot(argv[1]);
  tolvar::sys::MemoryRegistry registry;
  tolvar::sys::SetRegistry(&registry);
  Antworten antworten;
  tolvar::ui::SetPrompts(&antworten);
  tolvar::app::InstallMessageSink();
  tolvar::ui::Forms::SetQuitHandler([] {});

  std::string zeile;
  while (std::getline(std::cin, zeile)) {
    const std::size_t leer = zeile.find(' ');
    const std::string schritt = zeile.substr(0, leer);
    const QString wert = leer == std::string::npos ? QString() : Q(zeile.substr(leer + 1));
    bool ok = true;
    if (schritt == "oeffnen") {
      tolvar::mdiTolvarZentral::instanz().Show();
    } else if (schritt == "datei") {
      antworten.dateien.push_back(wert);
    } else if (schritt == "befehl") {
      tolvar::ui::MainForm* haupt = tolvar::ui::Forms::Main();
      ok = haupt != nullptr && tolvar::test::TriggerCommand(haupt, wert);
    } else if (schritt == "strom") {
      ok = StromSetzen(wert);
    } else if (schritt == "farbe") {
      ok = FarbeSetzen(wert);
    } else if (schritt == "beenden") {
      tolvar::ui::MainForm* haupt = tolvar::ui::Forms::Main();
      ok = haupt != nullptr && tolvar::test::TriggerCommand(haupt, QStringLiteral("mnuEnde"));
    } else {
      ok = false;
    }
    tolvar::test::ProcessEvents();
    std::cout << (ok ? "ok" : "fehler " + zeile) << std::endl;
    if (schritt == "beenden") break;
  }
  tolvar::ui::SetPrompts(nullptr);
  tolvar::sys::SetRegistry(nullptr);
  return 0;
}
