#pragma once
// Scripted prompt double for window tests: the test queues the answers, every prompt shown is
// recorded, and a prompt nobody scripted fails the test at once and gets a harmless answer.

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/prompts.h"

namespace tolvar::test {

enum class PromptKind { MsgBox, OpenFile, SaveFile };

struct ShownPrompt {
  PromptKind kind;
  QString text;   // message text, or the file dialog's title
  int style = 0;  // message box style
  QString title;  // message box title
  ui::FileDialogRequest file;
};

class ScriptedPrompts : public ui::Prompts {
 public:
  ScriptedPrompts() = default;
  // Answers left unused when the test ends fail it: the prompt they were meant for never came.
  ~ScriptedPrompts() override;
  ScriptedPrompts(const ScriptedPrompts&) = delete;
  ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

  // Queue, in the order the prompts will come. `whileOpen` runs while the message box is
  // shown, before it is answered: what it sees is what a person sees behind the box.
  ScriptedPrompts& AnswerMsgBox(int answer, std::function<void()> whileOpen = {});
  ScriptedPrompts& AnswerFile(const QString& path);
  ScriptedPrompts& CancelFile();
  // Unused answers are not an error (for a shared, answer-less fallback).
  void SetExpectAllUsed(bool expect) { m_expectAllUsed = expect; }
  // Each message box is also a real modal window while it is answered: it takes the focus
  // from the window and gives it back when it closes, as on a desktop, so the window's focus
  // handling sees what a person's message box does to it.
  void SetTakesFocus(bool takes) { m_takesFocus = takes; }

  const std::vector<ShownPrompt>& shown() const { return m_shown; }
  std::vector<ShownPrompt> messageBoxes() const;
  int beeps() const { return m_beeps; }
  std::size_t unusedAnswers() const { return m_answers.size(); }

  int MsgBox(const QString& text, int style, const QString& title) override;
  std::optional<QString> OpenFileDialog(const ui::FileDialogRequest& request) override;
  std::optional<QString> SaveFileDialog(const ui::FileDialogRequest& request) override;
  void Beep() override { ++m_beeps; }

 private:
  struct Answer {
    bool file = false;
    int msgBox = 0;
    std::optional<QString> path;
    std::function<void()> whileOpen;
  };
  std::optional<QString> fileAnswer(PromptKind kind, const ui::FileDialogRequest& request);

  std::deque<Answer> m_answers;
  std::vector<ShownPrompt> m_shown;
  int m_beeps = 0;
  bool m_expectAllUsed = true;
  bool m_takesFocus = false;
};

// Installs a ScriptedPrompts for its lifetime (its own, or one given) and restores the
// service installed before.
class ScopedPrompts {
 public:
  ScopedPrompts();
  explicit ScopedPrompts(ui::Prompts& prompts);
  ~ScopedPrompts();
  ScopedPrompts(const ScopedPrompts&) = delete;
  ScopedPrompts& operator=(const ScopedPrompts&) = delete;

  // The own ScriptedPrompts (only for the default constructor).
  ScriptedPrompts& operator*() { return m_own; }
  ScriptedPrompts* operator->() { return &m_own; }
  const ScriptedPrompts& operator*() const { return m_own; }
  const ScriptedPrompts* operator->() const { return &m_own; }

 private:
  ScriptedPrompts m_own;
  ui::Prompts* m_previous;
};

// Qt's own dialogs (real message boxes and file dialogs) instead of the scripted ones while
// it lives; the prompts in use before come back when it goes.
class ScopedQtPrompts {
 public:
  ScopedQtPrompts() : m_previous(ui::SetPrompts(nullptr)) {}
  ~ScopedQtPrompts() { ui::SetPrompts(m_previous); }
  ScopedQtPrompts(const ScopedQtPrompts&) = delete;
  ScopedQtPrompts& operator=(const ScopedQtPrompts&) = delete;

 private:
  ui::Prompts* m_previous;
};

}  // namespace tolvar::test
