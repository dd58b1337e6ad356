#include "data/messages.h"

#include <iostream>
#include <string>

#include "data/mdlFehler.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::data {

namespace {

// Without a windows layer (tools, tests that set no sink) messages still reach the user.
class StderrSink : public MessageSink {
 public:
  void Show(std::string_view text, MessageStyle, std::string_view title) override {
    std::cerr << title << ": " << text << '\n';
  }
  bool AskYesNo(std::string_view text, std::string_view title, bool /*questionIcon*/) override {
    std::cerr << title << ": " << text << " -> Nein\n";
    return false;
  }
};

StderrSink& DefaultSink() {
  static StderrSink sink;
  return sink;
}

MessageSink*& Current() {
  static MessageSink* sink = nullptr;
  return sink;
}

// A damaged page met while rows are read: the rows read are not the table's rows. A database
// of the program's own is restored from the shipped tree as at opening; any other file is
// said once and opened no more in this run, so nothing more is read from it or written into
// it.
void BeschaedigtMelden(const std::string& path, const std::string& error) {
  if (mdlFehler::WaehrendDesLaufsWiederherstellen(path, error)) return;
  db::BlockFile(path);
  if (!state().enterprise.GemeldeteLesefehler.insert("beschädigt|" + path).second) return;
  ShowCritical(sys::Fehlermeldung("Die Datenbank \"" + path +
                                      "\" kann nicht vollständig gelesen werden. Sie wird in dieser Sitzung nicht mehr "
                                      "geöffnet; bitte stellen Sie eine Sicherung wieder her.",
                                  error));
}

}  // namespace

void BeschaedigungMeldenEinrichten() { db::SetDamageReporter(&BeschaedigtMelden); }

MessageSink& CurrentMessageSink() {
  MessageSink* sink = Current();
  return sink != nullptr ? *sink : DefaultSink();
}

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* previous = Current();
  Current() = sink;
  BeschaedigungMeldenEinrichten();
  return previous;
}

std::string Datenbankfehler(std::string_view was, std::string_view art, const std::string& pfad,
                            std::string_view grund) {
  const std::string ursache = sys::UrsacheAufDeutsch(grund);
  if (ursache.empty()) return sys::Fehlermeldung(was, grund);
  return std::string(was) + "\n\n" + std::string(art) + ": " + pfad + "\n" + ursache;
}

void ShowCritical(std::string_view text) { CurrentMessageSink().Show(text, MessageStyle::Critical, kMeldungTitel); }

bool AskYesNo(std::string_view text, std::string_view title, bool questionIcon) {
  return CurrentMessageSink().AskYesNo(text, title, questionIcon);
}

}  // namespace tolvar::data
