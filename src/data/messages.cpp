#include "data/messages.h"

#include <algorithm>
#include <filesystem>
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

BeschaedigungenSammeln*& Sammler() {
  static BeschaedigungenSammeln* sammler = nullptr;
  return sammler;
}

constexpr std::string_view kNichtMehrGeoeffnet =
    "Sie wird in dieser Sitzung nicht mehr geöffnet; bitte stellen Sie eine Sicherung wieder her.";

// The message of a damaged file, said on its own.
std::string BeschaedigtText(const std::string& path, const std::string& error) {
  return sys::Fehlermeldung(
      "Die Datenbank \"" + path + "\" kann nicht vollständig gelesen werden. " + std::string(kNichtMehrGeoeffnet),
      error);
}

// A damaged page met while rows are read: the rows read are not the table's rows. A database
// of the program's own is restored from the shipped tree as at opening; any other file is
// said once and opened no more in this run, so nothing more is read from it or written into
// it.
void BeschaedigtMelden(const std::string& path, const std::string& error) {
  if (mdlFehler::WaehrendDesLaufsWiederherstellen(path, error)) return;
  db::BlockFile(path);
  if (!state().enterprise.GemeldeteLesefehler.insert("beschädigt|" + path).second) return;
  if (BeschaedigungenSammeln::Halten(path, error)) return;
  ShowCritical(BeschaedigtText(path, error));
}

}  // namespace

void BeschaedigungMeldenEinrichten() { db::SetDamageReporter(&BeschaedigtMelden); }

BeschaedigungenSammeln::BeschaedigungenSammeln() : aeusserer_(Sammler()) { Sammler() = this; }

BeschaedigungenSammeln::~BeschaedigungenSammeln() {
  Sammler() = aeusserer_;
  for (const Gehalten& g : gehalten_) ShowCritical(BeschaedigtText(g.pfad, g.fehler));
}

std::string BeschaedigungenSammeln::Nehmen(const std::string& pfad) {
  const auto gleich = [&pfad](const Gehalten& g) {
    return std::filesystem::path(g.pfad).lexically_normal() == std::filesystem::path(pfad).lexically_normal();
  };
  const auto it = std::find_if(gehalten_.begin(), gehalten_.end(), gleich);
  if (pfad.empty() || it == gehalten_.end()) return {};
  std::string ursache = sys::Fehlermeldung("", it->fehler);
  gehalten_.erase(it);
  return ursache + (ursache.empty() ? "" : " ") + std::string(kNichtMehrGeoeffnet);
}

bool BeschaedigungenSammeln::Halten(const std::string& pfad, const std::string& fehler) {
  if (Sammler() == nullptr) return false;
  Sammler()->gehalten_.push_back({pfad, fehler});
  return true;
}

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
