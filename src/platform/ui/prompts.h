#pragma once
// The one service behind every message box and file dialog of the program. Tests install a
// scripted double (tests/support/ui_prompts.h) so nothing modal ever waits for a person.

#include <QString>
#include <optional>
#include <vector>

namespace tolvar::ui {

// Message box styles and answers, with the values the program's code uses.
namespace msgbox {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int CancelTryAgainContinue = 6;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
inline constexpr int TryAgain = 10;
inline constexpr int Continue = 11;
}  // namespace msgbox

// The answers a box of this style offers, in button order (e.g. {6, 7} for 36).
std::vector<int> MsgBoxAnswers(int style);
// The answer a box gives when dismissed without a choice (Escape): Cancel, No for Yes/No, else OK.
int MsgBoxDismissAnswer(int style);
// The program's texts use "\n" for a line break; LF CR, CR LF and lone CR become "\n".
QString NormalizeLineBreaks(const QString& text);

struct FileDialogRequest {
  QString title;
  QString folder;   // initial folder; empty = the current one
  QString filter;   // "Access-Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*"
  QString pattern;  // "*.MSD" selects the matching filter; a plain name is proposed as file name
};

// The file a name typed into a save dialog stands for, taken as typed (quotes, semicolons and
// apostrophes included): an absolute name as it is, any other one in `folder`.
QString TypedFileName(const QString& typed, const QString& folder);

// "Beschreibung|*.a;*.b|..." in Qt's form "Beschreibung (*.a *.b);;...". "*.*" becomes "*".
QString QtFileFilter(const QString& filter);

class Prompts {
 public:
  virtual ~Prompts() = default;
  // Shows a message box and returns the answer (msgbox::Ok, Yes, No, ...).
  virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
  // The chosen file's full path, or nullopt when cancelled. The save dialog asks no
  // overwrite question of its own.
  virtual std::optional<QString> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFileDialog(const FileDialogRequest& request) = 0;
  virtual void Beep() = 0;
};

// The installed service (the Qt dialogs unless something else is installed).
Prompts& CurrentPrompts();
// Installs `prompts` (nullptr: the Qt dialogs) and returns the one installed before.
Prompts* SetPrompts(Prompts* prompts);

// Shorthands through the installed service; the text's line breaks are normalised first.
int MsgBox(const QString& text, int style = msgbox::OkOnly, const QString& title = QString());
std::optional<QString> OpenFileDialog(const QString& title, const QString& folder, const QString& filter,
                                      const QString& pattern = QString());
std::optional<QString> SaveFileDialog(const QString& title, const QString& folder, const QString& filter,
                                      const QString& pattern = QString());
void Beep();

}  // namespace tolvar::ui
