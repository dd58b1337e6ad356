#pragma once
// Message boxes asked for by the logic. The logic does not show windows itself: it hands the
// message to the current sink, which the windows layer connects to its prompt service.

#include <string>
#include <string_view>
#include <vector>

namespace tolvar::data {

// The icon of a message box.
enum class MessageStyle { Critical, Question, Exclamation, Information };

// Title of every message box of the system.
inline constexpr std::string_view kMeldungTitel = "Tolvar-Information";

// Receives the message boxes (OK button only) the logic shows.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the message and returns once the user has confirmed it.
  virtual void Show(std::string_view text, MessageStyle style, std::string_view title) = 0;
  // Asks a question with the buttons Yes and No (Yes the default), with the question icon
  // or without any; true for Yes. A sink that cannot ask answers No, so nothing is changed
  // unasked.
  virtual bool AskYesNo(std::string_view text, std::string_view title, bool questionIcon) {
    (void)text;
    (void)title;
    (void)questionIcon;
    return false;
  }
};

// The sink in use: the one set last, or one that writes to standard error.
MessageSink& CurrentMessageSink();
// Sets the sink in use; nullptr restores the default. The caller keeps ownership. Returns the
// previous sink (nullptr for the default).
MessageSink* SetMessageSink(MessageSink* sink);

// Connects the database layer's damage reports to the current sink: a file whose rows fail
// to read is reported once and not opened again in this run. Done by SetMessageSink too.
void BeschaedigungMeldenEinrichten();

// While one lives, a file found damaged while its rows are read is blocked as always, but its
// message is held, so that one action says each damaged file once: the owner names the file
// in a message of its own and takes its cause (Nehmen); the messages it did not take are shown
// when it ends. A database of the program's own that is restored is said at once as before.
class BeschaedigungenSammeln {
 public:
  BeschaedigungenSammeln();
  ~BeschaedigungenSammeln();
  BeschaedigungenSammeln(const BeschaedigungenSammeln&) = delete;
  BeschaedigungenSammeln& operator=(const BeschaedigungenSammeln&) = delete;

  // The held damage of the file `pfad`, taken out: its cause in German and that the file is
  // not opened again ("Die Datenbank ist beschädigt. Sie wird in dieser Sitzung nicht mehr
  // geöffnet; ..."); empty when none is held.
  std::string Nehmen(const std::string& pfad);

  // Holds the damage of `pfad` (the database layer's report); false when none collects.
  static bool Halten(const std::string& pfad, const std::string& fehler);

 private:
  struct Gehalten {
    std::string pfad;
    std::string fehler;
  };
  BeschaedigungenSammeln* aeusserer_;
  std::vector<Gehalten> gehalten_;
};

// The text of an operation on the database of kind `art` ("Materialdatenbank") at `pfad` that
// failed: `was`, then, where `grund` is a failure of the file or the database, the kind and the
// file before the German cause ("Materialdatenbank: <pfad>\nDie Datenbank ist beschädigt."),
// so that a person with several databases knows which one failed. A reason of the program's
// own (a refused value) follows `was` as it stands.
std::string Datenbankfehler(std::string_view was, std::string_view art, const std::string& pfad,
                            std::string_view grund);

// Shows a critical message titled "Tolvar-Information" through the current sink.
void ShowCritical(std::string_view text);

// Asks a Yes/No question through the current sink; true for Yes.
bool AskYesNo(std::string_view text, std::string_view title = kMeldungTitel, bool questionIcon = true);

}  // namespace tolvar::data
